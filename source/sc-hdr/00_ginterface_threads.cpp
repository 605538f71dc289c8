// The play threads of the in-game interface: building them, running their
// tasks and moving them on.
#include "00_ginterface.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"

namespace
{
/// "thread_" + the id as two digits + suffix.
String threadKey(int id, const char* suffix)
{
    return ScriptObject::indexedKey("thread_", id, suffix);
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
} // namespace

// ---------------------------------------------------------------------------
// Building

void sc_00_ginterface::threadAdd(int help_state)
{
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

void sc_00_ginterface::threadName(const char* name)
{
    if (_PLAY_THREAD* t = lastThread("threadName"))
        t->name = name ? name : "";
}

void sc_00_ginterface::threadRoom(int room)
{
    if (_PLAY_THREAD* t = lastThread("threadRoom"))
        t->room = room;
}

void sc_00_ginterface::threadBonusTime(int time)
{
    if (_PLAY_THREAD* t = lastThread("threadBonusTime"))
        t->bonus_time = time;
}

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

bool sc_00_ginterface::addObject(__TASK& t, const String& name, int room, int cam)
{
    if (t.obj_count >= kMaxObjects)
    {
        Log::print("\nERROR: 00_ginterface: task has no room for object [%s]", name.c_str());
        return false;
    }
    __PICKED_OBJ& o = t.objs[t.obj_count++];
    o = __PICKED_OBJ();
    o.room = room;
    o.cam = cam;
    o.obj = o.help_obj = gApp.findObjectHandle(name);
    const String model = modelName(name);
    o.model_obj = model == name ? o.obj : gApp.findObjectHandle(model);
    return true;
}

void sc_00_ginterface::taskAddClick(OBJECT_HANDLE who, int room, int cam, int show_on__TASK_start)
{
    __TASK* t = newTask("taskAddClick", TT_CLICK, -1);
    if (!t)
        return;
    t->show_on_start = show_on__TASK_start;
    __PICKED_OBJ& o = t->objs[t->obj_count++];
    o.room = room;
    o.cam = cam;
    o.obj = o.help_obj = who;
    o.show_on_start = show_on__TASK_start;
}

void sc_00_ginterface::taskAddDialog(int dialog_id)
{
    newTask("taskAddDialog", TT_DIALOG, dialog_id);
}

void sc_00_ginterface::taskAddNotify2(const char* name, int notify_prm, int skip)
{
    if (__TASK* t = newTask("taskAddNotify", TT_NOTIFY, notify_prm))
    {
        addObject(*t, name ? name : "");
        t->show_on_start = skip;
    }
}

void sc_00_ginterface::taskAddNotify(const String& name, int notify_prm, int skip)
{
    taskAddNotify2(name.c_str(), notify_prm, skip);
}

void sc_00_ginterface::taskAddCutScene2(const char* name, int notify_prm, int show_interface_after, int no_skip)
{
    if (__TASK* t = newTask("taskAddCutScene", TT_CUTSCENE, notify_prm))
    {
        addObject(*t, name ? name : "");
        t->show_interface_after = show_interface_after;
        t->no_skip = no_skip;
    }
}

void sc_00_ginterface::taskAddCutScene(const String& name, int notify_prm, int show_interface_after)
{
    taskAddCutScene2(name.c_str(), notify_prm, show_interface_after, 0);
}

void sc_00_ginterface::taskAddMiniGame(const String& name, int notify_prm)
{
    if (__TASK* t = newTask("taskAddMiniGame", TT_MINIGAME, notify_prm))
        addObject(*t, name);
}

void sc_00_ginterface::taskAddNearPlaneMini(const String& name, int room, int cam, int show)
{
    if (__TASK* t = newTask("taskAddNearPlaneMini", TT_NEAR_PLANE_MINI, 111))
    {
        addObject(*t, name, room, cam);
        t->show_on_start = show;
    }
}

void sc_00_ginterface::taskAddDeactivate(const String& name, int msg)
{
    if (__TASK* t = newTask("taskAddDeactivate", TT_DEACTIVATE, msg))
        addObject(*t, name);
}

void sc_00_ginterface::taskAddSetParam(const String& var, int value)
{
    if (__TASK* t = newTask("taskAddSetParam", TT_SET_PARAM, value))
        t->str = var;
}

void sc_00_ginterface::taskAddGetParam(const String& var, int value)
{
    if (__TASK* t = newTask("taskAddGetParam", TT_GET_PARAM, value))
        t->str = var;
}

void sc_00_ginterface::taskAddVisibleObj1(const String& who, int show)
{
    __TASK* t = newTask("taskAddVisibleObj1", TT_VISIBLE, 0);
    if (t && addObject(*t, who))
        t->objs[0].show_on_start = show;
}

void sc_00_ginterface::taskAddHelpOn(const String& thread)
{
    if (__TASK* t = newTask("taskAddHelpOn", TT_HELP, 1))
        t->str = thread;
}

void sc_00_ginterface::taskAddHelpOff(const String& thread)
{
    if (__TASK* t = newTask("taskAddHelpOff", TT_HELP, 0))
        t->str = thread;
}

void sc_00_ginterface::taskAddPickObj(const String& obj)
{
    if (__TASK* t = newTask("taskAddPickObj", TT_PICK, -1))
        addObject(*t, obj);
}

void sc_00_ginterface::taskAddShowInterface()
{
    newTask("taskAddShowInterface", TT_SHOW_INTERFACE, 0);
}

void sc_00_ginterface::taskUseItemId(int id)
{
    _PLAY_THREAD* thread = lastThread("taskUseItemId");
    if (!thread || thread->tasks.empty())
        return;
    __TASK& t = thread->tasks.back();
    if (t.use_item_count >= kMaxUseItems)
    {
        Log::print("\nERROR: 00_ginterface: taskUseItemId(%d): the task takes %d items at most", id, kMaxUseItems);
        return;
    }
    t.use_items[t.use_item_count++] = id;
}

void sc_00_ginterface::taskNoHideUsed()
{
    _PLAY_THREAD* thread = lastThread("taskNoHideUsed");
    if (thread && !thread->tasks.empty())
        thread->tasks.back().no_hide_used = 1;
}

// ---------------------------------------------------------------------------
// Running

void sc_00_ginterface::setThreadActiveForHelp(int t, int state)
{
    if (t < 0 || t >= static_cast<int>(threads.size()))
        return;
    threads[t].active_for_help = state;
    setVarI(threadKey(threads[t].id, "_active_for_help"), state);
}

void sc_00_ginterface::incTask(_PLAY_THREAD& t)
{
    ++t.cur_task;
    setVarI(threadKey(t.id, "_cur__TASK"), t.cur_task);
}

void sc_00_ginterface::threadStart(_PLAY_THREAD& t)
{
    if (t.cur_task >= 0)
    {
        const int type = t.cur_task < t.task_count() ? t.tasks[t.cur_task].type : 0;
        Log::print("\n\n* * * You've already trying to start thread!!! (type: %d) @%d (thread %d) started!", type,
                   t.cur_task, t.id);
        return;
    }
    if (getConfigI("load_from_save") != 0)
    {
        t.cur_task = getVarI(threadKey(t.id, "_cur__TASK"));
        t.active_for_help = getVarI(threadKey(t.id, "_active_for_help"));
        if (t.cur_task < 0 || t.cur_task > t.task_count())
        {
            Log::print("\nWARNING: 00_ginterface: thread %d saved at task %d of %d; it starts again", t.id,
                       t.cur_task, t.task_count());
            t.cur_task = 0;
        }
    }
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

void sc_00_ginterface::taskStart(__TASK& t)
{
    t.state = 1;
    switch (t.type)
    {
    case TT_CLICK:
        for (int i = 0; i < t.obj_count; ++i)
        {
            if (t.objs[i].show_on_start)
                setVisible(t.objs[i].obj, true);
            setObjStateI(t.objs[i].obj, "clicked", 0);
        }
        break;
    case TT_DIALOG:
        deactivateWhile(gApp.findObjectHandle("02_dialogs"), t.param, 1);
        break;
    case TT_MINIGAME:
        playMode = 2;
        if (nearPlaneObj != 0)
            sendNotify(nearPlaneObj, getOwner(), 2);
        nearPlaneObj = 0;
        for (int i = 0; i < t.obj_count; ++i)
            sendNotify(t.objs[i].obj, getOwner(), t.param);
        break;
    case TT_CUTSCENE:
        sendNotifyByName("interface", 100, 0);
        playMode = 3;
        if (!t.hide_interface_before)
            interfaceActive = 0;
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
    case TT_PICK:
        // As if the object had been clicked with nothing held.
        attachedItemId = 0;
        lastItemId = 0;
        if (t.obj_count > 0)
            gameOnNotify(777, t.objs[0].obj);
        break;
    case TT_GET_PARAM:
    case TT_SHOW_INTERFACE:
        break;
    default:
        Log::print("\nWARNING: 00_ginterface: task type %d needs the inventory, which this interface lacks", t.type);
        break;
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
            setCursorMode(1);
            if (o.model_obj != 0 && o.after_use == 1)
                setVisible(o.model_obj, false);
            else if (o.model_obj != 0 && o.after_use == 2)
                setVisible(o.model_obj, true);
            else if (o.model_obj != 0 && o.after_use == 100)
                sendNotify(o.model_obj, 0, 100);
        }
        return taskIsAllPicked(t);
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
    case TT_VISIBLE:
    case TT_PICK:
    case TT_HELP:
    case TT_SET_PARAM:
    case TT_SHOW_INTERFACE:
        return 1;
    default:
        return 0;
    }
}

void sc_00_ginterface::taskEnd(__TASK& t)
{
    t.state = 100;
    switch (t.type)
    {
    case TT_CLICK:
        if (!t.no_hide_used)
            for (int i = 0; i < t.obj_count; ++i)
                if (t.objs[i].obj != 0)
                    setVisible(t.objs[i].obj, false);
        break;
    case TT_MINIGAME:
        playMode = 1;
        sendNotifyByName("interface", 80, 0);
        activateGinterface();
        break;
    case TT_CUTSCENE:
        if (t.show_interface_after == 1)
        {
            setCursorMode(0);
            playMode = 1;
            if (t.hide_interface_before == 0)
                interfaceActive = 1;
        }
        sendNotifyByName("interface", 80, 0);
        break;
    default:
        break;
    }
}
