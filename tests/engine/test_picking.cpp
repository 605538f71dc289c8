// Picking on the headless engine: the camera ray against bounds and then
// triangles, focus changes, all-hits mode, the pick mask, 2D rectangles and
// the wheel.
#include "Application.h"
#include "PickingFixture.h"
#include "Scene.h"

#include <OgreCamera.h>
#include <OgreRectangle2D.h>
#include <OgreRoot.h>

#include <algorithm>

#include <gtest/gtest.h>

namespace
{
using tq::RecordingScript;

const Ogre::String kRectType("test_rect2d");

class TestRectangle : public Ogre::Rectangle2D
{
public:
    TestRectangle() : Ogre::Rectangle2D(true) {}
    const Ogre::String& getMovableType() const override { return kRectType; }
};

class RectangleFactory : public Ogre::MovableObjectFactory
{
public:
    const Ogre::String& getType() const override { return kRectType; }

protected:
    Ogre::MovableObject* createInstanceImpl(const Ogre::String&, const Ogre::NameValuePairList*) override
    {
        return new TestRectangle();
    }
};

class Picking : public ::testing::Test
{
protected:
    /// The cursor fractions at which a world point shows.
    void aimAt(const Ogre::Vector3& world)
    {
        Ogre::Camera* camera = gApp.mCamera;
        const Ogre::Vector3 p = camera->getProjectionMatrix() * (camera->getViewMatrix() * world);
        world_.cursor(p.x * 0.5f + 0.5f, 0.5f - p.y * 0.5f);
    }
    /// The handler calls since set-up, without the create messages.
    static std::vector<std::string> calls(const std::string& name = std::string())
    {
        std::vector<std::string> result;
        for (const std::string& call : name.empty() ? RecordingScript::calls() : RecordingScript::callsOf(name))
            if (call.find("ON_CREATE") == std::string::npos)
                result.push_back(call);
        return result;
    }

    tq::PickingWorld world_;
};

TEST_F(Picking, NearestObjectUnderTheCursorGetsFocusWithTheExactPoint)
{
    CObject* front = world_.plate("front", 0, 0, -10);
    world_.plate("back", 0, 0, -20);
    world_.cursor(0.5f, 0.5f);
    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, front);
    EXPECT_TRUE(front->mHovered);
    EXPECT_NEAR(gApp.mHitPoint.z, -10.0f, 1e-4);
    EXPECT_NEAR(gApp.mHitPoint.x, 0.0f, 1e-4);
    world_.engine.frame();
    EXPECT_EQ(calls("front"), (std::vector<std::string>{"ON_SETFOCUS()"}));
    EXPECT_TRUE(calls("back").empty());
}

TEST_F(Picking, BoundsWithoutTriangleHitLetTheObjectBehindThrough)
{
    // A plate turned 45 degrees about the view axis: its box covers the
    // corner direction, its triangles do not.
    CObject* diamond = world_.plate("diamond", 0, 0, -10);
    diamond->getNode()->roll(Ogre::Degree(45));
    CObject* behind = world_.plate("behind", 2, 2, -20);
    world_.update();
    aimAt(Ogre::Vector3(1.0f, 1.0f, -10.0f));
    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, behind);

    aimAt(Ogre::Vector3(0.2f, 0.2f, -10.0f));
    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, diamond);
}

TEST_F(Picking, TrianglesSeenFromBehindAreNotHit)
{
    world_.plate("turned", 0, 0, -10, 180.0f);
    world_.cursor(0.5f, 0.5f);
    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, nullptr);

    CObject* behind = world_.plate("behind", 0, 0, -20);
    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, behind);
}

TEST_F(Picking, FocusIsSentOnceAndLossOfFocusOnceOnLeaving)
{
    CObject* plate = world_.plate("plate", 0, 0, -10);
    world_.cursor(0.5f, 0.5f);
    world_.engine.frames(3);
    world_.cursor(0.02f, 0.02f);
    world_.engine.frames(3);
    EXPECT_EQ(calls("plate"), (std::vector<std::string>{"ON_SETFOCUS()", "ON_KILLFOCUS()"}));
    EXPECT_EQ(gApp.mHovered, nullptr);
    EXPECT_FALSE(plate->mHovered);

    // With nothing under the cursor a click reaches nobody.
    gApp.mInput->handlePress(0);
    gApp.mInput->handleRelease(0);
    world_.engine.frame();
    EXPECT_EQ(calls("plate").size(), 2u);
}

TEST_F(Picking, MovingFromOneObjectToAnotherSwapsFocus)
{
    world_.plate("left", -3, 0, -10);
    world_.plate("right", 3, 0, -10);
    aimAt(Ogre::Vector3(-3, 0, -10));
    world_.engine.frame();
    aimAt(Ogre::Vector3(3, 0, -10));
    world_.engine.frames(2);
    EXPECT_EQ(calls(),
              (std::vector<std::string>{"left:ON_SETFOCUS()", "left:ON_KILLFOCUS()", "right:ON_SETFOCUS()"}));
}

TEST_F(Picking, AllHitsModeTakesTheNearestExactHitNotTheNearestBox)
{
    // A large plate turned almost edge-on: its box starts nearer than the
    // small plate, its surface lies farther away on the view axis.
    CObject* slanted = world_.plate("slanted", 0, 0, -15, 80.0f);
    slanted->getNode()->setScale(5, 5, 5);
    CObject* small = world_.plate("small", 0, 0, -12);
    world_.update();
    world_.cursor(0.5f, 0.5f);

    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, slanted); // first exact hit in the query's order

    gApp.mAllHits = 1;
    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, small);
    EXPECT_NEAR(gApp.mHitPoint.z, -12.0f, 1e-3);
}

TEST_F(Picking, AllHitsModeWithManyEqualDistancesKeepsTheQueryOrder)
{
    // More records than fit, all at one distance: the sort must stay
    // within its records and be stable.
    std::vector<CObject*> plates;
    for (int i = 0; i < 70; ++i)
        plates.push_back(world_.plate("plate" + std::to_string(i), 0, 0, -10));
    gApp.mAllHits = 1;
    world_.cursor(0.5f, 0.5f);
    world_.engine.frame();
    ASSERT_NE(gApp.mHovered, nullptr);
    CObject* first = gApp.mHovered;
    EXPECT_NEAR(gApp.mHitPoint.z, -10.0f, 1e-4);

    gApp.mAllHits = 0;
    gApp.mHovered = nullptr;
    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, first);
}

TEST_F(Picking, PickMaskSelectsByQueryFlags)
{
    CObject* near = world_.plate("near", 0, 0, -10);
    CObject* far = world_.plate("far", 0, 0, -20);
    far->getEntity()->setQueryFlags(2);
    world_.cursor(0.5f, 0.5f);

    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, near);
    gApp.setPickMask(2);
    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, far);
    gApp.setPickMask(0);
    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, nullptr);
    // A mask stored while no query exists is used when picking makes one.
    gApp.mSceneMgr->destroyQuery(gApp.mRayQuery);
    gApp.mRayQuery = nullptr;
    gApp.setPickMask(3);
    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, near);
}

TEST_F(Picking, HiddenUnpickableAndPickingOffFindNothing)
{
    CObject* hidden = world_.plate("hidden", 0, 0, -10);
    CObject* inert = world_.plate("inert", 0, 0, -20);
    CObject* last = world_.plate("last", 0, 0, -30);
    hidden->getEntity()->setVisible(false);
    inert->mPickable = false;
    world_.cursor(0.5f, 0.5f);
    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, last);

    gApp.mPickingOff = true;
    gApp.mHovered = nullptr;
    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, nullptr);
}

TEST_F(Picking, RectangleIsPickedByItsScreenAreaInFrontOfMeshes)
{
    world_.plate("plate", 0, 0, -10);
    CObject* panel = world_.engine.addRecorder("panel");
    // Made through the scene manager, as the loader makes rectangles, so
    // that scene queries see it.
    static RectangleFactory factory;
    if (!Ogre::Root::getSingleton().hasMovableObjectFactory(factory.getType()))
        Ogre::Root::getSingleton().addMovableObjectFactory(&factory);
    Ogre::Rectangle2D* rect =
        static_cast<Ogre::Rectangle2D*>(gApp.mSceneMgr->createMovableObject("panel", factory.getType()));
    rect->setCorners(-1.0f, 1.0f, 0.2f, -0.2f); // left part, over the centre
    Ogre::AxisAlignedBox infinite;
    infinite.setInfinite();
    rect->setBoundingBox(infinite);
    static_cast<Ogre::MovableObject*>(rect)->getUserObjectBindings().setUserAny(Ogre::Any(panel));
    rect->setQueryFlags(1);
    panel->getNode()->attachObject(rect);
    panel->mPickable = true;
    world_.update();

    world_.cursor(0.5f, 0.5f);
    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, panel);
    EXPECT_EQ(panel->getEntity(), nullptr);

    world_.cursor(0.7f, 0.3f); // right of the panel
    world_.engine.frame();
    EXPECT_EQ(gApp.mHovered, nullptr);

    panel->getNode()->detachObject(rect);
    gApp.mSceneMgr->destroyMovableObject(rect);
    Ogre::Root::getSingleton().removeMovableObjectFactory(&factory);
}

TEST_F(Picking, WheelTurnsTheCameraOnlyWhileTheInventoryAllowsIt)
{
    world_.engine.addRecorder("01_cam_move");
    world_.engine.frame();
    RecordingScript::calls().clear();

    struct Case
    {
        const char* stateInv;
        int wheel;
        const char* expected;
    };
    const Case cases[] = {
        {"1", 120, "01_cam_move:ON_NOTIFY(7771)"},
        {"1", -120, "01_cam_move:ON_NOTIFY(7770)"},
        {"1", 100, nullptr}, // 0.1 is not above 0.1
        {"1", -100, nullptr},
        {"0", 120, nullptr},
    };
    for (const Case& c : cases)
    {
        RecordingScript::calls().clear();
        gApp.mAppState.mVars["stateInv"] = c.stateInv;
        OIS::MouseState state;
        state.X.abs = 400;
        state.Y.abs = 300;
        state.Z.rel = c.wheel;
        gApp.mInput->handleMouseMoved(state);
        world_.engine.frame();
        const std::vector<std::string>& got = RecordingScript::calls();
        if (c.expected)
            EXPECT_NE(std::find(got.begin(), got.end(), c.expected), got.end()) << c.wheel;
        else
            EXPECT_TRUE(got.empty()) << c.stateInv << " " << c.wheel;
    }
    // With the cursor off the wheel does nothing.
    RecordingScript::calls().clear();
    gApp.mInput->setCursor(false);
    OIS::MouseState state;
    state.Z.rel = 120;
    gApp.mInput->handleMouseMoved(state);
    world_.engine.frame();
    EXPECT_TRUE(RecordingScript::calls().empty());
}
} // namespace
