// Message boxes of the calculation windows: title, line breaks, Russian question buttons, the
// focus on the control a message is about, and the question on closing with unsaved changes.

#include "core/number_text.h"
#include "shell/command_guard.h"
#include "shell/message_box_notifier.h"
#include "shell/unsaved_changes.h"
#include "window_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <memory>
#include <new>
#include <stdexcept>

using namespace orvane;

namespace {

// A window whose edits sit at the top and far down a scrolled page.
struct Page {
    Page() {
        auto *layout = new QVBoxLayout(&window);
        auto *area = new QScrollArea(&window);
        layout->addWidget(area);
        auto *inner = new QWidget;
        auto *column = new QVBoxLayout(inner);
        top = new QLineEdit(inner);
        top->setObjectName(QStringLiteral("EditTop"));
        column->addWidget(top);
        column->addSpacing(3000);
        far = new QLineEdit(inner);
        far->setObjectName(QStringLiteral("EditFar"));
        column->addWidget(far);
        area->setWidget(inner);
        scroll = area->verticalScrollBar();
        window.resize(300, 200);
        window.show();
        top->setFocus();
    }
    QWidget window;
    QLineEdit *top = nullptr;
    QLineEdit *far = nullptr;
    QScrollBar *scroll = nullptr;
};

} // namespace

class MessageBoxNotifierTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // as the program names itself
        QCoreApplication::setApplicationName(QStringLiteral("Orvane"));
    }

    void warningShowsTheTextThenFocusesTheControlOutOfSight() {
        Page page;
        QVERIFY(QTest::qWaitForWindowExposed(&page.window));
        QCOMPARE(page.scroll->value(), 0);
        MessageBoxNotifier notifier(&page.window);
        test::MessageBoxAnswer answer(QMessageBox::Ok);
        notifier.warning("Первая строка\rвторая\r\nтретья", "EditFar");
        QCOMPARE(answer.icon, QMessageBox::Warning);
        QCOMPARE(answer.title, QStringLiteral("Орвейн"));
        QCOMPARE(answer.text, QStringLiteral("Первая строка\nвторая\nтретья"));
        QCOMPARE(page.window.focusWidget(), page.far);
        QVERIFY(page.scroll->value() > 0);
    }

    void errorLeavesAnUnknownOrDisabledControlAlone() {
        Page page;
        QVERIFY(QTest::qWaitForWindowExposed(&page.window));
        MessageBoxNotifier notifier(&page.window);
        page.far->setEnabled(false);
        for (const char *control : {"EditFar", "EditNone", ""}) {
            test::MessageBoxAnswer answer(QMessageBox::Ok);
            notifier.error("Ошибка", control);
            QCOMPARE(answer.icon, QMessageBox::Critical);
            QCOMPARE(page.window.focusWidget(), page.top);
            QCOMPARE(page.scroll->value(), 0);
        }
    }

    void questionsReadInRussian() {
        MessageBoxNotifier notifier(nullptr);
        {
            test::MessageBoxAnswer answer(QMessageBox::Yes);
            QVERIFY(notifier.confirm("Продолжить?\rДанные изменятся."));
            QCOMPARE(answer.text, QStringLiteral("Продолжить?\nДанные изменятся."));
            QCOMPARE(answer.captions, QStringList({QStringLiteral("Да"), QStringLiteral("Нет")}));
            // a stray Enter must not change anything
            QCOMPARE(answer.defaultCaption, QStringLiteral("Нет"));
        }
        {
            test::MessageBoxAnswer answer(QMessageBox::No);
            QVERIFY(!notifier.confirm("Продолжить?"));
        }
        test::MessageBoxAnswer answer(QMessageBox::Cancel);
        QCOMPARE(AskQuestion(nullptr, QStringLiteral("Сохранить?"),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                             QMessageBox::Yes),
                 QMessageBox::Cancel);
        QCOMPARE(answer.captions, QStringList({QStringLiteral("Да"), QStringLiteral("Нет"),
                                               QStringLiteral("Отмена")}));
        QCOMPARE(answer.defaultCaption, QStringLiteral("Да"));
    }

    void closingWithUnsavedChangesKeepsThemUnlessSavedOrDropped() {
        {
            test::MessageBoxAnswer answer(QMessageBox::Cancel);
            QCOMPARE(AskSaveChanges(nullptr), QMessageBox::Cancel);
            QCOMPARE(answer.text, QStringLiteral("Сохранить изменения в проекте?"));
            QCOMPARE(answer.defaultCaption, QStringLiteral("Да"));
        }
        const struct {
            QMessageBox::StandardButton answer;
            bool saveWorks;
            bool saved;
            bool mayClose;
        } cases[] = {
            {QMessageBox::Cancel, true, false, false},
            {QMessageBox::No, true, false, true},
            {QMessageBox::Yes, true, true, true},
            // saving cancelled or failed: the window stays with its inputs
            {QMessageBox::Yes, false, true, false},
        };
        for (const auto &c : cases) {
            bool unsaved = true;
            bool saved = false;
            const bool mayClose = MayCloseAfterAnswer(
                c.answer,
                [&] {
                    saved = true;
                    unsaved = !c.saveWorks;
                },
                [&] { return unsaved; });
            QCOMPARE(saved, c.saved);
            QCOMPARE(mayClose, c.mayClose);
        }
    }

    void commandThatThrowsEndsWithAMessageNotTheProgram() {
        const struct {
            std::function<void()> command;
            QString text;
        } cases[] = {
            {[] { throw NonFiniteValue(); },
             QStringLiteral("Команда не выполнена: получено недопустимое значение (слишком "
                            "большое число или не число). Проверьте исходные данные.")},
            {[] { throw std::bad_alloc(); },
             QStringLiteral("Команда не выполнена: недостаточно памяти.")},
            {[] { throw std::out_of_range("stoi"); },
             QStringLiteral("Команда не выполнена: внутренняя ошибка (stoi).")},
            {[] { throw 42; }, QStringLiteral("Команда не выполнена: внутренняя ошибка.")},
        };
        for (const auto &c : cases) {
            test::MessageBoxAnswer answer(QMessageBox::Ok);
            QVERIFY(!RunGuarded(nullptr, c.command));
            QCOMPARE(answer.icon, QMessageBox::Critical);
            QCOMPARE(answer.title, QStringLiteral("Орвейн"));
            QCOMPARE(answer.text, c.text);
        }
        bool ran = false;
        QVERIFY(RunGuarded(nullptr, [&] { ran = true; }));
        QVERIFY(ran);

        // a save on closing that throws keeps the window open with its inputs
        test::MessageBoxAnswer answer(QMessageBox::Ok);
        QVERIFY(!MayCloseAfterAnswer(
            QMessageBox::Yes, [] { throw NonFiniteValue(); }, [] { return false; }));
        QCOMPARE(answer.icon, QMessageBox::Critical);
    }
};

QTEST_MAIN(MessageBoxNotifierTest)
#include "message_box_notifier_test.moc"
