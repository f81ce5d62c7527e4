// Renders the exhaust window in each variant (before and after "Расчет"), the segment editor in
// its three modes and a tip into PNG files of the given folder, for a person to look at.

#include "core/notifier.h"
#include "core/number_text.h"
#include "exhaust/network_ops.h"
#include "exhaust/ui/form_shaft_segment.h"
#include "exhaust/ui/form_smk_out_vent_calc.h"
#include "shell/form_controls.h"
#include "shell/popup_tip.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace orvane;
using namespace orvane::exhaust;

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    SetDecimalSeparator(',');
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    const QString size = QStringLiteral("%1x%2")
                             .arg(app.primaryScreen()->size().width())
                             .arg(app.primaryScreen()->size().height());
    const auto save = [&](QWidget *w, const QString &name) {
        QApplication::processEvents();
        QTest::qWait(150);
        w->grab().save(out + QStringLiteral("/%1_%2.png").arg(size, name));
    };
    PopupTip tip;
    ShellWindows shell;
    shell.popupTip = &tip;
    TFormSmkOutVentCalc form(shell);
    RecordingNotifier notifier;
    form.SetNotifier(&notifier);
    // no window manager under a bare X server: take the whole screen by hand
    form.setGeometry(app.primaryScreen()->availableGeometry());
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    auto *scroll = form.findChild<QScrollArea *>(QStringLiteral("ScrollBoxStart"));
    for (ControlName radio :
         {ctl::rbCalcCorridor, ctl::rbCalcRoom, ctl::rbCalcGallery, ctl::rbCalcParking}) {
        const QString variant = CtlName(radio);
        form.findChild<QRadioButton *>(variant)->click();
        scroll->verticalScrollBar()->setValue(0);
        save(&form, variant + QStringLiteral("_before"));
        form.ActionGoNextExecute();
        save(&form, variant + QStringLiteral("_after"));
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum() / 2);
        save(&form, variant + QStringLiteral("_middle"));
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        save(&form, variant + QStringLiteral("_bottom"));
    }

    // an edit after the run: the banner over the outdated report
    if (auto *length = form.findChild<QLineEdit *>(CtlName(ctl::EditRoomLength))) {
        length->setText(QStringLiteral("12"));
        QTest::qWait(50);
        save(&form, QStringLiteral("stale_report"));
    }

    TFormShaftSegment *editor = form.SegmentEditor();
    NetworkSegments net = DefaultNetwork();
    net.insert(net.begin() + 1, net[0]);
    const struct {
        SegmentEditorState state;
        const char *name;
    } modes[] = {{EditorForAdd(net, true), "editor_add"},
                 {EditorForEditOne(net, 0, true), "editor_edit_one"},
                 {EditorForEditOne(net, 2, true), "editor_edit_top"},
                 {EditorForEditGroup(net, 1, true), "editor_group"}};
    for (const auto &m : modes) {
        editor->State = m.state;
        editor->show();
        (void)QTest::qWaitForWindowExposed(editor);
        save(editor, QString::fromLatin1(m.name));
        editor->hide();
    }

    scroll->verticalScrollBar()->setValue(0);
    form.findChild<QRadioButton *>(CtlName(ctl::rbCalcCorridor))->click();
    form.findChild<QToolButton *>(QStringLiteral("sbTipCalcCorridor"))->click();
    QTest::qWait(200);
    save(&tip, QStringLiteral("tip"));
    QApplication::processEvents();
    app.primaryScreen()->grabWindow(0).save(out + QStringLiteral("/%1_tip_screen.png").arg(size));
    return 0;
}
