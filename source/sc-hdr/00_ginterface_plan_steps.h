// The vocabulary in which the play plans of the interface are written as
// tables: one step is one builder or modifier call with literal arguments,
// or the declaration of a thread.  sc_00_ginterface::buildPlan runs a table
// step by step, in order, so a table builds exactly the threads, tasks and
// objects that the same calls written out would build; the order of the
// steps is the order of the saved game.
#pragma once

#include <cstdint>

namespace plan
{
enum Op : uint8_t
{
    // threads
    THREAD,
    NAME,
    ROOM,
    BONUS_TIME,
    // builders: each adds one or more tasks to the last thread
    CLICK,
    CLICK_EX,
    FIND1,
    FIND_EX,
    FIND_EX_SN,
    USE1,
    USE_EX,
    VISIBLE,
    NOTIFY,
    NOTIFY2,
    SCREEN_SHOT,
    STOP_SOUND,
    JOURNAL,
    DIALOG,
    MINI_GAME,
    CUT_SCENE,
    CUT_SCENE2,
    CUT_SCENE3,
    FADE,
    HELP_ON,
    HELP_OFF,
    SET_PARAM,
    GET_PARAM,
    SHOW_TASK,
    HIDE_TASK,
    DEACTIVATE,
    WAIT_BONUS,
    NEAR_PLANE_MINI,
    PICK,
    // modifiers of the last task
    PIKED,
    PIKED_SERIES,
    SHOW_ON_TASK,
    HELP_COND,
    HELP_OBJ,
    START_WITHOUT_IMAGE,
    SHOW_AFTER_USE,
    MSG_AFTER_USE,
    NO_HIDE_USED,
    NO_HIDE_INTERFACE_BEFORE,
    SHOW_INTERFACE_NPZ_OBJ,
    USE_ITEM_ID,
    CLICK_ITEM_ID,
    NO_PARTICLES,
};

/// One call.  The numbered-object builders take one room for all their
/// objects and the cameras as a list "3,3,2,7" (nullptr: camera 1 each).
struct Step
{
    Op op;
    const char* name = nullptr; ///< object, base name, variable or thread name
    int a = 0, b = 0, c = 0, d = 0, e = 0;
    const char* cams = nullptr;
    const char* object = nullptr; ///< the second object of an after-use modifier
};

/// A group of scene objects and the visibility-flag mask they get.
struct GroupFlags
{
    const char* group;
    uint32_t mask;
};

/// An item and the object whose picture is its icon.
struct Picture
{
    int id;
    const char* object;
};

// -- threads -------------------------------------------------------------------------
constexpr Step thread(int help_state = 1) { return {THREAD, nullptr, help_state}; }
constexpr Step name(const char* n) { return {NAME, n}; }
constexpr Step room(int r) { return {ROOM, nullptr, r}; }
constexpr Step bonusTime(int t) { return {BONUS_TIME, nullptr, t}; }

// -- builders ------------------------------------------------------------------------
constexpr Step click(const char* o, int r, int c, int show = 1) { return {CLICK, o, r, c, show}; }
constexpr Step clickEx(const char* base, int n, int r, const char* cams, int show)
{
    return {CLICK_EX, base, 0, n, r, show, 0, cams};
}
constexpr Step find1(int item, const char* o, int r, int c, int show = 1) { return {FIND1, o, item, r, c, show}; }
constexpr Step findEx(int item, const char* base, int n, int r, const char* cams, int show)
{
    return {FIND_EX, base, item, n, r, show, 0, cams};
}
constexpr Step findExSn(int item, const char* base, int n, int r, const char* cams, int show, int start)
{
    return {FIND_EX_SN, base, item, n, r, show, start, cams};
}
constexpr Step use1(int item, const char* o, int r, int c, int show = 1) { return {USE1, o, item, r, c, show}; }
constexpr Step useEx(int item, const char* base, int n, int r, const char* cams, int show)
{
    return {USE_EX, base, item, n, r, show, 0, cams};
}
constexpr Step show(const char* o) { return {VISIBLE, o, 1}; }
constexpr Step hide(const char* o) { return {VISIBLE, o, 0}; }
constexpr Step notify(const char* o, int code, int skip = 0) { return {NOTIFY, o, code, skip}; }
constexpr Step notify2(const char* o, int code, int skip = 0) { return {NOTIFY2, o, code, skip}; }
constexpr Step screenShot() { return {SCREEN_SHOT}; }
constexpr Step stopSound() { return {STOP_SOUND}; }
constexpr Step journal(int id) { return {JOURNAL, nullptr, id}; }
constexpr Step dialog(int id) { return {DIALOG, nullptr, id}; }
/// A mini-game through "00_minigame_starter".
constexpr Step miniGame(int code) { return {MINI_GAME, "00_minigame_starter", code}; }
constexpr Step cutScene(const char* o, int code, int show_after = 1) { return {CUT_SCENE, o, code, show_after}; }
constexpr Step cutScene2(const char* o, int code, int show_after = 1, int no_skip = 0)
{
    return {CUT_SCENE2, o, code, show_after, no_skip};
}
constexpr Step cutScene3(const char* o, int code, int fade = 0, int show_after = 1)
{
    return {CUT_SCENE3, o, code, fade, show_after};
}
constexpr Step fade(int slow = 0) { return {FADE, nullptr, slow}; }
constexpr Step helpOn(const char* t) { return {HELP_ON, t}; }
constexpr Step helpOff(const char* t) { return {HELP_OFF, t}; }
constexpr Step set(const char* var, int v) { return {SET_PARAM, var, v}; }
constexpr Step wait(const char* var, int v) { return {GET_PARAM, var, v}; }
constexpr Step showTask(int id) { return {SHOW_TASK, nullptr, id}; }
constexpr Step hideTask(int id) { return {HIDE_TASK, nullptr, id}; }
constexpr Step deactivate(const char* o, int code) { return {DEACTIVATE, o, code}; }
constexpr Step waitBonus(int id) { return {WAIT_BONUS, nullptr, id}; }
constexpr Step nearPlaneMini(const char* o, int r, int c, int show = 1) { return {NEAR_PLANE_MINI, o, r, c, show}; }
constexpr Step pick(const char* o) { return {PICK, o}; }

// -- modifiers -------------------------------------------------------------------------
constexpr Step piked(const char* o, int r, int c, int show) { return {PIKED, o, r, c, show}; }
/// count pieces base_NN from number first on, one room and camera.
constexpr Step pikedSeries(const char* base, int first, int count, int r, int c, int show)
{
    return {PIKED_SERIES, base, first, count, r, c, show};
}
constexpr Step showOnTask(int i, int show) { return {SHOW_ON_TASK, nullptr, i, show}; }
constexpr Step helpCond(int i, const char* var, int v) { return {HELP_COND, var, i, v}; }
constexpr Step helpObj(int i, const char* o) { return {HELP_OBJ, o, i}; }
constexpr Step withoutImage() { return {START_WITHOUT_IMAGE, nullptr, 1}; }
constexpr Step showAfterUse(int i, int flag, const char* o) { return {SHOW_AFTER_USE, nullptr, i, flag, 0, 0, 0, nullptr, o}; }
constexpr Step msgAfterUse(int i, const char* o) { return {MSG_AFTER_USE, nullptr, i, 0, 0, 0, 0, nullptr, o}; }
constexpr Step noHideUsed() { return {NO_HIDE_USED}; }
constexpr Step noHideInterfaceBefore() { return {NO_HIDE_INTERFACE_BEFORE}; }
constexpr Step interfaceObj(const char* o) { return {SHOW_INTERFACE_NPZ_OBJ, o}; }
constexpr Step useItemId(int id) { return {USE_ITEM_ID, nullptr, id}; }
constexpr Step clickItemId(int id) { return {CLICK_ITEM_ID, nullptr, id}; }
constexpr Step noParticles() { return {NO_PARTICLES}; }
} // namespace plan
