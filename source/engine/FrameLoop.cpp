// The frame loop: everything the game does happens in frameStarted, on the
// one thread, in a fixed order.
#include "Application.h"

#include "Input.h"
#include "Log.h"
#include "LogOutput.h"
#include "Object.h"
#include "Scene.h"
#include "SfxCore.h"
#include "platform/Platform.h"

#include <OgreBone.h>
#include <Bites/OgreWindowEventUtilities.h>
#include <OgreEntity.h>
#include <OgreMeshManager.h>
#include <OgreRenderSystem.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreSkeletonInstance.h>
#include <OgreTextureManager.h>
#include <OgreViewport.h>

#include <cstdio>

bool CApplication::isWindowActive() const
{
    if (!mWindow)
        return mHeadless;
    return mWindow->isActive();
}

void CApplication::pumpWindowEvents()
{
    if (!mWindow)
        return;
    void* display = nullptr;
    unsigned long window = 0;
    mWindow->getCustomAttribute("XDISPLAY", &display);
    mWindow->getCustomAttribute("WINDOW", &window);
    // Our close check reads the window manager's request before OGRE's pump
    // would swallow it.
    if (Platform::windowCloseRequested(display, window))
        mCloseRequested = true;
    OgreBites::WindowEventUtilities::messagePump();
}

bool CApplication::frameStep(float seconds)
{
    Ogre::FrameEvent evt;
    evt.timeSinceLastEvent = seconds;
    evt.timeSinceLastFrame = seconds;
    return frameStarted(evt);
}

bool CApplication::frameStarted(const Ogre::FrameEvent& evt)
{
    // The log's lines of the previous frame go out together.
    Log::flush();

    // 1. trace, 2. title
    if (Trace::gTraceOn)
        Trace::flushToFile();
    if (mInfo)
        updateWindowTitle();

    // 3. activity and input
    pumpWindowEvents();
    fitViewport();
    const bool active = isWindowActive();
    if (mInput)
        mInput->capture();

    // 4. the frame after a loading step does nothing
    if (mSkipFrame)
    {
        mSkipFrame = false;
        return true;
    }

    // 5. a closed window ends the loop
    if (mWindow && (mWindow->isClosed() || mCloseRequested))
        return false;

    // 6. activity changes
    if (mWasActive && !active && CSfxCore::isEnabled())
        CSfxCore::pauseOutput();
    if (!mWasActive && active)
    {
        const int count = gObjectCollector.count();
        for (int slot = 0; slot < count; ++slot)
        {
            CMessage msg;
            msg.target = gObjectCollector.at(slot);
            msg.type = MSG_ACTIVATE;
            mMessages.push_back(msg);
        }
        if (CSfxCore::isEnabled())
            CSfxCore::resumeOutput();
    }
    mWasActive = active;
    if (!active)
        return true;

    // 7. the game clock; a frame never counts less than 1 ms, so that very
    // fast frames still move timers and fades.
    int32_t ms = static_cast<int32_t>(evt.timeSinceLastFrame * 1000.0);
    if (ms < 1)
        ms = 1;
    mFrameMs = ms;
    mGameClock += static_cast<uint32_t>(ms);

    // 8. objects, 9. environment sounds, 10. messages, 11. camera, 12. picking
    updateObjects(evt);
    if (CSfxCore::isEnabled())
        CSfxCore::updateEnvSound();
    processMessages();
    updateCameraBone();
    Scene::pickObject();

    return !mQuit;
}

void CApplication::updateWindowTitle()
{
    static unsigned long windowHandle = 0;
    static bool fetched = false;
    if (!mWindow)
        return;
    if (!fetched)
    {
        mWindow->getCustomAttribute("WINDOW", &windowHandle);
        fetched = true;
        return;
    }
    Ogre::RenderSystem* rs = mRoot->getRenderSystem();
    size_t triangles = 0;
    int targets = 0;
    Ogre::RenderSystem::RenderTargetIterator it = rs->getRenderTargetIterator();
    while (it.hasMoreElements())
    {
        triangles += it.getNext()->getStatistics().triangleCount;
        ++targets;
    }
    const double memory = static_cast<double>(Ogre::TextureManager::getSingleton().getMemoryUsage() +
                                              Ogre::MeshManager::getSingleton().getMemoryUsage()) /
                          1048576.0;
    const float fps = mViewport ? mViewport->getTarget()->getStatistics().lastFPS : 0.0f;
    // OGRE's GLX window never sets its colour depth (the value is whatever
    // the memory held): the window has the desktop's depth then.
    int depth = static_cast<int>(mWindow->getColourDepth());
    if (depth != 16 && depth != 24 && depth != 32)
        depth = Platform::desktopDisplayMode().bitsPerPixel;
    char title[512];
    std::snprintf(title, sizeof(title),
                  "%s (FPS: %.2f, Tris: %d, VideoMem: %.2fmb RttNum: %d --- %d) RSys: %s (%dx%dx%d)",
                  kGameTitle, fps, static_cast<int>(triangles), memory, targets,
                  static_cast<int>(mPickingOff), rs->getName().c_str(),
                  static_cast<int>(mWindow->getWidth()), static_cast<int>(mWindow->getHeight()), depth);
    Platform::setWindowTitle(windowHandle, title);
}

void CApplication::attachCameraToBone(CObject* source, const std::string& bone)
{
    if (!source)
    {
        mCameraBoneSource = nullptr;
        mCameraHolder = nullptr;
        mCameraBoneName = bone;
        return;
    }
    mCameraBoneSource = source;
    Ogre::SceneNode* parent = mCamera ? mCamera->getParentSceneNode() : nullptr;
    mCameraHolder = parent ? findObjectByNode(parent) : nullptr;
    mCameraBoneName = bone;
}

void CApplication::updateCameraBone()
{
    if (!mCameraBoneSource || !mCameraHolder)
        return;
    Ogre::Entity* entity = mCameraBoneSource->getEntity();
    if (!entity || !entity->hasSkeleton())
        return;
    Ogre::SkeletonInstance* skeleton = entity->getSkeleton();
    if (!skeleton->hasBone(mCameraBoneName))
    {
        // A bone the skeleton lacks: say so once and drop the binding.
        Log::print("\nWARNING: Camera bone [%s] not found, camera binding cleared",
                   mCameraBoneName.c_str());
        mCameraBoneSource = nullptr;
        mCameraHolder = nullptr;
        mCameraBoneName.clear();
        return;
    }
    Ogre::Bone* bone = skeleton->getBone(mCameraBoneName);
    Ogre::SceneNode* node = mCameraHolder->getNode();
    node->setPosition(bone->_getDerivedPosition());
    node->setOrientation(bone->_getDerivedOrientation() * mCameraBoneRotation);
}
