// The number-wheel panel on the headless engine: its wheels under the
// board group, the plate and the lamp in the room, spies for its close-up
// zone, the interface and the script that lights the plate; the wheels'
// presses come as their pieces send them.
#include "02_minigame_18.h"
#include "BoardFixture.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;

const char* const kPanel = "02_03_az_room_stol_diski_door_mg";
const char* const kZone = "02_03_az_room_stol_diski_door_npm";
const char* const kPlateDigits[] = {"orig_02_plahka_svet/02_nomer1", "orig_02_plahka_svet/02_nomer2",
                                    "orig_02_plahka_svet/02_nomer3"};
const char* const kLampLit = "02_torsher/02_torsher_nl";
const float kTick = 0.1f;

float number(int digit)
{
    return digit * -0.1f - 0.09f;
}

class Wheels : public ::testing::Test, public tq::ScriptFixture
{
protected:
    void SetUp() override
    {
        for (const char* spy : {kZone, "interface", "00_game_interface", "02_03_scene"})
            engine->addRecorder(spy);
        camera = engine->addObject("Camera");
        board = engine->addObject("02_minigame_18.scene");
        tq::makeSectionsMesh("one.mesh", 1);
        tq::makeSectionsMesh("two.mesh", 2);
        for (int i = 0; i < 3; ++i)
        {
            const std::string name = "02_03_game_number_0" + std::to_string(i);
            material(name);
            CObject* wheel = engine->addObject(name, std::string(), board->getNode());
            tq::giveEntity(wheel, "one.mesh");
            wheels.push_back(wheel);
        }
        plate = engine->addObject("02_plahka_svet");
        plate->getNode()->attachObject(gApp.mSceneMgr->createBillboardSet("plate_look"));
        lamp = engine->addObject("02_torsher");
        tq::giveEntity(lamp, "two.mesh");
        material("orig_02_plahka_svet/orig_02_plahka_svet");
        for (const char* digits : kPlateDigits)
        {
            material(digits);
            Ogre::MaterialManager::getSingleton().getByName(digits)->getTechnique(0)->getPass(0)
                ->createTextureUnitState();
        }
        material(kLampLit, 2);
        engine->frame();
    }

    /// The panel, with a saved state when one is given.
    void create(const std::vector<int>& state = {}, int solved = 0)
    {
        if (!state.empty())
            tq::BoardFixture::saveArray(2, 18, state, solved);
        panel = engine->addObject(kPanel, "02_minigame_18.sc");
        engine->frame();
        script = tq::HeadlessEngine::scriptOf<sc_02_minigame_18>(panel);
        ASSERT_NE(script, nullptr);
        tq::RecordingScript::calls().clear();
    }

    void press(int wheel) { engine->notify(panel, 30000 + wheel); }

    static float scroll(int wheel)
    {
        return unit("02_03_game_number_0" + std::to_string(wheel))->getTextureVScroll();
    }
    bool boardShown() const { return wheels[0]->getEntity()->getVisible(); }
    bool plateShown() const { return plate->getNode()->getAttachedObject(0)->getVisible(); }
    static float plateColour()
    {
        return unit("orig_02_plahka_svet/orig_02_plahka_svet")->getColourBlendMode().colourArg2.r;
    }

    CObject* camera = nullptr;
    CObject* board = nullptr;
    CObject* plate = nullptr;
    CObject* lamp = nullptr;
    CObject* panel = nullptr;
    std::vector<CObject*> wheels;
    sc_02_minigame_18* script = nullptr;
};

TEST_F(Wheels, ANewPanelDrawsItsTargetsAndWaitsDarkUnderTheCamera)
{
    create();
    int solved = -1;
    const std::vector<int> s = tq::BoardFixture::savedArray(2, 18, 7, &solved);
    EXPECT_TRUE(CVirtualScript::isGameEndSet(2, 18));
    EXPECT_EQ(solved, 0);
    EXPECT_EQ(std::vector<int>(s.begin() + 3, s.end()), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_FALSE(boardShown());
    EXPECT_EQ(board->getNode()->getParent(), camera->getNode());
    EXPECT_FALSE(plateShown());
    EXPECT_EQ(panel->mTimers.live, 0);

    // The plate carries eight digits: targets are 0..7, and each occurs.
    std::vector<int> seen(10);
    for (int k = 0; k < 100; ++k)
    {
        script->genData();
        for (int i = 0; i < 3; ++i)
            ++seen[tq::BoardFixture::savedArray(2, 18, 7)[i]];
    }
    EXPECT_EQ(seen[8] + seen[9], 0);
    for (int d = 0; d < 8; ++d)
        EXPECT_GT(seen[d], 0) << d;
}

TEST_F(Wheels, RollingTheWheelsOntoThePlatesDigitsSolvesThePanel)
{
    create({2, 0, 5, 1, 9, 5, 0});
    engine->notify(panel, 1);
    engine->frame(kTick);
    engine->frame(kTick);
    EXPECT_TRUE(boardShown());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(tq::subMaterial(wheels[i], 0), "02_03_game_number_0" + std::to_string(i));
    EXPECT_FLOAT_EQ(scroll(0), number(1));
    EXPECT_FLOAT_EQ(scroll(1), number(9));

    press(0);
    press(1);
    engine->frames(3, kTick);
    // Wheel 1 rolls down over the wrap rather than back over all digits.
    EXPECT_GT(scroll(1), -0.12f);
    EXPECT_LT(scroll(1), 0.011f);
    // Wheel 0 is on its digit but still rolling.
    engine->frames(2, kTick);
    EXPECT_TRUE(notes(kZone).empty());
    EXPECT_EQ(tq::BoardFixture::savedArray(2, 18, 7)[3], 2);
    EXPECT_EQ(tq::BoardFixture::savedArray(2, 18, 7)[4], 0);

    engine->frames(9, kTick);
    EXPECT_EQ(notes(kZone), std::vector<std::string>{note(555, panel)});
    EXPECT_NEAR(scroll(0), number(2), 1e-5f);
    EXPECT_NEAR(scroll(1), number(0), 1e-5f);
    int solved = 0;
    tq::BoardFixture::savedArray(2, 18, 7, &solved);
    EXPECT_EQ(solved, 1);
    EXPECT_EQ(panel->mTimers.live, 0) << "the wheels stop with the solution";
}

TEST_F(Wheels, APressOnARollingWheelRollsOnFromWhereItStands)
{
    create({7, 7, 7, 3, 3, 3, 0});
    engine->notify(panel, 1);
    engine->frame(kTick);
    press(2);
    engine->frames(4, kTick);
    const float midway = scroll(2);
    EXPECT_LT(midway, number(3));
    EXPECT_GT(midway, number(4) - 0.02f);
    press(2);
    engine->frame(0.016f);
    EXPECT_NEAR(scroll(2), midway, 0.02f) << "no jump back to the last digit";
    engine->frames(12, kTick);
    EXPECT_NEAR(scroll(2), number(5), 1e-5f);
    EXPECT_EQ(script->wheels[2].digit, 5);

    // A press for a wheel the panel does not have changes nothing.
    press(7);
    engine->frame(kTick);
    EXPECT_NE(engine->log().find("press on wheel 7"), std::string::npos);
}

TEST_F(Wheels, WheelsSetBeforehandSolveWhenShownAndEveryShowingReports)
{
    create({4, 1, 6, 4, 1, 6, 0});
    engine->frames(3, kTick);
    EXPECT_TRUE(notes(kZone).empty()) << "not while the panel is hidden";
    engine->notify(panel, 1);
    engine->frames(3, kTick);
    EXPECT_EQ(notes(kZone).size(), 1u);

    engine->notify(panel, 2);
    engine->frame(kTick);
    EXPECT_FALSE(boardShown());
    engine->notify(panel, 1);
    engine->frames(3, kTick);
    EXPECT_EQ(notes(kZone).size(), 2u);
}

TEST_F(Wheels, ThePlateLightsInTwoSecondsAndAnswersItsRequester)
{
    create({3, 6, 1, 0, 0, 0, 0});
    EXPECT_FALSE(plateShown());
    engine->notify(panel, 100, gApp.findObject("02_03_scene"));
    engine->frame(kTick);
    EXPECT_TRUE(plateShown());
    const float digits[] = {0.375f, 0.75f, 0.125f};
    for (int i = 0; i < 3; ++i)
        EXPECT_FLOAT_EQ(unit(kPlateDigits[i])->getTextureVScroll(), 0.0f) << "unit 0 keeps its place";
    for (int i = 0; i < 3; ++i)
    {
        Ogre::TextureUnitState* digitsUnit =
            Ogre::MaterialManager::getSingleton().getByName(kPlateDigits[i])->getTechnique(0)->getPass(0)
                ->getTextureUnitState(1);
        EXPECT_FLOAT_EQ(digitsUnit->getTextureVScroll(), digits[i]);
    }
    EXPECT_EQ(tq::subMaterial(lamp, 1), kLampLit);
    EXPECT_EQ(tq::BoardFixture::savedArray(2, 18, 7)[6], 1);

    engine->frames(10, kTick);
    EXPECT_NEAR(plateColour(), 0.5f, 0.06f);
    EXPECT_NEAR(unit(kLampLit, 1)->getAlphaBlendMode().alphaArg2, plateColour(), 1e-6f);
    EXPECT_TRUE(notes("02_03_scene").empty());
    engine->frames(12, kTick);
    EXPECT_FLOAT_EQ(plateColour(), 1.0f);
    EXPECT_EQ(notes("02_03_scene"), std::vector<std::string>{note(100, panel)});
    EXPECT_EQ(panel->mTimers.live, 0);
}

TEST_F(Wheels, APanelCreatedWithItsPlateLitLightsItAgain)
{
    create({3, 6, 1, 0, 0, 0, 1});
    EXPECT_TRUE(plateShown());
    EXPECT_EQ(tq::subMaterial(lamp, 1), kLampLit);
    engine->frames(25, kTick);
    EXPECT_FLOAT_EQ(plateColour(), 1.0f);
    EXPECT_TRUE(notes("02_03_scene").empty());
    EXPECT_EQ(panel->mTimers.live, 0);
}

TEST_F(Wheels, HintTheTipsAnswerAndDamagedDigits)
{
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    create({9, 2, 3, 12, -3, 3, 0});
    engine->notify(panel, 1);
    engine->frames(2, kTick);
    EXPECT_EQ(notes("interface"), std::vector<std::string>{note(16034, panel)});
    EXPECT_EQ(script->saved[0], 1);
    EXPECT_EQ(script->wheels[0].digit, 2);
    EXPECT_EQ(script->wheels[1].digit, 7);
    EXPECT_NE(engine->log().find("saved digit 12 at 3"), std::string::npos);

    engine->notify(panel, 2010);
    engine->notify(panel, 26034);
    engine->frames(2, kTick);
    EXPECT_EQ(notes("interface").size(), 2u);
    EXPECT_EQ(notes("00_game_interface"), std::vector<std::string>{note(3, panel)});
}
} // namespace
