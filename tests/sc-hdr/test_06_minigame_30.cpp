// The lava jump on the headless engine: the sign sequence drawn once, the
// start that raises the first row under the hero on the bank, rows whose
// signs all differ with exactly one safe pillar, the hops that a click
// plans, clicks that count only on an idle hero and a risen, unused pillar,
// a wrong pillar that sends the hero back through the loader, a run over
// all four rows to the win, the pause that holds the landing, a damaged
// save and a hall whose objects are missing.
#include "06_minigame_30.h"
#include "ScriptFixture.h"
#include "ZoneFixture.h"

#include <OgreTextureManager.h>

#include <set>

namespace
{
using tq::Told;
typedef sc_06_minigame_30 Game;

const vec3 kBank(4788.0f, 6873.0f, -256.0f);

class Lava0630 : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        spies({"00_minigame_starter", "00_minigame_interf", "interface", "00_loader", "06_06_oblomki",
               "06_06_lava_msz"});
        for (int k = 0; k < 12; ++k)
        {
            const std::string n = std::string(k < 9 ? "0" : "") + std::to_string(k + 1);
            pillars[k] = prop("06_06_Stolbik" + n);
            pillars[k]->getNode()->setPosition(base(k).x, base(k).y, 0.0f);
            prop("06_06_Stolbik_lava" + n);
            zones[k] = prop("06_06_az_Stolbik_lava" + n, "06_06_stolbik.sc");
        }
        hero = prop("01_hero_worker");
    }

    /// Where pillar k stands: rows 1000 apart in y, pillars 500 apart in x.
    static vec3 base(int k)
    {
        static const int row[12] = {0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3};
        return vec3(4000.0f + 500.0f * k, 8000.0f + 1000.0f * row[k], -256.0f);
    }

    static void save(const std::vector<int>& block, int end = 0)
    {
        CVirtualScript::saveGameArray(19, 6, 30, block.data(), &end);
    }
    static std::vector<int> saved()
    {
        std::vector<int> block(19);
        int end = 0;
        CVirtualScript::loadGameArray(19, 6, 30, block.data(), &end);
        return block;
    }

    void create()
    {
        game = prop("06_minigame_30", "06_minigame_30.sc");
        engine.frame();
        forgetTold();
    }
    void start()
    {
        engine.notify(game, 1200, spy("00_minigame_starter"));
        engine.frames(2);
    }
    Game* script() { return tq::HeadlessEngine::scriptOf<Game>(game); }

    /// Frames of 0.1 s until the current row stands fully.
    void waitRisen() { engine.frames(51, 0.1f); }
    /// Frames of 0.1 s until the hero stands idle again (at most 30 s).
    void waitLanded()
    {
        for (int f = 0; f < 300 && script()->heroState != Game::kIdle; ++f)
            engine.frame(0.1f);
        engine.frames(2);
    }
    /// The pillar of the current row that shows the row's sign, or another.
    int pillarOfRow(bool safe)
    {
        Game* g = script();
        const int sign = g->block[Game::kSequence + g->block[Game::kRowCounter] - 1];
        for (int i = g->rowMin; i < g->rowMax; ++i)
            if ((g->block[Game::kSigns + i] == sign) == safe)
                return i;
        return -1;
    }
    /// A click on the pillar's hot zone, through its piece, and the jump.
    void jump(int pillar)
    {
        engine.click(zones[pillar]);
        engine.frames(2);
        waitLanded();
    }
    vec3 heroAt() const { return hero->getNode()->getPosition(); }

    CObject* pillars[12] = {};
    CObject* zones[12] = {};
    CObject* hero = nullptr;
    CObject* game = nullptr;
};

void expectNear(const vec3& a, const vec3& b)
{
    EXPECT_NEAR(a.x, b.x, 0.5f);
    EXPECT_NEAR(a.y, b.y, 0.5f);
    EXPECT_NEAR(a.z, b.z, 0.5f);
}

TEST_F(Lava0630, TheFirstVisitDrawsTheSequenceAndTheStartRaisesTheFirstRow)
{
    CVirtualScript::randomSeed(3);
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    create();
    ASSERT_TRUE(CVirtualScript::isGameEndSet(6, 30));
    const std::vector<int> block = saved();
    for (int r = 0; r < 4; ++r)
    {
        EXPECT_GE(block[r], 0);
        EXPECT_LE(block[r], 3);
    }
    EXPECT_EQ(block[16], 0);
    EXPECT_EQ(block[18], -1);
    EXPECT_EQ(script()->timer, 0);

    start();
    EXPECT_EQ(told("interface"), (Told{"16030"}));
    EXPECT_EQ(told("06_06_oblomki"), (Told{"300"}));
    EXPECT_EQ(told("06_06_lava_msz"), (Told{"105"}));
    EXPECT_NE(script()->timer, 0);
    expectNear(heroAt(), kBank);
    EXPECT_TRUE(visible(hero));
    Game* g = script();
    EXPECT_EQ(g->block[Game::kRowCounter], 1);
    EXPECT_EQ(g->rowMin, 0);
    EXPECT_EQ(g->rowMax, 2);
    EXPECT_NE(g->block[Game::kSigns + 0], g->block[Game::kSigns + 1]);
    EXPECT_GE(pillarOfRow(true), 0);
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(g->stolbs[k].raising, k < 2 ? 1 : 0) << k;
    // The pillars rise from their depth with the cosine ease.
    engine.frames(25, 0.1f);
    EXPECT_NEAR(g->stolbs[0].height, 0.5f, 0.01f);
    EXPECT_NEAR(pillars[0]->getNode()->getPosition().z, -3895.0f + 2025.0f * 0.5f, 20.0f);
    EXPECT_NEAR(pillars[5]->getNode()->getPosition().z, -3895.0f, 1e-3f);
}

TEST_F(Lava0630, EveryRowShowsDifferentSignsWithOneSafePillar)
{
    save({2, 0, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1});
    create();
    start();
    Game* g = script();
    for (int seed = 0; seed < 20; ++seed)
    {
        CVirtualScript::randomSeed(seed);
        g->rowMin = g->rowMax = 0;
        g->block[Game::kRowCounter] = 0;
        for (int row = 0; row < 4; ++row)
        {
            g->addNextRow();
            std::set<int> signs;
            int safe = 0;
            for (int i = g->rowMin; i < g->rowMax; ++i)
            {
                signs.insert(g->block[Game::kSigns + i]);
                safe += g->block[Game::kSigns + i] == g->block[row] ? 1 : 0;
                EXPECT_TRUE(visible(zones[i]));
            }
            EXPECT_EQ(signs.size(), static_cast<size_t>(g->rowMax - g->rowMin)) << seed << " " << row;
            EXPECT_EQ(safe, 1) << seed << " " << row;
        }
        EXPECT_EQ(g->rowMax, 12);
        EXPECT_EQ(g->block[Game::kRowCounter], 4);
        // Raising the next row puts the one before away.
        for (int i = 0; i < 8; ++i)
            EXPECT_FALSE(visible(zones[i])) << i;
    }
}

TEST_F(Lava0630, AClickPlansHopsSidewaysAlongTheRowThenForward)
{
    save({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1});
    create();
    start();
    struct Case
    {
        int standing;
        int rows;
        int click;
        std::vector<int> hops;
    };
    const Case cases[] = {
        {-1, 1, 0, {0}},     {-1, 1, 1, {1}},     {0, 2, 2, {2}},    {0, 2, 4, {1, 4}},
        {1, 2, 2, {0, 2}},   {2, 3, 7, {3, 4, 7}}, {4, 3, 5, {3, 2, 5}}, {5, 4, 8, {8}},
        {7, 4, 8, {6, 5, 8}}, {7, 4, 11, {11}},
    };
    Game* g = script();
    for (const Case& c : cases)
    {
        g->block[Game::kRowCounter] = c.rows;
        g->current = c.standing;
        g->heroState = Game::kIdle;
        for (Game::Stolb& s : g->stolbs)
        {
            s.height = 1.0f;
            s.used = 0;
        }
        g->click(c.click);
        std::vector<int> hops;
        std::vector<vec3> points;
        for (int p = 0; p < g->pathCount; ++p)
            points.push_back(g->path[p]);
        for (const vec3& p : points)
            for (int k = 0; k < 12; ++k)
                if (std::abs(p.x - base(k).x) < 0.5f && std::abs(p.y - base(k).y) < 0.5f)
                    hops.push_back(k);
        EXPECT_EQ(hops, c.hops) << c.standing << " -> " << c.click;
        EXPECT_EQ(points.size(), c.hops.size());
        for (const vec3& p : points)
            EXPECT_EQ(p.z, -256.0f);
        EXPECT_EQ(g->current, c.click);
        EXPECT_EQ(g->target, c.click);
        EXPECT_EQ(g->heroState, Game::kTurning);
    }
    EXPECT_NE(engine.log().find("\n START JUMP \nrow 4 min 3 max 4 stolb 7 jumpto 6 jumpto 5 jumpto 8"),
              std::string::npos);
}

TEST_F(Lava0630, OnlyARisenUnusedPillarUnderAnIdleHeroTakesAClick)
{
    save({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1});
    create();
    start();
    Game* g = script();
    // Still rising: 3 s give a height of 0.6.
    engine.frames(30, 0.1f);
    engine.notify(game, 40000);
    engine.frame();
    EXPECT_EQ(g->heroState, Game::kIdle);
    engine.frames(6, 0.1f);
    for (int bad : {-1, 12, 5})
    {
        engine.notify(game, 40000 + bad);
        engine.frame();
        EXPECT_EQ(g->heroState, Game::kIdle) << bad;
    }
    engine.notify(game, 40000);
    engine.frame();
    EXPECT_NE(g->heroState, Game::kIdle);
    // While he moves, the other pillar waits.
    engine.notify(game, 40000 + 1);
    engine.frame();
    EXPECT_EQ(g->target, 0);
    EXPECT_EQ(g->pathCount, 1);
    // He takes off once he has turned to face the pillar.
    for (int f = 0; f < 20 && g->heroState == Game::kTurning; ++f)
        engine.frame(0.05f);
    ASSERT_EQ(g->heroState, Game::kJumping);
    const vec3 facing = hero->getNode()->getOrientation() * vec3::UNIT_X;
    const vec3 way = (base(0) - kBank).normalisedCopy();
    EXPECT_GT(facing.dotProduct(way), 0.95f);
}

TEST_F(Lava0630, APillarUnderTheCursorGlowsUntilItsRowIsUsed)
{
    save({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1});
    create();
    start();
    Game* g = script();
    hover(zones[1]);
    EXPECT_EQ(g->stolbs[1].focused, 1);
    engine.frames(4, 0.1f);
    EXPECT_FLOAT_EQ(g->stolbs[1].glow, 1.0f);
    EXPECT_FLOAT_EQ(g->stolbs[0].glow, 0.0f);
    hover(nullptr);
    EXPECT_EQ(g->stolbs[1].focused, 0);
    engine.frames(5, 0.1f);
    EXPECT_NEAR(g->stolbs[1].glow, 0.5f, 0.05f);
    // The row the hero leaves goes dark, even under the cursor.
    hover(zones[0]);
    waitRisen();
    jump(pillarOfRow(true));
    EXPECT_EQ(g->stolbs[0].focused, 0);
    engine.frames(11, 0.1f);
    EXPECT_FLOAT_EQ(g->stolbs[0].glow, 0.0f);
    EXPECT_FLOAT_EQ(g->stolbs[0].usedFade, 1.0f);
}

TEST_F(Lava0630, ThePillarsShowTheirSignsAndTheLavaFlowsAsTheyRise)
{
    // Materials that keep texture names without loading them.
    if (!Ogre::TextureManager::getSingletonPtr())
        new Ogre::DefaultTextureManager();
    tq::ScriptFixture::material("06_06_stolbik/06_06_Stolbik_01", 3);
    tq::ScriptFixture::material("06_lava_01");
    Ogre::MaterialManager::getSingleton()
        .getByName("06_lava_01")
        ->getTechnique(0)
        ->getPass(0)
        ->createTextureUnitState();
    save({2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1});
    create();
    start();
    Game* g = script();
    const int sign = g->block[Game::kSigns + 1];
    // Without the .tga file here, the engine falls back on another format
    // of the same picture.
    const std::string shown = tq::ScriptFixture::unit("06_06_stolbik/06_06_Stolbik_01")->getTextureName();
    EXPECT_EQ(shown.substr(0, shown.find('.')), "06_06_stolbik_znak_0" + std::to_string(sign));
    Ogre::TextureUnitState* lava =
        Ogre::MaterialManager::getSingleton().getByName("06_lava_01")->getTechnique(0)->getPass(0)->getTextureUnitState(1);
    engine.frames(25, 0.1f);
    const float h = g->stolbs[1].height;
    EXPECT_NEAR(lava->getTextureVScroll(), h * 0.7f + (1.0f - h) * 1.5f, 1e-4f);
    // The glow on the third pass, the used look fading in over the plain one.
    hover(zones[1]);
    engine.frames(4, 0.1f);
    auto colour = [](int pass) {
        return tq::ScriptFixture::unit("06_06_stolbik/06_06_Stolbik_01", pass)->getColourBlendMode().colourArg2.r;
    };
    EXPECT_FLOAT_EQ(colour(2), 1.0f);
    EXPECT_FLOAT_EQ(colour(1), 0.0f);
    EXPECT_FLOAT_EQ(colour(0), 1.0f);
    hover(nullptr);
    waitRisen();
    jump(0);
    engine.frames(11, 0.1f);
    EXPECT_FLOAT_EQ(colour(2), 0.0f);
    EXPECT_FLOAT_EQ(colour(1), 1.0f);
    EXPECT_FLOAT_EQ(colour(0), 0.0f);
}

TEST_F(Lava0630, RightPillarsAllTheWayAcrossWinOnTheFarSide)
{
    save({1, 3, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1});
    create();
    start();
    Game* g = script();
    for (int row = 0; row < 4; ++row)
    {
        waitRisen();
        const int safe = pillarOfRow(true);
        ASSERT_GE(safe, 0);
        jump(safe);
        EXPECT_EQ(g->current, safe);
        EXPECT_TRUE(g->stolbs[safe].used);
        EXPECT_FALSE(visible(zones[safe]));
        // Every landing ends with a turn to face across the hall (+y).
        const vec3 facing = hero->getNode()->getOrientation() * vec3::UNIT_X;
        EXPECT_GT(facing.y, 0.9f) << row;
        if (row == 3)
            break;
        expectNear(heroAt(), base(safe));
        EXPECT_EQ(g->block[Game::kRowCounter], row + 2);
        EXPECT_TRUE(told("00_minigame_interf").empty());
    }
    // The fourth row sends him on 400 beyond its pillar, and that landing
    // wins.
    EXPECT_EQ(g->block[Game::kRowCounter], 5);
    expectNear(heroAt(), base(g->current) + vec3(0.0f, 400.0f, 0.0f));
    EXPECT_EQ(told("00_minigame_interf"), (Told{"1100 from 06_minigame_30"}));
    EXPECT_NE(engine.log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_EQ(g->timer, 0);
    EXPECT_TRUE(told("00_loader").empty());
    // The frame's echo of the win goes on to the starter.
    engine.notify(game, 1100, spy("00_minigame_interf"));
    engine.frames(2);
    EXPECT_EQ(told("00_minigame_starter"), (Told{"1200 from 06_minigame_30"}));
}

TEST_F(Lava0630, AWrongPillarSendsTheHeroBackBeforeHisLastGoodJump)
{
    struct Case
    {
        int goodJumps;
        int backOn; ///< the pillar (by good jump) he stands on again, -1 the bank
    };
    save({1, 3, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1});
    create();
    Game* g = script();
    for (const Case& c : {Case{0, -1}, Case{1, -1}, Case{2, 0}, Case{3, 1}})
    {
        SCOPED_TRACE(c.goodJumps);
        // Every start begins again on the bank.
        start();
        expectNear(heroAt(), kBank);
        std::vector<int> good;
        for (int j = 0; j < c.goodJumps; ++j)
        {
            waitRisen();
            good.push_back(pillarOfRow(true));
            jump(good.back());
        }
        waitRisen();
        const int rows = g->block[Game::kRowCounter];
        const int wrong = pillarOfRow(false);
        jump(wrong);
        expectNear(heroAt(), base(wrong));
        EXPECT_EQ(told("00_loader"), (Told{"666 from 06_minigame_30"}));
        EXPECT_TRUE(told("00_minigame_interf").empty());

        engine.notify(game, 666, spy("00_loader"));
        engine.frames(2);
        const vec3 back = c.backOn < 0 ? kBank : base(good[c.backOn]);
        expectNear(heroAt(), back);
        EXPECT_EQ(g->current, c.backOn < 0 ? -1 : good[c.backOn]);
        EXPECT_EQ(g->heroState, Game::kIdle);
        EXPECT_EQ(g->block[Game::kRowCounter], std::max(0, rows - 2) + 1);
        // The row he jumps to next is drawn anew and rises from the lava;
        // everything beyond it has dropped.
        for (int k = g->rowMin; k < 12; ++k)
            EXPECT_LT(g->stolbs[k].height, 0.05f) << k;
        for (int k = g->rowMin; k < g->rowMax; ++k)
        {
            EXPECT_EQ(g->stolbs[k].raising, 1) << k;
            EXPECT_TRUE(visible(zones[k])) << k;
        }
        // And the way on works again.
        waitRisen();
        jump(pillarOfRow(true));
        EXPECT_TRUE(told("00_loader").empty());
        engine.notify(game, 1300);
        engine.frame();
    }
}

TEST_F(Lava0630, ThePauseHoldsTheLandingAndTheCloseStopsTheTick)
{
    save({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1});
    create();
    start();
    Game* g = script();
    waitRisen();
    engine.notify(game, 40000 + pillarOfRow(true));
    engine.notify(game, 1400);
    engine.frames(100, 0.1f);
    EXPECT_EQ(g->heroState, Game::kLanded);
    EXPECT_EQ(g->block[Game::kRowCounter], 1);
    engine.notify(game, 1500);
    engine.frames(2);
    EXPECT_EQ(g->heroState, Game::kIdle);
    EXPECT_EQ(g->block[Game::kRowCounter], 2);

    engine.notify(game, 1300);
    engine.frame();
    EXPECT_EQ(g->timer, 0);
    const float height = g->stolbs[2].height;
    engine.frames(5, 0.1f);
    EXPECT_EQ(g->stolbs[2].height, height);
    // A second start runs one tick, not two.
    start();
    start();
    g->stolbs[0].height = 0.0f;
    engine.frame(0.1f);
    EXPECT_NEAR(g->stolbs[0].height, 0.02f, 1e-4f);
}

TEST_F(Lava0630, AReloadKeepsTheSequenceAndADamagedSaveIsRepaired)
{
    // Only the sequence lasts; a counter or signs out of range are logged
    // and play begins on the bank.
    save({1, 9, -2, 3, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 3, 0, 4});
    create();
    start();
    Game* g = script();
    EXPECT_EQ(g->block[0], 1);
    EXPECT_EQ(g->block[1], 0);
    EXPECT_EQ(g->block[2], 0);
    EXPECT_EQ(g->block[3], 3);
    EXPECT_EQ(g->block[Game::kRowCounter], 1);
    EXPECT_EQ(g->current, -1);
    expectNear(heroAt(), kBank);
    EXPECT_EQ(g->block[Game::kSigns + pillarOfRow(true)], 1);
    EXPECT_NE(engine.log().find("6_30_variable_1] = 9"), std::string::npos);
    EXPECT_NE(engine.log().find("6_30_variable_16] = 3"), std::string::npos);
    // The saved block itself is not rewritten by play.
    EXPECT_EQ(saved()[1], 9);
}

TEST_F(Lava0630, TheWalkOntoTheBankLeavesTheFirstRowOpen)
{
    save({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1});
    create();
    engine.notify(game, 100);
    engine.frame();
    Game* g = script();
    EXPECT_NE(g->timer, 0);
    EXPECT_EQ(g->block[Game::kRowCounter], 1);
    waitLanded();
    EXPECT_EQ(g->heroState, Game::kIdle);
    EXPECT_EQ(g->stolbs[0].used, 0);
    EXPECT_EQ(g->stolbs[1].used, 0);
    EXPECT_TRUE(told("00_loader").empty());
}
} // namespace

namespace
{
typedef tq::ZoneFixture EmptyHall0630;

TEST_F(EmptyHall0630, AHallWithoutItsObjectsIsLoggedAndTheGameGoesOn)
{
    CObject* game = prop("06_minigame_30", "06_minigame_30.sc");
    engine.frame();
    engine.notify(game, 1200);
    engine.notify(game, 2010);
    engine.frames(60, 0.1f);
    engine.notify(game, 40000);
    engine.frames(80, 0.1f);
    const std::string log = engine.log();
    for (const char* name : {"01_hero_worker", "06_06_Stolbik01", "06_06_Stolbik_lava12", "06_06_az_Stolbik_lava07",
                             "interface", "06_06_oblomki"})
        EXPECT_NE(log.find(std::string("\nWARNING: Can't find object [") + name + "] by name!"), std::string::npos)
            << name;
    // The jump is made all the same, and its landing is judged.
    EXPECT_NE(log.find("\n START JUMP \nrow 1 min 1 max 2 stolb -1 jumpto 0"), std::string::npos);
    Game* g = tq::HeadlessEngine::scriptOf<Game>(game);
    EXPECT_EQ(g->heroState, Game::kIdle);
    EXPECT_EQ(g->current, 0);
}
} // namespace
