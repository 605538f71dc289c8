// The node panel on the headless engine: the board drawn for a new game and
// the shortest chain found for it, the frame's codes, building the chain by
// dragging lines from node to node with the mouse, refused drops, cutting
// and discarding the chain, the line stopped at the budget, the win, and a
// damaged save.
#include "04_minigame_08.h"
#include "PuzzleFixture.h"

#include <OgreBone.h>
#include <OgreMaterialManager.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgreSkeletonInstance.h>
#include <OgreSkeletonManager.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
using tq::PuzzleFixture;

const int kN = sc_04_minigame_08::kNodes;

/// The length of the shortest open chain through all nodes of d, by
/// dynamic programming over the sets of visited nodes.
float shortestChain(const float (*d)[kN])
{
    const int full = (1 << kN) - 1;
    std::vector<float> best((1 << kN) * kN, 1e9f);
    for (int i = 0; i < kN; ++i)
        best[(1 << i) * kN + i] = 0.0f;
    for (int set = 1; set <= full; ++set)
        for (int last = 0; last < kN; ++last)
        {
            const float here = best[set * kN + last];
            if (!(set & (1 << last)) || here >= 1e9f)
                continue;
            for (int next = 0; next < kN; ++next)
                if (!(set & (1 << next)))
                {
                    float& there = best[(set | (1 << next)) * kN + next];
                    there = std::min(there, here + d[last][next]);
                }
        }
    float result = 1e9f;
    for (int last = 0; last < kN; ++last)
        result = std::min(result, best[full * kN + last]);
    return result;
}

class LineGame : public ::testing::Test
{
protected:
    LineGame() : fx({"01_snd_00", "01_snd_01", "01_snd_05", "01_snd_03", "05_snd_02"}) {}

    void SetUp() override
    {
        // The line mesh stretches between two bones.
        Ogre::SkeletonPtr skeleton = Ogre::SkeletonManager::getSingleton().create("line.skeleton", "General", true);
        skeleton->createBone("line_bone_01");
        skeleton->createBone("line_bone_02");
        tq::makeTriangleMesh(gApp.mSceneMgr, "line.mesh");
        Ogre::MeshManager::getSingleton().getByName("line.mesh")->setSkeletonName("line.skeleton");

        for (const char* spy : {"00_minigame_starter", "00_minigame_interf", "interface"})
            fx.engine->addRecorder(spy);
        camera = fx.engine->addObject("Camera");
        Ogre::SceneNode* group = fx.piece("04_minigame_08.scene")->getNode();
        for (int i = 0; i < kN; ++i)
        {
            fx.piece(name("04_04_game_node_", i), group);
            fx.piece(name("04_04_game_node_light_", i), group);
            fx.piece(name("04_04_game_line_", i), group, "line.mesh");
            tq::ScriptFixture::material(name("04_04_game_line_", i), 2);
            tq::ScriptFixture::material(name("04_04_game_node_light_", i));
        }
        for (const char* piece : {"04_04_game_flash_00", "04_04_game_flash_01", "04_04_game_svet",
                                  "04_04_game_line_fill"})
            fx.piece(piece, group);
        for (const char* material : {"04_04_game_flash", "04_04_game_svet", "04_04_game_line_fill"})
            tq::ScriptFixture::material(material);
    }

    static std::string name(const char* prefix, int i)
    {
        char text[64];
        std::snprintf(text, sizeof(text), "%s%02d", prefix, i);
        return text;
    }

    /// A saved board: node i at (9 i, 50) on the grid, so that neighbours
    /// lie 5.94 apart in a row; links as given (none: -1).
    static void saveRow(int budget, const std::vector<int>& links = {}, int start = 0, int end = 0)
    {
        int data[sc_04_minigame_08::kSaved] = {};
        for (int i = 0; i < kN; ++i)
        {
            data[4 * i] = 9 * i;
            data[4 * i + 1] = 50;
            data[4 * i + 2] = links.empty() ? -1 : links[i];
            data[4 * i + 3] = -1;
        }
        data[47] = start;
        data[49] = budget;
        CVirtualScript::saveGameArray(sc_04_minigame_08::kSaved, 4, 8, data, &end);
    }
    /// Links of the chain 0 -> 1 -> ... -> last.
    static std::vector<int> chainTo(int last)
    {
        std::vector<int> links(kN, -1);
        for (int i = 0; i < last; ++i)
            links[i] = i + 1;
        return links;
    }

    void create()
    {
        object = fx.engine->addObject("04_minigame_08", "04_minigame_08.sc");
        fx.engine->frame();
        game = tq::HeadlessEngine::scriptOf<sc_04_minigame_08>(object);
        ASSERT_NE(game, nullptr);
    }
    void start()
    {
        create();
        fx.engine->notify(object, 1200, gApp.findObject("00_minigame_starter"));
        fx.engine->frame();
        tq::RecordingScript::calls().clear();
        PuzzleFixture::hush();
    }

    void send(int code)
    {
        fx.engine->notify(object, code);
        fx.engine->frame();
        fx.engine->frame(0.001f); // what the game sent in answer arrives
    }
    vec3 at(int node) const { return game->nodes[node].pos; }

    /// Grabs node from, drags its line to the point over node to (-1: to
    /// empty space beside from; from itself: a little beside it, then back
    /// onto it) and lets go there.
    void drag(int from, int to)
    {
        send(10000 + from);
        PuzzleFixture::aim(at(from), true);
        fx.engine->frame();
        const vec3 target = to >= 0 && to != from ? at(to) : at(from) + vec3(0.0f, 3.0f, 0.0f);
        PuzzleFixture::aim(target, true);
        fx.engine->frame();
        send(20000 + from);
        if (to >= 0)
            send(10000 + to);
        PuzzleFixture::aim(target, false);
        fx.engine->frame();
        send(20000 + std::max(to, 0));
    }

    std::vector<int> links() const
    {
        std::vector<int> result;
        for (int i = 0; i < kN; ++i)
            result.push_back(game->data[4 * i + 2]);
        return result;
    }
    std::vector<int> lit() const
    {
        std::vector<int> result;
        for (const sc_04_minigame_08::Node& n : game->nodes)
            result.push_back(n.lit);
        return result;
    }
    static Ogre::Bone* bone(int line, const char* boneName)
    {
        return PuzzleFixture::entityOf(name("04_04_game_line_", line))->getSkeleton()->getBone(boneName);
    }
    size_t wins() const
    {
        const std::string log = fx.engine->log();
        size_t count = 0;
        for (size_t at = log.find("\nYOU WIN !!!"); at != std::string::npos; at = log.find("\nYOU WIN !!!", at + 1))
            ++count;
        return count;
    }

    PuzzleFixture fx;
    CObject* camera = nullptr;
    CObject* object = nullptr;
    sc_04_minigame_08* game = nullptr;
};

TEST_F(LineGame, ANewBoardIsSpreadOutAndItsBudgetComesFromTheShortestChain)
{
    create();
    EXPECT_TRUE(CVirtualScript::isGameEndSet(4, 8));
    for (uint32_t seed : {0u, 7u, 12345u, 99u})
    {
        SCOPED_TRACE(seed);
        if (seed)
        {
            CVirtualScript::randomSeed(seed);
            game->genData();
        }
        const int* data = game->data;
        for (int i = 0; i < kN; ++i)
        {
            // Nodes 0..8 one in each cell of a 3 x 3 grid.
            if (i < 9)
            {
                EXPECT_EQ(data[4 * i] / 33, i % 3) << i;
                EXPECT_EQ(data[4 * i + 1] / 33, i / 3) << i;
            }
            EXPECT_GE(data[4 * i], 0);
            EXPECT_LE(data[4 * i], 99);
            EXPECT_LE(data[4 * i + 1], 99);
            EXPECT_EQ(data[4 * i + 2], -1);
            for (int j = 0; j < i; ++j)
            {
                const bool near =
                    std::abs(data[4 * i] - data[4 * j]) < 20 && std::abs(data[4 * i + 1] - data[4 * j + 1]) < 20;
                EXPECT_FALSE(near) << i << " near " << j;
            }
        }
        // The successors run one chain through every node.
        std::vector<int> predecessors(kN, 0);
        int ends = 0;
        for (int i = 0; i < kN; ++i)
        {
            const int next = data[4 * i + 3];
            if (next < 0)
                ++ends;
            else
                ++predecessors[next];
        }
        ASSERT_EQ(ends, 1);
        const auto head = std::find(predecessors.begin(), predecessors.end(), 0);
        const int first = static_cast<int>(head - predecessors.begin());
        ASSERT_LT(first, kN);
        float length = 0.0f;
        int visited = 1;
        for (int n = first; data[4 * n + 3] >= 0 && visited <= kN; n = data[4 * n + 3], ++visited)
            length += game->dist[n][data[4 * n + 3]];
        EXPECT_EQ(visited, kN);

        // ... and it is the shortest one; the budget is its length rounded
        // down plus one, saved with the board.
        const float shortest = shortestChain(game->dist);
        EXPECT_NEAR(length, shortest, 1e-3f);
        EXPECT_EQ(data[49], static_cast<int>(shortest) + 1);
        EXPECT_EQ(CVirtualScript::getVarI("4_8_variable_49"), data[49]);
        EXPECT_EQ(data[47], 0);
        // The planar distance of the nodes' places on the panel.
        const vec3 p0 = game->getPos(0), p5 = game->getPos(5);
        EXPECT_NEAR(game->dist[0][5], std::hypot(p0.x - p5.x, p0.y - p5.y), 1e-4f);
    }
}

TEST_F(LineGame, TheFrameStartsSavesHintsAndPutsTheBoardAway)
{
    saveRow(60);
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    create();
    Ogre::SceneNode* group = gApp.mSceneMgr->getSceneNode("04_minigame_08.scene");
    EXPECT_FALSE(PuzzleFixture::shown("04_04_game_node_03"));
    CObject* starter = gApp.findObject("00_minigame_starter");
    fx.engine->notify(object, 1200, starter);
    fx.engine->frame();
    fx.engine->frame(0.001f);
    EXPECT_EQ(game->starter, starter->getHandle());
    EXPECT_EQ(group->getParent(), camera->getNode());
    EXPECT_TRUE(PuzzleFixture::shown("04_04_game_node_03"));
    EXPECT_NE(game->timer, 0);
    // Node 3 at grid (27, 50): x from -33 to 33, y from -12 to 33.
    const vec3 node3 = PuzzleFixture::position("04_04_game_node_03");
    EXPECT_TRUE(node3.positionEquals(vec3(-33 + 66 * 0.27f, -12 + 45 * 0.5f, -111.066f), 1e-3f));
    EXPECT_TRUE(PuzzleFixture::position("04_04_game_node_light_03").positionEquals(node3));
    EXPECT_EQ(Ogre::MaterialManager::getSingleton().getByName("04_04_game_line_03"),
              PuzzleFixture::entityOf("04_04_game_line_03")->getSubEntity(0)->getMaterial());
    EXPECT_EQ(notes("interface"), Calls{note(16008, nullptr)});

    send(2010);
    send(2000);
    EXPECT_EQ(notes("interface"), (Calls{note(16008, nullptr), note(16008, nullptr), note(100, nullptr)}));
    send(1100);
    EXPECT_EQ(notes("00_minigame_starter"), Calls{note(1200, object)});

    CVirtualScript::setVarI("4_8_variable_49", 0);
    send(1300);
    EXPECT_EQ(game->timer, 0);
    EXPECT_EQ(CVirtualScript::getVarI("4_8_variable_49"), 60); // saved again
    EXPECT_EQ(group->getParent(), gApp.mSceneMgr->getRootSceneNode());
    EXPECT_FALSE(PuzzleFixture::shown("04_04_game_node_03"));
}

TEST_F(LineGame, DraggingALineFromNodeToNodeGrowsTheChain)
{
    saveRow(60);
    start();
    EXPECT_EQ(lit(), std::vector<int>(kN, 0));
    EXPECT_FALSE(PuzzleFixture::shown("04_04_game_line_00"));

    drag(0, 1);
    EXPECT_TRUE(PuzzleFixture::played("01_snd_01"));
    EXPECT_TRUE(PuzzleFixture::played("01_snd_05"));
    EXPECT_FALSE(PuzzleFixture::played("01_snd_03"));
    EXPECT_EQ(links(), chainTo(1));
    // The flash marks the new segment's two ends.
    EXPECT_TRUE(PuzzleFixture::shown("04_04_game_flash_00"));
    EXPECT_TRUE(PuzzleFixture::position("04_04_game_flash_01").positionEquals(at(1)));
    EXPECT_EQ(game->flashLine, 0);

    drag(1, 2);
    EXPECT_EQ(links(), chainTo(2));
    std::vector<int> expected(kN, 0);
    expected[0] = expected[1] = expected[2] = 1;
    EXPECT_EQ(lit(), expected);
    EXPECT_NEAR(game->curLength, 2 * 5.94f, 1e-3f);
    // The segments are drawn between their nodes.
    EXPECT_TRUE(PuzzleFixture::shown("04_04_game_line_01"));
    EXPECT_TRUE(bone(1, "line_bone_01")->getPosition().positionEquals(at(1), 1e-3f));
    EXPECT_TRUE(bone(1, "line_bone_02")->getPosition().positionEquals(at(2), 1e-3f));
    EXPECT_FALSE(PuzzleFixture::shown("04_04_game_line_02"));
    // The gauge: 1188 of 6000 hundredths used.
    const float f = 1188.0f / 6000.0f;
    EXPECT_NEAR(gApp.mSceneMgr->getSceneNode("04_04_game_line_fill")->getScale().x, (1 - f) * 0.693788f, 1e-3f);

    // Lit node lights brighten, the others stay dark.
    fx.engine->frames(70);
    EXPECT_FLOAT_EQ(game->nodes[2].level, 1.0f);
    EXPECT_FLOAT_EQ(game->nodes[3].level, 0.0f);
    // The flash is over after a second.
    EXPECT_FALSE(PuzzleFixture::shown("04_04_game_flash_00"));
    EXPECT_EQ(game->flashOn, 0);
}

TEST_F(LineGame, RefusedDropsLeaveTheChainAsItWas)
{
    // Budget 10: 0 -> 1 -> 2 (11.88) still fits with the slack of 2.0, a
    // third segment does not.
    saveRow(10, chainTo(1));
    start();
    drag(1, 2);
    const std::vector<int> before = chainTo(2);
    ASSERT_EQ(links(), before);
    struct Case
    {
        const char* what;
        int from, to;
    } cases[] = {
        {"over empty space", 2, -1},
        {"over the grabbed node itself", 2, 2},
        {"over a node that leads on", 2, 0},
        {"over the budget", 2, 3},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        PuzzleFixture::hush();
        drag(c.from, c.to);
        EXPECT_TRUE(PuzzleFixture::played("01_snd_03"));
        EXPECT_FALSE(PuzzleFixture::played("01_snd_05"));
        EXPECT_EQ(links(), before);
        EXPECT_EQ(game->mode, 0);
        EXPECT_EQ(game->selected, -1);
    }
}

TEST_F(LineGame, GrabbingCutsTheChainOrStartsANewOne)
{
    saveRow(60, chainTo(4));
    start();
    EXPECT_EQ(lit()[4], 1);
    // A node in the middle: every node after it drops out.
    send(10001);
    PuzzleFixture::aim(at(1), true);
    fx.engine->frame();
    EXPECT_EQ(game->mode, 1);
    EXPECT_EQ(links(), chainTo(1));
    EXPECT_EQ(lit()[1], 1);
    EXPECT_EQ(lit()[2], 0);
    EXPECT_FALSE(PuzzleFixture::shown("04_04_game_line_02"));
    // Its line follows the cursor while grabbed.
    PuzzleFixture::aim(at(1) + vec3(0.0f, 2.0f, 0.0f), true);
    fx.engine->frame();
    EXPECT_EQ(game->mode, 2);
    EXPECT_TRUE(PuzzleFixture::shown("04_04_game_line_01"));
    EXPECT_NEAR(bone(1, "line_bone_02")->getPosition().y, at(1).y + 2.0f, 1e-2f);
    send(20001);
    PuzzleFixture::aim(at(1) + vec3(0.0f, 2.0f, 0.0f), false);
    fx.engine->frame();
    EXPECT_EQ(links(), chainTo(1));

    // A node outside the chain: the old chain goes, and one node alone is
    // no chain.
    send(10007);
    PuzzleFixture::aim(at(7), true);
    fx.engine->frame();
    EXPECT_EQ(game->data[47], 7);
    EXPECT_EQ(links(), std::vector<int>(kN, -1));
    EXPECT_EQ(lit(), std::vector<int>(kN, 0));
    EXPECT_FALSE(PuzzleFixture::shown("04_04_game_line_00"));
}

TEST_F(LineGame, TheDraggedLineStopsAtTheBudgetAndSoundsOnceThere)
{
    saveRow(10, chainTo(1)); // 5.94 used, 4.06 left
    start();
    send(10001);
    PuzzleFixture::aim(at(1), true);
    fx.engine->frame();
    PuzzleFixture::hush();
    // Far to the right: the line stops 4.06 from its node and still points
    // at the cursor (angle 0).
    PuzzleFixture::aim(at(8), true);
    fx.engine->frame();
    const vec3 end = bone(1, "line_bone_02")->getPosition();
    EXPECT_NEAR(end.x - at(1).x, 4.06f, 1e-2f);
    EXPECT_NEAR(end.y, at(1).y, 1e-3f);
    EXPECT_TRUE(bone(1, "line_bone_02")->getOrientation().equals(Ogre::Quaternion::IDENTITY, Ogre::Radian(1e-3f)));
    EXPECT_TRUE(PuzzleFixture::played("05_snd_02"));
    // The gauge is full.
    EXPECT_LT(gApp.mSceneMgr->getSceneNode("04_04_game_line_fill")->getScale().x, 0.001f);

    PuzzleFixture::hush();
    PuzzleFixture::aim(at(9), true);
    fx.engine->frame();
    EXPECT_FALSE(PuzzleFixture::played("05_snd_02")); // still at the limit
    // Straight up from the node, within reach: no limit, angle 90.
    PuzzleFixture::aim(at(1) + vec3(0.0f, 3.0f, 0.0f), true);
    fx.engine->frame();
    EXPECT_EQ(game->clamped, 0);
    EXPECT_TRUE(bone(1, "line_bone_02")->getOrientation().equals(CVirtualScript::eulerDegToQuat(0, 0, 90),
                                                                  Ogre::Radian(1e-3f)));
    PuzzleFixture::aim(at(9), true);
    fx.engine->frame();
    EXPECT_TRUE(PuzzleFixture::played("05_snd_02"));

    // With the chain over the budget nothing is left to drag: the line has
    // no length and stays put.
    game->curLength = 11.0f;
    PuzzleFixture::aim(at(8), true);
    fx.engine->frame();
    EXPECT_TRUE(bone(1, "line_bone_02")->getPosition().positionEquals(at(1), 1e-3f));
}

TEST_F(LineGame, JoiningTheLastNodeWinsOnceAndAWonBoardWinsAgainAtItsNextStart)
{
    saveRow(60, chainTo(9));
    start();
    EXPECT_EQ(wins(), 0u);
    drag(9, 10);
    EXPECT_EQ(wins(), 1u);
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, object)});
    EXPECT_EQ(game->gameEnd, 1);
    EXPECT_TRUE(PuzzleFixture::played("01_snd_00"));
    EXPECT_EQ(lit(), std::vector<int>(kN, 1));

    // Won: presses and focus change nothing.
    send(10003);
    EXPECT_EQ(game->svetOn, 0);
    PuzzleFixture::aim(at(3), true);
    fx.engine->frame();
    EXPECT_EQ(game->mode, 0);
    EXPECT_EQ(links(), chainTo(10));
    PuzzleFixture::aim(at(3), false);

    send(1300);
    EXPECT_EQ(CVirtualScript::getVarI("4_8_variable_game_end"), 1);
    fx.engine->notify(object, 1200);
    fx.engine->frame();
    EXPECT_EQ(wins(), 2u);
}

TEST_F(LineGame, PauseStopsTheMouseAndADamagedSaveIsRepaired)
{
    // A link out of range, a ring 1 <-> 2 and no budget.
    std::vector<int> links(kN, -1);
    links[0] = 57;
    links[1] = 2;
    links[2] = 1;
    saveRow(0, links, 1);
    start();
    EXPECT_NE(fx.engine->log().find("[4_8_variable_2] = 57"), std::string::npos);
    EXPECT_NE(fx.engine->log().find("[4_8_variable_49] = 0"), std::string::npos);
    // The budget comes from the board again: the row is 59.4 long.
    EXPECT_EQ(game->data[49], 60);
    EXPECT_EQ(game->data[2], -1);

    send(1400);
    send(10005);
    PuzzleFixture::aim(at(5), true);
    fx.engine->frame();
    EXPECT_EQ(game->mode, 0);
    PuzzleFixture::aim(at(5), false);
    fx.engine->frame();
    send(1500);
    drag(5, 6);
    EXPECT_EQ(game->data[4 * 5 + 2], 6);
}
} // namespace
