#include "03_minigame_05.h"

#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>

namespace
{
const char* const kGame = "03_minigame_05";
const int kLocation = 3;
const int kNumber = 5;
const int kHint = 16005;
const int kWrongTip = 16032;
/// The tip window answers a closed tip with its code + 10000.
const int kTipClosed = 10000;

enum Sound
{
    kSndWin = 0,
    kSndPress = 1,
    kSndWash = 2,
    kSndColour = 3,
};

// The saved array.
const int kTarget = 0;    ///< target colours of planes 0..4
const int kColouring = 5; ///< colours given to planes 0..4, -1 none
const int kToShow = 10;   ///< a new pattern waits to be shown

const float kPlaneDepth = 114.691f;
const float kDragThreshold = 0.2f;
/// Where a carried crystal glides to, from under the cursor.
const vec3 kCarry(3.0f, -3.0f, 2.0f);
const char* const kResetLight = "03_04_game_fon_01";
const int kCaptionText = 6047;

float clamp01(float v)
{
    return std::max(0.0f, std::min(1.0f, v));
}
} // namespace

void sc_03_minigame_05::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    initText();
    sounds.load({"01_snd_00", "01_snd_01", "05_snd_02", "01_snd_03"});
    MiniGame::hideBoard(kGame);
    // The state is kept in memory from the start, so that a save or close
    // that comes before the game is played writes it back unchanged.
    if (!isGameEndSet(kLocation, kNumber))
        genData();
    else
        loadGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_03_minigame_05::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
    destroyText();
}

void sc_03_minigame_05::ON_NOTIFY(int param, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE from)");
    if (MiniGame::frameCode(*this, param, getOwner(), from))
        return;
    // The tip window answers a closed tip with its code + 10000, which
    // falls among the planes' codes: it is taken as the tip's end first.
    if (param == kHint || param == kWrongTip || param == kHint + kTipClosed || param == kWrongTip + kTipClosed)
        tipWait = 0;
    else if (param >= 10000 && param < 15000)
        focusColor(param - 10000);
    else if (param >= 15000 && param < 16000)
        focusPlane(param - 15000);
    else if (param >= 20000 && param < 25000)
        unfocusColor();
    else if (param >= 25000 && param < 30000)
        unfocusPlane();
}

void sc_03_minigame_05::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (paused || won)
        return;
    const float dt = ScriptObject::frameSeconds();
    mouse.read();
    cursor = vec3(mouse.x, mouse.y, kPlaneDepth);
    screenToPlane(cursor, planePoint);
    dragTick(mouse, planePoint, kDragThreshold);
    if (mouse.pressed() && tipWait == 0 && phase == kShowing)
    {
        phase = kPlaying;
        saved[kToShow] = 0;
        sounds.play(kSndWash);
    }
    if (phase != kShowing)
        movePlane(dt);
    moveColor(dt);
}

void sc_03_minigame_05::genData()
{
    TQ_TRACE(" genData()");
    std::fill(saved, saved + kSaved, 0);
    won = 0;
    std::fill(saved + kTarget, saved + kTarget + kColours, -1);
    std::fill(saved + kColouring, saved + kColouring + kColours, -1);
    for (int k = 0; k < kColours; ++k)
    {
        int j = 0;
        do
            j = ScriptObject::random(kColours);
        while (saved[kTarget + j] != -1);
        saved[kTarget + j] = k;
    }
    saved[kToShow] = 1;
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

bool sc_03_minigame_05::stateValid() const
{
    TQ_TRACE(" stateValid()");
    bool seen[kColours] = {};
    for (int j = 0; j < kColours; ++j)
    {
        const int target = saved[kTarget + j];
        if (target < 0 || target >= kColours || seen[target])
            return false;
        seen[target] = true;
        if (saved[kColouring + j] < -1 || saved[kColouring + j] >= kColours)
            return false;
    }
    return true;
}

void sc_03_minigame_05::initGame()
{
    TQ_TRACE(" initGame()");
    phase = kShowing;
    loadGameArray(kSaved, kLocation, kNumber, saved, &won);
    if (!stateValid())
    {
        MiniGameTools::warnDamagedState(kLocation, kNumber);
        genData();
    }
    carryT = 0.0f;
    // A crystal carried when the game was left is put down.
    held = -1;
    drop();
    for (int i = 0; i < kColours; ++i)
    {
        _CRYSTAL& c = crystals[i];
        c.crystal = findObjectIndexed("03_04_game_cristals_", i);
        c.light = findObjectIndexed("03_04_game_cristals_light_", i);
        c.crystalMaterial = ScriptObject::indexedKey("03_04_game_cristals_", i);
        c.lightMaterial = ScriptObject::indexedKey("03_04_game_cristals_light_", i);
        setMaterial(c.crystal, 0, c.crystalMaterial);
        setMaterial(c.light, 0, c.lightMaterial);
        c.available = 1;
        c.used = 0;
        c.alpha = 1.0f;
        c.glow = 0.0f;
        c.t = 0.0f;
        c.home = c.from = c.to = c.current = getPosition(c.crystal);
    }
    crystals[kReset].lightMaterial = kResetLight;
    for (int j = 0; j < kColours; ++j)
    {
        _PLANE& p = planes[j];
        p.plane = findObjectIndexed("03_04_game_plane_", j);
        p.material = ScriptObject::indexedKey("03_04_game_plane_", j);
        setMaterial(p.plane, 0, p.material);
        p.whiteness = 0.0f;
        p.coloured = 0;
        materialSetColour(p.material, 0.0f, 0.0f, 0.0f, 0);
        if (saved[kToShow])
        {
            setColor(j, saved[kTarget + j]);
            continue;
        }
        const int given = saved[kColouring + j];
        if (given != -1)
        {
            setColor(j, given);
            p.whiteness = 1.0f;
            p.coloured = 1;
            crystals[given].available = 0;
            crystals[given].used = 1;
            crystals[given].alpha = 1.0f;
        }
        phase = kPlaying;
    }
    // A second start without a close in between keeps one tick.
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    timerId = ScriptObject::startFrameTimer(getOwner());
}

void sc_03_minigame_05::initText()
{
    TQ_TRACE(" initText()");
    float x = 0.0f, y = 0.0f, height = 0.0f;
    getConfigF("03_minigame_05_reset_button_x", x);
    getConfigF("03_minigame_05_reset_button_y", y);
    getConfigF("03_minigame_05_reset_button_char_height", height);
    const char* o = overlayName.c_str();
    const char* frame = frameElement.c_str();
    // Text areas hang in a container: a frame over the whole screen, so
    // that their places are the screen's.
    const Ogre::Vector2 origin(0.0f, 0.0f), screen(1.0f, 1.0f), size(0.1f, 0.1f);
    overlayCreatePanel(o, frame, nullptr, nullptr, &origin, &screen, 150);
    const Ogre::Vector2 shadowAt(x + 0.002f, y + 0.002f), frontAt(x, y);
    overlayCreateFromTemplate(o, "CounterComment", frame, shadowElement.c_str(), &shadowAt, &size, 150, "TextArea");
    overlayCreateFromTemplate(o, "CounterComment", frame, frontElement.c_str(), &frontAt, &size, 150, "TextArea");
    for (const String* element : {&shadowElement, &frontElement})
    {
        overlaySetCaption(o, frame, element->c_str(), kCaptionText, -1, -1, nullptr);
        overlaySetCharHeight(o, frame, element->c_str(), height);
    }
    overlaySetColourTop(o, frame, shadowElement.c_str(), 0.2f, 0.2f, 0.0f, 1.0f);
    overlaySetColourBottom(o, frame, shadowElement.c_str(), 0.4f, 0.4f, 0.0f, 1.0f);
    overlaySetColourTop(o, frame, frontElement.c_str(), 1.0f, 1.0f, 0.8f, 1.0f);
    overlaySetColourBottom(o, frame, frontElement.c_str(), 1.0f, 1.0f, 0.8f, 1.0f);
}

void sc_03_minigame_05::destroyText()
{
    TQ_TRACE(" destroyText()");
    overlayDestroy(overlayName.c_str(), frameElement.c_str(), nullptr);
}

void sc_03_minigame_05::setColor(int pl, int c)
{
    TQ_TRACE(" setColor(int pl, int c)");
    String texture = ScriptObject::indexedKey("03_04_color_", c + 1, ".tga");
    materialSetTexturePassUnit(planes[pl].material, 0, 0, texture);
}

void sc_03_minigame_05::crystalsHome()
{
    TQ_TRACE(" crystalsHome()");
    for (int i = 0; i < kColours; ++i)
    {
        _CRYSTAL& c = crystals[i];
        c.available = 1;
        c.used = 0;
        c.t = 1.0f;
        c.from = c.to = c.current = c.home;
        setPosition(c.crystal, c.home);
    }
}

void sc_03_minigame_05::select()
{
    TQ_TRACE(" select()");
    if (focusedCrystal == -1)
        return;
    if (focusedCrystal == kReset)
    {
        crystalsHome();
        for (_PLANE& p : planes)
            p.coloured = 0;
        phase = kWashing;
    }
    else if (crystals[focusedCrystal].available && held != focusedCrystal)
    {
        held = focusedCrystal;
        grab(planePoint);
        const vec3 at = getPosition(crystals[held].crystal);
        grabOffset = vec3(at.x - planePoint.x, at.y - planePoint.y, 0.0f);
        carryT = 0.0f;
    }
    sounds.play(kSndPress);
}

void sc_03_minigame_05::deselect()
{
    TQ_TRACE(" deselect()");
    Log::print("\ndeselect");
    _CRYSTAL& c = crystals[held];
    if (focusedPlane != -1 && planes[focusedPlane].whiteness >= 1.0f)
    {
        // The crystal gives the white plane its colour and fades where it is.
        sounds.play(kSndColour);
        setColor(focusedPlane, held);
        saved[kColouring + focusedPlane] = held;
        planes[focusedPlane].whiteness = 1.0f;
        planes[focusedPlane].coloured = 1;
        grabOffset = vec3::ZERO;
        c.available = 0;
        c.used = 1;
        c.from = c.to = c.current;
        c.t = 1.0f;
    }
    else
    {
        c.to = c.home;
        c.from = c.current;
        c.t = 0.0f;
    }
    held = -1;
    drop();
}

void sc_03_minigame_05::focusColor(int i)
{
    TQ_TRACE(" focusColor(int i)");
    focusedCrystal = i >= 0 && i <= kReset ? i : -1;
    // Onto the reset object with a crystal: it goes home.
    if (focusedCrystal == kReset && dragState != kIdle)
        deselect();
}

void sc_03_minigame_05::unfocusColor()
{
    TQ_TRACE(" unfocusColor()");
    focusedCrystal = -1;
}

void sc_03_minigame_05::focusPlane(int i)
{
    TQ_TRACE(" focusPlane(int i)");
    focusedPlane = i >= 0 && i < kColours ? i : -1;
}

void sc_03_minigame_05::unfocusPlane()
{
    TQ_TRACE(" unfocusPlane()");
    focusedPlane = -1;
}

void sc_03_minigame_05::moveColor(float inc)
{
    TQ_TRACE(" moveColor(float inc)");
    for (int i = 0; i < kColours; ++i)
    {
        _CRYSTAL& c = crystals[i];
        if (i == held)
        {
            carryT = std::min(1.0f, carryT + 2.0f * inc);
            c.current = MiniGame::interp(planePoint + grabOffset, planePoint + kCarry, MiniGameTools::easeOut(carryT));
        }
        else
        {
            c.t = std::min(1.0f, c.t + 2.0f * inc);
            c.current = MiniGame::interp(c.from, c.to, MiniGame::cubeFunc(c.t));
        }
        setPosition(c.crystal, c.current);
        setPosition(c.light, c.current);
        c.alpha = c.available ? std::min(1.0f, c.alpha + 5.0f * inc) : std::max(0.0f, c.alpha - 2.0f * inc);
        materialSetAlpha(c.crystalMaterial, c.alpha);
    }
    for (int i = 0; i <= kReset; ++i)
    {
        _CRYSTAL& c = crystals[i];
        c.glow = focusedCrystal == i && held == -1 ? std::min(1.0f, c.glow + 3.0f * inc)
                                                   : std::max(0.0f, c.glow - inc);
        materialSetColour(c.lightMaterial, c.glow, c.glow, c.glow, 1);
    }
}

void sc_03_minigame_05::movePlane(float inc)
{
    TQ_TRACE(" movePlane(float inc)");
    bool allRight = true, allColoured = true, allWhite = true, allUsed = true;
    for (int j = 0; j < kColours; ++j)
    {
        _PLANE& p = planes[j];
        p.whiteness = clamp01(p.coloured ? p.whiteness - inc : p.whiteness + inc);
        materialSetColour(p.material, p.whiteness, p.whiteness, p.whiteness, 0);
        allColoured = allColoured && p.whiteness <= 0.0f;
        allRight = allRight && p.whiteness <= 0.0f && saved[kColouring + j] == saved[kTarget + j];
        allWhite = allWhite && p.whiteness >= 1.0f;
        allUsed = allUsed && !crystals[j].available;
    }
    if (allRight)
        win();
    else if (allColoured && allUsed && phase == kPlaying)
    {
        // A wrong pattern: washed out, with a tip, and a new one shown.
        phase = kWashing;
        for (_PLANE& p : planes)
            p.coloured = 0;
        crystalsHome();
        sendNotifyByName("interface", kWrongTip, getOwner());
        tipWait = 1;
    }
    if (allWhite && phase == kWashing)
    {
        phase = kNewPattern;
        genData();
        for (int j = 0; j < kColours; ++j)
        {
            planes[j].coloured = 1;
            setColor(j, saved[kTarget + j]);
        }
    }
    if (allColoured && phase == kNewPattern)
    {
        phase = kShowing;
        for (_PLANE& p : planes)
            p.coloured = 0;
    }
}

void sc_03_minigame_05::win()
{
    TQ_TRACE(" win()");
    sounds.play(kSndWin);
    MiniGame::announceWin(getOwner());
    won = 1;
}

void sc_03_minigame_05::startGame(OBJECT_HANDLE /*from*/)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
    tipWait = 0;
    overlaySetVisible(overlayName.c_str(), nullptr, nullptr, true);
}

void sc_03_minigame_05::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timerId);
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
    MiniGame::putBoardAway(kGame);
    overlaySetVisible(overlayName.c_str(), nullptr, nullptr, false);
}

void sc_03_minigame_05::saveGame()
{
    TQ_TRACE(" saveGame()");
    saveGameArray(kSaved, kLocation, kNumber, saved, &won);
}

void sc_03_minigame_05::showHint()
{
    TQ_TRACE(" showHint()");
    // The tip window will answer this game when the hint is closed.
    sendNotifyByName("interface", kHint, getOwner());
}
