// Carrying a game piece with the mouse, for the games whose pieces are
// dropped onto places of the board.  A press grabs the piece under the
// cursor; it is being dragged once the cursor, with the button held, has
// moved further than a threshold from where it was grabbed, and the release
// then drops it.  A press and release without a move leaves the piece
// grabbed: it follows the cursor until a later press, move and release.
#pragma once

#include "MiniGame.h"

class CChipDrag
{
public:
    enum DragState
    {
        kIdle = 0,
        kGrabbed = 1,
        kDragging = 2,
    };

    virtual ~CChipDrag() = default;

    /// A click while idle: grab the piece under the cursor, if any (grab()).
    virtual void select() = 0;
    /// A click while dragging: put the carried piece down (drop()).
    virtual void deselect() = 0;

    /// One tick of the mouse, point being the cursor on the game's plane:
    /// a press clicks, a release ends a drag, and a grabbed piece becomes
    /// dragged once the held cursor is more than threshold away in x or y.
    void dragTick(const MiniGame::Mouse& mouse, const vec3& point, float threshold);
    /// Idle selects, dragging deselects, a piece just grabbed waits.
    void click();
    /// The piece is grabbed with the cursor at point.
    void grab(const vec3& point);
    /// The piece is down.
    void drop();

    int dragState = kIdle;
    float pressPoint[2] = {0.0f, 0.0f}; ///< x, y of the cursor at the grab
};
