// Which module wrote a project file.

#include "core/project_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace orvane {
namespace {

std::string Example(const char *name) {
    std::ifstream in(std::string(EXAMPLES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(ProjectModuleOf, ExamplesAreKnownByTheirHeaders) {
    for (const char *name : {"corridor.smkprj", "gallery.smkprj", "parking.smkprj", "room.smkprj"})
        EXPECT_EQ(ProjectModuleOf(Example(name)), ProjectModule::exhaust) << name;
    for (const char *name : {"lift.isrprj", "sw_og.isrprj", "sw_ug.isrprj", "tambour.isrprj"})
        EXPECT_EQ(ProjectModuleOf(Example(name)), ProjectModule::supply) << name;
}

TEST(ProjectModuleOf, FilesWithoutHeaderAreJudgedByTheirSections) {
    const struct {
        const char *bytes;
        ProjectModule module;
    } cases[] = {
        {"[Project]\r\nName=a\r\n[Room]\r\nVariant=1\r\n[Shaft0]\r\n", ProjectModule::exhaust},
        {"[Project]\r\nVariant=Lift\r\n[Terms]\r\n[Air]\r\n", ProjectModule::supply},
        // both modules write [Project] and [Shaft]: they alone tell nothing
        {"[Project]\r\n[Shaft]\r\n", ProjectModule::unknown},
        {"", ProjectModule::unknown},
        {"just text", ProjectModule::unknown},
        // a header line after the first section is no header
        {"[Room]\r\n[FLoad]\r\n; # Inflow Smoke Removal Project\r\n", ProjectModule::exhaust},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ProjectModuleOf(c.bytes), c.module) << c.bytes;
}

} // namespace
} // namespace orvane
