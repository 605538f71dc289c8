// The game binary from start to end under Xvfb, on a copy of the built game
// folder: it opens its window and runs frames (the "-info" title), keeps a
// second instance out, ends cleanly when the window is closed, and its
// "-setup" dialog stores the choices on OK and ends the run quietly on Cancel.
// ctest: serial
#include "StringTable.h"
#include "TestSupport.h"
#include "XDriver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sys/wait.h>

namespace
{
const char* const kWindowName = "Tolvane Quirn";
const char* const kUserFolder = "/Harbolt Studios/Ostravelle Vindals - Tolvane Quirn";

class GameStart : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!tq::hasDisplay())
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        if (!tq::findWindows(kWindowName).empty())
            GTEST_SKIP() << "another game window is open on this display";
        std::filesystem::copy(TQ_GAME_DIR, gameDir(), std::filesystem::copy_options::recursive);
        // No sound card and no person to answer a box; the lock and the
        // user's folder are the fresh folder's (TempDir sets XDG_*).
        setenv("ALSOFT_DRIVERS", "null", 1);
        setenv("LP_NUM_THREADS", "2", 1);
        setenv("TQ_MESSAGEBOX_ANSWER", "ok", 1);
    }

    void TearDown() override
    {
        for (pid_t pid : mStarted)
        {
            int status = 0;
            tq::waitForExit(pid, 0.1, status); // kills what is still running
        }
    }

    std::string gameDir() const { return dir.path() + "/game"; }
    std::string optionsIni() const { return dir.path() + kUserFolder + "/options.ini"; }
    std::string errors(int run) const { return tq::readFile(dir.file("err" + std::to_string(run) + ".txt")); }

    pid_t start(const std::vector<std::string>& args)
    {
        const int run = static_cast<int>(mStarted.size());
        const pid_t pid = tq::spawnIn(gameDir(), TQ_BIN_DIR "/tolvane_quirn", args,
                                      dir.file("out" + std::to_string(run) + ".txt"),
                                      dir.file("err" + std::to_string(run) + ".txt"));
        mStarted.push_back(pid);
        return pid;
    }

    // The process ended by itself, with 0 and no signal.
    static ::testing::AssertionResult endsCleanly(pid_t pid, double seconds)
    {
        int status = 0;
        if (!tq::waitForExit(pid, seconds, status))
            return ::testing::AssertionFailure() << "still running after " << seconds << " s";
        if (WIFSIGNALED(status))
            return ::testing::AssertionFailure() << "ended by signal " << WTERMSIG(status);
        if (WEXITSTATUS(status) != 0)
            return ::testing::AssertionFailure() << "ended with " << WEXITSTATUS(status);
        return ::testing::AssertionSuccess();
    }

    tq::TempDir dir;
    std::vector<pid_t> mStarted;
};

TEST_F(GameStart, OpensItsWindowRunsFramesKeepsASecondInstanceOutAndEndsWhenClosed)
{
    const pid_t game = start({"-info"});
    const unsigned long window = tq::waitForWindow("\\(FPS: ", 60, game);
    ASSERT_NE(window, 0u) << errors(0);

    // The title line of "-info", once a second of frames has been counted.
    const std::regex titleLine(R"(^Ostravelle Vindals - Tolvane Quirn \(FPS: ([0-9]+\.[0-9]{2}), Tris: [0-9]+, )"
                               R"(VideoMem: [0-9]+\.[0-9]{2}mb RttNum: [1-9][0-9]* --- 0\) )"
                               R"(RSys: OpenGL Rendering Subsystem \([0-9]+x[0-9]+x32\)$)");
    std::string title;
    std::smatch match;
    double fps = 0;
    for (int tries = 0; tries < 300 && fps <= 0; ++tries, tq::pause(100))
    {
        title = tq::windowName(window);
        if (std::regex_match(title, match, titleLine))
            fps = std::atof(match[1].str().c_str());
    }
    EXPECT_GT(fps, 0) << title;

    // A second instance finds the lock taken and ends at once, without a
    // set-up and without a window of its own.
    const pid_t second = start({"-info"});
    EXPECT_TRUE(endsCleanly(second, 20));
    EXPECT_EQ(errors(1).find("Video memory at start"), std::string::npos) << errors(1);
    EXPECT_EQ(tq::findWindows(kWindowName).size(), 1u);

    // The window manager's close request ends the frame loop and the program.
    ASSERT_TRUE(tq::sendCloseRequest(window));
    EXPECT_TRUE(endsCleanly(game, 60)) << errors(0);
    EXPECT_EQ(errors(0).find("An exception has occured!"), std::string::npos) << errors(0);
    EXPECT_TRUE(tq::findWindows(kWindowName).empty());
}

TEST_F(GameStart, SetupDialogOkStoresTheChoicesAndTheGameStartsWithThem)
{
    const pid_t game = start({"-setup"});
    const unsigned long dialog = tq::waitForWindow("^Settings$", 60, game);
    ASSERT_NE(dialog, 0u) << errors(0);
    ASSERT_TRUE(tq::focusWindow(dialog));
    // The focus starts on the render-system list; backwards from there come
    // Cancel, OK, the performance HUD, no post effects, vertical sync and
    // full screen.  The saved defaults are full screen with vertical sync.
    ASSERT_TRUE(tq::pressKeys("shift+Tab shift+Tab shift+Tab space")); // performance HUD on
    ASSERT_TRUE(tq::pressKeys("shift+Tab shift+Tab space"));           // vertical sync off
    ASSERT_TRUE(tq::pressKeys("shift+Tab space Return"));              // windowed; OK

    // Windowed on the 1024 x 768 screen means 800 x 600.
    const unsigned long window = tq::waitForWindow(kWindowName, 60, game);
    ASSERT_NE(window, 0u) << errors(0);
    int width = 0, height = 0;
    EXPECT_TRUE(tq::windowSize(window, width, height));
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 600);

    const std::string ini = tq::readFile(optionsIni());
    EXPECT_NE(ini.find("[Options]"), std::string::npos) << ini;
    for (const char* line : {"RenderSubsystem=OpenGL Rendering Subsystem", "Full Screen=No", "VSync=No",
                             "Allow NVPerfHUD=Yes"})
        EXPECT_NE(ini.find(line), std::string::npos) << line << " in\n" << ini;

    ASSERT_TRUE(tq::sendCloseRequest(window));
    EXPECT_TRUE(endsCleanly(game, 60)) << errors(0);
}

TEST_F(GameStart, SetupDialogCancelEndsTheRunQuietlyAndKeepsTheSavedOptions)
{
    const std::string saved = "[Options]\nRenderSubsystem=OpenGL Rendering Subsystem\nFull Screen=No\n"
                              "VSync=No\nVideo Mode=800 x 600 @ 32-bit colour\n";
    ASSERT_TRUE(std::filesystem::create_directories(dir.path() + kUserFolder));
    ASSERT_TRUE(tq::writeFile(optionsIni(), saved));

    const pid_t game = start({"-setup"});
    const unsigned long dialog = tq::waitForWindow("^Settings$", 60, game);
    ASSERT_NE(dialog, 0u) << errors(0);
    ASSERT_TRUE(tq::focusWindow(dialog));
    // Full screen toggled (five steps back from the render-system list), then Cancel.
    ASSERT_TRUE(tq::pressKeys("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space Escape"));

    EXPECT_TRUE(endsCleanly(game, 30)) << errors(0);
    // No set-up after the dialog, no message box, nothing saved.
    EXPECT_EQ(errors(0).find("Video memory at start"), std::string::npos) << errors(0);
    EXPECT_FALSE(std::regex_search(errors(0), std::regex("(^|\n)\\[[^\\]]*\\] "))) << errors(0);
    EXPECT_EQ(tq::readFile(optionsIni()), saved);
    EXPECT_TRUE(tq::findWindows(kWindowName).empty());
}
TEST_F(GameStart, AMissingFontDefinitionIsWrittenBeforeItIsNeededAndTheGameStarts)
{
    ASSERT_TRUE(std::filesystem::remove(gameDir() + "/media/font.fontdef"));
    const pid_t game = start({"-info", "-log"});
    const unsigned long window = tq::waitForWindow("\\(FPS: ", 90, game);
    ASSERT_NE(window, 0u) << errors(0);
    EXPECT_EQ(errors(0).find("An exception has occured!"), std::string::npos) << errors(0);
    EXPECT_NE(errors(0).find("\nWARNING: The font definition font.fontdef is missing; writing texts/font.fontdef"),
              std::string::npos)
        << errors(0);
    const std::string written = tq::readFile(gameDir() + "/texts/font.fontdef");
    EXPECT_TRUE(StringTable::isCompleteFontDef(written)) << written;
    EXPECT_NE(written.find("source\tDejaVuSans.ttf\n"), std::string::npos) << written;
    EXPECT_NE(written.find(" 65-65 "), std::string::npos) << written;
    ASSERT_TRUE(tq::sendCloseRequest(window));
    EXPECT_TRUE(endsCleanly(game, 60)) << errors(0);

    // The next start finds the definition and needs no new one.
    const pid_t again = start({"-info", "-log"});
    const unsigned long second = tq::waitForWindow("\\(FPS: ", 90, again);
    ASSERT_NE(second, 0u) << errors(1);
    EXPECT_EQ(errors(1).find("font definition"), std::string::npos) << errors(1);
    ASSERT_TRUE(tq::sendCloseRequest(second));
    EXPECT_TRUE(endsCleanly(again, 60)) << errors(1);
}

TEST_F(GameStart, ACutFontDefinitionIsReplacedWhereItLies)
{
    const std::string path = gameDir() + "/media/font.fontdef";
    const std::string whole = tq::readFile(path);
    ASSERT_TRUE(tq::writeFile(path, whole.substr(0, whole.size() / 2)));
    const pid_t game = start({"-info", "-log"});
    const unsigned long window = tq::waitForWindow("\\(FPS: ", 90, game);
    ASSERT_NE(window, 0u) << errors(0);
    EXPECT_NE(errors(0).find("\nWARNING: The font definition font.fontdef is damaged; writing media/font.fontdef"),
              std::string::npos)
        << errors(0);
    EXPECT_TRUE(StringTable::isCompleteFontDef(tq::readFile(path)));
    EXPECT_FALSE(std::filesystem::exists(gameDir() + "/texts/font.fontdef"));
    ASSERT_TRUE(tq::sendCloseRequest(window));
    EXPECT_TRUE(endsCleanly(game, 60)) << errors(0);
}
} // namespace
