// libFuzzer target: a project file of any bytes opens or is refused without harm, and one
// calculation on what was opened ends without a crash, a hang or a non-finite number in the
// report.

#include "core/notifier.h"
#include "core/number_text.h"
#include "exhaust/exhaust_calc.h"
#include "exhaust/exhaust_project.h"
#include "report_check.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    orvane::SetDecimalSeparator(',');
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    using namespace orvane::exhaust;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    ExhaustInputs inputs = ExhaustInputs::Defaults();
    if (!ReadProjectBytes(bytes, inputs, "fuzz.smkprj").ok)
        return 0;

    orvane::RecordingNotifier notifier;
    ExhaustCalc calc(&notifier);
    calc.Run(inputs);
    orvane::fuzz::CheckReportFinite(bytes, calc.Report.RTFull);

    // what was opened saves, and the saved file opens and saves to the same bytes
    const char *stamp = "10.12.2026 9:05:01";
    std::string saved;
    if (ProjectBytes(inputs, stamp, saved).ok) {
        ExhaustInputs reopened = ExhaustInputs::Defaults();
        orvane::fuzz::Check(ReadProjectBytes(saved, reopened).ok);
        std::string again;
        orvane::fuzz::Check(ProjectBytes(reopened, stamp, again).ok && again == saved);
    }
    return 0;
}
