#pragma once
// What the window tests share: finding controls by name, driving modal windows.

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
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <functional>
#include <memory>
#include <span>

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

// Calls `action` with the active modal window as soon as one is shown (gives up after 5 s).
inline void WhenModal(std::function<void(QWidget *)> action) {
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, timer, poll] {
        if (QWidget *w = QApplication::activeModalWidget(); w && w->isVisible()) {
            action(w);
            *poll = nullptr; // break the cycle
            return;
        }
        if (timer->elapsed() < 5000)
            QTimer::singleShot(10, [poll] {
                if (*poll)
                    (*poll)();
            });
    };
    QTimer::singleShot(0, [poll] { (*poll)(); });
}

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
