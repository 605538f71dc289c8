// The opening scene: the start's sends and poses, the spot's rise over
// 9.5 s that ends on the bone of the machine, the green phase with its
// scroll from 8 s to 13 s and the gem's flash at 13 s, the title at the
// flight's end, the answer on the title's end, and the clear code.
#include "07_01_scene.h"
#include "Loc7Fixture.h"
#include "VirtualScript.h"

#include <OgreSubEntity.h>

#include <algorithm>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;

class Prologue : public tq::Loc7Fixture
{
protected:
    void SetUp() override
    {
        Loc7Fixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_movies", "00_sfx_env", "07_papirus", "01_01_scene_ds", "00_title",
               "00_game_interface"});
        priest = person("08_priest");
        priest->getNode()->setPosition(5, 5, 5);
        machine = person("07_hrenovina");
        gem = prop("07_tolvane1_01");
        spot = prop("Spot_hrenovina");
        spot->getNode()->setPosition(10, 20, 300);
        billboard = spyProp("07_tolvane1_01_bb");
        material("07_hrenovina/hrenovina2");
        material("07_hrenovina/zelen");
        self = scene("07_01_scene", "07_01_scene.sc");
        script = tq::HeadlessEngine::scriptOf<sc_07_01_scene>(self);
    }

    void say(int code)
    {
        engine->notify(self, code);
        engine->frames(2, kDt);
    }

    /// Frames until the rise has ended; the rise of the tick before.
    float riseToItsEnd()
    {
        float before = script->rise;
        for (int i = 0; i < 400 && script->riseTimer; ++i)
        {
            before = script->rise;
            engine->frame(kDt);
        }
        return before;
    }

    float scroll() const { return unit("07_hrenovina/zelen")->getTextureVScroll(); }

    CAnimatableObject *priest = nullptr, *machine = nullptr;
    CObject *gem = nullptr, *spot = nullptr, *billboard = nullptr, *self = nullptr;
    sc_07_01_scene* script = nullptr;
};

TEST_F(Prologue, CreationHidesTheMachineTheGemAndTheSpot)
{
    EXPECT_FALSE(shown(machine));
    EXPECT_FALSE(shown(gem));
    EXPECT_FALSE(shown(spot));
    EXPECT_FALSE(shown(billboard));
    EXPECT_EQ(script->spotStart, vec3(10, 20, 300));
}

TEST_F(Prologue, StartSendsPosesAndShows)
{
    engine->clearLog();
    say(100);
    EXPECT_EQ(notes("00_movies"), Calls{note(1023, nullptr)});
    EXPECT_EQ(notes("00_sfx_env"), Calls{note(1004, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), (Calls{note(5201, self), note(10702, self)}));
    EXPECT_EQ(notes("07_papirus"), Calls{note(100, nullptr)});
    EXPECT_EQ(notes("01_01_scene_ds"), Calls{note(10142, nullptr)});
    EXPECT_EQ(priest->getNode()->getPosition(), Ogre::Vector3::ZERO);
    EXPECT_EQ(asked("08_priest"), Calls{"hrenovina"});
    EXPECT_TRUE(priest->isRunning());
    EXPECT_TRUE(shown(machine));
    EXPECT_TRUE(shown(gem));
    EXPECT_TRUE(shown(spot));
    EXPECT_FALSE(shown(billboard));
    EXPECT_EQ(billboard->getNode()->getPosition(), Ogre::Vector3(584, 0, 4518));
    EXPECT_NE(engine->log().find("07_hrenovina_rotate.skeleton"), std::string::npos);
}

TEST_F(Prologue, SpotRisesForNineAndAHalfSecondsOntoTheMachine)
{
    say(100);
    engine->frames(30, kDt);
    ASSERT_GT(script->rise, 0.2f);
    ASSERT_LT(script->rise, 0.5f);
    EXPECT_NEAR(spot->getNode()->getPosition().z, 300.0f - (1.0f - script->rise) * 1000.0f, 1e-2f);
    EXPECT_EQ(script->greenTimer, 0);

    engine->clearLog();
    const float before = riseToItsEnd();
    EXPECT_LT(before, 1.0f);
    EXPECT_GE(script->rise, 1.0f);
    // Placed once more on the last tick, then hung on the machine's bone.
    EXPECT_NEAR(spot->getNode()->getPosition().z, 300.0f - (1.0f - script->rise) * 1000.0f, 1e-2f);
    EXPECT_NE(engine->log().find(boneFailure("07_hrenovina_bone_04", "07_hrenovina")), std::string::npos);
    EXPECT_EQ(machine->getEntity()->getSubEntity(0)->getMaterialName(), "07_hrenovina/hrenovina2");
    EXPECT_NE(script->greenTimer, 0);
    EXPECT_NEAR(script->rise * 9.5f, 9.5f, kDt);
}

TEST_F(Prologue, GreenScrollsFromEightToThirteenSecondsThenTheGemFlashes)
{
    say(100);
    riseToItsEnd();
    tq::RecordingScript::calls().clear();

    struct Case
    {
        float until; // seconds of the green phase
        bool flashed;
    };
    const Case cases[] = {{7.9f, false}, {10.0f, false}, {12.8f, false}, {13.0f, true}, {20.0f, true}};
    for (const Case& c : cases)
    {
        while (script->greenTime < c.until - 1e-3f)
            engine->frame(kDt);
        const float g = script->greenTime;
        const float expected = g <= 8.0f ? 0.0f : (std::min(g, 12.875f) - 8.0f) / 9.5f;
        EXPECT_NEAR(scroll(), expected, 1e-3f) << g;
        EXPECT_EQ(shown(billboard), c.flashed) << g;
        if (!c.flashed)
        {
            EXPECT_TRUE(notes("07_tolvane1_01_bb").empty()) << g;
        }
    }
    EXPECT_EQ(notes("07_tolvane1_01_bb"), Calls{note(101, nullptr)});
    EXPECT_NEAR(scroll(), 4.875f / 9.5f, 1e-3f);
}

TEST_F(Prologue, TitleAfterTheFlightAndTheAnswerAfterTheTitle)
{
    say(10702);
    EXPECT_EQ(notes("00_title"), Calls{note(100, self)});
    EXPECT_TRUE(notes("00_game_interface").empty());
    say(200);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, self)});
}

TEST_F(Prologue, AnEarlyTitleEndEndsTheSceneAndClearHidesParchmentAndTitle)
{
    say(100);
    say(200);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, self)});
    say(1100);
    EXPECT_EQ(notes("07_papirus"), (Calls{note(100, nullptr), note(200, nullptr)}));
    EXPECT_EQ(notes("00_title"), Calls{note(200, nullptr)});
}

TEST_F(Prologue, ASecondStartKeepsOneRiseTimer)
{
    say(100);
    engine->frames(4, kDt);
    say(100);
    EXPECT_EQ(self->mTimers.live, 1);
    // The rise runs to its end and its timer is gone.
    riseToItsEnd();
    EXPECT_EQ(script->riseTimer, 0);
}
} // namespace
