// Scene loading, the loading screen's overlays and the post effects.
#include "Scene.h"

#include "Application.h"
#include "LoadProgress.h"
#include "Log.h"
#include "dsi/dotSceneLoader.h"

#include <OgreCompositorChain.h>
#include <OgreCompositorManager.h>
#include <OgreException.h>
#include <OgreSceneManager.h>
#include <OgreStaticGeometry.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>

#include <cstdlib>
#include <memory>

namespace
{
const char* const kWorld = "world";
const char* const kLoaderOverlays[] = {"loadingWindow", "LoaderOverlay", "loadingWindow2"};

bool isLoaderOverlay(const std::string& name)
{
    for (const char* loader : kLoaderOverlays)
        if (name == loader)
            return true;
    return false;
}

int currentLocation()
{
    auto it = gApp.mAppState.mVars.find("cur_loc");
    return it != gApp.mAppState.mVars.end() ? std::atoi(it->second.c_str()) : 0;
}
} // namespace

void Scene::loadScene(const std::string& name, bool immediate)
{
    Ogre::SceneManager* scene = gApp.mSceneMgr;
    if (!scene)
        return;
    // A load posted without an unload finds the previous room's geometry
    // still there.
    if (scene->hasStaticGeometry(kWorld))
        scene->destroyStaticGeometry(kWorld);
    Ogre::StaticGeometry* world = scene->createStaticGeometry(kWorld);
    world->setRegionDimensions(Ogre::Vector3(500.0f, 500.0f, 500.0f));
    // Rooms carry their lighting in light maps: the batched geometry casts
    // no shadows.
    world->setCastShadows(false);

    loadSceneFile(name, "General", immediate);

    world->build();
    if (gApp.mLog)
        world->dump("world.dump");
}

void Scene::loadSceneFile(const std::string& name, const std::string& group, bool immediate)
{
    std::unique_ptr<dsi::dotSceneLoader> loader(new dsi::dotSceneLoader());
    if (immediate || name == "start.scene")
        hideOverlays(true);
    else
    {
        // A load that follows another before its first create record keeps
        // one listener, not two.
        delete gApp.mLoadProgress;
        CLoadProgress* progress = new CLoadProgress();
        gApp.mLoadProgress = progress;
        hideOverlays(false);
        progress->mExpected = CLoadProgress::expectedSteps(currentLocation());
        progress->mSteps = 0;
        setLoadingProgress(0.0f);
        progress->mLastRedraw = 0;
        loader->addProgressListener(progress);
    }

    Log::print("\nCREATE LOADER\n");
    try
    {
        loader->load(name, group.empty() ? std::string("General") : group, gApp.mSceneMgr, gApp.mWindow);
    }
    catch (const Ogre::Exception& e)
    {
        Log::print("\nERROR: Scene %s failed to load: %s", name.c_str(), e.getDescription().c_str());
    }
    loader.reset();
    gApp.useFirstCamera();
}

void Scene::hideOverlays(bool all)
{
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    if (!overlays)
        return;
    auto it = overlays->getOverlayIterator();
    while (it.hasMoreElements())
    {
        Ogre::Overlay* overlay = it.getNext();
        if (all || !isLoaderOverlay(overlay->getName()))
            overlay->hide();
    }
}

void Scene::setCompositors(bool enable)
{
    if (!gApp.mCompositors || !gApp.mViewport)
        return;
    Ogre::CompositorManager* compositors = Ogre::CompositorManager::getSingletonPtr();
    if (!compositors || !compositors->hasCompositorChain(gApp.mViewport))
        return;
    Ogre::CompositorChain* chain = compositors->getCompositorChain(gApp.mViewport);
    for (const char* name : {"Glass", "MotionBlur", "Bloom"})
        if (chain->getCompositorPosition(name) != Ogre::CompositorChain::NPOS)
            compositors->setCompositorEnabled(gApp.mViewport, name, enable);
}

void CApplication::enableCompositors(bool enable)
{
    Scene::setCompositors(enable);
}
