// The balance scales on the headless engine: weights taken from the shelf
// and the cups with the mouse, dropped into cups or sent back, the stacks
// in the cups, the beams swinging under their masses, and the win once
// the right masses have come to rest level.
#include "06_minigame_131.h"
#include "GameBoardFixture.h"
#include "TriangleMesh.h"

#include <OgreBone.h>
#include <OgreMesh.h>
#include <OgreSkeleton.h>
#include <OgreSkeletonManager.h>

#include <gtest/gtest.h>

#include <vector>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
typedef sc_06_minigame_131 Game;

const float kDrop = -570.0f;
// The cups hang 100 units apart at the drop plane's depth.
const vec3 kCups[3] = {vec3(0.0f, -100.0f, kDrop), vec3(0.0f, 0.0f, kDrop), vec3(0.0f, 100.0f, kDrop)};
const vec3 kShelf0(4053.667f, -430.709f, -227.893f);

std::string leadName(int w)
{
    return tq::indexedName("06_04_Piramida_", w);
}

vec3 at(const std::string& name)
{
    return gApp.findObject(name)->getNode()->getPosition();
}

class Scales : public ::testing::Test
{
protected:
    Scales() : b("06_minigame_131")
    {
        Ogre::SkeletonPtr skeleton = Ogre::SkeletonManager::getSingleton().create("vesy.skeleton", "General", true);
        const char* bones[] = {"bone_01", "bone_02", "bone_03", "bone_04", "bone_05", "bone_06"};
        for (const char* bone : bones)
            skeleton->createBone(bone);
        skeleton->getBone("bone_02")->setPosition(kCups[0]);
        skeleton->getBone("bone_03")->setPosition(kCups[1]);
        skeleton->getBone("bone_06")->setPosition(kCups[2]);
        skeleton->setBindingPose();
        tq::makeTriangleMesh(gApp.mSceneMgr, "vesy.mesh");
        Ogre::MeshManager::getSingleton().getByName("vesy.mesh")->setSkeletonName("vesy.skeleton");
        CObject* vesy = b.engine->addObject("06_04_vesy_01");
        vesy->mEntity = gApp.mSceneMgr->createEntity("06_04_vesy_01", "vesy.mesh");
        vesy->getNode()->attachObject(vesy->mEntity);
        for (int w = 0; w < 6; ++w)
            b.piece(leadName(w), 1);
    }

    /// Cups as slot lists (bottom first); weights in none lie on the shelf.
    static void savedCups(const std::vector<std::vector<int>>& cups, int over = 0)
    {
        std::vector<int> s(60, -1);
        for (int t = 0; t < 3; ++t)
            for (size_t i = 0; i < cups[t].size(); ++i)
            {
                s[10 + 5 * t + i] = cups[t][i];
                s[cups[t][i]] = t;
            }
        for (int i = 0; i < 60; ++i)
            CVirtualScript::setVarI(CVirtualScript::makeGameArrayKey(6, 131, i), s[i]);
        CVirtualScript::setVarI("6_131_variable_game_end", over);
    }

    static std::vector<int> cup(const Game* game, int t)
    {
        std::vector<int> slots;
        for (int i = 0; i < 5; ++i)
            if (game->saved[10 + 5 * t + i] != -1)
                slots.push_back(game->saved[10 + 5 * t + i]);
        return slots;
    }

    Game* start()
    {
        if (!b.gameObject)
            b.addGame();
        b.engine->notify(b.gameObject, 1200, gApp.findObject("00_minigame_starter"));
        b.engine->frames(2);
        return tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
    }

    /// The cursor over a world point, button as given, one frame.
    void cursor(const vec3& world, bool down)
    {
        tq::Board::cursorAt(gApp.mCamera->getViewMatrix() * world, down);
        b.engine->frame();
    }

    /// Weight w taken where it is shown and let go over point, then at rest.
    void carry(int w, const vec3& point)
    {
        const vec3 from = at(leadName(w));
        b.engine->notify(b.gameObject, 10000 + w);
        cursor(from, true);
        b.engine->notify(b.gameObject, 20000 + w);
        cursor(from + (point - from) * 0.1f, true);
        cursor(point, true);
        cursor(point, false);
        b.engine->frames(40);
    }

    tq::Board b;
};

TEST_F(Scales, ANewGameHasWeightFiveInCupTwoAndTheRestOnTheShelf)
{
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    Game* game = start();
    EXPECT_EQ(notes("interface"), Calls{note(16011, nullptr)});
    EXPECT_EQ(CVirtualScript::getVarI("6_131_variable_5"), 2);
    EXPECT_EQ(CVirtualScript::getVarI("6_131_variable_20"), 5);
    EXPECT_EQ(CVirtualScript::getVarI("6_131_variable_0"), -1);
    EXPECT_EQ(CVirtualScript::getVarI("6_131_variable_30"), -1);
    EXPECT_LT(at(leadName(0)).distance(kShelf0), 1e-2f);
    EXPECT_NEAR(at(leadName(4)).y, -664.807f, 1e-2f);
    EXPECT_LT(at(leadName(5)).distance(kCups[2] + vec3(0, 0, -10)), 1e-2f);
    EXPECT_EQ(game->cups[2].mass, 3);
    EXPECT_NEAR(game->cups[2].height, 25.0f, 1e-3f);
}

TEST_F(Scales, WeightsDroppedOverACupStackUpInItAndTheRestGoBackToTheShelf)
{
    savedCups({{}, {}, {5}});
    Game* game = start();
    carry(0, kCups[0] + vec3(5, 5, 0));
    EXPECT_EQ(cup(game, 0), std::vector<int>({0}));
    EXPECT_EQ(game->cups[0].mass, 1);
    EXPECT_LT(at(leadName(0)).distance(kCups[0] + vec3(0, 0, -10)), 1e-2f);
    // Two drops in quick succession still stack.
    const vec3 from1 = at(leadName(1)), from2 = at(leadName(2));
    for (int w : {1, 2})
    {
        const vec3 from = w == 1 ? from1 : from2;
        b.engine->notify(b.gameObject, 10000 + w);
        cursor(from, true);
        b.engine->notify(b.gameObject, 20000 + w);
        cursor(from + vec3(0, 1, 0), true);
        cursor(kCups[0], true);
        cursor(kCups[0], false);
    }
    b.engine->frames(40);
    EXPECT_EQ(cup(game, 0), std::vector<int>({0, 1, 2}));
    EXPECT_EQ(game->cups[0].mass, 6);
    EXPECT_NEAR(at(leadName(1)).z, kDrop + 4.0f, 1e-2f);
    EXPECT_NEAR(at(leadName(2)).z, kDrop + 24.0f, 1e-2f);

    // Away from every cup: back to the shelf place.
    carry(3, vec3(0, 200, kDrop));
    EXPECT_EQ(game->saved[3], -1);
    EXPECT_LT(at(leadName(3)).distance(vec3(4053.667f, -595.246f, -227.893f)), 1e-2f);

    // Taken from the middle: the one above drops into the gap, the mass
    // falls at once.
    b.engine->notify(b.gameObject, 10000 + 1);
    cursor(at(leadName(1)), true);
    EXPECT_EQ(cup(game, 0), std::vector<int>({0, 2}));
    EXPECT_EQ(game->cups[0].mass, 4);
    EXPECT_EQ(game->saved[1], -1);
    b.engine->notify(b.gameObject, 20000 + 1);
    cursor(vec3(0, 300, kDrop), true);
    cursor(vec3(0, 300, kDrop), false);
    b.engine->frames(40);
    EXPECT_NEAR(at(leadName(2)).z, kDrop + 4.0f, 1e-2f);
    EXPECT_NEAR(at(leadName(1)).y, -478.195f, 1e-2f);

    // Closed and started again: the cups as they were left.
    b.engine->notify(b.gameObject, 1300);
    b.engine->frames(2);
    EXPECT_EQ(CVirtualScript::getVarI("6_131_variable_11"), 2);
    game = start();
    EXPECT_NEAR(at(leadName(2)).z, kDrop + 4.0f, 1e-2f);
}

TEST_F(Scales, AFullCupOrACuplessDropSendsTheWeightBack)
{
    savedCups({{0, 1, 2, 3}, {}, {5}});
    Game* game = start();
    carry(4, kCups[0]);
    EXPECT_EQ(game->saved[4], -1);
    EXPECT_NEAR(at(leadName(4)).y, -664.807f, 1e-2f);
    // The weight without a shelf place goes back into its cup.
    carry(5, vec3(0, 300, kDrop));
    EXPECT_EQ(cup(game, 2), std::vector<int>({5}));
    EXPECT_LT(at(leadName(5)).distance(kCups[2] + vec3(0, 0, -10)), 1e-2f);
}

TEST_F(Scales, APressWithoutADragKeepsTheWeightOnTheCursor)
{
    savedCups({{}, {}, {5}});
    Game* game = start();
    b.engine->notify(b.gameObject, 10000 + 0);
    cursor(kShelf0, true);
    cursor(kShelf0, false);
    EXPECT_EQ(game->selected, 0);
    b.engine->notify(b.gameObject, 20000 + 0);
    cursor(kCups[1] + vec3(0, 0, 90), false);
    b.engine->frames(30);
    // The cursor plane lies in front of the drop plane.
    EXPECT_LT(at(leadName(0)).distance(game->pointer.planePoint), 1e-2f);
    EXPECT_EQ(game->saved[0], -1);
    cursor(kCups[1] + vec3(0, 0, 90), true);
    cursor(kCups[1] + vec3(0, 1, 90), true);
    cursor(kCups[1] + vec3(0, 1, 90), false);
    b.engine->frames(40);
    EXPECT_EQ(cup(game, 1), std::vector<int>({0}));
}

TEST_F(Scales, BeamsSwingUnderTheirMassesAndReboundFromTheirStops)
{
    struct Case
    {
        const char* what;
        std::vector<std::vector<int>> cups;
        float main, second; // the angles the beams settle at
    } cases[] = {
        {"three, one and two", {{5}, {0}, {1}}, 0.0f, 0.0f},
        {"cup 0 heavier", {{3, 5}, {0}, {}}, 15.0f, 10.0f},
        {"cup 2 heavier", {{}, {}, {5}}, -15.0f, -15.0f},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        savedCups(c.cups);
        Game* game = start();
        b.engine->frames(600, 0.05f);
        EXPECT_NEAR(game->mainBeam.angle, c.main, 0.5f);
        EXPECT_NEAR(game->secondBeam.angle, c.second, 0.5f);
        EXPECT_EQ(game->won, 0);
        b.engine->notify(b.gameObject, 1300);
        b.engine->frames(2);
    }
    // A fast swing into a stop comes back at half speed.
    Game* game = tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
    Game::_BEAM beam;
    beam.angle = 14.9f;
    beam.speed = 40.0f;
    game->swing(beam, 0.0f, 0.01f);
    EXPECT_FLOAT_EQ(beam.angle, 15.0f);
    EXPECT_NEAR(beam.speed, -0.5f * (40.0f - 0.01f * (3.0f * 14.9f + 2.0f * 40.0f)), 1e-3f);
}

TEST_F(Scales, TheRightMassesWinOnceBothBeamsRestLevel)
{
    savedCups({{4, 3}, {1}, {5, 0}});
    Game* game = start();
    b.engine->frames(5);
    EXPECT_EQ(game->won, 0);
    // 9, 2 and 4 at first: cup 1 too heavy, then cup 0, then put right.
    carry(2, kCups[1]);
    EXPECT_EQ(game->won, 0);
    EXPECT_EQ(game->cups[1].mass, 5);
    carry(1, kCups[0]);
    EXPECT_EQ(game->cups[0].mass, 11);
    carry(1, vec3(0, 300, kDrop));
    carry(2, vec3(0, 300, kDrop));
    carry(2, kCups[1]);
    carry(1, kCups[2]);
    // 9, 3, 6: not yet at rest.
    EXPECT_EQ(game->won, 0);
    b.engine->frames(600, 0.05f);
    EXPECT_EQ(game->won, 1);
    EXPECT_NE(b.engine->log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, b.gameObject)});
    // Presses are ignored after the win.
    b.engine->notify(b.gameObject, 10000 + 2);
    cursor(at(leadName(2)), true);
    EXPECT_EQ(game->selected, -1);
    b.engine->notify(b.gameObject, 1300);
    b.engine->frames(2);
    EXPECT_EQ(CVirtualScript::getVarI("6_131_variable_game_end"), 1);
}

TEST_F(Scales, ADamagedSavedStateStartsANewGame)
{
    savedCups({{0, 1}, {}, {5}});
    CVirtualScript::setVarI("6_131_variable_0", 2); // weight 0 claims cup 2
    Game* game = start();
    EXPECT_NE(b.engine->log().find("WARNING: saved state 6_131 of the mini-game is damaged"), std::string::npos);
    EXPECT_EQ(cup(game, 0), std::vector<int>());
    EXPECT_EQ(cup(game, 2), std::vector<int>({5}));
}
} // namespace
