// A new game played through real X input under Xvfb: xdotool skips the logo
// screens, types the player's name, starts a new game from the main menu and
// ends the loading window with a click; after the opening cut scenes the
// player sees room 1 of location 1 and the in-game interface, and may click.
// ctest: serial
// ctest: timeout 300
#include "00_ginterface.h"
#include "00_interface.h"
#include "Application.h"
#include "Log.h"
#include "Object.h"
#include "WindowedGame.h"
#include "XDriver.h"

#include <OgreCamera.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreViewport.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include <cstdlib>
#include <functional>
#include <set>
#include <vector>

namespace
{
class NewGame : public tq::WindowedGame
{
protected:
    /// Frames until done() holds; false after about limit frames.
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
    bool logged(const std::string& text) { return Log::captured().find(text) != std::string::npos; }

    /// Moves onto the window pixel and clicks, holding the button a few
    /// frames as a person would.
    void clickAt(int x, int y)
    {
        ASSERT_NO_FATAL_FAILURE(moveTo(x, y));
        ASSERT_TRUE(xdo("mousedown 1"));
        pump(6);
        ASSERT_TRUE(xdo("mouseup 1"));
        pump(6);
    }
    /// Waits until an overlay element is shown and its menu has come to rest
    /// on the screen; its middle in window pixels.
    void waitForElement(const std::string& name, int& x, int& y)
    {
        Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
        ASSERT_TRUE(overlays.hasOverlayElement(name)) << name;
        Ogre::OverlayElement* e = overlays.getOverlayElement(name);
        float left = -1.0f, top = -1.0f;
        int still = 0;
        ASSERT_TRUE(pumpUntil([&] {
            const bool same = e->_getDerivedLeft() == left && e->_getDerivedTop() == top;
            left = e->_getDerivedLeft();
            top = e->_getDerivedTop();
            still = same ? still + 1 : 0;
            return e->isVisible() && still >= 30 && left >= 0.0f && left < 1.0f && top >= 0.0f && top < 1.0f;
        }, 1500)) << name << " never came to rest";
        const float w = static_cast<float>(gApp.mWindow->getWidth()), h = static_cast<float>(gApp.mWindow->getHeight());
        x = static_cast<int>((left + e->_getWidth() / 2) * w);
        y = static_cast<int>((top + e->_getHeight() / 2) * h);
    }
    void clickElement(const std::string& name)
    {
        int x = 0, y = 0;
        ASSERT_NO_FATAL_FAILURE(waitForElement(name, x, y));
        clickAt(x, y);
    }
};

TEST_F(NewGame, ThePlayerSeesTheFirstRoomOfLocationOneAfterStartingANewGame)
{
    Log::captureBegin();
    gApp.readSwitches("-log -nosfx -cheats");
    ASSERT_TRUE(gApp.setup());
    gApp.mWindow->getCustomAttribute("WINDOW", &mWindow);

    // The logo screens give way to clicks.
    ASSERT_TRUE(pumpUntil([&] {
        if (logged("Scene 00_interface_start.scene loaded"))
            return true;
        clickAt(20, 20);
        return false;
    }, 400)) << Log::captured();

    // The menus: the first run asks for a name (typed as quick taps), then
    // a new game of normal difficulty.
    CObject* menuObject = gApp.findObject("interface");
    ASSERT_NE(menuObject, nullptr);
    auto* menu = dynamic_cast<sc_00_interface*>(menuObject->mScript);
    ASSERT_NE(menu, nullptr);
    auto shown = [&](int mid) { return menu->mMenus[mid].state == 2; };
    bool named = false;
    for (int step = 0; step < 12 && !logged("Message 7 (1001) in script 00_loader.sc"); ++step)
    {
        if (shown(sc_00_interface::MENU_SURVEY))
        {
            ASSERT_NO_FATAL_FAILURE(clickElement("SurveyOk"));
        }
        else if (shown(sc_00_interface::MENU_DIFFICULTY))
        {
            ASSERT_NO_FATAL_FAILURE(clickElement("DifficultyNormal"));
        }
        else if (shown(sc_00_interface::MENU_NAME) && !named)
        {
            int x = 0, y = 0;
            ASSERT_NO_FATAL_FAILURE(waitForElement("NameOk", x, y));
            ASSERT_TRUE(xdo("type --delay 50 Anna"));
            pump(30);
            clickAt(x, y);
            named = true;
        }
        else if (shown(sc_00_interface::MENU_MAIN))
        {
            ASSERT_NO_FATAL_FAILURE(clickElement("NewGameText"));
        }
        pump(60);
    }

    // The location loads behind the loading window, which a click ends once
    // the interface has drawn its pictures; then the opening cut scenes
    // play, and play begins with the player's clicks allowed.
    ASSERT_TRUE(pumpUntil([&] { return logged("Scene 01_location_start.scene loaded"); })) << Log::captured();
    ASSERT_TRUE(pumpUntil([&] {
        if (logged("Message 7 (555) in script 00_ginterface.sc"))
            return true;
        clickAt(20, 20);
        return false;
    }, 600)) << Log::captured();
    // A person clicks through the opening: the skip button of a cut scene
    // when it is shown, else anywhere, which ends a dialog's line.  Play has
    // begun when the room's sound set is chosen and the clicks are the
    // player's.
    CObject* gameObject = gApp.findObject("00_game_interface");
    ASSERT_NE(gameObject, nullptr);
    auto* game = dynamic_cast<sc_00_ginterface*>(gameObject->mScript);
    ASSERT_NE(game, nullptr);
    int frame = 0;
    ASSERT_TRUE(pumpUntil([&] {
        if (logged("Message 7 (5009) in script 00_sfx_env.sc") && gApp.mInput->cursorOn())
            return true;
        if (++frame % 40 != 0)
            return false;
        const auto& skip = game->menus[3].items[sc_00_ginterface::ID_SKIP];
        const vec3 at = skip.main.scrPos + skip.main.scrSize * 0.5f;
        if (skip.showState != 0 && at.x > 0.0f && at.y > 0.0f)
            clickAt(static_cast<int>(at.x * gApp.mWindow->getWidth()), static_cast<int>(at.y * gApp.mWindow->getHeight()));
        else
            clickAt(20, 20);
        return false;
    }, 12000)) << Log::captured();
    pump(60);

    // What the player sees: room 1 of the location from its first camera,
    // many colours in the 3D area (ground, walls, hangar, machines, hot
    // spots), not one flat colour, and the interface's bar shown.
    EXPECT_EQ(gApp.mAppState.mVars["cur_room"], "1");
    // The picture as the X server shows it (TQ_SHOTS names a folder that
    // keeps a copy to look at).
    if (const char* keep = std::getenv("TQ_SHOTS"))
        tq::shell("import -window " + std::to_string(mWindow) + " " + keep + "/new_game_room.png");
    const int w = static_cast<int>(gApp.mWindow->getWidth()), h = static_cast<int>(gApp.mWindow->getHeight());
    std::set<unsigned> colours;
    for (int y = h / 8; y < h * 5 / 8; y += h / 24)
        for (int x = w / 16; x < w * 15 / 16; x += w / 32)
        {
            unsigned rgb = 0;
            if (tq::windowPixel(mWindow, x, y, rgb))
                colours.insert(rgb & 0xF0F0F0);
        }
    EXPECT_GE(colours.size(), 6u) << "the 3D area holds too few colours";
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    ASSERT_TRUE(overlays.hasOverlayElement("__GameInterfaceInventory__MenuItem_10"));
    EXPECT_TRUE(overlays.getOverlayElement("__GameInterfaceInventory__MenuItem_10")->isVisible());
    EXPECT_FALSE(logged("Exception in script")) << Log::captured();

    // The tester's key (right Shift and full stop, with -cheats) sends the
    // loader to the next location: location 2 loads from its tables without
    // a missing object, and each of its four rooms shows more than a flat
    // colour from its first camera.
    Log::captureBegin();
    ASSERT_TRUE(xdo("keydown Shift_R"));
    ASSERT_TRUE(xdo("key period"));
    pump(6);
    ASSERT_TRUE(xdo("keyup Shift_R"));
    ASSERT_TRUE(pumpUntil([&] { return logged("Scene 02_location_start.scene loaded"); })) << Log::captured();
    ASSERT_TRUE(pumpUntil([&] {
        if (logged("Message 7 (555) in script 00_ginterface.sc"))
            return true;
        clickAt(20, 20);
        return false;
    }, 600)) << Log::captured();
    frame = 0;
    pumpUntil([&] {
        if (logged("Message 7 (1003) in script 00_sfx_env.sc") && gApp.mInput->cursorOn())
            return true;
        if (++frame % 40 == 0)
            clickAt(20, 20);
        return false;
    }, 6000);
    pump(60);
    EXPECT_EQ(gApp.mAppState.mVars["cur_loc"], "2");
    // An eye of the test's own at each room's first camera: the game's view
    // stays where the story holds it.
    Ogre::Camera* playerView = gApp.mViewport->getCamera();
    Ogre::Camera* eye = gApp.mSceneMgr->createCamera("test_room_eye");
    eye->setAspectRatio(playerView->getAspectRatio());
    eye->setFOVy(playerView->getFOVy());
    eye->setNearClipDistance(playerView->getNearClipDistance());
    eye->setFarClipDistance(playerView->getFarClipDistance());
    Ogre::SceneNode* eyeNode = gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode("test_room_eye");
    eyeNode->attachObject(eye);
    gApp.mViewport->setCamera(eye);
    for (int room = 1; room <= 4; ++room)
    {
        char name[32];
        std::snprintf(name, sizeof(name), "02_%02d_Camera01", room);
        ASSERT_TRUE(gApp.mSceneMgr->hasSceneNode(name)) << name;
        Ogre::SceneNode* place = gApp.mSceneMgr->getSceneNode(name);
        eyeNode->setPosition(place->_getDerivedPosition());
        eyeNode->setOrientation(place->_getDerivedOrientation());
        pump(3);
        if (const char* keep = std::getenv("TQ_SHOTS"))
            tq::shell("import -window " + std::to_string(mWindow) + " " + keep + "/location_2_room_" +
                      std::to_string(room) + ".png");
        std::set<unsigned> seen;
        for (int y = h / 8; y < h * 5 / 8; y += h / 24)
            for (int x = w / 16; x < w * 15 / 16; x += w / 32)
            {
                unsigned rgb = 0;
                if (tq::windowPixel(mWindow, x, y, rgb))
                    seen.insert(rgb & 0xF0F0F0);
            }
        EXPECT_GE(seen.size(), 4u) << "room " << room << " of location 2 is nearly one colour";
    }
    gApp.mViewport->setCamera(playerView);
    EXPECT_FALSE(logged("Can't find object")) << Log::captured();
    EXPECT_FALSE(logged("Exception in script")) << Log::captured();
}
} // namespace
