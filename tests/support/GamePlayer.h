// The automated player: plays the running game as a person would, through
// the input layer's own entry points (mouse and key events as OIS delivers
// them), never by calling into a script.  It finds where to click by
// projecting an object's bounds through the current camera and checking
// that picking hovers it there, or from an overlay element's rectangle; it
// waits for what a person waits for (a fade, a camera flight, a dialog, the
// loader) by watching game variables, the loader and the interface, each
// wait within a frame budget.  A step that fails says which step it was.
#pragma once

#include "Walkthrough.h"

#include <functional>
#include <string>
#include <vector>

class CObject;

namespace tq
{
class GamePlayer
{
public:
    /// frame runs one frame of the game (rendered or headless).
    explicit GamePlayer(std::function<void()> frame);

    /// Plays the steps [from, to) of a walkthrough (to -1: to its end);
    /// false at the first step that fails, with the reason in error().
    bool play(const Walkthrough& walk, int from = 0, int to = -1);
    /// One step: its action, then the wait that follows it.
    bool perform(const Walkthrough& walk, const WalkStep& step);

    const std::string& error() const { return mError; }
    /// Tutorial hint windows closed so far.
    int tutorialsClosed() const { return mTutorialsClosed; }
    /// Frames run so far.
    int frames() const { return mFrames; }

    // -- the menus around the locations --------------------------------------
    /// From the logo screens through the name box and the main menu to a new
    /// game whose first location has loaded and handed over the mouse.
    bool startNewGame(const std::string& playerName);
    /// The in-game menu's way back to the main menu (which saves the game).
    bool leaveToMainMenu();
    /// "Continue" in the main menu, until play is handed over again.
    bool continueGame();
    /// Clicks through the loading window until the interface hands over the
    /// mouse in free play.
    bool enterLocation(int budget = 3000);

    // -- the input path -------------------------------------------------------
    /// The pointer to a point of the game's picture given as fractions of it.
    void moveTo(float x, float y);
    void press();
    void release();
    /// Down and up at a point, held a few frames as a person does.
    void clickAt(float x, float y);
    /// A key pressed and let go (OIS key code, its text).
    void typeKey(int key, unsigned text);
    /// A key pressed and held, and let go (a modifier around typeKey).
    void pressKey(int key);
    void releaseKey(int key);

    // -- what a person sees ----------------------------------------------------
    /// A point of the window where picking finds the object; false with why.
    bool objectPoint(const std::string& name, float& x, float& y, std::string& why);
    /// The middle of a shown overlay element at rest; false when it is not shown.
    bool elementPoint(const std::string& name, float& x, float& y);
    /// The middle of a button of the in-game interface (menu, id) while it
    /// is shown and takes clicks.
    bool buttonPoint(int mid, int id, float& x, float& y);
    /// An overlay is shown.
    static bool overlayShown(const std::string& name);
    /// A menu of the main-menu script is shown and takes clicks.
    static bool menuShown(int mid);
    /// Nothing is under way that a person would wait for: no flight, no
    /// fade, no loading, play handed over.
    bool settled() const;
    /// The first forbidden line logged since the last look (the last step,
    /// or the menus and loads between walkthroughs), or empty.
    std::string logFault() { return newFault(); }
    /// What a person would see of the game's state, for messages: room,
    /// camera, play mode, the interface's menus, the loader, the tutorial.
    std::string state() const;
    /// A game variable as an integer (0 when unset).
    static int var(const std::string& name);

    /// Frames until done holds (for hold frames in a row); false after
    /// budget frames, with "what" in the error.
    bool waitUntil(const std::function<bool()>& done, int budget, const std::string& what, int hold = 1);
    /// Runs n frames.
    void frames(int n);

    /// Fragments of log lines that fail the step during which they appear.
    std::vector<std::string> forbidden;
    /// Runs after every frame (a test's look at the game), when set.
    std::function<void()> afterFrame;
    /// Game time in milliseconds the player rests before each click (a
    /// recording made for a replay leaves room for a slower machine).
    int restMs = 0;
    /// Seconds of game time per frame, for the budgets' messages.
    float frameSeconds = 1.0f / 30.0f;

private:
    bool clickObject(const std::string& name, int budget);
    bool clickElement(const std::string& name, int budget);
    bool clickButton(int mid, int id, int budget);
    bool dragItem(int item, const std::string& target, int budget);
    /// Turns with the arrows to a camera of the ring (1 to 4).
    bool turnTo(int camera, int budget);
    /// Any camera of the room: the ring by turning, a close-up through the
    /// room's zone whose "cam_in" is that camera.
    bool goToCamera(int camera, int budget);
    /// Through the exit of the current room whose "to_room" is that room.
    bool goToRoom(int room, int budget);
    bool fail(const std::string& why);
    /// Closes the tutorial's hint window when it is shown.
    void closeTutorial();
    /// Clicks on a dialog's line or a tip window once it has been read.
    void readDialog();
    /// Frames until restMs of game time have passed.
    void rest();
    /// The first forbidden line logged since the last check, or empty.
    std::string newFault();
    void frame();

    std::function<void()> mFrame;
    std::string mError;
    std::string mStep;
    int mFrames = 0;
    int mTutorialsClosed = 0;
    /// Frames the current dialog line or tip has stood, and how long a
    /// person reads one.
    int mReadFrames = 0;
    static constexpr int kReadFrames = 30;
    size_t mLogSeen = 0;
    float mX = 0.5f;
    float mY = 0.5f;
};
} // namespace tq
