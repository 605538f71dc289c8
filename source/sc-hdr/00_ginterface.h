// The script registered as "00_ginterface.sc", bound to the object
// "00_game_interface": the controller of play inside a location.
//
// It runs the location's play threads: each thread is a chain of tasks
// (click these objects, find the parts of an item, use an item on an
// object, play this dialog or cut scene, start this mini-game, notify that
// object, set or wait for a game variable ...).  Every notification that
// reaches the interface and that it does not consume itself is offered to
// all threads in order; after each completed task the offer starts again at
// thread 0, so one code can complete a chain of tasks in one call.  A
// thread's position is saved as the game variable "thread_NN_cur__TASK" at
// every step.
//
// Around the threads it draws the in-game interface: four slide-in menus of
// overlay buttons (corner panels, turn arrows, border, inventory bar), the
// inventory's ten slots with their layered item pictures and counters, the
// hint button with its refill gauge, the back and skip buttons, the
// pick-up sparkles and the tutorial's steps.
//
// While another script runs a modal exchange (a dialog, a close-up, a
// message box) the interface is held: clicks are off until that object
// answers one of the expected codes.  The loader's 555 starts play once;
// its 550 at the end of the fade-in gives the player the mouse.
//
// The play threads grow as the location's plan fills them, so that a
// running game holds only the records it uses.
//
// The work is split by area: 00_ginterface.cpp (handlers, game flow, frame
// work), _threads (threads, builders, task engine, hint eligibility),
// _counters (counters, easing, geometry and overlay helpers), _menus,
// _items (bonus, item changes, item pictures), _inventory, _hints,
// _tutorial (tutorial steps and pick-up sparkles), _plans (the play plans
// of locations 1 to 3), _plan_steps (the table runner of the plans) and
// _plan4 to _plan6 (the plans of locations 4 to 6 as tables).
#pragma once

#include "00_msg.h"
#include "CodeScript.h"

#include <OgreQuaternion.h>

#include <cstddef>
#include <vector>

namespace plan
{
struct Step;
}

class sc_00_ginterface : public virtual CodeScript, public virtual sc_00_msg
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_ginterface(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    // -- task types --------------------------------------------------------
    enum
    {
        TT_CLICK = 1,
        TT_FIND = 2,
        TT_USE = 3,
        TT_DIALOG = 4,
        TT_MINIGAME = 5,
        TT_NOTIFY = 6,
        TT_VISIBLE = 7,
        TT_CUTSCENE = 8,
        TT_HIDE_TASK = 9,
        TT_SHOW_TASK = 10,
        TT_PICK = 11,
        TT_HELP = 12,
        TT_SET_PARAM = 13,
        TT_GET_PARAM = 14,
        TT_NEAR_PLANE_MINI = 15,
        TT_DEACTIVATE = 16,
        TT_WAIT_BONUS = 17,
        TT_CHANGE_ITEM = 18,
        TT_SHOW_INTERFACE = 19
    };
    static constexpr int HELP_ON = 1;
    static constexpr int SHOW_ON_START = 1;
    static constexpr int CUTSCENE_FADE_NO = 0;

    static constexpr int kMaxThreads = 64;
    static constexpr int kMaxTasks = 256;
    static constexpr int kMaxObjects = 16;
    static constexpr int kMaxUseItems = 10;
    static constexpr int kMaxConditions = 16;
    static constexpr int kSlots = 10;
    static constexpr int kCounters = 11;
    static constexpr int kHintCounter = 10;
    static constexpr int kMenus = 4;
    static constexpr int kMenuItems = 32;
    static constexpr int kLayers = 6;
    static constexpr int kPictures = 64;
    static constexpr int kTutorialSteps = 32;

    /// Ids of the interface's buttons within their menus.
    enum
    {
        ID_MENU = 0,
        ID_HELP = 1,
        ID_LEFT_PANEL = 2,
        ID_HELP_NUM = 3,
        ID_JOURNAL = 4,
        ID_RIGHT_PANEL = 5,
        ID_INSTRUCTION = 6,
        ID_ROTATE_LEFT = 0,
        ID_ROTATE_RIGHT = 1,
        ID_BK_LEFT = 10,
        ID_BK_RIGHT = 11,
        ID_BK = 12,
        ID_COUNTER0 = 13,
        ID_BACK = 23,
        ID_SKIP = 24,
        ID_SKIP_LINE = 25
    };

    // -- records -------------------------------------------------------------
    /// A condition on a game variable: it holds when (the variable equals
    /// val) agrees with cond (1 must equal, 0 must differ).
    struct __MSN_CONDITION
    {
        int val = 0;
        String param;
        int cond = 1;
    };

    /// One object of a task.
    struct __PICKED_OBJ
    {
        int room = 0;
        int cam = 0;
        OBJECT_HANDLE obj = 0;        ///< the object whose 777 counts
        OBJECT_HANDLE help_obj = 0;   ///< what a hint points at
        OBJECT_HANDLE model_obj = 0;  ///< the visible model: the name without its first "az_"
        String help_param;            ///< hint condition variable, "" none
        int help_value = -1;          ///< its value, -1 no condition
        int done = 0;
        int show_on_start = 1;
        int after_use = 0;            ///< on model_obj: 0 none, 1 hide, 2 show, 100 send 100
        OBJECT_HANDLE anim_obj_after_use = 0;
        int msg_obj_after_use = 0;
        int cond_count = 0;
        __MSN_CONDITION conds[kMaxConditions];
    };

    /// One step of a thread.
    struct __TASK
    {
        int thread = 0;
        int state = -1;               ///< -1 built, 1 started, 100 ended
        int type = 0;
        int param = 0;
        int num_texture_parts = 0;
        int show_on_start = 1;        ///< second parameter (skip flag of a notify task, new id of a change)
        String str;                   ///< thread name or game variable
        int particles = 1;
        int start_pick_without_image = 0;
        int no_hide_used = 0;
        int no_hide_item = 0;
        int use_items[kMaxUseItems] = {};
        int use_item_count = 0;
        int hide_interface_before = 1;
        int show_interface_after = 1;
        int no_skip = 0;
        int item = -1;
        int obj_count = 0;
        __PICKED_OBJ objs[kMaxObjects];
        OBJECT_HANDLE show_interface_obj = 0;
    };

    /// One chain of tasks.
    struct _PLAY_THREAD
    {
        std::vector<__TASK> tasks;    ///< task_count is tasks.size()
        int cur_task = -1;            ///< -1 not started; tasks.size() finished
        int id = 0;
        int active_for_help = 0;
        int help_state = HELP_ON;
        String name;
        int room = -1;
        int bonus_time = 0;
        int task_count() const { return static_cast<int>(tasks.size()); }
    };

    /// One panel of the interface: its names, where it was put and shown.
    /// Positions and sizes are fractions of the screen.
    struct ___OVERLAY
    {
        String sOv;                   ///< overlay
        String sPan1;                 ///< top-level panel
        String sPan2;                 ///< child of it ("" the panel itself)
        String mat;
        int created = 0;
        vec3 pos = vec3::ZERO, size = vec3::ZERO;           ///< where it is
        vec3 scrPos = vec3::ZERO, scrSize = vec3::ZERO;     ///< where placement put it on screen
        vec3 pos0 = vec3::ZERO, size0 = vec3::ZERO;         ///< where it was made
        vec3 dpos = vec3::ZERO, dsize = vec3::ZERO;         ///< the highlight's offset from the button
        int shown = 1;                ///< visibility sent last
    };

    /// One fading layer of a material: pass 2 x pass of the item's material.
    struct __MAT_PASS
    {
        int state = 0;                ///< 0 hidden, 1 fading in, 2 shown, 3 fading out
        float alpha = 0.0f;
        int active = 0;               ///< 1 once shown; only active layers are drawn
        int pass = 0;
        float speed = 2.0f;
    };

    /// A number beside an icon: a strip of 32 digit cells scrolled into place.
    struct counterRecord
    {
        String overlay;
        String element;
        String digitMat;
        String bigMat;
        String numMat;
        int state = 0;                ///< 0 none, 1 fading in, 2 shown, 3 hiding
        float fade = 0.0f;
        int mid = 0, id = 0;          ///< the counter's button
        vec3 offset2 = vec3::ZERO;    ///< offset for two digits
        vec3 offset1 = vec3::ZERO;    ///< offset for one digit
        vec3 offset = vec3::ZERO;
        int count = 0;
        float delay = 0.0f;
        float from = 0.0f, current = 0.0f, to = 0.0f;
        float itemRoll = 1.0f;
        int max = 0;
        int wanted = 0;
        int menuShown = 1;
        int shown = 1;
    };

    /// One button of a menu.
    struct __MENU_ITEM
    {
        ___OVERLAY main, fx, text, text2;
        vec3 overPos = vec3::ZERO, overSize = vec3::ZERO;
        vec3 hidePos = vec3::ZERO;
        float shift = 1.0f;           ///< slide phase 0..1
        float ampX = 0.0f, ampY = 0.0f;
        int disabled = 0;
        int id = 0, mid = 0;
        int flags = 1;
        int hoverState = 0;
        float hoverAlpha = 0.0f;
        int showState = 2;
        float showAlpha = 1.0f;
        String font = "Fonts/00_font_01", font2 = "Fonts/00_font_01";
        vec3 textPos = vec3::ZERO;    ///< the texts' offset from the button
        int zorder = 0;
    };

    struct _MENU
    {
        int state = 0;                ///< 0 hidden, 1 showing, 2 shown, 3 hiding
        float alpha = 0.0f;
        int count = 0;
        __MENU_ITEM items[kMenuItems];
        int mid = 0;
    };

    /// One inventory slot.
    struct _ITEM
    {
        ___OVERLAY picture;
        __MAT_PASS layers[kLayers];
        int layerCount = 0;
        int used = 0;
        int slot = 0;
        int id = 0;
        int onMouse = 0;
        vec3 mouseOffset = vec3(0.02f, 0.02f, 0.0f);
        int ready = 0;
        vec3 shownPos = vec3::ZERO;
        int removing = 0;
        int flyKind = 0;              ///< 0 none, 1 back from the mouse, 2 after a use
        float flyTime = 0.0f;
        vec3 flyStart = vec3::ZERO;
        vec3 hiddenPos = vec3::ZERO;
        float followTime = 0.0f;
        vec3 grabOffset = vec3::ZERO;
    };

    /// One item picture rendered to texture from a 3D object.
    struct rttRecord
    {
        String name;                  ///< render target texture
        String mat;                   ///< material of the object while it is drawn
        OBJECT_HANDLE obj = 0;
        int rendered = 0;
        int id = 0;
        Ogre::Quaternion orientation = Ogre::Quaternion::IDENTITY;
        float angle = 0.0f;
        int sub = 1;
    };

    /// One pick-up sparkle with its two bursts.
    struct pickRecord
    {
        OBJECT_HANDLE pick = 0, down = 0, up = 0;
        String pickName, downName, upName;
        int downStop = -1, upStop = -1;
        int active = 0;
        vec3 from = vec3::ZERO, to = vec3::ZERO;
        float t = 0.0f;
        float speed = 1.0f;
    };

    // -- handlers ------------------------------------------------------------
    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_ACTIVATE() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE who) override;
    void ON_TIME(int id) override;

    // -- game flow (00_ginterface.cpp) -----------------------------------------
    /// Holds the interface until o answers one of msg .. msg + an - 1, and
    /// sends msg to o.
    void deactivateWhile(OBJECT_HANDLE o, int msg, int an = 1);
    /// Ends a hold and gives the interface back to the player.
    void activateGinterface();
    /// Acts on the answer to the hold that sent param: answer is the reply's
    /// offset from param.
    void readAnswer(int param, int answer);
    /// Opens the journal with msg and holds the interface until it answers.
    void openJournal(int msg);
    /// Shows the interface overlays and builds the location's play plan.
    void initGamePlay();
    /// Starts play: items, buttons, tutorial, every thread in index order.
    void gameStart();
    /// Offers one notification to every play thread.
    void gameOnNotify(int param, OBJECT_HANDLE who);
    /// The bonus tip with the bonus item of slot i (time is not used).
    void startBonusTimer(int i, int time, int item_id);
    /// Whether a click on button id of menu mid is what the tutorial waits for.
    int needForTutorial(int mid, int id);
    /// 1 when some play thread can take a hint.
    int needHelp();
    /// Clicks off or on in the one fixed way (log, clicks flag, re-pick).
    void setSceneClicks(int on);
    /// The strip slides in while the cursor is at the screen's bottom.
    void moveT();
    void processFadeAccelerate();
    void skipButtonProcess(float inc);
    /// Hover text of a menu button (-1, -1 none).
    void showHint(int mid, int id);
    /// The development keys of a run with cheats.
    void cheatKeys();

    // -- interface element ids --------------------------------------------------
    static int id_menu(int id) { return id == ID_MENU; }
    static int id_help(int id) { return id == ID_HELP; }
    static int id_left_panel(int id) { return id == ID_LEFT_PANEL; }
    static int id_help_num(int id) { return id == ID_HELP_NUM; }
    static int get_id_help_num() { return ID_HELP_NUM; }
    static int id_journal(int id) { return id == ID_JOURNAL; }
    static int id_right_panel(int id) { return id == ID_RIGHT_PANEL; }
    static int id_instruction(int id) { return id == ID_INSTRUCTION; }
    static int id_rotate_left(int id) { return id == ID_ROTATE_LEFT; }
    static int id_rotate_right(int id) { return id == ID_ROTATE_RIGHT; }
    static int id_inventory(int id) { return id >= 0 && id < kSlots; }
    static int get_id_inventory(int i) { return i; }
    static int id_bk_left(int id) { return id == ID_BK_LEFT; }
    static int id_bk_right(int id) { return id == ID_BK_RIGHT; }
    static int id_bk(int id) { return id == ID_BK; }
    static int id_inventory_counter(int id) { return id >= ID_COUNTER0 && id < ID_COUNTER0 + kSlots; }
    static int get_id_inventory_counter(int i) { return ID_COUNTER0 + i; }
    static int id_back(int id) { return id == ID_BACK; }
    static int get_id_back() { return ID_BACK; }
    static int id_skip(int id) { return id == ID_SKIP; }
    static int get_id_skip() { return ID_SKIP; }
    static int id_skip_line(int id) { return id == ID_SKIP_LINE; }
    static int get_id_skip_line() { return ID_SKIP_LINE; }

    // -- threads (00_ginterface_threads.cpp) ----------------------------------------
    void threadAdd(int help_state = HELP_ON);
    void threadName(const char* name);
    void threadRoom(int room);
    void threadBonusTime(int time);
    void threadStart(_PLAY_THREAD& t);
    /// 1 when the thread's current task completed and the thread moved on.
    int threadCheckForNextStep(_PLAY_THREAD& t, int param, OBJECT_HANDLE who, int lastId);
    void threadNext(_PLAY_THREAD& t, int lastId);
    void incTask(_PLAY_THREAD& t);
    /// The saved position, help flag and done objects of the current task.
    void loadTask(_PLAY_THREAD& t);
    void setThreadActiveForHelp(int t, int state = 1);
    /// 1 when a hint may point into the thread.
    int threadNeedHelp(const _PLAY_THREAD& th);
    /// Non-zero when object n of the task may be the hint's target.
    int taskNeedHelp(const __TASK& ta, int n);

    // -- tasks ---------------------------------------------------------------------
    void taskInit(__TASK& t, int task_type, int param);
    void taskStart(__TASK& t);
    int taskCheckForComplete(__TASK& t, int param, OBJECT_HANDLE who, int lastId);
    void taskEnd(__TASK& t);
    int taskIsAllPicked(const __TASK& t) const;
    int taskCheckConditions(const __TASK& t, int picked_id) const;
    int conditionCheck(const __MSN_CONDITION& c) const;
    /// The inventory shows which item the task wants.
    void showTask(__TASK& t);
    /// The object's hint text, when it has none, is the task item's.
    void setHintFromTask(__TASK& task, __PICKED_OBJ& obj);
    static int getHintId(int id) { return id + 2000; }

    // -- task builders (each acts on the last thread) ------------------------------
    void __TASKAddObjEx(int task_type, int param, const String& base_name, int num, int* rooms, int* cams,
                        int show_on__TASK_start, int num_texture_parts, int start_num = 1);
    void taskAddClick(OBJECT_HANDLE who, int room, int cam, int show_on__TASK_start = SHOW_ON_START);
    void taskAddClickEx(const String& base_name, int num, int* rooms, int* cams, int show_on__TASK_start);
    void taskAddFindObj1(int obj_id, const String& base_name, int room, int cam,
                         int show_on__TASK_start = SHOW_ON_START);
    void taskAddFindObjEx(int obj_id, const String& base_name, int num, int* rooms, int* cams, int show_on__TASK_start,
                          int num_texture_parts = 2);
    void taskAddFindObjExSn(int obj_id, const String& base_name, int num, int* rooms, int* cams,
                            int show_on__TASK_start, int start_num, int num_texture_parts = 2);
    void taskAddUseObj1(int obj_id, const String& who, int room, int cam, int show_on__TASK_start = SHOW_ON_START);
    void taskAddUseObjEx(int obj_id, const String& base_name, int num, int* rooms, int* cams, int show_on__TASK_start,
                         int num_texture_parts = 2);
    void taskAddVisibleObj1(const String& who, int show = SHOW_ON_START);
    void taskAddVisibleObjEx(const String& base_name, int num, int show_on__TASK_start);
    void taskAddPickObj(const String& obj);
    void taskAddHideTask(int task);
    void taskAddShowTask(int task);
    void taskAddChangeItem(int old_task, int new_task);
    void taskAddDialog(int dialog_id);
    void taskAddMiniGame(const String& name, int notify_prm);
    void taskAddNotify2(const char* name, int notify_prm, int skip = 0);
    void taskAddNotify(const String& name, int notify_prm, int skip = 0);
    void taskAddAutoSave();
    void taskAddMakeScreenShot();
    void taskAddTaskToJournal(int str);
    void taskAddStopCutSceneSound();
    void taskAddDeactivate(const String& name, int msg = 101);
    void taskAddCutScene2(const char* name, int notify_prm, int show_interface_after = 1, int no_skip = 0);
    void taskAddCutScene(const String& name, int notify_prm, int show_interface_after = 1);
    void taskAddCutScene3(const char* name, int notify_prm, int fade_status = CUTSCENE_FADE_NO,
                          int show_interface_after = 1);
    void taskAddFade(int is_slow_fadeout = 0);
    void taskAddCutSceneEnding0(const char* scene_name, int is_slow_fadeout = 0);
    void taskAddCutSceneEnding(const char* scene_name);
    void taskAddCutSceneEndingSlow(const char* scene_name);
    void taskAddNearPlaneMini(const String& name, int room, int cam, int show = 1);
    void taskAddSetParam(const String& var, int value);
    void taskAddGetParam(const String& var, int value);
    void taskAddHelpOn(const String& thread);
    void taskAddHelpOff(const String& thread);
    void taskAddWaitBonus(int item_id);
    void taskAddShowInterface();
    void taskAddPikedObj(const String& base_name, int room, int cam, int show_on__TASK_start,
                         int set_hint_from_task = 1);

    // -- modifiers of the last task ---------------------------------------------------
    void taskShowOnTask(int pick_id, int show_on_start__TASK);
    void taskHelpCond(int pick_id, const String& param, int value);
    void taskHelpObj(int pick_id, const String& s);
    void taskSetHideAfterUse(int picked_id, int hide_obj_after_use);
    void taskSetShowAfterUse(int picked_id, int show_obj_after_use, OBJECT_HANDLE obj = 0);
    void taskSetMsgAfterUse(int picked_id, OBJECT_HANDLE obj = 0);
    void taskSetAnimAfterUse(int picked_id, int anim_obj_after_use, int msg_obj_after_use);
    void taskNoHideInterfaceBefore();
    void taskNoHideItem();
    /// Leaves the last task's clicked or used objects visible.
    void taskNoHideUsed();
    void taskNoParticles();
    void taskSetStartWithoutImage(int start_pick_without_image);
    void taskSetShowInterfaceNpzObj(const char* obj);
    void taskClickItemId(int id);
    /// Adds item id to the items that may be held while clicking the last
    /// task's objects.
    void taskUseItemId(int id);

    // -- small helpers ---------------------------------------------------------------
    /// The game variable "<node name of obj>@<prm>".  (The script API's
    /// getObjParamI reads the object's .scene parameters instead.)
    int getObjStateI(OBJECT_HANDLE obj, const String& prm) const;
    void setObjStateI(OBJECT_HANDLE obj, const String& prm, int value);
    /// The game variable name + i as two digits + prm; name keeps the digits.
    int getParamI(String& name, int i, const String& prm) const;
    void setParamI(String& name, int i, const String& prm, int val);
    /// The handle of the object whose name the game variable param holds.
    void getValueObject(const String& param, OBJECT_HANDLE& variable) const;
    /// The game variable param := the node name of obj ("" when none).
    void setValueObject(const String& param, OBJECT_HANDLE obj);
    void getNearPlaneMini();
    void getNearPlaneObj();
    void getNearPlaneObj2();
    void setNearPlaneMini(OBJECT_HANDLE obj);
    void setNearPlaneObj(OBJECT_HANDLE obj);
    void setNearPlaneObj2(OBJECT_HANDLE obj);
    static int rub_cam(int c);

    // -- geometry and easing (00_ginterface_counters.cpp) -----------------------------
    static float cubeFunc(float x);
    static float cubeFunc2(float x);
    static float cosFunc(float x);
    static float quadFunc(float x);
    float funcT(float a) const;
    float getCenterT() const;
    void getMatT();
    void transform(const vec3& old_pos, const vec3& old_size, vec3& new_pos, vec3& new_size) const;
    void transform2(const vec3& old_pos, const vec3& old_size, vec3& new_pos, vec3& new_size) const;
    void transform3(const vec3& old_pos, const vec3& old_size, vec3& new_pos, vec3& new_size) const;
    /// One fade step of a four-state value: 2 shown, 0 hidden, -1 otherwise.
    int updateValue(int* state, float* alpha, float show_spd, float hide_spd) const;
    static void vec3_lerp(vec3& res, const vec3& from, const vec3& to, float a);
    static void vec3_interpolate_cube(vec3& cur, const vec3& begin, const vec3& end, float param);

    // -- overlays --------------------------------------------------------------------
    void ovInit(___OVERLAY& ov, const String& sOv, const String& sPan1, const String& sPan2, const String& mat);
    void ovCreate(___OVERLAY& ov, int zorder, const String& mat, float x, float y, float sx, float sy);
    /// A text element inside the panel of parent, at an offset from it.
    void ovCreateText(___OVERLAY& ov, const ___OVERLAY& parent, int zorder, float x, float y, float sx, float sy);
    void ovDestroy(___OVERLAY& ov);
    void ovSetFill(___OVERLAY& ov, float alpha);
    void ovSetMaterial(___OVERLAY& ov, const String& mat);
    void ovSetPosition(___OVERLAY& ov, const vec3& pos);
    void ovSetPosition2(___OVERLAY& ov, const vec3& new_pos, float x, float y);
    void ovSetPosition3(___OVERLAY& ov, const vec3& new_pos, float x, float y, int scale = 1);
    void ovSetSize(___OVERLAY& ov, const vec3& size);
    void ovSetZOrder(___OVERLAY& ov, int z);
    void ovShowHide(___OVERLAY& ov, int show);

    // -- counters --------------------------------------------------------------------
    void countersInit();
    void countersDestroy();
    void countersProcess(float inc);
    void counterSetCount(int i, int c, float time);
    void counterSetMax(int i, int c);
    int counterGetCount(int i) const;
    int counterGetMax(int i) const;
    void counterSetPosition(int i, float x, float y, float x2, float y2);
    void counterVisible(int i, int v);
    void counterHide(int i);
    void counterHideAll();
    void counterUpdateVisible(int i);

    // -- menus (00_ginterface_menus.cpp) ----------------------------------------------
    void menusInit();
    void menuInit(int mid);
    void menusDelete();
    void menuDelete(int mid);
    void menuItemInit(__MENU_ITEM& it, int mid, int id);
    void menuItemDelete(__MENU_ITEM& it);
    void menuShow(int mid, int end = 0);
    void menuHide(int mid, int end = 0);
    void menuShowAll(OBJECT_HANDLE obj);
    void menusProcess();
    void menuProcess(int mid);
    void menuItemProcess(__MENU_ITEM& it);
    void menuItemUpdateAlpha(__MENU_ITEM& it, float menuAlpha);
    void menuItemUpdateHidePos(__MENU_ITEM& it);
    void menuItemSetDelta(__MENU_ITEM& it, float x, float y, float sx, float sy);
    void menuItemSetOver(__MENU_ITEM& it, float x, float y, float sx, float sy);
    void menuItemOnPress(int mid, int id);
    void menuBackButtonClick(int finish_mini_game);
    void menuDisableItem(int mid, int id, int dis);
    /// The compaction of the inventory row after a slot slid out.
    void menuItemShift(int id);
    void instructionPress();
    void hideIcon(int id_icon, int end);
    void showIcon(int id_icon, int end);
    void setBackButtonVisible(int i);
    void setSkipButtonVisible(int i);
    void switchHelp(int state);
    void setHelpScroll(float alpha);
    void setHelpItemAlpha(float a);

    // -- bonus, item changes and pictures (00_ginterface_items.cpp) ----------------------
    void bonusSetId(int id);
    void bonusBonus();
    void bonus_next_task();
    void changeItem(int old_id, int new_id);
    void ereaseItem(int i);
    int existItem(int id) const;
    int checkMoveOk(const _ITEM& it) const;
    void addRttTexture(const String& name, const String& object, const String& material, int id = 0);
    void addRttTask(int id, const String& name);
    void addRttTask2(int id, const String& name, int sub);
    void setRttTextureSubmaterial(int s);
    void rttRender(int n);
    void rttRenderAll();
    void rttTextureProcess();
    void rttRenderIdOn(int id);
    void rttRenderIdOff();
    void rttRenderIdRotate(int id, float a, int st);
    void setRttOrientation(OBJECT_HANDLE object3d, const Ogre::Quaternion& ori, float a);

    // -- inventory (00_ginterface_inventory.cpp) ----------------------------------------
    void invCreate();
    void invInit();
    void invDestroy();
    void invDisable(int disable);
    void invAddTask(int item_id, int pick_num, int ready, int _max, int bonus_time);
    void invRemoveTask(int item_id);
    /// A slot came free: the first item that waited for one takes it.
    void invTakeWaiting();
    void invMakeItemUsable(int item_id, int usable = 1);
    void invAddTaskPart(int item_id, int part);
    void invHideTaskPart(int item_id, int part);
    void invMakePassUsable(int item_id);
    void invFlyTo(int item_id, vec3& pos);
    void invProcess();
    static bool isInside(const vec3& pos, const vec3& size, const vec3& p);
    void itemInit(_ITEM& it, const String& sPan0, const String& sPan1, const String& sPan2);
    void itemCreate(_ITEM& it, const String& mat, float x, float y, float sx, float sy);
    void itemDestroy(_ITEM& it);
    void itemAdd(_ITEM& it, int item_id, int num, int ready, int _max);
    void itemAddPass(_ITEM& it, int p);
    void itemHidePass(_ITEM& it, int p);
    void itemRemove(_ITEM& it);
    void itemFlyTo(_ITEM& it, int from = 1);
    void itemAttachToMouse(_ITEM& it);
    void itemDetachFromMouse(_ITEM& it, int fly);
    void itemDetachFromMouse2(int fly);
    void itemAttachToMenu(_ITEM& it);
    void itemProcess(_ITEM& it);
    void itemPassProcess(_ITEM& it);
    void itemGetDisableMove(const __MENU_ITEM& it, vec3& dm) const;
    /// The slot buttons' frame textures for ready or not ready.
    void itemSetSlotTextures(int slot, int ready);
    /// Whether the player may pick an item this frame.
    bool mayPick() const;
    /// The slot that holds item id, or -1.
    int slotOf(int item_id) const;
    /// 1 when a slot holds the item and it is ready to use.
    int readyItem2(int id) const;
    /// Slot i from the saved variables.
    void loadItem(int i);
    /// The running bonus from the saved variables.
    void loadBonus();

    // -- the mouse record ------------------------------------------------------------
    void mouseInit();
    void mouseAttach(int id);
    void mouseDetach();
    /// The last item id, which is then replaced by the attached one.
    int mouseGetLastId();
    bool mouseIsLButtonClick() const { return lButton && !lButtonPrev; }
    int mouseMoved() const;

    // -- hints (00_ginterface_hints.cpp) ---------------------------------------------------
    void helpInit();
    void helpDestroy();
    void helpPress();
    void helpOnBlackScreen();
    void helpOnBlackScreen2();
    /// Cuts to what a hint points at; 0 (and no cut) when nothing is left.
    int getTip();
    void getHelpObj(int& r, int& c, OBJECT_HANDLE& obj, int& id);
    void getLazerPushkaCam(int& c, int& r, OBJECT_HANDLE& obj);
    int checkLazerPushkaHelp();
    void endMissionTip();
    void helpProcess(float inc);
    void initHelpItem(int id);

    // -- tutorial and pick-up sparkles (00_ginterface_tutorial.cpp) -------------------------
    void tutorialInit(int on);
    void tutorialLoad();
    int tutorialReady(int i);
    void tutorialAz(int i, OBJECT_HANDLE az);
    void tutorialButton(int i, int mid, int id);
    void tutorialClose();
    void tutorialFinish();
    void tutorialNotify(int param);
    void tutorialState(int param, OBJECT_HANDLE sender);
    void setTutorialTask(int task, int value);
    void pickerInit();
    void pickInit(int i);
    float pickerStart(float x1, float y1, float x2, float y2);
    void pickerUpdate(float inc);
    void pickUpdate(int i, float inc);
    void pickStartDownExpl(int i);
    void pickStartUpExpl(int i);
    void pickStopDownExpl(int i);
    void pickStopUpExpl(int i);
    void processCursorParticles();

    // -- play plans (00_ginterface_plans.cpp) ----------------------------------------------
    void initLoc1();
    void initLoc2();
    void initLoc3();
    void initLoc4();
    void initLoc5();
    void initLoc6();
    /// Runs a plan table (00_ginterface_plan_steps.h): every step's builder or
    /// modifier in order.
    void buildPlan(const plan::Step* steps, size_t count);
    /// Sets the first num entries of array to value.
    static void fillArray(int* array, int num, int value);
    /// A click on a hot spot, its animation run without waiting, and what
    /// it uncovered shown (revealed nullptr: nothing).
    void taskAddUncover(const char* spot, int room, int cam, int show, const char* anim, const char* revealed);

    // -- state: game flow ---------------------------------------------------------------------
    int started = 0;                  ///< 1 once the first 555 has started play
    float lensFactor = 0.0f;          ///< strength 0..1 of the inventory lens
    float lensAmplitude = 0.11f;
    int holdAnswerCount = 0;
    int bonusId = 0, bonusItemId = 0, bonusActive = 0, bonusThread = 0;
    float bonusTime = 0.0f;
    float lensCentre = 0.0f;
    float lensHalfWidth = 0.06f;
    int playMode = 0;                 ///< 0 before play, 1 free play, 2 mini-game, 3 cut scene, 4 loader, 5 skipping
    int interfaceActive = 0;          ///< 1 while the interface takes the player's input
    float helpRefill = 0.0f;          ///< the hint button's gauge 0..1
    float hintPaperBlend = 0.0f;
    int hintPaperFrame = 0;
    float inventoryCentre = 0.0f;
    counterRecord counters[kCounters];
    std::vector<_PLAY_THREAD> threads; ///< thread_count is threads.size()

    // hints
    int hintState = 0;                ///< 0 idle, 1 to black, 2 shown, 3 to black after
    int hintEndTime = 0;
    int hintStartTime = 0;
    vec3 hintScreenPos = vec3::ZERO;
    OBJECT_HANDLE hintObject = 0;
    int helpItemShown = 0;
    ___OVERLAY helpOverlay;
    OBJECT_HANDLE helpParticleObj = 0; ///< the glowing particle's object

    // inventory
    int inventoryDisabled = 0;
    _ITEM slots[kSlots];
    /// An item found while every slot was taken, kept until one is free.
    struct WaitingItem
    {
        int id = 0, pickNum = 0, ready = 0, max = 0, bonusTime = 0;
        std::vector<int> parts; ///< picture layers added meanwhile
    };
    std::vector<WaitingItem> waitingItems;
    int dragState = 0;                ///< 0 none, 1 picked this press, 2 dragging, 3 carried
    int hoveredItem = -1, hoveredItemPrev = -1;
    int pendingPick = 0, pendingSlot = -1;
    int menuShiftItem = -1;           ///< slot whose slide-out ended this frame
    rttRecord pictures[kPictures];
    int rttCount = 0;
    int rttBusy = 0;
    int rttAllNotified = 0;           ///< 1 once the loader heard that the pictures are ready
    int rttRefresh = 0;

    // menus
    _MENU menus[kMenus];
    int hoverMid = -1, hoverId = -1, hoverMidPrev = -1, hoverIdPrev = -1;
    int releaseTaken = 0;             ///< this frame's release put a dragged item back

    OBJECT_HANDLE nearPlaneMini = 0;
    OBJECT_HANDLE nearPlaneObj = 0;   ///< the close-up the player is in
    OBJECT_HANDLE nearPlaneObj2 = 0;

    // the mouse
    float cursorX = 0.0f, cursorY = 0.0f;
    int lButton = 0, lButtonPrev = 0;
    int rButton = 0, rButtonPrev = 0;
    int attachedItemId = 0;           ///< the item hanging on the cursor
    int lastItemId = 0;               ///< the item of the last click or drop
    float pressX = 0.0f, pressY = 0.0f;
    float releaseX = 0.0f, releaseY = 0.0f;

    int holdMessage = 0;              ///< code of the current hold (0 none)
    OBJECT_HANDLE holdObject = static_cast<OBJECT_HANDLE>(-1); ///< whose answer ends it (-1 none)

    OBJECT_HANDLE cutSceneObject = 0; ///< the running cut scene
    int cutSceneCode = 0;
    float dt = 0.0f;                  ///< the frame's step in seconds
    int timerId = 0;
    float idleTime = 0.0f;
    float skipCharge = 0.0f;
    int skipLocked = 1;

    // tutorial
    int tutorialOn = 0;
    int tutorialTasks[kTutorialSteps] = {};
    int tutorialCur = 0;
    int tutorialStateOn = 0;          ///< 1 while a step is on screen
    int tutorialMid = -1, tutorialId = -1;
    int tutorialItemA = 0, tutorialItemB = 0;
    OBJECT_HANDLE tutorialObj = 0;
    OBJECT_HANDLE tutorialAzObj = 0;
    int tutorialWaitMenu = 0;

    pickRecord picks[2];
    OBJECT_HANDLE cursorObj = 0;      ///< "00_cursor", the cursor's particles

private:
    /// The last thread, or null with a log line when there is none.
    _PLAY_THREAD* lastThread(const char* builder);
    /// The last task of the last thread, or null with a log line.
    __TASK* lastTask(const char* modifier);
    /// Object pick_id of the last task, or null with a log line.
    __PICKED_OBJ* lastTaskObject(const char* modifier, int pick_id);
    /// A new task at the end of the last thread, or null (none or full).
    __TASK* newTask(const char* builder, int type, int param);
    /// Appends the object of that name to the task (handle 0 and the
    /// engine's warning when missing); null when the task is full.
    __PICKED_OBJ* addObject(__TASK& t, const String& name, int room = 0, int cam = 0);
    /// The update of a slot's counter and readiness after a pick or use.
    void taskUpdateSlots(const __TASK& t, int item, float time, bool resetCounter);
    /// The close-up closed after a mini-game in some places.
    void closeCloseUpAfterGame();
};
