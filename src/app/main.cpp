// Orvane: starts the shell windows and the main window, then runs the event loop.

#include "app/command_line.h"
#include "app/first_paint.h"
#include "app/helper_thread.h"
#include "app/main_window.h"
#include "app/module_windows.h"
#include "app/own_style.h"
#include "app/start_probe.h"
#include "app/ui_font.h"
#include "core/file_io.h"
#include "core/jpeg_image.h"
#include "core/number_text.h"
#include "shell/about_box.h"
#include "shell/command_guard.h"
#include "shell/own_icons.h"
#include "shell/popup_tip.h"
#include "shell/save_folder_dialog.h"
#include "shell/settings.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QResource>
#include <QTimer>
#include <QTranslator>

#include <future>
#include <memory>

int main(int argc, char *argv[]) {
    // --version, --help and usage errors are answered before anything needs a display.
    if (const auto answer = orvane::AnswerBeforeStart(orvane::ArgumentsOf(argc, argv)))
        return orvane::PrintEarlyAnswer(*answer);
    // the system's font configuration is read while the application object is made
    std::future<void> fontConfiguration = orvane::StartReadingFontConfiguration();
    orvane::IgnoreWriteSignals();
    orvane::GuardedApplication app(argc, argv);
    // The banner, the main window's largest picture, is decoded on another thread while the
    // window is built; its small pictures are read here (see DecodeBanner). It is a JPEG the
    // program's own loader reads, stored uncompressed, so its bytes are taken as they are.
    std::future<QImage> banner = orvane::RunOnHelperThread<QImage>([] {
        const QResource resource(QStringLiteral(":/BANNER"));
        if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression)
            orvane::RegisterResource(
                "BANNER", std::string_view(reinterpret_cast<const char *>(resource.data()),
                                           static_cast<size_t>(resource.size())));
        return orvane::MainWindow::DecodeBanner();
    });
    orvane::UseOwnStyle();
    // The user data folder's name stays Latin; the windows carry the Russian title.
    QCoreApplication::setApplicationName(QStringLiteral("Orvane"));
    // the desktop entry the window belongs to (its icon and name in the task bar)
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Orvane"));

    // The program speaks Russian whatever the system language: Qt's own buttons and file
    // dialogs too, when the translation is installed.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator);

    const QString point = QLocale::system().decimalPoint();
    orvane::SetDecimalSeparator(point == QStringLiteral(",") ? ',' : '.');

    const bool bannerMode = orvane::BannerModeFromArguments(app.arguments().mid(1));
    orvane::ShellSettings settings(orvane::FoldersOfThisRun());

    // (this loads the font database, the longest step of the start, while the banner decodes;
    // what needs no font is done above while the font configuration is still being read)
    orvane::AwaitBriefly(fontConfiguration);
    orvane::SetUpUiFont();

    QImage logo;
    orvane::MainWindow formMain(settings, bannerMode, [&banner, &logo] {
        orvane::AwaitBriefly(banner);
        orvane::MainPictures pictures = orvane::MainWindow::LoadPictures(banner.get());
        logo = pictures.logo;
        return pictures;
    });
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(logo)));
    // The About box and the project folder dialog are built when first opened.
    orvane::PopupTip popupTip;
    const orvane::ShellWindows shell{
        &settings, orvane::OnDemandWindow<orvane::AboutBox>([] {
            return std::make_unique<orvane::AboutBox>();
        }),
        orvane::OnDemandWindow<orvane::SaveFolderDialog>(
            [&settings] { return std::make_unique<orvane::SaveFolderDialog>(settings); }),
        &popupTip, bannerMode};
    formMain.SetShellWindows(shell);
    formMain.SetModuleFactories([shell] { return orvane::CreateSmkOutVentWindow(shell); },
                                [shell] { return orvane::CreateSmkInVentWindow(shell); });
    orvane::ArmStartProbe(formMain, shell, qEnvironmentVariable(orvane::kStartProbeVariable));

    // a project named on the command line (the desktop's "open with") opens its module at once
    // (from argv, which the application object has rid of Qt's own options: its arguments()
    // would turn a name that is not valid UTF-8 into one that does not exist)
    const QString project = orvane::ProjectFromArguments(orvane::ArgumentsOf(argc, argv));
    if (project.isEmpty()) {
        // The first frame looks no icon up by name: the icon theme is set up after it.
        orvane::OnFirstPaint(&formMain, [] { orvane::UseOwnIconTheme(); });
        formMain.show();
    } else {
        orvane::UseOwnIconTheme();
        QTimer::singleShot(0, &formMain, [&formMain, project] { formMain.OpenProject(project); });
    }
    return app.exec();
}
