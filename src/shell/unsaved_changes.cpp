#include "shell/unsaved_changes.h"

#include "shell/command_guard.h"
#include "shell/message_box_notifier.h"

#include <QApplication>

namespace orvane {

QMessageBox::StandardButton AskSaveChanges(QWidget *window) {
    return AskQuestion(window, QStringLiteral("Сохранить изменения в проекте?"),
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

bool MayCloseAfterAnswer(int answer, const std::function<void()> &save,
                         const std::function<bool()> &unsaved) {
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes)
        return RunGuarded(QApplication::activeWindow(), save) && !unsaved();
    return true;
}

} // namespace orvane
