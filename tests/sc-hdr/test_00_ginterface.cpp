// The in-game interface on the headless engine: the start of play and the
// mouse handed to the player, the hold of a modal exchange, the hint count,
// and the play threads: one code completing tasks in several threads, tasks
// that complete at once, a finished thread, a restored thread and the
// limits of the tables.
#include "00_ginterface.h"
#include "ZoneFixture.h"

#include "Log.h"

namespace
{
using tq::Told;
using GI = sc_00_ginterface;

class GInterface : public tq::ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        CVirtualScript::setConfigI("game_state", 100);
        CVirtualScript::setConfigI("load_from_save", 0);
    }

    /// The interface after its create frame.
    GI* start()
    {
        mObject = prop("00_game_interface", "00_ginterface.sc");
        engine.frame();
        return tq::HeadlessEngine::scriptOf<GI>(mObject);
    }
    void notify(int code, CObject* sender = nullptr)
    {
        engine.notify(mObject, code, sender);
        engine.frames(2); // what the interface sends arrives a frame later
    }
    static int var(const char* key) { return CVirtualScript::getVarI(key); }

    CObject* mObject = nullptr;
};

TEST_F(GInterface, TheLoaderStartsPlayOnceAndItsFadeInGivesThePlayerTheMouse)
{
    spies({"00_loader", "00_movies", "00_hint"});
    watchCursor();
    GI* gi = start();
    engine.frames(3);
    EXPECT_EQ(cursor(), "off");
    // The pictures are ready at once: the loading window may end.
    EXPECT_EQ(told("00_loader"), (Told{"1111"}));

    notify(555);
    EXPECT_EQ(gi->started, 1);
    EXPECT_EQ(gi->playMode, 1);
    EXPECT_EQ(told("00_movies"), (Told{"100"}));
    EXPECT_EQ(var("thread_00_active_for_help"), 0); // no thread: nothing to mark
    notify(555);
    EXPECT_TRUE(told("00_movies").empty());

    watchCursor();
    notify(550);
    EXPECT_EQ(cursor(), "on");
    EXPECT_EQ(gi->interfaceActive, 1);
    EXPECT_EQ(told("00_hint"), (Told{"10000 from 00_game_interface"}));
}

TEST_F(GInterface, BeforePlayTheFadeInLeavesTheMouseOff)
{
    spies({"00_loader", "00_hint"});
    watchCursor();
    start();
    notify(550);
    EXPECT_EQ(cursor(), "off");
}

TEST_F(GInterface, ACloseUpHoldsTheInterfaceUntilItsZoneAnswers)
{
    spies({"00_loader", "00_hint", "zone", "other"});
    GI* gi = start();
    notify(555);
    notify(550);
    forgetTold();

    watchCursor();
    notify(300, spy("zone"));
    EXPECT_EQ(told("zone"), (Told{"2 from 00_game_interface"}));
    EXPECT_EQ(cursor(), "off");
    EXPECT_EQ(gi->nearPlaneObj, h(spy("zone")));

    // Another object's 2 is no answer; the zone's is.
    notify(2, spy("other"));
    EXPECT_EQ(gi->interfaceActive, 0);
    watchCursor();
    notify(2, spy("zone"));
    EXPECT_EQ(gi->interfaceActive, 1);
    EXPECT_EQ(gi->holdObject, -1);
    EXPECT_EQ(cursor(), "on");

    // Leaving the close-up tells the zone and forgets it.
    notify(301);
    EXPECT_EQ(told("zone"), (Told{"2 from 00_game_interface"}));
    EXPECT_EQ(gi->nearPlaneObj, 0);
}

TEST_F(GInterface, AnswersToModalExchangesResumeWhatWaitedBehindThem)
{
    spies({"00_loader", "00_hint", "interface", "journal", "00_minigame_starter", "00_pauser"});
    GI* gi = start();
    notify(555);
    struct Case
    {
        const char* label;
        const char* asked; ///< who is held for
        int param, answers, reply, playMode;
        Told starter, pauser;
        int playModeAfter;
    };
    const Case cases[] = {
        {"skip box, yes", "interface", 90, 2, 91, 1,
         {"1201 from 00_game_interface", "1500 from 00_game_interface"}, {}, 5},
        {"skip box, no", "interface", 90, 2, 90, 1, {"1500 from 00_game_interface"}, {}, 1},
        {"in a mini-game", "interface", 15000, 1, 15000, 2, {"1500"}, {}, 2},
        {"in-game menu closed", "interface", 99, 1, 99, 1, {}, {"2"}, 1},
        {"journal closed", "journal", 101, 1, 101, 1, {}, {"2"}, 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        gi->playMode = c.playMode;
        if (c.param == 101)
            gi->openJournal(101);
        else
            gi->deactivateWhile(h(spy(c.asked)), c.param, c.answers);
        engine.frames(2);
        EXPECT_EQ(told(c.asked), (Told{std::to_string(c.param) + " from 00_game_interface"}));
        watchCursor();
        notify(c.reply, spy(c.asked));
        EXPECT_EQ(told("00_minigame_starter"), c.starter);
        EXPECT_EQ(told("00_pauser"), c.pauser);
        EXPECT_EQ(gi->playMode, c.playModeAfter);
        EXPECT_EQ(gi->holdObject, -1);
        EXPECT_EQ(cursor(), "on");
    }
}

TEST_F(GInterface, HintCodesAddToTheHintCount)
{
    start();
    const struct
    {
        int code, added;
    } cases[] = {{900, 0}, {901, 1}, {905, 5}, {906, 0}, {899, 0}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.code);
        CVirtualScript::setVarI("help_num", 2);
        notify(c.code);
        EXPECT_EQ(var("help_num"), 2 + c.added);
    }
}

TEST_F(GInterface, OneClickCompletesTheTasksOfEveryThreadWaitingForIt)
{
    spies({"00_loader", "02_dialogs"});
    CObject* spot = prop("01_az_lamp", "");
    CObject* other = prop("01_az_door", "");
    GI* gi = start();
    gi->threadAdd();
    gi->taskAddClick(h(spot), 1, 1);
    gi->taskAddSetParam("lamp_seen", 1);
    gi->taskAddClick(h(other), 1, 1);
    gi->threadAdd();
    gi->taskAddClick(h(spot), 1, 1);
    gi->taskNoHideUsed();
    gi->taskAddDialog(42);
    notify(555);
    EXPECT_EQ(var("thread_00_cur__TASK"), 0);
    EXPECT_EQ(var("thread_01_cur__TASK"), 0);

    // A click with an item held counts for neither.
    gi->lastItemId = 101;
    notify(777, spot);
    EXPECT_EQ(var("thread_00_cur__TASK"), 0);

    notify(777, spot);
    EXPECT_EQ(var("01_az_lamp@clicked"), 1);
    // Thread 0 went on through the variable to the door; thread 1 to its dialog.
    EXPECT_EQ(var("lamp_seen"), 1);
    EXPECT_EQ(var("thread_00_cur__TASK"), 2);
    EXPECT_EQ(var("thread_01_cur__TASK"), 1);
    EXPECT_EQ(told("02_dialogs"), (Told{"42 from 00_game_interface"}));
    EXPECT_EQ(gi->interfaceActive, 0);
    // The clicked object is hidden once its task ends, unless it stays.
    EXPECT_FALSE(visible(spot)); // by thread 0's task

    // Only the dialog player's answer with the dialog's id ends the dialog.
    notify(41, spy("02_dialogs"));
    EXPECT_EQ(var("thread_01_cur__TASK"), 1);
    notify(42, spy("02_dialogs"));
    EXPECT_EQ(var("thread_01_cur__TASK"), 2);
    EXPECT_EQ(gi->interfaceActive, 1);

    // A finished thread takes nothing more.
    notify(777, spot);
    EXPECT_EQ(var("thread_01_cur__TASK"), 2);
    notify(777, other);
    EXPECT_EQ(var("thread_00_cur__TASK"), 3);
    EXPECT_NE(engine.log().find("Task (type: 1) @2 (thread 0) complete!"), std::string::npos);
}

TEST_F(GInterface, TasksThatNeedNoAnswerRunToTheFirstThatDoes)
{
    spies({"00_loader", "scene", "other"});
    CObject* lamp = prop("01_lamp", "");
    GI* gi = start();
    gi->threadAdd();
    gi->taskAddVisibleObj1("01_lamp", 0);
    gi->taskAddNotify("scene", 5, 1); // skip: sent without sender, no answer awaited
    gi->taskAddGetParam("door_open", 1);
    gi->taskAddNotify("scene", 7);
    notify(555);
    EXPECT_FALSE(visible(lamp));
    EXPECT_EQ(told("scene"), (Told{"5"}));
    EXPECT_EQ(var("thread_00_cur__TASK"), 2);

    CVirtualScript::setVarI("door_open", 1);
    notify(1);
    EXPECT_EQ(told("scene"), (Told{"7 from 00_game_interface"}));
    notify(7, spy("other"));
    EXPECT_EQ(var("thread_00_cur__TASK"), 3);
    notify(7, spy("scene"));
    EXPECT_EQ(var("thread_00_cur__TASK"), 4);
}

TEST_F(GInterface, ASavedGameResumesEachThreadAtItsSavedTask)
{
    spies({"00_loader", "scene", "room"});
    GI* gi = start();
    gi->threadAdd();
    gi->taskAddNotify("scene", 1);
    gi->taskAddNotify("scene", 2);
    gi->threadAdd();
    gi->taskAddNotify("room", 3);
    CVirtualScript::setVarI("thread_00_cur__TASK", 1);
    // A position past the plan's end is damaged: that thread starts again.
    CVirtualScript::setVarI("thread_01_cur__TASK", 9);
    CVirtualScript::setConfigI("load_from_save", 1);
    notify(555);
    EXPECT_EQ(told("scene"), (Told{"2 from 00_game_interface"}));
    EXPECT_EQ(told("room"), (Told{"3 from 00_game_interface"}));
    EXPECT_NE(engine.log().find("thread 1 saved at task 9 of 1"), std::string::npos);
    EXPECT_EQ(CVirtualScript::getConfigI("load_from_save"), 0);
}

TEST_F(GInterface, TheTablesRefuseWhatDoesNotFit)
{
    GI* gi = start();
    gi->taskAddDialog(1); // no thread yet
    for (int i = 0; i < GI::kMaxThreads + 1; ++i)
        gi->threadAdd();
    EXPECT_EQ(gi->threads.size(), static_cast<size_t>(GI::kMaxThreads));
    for (int i = 0; i < GI::kMaxTasks + 1; ++i)
        gi->taskAddDialog(i);
    EXPECT_EQ(gi->threads.back().tasks.size(), static_cast<size_t>(GI::kMaxTasks));
    gi->threads.back().tasks.pop_back();
    gi->taskAddSetParam("x", 1);
    for (int i = 0; i < GI::kMaxUseItems + 1; ++i)
        gi->taskUseItemId(100 + i);
    EXPECT_EQ(gi->threads.back().tasks.back().use_item_count, GI::kMaxUseItems);
    const std::string log = engine.log();
    EXPECT_NE(log.find("taskAddDialog() before the first thread"), std::string::npos);
    EXPECT_NE(log.find("no room for thread 64"), std::string::npos);
    EXPECT_NE(log.find("has no room for another task"), std::string::npos);
    EXPECT_NE(log.find("taskUseItemId(110)"), std::string::npos);
}
} // namespace
