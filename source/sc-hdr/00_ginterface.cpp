#include "00_ginterface.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "Trace.h"
#include "ScriptObject.h"

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
} // namespace

// ---------------------------------------------------------------------------
// Handlers

void sc_00_ginterface::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    setConfigI("loader_notify", 0);
    mouseInit();
    setCursorMode(-1);
    if (getConfigI("game_state") == 100)
    {
        initGamePlay();
        timerId = ScriptObject::startFrameTimer(getOwner());
    }
}

void sc_00_ginterface::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    ScriptObject::stopFrameTimer(getOwner(), timerId);
}

void sc_00_ginterface::ON_NOTIFY(int param, OBJECT_HANDLE who)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE who)");
    if (param == 93)
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
    else if (param == 301)
    {
        sendNotify(nearPlaneObj, getOwner(), 2);
        nearPlaneObj = 0;
        nearPlaneObj2 = 0;
    }
    else if ((param == 300 || param == 303) && who != 0)
    {
        nearPlaneObj2 = nearPlaneObj;
        nearPlaneObj = who;
        if (param == 303)
            nearPlaneMini = who;
        deactivateWhile(who, 2, 1);
    }
    else if (param == 302 || param == 304 || param == 305)
    {
    }
    else if (param >= 900 && param <= 905)
    {
        setVarI("help_num", getVarI("help_num") + param - 900);
    }
    else
    {
        gameOnNotify(param, who);
    }

    // The answer of a modal exchange ends the hold.
    if (param >= holdMessage && param < holdMessage + holdAnswerCount && who == holdObject)
    {
        readAnswer(holdMessage, param - holdMessage);
        activateGinterface();
    }
}

void sc_00_ginterface::ON_TIME()
{
    CInput* input = gApp.mInput;
    lButtonPrev = lButton;
    rButtonPrev = rButton;
    dt = static_cast<float>(gApp.mFrameMs) / 1000.0f;
    if (input)
    {
        lButton = input->mLeftDown ? 1 : 0;
        rButton = input->mRightDown ? 1 : 0;
        cursorX = input->mCursorX;
        cursorY = input->mCursorY;
    }
    if (lButton && !lButtonPrev)
    {
        sendNotifyByName("00_hint", 100, getOwner());
        fadeAccelerateRequest();
    }
    // The location's item pictures are drawn by now (this interface has
    // none of its own): the loader may end its loading window.
    if (!picturesReported)
    {
        picturesReported = 1;
        sendNotifyByName("00_loader", 1111, 0);
    }
}

// ---------------------------------------------------------------------------
// Game flow

void sc_00_ginterface::deactivateWhile(OBJECT_HANDLE o, int msg, int an)
{
    TQ_TRACE(" deactivateWhile(OBJECT_HANDLE o, int msg, int an)");
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
    holdObject = -1;
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
        sendNotifyByName("00_pauser", 2, 0);
        break;
    case 101: // the journal was closed
        sendNotifyByName("00_pauser", 2, 0);
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
    // The stories of the locations are not part of this build: a location
    // starts without play threads.
}

void sc_00_ginterface::gameStart()
{
    TQ_TRACE(" gameStart()");
    playMode = 1;
    gApp.setPickMask(1);
    for (_PLAY_THREAD& t : threads)
        threadStart(t);
    if (getConfigI("load_from_save") != 0 && gApp.mSceneMgr)
        loadVisibility(gApp.mSceneMgr->getRootSceneNode());
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

void sc_00_ginterface::getValueObject(const String& param, OBJECT_HANDLE& variable) const
{
    variable = handleOf(getVarS(param));
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
    pressX = cursorX;
    pressY = cursorY;
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
