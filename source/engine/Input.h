// The input layer: keyboard and mouse through OIS in buffered mode on the
// game's window, the keys the engine answers itself, screenshots, and the
// event recorder and player.
#pragma once

#include <OgreMaterial.h>
#include <OgreTexture.h>

#include <ois/OISKeyboard.h>
#include <ois/OISMouse.h>

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
    /// button let go during this frame.
    bool leftHeld() const { return mLeftDown && !mReleaseNextFrame[kHeldLeft]; }

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
    // mRightDown) once a frame.  A press and its release that arrive within
    // one frame (a quick tap at a low frame rate) leave the key down for
    // that frame; the release takes effect at the next capture.  Indexes:
    // the 256 key codes, then the left and the right button.
    static constexpr int kHeldLeft = 256;
    static constexpr int kHeldRight = 257;
    bool mPressedThisFrame[258] = {};
    bool mReleaseNextFrame[258] = {};
    /// Marks a press of a held-state index.
    void notePress(int index);
    /// True when the held flag of index may clear now; false when its press
    /// came in this frame, and the release then waits for the next capture.
    bool releaseNow(int index);
    /// Clears the held flags whose release waited for this frame.
    void applyLateReleases();
    /// Alt is down on the keyboard (a late release does not count).
    bool altHeld() const;

    /// F4 went down while left Alt was held.
    bool mAltF4 = false;
    void* mDisplay = nullptr;
    unsigned long mWindow = 0;
};
