// The number drums of room 04_02 on the headless engine: the targets drawn
// for a new game, the pillars' materials and pictures, a click turning a
// drum one step over a second (forward past its last position), clicks
// before the request, and the one answer when every drum shows its number,
// also to the story's real task engine.
#include "04_minigame_19.h"
#include "PuzzleFixture.h"
#include "StoryInterface.h"

#include <OgreTextureUnitState.h>
#include <Overlay/OgreOverlaySystem.h>

#include <vector>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
using tq::PuzzleFixture;
using tq::ScriptFixture;

using Drums = sc_04_minigame_19;

class NumberDrums : public ::testing::Test
{
protected:
    NumberDrums() : fx({"19_snd_00"}) {}

    void SetUp() override
    {
        PuzzleFixture::makeSectionsMesh("pillar.mesh", 3);
        task = fx.engine->addRecorder("task");
        for (int nn = 1; nn <= Drums::kDrums; ++nn)
        {
            fx.piece(name("04_02_stolb_", nn), nullptr, "pillar.mesh");
            fx.piece(name("04_02_nomer_", nn), nullptr, "pillar.mesh");
            fx.piece(name("04_02_znaki_", nn));
            for (const char* m : {"04_02_stolb_01/04_02_stolb_znak_", "04_02_stolb_01/04_02_nomer_",
                                  "04_02_stolb_01/04_02_nomer2_"})
                ScriptFixture::material(name(m, nn));
        }
    }

    static std::string name(const char* prefix, int i)
    {
        char text[96];
        std::snprintf(text, sizeof(text), "%s%02d", prefix, i);
        return text;
    }
    static void saveDrums(const std::vector<int>& targets, const std::vector<int>& positions, int end = 0)
    {
        int data[Drums::kSaved] = {};
        for (int r = 0; r < Drums::kDrums; ++r)
        {
            data[r] = targets[r];
            data[Drums::kDrums + r] = positions[r];
        }
        CVirtualScript::saveGameArray(Drums::kSaved, 4, 19, data, &end);
    }
    void create()
    {
        object = fx.engine->addObject("04_02_az_exit_to_03_mg", "04_minigame_19.sc");
        fx.engine->frame();
        drums = tq::HeadlessEngine::scriptOf<Drums>(object);
        ASSERT_NE(drums, nullptr);
        tq::RecordingScript::calls().clear();
    }
    void request()
    {
        fx.engine->notify(object, 100, task);
        fx.engine->frame();
        fx.engine->frame(0.001f); // what the game sent in answer arrives
    }
    void click(int drum)
    {
        fx.engine->notify(object, 30000 + drum);
        fx.engine->frame(0.001f);
    }
    /// The drum's picture: its texture's scroll.
    static float shown(int drum)
    {
        return ScriptFixture::unit(name("04_02_stolb_01/04_02_nomer2_", drum + 1))->getTextureUScroll();
    }

    PuzzleFixture fx;
    CObject* task = nullptr;
    CObject* object = nullptr;
    Drums* drums = nullptr;
};

TEST_F(NumberDrums, ANewGameAsksForNumbersOneToFiveOnDrumsAtZero)
{
    create();
    EXPECT_TRUE(CVirtualScript::isGameEndSet(4, 19));
    for (uint32_t seed : {0u, 5u, 77u})
    {
        if (seed)
        {
            CVirtualScript::randomSeed(seed);
            drums->genData();
        }
        for (int r = 0; r < Drums::kDrums; ++r)
        {
            EXPECT_GE(drums->target(r), 1);
            EXPECT_LE(drums->target(r), 5);
            EXPECT_EQ(drums->position(r), 0);
        }
        EXPECT_EQ(CVirtualScript::getVarI("4_19_variable_3"), drums->target(3));
    }
}

TEST_F(NumberDrums, ThePillarsShowTheirSignsNumbersAndDrums)
{
    saveDrums({3, 1, 5, 2, 4, 1}, {0, 6, 1, 2, 7, 3});
    create();
    EXPECT_EQ(PuzzleFixture::materialOf("04_02_znaki_03", 0), "04_02_stolb_01/04_02_stolb_znak_03");
    EXPECT_EQ(PuzzleFixture::materialOf("04_02_stolb_03", 1), "04_02_stolb_01/04_02_stolb_znak_03");
    EXPECT_EQ(PuzzleFixture::materialOf("04_02_stolb_03", 2), "04_02_stolb_01/04_02_nomer2_03");
    EXPECT_EQ(PuzzleFixture::materialOf("04_02_nomer_03", 1), "04_02_stolb_01/04_02_nomer_03");
    for (int r = 0; r < Drums::kDrums; ++r)
    {
        EXPECT_FLOAT_EQ(ScriptFixture::unit(name("04_02_stolb_01/04_02_stolb_znak_", r + 1))->getTextureUScroll(),
                        r * 0.125f);
        EXPECT_FLOAT_EQ(ScriptFixture::unit(name("04_02_stolb_01/04_02_nomer_", r + 1))->getTextureUScroll(),
                        drums->target(r) * 0.125f);
        EXPECT_FLOAT_EQ(shown(r), drums->position(r) * 0.125f);
    }
}

TEST_F(NumberDrums, AClickTurnsADrumOneStepForwardOverASecond)
{
    saveDrums({3, 1, 5, 2, 4, 1}, {0, 6, 1, 2, 7, 3});
    create();
    // Before the request the position changes and is saved, the picture
    // stays.
    click(0);
    EXPECT_TRUE(PuzzleFixture::played("19_snd_00"));
    EXPECT_EQ(drums->position(0), 1);
    EXPECT_EQ(CVirtualScript::getVarI("4_19_variable_6"), 1);
    fx.engine->frames(5, 0.1f);
    EXPECT_FLOAT_EQ(shown(0), 0.0f);

    request();
    fx.engine->frames(4, 0.1f);
    const float midway = shown(0);
    EXPECT_GT(midway, 0.0f);
    EXPECT_LT(midway, 0.125f * 1.1f);
    fx.engine->frames(8, 0.1f);
    EXPECT_FLOAT_EQ(shown(0), 0.125f);
    EXPECT_EQ(drums->drums[0].turning, 0);

    // The last position turns on forward into the first.
    click(4);
    EXPECT_EQ(drums->position(4), 0);
    fx.engine->frames(3, 0.1f);
    EXPECT_LT(shown(4), 0.0f); // between -0.125 and 0, not running back
    EXPECT_GT(shown(4), -0.125f);
    fx.engine->frames(10, 0.1f);
    EXPECT_FLOAT_EQ(shown(4), 0.0f);

    // A hot spot without a drum changes nothing.
    click(6);
    EXPECT_EQ(std::vector<int>(drums->data + 6, drums->data + 12), (std::vector<int>{1, 6, 1, 2, 0, 3}));
}

TEST_F(NumberDrums, EveryDrumAtItsNumberAnswersTheRequestOnce)
{
    saveDrums({3, 1, 5, 2, 4, 1}, {3, 1, 5, 2, 3, 1});
    create();
    request();
    fx.engine->frames(3, 0.1f);
    EXPECT_EQ(notes("task"), Calls{});
    click(4);
    // Not while the last drum still turns.
    fx.engine->frames(5, 0.1f);
    EXPECT_EQ(notes("task"), Calls{});
    fx.engine->frames(8, 0.1f);
    EXPECT_EQ(notes("task"), Calls{note(100, object)});
    EXPECT_EQ(CVirtualScript::getVarI("4_19_variable_game_end"), 1);
    EXPECT_EQ(drums->timer, 0);

    // Turned away and back: the turns answer nothing more; a request that
    // comes again (the task asks once more) is answered at once.
    for (int i = 0; i < 8; ++i)
        click(5);
    fx.engine->frames(15, 0.1f);
    EXPECT_EQ(notes("task").size(), 1u);
    request();
    EXPECT_EQ(notes("task"), (Calls{note(100, object), note(100, object)}));
    EXPECT_EQ(drums->timer, 0);
}

// With the story's real task engine, the in-game interface, asking as
// location 4's plan does: a task that notifies the drums with 100 and waits
// for their answer, then one that sets a game variable.
class NumberDrumsInTheStory : public NumberDrums
{
protected:
    void SetUp() override
    {
        NumberDrums::SetUp();
        new Ogre::OverlaySystem(); // never deleted, as in ScriptFixture
    }
    void tell()
    {
        sc_00_ginterface* gi = tq::StoryInterface::add(*fx.engine);
        ASSERT_NE(gi, nullptr);
        gi->threadAdd();
        gi->taskAddNotify("04_02_az_exit_to_03_mg", 100);
        gi->taskAddSetParam("drums_answered", 1);
        tq::StoryInterface::play(*fx.engine);
    }
    static int answered() { return CVirtualScript::getVarI("drums_answered"); }
};

TEST_F(NumberDrumsInTheStory, TheThreadWaitsForTheDrumsAndGoesOnWhenTheyShowTheirNumbers)
{
    saveDrums({3, 1, 5, 2, 4, 1}, {3, 1, 5, 2, 3, 1});
    create();
    tell();
    fx.engine->frames(10, 0.1f);
    EXPECT_EQ(answered(), 0);
    click(4);
    fx.engine->frames(15, 0.1f);
    EXPECT_EQ(answered(), 1);
    EXPECT_EQ(CVirtualScript::getVarI("4_19_variable_game_end"), 1);
    EXPECT_EQ(drums->timer, 0);
}

TEST_F(NumberDrumsInTheStory, DrumsSolvedBeforeTheRequestAnswerItAtOnce)
{
    // Solved in the saved game: the thread that asks now must not wait.
    saveDrums({3, 1, 5, 2, 4, 1}, {3, 1, 5, 2, 4, 1}, 1);
    create();
    tell();
    fx.engine->frames(2, 0.1f);
    EXPECT_EQ(answered(), 1);
    EXPECT_EQ(drums->timer, 0);
}
} // namespace
