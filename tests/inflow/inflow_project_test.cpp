#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "core/codepage.h"
#include "core/field_check.h"
#include "core/ini_file.h"
#include "core/number_text.h"
#include "inflow/inflow_project.h"
#include "inflow_test_support.h"

using namespace orvane;
using namespace orvane::inflow;

namespace {

constexpr const char *kDate = "10.12.2026 4:27:05";

struct SupplyProjectTest : ::testing::Test {
    void SetUp() override { SetDecimalSeparator(','); }
    static std::string Save(const InflowInputs &in) {
        std::string error;
        auto bytes = ProjectBytesOf(in, kDate, &error);
        EXPECT_TRUE(bytes.has_value()) << error;
        return bytes.value_or("");
    }
};

std::string Cp1251(std::string_view utf8) {
    return Utf8ToCp1251(utf8).value();
}

} // namespace

TEST_F(SupplyProjectTest, DefaultSaveOfEveryVariantRoundTripsByteForByte) {
    for (ControlName radio : {ctl::rbOverGndStair, ctl::rbUnderGndStair, ctl::rbLift, ctl::rbTambour}) {
        SCOPED_TRACE(radio);
        const std::string first = Save(DefaultsFor(radio));
        ASSERT_EQ(first.rfind("\r\n# Inflow Smoke Removal Project\r\n# Created by Orvane, v.5.1 / "
                              "2024.02 (Tamso, Nolt) on 10.12.2026 4:27:05\r\n\r\n[Project]\r\n",
                              0),
                  0u);
        EXPECT_EQ(first.substr(first.size() - 2), "\r\n");

        InflowInputs reopened = InflowInputs::Defaults();
        ASSERT_TRUE(ReadProjectBytes(first, reopened, "p.isrprj").ok);
        EXPECT_EQ(ChosenVariant(reopened), ChosenVariant(DefaultsFor(radio)));
        EXPECT_EQ(Save(reopened), first);
    }
}

TEST_F(SupplyProjectTest, DefaultLiftProjectHoldsItsKeys) {
    const IniFile ini = IniFile::FromBytes(Save(DefaultsFor(ctl::rbLift)));
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

TEST_F(SupplyProjectTest, HandMadeWindows1251FileOpensWithItsNamesAndEitherSeparator) {
    const std::string file = "\r\n# hand-made\r\n[project]\r\nName=" + Cp1251("Жилой дом №5") +
                             "\r\nSystem=" + Cp1251("ПД1") +
                             "\r\nVariant=sw-ug\r\n[Building]\r\nFloorQty=2\r\nFloorH=-3.5\r\n"
                             "[Air]\r\nKWW=0.7\r\nKW0=-0,5\r\nAirTempI=abc\r\n"
                             "[StairWell]\r\nDoorGasProof=1\r\nDoorResist=0\r\n";
    InflowInputs in = InflowInputs::Defaults();
    ASSERT_TRUE(ReadProjectBytes(file, in, "x.isrprj").ok);
    EXPECT_EQ(in.Text(ctl::EditProjectName), "Жилой дом №5");
    EXPECT_EQ(in.Text(ctl::EditSystemName), "ПД1");
    EXPECT_TRUE(in.IsChecked(ctl::rbUnderGndStair));
    EXPECT_FALSE(in.IsChecked(ctl::rbOverGndStair));
    EXPECT_EQ(in.Text(ctl::EditUGFloorQty), "2");
    EXPECT_EQ(in.Text(ctl::EditUGFloorHeight), "-3,5");
    EXPECT_EQ(in.Text(ctl::EditKoefWW), "0,7");
    EXPECT_EQ(in.Text(ctl::EditKoefW0), "-0,5");
    EXPECT_EQ(in.Text(ctl::EditInsideAirTemp), "abc"); // no number: shown as read, to be mended
    EXPECT_EQ(in.Text(ctl::EditWindSpeed), "5");       // missing key: the key's default
    EXPECT_TRUE(in.IsChecked(ctl::rbDoorIsGasProof));
    EXPECT_EQ(in.Text(ctl::EditClosedDoorSpecResist), "");
    // the above-ground page is not touched by an underground project
    EXPECT_EQ(in.Text(ctl::EditOGFloorQty), "12");

    SetDecimalSeparator('.');
    InflowInputs dot = InflowInputs::Defaults();
    ASSERT_TRUE(ReadProjectBytes(file, dot, "x.isrprj").ok);
    EXPECT_EQ(dot.Text(ctl::EditKoefW0), "-0.5");
}

TEST_F(SupplyProjectTest, UnreadableFilesLeaveTheInputsAsTheyWere) {
    InflowInputs in = InflowInputs::Defaults();
    in.SetText(ctl::EditProjectName, "Мой проект");
    const InflowInputs before = in;
    const std::string folder = test::MakeTempFolder("orvane_inflow_unread_");
    ASSERT_FALSE(folder.empty());
    const std::string missing = folder + "/нет такого.isrprj";
    const std::string unread = "Файл проекта приточного ДУ не может быть прочитан (";
    for (const auto &[bytes, path, error] :
         {std::tuple<std::string, std::string, std::string>{
              "", missing, unread + "нет такого файла или папки):\r" + missing},
          {"", folder, unread + "это папка, а не файл):\r" + folder},
          {"[Building]\r\nFloorQty=3\r\n", "no-project.isrprj",
           "Файл не является проектом приточного ДУ или не может быть "
           "прочитан:\rno-project.isrprj"}}) {
        const ProjectResult r =
            bytes.empty() ? LoadProject(path, in) : ReadProjectBytes(bytes, in, path);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, error);
        EXPECT_EQ(in.Edits(), before.Edits());
        EXPECT_EQ(in.Checks(), before.Checks());
    }
    std::filesystem::remove_all(folder);
}

TEST_F(SupplyProjectTest, ReadingAppliesTheKeysRules) {
    struct Case {
        const char *body;
        ControlName control;
        const char *shown;
    } cases[] = {
        {"Variant=LIFT\r\n", ctl::EditLiftLevelStart, "2"},   // no [Shaft]: read defaults
        {"Variant=lift\r\n", ctl::EditLiftLevelFinish, "16"}, // the code in any case
        {"Variant=LIFT\r\n", ctl::EditLiftCageQty, "3"},
        {"Variant=LIFT\r\n[Shaft]\r\nLLvlStart=-2\r\n", ctl::EditLiftLevelStart, "-2"},
        {"Variant=LIFT\r\n[Shaft]\r\nLCageXil=0\r\n", ctl::EditLiftCageKoefXil, "0"},
        {"Variant=SW-OG\r\n[Building]\r\nSWN1z=-4\r\nSWN2z=7\r\n", ctl::EditSWN1z, ""},
        {"Variant=SW-OG\r\n[Building]\r\nSWN2z=7\r\n", ctl::EditSWN2z, "7"},
        {"Variant=nonsense\r\n[Building]\r\nFloorQty=x\r\n", ctl::EditOGFloorQty, "x"},
        {"Variant=nonsense\r\n[Building]\r\nFloorQty=17.5\r\n", ctl::EditOGFloorQty, "17.5"},
        // values the general form writes with an exponent are shown so a run reads them back
        {"Variant=TAMBOUR\r\n[Pipe]\r\nPipeProof=5E-5\r\n", ctl::EditTmbrVPipeProof, "0,00005"},
        {"Variant=SW-OG\r\n[Air]\r\nKWW=-1.25E-7\r\n", ctl::EditKoefWW, "-0,000000125"},
        {"Variant=SW-OG\r\n[Air]\r\nGasMExps=2E16\r\n", ctl::EditGasMassExps, "20000000000000000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.body);
        InflowInputs in = InflowInputs::Defaults();
        ASSERT_TRUE(ReadProjectBytes(std::string("[Project]\r\n") + c.body, in, "p").ok);
        EXPECT_EQ(in.Text(c.control), c.shown);
    }

    InflowInputs in = InflowInputs::Defaults();
    ASSERT_TRUE(ReadProjectBytes("[Project]\r\nVariant=LIFT\r\n[Terms]\r\nLMethod=7\r\n"
                                       "[Shaft]\r\nLUnit2=5\r\n", in, "p")
                    .ok);
    EXPECT_TRUE(in.IsChecked(ctl::rbLiftMethodClosed));
    {
        InflowInputs run = in;
        InflowCalc calc;
        calc.Run(run);
        EXPECT_EQ(calc.Lift().Inputs().Method, LiftMethod::closedDoors);
    }
    EXPECT_EQ(in.ComboIndex(ctl::cbLiftUnit2), 1);

    ASSERT_TRUE(ReadProjectBytes("[Project]\r\nVariant=SW-OG\r\n[StairWell]\r\n"
                                       "WinPenetVar=9\r\n[Terms]\r\nTerm2=0\r\n", in, "p")
                    .ok);
    EXPECT_EQ(in.ComboIndex(ctl::cbWinPenetrationVar), 0);
    EXPECT_TRUE(in.IsChecked(ctl::rbSWWOExit));
    EXPECT_TRUE(in.IsChecked(ctl::rbSWJoinWall)); // Term1 missing: default 1
}

TEST_F(SupplyProjectTest, TambourKeepsTheChannelSizeApartFromTheDuctDiameter) {
    InflowInputs in = DefaultsFor(ctl::rbTambour);
    in.SetText(ctl::EditTmbrSizeA, "700");
    in.SetText(ctl::EditTmbrAPipeDiam, "450");
    const std::string bytes = Save(in);
    const IniFile ini = IniFile::FromBytes(bytes);
    EXPECT_EQ(ini.readString("Pipe", "PipeSizeA"), "450");
    EXPECT_EQ(ini.readString("Pipe", "VPipeSizeA"), "700");

    InflowInputs back = InflowInputs::Defaults();
    ASSERT_TRUE(ReadProjectBytes(bytes, back, "t").ok);
    EXPECT_EQ(back.Text(ctl::EditTmbrSizeA), "700");
    EXPECT_EQ(back.Text(ctl::EditTmbrAPipeDiam), "450");

    // a file from a writer that knows only PipeSizeA gives both the one value it holds
    InflowInputs old = InflowInputs::Defaults();
    ASSERT_TRUE(ReadProjectBytes("[Project]\r\nVariant=TAMBOUR\r\n[Pipe]\r\nPipeSizeA=550\r\n", old, "t")
                    .ok);
    EXPECT_EQ(old.Text(ctl::EditTmbrSizeA), "550");
    EXPECT_EQ(old.Text(ctl::EditTmbrAPipeDiam), "550");
}

TEST_F(SupplyProjectTest, SavingStoresNumbersAndKeepsARefusedTextAsTyped) {
    InflowInputs in = DefaultsFor(ctl::rbUnderGndStair);
    in.SetText(ctl::EditUGFloorHeight, "-3.5");
    in.SetText(ctl::EditUGFloorQty, "5 эт.");
    std::string bytes = Save(in);
    IniFile ini = IniFile::FromBytes(bytes);
    EXPECT_EQ(ini.readString("Building", "FloorH"), "3,5");
    // a text the field refuses is neither cleaned to 5 nor lost: it opens flagged as typed
    EXPECT_EQ(ini.readString("Building", "FloorQty"), "5 эт.");
    InflowInputs refused = InflowInputs::Defaults();
    ASSERT_TRUE(ReadProjectBytes(bytes, refused, "p").ok);
    EXPECT_EQ(refused.Text(ctl::EditUGFloorQty), "5 эт.");
    ASSERT_TRUE(FindInvalidInput(refused));
    EXPECT_EQ(FindInvalidInput(refused)->field->control, ctl::EditUGFloorQty);

    in.SetText(ctl::EditUGFloorQty, "5");
    bytes = Save(in);
    ini = IniFile::FromBytes(bytes);
    EXPECT_EQ(ini.readString("Building", "FloorQty"), "5");
    // the saved values are the ones a run of the reopened project computes with
    InflowInputs back = InflowInputs::Defaults();
    ASSERT_TRUE(ReadProjectBytes(bytes, back, "p").ok);
    InflowCalc calc;
    ASSERT_EQ(calc.Run(back), RunOutcome::ok);
    EXPECT_EQ(calc.UndergroundStair().Inputs().FloorHeight, 3.5);
    EXPECT_EQ(calc.UndergroundStair().Inputs().FloorCount, 5);
    EXPECT_EQ(calc.Variant, SupplyVariant::undergroundStair);
}

TEST_F(SupplyProjectTest, NameWindows1251CannotHoldIsNotSavedAsQuestionMarks) {
    InflowInputs in = InflowInputs::Defaults();
    in.SetText(ctl::EditSystemName, "ПД1 通风");
    std::string error;
    EXPECT_FALSE(ProjectBytesOf(in, kDate, &error).has_value());
    EXPECT_NE(error.find("Наименование вентиляционной системы"), std::string::npos) << error;

    const std::string dir = test::MakeTempFolder("orvane_inflow_project_");
    ASSERT_FALSE(dir.empty());
    const std::string path = dir + "/p.isrprj";
    EXPECT_FALSE(SaveProject(path, in).ok);
    EXPECT_FALSE(std::filesystem::exists(path));
    in.SetText(ctl::EditSystemName, "ПД1");
    EXPECT_TRUE(SaveProject(path, in).ok);
    InflowInputs back = InflowInputs::Defaults();
    EXPECT_TRUE(LoadProject(path, back).ok);
    EXPECT_EQ(back.Text(ctl::EditSystemName), "ПД1");
    std::filesystem::remove_all(dir);
}

// Names as long as a project holds are saved and read back; one character more is not saved,
// and a file holding it (made by hand) is refused naming the field, its section and key, with
// the inputs left as they were.
TEST_F(SupplyProjectTest, NamesLongerThanAProjectHoldsAreRefused) {
    std::string longest;
    for (size_t i = 0; i < kMaxTextLength; ++i)
        longest += "Ж";
    for (const auto &[control, field, key] :
         {std::tuple{ctl::EditProjectName, "Наименование проекта", "Name"},
          std::tuple{ctl::EditSystemName, "Наименование вентиляционной системы", "System"}}) {
        InflowInputs in = InflowInputs::Defaults();
        in.SetText(control, longest);
        std::string file = Save(in);
        InflowInputs back = InflowInputs::Defaults();
        ASSERT_TRUE(ReadProjectBytes(file, back, "p.isrprj").ok) << key;
        EXPECT_EQ(back.Text(control), longest);

        in.SetText(control, longest + "ж");
        std::string error;
        EXPECT_FALSE(ProjectBytesOf(in, kDate, &error).has_value());
        EXPECT_EQ(error,
                  "Проект не сохранён: в поле «" + std::string(field) + "» больше 1000 знаков.");

        file.insert(file.find(Cp1251(longest)), Cp1251("ж"));
        InflowInputs target = InflowInputs::Defaults();
        const ProjectResult r = ReadProjectBytes(file, target, "p.isrprj");
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.valueRefused);
        EXPECT_EQ(r.error, "Поле «" + std::string(field) + "» ([Project] " + key +
                               "): нужен текст не длиннее 1000 знаков, в файле 1001 знак.");
        EXPECT_EQ(target.Edits(), InflowInputs::Defaults().Edits());
    }
}

TEST_F(SupplyProjectTest, ChosenNameGetsTheExtensionOnlyWhenItHasNone) {
    EXPECT_EQ(WithProjectExtension("proj"), "proj.isrprj");
    EXPECT_EQ(WithProjectExtension("proj.txt"), "proj.txt");
    EXPECT_EQ(WithProjectExtension("/tmp/a.b/proj"), "/tmp/a.b/proj.isrprj");
}

TEST_F(SupplyProjectTest, BundledExamplesOpenAsTheirVariants) {
    for (auto [file, radio] : {std::pair{"/sw_og.isrprj", ctl::rbOverGndStair},
                               std::pair{"/sw_ug.isrprj", ctl::rbUnderGndStair}}) {
        InflowInputs in = InflowInputs::Defaults();
        in.Check(ctl::rbLift);
        ASSERT_TRUE(LoadProject(std::string(EXAMPLES_DIR) + file, in).ok) << file;
        EXPECT_TRUE(in.IsChecked(radio)) << file;
        // the examples hold the start values
        EXPECT_EQ(in.Edits(), DefaultsFor(radio).Edits());
    }
}

// The ranges refuse no value a user already has: the start values, what a file without a key
// reads and the bundled examples.
TEST_F(SupplyProjectTest, StartValuesKeyDefaultsAndBundledExamplesLieInTheFieldRanges) {
    const auto everyFieldValid = [](const InflowInputs &in) {
        for (const FieldSpec &f : kInflowFields)
            EXPECT_TRUE(IsValidNumberText(RuleOf(f), in.Text(f.control)))
                << f.control << " «" << in.Text(f.control) << "»";
        EXPECT_FALSE(FindInvalidInput(in));
    };
    const std::pair<ControlName, const char *> variants[] = {{ctl::rbOverGndStair, "SW-OG"},
                                                             {ctl::rbUnderGndStair, "SW-UG"},
                                                             {ctl::rbLift, "LIFT"},
                                                             {ctl::rbTambour, "TAMBOUR"}};
    for (const auto &[radio, code] : variants) {
        SCOPED_TRACE(radio);
        everyFieldValid(DefaultsFor(radio));
        InflowInputs bare = DefaultsFor(radio);
        ASSERT_TRUE(
            ReadProjectBytes(std::string("[Project]\r\nVariant=") + code + "\r\n", bare, "p").ok);
        everyFieldValid(bare);
    }
    for (const char *file : {"/sw_og.isrprj", "/sw_ug.isrprj", "/lift.isrprj", "/tambour.isrprj"}) {
        SCOPED_TRACE(file);
        InflowInputs in = InflowInputs::Defaults();
        ASSERT_TRUE(LoadProject(std::string(EXAMPLES_DIR) + file, in).ok);
        everyFieldValid(in);
    }
}
