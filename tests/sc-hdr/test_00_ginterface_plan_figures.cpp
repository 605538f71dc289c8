// The figures of the six play plans, each built by the real interface when
// it starts play in its location: threads, task records, the longest thread
// and the largest task, the builder and modifier calls by kind (read from the
// script trace: the calls the plan makes itself, not those a builder makes
// inside), the named threads, the threads without hints, and the item
// pictures in their order.  The order of threads and tasks is the saved
// game's, so a plan that loses or gains a call shows here.
#include "GInterfaceFixture.h"
#include "PlanTrace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace
{
using GI = sc_00_ginterface;
using Counts = std::map<std::string, int>;

struct Figures
{
    int loc;
    int threads;
    int records;     ///< task records of all threads
    int mainRecords; ///< of thread 0
    int calls;       ///< builder calls of all threads; -1 not stated
    int mainCalls;
    int largestTask; ///< objects; -1 not stated
    Counts builders;
    Counts modifiers;
    std::vector<std::pair<int, const char*>> named;
    std::vector<int> withoutHints; ///< help state 0
    std::vector<int> items;        ///< item ids of the pictures, in order
    std::vector<int> threadCalls;  ///< builder calls of each thread; empty: not stated
};

std::vector<int> range(int first, int last, std::vector<int> skip = {})
{
    std::vector<int> ids;
    for (int id = first; id <= last; ++id)
        if (std::find(skip.begin(), skip.end(), id) == skip.end())
            ids.push_back(id);
    return ids;
}

// Location 2's threads hold 173 records without the survey scene: the sum
// of its threads one by one.
const Figures kPlans[] = {
    {1, 10, 114, 86, -1, -1, -1, {}, {},
     {{0, "main"}, {3, "screw_driver"}, {4, "detal"}, {5, "fomka"}, {6, "luck"}, {7, "keis"}, {9, "lestnica"}},
     {8}, range(101, 107, {103})},
    {2, 33, 173, 51, -1, -1, -1, {}, {}, {{0, "main"}}, {31}, [] {
         std::vector<int> ids = range(201, 216, {205});
         ids.push_back(205);
         return ids;
     }()},
    {3, 45, 321, 214, -1, -1, -1, {}, {}, {{0, "main"}, {43, "brosh"}}, {43}, range(301, 326)},
    {4, 60, 356, 132, 330, 106, 10,
     {{"taskAddNotify", 75}, {"taskAddVisibleObj1", 72}, {"taskAddGetParam", 31}, {"taskAddDialog", 27},
      {"taskAddClick", 21}, {"taskAddFindObjEx", 14}, {"taskAddUseObj1", 13}, {"taskAddSetParam", 13},
      {"taskAddHideTask", 9}, {"taskAddFindObj1", 9}, {"taskAddHelpOn", 7}, {"taskAddDeactivate", 7},
      {"taskAddTaskToJournal", 6}, {"taskAddCutScene3", 4}, {"taskAddStopCutSceneSound", 4}, {"taskAddMiniGame", 4},
      {"taskAddCutScene2", 3}, {"taskAddNearPlaneMini", 3}, {"taskAddUseObjEx", 3}, {"taskAddShowTask", 2},
      {"taskAddWaitBonus", 1}, {"taskAddPickObj", 1}, {"taskAddMakeScreenShot", 1}},
     {{"taskAddPikedObj", 53}, {"taskSetStartWithoutImage", 26}, {"taskSetShowAfterUse", 15}, {"taskHelpCond", 11},
      {"taskShowOnTask", 8}, {"taskHelpObj", 7}, {"taskNoHideInterfaceBefore", 3}, {"taskNoHideUsed", 3},
      {"taskSetShowInterfaceNpzObj", 1}},
     {{0, "main"}, {15, "code2"}, {16, "printer"}, {17, "seif"}, {46, "vitrag"}, {47, "vitrag2"}, {58, "darts"},
      {59, "step"}},
     {9, 59}, range(400, 424, {410, 412}),
     {106, 3, 5, 1, 6, 3, 2, 1, 8, 1, 3, 1, 6, 7, 13, 6, 12, 9, 3, 1, 1, 5, 1, 1, 1, 1, 1, 3, 4, 1, 1, 1, 1, 3, 3, 3, 3, 1, 1, 1,
      3, 3, 3, 3, 3, 3, 14, 6, 1, 6, 6, 6, 5, 5, 5, 3, 3, 13, 4, 1}},
    {5, 35, 274, 165, 201, 106, 15,
     {{"taskAddNotify", 32}, {"taskAddVisibleObj1", 19}, {"taskAddFindObj1", 17}, {"taskAddHideTask", 15},
      {"taskAddClick", 15}, {"taskAddSetParam", 15}, {"taskAddDialog", 13}, {"taskAddGetParam", 12},
      {"taskAddCutScene3", 11}, {"taskAddTaskToJournal", 9}, {"taskAddShowTask", 8}, {"taskAddUseObj1", 6},
      {"taskAddStopCutSceneSound", 5}, {"taskAddHelpOn", 4}, {"taskAddFindObjEx", 4}, {"taskAddDeactivate", 4},
      {"taskAddPickObj", 2}, {"taskAddNotify2", 2}, {"taskAddMiniGame", 2}, {"taskAddUseObjEx", 1},
      {"taskAddCutScene", 1}, {"taskAddClickEx", 1}, {"taskAddWaitBonus", 1}, {"taskAddMakeScreenShot", 1},
      {"taskAddNearPlaneMini", 1}},
     {{"taskSetStartWithoutImage", 19}, {"taskSetShowAfterUse", 13}, {"taskSetMsgAfterUse", 10},
      {"taskShowOnTask", 8}, {"taskUseItemId", 5}, {"taskHelpCond", 3}, {"taskClickItemId", 2},
      {"taskNoParticles", 2}, {"taskHelpObj", 1}},
     {{0, "main"}, {8, "chest1"}, {17, "photo"}, {22, "fonarik"}}, {9, 18, 32}, range(500, 522),
     {106, 2, 5, 5, 2, 2, 3, 4, 3, 1, 1, 2, 5, 2, 2, 1, 1, 2, 1, 2, 2, 2, 1, 2, 2, 2, 1, 2, 3, 3, 3, 3, 1, 15, 7}},
    {6, 51, 322, 129, 229, 78, 10,
     {{"taskAddNotify", 58}, {"taskAddVisibleObj1", 37}, {"taskAddClick", 19}, {"taskAddUseObj1", 18},
      {"taskAddGetParam", 16}, {"taskAddCutScene3", 15}, {"taskAddDialog", 13}, {"taskAddFindObjEx", 13},
      {"taskAddTaskToJournal", 9}, {"taskAddMiniGame", 6}, {"taskAddStopCutSceneSound", 5},
      {"taskAddFindObjExSn", 4}, {"taskAddSetParam", 3}, {"taskAddHelpOn", 2}, {"taskAddShowTask", 2},
      {"taskAddFindObj1", 2}, {"taskAddFade", 1}, {"taskAddHideTask", 1}, {"taskAddHelpOff", 1},
      {"taskAddNearPlaneMini", 1}, {"taskAddNotify2", 1}, {"taskAddCutScene2", 1}, {"taskAddPickObj", 1}},
     {{"taskAddPikedObj", 32}, {"taskSetStartWithoutImage", 19}, {"taskShowOnTask", 18}, {"taskHelpCond", 5},
      {"taskHelpObj", 1}},
     {{0, "main"}, {50, "kristal"}}, {50}, range(600, 618),
     {78, 4, 6, 5, 5, 3, 1, 1, 1, 1, 1, 1, 1, 1, 3, 3, 3, 3, 1, 1, 1, 1, 3, 3, 3, 3, 1, 1, 1, 1, 1, 3, 3, 3, 3, 3, 1, 3, 3, 2, 4,
      4, 4, 5, 3, 8, 8, 6, 6, 14, 1}},
};

class PlanFigures : public tq::GInterfaceFixture, public ::testing::WithParamInterface<Figures>
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        CVirtualScript::setVarI("cur_loc", GetParam().loc);
        CVirtualScript::setConfigI("survey", 0);
        start();
        // Built again under the trace, on an empty table as at every entry.
        gi->rttCount = 0;
        census = tq::tracePlan([this] { gi->initGamePlay(); }, "initGamePlay");
    }
    tq::PlanCensus census;
};

TEST_P(PlanFigures, ThreadsTasksCallsAndPicturesAreTheStatedOnes)
{
    const Figures& f = GetParam();
    ASSERT_EQ(static_cast<int>(gi->threads.size()), f.threads);
    int records = 0, largest = 0;
    for (const GI::_PLAY_THREAD& t : gi->threads)
    {
        records += t.task_count();
        for (const GI::__TASK& task : t.tasks)
            largest = std::max(largest, task.obj_count);
    }
    EXPECT_EQ(records, f.records);
    EXPECT_EQ(gi->threads[0].task_count(), f.mainRecords);
    for (const GI::_PLAY_THREAD& t : gi->threads)
        EXPECT_LE(t.task_count(), f.mainRecords) << "thread " << t.id << " longer than main";
    if (f.largestTask >= 0)
        EXPECT_EQ(largest, f.largestTask);

    // The calls the plan makes, by kind; thread declarations aside.
    ASSERT_EQ(census.threadCalls.size(), gi->threads.size());
    if (f.calls >= 0)
    {
        int calls = 0;
        for (const auto& b : census.builders)
            calls += b.second;
        EXPECT_EQ(calls, f.calls);
        EXPECT_EQ(census.threadCalls[0], f.mainCalls);
        EXPECT_EQ(census.builders, f.builders);
        EXPECT_EQ(census.modifiers, f.modifiers);
        EXPECT_EQ(census.threadCalls, f.threadCalls);
    }

    for (const auto& n : f.named)
        EXPECT_EQ(gi->threads[n.first].name, n.second) << "thread " << n.first;
    for (const GI::_PLAY_THREAD& t : gi->threads)
    {
        const bool off = std::find(f.withoutHints.begin(), f.withoutHints.end(), t.id) != f.withoutHints.end();
        EXPECT_EQ(t.help_state, off ? 0 : GI::HELP_ON) << "thread " << t.id;
    }

    std::vector<int> items;
    for (int i = 0; i < gi->rttCount; ++i)
        if (gi->pictures[i].id != 0)
            items.push_back(gi->pictures[i].id);
    EXPECT_EQ(items, f.items);
}

INSTANTIATE_TEST_SUITE_P(SixLocations, PlanFigures, ::testing::ValuesIn(kPlans),
                         [](const ::testing::TestParamInfo<Figures>& info) {
                             return "Location" + std::to_string(info.param.loc);
                         });
} // namespace
