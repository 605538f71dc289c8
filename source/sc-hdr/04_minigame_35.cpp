#include "04_minigame_35.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
const char* const kGame = "04_minigame_35";
const char* const kArrow = "Minigame35Overlay";
const char* const kArrowPanel = "Minigame35OverlayPan";
const char* const kArrowMaterial = "minigame_35_arrow";
const float kArrowWidth = 0.0625f;
const float kArrowHeight = 1.0f / 12.0f;
const int kHint = 16046;
/// The board's distance in front of the camera.
const float kDepth = 114.76f;
/// Depth of the pieces set into the window.
const float kFixedZ = -116.5f;
/// How far the cursor moves with the button held before a press is a drag.
const float kDragStart = 0.2f;
/// Squared distance from a piece's centre within which a click turns it.
const float kCentre2 = 20.0f;
/// A piece snaps in closer than this to its place, in x and in y.
const float kSnap = 5.0f;

enum Sound
{
    kWinSound,
    kPickSound,
    kSnapSound,
    kDropSound
};
} // namespace

void sc_04_minigame_35::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    arrowInit();
    sounds.load({"01_snd_00", "01_snd_01", "01_snd_02", "01_snd_03"});
    MiniGame::hideBoard(kGame);
    if (!isGameEndSet(2, 35))
        genData();
}

void sc_04_minigame_35::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    sounds.unload();
    overlayDestroy(kArrow, kArrowPanel, nullptr);
}

void sc_04_minigame_35::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (code == MiniGame::kHint)
    {
        if (!gameOver)
            showHint();
        return;
    }
    if (MiniGame::frameCode(*this, code, getOwner(), from))
        return;
    if (code >= 10000 && code < 20000)
        focusWord(code - 10000);
    else if (code >= 20000 && code < 30000)
        focused = -1;
}

void sc_04_minigame_35::startGame(OBJECT_HANDLE from)
{
    TQ_TRACE(" startGame(OBJECT_HANDLE from)");
    starter = from;
    MiniGame::showBoard(kGame);
    initGame();
    if (MiniGame::hintsInGames())
        showHint();
}

void sc_04_minigame_35::quitGame()
{
    TQ_TRACE(" quitGame()");
    ScriptObject::stopFrameTimer(getOwner(), timer);
    save();
    MiniGame::putBoardAway(kGame);
    // The arrow is a screen overlay: it would stay over the room.
    hideArrow();
}

void sc_04_minigame_35::saveGame()
{
    TQ_TRACE(" saveGame()");
    save();
}

void sc_04_minigame_35::save()
{
    TQ_TRACE(" save()");
    saveGameArray(kSaved, 2, 35, data, &gameOver);
}

void sc_04_minigame_35::showHint()
{
    TQ_TRACE(" showHint()");
    MiniGame::sendHint(kHint);
}

void sc_04_minigame_35::win()
{
    TQ_TRACE(" win()");
    hideArrow();
    sounds.play(kWinSound);
    MiniGame::announceWin(getOwner());
    gameOver = 1;
}

// ---------------------------------------------------------------------------
// The board

void sc_04_minigame_35::genData()
{
    TQ_TRACE(" genData()");
    std::fill(std::begin(data), std::end(data), 0);
    gameOver = 0;
    for (int i = 0; i < kPieces; ++i)
    {
        // Loose pieces start in the left or the right margin.
        const bool right = ScriptObject::random(2) == 0;
        gridX(i) = ScriptObject::random(30) + (right ? 70 : 0);
        gridY(i) = ScriptObject::random(100);
        fixed(i) = 0;
        rotation(i) = ScriptObject::random(4);
    }
    save();
}

vec3 sc_04_minigame_35::gridToWorld(int x, int y, float z)
{
    return vec3(x - 50.0f, (y - 50.0f) * 0.7f, z);
}

void sc_04_minigame_35::setGrid(int i, const vec3& p)
{
    TQ_TRACE(" setGrid(int i, const vec3& p)");
    gridX(i) = std::min(std::max(static_cast<int>(p.x + 50.0f), 0), 99);
    gridY(i) = std::min(std::max(static_cast<int>((p.y + 35.0f) / 70.0f * 100.0f), 0), 99);
}

void sc_04_minigame_35::initGame()
{
    TQ_TRACE(" initGame()");
    loadGameArray(kSaved, 2, 35, data, &gameOver);
    // A damaged save must not lay pieces off the board nor turn them by
    // more than three quarters.
    for (int i = 0; i < kPieces; ++i)
    {
        Puzzle::repair(2, 35, data, 4 * i, 0, 99, 50);
        Puzzle::repair(2, 35, data, 4 * i + 1, 0, 99, 50);
        Puzzle::repair(2, 35, data, 4 * i + 2, 0, 1, 0);
        Puzzle::repair(2, 35, data, 4 * i + 3, 0, 3, 0);
    }
    state = 0;
    selected = -1;
    allPlaced = 0;
    for (int i = 0; i < kPieces; ++i)
    {
        Piece& p = pieces[i];
        p.object = gApp.findObjectHandle(ScriptObject::indexedKey("04_02_game_vitraj_", i));
        // The game moves the pieces' nodes: their places are what the scene
        // gave them before the first game in this room.
        if (!placesRead && p.object)
            p.place = getPosition(p.object);
        if (fixed(i))
            p.current = vec3(p.place.x, p.place.y, kFixedZ);
        else
            p.current = gridToWorld(gridX(i), gridY(i), i * 0.03f - kDepth);
        p.start = p.target = p.current;
        p.progress = 1.0f;
        p.startAngle = p.angle = p.targetAngle = rotation(i) * 90.0f;
        if (p.object)
        {
            setPosition(p.object, p.current);
            setOrientationDeg(p.object, vec3(0.0f, 0.0f, -p.angle));
        }
    }
    placesRead = 1;
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
}

// ---------------------------------------------------------------------------
// Dragging and turning

void sc_04_minigame_35::focusWord(int i)
{
    TQ_TRACE(" focusWord(int i)");
    if (i < 0 || i >= kPieces)
        return;
    if (!fixed(i) && state == 0)
        arrowPiece = i;
    focused = i;
}

bool sc_04_minigame_35::isCenter() const
{
    if (focused < 0)
        return false;
    const vec3& c = pieces[focused].current;
    const float dx = cursor.x - c.x;
    const float dy = cursor.y - c.y;
    return dx * dx + dy * dy < kCentre2;
}

void sc_04_minigame_35::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    // A tick already due when the game was closed comes after the close.
    if (paused || !timer)
        return;
    const float dt = ScriptObject::frameSeconds();
    mouse.read();
    screenToPlane(vec3(mouse.x, mouse.y, kDepth), cursor);
    if (!gameOver)
    {
        if (mouse.pressed())
        {
            if (state == 0 && focused >= 0)
                select();
            else if (state == 2)
                deselect();
        }
        else if (mouse.released())
        {
            if (state == 1 && isCenter())
                rotate();
            if (state == 2)
                deselect();
        }
        if (state == 1 && mouse.buttonNow &&
            (std::fabs(cursor.x - pressX) >= kDragStart || std::fabs(cursor.y - pressY) >= kDragStart))
            state = 2;
    }
    moveVitrajs(dt);
    moveArrow(dt);
}

void sc_04_minigame_35::select()
{
    TQ_TRACE(" select()");
    if (focused < 0 || fixed(focused))
        return;
    const Piece& p = pieces[focused];
    selected = focused;
    state = 1;
    grab = vec3(p.current.x - cursor.x, p.current.y - cursor.y, 1.0f);
    pressX = cursor.x;
    pressY = cursor.y;
    sounds.play(kPickSound);
}

void sc_04_minigame_35::rotate()
{
    TQ_TRACE(" rotate()");
    if (focused >= 0 && !fixed(focused))
    {
        Piece& p = pieces[focused];
        p.progress = 0.0f;
        p.startAngle = p.angle;
        ++rotation(focused);
        p.targetAngle = rotation(focused) * 90.0f;
        if (rotation(focused) == 4)
        {
            // On round to upright, not back the other way.
            rotation(focused) = 0;
            p.startAngle -= 360.0f;
            p.targetAngle -= 360.0f;
        }
    }
    if (selected >= 0)
    {
        Piece& p = pieces[selected];
        setGrid(selected, p.current);
        p.current.z = selected * 0.01f - kDepth;
        p.start = p.target = p.current;
    }
    sounds.play(kPickSound);
    state = 0;
    selected = -1;
}

void sc_04_minigame_35::deselect()
{
    TQ_TRACE(" deselect()");
    if (selected < 0)
        return;
    const int i = selected;
    Piece& p = pieces[i];
    if (std::fabs(p.current.x - p.place.x) < kSnap && std::fabs(p.current.y - p.place.y) < kSnap &&
        rotation(i) == 0)
    {
        setGrid(i, p.place);
        p.target = vec3(p.place.x, p.place.y, kFixedZ);
        fixed(i) = 1;
        sounds.play(kSnapSound);
    }
    else
    {
        p.current.z = i * 0.01f - kDepth;
        p.target = p.current;
        p.target.x = std::min(std::max(p.target.x, -50.0f), 50.0f);
        p.target.y = std::min(std::max(p.target.y, -35.0f), 35.0f);
        // The place that is saved is the one the piece comes to rest on.
        setGrid(i, p.target);
        sounds.play(kDropSound);
    }
    p.start = p.current;
    p.progress = 0.0f;
    p.startAngle = p.angle;
    arrowShowing = 0;
    selected = -1;
    state = 0;
}

void sc_04_minigame_35::moveVitrajs(float dt)
{
    TQ_TRACE(" moveVitrajs(float dt)");
    if (selected >= 0)
    {
        Piece& p = pieces[selected];
        p.target = p.current = cursor + grab;
    }
    allPlaced = 1;
    for (int i = 0; i < kPieces; ++i)
        moveVitraj(i, dt);
    if (allPlaced && !gameOver)
        win();
}

void sc_04_minigame_35::moveVitraj(int i, float dt)
{
    TQ_TRACE(" moveVitraj(int i, float dt)");
    Piece& p = pieces[i];
    if (p.progress < 1.0f)
    {
        const float f = Puzzle::easeCubic(p.progress);
        p.current = p.start + (p.target - p.start) * f;
        p.angle = p.startAngle + (p.targetAngle - p.startAngle) * f;
        p.progress += (gameOver ? 0.3f : 3.0f) * dt;
    }
    else
    {
        p.current = p.target;
        // The ease ends a hair short of its end; at rest the angle is exact.
        p.angle = p.targetAngle;
    }
    vec3 shown = p.current;
    if (i == focused && !fixed(i) && state == 0)
        shown.z += 1.0f;
    if (p.object)
    {
        setPosition(p.object, shown);
        setOrientationDeg(p.object, vec3(0.0f, 0.0f, -p.angle));
    }
    if (!fixed(i) || p.progress < 1.0f)
        allPlaced = 0;
}

// ---------------------------------------------------------------------------
// The arrow

void sc_04_minigame_35::arrowInit()
{
    TQ_TRACE(" arrowInit()");
    const Ogre::Vector2 at(0.0f, 0.0f), size(kArrowWidth, kArrowHeight);
    overlayCreatePanel(kArrow, kArrowPanel, nullptr, kArrowMaterial, &at, &size, 100);
    overlaySetVisible(kArrow, nullptr, nullptr, false);
    arrowPiece = -1;
}

void sc_04_minigame_35::hideArrow()
{
    TQ_TRACE(" hideArrow()");
    arrowShowing = 0;
    arrowAlpha = 0.0f;
    overlaySetVisible(kArrow, nullptr, nullptr, false);
}

void sc_04_minigame_35::moveArrow(float dt)
{
    TQ_TRACE(" moveArrow(float dt)");
    if (arrowPiece >= 0)
    {
        const Ogre::Vector2 at = projectPoint(pieces[arrowPiece].current);
        overlaySetPosition(kArrow, kArrowPanel, nullptr, at.x - kArrowWidth / 2, at.y - kArrowHeight / 2);
    }
    // Off every loose piece the arrow fades: it turns nothing there.
    arrowShowing = focused >= 0 && !fixed(focused) && isCenter() ? 1 : 0;
    if (arrowShowing)
    {
        overlaySetVisible(kArrow, nullptr, nullptr, true);
        arrowAlpha = std::min(arrowAlpha + 3.0f * dt, 1.0f);
    }
    else
    {
        arrowAlpha -= dt;
        if (arrowAlpha <= 0.0f)
        {
            arrowAlpha = 0.0f;
            overlaySetVisible(kArrow, nullptr, nullptr, false);
        }
    }
    materialSetAlpha(kArrowMaterial, arrowAlpha);
}
