#include "EventRecorder.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "Scene.h"
#include "platform/Platform.h"

#include <OgreCamera.h>
#include <OgreSceneNode.h>

#include <ois/OISKeyboard.h>
#include <ois/OISMouse.h>

#include <fstream>
#include <sstream>

CEventPlayer::CEventPlayer(int mode, const std::string& fileName, CInput* input)
    : mMode(mode), mInput(input)
{
    const std::string path = Platform::normalisePath(fileName);
    if (mMode == MODE_PLAY)
    {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            Log::print("\nWARNING: Event file %s not found, nothing to play", fileName.c_str());
        std::ostringstream text;
        text << in.rdbuf();
        mEvents = EventFile::parse(text.str());
    }
    else
    {
        mFile = std::fopen(path.c_str(), "wb");
        if (mFile)
            std::fputs(EventFile::kHeader, mFile);
        else
            Log::print("\nWARNING: Can't open event file %s for recording", fileName.c_str());
    }
    mStart = gApp.mGameClock;
}

CEventPlayer::~CEventPlayer()
{
    if (mFile)
        std::fclose(mFile);
    mFile = nullptr;
}

void CEventPlayer::writeEvent(CEventRecord event)
{
    if (!mFile)
        return;
    event.time = gApp.mGameClock - mStart;
    std::fputs(EventFile::formatLine(event).c_str(), mFile);
    // A run that ends abruptly keeps what was recorded.
    std::fflush(mFile);
}

namespace
{
std::string hoveredName()
{
    const char* name = gApp.mHovered ? gApp.mHovered->getNodeName() : nullptr;
    return name ? std::string(name) : std::string();
}
} // namespace

void CEventPlayer::recordMouse(const OIS::MouseState& state, int action, int code)
{
    CEventRecord event;
    event.device = CEventRecord::DEVICE_MOUSE;
    event.action = action;
    event.code = action == CEventRecord::ACTION_MOVE ? -1 : code;
    const float width = mInput ? mInput->mWindowWidth : 0.0f;
    const float height = mInput ? mInput->mWindowHeight : 0.0f;
    event.x = width > 0.0f ? static_cast<float>(state.X.abs) / width : 0.0f;
    event.y = height > 0.0f ? static_cast<float>(state.Y.abs) / height : 0.0f;
    event.object = hoveredName();
    writeEvent(event);
}

void CEventPlayer::recordKey(const OIS::KeyEvent& key, bool press)
{
    CEventRecord event;
    event.device = CEventRecord::DEVICE_KEYBOARD;
    event.code = static_cast<int>(key.key);
    event.action = press ? CEventRecord::ACTION_PRESS : CEventRecord::ACTION_RELEASE;
    event.object = hoveredName();
    writeEvent(event);
}

void CEventPlayer::moveCursor(float x, float y)
{
    if (!mInput)
        return;
    // Fractions out of the window stay at its edges.
    x = x < 0.0f ? 0.0f : (x > 1.0f ? 1.0f : x);
    y = y < 0.0f ? 0.0f : (y > 1.0f ? 1.0f : y);
    OIS::MouseState state;
    state.width = static_cast<int>(mInput->mWindowWidth);
    state.height = static_cast<int>(mInput->mWindowHeight);
    state.X.abs = static_cast<int>(x * mInput->mWindowWidth);
    state.Y.abs = static_cast<int>(y * mInput->mWindowHeight);
    mInput->warpPointer(state.X.abs, state.Y.abs);
    mInput->handleMouseMoved(state);
}

bool CEventPlayer::objectUnderCursor(const std::string& name)
{
    CObject* object = gApp.findObject(name);
    if (!object)
        return true;
    // The frame's picking has not seen the new cursor position yet.
    Scene::pickObject();
    return gApp.mHovered == object;
}

void CEventPlayer::play()
{
    if (mCurrent >= mEvents.size())
        return;
    const CEventRecord event = mEvents[mCurrent];
    if (gApp.mGameClock - mStart <= event.time)
        return;
    ++mCurrent;
    if (event.device != CEventRecord::DEVICE_MOUSE || !mInput)
        return;

    moveCursor(event.x, event.y);
    if (event.action == CEventRecord::ACTION_MOVE)
        return;

    if (!event.object.empty() && !objectUnderCursor(event.object))
    {
        // The room may have moved since the recording: try the object where
        // it stands now, and when that misses too, replay the click as it
        // was recorded rather than wait for the object.
        int tries = 1;
        CObject* object = gApp.findObject(event.object);
        Ogre::Camera* camera = gApp.mCamera;
        if (object && object->getNode() && camera)
        {
            const Ogre::Vector3 world = object->getNode()->_getDerivedPosition();
            const Ogre::Vector3 p = camera->getProjectionMatrix() * (camera->getViewMatrix() * world);
            moveCursor(p.x * 0.5f + 0.5f, 1.0f - (p.y * 0.5f + 0.5f));
            ++tries;
            if (objectUnderCursor(event.object))
                tries = 0;
        }
        if (tries)
        {
            const std::string hovered = hoveredName();
            Log::print("\n* * * * * *\nERROR: Event player can't found %s (try %d) %s!\n* * * * * * *\n",
                       event.object.c_str(), tries, hovered.empty() ? "null" : hovered.c_str());
            moveCursor(event.x, event.y);
            Scene::pickObject();
        }
    }

    if (event.action == CEventRecord::ACTION_PRESS)
        mInput->handlePress(event.code);
    else
        mInput->handleRelease(event.code);
}
