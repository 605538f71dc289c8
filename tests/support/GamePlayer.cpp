#include "GamePlayer.h"

#include "00_exit.h"
#include "00_ginterface.h"
#include "00_interface.h"
#include "00_loader.h"
#include "00_near_open_zone.h"
#include "00_near_plane_zone.h"
#include "00_overlay_shower.h"
#include "00_tutorial.h"
#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "VirtualScript.h"

#include <OgreCamera.h>
#include <OgreSceneNode.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include <ois/OISKeyboard.h>
#include <ois/OISMouse.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace tq
{
namespace
{
// OIS on X11 reports positions 6 pixels short of the pointer; the input
// layer adds them back, so events made here carry the same shortfall.
const int kOisOffset = 6;

// Frames a button is held, and rested after, as a person clicks.
const int kHoldFrames = 3;

// Budgets in frames of the verbs, unless a step gives its own.
const int kClickBudget = 900;
const int kLongBudget = 6000;
// Between an introduction's last scene and the room's first view the game
// may hand over the mouse for a moment; play is handed over for good when
// it stays so for a second.
const int kHandOverFrames = 30;

template <class T>
T* scriptNamed(const char* name)
{
    CObject* object = gApp.findObject(name);
    return object ? dynamic_cast<T*>(object->getScript()) : nullptr;
}

sc_00_ginterface* gameInterface()
{
    return scriptNamed<sc_00_ginterface>("00_game_interface");
}

float windowWidth()
{
    return gApp.mInput && gApp.mInput->mWindowWidth > 0.0f ? gApp.mInput->mWindowWidth : 1024.0f;
}

float windowHeight()
{
    return gApp.mInput && gApp.mInput->mWindowHeight > 0.0f ? gApp.mInput->mWindowHeight : 768.0f;
}

/// The window pixel of a point of the game's picture given in fractions of
/// it (the picture is a 4:3 area of a wider or taller window).
int pixelX(float x)
{
    const CInput* input = gApp.mInput;
    if (input && input->mAreaWidth > 0.0f)
        return static_cast<int>(input->mAreaLeft + x * input->mAreaWidth);
    return static_cast<int>(x * windowWidth());
}

int pixelY(float y)
{
    const CInput* input = gApp.mInput;
    if (input && input->mAreaHeight > 0.0f)
        return static_cast<int>(input->mAreaTop + y * input->mAreaHeight);
    return static_cast<int>(y * windowHeight());
}

/// The inventory slot that holds the item, or -1.
int slotOf(int item)
{
    for (int i = 0; i < sc_00_ginterface::kSlots; ++i)
    {
        char key[32];
        std::snprintf(key, sizeof(key), "item_%02d_id", i);
        if (GamePlayer::var(key) == item)
            return i;
    }
    return -1;
}
/// An integer parameter of an object's node; 0 when it has none.
int paramOf(const CObject* object, const char* name)
{
    auto it = object->mParams.find(name);
    return it == object->mParams.end() ? 0 : std::atoi(it->second.c_str());
}

/// The room an object of the location belongs to, from its name
/// ("02_03_az_..." lies in room 3; location 1 has one room and names
/// without it).
int roomOf(const CObject* object)
{
    const char* name = object->getNodeName();
    if (!name || std::strlen(name) < 6 || name[2] != '_' || !std::isdigit(name[3]) || !std::isdigit(name[4]) ||
        name[5] != '_')
        return 1;
    return (name[3] - '0') * 10 + (name[4] - '0');
}

/// Shown objects of the current room whose script is T and for which the
/// test holds; the first such, or null.
template <class T>
CObject* findInRoom(const std::function<bool(CObject*)>& test)
{
    const int room = GamePlayer::var("cur_room");
    for (int slot = 0; slot < CObjectCollectorTempl::kSlots; ++slot)
    {
        CObject* object = gObjectCollector.at(slot);
        if (!object || !object->getScript() || !dynamic_cast<T*>(object->getScript()) || roomOf(object) != room)
            continue;
        if (object->getNode() && test(object))
            return object;
    }
    return nullptr;
}
} // namespace

GamePlayer::GamePlayer(std::function<void()> frame) : mFrame(std::move(frame))
{
    forbidden = {"Can't find object", "xception", "ERROR", "!!! WARNING", "Cannot locate", "string not found"};
    mLogSeen = Log::captured().size();
}

// ---------------------------------------------------------------------------
// Walkthroughs

bool GamePlayer::play(const Walkthrough& walk, int from, int to)
{
    const int end = to < 0 ? static_cast<int>(walk.steps.size()) : to;
    for (int i = from; i < end; ++i)
        if (!perform(walk, walk.steps[i]))
            return false;
    return true;
}

bool GamePlayer::perform(const Walkthrough& walk, const WalkStep& step)
{
    mStep = walk.where(step);
    const std::string& verb = step.verb;
    const std::vector<std::string>& a = step.args;
    const int budget = step.budget > 0 ? step.budget : (verb == "dialog" || verb == "wait" || verb == "skip"
                                                            ? kLongBudget
                                                            : kClickBudget);
    bool ok = true;
    if (verb == "mark")
        return true;
    if (verb == "click")
        ok = clickObject(a[0], budget) && waitUntil([&] { return settled(); }, budget, "the game to settle");
    else if (verb == "pick")
        ok = clickObject(a[0], budget) &&
             waitUntil([&] { return var(a[0] + "@picked") == 1 && settled(); }, budget, a[0] + " to be picked up");
    else if (verb == "use")
        ok = dragItem(std::atoi(a[0].c_str()), a[1], budget) &&
             waitUntil([&] { return var(a[1] + "@used") == 1 && settled(); }, budget, a[1] + " to be used");
    else if (verb == "element")
        ok = clickElement(a[0], budget) && waitUntil([&] { return settled(); }, budget, "the game to settle");
    else if (verb == "turn")
    {
        const int before = var("cur_cam");
        ok = clickButton(1, a[0] == "left" ? sc_00_ginterface::ID_ROTATE_LEFT : sc_00_ginterface::ID_ROTATE_RIGHT,
                         budget) &&
             waitUntil([&] { return var("cur_cam") != before && settled(); }, budget, "the turn to end");
    }
    else if (verb == "camera")
        ok = goToCamera(std::atoi(a[0].c_str()), budget);
    else if (verb == "room")
        ok = goToRoom(std::atoi(a[0].c_str()), budget);
    else if (verb == "back")
        ok = clickButton(3, sc_00_ginterface::ID_BACK, budget) &&
             waitUntil([&] { return settled(); }, budget, "the flight out of the close-up");
    else if (verb == "skip")
    {
        sc_00_ginterface* gi = gameInterface();
        const int mode = gi ? gi->playMode : 0;
        // The skip button of a mini-game takes a click once its line has
        // filled up: a person waits for it.
        ok = waitUntil([&] {
                 sc_00_ginterface* now = gameInterface();
                 return now && !now->skipLocked;
             }, budget, "the skip button to fill up") &&
             clickButton(3, sc_00_ginterface::ID_SKIP, budget) &&
             // A mini-game asks first whether to skip it: yes.
             waitUntil([&] {
                 sc_00_ginterface* now = gameInterface();
                 return !now || now->playMode != mode || menuShown(sc_00_interface::MENU_DIALOG);
             }, budget, "the skip to be taken or asked about") &&
             (!menuShown(sc_00_interface::MENU_DIALOG) || clickElement("DeleteYes", budget)) &&
             // What follows may hold the interface (a document to read): the
             // next step waits for the game to settle.
             waitUntil([&] {
                 sc_00_ginterface* now = gameInterface();
                 return !now || now->playMode != mode;
             }, budget, "the skipped scene or game to end");
    }
    else if (verb == "dialog")
        ok = waitUntil([&] { return CVirtualScript::getConfigI("is_dialog_start") == 0 && settled(); }, budget,
                       "the dialog to end");
    else if (verb == "journal")
        ok = clickButton(0, sc_00_ginterface::ID_JOURNAL, budget) &&
             waitUntil([&] { return overlayShown("JournalOverlay"); }, 300, "the journal to open") &&
             (frames(30), clickAt(0.5f, 0.5f), true) &&
             waitUntil([&] { return !overlayShown("JournalOverlay") && settled(); }, budget, "the journal to close");
    else if (verb == "read")
    {
        // The document stays until a click anywhere; a person reads it first.
        auto phase = [&] {
            sc_00_overlay_shower* shower = scriptNamed<sc_00_overlay_shower>(a[0].c_str());
            return shower ? shower->phase : -1;
        };
        ok = waitUntil([&] { return phase() == 2; }, budget, a[0] + "'s document to be shown") &&
             (frames(kReadFrames), clickAt(0.5f, 0.5f), true) &&
             waitUntil([&] { return phase() != 2 && settled(); }, budget, a[0] + "'s document to close");
    }
    else if (verb == "wait")
    {
        const int value = std::atoi(a[1].c_str());
        ok = waitUntil([&] { return var(a[0]) == value; }, budget, a[0] + " to be " + a[1]);
    }
    if (!ok)
        return false;
    const std::string fault = newFault();
    if (!fault.empty())
        return fail("the log says: " + fault);
    return true;
}

bool GamePlayer::fail(const std::string& why)
{
    if (mError.empty())
        mError = (mStep.empty() ? std::string("before the walkthrough") : mStep) + ": " + why;
    return false;
}

std::string GamePlayer::newFault()
{
    const std::string log = Log::captured();
    if (log.size() < mLogSeen)
        mLogSeen = 0;
    const std::string fresh = log.substr(mLogSeen);
    mLogSeen = log.size();
    for (const std::string& f : forbidden)
    {
        const size_t at = fresh.find(f);
        if (at == std::string::npos)
            continue;
        const size_t begin = fresh.rfind('\n', at);
        const size_t end = fresh.find('\n', at);
        return fresh.substr(begin == std::string::npos ? 0 : begin + 1,
                            end == std::string::npos ? std::string::npos : end - (begin == std::string::npos ? 0 : begin + 1));
    }
    return std::string();
}

// ---------------------------------------------------------------------------
// Actions

bool GamePlayer::clickObject(const std::string& name, int budget)
{
    float x = 0.0f, y = 0.0f;
    std::string why;
    // The object may still be on its way (a door opening, a view arriving).
    if (!waitUntil([&] { return settled() && objectPoint(name, x, y, why); }, budget,
                   "a point where " + name + " can be clicked"))
    {
        mError += " (" + why + ")";
        return false;
    }
    clickAt(x, y);
    return true;
}

bool GamePlayer::clickElement(const std::string& name, int budget)
{
    float x = 0.0f, y = 0.0f;
    if (!waitUntil([&] { return elementPoint(name, x, y); }, budget, "the element " + name + " to be shown"))
        return false;
    clickAt(x, y);
    return true;
}

bool GamePlayer::clickButton(int mid, int id, int budget)
{
    float x = 0.0f, y = 0.0f;
    const std::string what = "the interface's button " + std::to_string(mid) + "/" + std::to_string(id);
    if (!waitUntil([&] { return buttonPoint(mid, id, x, y); }, budget, what + " to be shown"))
        return false;
    clickAt(x, y);
    // Over a button the scene takes no clicks and the cursor stays off: the
    // hand goes back to the view.
    moveTo(0.5f, 0.45f);
    return true;
}

bool GamePlayer::dragItem(int item, const std::string& target, int budget)
{
    const int slot = slotOf(item);
    if (slot < 0)
        return fail("item " + std::to_string(item) + " is not in the inventory");
    if (!waitUntil([&] { return settled(); }, kClickBudget, "the game to settle"))
        return false;
    sc_00_ginterface* gi = gameInterface();
    if (!gi)
        return fail("no in-game interface");
    // The inventory bar slides in while the cursor is near the bottom; the
    // picture takes the press where the interface draws it, once it rests.
    const sc_00_ginterface::_ITEM& it = gi->slots[slot];
    const std::string element = it.picture.sPan2.empty() ? it.picture.sPan1 : it.picture.sPan2;
    float ix = 0.0f, iy = 0.0f;
    if (!waitUntil([&] {
            moveTo(0.5f, 0.95f);
            if (!it.ready || it.flyKind != 0 || !elementPoint(element, ix, iy))
                return false;
            ix = it.picture.scrPos.x + it.picture.scrSize.x / 2.0f;
            iy = it.picture.scrPos.y + it.picture.scrSize.y / 2.0f;
            return true;
        }, kClickBudget, "item " + std::to_string(item) + " to show in its slot"))
        return false;
    // A press that only closed what the hover opened (the tutorial's word
    // on items) takes no item: a person presses again.
    const std::string what = "item " + std::to_string(item) + " to hang on the cursor";
    bool hangs = false;
    for (int attempt = 0; attempt < 3 && !hangs; ++attempt)
    {
        rest();
        moveTo(ix, iy);
        frames(kHoldFrames);
        press();
        frames(kHoldFrames);
        release();
        hangs = waitUntil([&] { return CVirtualScript::getConfigI("drag_item") == item; }, 40, what);
        if (!hangs && attempt < 2)
            mError.clear();
    }
    if (!hangs)
    {
        char what[300];
        std::snprintf(what, sizeof(what), " (slot %d: ready %d, removing %d, flying %d, picture at %.3f,%.3f size %.3f,%.3f; pressed at %.3f,%.3f; hint state %d, slots %s, drag state %d, inventory %s, cursor at %.3f,%.3f)",
                      slot, it.ready, it.removing, it.flyKind, it.picture.scrPos.x, it.picture.scrPos.y,
                      it.picture.scrSize.x, it.picture.scrSize.y, ix, iy, gi->hintState,
                      gi->checkMoveOk(it) ? "at rest" : "moving", gi->dragState,
                      gi->inventoryDisabled ? "disabled" : "enabled", gi->cursorX, gi->cursorY);
        mError += what;
        return false;
    }
    // Away from the bar, so that it slides out of the way of the target.
    moveTo(0.5f, 0.5f);
    frames(30);
    return clickObject(target, budget);
}

bool GamePlayer::goToCamera(int camera, int budget)
{
    if (!waitUntil([&] { return settled(); }, budget, "the game to settle"))
        return false;
    if (var("cur_cam") == camera)
        return true;
    // Out of a close-up first, as a person would.
    if (var("cur_cam") > 4)
    {
        const int before = var("cur_cam");
        if (!clickButton(3, sc_00_ginterface::ID_BACK, budget) ||
            !waitUntil([&] { return var("cur_cam") != before && settled(); }, budget, "the flight out of the close-up"))
            return false;
        if (var("cur_cam") == camera)
            return true;
    }
    if (camera <= 4)
        return turnTo(camera, budget);
    // A close-up is reached through the room's zone that flies into it,
    // from the camera the zone works from.
    auto fliesThere = [&](CObject* zone) { return paramOf(zone, "cam_in") == camera; };
    CObject* zone = findInRoom<sc_00_near_plane_zone>(fliesThere);
    if (!zone)
        zone = findInRoom<sc_00_near_open_zone>(fliesThere);
    if (!zone)
        return fail("no zone of room " + std::to_string(var("cur_room")) + " flies into camera " +
                    std::to_string(camera));
    const int from = paramOf(zone, "cur_cam") != 0 ? paramOf(zone, "cur_cam") : paramOf(zone, "cam_out");
    if (from != 0 && from != var("cur_cam") && !turnTo(from, budget))
        return false;
    return clickObject(zone->getNodeName(), budget) &&
           waitUntil([&] { return var("cur_cam") == camera && settled(); }, budget,
                     "the flight into camera " + std::to_string(camera));
}

bool GamePlayer::goToRoom(int room, int budget)
{
    if (!waitUntil([&] { return settled(); }, budget, "the game to settle"))
        return false;
    if (var("cur_room") == room)
        return true;
    if (var("cur_cam") > 4 && !goToCamera(1, budget))
        return false;
    CObject* exit = findInRoom<sc_00_exit>([&](CObject* o) { return paramOf(o, "to_room") == room; });
    if (!exit)
        return fail("no exit of room " + std::to_string(var("cur_room")) + " leads to room " + std::to_string(room));
    const int from = paramOf(exit, "cur_cam");
    if (from != 0 && from != var("cur_cam") && !turnTo(from, budget))
        return false;
    return clickObject(exit->getNodeName(), budget) &&
           waitUntil([&] { return var("cur_room") == room && settled(); }, budget,
                     "the way into room " + std::to_string(room));
}

bool GamePlayer::turnTo(int camera, int budget)
{
    for (int turn = 0; turn < 4; ++turn)
    {
        if (!waitUntil([&] { return settled(); }, budget, "the game to settle"))
            return false;
        if (var("cur_cam") == camera)
            return true;
        const int before = var("cur_cam");
        if (!clickButton(1, sc_00_ginterface::ID_ROTATE_RIGHT, budget) ||
            !waitUntil([&] { return var("cur_cam") != before && settled(); }, budget, "the turn to end"))
            return false;
    }
    return var("cur_cam") == camera || fail("four turns never reached camera " + std::to_string(camera));
}

// ---------------------------------------------------------------------------
// The menus

bool GamePlayer::startNewGame(const std::string& playerName)
{
    mStep = "new game";
    // The logo screens give way to clicks, until the main menu's scene runs.
    if (!waitUntil([&] {
            if (scriptNamed<sc_00_interface>("interface"))
                return true;
            clickAt(0.02f, 0.02f);
            return false;
        }, 3000, "the main menu"))
        return false;
    bool named = false;
    bool started = false;
    for (int round = 0; round < 20 && !started; ++round)
    {
        sc_00_interface* menu = scriptNamed<sc_00_interface>("interface");
        if (!menu)
            break;
        auto shown = [&](int mid) { return menu->mMenus[mid].state == 2; };
        if (shown(sc_00_interface::MENU_SURVEY))
            clickElement("SurveyOk", 300);
        else if (shown(sc_00_interface::MENU_DIFFICULTY))
        {
            clickElement("DifficultyNormal", 300);
            started = true;
        }
        else if (shown(sc_00_interface::MENU_NAME) && !named)
        {
            static const int kLetterKeys[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                                                49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};
            for (char c : playerName)
            {
                const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                if (lower >= 'a' && lower <= 'z')
                    typeKey(kLetterKeys[lower - 'a'], static_cast<unsigned>(c));
            }
            frames(10);
            clickElement("NameOk", 300);
            named = true;
        }
        else if (shown(sc_00_interface::MENU_MAIN))
            clickElement("NewGameText", 300);
        frames(60);
    }
    if (!started)
        return fail("the menus never offered a new game");
    return enterLocation();
}

bool GamePlayer::enterLocation(int budget)
{
    // The loading window ends with a click once the location is ready.
    return waitUntil([&] {
        sc_00_ginterface* gi = gameInterface();
        sc_00_loader* loader = scriptNamed<sc_00_loader>("00_loader");
        // One click once the window waits for it; it stays up a moment.
        if (loader && loader->keyWait && loader->keyArmed)
            clickAt(0.02f, 0.02f);
        // The interface may be in play behind the window before its
        // pictures are drawn; the window waits for its click even then.
        const bool windowWaits = loader && loader->keyWait && loader->keyArmed;
        return gi && gi->playMode != 0 && gi->playMode != 4 && loader && loader->state == 0 && !windowWaits &&
               gApp.mInput->cursorOn() && settled();
    }, budget, "the location to load and hand over the mouse", kHandOverFrames);
}

bool GamePlayer::leaveToMainMenu()
{
    mStep = "leave to the main menu";
    if (!clickButton(0, sc_00_ginterface::ID_MENU, kClickBudget))
        return false;
    if (!waitUntil([&] { return menuShown(sc_00_interface::MENU_GAME); }, kClickBudget, "the in-game menu") ||
        !clickElement("GameMainMenu", kClickBudget))
        return false;
    return waitUntil([&] {
        sc_00_interface* menu = scriptNamed<sc_00_interface>("interface");
        // A returning player is asked the survey's question first.
        if (!gameInterface() && menuShown(sc_00_interface::MENU_SURVEY))
            clickElement("SurveyOk", 300);
        return !gameInterface() && menu && menu->mMenus[sc_00_interface::MENU_MAIN].state == 2;
    }, 3000, "the main menu");
}

bool GamePlayer::continueGame()
{
    mStep = "continue";
    if (!waitUntil([&] { return menuShown(sc_00_interface::MENU_MAIN); }, kClickBudget, "the main menu") ||
        !clickElement("ContinueGameText", kClickBudget))
        return false;
    return enterLocation();
}

// ---------------------------------------------------------------------------
// Input, as OIS delivers it to the input layer

void GamePlayer::moveTo(float x, float y)
{
    mX = x;
    mY = y;
    OIS::MouseState state;
    state.width = static_cast<int>(windowWidth());
    state.height = static_cast<int>(windowHeight());
    state.X.abs = pixelX(x) - kOisOffset;
    state.Y.abs = pixelY(y) - kOisOffset;
    gApp.mInput->mouseMoved(OIS::MouseEvent(gApp.mInput->mMouse, state));
}

void GamePlayer::press()
{
    OIS::MouseState state;
    state.X.abs = pixelX(mX) - kOisOffset;
    state.Y.abs = pixelY(mY) - kOisOffset;
    state.buttons = 1;
    gApp.mInput->mousePressed(OIS::MouseEvent(gApp.mInput->mMouse, state), OIS::MB_Left);
}

void GamePlayer::release()
{
    OIS::MouseState state;
    state.X.abs = pixelX(mX) - kOisOffset;
    state.Y.abs = pixelY(mY) - kOisOffset;
    gApp.mInput->mouseReleased(OIS::MouseEvent(gApp.mInput->mMouse, state), OIS::MB_Left);
}

void GamePlayer::rest()
{
    const uint32_t until = gApp.mGameClock + static_cast<uint32_t>(restMs);
    for (int i = 0; i < 100000 && static_cast<int32_t>(until - gApp.mGameClock) > 0; ++i)
        frame();
}

void GamePlayer::clickAt(float x, float y)
{
    rest();
    moveTo(x, y);
    frames(kHoldFrames);
    press();
    frames(kHoldFrames);
    release();
    frames(kHoldFrames);
}

void GamePlayer::typeKey(int key, unsigned text)
{
    gApp.mInput->keyPressed(OIS::KeyEvent(gApp.mInput->mKeyboard, static_cast<OIS::KeyCode>(key), text));
    frames(2);
    gApp.mInput->keyReleased(OIS::KeyEvent(gApp.mInput->mKeyboard, static_cast<OIS::KeyCode>(key), text));
    frames(2);
}

void GamePlayer::pressKey(int key)
{
    gApp.mInput->keyPressed(OIS::KeyEvent(gApp.mInput->mKeyboard, static_cast<OIS::KeyCode>(key), 0));
    frames(2);
}

void GamePlayer::releaseKey(int key)
{
    gApp.mInput->keyReleased(OIS::KeyEvent(gApp.mInput->mKeyboard, static_cast<OIS::KeyCode>(key), 0));
    frames(2);
}

// ---------------------------------------------------------------------------
// Watching the game

bool GamePlayer::objectPoint(const std::string& name, float& x, float& y, std::string& why)
{
    CObject* object = gApp.findObject(name);
    if (!object || !object->getNode())
    {
        why = "no object " + name;
        return false;
    }
    Ogre::SceneNode* node = object->getNode();
    node->_update(true, false);
    const Ogre::AxisAlignedBox box = node->_getWorldAABB();
    if (box.isNull() || box.isInfinite())
    {
        why = name + " has no bounds";
        return false;
    }
    // The box's corners on the screen; points inside their rectangle are
    // tried until picking hovers the object.
    Ogre::Camera* camera = gApp.mCamera;
    const Ogre::Matrix4 viewProj = camera->getProjectionMatrix() * camera->getViewMatrix();
    float left = 1.0f, right = 0.0f, top = 1.0f, bottom = 0.0f;
    int inFront = 0;
    for (const Ogre::Vector3& corner : box.getAllCorners())
    {
        const Ogre::Vector3 eye = camera->getViewMatrix() * corner;
        if (eye.z >= 0.0f)
            continue;
        ++inFront;
        const Ogre::Vector3 p = viewProj * corner;
        const float sx = p.x * 0.5f + 0.5f, sy = 0.5f - p.y * 0.5f;
        left = std::min(left, sx);
        right = std::max(right, sx);
        top = std::min(top, sy);
        bottom = std::max(bottom, sy);
    }
    // The strips at the borders belong to the interface's arrows and bar.
    left = std::max(left, 0.06f);
    right = std::min(right, 0.94f);
    top = std::max(top, 0.04f);
    bottom = std::min(bottom, 0.86f);
    if (inFront == 0 || left > right || top > bottom)
    {
        why = name + " is not in view of camera " + std::to_string(var("cur_cam"));
        return false;
    }
    const int n = 5;
    for (int i = 0; i <= n * n; ++i)
    {
        // The middle first, then a grid over the rectangle.
        const float fx = i == 0 ? 0.5f : ((i - 1) % n + 0.5f) / n;
        const float fy = i == 0 ? 0.5f : ((i - 1) / n + 0.5f) / n;
        const float px = left + (right - left) * fx, py = top + (bottom - top) * fy;
        moveTo(px, py);
        frame();
        if (gApp.mHovered == object)
        {
            x = px;
            y = py;
            return true;
        }
    }
    why = "picking never finds " + name + " in its screen rectangle";
    return false;
}

bool GamePlayer::elementPoint(const std::string& name, float& x, float& y)
{
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    if (!overlays.hasOverlayElement(name))
        return false;
    Ogre::OverlayElement* e = overlays.getOverlayElement(name);
    if (!e->isVisible() || (e->getParent() && !e->getParent()->isVisible()))
        return false;
    // At rest: the same place two frames running.
    const float left = e->_getDerivedLeft(), top = e->_getDerivedTop();
    frame();
    if (e->_getDerivedLeft() != left || e->_getDerivedTop() != top)
        return false;
    x = left + e->_getWidth() / 2.0f;
    y = top + e->_getHeight() / 2.0f;
    return x > 0.0f && x < 1.0f && y > 0.0f && y < 1.0f;
}

bool GamePlayer::buttonPoint(int mid, int id, float& x, float& y)
{
    sc_00_ginterface* gi = gameInterface();
    // The interface's buttons act only while it takes the player's input
    // (not while a document, a menu or a flight holds it).
    if (!gi || gi->interfaceActive != 1)
        return false;
    const sc_00_ginterface::__MENU_ITEM& it = gi->menus[mid].items[id];
    // Some buttons (skip, back) stand without their menu, as in a cut
    // scene, whose bar is hidden.
    if (gi->menus[mid].state != 2 && !(it.flags & 0x40))
        return false;
    // Only a button fully shown and at rest takes a click.
    if (it.disabled || it.showState != 2 || it.shift < 1.0f)
        return false;
    x = it.main.scrPos.x + it.main.scrSize.x / 2.0f;
    y = it.main.scrPos.y + it.main.scrSize.y / 2.0f;
    return x > 0.0f && x < 1.0f && y > 0.0f && y < 1.0f;
}

bool GamePlayer::overlayShown(const std::string& name)
{
    Ogre::Overlay* overlay = Ogre::OverlayManager::getSingleton().getByName(name);
    return overlay && overlay->isVisible();
}

bool GamePlayer::menuShown(int mid)
{
    sc_00_interface* menu = scriptNamed<sc_00_interface>("interface");
    return menu && menu->mMenus[mid].state == 2;
}

bool GamePlayer::settled() const
{
    if (var("is_camera_moving") != 0)
        return false;
    if (sc_00_loader* loader = scriptNamed<sc_00_loader>("00_loader"))
        if (loader->state != 0)
            return false;
    sc_00_ginterface* gi = gameInterface();
    if (gi && gi->playMode != 1 && gi->playMode != 2)
        return false;
    return gApp.mInput && gApp.mInput->cursorOn();
}

int GamePlayer::var(const std::string& name)
{
    return CVirtualScript::getVarI(name);
}

void GamePlayer::closeTutorial()
{
    // A person reads the tutorial's hint and closes it.
    sc_00_tutorial* tutorial = scriptNamed<sc_00_tutorial>("tutorial");
    float x = 0.0f, y = 0.0f;
    if (tutorial && tutorial->menu.state == 2 && elementPoint("TutorialSkipButton", x, y))
    {
        ++mTutorialsClosed;
        clickAt(x, y);
    }
}

void GamePlayer::readDialog()
{
    // A line without a voice stays until it is clicked, and a tip window
    // until a click anywhere: a person reads either for a moment and clicks.
    const bool line = CVirtualScript::getConfigI("is_dialog_start") != 0 && overlayShown("TextLinesOverlay");
    const bool tip = menuShown(sc_00_interface::MENU_TIP);
    if (!line && !tip)
    {
        mReadFrames = 0;
        return;
    }
    if (++mReadFrames < kReadFrames)
        return;
    mReadFrames = 0;
    clickAt(0.5f, line ? 0.92f : 0.5f);
}

bool GamePlayer::waitUntil(const std::function<bool()>& done, int budget, const std::string& what, int hold)
{
    int held = 0;
    for (int i = 0; i < budget; ++i)
    {
        closeTutorial();
        readDialog();
        held = done() ? held + 1 : 0;
        if (held >= hold)
            return true;
        frame();
    }
    if (hold <= 1 && done())
        return true;
    char seconds[32];
    std::snprintf(seconds, sizeof(seconds), "%.1f", budget * frameSeconds);
    return fail("waited " + std::to_string(budget) + " frames (" + seconds + " s of game time) for " + what +
                "; " + state());
}

std::string GamePlayer::state() const
{
    std::string s = "room " + std::to_string(var("cur_room")) + ", camera " + std::to_string(var("cur_cam"));
    if (var("is_camera_moving") != 0)
        s += " (moving)";
    if (sc_00_ginterface* gi = gameInterface())
    {
        s += ", play mode " + std::to_string(gi->playMode) + ", interface " +
             (gi->interfaceActive == 1 ? "active" : "inactive") + ", menus shown:";
        for (int m = 0; m < sc_00_ginterface::kMenus; ++m)
            if (gi->menus[m].state == 2)
                s += " " + std::to_string(m);
    }
    else
        s += ", no in-game interface";
    if (sc_00_loader* loader = scriptNamed<sc_00_loader>("00_loader"))
        s += ", loader state " + std::to_string(loader->state) + (loader->keyWait && loader->keyArmed ? " (waits for a click)" : "") +
             (overlayShown("loadingWindow") ? ", loading window shown" : "");
    if (sc_00_tutorial* tutorial = scriptNamed<sc_00_tutorial>("tutorial"))
        s += ", tutorial window state " + std::to_string(tutorial->menu.state);
    if (CVirtualScript::getConfigI("is_dialog_start") != 0)
        s += ", a dialog runs";
    s += gApp.mInput && gApp.mInput->cursorOn() ? ", cursor on" : ", cursor off";
    return s;
}

void GamePlayer::frames(int n)
{
    for (int i = 0; i < n; ++i)
        frame();
}

void GamePlayer::frame()
{
    mFrame();
    ++mFrames;
    if (afterFrame)
        afterFrame();
}
} // namespace tq
