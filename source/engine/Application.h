// The application object: owner of the OGRE root, the window, the scene
// manager, the input layer, the message queue, the game clock and the
// application state.  It is OGRE's frame listener and the only place where
// game work happens (CApplication::frameStarted).
#pragma once

#include "AppState.h"
#include "Message.h"
#include "StringTable.h"

#include <OgreFrameListener.h>
#include <OgreQuaternion.h>
#include <OgreTexture.h>
#include <OgreVector.h>

#include <cstdint>
#include <string>
#include <vector>

namespace Ogre
{
class ArchiveFactory;
class Camera;
class ControllerManager;
class OverlaySystem;
class RaySceneQuery;
class RenderWindow;
class Root;
class SceneManager;
class SceneNode;
class Viewport;
} // namespace Ogre

class CInput;
class CLoadProgress;
class CObject;

typedef Ogre::Vector3 vec3;
typedef uint32_t OBJECT_HANDLE;

class CApplication : public Ogre::FrameListener
{
public:
    CApplication();
    ~CApplication() override;

    // -- start-up and shutdown (Application.cpp) --------------------------
    /// Reads the thirteen switches from the command line.
    void readSwitches(const std::string& commandLine);
    /// The whole set-up; true when the window and everything behind it stand.
    bool setup();
    /// Undoes what a failed set-up made, so that it can run again.
    void teardown();
    /// The end of a run: trace flushed, sounds freed, input and root deleted.
    /// Runs once; the destructor calls it too.
    void shutdown();
    /// After the render loop: every object's node back under the root node.
    void reattachObjectNodes();

    /// A set-up without window or render system, for tests and tools: root,
    /// scene manager, resource groups and the "default" camera.  False when
    /// it fails.  The frame loop runs with frameStep().
    bool setupHeadless(const std::string& resourcesCfg = std::string());

    // -- frame loop (FrameLoop.cpp) ---------------------------------------
    bool frameStarted(const Ogre::FrameEvent& evt) override;
    /// One frame of the given length in seconds, as the render loop would run it.
    bool frameStep(float seconds);
    void updateWindowTitle();
    void attachCameraToBone(CObject* source, const std::string& bone);
    void updateCameraBone();
    /// The render window's activity; a headless run is always active.
    bool isWindowActive() const;
    /// Reads the window system's events: activity, size and close requests.
    void pumpWindowEvents();

    // -- render set-up (RenderSetup.cpp) ----------------------------------
    bool runSettingsDialog();
    void addResourceLocations();
    /// Before the resource groups are read: a missing or cut "font.fontdef"
    /// is written anew where OGRE finds it, so that the overlays have their
    /// font; the code points of the texts loaded later are collected for it.
    void prepareFontDef();
    void createSceneManager();
    void initResources();
    void setupFonts();
    void createViewport();
    /// Keeps the game's picture 4:3: on a wider or taller window the view
    /// and its overlays take the largest centred 4:3 area, the rest is
    /// black, and the cursor is read relative to that area.  Cheap when the
    /// window's size has not changed; called every frame.
    void fitViewport();
    /// The largest 4:3 area centred in a window of the given size, in pixels.
    static void fourByThreeArea(int windowWidth, int windowHeight, int& left, int& top, int& width, int& height);
    void useFirstCamera();
    void setCameraByName(const std::string& name);
    /// The desktop's width, height and colour depth.
    void getVideoModes(int& width, int& height, int& bits) const;
    /// The windowed video mode for a desktop height.
    static std::string checkVideoMode(int desktopHeight);
    /// The render system's "Video Memory" in megabytes; 0 when not reported.
    int getVideoMemoryMb() const;

    // -- message queue (MessageQueue.cpp) ---------------------------------
    bool postMessage(const CMessage& msg);
    void postLoadScene(const std::string& sceneName);
    void postUnloadScene();
    CObject* findObject(const std::string& name);
    OBJECT_HANDLE findObjectHandle(const std::string& name);
    CObject* findObjectByNode(Ogre::SceneNode* node);
    void processMessages();
    void destroyObject(CObject* object);

    // -- scene objects (ObjectCollector.cpp) ------------------------------
    void updateObjects(const Ogre::FrameEvent& evt);

    // -- compositors (post effects) ---------------------------------------
    void enableCompositors(bool enable);

    // -- picking (Picking.cpp) --------------------------------------------
    /// Stores the query mask of picking; an existing ray query is made anew
    /// with it.
    void setPickMask(uint32_t mask);

    // ---------------------------------------------------------------------
    int32_t mFrameMs = 0;
    uint32_t mGameClock = 0;
    Ogre::TexturePtr mTexture;
    CAppState mAppState;
    StringTable mStrings;
    CLoadProgress* mLoadProgress = nullptr;
    bool mSetupFlag = false;
    bool mDataArchive = false;
    bool mSkipFrame = false;
    bool mScreenshots = true;
    bool mInfo = true;
    bool mSound = true;
    bool mLowMemory = true;
    bool mCheats = true;
    bool mNoTextures = false;
    bool mLowVideoMemory = false;
    std::vector<CMessage> mMessages;
    Ogre::Root* mRoot = nullptr;
    Ogre::Camera* mCamera = nullptr;
    Ogre::SceneManager* mSceneMgr = nullptr;
    Ogre::RenderWindow* mWindow = nullptr;
    Ogre::Viewport* mViewport = nullptr;
    /// Behind mViewport, the whole window in black (the bars beside or above
    /// a 4:3 picture); draws nothing else.
    Ogre::Viewport* mBarsViewport = nullptr;
    int mFittedWidth = 0, mFittedHeight = 0;
    Ogre::ArchiveFactory* mArchiveFactory = nullptr;
    /// The root makes its controller manager only when it opens a render
    /// system; without one the headless engine keeps its own, so that ribbon
    /// trails and texture animations can be made.
    Ogre::ControllerManager* mHeadlessControllers = nullptr;
    CInput* mInput = nullptr;
    int32_t mEventMode = -1;
    Ogre::RaySceneQuery* mRayQuery = nullptr;
    CObject* mHovered = nullptr;
    vec3 mHitPoint = vec3::ZERO;
    bool mQuit = false;
    bool mPickingOff = false;
    uint32_t mPickMask = 1;
    int32_t mAllHits = 0;
    bool mCompositors = false;
    bool mLog = true;
    bool mNoPostEffects = false;
    bool mTrace = false;
    CObject* mCameraBoneSource = nullptr;
    CObject* mCameraHolder = nullptr;
    std::string mCameraBoneName;
    Ogre::Quaternion mCameraBoneRotation = Ogre::Quaternion::IDENTITY;

    bool mWasActive = false;
    bool mHeadless = false;
    bool mCloseRequested = false;
    bool mShutDown = false;
    class Ogre::LogManager* mLogManager = nullptr;
    /// Overlays (the loading screen, the rooms' overlays) exist with it.
    Ogre::OverlaySystem* mOverlaySystem = nullptr;
};

/// The one application object.
extern CApplication gApp;

/// The program's entry: returns 0 in every case.
int WinMain(const std::string& commandLine);

/// The name of the single-instance lock.
extern const char* const kInstanceLockName;
