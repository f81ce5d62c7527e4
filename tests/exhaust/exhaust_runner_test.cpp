#include "test_support.h"
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "cli/cli_options.h"
#include "core/file_io.h"
#include "core/number_text.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;

struct RunResult {
    int exit = -1;
    std::string out;
    std::string err;
    std::string rtf;
    nlohmann::json json;
};

RunResult RunCalc(const std::string &project, const fs::path &dir, bool brief = false) {
    CliOptions options;
    options.projectPath = project;
    options.reportPath = (dir / "out.rtf").string();
    options.jsonPath = (dir / "out.json").string();
    options.decimalSeparator = ',';
    options.brief = brief;
    SetDecimalSeparator(',');
    fs::remove(options.reportPath);
    fs::remove(options.jsonPath);
    std::ostringstream out, err;
    RunResult r;
    r.exit = RunExhaustProject(options, out, err);
    r.out = out.str();
    r.err = err.str();
    std::string json;
    if (ReadFileBytes(options.reportPath, r.rtf).ok && ReadFileBytes(options.jsonPath, json).ok)
        r.json = nlohmann::json::parse(json);
    return r;
}

class ExhaustRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        // CTest runs the cases of this file in parallel: each gets a folder of its own.
        dir = orvane::test::MakeTempFolder("orvane_exhaust_runner_");
        ASSERT_FALSE(dir.empty());
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Project(const std::string &name, const std::string &bytes) {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    fs::path dir;
};

TEST_F(ExhaustRunnerTest, BundledExamplesComputeEveryVariant) {
    struct Case {
        const char *file;
        const char *variant; // the JSON's name of the variant
        const char *calcVariant;
    };
    for (const Case &c :
         {Case{"corridor", "corridor", "cvrntCorridor"}, Case{"room", "room", "cvrntRoom"},
          Case{"gallery", "gallery", "cvrntUnderGallery"},
          Case{"parking", "parking", "cvrntParking"}}) {
        SCOPED_TRACE(c.file);
        const RunResult r = RunCalc(std::string(EXAMPLES_DIR "/") + c.file + ".smkprj", dir);
        EXPECT_EQ(r.exit, kExitOk) << r.err;
        EXPECT_EQ(r.out.rfind("L = ", 0), 0u);
        EXPECT_EQ(r.json["module"], "exhaust");
        EXPECT_EQ(r.json["variant"], c.variant);
        EXPECT_EQ(r.json["ok"], true);
        // the examples' networks are sized inside 20 m/s; the gallery's one valve cannot be
        if (std::string(c.file) == "gallery")
            EXPECT_EQ(r.json["messages"].size(), 1u);
        else
            EXPECT_TRUE(r.json["messages"].empty()) << r.json["messages"].dump();
        EXPECT_EQ(r.json["results"]["CalcVariant"], c.calcVariant);
        EXPECT_GT(r.json["results"]["FanGasVolumeExps"].get<double>(), 0);
        EXPECT_EQ(r.json["segments"].size(), 2u);
        EXPECT_EQ(r.rtf.back(), '}');
    }
}

// The checks outside their limits reach stderr and the JSON messages as warnings; the run
// still ends with its duty point and exit 0.
TEST_F(ExhaustRunnerTest, SpeedWarningsReachStderrAndJson) {
    const RunResult r = RunCalc(EXAMPLES_DIR "/gallery.smkprj", dir);
    ASSERT_EQ(r.exit, kExitOk) << r.err;
    const std::string warning = "Скорость газов в открытом клапане (участок 1): 32,14 м/с — выше "
                                "20 м/с, проверьте сечения.";
    EXPECT_EQ(r.err, "Предупреждение: " + warning + "\n");
    EXPECT_EQ(r.out, "L = 243377 м³/ч, P = 1562 Па\n");
    ASSERT_EQ(r.json["messages"].size(), 1u);
    EXPECT_EQ(r.json["messages"][0]["kind"], "warning");
    EXPECT_EQ(r.json["messages"][0]["text"], warning);
}

TEST_F(ExhaustRunnerTest, DefaultCorridorDutyPointAndUnroundedResults) {
    const RunResult r = RunCalc(EXAMPLES_DIR "/corridor.smkprj", dir);
    EXPECT_EQ(r.out, "L = 17565 м³/ч, P = 593 Па\n");
    EXPECT_DOUBLE_EQ(r.json["results"]["GasMassExps"].get<double>(), 1.2 * 2 * std::sqrt(2.0));
    EXPECT_EQ(r.json["results"]["FireLoad"]["Name"], "Мебель: дерево + облицовка");
    EXPECT_EQ(r.json["results"]["DoorSizes"][0][1], 2.1);
    EXPECT_EQ(r.json["segments"][0]["HorMaterialIndx"], "matMetal");
}

TEST_F(ExhaustRunnerTest, ExitCodesFollowHowTheRunEnded) {
    // an input step refuses the value: report and JSON up to the stop
    std::string corridor;
    ASSERT_TRUE(ReadFileBytes(EXAMPLES_DIR "/corridor.smkprj", corridor).ok);
    corridor.replace(corridor.find("NoSmkH=2,5"), 10, "NoSmkH=6");
    RunResult r = RunCalc(Project("stop.smkprj", corridor), dir);
    EXPECT_EQ(r.exit, kExitInputStopped);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.json["ok"], false);
    EXPECT_EQ(r.json["messages"].back()["kind"], "error");
    EXPECT_EQ(r.json["messages"].back()["text"],
              "Высота незадымляемой зоны Hнз должна быть > 0 и\rне более высоты потолка коридора "
              "hк.");
    EXPECT_EQ(r.json["results"]["NoSmokeHeight"], 6);
    EXPECT_EQ(r.rtf.back(), '}');

    // a room too wide for a finite smoke flow: the guard, exit 3, zero duty point
    r = RunCalc(Project("guard.smkprj", "[Room]\r\nVariant=2\r\nRoomW=1E300\r\n[FLoad]\r\n"
                                        "BurnEnergy=14\r\nFireSpeed=0,01\r\nSBurnSpeed=0,01\r\n"
                                        "[Shaft0]\r\n[Shaft1]\r\n"),
                dir);
    EXPECT_EQ(r.exit, kExitNoDutyPoint);
    EXPECT_EQ(r.json["ok"], false);
    EXPECT_EQ(r.json["results"]["FanGasVolumeExps"], 0);
    EXPECT_EQ(r.json["messages"].back()["text"],
              "Расчёт прерван: получено недопустимое значение. Проверьте исходные данные.");

    // nothing that is a project: exit 2, nothing written
    r = RunCalc(Project("junk.smkprj", "not a project"), dir);
    EXPECT_EQ(r.exit, kExitUsage);
    EXPECT_NE(r.err.find("не является проектом расчета дымоудаления"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "out.rtf"));
    r = RunCalc((dir / "missing.smkprj").string(), dir);
    EXPECT_EQ(r.exit, kExitUsage);
}

// A value its field's range refuses stops the run before anything is computed or written: the
// message names the field, its section and key and the text. Values that computed before.
TEST_F(ExhaustRunnerTest, ValueOutsideItsFieldRangeIsRefusedNamingTheKey) {
    std::string room;
    ASSERT_TRUE(ReadFileBytes(EXAMPLES_DIR "/room.smkprj", room).ok);
    struct Case {
        const char *line;  // the example's line
        const char *value; // put in its place
        const char *message;
    };
    const Case cases[] = {
        {"ExhaustGasSpeed=20", "ExhaustGasSpeed=-1",
         "Поле «Скорость истечения продуктов горения из выбросного устройства» ([ShaftEnd] "
         "ExhaustGasSpeed): нужно число не меньше 0, в файле «-1»."},
        {"RoomW=4", "RoomW=0", "Поле «Ширина» ([Room] RoomW): нужно число больше 0, в файле «0»."},
        {"FloorA=20", "FloorA=-20", nullptr}, // the length form reads no floor area
        {"AirTmp=20", "AirTmp=-273",
         "Поле «Температура воздуха в помещении» ([Room] AirTmp): нужно число больше -273, в "
         "файле «-273»."},
        {"AirTmpComp=-26", "AirTmpComp=-300",
         "Поле «Температура наружного воздуха для расчета компенсации» ([Outside] AirTmpComp): "
         "нужно число больше -273, в файле «-300»."},
        {"FireA=0", "FireA=-5",
         "Поле «Площадь очага пожара» ([Room] FireA): нужно число не меньше 0 или пустое поле, в "
         "файле «-5»."},
        {"HeatK=0,75", "HeatK=1,5",
         "Поле «Коэффициент теплопотерь на излучение» ([FPlace] HeatK): нужно число от 0 до 1, в "
         "файле «1,5»."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        std::string bytes = room;
        const size_t at = bytes.find(std::string("\n") + c.line + "\r");
        ASSERT_NE(at, std::string::npos);
        bytes.replace(at + 1, std::string(c.line).size(), c.value);
        const RunResult r = RunCalc(Project("range.smkprj", bytes), dir);
        if (!c.message) {
            EXPECT_EQ(r.exit, kExitOk) << r.err;
            continue;
        }
        EXPECT_EQ(r.exit, kExitInputStopped);
        EXPECT_EQ(r.err, "Ошибка: " + std::string(c.message) + "\n");
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(fs::exists(dir / "out.rtf"));
        EXPECT_FALSE(fs::exists(dir / "out.json"));
    }
}

// A segment value that is no number of its range stops the batch as a refused field does.
TEST_F(ExhaustRunnerTest, SegmentValueOutsideItsRangeIsRefusedNamingSegmentAndKey) {
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(EXAMPLES_DIR "/corridor.smkprj", bytes).ok);
    const size_t at = bytes.find("VL=3", bytes.find("[Shaft1]"));
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 4, "VL=-3");
    RunResult r = RunCalc(Project("segment.smkprj", bytes), dir);
    EXPECT_EQ(r.exit, kExitInputStopped);
    EXPECT_EQ(r.err, "Ошибка: Участок сети 2, поле «Вертикальный участок: длина L» ([Shaft1] VL): "
                     "нужно число больше 0, в файле «-3».\n");
    EXPECT_TRUE(r.out.empty());
    EXPECT_FALSE(fs::exists(dir / "out.rtf"));
    EXPECT_FALSE(fs::exists(dir / "out.json"));

    bytes.replace(bytes.find("ValveW=800"), 10, "ValveW=abc");
    r = RunCalc(Project("segment.smkprj", bytes), dir);
    EXPECT_EQ(r.exit, kExitInputStopped);
    EXPECT_NE(r.err.find("Участок сети 1, поле «Клапан: ширина» ([Shaft0] ValveW)"),
              std::string::npos)
        << r.err;
}

// Control characters typed or pasted into names: none reaches the report raw.
TEST_F(ExhaustRunnerTest, ControlCharactersInNamesAreEscapedInTheReport) {
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(EXAMPLES_DIR "/room.smkprj", bytes).ok);
    const std::string controls("\x01\x02\x08\x0b\x0c\x1b\x1f\0", 8);
    for (const std::string key : {"Name=", "System=", "FLName=", "FLDName=", "Storey="}) {
        for (size_t at = bytes.find("\n" + key); at != std::string::npos;
             at = bytes.find("\n" + key, at + 1))
            bytes.insert(at + 1 + key.size(), "A" + controls + "B");
    }
    const RunResult r = RunCalc(Project("controls.smkprj", bytes), dir);
    ASSERT_EQ(r.exit, kExitOk) << r.err;
    ASSERT_NE(r.rtf.find("A\\'01\\'02\\'08\\'0b\\'0c\\'1b\\'1fB"), std::string::npos);
    for (const char c : r.rtf) {
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_TRUE(byte >= 0x20 || c == '\r' || c == '\n' || c == '\t') << int(byte);
    }
}

TEST_F(ExhaustRunnerTest, BriefClearsTheDetailedReport) {
    const RunResult detailed = RunCalc(EXAMPLES_DIR "/room.smkprj", dir);
    const RunResult brief = RunCalc(EXAMPLES_DIR "/room.smkprj", dir, true);
    EXPECT_EQ(detailed.json["results"]["Detailed"], true);
    EXPECT_EQ(brief.json["results"]["Detailed"], false);
    EXPECT_EQ(brief.out, detailed.out);
}

} // namespace
} // namespace orvane::cli
