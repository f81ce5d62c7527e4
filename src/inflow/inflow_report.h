#pragma once
// The report pieces more than one supply calculator writes. Each calculator computes into its
// records first, then its report file writes the lines from them (stair_over_report.cpp,
// stair_under_report.cpp, lift_report.cpp, tambour_report.cpp, with stairwell_report.cpp for
// what the two stairwells share); every formula and input line goes through ValueLine.

#include <string>
#include <string_view>

#include "inflow/inflow_calc.h"
#include "inflow/inflow_records.h"
#include "report/report_line.h"
#include "report/rtf_symbols.h"

namespace orvane::inflow {

// The units after a value, with the space before them.
inline const std::string kM = " м";
inline const std::string kM2 = " м" + rtf::Sup("2") + " ";
inline const std::string kM3PerKg = " м" + rtf::Sup("3") + " /кг";
inline const std::string kM3PerH = " м" + rtf::Sup("3") + " /ч";
inline const std::string kPa = " Па";
inline const std::string kKgPerS = " кг/с";
inline const std::string kMPerS = " м/с";
inline const std::string kKgPerM3 = " кг/м" + rtf::Sup("3") + " ";

// The project's and the system's names and the variant, the first lines of every report.
void WriteProjectLines(RtfStream &report, const std::string &project, const std::string &system,
                       SupplyVariant variant);

// "\par\b Tx\b0  = tx  + 273,15 = \b ", the head of a temperature's line in kelvin.
std::string KelvinHead(std::string_view x);
// "\par title\par\b symbol\b0  = \b value unit": a value stated without its formula.
void WriteValue(RtfStream &report, std::string_view title, const std::string &symbol,
                const std::string &value, std::string_view unit = {});
// "\par title\par\b ρx\b0  = 353 / Ty  = \b ρ кг/м3".
void WriteDensity(RtfStream &report, std::string_view title, std::string_view rhoSub,
                  std::string_view tempSub, double rho);

// The supply duct as entered: its section, length, roughness and local resistances.
// The wind's input lines every variant writes: its speed, then the heading "Коэффициенты
// ветрового напора" and the windward and leeward coefficients.
void WriteWindInputs(RtfStream &report, const AirInputs &air);
void WriteDuctInputs(RtfStream &report, const DuctInputs &duct);
// The supply duct's section and equivalent diameter.
void WriteDuctSection(RtfStream &report, const DuctResults &duct);
// The supply duct's speed, dynamic pressure, friction and the loss up to the place in lossTitle.
void WriteDuctLoss(RtfStream &report, const DuctResults &duct, std::string_view lossTitle);

} // namespace orvane::inflow
