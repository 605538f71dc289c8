// A new game played through real X input under Xvfb: xdotool skips the logo
// screens, types the player's name, starts a new game from the main menu,
// ends the loading window with a click, and then clicks the demo room's
// ball, whose script gets the button messages once the in-game interface
// has handed the player the mouse.
// ctest: serial
#include "00_interface.h"
#include "Application.h"
#include "Log.h"
#include "Object.h"
#include "WindowedGame.h"

#include <OgreSceneNode.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include <functional>

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

TEST_F(NewGame, ThePlayerClicksInTheDemoRoomAfterStartingANewGame)
{
    Log::captureBegin();
    gApp.readSwitches("-log -nosfx");
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
    // the interface has drawn its pictures.
    ASSERT_TRUE(pumpUntil([&] { return logged("Scene 01_location_start.scene loaded"); })) << Log::captured();
    ASSERT_TRUE(pumpUntil([&] {
        clickAt(20, 20);
        return gApp.mInput->cursorOn();
    }, 600)) << Log::captured();

    CObject* ball = gApp.findObject("demo_ball");
    ASSERT_NE(ball, nullptr);
    int bx = 0, by = 0;
    pixelOf(ball->getNode()->_getDerivedPosition(), bx, by);
    clickAt(bx, by);
    EXPECT_TRUE(logged("\nObject demo_ball MSG_LBUTTONDOWN")) << Log::captured();
    EXPECT_TRUE(logged("\nObject demo_ball MSG_LBUTTONUP"));
}
} // namespace
