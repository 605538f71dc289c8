// The render-to-texture view base on OpenGL under X (xvfb-run): a room
// script that includes it shows the view of "CameraRtt" on a plane in
// front of the main camera, the texture is really rendered while the view
// is set and no longer after it is cleared, the camera rides on a bone and
// comes back, and the fade steps the plane's colours over frames.
#include "Character.h"
#include "Log.h"
#include "Object.h"
#include "TestSupport.h"
#include "rttview.h"

#include <OgreAnimationState.h>
#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreHardwarePixelBuffer.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgrePass.h>
#include <OgreRenderTexture.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>
#include <OgreViewport.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
const int kWidth = 160;
const int kHeight = 120;

/// A room script that includes the view base, as the location scripts do.
class RoomScript : public virtual CodeScript, public sc_rttview
{
public:
    void ON_TIME(int id) override
    {
        if (id == view.fade_timer)
            processRTTViewFadeOut(view);
    }
    RTTView view;
};

/// A material without lighting in one manual colour.
void makeColour(const char* name, const Ogre::ColourValue& colour)
{
    Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().create(name, "General");
    Ogre::Pass* pass = m->getTechnique(0)->getPass(0);
    pass->setLightingEnabled(false);
    pass->createTextureUnitState()->setColourOperationEx(Ogre::LBX_SOURCE1, Ogre::LBS_MANUAL, Ogre::LBS_CURRENT,
                                                         colour);
}

class RttView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display)
            GTEST_SKIP() << "needs X (run under xvfb-run)";
        const std::string resources = tq::characterResources(dir);
        ASSERT_FALSE(resources.empty());
        gApp.mLogManager = new Ogre::LogManager();
        gApp.mLogManager->createLog("tq-rttview.log", true, false, true);
        Log::captureBegin();
        gApp.mRoot = new Ogre::Root("", "", "");
        gApp.mRoot->loadPlugin(std::string(TQ_OGRE_PLUGIN_DIR) + "/RenderSystem_GL");
        gApp.mRoot->setRenderSystem(gApp.mRoot->getAvailableRenderers().front());
        gApp.mRoot->initialise(false);
        gApp.mWindow = gApp.mRoot->createRenderWindow("rttview", kWidth, kHeight, false);
        Ogre::ResourceGroupManager::getSingleton().addResourceLocation(dir.file("media"), "FileSystem", "General");
        Ogre::ResourceGroupManager::getSingleton().initialiseAllResourceGroups();
        gApp.mSceneMgr = gApp.mRoot->createSceneManager();
        Ogre::SceneNode* root = gApp.mSceneMgr->getRootSceneNode();

        // The main camera "Camera" at the origin looks down -Z at a green
        // wall; "CameraRtt" looks the other way, at a red wall.
        gApp.mCamera = gApp.mSceneMgr->createCamera("Camera");
        gApp.mCamera->setNearClipDistance(0.1f);
        gApp.mCamera->setAspectRatio(static_cast<float>(kWidth) / kHeight);
        root->createChildSceneNode("Camera")->attachObject(gApp.mCamera);
        gApp.mViewport = gApp.mWindow->addViewport(gApp.mCamera);
        gApp.mViewport->setBackgroundColour(Ogre::ColourValue::Black);
        Ogre::Camera* rttCamera = gApp.mSceneMgr->createCamera("CameraRtt");
        rttCamera->setNearClipDistance(0.1f);
        Ogre::SceneNode* rttNode = root->createChildSceneNode("CameraRtt");
        rttNode->yaw(Ogre::Degree(180));
        rttNode->attachObject(rttCamera);
        bind(new CObject(), rttNode);

        makeColour("green", Ogre::ColourValue::Green);
        makeColour("red", Ogre::ColourValue::Red);
        Ogre::MeshManager::getSingleton().createPlane("wall", "General", Ogre::Plane(Ogre::Vector3::UNIT_Z, 0), 1000,
                                                      1000);
        addWall("green_wall", "green", Ogre::Vector3(0, 0, -100), 0);
        addWall("red_wall", "red", Ogre::Vector3(0, 0, 100), 180);

        // The picture plane: pass 0 its own colour, pass 1 the view.
        Ogre::MaterialPtr screen = Ogre::MaterialManager::getSingleton().create("screen", "General");
        Ogre::Pass* own = screen->getTechnique(0)->getPass(0);
        own->setLightingEnabled(false);
        own->createTextureUnitState()->setColourOperationEx(Ogre::LBX_SOURCE1, Ogre::LBS_MANUAL, Ogre::LBS_CURRENT,
                                                            Ogre::ColourValue::Blue);
        Ogre::Pass* view = screen->getTechnique(0)->createPass();
        view->setLightingEnabled(false);
        view->createTextureUnitState();
        Ogre::MeshManager::getSingleton().createPlane("screen_mesh", "General", Ogre::Plane(Ogre::Vector3::UNIT_Z, 0),
                                                      2, 2);
        Ogre::Entity* plane = gApp.mSceneMgr->createEntity("screen", "screen_mesh");
        plane->setMaterialName("screen");
        Ogre::SceneNode* planeNode = root->createChildSceneNode("screen", Ogre::Vector3(0, 0, -3));
        planeNode->attachObject(plane);
        plane->setVisible(false);
        bind(new CObject(), planeNode)->mEntity = plane;

        CVirtualScript::_createRTT("view_tex", 64, 64, 32, "CameraRtt", 0, 0xFFFFFFFF);

        script = new RoomScript();
        Ogre::SceneNode* roomNode = root->createChildSceneNode("room");
        room = bind(new CObject(), roomNode);
        script->init("room.sc", "General");
        room->mScript = script;
        script->setOwner(room->getHandle());
        gApp.frameStep(0.001f);
        Log::captureBegin();
    }

    void TearDown() override
    {
        if (!gApp.mRoot)
            return;
        gApp.mWindow->removeAllViewports();
        gApp.mRoot->destroySceneManager(gApp.mSceneMgr);
        delete gApp.mRoot;
        delete gApp.mLogManager;
        gApp.mRoot = nullptr;
        gApp.mLogManager = nullptr;
        gApp.mSceneMgr = nullptr;
        gApp.mCamera = nullptr;
        gApp.mWindow = nullptr;
        gApp.mViewport = nullptr;
        Log::captureEnd();
    }

    static CObject* bind(CObject* object, Ogre::SceneNode* node)
    {
        object->mNode = node;
        node->setListener(object);
        return object;
    }

    static void addWall(const char* name, const char* material, const Ogre::Vector3& at, float yaw)
    {
        Ogre::Entity* wall = gApp.mSceneMgr->createEntity(name, "wall");
        wall->setMaterialName(material);
        Ogre::SceneNode* node = gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode(name, at);
        node->yaw(Ogre::Degree(yaw));
        node->attachObject(wall);
    }

    static Ogre::RenderTarget* target()
    {
        return Ogre::TextureManager::getSingleton().getByName("view_tex")->getBuffer()->getRenderTarget();
    }

    /// The colour in the middle of a picture read back after a frame.
    static Ogre::ColourValue middleOf(Ogre::RenderTarget* picture)
    {
        const size_t w = picture->getWidth(), h = picture->getHeight();
        std::vector<unsigned char> rgb(w * h * 3);
        Ogre::PixelBox box(w, h, 1, Ogre::PF_BYTE_RGB, rgb.data());
        picture->copyContentsToMemory(box, box);
        const unsigned char* p = &rgb[((h / 2) * w + w / 2) * 3];
        return Ogre::ColourValue(p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f);
    }

    static Ogre::TextureUnitState* screenUnit(int pass)
    {
        return Ogre::MaterialManager::getSingleton()
            .getByName("screen")
            ->getTechnique(0)
            ->getPass(pass)
            ->getTextureUnitState(0);
    }

    tq::TempDir dir;
    RoomScript* script = nullptr;
    CObject* room = nullptr;
};

TEST_F(RttView, InitFillsTheRecordOnly)
{
    RTTView& view = script->view;
    script->initRTTView(view, "view_tex");
    EXPECT_EQ(view.texture_name, "view_tex");
    EXPECT_EQ(view.pass, 1);
    EXPECT_EQ(view.material_name, "");
    EXPECT_EQ(view.camera_rtt_name, "CameraRtt");
    EXPECT_EQ(view.camera_rtt, gApp.findObjectHandle("CameraRtt"));
    EXPECT_NE(view.camera_rtt, 0u);
    EXPECT_EQ(view.camera_name, "Camera");
    EXPECT_EQ(view.plane_name, "");
    EXPECT_EQ(view.alpha, 1.0f);
    EXPECT_EQ(view.fade_timer, 0);
    EXPECT_EQ(view.animated_node, 0u);
    EXPECT_FALSE(target()->isAutoUpdated());
    EXPECT_EQ(gApp.mSceneMgr->getSceneNode("screen")->getParent(), gApp.mSceneMgr->getRootSceneNode());
}

TEST_F(RttView, SetShowsTheRenderedViewAndClearTakesItAway)
{
    RTTView& view = script->view;
    script->initRTTView(view, "view_tex");
    script->setRTTView(view, "screen");
    EXPECT_EQ(view.plane_name, "screen");
    EXPECT_EQ(view.material_name, "screen");
    EXPECT_EQ(screenUnit(1)->getTextureName(), "view_tex");
    Ogre::SceneNode* plane = gApp.mSceneMgr->getSceneNode("screen");
    EXPECT_EQ(plane->getParent(), gApp.mSceneMgr->getSceneNode("Camera"));
    EXPECT_TRUE(gApp.mSceneMgr->getEntity("screen")->isVisible());
    EXPECT_TRUE(target()->isAutoUpdated());

    // The texture holds the red wall behind the player, and the plane in
    // front of the main camera shows it over the green wall.
    gApp.mRoot->renderOneFrame();
    const Ogre::ColourValue seen = middleOf(target());
    EXPECT_GT(seen.r, 0.9f);
    EXPECT_LT(seen.g, 0.1f);
    const Ogre::ColourValue shown = middleOf(gApp.mWindow);
    EXPECT_GT(shown.r, 0.9f);
    EXPECT_LT(shown.g, 0.1f);

    // The texture follows the scene every frame.
    gApp.mSceneMgr->getEntity("red_wall")->setMaterialName("green");
    gApp.mRoot->renderOneFrame();
    EXPECT_GT(middleOf(target()).g, 0.9f);

    script->clearRTTView(view);
    EXPECT_EQ(view.plane_name, "");
    EXPECT_EQ(view.material_name, "screen");
    EXPECT_EQ(plane->getParent(), gApp.mSceneMgr->getRootSceneNode());
    EXPECT_FALSE(gApp.mSceneMgr->getEntity("screen")->isVisible());
    EXPECT_FALSE(target()->isAutoUpdated());
    // No longer rendered: the texture keeps its last picture, and the main
    // view shows the green wall again.
    gApp.mSceneMgr->getEntity("red_wall")->setMaterialName("red");
    gApp.mRoot->renderOneFrame();
    EXPECT_GT(middleOf(target()).g, 0.9f);
    EXPECT_GT(middleOf(gApp.mWindow).g, 0.9f);

    // A cleared record can be shown again.
    script->setRTTView(view, "screen");
    gApp.mRoot->renderOneFrame();
    EXPECT_GT(middleOf(target()).r, 0.9f);
}

TEST_F(RttView, ASecondPlaneSendsTheFirstBackAndMissingPiecesAreLogged)
{
    RTTView& view = script->view;
    script->initRTTView(view, "view_tex");
    script->setRTTView(view, "screen");
    Log::captureBegin();
    // A plane that does not exist: the first goes back and is hidden, the
    // lookup warns, and the texture still updates.
    script->setRTTView(view, "nowhere");
    EXPECT_EQ(gApp.mSceneMgr->getSceneNode("screen")->getParent(), gApp.mSceneMgr->getRootSceneNode());
    EXPECT_FALSE(gApp.mSceneMgr->getEntity("screen")->isVisible());
    EXPECT_EQ(view.plane_name, "nowhere");
    EXPECT_NE(Log::captured().find("\nWARNING: Can't find object [nowhere] by name!"), std::string::npos);
    EXPECT_TRUE(target()->isAutoUpdated());

    // A texture that does not exist is reported by the render service.
    RTTView other;
    script->initRTTView(other, "no_tex");
    Log::captureBegin();
    script->clearRTTView(other);
    EXPECT_EQ(Log::captured(), "\nERROR: RTT no_tex not found");
    // Without a plane the weight is only stored.
    script->setRTTViewPlaneAlpha(other, 0.3f);
    EXPECT_EQ(other.alpha, 0.3f);
}

TEST_F(RttView, FadeRaisesTheViewsWeightOverTwoSeconds)
{
    RTTView& view = script->view;
    script->initRTTView(view, "view_tex");
    script->setRTTView(view, "screen");
    script->startRTTViewFadeOut(view);
    const int first = view.fade_timer;
    EXPECT_NE(first, 0);
    // Restarted during the fade: the old timer goes, the weight is 0 again.
    gApp.frameStep(0.5f);
    EXPECT_EQ(view.alpha, 0.25f);
    script->startRTTViewFadeOut(view);
    EXPECT_EQ(view.alpha, 0.0f);
    EXPECT_EQ(room->mTimers.live, 1);

    // Frames of 0.5 s: 0.25 a step; 1.0 itself keeps the timer, the step
    // past it ends the fade at 1.
    const float weights[] = {0.25f, 0.5f, 0.75f, 1.0f, 1.0f};
    const bool running[] = {true, true, true, true, false};
    for (int i = 0; i < 5; ++i)
    {
        SCOPED_TRACE(i);
        gApp.frameStep(0.5f);
        EXPECT_EQ(view.alpha, weights[i]);
        EXPECT_EQ(view.fade_timer != 0, running[i]);
        const float a = weights[i];
        const Ogre::LayerBlendModeEx& own = screenUnit(0)->getColourBlendMode();
        EXPECT_EQ(own.operation, Ogre::LBX_ADD);
        EXPECT_EQ(own.source1, Ogre::LBS_TEXTURE);
        EXPECT_FLOAT_EQ(own.colourArg2.r, 1.0f - a);
        const Ogre::LayerBlendModeEx& shown = screenUnit(1)->getColourBlendMode();
        EXPECT_EQ(shown.operation, Ogre::LBX_MODULATE);
        EXPECT_FLOAT_EQ(shown.colourArg2.g, a);
    }
    EXPECT_EQ(room->mTimers.live, 0);
    // The view unchanged at the end.
    gApp.mRoot->renderOneFrame();
    EXPECT_GT(middleOf(gApp.mWindow).r, 0.9f);
}

TEST_F(RttView, TheCameraRidesOnABoneAndComesBack)
{
    CObject* guy = tq::placeCharacter(new CObject(), "guy", Ogre::Vector3(0, 0, -10));
    Ogre::Camera* camera = gApp.mSceneMgr->getCamera("CameraRtt");
    Ogre::SceneNode* own = gApp.mSceneMgr->getSceneNode("CameraRtt");
    RTTView& view = script->view;
    script->initRTTView(view, "view_tex");

    script->setRTTViewCamAnimation(view, "guy", "arm_r");
    EXPECT_EQ(view.animated_node, guy->getHandle());
    EXPECT_EQ(view.bone_name, "arm_r");
    EXPECT_TRUE(camera->isParentTagPoint());
    EXPECT_EQ(guy->getEntity()->getAttachedObjects().size(), 1u);

    // Another bone: first back to its node, then onto the new bone.
    script->setRTTViewCamAnimation(view, "guy", "arm_l");
    EXPECT_TRUE(camera->isParentTagPoint());
    EXPECT_EQ(guy->getEntity()->getAttachedObjects().size(), 1u);
    EXPECT_EQ(view.bone_name, "arm_l");

    // Clearing stops the rig's animation without an end notification and
    // gives the camera back.
    ASSERT_NE(CVirtualScript::startLinkedAnimation(guy->getHandle(), "01_guy_idle.skeleton", "idle", 1,
                                                   room->getHandle()),
              0);
    Ogre::AnimationState* state = guy->mAnimState;
    ASSERT_NE(state, nullptr);
    Log::captureBegin();
    script->clearRTTViewCamAnimation(view);
    EXPECT_EQ(Log::captured().find("\nstopping ani"), 0u);
    EXPECT_FALSE(state->getEnabled());
    EXPECT_FALSE(state->getLoop());
    EXPECT_EQ(guy->mAnimState, nullptr);
    EXPECT_EQ(camera->getParentSceneNode(), own);
    EXPECT_TRUE(guy->getEntity()->getAttachedObjects().empty());
    EXPECT_EQ(view.animated_node, 0u);
    EXPECT_EQ(view.bone_name, "");

    // A rig that does not exist: the warning, and nothing else moves.
    Log::captureBegin();
    script->setRTTViewCamAnimation(view, "nobody", "arm_r");
    script->startRTTViewCamAnimation(view, 1);
    EXPECT_NE(Log::captured().find("\nWARNING: Can't find object [nobody] by name!"), std::string::npos);
    EXPECT_EQ(camera->getParentSceneNode(), own);
}
} // namespace
