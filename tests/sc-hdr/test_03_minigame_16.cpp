// The bookshelf puzzle on the headless engine: the colours it draws, books
// picked, slid out, swapped and slid back with the mouse, the win once
// every book is back, the lights, and the opening of the cabinet.  Left
// book k stands at x = k.
#include "03_minigame_16.h"
#include "GameBoardFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
typedef sc_03_minigame_16 Game;

std::string left(int k)
{
    return tq::indexedName("03_05_superkniga_left_", k + 16);
}

class Bookshelf : public ::testing::Test
{
protected:
    explicit Bookshelf(bool resultDisplay = false) : b("03_minigame_16", resultDisplay)
    {
        for (const char* spy : {"00_movies", "requester"})
            b.engine->addRecorder(spy);
        for (int k = 0; k < 44; ++k)
        {
            b.piece(left(k), 1, vec3(static_cast<float>(k), 0, 0));
            b.piece(tq::indexedName("03_05_superkniga_right_", k + 16), 1);
        }
        for (int n = 1; n <= 2; ++n)
        {
            b.piece(tq::indexedName("03_knigi_svet_", n), 1);
            tq::Board::material(tq::indexedName("03_knigi_svet_", n));
        }
        tq::Board::material("03_superkniga");
        for (int c = 1; c <= 5; ++c)
            tq::Board::material(tq::indexedName("03_superkniga_", c));
    }

    /// The cabinet with the shelf, at (5, 0, 0).
    Game* create()
    {
        b.gameObject = b.engine->addObject("03_minigame_16", "03_minigame_16.sc");
        b.gameObject->getNode()->setPosition(5, 0, 0);
        b.engine->frame();
        return tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
    }

    /// A saved shelf: entry e is book e, wanting colour 1 + e % 5 and
    /// showing the colours given (the wanted ones where none is given).
    static void savedShelf(const std::vector<int>& shown = {})
    {
        for (int e = 0; e < 15; ++e)
        {
            const int wanted = 1 + e % 5;
            CVirtualScript::setVarI(CVirtualScript::makeGameArrayKey(3, 16, 3 * e), e);
            CVirtualScript::setVarI(CVirtualScript::makeGameArrayKey(3, 16, 3 * e + 1), wanted);
            CVirtualScript::setVarI(CVirtualScript::makeGameArrayKey(3, 16, 3 * e + 2),
                                    e < static_cast<int>(shown.size()) ? shown[e] : wanted);
        }
        CVirtualScript::setVarI("3_16_variable_game_end", 0);
    }

    Game* start()
    {
        Game* game = tq::HeadlessEngine::scriptOf<Game>(b.gameObject);
        if (!game)
            game = create();
        b.engine->notify(b.gameObject, 1200, gApp.findObject("00_minigame_starter"));
        b.engine->frame();
        return game;
    }

    void frames(int n) { b.engine->frames(n); }

    /// The cursor comes onto book k and the button goes down and up.
    void clickBook(int k)
    {
        b.engine->notify(b.gameObject, 10000 + k);
        tq::Board::mouse(0.5f, 0.5f, true);
        frames(1);
        tq::Board::mouse(0.5f, 0.5f, false);
        frames(1);
    }

    tq::Board b;
};

// With the frame's real result display in place of its spy.
class BookshelfInFrame : public Bookshelf
{
protected:
    BookshelfInFrame() : Bookshelf(true) {}
};

TEST_F(Bookshelf, FifteenBooksGetColoursThatAreShuffledAmongThem)
{
    Game* game = create();
    EXPECT_TRUE(CVirtualScript::isGameEndSet(3, 16));
    for (int round = 0; round < 20; ++round)
    {
        if (round > 0)
            game->genData();
        std::vector<int> seen, wanted, shown;
        for (int e = 0; e < 15; ++e)
        {
            seen.push_back(game->saved[3 * e]);
            wanted.push_back(game->saved[3 * e + 1]);
            shown.push_back(game->saved[3 * e + 2]);
        }
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
        EXPECT_GE(seen.front(), 0);
        EXPECT_LT(seen.back(), 44);
        std::sort(wanted.begin(), wanted.end());
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(wanted, shown);
        EXPECT_GE(wanted.front(), 1);
        EXPECT_LE(wanted.back(), 5);
        EXPECT_EQ(CVirtualScript::getVarI("3_16_variable_44"), game->saved[44]);
    }
}

TEST_F(BookshelfInFrame, TwoPickedBooksSwapWhenOutAndTheWinWaitsUntilTheyAreBack)
{
    // Books 0 and 1 show each other's colour; book 20 is plain.
    savedShelf({2, 1});
    Game* game = start();
    EXPECT_EQ(tq::Board::materialOf(left(0), 0), "03_superkniga_02");
    EXPECT_EQ(tq::Board::materialOf("03_05_superkniga_right_16", 0), "03_superkniga_01");
    EXPECT_EQ(tq::Board::materialOf(left(20), 0), "BaseWhite");
    EXPECT_TRUE(tq::Board::visible("03_knigi_svet_01"));

    clickBook(20);
    EXPECT_EQ(game->first, -1);
    clickBook(0);
    EXPECT_EQ(game->first, 0);
    frames(5);
    EXPECT_LT(gApp.findObject(left(0))->getNode()->getPosition().y, -1.0f);
    clickBook(1);
    EXPECT_EQ(game->second, 1);
    // A third click while two are out changes nothing.
    clickBook(4);
    EXPECT_FALSE(game->books[4].picked);

    frames(30);
    EXPECT_EQ(game->first, -1);
    EXPECT_EQ(tq::Board::materialOf(left(0), 0), "03_superkniga_01");
    EXPECT_EQ(tq::Board::materialOf(left(1), 0), "03_superkniga_02");
    EXPECT_EQ(CVirtualScript::getVarI("3_16_variable_2"), 1);
    EXPECT_EQ(CVirtualScript::getVarI("3_16_variable_5"), 2);
    EXPECT_EQ(game->won, 0); // still out
    frames(35);
    EXPECT_FLOAT_EQ(gApp.findObject(left(1))->getNode()->getPosition().y, 0.0f);
    EXPECT_EQ(game->won, 1);
    EXPECT_NE(b.engine->log().find("\nYOU WIN !!!"), std::string::npos);
    // The result is on the screen, and the win is saved at once.
    EXPECT_TRUE(tq::ResultDisplay::showing());
    EXPECT_EQ(CVirtualScript::getVarI("3_16_variable_game_end"), 1);

    // After the win no book reacts; the click ends the result's show, the
    // display echoes the win and the game asks the starter to end.
    clickBook(2);
    EXPECT_EQ(game->first, -1);
    frames(2);
    EXPECT_EQ(notes("00_minigame_starter"), Calls{note(1200, b.gameObject)});
    // The starter closes the game; the result goes when its show ends.
    b.engine->notify(b.gameObject, 1300, gApp.findObject("00_minigame_starter"));
    frames(2);
    EXPECT_EQ(game->frameTimer, 0);
    EXPECT_FALSE(tq::Board::visible("03_knigi_svet_01"));
    EXPECT_EQ(CVirtualScript::getVarI("3_16_variable_game_end"), 1);
    b.engine->frames(100, 0.1f);
    EXPECT_FALSE(tq::ResultDisplay::showing());
}

TEST_F(Bookshelf, TheFirstBookClickedAgainGoesBackAndTheBookLightFollowsColouredBooks)
{
    savedShelf({2, 1});
    Game* game = start();
    clickBook(3);
    clickBook(3);
    EXPECT_EQ(game->first, -1);
    EXPECT_FALSE(game->books[3].picked);
    b.engine->notify(b.gameObject, 20000 + 3);
    frames(70);
    EXPECT_FLOAT_EQ(game->books[3].pull, 0.0f);

    b.engine->notify(b.gameObject, 10000 + 30); // plain
    frames(10);
    EXPECT_FALSE(tq::Board::visible("03_knigi_svet_02"));
    b.engine->notify(b.gameObject, 20000 + 30);
    b.engine->notify(b.gameObject, 10000 + 6);
    frames(25);
    EXPECT_TRUE(tq::Board::visible("03_knigi_svet_02"));
    EXPECT_FLOAT_EQ(gApp.findObject("03_knigi_svet_02")->getNode()->getPosition().x, 6.0f);
    EXPECT_FLOAT_EQ(tq::Board::grey("03_knigi_svet_02"), 1.0f);
    b.engine->notify(b.gameObject, 20000 + 6);
    frames(70);
    EXPECT_FALSE(tq::Board::visible("03_knigi_svet_02"));

    // The shelf light pulses while the game runs.
    EXPECT_GT(tq::Board::grey("03_knigi_svet_01"), 0.0f);
    // Pause codes are not for this game.
    b.engine->notify(b.gameObject, 1400);
    clickBook(9);
    EXPECT_EQ(game->first, 9);
}

TEST_F(Bookshelf, AShelfAlreadyRightWinsOnTheFirstFrame)
{
    savedShelf();
    Game* game = start();
    frames(1);
    EXPECT_EQ(game->won, 1);
    // After the win the shelf light goes out at the end of its pulse.
    frames(320);
    EXPECT_FALSE(tq::Board::visible("03_knigi_svet_01"));
}

TEST_F(Bookshelf, TheCabinetOpensAndStaysOpen)
{
    Game* game = create();
    CObject* requester = gApp.findObject("requester");
    b.engine->notify(b.gameObject, 200, requester);
    frames(2);
    EXPECT_EQ(notes("00_movies"), Calls{note(3027, nullptr)});
    EXPECT_EQ(CVirtualScript::getVarI("03_05_libraryshkaf@open"), 1);
    frames(150);
    // Half-way: risen, not yet aside.
    const vec3 risen = b.gameObject->getNode()->getPosition();
    EXPECT_NEAR(risen.y, 100.0f, 1.0f);
    EXPECT_NEAR(risen.x, 5.0f, 1.0f);
    frames(170);
    const vec3 open = b.gameObject->getNode()->getPosition();
    EXPECT_NEAR(open.x, 5.0f + 318.0f, 1.0f);
    EXPECT_NEAR(open.y, 100.0f, 0.01f);
    EXPECT_EQ(notes("requester"), Calls{note(200, b.gameObject)});
    EXPECT_EQ(game->openTimer, 0);
}

TEST_F(Bookshelf, ACabinetOpenedBeforeStandsOpenWhenTheRoomLoadsAndAnswersAtOnce)
{
    CVirtualScript::setVarI("03_05_libraryshkaf@open", 1);
    create();
    EXPECT_FLOAT_EQ(b.gameObject->getNode()->getPosition().x, 5.0f + 318.0f);
    EXPECT_FLOAT_EQ(b.gameObject->getNode()->getPosition().y, 100.0f);
    b.engine->notify(b.gameObject, 200, gApp.findObject("requester"));
    frames(3);
    EXPECT_EQ(notes("requester"), Calls{note(200, b.gameObject)});
    EXPECT_FLOAT_EQ(b.gameObject->getNode()->getPosition().x, 5.0f + 318.0f);
}

TEST_F(Bookshelf, ADamagedSavedStateIsReplacedByANewShelf)
{
    savedShelf({2, 1});
    CVirtualScript::setVarI("3_16_variable_3", 0); // entry 1 names book 0 again
    Game* game = create();
    EXPECT_NE(b.engine->log().find("\nWARNING: saved state 3_16 of the mini-game is damaged"), std::string::npos);
    EXPECT_TRUE(game->stateValid());
}

TEST_F(Bookshelf, AMissingBookIsReportedAndTheShelfGoesOn)
{
    savedShelf({2, 1});
    gApp.mSceneMgr->destroySceneNode(left(43));
    b.engine->frame();
    Game* game = start();
    EXPECT_NE(b.engine->log().find("\nWARNING: Can't find object [03_05_superkniga_left_59] by name!"),
              std::string::npos);
    EXPECT_EQ(game->books[43].left, 0u);
    b.engine->notify(b.gameObject, 10000 + 43);
    clickBook(0);
    clickBook(1);
    frames(70);
    EXPECT_EQ(game->won, 1);
}

} // namespace
