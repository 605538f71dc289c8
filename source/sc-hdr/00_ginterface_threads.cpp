// The play threads of the in-game interface: building them from the
// location's plan, running their tasks and moving them on, restoring them
// from a saved game, and the tests that decide where a hint may point.
#include "00_ginterface.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
/// "thread_" + the id as two digits + suffix.
String threadKey(int id, const char* suffix)
{
    return ScriptObject::indexedKey("thread_", id, suffix);
}

String slotKey(int i, const char* suffix)
{
    return ScriptObject::indexedKey("item_", i, suffix);
}

String threeDigits(int id)
{
    String s;
    CVirtualScript::strAddInt(id, s, 3);
    return s;
}

/// The name with its first "az_" taken out: the visible model of a hot spot.
String modelName(const String& name)
{
    String model = name;
    const size_t at = model.find("az_");
    if (at != String::npos)
        model.erase(at, 3);
    return model;
}

/// The handle of a named object: 0 and the engine's warning when missing;
/// no name is no object.
OBJECT_HANDLE handleOf(const String& name)
{
    return name.empty() ? 0 : gApp.findObjectHandle(name);
}

/// Whether a task that waits for an answer or a click has nobody to give it.
bool answererMissing(const sc_00_ginterface::__TASK& t)
{
    switch (t.type)
    {
    case sc_00_ginterface::TT_DIALOG:
        return gApp.findObject("02_dialogs") == nullptr;
    case sc_00_ginterface::TT_NOTIFY:
        if (t.show_on_start != 0)
            return false;
        [[fallthrough]];
    case sc_00_ginterface::TT_MINIGAME:
    case sc_00_ginterface::TT_CUTSCENE:
    case sc_00_ginterface::TT_DEACTIVATE:
    case sc_00_ginterface::TT_CLICK:
    case sc_00_ginterface::TT_FIND:
    case sc_00_ginterface::TT_USE:
    case sc_00_ginterface::TT_NEAR_PLANE_MINI:
        for (int i = 0; i < t.obj_count; ++i)
            if (t.objs[i].obj != 0)
                return false;
        return true;
    default:
        return false;
    }
}

/// Close-ups that are closed when a mini-game ends in their place.
struct CloseUpPlace
{
    int loc, room, cam;
    const char* object;
};
const CloseUpPlace kCloseUpsAfterGame[] = {
    {1, 1, 8, "01_az_angar2"},         {3, 4, 5, "03_04_az_hall_sunduk"},   {4, 4, 5, "04_04_az_taynik_npz"},
    {6, 4, 7, "06_04_az_sunduk_03_npz"}, {4, 5, 11, "04_05_az_stol"},        {5, 6, 8, "05_06_az_seyf_door_npz"},
};
} // namespace

// ---------------------------------------------------------------------------
// Building threads

void sc_00_ginterface::threadAdd(int help_state)
{
    TQ_TRACE(" threadAdd(int help_state)");
    if (static_cast<int>(threads.size()) >= kMaxThreads)
    {
        Log::print("\nERROR: 00_ginterface: no room for thread %d", static_cast<int>(threads.size()));
        return;
    }
    _PLAY_THREAD t;
    t.id = static_cast<int>(threads.size());
    t.help_state = help_state;
    threads.push_back(t);
}

sc_00_ginterface::_PLAY_THREAD* sc_00_ginterface::lastThread(const char* builder)
{
    if (threads.empty())
    {
        Log::print("\nERROR: 00_ginterface: %s() before the first thread", builder);
        return nullptr;
    }
    return &threads.back();
}

sc_00_ginterface::__TASK* sc_00_ginterface::lastTask(const char* modifier)
{
    _PLAY_THREAD* thread = lastThread(modifier);
    if (!thread)
        return nullptr;
    if (thread->tasks.empty())
    {
        Log::print("\nERROR: 00_ginterface: %s() before the first task of thread %d", modifier, thread->id);
        return nullptr;
    }
    return &thread->tasks.back();
}

sc_00_ginterface::__PICKED_OBJ* sc_00_ginterface::lastTaskObject(const char* modifier, int pick_id)
{
    __TASK* t = lastTask(modifier);
    if (!t)
        return nullptr;
    if (pick_id < 0 || pick_id >= t->obj_count)
    {
        Log::print("\nERROR: 00_ginterface: %s(): the task has no object %d", modifier, pick_id);
        return nullptr;
    }
    return &t->objs[pick_id];
}

void sc_00_ginterface::threadName(const char* name)
{
    TQ_TRACE(" threadName(const char* name)");
    if (_PLAY_THREAD* t = lastThread("threadName"))
        t->name = name ? name : "";
}

void sc_00_ginterface::threadRoom(int room)
{
    TQ_TRACE(" threadRoom(int room)");
    if (_PLAY_THREAD* t = lastThread("threadRoom"))
        t->room = room;
}

void sc_00_ginterface::threadBonusTime(int time)
{
    TQ_TRACE(" threadBonusTime(int time)");
    if (_PLAY_THREAD* t = lastThread("threadBonusTime"))
        t->bonus_time = time;
}

// ---------------------------------------------------------------------------
// Building tasks

void sc_00_ginterface::taskInit(__TASK& t, int task_type, int param)
{
    t = __TASK();
    t.type = task_type;
    t.param = param;
}

sc_00_ginterface::__TASK* sc_00_ginterface::newTask(const char* builder, int type, int param)
{
    _PLAY_THREAD* thread = lastThread(builder);
    if (!thread)
        return nullptr;
    if (thread->task_count() >= kMaxTasks)
    {
        Log::print("\nERROR: 00_ginterface: %s(): thread %d has no room for another task", builder, thread->id);
        return nullptr;
    }
    thread->tasks.emplace_back();
    __TASK& t = thread->tasks.back();
    taskInit(t, type, param);
    t.thread = thread->id;
    return &t;
}

sc_00_ginterface::__PICKED_OBJ* sc_00_ginterface::addObject(__TASK& t, const String& name, int room, int cam)
{
    if (t.obj_count >= kMaxObjects)
    {
        Log::print("\nERROR: 00_ginterface: task has no room for object [%s]", name.c_str());
        return nullptr;
    }
    __PICKED_OBJ& o = t.objs[t.obj_count++];
    o.room = room;
    o.cam = cam;
    o.obj = o.help_obj = handleOf(name);
    o.help_param.clear();
    o.help_value = -1;
    return &o;
}

void sc_00_ginterface::__TASKAddObjEx(int task_type, int param, const String& base_name, int num, int* rooms,
                                      int* cams, int show_on__TASK_start, int num_texture_parts, int start_num)
{
    TQ_TRACE(" __TASKAddObjEx(int task_type, int param, const String &base_name, int num, int *rooms, int *cams, int "
             "show_on__TASK_start, int num_texture_parts, int start_num)");
    __TASK* t = newTask("__TASKAddObjEx", task_type, param);
    if (!t)
        return;
    if (num > kMaxObjects)
    {
        Log::print("\nERROR: 00_ginterface: a task takes %d objects at most, not %d of [%s]", kMaxObjects, num,
                   base_name.c_str());
        num = kMaxObjects;
    }
    t->show_on_start = show_on__TASK_start;
    t->obj_count = num < 0 ? 0 : num;
    t->num_texture_parts = num_texture_parts;
    for (int k = 0; k < t->obj_count; ++k)
    {
        __PICKED_OBJ& o = t->objs[k];
        String name = base_name;
        if (num > 1)
            name = ScriptObject::indexedKey(base_name + "_", k + start_num);
        // Looked up for the object and for its hint target alike.
        o.obj = handleOf(name);
        o.help_obj = handleOf(name);
        if (task_type == TT_FIND)
            setHintFromTask(*t, o);
        o.help_param.clear();
        o.help_value = -1;
        o.model_obj = handleOf(modelName(name));
        o.show_on_start = show_on__TASK_start;
        if (rooms)
            o.room = rooms[k];
        if (cams)
            o.cam = cams[k];
    }
}

void sc_00_ginterface::taskAddClick(OBJECT_HANDLE who, int room, int cam, int show_on__TASK_start)
{
    TQ_TRACE(" taskAddClick(OBJECT_HANDLE who, int room, int cam, int show_on__TASK_start)");
    __TASK* t = newTask("taskAddClick", TT_CLICK, -1);
    if (!t)
        return;
    __PICKED_OBJ& o = t->objs[t->obj_count++];
    o.room = room;
    o.cam = cam;
    o.obj = o.help_obj = who;
    o.help_param.clear();
    o.help_value = -1;
    t->show_on_start = show_on__TASK_start;
    taskShowOnTask(-1, show_on__TASK_start);
}

void sc_00_ginterface::taskAddClickEx(const String& base_name, int num, int* rooms, int* cams, int show_on__TASK_start)
{
    TQ_TRACE(" taskAddClickEx(const String& base_name, int num, int* rooms, int* cams, int show_on__TASK_start)");
    __TASKAddObjEx(TT_CLICK, -1, base_name, num, rooms, cams, show_on__TASK_start, 2, 1);
}

void sc_00_ginterface::taskAddFindObj1(int obj_id, const String& base_name, int room, int cam, int show_on__TASK_start)
{
    TQ_TRACE(" taskAddFindObj1(int obj_id, const String& base_name, int room, int cam, int show_on__TASK_start)");
    taskAddFindObjEx(obj_id, base_name, 1, &room, &cam, show_on__TASK_start, 2);
}

void sc_00_ginterface::taskAddFindObjEx(int obj_id, const String& base_name, int num, int* rooms, int* cams,
                                        int show_on__TASK_start, int num_texture_parts)
{
    TQ_TRACE(" taskAddFindObjEx(int obj_id, const String& base_name, int num, int* rooms, int* cams, int "
             "show_on__TASK_start, int num_texture_parts)");
    __TASKAddObjEx(TT_FIND, obj_id, base_name, num, rooms, cams, show_on__TASK_start, num_texture_parts, 1);
}

void sc_00_ginterface::taskAddFindObjExSn(int obj_id, const String& base_name, int num, int* rooms, int* cams,
                                          int show_on__TASK_start, int start_num, int num_texture_parts)
{
    TQ_TRACE(" taskAddFindObjExSn(int obj_id, const String& base_name, int num, int* rooms, int* cams, int "
             "show_on__TASK_start, int start_num, int num_texture_parts)");
    __TASKAddObjEx(TT_FIND, obj_id, base_name, num, rooms, cams, show_on__TASK_start, num_texture_parts, start_num);
}

void sc_00_ginterface::taskAddUseObj1(int obj_id, const String& who, int room, int cam, int show_on__TASK_start)
{
    TQ_TRACE(" taskAddUseObj1(int obj_id, const String& who, int room, int cam, int show_on__TASK_start)");
    taskAddUseObjEx(obj_id, who, 1, &room, &cam, show_on__TASK_start, 2);
}

void sc_00_ginterface::taskAddUseObjEx(int obj_id, const String& base_name, int num, int* rooms, int* cams,
                                       int show_on__TASK_start, int num_texture_parts)
{
    TQ_TRACE(" taskAddUseObjEx(int obj_id, const String& base_name, int num, int* rooms, int* cams, int "
             "show_on__TASK_start, int num_texture_parts)");
    __TASKAddObjEx(TT_USE, obj_id, base_name, num, rooms, cams, show_on__TASK_start, num_texture_parts, 1);
}

void sc_00_ginterface::taskAddVisibleObj1(const String& who, int show)
{
    TQ_TRACE(" taskAddVisibleObj1(const String& who, int show)");
    taskAddVisibleObjEx(who, 1, show);
}

void sc_00_ginterface::taskAddVisibleObjEx(const String& base_name, int num, int show_on__TASK_start)
{
    TQ_TRACE(" taskAddVisibleObjEx(const String& base_name, int num, int show_on__TASK_start)");
    __TASKAddObjEx(TT_VISIBLE, 0, base_name, num, nullptr, nullptr, show_on__TASK_start, 0, 1);
}

void sc_00_ginterface::taskAddPickObj(const String& obj)
{
    TQ_TRACE(" taskAddPickObj(const String& obj)");
    __TASKAddObjEx(TT_PICK, static_cast<int>(handleOf(obj)), "", 1, nullptr, nullptr, 0, 0, 1);
}

void sc_00_ginterface::taskAddHideTask(int task)
{
    TQ_TRACE(" taskAddHideTask(int task)");
    __TASKAddObjEx(TT_HIDE_TASK, task, "", 1, nullptr, nullptr, 0, 0, 1);
}

void sc_00_ginterface::taskAddShowTask(int task)
{
    TQ_TRACE(" taskAddShowTask(int task)");
    __TASKAddObjEx(TT_SHOW_TASK, task, "", 1, nullptr, nullptr, 0, 0, 1);
}

void sc_00_ginterface::taskAddChangeItem(int old_task, int new_task)
{
    TQ_TRACE(" taskAddChangeItem(int old_task, int new_task)");
    // The new id rides in the task's second parameter.
    __TASKAddObjEx(TT_CHANGE_ITEM, old_task, "", 1, nullptr, nullptr, new_task, 0, 1);
}

void sc_00_ginterface::taskAddDialog(int dialog_id)
{
    TQ_TRACE(" taskAddDialog(int dialog_id)");
    newTask("taskAddDialog", TT_DIALOG, dialog_id);
}

void sc_00_ginterface::taskAddMiniGame(const String& name, int notify_prm)
{
    TQ_TRACE(" taskAddMiniGame(const String& name, int notify_prm)");
    if (__TASK* t = newTask("taskAddMiniGame", TT_MINIGAME, notify_prm))
        addObject(*t, name);
}

void sc_00_ginterface::taskAddNotify2(const char* name, int notify_prm, int skip)
{
    TQ_TRACE(" taskAddNotify2(const char* name, int notify_prm, int skip)");
    if (__TASK* t = newTask("taskAddNotify", TT_NOTIFY, notify_prm))
    {
        addObject(*t, name ? name : "");
        t->show_on_start = skip;
    }
}

void sc_00_ginterface::taskAddNotify(const String& name, int notify_prm, int skip)
{
    TQ_TRACE(" taskAddNotify(const String& name, int notify_prm, int skip)");
    taskAddNotify2(name.c_str(), notify_prm, skip);
}

void sc_00_ginterface::taskAddAutoSave()
{
    TQ_TRACE(" taskAddAutoSave()");
    taskAddNotify("interface", 100, 1);
}

void sc_00_ginterface::taskAddMakeScreenShot()
{
    TQ_TRACE(" taskAddMakeScreenShot()");
    taskAddNotify("journal", 2000, 1);
}

void sc_00_ginterface::taskAddTaskToJournal(int str)
{
    TQ_TRACE(" taskAddTaskToJournal(int str)");
    // The journal adds the text of a code above 10000.
    taskAddNotify("journal", str + 10000, 1);
}

void sc_00_ginterface::taskAddStopCutSceneSound()
{
    TQ_TRACE(" taskAddStopCutSceneSound()");
    taskAddNotify("00_movies", 10000, 1);
}

void sc_00_ginterface::taskAddDeactivate(const String& name, int msg)
{
    TQ_TRACE(" taskAddDeactivate(const String& name, int msg)");
    if (__TASK* t = newTask("taskAddDeactivate", TT_DEACTIVATE, msg))
    {
        addObject(*t, name);
        t->show_on_start = 0;
    }
}

void sc_00_ginterface::taskAddCutScene2(const char* name, int notify_prm, int show_interface_after, int no_skip)
{
    TQ_TRACE(" taskAddCutScene2(const char* name, int notify_prm, int show_interface_after, int no_skip)");
    if (__TASK* t = newTask("taskAddCutScene", TT_CUTSCENE, notify_prm))
    {
        addObject(*t, name ? name : "");
        t->show_interface_after = show_interface_after;
        t->no_skip = no_skip;
    }
}

void sc_00_ginterface::taskAddCutScene(const String& name, int notify_prm, int show_interface_after)
{
    TQ_TRACE(" taskAddCutScene(const String& name, int notify_prm, int show_interface_after)");
    taskAddCutScene2(name.c_str(), notify_prm, show_interface_after, 0);
}

void sc_00_ginterface::taskAddCutScene3(const char* name, int notify_prm, int fade_status, int show_interface_after)
{
    TQ_TRACE(" taskAddCutScene3(const char* name, int notify_prm, int fade_status, int show_interface_after)");
    if (fade_status < 0 || fade_status > 3)
    {
        Log::print("!!! WARNING: 00_ginterface.sc: taskAddCutScene3(): unknown fade_status: %d", fade_status);
        fade_status = CUTSCENE_FADE_NO;
    }
    const bool fade = fade_status == 1 || fade_status == 3;
    const bool ending = fade_status == 2 || fade_status == 3;
    if (fade)
    {
        taskAddNotify2("00_loader", 101, 0);
        taskAddNotify2("00_loader", 102, 1);
    }
    taskAddCutScene2(name, notify_prm, 0, ending ? 0 : 1);
    if (ending)
        taskAddCutSceneEnding(name);
    if (show_interface_after)
        taskAddShowInterface();
}

void sc_00_ginterface::taskAddFade(int is_slow_fadeout)
{
    TQ_TRACE(" taskAddFade(int is_slow_fadeout)");
    taskAddNotify2("00_loader", 101, 0);
    taskAddNotify2("00_loader", is_slow_fadeout ? 104 : 102, 1);
}

void sc_00_ginterface::taskAddCutSceneEnding0(const char* scene_name, int is_slow_fadeout)
{
    TQ_TRACE(" taskAddCutSceneEnding0(const char* scene_name, int is_slow_fadeout)");
    taskAddFade(is_slow_fadeout);
    taskAddNotify2("02_dialogs", 10000, 1);
    taskAddNotify2(scene_name, 1100, 1);
}

void sc_00_ginterface::taskAddCutSceneEnding(const char* scene_name)
{
    TQ_TRACE(" taskAddCutSceneEnding(const char* scene_name)");
    taskAddCutSceneEnding0(scene_name, 0);
}

void sc_00_ginterface::taskAddCutSceneEndingSlow(const char* scene_name)
{
    TQ_TRACE(" taskAddCutSceneEndingSlow(const char* scene_name)");
    taskAddCutSceneEnding0(scene_name, 1);
}

void sc_00_ginterface::taskAddNearPlaneMini(const String& name, int room, int cam, int show)
{
    TQ_TRACE(" taskAddNearPlaneMini(const String& name, int room, int cam, int show)");
    if (__TASK* t = newTask("taskAddNearPlaneMini", TT_NEAR_PLANE_MINI, 111))
    {
        addObject(*t, name, room, cam);
        t->show_on_start = show;
    }
}

void sc_00_ginterface::taskAddSetParam(const String& var, int value)
{
    TQ_TRACE(" taskAddSetParam(const String& var, int value)");
    if (__TASK* t = newTask("taskAddSetParam", TT_SET_PARAM, value))
        t->str = var;
}

void sc_00_ginterface::taskAddGetParam(const String& var, int value)
{
    TQ_TRACE(" taskAddGetParam(const String& var, int value)");
    if (__TASK* t = newTask("taskAddGetParam", TT_GET_PARAM, value))
        t->str = var;
}

void sc_00_ginterface::taskAddHelpOn(const String& thread)
{
    TQ_TRACE(" taskAddHelpOn(const String& thread)");
    if (__TASK* t = newTask("taskAddHelpOn", TT_HELP, 1))
        t->str = thread;
}

void sc_00_ginterface::taskAddHelpOff(const String& thread)
{
    TQ_TRACE(" taskAddHelpOff(const String& thread)");
    if (__TASK* t = newTask("taskAddHelpOff", TT_HELP, 0))
        t->str = thread;
}

void sc_00_ginterface::taskAddWaitBonus(int item_id)
{
    TQ_TRACE(" taskAddWaitBonus(int item_id)");
    newTask("taskAddWaitBonus", TT_WAIT_BONUS, item_id);
}

void sc_00_ginterface::taskAddShowInterface()
{
    TQ_TRACE(" taskAddShowInterface()");
    newTask("taskAddShowInterface", TT_SHOW_INTERFACE, 1);
}

void sc_00_ginterface::taskAddPikedObj(const String& base_name, int room, int cam, int show_on__TASK_start,
                                       int set_hint_from_task)
{
    TQ_TRACE(" taskAddPikedObj(const String& base_name, int room, int cam, int show_on__TASK_start, int "
             "set_hint_from_task)");
    __TASK* t = lastTask("taskAddPikedObj");
    if (!t)
        return;
    __PICKED_OBJ* o = addObject(*t, base_name, room, cam);
    if (!o)
        return;
    if (set_hint_from_task)
        setHintFromTask(*t, *o);
    o->model_obj = handleOf(modelName(base_name));
    o->show_on_start = show_on__TASK_start;
}

// ---------------------------------------------------------------------------
// Modifiers of the last task

void sc_00_ginterface::taskShowOnTask(int pick_id, int show_on_start__TASK)
{
    TQ_TRACE(" taskShowOnTask(int pick_id, int show_on_start__TASK)");
    __TASK* t = lastTask("taskShowOnTask");
    if (!t)
        return;
    if (pick_id == -1)
    {
        for (int i = 0; i < t->obj_count; ++i)
            t->objs[i].show_on_start = show_on_start__TASK;
    }
    else if (__PICKED_OBJ* o = lastTaskObject("taskShowOnTask", pick_id))
        o->show_on_start = show_on_start__TASK;
}

void sc_00_ginterface::taskHelpCond(int pick_id, const String& param, int value)
{
    TQ_TRACE(" taskHelpCond(int pick_id, const String& param, int value)");
    if (__PICKED_OBJ* o = lastTaskObject("taskHelpCond", pick_id))
    {
        o->help_param = param;
        o->help_value = value;
    }
}

void sc_00_ginterface::taskHelpObj(int pick_id, const String& s)
{
    TQ_TRACE(" taskHelpObj(int pick_id, const String& s)");
    if (__PICKED_OBJ* o = lastTaskObject("taskHelpObj", pick_id))
        o->help_obj = handleOf(s);
}

void sc_00_ginterface::taskSetHideAfterUse(int picked_id, int hide_obj_after_use)
{
    TQ_TRACE(" taskSetHideAfterUse(int picked_id, int hide_obj_after_use)");
    if (__PICKED_OBJ* o = lastTaskObject("taskSetHideAfterUse", picked_id))
        o->after_use = hide_obj_after_use;
}

void sc_00_ginterface::taskSetShowAfterUse(int picked_id, int show_obj_after_use, OBJECT_HANDLE obj)
{
    TQ_TRACE(" taskSetShowAfterUse(int picked_id, int show_obj_after_use, OBJECT_HANDLE obj)");
    if (__PICKED_OBJ* o = lastTaskObject("taskSetShowAfterUse", picked_id))
    {
        if (show_obj_after_use)
            o->after_use = 2;
        if (obj != 0)
            o->model_obj = obj;
    }
}

void sc_00_ginterface::taskSetMsgAfterUse(int picked_id, OBJECT_HANDLE obj)
{
    TQ_TRACE(" taskSetMsgAfterUse(int picked_id, OBJECT_HANDLE obj)");
    if (__PICKED_OBJ* o = lastTaskObject("taskSetMsgAfterUse", picked_id))
    {
        o->after_use = 100;
        if (obj != 0)
            o->model_obj = obj;
    }
}

void sc_00_ginterface::taskSetAnimAfterUse(int picked_id, int anim_obj_after_use, int msg_obj_after_use)
{
    TQ_TRACE(" taskSetAnimAfterUse(int picked_id, int anim_obj_after_use, int msg_obj_after_use)");
    if (__PICKED_OBJ* o = lastTaskObject("taskSetAnimAfterUse", picked_id))
    {
        o->anim_obj_after_use = static_cast<OBJECT_HANDLE>(anim_obj_after_use);
        o->msg_obj_after_use = msg_obj_after_use;
    }
}

void sc_00_ginterface::taskNoHideInterfaceBefore()
{
    TQ_TRACE(" taskNoHideInterfaceBefore()");
    if (__TASK* t = lastTask("taskNoHideInterfaceBefore"))
        t->hide_interface_before = 0;
}

void sc_00_ginterface::taskNoHideItem()
{
    TQ_TRACE(" taskNoHideItem()");
    if (__TASK* t = lastTask("taskNoHideItem"))
        t->no_hide_item = 1;
}

void sc_00_ginterface::taskNoHideUsed()
{
    TQ_TRACE(" taskNoHideUsed()");
    if (__TASK* t = lastTask("taskNoHideUsed"))
        t->no_hide_used = 1;
}

void sc_00_ginterface::taskNoParticles()
{
    TQ_TRACE(" taskNoParticles()");
    if (__TASK* t = lastTask("taskNoParticles"))
        t->particles = 0;
}

void sc_00_ginterface::taskSetStartWithoutImage(int start_pick_without_image)
{
    TQ_TRACE(" taskSetStartWithoutImage(int start_pick_without_image)");
    if (__TASK* t = lastTask("taskSetStartWithoutImage"))
        t->start_pick_without_image = start_pick_without_image;
}

void sc_00_ginterface::taskSetShowInterfaceNpzObj(const char* obj)
{
    TQ_TRACE(" taskSetShowInterfaceNpzObj(const char* obj)");
    if (__TASK* t = lastTask("taskSetShowInterfaceNpzObj"))
        t->show_interface_obj = handleOf(obj ? obj : "");
}

void sc_00_ginterface::taskClickItemId(int id)
{
    TQ_TRACE(" taskClickItemId(int id)");
    if (__TASK* t = lastTask("taskClickItemId"))
        t->item = id;
}

void sc_00_ginterface::taskUseItemId(int id)
{
    TQ_TRACE(" taskUseItemId(int id)");
    __TASK* t = lastTask("taskUseItemId");
    if (!t)
        return;
    if (t->use_item_count >= kMaxUseItems)
    {
        Log::print("\nERROR: 00_ginterface: taskUseItemId(%d): the task takes %d items at most", id, kMaxUseItems);
        return;
    }
    t->use_items[t->use_item_count++] = id;
}

// ---------------------------------------------------------------------------
// Running

void sc_00_ginterface::setThreadActiveForHelp(int t, int state)
{
    TQ_TRACE(" setThreadActiveForHelp(int t, int state)");
    if (t < 0 || t >= static_cast<int>(threads.size()))
        return;
    threads[t].active_for_help = state;
    setVarI(threadKey(threads[t].id, "_active_for_help"), state);
}

void sc_00_ginterface::incTask(_PLAY_THREAD& t)
{
    TQ_TRACE(" incTask(_PLAY_THREAD &t)");
    ++t.cur_task;
    setVarI(threadKey(t.id, "_cur__TASK"), t.cur_task);
}

void sc_00_ginterface::threadStart(_PLAY_THREAD& t)
{
    TQ_TRACE(" threadStart(_PLAY_THREAD& t)");
    if (t.cur_task >= 0)
    {
        const int type = t.cur_task < t.task_count() ? t.tasks[t.cur_task].type : 0;
        Log::print("\n\n* * * You've already trying to start thread!!! (type: %d) @%d (thread %d) started!", type,
                   t.cur_task, t.id);
        return;
    }
    if (getConfigI("load_from_save") != 0)
        loadTask(t);
    else
    {
        incTask(t);
        setThreadActiveForHelp(t.id, 0);
    }
    if (t.cur_task >= t.task_count())
        return;
    taskStart(t.tasks[t.cur_task]);
    threadCheckForNextStep(t, 0, 0, mouseGetLastId());
    if (t.cur_task < t.task_count())
        Log::print("\n\n* * * Task (type: %d) @%d (thread %d) started!", t.tasks[t.cur_task].type, t.cur_task, t.id);
}

void sc_00_ginterface::loadTask(_PLAY_THREAD& t)
{
    TQ_TRACE(" loadTask(_PLAY_THREAD &t)");
    t.cur_task = getVarI(threadKey(t.id, "_cur__TASK"));
    t.active_for_help = getVarI(threadKey(t.id, "_active_for_help"));
    if (t.cur_task < 0 || t.cur_task > t.task_count())
    {
        // A damaged position: the thread starts again.
        Log::print("\nWARNING: 00_ginterface: thread %d saved at task %d of %d; it starts again", t.id, t.cur_task,
                   t.task_count());
        t.cur_task = 0;
    }
    if (t.cur_task >= t.task_count())
        return;
    __TASK& task = t.tasks[t.cur_task];
    for (int n = 0; n < task.obj_count; ++n)
    {
        __PICKED_OBJ& o = task.objs[n];
        int done = 0;
        if (task.type == TT_CLICK)
            done = getObjStateI(o.obj, "clicked");
        else if (task.type == TT_FIND)
            done = getObjStateI(o.obj, "picked");
        else if (task.type == TT_USE)
            done = task.no_hide_used ? getObjStateI(o.obj, "task" + threeDigits(task.param) + "used")
                                     : getObjStateI(o.obj, "used");
        if (!done)
            continue;
        o.done = 1;
        // A picture assembled from parts shows the parts already found.
        if ((task.type == TT_CLICK || task.type == TT_FIND) && task.num_texture_parts > 2)
            invAddTaskPart(task.param, n + 1);
    }
}

int sc_00_ginterface::threadCheckForNextStep(_PLAY_THREAD& t, int param, OBJECT_HANDLE who, int lastId)
{
    if (t.room >= 0 && getVarI("cur_room") == t.room)
        setThreadActiveForHelp(t.id, 1);
    if (t.cur_task < 0 || t.cur_task >= t.task_count())
        return 0;
    __TASK& task = t.tasks[t.cur_task];
    if (!taskCheckForComplete(task, param, who, lastId))
        return 0;
    Log::print("\n\n* * * * * *Task (type: %d) @%d (thread %d) complete!", task.type, t.cur_task, t.id);
    threadNext(t, lastId);
    return 1;
}

void sc_00_ginterface::threadNext(_PLAY_THREAD& t, int lastId)
{
    TQ_TRACE(" threadNext(_PLAY_THREAD& t, int lastId)");
    if (t.cur_task < 0 || t.cur_task >= t.task_count())
        return;
    taskEnd(t.tasks[t.cur_task]);
    incTask(t);
    if (t.cur_task < t.task_count())
    {
        taskStart(t.tasks[t.cur_task]);
        threadCheckForNextStep(t, 0, 0, lastId);
    }
}

int sc_00_ginterface::taskIsAllPicked(const __TASK& t) const
{
    int done = 0;
    for (int i = 0; i < t.obj_count; ++i)
        done += t.objs[i].done ? 1 : 0;
    return done == t.obj_count ? 1 : 0;
}

int sc_00_ginterface::conditionCheck(const __MSN_CONDITION& c) const
{
    const int equal = getVarI(c.param) == c.val ? 1 : 0;
    return equal == c.cond ? 1 : 0;
}

int sc_00_ginterface::taskCheckConditions(const __TASK& t, int picked_id) const
{
    const __PICKED_OBJ& o = t.objs[picked_id];
    for (int i = 0; i < o.cond_count && i < kMaxConditions; ++i)
        if (!conditionCheck(o.conds[i]))
            return 0;
    return 1;
}

// ---------------------------------------------------------------------------
// What each kind of task does

void sc_00_ginterface::taskStart(__TASK& t)
{
    TQ_TRACE(" taskStart(__TASK& t)");
    t.state = 1;
    // A misspelt or missing object must show: the task waits, as its thread
    // does, and says so once when it starts.
    if (answererMissing(t))
    {
        // Nothing modal starts for it either: the player goes on with the
        // other threads.
        Log::print("\nWARNING: 00_ginterface: task (type: %d) of thread %d waits for an object that is missing; "
                   "the thread stops here",
                   t.type, t.thread);
        return;
    }
    switch (t.type)
    {
    case TT_CLICK:
        for (int i = 0; i < t.obj_count; ++i)
        {
            if (t.objs[i].show_on_start)
                setVisible(t.objs[i].obj, true);
            setObjStateI(t.objs[i].obj, "clicked", 0);
        }
        if (t.item != -1)
            invAddTask(t.item, t.obj_count, 0, t.obj_count, 0);
        break;
    case TT_FIND:
        if (t.start_pick_without_image == 0)
            invAddTask(t.param, t.obj_count, 0, t.obj_count, 0);
        for (int i = 0; i < t.obj_count; ++i)
            if (t.objs[i].show_on_start)
            {
                setVisible(t.objs[i].obj, true);
                sendNotify(t.objs[i].obj, 0, 100);
            }
        break;
    case TT_USE:
        for (int i = 0; i < t.obj_count; ++i)
            if (t.objs[i].show_on_start)
            {
                setVisible(t.objs[i].obj, true);
                sendNotify(t.objs[i].obj, 0, 100);
            }
        if (t.item != -1)
            invAddTask(t.item, t.obj_count, 0, t.obj_count, 0);
        break;
    case TT_DIALOG:
        invDisable(1);
        menuHide(1, 0);
        deactivateWhile(gApp.findObjectHandle("02_dialogs"), t.param, 1);
        tutorialClose();
        break;
    case TT_MINIGAME:
        invDisable(1);
        playMode = 2;
        idleTime = 0.0f;
        menuHide(3, 0);
        menuHide(1, 0);
        setBackButtonVisible(3);
        setSkipButtonVisible(1);
        skipCharge = 0.0f;
        switchHelp(1);
        if (nearPlaneObj != 0)
            sendNotify(nearPlaneObj, getOwner(), 2);
        setNearPlaneObj(0);
        for (int i = 0; i < t.obj_count; ++i)
            sendNotify(t.objs[i].obj, getOwner(), t.param);
        break;
    case TT_CUTSCENE:
        sendNotifyByName("interface", 100, 0);
        playMode = 3;
        if (t.hide_interface_before == 1)
        {
            menuHide(3, 0);
            menuHide(0, 0);
            menuHide(1, 0);
        }
        else
            interfaceActive = 0;
        if (t.no_skip == 0)
            setSkipButtonVisible(1);
        skipCharge = 1.0f;
        invDisable(1);
        setCursorMode(-1);
        for (int i = 0; i < t.obj_count; ++i)
        {
            sendNotify(t.objs[i].obj, getOwner(), t.param);
            cutSceneObject = t.objs[i].obj;
            cutSceneCode = t.param;
        }
        break;
    case TT_NOTIFY:
        for (int i = 0; i < t.obj_count; ++i)
        {
            if (t.show_on_start != 0)
            {
                sendNotify(t.objs[i].obj, 0, t.param);
                continue;
            }
            sendNotify(t.objs[i].obj, getOwner(), t.param);
            if (ScriptObject::nodeName(t.objs[i].obj) == "00_loader")
            {
                playMode = 4;
                setConfigI("loader_notify", 1);
            }
        }
        break;
    case TT_NEAR_PLANE_MINI:
        if (t.show_on_start)
            for (int i = 0; i < t.obj_count; ++i)
                sendNotify(t.objs[i].obj, getOwner(), t.param);
        break;
    case TT_DEACTIVATE:
        deactivateWhile(t.obj_count > 0 ? t.objs[0].obj : 0, t.param, 1);
        break;
    case TT_WAIT_BONUS:
        if (getVarI("bonus_picked_" + threeDigits(t.param)) == 0 && bonusItemId == t.param)
            deactivateWhile(gApp.findObjectHandle("interface"), 94, 2);
        break;
    case TT_HELP:
        for (const _PLAY_THREAD& thread : threads)
            if (thread.name == t.str)
                setThreadActiveForHelp(thread.id, t.param);
        break;
    case TT_SET_PARAM:
        setVarI(t.str, t.param);
        break;
    case TT_VISIBLE:
        for (int i = 0; i < t.obj_count; ++i)
            setVisible(t.objs[i].obj, t.objs[i].show_on_start != 0);
        break;
    case TT_HIDE_TASK:
        invRemoveTask(t.param);
        break;
    case TT_PICK:
        // As if the object had been clicked with nothing held.
        itemDetachFromMouse2(0);
        lastItemId = 0;
        gameOnNotify(777, static_cast<OBJECT_HANDLE>(t.param));
        break;
    case TT_SHOW_TASK:
        showTask(t);
        break;
    case TT_CHANGE_ITEM:
        changeItem(t.param, t.show_on_start);
        break;
    case TT_SHOW_INTERFACE:
        menuShowAll(t.show_interface_obj);
        break;
    default:
        break;
    }
}

void sc_00_ginterface::taskUpdateSlots(const __TASK& t, int item, float time, bool resetCounter)
{
    int done = 0;
    for (int i = 0; i < t.obj_count; ++i)
        done += t.objs[i].done ? 1 : 0;
    for (int s = 0; s < kSlots; ++s)
    {
        if (!slots[s].used || slots[s].id != item)
            continue;
        if (done == t.obj_count)
        {
            setVarI(slotKey(s, "_ready_to_use"), 1);
            if (resetCounter)
                counterSetCount(s, 0, time);
            counterHide(s);
        }
        else
            counterSetCount(s, t.obj_count - done, time);
    }
}

int sc_00_ginterface::taskCheckForComplete(__TASK& t, int param, OBJECT_HANDLE who, int lastId)
{
    auto isObject = [&t](OBJECT_HANDLE h) {
        for (int i = 0; i < t.obj_count; ++i)
            if (t.objs[i].obj == h)
                return true;
        return false;
    };
    switch (t.type)
    {
    case TT_CLICK:
    {
        bool itemAccepted = lastId == 0;
        for (int i = 0; i < t.use_item_count && !itemAccepted; ++i)
            itemAccepted = t.use_items[i] == lastId;
        if (param != 777 || who == 0 || !itemAccepted)
            return 0;
        for (int i = 0; i < t.obj_count; ++i)
        {
            __PICKED_OBJ& o = t.objs[i];
            if (o.obj != who || !taskCheckConditions(t, i))
                continue;
            setObjStateI(o.obj, "clicked", 1);
            if (!t.no_hide_used)
                setVisible(o.obj, false);
            o.done = 1;
            idleTime = 0.0f;
            setCursorMode(1);
            if (o.model_obj != 0 && o.after_use == 1)
                setVisible(o.model_obj, false);
            else if (o.model_obj != 0 && o.after_use == 2)
                setVisible(o.model_obj, true);
            else if (o.model_obj != 0 && o.after_use == 100)
                sendNotify(o.model_obj, 0, 100);
        }
        if (t.item != 0)
            taskUpdateSlots(t, t.item, 0.0f, false);
        const int all = taskIsAllPicked(t);
        if (all && t.num_texture_parts == 2)
        {
            invHideTaskPart(t.param, 0);
            invAddTaskPart(t.param, 1);
        }
        return all;
    }
    case TT_FIND:
    {
        if (param != 777 || who == 0 || lastId != 0 || !isObject(who))
            return 0;
        int done = 0;
        for (int i = 0; i < t.obj_count; ++i)
            done += t.objs[i].done ? 1 : 0;
        if (t.start_pick_without_image)
        {
            const int bonus = t.thread >= 0 && t.thread < static_cast<int>(threads.size())
                                  ? threads[t.thread].bonus_time
                                  : 0;
            invAddTask(t.param, t.obj_count, done + 1 >= t.obj_count ? 1 : 0, t.obj_count, bonus);
            if (t.param == 102)
                tutorialItemA = 1;
            else if (t.param == 101 || t.param == 104 || t.param == 105)
                tutorialItemB = 1;
        }
        int sound = ScriptObject::nodeName(who) == "02_03_az_pokrivalo1" ? 2023 : 1;
        bool picked = false;
        float flight = 0.0f;
        for (int i = 0; i < t.obj_count; ++i)
        {
            __PICKED_OBJ& o = t.objs[i];
            if (o.obj != who || !taskCheckConditions(t, i) || o.done)
                continue;
            setObjStateI(o.obj, "picked", 1);
            setVisible(o.obj, false);
            if (o.model_obj != 0)
                setVisible(o.model_obj, false);
            o.done = 1;
            picked = true;
            idleTime = 0.0f;
            if (t.num_texture_parts > 2)
                invAddTaskPart(t.param, i + 1);
            if (t.particles)
            {
                Ogre::Vector2 from(0.5f, 0.5f);
                worldToScreen(o.obj, from);
                for (int s = 0; s < kSlots; ++s)
                {
                    if (!slots[s].used || slots[s].id != t.param)
                        continue;
                    const ___OVERLAY& p = slots[s].picture;
                    flight = pickerStart(from.x, from.y, p.scrPos.x + p.scrSize.x / 2.0f,
                                         p.scrPos.y + p.scrSize.y / 2.0f);
                    setConfigI("tutorial_arrow_pos_x", static_cast<int>(p.scrPos.x * 100.0f));
                    setConfigI("tutorial_arrow_pos_y", static_cast<int>((p.scrPos.y + p.scrSize.y / 2.0f) * 100.0f));
                }
            }
            setCursorMode(1);
        }
        taskUpdateSlots(t, t.param, flight + 0.5f, true);
        const int all = taskIsAllPicked(t);
        if (all)
        {
            if (t.obj_count > 1)
                sound = 2;
            if (t.num_texture_parts == 2)
            {
                invHideTaskPart(t.param, 0);
                invAddTaskPart(t.param, 1);
            }
            else if (t.num_texture_parts > 2)
            {
                invAddTaskPart(t.param, t.num_texture_parts + 1);
                for (int p = 0; p <= t.num_texture_parts; ++p)
                    invHideTaskPart(t.param, p);
            }
        }
        if (picked)
            sendNotifyByName("00_movies", sound, 0);
        if (!all)
            return 0;
        invMakeItemUsable(t.param);
        if (t.param == bonusItemId)
        {
            // The bonus: the thread goes on once the bonus tip is closed.
            // A code offered again after another thread moved on finds the
            // parts all picked once more: the bonus is given only once.
            if (getVarI("bonus_picked_" + threeDigits(t.param)) == 0)
            {
                bonusBonus();
                bonusThread = t.thread;
                setVarI("bonus_thread", t.thread);
            }
            return 0;
        }
        return 1;
    }
    case TT_USE:
    {
        if (param != 777 || who == 0)
            return 0;
        Log::print("\n* * * * * *Checking task TT_USE %d %d 0x%X %d", t.param, param, who, lastId);
        for (int i = 0; i < t.obj_count; ++i)
        {
            __PICKED_OBJ& o = t.objs[i];
            const int conditions = taskCheckConditions(t, i);
            Log::print("\n\nUSE OBJECT %d %d %d %d!", o.obj, who, lastId == t.param ? 1 : 0, conditions);
            if (o.obj != who || !conditions)
                continue;
            if (lastId == 0)
            {
                if (t.start_pick_without_image == 0)
                    showTask(t);
            }
            else if (lastId == t.param)
            {
                setObjStateI(o.obj, "used", 1);
                if (!t.no_hide_used)
                    setVisible(o.obj, false);
                else
                    setObjStateI(o.obj, "task" + threeDigits(t.param) + "used", 1);
                if (o.model_obj != 0 && o.after_use == 1)
                    setVisible(o.model_obj, false);
                else if (o.model_obj != 0 && o.after_use == 2)
                    setVisible(o.model_obj, true);
                if (o.anim_obj_after_use != 0)
                    sendNotify(o.anim_obj_after_use, getOwner(), o.msg_obj_after_use);
                o.done = 1;
                idleTime = 0.0f;
            }
            else if (!t.no_hide_used)
                sendNotifyByName("02_dialogs", 120 + randomInt() % 5, 0); // the wrong item
        }
        if (t.item != 0)
            taskUpdateSlots(t, t.item, 0.0f, false);
        if (!taskIsAllPicked(t))
            return 0;
        itemDetachFromMouse2(1);
        return 1;
    }
    case TT_DIALOG:
        return param != 0 && who != 0 && param == t.param && who == gApp.findObjectHandle("02_dialogs");
    case TT_MINIGAME:
    case TT_CUTSCENE:
        return param != 0 && who != 0 && isObject(who);
    case TT_NOTIFY:
        if (t.show_on_start != 0)
            return 1;
        if (param == 0 || who == 0 || !isObject(who))
            return 0;
        if (ScriptObject::nodeName(who) == "00_loader")
        {
            playMode = 1;
            setConfigI("loader_notify", 0);
        }
        return 1;
    case TT_NEAR_PLANE_MINI:
        return param != 0 && who != 0 && isObject(who) && param == t.param;
    case TT_DEACTIVATE:
        return t.obj_count > 0 && who == t.objs[0].obj;
    case TT_GET_PARAM:
        return getVarI(t.str) == t.param;
    case TT_WAIT_BONUS:
        if (bonusItemId == t.param && getVarI("bonus_picked_" + threeDigits(t.param)) == 0)
        {
            if (param == 94 && who != 0 && who == gApp.findObjectHandle("interface"))
                return 1;
            setVarI("bonus_help_on", 1); // hints may now point at the bonus
            return 0;
        }
        return 1;
    case TT_VISIBLE:
    case TT_HIDE_TASK:
    case TT_SHOW_TASK:
    case TT_PICK:
    case TT_HELP:
    case TT_SET_PARAM:
    case TT_CHANGE_ITEM:
    case TT_SHOW_INTERFACE:
        return 1;
    default:
        return 0;
    }
}

void sc_00_ginterface::taskEnd(__TASK& t)
{
    TQ_TRACE(" taskEnd(__TASK& t)");
    t.state = 100;
    switch (t.type)
    {
    case TT_CLICK:
        if (!t.no_hide_used)
            for (int i = 0; i < t.obj_count; ++i)
                if (t.objs[i].obj != 0)
                    setVisible(t.objs[i].obj, false);
        break;
    case TT_USE:
        if (!t.no_hide_item)
        {
            vec3 pos = vec3::ZERO;
            invFlyTo(t.param, pos);
            invRemoveTask(t.param);
            lastItemId = 0;
        }
        break;
    case TT_DIALOG:
        invDisable(0);
        if (nearPlaneObj == 0)
            menuShow(1, 0);
        break;
    case TT_MINIGAME:
        invDisable(0);
        playMode = 1;
        idleTime = 0.0f;
        closeCloseUpAfterGame();
        if (nearPlaneObj == 0)
            menuShow(1, 0);
        else
            setBackButtonVisible(1);
        switchHelp(0);
        setSkipButtonVisible(3);
        menuShow(0, 0);
        menuShow(3, 0);
        setTutorialTask(6, 1);
        sendNotifyByName("interface", 80, 0);
        activateGinterface();
        break;
    case TT_CUTSCENE:
        if (t.show_interface_after == 1)
        {
            invDisable(0);
            setCursorMode(0);
            playMode = 1;
            menuShowAll(t.show_interface_obj);
            if (t.hide_interface_before == 0)
                interfaceActive = 1;
        }
        sendNotifyByName("interface", 80, 0);
        break;
    default:
        break;
    }
}

void sc_00_ginterface::closeCloseUpAfterGame()
{
    const int loc = getVarI("cur_loc"), room = getVarI("cur_room"), cam = getVarI("cur_cam");
    for (const CloseUpPlace& place : kCloseUpsAfterGame)
    {
        if (place.loc != loc || place.room != room || place.cam != cam)
            continue;
        setNearPlaneObj(gApp.findObjectHandle(place.object));
        sendNotify(nearPlaneObj, getOwner(), 556);
    }
}

void sc_00_ginterface::showTask(__TASK& t)
{
    TQ_TRACE(" showTask(__TASK &t)");
    _PLAY_THREAD* finder = nullptr;
    for (_PLAY_THREAD& thread : threads)
    {
        if (thread.cur_task < 0 || thread.cur_task >= thread.task_count())
            continue;
        const __TASK& current = thread.tasks[thread.cur_task];
        if (current.param != t.param)
            continue;
        if (current.type == TT_USE || current.type == TT_FIND)
            setThreadActiveForHelp(thread.id, 1);
        if (current.type == TT_FIND)
            finder = &thread;
    }
    if (finder)
    {
        const __TASK& find = finder->tasks[finder->cur_task];
        invAddTask(t.param, find.obj_count, 0, find.obj_count, finder->bonus_time);
    }
}

void sc_00_ginterface::setHintFromTask(__TASK& task, __PICKED_OBJ& obj)
{
    if (obj.obj != 0 && CVirtualScript::getObjParamI(obj.obj, "hint") == 0)
        CVirtualScript::setObjParamI(obj.obj, "hint", getHintId(task.param));
}

// ---------------------------------------------------------------------------
// Where a hint may point

int sc_00_ginterface::threadNeedHelp(const _PLAY_THREAD& th)
{
    if (th.active_for_help == 0)
        return 0;
    if (th.cur_task < 0 || th.cur_task >= th.task_count())
        return 0;
    if (th.help_state == 0 && getVarI("bonus_help_on") == 0)
        return 0;
    const __TASK& task = th.tasks[th.cur_task];
    if (task.type == TT_USE && !readyItem2(task.param))
        return 0;
    for (int n = 0; n < task.obj_count; ++n)
        if (taskNeedHelp(task, n))
            return 1;
    return 0;
}

int sc_00_ginterface::taskNeedHelp(const __TASK& ta, int n)
{
    // The laser cannon's game takes hints only once the cannon was used.
    if (ta.obj_count > 0 && ScriptObject::nodeName(ta.objs[0].obj) == "04_04_az_LazernajaPushka_mg")
        return checkLazerPushkaHelp();
    if (ta.type != TT_CLICK && ta.type != TT_FIND && ta.type != TT_USE && ta.type != TT_NEAR_PLANE_MINI)
        return 0;
    if (n < 0 || n >= ta.obj_count)
        return 0;
    const __PICKED_OBJ& o = ta.objs[n];
    if (o.done)
        return 0;
    return o.help_value == -1 || getVarI(o.help_param) == o.help_value ? 1 : 0;
}
