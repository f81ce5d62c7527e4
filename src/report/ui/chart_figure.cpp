// The program's side of the charts: finds and loads the charts module on the first chart and
// hands it the program's number settings with every call.
#include "report/ui/chart_figure.h"

#include "report/ui/charts_module.h"
#include "core/number_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QPainter>
#include <QThread>

namespace orvane {

namespace {

struct ModuleState {
    QString file;          // UseChartsModuleFile: the one place to look, else empty
    bool tried = false;    // a load was attempted (it is never attempted twice)
    const ChartsModule *module = nullptr;
};

ModuleState &State() {
    static ModuleState state;
    return state;
}

// Where the module may lie, in order: beside the program (a Windows folder, a program with its
// module copied beside it), the installed layout relative to the program (<prefix>/bin and
// <prefix>/<libdir>/orvane), the configured install folder, and for a program run from its
// build tree (the programs, tests and benchmarks) the build's module folder. An installed tree
// (bin/ beside share/orvane) never looks into a build, even one it was installed inside.
QStringList ModuleCandidates() {
    if (!State().file.isEmpty())
        return {State().file};
    QStringList files;
#ifdef ORVANE_CHARTS_MODULE_FILE
    if (QCoreApplication::instance() == nullptr)
        return {};
    const QString name = QStringLiteral(ORVANE_CHARTS_MODULE_FILE);
    const QString program = QCoreApplication::applicationDirPath();
    const QDir programDir(program);
    files << programDir.filePath(name)
          << programDir.filePath(QStringLiteral("../" ORVANE_CHARTS_MODULE_SUBDIR "/") + name)
          << QDir(QStringLiteral(ORVANE_CHARTS_MODULE_INSTALL_DIR)).filePath(name);
    const QString buildRoot =
        QFileInfo(QStringLiteral(ORVANE_BUILD_ROOT)).canonicalFilePath() + QLatin1Char('/');
    const bool installed = programDir.dirName() == QStringLiteral("bin") &&
                           QFileInfo(programDir.filePath(QStringLiteral("../share/orvane"))).isDir();
    if (!installed &&
        QFileInfo(program).canonicalFilePath().append(QLatin1Char('/')).startsWith(buildRoot))
        files << QDir(QStringLiteral(ORVANE_CHARTS_MODULE_BUILD_DIR)).filePath(name);
#endif
    return files;
}

QString FoundModuleFile() {
    for (const QString &file : ModuleCandidates())
        if (QFileInfo(file).isFile())
            return file;
    return {};
}

QString GeneralText(double value, int significant) {
    return QString::fromStdString(FormatGeneral(value, significant));
}

} // namespace

const ChartsModule *LoadedChartsModule() {
    ModuleState &state = State();
    if (state.tried)
        return state.module;
    // loaded once and on the GUI thread: the module's widgets and fonts belong to it
    if (QCoreApplication::instance() == nullptr ||
        QThread::currentThread() != QCoreApplication::instance()->thread())
        return nullptr;
    state.tried = true;
    const QString file = FoundModuleFile();
    if (file.isEmpty())
        return nullptr;
    QLibrary library(file); // stays loaded for the rest of the run
    if (!library.load()) {
        qWarning("Графики не строятся: %s", qPrintable(library.errorString()));
        return nullptr;
    }
    const auto entry = reinterpret_cast<ChartsModuleEntry>(library.resolve(kChartsModuleEntry));
    state.module = entry != nullptr ? entry(ChartsModule::kVersion) : nullptr;
    if (state.module == nullptr)
        qWarning("Графики не строятся: %s не подходит к этой программе", qPrintable(file));
    return state.module;
}

bool ChartsModuleFound() {
    return ChartsModuleLoaded() || !FoundModuleFile().isEmpty();
}

bool ChartsModuleLoaded() {
    return State().module != nullptr;
}

void UseChartsModuleFile(const QString &file) {
    ModuleState &state = State();
    state.file = file;
    if (state.module == nullptr)
        state.tried = false;
}

bool ChartsDrawn() {
    return LoadedChartsModule() != nullptr;
}

QChart *BuildChart(const ChartData &data) {
    const ChartsModule *module = LoadedChartsModule();
    return module != nullptr ? module->BuildChart(data, DecimalSeparator()) : nullptr;
}

void FitChartTitle(QChart &chart, const QString &title, qreal width) {
    // a chart exists only where the module made it
    if (const ChartsModule *module = LoadedChartsModule())
        module->FitChartTitle(chart, title, width);
}

void PaintChart(QPainter &painter, const QRectF &box, const ChartData &data) {
    if (const ChartsModule *module = LoadedChartsModule())
        module->PaintChart(painter, box, data, DecimalSeparator());
}

QImage ChartPicture(const ChartData &data) {
    if (LoadedChartsModule() == nullptr)
        return {};
    QImage image(kChartPictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(painter, QRectF(QPointF(0, 0), kChartPictureSize), data);
    return image;
}

ChartNumbers ProgramChartNumbers() {
    return {DecimalSeparator(), &GeneralText};
}

} // namespace orvane
