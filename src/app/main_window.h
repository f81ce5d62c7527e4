#pragma once
// The main window: a header with the logo strip, the banner, and a footer with the two module
// buttons; or, in compact mode, only the footer.

#include "shell/shell_windows.h"

#include <QImage>
#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QScrollArea;
class QStackedWidget;
class QToolButton;

namespace orvane {

class ShellSettings;

// The pictures of the main window. Decoding the banner costs more than building the window, so
// the program decodes it on another thread while the window is being built (see DecodeBanner).
struct MainPictures {
    QImage banner; // null: the banner area stays empty
    QImage logo;   // the logo strip's picture, also the program's window icon
    QImage exhaustButton;
    QImage inflowButton;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // banner: the decoded banner picture (may be null: the banner area then stays empty).
    MainWindow(ShellSettings &settings, bool bannerMode, const QImage &banner,
               QWidget *parent = nullptr);
    // pictures: called once, while the window is built, once the window's fonts are loaded.
    MainWindow(ShellSettings &settings, bool bannerMode,
               const std::function<MainPictures()> &pictures, QWidget *parent = nullptr);

    // The decoded "BANNER" resource in the form a pixmap keeps, or a null picture when it is
    // missing or not a JPEG. Callable from any thread: it reads the picture with
    // the program's own decoder, never through Qt's image readers and their plugins (reading
    // those on another thread while the GUI thread loads the platform's plugins crashed the
    // Windows build at start).
    static QImage DecodeBanner();
    // The window's pictures around `banner` (may be null); on the GUI thread.
    static MainPictures LoadPictures(const QImage &banner);

    const QString &PathData() const;
    const QString &PathSave() const;

    void SetShellWindows(const ShellWindows &shell) { shell_ = shell; }
    // Builds a module's window when its command is chosen; an empty factory (or a null window)
    // opens nothing.
    using ModuleFactory = std::function<std::unique_ptr<QWidget>()>;
    void SetModuleFactories(ModuleFactory exhaust, ModuleFactory supply);
    // Opens the module window of a project file with the project loaded (the command line, a
    // recent project, a dropped file); a file of no module is refused with a message.
    void OpenProject(const QString &path);
    using ProjectFactory = std::function<std::unique_ptr<QWidget>(const QString &)>;
    // Replaces the window maker of OpenProject (tests); the default is the module's window.
    void SetProjectFactory(ProjectFactory factory) { projectFactory_ = std::move(factory); }

    void ApplyAspect();
    void FitToWindow();
    void FitBanner();
    void FitLogoStrip();
    void FitButtonPage();
    // The wheel over any part of the window scrolls the banner (negative delta: down).
    void ScrollBanner(int wheelDelta);

    bool BannerMode() const { return bannerMode_; }
    int BannerWidth() const { return bannerWidth_; }
    int BannerHeight() const { return bannerHeight_; }
    int MinHeaderHeight() const { return minHeaderHeight_; }
    int MinFooterWidth() const { return minFooterWidth_; }
    int MinFooterHeight() const { return minFooterHeight_; }
    int BannerTopBorder() const { return bannerTopBorder_; }
    int BannerBottomBar() const { return bannerBottomBar_; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildMenu();
    void BuildPanels(const std::function<MainPictures()> &pictures);
    void MeasureBannerFrame();
    void LayoutPanels(int headerHeight, int footerHeight);
    void OpenModule(const ModuleFactory &factory);
    void ShowAbout();

    ShellSettings &settings_;
    ShellWindows shell_;
    bool bannerMode_;
    bool firstActivation_ = true;
    bool fittingWindow_ = false;

    int bannerWidth_ = 0;
    int bannerHeight_ = 0;
    int minHeaderHeight_ = 0;
    int minFooterWidth_ = 0;
    int minFooterHeight_ = 0;
    int bannerLeftBorder_ = 0;
    int bannerTopBorder_ = 0;
    int bannerRightBar_ = 0;
    int bannerBottomBar_ = 0;
    int headerHeight_ = 0;
    int footerHeight_ = 0;

    ModuleFactory exhaustFactory_;
    ModuleFactory supplyFactory_;
    ProjectFactory projectFactory_;

    QWidget *mainPanel_ = nullptr;
    QWidget *headerPanel_ = nullptr;
    QWidget *logoPanel_ = nullptr;
    QLabel *logoImage_ = nullptr;
    QLabel *caption_ = nullptr;
    QWidget *bannerPanel_ = nullptr;
    QScrollArea *bannerScroll_ = nullptr;
    QLabel *bannerImage_ = nullptr;
    QWidget *footerPanel_ = nullptr;
    QStackedWidget *footerPages_ = nullptr;
    QWidget *buttonPage_ = nullptr;
    QToolButton *exhaustButton_ = nullptr;
    QToolButton *supplyButton_ = nullptr;
    QAction *exhaustAction_ = nullptr;
    QAction *supplyAction_ = nullptr;
};

} // namespace orvane
