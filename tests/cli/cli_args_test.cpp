#include "cli/cli_args.h"

#include "core/number_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace orvane;
using namespace orvane::cli;

namespace {

using Args = std::vector<std::string>;

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

TEST(CliRun, UsageErrorsExitTwoWithReasonAndUsageOnStandardError) {
    const Outcome r = RunWith({"--decimal-separator", "x", "p.smkprj"});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "orvane-calc: десятичный разделитель должен быть «,» или «.», а не «x».\n\n" +
                         UsageText());
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

TEST(CliRun, LocaleSeparatorOfTheCLocaleIsADot) {
    EXPECT_EQ(SeparatorFromLocale(), '.'); // tests run in the C locale
}

} // namespace
