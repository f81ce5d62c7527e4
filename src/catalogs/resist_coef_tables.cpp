#include "catalogs/resist_coef_tables.h"

#include "core/number_text.h"

#include <cmath>

namespace orvane {

const std::array<ResistCoefTable, 3> &ResistCoefTables() {
    static const std::array<ResistCoefTable, 3> tables = {{
        {"sgBranch",
         "Отвод круглого или квадратного сечения",
         {"R - радиус отвода (по оси воздуховода)", "D - размер сечения воздуховода"},
         {{"R/D", "30°", "45°", "60°", "90°"}, {"1", "0,09", "0,13", "0,16", "0,21"}}},
        {"sgBend",
         "Колено прямоугольного сечения",
         {"Отвод лежит в горизонтальной плоскости", "Поворот вокруг вертикальной оси",
          "H - высота сечения", "W - ширина сечения"},
         {{"H/W", "30°", "45°", "60°", "90°"},
          {"0,25", "0,09", "0,12", "0,16", "0,20"},
          {"0,5", "0,08", "0,11", "0,14", "0,18"},
          {"0,75", "0,08", "0,10", "0,13", "0,16"},
          {"1", "0,07", "0,09", "0,12", "0,15"},
          {"1,5", "0,06", "0,08", "0,11", "0,14"},
          {"2", "0,06", "0,08", "0,10", "0,13"},
          {"3", "0,06", "0,08", "0,10", "0,13"},
          {"4", "0,06", "0,08", "0,11", "0,14"},
          {"5", "0,07", "0,09", "0,11", "0,14"}}},
        {"sgChange",
         "Внезапное расширение/сужение сечения (относится к скорости в меньшем сечении)",
         {},
         {{"F0/F1", "0", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8", "1"},
          {"Расширение", "1", "0,81", "0,64", "0,5", "0,36", "0,25", "0,16", "0,09", "0,04", "0"},
          {"Сужение", "0,5", "0,45", "0,4", "0,35", "0,3", "0,25", "0,2", "0,15", "0,1", "0"}}},
    }};
    return tables;
}

double ResistCoefCellValue(std::string_view cellText) {
    return ReadRealInput(cellText);
}

std::string AddResistCoef(std::string_view fieldText, double coef) {
    double sum = ReadRealInput(fieldText) + coef;
    // guard: a field holding an absurd digit run must not turn into infinity
    if (!std::isfinite(sum))
        sum = coef;
    return FormatGeneral(sum);
}

} // namespace orvane
