// The star chart on the headless engine: 25 star places under the chart's
// group, five stars drawn once per game into the array it shares with the
// door panel, shown and hidden by the close-up zone's codes, twinkling on
// one clock, and the journal picture on the first arrival.
#include "03_minigame_17.h"
#include "BoardFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

const int kPlaces = 25;
const int kSaved = 51;

class StarChart : public ::testing::Test, public tq::BoardFixture
{
protected:
    StarChart() : BoardFixture("03_minigame_17")
    {
        engine->addRecorder("journal");
        engine->addRecorder("00_game_interface");
        // The chart's sky: the group's first object, which no star flag
        // hides, so that it tells whether the group shows.
        piece("03_05_game_sky_", 0, vec3(8.0f, 8.0f, -51.0f));
        for (int i = 0; i < kPlaces; ++i)
            stars.push_back(piece("03_05_game_star_", i, vec3((i % 5) * 4.0f, (i / 5) * 4.0f, -50.0f)));
    }

    void create()
    {
        game = engine->addObject("03_minigame_17", "03_minigame_17.sc");
        engine->frame();
        script = tq::HeadlessEngine::scriptOf<sc_03_minigame_17>(game);
        tq::RecordingScript::calls().clear();
    }

    /// A saved array with stars at places and the panel's buttons as given.
    static void saveState(std::initializer_list<int> places, std::initializer_list<int> lit = {})
    {
        std::vector<int> values(kSaved, 0);
        for (int p : places)
            values[p] = 1;
        for (int b : lit)
            values[kPlaces + b] = 1;
        saveArray(3, 17, values, 0);
    }

    void send(int code)
    {
        engine->notify(game, code);
        engine->frame();
    }

    static bool seen(const CObject* o) { return o->getNode()->getAttachedObject(0)->getVisible(); }
    static float scale(const CObject* o) { return o->getNode()->getScale().x; }

    std::vector<CObject*> stars;
    sc_03_minigame_17* script = nullptr;
};

TEST_F(StarChart, ANewGameDrawsFiveStarsOnce)
{
    create();
    EXPECT_FALSE(boardShown());
    EXPECT_EQ(board->getNode()->getParent(), camera->getNode());
    int end = -1;
    const std::vector<int> saved = savedArray(3, 17, kSaved, &end);
    EXPECT_EQ(std::count(saved.begin(), saved.begin() + kPlaces, 1), 5);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), 0), kSaved - 5);
    EXPECT_EQ(end, 0);

    // Two visits show the same stars.
    for (int visit = 0; visit < 2; ++visit)
    {
        SCOPED_TRACE(visit);
        send(1);
        EXPECT_TRUE(boardShown());
        for (int i = 0; i < kPlaces; ++i)
            EXPECT_EQ(seen(stars[i]), saved[i] == 1) << i;
        send(2);
        EXPECT_FALSE(boardShown());
        EXPECT_EQ(game->mTimers.live, 0);
    }
}

TEST_F(StarChart, TheStarsTwinkleAtTheirOwnSpeedsOnOneClock)
{
    saveState({2, 8, 11, 17, 24});
    create();
    send(1);
    send(1);
    EXPECT_EQ(game->mTimers.live, 1);
    engine->frames(10, 0.1f);
    // The second show's frame (16 ms) and one second: the slowest star
    // (the first place) is 0.3 of its way per second.
    const float expected = (1.0f - (1.0f - std::sin(3.14f * 1.016f * 0.3f)) * 0.2f) / 2.0f;
    EXPECT_NEAR(scale(stars[2]), expected, 1e-4f);
    for (int place : {2, 8, 11, 17, 24})
    {
        EXPECT_GE(scale(stars[place]), 0.4f - 1e-4f) << place;
        EXPECT_LE(scale(stars[place]), 0.5f + 1e-4f) << place;
    }
    EXPECT_FLOAT_EQ(scale(stars[3]), 1.0f);
    EXPECT_NE(scale(stars[8]), scale(stars[2]));
}

TEST_F(StarChart, OnlyTheFirstArrivalTakesAPictureAndSavesKeepThePanelsButtons)
{
    saveState({0, 6, 12, 18, 24}, {3, 4});
    create();
    send(1);
    send(10);
    engine->frame();
    EXPECT_EQ(notes("journal"), Calls{note(2000, nullptr)});
    EXPECT_EQ(notes("00_game_interface"), Calls{note(800, nullptr)});
    const std::vector<int> saved = savedArray(3, 17, kSaved);
    EXPECT_EQ(saved[kPlaces + 3], 1);
    EXPECT_EQ(saved[kPlaces + 4], 1);
    EXPECT_EQ(saved[18], 1);

    send(2);
    send(1);
    send(10);
    engine->frame();
    EXPECT_EQ(notes("journal").size(), 1u);
}

TEST_F(StarChart, TheHintGoesWithTheChartAsSender)
{
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    create();
    send(1);
    send(2010);
    engine->frame();
    EXPECT_EQ(notes("interface"), (Calls{note(16035, game), note(16035, game)}));
}

TEST_F(StarChart, ADamagedSaveShowsItsStarsAndTwinklesFive)
{
    std::vector<int> values(kSaved, 0);
    for (int p : {1, 3, 5, 7, 9, 11, 13})
        values[p] = 1;
    values[20] = 4;
    saveArray(3, 17, values, 0);
    create();
    send(1);
    EXPECT_NE(engine->log().find("3_17_variable_20] = 4 is out of range"), std::string::npos);
    EXPECT_FALSE(seen(stars[20]));
    EXPECT_TRUE(seen(stars[13]));
    EXPECT_EQ(script->shownCount, 5);
    engine->frames(3, 0.1f);
    EXPECT_LT(scale(stars[9]), 1.0f);
    EXPECT_FLOAT_EQ(scale(stars[11]), 1.0f);
}
}
