// The dart scene of location 4 on the headless engine: the smoke, the
// puddle's fade clamped at its end, the dart and the smoke's end on their
// clocks, the dart's answer that ends the scene, and a second visit that
// only puts everything into its end state.
#include "04_05_scene.h"
#include "ActorSceneFixture.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

class DartScene : public ::testing::Test, public tq::ActorSceneFixture
{
protected:
    DartScene()
        : ActorSceneFixture({"00_movies", "00_game_interface", "04_05_drotik_01", "04_05_plastic_luga_spread",
                        "04_05_drotik_01_smoke"})
    {
        material("04_plastic_luga");
    }

    void create() { room = scene("04_05_scene"); }

    void send(int code)
    {
        engine->notify(room, code);
        engine->frames(2);
    }

    static float puddleAlpha() { return unit("04_plastic_luga")->getAlphaBlendMode().alphaArg2; }

    CObject* room = nullptr;
};

TEST_F(DartScene, SmokeFadeDartAndTheDartsAnswer)
{
    create();
    EXPECT_FLOAT_EQ(puddleAlpha(), 0.0f);

    send(101);
    EXPECT_EQ(notes("00_movies"), Calls{note(4040, nullptr)});
    EXPECT_EQ(notes("04_05_drotik_01_smoke"), Calls{note(101, nullptr)});
    EXPECT_EQ(CVirtualScript::getVarI("04_05_scene@already_done"), 1);
    EXPECT_GT(puddleAlpha(), 0.0f);
    EXPECT_LT(puddleAlpha(), 0.1f);

    engine->frames(11, 0.1f);
    EXPECT_EQ(notes("04_05_drotik_01"), Calls{note(100, room)});
    EXPECT_EQ(notes("04_05_plastic_luga_spread"), Calls{note(100, nullptr)});
    // The fade clamps at its end and its clock stops.
    EXPECT_FLOAT_EQ(puddleAlpha(), 1.0f);
    sc_04_05_scene* script = tq::HeadlessEngine::scriptOf<sc_04_05_scene>(room);
    EXPECT_EQ(script->fadeTimer, -1);

    engine->frames(40, 0.1f);
    EXPECT_EQ(notes("04_05_drotik_01_smoke"), (Calls{note(101, nullptr), note(100, nullptr)}));
    EXPECT_TRUE(notes("00_game_interface").empty());

    // The dart tells when it has hit.
    send(100);
    EXPECT_EQ(notes("04_05_drotik_01"), (Calls{note(100, room), note(2, nullptr)}));
    EXPECT_EQ(notes("04_05_plastic_luga_spread"), (Calls{note(100, nullptr), note(2, nullptr)}));
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, room)});
}

TEST_F(DartScene, PlayedOnceTheSceneOnlyResetsAndAnswers)
{
    CVirtualScript::setVarI("04_05_scene@already_done", 1);
    CVirtualScript::materialSetAlpha("04_plastic_luga", 0.5f);
    create();
    // The puddle keeps its look when the room is entered.
    EXPECT_FLOAT_EQ(puddleAlpha(), 0.5f);

    send(101);
    EXPECT_EQ(notes("04_05_drotik_01"), Calls{note(2, nullptr)});
    EXPECT_EQ(notes("04_05_plastic_luga_spread"), Calls{note(2, nullptr)});
    EXPECT_EQ(notes("04_05_drotik_01_smoke"), Calls{note(100, nullptr)});
    EXPECT_FLOAT_EQ(puddleAlpha(), 1.0f);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, room)});
    EXPECT_TRUE(notes("00_movies").empty());
    EXPECT_EQ(room->mTimers.live, 0);
}

TEST_F(DartScene, ClearingDuringTheShotStopsFadeAndDartButNotTheSmoke)
{
    create();
    send(101);
    send(1100);
    EXPECT_FLOAT_EQ(puddleAlpha(), 1.0f);
    EXPECT_EQ(notes("04_05_drotik_01"), Calls{note(2, nullptr)});
    engine->frames(60, 0.1f);
    EXPECT_EQ(notes("04_05_drotik_01"), Calls{note(2, nullptr)});
    EXPECT_EQ(notes("04_05_drotik_01_smoke"),
              (Calls{note(101, nullptr), note(100, nullptr), note(100, nullptr)}));
    EXPECT_TRUE(notes("00_game_interface").empty());
}
}
