// Every screen that a player meets, looked at as a reviewer would, in the
// real game on an Xvfb of its own at the sizes of the table: the logo, the
// title over the name box, the main menu, the options, the credits, the
// difficulty choice, the loading window, location 1 after its opening with
// the in-game interface and the tutorial's window, and the journal opened
// from the bar.  The way in is a new player's:
// a name, "New game", a difficulty, the loading window's click, and the
// opening of location 1 until the game hands over the mouse.
// On each: no shown element with a missing material or texture, every text
// inside its panel, no two elements over each other unless the layout means
// it, and a picture of more than one colour.  The pictures are written to
// build/screenshots/<screen>_<width>x<height>_<window|full>.png for a person
// to look at.
// ctest: serial
// ctest: timeout 300
#include "00_ginterface.h"
#include "00_interface.h"
#include "00_journal.h"
#include "00_loader.h"
#include "00_tutorial.h"
#include "Application.h"
#include "GamePlayer.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "PrivateXServer.h"
#include "ScreenCheck.h"
#include "ScriptObject.h"
#include "WindowedGame.h"

#include <OgreViewport.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include <chrono>
#include <filesystem>
#include <functional>

namespace
{
struct ScreenSize
{
    int width, height;
    bool fullScreen;
};

std::string sizeName(const ScreenSize& s)
{
    return std::to_string(s.width) + "x" + std::to_string(s.height) + (s.fullScreen ? "_full" : "_window");
}

/// Layers that lie over each other on purpose: the in-game interface is
/// built of stacked overlays (corner panels over the bar's ends, counters on
/// their discs, the turn arrows over the screen's frame), the date's shadow
/// lies under the date, and the journal opens over the interface.
const std::set<std::string> kInterfaceLayers = {"__GameInterface*+__GameInterface*",
                                                "DateTextContainer+DateTextContainerBk",
                                                "JournalBorder+__GameInterface*"};

const char* const kUserFolder = "/Harbolt Studios/Ostravelle Vindals - Tolvane Quirn";

class Screens : public tq::WindowedGame, public ::testing::WithParamInterface<ScreenSize>
{
protected:
    void SetUp() override
    {
        const ScreenSize& size = GetParam();
        // A window is as large as the desktop lets it be (800x600 on a
        // 1024x768 desktop, 1024x768 on a larger one); full screen takes the
        // desktop's size.
        const bool small = size.width <= 800;
        const int desktopWidth = size.fullScreen ? size.width : (small ? 1024 : 1280);
        const int desktopHeight = size.fullScreen ? size.height : (small ? 768 : 1024);
        ASSERT_TRUE(mServer.start(desktopWidth, desktopHeight));
        const std::string folder = mDir.path() + kUserFolder;
        std::filesystem::create_directories(folder);
        ASSERT_TRUE(tq::writeFile(folder + "/options.ini",
                                  std::string("[Options]\nFull Screen=") + (size.fullScreen ? "Yes" : "No") +
                                      "\nVideo Mode=" + std::to_string(size.width) + " x " +
                                      std::to_string(size.height) + " @ 32-bit colour\n"));
        tq::WindowedGame::SetUp();
    }

    bool pumpUntil(const std::function<bool()>& done, int limit = 3000)
    {
        for (int i = 0; i < limit; ++i)
        {
            if (done())
                return true;
            pump(1);
        }
        return done();
    }
    /// Frames for about the given seconds of game time.
    void pumpFor(double seconds)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (std::chrono::steady_clock::now() < end)
            pump(1);
    }
    bool logged(const std::string& text) { return Log::captured().find(text) != std::string::npos; }
    bool overlayShown(const std::string& name)
    {
        Ogre::Overlay* overlay = Ogre::OverlayManager::getSingleton().getByName(name);
        return overlay && overlay->isVisible();
    }
    bool elementShown(const std::string& name)
    {
        Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
        return overlays.hasOverlayElement(name) && tq::ScreenCheck::shown(overlays.getOverlayElement(name));
    }
    sc_00_interface* menu()
    {
        CObject* object = gApp.findObject("interface");
        return object ? dynamic_cast<sc_00_interface*>(object->mScript) : nullptr;
    }
    /// Waits until the menu is shown and the others have gone.
    void waitForMenu(int mid)
    {
        sc_00_interface* m = menu();
        ASSERT_NE(m, nullptr);
        ASSERT_TRUE(pumpUntil([&] {
            for (int other = 0; other < sc_00_interface::kMenuCount; ++other)
                if (other != mid && m->mMenus[other].state != 0)
                    return false;
            return m->mMenus[mid].state == 2;
        }, 1500)) << "menu " << mid;
        pump(10); // the light and the slide settle
    }
    void notifyByName(const std::string& name, int code)
    {
        CObject* target = gApp.findObject(name);
        ASSERT_NE(target, nullptr) << name;
        CVirtualScript::sendNotify(target->getHandle(), 0, code);
    }

    /// The reviewer's look at what the window shows now.
    void look(const std::string& screen, const std::set<std::string>& meant = {})
    {
        pump(2);
        SCOPED_TRACE(screen);
        for (const std::string& problem : tq::ScreenCheck::missingArt())
            ADD_FAILURE() << screen << ": missing art: " << problem;
        for (const std::string& problem : tq::ScreenCheck::missingTexts())
            ADD_FAILURE() << screen << ": string not found: " << problem;
        for (const std::string& problem : tq::ScreenCheck::textsOutside())
            ADD_FAILURE() << screen << ": text outside: " << problem;
        for (const std::string& problem : tq::ScreenCheck::overlaps(meant))
            ADD_FAILURE() << screen << ": overlap: " << problem;
        const std::string folder = TQ_BIN_DIR "/../screenshots";
        std::filesystem::create_directories(folder);
        size_t colours = 0;
        EXPECT_TRUE(tq::ScreenCheck::screenshot(gApp.mWindow, folder + "/" + screen + "_" + sizeName(GetParam()) + ".png",
                                                colours));
        EXPECT_GT(colours, 8u) << screen << " is one colour";
    }

    tq::PrivateXServer mServer;
};

TEST_P(Screens, EveryScreenLooksFinished)
{
    Log::captureBegin();
    gApp.mAppState.loadLocConfig("loc.cfg");
    gApp.readSwitches("-log -nosfx");
    ASSERT_TRUE(gApp.setup());
    gApp.mWindow->getCustomAttribute("WINDOW", &mWindow);
    ASSERT_EQ(static_cast<int>(gApp.mWindow->getWidth()), GetParam().width);
    ASSERT_EQ(static_cast<int>(gApp.mWindow->getHeight()), GetParam().height);
    // The picture keeps the 4:3 shape its overlays are laid out for,
    // centred in a window of another shape.
    const Ogre::Viewport* view = gApp.mViewport;
    EXPECT_NEAR(view->getActualWidth() * 3.0, view->getActualHeight() * 4.0, 4.0);
    EXPECT_NEAR(view->getActualLeft() * 2 + view->getActualWidth(), GetParam().width, 1);
    EXPECT_NEAR(view->getActualTop() * 2 + view->getActualHeight(), GetParam().height, 1);

    ASSERT_TRUE(pumpUntil([&] { return overlayShown("LogoOverlay"); }, 600));
    pumpFor(1.0);
    look("logo");

    // The logos give way to clicks; the main-menu scene asks a first player
    // for a name, under the title.
    ASSERT_TRUE(pumpUntil([&] {
        if (logged("Scene 00_interface_start.scene loaded"))
            return true;
        xdo("mousemove --window " + std::to_string(mWindow) + " 20 20 click 1");
        pump(4);
        return false;
    }, 600)) << Log::captured();
    ASSERT_NO_FATAL_FAILURE(waitForMenu(sc_00_interface::MENU_NAME));
    ASSERT_TRUE(pumpUntil([&] { return logged("Message 7 (200) in script 00_interface.sc"); }, 1500));
    look("title_name_box");

    sc_00_interface* m = menu();
    m->mTypedName = "Anna";
    m->itemProcessPress(sc_00_interface::MENU_NAME, m->mNameOk);
    ASSERT_NO_FATAL_FAILURE(waitForMenu(sc_00_interface::MENU_MAIN));
    look("main_menu");

    m->itemProcessPress(sc_00_interface::MENU_MAIN, m->mOptionsText);
    ASSERT_NO_FATAL_FAILURE(waitForMenu(sc_00_interface::MENU_OPTIONS));
    look("options", {"OptionsBorder+TitlePicture"});

    m->itemProcessPress(sc_00_interface::MENU_OPTIONS, m->mOptionsBack);
    ASSERT_NO_FATAL_FAILURE(waitForMenu(sc_00_interface::MENU_MAIN));
    m->itemProcessPress(sc_00_interface::MENU_MAIN, m->mCreditsText);
    ASSERT_NO_FATAL_FAILURE(waitForMenu(sc_00_interface::MENU_CREDITS));
    look("credits", {"CreditsMenuBorder+TitlePicture"});

    m->itemProcessPress(sc_00_interface::MENU_CREDITS, m->mBackText);
    ASSERT_NO_FATAL_FAILURE(waitForMenu(sc_00_interface::MENU_MAIN));
    m->itemProcessPress(sc_00_interface::MENU_MAIN, m->mNewGameText);
    ASSERT_NO_FATAL_FAILURE(waitForMenu(sc_00_interface::MENU_DIFFICULTY));
    look("difficulty", {"DifficultyMenuBorder+TitlePicture"});

    // A new game: the loading window of location 1 waits for a click once
    // the interface has its pictures.
    m->itemProcessPress(sc_00_interface::MENU_DIFFICULTY, m->mDifficultyNormal);
    ASSERT_TRUE(pumpUntil([&] { return logged("Scene 01_location_start.scene loaded"); })) << Log::captured();
    ASSERT_TRUE(pumpUntil([&] { return elementShown("LoadingButton"); }, 1500));
    pumpFor(0.5);
    std::set<std::string> loading = kInterfaceLayers;
    loading.insert("LoadingText+LoadingText2");
    look("loading_window", loading);

    // The player clicks the window away and goes through the opening until
    // the game hands over the mouse: a click now and then ends a dialog's
    // line, or skips a cut scene when its button is shown, as a person who
    // has seen it would.  The tutorial's first window, when it opens on the
    // way, is looked at before the player closes it.
    tq::GamePlayer player([this] { pump(1); });
    std::set<std::string> tutorialLayers = kInterfaceLayers;
    tutorialLayers.insert("MainBorder+__GameInterface*"); // the window opens over the bar
    tutorialLayers.insert("MainOk+MainOk2");              // the caption's shadow
    bool tutorialSeen = false;
    bool clicking = false;
    player.afterFrame = [&] {
        if (clicking)
            return; // the frames of the player's own click
        clicking = true;
        CObject* object = gApp.findObject("tutorial");
        auto* tutorial = object ? dynamic_cast<sc_00_tutorial*>(object->mScript) : nullptr;
        if (!tutorialSeen && tutorial && tutorial->menu.state == 2)
        {
            tutorialSeen = true;
            pumpFor(0.5); // the items ease into place
            look("tutorial", tutorialLayers);
        }
        // The player reads the opening's dialog lines itself; the opening is
        // watched, not skipped.
        clicking = false;
    };
    ASSERT_TRUE(player.enterLocation()) << player.error();
    // The tutorial's first step opens once the player has looked round for
    // a while; the player closes it.
    player.waitUntil([&] { return tutorialSeen; }, 900, "the tutorial's window");
    player.afterFrame = nullptr;
    EXPECT_TRUE(tutorialSeen) << "the tutorial's window never opened in location 1";
    ASSERT_TRUE(player.waitUntil([&] {
        CObject* object = gApp.findObject("tutorial");
        auto* tutorial = object ? dynamic_cast<sc_00_tutorial*>(object->mScript) : nullptr;
        return player.settled() && (!tutorial || tutorial->menu.state == 0);
    }, 600, "play")) << player.error();
    pumpFor(0.5);
    look("location", kInterfaceLayers);

    // The journal, opened with a real click on its button on the bar (on a
    // wide or tall window the picture is a centred 4:3 area: the click
    // still lands).  It opens at the task page, the location's first task
    // written on it.
    CObject* journalObject = gApp.findObject("journal");
    auto* journal = journalObject ? dynamic_cast<sc_00_journal*>(journalObject->mScript) : nullptr;
    ASSERT_NE(journal, nullptr);
    std::set<std::string> journalLayers = kInterfaceLayers;
    journalLayers.insert({"JournalTaskText1+JournalTaskText2", "JournalShotText1+JournalShotText2"});
    float fx = 0.0f, fy = 0.0f;
    ASSERT_TRUE(player.waitUntil([&] { return player.buttonPoint(0, sc_00_ginterface::ID_JOURNAL, fx, fy); }, 300,
                                 "the journal's button"))
        << player.error();
    int x = 0, y = 0;
    pixelOfScreen(fx, fy, x, y);
    xdo("mousemove --window " + std::to_string(mWindow) + " " + std::to_string(x) + " " + std::to_string(y) +
        " click 1");
    ASSERT_TRUE(pumpUntil([&] { return journal->mAnimState == 2; }, 600)) << "the journal did not open";
    pumpFor(0.3);
    EXPECT_GE(journal->mTaskCount, 1);
    EXPECT_TRUE(elementShown("JournalTaskText_00"));
    look("journal_tasks", journalLayers);

    // The close button slides the journal away and hands the game back.
    ASSERT_TRUE(player.elementPoint("JournalExit", fx, fy));
    player.clickAt(fx, fy);
    ASSERT_TRUE(pumpUntil([&] { return journal->mAnimState == 0; }, 600)) << "the journal did not close";
    ASSERT_TRUE(player.waitUntil([&] { return player.settled(); }, 300, "play after the journal")) << player.error();
    EXPECT_FALSE(overlayShown("JournalOverlay"));
}

// Windowed, the game takes the largest of its window sizes that the desktop
// holds; the larger sizes are full screen.
INSTANTIATE_TEST_SUITE_P(Sizes, Screens,
                         ::testing::Values(ScreenSize{800, 600, false}, ScreenSize{1024, 768, false},
                                           ScreenSize{1280, 1024, true}, ScreenSize{1920, 1080, true}),
                         [](const ::testing::TestParamInfo<ScreenSize>& info) { return sizeName(info.param); });
} // namespace
