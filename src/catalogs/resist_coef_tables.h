#pragma once
// Reference tables of local resistance coefficients of duct fittings. The cell texts are the data
// (decimal comma as printed in the reference); the first row and column are headers.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct ResistCoefTable {
    std::string GridName; // the grid's control name
    std::string Title;
    std::vector<std::string> Notes;
    std::vector<std::vector<std::string>> Cells; // rows of cells, header row first
};

// sgBranch, sgBend, sgChange, in this order.
const std::array<ResistCoefTable, 3> &ResistCoefTables();

// The value of a data cell's text.
double ResistCoefCellValue(std::string_view cellText);
// What the caller's coefficient field holds after a pick: its number plus the picked value, in
// the general format with the current decimal separator.
std::string AddResistCoef(std::string_view fieldText, double coef);

} // namespace orvane
