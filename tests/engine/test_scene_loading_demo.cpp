// The game started on the bundled data boots from "start.scene" through the
// logo screens into the main menu, skipping screens on clicks and Escape;
// and the demo room of location 1, loaded first, shows its 2D sign (a rect2d
// element) in the top left corner in its own colour, its caption strip (an
// overlay element) at the bottom, and the 3D room between them.
// ctest: serial
#include "TestSupport.h"
#include "WindowedGame.h"
#include "XDriver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace
{
bool near(unsigned rgb, int r, int g, int b, int tolerance)
{
    const int pr = static_cast<int>((rgb >> 16) & 0xFF), pg = static_cast<int>((rgb >> 8) & 0xFF),
              pb = static_cast<int>(rgb & 0xFF);
    return std::abs(pr - r) <= tolerance && std::abs(pg - g) <= tolerance && std::abs(pb - b) <= tolerance;
}

/// Seconds of the day of the last "HH:MM:SS: " stamp of the OGRE log before
/// pos; -1 when there is none.
int stampBefore(const std::string& log, size_t pos)
{
    for (size_t at = log.rfind(": TQ: ", pos); at != std::string::npos && at >= 8; at = log.rfind(": TQ: ", at - 1))
    {
        int h = 0, m = 0, sec = 0;
        if (std::sscanf(log.c_str() + at - 8, "%2d:%2d:%2d", &h, &m, &sec) == 3)
            return h * 3600 + m * 60 + sec;
        if (at == 0)
            break;
    }
    return -1;
}

TEST(DemoRoom, TheGameBootsThroughTheLogoScreensIntoTheMainMenu)
{
    if (!tq::hasDisplay())
        GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    if (!tq::findWindows("Tolvane Quirn").empty())
        GTEST_SKIP() << "another game window is open on this display";
    tq::TempDir dir;
    const std::string game = dir.path() + "/game";
    std::filesystem::copy(TQ_GAME_DIR, game, std::filesystem::copy_options::recursive);
    setenv("ALSOFT_DRIVERS", "null", 1);
    setenv("LP_NUM_THREADS", "2", 1);
    setenv("TQ_MESSAGEBOX_ANSWER", "ok", 1);

    const pid_t pid = tq::spawnIn(game, TQ_BIN_DIR "/tolvane_quirn", {"-log"}, dir.file("out.txt"), dir.file("err.txt"));
    const unsigned long window = tq::waitForWindow("Tolvane Quirn", 30, pid);
    ASSERT_NE(window, 0ul) << tq::readFile(dir.file("err.txt"));
    int width = 0, height = 0;
    ASSERT_TRUE(tq::windowSize(window, width, height));

    // A click and Escape now and then skip each screen.  The screens read
    // the button and the key once a frame, so both are held for a while as
    // a person would.
    const std::string menuLoaded = "Scene 00_interface_start.scene loaded";
    const std::string press = "xdotool mousemove --sync --window " + std::to_string(window) + " " +
                              std::to_string(width / 2) + " " + std::to_string(height / 2) +
                              " mousedown 1 sleep 0.2 mouseup 1 keydown Escape sleep 0.2 keyup Escape";
    std::string log;
    for (int attempt = 0; attempt < 40 && log.find(menuLoaded) == std::string::npos; ++attempt)
    {
        tq::pause(300);
        tq::shell(press + " >/dev/null 2>&1");
        log = tq::readFile(game + "/game.log");
    }
    const size_t splash = log.find("logo splash_01.jpg");
    const size_t menu = log.find(menuLoaded);
    ASSERT_NE(menu, std::string::npos) << log;
    ASSERT_NE(splash, std::string::npos);
    EXPECT_LT(splash, menu);
    // Skipped, the screens take a few seconds; shown in full, about 18.
    // (The log stamps whole seconds of the wall clock.)
    const int shown = stampBefore(log, menu) - stampBefore(log, splash);
    EXPECT_GE(shown, 0);
    EXPECT_LT(shown, 12);
    // The logo's own objects were found; the menu scene brought its scripts.
    EXPECT_EQ(log.find("Can't find object [00_belka]"), std::string::npos);
    const size_t unloaded = log.rfind("***Scene deleted***", menu);
    ASSERT_NE(unloaded, std::string::npos);
    EXPECT_LT(splash, unloaded);
    for (const char* script : {"00_loader.sc", "00_title.sc", "00_interf_bk.sc", "00_interface.sc"})
        EXPECT_NE(log.find(std::string("CodeScript ") + script, unloaded), std::string::npos) << script;

    EXPECT_TRUE(tq::sendCloseRequest(window));
    int status = 0;
    EXPECT_TRUE(tq::waitForExit(pid, 20, status));
    log = tq::readFile(game + "/game.log");
    EXPECT_EQ(log.find("dsi::ERROR"), std::string::npos) << log;
    EXPECT_EQ(log.find("Exception in script"), std::string::npos) << log;
}

TEST(DemoRoom, TheGameShowsTheDemoRoom)
{
    if (!tq::hasDisplay())
        GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    if (!tq::findWindows("Tolvane Quirn").empty())
        GTEST_SKIP() << "another game window is open on this display";
    tq::TempDir dir;
    const std::string game = dir.path() + "/game";
    std::filesystem::copy(TQ_GAME_DIR, game, std::filesystem::copy_options::recursive);
    // The demo room as the first scene, in place of the logo screens.
    tq::copyDemoRoom(game);
    std::filesystem::copy_file(game + "/media/01_location_start.scene", game + "/media/start.scene",
                               std::filesystem::copy_options::overwrite_existing);
    setenv("ALSOFT_DRIVERS", "null", 1);
    setenv("LP_NUM_THREADS", "2", 1);
    setenv("TQ_MESSAGEBOX_ANSWER", "ok", 1);

    const pid_t pid = tq::spawnIn(game, TQ_BIN_DIR "/tolvane_quirn", {"-log"}, dir.file("out.txt"), dir.file("err.txt"));
    const unsigned long window = tq::waitForWindow("Tolvane Quirn", 30, pid);
    ASSERT_NE(window, 0ul) << tq::readFile(dir.file("err.txt"));
    int width = 0, height = 0;
    ASSERT_TRUE(tq::windowSize(window, width, height));

    // The sign: px 16, py 16, 160 x 20 pixels of a 1024 x 768 screen, drawn
    // unlit in (0.85, 0.70, 0.20).  The room: the middle of the picture
    // holds several colours (walls, floor, table, ball, figures), not one
    // flat background.  The loading screen's frames can show the sign over
    // the loading picture, so both are waited for together.
    const int signX = (16 + 80) * width / 1024, signY = (16 + 10) * height / 768;
    unsigned rgb = 0;
    bool signShown = false;
    std::set<unsigned> colours;
    for (int attempt = 0; attempt < 50 && !(signShown && colours.size() >= 4u); ++attempt)
    {
        tq::pause(200);
        signShown = tq::windowPixel(window, signX, signY, rgb) && near(rgb, 217, 178, 51, 3);
        colours.clear();
        for (int y = height / 4; y < height * 3 / 4; y += height / 16)
            for (int x = width / 8; x < width * 7 / 8; x += width / 16)
            {
                unsigned pixel = 0;
                if (tq::windowPixel(window, x, y, pixel))
                    colours.insert(pixel & 0xF0F0F0);
            }
    }
    EXPECT_TRUE(signShown) << std::hex << "sign pixel " << rgb << "\n" << tq::readFile(dir.file("out.txt"));
    EXPECT_GE(colours.size(), 4u);

    // The caption strip darkens the bottom of the picture.
    ASSERT_TRUE(tq::windowPixel(window, width / 2, height - 4, rgb));
    EXPECT_LT(((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF), 3u * 128u) << std::hex << rgb;

    EXPECT_TRUE(tq::sendCloseRequest(window));
    int status = 0;
    EXPECT_TRUE(tq::waitForExit(pid, 20, status));
    const std::string log = tq::readFile(game + "/game.log");
    EXPECT_EQ(log.find("dsi::ERROR"), std::string::npos) << log;
}
} // namespace
