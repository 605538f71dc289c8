// libFuzzer target: any bytes as a .scene file, loaded by the scene loader
// into the headless engine, then the scene cleared again.  Loader failures
// are exceptions by design; crashes, aborts and sanitizer findings are bugs.
#include "Application.h"
#include "Log.h"
#include "dsi/dotSceneLoader.h"
#include "../support/TriangleMesh.h"

#include <OgreException.h>
#include <OgreManualObject.h>
#include <OgreSceneManager.h>

#include <cstdint>
#include <cstdio>

namespace
{
bool setUp()
{
    if (!gApp.setupHeadless())
        return false;
    gApp.mLog = false;
    // A mesh for the entities of the corpus.
    tq::makeTriangleMesh(gApp.mSceneMgr, "box.mesh");
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = setUp();
    if (!ready)
        return 0;
    FILE* file = std::fopen("fuzz.scene", "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    try
    {
        dsi::dotSceneLoader loader;
        loader.load("fuzz.scene", "General", gApp.mSceneMgr, nullptr);
    }
    catch (const Ogre::Exception&)
    {
    }
    gApp.mSceneMgr->clearScene();
    gApp.mMessages.clear();
    return 0;
}
