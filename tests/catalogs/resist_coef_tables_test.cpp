#include "catalogs/resist_coef_tables.h"

#include "core/number_text.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ResistCoefTablesTest, GridsHaveTheirShapes) {
    const auto &tables = ResistCoefTables();
    struct Case {
        const char *name;
        size_t rows, cols;
        const char *corner, *last;
    };
    const Case cases[] = {{"sgBranch", 2, 5, "R/D", "0,21"},
                          {"sgBend", 10, 5, "H/W", "0,14"},
                          {"sgChange", 3, 11, "F0/F1", "0"}};
    for (size_t t = 0; t < 3; ++t) {
        const Case &c = cases[t];
        EXPECT_EQ(tables[t].GridName, c.name);
        ASSERT_EQ(tables[t].Cells.size(), c.rows) << c.name;
        for (const auto &row : tables[t].Cells)
            EXPECT_EQ(row.size(), c.cols) << c.name;
        EXPECT_EQ(tables[t].Cells.front().front(), c.corner);
        EXPECT_EQ(tables[t].Cells.back().back(), c.last);
    }
    EXPECT_EQ(tables[2].Cells[1][0], "Расширение");
    EXPECT_EQ(tables[2].Cells[2][1], "0,5");
}

TEST(ResistCoefTablesTest, PickAddsToTheFieldInTheCurrentSeparator) {
    struct Case {
        char separator;
        const char *field;
        const char *cell;
        const char *result;
    };
    const Case cases[] = {
        {',', "0,5", "0,21", "0,71"}, {'.', "0.5", "0,21", "0.71"}, {',', "0,71", "0,21", "0,92"},
        {',', "", "0,09", "0,09"},    {'.', "abc", "1", "1"},       {',', "0.5", "0,5", "1"},
    };
    for (const Case &c : cases) {
        SetDecimalSeparator(c.separator);
        EXPECT_EQ(AddResistCoef(c.field, ResistCoefCellValue(c.cell)), c.result)
            << c.field << " + " << c.cell;
    }
    SetDecimalSeparator(',');
}

} // namespace
} // namespace orvane
