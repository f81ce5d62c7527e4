#pragma once
// One factory per calculation module. Until a module window exists its factory returns a
// placeholder; switching to the real window is the one line in the factory's body.

#include "shell/shell_windows.h"

#include <QDialog>

namespace orvane {

QWidget *CreateSmkOutVentWindow(const ShellWindows &shell);
QWidget *CreateSmkInVentWindow(const ShellWindows &shell);

// Says that a module is not part of this build yet.
class TModulePlaceholder : public QDialog {
    Q_OBJECT
public:
    explicit TModulePlaceholder(const QString &moduleTitle, QWidget *parent = nullptr);
};

} // namespace orvane
