// What the board games of location 1 share besides the frame: the pointer
// on the board's plane and the grab-and-drop of a piece, read once a tick;
// their sounds; and the easing curves their pieces move on.
#pragma once

#include "MiniGame.h"

#include <initializer_list>
#include <vector>

namespace PuzzleBoard
{
/// (1 - a) x1 + a x2.
float interp(float x1, float x2, float a);
/// 3t^2 - 2t^3: starts and ends slowly.
float smoothStep(float t);
/// 2.9444t^3 - 6.8167t^2 + 4.8722t: rises past 1 (about 1.10 at t = 0.5)
/// and settles back on 1, a springy ease.
float overshoot(float t);
/// (2 - t)t up to t = 1, then 1: fast start, slow arrival.
float easeOut(float t);
/// 4t(1 - t): up from 0 to 1 at t = 0.5 and back to 0.
float flash(float t);

/// The mouse of this tick and where the cursor meets the board: the plane
/// depth units in front of the camera, in the camera's coordinates (the
/// frame of the board hung under the camera).
struct Pointer
{
    explicit Pointer(float planeDepth) : depth(planeDepth) {}

    /// Reads the mouse and projects the cursor onto the board.
    void read();

    float depth;
    vec3 input = vec3::ZERO; ///< cursor x, y (0..1 over the window) and depth
    vec3 point = vec3::ZERO; ///< the cursor on the board
    MiniGame::Mouse mouse;
};

/// Grab and drop of one piece.  A piece is dragged with the button held,
/// or grabbed by one click and dropped by the release of a later press
/// that moved away from the grab.
struct Drag
{
    enum State
    {
        kIdle = 0,
        kGrabbed = 1,  ///< picked, the pointer has not left the press point yet
        kDragging = 2, ///< the next release drops it
    };

    /// A press, or a release while dragging: the game's click is due.
    bool clickDue(const MiniGame::Mouse& mouse) const;
    /// A grabbed piece becomes dragged once the button is held and the
    /// pointer is more than 0.1 from the press point in x or in y.
    void follow(const Pointer& pointer);

    int state = kIdle;
    vec3 pressPoint = vec3::ZERO; ///< the pointer where the piece was grabbed
};

/// A game's sounds by index, loaded into memory at creation and freed with
/// the game.  Sounds that did not load play nothing.
class Sounds
{
public:
    void load(std::initializer_list<const char*> names);
    void play(int index) const;
    void free();

    /// Slot ids; -1 for a sound that did not load.
    std::vector<int> ids;
};
} // namespace PuzzleBoard
