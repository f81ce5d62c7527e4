#include "app/start_probe.h"

#include "app/first_paint.h"
#include "app/main_window.h"
#include "app/module_windows.h"

#include <QAction>

namespace orvane {

void ArmStartProbe(TFormMain &formMain, const ShellWindows &shell, const QString &value) {
    if (value.isEmpty())
        return;
    const bool exhaust = value.endsWith(QStringLiteral(".smkprj"), Qt::CaseInsensitive);
    const bool supply = value.endsWith(QStringLiteral(".isrprj"), Qt::CaseInsensitive);
    if (!exhaust && !supply) {
        // the first window shown: the main window, or a project's module window when the
        // project was named on the command line (the main window is not shown then)
        OnFirstPaint(&formMain, PrintFirstPaintAndExit);
        formMain.SetProjectFactory([shell](const QString &path) {
            std::unique_ptr<QWidget> window = CreateWindowForProject(shell, path);
            if (window)
                OnFirstPaint(window.get(), PrintFirstPaintAndExit);
            return window;
        });
        return;
    }
    TFormMain::ModuleFactory withProject = [shell, value] {
        std::unique_ptr<QWidget> window = CreateWindowForProject(shell, value);
        if (window)
            OnFirstPaint(window.get(), PrintFirstPaintAndExit);
        return window;
    };
    formMain.SetModuleFactories(exhaust ? withProject : nullptr, supply ? withProject : nullptr);
    const QString command =
        exhaust ? QStringLiteral("ActionSmkOutVent") : QStringLiteral("ActionSmkInVent");
    // the opening is timed from the command on, as a user waits for it after the click
    OnFirstPaint(&formMain, [&formMain, command] {
        if (auto *action = formMain.findChild<QAction *>(command)) {
            PrintMoment("open-command");
            action->trigger();
        }
    });
}

} // namespace orvane
