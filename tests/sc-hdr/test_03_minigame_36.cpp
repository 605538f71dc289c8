// The card reader on the headless engine: ten cards under the board group
// on a row below the reader, dragged by the pointer with the cards' focus
// codes sent as their pieces send them; the flight into the reader, the
// right and the wrong card, the display's fill, the win and the save.
#include "03_minigame_36.h"
#include "BoardFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

const float kDepth = 108.116f;
const int kCards = 10;

/// The cards lie on a row well below the reader.
vec3 home(int i)
{
    return vec3(i * 5.0f - 22.5f, -20.0f, -kDepth);
}

class Reader : public ::testing::Test, public tq::BoardFixture
{
protected:
    Reader() : BoardFixture("03_minigame_36") {}

    void SetUp() override
    {
        tq::makeSectionsMesh("card.mesh", 3);
        for (int i = 0; i < kCards; ++i)
            cards.push_back(piece("03_06_game_card_", i, home(i)));
        for (CObject* card : cards)
            tq::giveEntity(card, "card.mesh");
        engine->addObject("03_06_game_card_out", std::string(), board->getNode())
            ->getNode()
            ->setPosition(0.0f, 5.0f, -kDepth);
        engine->addObject("03_06_game_card_in", std::string(), board->getNode())
            ->getNode()
            ->setPosition(0.0f, 9.0f, -kDepth);
        for (const char* m : {"03_36_displey", "03_36_card/card", "03_36_card/card_alpha"})
            material(m);
        for (int i = 0; i < kCards; ++i)
        {
            char name[64];
            std::snprintf(name, sizeof(name), "03_36_card/number_%02d", i);
            material(name);
            material(std::string(name) + "_alpha");
        }
    }

    /// Starts with the expected order and how many of it are in.
    void startWith(const std::vector<int>& order, int progress, int won = 0)
    {
        std::vector<int> saved = order;
        saved.push_back(progress);
        saveArray(2, 36, saved, won);
        begin();
    }

    void begin()
    {
        start();
        script = tq::HeadlessEngine::scriptOf<sc_03_minigame_36>(game);
        ASSERT_NE(script, nullptr);
    }

    /// Takes card i at its place, carries it to target, waits there until
    /// it has caught up with the cursor and lets go.
    void drag(int i, const vec3& target)
    {
        const vec3 from = at(cards[i]);
        engine->notify(game, 10000 + i);
        pointAt(from, kDepth, false);
        engine->frame();
        pointAt(from, kDepth, true);
        engine->frame();
        pointAt(target, kDepth, true);
        engine->frames(6, 0.1f);
        pointAt(target, kDepth, false);
        engine->frame();
        engine->notify(game, 20000 + i);
        engine->frame();
    }

    /// Drags card i onto the reader and waits until it is in.
    void insert(int i)
    {
        drag(i, vec3(0.0f, 0.0f, -kDepth));
        engine->frames(20, 0.1f);
    }

    static bool seen(const CObject* card) { return card->getNode()->getAttachedObject(0)->getVisible(); }
    static float fill() { return -unit("03_36_displey")->getTextureUScroll(); }

    std::vector<CObject*> cards;
    sc_03_minigame_36* script = nullptr;
};

TEST_F(Reader, ANewGameExpectsFiveDifferentCards)
{
    begin();
    int won = -1;
    const std::vector<int> saved = savedArray(2, 36, 6, &won);
    EXPECT_EQ(std::set<int>(saved.begin(), saved.begin() + 5).size(), 5u);
    for (int k = 0; k < 5; ++k)
    {
        EXPECT_GE(saved[k], 0);
        EXPECT_LT(saved[k], kCards);
    }
    EXPECT_EQ(saved[5], 0);
    EXPECT_EQ(won, 0);

    engine->frames(3, 0.1f);
    for (int i = 0; i < kCards; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_TRUE(seen(cards[i]));
        EXPECT_FLOAT_EQ(at(cards[i]).x, home(i).x);
        EXPECT_EQ(tq::subMaterial(cards[i], 0), "03_36_card/number_0" + std::to_string(i));
        EXPECT_EQ(tq::subMaterial(cards[i], 2), "03_36_card/card");
        // Each lies at its own whole angle from -30 to 29 degrees.
        const float tilt = script->cards[i].tilt;
        EXPECT_EQ(tilt, static_cast<float>(static_cast<int>(tilt)));
        EXPECT_GE(tilt, -30.0f);
        EXPECT_LE(tilt, 29.0f);
        EXPECT_NEAR(cards[i]->getNode()->getOrientation().getRoll().valueDegrees(), tilt, 1e-3f);
    }
    EXPECT_EQ(game->mTimers.live, 1);
}

TEST_F(Reader, TheRightCardGoesInAndFillsASixth)
{
    startWith({4, 7, 1, 9, 0}, 0);
    drag(4, vec3(0.0f, 0.0f, -kDepth));
    EXPECT_EQ(script->cards[4].kind, sc_03_minigame_36::kToMouth);
    EXPECT_TRUE(seen(cards[4]));
    engine->frames(20, 0.1f);
    EXPECT_FALSE(seen(cards[4]));
    EXPECT_EQ(script->progress, 1);
    EXPECT_NEAR(fill(), 1.0f / 6.0f, 1e-5f);
    // The card stays inside.
    engine->frames(5, 0.1f);
    EXPECT_FALSE(seen(cards[4]));
}

TEST_F(Reader, AWrongCardBringsTheLastRightOneBackOut)
{
    startWith({4, 7, 1, 9, 0}, 3);
    engine->frame();
    for (int i : {4, 7, 1})
        EXPECT_FALSE(seen(cards[i])) << i;
    // Reloaded: the display stands at three sixths without running up.
    EXPECT_NEAR(fill(), 0.5f, 1e-5f);

    insert(2);
    EXPECT_EQ(script->progress, 2);
    EXPECT_TRUE(seen(cards[2]));
    EXPECT_TRUE(seen(cards[1]));
    EXPECT_FALSE(seen(cards[7]));
    EXPECT_FLOAT_EQ(at(cards[1]).x, home(1).x);
    EXPECT_FLOAT_EQ(at(cards[2]).y, home(2).y);
    EXPECT_NEAR(fill(), 2.0f / 6.0f, 1e-5f);
    EXPECT_EQ(savedArray(2, 36, 6)[5], 3) << "kept until the next save";

    // They fade in on the fading materials and get their own back.
    EXPECT_EQ(tq::subMaterial(cards[1], 0), "03_36_card/number_01");
    engine->notify(game, 2000);
    engine->frame();
    EXPECT_EQ(savedArray(2, 36, 6)[5], 2);
}

TEST_F(Reader, AWrongFirstCardComesBackAloneAndTheDisplayStaysEmpty)
{
    startWith({4, 7, 1, 9, 0}, 0);
    drag(2, vec3(0.0f, 0.0f, -kDepth));
    // A second and a half of flight; the card is back at the first frame
    // that finds it in.
    engine->frames(14, 0.1f);
    for (int n = 0; n < 3 && script->cards[2].kind != sc_03_minigame_36::kEase; ++n)
        engine->frame(0.1f);
    ASSERT_EQ(script->cards[2].kind, sc_03_minigame_36::kEase);
    EXPECT_EQ(tq::subMaterial(cards[2], 0), "03_36_card/number_02_alpha");
    EXPECT_EQ(tq::subMaterial(cards[2], 1), "03_36_card/card_alpha");
    engine->frames(5, 0.1f);
    EXPECT_TRUE(seen(cards[2]));
    EXPECT_EQ(tq::subMaterial(cards[2], 0), "03_36_card/number_02");
    EXPECT_EQ(script->progress, 0);
    EXPECT_FLOAT_EQ(fill(), 0.0f);
}

TEST_F(Reader, WhereALetGoCardGoes)
{
    startWith({4, 7, 1, 9, 0}, 0);
    struct Case
    {
        float x;
        float y;
        bool reader;
    };
    const Case cases[] = {{0.0f, 0.0f, true},  {9.9f, -9.9f, true},  {-9.9f, 30.0f, true}, {10.0f, 0.0f, false},
                          {-10.0f, 0.0f, false}, {0.0f, -10.0f, false}, {20.0f, 5.0f, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        sc_03_minigame_36::_CARD& card = script->cards[3];
        card.current = vec3(c.x, c.y, -kDepth);
        script->selected = 3;
        script->pointer.dragState = MiniGame::CBoardPointer::kDragging;
        script->drop();
        EXPECT_EQ(card.kind, c.reader ? sc_03_minigame_36::kToMouth : sc_03_minigame_36::kEase);
        EXPECT_EQ(card.end, c.reader ? vec3(0.0f, 5.0f, -kDepth) : home(3));
        EXPECT_EQ(card.tilted, c.reader ? 0 : 1);
        EXPECT_EQ(script->selected, -1);
        EXPECT_EQ(script->pointer.dragState, MiniGame::CBoardPointer::kIdle);
    }
}

TEST_F(Reader, AClickWithoutMovementLeavesTheCardInHand)
{
    startWith({4, 7, 1, 9, 0}, 0);
    const vec3 from = at(cards[6]);
    engine->notify(game, 10006);
    pointAt(from, kDepth, false);
    engine->frame();
    pointAt(from, kDepth, true);
    engine->frame();
    pointAt(from, kDepth, false);
    engine->frame();
    engine->notify(game, 20006);
    EXPECT_EQ(script->selected, 6);

    // The card follows the cursor; a press, a move and a release drop it.
    const vec3 away(15.0f, -5.0f, -kDepth);
    pointAt(away, kDepth, false);
    engine->frames(6, 0.1f);
    EXPECT_NEAR(at(cards[6]).x, 15.0f, 0.01f);
    EXPECT_EQ(script->selected, 6);
    pointAt(away, kDepth, true);
    engine->frame();
    pointAt(vec3(20.0f, -5.0f, -kDepth), kDepth, true);
    engine->frame();
    pointAt(vec3(20.0f, -5.0f, -kDepth), kDepth, false);
    engine->frame();
    EXPECT_EQ(script->selected, -1);
    engine->frames(6, 0.1f);
    EXPECT_FLOAT_EQ(at(cards[6]).x, home(6).x);
}

TEST_F(Reader, FiveRightCardsWinAndTheGameSavesItAtTheEnd)
{
    startWith({4, 7, 1, 9, 0}, 4);
    engine->clearLog();
    insert(0);
    EXPECT_EQ(script->progress, 5);
    EXPECT_NE(engine->log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(1100, game)});
    int won = 0;
    savedArray(2, 36, 6, &won);
    EXPECT_EQ(won, 0) << "stored by the next save";

    // Won: no hint, no more cards taken.
    engine->notify(game, 2010);
    engine->frame();
    EXPECT_TRUE(notes("interface").empty());
    drag(3, vec3(0.0f, 0.0f, -kDepth));
    EXPECT_EQ(script->selected, -1);

    engine->notify(game, 1300);
    engine->frame();
    savedArray(2, 36, 6, &won);
    EXPECT_EQ(won, 1);
    EXPECT_EQ(game->mTimers.live, 0);
    EXPECT_FALSE(boardShown());
}

TEST_F(Reader, ACardCaughtOnItsWayInIsThePlayersAgain)
{
    startWith({4, 7, 1, 9, 0}, 0);
    drag(4, vec3(0.0f, 0.0f, -kDepth));
    ASSERT_EQ(script->cards[4].kind, sc_03_minigame_36::kToMouth);
    drag(4, vec3(20.0f, -5.0f, -kDepth));
    engine->frames(20, 0.1f);
    EXPECT_TRUE(seen(cards[4]));
    EXPECT_EQ(script->progress, 0);
    EXPECT_FLOAT_EQ(at(cards[4]).x, home(4).x);
}

TEST_F(Reader, ADamagedSaveIsRepairedAndLogged)
{
    startWith({4, 12, 1, 9, 0}, 9);
    EXPECT_NE(engine->log().find("2_36_variable_1] = 12 is out of range"), std::string::npos);
    EXPECT_NE(engine->log().find("2_36_variable_5] = 9 is out of range"), std::string::npos);
    EXPECT_EQ(script->order[1], 1);
    EXPECT_EQ(script->progress, 0);
}

TEST_F(Reader, ASecondStartKeepsOneTick)
{
    begin();
    // The starter's start code again (a game opened twice): still one tick.
    engine->notify(game, 1200, starter());
    engine->frame();
    EXPECT_EQ(game->mTimers.live, 1);
}
}
