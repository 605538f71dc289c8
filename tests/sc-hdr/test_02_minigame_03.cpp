// The tube puzzle on the headless engine: six tubes under the board group,
// their focus codes sent as their pieces send them and the button read
// from the input layer; the tubes' angles are read from their nodes.
#include "02_minigame_03.h"
#include "BoardFixture.h"

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;

const int kTubes = 6;

class Tubes : public ::testing::Test, public tq::BoardFixture
{
protected:
    Tubes() : BoardFixture("02_minigame_03") {}

    void SetUp() override
    {
        for (int i = 0; i < kTubes; ++i)
            tubes.push_back(piece("02_03_game_03_tube_", i, vec3(i * 10.0f, 0, -100)));
    }

    void startWith(const std::vector<int>& steps, int won = 0)
    {
        saveArray(2, 3, steps, won);
        start();
        script = tq::HeadlessEngine::scriptOf<sc_02_minigame_03>(game);
        ASSERT_NE(script, nullptr);
    }

    /// A press and release over tube i (-1: over none).
    void press(int i)
    {
        if (i >= 0)
            engine->notify(game, 10000 + i);
        mouse(0.5f, 0.5f, true);
        engine->frame();
        mouse(0.5f, 0.5f, false);
        if (i >= 0)
            engine->notify(game, 20000 + i);
        engine->frame();
    }
    /// The half second of a turn.
    void finishTurn() { engine->frames(6, 0.1f); }

    bool turnedTo(int i, float deg) const
    {
        return tubes[i]->getNode()->getOrientation().equals(CVirtualScript::eulerDegToQuat(0, 0, deg),
                                                              Ogre::Radian(Ogre::Degree(0.1f)));
    }

    std::vector<CObject*> tubes;
    sc_02_minigame_03* script = nullptr;
};

TEST_F(Tubes, ANewGameTurnsTheFirstFiveTubesAtRandom)
{
    start();
    int won = -1;
    const std::vector<int> steps = savedArray(2, 3, kTubes, &won);
    EXPECT_TRUE(CVirtualScript::isGameEndSet(2, 3));
    EXPECT_EQ(won, 0);
    EXPECT_EQ(steps[5], 0);
    for (int i = 0; i < kTubes; ++i)
    {
        EXPECT_GE(steps[i], 0);
        EXPECT_LT(steps[i], 12);
        EXPECT_TRUE(turnedTo(i, steps[i] * 30.0f)) << i;
    }
    EXPECT_TRUE(boardShown());
    EXPECT_EQ(game->mTimers.live, 1);
}

TEST_F(Tubes, AClickTurnsTheFocusedTubeOneStepOn)
{
    startWith({3, 0, 0, 0, 0, 0});
    press(0);
    EXPECT_EQ(script->state[0], 4);
    EXPECT_FALSE(turnedTo(0, 120.0f)) << "the turn takes half a second";
    finishTurn();
    EXPECT_TRUE(turnedTo(0, 120.0f));

    // A press over no tube turns nothing.
    press(-1);
    finishTurn();
    EXPECT_EQ(script->state[0], 4);
    EXPECT_FLOAT_EQ(script->t, 1.0f);

    // A click on another tube while one turns completes that turn at once.
    press(0);
    press(1);
    EXPECT_FLOAT_EQ(script->tubes[0].current, 150.0f);
    EXPECT_EQ(script->state[1], 1);
    finishTurn();
    EXPECT_TRUE(turnedTo(0, 150.0f));
    EXPECT_TRUE(turnedTo(1, 30.0f));
}

TEST_F(Tubes, TwelveClicksComeRoundForwardsAndOnlyAFinishedTurnWins)
{
    // Every tube straight at the start is no win yet.
    startWith({0, 0, 0, 0, 0, 0});
    engine->frames(5);
    EXPECT_EQ(script->won, 0);
    for (int k = 0; k < 11; ++k)
    {
        press(0);
        finishTurn();
    }
    EXPECT_EQ(script->state[0], 11);
    EXPECT_TRUE(notes("00_minigame_interf").empty());

    // The twelfth turn goes on from 330 to 360.
    press(0);
    EXPECT_EQ(script->state[0], 0);
    EXPECT_GT(script->tubes[0].current, 330.0f);
    EXPECT_EQ(script->won, 0) << "not before the turn has ended";
    finishTurn();
    EXPECT_TRUE(turnedTo(0, 0.0f));
    EXPECT_EQ(script->won, 1);
    engine->frame();
    EXPECT_EQ(notes("00_minigame_interf"), std::vector<std::string>{note(1100, game)});
    EXPECT_NE(engine->log().find("\nYOU WIN !!!"), std::string::npos);

    // Won, the tubes no longer turn.
    press(1);
    finishTurn();
    EXPECT_EQ(script->state[1], 0);
}

TEST_F(Tubes, TheSixthTubeTurnedAwayIsPartOfThePuzzle)
{
    startWith({0, 0, 0, 0, 0, 11});
    press(4);
    finishTurn();
    EXPECT_EQ(script->won, 0);
    for (int k = 0; k < 11; ++k)
        press(4);
    finishTurn();
    EXPECT_EQ(script->won, 0) << "tube 5 still stands at 330";
    press(5);
    finishTurn();
    EXPECT_EQ(script->won, 1);
}

TEST_F(Tubes, PauseHintSaveCloseAndADamagedStep)
{
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    startWith({25, -1, 0, 0, 0, 0});
    EXPECT_EQ(script->state[0], 1);
    EXPECT_EQ(script->state[1], 11);
    EXPECT_NE(engine->log().find("saved step 25 of tube 0"), std::string::npos);
    engine->frame();
    EXPECT_EQ(notes("interface"), std::vector<std::string>{note(16003, nullptr)});

    engine->notify(game, 1400);
    press(2);
    EXPECT_EQ(script->state[2], 0);
    engine->notify(game, 1500);
    press(2);
    EXPECT_EQ(script->state[2], 1);

    engine->notify(game, 1300);
    engine->frame();
    EXPECT_EQ(savedArray(2, 3, kTubes), (std::vector<int>{1, 11, 1, 0, 0, 0}));
    EXPECT_EQ(game->mTimers.live, 0);
    EXPECT_FALSE(boardShown());
}

TEST_F(Tubes, ASecondStartKeepsOneTick)
{
    start();
    // The starter's start code again (a game opened twice): still one tick.
    engine->notify(game, 1200, starter());
    engine->frame();
    EXPECT_EQ(game->mTimers.live, 1);
}
} // namespace
