// The letter jigsaw on the headless engine: eleven letters under the board
// group, whose scene places spell the inscription; the pointer drags them
// over the field in front of the camera, and the letters' focus codes come
// as their pieces send them.
#include "02_minigame_34.h"
#include "BoardFixture.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;

const float kDepth = 114.76f;
const int kLetters = 11;

/// The inscription: the letters side by side, 6 units apart.
vec3 home(int i)
{
    return vec3(i * 6.0f - 30.0f, 0.0f, -kDepth);
}

/// Letter i's point on the field for the saved place (x, y).
vec3 field(int i, int x, int y)
{
    return vec3(x - 50.0f, (y - 50) * 0.7f, i * 0.03f - kDepth);
}

/// A saved state: x, y and group of every letter.
struct State
{
    std::vector<int> values = std::vector<int>(3 * kLetters);
    State& set(int i, int x, int y, int group)
    {
        values[3 * i] = x;
        values[3 * i + 1] = y;
        values[3 * i + 2] = group;
        return *this;
    }
    int group(int i) const { return values[3 * i + 2]; }
};

/// Every letter alone, spread so that no two lie near their places beside
/// each other: x = 9 i, rows of even and odd letters 42 units apart.
State spread()
{
    State s;
    for (int i = 0; i < kLetters; ++i)
        s.set(i, 9 * i, (i % 2) * 60, i);
    return s;
}

class Letters : public ::testing::Test, public tq::BoardFixture
{
protected:
    Letters() : BoardFixture("02_minigame_34") {}

    void SetUp() override
    {
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().create("02_02_game_letter", "General");
        m->getTechnique(0)->getPass(0)->createTextureUnitState();
        m->getTechnique(0)->getPass(0)->createTextureUnitState();
        for (int i = 0; i < kLetters; ++i)
            letters.push_back(piece("02_02_game_letter_", i, home(i)));
    }

    void startWith(const State& s, int won = 0)
    {
        saveArray(2, 34, s.values, won);
        start();
        script = tq::HeadlessEngine::scriptOf<sc_02_minigame_34>(game);
        ASSERT_NE(script, nullptr);
    }

    /// Takes letter i at its place, carries it to target and lets go.
    void drag(int i, const vec3& target)
    {
        const vec3 from = at(letters[i]);
        engine->notify(game, 10000 + i);
        pointAt(from, kDepth, false);
        engine->frame();
        pointAt(from, kDepth, true);
        engine->frame();
        pointAt(target, kDepth, true);
        engine->frame();
        pointAt(target, kDepth, false);
        engine->frame();
        engine->notify(game, 20000 + i);
    }

    void settle(int frames = 30) { engine->frames(frames); }

    int group(int i) const { return script->getConnect(i); }

    static void expectNear(const vec3& actual, const vec3& expected, float tolerance = 1e-3f)
    {
        EXPECT_NEAR(actual.x, expected.x, tolerance);
        EXPECT_NEAR(actual.y, expected.y, tolerance);
        EXPECT_NEAR(actual.z, expected.z, tolerance);
    }

    static float glow()
    {
        return Ogre::MaterialManager::getSingleton()
            .getByName("02_02_game_letter")
            ->getTechnique(0)
            ->getPass(0)
            ->getTextureUnitState(1)
            ->getColourBlendMode()
            .colourArg2.r;
    }

    std::vector<CObject*> letters;
    sc_02_minigame_34* script = nullptr;
};

TEST_F(Letters, ANewGameScattersTheLettersOverTheField)
{
    start();
    EXPECT_TRUE(CVirtualScript::isGameEndSet(2, 34));
    int won = -1;
    const std::vector<int> s = savedArray(2, 34, 3 * kLetters, &won);
    EXPECT_EQ(won, 0);
    for (int i = 0; i < kLetters; ++i)
    {
        EXPECT_GE(s[3 * i], 0);
        EXPECT_LT(s[3 * i], 100);
        EXPECT_GE(s[3 * i + 1], 0);
        EXPECT_LT(s[3 * i + 1], 100);
        EXPECT_EQ(s[3 * i + 2], i) << "every letter starts alone";
        expectNear(at(letters[i]), field(i, s[3 * i], s[3 * i + 1]));
    }
    EXPECT_TRUE(boardShown());
    EXPECT_EQ(board->getNode()->getParent(), camera->getNode());
    EXPECT_EQ(game->mTimers.live, 1);
}

TEST_F(Letters, OnlyADropBesideANeighbourJoinsTheGroups)
{
    // Letter 2 already stands where it belongs beside letter 0 (12 units to
    // its right), but nothing has been dropped yet.
    startWith(spread().set(0, 0, 0, 0).set(2, 12, 0, 2));
    settle();
    EXPECT_EQ(group(0), 0);

    // A press over no letter grabs nothing.
    pointAt(vec3(20, 20, 0), kDepth, true);
    engine->frame();
    pointAt(vec3(20, 20, 0), kDepth, false);
    engine->frame();
    EXPECT_EQ(script->selectedGroup, -1);

    // A click without a move takes letter 2; it follows the cursor, and
    // nothing joins while it is carried.
    const vec3 place = field(2, 12, 0);
    engine->notify(game, 10002);
    pointAt(place, kDepth, false);
    engine->frame();
    pointAt(place, kDepth, true);
    engine->frame();
    pointAt(place, kDepth, false);
    engine->frame();
    EXPECT_EQ(script->selectedGroup, 2);
    EXPECT_EQ(script->pointer.dragState, 1);
    EXPECT_EQ(group(0), 0);
    pointAt(place + vec3(0.5f, 0, 0), kDepth, false);
    engine->frame();
    EXPECT_NEAR(at(letters[2]).x, place.x + 0.5f, 1e-3f);
    EXPECT_NEAR(at(letters[2]).z, -kDepth + 1.0f, 1e-3f) << "carried a unit nearer";

    // A press, a move and the release drop it: letter 0 joins letter 2.
    pointAt(place + vec3(0.5f, 0, 0), kDepth, true);
    engine->frame();
    pointAt(place + vec3(0.8f, 0, 0), kDepth, true);
    engine->frame();
    pointAt(place + vec3(0.8f, 0, 0), kDepth, false);
    engine->frame();
    EXPECT_EQ(script->selectedGroup, -1);
    EXPECT_EQ(group(0), 2);
    EXPECT_EQ(group(2), 2);
    // The leader's place is saved where it was dropped.
    EXPECT_EQ(script->saved[6], 12);
    EXPECT_EQ(script->saved[7], 0);
    settle();
    const vec3 leader = at(letters[2]);
    expectNear(leader, field(2, 12, 0) + vec3(0.8f, 0, 0));
    expectNear(at(letters[0]), leader + (home(0) - home(2)) * vec3(1, 1, 0));
}

TEST_F(Letters, PairsOutsideTheListNeverJoinAndOneDropJoinsSeveral)
{
    startWith(spread());
    // Letters 0 and 1 stand side by side in the inscription but are no
    // neighbours of the list: placed perfectly, they stay apart.
    const vec3 letter0 = field(0, 0, 0);
    drag(1, letter0 + (home(1) - home(0)));
    settle();
    for (int i = 0; i < kLetters; ++i)
        EXPECT_EQ(group(i), i);

    // Letter 2 dropped beside both joins them in one pass.
    drag(2, letter0 + (home(2) - home(0)));
    EXPECT_EQ(group(0), 2);
    EXPECT_EQ(group(1), 2);
    EXPECT_EQ(group(2), 2);
    for (int i = 3; i < kLetters; ++i)
        EXPECT_EQ(group(i), i);
}

TEST_F(Letters, ADropOutsideTheFieldIsPulledBackToItsEdge)
{
    startWith(spread());
    drag(5, vec3(60, 45, 0));
    EXPECT_EQ(script->saved[15], 100);
    EXPECT_EQ(script->saved[16], 100);
    settle();
    expectNear(at(letters[5]), vec3(50, 35, 5 * 0.03f - kDepth));
}

TEST_F(Letters, TheLastJoinWinsOnceAllRestAndTheInscriptionGlidesHome)
{
    // All but letter 4 form letter 0's group; letter 4 joins through its
    // neighbour 1.
    State s;
    for (int i = 0; i < kLetters; ++i)
        s.set(i, 50, 50, 0);
    s.set(4, 90, 90, 4);
    startWith(s);
    settle();
    const vec3 letter0 = at(letters[0]);
    drag(4, letter0 + (home(4) - home(0)) * vec3(1, 1, 0) + vec3(0.5f, 0.5f, 0));
    for (int i = 0; i < kLetters; ++i)
        EXPECT_EQ(group(i), 4);

    // Joined letters ease into place first; the win waits for them.
    engine->frame();
    EXPECT_TRUE(notes("00_minigame_interf").empty());
    EXPECT_EQ(script->won, 0);
    int frames = 0;
    while (notes("00_minigame_interf").empty() && frames < 60)
    {
        engine->frame();
        ++frames;
    }
    EXPECT_GT(frames, 5);
    EXPECT_EQ(notes("00_minigame_interf"), std::vector<std::string>{note(1100, game)});
    EXPECT_NE(engine->log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_GT(glow(), 0.0f);
    EXPECT_LT(glow(), 0.1f);

    // Clicks and the hint are over.
    engine->notify(game, 10003);
    pointAt(at(letters[3]), kDepth, true);
    engine->frame();
    pointAt(at(letters[3]), kDepth, false);
    engine->notify(game, 2010);
    engine->frame();
    EXPECT_EQ(script->selectedGroup, -1);
    EXPECT_TRUE(notes("interface").empty());

    // The inscription glides home in about 3.3 s while the glow fades in.
    engine->frames(20, 0.1f);
    EXPECT_LT(glow(), 1.0f);
    engine->frames(20, 0.1f);
    for (int i = 0; i < kLetters; ++i)
        expectNear(at(letters[i]), home(i), 1e-2f);
    EXPECT_FLOAT_EQ(glow(), 1.0f);
    EXPECT_EQ(notes("00_minigame_interf").size(), 1u);
}

TEST_F(Letters, ASavedGameRestoresGroupsAndLeadersPlaces)
{
    // Letter 0 follows leader 2; its own saved place is stale.  Letter 5
    // names no letter, letter 6 names a letter that follows another: both
    // stand alone.
    startWith(spread().set(2, 20, 40, 2).set(0, 99, 99, 2).set(5, 45, 60, 42).set(6, 54, 0, 0));
    engine->frame();
    const vec3 leader = field(2, 20, 40);
    expectNear(at(letters[2]), leader);
    expectNear(at(letters[0]), leader + (home(0) - home(2)) * vec3(1, 1, 0));
    EXPECT_NE(engine->log().find("saved group 42 of letter 5"), std::string::npos);
    EXPECT_NE(engine->log().find("saved group 0 of letter 6"), std::string::npos);
    expectNear(at(letters[5]), field(5, 45, 60));
    expectNear(at(letters[6]), field(6, 54, 0));
    engine->notify(game, 2000);
    engine->frame();
    const std::vector<int> s = savedArray(2, 34, 3 * kLetters);
    EXPECT_EQ(s[3 * 5 + 2], 5);
    EXPECT_EQ(s[3 * 6 + 2], 6);
    EXPECT_EQ(s[3 * 0 + 2], 2);
}

TEST_F(Letters, TheFrameStartsPausesSavesAndClosesTheGame)
{
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    startWith(spread());
    engine->frame();
    EXPECT_EQ(notes("interface"), std::vector<std::string>{note(16046, nullptr)});

    // Paused, the pointer is not read and nothing moves.
    engine->notify(game, 1400);
    engine->notify(game, 10003);
    pointAt(at(letters[3]), kDepth, true);
    engine->frame();
    EXPECT_EQ(script->selectedGroup, -1);
    pointAt(at(letters[3]), kDepth, false);
    engine->notify(game, 1500);
    engine->frame();
    drag(3, vec3(0, 0, 0));
    EXPECT_EQ(script->saved[9], 50);

    // Saved on the frame's request, then the profile too.
    tq::RecordingScript::calls().clear();
    engine->notify(game, 2000);
    engine->frames(2);
    EXPECT_EQ(savedArray(2, 34, 3 * kLetters)[9], 50);
    EXPECT_EQ(notes("interface"), std::vector<std::string>{note(100, nullptr)});

    // The result shown, the game hands the camera back to the starter.
    engine->notify(game, 1100);
    engine->frames(2);
    EXPECT_EQ(notes("00_minigame_starter"), std::vector<std::string>{note(1200, game)});

    // Closing saves, stops the tick and puts the board away.
    drag(3, vec3(-20, 0, 0));
    engine->notify(game, 1300);
    engine->frame();
    EXPECT_EQ(savedArray(2, 34, 3 * kLetters)[9], 30);
    EXPECT_EQ(game->mTimers.live, 0);
    EXPECT_FALSE(boardShown());
    EXPECT_EQ(board->getNode()->getParent(), gApp.mSceneMgr->getRootSceneNode());
}

TEST_F(Letters, ASecondStartKeepsOneTick)
{
    start();
    // The starter's start code again (a game opened twice): still one tick.
    engine->notify(game, 1200, starter());
    engine->frame();
    EXPECT_EQ(game->mTimers.live, 1);
}
} // namespace
