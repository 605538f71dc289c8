// Options, loc.cfg and the user's folder.
#include "AppState.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
std::string value(const CAppState& state, const std::string& key)
{
    auto it = state.mOptions.find(key);
    return it == state.mOptions.end() ? std::string("<missing>") : it->second.value;
}

TEST(LocConfig, ReadsEverySeparatorAndReplacesTheMap)
{
    tq::TempDir dir;
    ASSERT_TRUE(tq::writeFile("loc.cfg", "a=1\nb:2\nc\t3\n  d =  4  \n[Later]\nwalk_speed=9\n"
                                         "[Earlier]\nwalk_speed=5\n"));
    CAppState state;
    state.mOptions["old"].value = "x";
    state.loadLocConfig("loc.cfg");
    EXPECT_EQ(value(state, "old"), "<missing>");
    EXPECT_EQ(value(state, "a"), "1");
    EXPECT_EQ(value(state, "b"), "2");
    EXPECT_EQ(value(state, "c"), "3");
    EXPECT_EQ(value(state, "d"), "4");
    // Sections are visited in name order: the later name wins.
    EXPECT_EQ(value(state, "walk_speed"), "9");
    for (const auto& entry : state.mOptions)
        EXPECT_EQ(entry.second.persistent, 0) << entry.first;
}

TEST(LocConfig, MissingFileLeavesAnEmptyMapAndSaysSo)
{
    tq::TempDir dir;
    CAppState state;
    state.mOptions["old"].value = "x";
    state.loadLocConfig("loc.cfg");
    EXPECT_TRUE(state.mOptions.empty());
}

TEST(Options, DefaultsOverwriteLocConfigAndOptionsIniOverwritesDefaults)
{
    tq::TempDir dir;
    ASSERT_TRUE(tq::writeFile("loc.cfg", "SoundVolume=10\nopt_name=Test Title\n"));
    CAppState state;
    state.loadLocConfig("loc.cfg");
    state.setDefaultOptions();
    EXPECT_EQ(value(state, "SoundVolume"), "80");
    EXPECT_EQ(state.mOptions.size(), 12u); // eleven defaults and opt_name
    EXPECT_EQ(value(state, "RenderSubsystem"), "Direct3D8 Rendering Subsystem");
    EXPECT_EQ(value(state, "Video Mode"), "1024 x 768 @ 32-bit colour");
    EXPECT_EQ(value(state, "CurSave"), "-1");

    const std::string folder = dir.path() + "/Harbolt Studios/Test Title";
    EXPECT_EQ(state.getUserFolderA(), folder);
    const std::string longValue(70, 'v');
    state.getSaveFolderA("options.ini", true);
    ASSERT_TRUE(tq::writeFile(folder + "/options.ini",
                              "[Options]\r\nSoundVolume=55\r\nFull Screen=\r\nVideo Mode=" + longValue + "\r\n"));
    state.loadOptions();
    EXPECT_EQ(value(state, "SoundVolume"), "55");
    EXPECT_EQ(value(state, "Full Screen"), "Yes"); // an empty value keeps the default
    EXPECT_EQ(value(state, "Video Mode"), std::string(63, 'v'));
}

TEST(Options, RoundTripThroughOptionsIni)
{
    tq::TempDir dir;
    CAppState writer;
    writer.setDefaultOptions();
    writer.mOptions["Full Screen"].value = "No";
    writer.mOptions["MusicVolume"].value = "35";
    writer.mOptions["scratch"].value = "not saved"; // not persistent
    writer.saveOptions();

    CAppState reader;
    reader.setDefaultOptions();
    reader.loadOptions();
    EXPECT_EQ(value(reader, "Full Screen"), "No");
    EXPECT_EQ(value(reader, "MusicVolume"), "35");
    EXPECT_EQ(value(reader, "VSync"), "Yes");
    EXPECT_EQ(value(reader, "scratch"), "<missing>");
    const std::string ini = tq::readFile(reader.getSaveFolderA("options.ini", false));
    EXPECT_EQ(ini.find("scratch"), std::string::npos);
    EXPECT_NE(ini.find("[Options]"), std::string::npos);
}

TEST(UserFolder, DefaultTitleAndUnsafeNamesAreRefused)
{
    tq::TempDir dir;
    const std::string base = dir.path() + "/Harbolt Studios/";
    const char* const unsafe[] = {"../escape", "a/b", "..", "a\\b", ""};
    CAppState state;
    EXPECT_EQ(state.getUserFolderA(), base + "Ostravelle Vindals - Tolvane Quirn");
    for (const char* name : unsafe)
    {
        state.mOptions["opt_name"].value = name;
        EXPECT_EQ(state.getUserFolderA(), base + "Ostravelle Vindals - Tolvane Quirn") << name;
    }
    EXPECT_EQ(state.getSaveFolderA("texts\\a.txt", false),
              base + "Ostravelle Vindals - Tolvane Quirn/texts/a.txt");
}

TEST(MapValue, CopiesOnlyWhenPresent)
{
    CAppState::VarMap map{{"k", "v"}};
    std::string out = "keep";
    EXPECT_FALSE(CAppState::getMapValue(map, "missing", out));
    EXPECT_EQ(out, "keep");
    EXPECT_TRUE(CAppState::getMapValue(map, "k", out));
    EXPECT_EQ(out, "v");
}
} // namespace
