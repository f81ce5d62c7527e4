#include "app/command_line.h"

#include "orvane/version.h"
#include "shell/file_name.h"

#include <cstdio>

namespace orvane {

namespace {

// Qt reads these itself (with one dash or two); they are never the program's usage errors.
bool IsQtOption(const QString &name) {
    static const QStringList kQtOptions = {
        QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"), QStringLiteral("plugin"),
        QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
        QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
        QStringLiteral("reverse"),       QStringLiteral("session"),
        QStringLiteral("style"),         QStringLiteral("stylesheet"),
        QStringLiteral("widgetcount"),   QStringLiteral("display"),
        QStringLiteral("geometry"),      QStringLiteral("title"),
        QStringLiteral("name"),          QStringLiteral("nograb"),
        QStringLiteral("dograb"),        QStringLiteral("sync")};
    return kQtOptions.contains(name.section(QLatin1Char('='), 0, 0));
}

QString VersionLine() {
    return QString::fromUtf8(kVersionBanner.data(), qsizetype(kVersionBanner.size())) +
           QLatin1Char('\n');
}

} // namespace

bool BannerModeFromArguments(const QStringList &arguments) {
    bool bannerMode = true;
    for (const QString &argument : arguments) {
        if (argument == QStringLiteral("--"))
            break;
        if (argument.size() >= 2 && argument.at(0) == QLatin1Char('-') &&
            (argument.at(1) == QLatin1Char('b') || argument.at(1) == QLatin1Char('B')))
            bannerMode = false;
    }
    return bannerMode;
}

QString ProgramUsageText() {
    return QStringLiteral(
        "Использование: orvane [-B] [ПРОЕКТ.smkprj | ПРОЕКТ.isrprj]\n"
        "\n"
        "Орвейн — расчёт систем противодымной вентиляции: дымоудаление (.smkprj) и подпор\n"
        "воздуха (.isrprj), отчёт с формулами в формате RTF.\n"
        "\n"
        "  ПРОЕКТ                   открыть проект в окне своего модуля\n"
        "  -B                       главное окно в компактном виде (без заставки)\n"
        "  -h, --help               показать эту справку\n"
        "  --version                показать версию программы\n"
        "\n"
        "Расчёт проекта без окон: orvane-calc (справка: orvane-calc --help).\n");
}

std::optional<EarlyAnswer> AnswerBeforeStart(const QStringList &arguments) {
    for (const QString &argument : arguments) {
        if (argument == QStringLiteral("--"))
            break;
        if (argument == QStringLiteral("-h") || argument == QStringLiteral("--help"))
            return EarlyAnswer{0, ProgramUsageText(), {}};
        if (argument == QStringLiteral("--version"))
            return EarlyAnswer{0, VersionLine(), {}};
        if (argument.startsWith(QStringLiteral("--")) && !IsQtOption(argument.mid(2)))
            return EarlyAnswer{2,
                               {},
                               QStringLiteral("orvane: неизвестный параметр «%1». "
                                              "Справка: orvane --help\n")
                                   .arg(argument)};
    }
    return std::nullopt;
}

QStringList ArgumentsOf(int argc, char **argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
#ifdef Q_OS_WIN
        arguments.append(QString::fromLocal8Bit(argv[i]));
#else
        arguments.append(FileNameFromBytes(argv[i]));
#endif
    return arguments;
}

int PrintEarlyAnswer(const EarlyAnswer &answer) {
    std::fputs(answer.out.toUtf8().constData(), stdout);
    std::fputs(answer.err.toUtf8().constData(), stderr);
    std::fflush(stdout);
    return answer.exitCode;
}

QString ProjectFromArguments(const QStringList &arguments) {
    bool switches = true; // after "--" every argument is a file name, "-" first or not
    for (const QString &argument : arguments) {
        if (switches && argument == QStringLiteral("--")) {
            switches = false;
            continue;
        }
        if (!argument.isEmpty() && (!switches || !argument.startsWith(QLatin1Char('-'))))
            return argument;
    }
    return {};
}

} // namespace orvane
