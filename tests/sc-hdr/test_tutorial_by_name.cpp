// The tutorial window is the object "tutorial" of every location scene: the
// in-game interface finds it under that name for its steps, and a hot spot
// that says a line closes it under that name.  The interface, the window
// and the hot spot are the real scripts; only the dialog player and the
// other neighbours are spies.
#include "00_tutorial.h"
#include "GInterfaceFixture.h"

#include <Overlay/OgreOverlayContainer.h>

#include <gtest/gtest.h>

namespace
{
using tq::Told;

class TutorialByName : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        // The window's overlay as the interface's scripts file defines it.
        material("TutorialCheckBox2pass", 2);
        material("menu/light2");
        material("TutorialArrow");
        material("TutorialArrowMirror");
        Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
        Ogre::Overlay* window = manager.create("tutorialOverlay");
        auto* border = static_cast<Ogre::OverlayContainer*>(manager.createOverlayElement("Panel", "MainBorder"));
        for (const char* name : {"MainText", "TutorialCheckBox1", "MainOk", "MainOk2"})
            border->addChild(manager.createOverlayElement("TextArea", name));
        for (const char* name : {"TutorialCheckBox1Ball", "TutorialArrow", "TutorialSkipButton", "TutorialLine"})
            border->addChild(manager.createOverlayElement("Panel", name));
        window->add2D(border);
        window->show();
        Ogre::Overlay* light = manager.create("interfaceOverlayLight2");
        light->add2D(static_cast<Ogre::OverlayContainer*>(manager.createOverlayElement("Panel", "MenuLight2")));
        light->show();

        spies({"00_loader", "00_hint", "interface", "01_cam_move", "02_dialogs"});
        tutorial = prop("tutorial", "00_tutorial.sc");
        start();
        notify(555);
        notify(550);
        forgetTold();
        window_ = tq::HeadlessEngine::scriptOf<sc_00_tutorial>(tutorial);
    }

    CObject* tutorial = nullptr;
    sc_00_tutorial* window_ = nullptr;
};

TEST_F(TutorialByName, TheInterfacesStepOpensTheWindowAndAHotSpotsLineClosesIt)
{
    ASSERT_NE(window_, nullptr);
    prop("01_az_gazeta04_02_msz");
    CObject* spot = prop("01_az_yshik", "00_click_task.sc", {{"dlg_id", "1003"}});
    CVirtualScript::setVarI("cur_loc", 1);
    CVirtualScript::setVarI("cur_cam", 1);
    gi->tutorialInit(1);
    EXPECT_EQ(gi->tutorialObj, h(tutorial));

    // The first step: the interface sends it to the window, which slides in.
    gi->tutorialNotify(0);
    ticks(25);
    EXPECT_EQ(gi->tutorialStateOn, 1);
    EXPECT_EQ(window_->menu.state, 2);
    EXPECT_TRUE(shown("MainBorder"));

    // A click on a hot spot with a line: the line goes to the dialog player
    // and the window slides out, then tells the interface the step is done.
    engine.click(spot);
    ticks(2);
    EXPECT_EQ(told("02_dialogs"), (Told{"1003 from 01_az_yshik"}));
    ticks(30);
    EXPECT_EQ(window_->menu.state, 0);
    EXPECT_FALSE(shown("MainBorder"));
    EXPECT_EQ(gi->tutorialStateOn, 0);
    EXPECT_EQ(engine.log().find("Can't find object [tutorial]"), std::string::npos);
}
} // namespace
