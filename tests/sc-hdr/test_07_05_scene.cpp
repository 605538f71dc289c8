// The game's last scene: the characters' last places, the chain dialog ->
// loader fade -> camera flight with the reset location and the save, the
// caption 15 s after the fade, and the lens flare that follows the sun.
#include "00_loader.h"
#include "07_05_scene.h"
#include "Loc7Fixture.h"
#include "VirtualScript.h"

#include <OgreCamera.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>

namespace
{
using tq::note;
using tq::notes;
using tq::Calls;

const char* const kLinse[4] = {"LinseContainer", "LinseContainer2", "LinseContainer3", "LinseContainer4"};
const float kLinseSize[4][2] = {{0.2f, 0.1f}, {0.1f, 0.1f}, {0.3f, 0.2f}, {0.4f, 0.4f}};

class EndingScene : public tq::Loc7Fixture
{
protected:
    void SetUp() override
    {
        Loc7Fixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_sfx_env", "interface", "01_01_scene_ds", "00_game_interface",
               "other"});
        if (realLoader)
            loader = addLoader();
        else
            spies({"00_loader"});
        hero = person("01_hero_worker");
        boss = person("05_agent_boss");
        girl = person("11_agent_girl");
        professor = person("03_professor");
        sun = prop("00_solnce_01");
        for (const char* m : {"00_solnce_01", "00_solnce_02", "00_solnce_03"})
            material(m);
        Ogre::OverlayManager& om = Ogre::OverlayManager::getSingleton();
        Ogre::Overlay* overlay = om.create("LinseOverlay");
        for (int i = 0; i < 4; ++i)
        {
            auto* panel = static_cast<Ogre::OverlayContainer*>(om.createOverlayElement("Panel", kLinse[i]));
            panel->setDimensions(kLinseSize[i][0], kLinseSize[i][1]);
            overlay->add2D(panel);
        }
        self = scene("07_05_scene", "07_05_scene.sc");
        sunAt(0.5f, 0.5f);
    }

    /// The real loader with its black overlay and windows, past the
    /// fade-in that opens a scene.
    CObject* addLoader()
    {
        Ogre::OverlayManager& om = Ogre::OverlayManager::getSingleton();
        for (const char* name : {"LoaderOverlay", "loadingWindow", "loadingWindow2", "loadingWindow3"})
            om.create(name);
        material("interf/00_black");
        CVirtualScript::setConfigI("game_state", 0);
        CObject* object = engine->addObject("00_loader", "00_loader.sc");
        engine->frames(20, kDt);
        return object;
    }

    /// Puts the sun where the camera sees it at the screen point (x, y).
    void sunAt(float x, float y)
    {
        const Ogre::Ray ray = gApp.mCamera->getCameraToViewportRay(x, y);
        sun->getNode()->setPosition(ray.getPoint(500.0f));
    }

    static Ogre::Vector2 linsePos(int i)
    {
        Ogre::OverlayElement* e = Ogre::OverlayManager::getSingleton().getOverlayElement(kLinse[i]);
        return Ogre::Vector2(e->getLeft(), e->getTop());
    }

    /// From the start to the camera flight: 100, the dialog's end, the fade's end.
    void toTheFlight()
    {
        say(100);
        engine->frames(12, kDt);
        say(6061);
        say(666);
    }

    /// The code, and a second frame in which the scene's own sends arrive.
    void say(int code)
    {
        engine->notify(self, code);
        engine->frames(2, kDt);
    }

    bool realLoader = false; ///< the real loader in place of the spy
    CObject* loader = nullptr;
    CAnimatableObject *hero = nullptr, *boss = nullptr, *girl = nullptr, *professor = nullptr;
    CObject* sun = nullptr;
    CObject* self = nullptr;
};

TEST_F(EndingScene, CreationHidesAllButTheProfessor)
{
    EXPECT_FALSE(shown(sun));
    EXPECT_FALSE(shown(hero));
    EXPECT_FALSE(shown(boss));
    EXPECT_FALSE(shown(girl));
    EXPECT_TRUE(shown(professor));
}

TEST_F(EndingScene, StartPlacesTheFourAndPlaysTheDialogASecondLater)
{
    CVirtualScript::setConfigI("game_state", 3);
    engine->clearLog();
    say(100);
    EXPECT_EQ(notes("00_sfx_env"), Calls{note(5008, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), Calls{note(5831, self)});
    EXPECT_EQ(CVirtualScript::getConfigI("game_state"), 0);

    struct Case
    {
        CAnimatableObject* who;
        Ogre::Vector3 at;
        float turn;
    };
    const Case cases[] = {
        {hero, {119, -23, 4445}, 7},
        {boss, {233, -5, 4445}, -171},
        {girl, {263, 63, 4445}, -150},
        {professor, {44, 34, 4445}, -13},
    };
    for (const Case& c : cases)
    {
        const std::string name = c.who->getNode()->getName();
        EXPECT_TRUE(shown(c.who)) << name;
        EXPECT_LT(c.who->getNode()->getPosition().distance(c.at), 1e-3f) << name;
        EXPECT_NEAR(c.who->getNode()->getOrientation().getRoll().valueDegrees(), c.turn, 1e-3f) << name;
        EXPECT_EQ(asked(name), Calls{"static_01"}) << name;
        EXPECT_EQ(c.who->mPointList.size(), 1u) << name;
        EXPECT_TRUE(c.who->isRunning()) << name;
    }

    engine->frames(5, kDt);
    EXPECT_TRUE(notes("02_dialogs").empty());
    engine->frames(4, kDt);
    EXPECT_EQ(notes("02_dialogs"), Calls{note(6061, self)});
    // The flare timer takes over the dialog timer's id; the dialog is not
    // asked for again.
    say(6061);
    EXPECT_EQ(notes("00_loader"), Calls{note(666, self)});
    say(666);
    engine->frames(40, kDt);
    EXPECT_EQ(notes("02_dialogs").size(), 1u);
}

TEST_F(EndingScene, FadeEndStartsTheFlightResetsTheLocationAndSaves)
{
    CVirtualScript::setVarI("cur_loc", 6);
    toTheFlight();
    EXPECT_EQ(notes("01_cam_move"), (Calls{note(5831, self), note(10705, self)}));
    EXPECT_EQ(notes("interface"), Calls{note(100, nullptr)});
    EXPECT_EQ(CVirtualScript::getVarI("cur_loc"), 0);
    EXPECT_TRUE(shown(sun));
    EXPECT_EQ(hero->mPointList.size(), 1u);
    EXPECT_EQ(asked("01_hero_worker").back(), "worry_static_01");
    EXPECT_TRUE(notes("00_game_interface").empty());

    // The caption comes 15 s after the fade's end; the flight's end is the
    // scene's end.
    engine->frames(113, kDt);
    EXPECT_TRUE(notes("01_01_scene_ds").empty());
    engine->frames(10, kDt);
    EXPECT_EQ(notes("01_01_scene_ds"), Calls{note(10149, nullptr)});
    engine->frames(160, kDt);
    EXPECT_EQ(notes("01_01_scene_ds").size(), 1u);
    say(10705);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, self)});
}

TEST_F(EndingScene, FlareFollowsTheSunAndBrightensNearTheRightEdge)
{
    sunAt(1.2f, 0.5f);
    toTheFlight();
    engine->frame(kDt);
    Ogre::Overlay* overlay = Ogre::OverlayManager::getSingleton().getByName("LinseOverlay");
    // Off screen: dark, hidden, yet the elements are placed.
    EXPECT_FALSE(overlay->isVisible());
    EXPECT_FLOAT_EQ(manualRed("00_solnce_02"), 0.0f);
    EXPECT_NEAR(linsePos(0).x, 1.2f - 0.1f, 1e-3f);

    struct Case
    {
        float x, y;
        bool visible;
        float brightness;
    };
    const Case cases[] = {
        {1.0f, 0.5f, false, 0.0f}, // the right edge itself changes nothing
        {0.98f, 0.3f, true, 0.8f},
        {0.5f, 0.25f, true, 0.8f}, // far inside: the last brightness stays
    };
    for (const Case& c : cases)
    {
        sunAt(c.x, c.y);
        engine->frame(kDt);
        EXPECT_EQ(overlay->isVisible(), c.visible) << c.x;
        for (const char* m : {"00_solnce_01", "00_solnce_02", "00_solnce_03"})
            EXPECT_NEAR(manualRed(m), c.brightness, 1e-3f) << c.x << m;
        const Ogre::Vector2 centres[4] = {{c.x, c.y},
                                          {(c.x + 0.5f) / 2, (c.y + 0.5f) / 2},
                                          {1 - c.x, 1 - c.y},
                                          {c.x, c.y}};
        for (int i = 0; i < 4; ++i)
        {
            EXPECT_NEAR(linsePos(i).x, centres[i].x - kLinseSize[i][0] / 2, 1e-3f) << c.x << " " << i;
            EXPECT_NEAR(linsePos(i).y, centres[i].y - kLinseSize[i][1] / 2, 1e-3f) << c.x << " " << i;
        }
    }
}

TEST_F(EndingScene, OtherCodesAndTheSkipAreIgnored)
{
    for (int code : {6789, 200, 1100, 10704})
        engine->notify(self, code);
    engine->frames(30, kDt);
    EXPECT_TRUE(tq::RecordingScript::calls().empty());
    EXPECT_FALSE(shown(hero));
}

// With the real loader: the scene's fade request may come while the loader
// still fades out for someone else.
class EndingWithLoader : public EndingScene
{
protected:
    EndingWithLoader() { realLoader = true; }
};

TEST_F(EndingWithLoader, TheFadeAskedDuringAnotherFadeOutIsAnsweredAfterIt)
{
    say(100);
    engine->frames(12, kDt);
    ASSERT_EQ(notes("02_dialogs"), Calls{note(6061, self)});
    // Someone else's fade is under way when the dialog ends.
    engine->notify(loader, 777, gApp.findObject("other"));
    engine->frame(kDt);
    ASSERT_EQ(tq::HeadlessEngine::scriptOf<sc_00_loader>(loader)->state, 2);
    say(6061);
    EXPECT_EQ(notes("01_cam_move"), Calls{note(5831, self)}); // no flight yet
    // The first fade ends and is answered; then the scene's own, whose
    // answer starts the flight.
    engine->frames(40, kDt);
    EXPECT_EQ(notes("other").front(), note(777, nullptr));
    EXPECT_EQ(notes("01_cam_move"), (Calls{note(5831, self), note(10705, self)}));
}
} // namespace
