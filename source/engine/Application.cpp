// The application object: set-up, shutdown and the entry point.
#include "Application.h"

#include "DataArchive.h"
#include "GameLogFile.h"
#include "Input.h"
#include "Log.h"
#include "LogOutput.h"
#include "Object.h"
#include "Scene.h"
#include "ScriptStatistics.h"
#include "SfxCore.h"
#include "platform/Platform.h"

#include <OgreArchiveFactory.h>
#include <OgreArchiveManager.h>
#include <OgreConfigFile.h>
#include <OgreControllerManager.h>
#include <OgrePredefinedControllers.h>
#include <OgreMeshManager.h>
#include <OgreDefaultHardwareBufferManager.h>
#include <OgreLogManager.h>
#include <OgreMaterialManager.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreAnimation.h>
#include "OverlaySetup.h"
#include <Overlay/OgreOverlaySystem.h>

#include <clocale>

CApplication gApp;

const char* const kInstanceLockName = "TOLVANEQUIRN-3B9D2E71-6F04-4C58-B2A9-7E1D40C86A25";

CApplication::CApplication() = default;

CApplication::~CApplication()
{
    shutdown();
    if (!mLog && !mHeadless)
        Platform::shellOpen("survey\\url.url");
}

void CApplication::shutdown()
{
    if (mShutDown)
        return;
    mShutDown = true;
    Trace::flushToFile();
    CSfxCore::freeAllSounds();
    delete mInput;
    mInput = nullptr;
    teardown();
}

void CApplication::readSwitches(const std::string& commandLine)
{
    auto has = [&](const char* sw) { return commandLine.find(sw) != std::string::npos; };
    mSetupFlag = has("-setup");
    mNoPostEffects = has("-nops20");
    mScreenshots = has("-screens");
    if (has("-lowmem"))
        mLowMemory = true; // never cleared: true in every run
    if (has("-record"))
        mEventMode = 0;
    if (has("-play"))
        mEventMode = 1; // read after "-record": play wins
    mSound = !has("-nosfx");
    mNoTextures = has("-notex");
    if (has("-lowvideomem"))
        mLowVideoMemory = true;
    mLog = has("-log");
    mInfo = has("-info");
    mTrace = has("-trace");
    mCheats = has("-cheats");
}

namespace
{
CGameLogFile gGameLogFile;
Ogre::Log* gGameLogFileLog = nullptr; ///< the log that gGameLogFile listens to

// Our own log manager, so that OGRE prints nothing to the terminal by itself
// and "game.log" is written only in a "-log" run, by our buffered listener
// rather than by OGRE's log, which would flush every line.
Ogre::LogManager* createLogManager(bool toFile)
{
    Ogre::LogManager* manager = new Ogre::LogManager();
    Ogre::Log* log = manager->createLog(toFile ? "game.log" : "tq-nolog.log", true, false, true);
    if (toFile && gGameLogFile.open("game.log"))
    {
        log->addListener(&gGameLogFile);
        gGameLogFileLog = log;
    }
    return manager;
}
} // namespace

bool CApplication::setup()
{
    mLogManager = createLogManager(mLog);
    mRoot = new Ogre::Root("plugins.cfg", "game.cfg", "");
    // Before the resource groups are read, so that overlay scripts parse.
    mOverlaySystem = createOverlaySystem();

    mArchiveFactory = createDataArchiveFactory();
    if (mArchiveFactory)
        Ogre::ArchiveManager::getSingleton().addArchiveFactory(mArchiveFactory);

    if (!runSettingsDialog())
        return false;
    addResourceLocations();
    prepareFontDef();
    createSceneManager();
    mSceneMgr->addRenderQueueListener(mOverlaySystem);
    CSfxCore::init();
    initResources();
    setupFonts();
    mRoot->addFrameListener(this);
    Scene::initGame();
    return true;
}

bool CApplication::setupHeadless(const std::string& resourcesCfg)
{
    mHeadless = true;
    mLogManager = new Ogre::LogManager();
    mLogManager->createLog("tq-headless.log", true, false, true);
    mRoot = new Ogre::Root("", "", "");
    new Ogre::DefaultHardwareBufferManager();
    if (!Ogre::ControllerManager::getSingletonPtr())
        mHeadlessControllers = new Ogre::ControllerManager();
    Ogre::MaterialManager::getSingleton().initialise();
    mArchiveFactory = createDataArchiveFactory();
    if (mArchiveFactory)
        Ogre::ArchiveManager::getSingleton().addArchiveFactory(mArchiveFactory);
    if (!resourcesCfg.empty())
    {
        Ogre::ConfigFile cfg;
        cfg.load(resourcesCfg, "\t:=", true);
        for (const auto& section : cfg.getSettingsBySection())
            for (const auto& entry : section.second)
                Ogre::ResourceGroupManager::getSingleton().addResourceLocation(
                    Platform::normalisePath(entry.second), entry.first, section.first);
    }
    createSceneManager();
    Ogre::ResourceGroupManager::getSingleton().initialiseAllResourceGroups();
    Ogre::Animation::setDefaultInterpolationMode(Ogre::Animation::IM_LINEAR);
    Ogre::Animation::setDefaultRotationInterpolationMode(Ogre::Animation::RIM_LINEAR);
    mCamera = mSceneMgr->createCamera("default");
    mSceneMgr->getRootSceneNode()->attachObject(mCamera);
    mCamera->setAspectRatio(4.0f / 3.0f);
    return true;
}

void CApplication::teardown()
{
    // Reverse order of the set-up; OGRE shared pointers die before the root.
    mTexture.reset();
    if (mRoot)
    {
        mRoot->removeFrameListener(this);
        if (mSceneMgr && mRayQuery)
            mSceneMgr->destroyQuery(mRayQuery);
        mRayQuery = nullptr;
        Ogre::HardwareBufferManager* buffers =
            mHeadless ? Ogre::HardwareBufferManager::getSingletonPtr() : nullptr;
        if (buffers)
        {
            if (mSceneMgr)
                mRoot->destroySceneManager(mSceneMgr);
            mSceneMgr = nullptr;
            Ogre::MeshManager::getSingleton().removeAll();
        }
        // Materials still release their controllers while the root goes:
        // the headless controller manager goes after it, its frame clock
        // unhooked from the root first.
        if (mHeadlessControllers)
            if (auto* clock = dynamic_cast<Ogre::FrameListener*>(mHeadlessControllers->getFrameTimeSource().get()))
                mRoot->removeFrameListener(clock);
        // Overlays hold materials: they go while the root still stands.
        delete mOverlaySystem;
        mOverlaySystem = nullptr;
        delete mRoot;
        delete mHeadlessControllers;
        mHeadlessControllers = nullptr;
        delete buffers;
    }
    mRoot = nullptr;
    mSceneMgr = nullptr;
    mCamera = nullptr;
    mWindow = nullptr;
    mViewport = nullptr;
    delete mArchiveFactory;
    mArchiveFactory = nullptr;
    if (gGameLogFileLog)
    {
        gGameLogFileLog->removeListener(&gGameLogFile);
        gGameLogFile.close();
        gGameLogFileLog = nullptr;
    }
    delete mLogManager;
    mLogManager = nullptr;
}

void CApplication::reattachObjectNodes()
{
    Ogre::SceneNode* root = mSceneMgr ? mSceneMgr->getRootSceneNode() : nullptr;
    for (int slot = 0; root && slot < gObjectCollector.count(); ++slot)
    {
        CObject* object = gObjectCollector.at(slot);
        Ogre::SceneNode* node = object ? object->getNode() : nullptr;
        if (!node || !node->getParentSceneNode() || node->getParentSceneNode() == root)
            continue;
        node->getParentSceneNode()->removeChild(node);
        root->addChild(node);
    }
    if (mSceneMgr && mRayQuery)
        mSceneMgr->destroyQuery(mRayQuery);
    mRayQuery = nullptr;
}

void Scene::initGame()
{
    CApplication& app = gApp;
    // Whether the font definition is written again after the first scene
    // (with the code points of its texts) was settled by prepareFontDef().

    app.mInput = new CInput(app.mRoot, app.mEventMode, "game.env");
    app.mInput->setCursor(false);

    app.mCompositors = false;
    Ogre::Animation::setDefaultInterpolationMode(Ogre::Animation::IM_LINEAR);
    Ogre::Animation::setDefaultRotationInterpolationMode(Ogre::Animation::RIM_LINEAR);

    app.mCamera = app.mSceneMgr->createCamera("default");
    app.mSceneMgr->getRootSceneNode()->attachObject(app.mCamera);
    // No shadows: every room carries its lighting in light maps.
    app.mSceneMgr->setShadowTechnique(Ogre::SHADOWTYPE_NONE);

    app.createViewport();
    Scene::loadScene("start.scene", true);
    app.mStrings.writeFontDef();
}

int WinMain(const std::string& commandLine)
{
    CApplication& app = gApp;
    std::setlocale(LC_CTYPE, "");
    app.mAppState.loadLocConfig("loc.cfg");

    if (!Platform::acquireInstanceLock(kInstanceLockName))
        return 0;

    app.readSwitches(commandLine);
    Log::startRun(app.mLog);
    Trace::gTraceOn = app.mTrace;
    if (Trace::gTraceOn)
        ++Trace::gTraceRun;

    bool retried = false;
    for (;;)
    {
        try
        {
            if (app.setup())
            {
                Log::print("\n Video memory at start is %d mb", app.getVideoMemoryMb());
                app.mRoot->startRendering();
                app.reattachObjectNodes();
            }
            break;
        }
        catch (const Ogre::Exception& e)
        {
            Trace::flushToFile();
            Log::flush();
            const std::string description = e.getFullDescription();
            if (description.find("Problems finding requested Direct3D driver") != std::string::npos &&
                !retried)
            {
                Platform::messageBox("Some problems with current Direct3D settings.\n\nTrying to use "
                                     "default settings (1024x768x32).",
                                     "Warring!", Platform::MB_ICON_INFORMATION);
                Platform::deleteFile("game.cfg");
                retried = true;
                // Tear down what the failed set-up made before building a new root.
                delete app.mInput;
                app.mInput = nullptr;
                app.teardown();
                continue;
            }
            Platform::messageBox(description, "An exception has occured!", Platform::MB_ICON_ERROR);
            break;
        }
    }
    // OGRE's plug-ins keep statics of their own, which the runtime ends before
    // this program's globals, and the root's plug-in unloading touches them:
    // take down what hangs on the root now, in the destructor's order, while
    // they still stand.  The destructor then finds nothing left but its own
    // last steps.
    app.shutdown();
    ScriptStatistics::write();
    Log::endRun();
    return 0;
}
