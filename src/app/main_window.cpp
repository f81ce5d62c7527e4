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
    : QMainWindow(parent), fSettings(settings), fBannerMode(bannerMode) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(MainWindowCaption());
    fShell.settings = &settings;
    fShell.bannerMode = bannerMode;

    // the maximised window's first frame is readied while the window is built
    if (bannerMode)
        PrepareMaximisedFirstFramePixels(this);
    else
        PrepareFirstFramePixels(this);
    BuildMenu();
    setAcceptDrops(true);
    BuildPanels(pictures);
    ApplyAspect();
    fMinHeaderHeight = PanelLogo->height();
    MeasureBannerFrame();

    if (fBannerMode) {
        setMinimumSize(std::max(fMinFooterWidth, 640), fMinHeaderHeight + fMinFooterHeight + 160);
        resize(1024, 700);
    } else {
        setMinimumSize(0, 0);
        PanelHeader->hide();
        PanelBanner->hide();
        // A fixed border with the close box only: no minimise, no maximise.
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                       Qt::MSWindowsFixedSizeDialogHint);
        // The client area is the footer alone; the menu bar comes on top of it.
        const int wrapped = menuBar()->heightForWidth(fMinFooterWidth);
        const int menuHeight = wrapped > 0 ? wrapped : menuBar()->sizeHint().height();
        setFixedSize(fMinFooterWidth, fMinFooterHeight + menuHeight);
        LayoutPanels(0, fMinFooterHeight);
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
    return fSettings.PathData();
}
const QString &MainWindow::PathSave() const {
    return fSettings.PathSave();
}

void MainWindow::SetModuleFactories(ModuleFactory smkOutVent, ModuleFactory smkInVent) {
    fSmkOutVent = std::move(smkOutVent);
    fSmkInVent = std::move(smkInVent);
}

void MainWindow::BuildMenu() {
    menuBar()->setObjectName(QStringLiteral("MainMenu"));
    QMenu *menuFile = menuBar()->addMenu(QStringLiteral("&Файл"));
    menuFile->setObjectName(QStringLiteral("MenuFile"));
    menuFile->setToolTipsVisible(true);
    ActionSmkOutVent =
        menuFile->addAction(QStringLiteral("Расчет системы &вытяжной противодымной вентиляции"));
    ActionSmkOutVent->setObjectName(QStringLiteral("ActionSmkOutVent"));
    ActionSmkOutVent->setToolTip(
        QStringLiteral("Расчет системы вытяжной противодымной вентиляции"));
    ActionSmkOutVent->setStatusTip(ActionSmkOutVent->toolTip());
    ActionSmkInVent =
        menuFile->addAction(QStringLiteral("Расчет системы &приточной противодымной вентиляции"));
    ActionSmkInVent->setObjectName(QStringLiteral("ActionSmkInVent"));
    ActionSmkInVent->setToolTip(
        QStringLiteral("Расчет системы приточной противодымной вентиляции"));
    ActionSmkInVent->setStatusTip(ActionSmkInVent->toolTip());
    menuFile->addSeparator();
    QMenu *recent = menuFile->addMenu(QStringLiteral("Последние п&роекты"));
    recent->setObjectName(QStringLiteral("MenuRecent"));
    AttachRecentProjectsMenu(recent, this, fSettings.SettingsFileName(),
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

    connect(ActionSmkOutVent, &QAction::triggered, this, [this] { OpenModule(fSmkOutVent); });
    connect(ActionSmkInVent, &QAction::triggered, this, [this] { OpenModule(fSmkInVent); });
    connect(actionExit, &QAction::triggered, this, &QWidget::close);
    connect(actionHelp, &QAction::triggered, this,
            [this] { ShowManual(this, QStringLiteral("index.html")); });
    connect(actionAbout, &QAction::triggered, this, &MainWindow::ShowAbout);
}

void MainWindow::BuildPanels(const std::function<MainPictures()> &loadPictures) {
    PanelMain = new QWidget(this);
    PanelMain->setObjectName(QStringLiteral("PanelMain"));
    setCentralWidget(PanelMain);

    PanelHeader = ColouredPanel(QStringLiteral("PanelHeader"), kHeaderColor, PanelMain);
    PanelLogo = ColouredPanel(QStringLiteral("PanelLogo"), kHeaderColor, PanelHeader);
    PanelLogo->resize(800, kLogoStripHeight);
    ImgLogo = new QLabel(PanelLogo);
    ImgLogo->setObjectName(QStringLiteral("ImgLogo"));
    LabCaption = new QLabel(QStringLiteral("Орвейн · Системы противодымной вентиляции"), PanelLogo);
    LabCaption->setObjectName(QStringLiteral("LabCaption"));
    QFont captionFont = LabCaption->font();
    captionFont.setBold(true);
    captionFont.setPointSizeF(captionFont.pointSizeF() * 1.6);
    LabCaption->setFont(captionFont);
    QPalette captionPalette = LabCaption->palette();
    captionPalette.setColor(QPalette::WindowText, Qt::white);
    LabCaption->setPalette(captionPalette);
    // measuring the caption loads the fonts, the longest step here: the pictures are asked for
    // after it, so that their decoding elsewhere has had that time
    LabCaption->adjustSize();

    MainPictures pictures = loadPictures();
    const QPixmap logo = QPixmap::fromImage(pictures.logo);
    ImgLogo->setPixmap(logo);
    ImgLogo->setGeometry(16, (kLogoStripHeight - logo.height()) / 2, logo.width(), logo.height());
    LabCaption->move(ImgLogo->x() + logo.width() + 14,
                     (kLogoStripHeight - LabCaption->height()) / 2);

    PanelBanner = new BannerPanel(PanelMain);
    PanelBanner->setObjectName(QStringLiteral("PanelBanner"));
    sbBanner = new QScrollArea(PanelBanner);
    sbBanner->setObjectName(QStringLiteral("sbBanner"));
    sbBanner->setWidgetResizable(false);
    ImgBanner = new QLabel;
    ImgBanner->setObjectName(QStringLiteral("ImgBanner"));
    if (!pictures.banner.isNull()) {
        fBannerWidth = pictures.banner.width();
        fBannerHeight = pictures.banner.height();
        ImgBanner->setPixmap(QPixmap::fromImage(std::move(pictures.banner)));
    }
    ImgBanner->setFixedSize(fBannerWidth, fBannerHeight);
    sbBanner->setWidget(ImgBanner);
    sbBanner->verticalScrollBar()->setSingleStep(kWheelIncrement);

    PanelFooter = ColouredPanel(QStringLiteral("PanelFooter"), kFooterColor, PanelMain);
    pcFooter = new QStackedWidget(PanelFooter);
    pcFooter->setObjectName(QStringLiteral("pcFooter"));
    tsButtons = new QWidget;
    tsButtons->setObjectName(QStringLiteral("tsButtons"));
    pcFooter->addWidget(tsButtons);
    sbSmkOutVent = ModuleButton(QStringLiteral("sbSmkOutVent"), pictures.exhaustButton,
                                ActionSmkOutVent->toolTip(), tsButtons);
    sbSmkInVent = ModuleButton(QStringLiteral("sbSmkInVent"), pictures.inflowButton,
                               ActionSmkInVent->toolTip(), tsButtons);
    connect(sbSmkOutVent, &QToolButton::clicked, ActionSmkOutVent, &QAction::trigger);
    connect(sbSmkInVent, &QToolButton::clicked, ActionSmkInVent, &QAction::trigger);

    // The wheel anywhere over the window scrolls the banner: every part hands it over at once.
    for (QWidget *part : findChildren<QWidget *>())
        part->installEventFilter(this);
}

void MainWindow::ApplyAspect() {
    pcFooter->setCurrentWidget(tsButtons);
    fMinFooterWidth = 2 * sbSmkOutVent->width() + 80;
    fMinFooterHeight = 2 * sbSmkOutVent->y() + sbSmkOutVent->height() + 10;
}

void MainWindow::MeasureBannerFrame() {
    // The box's client origin sits inside its frame; on the right and at the bottom a scroll bar
    // joins the frame when the banner does not fit.
    const int frame = sbBanner->frameWidth();
    const int bar = sbBanner->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, sbBanner);
    fBanLftBordWth = frame;
    fBanTopBordWth = frame;
    fBanRhtSBWth = frame + bar;
    fBanBotSBWth = frame + bar;
}

void MainWindow::LayoutPanels(int headerHeight, int footerHeight) {
    const int w = PanelMain->width();
    const int h = PanelMain->height();
    fHeaderHeight = headerHeight;
    fFooterHeight = footerHeight;
    if (!fBannerMode) {
        PanelFooter->setGeometry(0, 0, w, h);
    } else {
        PanelHeader->setGeometry(0, 0, w, headerHeight);
        PanelLogo->setGeometry(0, (headerHeight - fMinHeaderHeight) / 2, w, fMinHeaderHeight);
        PanelFooter->setGeometry(0, std::max(h - footerHeight, headerHeight), w, footerHeight);
        PanelBanner->setGeometry(0, headerHeight, w, std::max(h - headerHeight - footerHeight, 0));
    }
    pcFooter->setGeometry(0, 0, PanelFooter->width(), PanelFooter->height());
    tsButtons->resize(pcFooter->size());
    LogoStripResize();
    ButtonPageResize();
}

void MainWindow::FormResize() {
    if (!fBannerMode) {
        LayoutPanels(0, PanelMain->height());
        return;
    }
    const int spare = PanelMain->height() - fBannerHeight - fBanTopBordWth - fBanBotSBWth -
                      fMinHeaderHeight - fMinFooterHeight;
    const int half = spare / 2;
    const int header = half <= 0 ? fMinHeaderHeight : half + fMinHeaderHeight;
    const int footer = half <= 0 ? fMinFooterHeight : half + fMinFooterHeight;
    // The banner is laid out once, after both heights are known.
    fOmitResize = true;
    LayoutPanels(header, footer);
    fOmitResize = false;
    BannerPanelResize();
}

void MainWindow::BannerPanelResize() {
    if (fOmitResize)
        return;
    const int w = PanelBanner->width();
    const int h = PanelBanner->height();
    const bool fitsW = w - 2 * fBanLftBordWth >= fBannerWidth;
    const bool fitsH = h - 2 * fBanTopBordWth >= fBannerHeight;
    int boxLeft = 0, boxWidth = w, boxTop = 0, boxHeight = h;
    if (fitsW) {
        boxWidth =
            std::min(fBannerWidth + fBanLftBordWth + (fitsH ? fBanLftBordWth : fBanRhtSBWth), w);
        boxLeft = (w - boxWidth) / 2;
    }
    if (fitsH) {
        boxHeight =
            std::min(fBannerHeight + fBanTopBordWth + (fitsW ? fBanTopBordWth : fBanBotSBWth), h);
        boxTop = (h - boxHeight) / 2;
    }
    sbBanner->setGeometry(boxLeft, boxTop, boxWidth, boxHeight);
}

void MainWindow::LogoStripResize() {
    const int gap = LabCaption->x() - ImgLogo->x();
    const int left = std::max((PanelLogo->width() - gap - LabCaption->width()) / 2, 8);
    ImgLogo->move(left, ImgLogo->y());
    LabCaption->move(gap + left, LabCaption->y());
}

void MainWindow::ButtonPageResize() {
    const int page = tsButtons->width();
    const int b1 = sbSmkOutVent->width();
    const int b2 = sbSmkInVent->width();
    const int span = std::max(std::min(page, 900) - 200, b1 + b2 + 8);
    const int left0 = (page - span) / 2;
    sbSmkOutVent->move(std::max(left0, 0), sbSmkOutVent->y());
    sbSmkInVent->move(left0 < 0 ? b1 + 8 : left0 + span - b2, sbSmkInVent->y());
}

void MainWindow::ScrollBanner(int wheelDelta) {
    QScrollBar *bar = sbBanner->verticalScrollBar();
    if (wheelDelta < 0)
        bar->setValue(bar->value() + kWheelIncrement);
    else if (wheelDelta > 0)
        bar->setValue(bar->value() - kWheelIncrement);
}

void MainWindow::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!fFirstActivation)
        return;
    fFirstActivation = false;
    if (fBannerMode) {
        FormResize();
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
        if (watched == PanelMain)
            FormResize();
        else if (watched == PanelLogo)
            LogoStripResize();
        else if (watched == tsButtons)
            ButtonPageResize();
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
        fProjectFactory ? fProjectFactory : ProjectFactory([this](const QString &p) {
            return CreateWindowForProject(fShell, p);
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
    orvane::ShowAbout(fShell.about.Get(), this);
}

} // namespace orvane
