#pragma once
// Shared set-up of the exhaust engine tests.

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/notifier.h"
#include "core/number_text.h"
#include "exhaust/exhaust_calc.h"
#include "exhaust/exhaust_inputs.h"
#include "test_support.h"

namespace orvane::exhaust::test {

using orvane::test::ReadFile;
using orvane::test::Rtf;

// The exhaust control named `name` (a key of the state's maps, a column of a case table); an
// unknown name throws, so the test that asked fails.
inline ControlName ExhaustControl(std::string_view name) {
    if (const auto control = orvane::test::ControlNamed(ctl::kAll, name))
        return *control;
    throw std::invalid_argument("no exhaust control " + std::string(name));
}

// The steps of "Расчет" up to the variant calculation, without the network: the report then
// ends where the network section would start.
inline RunOutcome RunWithoutNetwork(ExhaustCalc &calc, const ExhaustInputs &in) {
    calc.Report.BeginReport(kExhaustReportTitle);
    calc.Variant = calc.ReadVariant(in);
    bool ok = calc.InputRoomTerms(in) && calc.InputFireLoad(in);
    if (ok) {
        switch (calc.Variant) {
        case ExhaustVariant::corridor:
            ok = calc.InputCorridor(in);
            break;
        case ExhaustVariant::parking:
            ok = calc.InputParkingFire(in);
            break;
        default:
            ok = calc.InputRoomFire(in);
            break;
        }
    }
    ok = ok && calc.InputOutsideAndNetwork(in);
    if (!ok)
        return RunOutcome::inputStopped;
    switch (calc.Variant) {
    case ExhaustVariant::corridor:
        calc.RunCalcCorridor();
        return RunOutcome::ok;
    case ExhaustVariant::parking:
        return calc.RunCalcParking() ? RunOutcome::ok : RunOutcome::noDutyPoint;
    default:
        return calc.RunCalcRoom() ? RunOutcome::ok : RunOutcome::noDutyPoint;
    }
}

inline ExhaustInputs DefaultsFor(ControlName variantRadio) {
    ExhaustInputs in = ExhaustInputs::Defaults();
    in.Check(variantRadio);
    return in;
}

// Cyrillic letters and the degree sign written by RtfText as \uN? escapes, back to UTF-8, so
// expectations read as Russian. Escapes written literally (with a leading zero, or symbols such
// as \u8729?) stay as they are, so RtfText of the result gives the same bytes again.
inline std::string DecodeRtf(const std::string &rtf) {
    std::string out;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf.compare(i, 2, "\\u") == 0 && i + 2 < rtf.size() && rtf[i + 2] >= '1' &&
            rtf[i + 2] <= '9') {
            size_t j = i + 2;
            unsigned code = 0;
            while (j < rtf.size() && isdigit(static_cast<unsigned char>(rtf[j])))
                code = code * 10 + (rtf[j++] - '0');
            const bool decodable = (code >= 0x400 && code <= 0x4FF) || code == 176;
            if (j < rtf.size() && rtf[j] == '?' && decodable) {
                out += char(0xC0 | (code >> 6));
                out += char(0x80 | (code & 0x3F));
                i = j;
                continue;
            }
        }
        out += rtf[i];
    }
    return out;
}

// Readable report fixtures under tests/exhaust/data: Russian text with a line break before each
// paragraph, which the report itself does not have. With ORVANE_WRITE_FIXTURES set in the
// environment a test writes its fixture afresh (to be reviewed before it is kept).
inline std::string ReadReportFixture(const std::string &name) {
    std::ifstream f(std::string(TEST_DATA_DIR) + "/exhaust/data/" + name, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    std::string text = ss.str();
    std::erase(text, '\n');
    return text;
}

inline void WriteReportFixture(const std::string &name, const std::string &rtf) {
    const std::string text = DecodeRtf(rtf);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 4, "\\par") == 0 && text.compare(i, 5, "\\pard") != 0)
            out += '\n';
        out += text[i];
    }
    std::ofstream(std::string(TEST_DATA_DIR) + "/exhaust/data/" + name, std::ios::binary)
        << out << '\n';
}

} // namespace orvane::exhaust::test
