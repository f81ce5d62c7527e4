#include "app/module_windows.h"

#include "exhaust/ui/form_smk_out_vent_calc.h"
#include "inflow/ui/supply_window.h"
#include "shell/project_document.h"

namespace orvane {

std::unique_ptr<QWidget> CreateSmkOutVentWindow(const ShellWindows &shell) {
    return std::make_unique<exhaust::TFormSmkOutVentCalc>(shell);
}

std::unique_ptr<QWidget> CreateSmkInVentWindow(const ShellWindows &shell) {
    return std::make_unique<inflow::SupplyWindow>(shell);
}

std::unique_ptr<QWidget> CreateWindowForProject(const ShellWindows &shell,
                                                const QString &projectPath) {
    // what the file holds decides, its extension only when the contents do not tell
    const ProjectModule module = ProjectModuleOfFile(projectPath);
    if (module == ProjectModule::exhaust) {
        auto window = std::make_unique<exhaust::TFormSmkOutVentCalc>(shell);
        window->OpenProjectFile(projectPath);
        return window;
    }
    if (module == ProjectModule::supply) {
        auto window = std::make_unique<inflow::SupplyWindow>(shell);
        window->OpenProjectFile(projectPath);
        return window;
    }
    return nullptr;
}

} // namespace orvane
