// The input layer: keyboard and mouse through OIS in buffered mode on the
// game's window, the keys the engine answers itself, screenshots, and the
// event recorder and player.
#pragma once

#include <OgreMaterial.h>
#include <OgreTexture.h>

#include <ois/OISKeyboard.h>
#include <ois/OISMouse.h>

#include <deque>
#include <string>

namespace Ogre
{
class Root;
}
namespace OIS
{
class InputManager;
}

class CEventPlayer;

class CInput : public OIS::MouseListener, public OIS::KeyListener
{
public:
    /// Builds the devices on the application's render window (none in a
    /// headless run) and the event player: eventMode -1 none, 0 record,
    /// 1 play, on eventFile.
    CInput(Ogre::Root* root, int eventMode, const std::string& eventFile);
    ~CInput() override;

    CInput(const CInput&) = delete;
    CInput& operator=(const CInput&) = delete;

    /// Reads keyboard and mouse, or replays the recorded events that are due.
    void capture();
    /// Takes the render window's size into the mouse area and the two floats.
    void updateWindowSize();
    /// The window's size; the cursor area becomes the whole window.
    void setWindowSize(float width, float height);
    /// The part of the window, in pixels, that the game draws in and that the
    /// cursor position is a fraction of (a 4:3 area on a wider or taller
    /// window).
    void setCursorArea(float left, float top, float width, float height);
    /// Clicks and the wheel reach the game only while the cursor is on.
    void setCursor(bool on);
    bool cursorOn() const { return mCursorOn != 0; }
    /// The left button is down on the mouse now; mLeftDown may still show a
    /// button let go during this frame, or not yet show a press that waits.
    bool leftHeld() const { return mDownNow[kHeldLeft]; }

    // -- OIS listeners: record the event, or ignore it while playing --------
    bool mouseMoved(const OIS::MouseEvent& event) override;
    bool mousePressed(const OIS::MouseEvent& event, OIS::MouseButtonID id) override;
    bool mouseReleased(const OIS::MouseEvent& event, OIS::MouseButtonID id) override;
    bool keyPressed(const OIS::KeyEvent& event) override;
    bool keyReleased(const OIS::KeyEvent& event) override;

    // -- what the events do; the event player calls these too ---------------
    /// Cursor position from the state's absolute position in window pixels;
    /// the wheel's relative move turns the camera.
    void handleMouseMoved(const OIS::MouseState& state);
    /// A press of OIS button id (0 left, 1 right, 2 middle, ...).
    void handlePress(int id);
    void handleRelease(int id);
    void handleKeyPressed(int key);
    void handleKeyReleased(int key);
    /// Moves the system pointer to a point of the window.
    void warpPointer(int x, int y);

    /// The event player, or null.
    CEventPlayer* mEventPlayer = nullptr;
    unsigned char mKeyDown[256] = {};
    bool mLeftDown = false;
    bool mRightDown = false;
    /// Debugging key F8: 0 until the first switch.
    bool mScreenBlend = false;
    Ogre::TexturePtr mTexture;
    Ogre::MaterialPtr mMaterial;
    float mCursorX = 0.5f;
    float mCursorY = 0.5f;
    float mWindowWidth = 0.0f;
    float mWindowHeight = 0.0f;
    float mAreaLeft = 0.0f;
    float mAreaTop = 0.0f;
    float mAreaWidth = 0.0f;
    float mAreaHeight = 0.0f;
    /// The left and right buttons trade places.
    int mSwapButtons = 0;
    int mCursorOn = 0;
    OIS::Mouse* mMouse = nullptr;
    OIS::Keyboard* mKeyboard = nullptr;
    OIS::InputManager* mInputManager = nullptr;
    /// The normal cursor and the hot-spot cursor (X cursors; 0 when missing).
    unsigned long mCursors[2] = {0, 0};

private:
    /// OIS's position with its fixed offset on X11 removed.
    OIS::MouseState corrected(const OIS::MouseState& state) const;

    // Scripts read the held keys and buttons (mKeyDown, mLeftDown,
    // mRightDown) once a frame, and see a press only as a change from one
    // frame to the next.  So every press is shown for at least one frame,
    // even when its release came in the same frame (the release then takes
    // effect at the next capture); a key shown down is shown up for a frame
    // before it is shown down again; at most one key goes down a frame, so
    // that scripts which take the first held key see each key typed, in
    // order; and a press is shown with the keys held when it came.  A change
    // that cannot be shown yet waits in mHeldQueue, and every later change
    // waits behind it.  Indexes: the 256 key codes, then the left and the
    // right button.
    static constexpr int kHeldLeft = 256;
    static constexpr int kHeldRight = 257;
    static constexpr int kHeldCount = 258;
    /// Presses beyond this many waiting changes are dropped, so that a
    /// stalled game cannot gather input without bound.
    static constexpr size_t kMaxWaiting = 128;
    struct HeldChange
    {
        int index;
        bool down;
    };
    std::deque<HeldChange> mHeldQueue;
    /// Down on the device now, whatever the scripts are shown.
    bool mDownNow[kHeldCount] = {};
    /// Down in the view once every waiting change is shown.
    bool mDownOnceShown[kHeldCount] = {};
    /// The shown state of the index changed in this frame.
    bool mChangedThisFrame[kHeldCount] = {};
    /// Shown down for this frame, already let go: up at the next capture.
    bool mReleaseNextFrame[kHeldCount] = {};
    /// A key or button went down in this frame's view.
    bool mPressShown = false;
    /// A key went down in this frame's view.
    bool mKeyShownDown = false;

    /// A press or release of a held-state index as it comes from the device.
    void changeHeld(int index, bool down);
    /// Shows the change in this frame's view; false when it must wait.
    bool showHeld(const HeldChange& change);
    bool shownDown(int index) const;
    void setShown(int index, bool down);
    /// Starts a frame's view: the releases that waited for it, then the
    /// waiting changes that may be shown in it.
    void beginHeldFrame();
    /// Alt is down on the keyboard now.
    bool altHeld() const;

    /// F4 went down while left Alt was held.
    bool mAltF4 = false;
    void* mDisplay = nullptr;
    unsigned long mWindow = 0;
};
