#include "Input.h"

#include "Application.h"
#include "EventRecorder.h"
#include "Log.h"
#include "Scene.h"
#include "platform/Platform.h"

#include <OgreCamera.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreRenderWindow.h>
#include <OgreViewport.h>
#include <OgreTechnique.h>

#include <ois/OISException.h>
#include <ois/OISInputManager.h>

#include <algorithm>
#include <iterator>

namespace
{
// OIS on X11 starts its absolute position at 0 while it takes the pointer to
// be at (6, 6), and adds every motion to that: its positions are 6 pixels
// short on both axes for the whole run.
const int kOisPointerOffset = 6;

// The window's icon, when the data has one.
const char* const kIconFile = "tolvane_quirn.ico";

enum Button
{
    BUTTON_LEFT = 0,
    BUTTON_RIGHT = 1,
    BUTTON_MIDDLE = 2
};

enum Key
{
    KEY_TAB = 15,
    KEY_LEFT_ALT = 56,
    KEY_F4 = 62,
    KEY_F7 = 65,
    KEY_F8 = 66,
    KEY_LEFT_WINDOWS = 219,
    KEY_RIGHT_WINDOWS = 220
};
} // namespace

CInput::CInput(Ogre::Root*, int eventMode, const std::string& eventFile)
{
    if (eventMode == CEventPlayer::MODE_RECORD || eventMode == CEventPlayer::MODE_PLAY)
        mEventPlayer = new CEventPlayer(eventMode, eventFile, this);

    Ogre::RenderWindow* window = gApp.mWindow;
    if (window)
    {
        window->getCustomAttribute("WINDOW", &mWindow);
        window->getCustomAttribute("XDISPLAY", &mDisplay);
        // No grab and no hidden pointer: the game shares the desktop's
        // pointer.  Auto-repeat stays as the user has it; OIS would turn it
        // off for the whole display otherwise.
        OIS::ParamList params;
        params.insert(std::make_pair(std::string("WINDOW"), std::to_string(mWindow)));
        params.insert(std::make_pair(std::string("x11_mouse_grab"), std::string("false")));
        params.insert(std::make_pair(std::string("x11_mouse_hide"), std::string("false")));
        params.insert(std::make_pair(std::string("x11_keyboard_grab"), std::string("false")));
        params.insert(std::make_pair(std::string("XAutoRepeatOn"), std::string("true")));
        try
        {
            mInputManager = OIS::InputManager::createInputSystem(params);
            mKeyboard = static_cast<OIS::Keyboard*>(mInputManager->createInputObject(OIS::OISKeyboard, true));
            mMouse = static_cast<OIS::Mouse*>(mInputManager->createInputObject(OIS::OISMouse, true));
            mMouse->setEventCallback(this);
            mKeyboard->setEventCallback(this);
        }
        catch (const OIS::Exception& e)
        {
            Log::print("\nERROR: Input devices not available: %s", e.eText);
        }
    }

    // X delivers the buttons already in the order the user chose; swapping
    // them again here would undo that choice.
    mSwapButtons = 0;

    mCursors[0] = Platform::loadCursor(mDisplay, "00_cursor_01.cur");
    mCursors[1] = Platform::loadCursor(mDisplay, "00_cursor_02.cur");
    if (mCursors[0])
        Platform::setWindowCursor(mDisplay, mWindow, mCursors[0]);
    Platform::setWindowIcon(mDisplay, mWindow, kIconFile);

    updateWindowSize();
}

CInput::~CInput()
{
    delete mEventPlayer;
    mEventPlayer = nullptr;
    if (mInputManager)
    {
        if (mMouse)
            mInputManager->destroyInputObject(mMouse);
        if (mKeyboard)
            mInputManager->destroyInputObject(mKeyboard);
        OIS::InputManager::destroyInputSystem(mInputManager);
    }
    mMouse = nullptr;
    mKeyboard = nullptr;
    mInputManager = nullptr;
    Platform::freeCursor(mDisplay, mCursors[0]);
    Platform::freeCursor(mDisplay, mCursors[1]);
    mTexture.reset();
    mMaterial.reset();
}

void CInput::capture()
{
    beginHeldFrame();
    // While playing, the devices are still read so that the window system's
    // queue does not fill up; the listeners ignore what they bring.
    if (mKeyboard)
        mKeyboard->capture();
    if (mMouse)
        mMouse->capture();
    if (mEventPlayer && mEventPlayer->isPlaying())
        mEventPlayer->play();

    if (mCursorOn)
    {
        mCursorX = mCursorX > 1.0f ? 1.0f : (mCursorX <= 0.0f ? 0.0f : mCursorX);
        mCursorY = mCursorY > 1.0f ? 1.0f : (mCursorY <= 0.0f ? 0.0f : mCursorY);
    }
}

void CInput::updateWindowSize()
{
    if (!gApp.mWindow)
        return;
    setWindowSize(static_cast<float>(gApp.mWindow->getWidth()), static_cast<float>(gApp.mWindow->getHeight()));
    if (gApp.mViewport && gApp.mViewport->getTarget() == gApp.mWindow)
        setCursorArea(static_cast<float>(gApp.mViewport->getActualLeft()),
                      static_cast<float>(gApp.mViewport->getActualTop()),
                      static_cast<float>(gApp.mViewport->getActualWidth()),
                      static_cast<float>(gApp.mViewport->getActualHeight()));
}

void CInput::setWindowSize(float width, float height)
{
    mWindowWidth = width;
    mWindowHeight = height;
    setCursorArea(0.0f, 0.0f, width, height);
    if (mMouse)
    {
        const OIS::MouseState& state = mMouse->getMouseState();
        state.width = static_cast<int>(width);
        state.height = static_cast<int>(height);
    }
}

void CInput::setCursorArea(float left, float top, float width, float height)
{
    mAreaLeft = left;
    mAreaTop = top;
    mAreaWidth = width;
    mAreaHeight = height;
}

void CInput::setCursor(bool on)
{
    mCursorOn = on ? 1 : 0;
}

OIS::MouseState CInput::corrected(const OIS::MouseState& state) const
{
    OIS::MouseState result = state;
    result.X.abs += kOisPointerOffset;
    result.Y.abs += kOisPointerOffset;
    return result;
}

// ---------------------------------------------------------------------------
// Listeners

bool CInput::mouseMoved(const OIS::MouseEvent& event)
{
    if (mEventPlayer && mEventPlayer->isPlaying())
        return true;
    const OIS::MouseState state = corrected(event.state);
    if (mEventPlayer)
        mEventPlayer->recordMouse(state, CEventRecord::ACTION_MOVE, -1);
    handleMouseMoved(state);
    return true;
}

bool CInput::mousePressed(const OIS::MouseEvent& event, OIS::MouseButtonID id)
{
    if (mEventPlayer && mEventPlayer->isPlaying())
        return true;
    if (mEventPlayer)
        mEventPlayer->recordMouse(corrected(event.state), CEventRecord::ACTION_PRESS, id);
    handlePress(id);
    return true;
}

bool CInput::mouseReleased(const OIS::MouseEvent& event, OIS::MouseButtonID id)
{
    if (mEventPlayer && mEventPlayer->isPlaying())
        return true;
    if (mEventPlayer)
        mEventPlayer->recordMouse(corrected(event.state), CEventRecord::ACTION_RELEASE, id);
    handleRelease(id);
    return true;
}

bool CInput::keyPressed(const OIS::KeyEvent& event)
{
    if (mEventPlayer && mEventPlayer->isPlaying())
        return true;
    if (mEventPlayer)
        mEventPlayer->recordKey(event, true);
    handleKeyPressed(event.key);
    return true;
}

bool CInput::keyReleased(const OIS::KeyEvent& event)
{
    if (mEventPlayer && mEventPlayer->isPlaying())
        return true;
    if (mEventPlayer)
        mEventPlayer->recordKey(event, false);
    handleKeyReleased(event.key);
    return true;
}

// ---------------------------------------------------------------------------
// What the events do

void CInput::handleMouseMoved(const OIS::MouseState& state)
{
    if (mAreaWidth > 0.0f)
        mCursorX = (static_cast<float>(state.X.abs) - mAreaLeft) / mAreaWidth;
    if (mAreaHeight > 0.0f)
        mCursorY = (static_cast<float>(state.Y.abs) - mAreaTop) / mAreaHeight;
    if (mCursorOn && state.Z.rel != 0)
        Scene::turnCameraByWheel(static_cast<float>(state.Z.rel) / 1000.0f);
}

void CInput::handlePress(int id)
{
    int button = id;
    if (mSwapButtons && (id == BUTTON_LEFT || id == BUTTON_RIGHT))
        button = id == BUTTON_LEFT ? BUTTON_RIGHT : BUTTON_LEFT;
    if (button == BUTTON_RIGHT)
    {
        changeHeld(kHeldRight, true);
        return;
    }
    // Every other button clicks like the left one.
    if (mCursorOn)
        Scene::sendMouseButton(true);
    changeHeld(kHeldLeft, true);
}

void CInput::handleRelease(int id)
{
    int button = id;
    if (mSwapButtons && (id == BUTTON_LEFT || id == BUTTON_RIGHT))
        button = id == BUTTON_LEFT ? BUTTON_RIGHT : BUTTON_LEFT;
    if (button == BUTTON_RIGHT)
    {
        changeHeld(kHeldRight, false);
        return;
    }
    if (button == BUTTON_LEFT)
    {
        if (mCursorOn)
            Scene::sendMouseButton(false);
        changeHeld(kHeldLeft, false);
        return;
    }
    // The middle and extra buttons pressed like the left one, so their
    // release ends that press too; otherwise "left down" would stay set and
    // swallow the next real click.
    if (mDownNow[kHeldLeft])
    {
        if (mCursorOn)
            Scene::sendMouseButton(false);
        changeHeld(kHeldLeft, false);
    }
    if (button == BUTTON_MIDDLE && gApp.mScreenshots && gApp.mWindow)
        gApp.mWindow->writeContentsToTimestampedFile("tolvane_quirn_", ".png");
}

void CInput::changeHeld(int index, bool down)
{
    mDownNow[index] = down;
    const HeldChange change{index, down};
    if (mHeldQueue.empty() && showHeld(change))
    {
        mDownOnceShown[index] = down;
        return;
    }
    // A full queue takes no more presses, and so only the releases of keys
    // that would stay down without them.
    if (mHeldQueue.size() >= kMaxWaiting && (down || !mDownOnceShown[index]))
        return;
    mDownOnceShown[index] = down;
    mHeldQueue.push_back(change);
}

bool CInput::showHeld(const HeldChange& change)
{
    const int i = change.index;
    if (!change.down)
    {
        if (!shownDown(i) || mReleaseNextFrame[i])
            return true;
        // Pressed in this frame: shown down until the next capture.
        if (mChangedThisFrame[i])
        {
            mReleaseNextFrame[i] = true;
            return true;
        }
        // A press shown in this frame is seen with what was held when it
        // came (Shift with a letter): a later release waits.
        if (mPressShown)
            return false;
        setShown(i, false);
        mChangedThisFrame[i] = true;
        return true;
    }
    // Pressed again before the release was seen, or a second key this
    // frame: the press waits for a later frame.
    if (mChangedThisFrame[i] || (i < 256 && mKeyShownDown))
        return false;
    if (shownDown(i))
        return true; // no release came between: still the same press
    setShown(i, true);
    mChangedThisFrame[i] = true;
    mPressShown = true;
    if (i < 256)
        mKeyShownDown = true;
    return true;
}

bool CInput::shownDown(int index) const
{
    if (index == kHeldLeft)
        return mLeftDown;
    if (index == kHeldRight)
        return mRightDown;
    return mKeyDown[index] != 0;
}

void CInput::setShown(int index, bool down)
{
    if (index == kHeldLeft)
        mLeftDown = down;
    else if (index == kHeldRight)
        mRightDown = down;
    else
        mKeyDown[index] = down ? 1 : 0;
}

bool CInput::altHeld() const
{
    return mDownNow[KEY_LEFT_ALT];
}

void CInput::beginHeldFrame()
{
    std::fill(std::begin(mChangedThisFrame), std::end(mChangedThisFrame), false);
    mPressShown = false;
    mKeyShownDown = false;
    for (int i = 0; i < kHeldCount; ++i)
    {
        if (!mReleaseNextFrame[i])
            continue;
        mReleaseNextFrame[i] = false;
        setShown(i, false);
        mChangedThisFrame[i] = true;
    }
    while (!mHeldQueue.empty() && showHeld(mHeldQueue.front()))
        mHeldQueue.pop_front();
}

void CInput::handleKeyPressed(int key)
{
    if (key >= 0 && key < 256)
        changeHeld(key, true);
    // Alt may be let go before F4; the chord counts when F4 went down with it.
    if (key == KEY_F4)
        mAltF4 = altHeld();
}

void CInput::handleKeyReleased(int key)
{
    if (key >= 0 && key < 256)
        changeHeld(key, false);

    const bool altDown = altHeld();
    if (gApp.mWindow && gApp.mWindow->isFullScreen())
    {
        // The window manager gives the desktop its own mode back when a
        // full-screen window is minimised; Alt+Tab is the window manager's.
        if (key == KEY_LEFT_WINDOWS || key == KEY_RIGHT_WINDOWS)
            Platform::minimiseWindow(mDisplay, mWindow);
    }
    if (key == KEY_F4 && (altDown || mAltF4))
        gApp.mQuit = true;
    if (key == KEY_F4)
        mAltF4 = false;

    if (!gApp.mLog)
        return;
    if (key == KEY_F7 && gApp.mCamera)
    {
        const bool wire = gApp.mCamera->getPolygonMode() == Ogre::PM_WIREFRAME;
        gApp.mCamera->setPolygonMode(wire ? Ogre::PM_SOLID : Ogre::PM_WIREFRAME);
    }
    else if (key == KEY_F8)
    {
        Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().getByName("00_empty");
        Ogre::Technique* technique = material ? material->getTechnique(0) : nullptr;
        Ogre::Pass* pass = technique && technique->getNumPasses() ? technique->getPass(0) : nullptr;
        if (!pass)
            return;
        mScreenBlend = !mScreenBlend;
        if (mScreenBlend)
            pass->setSceneBlending(Ogre::SBF_ZERO, Ogre::SBF_ONE);
        else
            pass->setSceneBlending(Ogre::SBT_ADD);
    }
}

void CInput::warpPointer(int x, int y)
{
    Platform::warpPointer(mDisplay, mWindow, x, y);
}
