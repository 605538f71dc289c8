// The mini-game starter: the handshake with the fader, the game, the result
// display and the requester over frames, the skip, leaving without the fade,
// menu mode, and requests it must refuse (answered at once).  The fader, loader, camera mover,
// result display, games and requester are spies.
#include "00_minigame_starter.h"
#include "HeadlessEngine.h"
#include "SpyNotes.h"
#include "Input.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
using tq::RecordingScript;
using tq::Calls;
using tq::note;
using tq::notes;


class MinigameStarter : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gApp.mInput = new CInput(nullptr, -1, std::string());
        gApp.mInput->setCursor(true);
        gApp.setPickMask(1);
    }
    void TearDown() override
    {
        delete gApp.mInput;
        gApp.mInput = nullptr;
    }

    /// The spies and the starter, created in one frame; the starter last, as
    /// it looks the others up when it is created.
    void build(const std::vector<std::string>& games = {"01_minigame_01"})
    {
        fader = engine.addRecorder("00_fader");
        loader = engine.addRecorder("00_loader");
        camMove = engine.addRecorder("01_cam_move");
        interf = engine.addRecorder("00_minigame_interf");
        requester = engine.addRecorder("requester");
        for (const std::string& name : games)
            engine.addRecorder(name);
        starter = engine.addObject("00_minigame_starter", "00_minigame_starter.sc");
        engine.frame();
        RecordingScript::calls().clear();
        engine.clearLog();
    }

    /// A notification to the starter, and the frames that deliver it and
    /// what the starter sends on.
    void send(int code, CObject* sender)
    {
        engine.notify(starter, code, sender);
        engine.frames(2);
    }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
    CObject* fader = nullptr;
    CObject* loader = nullptr;
    CObject* camMove = nullptr;
    CObject* interf = nullptr;
    CObject* requester = nullptr;
    CObject* starter = nullptr;
};

TEST_F(MinigameStarter, PlayModeEntersAndLeavesBehindTheFader)
{
    build();
    CObject* game = gApp.findObject("01_minigame_01");

    send(1001, requester);
    EXPECT_EQ(notes("00_fader"), Calls{note(5104, starter)});
    EXPECT_EQ(gApp.mPickMask, 2u);
    EXPECT_FALSE(gApp.mInput->cursorOn());
    EXPECT_TRUE(notes("01_minigame_01").empty());

    send(100, fader);
    EXPECT_EQ(notes("01_minigame_01"), Calls{note(1200, nullptr)});
    EXPECT_TRUE(gApp.mInput->cursorOn());

    // The fader's own end-of-fade answer changes nothing.
    send(5104, fader);
    EXPECT_EQ(notes("01_minigame_01").size(), 1u);

    send(1200, game);
    EXPECT_NE(engine.log().find("\ncamera_back\n"), std::string::npos);
    EXPECT_EQ(notes("00_fader"), (Calls{note(5104, starter), note(5104, starter)}));
    EXPECT_TRUE(notes("requester").empty());
    EXPECT_EQ(gApp.mPickMask, 2u);

    send(100, fader);
    EXPECT_EQ(notes("01_minigame_01"), (Calls{note(1200, nullptr), note(1300, nullptr)}));
    EXPECT_EQ(notes("requester"), Calls{note(1001, starter)});
    EXPECT_EQ(notes("00_minigame_interf"), Calls{note(100, nullptr)});
    EXPECT_EQ(gApp.mPickMask, 1u);
    EXPECT_TRUE(gApp.mInput->cursorOn());
    EXPECT_TRUE(notes("01_cam_move").empty());
    EXPECT_TRUE(notes("00_loader").empty());

    // Two 1200s from a game send the camera-back code twice.
    send(1200, game);
    send(1200, game);
    EXPECT_EQ(notes("00_fader").size(), 4u);
}

TEST_F(MinigameStarter, GameTableRows)
{
    struct Case
    {
        int game;
        const char* object;
        int cameraIn;
        int cameraBack;
        int needFade;
    };
    const Case cases[] = {
        {2, "02_minigame_02", 5309, 5301, 1},
        {11, "06_minigame_131", 5405, 5402, 1},
        {22, "04_06_az_generator_koda_mg", 5608, 5601, 1},
        {30, "06_minigame_30", 5601, 5701, 0},
        {36, "03_minigame_36", 5602, 5602, 1},
    };
    std::vector<std::string> names;
    for (const Case& c : cases)
        names.push_back(c.object);
    build(names);
    auto* script = tq::HeadlessEngine::scriptOf<sc_00_minigame_starter>(starter);
    ASSERT_NE(script, nullptr);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.game);
        OBJECT_HANDLE object = 0;
        int cameraIn = 0;
        int needFade = -1;
        EXPECT_TRUE(script->getParam(c.game, object, cameraIn, needFade));
        EXPECT_EQ(object, gApp.findObject(c.object)->getHandle());
        EXPECT_EQ(cameraIn, c.cameraIn);
        EXPECT_EQ(script->back_msg, c.cameraBack);
        EXPECT_EQ(needFade, c.needFade);
        EXPECT_EQ(script->game, c.game);
    }
    // A number without a row changes only need_fade and game.
    OBJECT_HANDLE object = 77;
    int cameraIn = 88;
    int needFade = 0;
    EXPECT_FALSE(script->getParam(17, object, cameraIn, needFade));
    EXPECT_EQ(object, 77u);
    EXPECT_EQ(cameraIn, 88);
    EXPECT_EQ(needFade, 1);
    EXPECT_EQ(script->game, 17);
}

TEST_F(MinigameStarter, GameWithoutFadeStartsAtOnceAndStillLeavesThroughTheFader)
{
    build({"06_minigame_30"});
    CObject* game = gApp.findObject("06_minigame_30");
    send(1030, requester);
    EXPECT_EQ(notes("06_minigame_30"), Calls{note(1200, nullptr)});
    EXPECT_TRUE(notes("00_fader").empty());
    EXPECT_EQ(gApp.mPickMask, 2u);
    EXPECT_TRUE(gApp.mInput->cursorOn());

    send(1200, game);
    EXPECT_EQ(notes("00_fader"), Calls{note(5701, starter)});
    send(100, fader);
    EXPECT_EQ(notes("requester"), Calls{note(1030, starter)});
}

TEST_F(MinigameStarter, SkipLeavesWithoutTheGameExceptForGamesThatEndThemselves)
{
    build({"02_minigame_02", "06_minigame_28"});
    send(1002, requester);
    send(100, fader);
    send(1201, nullptr);
    EXPECT_EQ(notes("00_fader"), (Calls{note(5309, starter), note(5301, starter)}));
    EXPECT_EQ(engine.log().find("\ncamera_back\n"), std::string::npos);
    send(100, fader);
    EXPECT_EQ(notes("requester"), Calls{note(1002, starter)});

    RecordingScript::calls().clear();
    send(1028, requester);
    send(100, fader);
    send(1201, nullptr);
    EXPECT_EQ(notes("06_minigame_28"), (Calls{note(1200, nullptr), note(2500, nullptr)}));
    EXPECT_EQ(notes("00_fader"), Calls{note(5207, starter)});
}

TEST_F(MinigameStarter, LeavingWithoutTheFadeWaitsForTheLoader)
{
    build({"05_minigame_25"});
    CObject* game = gApp.findObject("05_minigame_25");
    send(1025, requester);
    send(100, fader);
    RecordingScript::calls().clear();

    engine.notify(starter, 1300, game);
    engine.frames(2);
    // The camera mover takes the cut inside the starter's handler, before
    // the queued notifications reach the loader and the game.
    EXPECT_EQ(RecordingScript::calls().front(), "01_cam_move:ON_NOTIFY()");
    EXPECT_EQ(notes("01_cam_move"), Calls{note(5301, nullptr)});
    EXPECT_EQ(notes("00_loader"), Calls{note(1501, starter)});
    EXPECT_EQ(notes("05_minigame_25"), Calls{note(1300, nullptr)});
    EXPECT_EQ(gApp.mPickMask, 1u);
    EXPECT_TRUE(notes("requester").empty());

    send(1501, loader);
    EXPECT_EQ(notes("requester"), Calls{note(1025, starter)});
}

TEST_F(MinigameStarter, ForwardsPauseHintAndSaveOnlyWhereTheyCanArrive)
{
    build();
    // Before any game is known: pause and resume go to no one, save and hint
    // are not even sent.
    send(1400, nullptr);
    send(2000, nullptr);
    send(2010, nullptr);
    EXPECT_TRUE(notes("01_minigame_01").empty());

    send(1001, requester);
    for (int code : {1400, 1500, 2000, 2010, 999, 1100})
        send(code, nullptr);
    EXPECT_EQ(notes("01_minigame_01"),
              (Calls{note(1400, nullptr), note(1500, nullptr), note(2000, nullptr), note(2010, nullptr)}));
    EXPECT_NE(engine.log().find("\n* * * * 1100"), std::string::npos);
}

TEST_F(MinigameStarter, MenuModeStartsTheGameAtOnceAndReturnsThroughTheLoader)
{
    CVirtualScript::setConfigI("game_state", 5);
    build({"03_minigame_05"});
    engine.frames(2);
    EXPECT_EQ(notes("03_minigame_05"), Calls{note(1200, nullptr)});
    EXPECT_TRUE(gApp.mInput->cursorOn());

    send(100, fader);
    send(1201, nullptr);
    send(1501, loader);
    send(1400, nullptr);
    send(1200, gApp.findObject("03_minigame_05"));
    EXPECT_EQ(notes("00_loader"), Calls{note(1200, starter)});
    EXPECT_EQ(notes("03_minigame_05"), (Calls{note(1200, nullptr), note(1400, nullptr), note(1300, nullptr)}));
    EXPECT_TRUE(notes("00_fader").empty());
    EXPECT_TRUE(notes("01_cam_move").empty());
    EXPECT_TRUE(notes("requester").empty());
    EXPECT_EQ(gApp.mPickMask, 1u);
    EXPECT_EQ(tq::HeadlessEngine::scriptOf<sc_00_minigame_starter>(starter)->state, 0);
}

TEST_F(MinigameStarter, RequestsForGamesThatCannotStartAreRefused)
{
    build({"01_minigame_01"});
    // Number 17 has no row; game 2's object is not in the scene.
    send(1017, requester);
    send(1002, requester);
    EXPECT_NE(engine.log().find("\nWARNING: Can't find object [02_minigame_02] by name!"), std::string::npos);
    EXPECT_TRUE(notes("00_fader").empty());
    EXPECT_EQ(gApp.mPickMask, 1u);
    EXPECT_TRUE(gApp.mInput->cursorOn());
    auto* script = tq::HeadlessEngine::scriptOf<sc_00_minigame_starter>(starter);
    EXPECT_EQ(script->state, 0);
    // The requester is answered at once, so that it does not wait for them.
    EXPECT_EQ(notes("requester"), (Calls{note(1017, starter), note(1002, starter)}));

    // A game that runs keeps its camera codes through a refused request,
    // and its requester waits for that game, not for the refused one.
    send(1001, requester);
    send(100, fader);
    RecordingScript::calls().clear();
    send(1002, requester);
    EXPECT_TRUE(notes("requester").empty());
    send(1200, gApp.findObject("01_minigame_01"));
    EXPECT_EQ(notes("00_fader"), (Calls{note(5104, starter)}));
}

TEST_F(MinigameStarter, MissingSharedObjectsAreWarnedAboutOnCreate)
{
    CObject* lone = engine.addObject("00_minigame_starter", "00_minigame_starter.sc");
    engine.frame();
    for (const char* name : {"00_loader", "00_fader", "01_cam_move", "00_minigame_interf"})
        EXPECT_NE(engine.log().find(std::string("\nWARNING: Can't find object [") + name + "] by name!"),
                  std::string::npos)
            << name;
    auto* script = tq::HeadlessEngine::scriptOf<sc_00_minigame_starter>(lone);
    EXPECT_EQ(script->fader, 0u);
    EXPECT_EQ(script->cam_move, 0u);
}
} // namespace
