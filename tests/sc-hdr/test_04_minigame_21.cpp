// The laser cannon's switches on the headless engine: the codes drawn for a
// new game, the set-up of lamps, levers and hot spots, pulls in the right
// and in a wrong order, the check that resets or solves, the plasma's fade,
// and the cannon screen's fade with its answer.
#include "04_minigame_21.h"
#include "04_minigame_21_laser.h"
#include "PuzzleFixture.h"

#include <OgreTextureUnitState.h>

#include <algorithm>
#include <vector>

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;
using tq::PuzzleFixture;
using tq::ScriptFixture;

using Cannon = sc_04_minigame_21;

// Start colour 2, so the colour order is 2, 3, 4, 0, 1: switches 3, 5, 0,
// 6 and then 2 (whose colour is always the one before the start colour);
// switches 1 and 4 are the decoys.
const std::vector<int> kCodes = {4, 5, 1, 2, 6, 3, 0};
const int kStartColour = 2;
const int kRightOrder[] = {3, 5, 0, 6, 2};

class CannonSwitches : public ::testing::Test
{
protected:
    CannonSwitches() : fx({}) {}

    void SetUp() override
    {
        PuzzleFixture::makeSectionsMesh("switch.mesh", 2);
        room = fx.engine->addRecorder("room");
        for (int nn = 1; nn <= Cannon::kSwitches; ++nn)
        {
            fx.piece(name("04_rubilnik_", nn), nullptr, "switch.mesh");
            fx.piece(name("04_04_az_rubilnik_", nn))->getNode()->setVisible(false);
            fx.engine->addRecorder(zone(nn - 1));
            ScriptFixture::material(name("04_rubilnik/04_rubilnik_lampa_", nn));
        }
        fx.piece("04_04_plazma");
        fx.piece("04_04_LazPushka_ekran")->getNode()->setVisible(false);
        fx.piece("04_Proektor_svet")->getNode()->setVisible(false);
        fx.piece("04_minigame_20.scene");
        ScriptFixture::material("04_04_plazma");
        ScriptFixture::material("04_04_LazPushka_ekran");
    }

    static std::string name(const char* prefix, int i)
    {
        char text[96];
        std::snprintf(text, sizeof(text), "%s%02d", prefix, i);
        return text;
    }
    static std::string zone(int i) { return name("04_04_az_rubilnik_", i + 1) + "_msz"; }
    static std::string hotSpot(int i) { return name("04_04_az_rubilnik_", i + 1); }
    static float lamp(int i)
    {
        return ScriptFixture::unit(name("04_rubilnik/04_rubilnik_lampa_", i + 1))->getTextureVScroll();
    }
    static float plasmaColour()
    {
        return ScriptFixture::unit("04_04_plazma")->getColourBlendMode().colourArg2.r;
    }

    static void saveCannon(std::vector<int> pulled = std::vector<int>(7, 0), int count = 0, int end = 0)
    {
        int data[Cannon::kSaved] = {};
        for (int i = 0; i < Cannon::kSwitches; ++i)
        {
            data[i] = kCodes[i];
            data[Cannon::kPulled + i] = pulled[i];
        }
        data[Cannon::kStart] = kStartColour;
        data[Cannon::kCount] = count;
        CVirtualScript::saveGameArray(Cannon::kSaved, 4, 21, data, &end);
    }
    void create()
    {
        object = fx.engine->addObject("04_04_az_LazernajaPushka_mg", "04_minigame_21.sc");
        fx.engine->frame();
        cannon = tq::HeadlessEngine::scriptOf<Cannon>(object);
        ASSERT_NE(cannon, nullptr);
        send(1, room);
    }
    void send(int code, CObject* sender = nullptr)
    {
        fx.engine->notify(object, code, sender);
        fx.engine->frame();
        fx.engine->frame(0.001f); // what the game sent in answer arrives
    }
    void pull(int i) { send(30000 + i); }

    PuzzleFixture fx;
    CObject* room = nullptr;
    CObject* object = nullptr;
    Cannon* cannon = nullptr;
};

TEST_F(CannonSwitches, ANewGameHidesItsLastColourOnSwitchTwo)
{
    create();
    EXPECT_TRUE(CVirtualScript::isGameEndSet(4, 21));
    for (uint32_t seed : {0u, 1u, 2u, 3u, 4u, 5u})
    {
        if (seed)
        {
            CVirtualScript::randomSeed(seed);
            cannon->genData();
        }
        std::vector<int> codes(cannon->data, cannon->data + Cannon::kSwitches);
        std::sort(codes.begin(), codes.end());
        EXPECT_EQ(codes, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
        const int s = cannon->data[Cannon::kStart];
        EXPECT_GE(s, 0);
        EXPECT_LT(s, 5);
        EXPECT_EQ(cannon->code(2), (s + 4) % 5);
        EXPECT_EQ(CVirtualScript::getVarI("4_21_variable_15"), s);
    }
}

TEST_F(CannonSwitches, TheSetUpShowsLampsLeversAndHotSpots)
{
    saveCannon({0, 0, 0, 0, 0, 1, 0}, 1);
    create();
    EXPECT_EQ(PuzzleFixture::materialOf("04_rubilnik_03", 1), "04_rubilnik/04_rubilnik_lampa_03");
    for (int i = 0; i < Cannon::kSwitches; ++i)
    {
        SCOPED_TRACE(i);
        // The lamp's colour row; a pulled switch and the decoys' codes the
        // dark row.
        EXPECT_FLOAT_EQ(lamp(i), (i == 5 || kCodes[i] >= 5) ? 0.875f : kCodes[i] * 0.125f);
    }
    // The decoys' levers go down at once; the others stay.
    for (int i = 0; i < Cannon::kSwitches; ++i)
        EXPECT_EQ(notes(zone(i)), (kCodes[i] >= 5 ? Calls{note(105, object)} : Calls{})) << i;
    // The coloured switches' hot spots show, except those of 0 and 3.
    for (int i : {2, 5, 6})
        EXPECT_TRUE(PuzzleFixture::shown(hotSpot(i))) << i;
    for (int i : {0, 1, 3, 4})
        EXPECT_FALSE(PuzzleFixture::shown(hotSpot(i))) << i;
    send(200);
    EXPECT_TRUE(PuzzleFixture::shown(hotSpot(0)));
    EXPECT_TRUE(PuzzleFixture::shown(hotSpot(3)));
    EXPECT_FALSE(PuzzleFixture::shown(hotSpot(1)));
    // The cannon's screen shows the start colour; the plasma burns.
    EXPECT_FLOAT_EQ(ScriptFixture::unit("04_04_LazPushka_ekran")->getTextureUScroll(), 0.4f);
    EXPECT_FLOAT_EQ(plasmaColour(), 1.0f);

    // Code 2 puts the code panel away.
    EXPECT_TRUE(PuzzleFixture::shown("04_minigame_20.scene"));
    send(2);
    EXPECT_FALSE(PuzzleFixture::shown("04_minigame_20.scene"));
}

TEST_F(CannonSwitches, FiveRightPullsAndACheckSolveThePuzzle)
{
    saveCannon();
    create();
    send(200);
    for (int i : kRightOrder)
    {
        pull(i);
        EXPECT_EQ(notes(zone(i)), Calls{note(100, object)}) << i;
        EXPECT_FALSE(PuzzleFixture::shown(hotSpot(i)));
        EXPECT_FLOAT_EQ(lamp(i), 0.875f);
    }
    EXPECT_EQ(cannon->clean, 1);
    // Nothing happens before the check.
    fx.engine->frames(5, 0.1f);
    EXPECT_EQ(notes("room"), Calls{});
    EXPECT_EQ(CVirtualScript::getVarI("4_21_variable_16"), 0);

    send(100);
    EXPECT_EQ(notes("room"), Calls{note(1, object)});
    EXPECT_EQ(CVirtualScript::getVarI("4_21_variable_game_end"), 1);
    EXPECT_EQ(CVirtualScript::getVarI("4_21_variable_16"), 5);
    // The plasma fades out over 1.7 seconds and is then hidden.
    fx.engine->frames(10, 0.1f);
    EXPECT_NEAR(plasmaColour(), 1.0f - 0.6f * 1.0f, 0.02f);
    EXPECT_TRUE(PuzzleFixture::shown("04_04_plazma"));
    fx.engine->frames(8, 0.1f);
    EXPECT_FALSE(PuzzleFixture::shown("04_04_plazma"));
    EXPECT_EQ(cannon->timer, 0);

    // Every later check solves it again.
    send(100);
    EXPECT_EQ(notes("room"), (Calls{note(1, object), note(1, object)}));
    EXPECT_NE(cannon->timer, 0);
}

TEST_F(CannonSwitches, AWrongPullSpoilsTheRunUntilTheCheckResetsIt)
{
    saveCannon();
    create();
    send(200);
    pull(3);
    pull(1); // a decoy: never right
    EXPECT_EQ(cannon->clean, 0);
    // No pull is taken now.
    pull(5);
    EXPECT_EQ(notes(zone(5)), Calls{});
    EXPECT_EQ(cannon->pulled(5), 0);
    EXPECT_TRUE(PuzzleFixture::shown(hotSpot(5)));

    tq::RecordingScript::calls().clear();
    send(100);
    // The coloured switch goes back up with its lamp; the decoy stays down.
    EXPECT_EQ(notes(zone(3)), Calls{note(200, object)});
    EXPECT_EQ(notes(zone(1)), Calls{});
    EXPECT_EQ(cannon->pulled(3), 0);
    EXPECT_EQ(cannon->pulled(1), 1);
    EXPECT_FLOAT_EQ(lamp(3), 2 * 0.125f);
    EXPECT_EQ(cannon->data[Cannon::kCount], 0);
    EXPECT_EQ(notes("room"), Calls{});
    EXPECT_EQ(CVirtualScript::getVarI("4_21_variable_8"), 1); // saved at the check

    // Out of order also spoils it; the next check lets the run start anew.
    send(200);
    pull(5);
    pull(0);
    EXPECT_EQ(cannon->clean, 0);
    send(100);
    send(200);
    for (int i : kRightOrder)
        pull(i);
    send(100);
    EXPECT_EQ(notes("room"), Calls{note(1, object)});
}

TEST_F(CannonSwitches, TheCannonScreenFadesAndAnswers)
{
    CObject* laser = fx.engine->addObject("04_minigame_21_laser", "04_minigame_21_laser.sc");
    fx.engine->frame();
    EXPECT_FALSE(PuzzleFixture::shown("04_04_LazPushka_ekran"));
    fx.engine->notify(laser, 250, room);
    fx.engine->frame(0.001f);
    EXPECT_TRUE(PuzzleFixture::shown("04_04_LazPushka_ekran"));
    EXPECT_TRUE(PuzzleFixture::shown("04_Proektor_svet"));
    fx.engine->frames(10, 0.1f);
    EXPECT_NEAR(ScriptFixture::unit("04_04_LazPushka_ekran")->getColourBlendMode().colourArg2.r, 0.4f, 0.01f);
    EXPECT_EQ(notes("room"), Calls{});
    fx.engine->frames(8, 0.1f);
    EXPECT_EQ(notes("room"), Calls{note(250, laser)});
    fx.engine->frames(10, 0.1f);
    EXPECT_EQ(notes("room").size(), 1u);
}
} // namespace
