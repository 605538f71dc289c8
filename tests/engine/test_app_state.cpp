// Options, loc.cfg and the user's folder.
#include "AppState.h"
#include "TestSupport.h"

#include "Log.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Options written the way the game does at every start: defaults, then what
// options.ini holds, then everything stored back.
void startUp(CAppState& state)
{
    state.setDefaultOptions();
    state.loadOptions();
    state.saveOptions();
}

// Whether the file was replaced since watch() was called on it: a hard link
// keeps the old file, so a replaced name is down to one link.
class FileWatch
{
public:
    explicit FileWatch(const std::string& path) : mPath(path) {}
    ~FileWatch() { unlink((mPath + ".seen").c_str()); }
    bool watch()
    {
        unlink((mPath + ".seen").c_str());
        return link(mPath.c_str(), (mPath + ".seen").c_str()) == 0;
    }
    bool replaced() const
    {
        struct stat st;
        return stat(mPath.c_str(), &st) != 0 || st.st_nlink == 1;
    }

private:
    std::string mPath;
};

TEST(Options, WrittenOncePerChangeAndNeverWhenNothingChanged)
{
    tq::TempDir dir;
    CAppState first;
    const std::string ini = first.getSaveFolderA("options.ini", true);
    startUp(first); // a first run stores the defaults, in one write
    ASSERT_NE(tq::readFile(ini).find("SoundVolume=80\r\n"), std::string::npos) << tq::readFile(ini);

    FileWatch file(ini);
    ASSERT_TRUE(file.watch());
    CAppState second;
    startUp(second);
    EXPECT_FALSE(file.replaced()) << "a start that changes nothing writes nothing";
    second.saveOption("SoundVolume");
    EXPECT_FALSE(file.replaced());

    second.mOptions["SoundVolume"].value = "40";
    second.saveOption("SoundVolume");
    EXPECT_TRUE(file.replaced());
    EXPECT_NE(tq::readFile(ini).find("SoundVolume=40\r\n"), std::string::npos) << tq::readFile(ini);
    ASSERT_TRUE(file.watch());
    second.saveOptions();
    EXPECT_FALSE(file.replaced());
}

TEST(Options, AValueOnlyReadIsNeverWrittenBackCut)
{
    tq::TempDir dir;
    CAppState state;
    const std::string ini = state.getSaveFolderA("options.ini", true);
    const std::string longMode = "Video Mode=" + std::string(70, 'v');
    ASSERT_TRUE(tq::writeFile(ini, "[Options]\r\n" + longMode + "\r\nSoundVolume=55\r\n"));
    startUp(state);
    EXPECT_EQ(value(state, "Video Mode"), std::string(63, 'v'));
    state.mOptions["SoundVolume"].value = "20";
    state.saveOptions();
    const std::string text = tq::readFile(ini);
    EXPECT_NE(text.find(longMode + "\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("SoundVolume=20\r\n"), std::string::npos) << text;
}

TEST(Options, AFailedWriteKeepsTheFileLeavesNoTemporaryAndIsLoggedOnce)
{
    tq::TempDir dir;
    CAppState state;
    const std::string ini = state.getSaveFolderA("options.ini", true);
    startUp(state);
    const std::string before = tq::readFile(ini);

    // A disk that takes no more than 16 bytes a file: the temporary file
    // fills up half-way, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Log::captureBegin();
    state.mOptions["SoundVolume"].value = "10";
    state.saveOption("SoundVolume");
    state.mOptions["MusicVolume"].value = "10";
    state.saveOptions();
    const std::string log = Log::captured();
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &old), 0);

    EXPECT_EQ(tq::readFile(ini), before);
    EXPECT_FALSE(std::filesystem::exists(ini + ".tmp"));
    const std::string line = "\n!!! ERROR: Can't write the options to " + ini;
    ASSERT_NE(log.find(line), std::string::npos) << log;
    EXPECT_EQ(log.find(line, log.find(line) + 1), std::string::npos) << "logged twice:" << log;

    // Once the disk takes it again, the changes of the failed writes arrive.
    state.saveOptions();
    const std::string text = tq::readFile(ini);
    EXPECT_NE(text.find("SoundVolume=10\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("MusicVolume=10\r\n"), std::string::npos) << text;
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
