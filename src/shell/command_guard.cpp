#include "shell/command_guard.h"

#include "core/number_text.h"
#include "shell/message_box_notifier.h"

#include <QEvent>
#include <QMessageBox>
#include <QWidget>

#include <new>

namespace orvane {

namespace {

const char *const kUnknownFailure = "Команда не выполнена: внутренняя ошибка.";

void ShowFailure(QWidget *window, const QString &text) {
    QMessageBox::critical(window, MessageTitle(), text);
}

} // namespace

QString CommandFailureText(const std::exception &e) {
    if (dynamic_cast<const NonFiniteValue *>(&e))
        return QStringLiteral("Команда не выполнена: получено недопустимое значение (слишком "
                              "большое число или не число). Проверьте исходные данные.");
    if (dynamic_cast<const std::bad_alloc *>(&e))
        return QStringLiteral("Команда не выполнена: недостаточно памяти.");
    return QStringLiteral("Команда не выполнена: внутренняя ошибка (%1).")
        .arg(QString::fromLocal8Bit(e.what()));
}

bool RunGuarded(QWidget *window, const std::function<void()> &command) {
    try {
        command();
        return true;
    } catch (const std::exception &e) {
        ShowFailure(window, CommandFailureText(e));
    } catch (...) {
        ShowFailure(window, QString::fromUtf8(kUnknownFailure));
    }
    return false;
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event) {
    const auto closeFailed = [event] {
        if (event->type() == QEvent::Close)
            event->ignore();
    };
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        closeFailed();
        ShowFailure(qobject_cast<QWidget *>(receiver), CommandFailureText(e));
    } catch (...) {
        closeFailed();
        ShowFailure(qobject_cast<QWidget *>(receiver), QString::fromUtf8(kUnknownFailure));
    }
    return false;
}

} // namespace orvane
