#pragma once
// Closing a calculation window whose project has unsaved changes.

#include <QMessageBox>

#include <functional>

class QWidget;

namespace orvane {

// "Сохранить изменения в проекте?" with Да (the default), Нет and Отмена.
QMessageBox::StandardButton AskSaveChanges(QWidget *window);

// Whether the window may close after `answer` to AskSaveChanges. Да saves first and keeps the
// window open when the changes are still unsaved (saving cancelled or failed): nothing is lost.
bool MayCloseAfterAnswer(int answer, const std::function<void()> &save,
                         const std::function<bool()> &unsaved);

} // namespace orvane
