// The loading bar on the generated locations, in the game on its window: the
// steps that the table expects of a location are the steps its scene makes,
// so the bar fills by counting and stands at its end when the location's
// scripts take over.
// ctest: serial
#include "LoadProgress.h"
#include "Log.h"
#include "WindowedGame.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace
{
class LocationLoading : public tq::WindowedGame
{
};

// The bar's width as the loading window shows it.
float barWidth()
{
    Ogre::Overlay* window = Ogre::OverlayManager::getSingleton().getByName("loadingWindow");
    Ogre::OverlayContainer* frame = window ? window->getChild("LoadingTimeFrame2") : nullptr;
    Ogre::OverlayElement* line = frame ? frame->getChild("LoadingTimeLine") : nullptr;
    return line ? line->getWidth() : -1.0f;
}

TEST_F(LocationLoading, TheBarCountsEveryStepOfEachGeneratedLocationAndReachesItsEnd)
{
    Log::captureBegin();
    gApp.readSwitches("-nosfx");
    ASSERT_TRUE(gApp.setup());
    pump(5);
    int locations = 0;
    for (int location = 1; location <= 7; ++location)
    {
        char scene[64];
        std::snprintf(scene, sizeof(scene), "%02d_location_start.scene", location);
        if (!std::filesystem::exists(std::string("media/") + scene))
            continue;
        ++locations;
        SCOPED_TRACE(scene);
        Log::captureBegin();
        // As the loader script changes the location.
        gApp.mAppState.mVars["cur_loc"] = std::to_string(location);
        gApp.postUnloadScene();
        gApp.postLoadScene(scene);
        pump(2); // the unload, then the load
        ASSERT_NE(gApp.mLoadProgress, nullptr) << Log::captured();
        EXPECT_EQ(gApp.mLoadProgress->mExpected, CLoadProgress::expectedSteps(location))
            << "the table's steps of location " << location << " differ from its scene's";
        for (int frame = 0; frame < 50 && gApp.mLoadProgress; ++frame)
            pump(1);
        ASSERT_EQ(gApp.mLoadProgress, nullptr) << "the loading never ended";
        const std::string all = std::to_string(CLoadProgress::expectedSteps(location));
        EXPECT_NE(Log::captured().find("\nPROGRESS " + all + "/" + all + "\n"), std::string::npos)
            << Log::captured();
        EXPECT_FLOAT_EQ(barWidth(), Scene::loadingBarSpan(1.0f) * 0.375f);
    }
    // Locations 1 and 2 are generated today; more may follow.
    EXPECT_GE(locations, 2);
    Log::captureEnd();
}
} // namespace
