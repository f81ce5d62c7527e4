#pragma once
// What the window tests share: finding controls by name, driving modal windows and answering
// message boxes.

#include <QAction>
#include <QApplication>
#include <QBackingStore>
#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <functional>
#include <memory>
#include <span>
#include <type_traits>

#include "core/control_state.h"
#include "core/field_spec.h"
#include "shell/form_controls.h"

namespace orvane::test {

// Where the pixels of `window`'s backing store lie (null without one in plain memory): a frame
// painted into the same buffer shows the same address.
inline const void *BufferPixels(QWidget *window) {
    QBackingStore *store = window != nullptr ? window->backingStore() : nullptr;
    QPaintDevice *device = store != nullptr ? store->paintDevice() : nullptr;
    return device != nullptr && device->devType() == QInternal::Image
               ? static_cast<const QImage *>(device)->constBits()
               : nullptr;
}

// Calls `action` with the next modal window of type T (other than `previous`) as soon as it is
// shown. After 5 s without one it gives up, calling `missed` when there is one.
template <class T = QWidget>
void WhenModal(std::function<void(std::type_identity_t<T> *)> action, QWidget *previous = nullptr,
               std::function<void()> missed = {}) {
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, previous, missed, timer, poll] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *w = qobject_cast<T *>(modal); w && w != previous && w->isVisible()) {
            action(w);
            *poll = nullptr; // break the cycle
            return;
        }
        if (timer->elapsed() < 5000) {
            QTimer::singleShot(10, [poll] {
                if (*poll)
                    (*poll)();
            });
            return;
        }
        if (missed)
            missed();
        *poll = nullptr;
    };
    QTimer::singleShot(0, [poll] { (*poll)(); });
}

// Answers message boxes while it lives: the next one (or, with `every`, each one) is answered
// with `answer` (its first button for NoButton), and what the last one showed is kept. The
// answer is the polls' context, so no poll outlives it.
class MessageBoxAnswer : public QObject {
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton answer = QMessageBox::NoButton,
                              bool every = false)
        : answer_(answer), every_(every) {
        QTimer::singleShot(0, this, [this] { Poll(); });
    }

    int shown = 0; // boxes answered
    QString title, text, defaultCaption;
    QStringList captions; // of its Yes, No and Cancel buttons
    QMessageBox::Icon icon = QMessageBox::NoIcon;

private:
    void Poll() {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            box && box->isVisible()) {
            Answer(box);
            if (!every_)
                return;
        }
        QTimer::singleShot(10, this, [this] { Poll(); });
    }
    void Answer(QMessageBox *box) {
        ++shown;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        captions.clear();
        for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            if (QAbstractButton *button = box->button(b))
                captions << button->text();
        defaultCaption = box->defaultButton() ? box->defaultButton()->text() : QString();
        QAbstractButton *button = answer_ == QMessageBox::NoButton ? nullptr : box->button(answer_);
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().constFirst();
        if (button)
            button->click();
        else
            box->accept();
    }

    QMessageBox::StandardButton answer_;
    bool every_;
};

// Writes `bytes` as the file `name` in `dir`; its path, or "" when it could not be written.
inline QString WriteTestFile(const QTemporaryDir &dir, const QString &name,
                             const QByteArray &bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return {};
    return path;
}

// The input groups of `window` (its named group boxes) that `manualPage` has no entry for (an
// element with the group's name as its id).
inline QStringList GroupsWithoutManualEntry(QWidget *window, const QString &manualPage) {
    QFile page(manualPage);
    if (!page.open(QIODevice::ReadOnly))
        return {QStringLiteral("(no page %1)").arg(manualPage)};
    const QString html = QString::fromUtf8(page.readAll());
    QStringList missing;
    for (const QGroupBox *group : window->findChildren<QGroupBox *>()) {
        const QString name = group->objectName();
        if (!name.isEmpty() && !html.contains(QStringLiteral("id=\"%1\"").arg(name)) &&
            !missing.contains(name))
            missing << name;
    }
    return missing;
}

// What differs from the commands both module windows share (name, then the key it must have),
// and tip buttons that are Tab stops or are not announced as "Подсказка: <group>": "" when
// the window has them all.
inline QStringList SharedCommandFaults(QWidget *window) {
    const struct {
        const char *action;
        QKeySequence keys;
    } commands[] = {
        {"ActionGoNext", QKeySequence(Qt::Key_F9)},
        {"ActionNewProject", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"ActionOpenFile", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"ActionSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"ActionSaveFile", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"NHelp", QKeySequence(Qt::Key_F1)},
        {"ActionNewCalc", QKeySequence()},
        {"ActionPathSave", QKeySequence()},
    };
    QStringList faults;
    for (const auto &c : commands) {
        const auto *action = window->findChild<QAction *>(QString::fromLatin1(c.action));
        if (!action || action->shortcut() != c.keys)
            faults << QString::fromLatin1(c.action);
    }
    for (const QToolButton *tip : window->findChildren<QToolButton *>()) {
        if (!tip->objectName().startsWith(QStringLiteral("sbTip")))
            continue;
        const QString name = tip->accessibleName();
        if (tip->focusPolicy() != Qt::NoFocus || !name.startsWith(QStringLiteral("Подсказка: ")) ||
            name.size() <= 11)
            faults << tip->objectName() + QStringLiteral(" '") + name + QLatin1Char('\'');
    }
    return faults;
}

template <typename T> T *Find(QWidget *parent, const char *name) {
    return parent->findChild<T *>(QString::fromLatin1(name));
}
template <typename T> T *Find(QWidget *parent, ControlName name) {
    return parent->findChild<T *>(CtlName(name));
}

// The controls of `table` and `groups` that `controls` does not answer with the window's own
// widget of that name and kind (a combo for a choice, an edit otherwise, a radio button in a
// group): "" when the page filed every one as it built it.
inline QStringList UnfiledControls(QWidget *window, const ControlIndex &controls,
                                   std::span<const FieldSpec> table,
                                   std::span<const RadioGroup> groups,
                                   std::span<const ControlName> checkBoxes = {}) {
    QStringList unfiled;
    for (const FieldSpec &f : table) {
        QWidget *filed = f.kind == FieldKind::choice
                             ? static_cast<QWidget *>(controls.Combo(f.control))
                             : static_cast<QWidget *>(controls.Edit(f.control));
        if (!filed || filed != Find<QWidget>(window, f.control))
            unfiled << CtlName(f.control);
    }
    for (RadioGroup group : groups)
        for (ControlName radio : group) {
            QAbstractButton *filed = controls.Button(radio);
            if (!qobject_cast<QRadioButton *>(filed) || filed != Find<QWidget>(window, radio))
                unfiled << CtlName(radio);
        }
    for (ControlName box : checkBoxes) {
        QAbstractButton *filed = controls.Button(box);
        if (!qobject_cast<QCheckBox *>(filed) || filed != Find<QWidget>(window, box))
            unfiled << CtlName(box);
    }
    return unfiled;
}

} // namespace orvane::test
