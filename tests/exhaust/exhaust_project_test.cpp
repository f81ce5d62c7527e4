#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>

#include "catalogs/valves.h"
#include "core/codepage.h"
#include "core/field_check.h"
#include "core/file_io.h"
#include "exhaust/exhaust_project.h"
#include "exhaust_test_support.h"

namespace orvane::exhaust::test {
namespace {

std::string Bytes(const ExhaustInputs &in, const char *date = "10.12.2026 9:00:00") {
    std::string bytes;
    const ProjectResult r = ProjectBytes(in, date, bytes);
    EXPECT_TRUE(r.ok) << r.error;
    return bytes;
}

ExhaustInputs Read(const std::string &bytes) {
    ExhaustInputs in = ExhaustInputs::Defaults();
    const ProjectResult r = ReadProjectBytes(bytes, in, "x.smkprj");
    EXPECT_TRUE(r.ok) << r.error;
    return in;
}

// A project touching every kind of field: area form, names, materials, several segments.
ExhaustInputs Busy(ControlName variant) {
    ExhaustInputs in = DefaultsFor(variant);
    in.SetText(ctl::EditProjectName, "Торговый центр \"Север\"");
    in.SetText(ctl::EditSystemName, "ДУ-2");
    in.SetComboIndex(ctl::cbRoomSizeVariant, 1);
    in.SetText(ctl::EditFloorAreaSH, "412,5");
    in.SetText(ctl::EditRoomWidthSH, "15");
    in.SetText(ctl::EditRoomHeightSH, "6");
    in.DoorGrid[3] = {"1,5", "2,4"};
    in.SetText(ctl::EditFireArea, "12");
    in.SetText(ctl::EditQr, "15");
    in.SetText(ctl::EditParkMaxSmkPerim, "70");
    in.Check(ctl::rbOutTownBuilding);
    in.Check(ctl::rbEndRoofFan);
    NetworkSegment middle = in.Segments[0];
    middle.StoreyName = "Этаж 2";
    middle.Lsh = 3.6;
    middle.MaterialKind = DuctMaterial::brick;
    middle.Material = "Кирпич";
    in.Segments.insert(in.Segments.begin() + 1, middle);
    in.Segments.back().Lww = 12;
    in.Segments.back().HorMaterialKind = DuctMaterial::plaster;
    in.Segments.back().HorMaterial = "Штукатурка";
    return in;
}

class ExhaustProjectTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

class ExhaustProjectRoundTripTest : public ExhaustProjectTest,
                                    public ::testing::WithParamInterface<ControlName> {};

TEST_P(ExhaustProjectRoundTripTest, SaveLoadSaveIsByteIdenticalButTheDate) {
    for (const ExhaustInputs &in : {DefaultsFor(GetParam()), Busy(GetParam())}) {
        const std::string first = Bytes(in, "01.01.2025 0:00:00");
        const std::string second = Bytes(Read(first), "10.12.2026 9:00:00");
        const size_t dateLine = first.find(" on ");
        ASSERT_NE(dateLine, std::string::npos);
        const size_t afterDate = first.find("\r\n", dateLine);
        EXPECT_EQ(first.substr(0, dateLine), second.substr(0, dateLine));
        EXPECT_EQ(first.substr(afterDate), second.substr(second.find("\r\n", dateLine)));
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, ExhaustProjectRoundTripTest,
                         ::testing::Values(ctl::rbCalcCorridor, ctl::rbCalcRoom, ctl::rbCalcGallery,
                                           ctl::rbCalcParking),
                         orvane::test::ParamName());

TEST_F(ExhaustProjectTest, WrittenLayoutHeaderSectionsAndLineEnds) {
    const std::string bytes = Bytes(DefaultsFor(ctl::rbCalcParking));
    const std::string head = "\r\n# Revirid Smoke Removal Project\r\n# Created by Orvane, v.5.1 "
                             "/ 2024.02 (Tamso, Nolt) on 10.12.2026 9:00:00\r\n\r\n[Project]\r\n"
                             "Name=\r\nSystem=\r\n[Room]";
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    EXPECT_NE(bytes.find("[Room]\r\nVariant=5\r\nLiving=0\r\nInTown=1\r\nAUPT=0\r\nFireA=0\r\n"
                         "RSVrnt=0\r\nRoomL=5\r\nRoomW=4\r\nRoomH=3,9\r\nFloorA=20\r\nDoor0W=1\r\n"
                         "Door0H=2,1\r\nDoor1W=0\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("NoSmkH=2,5\r\nAirTmp=20\r\nQr=10\r\n[FLoad]\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("GTopH=3\r\nParkSmkPerimeter=18\r\nParkSmkEquA=20\r\nParkHeatK=0,75\r\n"
                         "[Outside]\r\nAirTmp=26\r\nAirTmpComp=-26\r\nWindSpeed=2\r\n[Shaft]\r\n"
                         "WithShaft=1\r\n[Shaft0]\r\nStorey=\r\nValveW=800\r\nValveH=600\r\n"
                         "ValveDO=1\r\nNodeZ=1,8\r\nHMtrl=\xCC\r\nHA=0,8\r\n"),
              std::string::npos);
    const std::string tail =
        "\r\nVZ=0\r\n[ShaftEnd]\r\nEndExhaust=1\r\nConDuctResist=100\r\nExhaustGasSpeed=20\r\n";
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
    EXPECT_EQ(bytes.find("\n\r\n", head.size()), std::string::npos)
        << "no blank line after the header";
}

TEST_F(ExhaustProjectTest, CorridorWritesItsOwnSmokeFreeHeight) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcCorridor);
    in.SetText(ctl::EditCrdrNoSmokeHeight, "2,2");
    in.SetText(ctl::EditNoSmokeHeight, "1");
    EXPECT_NE(Bytes(in).find("NoSmkH=2,2\r\n"), std::string::npos);
    in.Check(ctl::rbCalcRoom);
    EXPECT_NE(Bytes(in).find("NoSmkH=1\r\n"), std::string::npos);
}

TEST_F(ExhaustProjectTest, CommaFileLoadsWithPointAndBack) {
    const std::string comma = Bytes(Busy(ctl::rbCalcRoom));
    SetDecimalSeparator('.');
    const ExhaustInputs fromComma = Read(comma);
    EXPECT_EQ(fromComma.Text(ctl::EditFloorAreaSH), "412.5");
    EXPECT_EQ(fromComma.Text(ctl::EditBurningFullness), "0.8");
    EXPECT_EQ(fromComma.DoorGrid[3][1], "2.4");
    EXPECT_DOUBLE_EQ(fromComma.Segments[1].Lsh, 3.6);
    const std::string point = Bytes(fromComma);
    EXPECT_NE(point.find("FloorA=412.5\r\n"), std::string::npos);
    SetDecimalSeparator(',');
    const ExhaustInputs fromPoint = Read(point);
    EXPECT_EQ(fromPoint.Text(ctl::EditFloorAreaSH), "412,5");
    EXPECT_EQ(Bytes(fromPoint), comma);
}

TEST_F(ExhaustProjectTest, HandMadeWindowsFileLoadsWithNamesIntact) {
    ExhaustInputs in = ExhaustInputs::Defaults();
    const ProjectResult r = LoadProject(TEST_DATA_DIR "/exhaust/data/hand_made_1251.smkprj", in);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(in.Text(ctl::EditProjectName), "Жилой дом №3, корпус «Б»");
    EXPECT_EQ(in.Text(ctl::EditSystemName), "ДУ-1");
    EXPECT_TRUE(in.IsChecked(ctl::rbCalcParking));
    EXPECT_TRUE(in.IsChecked(ctl::rbLivingBuilding));
    EXPECT_TRUE(in.IsChecked(ctl::rbOutTownBuilding));
    EXPECT_TRUE(in.areaForm());
    EXPECT_EQ(in.Text(ctl::EditFloorAreaSH), "48");
    EXPECT_EQ(in.Text(ctl::EditRoomHeightSH), "3,3");
    EXPECT_EQ(in.Text(ctl::EditFireHeatPower), "4500,5");
    EXPECT_EQ(in.FireLoad.Name, "Легковой автомобиль");
    EXPECT_DOUBLE_EQ(in.FireLoad.BurnEnergy, 31.7);
    EXPECT_EQ(in.FireLoadDensity.Name, "Автостоянка");
    EXPECT_EQ(in.Text(ctl::EditFirstFloorLevel), "-3,3");
    EXPECT_TRUE(in.IsChecked(ctl::rbEndRoofFan));
    EXPECT_EQ(in.Text(ctl::EditExhaustGasSpeed), "0");
    // keys this file predates: q_r and the car park's own smoke layer fields
    EXPECT_EQ(in.Text(ctl::EditQr), "10");
    EXPECT_EQ(in.Text(ctl::EditParkMaxSmkPerim), "28"); // 4 x 3 rectangle of 48 m2
    EXPECT_EQ(in.Text(ctl::EditSmokeEquArea), "48");
    EXPECT_EQ(in.Text(ctl::EditParkHRadiation), "0,6");
    EXPECT_EQ(in.Text(ctl::EditRoomMaxSmkPerim), "");
    ASSERT_EQ(in.Segments.size(), 3u);
    const SmokeValveCatalog catalog;
    const TSmokeValve valve = catalog.Valves(catalog.GetValveNum(1000, 800));
    EXPECT_EQ(in.Segments[0].StoreyName, "Подвал -1");
    EXPECT_DOUBLE_EQ(in.Segments[0].ValveArea, valve.F1);
    EXPECT_DOUBLE_EQ(in.Segments[0].ValveResistCoef, valve.Z);
    EXPECT_EQ(in.Segments[0].HorMaterialKind, DuctMaterial::concrete);
    EXPECT_EQ(in.Segments[0].HorMaterial, "Бетон");
    EXPECT_EQ(in.Segments[0].Material, "Кирпич");
    // the middle segment takes segment 0's valve and branch whatever the file says
    EXPECT_EQ(in.Segments[1].StoreyName, "Этаж 1");
    EXPECT_EQ(in.Segments[1].ValveWidth, 1000);
    EXPECT_DOUBLE_EQ(in.Segments[1].Lww, 6);
    EXPECT_DOUBLE_EQ(in.Segments[1].NodeResistCoef, 3.5);
    // the top keeps its own valve: 600 x 800 is no catalogue size
    EXPECT_EQ(in.Segments[2].ValveWidth, 600);
    EXPECT_EQ(in.Segments[2].ValveArea, 0);
    EXPECT_EQ(in.Segments[2].ValveResistCoef, 0);
    EXPECT_EQ(in.Segments[2].HorMaterialKind, DuctMaterial::plaster);
    EXPECT_EQ(in.Segments[2].MaterialKind, DuctMaterial::metal);
}

TEST_F(ExhaustProjectTest, OldFileWithUserPerimeterGivesItToTheCarPark) {
    const std::string file =
        "[Room]\r\nVariant=5\r\n[FPlace]\r\nMaxSmkPerimeter=33\r\nHeatK=0,5\r\n";
    const ExhaustInputs in = Read(file);
    EXPECT_EQ(in.Text(ctl::EditParkMaxSmkPerim), "33");
    EXPECT_EQ(in.Text(ctl::EditRoomMaxSmkPerim), "33");
    EXPECT_EQ(in.Text(ctl::EditSmokeEquArea), "20");
    EXPECT_EQ(in.Text(ctl::EditParkHRadiation), "0,5");
    EXPECT_EQ(in.Text(ctl::EditWindSpeed), "4,9");
    EXPECT_TRUE(in.Segments.empty());
}

TEST_F(ExhaustProjectTest, SegmentsStopAtTheFirstMissingSection) {
    const std::string file = "[Shaft0]\r\nValveW=800\r\n[Shaft2]\r\nValveW=800\r\n";
    const ExhaustInputs in = Read(file);
    ASSERT_EQ(in.Segments.size(), 1u);
    EXPECT_DOUBLE_EQ(in.Segments[0].Aww, 0.8);
    EXPECT_DOUBLE_EQ(in.Segments[0].Lsh, 3);
    EXPECT_EQ(in.Segments[0].NodeResistCoef, 0);
    EXPECT_EQ(in.Segments[0].HorMaterial, "Металл");
}

TEST_F(ExhaustProjectTest, UnreadableOrForeignFilesKeepTheInputs) {
    ExhaustInputs in = Busy(ctl::rbCalcRoom);
    const ExhaustInputs before = in;
    const std::string missing = "/nonexistent/проект.smkprj";
    ProjectResult r = LoadProject(missing, in);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Файл проекта расчета дымоудаления не может быть прочитан (нет такого "
                       "файла или папки):\r" +
                           missing);
    r = LoadProject(::testing::TempDir(), in);
    EXPECT_EQ(r.error, "Файл проекта расчета дымоудаления не может быть прочитан (это папка, а "
                       "не файл):\r" +
                           ::testing::TempDir());
    r = ReadProjectBytes("[Path]\r\nPathSave=C:\\\r\n", in, "Orvane.ini");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error.substr(r.error.size() - 10), "Orvane.ini");
    r = ReadProjectBytes(std::string("\x89PNG\r\n\x1a\n\0\0", 10), in, "a.smkprj");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(in.Edits(), before.Edits());
    EXPECT_EQ(in.Segments, before.Segments);
}

TEST_F(ExhaustProjectTest, MoreSegmentsThanABuildingHasAreRefused) {
    std::string file = "[Shaft]\r\nWithShaft=1\r\n";
    for (int k = 0; k <= kMaxSegments; ++k)
        file += "[Shaft" + std::to_string(k) + "]\r\n";
    ExhaustInputs in = ExhaustInputs::Defaults();
    const ProjectResult r = ReadProjectBytes(file, in);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Число участков сети не может превышать 500.");
    EXPECT_EQ(in.Segments.size(), 2u);
    file.erase(file.rfind("[Shaft"));
    EXPECT_EQ(Read(file).Segments.size(), 500u);
}

// A segment value that is no number of its range was read as the key's default or taken as it
// stood; now the project is refused, naming the segment, the key and the text, and the inputs
// stay as they were.
TEST_F(ExhaustProjectTest, SegmentValueOutsideItsRangeRefusesTheProject) {
    std::string example;
    ASSERT_TRUE(ReadFileBytes(EXAMPLES_DIR "/corridor.smkprj", example).ok);
    const size_t shaft1 = example.find("[Shaft1]\r\n");
    ASSERT_NE(shaft1, std::string::npos);
    struct Case {
        const char *key;
        const char *text;
        const char *expected; // what the message says is expected
    };
    const Case cases[] = {
        {"VA", "5o", "число больше 0"},
        {"VA", "abc", "число больше 0"},
        {"VA", "nan", "число больше 0"},
        {"VA", "inf", "число больше 0"},
        {"VA", "0x10", "число больше 0"},
        {"VA", "", "число больше 0"},
        {"VA", "1e999", "число больше 0"},
        {"VB", "0", "число больше 0"},
        {"VL", "nan", "число больше 0"},
        {"VL", "-3", "число больше 0"},
        {"VZ", "-1", "число не меньше 0"},
        {"NodeZ", "nan", "число не меньше 0"},
        {"NodeZ", "-1,8", "число не меньше 0"},
        {"HA", "-0,8", "число не меньше 0"},
        {"HB", "abc", "число не меньше 0"},
        {"HL", "-6", "число не меньше 0"},
        {"HZ", "1,2,3", "число не меньше 0"},
        {"ValveW", "abc", "целое число не меньше 1"},
        {"ValveW", "800,5", "целое число не меньше 1"},
        {"ValveH", "-600", "целое число не меньше 1"},
        {"ValveH", "0", "целое число не меньше 1"},
    };
    const auto caption = [](std::string_view key) {
        for (const SegmentValueSpec &v : kSegmentValues)
            if (v.key == key)
                return std::string(v.caption);
        return std::string("?");
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.text);
        std::string file = example;
        const std::string line = "\r\n" + std::string(c.key) + "=";
        const size_t at = file.find(line, shaft1);
        ASSERT_NE(at, std::string::npos);
        const size_t value = at + line.size();
        file.replace(value, file.find("\r\n", value) - value, c.text);

        ExhaustInputs in = Busy(ctl::rbCalcRoom);
        const ExhaustInputs before = in;
        const ProjectResult r = ReadProjectBytes(file, in, "x.smkprj");
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.valueRefused);
        const std::string found = *c.text ? ", в файле «" + std::string(c.text) + "»."
                                          : std::string(", поле не заполнено.");
        EXPECT_EQ(r.error, "Участок сети 2, поле «" + caption(c.key) + "» ([Shaft1] " + c.key +
                               "): нужно " + c.expected + found);
        EXPECT_EQ(in.Edits(), before.Edits());
        EXPECT_EQ(in.Segments, before.Segments);
    }
    // the message as the user reads it
    std::string file = example;
    file.replace(file.find("VL=3", shaft1), 4, "VL=-3");
    ExhaustInputs in = ExhaustInputs::Defaults();
    EXPECT_EQ(ReadProjectBytes(file, in).error,
              "Участок сети 2, поле «Вертикальный участок: длина L» ([Shaft1] VL): нужно число "
              "больше 0, в файле «-3».");
    // a key the file lacks is no invalid value: it reads as the key's default
    file = example;
    file.erase(file.find("VL=3\r\n", shaft1), 6);
    file.erase(file.find("NodeZ=1,8\r\n", shaft1), 11);
    const ExhaustInputs lacking = Read(file);
    EXPECT_DOUBLE_EQ(lacking.Segments[1].Lsh, 3);
    EXPECT_EQ(lacking.Segments[1].NodeResistCoef, 0);
    // a level below the ground floor (an underground car park) and a zero horizontal length are
    // values a network has
    file = example;
    file.replace(file.find("Floor1Lvl=0"), 11, "Floor1Lvl=-6,6");
    EXPECT_EQ(Read(file).Text(ctl::EditFirstFloorLevel), "-6,6");
    EXPECT_FALSE(FindInvalidInput(Read(file)));
}

// The ranges refuse no value a user already has: the start values, what a file without a key
// reads, the bundled examples and the test projects.
TEST_F(ExhaustProjectTest, StartValuesKeyDefaultsAndBundledProjectsLieInTheFieldRanges) {
    const auto everyFieldValid = [](const ExhaustInputs &in) {
        for (const FieldSpec &f : kExhaustFields)
            EXPECT_TRUE(IsValidNumberText(RuleOf(f), in.Text(f.control)))
                << f.control << " «" << in.Text(f.control) << "»";
        EXPECT_FALSE(FindInvalidInput(in));
    };
    const std::pair<ControlName, const char *> variants[] = {{ctl::rbCalcCorridor, "0"},
                                                             {ctl::rbCalcRoom, "2"},
                                                             {ctl::rbCalcGallery, "3"},
                                                             {ctl::rbCalcParking, "5"}};
    for (const auto &[radio, code] : variants) {
        SCOPED_TRACE(radio);
        everyFieldValid(DefaultsFor(radio));
        everyFieldValid(Read(std::string("[Room]\r\nVariant=") + code + "\r\n[Shaft0]\r\n"));
    }
    for (const char *file : {EXAMPLES_DIR "/corridor.smkprj", EXAMPLES_DIR "/room.smkprj",
                             EXAMPLES_DIR "/gallery.smkprj", EXAMPLES_DIR "/parking.smkprj",
                             TEST_DATA_DIR "/exhaust/data/hand_made_1251.smkprj",
                             TEST_DATA_DIR "/core/data/project_cp1251_crlf.smkprj"}) {
        SCOPED_TRACE(file);
        ExhaustInputs in = ExhaustInputs::Defaults();
        const ProjectResult r = LoadProject(file, in);
        ASSERT_TRUE(r.ok) << r.error;
        everyFieldValid(in);
    }
}

TEST_F(ExhaustProjectTest, NamesWindows1251CannotHoldStopTheSave) {
    ExhaustInputs in = DefaultsFor(ctl::rbCalcCorridor);
    in.Segments[1].StoreyName = "Этаж 中";
    std::string bytes;
    ProjectResult r = ProjectBytes(in, "d", bytes);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("Название участка 2"), std::string::npos);
    EXPECT_NE(r.error.find("中"), std::string::npos);
    EXPECT_TRUE(bytes.empty());

    const std::string path = ::testing::TempDir() + "exhaust_name.smkprj";
    ASSERT_TRUE(WriteFileAtomic(path, "old").ok);
    in.Segments[1].StoreyName.clear();
    in.SetText(ctl::EditSystemName, "系统");
    r = SaveProject(path, in);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("«Наименование вентиляционной системы»"), std::string::npos);
    std::string kept;
    ASSERT_TRUE(ReadFileBytes(path, kept).ok);
    EXPECT_EQ(kept, "old");
    std::remove(path.c_str());
}

// Names as long as a project holds are saved and read back; one character more is not saved,
// and a file holding it (made by hand) is refused naming the field, its section and key, with
// the inputs left as they were.
TEST_F(ExhaustProjectTest, NamesLongerThanAProjectHoldsAreRefused) {
    using Set = void (*)(ExhaustInputs &, const std::string &);
    const struct {
        Set set;
        std::string field, where;
    } cases[] = {
        {[](ExhaustInputs &in, const std::string &s) { in.SetText(ctl::EditProjectName, s); },
         "Наименование проекта", "[Project] Name"},
        {[](ExhaustInputs &in, const std::string &s) { in.SetText(ctl::EditSystemName, s); },
         "Наименование вентиляционной системы", "[Project] System"},
        {[](ExhaustInputs &in, const std::string &s) { in.FireLoadDensity.Name = s; },
         "Удельная пожарная нагрузка", "[FLoad] FLDName"},
        {[](ExhaustInputs &in, const std::string &s) { in.FireLoad.Name = s; }, "Пожарная нагрузка",
         "[FLoad] FLName"},
        {[](ExhaustInputs &in, const std::string &s) { in.Segments[1].StoreyName = s; },
         "Название участка 2", "[Shaft1] Storey"},
    };
    std::string longest;
    for (size_t i = 0; i < kMaxTextLength; ++i)
        longest += "Ж";
    const std::string longestInFile(kMaxTextLength, '\xC6'); // "Ж" in Windows-1251
    for (const auto &c : cases) {
        ExhaustInputs in = Busy(ctl::rbCalcRoom);
        c.set(in, longest);
        std::string file = Bytes(in);
        EXPECT_EQ(Bytes(Read(file)), file) << c.where;

        c.set(in, longest + "ж");
        std::string bytes;
        ProjectResult r = ProjectBytes(in, "d", bytes);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, "Проект не сохранен: в поле «" + c.field + "» больше 1000 знаков.");

        const size_t at = file.find(longestInFile);
        ASSERT_NE(at, std::string::npos) << c.where;
        file.insert(at, "\xE6"); // "ж"
        ExhaustInputs target = ExhaustInputs::Defaults();
        r = ReadProjectBytes(file, target, "x.smkprj");
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.valueRefused);
        EXPECT_EQ(r.error, "Поле «" + c.field + "» (" + c.where +
                               "): нужен текст не длиннее 1000 знаков, в файле 1001 знак.");
        EXPECT_EQ(target.Edits(), ExhaustInputs::Defaults().Edits());
        EXPECT_EQ(target.Segments, ExhaustInputs::Defaults().Segments);
    }
}

// Sides whose product is beyond a real: the file keeps what the user typed, the save goes through.
TEST_F(ExhaustProjectTest, RoomTooLargeForItsAreaIsSavedAsTyped) {
    const ExhaustInputs loaded = Read("[Room]\r\nRoomL=1E308\r\nRoomW=4\r\nFloorA=35\r\n");
    EXPECT_EQ(ReadRealInput(loaded.Text(ctl::EditRoomLength)), 1e308);
    const std::string bytes = Bytes(loaded);
    EXPECT_NE(bytes.find("RoomL=1E308\r\nRoomW=4\r\nRoomH=3,9\r\nFloorA=35\r\n"),
              std::string::npos);

    ExhaustInputs typed = DefaultsFor(ctl::rbCalcRoom);
    typed.SetText(ctl::EditRoomLength, std::string(200, '9'));
    typed.SetText(ctl::EditRoomWidth, std::string(200, '9'));
    EXPECT_NE(Bytes(typed).find("RoomL=1E200\r\nRoomW=1E200\r\nRoomH=3,9\r\nFloorA=20\r\n"),
              std::string::npos);
}

TEST_F(ExhaustProjectTest, RealBeyondRangeStopsTheSaveNamingIt) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        void (*spoil)(ExhaustInputs &, double);
        const char *named;
    } cases[] = {
        {[](ExhaustInputs &in, double x) { in.FireLoad.BurnEnergy = x; },
         "«Пожарная нагрузка: низшая теплота сгорания»"},
        {[](ExhaustInputs &in, double x) { in.Segments[1].Aww = x; },
         "«Участок 2: горизонтальный участок, сторона A»"},
        {[](ExhaustInputs &in, double x) { in.Segments[0].ZETAsh = x; },
         "«Участок 1: вертикальный участок, КМС»"},
    };
    for (const auto &c : cases) {
        for (const double bad : {inf, -inf, std::nan("")}) {
            ExhaustInputs in = DefaultsFor(ctl::rbCalcCorridor);
            c.spoil(in, bad);
            std::string bytes;
            const ProjectResult r = ProjectBytes(in, "d", bytes);
            EXPECT_FALSE(r.ok);
            EXPECT_NE(r.error.find(c.named), std::string::npos) << r.error;
            EXPECT_EQ(r.error.rfind("Проект не сохранен: ", 0), 0u) << r.error;
            EXPECT_TRUE(bytes.empty());
        }
    }
}

// Values the general format writes with an exponent must reach the input steps unchanged.
TEST_F(ExhaustProjectTest, TinyAndHugeValuesLoadIntoFieldsTheStepsReadBack) {
    const std::string file = "[Room]\r\nFireA=5E-4\r\n[FLoad]\r\nFHPwr=1,5E16\r\n"
                             "[Outside]\r\nWindSpeed=0,000123456789\r\n";
    const ExhaustInputs in = Read(file);
    EXPECT_EQ(in.Text(ctl::EditFireArea), "0,0005");
    EXPECT_DOUBLE_EQ(ReadRealInput(in.Text(ctl::EditFireArea)), 0.0005);
    EXPECT_DOUBLE_EQ(ReadRealInput(in.Text(ctl::EditFireHeatPower)), 1.5e16);
    EXPECT_DOUBLE_EQ(ReadRealInput(in.Text(ctl::EditWindSpeed)), 0.000123456789);
    const std::string again = Bytes(in);
    EXPECT_NE(again.find("FireA=0,0005\r\nRSVrnt"), std::string::npos);
    EXPECT_NE(again.find("FHPwr=1,5E16\r\n"), std::string::npos);
}

TEST_F(ExhaustProjectTest, ProposedFileName) {
    ExhaustInputs in;
    EXPECT_EQ(DefaultProjectName(in), "");
    in.SetText(ctl::EditProjectName, "Проект:1");
    in.SetText(ctl::EditSystemName, "Б/2");
    EXPECT_EQ(DefaultProjectName(in), "Проект 1_Б 2");
    in.SetText(ctl::EditProjectName, "");
    EXPECT_EQ(DefaultProjectName(in), "Б 2");
}

} // namespace
} // namespace orvane::exhaust::test
