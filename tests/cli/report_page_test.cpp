// Every bundled example's report as a word processor reads it: A4 with the report margins, every
// table within the text width with its header row repeated and no row split, the footer's fields
// on every page, and one decimal separator in the whole text.
#include "cli/cli_args.h"
#include "core/number_text.h"
#include "report/report_page.h"
#include "report/rtf_reader.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

using namespace orvane;

namespace {

namespace fs = std::filesystem;

// What a small RTF tokenizer finds in a report: the document's page words, the footer, the title
// in the properties and the table rows, grouped into tables.
struct RtfFacts {
    std::map<std::string, int> documentWords; // words with a number at the document's level
    std::string footerText;                   // the footer's text, field results left out
    std::vector<std::string> footerWords;     // its control words and field instructions
    std::string title;
    struct Row {
        int left = 0;
        std::vector<int> edges;
        bool header = false;
        bool keep = false;
    };
    std::vector<std::vector<Row>> tables;
};

void AppendUtf8(std::string &out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

RtfFacts ReadFacts(const std::string &rtf) {
    RtfFacts facts;
    std::vector<std::string> dest{""}; // the destination of each open group
    bool groupStart = false;
    bool rowsRunning = false; // rows follow each other with no paragraph between them
    RtfFacts::Row row;
    const auto inside = [&dest](const char *name) {
        return std::find(dest.begin(), dest.end(), name) != dest.end();
    };
    const auto text = [&](char32_t c) {
        if (inside("footer") && !inside("fldinst") && !inside("fldrslt"))
            AppendUtf8(facts.footerText, c);
        else if (inside("fldinst") && inside("footer"))
            AppendUtf8(facts.footerWords.back(), c);
        else if (inside("title"))
            AppendUtf8(facts.title, c);
    };
    size_t i = 0;
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{') {
            dest.push_back(dest.back());
            groupStart = true;
            ++i;
            continue;
        }
        if (c == '}') {
            if (dest.size() > 1)
                dest.pop_back();
            ++i;
            continue;
        }
        if (c != '\\') {
            if (c != '\r' && c != '\n')
                text(static_cast<unsigned char>(c));
            groupStart = false;
            ++i;
            continue;
        }
        if (i + 1 < rtf.size() && !std::isalpha(static_cast<unsigned char>(rtf[i + 1]))) {
            if (rtf[i + 1] != '*')
                text(static_cast<unsigned char>(rtf[i + 1]));
            i += 2;
            continue;
        }
        size_t j = i + 1;
        while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j])))
            ++j;
        const std::string word = rtf.substr(i + 1, j - i - 1);
        size_t k = j;
        if (k < rtf.size() && (rtf[k] == '-' || std::isdigit(static_cast<unsigned char>(rtf[k]))))
            ++k;
        while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[k])))
            ++k;
        const bool hasParam = k > j;
        const int param = hasParam ? std::stoi(rtf.substr(j, k - j)) : 0;
        i = k < rtf.size() && rtf[k] == ' ' ? k + 1 : k;

        if (groupStart) {
            dest.back() = word;
            groupStart = false;
        }
        if (word == "u") {
            text(static_cast<char32_t>(static_cast<char16_t>(param)));
            if (i < rtf.size() && rtf[i] == '?')
                ++i;
            continue;
        }
        if (inside("footer")) {
            facts.footerWords.push_back(word);
            continue;
        }
        if (dest.size() == 2 && hasParam) // inside the document's own group
            facts.documentWords[word] = param;
        if (word == "trowd") {
            if (!rowsRunning)
                facts.tables.emplace_back();
            row = RtfFacts::Row{};
        } else if (word == "trleft") {
            row.left = param;
        } else if (word == "trhdr") {
            row.header = true;
        } else if (word == "trkeep") {
            row.keep = true;
        } else if (word == "cellx") {
            row.edges.push_back(param);
        } else if (word == "row") {
            facts.tables.back().push_back(row);
            rowsRunning = true;
        } else if (word == "par") {
            rowsRunning = false;
        }
    }
    return facts;
}

// The text of every paragraph and table cell, one line each (the footer and properties are not
// part of it).
std::string BodyText(const std::string &rtf) {
    const RtfDocument doc = ParseRtf(rtf);
    std::string text;
    for (const RtfBlock &block : doc.blocks) {
        if (const auto *p = std::get_if<RtfParagraph>(&block)) {
            text += p->Text() + '\n';
            continue;
        }
        for (const RtfTableRow &row : std::get<RtfTableBlock>(block).rows)
            for (const RtfTableCell &cell : row.cells)
                for (const RtfParagraph &p : cell.paragraphs)
                    text += p.Text() + '\n';
    }
    return text;
}

// Numbers written with `wrong` instead of the report's separator: "0.5" in a "," report.
// Document names, clause numbers, versions and dates ("СП 7.13130.2013", "п. 5.2",
// "12.10.2025") are not numbers and are left out.
std::vector<std::string> ForeignSeparators(const std::string &text, char wrong) {
    std::vector<std::string> found;
    const std::regex number(R"([0-9][0-9.,]*[0-9])");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it) {
        const std::string token = it->str();
        if (token.find(wrong) == std::string::npos)
            continue;
        const size_t at = static_cast<size_t>(it->position());
        const std::string before = text.substr(at >= 24 ? at - 24 : 0, std::min<size_t>(at, 24));
        const bool documentNumber = std::count(token.begin(), token.end(), '.') >= 2;
        const bool named = before.ends_with("СП ") || before.ends_with("п. ") ||
                           before.ends_with("ГОСТ ") || before.ends_with("Орвейн ");
        if (wrong == '.' && (documentNumber || named))
            continue;
        // a "," between whole numbers of a list ("1,2,3" never occurs) is still a separator
        found.push_back(before + token);
    }
    return found;
}

struct ExampleReport {
    std::string name;
    std::string rtf;
};

std::vector<ExampleReport> ExampleReports(char separator) {
    std::vector<ExampleReport> reports;
    const fs::path dir = fs::temp_directory_path() / "orvane_report_page_test";
    fs::create_directories(dir);
    for (const auto &entry : fs::directory_iterator(EXAMPLES_DIR)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".smkprj" && ext != ".isrprj")
            continue;
        const std::string out = (dir / (entry.path().filename().string() + ".rtf")).string();
        std::ostringstream stdOut, stdErr;
        cli::RunCli(
            {"--decimal-separator", std::string(1, separator), "-o", out, entry.path().string()},
            stdOut, stdErr);
        reports.push_back({entry.path().filename().string(), test::ReadFile(out)});
    }
    SetDecimalSeparator(',');
    std::sort(reports.begin(), reports.end(),
              [](const auto &a, const auto &b) { return a.name < b.name; });
    return reports;
}

class ExampleReportTest : public ::testing::Test {
protected:
    // a fixed date of calculation, so the footer's date is known
    void SetUp() override { orvane::test::SetEnvironment("SOURCE_DATE_EPOCH", "1765324800"); } // 10.12.2025
};

TEST_F(ExampleReportTest, PagesAreA4WithTheReportMarginsAndEveryPageHasTheFooter) {
    const std::vector<ExampleReport> reports = ExampleReports(',');
    ASSERT_GE(reports.size(), 8u);
    for (const ExampleReport &r : reports) {
        SCOPED_TRACE(r.name);
        ASSERT_FALSE(r.rtf.empty());
        const RtfFacts facts = ReadFacts(r.rtf);
        const std::map<std::string, int> page = {{"paperw", 11906}, {"paperh", 16838},
                                                 {"margl", 1701},   {"margr", 850},
                                                 {"margt", 1134},   {"margb", 1134}};
        for (const auto &[word, value] : page) {
            ASSERT_TRUE(facts.documentWords.count(word)) << word;
            EXPECT_EQ(facts.documentWords.at(word), value) << word;
        }
        EXPECT_NE(facts.footerText.find(r.name), std::string::npos) << facts.footerText;
        EXPECT_NE(facts.footerText.find("Орвейн 5.1"), std::string::npos) << facts.footerText;
        EXPECT_NE(facts.footerText.find("10.12.2025"), std::string::npos) << facts.footerText;
        EXPECT_NE(facts.footerText.find("стр. "), std::string::npos) << facts.footerText;
        EXPECT_NE(facts.footerText.find(" из "), std::string::npos) << facts.footerText;
        const auto &words = facts.footerWords;
        EXPECT_NE(std::find(words.begin(), words.end(), "chpgn"), words.end());
        EXPECT_NE(std::find_if(
                      words.begin(), words.end(),
                      [](const std::string &w) { return w.find("NUMPAGES") != std::string::npos; }),
                  words.end());
        EXPECT_EQ(facts.title.rfind("РАСЧЁТ СИСТЕМЫ ", 0), 0u) << facts.title;
    }
}

TEST_F(ExampleReportTest, TablesFitTheTextWidthRepeatTheirHeaderAndKeepRowsWhole) {
    size_t tables = 0;
    for (const ExampleReport &r : ExampleReports(',')) {
        SCOPED_TRACE(r.name);
        const RtfFacts facts = ReadFacts(r.rtf);
        for (const auto &table : facts.tables) {
            ASSERT_FALSE(table.empty());
            ++tables;
            EXPECT_TRUE(table.front().header);
            for (size_t k = 0; k < table.size(); ++k) {
                const RtfFacts::Row &row = table[k];
                EXPECT_EQ(row.header, k == 0) << "row " << k;
                EXPECT_TRUE(row.keep) << "row " << k;
                ASSERT_FALSE(row.edges.empty());
                EXPECT_GE(row.left, 0);
                EXPECT_LE(row.edges.back(), kTextWidth) << "row " << k;
                EXPECT_TRUE(std::is_sorted(row.edges.begin(), row.edges.end()));
                EXPECT_LT(row.left, row.edges.front());
            }
        }
    }
    // the supply examples hold the per-floor tables that were once too wide
    EXPECT_GE(tables, 3u);
}

TEST_F(ExampleReportTest, EachReportWritesItsNumbersWithOneSeparator) {
    for (const char separator : {',', '.'}) {
        const char wrong = separator == ',' ? '.' : ',';
        for (const ExampleReport &r : ExampleReports(separator)) {
            SCOPED_TRACE(r.name + " written with '" + separator + "'");
            const std::vector<std::string> foreign = ForeignSeparators(BodyText(r.rtf), wrong);
            EXPECT_TRUE(foreign.empty())
                << foreign.size() << " such as «" << foreign.front() << "»";
        }
    }
}

TEST(ForeignSeparators, TellsNumbersFromDocumentNamesAndDates) {
    EXPECT_TRUE(ForeignSeparators("СП 7.13130.2013, 12.10.2025, Орвейн 5.1, п. 5.2", '.').empty());
    EXPECT_EQ(ForeignSeparators("exp(0.0047 ∙ 43,48)", '.').size(), 1u);
    EXPECT_EQ(ForeignSeparators("exp(0.0047 ∙ 43,48)", ',').size(), 1u);
    EXPECT_TRUE(ForeignSeparators("t + 273,15 = 228,35 К", '.').empty());
}

} // namespace
