// The casket scenes of location 6: the three start codes obeyed only from
// the game interface, the swing ended by its timer, the hatch ended by its
// side zone, the lava scene with its particles and falling stones, and the
// clear code by stage.
#include "06_09_scene.h"
#include "Loc7Fixture.h"
#include "VirtualScript.h"

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;

const char* const kLava[2] = {"06_07_lava_particles", "06_07_lava_particles2"};

class CasketScene : public tq::Loc7Fixture
{
protected:
    void SetUp() override
    {
        Loc7Fixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_movies", "00_sfx_env", "06_07_Larec_anim", "06_07_stones",
               "06_07_stone_dust_p"});
        ginterface = engine->addRecorder("00_game_interface");
        hatch = engine->addRecorder("06_07_Ljuk_msz");
        stranger = engine->addRecorder("stranger");
        for (const char* name : {"06_07_Larec", "06_07_Kran_kristali", "06_07_Larec_Door1", "06_07_Larec_Door2"})
            casket.push_back(prop(name));
        particles({kLava[0], kLava[1]});
        self = scene("06_09_scene", "06_09_scene.sc");
    }

    void say(int code, CObject* sender = nullptr)
    {
        engine->notify(self, code, sender);
        engine->frames(2, kDt);
    }

    CObject *ginterface = nullptr, *hatch = nullptr, *stranger = nullptr, *self = nullptr;
    std::vector<CObject*> casket;
};

TEST_F(CasketScene, SwingEndsAfterItsTimer)
{
    CVirtualScript::setVarI("larec_swing", 0);
    say(100, ginterface);
    EXPECT_EQ(notes("00_movies"), Calls{note(6020, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), Calls{note(5730, nullptr)});
    EXPECT_EQ(notes("06_07_Larec_anim"), Calls{note(100, self)});
    for (CObject* part : casket)
        EXPECT_FALSE(shown(part)) << part->getNode()->getName();
    EXPECT_EQ(CVirtualScript::getVarI("larec_swing"), 1);

    engine->frames(40, kDt);
    EXPECT_TRUE(notes("00_game_interface").empty());
    engine->frames(4, kDt);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, self)});
    engine->frames(80, kDt);
    EXPECT_EQ(notes("00_game_interface").size(), 1u);
}

TEST_F(CasketScene, HatchEndsWhenItsZoneAnswers)
{
    say(200, ginterface);
    EXPECT_EQ(notes("00_movies"), Calls{note(6021, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), Calls{note(5731, nullptr)});
    EXPECT_EQ(notes("06_07_Ljuk_msz"), Calls{note(100, self)});
    EXPECT_TRUE(notes("00_game_interface").empty());
    say(100, hatch);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, self)});
    // The hatch's answer started no swing.
    EXPECT_EQ(notes("01_cam_move").size(), 1u);
}

TEST_F(CasketScene, LavaFlaresForItsTimeAndStonesFallAfterTheFirstFlight)
{
    CVirtualScript::setVarI("larec_swing", 1);
    for (const char* lava : kLava)
        CVirtualScript::particleSetEmitting(lava, false);
    say(400, ginterface);
    EXPECT_EQ(CVirtualScript::getVarI("larec_swing"), 0);
    EXPECT_EQ(notes("00_movies"), Calls{note(6022, nullptr)});
    EXPECT_EQ(notes("00_sfx_env"), Calls{note(5004, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), Calls{note(10609, self)});
    EXPECT_EQ(notes("06_07_Larec_anim"), Calls{note(300, self)});
    EXPECT_TRUE(emitting(kLava[0]) && emitting(kLava[1]));

    say(10609);
    EXPECT_EQ(notes("00_movies").back(), note(6035, nullptr));
    EXPECT_EQ(notes("01_cam_move").back(), note(10613, self));
    EXPECT_EQ(notes("06_07_stones"), Calls{note(100, nullptr)});
    EXPECT_EQ(notes("06_07_stone_dust_p"), Calls{note(200, nullptr)});

    engine->frames(53, kDt);
    EXPECT_TRUE(emitting(kLava[0]));
    engine->frames(4, kDt);
    EXPECT_FALSE(emitting(kLava[0]) || emitting(kLava[1]));
    EXPECT_TRUE(notes("00_game_interface").empty());
    say(10613);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, self)});
}

TEST_F(CasketScene, StartCodesFromAnyoneElseDoNothing)
{
    for (int code : {100, 200, 400})
    {
        say(code, stranger);
        say(code);
    }
    EXPECT_TRUE(tq::RecordingScript::calls().empty());
    for (CObject* part : casket)
        EXPECT_TRUE(shown(part));
}

TEST_F(CasketScene, ClearPutsTheCameraBackByStage)
{
    struct Case
    {
        int start; // 0: none
        Calls camera, casketAnim;
    };
    const Case cases[] = {
        {0, {}, {}},
        {100, {note(5701, nullptr)}, {note(200, nullptr)}},
        {200, {note(5701, nullptr)}, {}},
        {400, {}, {}},
    };
    for (const Case& c : cases)
    {
        if (c.start)
            say(c.start, ginterface);
        tq::RecordingScript::calls().clear();
        say(1100);
        EXPECT_EQ(notes("01_cam_move"), c.camera) << c.start;
        EXPECT_EQ(notes("06_07_Larec_anim"), c.casketAnim) << c.start;
    }
}

TEST_F(CasketScene, EveryTimerTickIsLogged)
{
    engine->clearLog();
    say(100, ginterface);
    const int id = tq::HeadlessEngine::scriptOf<sc_06_09_scene>(self)->swingTimer;
    ASSERT_NE(id, 0);
    // A timer the scene does not know of is logged too.
    const int other = CObject::createTimer(self, 100, 1, nullptr);
    engine->frames(4, kDt);
    EXPECT_NE(engine->log().find("\n 06_09_timer " + std::to_string(other) + " " + std::to_string(id) + " 0"),
              std::string::npos);
    engine->frames(50, kDt);
    EXPECT_NE(engine->log().find("\n 06_09_timer " + std::to_string(id) + " " + std::to_string(id) + " 0"),
              std::string::npos);
}
} // namespace
