// A continued game: the inventory rebuilt slot by slot from the saved
// variables with counters and usable layers, each thread resumed at its
// saved task with the objects already clicked, found or used, the bonus,
// the close-ups the player was in, and the tutorial's shown steps.
#include "GInterfaceFixture.h"

#include <gtest/gtest.h>

namespace
{
using tq::Told;
using GI = sc_00_ginterface;

class Restore : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        spies({"00_loader", "00_hint", "zone", "mini", "interface", "tutorial"});
    }
    static void save(const char* key, int value) { CVirtualScript::setVarI(key, value); }
    void continueGame()
    {
        CVirtualScript::setConfigI("load_from_save", 1);
        notify(555);
    }
};

TEST_F(Restore, TheInventoryComesBackSlotBySlot)
{
    const struct
    {
        int id, num, ready, max;
    } saved[] = {{102, 2, 0, 5}, {205, 0, 1, 0}, {101, 0, 1, 1}};
    for (int i = 0; i < 3; ++i)
    {
        const std::string nn = "item_0" + std::to_string(i);
        save((nn + "_id").c_str(), saved[i].id);
        save((nn + "_num").c_str(), saved[i].num);
        save((nn + "_ready_to_use").c_str(), saved[i].ready);
        save((nn + "_max").c_str(), saved[i].max);
    }
    start();
    continueGame();
    for (int i = 0; i < 3; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(gi->slots[i].id, saved[i].id);
        EXPECT_EQ(gi->slots[i].ready, saved[i].ready);
    }
    EXPECT_EQ(gi->slots[3].used, 0);
    EXPECT_EQ(gi->counterGetCount(0), 2);
    EXPECT_EQ(gi->counterGetMax(0), 5);
    EXPECT_EQ(gi->counters[0].wanted, 1);
    // A usable item shows its usable layer; its first layer fades out.
    EXPECT_EQ(gi->slots[1].layers[1].pass, 5);
    EXPECT_NE(gi->slots[1].layers[1].state, 0);
    EXPECT_EQ(gi->slots[1].layers[0].alpha, 0.0f);
    EXPECT_EQ(gi->slots[2].layers[1].pass, 1);
    EXPECT_EQ(gi->slots[0].layerCount, 1);
    // Nothing of a bonus was saved: none is read.
    EXPECT_EQ(gi->bonusActive, 0);
    EXPECT_EQ(CVirtualScript::getConfigI("load_from_save"), 0);
}

TEST_F(Restore, ThreadsResumeWithWhatWasAlreadyDone)
{
    CObject* parts[3] = {prop("03_az_part_01"), prop("03_az_part_02"), prop("03_az_part_03")};
    CObject* knight = prop("03_az_knight");
    save("item_00_id", 305);
    save("thread_00_cur__TASK", 1);
    save("thread_00_active_for_help", 1);
    save("03_az_part_01@picked", 1);
    save("03_az_part_03@picked", 1);
    save("thread_01_cur__TASK", 0);
    save("03_az_knight@used", 1); // not the state this task reads
    save("03_az_knight@task312used", 0);
    start();
    gi->threadAdd();
    gi->taskAddSetParam("intro", 1);
    gi->taskAddFindObjEx(305, "03_az_part", 3, nullptr, nullptr, 1, 3);
    gi->threadAdd();
    gi->taskAddUseObj1(312, "03_az_knight", 1, 1);
    gi->taskNoHideUsed();
    continueGame();

    const GI::__TASK& find = gi->threads[0].tasks[1];
    EXPECT_EQ(gi->threads[0].cur_task, 1);
    EXPECT_EQ(var("intro"), 0); // the saved task resumes; none before it runs
    EXPECT_EQ(find.objs[0].done, 1);
    EXPECT_EQ(find.objs[1].done, 0);
    EXPECT_EQ(find.objs[2].done, 1);
    // The picture assembled from parts shows the two found.
    ASSERT_EQ(gi->slots[0].id, 305);
    ASSERT_GE(gi->slots[0].layerCount, 3);
    EXPECT_EQ(gi->slots[0].layers[1].pass, 1);
    EXPECT_EQ(gi->slots[0].layers[2].pass, 3);
    EXPECT_EQ(gi->threads[0].active_for_help, 1);
    EXPECT_EQ(gi->threads[1].tasks[0].objs[0].done, 0);

    notify(777, parts[1]);
    EXPECT_EQ(var("thread_00_cur__TASK"), 2);
    (void)knight;
}

TEST_F(Restore, TheBonusAndTheCloseUpsComeBack)
{
    CVirtualScript::setVarS("near_plane_obj", "zone");
    CVirtualScript::setVarS("near_plane_mini", "mini");
    save("bonus_item_id", 106);
    save("bonus_thread", 8);
    save("bonus_id", 3);
    save("bonus_time", 120);
    start();
    gi->menuShow(1, 1);
    continueGame();
    EXPECT_EQ(told("zone"), (Told{"444"}));
    EXPECT_EQ(gi->nearPlaneObj, h(spy("zone")));
    EXPECT_EQ(gi->nearPlaneMini, h(spy("mini")));
    EXPECT_EQ(gi->menus[3].items[GI::ID_BACK].showState, 2);
    EXPECT_EQ(gi->menus[1].state, 0); // no turning in a close-up
    EXPECT_EQ(gi->menus[3].state, 0); // nor an inventory in a close-up game
    EXPECT_EQ(gi->bonusItemId, 106);
    EXPECT_EQ(gi->bonusThread, 8);
    EXPECT_EQ(gi->bonusId, 3);
    EXPECT_FLOAT_EQ(gi->bonusTime, 120.0f);
    EXPECT_EQ(gi->bonusActive, 1);
}

TEST_F(Restore, TheTutorialRemembersItsShownSteps)
{
    save("tutorial_on", 1);
    save("tutorial_task_03", 1);
    save("tutorial_state", 1); // saved while a step was on screen
    start();
    continueGame();
    EXPECT_EQ(gi->tutorialTasks[3], 1);
    EXPECT_EQ(gi->tutorialStateOn, 0);
    notify(550);
    forgetTold();
    gi->tutorialButton(3, 1, 1);
    gi->tutorialButton(5, 0, 1);
    engine.frames(1);
    EXPECT_EQ(told("tutorial"), (Told{"6 from 00_game_interface"}));
}
} // namespace
