// The tutorial window: a step slides in beside its target, the close button
// and code 100 slide it out, and the step's sender is answered once at the
// end of the fade-out; the check box writes "tutorial_on" at once; the
// highlight follows the cursor; a replaced step answers only the last
// sender; missing targets are warned about.
#include "00_tutorial.h"
#include "HeadlessEngine.h"
#include "SpyNotes.h"
#include "Input.h"
#include "TestSupport.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using tq::RecordingScript;
using tq::Calls;
using tq::note;
using tq::notes;


Ogre::OverlayElement* element(const char* name)
{
    return Ogre::OverlayManager::getSingleton().getOverlayElement(name);
}

void makeMaterial(const char* name, int passes)
{
    Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().create(name, "General");
    material->getTechnique(0)->getPass(0)->createTextureUnitState();
    for (int i = 1; i < passes; ++i)
        material->getTechnique(0)->createPass()->createTextureUnitState();
}

const float kTick = 0.05f;

class Tutorial : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gApp.mInput = new CInput(nullptr, -1, std::string());
        gApp.mInput->mCursorX = 0.0f;
        gApp.mInput->mCursorY = 0.0f;
        makeMaterial("TutorialCheckBox2pass", 2);
        makeMaterial("menu/light2", 1);
        makeMaterial("TutorialArrow", 1);
        makeMaterial("TutorialArrowMirror", 1);
        Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
        Ogre::Overlay* window = manager.create("tutorialOverlay");
        auto* border = static_cast<Ogre::OverlayContainer*>(manager.createOverlayElement("Panel", "MainBorder"));
        border->setPosition(0.3f, 0.2f);
        for (const char* name : {"MainText", "TutorialCheckBox1", "MainOk", "MainOk2"})
            border->addChild(manager.createOverlayElement("TextArea", name));
        for (const char* name : {"TutorialCheckBox1Ball", "TutorialArrow", "TutorialSkipButton", "TutorialLine"})
            border->addChild(manager.createOverlayElement("Panel", name));
        window->add2D(border);
        window->show();
        Ogre::Overlay* light = manager.create("interfaceOverlayLight2");
        light->add2D(static_cast<Ogre::OverlayContainer*>(manager.createOverlayElement("Panel", "MenuLight2")));
        light->show();

        gApp.mStrings.load("00132", Ogre::UTFString(std::string("Your things are kept in the bag down here.")));
        CVirtualScript::setVarI("tutorial_on", 1);
        CVirtualScript::setConfigI("tutorial_arrow_pos_x", 50);
        CVirtualScript::setConfigI("tutorial_arrow_pos_y", 80);
        iface = engine.addRecorder("00_game_interface");
        tutorial = engine.addObject("00_tutorial", "00_tutorial.sc");
        engine.frames(3, kTick);
        script = tq::HeadlessEngine::scriptOf<sc_00_tutorial>(tutorial);
        RecordingScript::calls().clear();
        engine.clearLog();
    }
    void TearDown() override
    {
        delete gApp.mInput;
        gApp.mInput = nullptr;
    }

    /// Puts the cursor inside the rectangle at (x, y) of size (sx, sy).
    static void pointAt(float x, float y, float sx, float sy)
    {
        gApp.mInput->mCursorX = x + sx / 2;
        gApp.mInput->mCursorY = y + sy / 2;
    }

    void click()
    {
        gApp.mInput->mLeftDown = true;
        engine.frame(kTick);
        gApp.mInput->mLeftDown = false;
        engine.frame(kTick);
    }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
    tq::OverlayScope overlays;
    CObject* iface = nullptr;
    CObject* tutorial = nullptr;
    sc_00_tutorial* script = nullptr;
};

TEST_F(Tutorial, StepSlidesInBesideItsTargetAndTheCloseButtonAnswersOnce)
{
    // The window starts hidden after its first frames, answering no one.
    EXPECT_EQ(script->menu.state, 0);
    EXPECT_FALSE(element("MainBorder")->isVisible());

    engine.notify(tutorial, 3, iface); // step 2: the spot from the options
    engine.frames(25, kTick);
    EXPECT_EQ(script->menu.state, 2);
    EXPECT_TRUE(element("MainBorder")->isVisible());
    EXPECT_TRUE(element("TutorialArrow")->isVisible());
    String caption;
    CVirtualScript::overlayGetCaption("tutorialOverlay", "MainBorder", "MainText", caption);
    EXPECT_EQ(caption, "Your things are kept in the bag\ndown here.");
    const float h = 2 * 0.03125f + 0.15f;
    EXPECT_NEAR(element("MainBorder")->getWidth(), 0.43f, 1e-5f);
    EXPECT_NEAR(element("MainBorder")->getHeight(), h, 1e-5f);
    // Left of the target (0.5, 0.8), the arrow mirrored at its right end.
    const float left = 0.5f - 0.43f;
    const float top = 0.8f - (h + 0.06f);
    EXPECT_NEAR(element("MainBorder")->getLeft(), left, 1e-4f);
    EXPECT_NEAR(element("MainBorder")->getTop(), top, 1e-4f);
    EXPECT_EQ(element("TutorialArrow")->getMaterialName(), "TutorialArrowMirror");
    EXPECT_NEAR(element("TutorialArrow")->getLeft(), 0.325f, 1e-5f);
    EXPECT_NEAR(element("TutorialArrow")->getTop(), h - 0.065f, 1e-5f);

    // The close button, in the bottom row left of the check box, lights up
    // under the cursor and closes on release; it stands clear of the text.
    const float closeTop = top + 2 * 0.03125f + 0.085f + 0.0208f - 0.025f;
    EXPECT_GT(closeTop, top + 0.04f + 2 * 0.03125f);
    pointAt(left + 0.03f, closeTop, 0.1f, 0.05f);
    engine.frames(2, kTick);
    EXPECT_TRUE(element("MenuLight2")->isVisible());
    click();
    EXPECT_EQ(script->menu.state, 3);
    engine.frames(12, kTick); // 0.7 s since the close
    EXPECT_TRUE(notes("00_game_interface").empty());
    engine.frames(4, kTick);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(3, tutorial)});
    EXPECT_FALSE(element("MainBorder")->isVisible());
    EXPECT_FALSE(element("MenuLight2")->isVisible());
    engine.frames(20, kTick);
    EXPECT_EQ(notes("00_game_interface").size(), 1u);
    EXPECT_EQ(script->step, -1);
}

TEST_F(Tutorial, UntickingTheCheckBoxSwitchesTheTutorialOffAtOnce)
{
    engine.notify(tutorial, 4, iface); // step 3: the right edge
    engine.frames(25, kTick);
    const sc_00_tutorial::BORDER& border = script->menu.borders[script->border];
    const sc_00_tutorial::ITEM& box = script->menu.items[script->check_box];
    EXPECT_EQ(box.tick, 1);
    pointAt(border.x + box.x, border.y + box.y, box.tick_sx, box.tick_sy);
    click();
    EXPECT_EQ(CVirtualScript::getVarI("tutorial_on"), 0);
    EXPECT_EQ(script->menu.state, 2);
    engine.frames(10, kTick);
    EXPECT_LT(box.check_amount, 0.01f);
    EXPECT_TRUE(notes("00_game_interface").empty());
    click();
    EXPECT_EQ(CVirtualScript::getVarI("tutorial_on"), 1);
}

TEST_F(Tutorial, HundredClosesOnlyWhatIsShownAndOnlyTheLastStepIsAnswered)
{
    engine.notify(tutorial, 100, iface);
    engine.frames(40, kTick);
    EXPECT_TRUE(notes("00_game_interface").empty());
    EXPECT_FALSE(element("MainBorder")->isVisible());

    CObject* other = engine.addRecorder("other");
    engine.notify(tutorial, 5, iface);
    engine.frames(10, kTick);
    engine.notify(tutorial, 7, other);
    engine.frames(10, kTick);
    engine.notify(tutorial, 100, iface);
    engine.frames(40, kTick);
    EXPECT_TRUE(notes("00_game_interface").empty());
    EXPECT_EQ(notes("other"), Calls{note(7, tutorial)});
}

TEST_F(Tutorial, StepWithoutItsObjectWarnsAndStaysOnScreen)
{
    CVirtualScript::setVarI("cur_cam", 1);
    engine.notify(tutorial, 1, iface); // step 0 on camera 1
    engine.frames(25, kTick);
    EXPECT_NE(engine.log().find("\nWARNING: Can't find object [01_az_gazeta04_02_msz] by name!"), std::string::npos);
    const Ogre::OverlayElement* border = element("MainBorder");
    EXPECT_GE(border->getLeft(), 0.0f);
    EXPECT_GE(border->getTop(), 0.0f);
    EXPECT_LE(border->getLeft() + border->getWidth(), 1.0f);
    EXPECT_LE(border->getTop() + border->getHeight(), 1.0f);
}

TEST_F(Tutorial, StepWhoseTargetLiesOffTheScreenKeepsTheWindowOnIt)
{
    // The camera looks down -Z from the origin; each target lies where the
    // step's pointer would carry the window past an edge of the screen.
    Ogre::SceneNode* eye = gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode();
    Ogre::Camera* camera = gApp.mSceneMgr->createCamera("TutorialTestCamera");
    camera->setNearClipDistance(1.0f);
    camera->setAspectRatio(4.0f / 3.0f);
    eye->attachObject(camera);
    gApp.mCamera = camera;
    CObject* target = engine.addObject("01_az_gazeta04_02_msz");
    const struct
    {
        Ogre::Vector3 where;
        const char* what;
    } cases[] = {
        {{-500.0f, 0.0f, -100.0f}, "far left"},
        {{500.0f, 0.0f, -100.0f}, "far right"},
        {{0.0f, 300.0f, -100.0f}, "above"},
        {{0.0f, -300.0f, -100.0f}, "below"},
        {{0.0f, 0.0f, 100.0f}, "behind the camera"},
    };
    CVirtualScript::setVarI("cur_cam", 1);
    for (const auto& c : cases)
    {
        target->getNode()->setPosition(c.where);
        engine.notify(tutorial, 1, iface); // step 0 on camera 1
        engine.frames(25, kTick);
        const Ogre::OverlayElement* border = element("MainBorder");
        EXPECT_GE(border->getLeft(), 0.0f) << c.what;
        EXPECT_GE(border->getTop(), 0.0f) << c.what;
        EXPECT_LE(border->getLeft() + border->getWidth(), 1.0f) << c.what;
        EXPECT_LE(border->getTop() + border->getHeight(), 1.0f) << c.what;
        engine.notify(tutorial, 100, iface);
        engine.frames(25, kTick);
    }
    gApp.mCamera = nullptr;
}
} // namespace
