// The door's code panel on the headless engine: the door's click and
// cursor, 25 buttons under the panel's group toggled by their press codes,
// their glows, the door opening once exactly the chart's stars are lit and
// settled, the pulsing display, and the array shared with the star chart.
#include "03_minigame_17_pult.h"
#include "BoardFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

const int kButtons = 25;
const int kSaved = 50;
const int kStars[] = {0, 6, 12, 18, 24};

class DoorPanel : public ::testing::Test, public tq::BoardFixture
{
protected:
    DoorPanel() : BoardFixture("03_minigame_17_pult")
    {
        engine->addRecorder("00_fader");
        engine->addRecorder("03_05_az_Door01_npm");
        tq::makeSectionsMesh("button.mesh", 1);
        for (int i = 0; i < kButtons; ++i)
        {
            CObject* b = piece("03_05_game_button_", i, vec3((i % 5) * 4.0f, (i / 5) * 4.0f, -50.0f));
            tq::giveEntity(b, "button.mesh");
            material(b->getNode()->getName(), 2);
        }
        material("03_05_game_display");
    }

    /// The chart's stars in the shared array, and the buttons lit before.
    static void saveState(std::initializer_list<int> lit = {}, int opened = 0)
    {
        std::vector<int> values(kSaved, 0);
        for (int p : kStars)
            values[p] = 1;
        for (int b : lit)
            values[kButtons + b] = 1;
        saveArray(3, 17, values, opened);
    }

    void create()
    {
        door = engine->addObject("03_05_az_Door01", "03_minigame_17_pult.sc");
        door->getNode()->attachObject(gApp.mSceneMgr->createBillboardSet("door_look"));
        engine->frame();
        tq::RecordingScript::calls().clear();
    }

    void send(int code)
    {
        engine->notify(door, code);
        engine->frame();
    }

    static float glow(int i)
    {
        char name[32];
        std::snprintf(name, sizeof(name), "03_05_game_button_%02d", i);
        return unit(name, 1)->getColourBlendMode().colourArg2.r;
    }

    bool solved() const { return !notes("03_05_az_Door01_npm").empty(); }

    CObject* door = nullptr;
};

TEST_F(DoorPanel, AClickOnTheDoorCutsToThePanelUnlessAnItemIsCarried)
{
    saveState();
    create();
    EXPECT_FALSE(boardShown());
    EXPECT_EQ(board->getNode()->getParent(), camera->getNode());

    CVirtualScript::setConfigI("drag_item", 1);
    engine->click(door);
    engine->frames(2);
    EXPECT_TRUE(notes("00_fader").empty());
    EXPECT_TRUE(door->getNode()->getAttachedObject(0)->getVisible());

    CVirtualScript::setConfigI("drag_item", 0);
    engine->click(door);
    engine->frames(2);
    EXPECT_EQ(notes("00_fader"), Calls{note(5511, door)});
    EXPECT_FALSE(door->getNode()->getAttachedObject(0)->getVisible());

    engine->clearLog();
    engine->hover(door);
    engine->frame();
    EXPECT_NE(engine->log().find("\nMouse Cursor OFF "), std::string::npos);
    engine->hover(nullptr);
    engine->frame();
    EXPECT_NE(engine->log().find("\nMouse Cursor ON "), std::string::npos);
}

TEST_F(DoorPanel, ExactlyTheStarsLitOpenTheDoorOnce)
{
    saveState();
    create();
    send(1);
    EXPECT_TRUE(boardShown());
    EXPECT_EQ(tq::subMaterial(gApp.findObject("03_05_game_button_07"), 0), "03_05_game_button_07");

    engine->clearLog();
    for (int star : kStars)
        send(30000 + star);
    EXPECT_NE(engine->log().find("\nclick 12\n"), std::string::npos);
    // A sixth lit button keeps the door shut.
    send(30007);
    engine->frames(10, 0.1f);
    EXPECT_FLOAT_EQ(glow(7), 1.0f);
    EXPECT_FALSE(solved());

    send(30007);
    engine->frames(13, 0.1f);
    EXPECT_FLOAT_EQ(glow(7), 0.0f);
    EXPECT_EQ(notes("03_05_az_Door01_npm"), Calls{note(555, door)});
    int opened = 0;
    const std::vector<int> saved = savedArray(3, 17, kSaved, &opened);
    EXPECT_EQ(opened, 1);
    for (int star : kStars)
        EXPECT_EQ(saved[kButtons + star], 1) << star;
    EXPECT_EQ(saved[kButtons + 7], 0);
    EXPECT_EQ(saved[6], 1) << "the chart's stars stay";
    EXPECT_NE(unit("03_05_game_display")->getTextureName().find("03_05_game_display_arrow"), std::string::npos);

    // Pressed on after the opening: toggled and saved, opened only once.
    send(30003);
    send(30003);
    engine->frames(10, 0.1f);
    EXPECT_EQ(notes("03_05_az_Door01_npm").size(), 1u);
}

TEST_F(DoorPanel, TheDoorWaitsUntilEveryGlowHasSettled)
{
    saveState({0, 6, 12, 18});
    create();
    send(1);
    engine->frame();
    EXPECT_FLOAT_EQ(glow(0), 1.0f);
    EXPECT_FLOAT_EQ(glow(24), 0.0f);
    // Pressed twice quickly: the glow turns back from where it was.
    send(30024);
    engine->frame(0.1f);
    send(30024);
    const float turned = glow(24);
    EXPECT_GT(turned, 0.0f);
    engine->frame(0.1f);
    EXPECT_LT(glow(24), turned);

    send(30024);
    engine->frame(0.1f);
    EXPECT_FALSE(solved());
    engine->frames(5, 0.1f);
    EXPECT_TRUE(solved());
}

TEST_F(DoorPanel, ReenteringRestoresTheButtonsWithOneClock)
{
    saveState({2, 3});
    create();
    send(1);
    engine->frame();
    EXPECT_FLOAT_EQ(glow(2), 1.0f);
    EXPECT_FLOAT_EQ(glow(4), 0.0f);
    send(30004);
    send(2);
    EXPECT_FALSE(boardShown());
    EXPECT_EQ(door->mTimers.live, 0);
    send(1);
    send(1);
    EXPECT_EQ(door->mTimers.live, 1);
    // Restored at once, without glowing up again.
    EXPECT_FLOAT_EQ(glow(4), 1.0f);
}

TEST_F(DoorPanel, APressBeforeThePanelWasShownKeepsTheChartsStars)
{
    saveState();
    create();
    send(30003);
    const std::vector<int> saved = savedArray(3, 17, kSaved);
    for (int star : kStars)
        EXPECT_EQ(saved[star], 1) << star;
    EXPECT_EQ(saved[kButtons + 3], 1);
    // Codes outside the panel are nobody's.
    send(30025);
    EXPECT_EQ(savedArray(3, 17, kSaved), saved);
}

TEST_F(DoorPanel, TheDisplayPulsesAndTheHintGoesWithoutSender)
{
    saveState();
    create();
    send(1);
    engine->frames(10, 0.1f);
    const float phase = 0.3f;
    EXPECT_NEAR(unit("03_05_game_display")->getColourBlendMode().colourArg2.r,
                (1.0f - std::cos(6.283f * phase)) * 0.5f, 1e-3f);
    send(2010);
    engine->frame();
    EXPECT_EQ(notes("interface"), Calls{note(16036, nullptr)});
}
}
