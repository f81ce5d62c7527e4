#include "test_support.h"
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/cli_options.h"
#include "core/number_text.h"
#include "inflow/inflow_calc.h"
#include "inflow/inflow_project.h"

using namespace orvane;
using namespace orvane::cli;

namespace {

struct SupplyRunnerTest : ::testing::Test {
    void SetUp() override {
        SetDecimalSeparator(',');
        // CTest runs the cases of this file in parallel: each gets a folder of its own.
        dir = orvane::test::MakeTempFolder("orvane_inflow_runner_");
        ASSERT_FALSE(dir.empty());
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    int run(const std::string &project) {
        CliOptions options;
        options.projectPath = project;
        options.reportPath = (dir / "r.rtf").string();
        options.jsonPath = (dir / "r.json").string();
        out.str({});
        err.str({});
        return RunInflowProject(options, out, err);
    }
    nlohmann::json json() const {
        std::ifstream f(dir / "r.json");
        return nlohmann::json::parse(f);
    }
    std::string saved(inflow::InflowInputs in) const {
        const std::string path = (dir / "p.isrprj").string();
        EXPECT_TRUE(inflow::SaveProject(path, in).ok);
        return path;
    }
    std::filesystem::path dir;
    std::ostringstream out, err;
};

} // namespace

TEST_F(SupplyRunnerTest, BundledAboveGroundExamplePrintsTheDutyPointAndWritesBothFiles) {
    ASSERT_EQ(run(EXAMPLES_DIR "/sw_og.isrprj"), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "L = 8723 м³/ч, P = 127 Па\n");
    const auto j = json();
    EXPECT_EQ(j["module"], "inflow");
    EXPECT_EQ(j["variant"], "SW-OG");
    EXPECT_EQ(j["ok"], true);
    EXPECT_TRUE(j["messages"].empty());
    EXPECT_EQ(j["results"]["CalcVariant"], "cvrntOverGndStair");
    EXPECT_EQ(j["results"]["OGFloorQty"], 12);
    EXPECT_EQ(j["results"]["SWTerm1"], true);
    EXPECT_NEAR(j["results"]["VolumeAirExps"].get<double>(), 8723, 0.5);
    ASSERT_EQ(j["floors"].size(), 12u);
    EXPECT_EQ(j["floors"][0]["FloorNum"], 12);
    EXPECT_TRUE(std::filesystem::file_size(dir / "r.rtf") > 1000);
}

TEST_F(SupplyRunnerTest, BundledUndergroundExampleRuns) {
    ASSERT_EQ(run(EXAMPLES_DIR "/sw_ug.isrprj"), kExitOk) << err.str();
    // the fan gets the lowest floor's row of the table (its pressure counts the floor height too)
    EXPECT_EQ(out.str(), "L = 20106 м³/ч, P = 140 Па\n");
    const auto j = json();
    EXPECT_EQ(j["variant"], "SW-UG");
    ASSERT_EQ(j["floors"].size(), 4u);
    EXPECT_EQ(j["floors"][3]["FloorNum"], -4);
    EXPECT_EQ(j["results"]["UGHBottom"], -12.0);
}

TEST_F(SupplyRunnerTest, ExitCodesFollowTheOutcome) {
    // an input step stops the run: windows of no resistance cannot be sized
    auto in = inflow::InflowInputs::Defaults();
    in.SetComboIndex(inflow::ctl::cbWinPenetrationVar, 2);
    in.SetText(inflow::ctl::EditWinPenetration, "0");
    EXPECT_EQ(run(saved(in)), kExitInputStopped);
    auto j = json();
    EXPECT_EQ(j["ok"], false);
    EXPECT_EQ(j["messages"].back()["kind"], "warning");
    EXPECT_EQ(j["messages"].back()["text"],
              "Сопротивление воздухопроницанию оконных проёмов должно быть больше 0.");
    EXPECT_EQ(out.str(), "");
    // a count outside the field's range is refused before the run, naming the key
    in = inflow::InflowInputs::Defaults();
    in.SetText(inflow::ctl::EditOGFloorQty, "500");
    std::filesystem::remove(dir / "r.json");
    EXPECT_EQ(run(saved(in)), kExitInputStopped);
    EXPECT_NE(err.str().find("([Building] FloorQty): нужно целое число от 1 до 300, в файле «500»"),
              std::string::npos)
        << err.str();
    EXPECT_FALSE(std::filesystem::exists(dir / "r.json"));

    in = inflow::InflowInputs::Defaults();
    in.SetText(inflow::ctl::EditWindSpeed, "1" + std::string(200, '0'));
    EXPECT_EQ(run(saved(in)), kExitNoDutyPoint);
    j = json();
    EXPECT_EQ(j["ok"], false);
    EXPECT_EQ(j["results"]["VolumeAirExps"], 0.0);
    EXPECT_EQ(j["results"]["FanPress"], 0.0);
    EXPECT_EQ(j["messages"].back()["text"], kNonFiniteMessage);

    std::filesystem::remove(dir / "r.json");
    EXPECT_EQ(run((dir / "missing.isrprj").string()), kExitUsage);
    EXPECT_NE(err.str().find("Файл проекта приточного ДУ не может быть прочитан"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "r.json"));
}

TEST_F(SupplyRunnerTest, ProjectValueTheFieldRefusesStopsBeforeAnythingIsComputed) {
    inflow::InflowInputs in = inflow::InflowInputs::Defaults();
    in.Check(inflow::ctl::rbTambour);
    in.SetText(inflow::ctl::EditTmbrOGFloorQty, "17.5");
    // a field of another variant is not read, so not checked
    in.SetText(inflow::ctl::EditOGFloorQty, "abc");
    const std::string project = saved(in);
    // saved as typed: the next opening shows the text to be mended, not a cleaned 175
    inflow::InflowInputs reopened = inflow::InflowInputs::Defaults();
    ASSERT_TRUE(inflow::LoadProject(project, reopened).ok);
    EXPECT_EQ(reopened.Text(inflow::ctl::EditTmbrOGFloorQty), "17.5");

    EXPECT_EQ(run(project), kExitInputStopped);
    EXPECT_NE(err.str().find("[Building] OGFloorQty"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("«17.5»"), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
    EXPECT_FALSE(std::filesystem::exists(dir / "r.rtf"));

    reopened.SetText(inflow::ctl::EditTmbrOGFloorQty, "17");
    EXPECT_FALSE(inflow::FindInvalidInput(reopened));
    EXPECT_EQ(run(saved(reopened)), kExitOk) << err.str();
}

// A window permeability is never negative: both permeability rows refuse it before anything is
// computed (the resistance rows refuse 0 as well, in the input step).
TEST_F(SupplyRunnerTest, NegativeWindowPermeabilityIsRefusedNamingItsKey) {
    for (int row : {0, 1}) {
        SCOPED_TRACE(row);
        std::filesystem::remove(dir / "r.rtf");
        std::filesystem::remove(dir / "r.json");
        inflow::InflowInputs in = inflow::InflowInputs::Defaults();
        in.SetComboIndex(inflow::ctl::cbWinPenetrationVar, row);
        in.SetText(inflow::ctl::EditWinPenetration, "-3");
        EXPECT_EQ(run(saved(in)), kExitInputStopped);
        EXPECT_NE(err.str().find("Поле «Воздухопроницаемость окон» ([StairWell] WinAirPenet): "
                                 "нужно число не меньше 0, в файле «-3»."),
                  std::string::npos)
            << err.str();
        EXPECT_EQ(out.str(), "");
        EXPECT_FALSE(std::filesystem::exists(dir / "r.rtf"));
        EXPECT_FALSE(std::filesystem::exists(dir / "r.json"));

        in.SetText(inflow::ctl::EditWinPenetration, "0");
        EXPECT_EQ(run(saved(in)), kExitOk) << err.str();
        EXPECT_GE(json()["results"]["WindowKoef"].get<double>(), 0);
    }
}

// A value its field's range refuses stops the run before anything is computed or written, the
// message naming the field, its section and key and the text. Values that computed before.
TEST_F(SupplyRunnerTest, ValueOutsideItsFieldRangeIsRefusedNamingTheKey) {
    struct Case {
        const char *example;
        const char *line;  // the example's line
        const char *value; // put in its place
        const char *message;
    };
    const Case cases[] = {
        {"sw_og", "ProjArea=18", "ProjArea=-5",
         "Поле «Площадь горизонтальной проекции маршей и площадок» ([StairWell] ProjArea): "
         "нужно число больше 0, в файле «-5»."},
        {"sw_og", "DoorwayArea=2", "DoorwayArea=0",
         "Поле «Площадь каждой двери» ([StairWell] DoorwayArea): нужно число больше 0, в файле "
         "«0»."},
        {"sw_og", "AirTempO=-26", "AirTempO=-273,15",
         "Поле «Температура наружного воздуха» ([Air] AirTempO): нужно число больше -273,15, в "
         "файле «-273,15»."},
        {"sw_og", "WindSpeed=0", "WindSpeed=-3",
         "Поле «Скорость ветра» ([Air] WindSpeed): нужно число не меньше 0, в файле «-3»."},
        {"sw_ug", "FloorQty=4", "FloorQty=0",
         "Поле «Число подземных этажей» ([Building] FloorQty): нужно целое число от 1 до 300, в "
         "файле «0»."},
        {"tambour", "TmbrDoorMu=0,64", "TmbrDoorMu=1,2",
         "Поле «Коэффициент расхода открытой двери» ([Tambour] TmbrDoorMu): нужно число от 0 до "
         "1, в файле «1,2»."},
        {"lift", "LShaftA=4,6", "LShaftA=-4,6",
         "Поле «Площадь сечения шахты (внутренний контур)» ([Shaft] LShaftA): нужно число больше "
         "0, в файле «-4,6»."},
        // a wind pressure coefficient may be negative; a level difference too
        {"sw_og", "KWW=0,8", "KWW=-0,8", nullptr},
        {"sw_og", "H0s=15", "H0s=-15", nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        std::string bytes;
        {
            std::ifstream f(std::string(EXAMPLES_DIR "/") + c.example + ".isrprj",
                            std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(f), {});
        }
        const size_t at = bytes.find(std::string("\n") + c.line + "\r");
        ASSERT_NE(at, std::string::npos);
        bytes.replace(at + 1, std::string(c.line).size(), c.value);
        const std::string project = (dir / "range.isrprj").string();
        std::ofstream(project, std::ios::binary) << bytes;
        std::filesystem::remove(dir / "r.rtf");
        std::filesystem::remove(dir / "r.json");
        if (!c.message) {
            EXPECT_EQ(run(project), kExitOk) << err.str();
            continue;
        }
        EXPECT_EQ(run(project), kExitInputStopped);
        EXPECT_EQ(err.str(), "Ошибка: " + std::string(c.message) + "\n");
        EXPECT_EQ(out.str(), "");
        EXPECT_FALSE(std::filesystem::exists(dir / "r.rtf"));
        EXPECT_FALSE(std::filesystem::exists(dir / "r.json"));
    }
}
