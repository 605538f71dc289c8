// What the board games of location 2 share beyond the mini-game frame: a
// set of sounds loaded for the game's life, the eases of their pieces'
// moves, and the pointer on the board, which projects the cursor onto the
// board's plane in front of the camera and turns the button's edges into
// grabs and drops.
//
// A piece is grabbed by a press over it; it is dropped by the release that
// ends a drag (the button held and the cursor moved more than a threshold,
// 0.1 unless the game says otherwise, from the press).  A press and release
// without movement leaves the piece grabbed: it follows the cursor until a
// later press, move and release drop it.
#pragma once

#include "MiniGame.h"

#include <initializer_list>
#include <vector>

namespace MiniGame
{
/// Sounds a game loads at its creation and frees at its destruction.  A
/// sound that did not load (no file, no device) plays nothing.
class CSoundSet
{
public:
    /// Loads the sounds (".ogg" files, kept in memory) in index order.
    void load(std::initializer_list<const char*> names);
    /// Plays sound i once among the effects.
    void play(int i) const;
    /// Frees every loaded sound.
    void unload();

private:
    std::vector<int> mIds;
};

/// (1 - a) x1 + a x2.
float interp(float x1, float x2, float a);
/// interp on each axis.
vec3 interp(const vec3& from, const vec3& to, float a);
/// 2.9444 x^3 - 6.8167 x^2 + 4.8722 x: rises past 1 (about 1.1 at 0.5)
/// and settles at 1, a springy ease.
float cubeFunc(float x);

/// The cursor on the board and the grab state of the piece it holds.
struct CBoardPointer
{
    enum DragState
    {
        kIdle = 0,
        kGrabbed = 1, ///< taken by a press; not yet moved with the button held
        kDragging = 2,
    };

    /// Reads the mouse once for this tick and projects the cursor onto the
    /// plane depth units in front of the camera, in the camera's space (the
    /// space of the board, which hangs under the camera).
    void read(float depth);
    /// Whether the button's edge of this tick is a click for the game: a
    /// press, or the release that ends a drag.
    bool clickWanted() const;
    /// A grabbed piece is being dragged once the button is held and the
    /// cursor has left the press point by more than dragThreshold in x or y.
    void followDrag();
    /// A piece was taken at the cursor.
    void grab();
    /// The piece was put down.
    void drop() { dragState = kIdle; }

    Mouse mouse;
    vec3 cursor = vec3::ZERO;     ///< screen x, y (0..1) and the plane's depth
    vec3 planePoint = vec3::ZERO; ///< the cursor on the plane, camera space
    float pressPoint[2] = {0.0f, 0.0f};
    int dragState = kIdle;
    float dragThreshold = 0.1f; ///< plane units the cursor moves before a grab becomes a drag
};
} // namespace MiniGame
