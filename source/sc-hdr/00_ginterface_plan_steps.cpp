// The runner of the plan tables: each step calls its builder or modifier
// with the step's literal arguments, so that a table builds what the same
// calls written out build, in the same order.
#include "00_ginterface.h"
#include "00_ginterface_plan_steps.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <cstdlib>

namespace
{
OBJECT_HANDLE handleOf(const char* name)
{
    return gApp.findObjectHandle(name);
}

/// The cameras of a numbered-object builder: the list "3,3,2" read into
/// cams; missing entries (or no list) are camera 1.
void readCams(const char* list, int* cams, int num)
{
    sc_00_ginterface::fillArray(cams, num, 1);
    for (int i = 0; list && *list && i < num; ++i)
    {
        char* end = nullptr;
        cams[i] = static_cast<int>(std::strtol(list, &end, 10));
        list = *end == ',' ? end + 1 : end;
    }
}
} // namespace

void sc_00_ginterface::fillArray(int* array, int num, int value)
{
    for (int i = 0; i < num; ++i)
        array[i] = value;
}

void sc_00_ginterface::buildPlan(const plan::Step* steps, size_t count)
{
    TQ_TRACE(" buildPlan(const plan::Step* steps, size_t count)");
    for (size_t i = 0; i < count; ++i)
    {
        const plan::Step& s = steps[i];
        int rooms[kMaxObjects] = {};
        int cams[kMaxObjects] = {};
        const int num = s.b < kMaxObjects ? s.b : kMaxObjects;
        if (s.op == plan::CLICK_EX || s.op == plan::FIND_EX || s.op == plan::FIND_EX_SN || s.op == plan::USE_EX)
        {
            fillArray(rooms, num, s.c);
            readCams(s.cams, cams, num);
        }
        switch (s.op)
        {
        case plan::THREAD: threadAdd(s.a); break;
        case plan::NAME: threadName(s.name); break;
        case plan::ROOM: threadRoom(s.a); break;
        case plan::BONUS_TIME: threadBonusTime(s.a); break;

        case plan::CLICK: taskAddClick(handleOf(s.name), s.a, s.b, s.c); break;
        case plan::CLICK_EX: taskAddClickEx(s.name, s.b, rooms, cams, s.d); break;
        case plan::FIND1: taskAddFindObj1(s.a, s.name, s.b, s.c, s.d); break;
        case plan::FIND_EX: taskAddFindObjEx(s.a, s.name, s.b, rooms, cams, s.d); break;
        case plan::FIND_EX_SN: taskAddFindObjExSn(s.a, s.name, s.b, rooms, cams, s.d, s.e); break;
        case plan::USE1: taskAddUseObj1(s.a, s.name, s.b, s.c, s.d); break;
        case plan::USE_EX: taskAddUseObjEx(s.a, s.name, s.b, rooms, cams, s.d); break;
        case plan::VISIBLE: taskAddVisibleObj1(s.name, s.a); break;
        case plan::NOTIFY: taskAddNotify(s.name, s.a, s.b); break;
        case plan::NOTIFY2: taskAddNotify2(s.name, s.a, s.b); break;
        case plan::SCREEN_SHOT: taskAddMakeScreenShot(); break;
        case plan::STOP_SOUND: taskAddStopCutSceneSound(); break;
        case plan::JOURNAL: taskAddTaskToJournal(s.a); break;
        case plan::DIALOG: taskAddDialog(s.a); break;
        case plan::MINI_GAME: taskAddMiniGame(s.name, s.a); break;
        case plan::CUT_SCENE: taskAddCutScene(s.name, s.a, s.b); break;
        case plan::CUT_SCENE2: taskAddCutScene2(s.name, s.a, s.b, s.c); break;
        case plan::CUT_SCENE3: taskAddCutScene3(s.name, s.a, s.b, s.c); break;
        case plan::FADE: taskAddFade(s.a); break;
        case plan::HELP_ON: taskAddHelpOn(s.name); break;
        case plan::HELP_OFF: taskAddHelpOff(s.name); break;
        case plan::SET_PARAM: taskAddSetParam(s.name, s.a); break;
        case plan::GET_PARAM: taskAddGetParam(s.name, s.a); break;
        case plan::SHOW_TASK: taskAddShowTask(s.a); break;
        case plan::HIDE_TASK: taskAddHideTask(s.a); break;
        case plan::DEACTIVATE: taskAddDeactivate(s.name, s.a); break;
        case plan::WAIT_BONUS: taskAddWaitBonus(s.a); break;
        case plan::NEAR_PLANE_MINI: taskAddNearPlaneMini(s.name, s.a, s.b, s.c); break;
        case plan::PICK: taskAddPickObj(s.name); break;

        case plan::PIKED: taskAddPikedObj(s.name, s.a, s.b, s.c); break;
        case plan::PIKED_SERIES:
            for (int n = s.a; n < s.a + s.b; ++n)
                taskAddPikedObj(ScriptObject::indexedKey(String(s.name) + "_", n), s.c, s.d, s.e);
            break;
        case plan::SHOW_ON_TASK: taskShowOnTask(s.a, s.b); break;
        case plan::HELP_COND: taskHelpCond(s.a, s.name, s.b); break;
        case plan::HELP_OBJ: taskHelpObj(s.a, s.name); break;
        case plan::START_WITHOUT_IMAGE: taskSetStartWithoutImage(s.a); break;
        case plan::SHOW_AFTER_USE: taskSetShowAfterUse(s.a, s.b, handleOf(s.object)); break;
        case plan::MSG_AFTER_USE: taskSetMsgAfterUse(s.a, handleOf(s.object)); break;
        case plan::NO_HIDE_USED: taskNoHideUsed(); break;
        case plan::NO_HIDE_INTERFACE_BEFORE: taskNoHideInterfaceBefore(); break;
        case plan::SHOW_INTERFACE_NPZ_OBJ: taskSetShowInterfaceNpzObj(s.name); break;
        case plan::USE_ITEM_ID: taskUseItemId(s.a); break;
        case plan::CLICK_ITEM_ID: taskClickItemId(s.a); break;
        case plan::NO_PARTICLES: taskNoParticles(); break;
        }
    }
}
