// The script registered as "00_ginterface.sc", bound to the object
// "00_game_interface": the controller of play inside a location.
//
// It runs the location's play threads: each thread is a chain of tasks
// (click these objects, play this dialog or cut scene, start this mini-game,
// notify that object, set or wait for a game variable ...).  Every
// notification that reaches the interface and that it does not consume
// itself is offered to all threads in order; after each completed task the
// offer starts again at thread 0, so one code can complete a chain of tasks
// in one call.  A thread's position is saved as the game variable
// "thread_NN_cur__TASK" at every step.
//
// While another script runs a modal exchange (a dialog, a close-up, a
// message box) the interface is held: clicks are off until that object
// answers one of the expected codes.  The loader's 555 starts play once;
// its 550 at the end of the fade-in gives the player the mouse.
//
// The tables (64 threads of up to 256 tasks) grow as the location's plan
// fills them, so that a running game holds only the records it uses.
#pragma once

#include "00_msg.h"
#include "CodeScript.h"

#include <vector>

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

    static constexpr int kMaxThreads = 64;
    static constexpr int kMaxTasks = 256;
    static constexpr int kMaxObjects = 16;
    static constexpr int kMaxUseItems = 10;
    static constexpr int kMaxConditions = 16;

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
        int show_on_start = 0;
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
        int show_on_start = 1;        ///< second parameter (skip flag of a notify task)
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

    // -- handlers ------------------------------------------------------------
    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE who) override;
    void ON_TIME() override;

    // -- game flow -----------------------------------------------------------
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
    /// Starts play: every thread in index order.
    void gameStart();
    /// Offers one notification to every play thread.
    void gameOnNotify(int param, OBJECT_HANDLE who);

    // -- threads ---------------------------------------------------------------
    void threadAdd(int help_state = HELP_ON);
    void threadName(const char* name);
    void threadRoom(int room);
    void threadBonusTime(int time);
    void threadStart(_PLAY_THREAD& t);
    /// 1 when the thread's current task completed and the thread moved on.
    int threadCheckForNextStep(_PLAY_THREAD& t, int param, OBJECT_HANDLE who, int lastId);
    void threadNext(_PLAY_THREAD& t, int lastId);
    void incTask(_PLAY_THREAD& t);
    void setThreadActiveForHelp(int t, int state);

    // -- tasks -------------------------------------------------------------------
    void taskInit(__TASK& t, int task_type, int param);
    void taskStart(__TASK& t);
    int taskCheckForComplete(__TASK& t, int param, OBJECT_HANDLE who, int lastId);
    void taskEnd(__TASK& t);
    int taskIsAllPicked(const __TASK& t) const;
    int taskCheckConditions(const __TASK& t, int picked_id) const;
    int conditionCheck(const __MSN_CONDITION& c) const;

    // -- task builders (each acts on the last thread) ------------------------------
    void taskAddClick(OBJECT_HANDLE who, int room, int cam, int show_on__TASK_start = SHOW_ON_START);
    void taskAddDialog(int dialog_id);
    void taskAddNotify2(const char* name, int notify_prm, int skip = 0);
    void taskAddNotify(const String& name, int notify_prm, int skip = 0);
    void taskAddCutScene2(const char* name, int notify_prm, int show_interface_after = 1, int no_skip = 0);
    void taskAddCutScene(const String& name, int notify_prm, int show_interface_after = 1);
    void taskAddMiniGame(const String& name, int notify_prm);
    void taskAddNearPlaneMini(const String& name, int room, int cam, int show = 1);
    void taskAddDeactivate(const String& name, int msg = 101);
    void taskAddSetParam(const String& var, int value);
    void taskAddGetParam(const String& var, int value);
    void taskAddVisibleObj1(const String& who, int show);
    void taskAddHelpOn(const String& thread);
    void taskAddHelpOff(const String& thread);
    void taskAddPickObj(const String& obj);
    void taskAddShowInterface();
    /// Adds item id to the items that may be held while clicking the last
    /// task's objects.
    void taskUseItemId(int id);
    /// Leaves the last task's clicked objects visible.
    void taskNoHideUsed();

    // -- small helpers ---------------------------------------------------------------
    /// The game variable "<node name of obj>@<prm>".
    int getObjStateI(OBJECT_HANDLE obj, const String& prm) const;
    void setObjStateI(OBJECT_HANDLE obj, const String& prm, int value);
    /// The game variable name + i as two digits + prm; name keeps the digits.
    int getParamI(String& name, int i, const String& prm) const;
    /// The handle of the object whose name the game variable param holds.
    void getValueObject(const String& param, OBJECT_HANDLE& variable) const;

    // -- the mouse record ------------------------------------------------------------
    void mouseInit();
    void mouseAttach(int id);
    void mouseDetach();
    /// The last item id, which is then replaced by the attached one.
    int mouseGetLastId();

    // -- state -------------------------------------------------------------------------
    int started = 0;                  ///< 1 once the first 555 has started play
    int playMode = 0;                 ///< 0 before play, 1 free play, 2 mini-game, 3 cut scene, 4 loader, 5 skipping
    int interfaceActive = 0;          ///< 1 while the interface takes the player's input
    int holdMessage = 0;              ///< code of the current hold (0 none)
    OBJECT_HANDLE holdObject = -1;    ///< whose answer ends it (-1 none)
    int holdAnswerCount = 0;
    OBJECT_HANDLE cutSceneObject = 0; ///< the running cut scene
    int cutSceneCode = 0;
    OBJECT_HANDLE nearPlaneObj = 0;   ///< the close-up the player is in
    OBJECT_HANDLE nearPlaneObj2 = 0;
    OBJECT_HANDLE nearPlaneMini = 0;
    std::vector<_PLAY_THREAD> threads; ///< thread_count is threads.size()

    int attachedItemId = 0;           ///< the item hanging on the cursor
    int lastItemId = 0;               ///< the item of the last click or drop
    float pressX = 0.0f, pressY = 0.0f;
    float releaseX = 0.0f, releaseY = 0.0f;

    float cursorX = 0.0f, cursorY = 0.0f;
    int lButton = 0, lButtonPrev = 0;
    int rButton = 0, rButtonPrev = 0;
    float dt = 0.0f;                  ///< the frame's step in seconds
    int picturesReported = 0;         ///< 1 once the loader heard that the pictures are ready
    int timerId = 0;

private:
    /// The last thread, or null with a log line when there is none.
    _PLAY_THREAD* lastThread(const char* builder);
    /// A new task at the end of the last thread, or null (none or full).
    __TASK* newTask(const char* builder, int type, int param);
    /// Appends the object of that name to the task (handle 0 and the
    /// engine's warning when missing); false when the task is full.
    bool addObject(__TASK& t, const String& name, int room = 0, int cam = 0);
};
