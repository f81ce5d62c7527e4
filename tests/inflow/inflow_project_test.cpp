#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "core/codepage.h"
#include "core/ini_file.h"
#include "core/number_text.h"
#include "inflow/inflow_project.h"

using namespace orvane;
using namespace orvane::inflow;

namespace {

constexpr const char *kDate = "10.12.2026 4:27:05";

struct ProjectTest : ::testing::Test {
    void SetUp() override { SetDecimalSeparator(','); }
    static std::string Save(const InflowInputs &in, InflowCalc *calc = nullptr) {
        std::string error;
        auto bytes = InflowProjectBytes(in, calc, kDate, &error);
        EXPECT_TRUE(bytes.has_value()) << error;
        return bytes.value_or("");
    }
    static InflowInputs WithVariant(const char *radio) {
        InflowInputs in = InflowInputs::Defaults();
        in.check(radio);
        return in;
    }
};

std::string Cp1251(std::string_view utf8) {
    return Utf8ToCp1251(utf8).value();
}

} // namespace

TEST_F(ProjectTest, DefaultSaveOfEveryVariantRoundTripsByteForByte) {
    for (const char *radio : {"rbOverGndStair", "rbUnderGndStair", "rbLift", "rbTambour"}) {
        SCOPED_TRACE(radio);
        const std::string first = Save(WithVariant(radio));
        ASSERT_EQ(first.rfind("\r\n# Inflow Smoke Removal Project\r\n# Created by Orvane, v.5.1 / "
                              "2024.02 (Tamso, Nolt) on 10.12.2026 4:27:05\r\n\r\n[Project]\r\n",
                              0),
                  0u);
        EXPECT_EQ(first.substr(first.size() - 2), "\r\n");

        InflowInputs reopened = InflowInputs::Defaults();
        InflowCalc calc;
        ASSERT_TRUE(OpenInflowProjectBytes(first, "p.isrprj", reopened, &calc).ok);
        EXPECT_EQ(ReadCalcVariant(reopened), ReadCalcVariant(WithVariant(radio)));
        EXPECT_EQ(Save(reopened), first);
    }
}

TEST_F(ProjectTest, DefaultLiftProjectHoldsItsKeys) {
    const IniFile ini = IniFile::FromBytes(Save(WithVariant("rbLift")));
    size_t count = 0;
    for (const char *section : {"Terms", "Building", "Shaft", "Air", "FanData"}) {
        ASSERT_TRUE(ini.hasSection(section)) << section;
    }
    const char *keys[][2] = {
        {"Terms", "Term2"},
        {"Terms", "Term3"},
        {"Terms", "Term4"},
        {"Terms", "Term5"},
        {"Terms", "LMethod"},
        {"Building", "OGFloorQty"},
        {"Building", "Floor2L"},
        {"Building", "OGFloorH"},
        {"Building", "UGFloorQty"},
        {"Building", "UGFloorH"},
        {"Shaft", "LLvlStart"},
        {"Shaft", "LLvlFinish"},
        {"Shaft", "LShaftDoorA"},
        {"Shaft", "LHallDoorA"},
        {"Shaft", "LShaftDoorH"},
        {"Shaft", "LCageQty"},
        {"Shaft", "LHallDoorQty"},
        {"Shaft", "LCageXil"},
        {"Shaft", "LHallDoorXid"},
        {"Shaft", "LCageA"},
        {"Shaft", "LShaftA"},
        {"Shaft", "LShaftDoorSR"},
        {"Shaft", "LHallDoorSR"},
        {"Shaft", "LMuGap"},
        {"Shaft", "LFmu1"},
        {"Shaft", "LUnit1"},
        {"Shaft", "LUnit1Value"},
        {"Shaft", "LFmu2"},
        {"Shaft", "LUnit2"},
        {"Shaft", "LUnit2Value"},
        {"Shaft", "LFmu3"},
        {"Shaft", "LUnit3"},
        {"Shaft", "LUnit3Value"},
        {"Air", "AirTempO"},
        {"Air", "AirTempI"},
        {"Air", "WindSpeed"},
        {"Air", "KWW"},
        {"Air", "KW0"},
        {"FanData", "LPplus"},
        {"FanData", "H0Above"},
        {"FanData", "PipeSizeA"},
        {"FanData", "PipeSizeB"},
        {"FanData", "PipeLen"},
        {"FanData", "PipeIsRect"},
        {"FanData", "PipeEpsilon"},
        {"FanData", "PipeXi"},
    };
    for (const auto &k : keys)
        count += ini.value(k[0], k[1]).has_value();
    EXPECT_EQ(count, 46u);
    EXPECT_EQ(ini.readString("Shaft", "LLvlStart"), "0");
    EXPECT_EQ(ini.readString("Shaft", "LLvlFinish"), "0");
    EXPECT_EQ(ini.readString("Shaft", "LCageXil"), "0");
    EXPECT_EQ(ini.readString("Shaft", "LShaftDoorSR"), "0");
    EXPECT_EQ(ini.readString("Shaft", "LHallDoorSR"), "0");
    EXPECT_EQ(ini.readString("FanData", "H0Above"), "3");
    EXPECT_EQ(ini.readString("Shaft", "LShaftDoorA"), "1,89");
}

TEST_F(ProjectTest, HandMadeWindows1251FileOpensWithItsNamesAndEitherSeparator) {
    const std::string file = "\r\n# hand-made\r\n[project]\r\nName=" + Cp1251("Жилой дом №5") +
                             "\r\nSystem=" + Cp1251("ПД1") +
                             "\r\nVariant=sw-ug\r\n[Building]\r\nFloorQty=2\r\nFloorH=-3.5\r\n"
                             "[Air]\r\nKWW=0.7\r\nKW0=-0,5\r\nAirTempI=abc\r\n"
                             "[StairWell]\r\nDoorGasProof=1\r\nDoorResist=0\r\n";
    InflowInputs in = InflowInputs::Defaults();
    InflowCalc calc;
    ASSERT_TRUE(OpenInflowProjectBytes(file, "x.isrprj", in, &calc).ok);
    EXPECT_EQ(in.text("EditProjectName"), "Жилой дом №5");
    EXPECT_EQ(in.text("EditSystemName"), "ПД1");
    EXPECT_TRUE(in.isChecked("rbUnderGndStair"));
    EXPECT_FALSE(in.isChecked("rbOverGndStair"));
    EXPECT_EQ(in.text("EditUGFloorQty"), "2");
    EXPECT_EQ(in.text("EditUGFloorHeight"), "-3,5");
    EXPECT_EQ(in.text("EditKoefWW"), "0,7");
    EXPECT_EQ(calc.KoefW0, -0.5);
    EXPECT_EQ(in.text("EditInsideAirTemp"), "16"); // unreadable value: the key's default
    EXPECT_EQ(in.text("EditWindSpeed"), "5");      // missing key: the key's default
    EXPECT_TRUE(in.isChecked("rbDoorIsGasProof"));
    EXPECT_EQ(in.text("EditClosedDoorSpecResist"), "");
    // the above-ground page is not touched by an underground project
    EXPECT_EQ(in.text("EditOGFloorQty"), "12");

    SetDecimalSeparator('.');
    InflowInputs dot = InflowInputs::Defaults();
    ASSERT_TRUE(OpenInflowProjectBytes(file, "x.isrprj", dot).ok);
    EXPECT_EQ(dot.text("EditKoefW0"), "-0.5");
}

TEST_F(ProjectTest, UnreadableFilesLeaveTheInputsAsTheyWere) {
    InflowInputs in = InflowInputs::Defaults();
    in.setText("EditProjectName", "Мой проект");
    const InflowInputs before = in;
    const std::string missing = (std::filesystem::temp_directory_path() / "нет такого.isrprj");
    const std::string folder = std::filesystem::temp_directory_path();
    const std::string unread = "Файл проекта приточного ДУ не может быть прочитан (";
    for (const auto &[bytes, path, error] :
         {std::tuple<std::string, std::string, std::string>{
              "", missing, unread + "нет такого файла или папки):\r" + missing},
          {"", folder, unread + "это папка, а не файл):\r" + folder},
          {"[Building]\r\nFloorQty=3\r\n", "no-project.isrprj",
           "Файл не является проектом приточного ДУ или не может быть "
           "прочитан:\rno-project.isrprj"}}) {
        const ProjectFileResult r =
            bytes.empty() ? OpenInflowProject(path, in) : OpenInflowProjectBytes(bytes, path, in);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, error);
        EXPECT_EQ(in.edits, before.edits);
        EXPECT_EQ(in.checks, before.checks);
    }
}

TEST_F(ProjectTest, ReadingAppliesTheKeysRules) {
    struct Case {
        const char *body;
        const char *control;
        const char *shown;
    } cases[] = {
        {"Variant=LIFT\r\n", "EditLiftLevelStart", "2"},   // no [Shaft]: read defaults
        {"Variant=lift\r\n", "EditLiftLevelFinish", "16"}, // the code in any case
        {"Variant=LIFT\r\n", "EditLiftCageQty", "3"},
        {"Variant=LIFT\r\n[Shaft]\r\nLLvlStart=-2\r\n", "EditLiftLevelStart", "-2"},
        {"Variant=LIFT\r\n[Shaft]\r\nLCageXil=0\r\n", "EditLiftCageKoefXil", "0"},
        {"Variant=SW-OG\r\n[Building]\r\nSWN1z=-4\r\nSWN2z=7\r\n", "EditSWN1z", ""},
        {"Variant=SW-OG\r\n[Building]\r\nSWN2z=7\r\n", "EditSWN2z", "7"},
        {"Variant=nonsense\r\n[Building]\r\nFloorQty=x\r\n", "EditOGFloorQty", "9"},
        // values the general form writes with an exponent are shown so a run reads them back
        {"Variant=TAMBOUR\r\n[Pipe]\r\nPipeProof=5E-5\r\n", "EditTmbrVPipeProof", "0,00005"},
        {"Variant=SW-OG\r\n[Air]\r\nKWW=-1.25E-7\r\n", "EditKoefWW", "-0,000000125"},
        {"Variant=SW-OG\r\n[Air]\r\nGasMExps=2E16\r\n", "EditGasMassExps", "20000000000000000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.body);
        InflowInputs in = InflowInputs::Defaults();
        ASSERT_TRUE(OpenInflowProjectBytes(std::string("[Project]\r\n") + c.body, "p", in).ok);
        EXPECT_EQ(in.text(c.control), c.shown);
    }

    InflowInputs in = InflowInputs::Defaults();
    InflowCalc calc;
    ASSERT_TRUE(OpenInflowProjectBytes("[Project]\r\nVariant=LIFT\r\n[Terms]\r\nLMethod=7\r\n"
                                       "[Shaft]\r\nLUnit2=5\r\n",
                                       "p", in, &calc)
                    .ok);
    EXPECT_TRUE(in.isChecked("rbLiftMethodClosed"));
    EXPECT_EQ(calc.LiftMethod, 3);
    EXPECT_EQ(in.comboIndex("cbLiftUnit2"), 1);

    ASSERT_TRUE(OpenInflowProjectBytes("[Project]\r\nVariant=SW-OG\r\n[StairWell]\r\n"
                                       "WinPenetVar=9\r\n[Terms]\r\nTerm2=0\r\n",
                                       "p", in, &calc)
                    .ok);
    EXPECT_EQ(in.comboIndex("cbWinPenetrationVar"), 0);
    EXPECT_TRUE(in.isChecked("rbSWWOExit"));
    EXPECT_TRUE(in.isChecked("rbSWJoinWall")); // Term1 missing: default 1
}

TEST_F(ProjectTest, TambourKeepsTheChannelSizeApartFromTheDuctDiameter) {
    InflowInputs in = WithVariant("rbTambour");
    in.setText("EditTmbrSizeA", "700");
    in.setText("EditTmbrAPipeDiam", "450");
    const std::string bytes = Save(in);
    const IniFile ini = IniFile::FromBytes(bytes);
    EXPECT_EQ(ini.readString("Pipe", "PipeSizeA"), "450");
    EXPECT_EQ(ini.readString("Pipe", "VPipeSizeA"), "700");

    InflowInputs back = InflowInputs::Defaults();
    ASSERT_TRUE(OpenInflowProjectBytes(bytes, "t", back).ok);
    EXPECT_EQ(back.text("EditTmbrSizeA"), "700");
    EXPECT_EQ(back.text("EditTmbrAPipeDiam"), "450");

    // a file from a writer that knows only PipeSizeA gives both the one value it holds
    InflowInputs old = InflowInputs::Defaults();
    ASSERT_TRUE(OpenInflowProjectBytes(
                    "[Project]\r\nVariant=TAMBOUR\r\n[Pipe]\r\nPipeSizeA=550\r\n", "t", old)
                    .ok);
    EXPECT_EQ(old.text("EditTmbrSizeA"), "550");
    EXPECT_EQ(old.text("EditTmbrAPipeDiam"), "550");
}

TEST_F(ProjectTest, SavingCleansValuesAndStoresThemInTheFields) {
    InflowInputs in = WithVariant("rbUnderGndStair");
    in.setText("EditUGFloorHeight", "-3,5 м");
    in.setText("EditUGFloorQty", "5 эт.");
    InflowCalc calc;
    const IniFile ini = IniFile::FromBytes(Save(in, &calc));
    EXPECT_EQ(ini.readString("Building", "FloorH"), "3,5");
    EXPECT_EQ(ini.readString("Building", "FloorQty"), "5");
    EXPECT_EQ(calc.UGFloorHeight, 3.5);
    EXPECT_EQ(calc.UGFloorQty, 5);
    EXPECT_EQ(calc.CalcVariant, TCalcVariant::cvrntUnderGndStair);
}

TEST_F(ProjectTest, NameWindows1251CannotHoldIsNotSavedAsQuestionMarks) {
    InflowInputs in = InflowInputs::Defaults();
    in.setText("EditSystemName", "ПД1 通风");
    std::string error;
    EXPECT_FALSE(InflowProjectBytes(in, nullptr, kDate, &error).has_value());
    EXPECT_NE(error.find("Наименование вентиляционной системы"), std::string::npos) << error;

    const auto dir = std::filesystem::temp_directory_path() / "orvane_inflow_project_test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "p.isrprj").string();
    std::filesystem::remove(path);
    EXPECT_FALSE(SaveInflowProject(path, in, nullptr, kDate).ok);
    EXPECT_FALSE(std::filesystem::exists(path));
    in.setText("EditSystemName", "ПД1");
    EXPECT_TRUE(SaveInflowProject(path, in, nullptr, kDate).ok);
    InflowInputs back = InflowInputs::Defaults();
    EXPECT_TRUE(OpenInflowProject(path, back).ok);
    EXPECT_EQ(back.text("EditSystemName"), "ПД1");
    std::filesystem::remove_all(dir);
}

TEST_F(ProjectTest, ChosenNameGetsTheExtensionOnlyWhenItHasNone) {
    EXPECT_EQ(WithProjectExtension("proj"), "proj.isrprj");
    EXPECT_EQ(WithProjectExtension("proj.txt"), "proj.txt");
    EXPECT_EQ(WithProjectExtension("/tmp/a.b/proj"), "/tmp/a.b/proj.isrprj");
}

TEST_F(ProjectTest, BundledExamplesOpenAsTheirVariants) {
    for (auto [file, radio] : {std::pair{"/sw_og.isrprj", "rbOverGndStair"},
                               std::pair{"/sw_ug.isrprj", "rbUnderGndStair"}}) {
        InflowInputs in = InflowInputs::Defaults();
        in.check("rbLift");
        ASSERT_TRUE(OpenInflowProject(std::string(EXAMPLES_DIR) + file, in).ok) << file;
        EXPECT_TRUE(in.isChecked(radio)) << file;
        // the examples hold the start values
        EXPECT_EQ(in.edits, WithVariant(radio).edits);
    }
}
