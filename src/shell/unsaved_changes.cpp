#include "shell/unsaved_changes.h"

#include "shell/message_box_notifier.h"

namespace orvane {

QMessageBox::StandardButton AskSaveChanges(QWidget *window) {
    return AskQuestion(window, QStringLiteral("Сохранить изменения в проекте?"),
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

bool MayCloseAfterAnswer(int answer, const std::function<void()> &save,
                         const std::function<bool()> &unsaved) {
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes) {
        save();
        return !unsaved();
    }
    return true;
}

} // namespace orvane
