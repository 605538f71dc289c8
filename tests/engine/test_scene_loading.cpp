// Scene loading on the headless engine: the loading listener and its bar,
// the loader overlays, the static geometry, the first camera, and loads and
// unloads through the message queue.
#include "Application.h"
#include "LoadProgress.h"
#include "Log.h"
#include "Object.h"
#include "Scene.h"
#include "TestSupport.h"
#include "TriangleMesh.h"

#include <OgreManualObject.h>
#include <OgreMeshManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>
#include <Overlay/OgrePanelOverlayElement.h>

#include <gtest/gtest.h>

#include <malloc.h>

#include <memory>

namespace
{
uint32_t gFakeNow = 0;
uint32_t fakeClock()
{
    return gFakeNow;
}

// ---------------------------------------------------------------------------
// The listener and the bar

TEST(LoadProgress, ExpectedStepsByLocation)
{
    const int32_t expected[] = {0, 1069, 1565, 2873, 2674, 1915, 2329};
    for (int location = 0; location < 7; ++location)
        EXPECT_EQ(CLoadProgress::expectedSteps(location), expected[location]) << location;
    // The last location and anything else outside the table expect nothing.
    for (int location : {7, 8, -1, 1000})
        EXPECT_EQ(CLoadProgress::expectedSteps(location), 0) << location;
}

TEST(LoadProgress, BarValueAndSpan)
{
    CLoadProgress progress;
    progress.mExpected = 5194;
    progress.mSteps = 2597;
    EXPECT_NEAR(progress.barValue(), 0.5f, 1e-3f);
    EXPECT_NEAR(Scene::loadingBarSpan(progress.barValue()), 0.496f, 1e-3f);
    progress.mSteps = 6000; // more steps than expected: a full bar
    EXPECT_EQ(progress.barValue(), 1.0f);
    EXPECT_NEAR(Scene::loadingBarSpan(0.0f), 0.039f, 1e-6f);
    EXPECT_NEAR(Scene::loadingBarSpan(1.0f), 0.9531f, 1e-6f);

    CLoadProgress nothingExpected;
    EXPECT_EQ(nothingExpected.barValue(), 0.0f);
    nothingExpected.mSteps = 1;
    EXPECT_EQ(nothingExpected.barValue(), 1.0f);
}

TEST(LoadProgress, RedrawsAtMostOnceASecond)
{
    ASSERT_TRUE(gApp.setupHeadless());
    CLoadProgress progress;
    progress.mClock = &fakeClock;
    progress.mExpected = 100;
    // A load of 3.5 s, one step every 100 ms.
    gFakeNow = 50000;
    for (int i = 0; i <= 35; ++i, gFakeNow += 100)
        progress.step("parsing node");
    EXPECT_EQ(progress.mRedraws, 3);
    EXPECT_EQ(progress.mSteps, 36);
    EXPECT_TRUE(gApp.mSkipFrame);
}

class LoadingScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gApp.setupHeadless());
        overlays.reset(new Ogre::OverlaySystem());
    }
    void TearDown() override
    {
        Ogre::OverlayManager::getSingleton().destroyAll();
        Ogre::OverlayManager::getSingleton().destroyAllOverlayElements();
    }

    // The bar as the data builds it: overlay, frame, line.
    Ogre::PanelOverlayElement* makeBar(bool withLine)
    {
        Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
        Ogre::Overlay* window = manager.create("loadingWindow");
        auto* frame = static_cast<Ogre::OverlayContainer*>(manager.createOverlayElement("Panel", "LoadingTimeFrame2"));
        window->add2D(frame);
        if (!withLine)
            return nullptr;
        auto* line = static_cast<Ogre::PanelOverlayElement*>(manager.createOverlayElement("Panel", "LoadingTimeLine"));
        frame->addChild(line);
        return line;
    }

    std::unique_ptr<Ogre::OverlaySystem> overlays;
};

TEST_F(LoadingScreen, BarWidthAndTextureFollowTheFraction)
{
    Ogre::PanelOverlayElement* line = makeBar(true);
    Scene::setLoadingProgress(0.5f);
    const float u = 0.5f * 0.039f + 0.5f * 0.9531f;
    EXPECT_NEAR(line->getWidth(), u * 0.375f, 1e-6f);
    Ogre::Real u1, v1, u2, v2;
    line->getUV(u1, v1, u2, v2);
    EXPECT_EQ(u1, 0.0f);
    EXPECT_EQ(v1, 0.0f);
    EXPECT_NEAR(u2, u, 1e-6f);
    EXPECT_EQ(v2, 1.0f);
}

TEST_F(LoadingScreen, MissingBarPiecesAreSkipped)
{
    Scene::setLoadingProgress(0.5f); // no overlay at all
    makeBar(false);
    Scene::setLoadingProgress(0.5f); // the frame without its line
    SUCCEED();
}

TEST_F(LoadingScreen, HidingSparesTheLoaderOverlaysUnlessAllAreAsked)
{
    Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
    for (const char* name : {"loadingWindow", "LoaderOverlay", "loadingWindow2", "menu"})
        manager.create(name)->show();
    Scene::hideOverlays(false);
    EXPECT_TRUE(manager.getByName("loadingWindow")->isVisible());
    EXPECT_TRUE(manager.getByName("LoaderOverlay")->isVisible());
    EXPECT_TRUE(manager.getByName("loadingWindow2")->isVisible());
    EXPECT_FALSE(manager.getByName("menu")->isVisible());
    Scene::hideOverlays(true);
    EXPECT_FALSE(manager.getByName("loadingWindow")->isVisible());
}

// ---------------------------------------------------------------------------
// Loading rooms

const char* const kRoom = R"(<scene formatVersion="0.2.0">
  <nodes>
    <node name="crate" script="00_msg.sc"><entity meshFile="crate.mesh"/><light name="lamp"/>
      <billboardSet name="glow"><billboard/></billboardSet></node>
    <node name="sign" script="00_msg.sc"><rect2d name="signRect" x="0" y="0" sx="0.1" sy="0.1"/></node>
    <node name="view"><camera name="a_view" projectionType="perspective"/></node>
  </nodes>
</scene>)";

void makeCrateMesh()
{
    tq::makeTriangleMesh(gApp.mSceneMgr, "crate.mesh");
}

class SceneLoading : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gApp.setupHeadless());
        gApp.mLog = false;
        makeCrateMesh();
        ASSERT_TRUE(tq::writeFile("room.scene", kRoom));
        ASSERT_TRUE(tq::writeFile("start.scene", kRoom));
        Log::captureBegin();
    }
    void TearDown() override { Log::captureEnd(); }
    tq::TempDir dir;
};

TEST_F(SceneLoading, StartSceneLoadsWithoutTheLoadingScreen)
{
    Scene::loadScene("start.scene", true);
    EXPECT_EQ(gApp.mLoadProgress, nullptr);
    EXPECT_TRUE(gApp.mSceneMgr->hasStaticGeometry("world"));
    EXPECT_TRUE(gApp.mSceneMgr->hasSceneNode("crate"));
    EXPECT_NE(Log::captured().find("\nCREATE LOADER\n"), std::string::npos);
    // The scene's first camera is shown.
    EXPECT_EQ(gApp.mCamera, gApp.mSceneMgr->getCamera("a_view"));
}

TEST_F(SceneLoading, OtherScenesCountTheirStepsAndTheBarReachesItsEnd)
{
    gApp.mAppState.mVars["cur_loc"] = "3";
    Scene::loadScene("room.scene", false);
    ASSERT_NE(gApp.mLoadProgress, nullptr);
    // Six section texts, "done loading", three nodes, one entity, one light,
    // one billboard set with its billboard, one rectangle, one camera; and
    // two create records to come.  The location's estimate is replaced.
    EXPECT_EQ(gApp.mLoadProgress->mSteps, 7 + 3 + 1 + 1 + 2 + 1 + 1);
    EXPECT_EQ(gApp.mLoadProgress->mExpected, 18);

    // The queue steps once per create record (two nodes have scripts), then
    // ends the loading at the first other record: the bar was full.
    gApp.frameStep(0.01f);
    CMessage notify;
    notify.type = MSG_NOTIFY;
    notify.target = gApp.findObject("crate");
    gApp.postMessage(notify);
    gApp.frameStep(0.01f);
    EXPECT_EQ(gApp.mLoadProgress, nullptr);
    EXPECT_NE(Log::captured().find("\nPROGRESS 18/18\n"), std::string::npos);
}

// Whatever a room holds, the count the loader announces is the number of
// steps the bar makes: the bar ends full, never early and never short.
TEST_F(SceneLoading, AnnouncedStepsMatchTheStepsMade)
{
    ASSERT_TRUE(tq::writeFile("shared.scene", R"(<scene><nodes>
        <node name="hud" script="00_msg.sc"><overlay name="nothing"/></node></nodes></scene>)"));
    ASSERT_TRUE(tq::writeFile("inner.scene", R"(<scene><includes><include name="shared.scene"/></includes>
        <nodes><node name="deep"/></nodes></scene>)"));
    const struct
    {
        const char* label;
        const char* text;
    } rooms[] = {
        {"empty", "<scene/>"},
        {"the crate room", kRoom},
        {"nested nodes, targets, clipping, billboards",
         R"(<scene><nodes><node name="a" script="00_msg.sc"><lookTarget nodeName="b"/>
              <node name="b"><trackTarget nodeName="a"/><camera name="c"><clipping near="1" far="9"/></camera>
                <node name="d" script=""><billboardSet name="bs"><billboard/><billboard/><billboard/></billboardSet>
                </node></node></node></nodes></scene>)"},
        {"environment and includes two deep",
         R"(<scene><environment><fog mode="linear"/><skyDome material="none"/></environment>
              <includes><include name="inner.scene"/><include/></includes>
              <nodes><node name="own" script="00_msg.sc"/></nodes></scene>)"},
    };
    for (const auto& room : rooms)
    {
        ASSERT_TRUE(tq::writeFile("counted.scene", room.text)) << room.label;
        gApp.mAppState.mVars["cur_loc"] = "2";
        gApp.postLoadScene("counted.scene");
        gApp.frameStep(0.01f); // the load
        ASSERT_NE(gApp.mLoadProgress, nullptr) << room.label;
        const int32_t expected = gApp.mLoadProgress->mExpected;
        gApp.frameStep(0.01f); // the create records
        EXPECT_EQ(gApp.mLoadProgress->mSteps, expected) << room.label;
        EXPECT_EQ(gApp.mLoadProgress->barValue(), 1.0f) << room.label;
        delete gApp.mLoadProgress;
        gApp.mLoadProgress = nullptr;
        gApp.postUnloadScene();
        gApp.frameStep(0.01f);
    }
}

TEST_F(SceneLoading, LocationOutsideTheTableCountsItsStepsToo)
{
    gApp.mAppState.mVars["cur_loc"] = "7";
    Scene::loadScene("room.scene", false);
    ASSERT_NE(gApp.mLoadProgress, nullptr);
    EXPECT_EQ(gApp.mLoadProgress->mExpected, 18);
    EXPECT_LT(gApp.mLoadProgress->barValue(), 1.0f);
}

TEST_F(SceneLoading, LoadWithoutUnloadReplacesTheWorldGeometry)
{
    Scene::loadScene("start.scene", true);
    ASSERT_TRUE(tq::writeFile("second.scene", "<scene formatVersion=\"0.2.0\"/>"));
    Scene::loadScene("second.scene", false);
    Scene::loadScene("second.scene", false);
    EXPECT_TRUE(gApp.mSceneMgr->hasStaticGeometry("world"));
}

TEST_F(SceneLoading, WorldIsDumpedWithTheLogSwitch)
{
    gApp.mLog = true;
    Scene::loadScene("start.scene", true);
    EXPECT_TRUE(!tq::readFile("world.dump").empty());
}

TEST_F(SceneLoading, BrokenSceneIsLoggedAndTheGameGoesOn)
{
    ASSERT_TRUE(tq::writeFile("broken.scene", "<scene><nodes>"));
    Scene::loadScene("broken.scene", false);
    Scene::loadScene("missing.scene", false);
    const std::string log = Log::captured();
    EXPECT_NE(log.find("\nERROR: Scene broken.scene failed to load: something went wrong while loading the .scene"),
              std::string::npos);
    EXPECT_NE(log.find("\nERROR: Scene missing.scene failed to load"), std::string::npos);
    EXPECT_TRUE(gApp.mSceneMgr->hasStaticGeometry("world"));
}

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

TEST_F(SceneLoading, HundredLoadsAndUnloadsLeaveNothingBehind)
{
    Log::captureEnd(); // the captured text would grow with every round
    size_t afterWarmUp = 0;
    for (int round = 0; round < 100; ++round)
    {
        gApp.postLoadScene("room.scene");
        gApp.frameStep(0.01f); // the load
        gApp.frameStep(0.01f); // the create records
        ASSERT_EQ(gObjectCollector.count(), 3) << round;
        gApp.postUnloadScene();
        gApp.frameStep(0.01f); // destroys and the unload
        EXPECT_EQ(gApp.mSceneMgr->getRootSceneNode()->numChildren(), 0u) << round;
        EXPECT_EQ(gObjectCollector.count(), 0) << round;
        EXPECT_EQ(gApp.mSceneMgr->getCameras().size(), 1u) << round;
        EXPECT_FALSE(gApp.mSceneMgr->hasMovableObject("signRect", "dsiRect2d")) << round;
        delete gApp.mLoadProgress;
        gApp.mLoadProgress = nullptr;
        if (round == 9)
            afterWarmUp = heapInUse();
    }
    // Ninety rounds after the warm-up: no growth beyond allocator noise.
    const size_t end = heapInUse();
    EXPECT_LT(end, afterWarmUp + 32 * 1024) << "grew by " << (end - afterWarmUp) << " bytes";
}
} // namespace
