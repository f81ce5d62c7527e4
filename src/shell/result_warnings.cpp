#include "shell/result_warnings.h"

namespace orvane {

void ShowResultWarnings(Notifier &notifier, const RunFrame &run) {
    const std::string text = CheckWarningsText(run.Checks);
    if (!text.empty())
        notifier.warning(text, {});
}

} // namespace orvane
