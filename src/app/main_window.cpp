#include "app/main_window.h"

#include "app/background_strip.h"
#include "app/module_windows.h"
#include "core/jpeg_image.h"
#include "shell/about_box.h"
#include "shell/desktop_actions.h"
#include "shell/file_name.h"
#include "shell/message_box_notifier.h"
#include "shell/project_document.h"
#include "shell/raw_picture.h"
#include "shell/recent_projects.h"
#include "shell/settings.h"
#include "shell/version.h"
#include "app/window_pixels.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <utility>
#include <vector>

namespace orvane {

namespace {

constexpr int kLogoStripHeight = 64;
constexpr int kButtonTop = 16;
constexpr int kWheelIncrement = 13;

// The banner's backdrop: the colour strip stretched over the whole panel.
class BannerPanel : public QWidget {
public:
    explicit BannerPanel(QWidget *parent) : QWidget(parent) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        fStrip = MakeBackgroundStrip(screen ? screen->geometry().height() : 768);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        if (fStrip.isNull())
            painter.fillRect(rect(), kFooterColor);
        else
            painter.drawImage(rect(), fStrip);
    }

private:
    QImage fStrip;
};

QWidget *ColouredPanel(const QString &name, const QColor &colour, QWidget *parent) {
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, colour);
    panel->setPalette(p);
    return panel;
}

QToolButton *ModuleButton(const QString &name, const QImage &picture, const QString &hint,
                          QWidget *parent) {
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    const QPixmap pixmap = QPixmap::fromImage(picture);
    button->setIcon(QIcon(pixmap));
    button->setIconSize(pixmap.size());
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->resize(pixmap.width() + 8, pixmap.height() + 8);
    button->move(0, kButtonTop);
    return button;
}

// Shows a window modally and returns when it is hidden.
void RunModal(QWidget *window) {
    if (auto *dialog = qobject_cast<QDialog *>(window)) {
        dialog->exec();
        return;
    }
    class HideWatcher : public QObject {
    public:
        explicit HideWatcher(QEventLoop &loop) : fLoop(loop) {}
        bool eventFilter(QObject *, QEvent *event) override {
            if (event->type() == QEvent::Hide)
                fLoop.quit();
            return false;
        }

    private:
        QEventLoop &fLoop;
    };
    QEventLoop loop;
    HideWatcher watcher(loop);
    window->installEventFilter(&watcher);
    window->setWindowModality(Qt::ApplicationModal);
    PrepareMaximisedFirstFramePixels(window); // module windows open maximised
    window->show();
    loop.exec(QEventLoop::DialogExec);
    window->removeEventFilter(&watcher);
}

} // namespace

MainWindow::MainWindow(ShellSettings &settings, bool bannerMode, const QImage &banner,
                       QWidget *parent)
    : MainWindow(
          settings, bannerMode, [banner] { return LoadPictures(banner); }, parent) {}

MainWindow::MainWindow(ShellSettings &settings, bool bannerMode,
                       const std::function<MainPictures()> &pictures, QWidget *parent)
    : QMainWindow(parent), settings_(settings), bannerMode_(bannerMode) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(MainWindowCaption());
    shell_.settings = &settings;
    shell_.bannerMode = bannerMode;

    // the maximised window's first frame is readied while the window is built
    if (bannerMode)
        PrepareMaximisedFirstFramePixels(this);
    else
        PrepareFirstFramePixels(this);
    BuildMenu();
    setAcceptDrops(true);
    BuildPanels(pictures);
    ApplyAspect();
    minHeaderHeight_ = logoPanel_->height();
    MeasureBannerFrame();

    if (bannerMode_) {
        setMinimumSize(std::max(minFooterWidth_, 640), minHeaderHeight_ + minFooterHeight_ + 160);
        resize(1024, 700);
    } else {
        setMinimumSize(0, 0);
        headerPanel_->hide();
        bannerPanel_->hide();
        // A fixed border with the close box only: no minimise, no maximise.
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                       Qt::MSWindowsFixedSizeDialogHint);
        // The client area is the footer alone; the menu bar comes on top of it.
        const int wrapped = menuBar()->heightForWidth(minFooterWidth_);
        const int menuHeight = wrapped > 0 ? wrapped : menuBar()->sizeHint().height();
        setFixedSize(minFooterWidth_, minFooterHeight_ + menuHeight);
        LayoutPanels(0, minFooterHeight_);
    }
}

QImage MainWindow::DecodeBanner() {
    // decoded straight into the form a pixmap keeps, so the window takes it over as it is
    QImage banner;
    const bool decoded =
        LoadJpegResourceRgb32("BANNER", [&banner](int width, int height, size_t &stride) {
            banner = QImage(width, height, QImage::Format_RGB32);
            stride = banner.isNull() ? 0 : static_cast<size_t>(banner.bytesPerLine());
            return banner.isNull() ? nullptr : banner.bits();
        });
    return decoded ? banner : QImage();
}

MainPictures MainWindow::LoadPictures(const QImage &banner) {
    MainPictures pictures;
    pictures.banner = banner;
    pictures.logo = RawPicture(QStringLiteral(":/shell/logo.argb"));
    pictures.exhaustButton = RawPicture(QStringLiteral(":/app/button_exhaust.argb"));
    pictures.inflowButton = RawPicture(QStringLiteral(":/app/button_inflow.argb"));
    return pictures;
}

const QString &MainWindow::PathData() const {
    return settings_.PathData();
}
const QString &MainWindow::PathSave() const {
    return settings_.PathSave();
}

void MainWindow::SetModuleFactories(ModuleFactory exhaust, ModuleFactory supply) {
    exhaustFactory_ = std::move(exhaust);
    supplyFactory_ = std::move(supply);
}

void MainWindow::BuildMenu() {
    menuBar()->setObjectName(QStringLiteral("MainMenu"));
    QMenu *menuFile = menuBar()->addMenu(QStringLiteral("&Файл"));
    menuFile->setObjectName(QStringLiteral("MenuFile"));
    menuFile->setToolTipsVisible(true);
    exhaustAction_ =
        menuFile->addAction(QStringLiteral("Расчет системы &вытяжной противодымной вентиляции"));
    exhaustAction_->setObjectName(QStringLiteral("ActionSmkOutVent"));
    exhaustAction_->setToolTip(QStringLiteral("Расчет системы вытяжной противодымной вентиляции"));
    exhaustAction_->setStatusTip(exhaustAction_->toolTip());
    supplyAction_ =
        menuFile->addAction(QStringLiteral("Расчет системы &приточной противодымной вентиляции"));
    supplyAction_->setObjectName(QStringLiteral("ActionSmkInVent"));
    supplyAction_->setToolTip(QStringLiteral("Расчет системы приточной противодымной вентиляции"));
    supplyAction_->setStatusTip(supplyAction_->toolTip());
    menuFile->addSeparator();
    QMenu *recent = menuFile->addMenu(QStringLiteral("Последние п&роекты"));
    recent->setObjectName(QStringLiteral("MenuRecent"));
    AttachRecentProjectsMenu(recent, this, settings_.SettingsFileName(),
                             [this](const QString &path) { OpenProject(path); });
    menuFile->addSeparator();
    QAction *actionExit = menuFile->addAction(QStringLiteral("В&ыход"));
    actionExit->setObjectName(QStringLiteral("ActionExit"));

    QAction *actionHelp = menuBar()->addAction(QStringLiteral("&Инструкция"));
    actionHelp->setObjectName(QStringLiteral("ActionHelp"));
    actionHelp->setToolTip(QStringLiteral("Инструкция"));
    actionHelp->setStatusTip(actionHelp->toolTip());
    QAction *actionAbout = menuBar()->addAction(QStringLiteral("&О программе"));
    actionAbout->setObjectName(QStringLiteral("ActionAbout"));

    connect(exhaustAction_, &QAction::triggered, this, [this] { OpenModule(exhaustFactory_); });
    connect(supplyAction_, &QAction::triggered, this, [this] { OpenModule(supplyFactory_); });
    connect(actionExit, &QAction::triggered, this, &QWidget::close);
    connect(actionHelp, &QAction::triggered, this,
            [this] { ShowManual(this, QStringLiteral("index.html")); });
    connect(actionAbout, &QAction::triggered, this, &MainWindow::ShowAbout);
}

void MainWindow::BuildPanels(const std::function<MainPictures()> &loadPictures) {
    mainPanel_ = new QWidget(this);
    mainPanel_->setObjectName(QStringLiteral("PanelMain"));
    setCentralWidget(mainPanel_);

    headerPanel_ = ColouredPanel(QStringLiteral("PanelHeader"), kHeaderColor, mainPanel_);
    logoPanel_ = ColouredPanel(QStringLiteral("PanelLogo"), kHeaderColor, headerPanel_);
    logoPanel_->resize(800, kLogoStripHeight);
    logoImage_ = new QLabel(logoPanel_);
    logoImage_->setObjectName(QStringLiteral("ImgLogo"));
    caption_ = new QLabel(QStringLiteral("Орвейн · Системы противодымной вентиляции"), logoPanel_);
    caption_->setObjectName(QStringLiteral("LabCaption"));
    QFont captionFont = caption_->font();
    captionFont.setBold(true);
    captionFont.setPointSizeF(captionFont.pointSizeF() * 1.6);
    caption_->setFont(captionFont);
    QPalette captionPalette = caption_->palette();
    captionPalette.setColor(QPalette::WindowText, Qt::white);
    caption_->setPalette(captionPalette);
    // measuring the caption loads the fonts, the longest step here: the pictures are asked for
    // after it, so that their decoding elsewhere has had that time
    caption_->adjustSize();

    MainPictures pictures = loadPictures();
    const QPixmap logo = QPixmap::fromImage(pictures.logo);
    logoImage_->setPixmap(logo);
    logoImage_->setGeometry(16, (kLogoStripHeight - logo.height()) / 2, logo.width(),
                            logo.height());
    caption_->move(logoImage_->x() + logo.width() + 14,
                   (kLogoStripHeight - caption_->height()) / 2);

    bannerPanel_ = new BannerPanel(mainPanel_);
    bannerPanel_->setObjectName(QStringLiteral("PanelBanner"));
    bannerScroll_ = new QScrollArea(bannerPanel_);
    bannerScroll_->setObjectName(QStringLiteral("sbBanner"));
    bannerScroll_->setWidgetResizable(false);
    bannerImage_ = new QLabel;
    bannerImage_->setObjectName(QStringLiteral("ImgBanner"));
    if (!pictures.banner.isNull()) {
        bannerWidth_ = pictures.banner.width();
        bannerHeight_ = pictures.banner.height();
        bannerImage_->setPixmap(QPixmap::fromImage(std::move(pictures.banner)));
    }
    bannerImage_->setFixedSize(bannerWidth_, bannerHeight_);
    bannerScroll_->setWidget(bannerImage_);
    bannerScroll_->verticalScrollBar()->setSingleStep(kWheelIncrement);

    footerPanel_ = ColouredPanel(QStringLiteral("PanelFooter"), kFooterColor, mainPanel_);
    footerPages_ = new QStackedWidget(footerPanel_);
    footerPages_->setObjectName(QStringLiteral("pcFooter"));
    buttonPage_ = new QWidget;
    buttonPage_->setObjectName(QStringLiteral("tsButtons"));
    footerPages_->addWidget(buttonPage_);
    exhaustButton_ = ModuleButton(QStringLiteral("sbSmkOutVent"), pictures.exhaustButton,
                                  exhaustAction_->toolTip(), buttonPage_);
    supplyButton_ = ModuleButton(QStringLiteral("sbSmkInVent"), pictures.inflowButton,
                                 supplyAction_->toolTip(), buttonPage_);
    connect(exhaustButton_, &QToolButton::clicked, exhaustAction_, &QAction::trigger);
    connect(supplyButton_, &QToolButton::clicked, supplyAction_, &QAction::trigger);

    // The wheel anywhere over the window scrolls the banner: every part hands it over at once.
    for (QWidget *part : findChildren<QWidget *>())
        part->installEventFilter(this);
}

void MainWindow::ApplyAspect() {
    footerPages_->setCurrentWidget(buttonPage_);
    minFooterWidth_ = 2 * exhaustButton_->width() + 80;
    minFooterHeight_ = 2 * exhaustButton_->y() + exhaustButton_->height() + 10;
}

void MainWindow::MeasureBannerFrame() {
    // The box's client origin sits inside its frame; on the right and at the bottom a scroll bar
    // joins the frame when the banner does not fit.
    const int frame = bannerScroll_->frameWidth();
    const int bar =
        bannerScroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bannerScroll_);
    bannerLeftBorder_ = frame;
    bannerTopBorder_ = frame;
    bannerRightBar_ = frame + bar;
    bannerBottomBar_ = frame + bar;
}

void MainWindow::LayoutPanels(int headerHeight, int footerHeight) {
    const int w = mainPanel_->width();
    const int h = mainPanel_->height();
    headerHeight_ = headerHeight;
    footerHeight_ = footerHeight;
    if (!bannerMode_) {
        footerPanel_->setGeometry(0, 0, w, h);
    } else {
        headerPanel_->setGeometry(0, 0, w, headerHeight);
        logoPanel_->setGeometry(0, (headerHeight - minHeaderHeight_) / 2, w, minHeaderHeight_);
        footerPanel_->setGeometry(0, std::max(h - footerHeight, headerHeight), w, footerHeight);
        bannerPanel_->setGeometry(0, headerHeight, w, std::max(h - headerHeight - footerHeight, 0));
    }
    footerPages_->setGeometry(0, 0, footerPanel_->width(), footerPanel_->height());
    buttonPage_->resize(footerPages_->size());
    FitLogoStrip();
    FitButtonPage();
}

void MainWindow::FitToWindow() {
    if (!bannerMode_) {
        LayoutPanels(0, mainPanel_->height());
        return;
    }
    const int spare = mainPanel_->height() - bannerHeight_ - bannerTopBorder_ - bannerBottomBar_ -
                      minHeaderHeight_ - minFooterHeight_;
    const int half = spare / 2;
    const int header = half <= 0 ? minHeaderHeight_ : half + minHeaderHeight_;
    const int footer = half <= 0 ? minFooterHeight_ : half + minFooterHeight_;
    // The banner is laid out once, after both heights are known.
    fittingWindow_ = true;
    LayoutPanels(header, footer);
    fittingWindow_ = false;
    FitBanner();
}

void MainWindow::FitBanner() {
    if (fittingWindow_)
        return;
    const int w = bannerPanel_->width();
    const int h = bannerPanel_->height();
    const bool fitsW = w - 2 * bannerLeftBorder_ >= bannerWidth_;
    const bool fitsH = h - 2 * bannerTopBorder_ >= bannerHeight_;
    int boxLeft = 0, boxWidth = w, boxTop = 0, boxHeight = h;
    if (fitsW) {
        boxWidth = std::min(
            bannerWidth_ + bannerLeftBorder_ + (fitsH ? bannerLeftBorder_ : bannerRightBar_), w);
        boxLeft = (w - boxWidth) / 2;
    }
    if (fitsH) {
        boxHeight = std::min(
            bannerHeight_ + bannerTopBorder_ + (fitsW ? bannerTopBorder_ : bannerBottomBar_), h);
        boxTop = (h - boxHeight) / 2;
    }
    bannerScroll_->setGeometry(boxLeft, boxTop, boxWidth, boxHeight);
}

void MainWindow::FitLogoStrip() {
    const int gap = caption_->x() - logoImage_->x();
    const int left = std::max((logoPanel_->width() - gap - caption_->width()) / 2, 8);
    logoImage_->move(left, logoImage_->y());
    caption_->move(gap + left, caption_->y());
}

void MainWindow::FitButtonPage() {
    const int page = buttonPage_->width();
    const int b1 = exhaustButton_->width();
    const int b2 = supplyButton_->width();
    const int span = std::max(std::min(page, 900) - 200, b1 + b2 + 8);
    const int left0 = (page - span) / 2;
    exhaustButton_->move(std::max(left0, 0), exhaustButton_->y());
    supplyButton_->move(left0 < 0 ? b1 + 8 : left0 + span - b2, supplyButton_->y());
}

void MainWindow::ScrollBanner(int wheelDelta) {
    QScrollBar *bar = bannerScroll_->verticalScrollBar();
    if (wheelDelta < 0)
        bar->setValue(bar->value() + kWheelIncrement);
    else if (wheelDelta > 0)
        bar->setValue(bar->value() - kWheelIncrement);
}

void MainWindow::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!firstActivation_)
        return;
    firstActivation_ = false;
    if (bannerMode_) {
        FitToWindow();
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    if (const QScreen *s = screen()) {
        const QRect area = s->geometry();
        const QSize outer = frameGeometry().size();
        move(area.x() + (area.width() - outer.width()) / 2,
             area.y() + (area.height() - outer.height()) / 2);
    }
}

void MainWindow::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::wheelEvent(QWheelEvent *event) {
    ScrollBanner(event->angleDelta().y());
    event->accept();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Resize) {
        if (watched == mainPanel_)
            FitToWindow();
        else if (watched == logoPanel_)
            FitLogoStrip();
        else if (watched == buttonPage_)
            FitButtonPage();
    } else if (event->type() == QEvent::Wheel) {
        ScrollBanner(static_cast<QWheelEvent *>(event)->angleDelta().y());
        event->accept();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::OpenModule(const ModuleFactory &factory) {
    if (!factory)
        return;
    const std::unique_ptr<QWidget> moduleWindow = factory();
    if (!moduleWindow)
        return;
    hide();
    RunModal(moduleWindow.get());
    // One run serves one module: closing the main window ends the program.
    close();
    QCoreApplication::quit();
}

void MainWindow::OpenProject(const QString &path) {
    const ProjectFactory factory =
        projectFactory_ ? projectFactory_ : ProjectFactory([this](const QString &p) {
            return CreateWindowForProject(shell_, p);
        });
    if (!IsProjectFileName(path) && ProjectModuleOfFile(path) == ProjectModule::unknown) {
        if (!isVisible())
            show();
        QMessageBox::warning(this, MessageTitle(),
                             QStringLiteral("Файл не является проектом Орвейна:\n%1")
                                 .arg(FileNameForDisplay(QDir::toNativeSeparators(path))));
        return;
    }
    OpenModule([&factory, path] { return factory(path); });
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event) {
    if (!DroppedProjectFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event) {
    const QString path = DroppedProjectFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // the module runs after the drop's own event has ended
    QTimer::singleShot(0, this, [this, path] { OpenProject(path); });
}

void MainWindow::ShowAbout() {
    orvane::ShowAbout(shell_.about.Get(), this);
}

} // namespace orvane
