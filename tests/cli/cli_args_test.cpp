#include "test_support.h"
#include "cli/cli_args.h"

#include "core/field_check.h"
#include "core/file_io.h"
#include "core/number_text.h"
#include "orvane/version.h"
#include "report/report_document.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>
#ifndef _WIN32
#include <unistd.h>
#endif

using namespace orvane;
using namespace orvane::cli;

namespace {

using Args = std::vector<std::string>;
namespace fs = std::filesystem;

TEST(CliArgs, OptionsAreRead) {
    struct Case {
        Args args;
        bool brief;
        std::string report, json;
        char separator;
        bool separatorGiven;
        std::string project;
    };
    const std::vector<Case> cases = {
        {{"p.smkprj"}, false, "", "", ',', false, "p.smkprj"},
        {{"--brief", "-o", "r.rtf", "--json", "r.json", "--decimal-separator", ".", "p.isrprj"},
         true,
         "r.rtf",
         "r.json",
         '.',
         true,
         "p.isrprj"},
        {{"--json=r.json", "--decimal-separator=,", "Дом 1.smkprj", "-o", "о.rtf"},
         false,
         "о.rtf",
         "r.json",
         ',',
         true,
         "Дом 1.smkprj"},
        {{"--", "-odd.smkprj"}, false, "", "", ',', false, "-odd.smkprj"},
    };
    for (const auto &c : cases) {
        CliOptions o;
        bool given = false;
        std::string error;
        ASSERT_EQ(ParseArguments(c.args, o, given, error), ParseOutcome::Run) << error;
        EXPECT_EQ(o.brief, c.brief);
        EXPECT_EQ(o.reportPath, c.report);
        EXPECT_EQ(o.jsonPath, c.json);
        EXPECT_EQ(o.decimalSeparator, c.separator);
        EXPECT_EQ(given, c.separatorGiven);
        EXPECT_EQ(o.projectPath, c.project);
    }
}

TEST(CliArgs, BadArgumentsGiveAReason) {
    const std::vector<std::pair<Args, std::string>> cases = {
        {{}, "не указан файл проекта."},
        {{"--brief"}, "не указан файл проекта."},
        {{"a.smkprj", "b.smkprj"}, "указано больше одного файла проекта («a.smkprj», «b.smkprj»)."},
        {{"-x", "p.smkprj"}, "неизвестный параметр «-x»."},
        {{"--briefly", "p.smkprj"}, "неизвестный параметр «--briefly»."},
        {{"p.smkprj", "-o"}, "после параметра -o нужно указать значение."},
        {{"--json=", "p.smkprj"}, "после параметра --json нужно указать имя файла."},
        {{"--decimal-separator", ";", "p.smkprj"},
         "десятичный разделитель должен быть «,» или «.», а не «;»."},
        {{"-o", "x", "--json", "x", "p.smkprj"},
         "отчёт и результаты JSON нельзя записать в один и тот же файл."},
        {{"--json", "x", "--pdf=x", "p.smkprj"},
         "результаты JSON и отчёт PDF нельзя записать в один и тот же файл."},
        {{"-o", "-", "--json", "-", "p.smkprj"},
         "отчёт и результаты JSON нельзя записать в стандартный вывод вместе."},
        {{"--pdf", "-", "-o", "-", "p.smkprj"},
         "отчёт и отчёт PDF нельзя записать в стандартный вывод вместе."},
    };
    for (const auto &[args, reason] : cases) {
        CliOptions o;
        bool given = false;
        std::string error;
        EXPECT_EQ(ParseArguments(args, o, given, error), ParseOutcome::Error) << reason;
        EXPECT_EQ(error, reason);
    }
}

struct Outcome {
    int code;
    std::string out, err;
};

Outcome RunWith(const Args &args) {
    std::ostringstream out, err;
    const int code = RunCli(args, out, err);
    SetDecimalSeparator(',');
    return {code, out.str(), err.str()};
}

TEST(CliRun, HelpGoesToStandardOutput) {
    for (const Args &args : {Args{"--help"}, Args{"-h"}, Args{"p.smkprj", "--help"}}) {
        const Outcome r = RunWith(args);
        EXPECT_EQ(r.code, kExitOk);
        EXPECT_EQ(r.out, UsageText());
        EXPECT_EQ(r.err, "");
    }
    EXPECT_EQ(UsageText().rfind("Использование: orvane-calc [--brief] [-o ОТЧЁТ.rtf]", 0), 0u);
}

// One line on standard error: the reason and where the help is, never the whole help text.
TEST(CliRun, UsageErrorsExitTwoWithOneLineOnStandardError) {
    const Outcome r = RunWith({"--decimal-separator", "x", "p.smkprj"});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "orvane-calc: десятичный разделитель должен быть «,» или «.», а не «x». "
                     "Справка: orvane-calc --help\n");
    EXPECT_EQ(RunWith({}).err,
              "orvane-calc: не указан файл проекта. Справка: orvane-calc --help\n");
}

TEST(CliRun, VersionGoesToStandardOutput) {
    for (const Args &args : {Args{"--version"}, Args{"p.smkprj", "--version"}}) {
        const Outcome r = RunWith(args);
        EXPECT_EQ(r.code, kExitOk);
        EXPECT_EQ(r.out, "Орвейн " + std::string(kVersionNumber) + "\n");
        EXPECT_EQ(r.err, "");
    }
    EXPECT_EQ(kVersionNumber, std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor));
    EXPECT_NE(UsageText().find("--version"), std::string::npos);
}

TEST(CliRun, ProjectKindComesFromTheExtension) {
    Outcome r = RunWith({"проект.txt"});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_EQ(r.err, "Неизвестный тип проекта «проект.txt»: ожидается файл .smkprj "
                     "(дымоудаление) или .isrprj (подпор воздуха).\n");
    r = RunWith({"smkprj"});
    EXPECT_EQ(r.code, kExitUsage);
}

// The extension picks the runner whatever its case: the runner, not the kind check, answers.
TEST(CliRun, MissingProjectOfASupportedKindIsAUsageError) {
    for (const std::string path :
         {"/nowhere/a.smkprj", "/nowhere/b.isrprj", "/nowhere/A.SMKPRJ", "/nowhere/b.IsrPrj"}) {
        const Outcome r = RunWith({"--json", "/nowhere/r.json", path});
        EXPECT_EQ(r.code, kExitUsage) << path;
        EXPECT_EQ(r.out, "") << path;
        EXPECT_FALSE(r.err.empty()) << path;
        EXPECT_EQ(r.err.find("Неизвестный тип проекта"), std::string::npos) << path;
    }
}

TEST(CliRun, ProjectThatCannotBeReadSaysWhyInOneFormForBothKinds) {
    struct Case {
        const char *path;
        const char *message;
    } cases[] = {
        {"/nowhere/a.smkprj", "Ошибка: Файл проекта расчета дымоудаления не может быть прочитан "
                              "(нет такого файла или папки):\n/nowhere/a.smkprj\n"},
        {"/nowhere/b.isrprj", "Ошибка: Файл проекта приточного ДУ не может быть прочитан "
                              "(нет такого файла или папки):\n/nowhere/b.isrprj\n"},
    };
    for (const Case &c : cases) {
        const Outcome r = RunWith({c.path});
        EXPECT_EQ(r.code, kExitUsage);
        EXPECT_EQ(r.err, c.message);
    }
}

class CliFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = orvane::test::MakeTempFolder("orvane_cli_files_");
        ASSERT_FALSE(dir.empty());
        project = dir + "/x.smkprj";
        fs::copy_file(EXAMPLES_DIR "/corridor.smkprj", project);
        ASSERT_TRUE(ReadFileBytes(project, original).ok);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string dir, project, original;
};

TEST_F(CliFilesTest, OutputThatIsTheProjectOrTheOtherOutputIsRefused) {
    const fs::path cwd = fs::current_path();
    fs::current_path(dir);
    std::vector<Args> cases = {
        {"-o", "x.smkprj", "x.smkprj"},
        {"-o", "./x.smkprj", "x.smkprj"},
        {"--json", "x.smkprj", "./x.smkprj"},
        {"-o", "a.rtf", "--json", "./a.rtf", "x.smkprj"},
        {"--pdf", "./x.smkprj", "x.smkprj"},
        {"-o", "a.rtf", "--pdf", "a.rtf", "x.smkprj"},
        {"--pdf", "./a.rtf", "-o", "a.rtf", "x.smkprj"},
        {"--pdf", "-", "--json", "-", "x.smkprj"},
    };
#ifndef _WIN32 // links: POSIX file systems only
    ASSERT_EQ(::link(project.c_str(), (dir + "/hard.rtf").c_str()), 0);
    ASSERT_EQ(::symlink("x.smkprj", (dir + "/soft.json").c_str()), 0);
    ASSERT_EQ(::symlink("a.rtf", (dir + "/to-report.json").c_str()), 0);
    cases.push_back({"-o", dir + "/hard.rtf", "x.smkprj"});
    cases.push_back({"--json", "soft.json", "x.smkprj"});
    cases.push_back({"-o", "a.rtf", "--json", "to-report.json", "x.smkprj"});
    cases.push_back({"--pdf", "to-report.json", "-o", "a.rtf", "x.smkprj"});
    cases.push_back({"--pdf", dir + "/hard.rtf", "x.smkprj"});
#endif
    // a writer that would write whatever it is handed: only the clash check stops these runs
    const PdfMaker maker = [](const ReportDocument &) { return std::string("%PDF-"); };
    for (const Args &args : cases) {
        std::ostringstream out, err;
        const Outcome r = {RunCli(args, out, err, maker), out.str(), err.str()};
        SetDecimalSeparator(',');
        EXPECT_EQ(r.code, kExitUsage) << args[1];
        EXPECT_EQ(r.out, "") << args[1];
        EXPECT_EQ(r.err.rfind("orvane-calc: ", 0), 0u) << r.err;
        std::string now;
        EXPECT_TRUE(ReadFileBytes(project, now).ok);
        EXPECT_EQ(now, original) << args[1];
        EXPECT_FALSE(fs::exists("a.rtf")) << args[1];
    }
    EXPECT_EQ(RunWith({"-o", "a.rtf", "--json", "a.json", "x.smkprj"}).code, kExitOk);
    fs::current_path(cwd);
}

// "-" sends an output to standard output, byte for byte what the file would hold; the duty
// point then goes to standard error so the output stays clean.
TEST_F(CliFilesTest, DashWritesAnOutputToStandardOutput) {
    const Outcome files = RunWith({"-o", dir + "/r.rtf", "--json", dir + "/r.json", project});
    ASSERT_EQ(files.code, kExitOk) << files.err;
    std::string rtf, json;
    ASSERT_TRUE(ReadFileBytes(dir + "/r.rtf", rtf).ok);
    ASSERT_TRUE(ReadFileBytes(dir + "/r.json", json).ok);
    ASSERT_FALSE(files.out.empty());

    const struct {
        Args args;
        std::string out;
    } cases[] = {
        {{"-o", "-", project}, rtf},
        {{"--json=-", project}, json},
        {{"-o", "-", "--json", dir + "/j.json", project}, rtf},
    };
    for (const auto &c : cases) {
        const Outcome r = RunWith(c.args);
        EXPECT_EQ(r.code, kExitOk) << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[1];
        EXPECT_EQ(r.err, files.out) << c.args[1];
        EXPECT_FALSE(fs::exists("-"));
    }
    std::string alsoJson;
    ASSERT_TRUE(ReadFileBytes(dir + "/j.json", alsoJson).ok);
    EXPECT_EQ(alsoJson, json);
    EXPECT_EQ(RunWith({"-o", "-", "--json", "-", project}).code, kExitUsage);
}

// --pdf hands the program's maker the run's report with its footer fields and writes the bytes
// it makes as every output is written: to the file, or to standard output for "-" (the duty
// point then on standard error). Without a maker, or pages it cannot paint, the run ends with
// the usage code and the reason, and an old PDF is kept.
TEST_F(CliFilesTest, PdfIsMadeByTheProgramAndWrittenAsEveryOutput) {
    std::string file;
    bool bodyShown = false;
    size_t charts = 0;
    std::string made = "%PDF-1.4 pages";
    const PdfMaker maker = [&](const ReportDocument &report) {
        file = report.Page.projectFile;
        charts = report.Charts.size();
        bodyShown = report.RTFull.find("\\paperw11906") != std::string::npos;
        return made;
    };
    const std::string pdf = dir + "/r.pdf";
    const auto run = [&](const Args &args, PdfMaker with) {
        std::ostringstream out, err;
        const int code = RunCli(args, out, err, std::move(with));
        SetDecimalSeparator(',');
        return Outcome{code, out.str(), err.str()};
    };
    const Outcome files = run({"--pdf", pdf, project}, maker);
    EXPECT_EQ(files.code, kExitOk) << files.err;
    EXPECT_EQ(file, "x.smkprj");
    EXPECT_TRUE(bodyShown);
    EXPECT_EQ(charts, 2u); // the run's charts go with the report to the paper
    EXPECT_EQ(orvane::test::ReadFile(pdf), made);

    const Outcome dash = run({"--pdf", "-", project}, maker);
    EXPECT_EQ(dash.code, kExitOk) << dash.err;
    EXPECT_EQ(dash.out, made);
    EXPECT_EQ(dash.err, files.out);
    EXPECT_FALSE(fs::exists(dir + "/-"));

    const struct {
        PdfMaker maker;
        const char *reason;
    } failures[] = {
        {[](const ReportDocument &) { return std::string(); },
         "Отчёт PDF не записан: страницы отчёта не удалось построить.\n"},
        {PdfMaker(), "Отчёт PDF не записан: эта сборка не умеет записывать PDF.\n"},
    };
    for (const auto &f : failures) {
        const Outcome r = run({"--pdf", pdf, "-o", dir + "/r.rtf", project}, f.maker);
        EXPECT_EQ(r.code, kExitUsage);
        EXPECT_NE(r.err.find(f.reason), std::string::npos) << r.err;
        EXPECT_EQ(orvane::test::ReadFile(pdf), made);
        EXPECT_TRUE(fs::exists(dir + "/r.rtf")); // the other outputs are still written
    }
}

// Whatever goes to standard output — the help, the version, the duty point, an output named
// "-" — a write that fails there (a full device, a closed descriptor) is said on standard error
// and ends the run with the usage code.
TEST_F(CliFilesTest, FailedWriteToStandardOutputIsAnError) {
    const PdfMaker maker = [](const ReportDocument &) { return std::string("%PDF-"); };
    const std::vector<Args> cases = {
        {"--help"},
        {"--version"},
        {project},
        {"-o", "-", project},
        {"--json", "-", project},
        {"--pdf", "-", project},
    };
    for (const Args &args : cases) {
        std::ostringstream out, err;
        out.setstate(std::ios::badbit);
        EXPECT_EQ(RunCli(args, out, err, maker), kExitUsage) << args[0];
        SetDecimalSeparator(',');
        EXPECT_NE(err.str().find("Не удалось записать результаты в стандартный вывод.\n"),
                  std::string::npos)
            << args[0] << ": " << err.str();
    }
}

// A name longer than a project holds stops the run as a refused value does: the message names
// the field, the section and the key; nothing is computed or written.
TEST_F(CliFilesTest, NameLongerThanAProjectHoldsIsARefusedValue) {
    std::string bytes = original;
    const size_t name = bytes.find("\nName=");
    ASSERT_NE(name, std::string::npos);
    bytes.insert(name + 6, std::string(kMaxTextLength + 1, 'A'));
    ASSERT_TRUE(WriteFileAtomic(project, bytes).ok);
    const Outcome r = RunWith({"-o", dir + "/r.rtf", "--json", dir + "/r.json", project});
    EXPECT_EQ(r.code, kExitInputStopped);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Ошибка: Поле «Наименование проекта» ([Project] Name): нужен текст не "
                     "длиннее 1000 знаков, в файле 1001 знак.\n");
    EXPECT_FALSE(fs::exists(dir + "/r.rtf"));
    EXPECT_FALSE(fs::exists(dir + "/r.json"));
}

TEST_F(CliFilesTest, PipeOrOversizedProjectIsRefusedAtOnce) {
    const std::string huge = dir + "/huge.isrprj";
    fs::copy_file(EXAMPLES_DIR "/lift.isrprj", huge);
    fs::resize_file(huge, 100u << 20);
    std::vector<std::string> paths = {huge};
#ifndef _WIN32 // named pipes in the file system: POSIX only
    const std::string fifo = dir + "/pipe.smkprj";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    paths.push_back(fifo);
#endif
    for (const std::string &path : paths) {
        const auto start = std::chrono::steady_clock::now();
        const Outcome r = RunWith({"-o", dir + "/r.rtf", path});
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << path;
        EXPECT_EQ(r.code, kExitUsage) << path;
        EXPECT_NE(r.err.find(path), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(dir + "/r.rtf"));
    }
    EXPECT_NE(RunWith({huge}).err.find("файл больше 8 МБ"), std::string::npos);
}

TEST(CliRun, LocaleSeparatorOfTheCLocaleIsADot) {
    EXPECT_EQ(SeparatorFromLocale(), '.'); // tests run in the C locale
}

} // namespace
