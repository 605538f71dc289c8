#include "00_ginterface.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <OgreSceneManager.h>

namespace
{
/// The interface's overlays, shown in this order when play is set up.
const char* const kOverlays[] = {
    "__GameInterface",         "__GameInterfaceFx",          "__GameInterfaceBack",
    "__GameInterfaceBackFx",   "__GameInterfaceRot",         "__GameInterfaceRotFx",
    "__GameInterfaceInventory", "__GameInterfaceInventoryFx", "__GameInterfaceInventoryItem",
    "__GameInterfaceBorder",   "__GameInterfaceBorderFx",    "__GameInterfaceNum"};

/// The handle of a named object: 0 and the engine's warning when missing.
OBJECT_HANDLE handleOf(const String& name)
{
    return gApp.findObjectHandle(name);
}

bool keyDown(int key)
{
    return gApp.mInput && gApp.mInput->mKeyDown[key & 0xFF] != 0;
}
} // namespace

// ---------------------------------------------------------------------------
// Handlers

void sc_00_ginterface::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    setConfigI("loader_notify", 0);
    mouseInit();
    pickerInit();
    setCursorMode(-1);
    menusInit();
    helpInit();
    counterHideAll();
    invCreate();
    menuShow(2, 1);
    menuHide(0, 1);
    menuHide(3, 1);
    menuShow(1, 1);
    if (getConfigI("game_state") == 100)
    {
        initGamePlay();
        timerId = ScriptObject::startFrameTimer(getOwner());
    }
    // A new game stores a full gauge.
    helpRefill = static_cast<float>(getVarI("help_alpha")) * 0.001f;
    setHelpScroll(helpRefill);
}

void sc_00_ginterface::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    if (cursorObj != 0)
        nodeReturnToRoot("00_cursor");
    invDestroy();
    helpDestroy();
    menusDelete();
    countersDestroy();
}

void sc_00_ginterface::ON_ACTIVATE()
{
    TQ_TRACE(" ON_ACTIVATE()");
    // The window came back: the item pictures are drawn again.
    rttRefresh = 1;
}

void sc_00_ginterface::ON_NOTIFY(int param, OBJECT_HANDLE who)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE who)");
    if (param == 800)
    {
        pickerStart(cursorX, cursorY, 0.06f, 0.94f);
        gameOnNotify(param, who);
    }
    else if (param == 93)
    {
        // The player chose to skip the cut scene: it ends as if it had
        // answered, and is told to stop.
        sendNotify(getOwner(), cutSceneObject, cutSceneCode);
        sendNotify(cutSceneObject, getOwner(), 6789);
        gameOnNotify(param, who);
    }
    else if (param == 550)
    {
        if (playMode == 1)
            setCursorMode(0);
        interfaceActive = 1;
        sendNotifyByName("00_hint", 10000, getOwner());
        gameOnNotify(param, who);
    }
    else if (param == 555 && !started)
    {
        started = 1;
        gameStart();
    }
    else if (param == 1101)
        menuShowAll(0);
    else if (param == 301)
    {
        sendNotify(nearPlaneObj, getOwner(), 2);
        setNearPlaneObj(0);
        setNearPlaneObj2(0);
        menuShow(1, 0);
        setBackButtonVisible(3);
    }
    else if (param == 303 && who != 0)
    {
        setNearPlaneObj2(nearPlaneObj);
        setNearPlaneObj(who);
        setNearPlaneMini(who);
        setBackButtonVisible(1);
        menuHide(1, 0);
        menuHide(3, 0);
        deactivateWhile(who, 2, 1);
        switchHelp(1);
    }
    else if (param == 304 || param == 305 || param == 302)
    {
    }
    else if (param == 300 && who != 0)
    {
        tutorialClose();
        setNearPlaneObj2(nearPlaneObj);
        setNearPlaneObj(who);
        setBackButtonVisible(1);
        menuHide(1, 0);
        deactivateWhile(who, 2, 1);
    }
    else if (param >= 900 && param <= 905)
    {
        const int hints = getVarI("help_num") + param - 900;
        setVarI("help_num", hints);
        counterSetCount(kHintCounter, hints, 0.0f);
    }
    else
        gameOnNotify(param, who);

    // The answer of a modal exchange ends the hold.  The tip window answers
    // a closed tip with its code + 10000; the code itself counts as well.
    const bool inRange = param >= holdMessage && param < holdMessage + holdAnswerCount;
    const bool tipClosed = holdMessage >= 10000 && param == holdMessage + 10000;
    if ((inRange || tipClosed) && who == holdObject)
    {
        readAnswer(holdMessage, inRange ? param - holdMessage : 0);
        activateGinterface();
    }
    tutorialState(param, who);
    if (param == 777)
    {
        helpOnBlackScreen();
        if (started && hintState == 3)
            helpOnBlackScreen2();
    }
    else if (param == 999)
        menuBackButtonClick(1);
}

void sc_00_ginterface::ON_TIME(int id)
{
    (void)id;
    CInput* input = gApp.mInput;
    lButtonPrev = lButton;
    dt = static_cast<float>(gApp.mFrameMs) / 1000.0f;
    rButtonPrev = rButton;
    if (input)
    {
        lButton = input->mLeftDown ? 1 : 0;
        rButton = input->mRightDown ? 1 : 0;
        cursorX = input->mCursorX;
        cursorY = input->mCursorY;
    }
    menuShiftItem = -1;

    moveT();
    processFadeAccelerate();
    menusProcess();
    invProcess();
    processCursorParticles();
    pickerUpdate(dt);
    countersProcess(dt);
    helpProcess(dt);
    skipButtonProcess(dt);
    if (gApp.mCheats)
        cheatKeys();
    if (mouseIsLButtonClick())
        sendNotifyByName("00_hint", 100, getOwner());
    if (menuShiftItem != -1)
    {
        menuItemShift(menuShiftItem);
        // The row has closed up: an item that waited for a slot takes one.
        invTakeWaiting();
    }

    const bool playing = playMode == 1 || playMode == 2;
    const bool tutorialWaitsForButton = tutorialStateOn && tutorialMid != -1;
    if (interfaceActive == 1 && playing && nearPlaneMini == 0 && !tutorialWaitsForButton &&
        getConfigI("minigame_ending") == 0 && getConfigI("is_dialog_start") == 0)
        idleTime += dt;
    if (idleTime > 7.0f && tutorialOn && playing)
        tutorialNotify(0);
    if (rttRefresh > 0 && --rttRefresh == 0)
        rttRenderAll();
    if ((tutorialItemA == 1 && !tutorialTasks[2]) || (tutorialItemB == 1 && !tutorialTasks[9]))
        tutorialNotify(0);
    if (getVarI("journal_task_num") > 1 && getVarI("cur_loc") == 1)
        tutorialButton(8, 0, ID_JOURNAL);
    getMatT();
}

// ---------------------------------------------------------------------------
// Frame work

void sc_00_ginterface::moveT()
{
    // The inventory lens grows while the cursor is at the screen's bottom.
    if (cursorY > 0.88f && inventoryDisabled == 0 && playMode == 1)
    {
        lensFactor += dt * 3.0f;
        if (lensFactor > 1.0f)
            lensFactor = 1.0f;
    }
    else
    {
        lensFactor -= dt * 3.0f;
        if (lensFactor < 0.0f)
            lensFactor = 0.0f;
    }
    lensCentre = getCenterT();
}

void sc_00_ginterface::processFadeAccelerate()
{
    if (mouseIsLButtonClick())
        fadeAccelerateRequest();
}

void sc_00_ginterface::skipButtonProcess(float inc)
{
    const int time = getVarI("skip_minigame_time");
    skipCharge = time > 0 ? skipCharge + inc / static_cast<float>(time) : 1.1f;
    if (skipCharge > 1.0f)
    {
        skipCharge = 1.0f;
        skipLocked = 0;
    }
    else
        skipLocked = 1;
    ovSetFill(menus[3].items[ID_SKIP_LINE].main, (1.0f - skipCharge) * 0.32f + skipCharge * 0.68f);
}

void sc_00_ginterface::showHint(int mid, int id)
{
    if (mid == -1 || (mid == 0 && id == ID_LEFT_PANEL))
    {
        sendNotifyByName("00_hint", 100, getOwner());
        return;
    }
    if (interfaceActive == 0)
        return;
    int need = 0, of = 0;
    if (mid == 3 && id_inventory(id) && slots[id].used)
    {
        sendNotifyByName("00_hint", getHintId(slots[id].id), getOwner());
        if (!slots[id].ready)
        {
            need = counterGetCount(id);
            of = counterGetMax(id);
        }
    }
    else
        sendNotifyByName("00_hint", getHintId(10 * mid + id), getOwner());
    setVarI("hint_counter_need", need);
    setVarI("hint_counter_of", of);
}

void sc_00_ginterface::cheatKeys()
{
    const bool rightShift = keyDown(OIS::KC_RSHIFT);
    const int loc = getVarI("cur_loc");
    const int room = getVarI("cur_room");
    if (rightShift && keyDown(OIS::KC_PERIOD) && loc >= 1 && loc <= 6)
        sendNotifyByName("00_loader", 1001 + loc, getOwner());
    if (rightShift && keyDown(OIS::KC_M))
        sendNotifyByName("01_cam_move", room * 100 + 8101, getOwner());
    if (rightShift && keyDown(OIS::KC_N))
        sendNotifyByName("01_cam_move", room * 100 + 7901, getOwner());
    if (keyDown(OIS::KC_F3))
        dumpLights();
    if (keyDown(OIS::KC_F4))
    {
        if (playMode == 2 && skipCharge < 1.0f)
            skipCharge = 0.99f;
        else if (playMode == 1 && getVarI("help_num") == 0)
            helpRefill = 0.99f;
    }
    if (keyDown(OIS::KC_F5))
        sendNotifyByName("interface", 100, getOwner());
    if (keyDown(OIS::KC_F6))
    {
        setConfigI("game_state", 100);
        setConfigI("load_from_save", 1);
        sendNotifyByName("00_loader", 1000 + loc, getOwner());
    }
}

// ---------------------------------------------------------------------------
// Game flow

void sc_00_ginterface::setSceneClicks(int on)
{
    // The same as the cursor modes: both log "Mouse Cursor OFF", re-pick,
    // and with clicks off drop the hovered object and the cursor sparkle.
    setCursorMode(on ? 0 : -1);
}

void sc_00_ginterface::deactivateWhile(OBJECT_HANDLE o, int msg, int an)
{
    TQ_TRACE(" deactivateWhile(OBJECT_HANDLE o, int msg, int an)");
    if (o == 0)
    {
        // No answer can come from a missing object: the player keeps the
        // interface.
        Log::print("\nWARNING: 00_ginterface: nobody answers code %d; the interface is not held", msg);
        return;
    }
    setCursorMode(-1);
    holdObject = o;
    holdMessage = msg;
    holdAnswerCount = an;
    sendNotify(o, getOwner(), msg);
    interfaceActive = 0;
}

void sc_00_ginterface::activateGinterface()
{
    TQ_TRACE(" activateGinterface()");
    interfaceActive = 1;
    holdMessage = 0;
    holdObject = static_cast<OBJECT_HANDLE>(-1);
    setCursorMode(0);
}

void sc_00_ginterface::readAnswer(int param, int answer)
{
    TQ_TRACE(" readAnswer(int param, int answer)");
    // A mini-game or a close-up game paused behind the exchange goes on.
    if (playMode == 2)
        sendNotifyByName("00_minigame_starter", 1500, 0);
    if (nearPlaneMini != 0)
        sendNotify(nearPlaneMini, 0, 1500);
    switch (param)
    {
    case 90: // the box that offers to skip the mini-game
        if (answer == 1)
        {
            sendNotifyByName("00_minigame_starter", 1201, getOwner());
            playMode = 5;
        }
        sendNotifyByName("00_minigame_starter", 1500, getOwner());
        break;
    case 99: // the in-game menu was closed
        setCursorMode(0);
        tutorialOn = getVarI("tutorial_on");
        invDisable(0);
        sendNotifyByName("00_pauser", 2, 0);
        break;
    case 101: // the journal was closed
        invDisable(0);
        sendNotifyByName("00_pauser", 2, 0);
        break;
    case 15002: // the bonus tips
    case 15003:
        invRemoveTask(bonusItemId);
        bonus_next_task();
        break;
    default:
        break;
    }
}

void sc_00_ginterface::openJournal(int msg)
{
    TQ_TRACE(" openJournal(int msg)");
    deactivateWhile(handleOf("journal"), msg, 1);
    setCursorMode(-1);
}

void sc_00_ginterface::initGamePlay()
{
    TQ_TRACE(" initGamePlay()");
    for (const char* overlay : kOverlays) // a missing one is skipped
        overlaySetVisible(overlay, nullptr, nullptr, true);
    threads.clear();
    waitingItems.clear();
    const int loc = getVarI("cur_loc");
    switch (loc)
    {
    case 1:
        initLoc1();
        break;
    case 2:
        initLoc2();
        break;
    case 3:
        initLoc3();
        break;
    case 4:
        initLoc4();
        break;
    case 5:
        initLoc5();
        break;
    case 6:
        initLoc6();
        break;
    case 7: // the last location has no play threads
        break;
    default:
        Log::print("\nWARNING: 00_ginterface: no play plan for location %d", loc);
        break;
    }
}

void sc_00_ginterface::gameStart()
{
    TQ_TRACE(" gameStart()");
    playMode = 1;
    gApp.setPickMask(1);
    const bool restored = getConfigI("load_from_save") != 0;
    for (int i = 0; i < kSlots; ++i)
    {
        if (restored)
            loadItem(i);
        else
            ereaseItem(i);
    }
    setBackButtonVisible(0);
    setSkipButtonVisible(0);
    showIcon(ID_HELP, 1);
    hideIcon(ID_INSTRUCTION, 1);
    showIcon(ID_JOURNAL, 1);
    if (restored)
    {
        getNearPlaneObj();
        getNearPlaneObj2();
        getNearPlaneMini();
        menuShow(3, 1);
        menuShow(0, 1);
        // The close-ups the player was in are opened again.
        if (nearPlaneObj != 0)
        {
            menuHide(1, 1);
            sendNotify(nearPlaneObj, 0, 444);
            setBackButtonVisible(2);
        }
        if (nearPlaneObj2 != 0)
        {
            sendNotify(nearPlaneObj2, 0, 444);
            setBackButtonVisible(2);
        }
        if (nearPlaneMini != 0)
            menuHide(3, 1);
        if (getVarI("bonus_item_id") != 0)
            loadBonus();
        tutorialLoad();
    }
    else
    {
        for (const char* key : {"bonus_help_on", "bonus_item_id", "bonus_time", "bonus_id"})
            setVarI(key, 0);
        const int loc = getVarI("cur_loc");
        tutorialInit(loc == 1 || loc == 2 || loc == 7 ? getVarI("tutorial_on") : 0);
    }
    const int hints = getVarI("help_num");
    if (hints == 0)
    {
        counters[kHintCounter].state = 3;
        menus[0].items[ID_HELP_NUM].showState = 3;
        counterHide(kHintCounter);
    }
    else
        counterVisible(kHintCounter, 1);
    for (_PLAY_THREAD& t : threads)
        threadStart(t);
    if (restored && gApp.mSceneMgr)
        loadVisibility(gApp.mSceneMgr->getRootSceneNode());
    counterSetCount(kHintCounter, hints, 0.0f);
    setConfigI("load_from_save", 0);
    setThreadActiveForHelp(0, 1);
    if (OBJECT_HANDLE movies = handleOf("00_movies"))
        sendNotify(movies, 0, 100);
}

void sc_00_ginterface::gameOnNotify(int param, OBJECT_HANDLE who)
{
    const int lastId = mouseGetLastId();
    for (size_t i = 0; i < threads.size();)
        i = threadCheckForNextStep(threads[i], param, who, lastId) ? 0 : i + 1;
}

// ---------------------------------------------------------------------------
// Helpers

int sc_00_ginterface::getObjStateI(OBJECT_HANDLE obj, const String& prm) const
{
    return ScriptObject::objectState(obj, prm);
}

void sc_00_ginterface::setObjStateI(OBJECT_HANDLE obj, const String& prm, int value)
{
    ScriptObject::setObjectState(obj, prm, value);
}

int sc_00_ginterface::getParamI(String& name, int i, const String& prm) const
{
    strAddInt(i, name, 2);
    return getVarI(name + prm);
}

void sc_00_ginterface::setParamI(String& name, int i, const String& prm, int val)
{
    setVarI(ScriptObject::indexedKey(name, i, prm), val);
}

void sc_00_ginterface::getValueObject(const String& param, OBJECT_HANDLE& variable) const
{
    const String name = getVarS(param);
    variable = name.empty() ? 0 : handleOf(name);
}

void sc_00_ginterface::setValueObject(const String& param, OBJECT_HANDLE obj)
{
    setVarS(param, ScriptObject::nodeName(obj));
}

void sc_00_ginterface::getNearPlaneMini()
{
    getValueObject("near_plane_mini", nearPlaneMini);
}

void sc_00_ginterface::getNearPlaneObj()
{
    getValueObject("near_plane_obj", nearPlaneObj);
}

void sc_00_ginterface::getNearPlaneObj2()
{
    getValueObject("near_plane_obj2", nearPlaneObj2);
}

void sc_00_ginterface::setNearPlaneMini(OBJECT_HANDLE obj)
{
    nearPlaneMini = obj;
    setValueObject("near_plane_mini", obj);
}

void sc_00_ginterface::setNearPlaneObj(OBJECT_HANDLE obj)
{
    nearPlaneObj = obj;
    setValueObject("near_plane_obj", obj);
}

void sc_00_ginterface::setNearPlaneObj2(OBJECT_HANDLE obj)
{
    nearPlaneObj2 = obj;
    setValueObject("near_plane_obj2", obj);
}

// ---------------------------------------------------------------------------
// The mouse record

void sc_00_ginterface::mouseInit()
{
    attachedItemId = 0;
    lastItemId = 0;
    setConfigI("drag_item", 0);
}

void sc_00_ginterface::mouseAttach(int id)
{
    attachedItemId = id;
    lastItemId = id;
    setConfigI("drag_item", id);
}

void sc_00_ginterface::mouseDetach()
{
    releaseX = cursorX;
    releaseY = cursorY;
    attachedItemId = 0;
    setConfigI("drag_item", 0);
}

int sc_00_ginterface::mouseGetLastId()
{
    const int id = lastItemId;
    lastItemId = attachedItemId;
    return id;
}
