// The main window: command line, compact and banner layouts, module opening.

#include "app/background_strip.h"
#include "app/command_line.h"
#include "app/first_paint.h"
#include "app/main_window.h"
#include "app/module_windows.h"
#include "core/file_io.h"
#include "core/jpeg_image.h"
#include "exhaust/ui/form_smk_out_vent_calc.h"
#include "orvane/version.h"
#include "shell/about_box.h"
#include "shell/file_name.h"
#include "shell/own_icons.h"
#include "shell/popup_tip.h"
#include "shell/project_document.h"
#include "shell/raw_picture.h"
#include "shell/settings.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>

using namespace orvane;
using namespace Qt::StringLiterals;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        fTemp = std::make_unique<QTemporaryDir>();
        QVERIFY(fTemp->isValid());
        fSettings = std::make_unique<ShellSettings>(fTemp->path());
    }

    void CompactSwitch_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("bannerMode");
        QTest::newRow("none") << QStringList() << true;
        QTest::newRow("-B") << QStringList{QStringLiteral("-B")} << false;
        QTest::newRow("-b") << QStringList{QStringLiteral("-b")} << false;
        QTest::newRow("-bx") << QStringList{QStringLiteral("-bx")} << false;
        QTest::newRow("b") << QStringList{QStringLiteral("b")} << true;
        QTest::newRow("-") << QStringList{QStringLiteral("-")} << true;
        QTest::newRow("-c") << QStringList{QStringLiteral("-c")} << true;
        QTest::newRow("after another argument")
            << QStringList{QStringLiteral("project.smkprj"), QStringLiteral("-b")} << false;
        QTest::newRow("a file name after --")
            << QStringList{QStringLiteral("--"), QStringLiteral("-b")} << true;
    }
    void CompactSwitch() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, bannerMode);
        QCOMPARE(BannerModeFromArguments(arguments), bannerMode);
    }

    // Answered before the application starts; Qt's own options and the program's are let through.
    void EarlyAnswers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode"); // -1: the program starts
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString version =
            QStringLiteral("Орвейн ") +
            QString::fromUtf8(kVersionNumber.data(), qsizetype(kVersionNumber.size())) +
            QStringLiteral("\n");
        QTest::newRow("none") << QStringList() << -1 << QString() << QString();
        QTest::newRow("compact and a Qt option")
            << QStringList{QStringLiteral("-B"), QStringLiteral("--platform"),
                           QStringLiteral("offscreen"), QStringLiteral("--style=fusion")}
            << -1 << QString() << QString();
        QTest::newRow("version") << QStringList{QStringLiteral("-B"), QStringLiteral("--version")}
                                 << 0 << version << QString();
        QTest::newRow("help") << QStringList{QStringLiteral("-h")} << 0 << ProgramUsageText()
                              << QString();
        QTest::newRow("unknown long option")
            << QStringList{QStringLiteral("--verison")} << 2 << QString()
            << QStringLiteral("orvane: неизвестный параметр «--verison». Справка: orvane --help\n");
        QTest::newRow("after --") << QStringList{QStringLiteral("--"), QStringLiteral("--help")}
                                  << -1 << QString() << QString();
    }
    void EarlyAnswers() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const std::optional<EarlyAnswer> answer = AnswerBeforeStart(arguments);
        QCOMPARE(answer.has_value(), exitCode >= 0);
        if (!answer)
            return;
        QCOMPARE(answer->exitCode, exitCode);
        QCOMPARE(answer->out, out);
        QCOMPARE(answer->err, err);
        QVERIFY(ProgramUsageText().contains(QStringLiteral("--version")));
    }

    void ProjectOnTheCommandLine() {
        const QString project = QStringLiteral("/tmp/корпус 2.smkprj");
        QCOMPARE(ProjectFromArguments({}), QString());
        QCOMPARE(ProjectFromArguments({QStringLiteral("-B")}), QString());
        QCOMPARE(ProjectFromArguments({QStringLiteral("-b"), project}), project);
        QCOMPARE(ProjectFromArguments({project, QStringLiteral("-B")}), project);
        // after "--" every argument is a file name, a dash first or not
        const QString dash = QStringLiteral("-dash.smkprj");
        QCOMPARE(ProjectFromArguments({QStringLiteral("--"), dash}), dash);
        QCOMPARE(ProjectFromArguments(
                     {QStringLiteral("-B"), QStringLiteral("--"), QStringLiteral("--")}),
                 QStringLiteral("--"));
        QCOMPARE(ProjectFromArguments({QStringLiteral("--")}), QString());
        // a name that is not valid UTF-8 keeps its bytes
        std::string name = "/tmp/\xFF\xD0\x9F\xC3.smkprj";
        char program[] = "orvane";
        char *argv[] = {program, name.data()};
        const QStringList arguments = ArgumentsOf(2, argv);
        QCOMPARE(FileNameBytes(ProjectFromArguments(arguments)), name);
    }

    // a project whose name is not valid UTF-8 (as a Linux file name may be) opens in its window
    // from the command line, under its own bytes
    void ProjectUnderANameThatIsNotTextOpens() {
        std::string example;
        QVERIFY(ReadFileBytes(EXAMPLES_DIR "/room.smkprj", example).ok);
        std::string name = FileNameBytes(fTemp->path()) + "/\xFF-room.smkprj";
        QVERIFY(WriteFileAtomic(name, example).ok);
        // (removed here: the temporary folder does not see a name that is not text)
        const auto remove = qScopeGuard([&name] { std::filesystem::remove(name); });
        char program[] = "orvane";
        char *argv[] = {program, name.data()};
        const QString project = ProjectFromArguments(ArgumentsOf(2, argv));
        const std::unique_ptr<QWidget> window = CreateWindowForProject(ShellWindows{}, project);
        auto *form = qobject_cast<exhaust::TFormSmkOutVentCalc *>(window.get());
        QVERIFY(form);
        QCOMPARE(FileNameBytes(form->Document()->FilePath()), name);
        QVERIFY(form->windowTitle().startsWith(u"\uFFFD-room.smkprj — "_s));
    }

    // a project opened from the desktop runs its module window with the file, as the module
    // buttons do; a file of no module is refused and the main window stays
    void ProjectFileOpensItsModule() {
        const QString lift = QStringLiteral(EXAMPLES_DIR "/lift.isrprj");
        MainWindow w(*fSettings, false, QImage());
        QStringList asked;
        w.SetProjectFactory([&](const QString &path) -> std::unique_ptr<QWidget> {
            asked << path;
            auto window = std::make_unique<QMainWindow>();
            QTimer::singleShot(0, window.get(), [module = window.get()] { module->close(); });
            return window;
        });
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.OpenProject(lift);
        QCOMPARE(asked, QStringList{lift});
        QVERIFY(!w.isVisible());

        MainWindow other(*fSettings, false, QImage());
        other.SetProjectFactory([&](const QString &path) -> std::unique_ptr<QWidget> {
            asked << path;
            return nullptr;
        });
        const QString text = fTemp->filePath(QStringLiteral("заметки.txt"));
        QFile notes(text);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("not a project");
        notes.close();
        test::MessageBoxAnswer box;
        other.OpenProject(text);
        QCOMPARE(asked.size(), 1);
        QVERIFY(box.text.contains(QStringLiteral("заметки.txt")));
        QVERIFY(other.isVisible());
        other.close();
    }

    void RecentProjectsAreInTheFileMenu() {
        MainWindow w(*fSettings, true, QImage());
        auto *recent = w.findChild<QMenu *>(QStringLiteral("MenuRecent"));
        QVERIFY(recent);
        QVERIFY(recent->isEnabled());
    }

    void CompactWindowIsFooterSizedCentredAndFixed() {
        MainWindow w(*fSettings, false, QImage(400, 200, QImage::Format_RGB32));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.centralWidget()->size(), QSize(w.MinFooterWidth(), w.MinFooterHeight()));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!w.findChild<QWidget *>(QStringLiteral("PanelHeader"))->isVisible());
        QVERIFY(!w.findChild<QWidget *>(QStringLiteral("PanelBanner"))->isVisible());
        QCOMPARE(w.findChild<QWidget *>(QStringLiteral("PanelFooter"))->geometry(),
                 w.centralWidget()->rect());
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
        const QRect screen = w.screen()->geometry();
        const QRect frame = w.frameGeometry();
        QCOMPARE(frame.x(), (screen.width() - frame.width()) / 2);
        QCOMPARE(frame.y(), (screen.height() - frame.height()) / 2);

        auto *out = w.findChild<QToolButton *>(QStringLiteral("sbSmkOutVent"));
        QCOMPARE(w.MinFooterWidth(), 2 * out->width() + 80);
        QCOMPARE(w.MinFooterHeight(), 2 * out->y() + out->height() + 10);
    }

    // Once the banner fits, every further pair of pixels goes one to the header, one to the
    // footer; an odd pixel is dropped.
    void SpareHeightIsSplitBetweenHeaderAndFooter_data() {
        QTest::addColumn<int>("extra");
        QTest::addColumn<int>("grow");
        QTest::newRow("just tall enough") << 0 << 0;
        QTest::newRow("one pixel more") << 1 << 0;
        QTest::newRow("two pixels more") << 2 << 1;
        QTest::newRow("eleven pixels more") << 11 << 5;
        QTest::newRow("too short") << -40 << 0;
    }
    void SpareHeightIsSplitBetweenHeaderAndFooter() {
        QFETCH(int, extra);
        QFETCH(int, grow);
        MainWindow w(*fSettings, true, QImage(400, 200, QImage::Format_RGB32));
        ShowNormal(w);
        const int needed = w.BannerHeight() + w.BannerTopBorder() + w.BannerBottomBar() +
                           w.MinHeaderHeight() + w.MinFooterHeight();
        SetClientSize(w, 900, needed + extra);
        QCOMPARE(Panel(w, "PanelHeader")->height(), w.MinHeaderHeight() + grow);
        QCOMPARE(Panel(w, "PanelFooter")->height(), w.MinFooterHeight() + grow);
        QCOMPARE(Panel(w, "PanelBanner")->y(), Panel(w, "PanelHeader")->height());
    }

    void BannerBoxIsCentredWhenItFitsElseFillsPanel() {
        MainWindow w(*fSettings, true, QImage(400, 200, QImage::Format_RGB32));
        ShowNormal(w);
        SetClientSize(w, 900, 700);
        auto *box = w.findChild<QScrollArea *>(QStringLiteral("sbBanner"));
        QWidget *panel = Panel(w, "PanelBanner");
        const int frame = box->frameWidth();
        QCOMPARE(box->size(), QSize(400 + 2 * frame, 200 + 2 * frame));
        QCOMPARE(box->x(), (panel->width() - box->width()) / 2);
        QCOMPARE(box->y(), (panel->height() - box->height()) / 2);

        MainWindow wide(*fSettings, true, QImage(2000, 200, QImage::Format_RGB32));
        ShowNormal(wide);
        SetClientSize(wide, 900, 700);
        auto *wideBox = wide.findChild<QScrollArea *>(QStringLiteral("sbBanner"));
        QCOMPARE(wideBox->x(), 0);
        QCOMPARE(wideBox->width(), Panel(wide, "PanelBanner")->width());
        // the horizontal scroll bar is added below the banner
        QCOMPARE(wideBox->height(), 200 + wide.BannerTopBorder() + wide.BannerBottomBar());
    }

    void ModuleButtonsSpreadOrPack_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("packed");
        QTest::newRow("wide page") << 1200 << false;
        QTest::newRow("medium page") << 800 << false;
        QTest::newRow("narrow page") << 300 << true;
    }
    void ModuleButtonsSpreadOrPack() {
        QFETCH(int, page);
        QFETCH(bool, packed);
        MainWindow w(*fSettings, true, QImage(400, 200, QImage::Format_RGB32));
        ShowNormal(w);
        auto *out = w.findChild<QToolButton *>(QStringLiteral("sbSmkOutVent"));
        auto *in = w.findChild<QToolButton *>(QStringLiteral("sbSmkInVent"));
        Panel(w, "tsButtons")->resize(page, 150);
        const int span = std::max(std::min(page, 900) - 200, out->width() + in->width() + 8);
        const int left0 = (page - span) / 2;
        QCOMPARE(left0 < 0, packed);
        QCOMPARE(out->x(), packed ? 0 : left0);
        QCOMPARE(in->x(), packed ? out->width() + 8 : left0 + span - in->width());
    }

    void WheelScrollsBannerByThirteenPixels() {
        MainWindow w(*fSettings, true, QImage(400, 3000, QImage::Format_RGB32));
        ShowNormal(w);
        SetClientSize(w, 900, 700);
        QScrollBar *bar =
            w.findChild<QScrollArea *>(QStringLiteral("sbBanner"))->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        WheelOn(Panel(w, "PanelFooter"), -120);
        QCOMPARE(bar->value(), 13);
        WheelOn(w.findChild<QScrollArea *>(QStringLiteral("sbBanner"))->viewport(), -120);
        QCOMPARE(bar->value(), 26);
        WheelOn(Panel(w, "PanelHeader"), 120);
        QCOMPARE(bar->value(), 13);
    }

    // The maximised window's first frame is painted into the buffer made while it was built (its
    // size was foreseen right), so the pages brought in early are the ones painted.
    void FirstFrameIsPaintedIntoTheBufferMadeEarly() {
        MainWindow w(*fSettings, true, QImage(400, 300, QImage::Format_RGB32));
        const void *early = test::BufferPixels(&w);
        QVERIFY(early != nullptr);
        const void *painted = nullptr;
        OnFirstPaint(&w, [&] { painted = test::BufferPixels(&w); });
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(painted != nullptr);
        QCOMPARE(painted, early);
    }

    void EscapeClosesMainWindow() {
        MainWindow w(*fSettings, false, QImage());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    // One run serves one module: the window is built only when its button is pressed, the main
    // window is out of sight while the module runs, and both are gone when it returns, whether
    // the module is a dialog or a plain window.
    void ModuleRunEndsWithMainWindow_data() {
        QTest::addColumn<bool>("dialog");
        QTest::newRow("dialog") << true;
        QTest::newRow("window") << false;
    }
    void ModuleRunEndsWithMainWindow() {
        QFETCH(bool, dialog);
        MainWindow w(*fSettings, false, QImage());
        int built = 0;
        QPointer<QWidget> module;
        bool mainHiddenMeanwhile = false;
        bool moduleShown = false;
        w.SetModuleFactories(
            [&]() -> std::unique_ptr<QWidget> {
                ++built;
                std::unique_ptr<QWidget> window;
                if (dialog)
                    window = std::make_unique<QDialog>();
                else
                    window = std::make_unique<QMainWindow>();
                module = window.get();
                QTimer::singleShot(0, window.get(), [&] {
                    mainHiddenMeanwhile = !w.isVisible();
                    moduleShown = module->isVisible() && module->isModal();
                    module->close();
                });
                return window;
            },
            nullptr);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(built, 0);
        // the other module has no factory: its button opens nothing and keeps the main window
        w.findChild<QToolButton *>(QStringLiteral("sbSmkInVent"))->click();
        QVERIFY(w.isVisible());
        w.findChild<QToolButton *>(QStringLiteral("sbSmkOutVent"))->click();
        QCOMPARE(built, 1);
        QVERIFY(mainHiddenMeanwhile);
        QVERIFY(moduleShown);
        QVERIFY(module.isNull());
        QVERIFY(!w.isVisible());
    }

    void MenuCarriesModuleCommands() {
        MainWindow w(*fSettings, true, QImage());
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("Орвейн - Системы противодымной вентиляции  (5.1 / 2024.02)"));
        auto *out = w.findChild<QAction *>(QStringLiteral("ActionSmkOutVent"));
        QCOMPARE(out->text(), QStringLiteral("Расчет системы &вытяжной противодымной вентиляции"));
        QCOMPARE(out->toolTip(),
                 QStringLiteral("Расчет системы вытяжной противодымной вентиляции"));
        QCOMPARE(w.findChild<QAction *>(QStringLiteral("ActionHelp"))->text(),
                 QStringLiteral("&Инструкция"));
        QCOMPARE(w.PathData(), fSettings->PathData());
    }

    void BackgroundStripRunsFromDarkRedToPale_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("height");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("top") << 0 << 768 << QColor(112, 16, 16);
        // 112.5 and 113.5 are ties: halves go to the even neighbour
        QTest::newRow("row 1 of 256") << 1 << 256 << QColor(112, 17, 17);
        QTest::newRow("row 3 of 256") << 3 << 256 << QColor(114, 18, 18);
        QTest::newRow("middle") << 384 << 768 << QColor(176, 120, 120);
        QTest::newRow("last row") << 767 << 768 << QColor(240, 224, 224);
    }
    void BackgroundStripRunsFromDarkRedToPale() {
        QFETCH(int, row);
        QFETCH(int, height);
        QFETCH(QColor, colour);
        QCOMPARE(BackgroundStripColor(row, height), colour);
        const QImage strip = MakeBackgroundStrip(height);
        QCOMPARE(strip.size(), QSize(10, height));
        QCOMPARE(strip.pixelColor(9, row), colour);
    }

    void BackgroundStripOfNoScreenIsEmpty() {
        QVERIFY(MakeBackgroundStrip(0).isNull());
        QVERIFY(MakeBackgroundStrip(-5).isNull());
    }

    void BannerResourceDecodesOrStaysEmpty() {
        QFile file(QStringLiteral(BANNER_JPEG));
        QVERIFY(file.open(QIODevice::ReadOnly));
        static QByteArray bytes; // the resource table keeps a view of them
        bytes = file.readAll();
        RegisterResource("BANNER", std::string_view(bytes.constData(), bytes.size()));
        const QImage banner = MainWindow::DecodeBanner();
        QCOMPARE(banner.size(), QSize(900, 320));

        static const QByteArray broken = bytes.left(bytes.size() / 3);
        RegisterResource("BANNER", std::string_view(broken.constData(), broken.size()));
        const QImage none = MainWindow::DecodeBanner();
        MainWindow w(*fSettings, true, none);
        QCOMPARE(w.BannerWidth(), none.isNull() ? 0 : none.width());
    }

    // The undecoded pictures the windows show hold the pixels of their PNG sources (run
    // scripts/argb-picture.py after changing a PNG).
    void PicturesHoldTheirSources() {
        const char *pictures[] = {"app/resources/button_exhaust",
                                  "app/resources/button_inflow",
                                  "shell/resources/logo",
                                  "shell/resources/standard/file-16",
                                  "shell/resources/standard/file-32",
                                  "shell/resources/standard/open-16",
                                  "shell/resources/standard/open-32",
                                  "shell/resources/standard/save-16",
                                  "shell/resources/standard/save-32"};
        for (const char *picture : pictures) {
            const QString name = QString::fromLatin1(picture);
            const QString resource =
                u":/"_s + name.section(u'/', 0, 0) + u'/' + name.section(u'/', 2) + u".argb"_s;
            const QImage raw = RawPicture(resource);
            const QImage source = QImage(QStringLiteral(SOURCE_DIR "/") + name + u".png"_s)
                                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QVERIFY2(!raw.isNull(), qPrintable(resource));
            QVERIFY2(!source.isNull(), picture);
            QCOMPARE(raw.size(), source.size());
            QCOMPARE(raw.format(), QImage::Format_ARGB32_Premultiplied);
            // the pixmap takes the picture as it is: no conversion, no copy
            QCOMPARE(QPixmap::fromImage(raw).toImage().constBits(), raw.constBits());
            for (int y = 0; y < raw.height(); ++y)
                QVERIFY2(std::memcmp(raw.constScanLine(y), source.constScanLine(y),
                                     size_t(raw.width()) * 4) == 0,
                         qPrintable(resource + u" row "_s + QString::number(y)));
        }
        QVERIFY(RawPicture(u":/shell/missing.argb"_s).isNull());
        QVERIFY(!StandardIcon(QStyle::SP_DialogSaveButton, nullptr).pixmap(16, 16).isNull());
    }

    // Not a test: with ORVANE_SHOTS_DIR set (and a real display) saves pictures to look at.
    void SaveScreenshotsWhenAsked() {
        const QString dir = qEnvironmentVariable("ORVANE_SHOTS_DIR");
        if (dir.isEmpty())
            QSKIP("ORVANE_SHOTS_DIR not set");
        AboutBox about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QVERIFY(about.grab().save(dir + QStringLiteral("/about.png")));
        PopupTip tip;
        tip.InitAndShow(QPoint(100, 100), QStringLiteral("Площадь помещения"),
                        QStringLiteral("Площадь пола помещения очага пожара, м².\r \r"
                                       "Для атриума — площадь его нижнего уровня."));
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        QVERIFY(tip.grab().save(dir + QStringLiteral("/popup_tip.png")));
    }

private:
    static QWidget *Panel(QWidget &w, const char *name) {
        return w.findChild<QWidget *>(QString::fromLatin1(name));
    }
    static void ShowNormal(MainWindow &w) {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.setWindowState(Qt::WindowNoState);
        w.setMinimumSize(0, 0);
    }
    static void SetClientSize(MainWindow &w, int width, int height) {
        w.resize(width, height + w.menuBar()->height());
        QTRY_COMPARE(w.centralWidget()->size(), QSize(width, height));
    }
    // Delivered through the window as the platform delivers it, so it finds the widget under
    // the pointer and travels up from there.
    static void WheelOn(QWidget *target, int delta) {
        QWidget *window = target->window();
        const QPointF local = target->mapTo(window, QPointF(5, 5));
        QWheelEvent wheel(local, window->mapToGlobal(local), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(window->windowHandle(), &wheel);
    }

    std::unique_ptr<QTemporaryDir> fTemp;
    std::unique_ptr<ShellSettings> fSettings;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
