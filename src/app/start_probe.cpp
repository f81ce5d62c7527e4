#include "app/start_probe.h"

#include "app/first_paint.h"
#include "app/main_window.h"
#include "app/module_windows.h"

#include <QAction>

namespace orvane {

void ArmStartProbe(MainWindow &formMain, const ShellWindows &shell, const QString &value) {
    if (value.isEmpty())
        return;
    // a project's module window that ends the run at its first paint
    const MainWindow::ProjectFactory measured = [shell](const QString &path) {
        std::unique_ptr<QWidget> window = CreateWindowForProject(shell, path);
        if (window)
            OnFirstPaint(window.get(), PrintFirstPaintAndExit);
        return window;
    };
    const bool exhaust = value.endsWith(QStringLiteral(".smkprj"), Qt::CaseInsensitive);
    const bool supply = value.endsWith(QStringLiteral(".isrprj"), Qt::CaseInsensitive);
    if (!exhaust && !supply) {
        // the first window shown: the main window, or a project's module window when the
        // project was named on the command line (the main window is not shown then)
        OnFirstPaint(&formMain, PrintFirstPaintAndExit);
        formMain.SetProjectFactory(measured);
        return;
    }
    const MainWindow::ModuleFactory withProject = [measured, value] { return measured(value); };
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
