// Each play plan read whole: the real interface builds the plan of its
// location and every thread and task record is written as a line of text
// (what it waits for or does, its objects with room, camera and whether
// they show at the start, hint conditions and targets, what happens after a
// use, and the task's flags), then compared line by line with the reviewed
// file plans/location<N>.plan beside this test.  Those files were written
// from the story's tables of each location, not from this output: a
// difference is a fault of the plan or of the file, to be read.
//
// Every name the file quotes is an object of the room, so that the plan's
// handles name them; a name the plan spells otherwise has no object, and
// its line shows "?" where the name should be.
#include "GInterfaceFixture.h"

#include "Application.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{
using GI = sc_00_ginterface;

std::string planFile(int loc)
{
    return std::string(TQ_TEST_SOURCE_DIR) + "/sc-hdr/plans/location" + std::to_string(loc) + ".plan";
}

/// The quoted names of a plan file.
std::set<std::string> quotedNames(const std::string& text)
{
    std::set<std::string> names;
    for (size_t open = text.find('"'); open != std::string::npos; open = text.find('"', open))
    {
        const size_t close = text.find('"', open + 1);
        if (close == std::string::npos)
            break;
        names.insert(text.substr(open + 1, close - open - 1));
        open = close + 1;
    }
    return names;
}

std::string nameOf(OBJECT_HANDLE handle)
{
    CObject* object = handle ? gObjectCollector.get(handle) : nullptr;
    return "\"" + (object ? object->getNodeName() : std::string("?")) + "\"";
}

std::string objectLine(const GI::__TASK& t, const GI::__PICKED_OBJ& o)
{
    std::string line = "    " + nameOf(o.obj);
    if (t.type != GI::TT_VISIBLE)
        line += " r" + std::to_string(o.room) + " c" + std::to_string(o.cam);
    if (o.show_on_start == 0)
        line += " hidden";
    if (o.help_value != -1 || !o.help_param.empty())
        line += " if \"" + o.help_param + "\"=" + std::to_string(o.help_value);
    if (o.help_obj != o.obj)
        line += " hint " + nameOf(o.help_obj);
    if (o.after_use == 1)
        line += " after hide " + nameOf(o.model_obj);
    else if (o.after_use == 2)
        line += " after show " + nameOf(o.model_obj);
    else if (o.after_use == 100)
        line += " after 100 to " + nameOf(o.model_obj);
    else if (o.after_use != 0)
        line += " after " + std::to_string(o.after_use);
    if (o.anim_obj_after_use != 0 || o.msg_obj_after_use != 0)
        line += " anim " + nameOf(o.anim_obj_after_use) + " " + std::to_string(o.msg_obj_after_use);
    return line;
}

/// One task as a line, and its objects on lines of their own where the
/// task has several kinds of object.
std::string taskText(const GI::__TASK& t)
{
    const OBJECT_HANDLE first = t.obj_count > 0 ? t.objs[0].obj : 0;
    const std::string skip = t.show_on_start ? " skip" : "";
    std::string head;
    bool objects = false;
    switch (t.type)
    {
    case GI::TT_CLICK: head = "click"; objects = true; break;
    case GI::TT_FIND: head = "find " + std::to_string(t.param); objects = true; break;
    case GI::TT_USE: head = "use " + std::to_string(t.param); objects = true; break;
    case GI::TT_DIALOG: head = "dialog " + std::to_string(t.param); break;
    case GI::TT_MINIGAME: head = "minigame " + nameOf(first) + " " + std::to_string(t.param); break;
    case GI::TT_NOTIFY:
        // The journal takes an entry's text id + 10000.
        if (nameOf(first) == "\"journal\"" && t.param > 10000 && t.show_on_start)
            head = "journal " + std::to_string(t.param - 10000);
        else
            head = "notify " + nameOf(first) + " " + std::to_string(t.param) + skip;
        break;
    case GI::TT_VISIBLE:
        head = t.obj_count == 1 ? (t.objs[0].show_on_start ? "show " : "hide ") + nameOf(first) : "visible";
        objects = t.obj_count != 1;
        break;
    case GI::TT_CUTSCENE:
        head = "cutscene " + nameOf(first) + " " + std::to_string(t.param);
        if (!t.show_interface_after)
            head += " nointerface";
        if (t.no_skip)
            head += " noskip";
        if (!t.hide_interface_before)
            head += " keepinterface";
        break;
    case GI::TT_HIDE_TASK: head = "hidetask " + std::to_string(t.param); break;
    case GI::TT_SHOW_TASK: head = "showtask " + std::to_string(t.param); break;
    case GI::TT_PICK: head = "pick " + nameOf(static_cast<OBJECT_HANDLE>(t.param)); break;
    case GI::TT_HELP: head = (t.param ? "helpon \"" : "helpoff \"") + t.str + "\""; break;
    case GI::TT_SET_PARAM: head = "set \"" + t.str + "\" " + std::to_string(t.param); break;
    case GI::TT_GET_PARAM: head = "wait \"" + t.str + "\" " + std::to_string(t.param); break;
    case GI::TT_NEAR_PLANE_MINI:
        head = "nearplane";
        objects = true;
        break;
    case GI::TT_DEACTIVATE: head = "deactivate " + nameOf(first) + " " + std::to_string(t.param); break;
    case GI::TT_WAIT_BONUS: head = "waitbonus " + std::to_string(t.param); break;
    case GI::TT_CHANGE_ITEM:
        head = "change " + std::to_string(t.param) + " " + std::to_string(t.show_on_start);
        break;
    case GI::TT_SHOW_INTERFACE: head = "showinterface"; break;
    default: head = "type " + std::to_string(t.type) + " " + std::to_string(t.param); break;
    }
    if (t.type == GI::TT_NEAR_PLANE_MINI && !t.show_on_start)
        head += " silent";
    if (t.start_pick_without_image)
        head += " noimage";
    if (t.no_hide_used)
        head += " nohideused";
    if (t.no_hide_item)
        head += " nohideitem";
    if (!t.particles)
        head += " noparticles";
    if (t.item != -1)
        head += " clickitem " + std::to_string(t.item);
    for (int i = 0; i < t.use_item_count; ++i)
        head += " useitem " + std::to_string(t.use_items[i]);
    if (t.show_interface_obj)
        head += " npz " + nameOf(t.show_interface_obj);
    if (objects)
        for (int i = 0; i < t.obj_count; ++i)
            head += "\n" + objectLine(t, t.objs[i]);
    return head;
}

std::string planText(const std::vector<GI::_PLAY_THREAD>& threads)
{
    std::ostringstream out;
    for (const GI::_PLAY_THREAD& th : threads)
    {
        out << "thread " << th.id;
        if (!th.name.empty())
            out << " \"" << th.name << "\"";
        out << " help " << th.help_state;
        if (th.room != -1)
            out << " room " << th.room;
        if (th.bonus_time != 0)
            out << " bonus " << th.bonus_time;
        out << "\n";
        for (int i = 0; i < th.task_count(); ++i)
            out << "  " << i << " " << taskText(th.tasks[i]) << "\n";
    }
    return out.str();
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#')
            result.push_back(line);
    return result;
}

class PlanWhole : public tq::GInterfaceFixture, public ::testing::WithParamInterface<int>
{
protected:
    /// The interface with the plan of location loc built, every object the
    /// reviewed file quotes in the room.
    void build(int loc, const std::string& reviewed)
    {
        // The journal is named by its entries ("journal 3000") rather than
        // quoted; the interface is the one that start() adds.
        std::set<std::string> names = quotedNames(reviewed);
        names.insert("journal");
        names.erase("00_game_interface");
        for (const std::string& name : names)
            if (!gApp.findObject(name))
                engine.addObject(name);
        CVirtualScript::setVarI("cur_loc", loc);
        CVirtualScript::setConfigI("survey", 0);
        start();
    }
};

TEST_P(PlanWhole, EveryThreadAndTaskIsTheReviewedOne)
{
    const int loc = GetParam();
    const std::string reviewed = tq::readFile(planFile(loc));
    ASSERT_FALSE(reviewed.empty()) << planFile(loc);
    build(loc, reviewed);
    ASSERT_NE(gi, nullptr);

    const std::string built = planText(gi->threads);
    // The whole text beside the reviewed file, for a diff by hand.
    tq::writeFile(std::string(TQ_BIN_DIR) + "/location" + std::to_string(loc) + ".plan.built", built);
    const std::vector<std::string> want = lines(reviewed), got = lines(built);
    int shown = 0;
    for (size_t i = 0; i < std::max(want.size(), got.size()) && shown < 25; ++i)
    {
        const std::string w = i < want.size() ? want[i] : "(nothing)";
        const std::string g = i < got.size() ? got[i] : "(nothing)";
        if (w != g)
        {
            ADD_FAILURE() << "line " << i + 1 << " of the plan\n  reviewed: " << w << "\n  built:    " << g;
            ++shown;
        }
    }
    EXPECT_EQ(want.size(), got.size());
}

// The loader answers a fade to black (101, 103) but never the fade back
// (102, 104): a step that waited for that answer would hold its thread, and
// the story with it, for good.
TEST_P(PlanWhole, NoStepWaitsForAnAnswerTheLoaderNeverGives)
{
    const int loc = GetParam();
    build(loc, tq::readFile(planFile(loc)));
    ASSERT_NE(gi, nullptr);
    const OBJECT_HANDLE loader = gApp.findObjectHandle("00_loader");
    ASSERT_NE(loader, 0u);
    for (const GI::_PLAY_THREAD& th : gi->threads)
        for (int i = 0; i < th.task_count(); ++i)
        {
            const GI::__TASK& t = th.tasks[i];
            if (t.type == GI::TT_NOTIFY && t.obj_count > 0 && t.objs[0].obj == loader &&
                (t.param == 102 || t.param == 104))
            {
                EXPECT_NE(t.show_on_start, 0) << "thread " << th.id << " task " << i;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(Locations, PlanWhole, ::testing::Values(1, 2, 3, 4, 5, 6),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Location" + std::to_string(info.param);
                         });
} // namespace
