// The script API's strings, objects and visibility, placement, parameters
// and bones, on the headless engine.
#include "Character.h"
#include "HeadlessEngine.h"
#include "TestSupport.h"
#include "VirtualScript.h"

#include <OgreBone.h>
#include <OgreEntity.h>
#include <OgreLight.h>
#include <OgreMeshManager.h>
#include <OgreSceneManager.h>
#include <OgreSkeletonInstance.h>

#include <gtest/gtest.h>

#include <memory>

namespace
{
class ApiObjects : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string cfg = tq::characterResources(dir);
        ASSERT_FALSE(cfg.empty());
        engine.reset(new tq::HeadlessEngine(cfg));
    }

    /// An object with a small plane entity named after the node.
    CObject* addProp(const std::string& name, Ogre::SceneNode* parent = nullptr)
    {
        if (!Ogre::MeshManager::getSingleton().resourceExists("apiPlane", "General"))
            Ogre::MeshManager::getSingleton().createPlane("apiPlane", "General", Ogre::Plane(Ogre::Vector3::UNIT_Z, 0),
                                                          1, 1);
        CObject* object = engine->addObject(name, std::string(), parent);
        object->mEntity = gApp.mSceneMgr->createEntity(name, "apiPlane");
        object->getNode()->attachObject(object->mEntity);
        return object;
    }

    static size_t count(const std::string& text, const std::string& what)
    {
        size_t n = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
            ++n;
        return n;
    }

    tq::TempDir dir;
    std::unique_ptr<tq::HeadlessEngine> engine;
};

TEST_F(ApiObjects, StringHelpers)
{
    struct Case
    {
        int value, width;
        const char* text;
    } cases[] = {{7, 2, "07"}, {123, 2, "123"}, {5, 0, "5"}, {-4, 3, "-04"}, {0, 3, "000"}};
    for (const Case& c : cases)
    {
        String s = "old";
        CVirtualScript::strAssignInt(c.value, s, c.width);
        EXPECT_EQ(s, c.text);
        s = "x_";
        CVirtualScript::strAddInt(c.value, s, c.width);
        EXPECT_EQ(s, std::string("x_") + c.text);
    }

    String s = "abcabc";
    CVirtualScript::strErase("bc", s);
    EXPECT_EQ(s, "aabc");
    CVirtualScript::strErase("zz", s);
    EXPECT_EQ(s, "aabc");

    String target = "keep";
    CVirtualScript::strSubstr(1, "05_03_scene", 4, target);
    EXPECT_EQ(target, "5_03");
    CVirtualScript::strSubstr(40, "short", 2, target);
    EXPECT_EQ(target, "");
}

TEST_F(ApiObjects, AnglesAndPlacement)
{
    const Ogre::Quaternion q = CVirtualScript::eulerDegToQuat(10.0f, 20.0f, 30.0f);
    const vec3 back = CVirtualScript::quatToEulerDeg(q);
    EXPECT_NEAR(back.x, 10.0f, 1e-3f);
    EXPECT_NEAR(back.y, 20.0f, 1e-3f);
    EXPECT_NEAR(back.z, 30.0f, 1e-3f);
    EXPECT_EQ(CVirtualScript::lerpVec3(vec3(0, 0, 0), vec3(10, 20, 30), 0.5f), vec3(5, 10, 15));

    CObject* box = addProp("box");
    const OBJECT_HANDLE h = box->getHandle();
    CVirtualScript::setPositionRotZ(h, 1, 2, 3, 90);
    EXPECT_EQ(CVirtualScript::getPosition(h), vec3(1, 2, 3));
    // Objects face along X; a quarter turn about Z makes them face Y.
    const vec3 facing = box->getNode()->getOrientation() * vec3::UNIT_X;
    EXPECT_NEAR(facing.y, 1.0f, 1e-5f);

    CVirtualScript::setOrientationDeg(h, vec3(0, 0, 180));
    EXPECT_NEAR((box->getNode()->getOrientation() * vec3::UNIT_X).x, -1.0f, 1e-5f);
    CVirtualScript::setScale(h, vec3(2, 2, 2));
    EXPECT_EQ(box->getNode()->getScale(), vec3(2, 2, 2));
    const Ogre::Quaternion turn = CVirtualScript::eulerDegToQuat(0.0f, 90.0f, 0.0f);
    CVirtualScript::setOrientation(h, turn);
    EXPECT_TRUE(CVirtualScript::getOrientation(h).equals(turn, Ogre::Radian(1e-4f)));
    EXPECT_EQ(CVirtualScript::getOrientation(0), Ogre::Quaternion::IDENTITY);

    // The world transform of a node below a moved and turned parent.
    CObject* child = addProp("box_child", box->getNode());
    const Ogre::Quaternion quarter(Ogre::Degree(90), vec3::UNIT_Z);
    CVirtualScript::setOrientation(h, quarter);
    CVirtualScript::setScale(h, vec3(1, 1, 1));
    CVirtualScript::setPosition(child->getHandle(), vec3(1, 0, 0));
    vec3 where;
    Ogre::Quaternion turned;
    ASSERT_TRUE(CVirtualScript::getWorldTransform(child->getHandle(), where, turned));
    EXPECT_LT(where.distance(vec3(1, 3, 3)), 1e-4f);
    EXPECT_TRUE(turned.equals(quarter, Ogre::Degree(0.01f)));
    EXPECT_FALSE(CVirtualScript::getWorldTransform(0, where, turned));
    // Without a viewport the mask goes nowhere.
    CVirtualScript::setViewportVisibilityMask(0x801);

    // Handle 0 and a free slot do nothing.
    CVirtualScript::setPosition(0, vec3(9, 9, 9));
    EXPECT_EQ(CVirtualScript::getPosition(0), vec3::ZERO);
    EXPECT_EQ(CVirtualScript::getPosition(3000), vec3::ZERO);
}

TEST_F(ApiObjects, FindObjectIndexedPadsToTwoDigits)
{
    CObject* seven = addProp("piece_07");
    CObject* big = addProp("piece_123");
    EXPECT_EQ(CVirtualScript::findObjectIndexed("piece_", 7), seven->getHandle());
    EXPECT_EQ(CVirtualScript::findObjectIndexed("piece_", 123), big->getHandle());
    engine->clearLog();
    EXPECT_EQ(CVirtualScript::findObjectIndexed("piece_", 8), 0u);
    EXPECT_EQ(engine->log(), "\nWARNING: Can't find object [piece_08] by name!");
}

TEST_F(ApiObjects, WorldToScreenOfTheCentreAndOfNothing)
{
    CObject* box = addProp("box");
    box->getNode()->setPosition(0, 0, -50); // the camera looks down -Z
    Ogre::Vector2 screen(-1, -1);
    ASSERT_TRUE(CVirtualScript::worldToScreen(box->getHandle(), screen));
    EXPECT_NEAR(screen.x, 0.5f, 1e-5f);
    EXPECT_NEAR(screen.y, 0.5f, 1e-5f);
    box->getNode()->setPosition(10, 10, -50); // up and right: top right quarter
    ASSERT_TRUE(CVirtualScript::worldToScreen(box->getHandle(), screen));
    EXPECT_GT(screen.x, 0.5f);
    EXPECT_LT(screen.y, 0.5f);

    screen = Ogre::Vector2(-1, -1);
    EXPECT_FALSE(CVirtualScript::worldToScreen(0, screen));
    EXPECT_EQ(screen, Ogre::Vector2(-1, -1));
}

TEST_F(ApiObjects, VisibilityByHandleAndByName)
{
    CObject* group = addProp("group");
    CObject* child = addProp("child", group->getNode());

    CVirtualScript::setVisible(group->getHandle(), false);
    EXPECT_FALSE(group->getEntity()->getVisible());
    EXPECT_TRUE(child->getEntity()->getVisible()); // children are not touched

    CVirtualScript::setVisibleByName("group", false);
    EXPECT_FALSE(child->getEntity()->getVisible());
    CVirtualScript::setVisibleByName("group", true);
    EXPECT_TRUE(group->getEntity()->getVisible());
    EXPECT_TRUE(child->getEntity()->getVisible());
    CVirtualScript::setVisible(0, false); // nothing happens
}

TEST_F(ApiObjects, VisibilityFlagOperationsReachOneLevelDown)
{
    CObject* group = addProp("group");
    CObject* child = addProp("child", group->getNode());
    CObject* grandChild = addProp("grand", child->getNode());
    grandChild->getEntity()->setVisibilityFlags(0x10);

    struct Case
    {
        int operation;
        uint32_t flags;
        uint32_t expected;
    } cases[] = {{1, 0x6, 0x6}, {0, 0x1, 0x7}, {2, 0x2, 0x5}};
    for (const Case& c : cases)
    {
        CVirtualScript::setVisibleFlagsByName("group", c.operation, c.flags);
        EXPECT_EQ(group->getEntity()->getVisibilityFlags(), c.expected);
        EXPECT_EQ(child->getEntity()->getVisibilityFlags(), c.expected);
    }
    EXPECT_EQ(grandChild->getEntity()->getVisibilityFlags(), 0x10u);

    engine->clearLog();
    CVirtualScript::setVisibleFlags(group->getHandle(), 3, 0xFF);
    EXPECT_EQ(group->getEntity()->getVisibilityFlags(), 0x5u);
    EXPECT_EQ(count(engine->log(), "\n!!!!!!!!!!\nERROR: CVirtualScript::setVisibleFlags(): unknown operation type: 3\n"
                                   "!!!!!!!!!!\n"),
              2u); // once per movable: the group's and its child's
}

TEST_F(ApiObjects, RoomFlagsComeFromTheNodeNameAndOddRoomsShowEverywhere)
{
    CObject* roomThree = addProp("02_03_lamp");
    CObject* noRoom = addProp("lamp");
    CObject* roomFortyTwo = addProp("02_42_lamp");
    CVirtualScript::addNodeRoomFlagsByName("02_03_lamp");
    EXPECT_EQ(roomThree->getEntity()->getVisibilityFlags(), 1u << 2);

    engine->clearLog();
    CVirtualScript::addNodeRoomFlagsByName("lamp");
    CVirtualScript::addNodeRoomFlagsByName("02_42_lamp");
    EXPECT_EQ(noRoom->getEntity()->getVisibilityFlags(), 0xFFFFFFFFu);
    EXPECT_EQ(roomFortyTwo->getEntity()->getVisibilityFlags(), 0xFFFFFFFFu);
    EXPECT_NE(engine->log().find("room 0 has no visibility bit"), std::string::npos);
    EXPECT_NE(engine->log().find("room 42 has no visibility bit"), std::string::npos);
    EXPECT_EQ(CVirtualScript::roomVisibilityMask(32), 0x80000000u);
    EXPECT_EQ(CVirtualScript::roomVisibilityMask(1), 1u);
}

TEST_F(ApiObjects, AttachedFlagIsThePickMask)
{
    CObject* group = addProp("az");
    CObject* child = addProp("az_child", group->getNode());
    CVirtualScript::setAttachedFlagByName("az", 2);
    EXPECT_EQ(group->getEntity()->getQueryFlags(), 2u);
    EXPECT_EQ(child->getEntity()->getQueryFlags(), 2u);
}

TEST_F(ApiObjects, SetParentByName)
{
    CObject* camera = addProp("Camera");
    CObject* a = addProp("minigame");
    Ogre::SceneNode* root = gApp.mSceneMgr->getRootSceneNode();

    CVirtualScript::setParentByName("Camera", "minigame");
    EXPECT_EQ(a->getNode()->getParent(), camera->getNode());
    CVirtualScript::setParentByName("", "minigame");
    EXPECT_EQ(a->getNode()->getParent(), root);

    // A missing parent leaves the node where it is; so does a cycle.
    engine->clearLog();
    CVirtualScript::setParentByName("nobody", "minigame");
    EXPECT_EQ(a->getNode()->getParent(), root);
    EXPECT_NE(engine->log().find("[nobody]"), std::string::npos);
    CVirtualScript::setParentByName("Camera", "minigame");
    CVirtualScript::setParentByName("minigame", "Camera");
    EXPECT_EQ(camera->getNode()->getParent(), root);
}

TEST_F(ApiObjects, ParametersAndTheBufferThatIsTooSmall)
{
    CObject* box = addProp("box");
    box->mParams["particle"] = "smoke_of_the_chimney";
    box->mParams["count"] = "12";
    box->mParams["speed"] = "2.5";
    box->mParams["word"] = "abc";
    const OBJECT_HANDLE h = box->getHandle();

    char buffer[8] = "default";
    engine->clearLog();
    EXPECT_TRUE(CVirtualScript::getObjParamS(h, "particle", buffer, sizeof(buffer)));
    EXPECT_STREQ(buffer, "smoke_o");
    EXPECT_NE(engine->log().find("cut to 7"), std::string::npos);
    std::strcpy(buffer, "default");
    EXPECT_FALSE(CVirtualScript::getObjParamS(h, "missing", buffer, sizeof(buffer)));
    EXPECT_STREQ(buffer, "default");
    String text;
    EXPECT_TRUE(CVirtualScript::getObjParamS(h, "particle", text));
    EXPECT_EQ(text, "smoke_of_the_chimney");

    EXPECT_EQ(CVirtualScript::getObjParamI(h, "count"), 12);
    EXPECT_EQ(CVirtualScript::getObjParamI(h, "word"), 0);
    EXPECT_EQ(CVirtualScript::getObjParamI(h, "missing"), 0);
    float value = -1.0f;
    EXPECT_FALSE(CVirtualScript::getObjParamF(h, "missing", value));
    EXPECT_FLOAT_EQ(value, -1.0f);
    EXPECT_TRUE(CVirtualScript::getObjParamF(h, "speed", value));
    EXPECT_FLOAT_EQ(value, 2.5f);

    CVirtualScript::setObjParamI(h, "dlg_id_use", 2039);
    EXPECT_EQ(box->mParams["dlg_id_use"], "2039");
    EXPECT_FALSE(CVirtualScript::getObjParamS(0, "count", text));
}

TEST_F(ApiObjects, Bones)
{
    CObject* guy = tq::placeCharacter(new CObject(), "guy", vec3(10, 0, 0));
    const OBJECT_HANDLE h = guy->getHandle();
    const vec3 head = CVirtualScript::boneGetWorldPosition(h, "head");
    EXPECT_NEAR(head.x, 10.0f, 1e-3f);
    EXPECT_NEAR(head.z, 155.0f, 1e-3f);

    CVirtualScript::boneSetPosition(h, "head", vec3(0, 0, 70));
    Ogre::Bone* bone = guy->getEntity()->getSkeleton()->getBone("head");
    EXPECT_EQ(bone->getInitialPosition(), vec3(0, 0, 70));
    CVirtualScript::boneSetOrientationDeg(h, "arm_l", 0, 0, 90);
    EXPECT_TRUE(guy->getEntity()->getSkeleton()->getBone("arm_l")->isManuallyControlled());
    CVirtualScript::bonesSetManual(h, true);
    EXPECT_TRUE(guy->getEntity()->getSkeleton()->getBone("leg_r")->isManuallyControlled());
    CVirtualScript::boneSetManual(h, "leg_r", false);
    EXPECT_FALSE(guy->getEntity()->getSkeleton()->getBone("leg_r")->isManuallyControlled());

    engine->clearLog();
    CVirtualScript::boneSetManual(h, "tail", true);
    EXPECT_NE(engine->log().find("[tail]"), std::string::npos);
    CObject* box = addProp("box");
    engine->clearLog();
    CVirtualScript::bonesSetManual(box->getHandle(), true);
    EXPECT_EQ(engine->log(), "\nERROR: Object box has nigher no mesh or no skeleton!");
}

TEST_F(ApiObjects, AttachToBoneAndBack)
{
    CObject* guy = tq::placeCharacter(new CObject(), "guy");
    CObject* lamp = addProp("lamp");
    Ogre::Entity* lampEntity = lamp->getEntity();

    // A missing bone is reported and the lamp stays where it hangs.
    engine->clearLog();
    CVirtualScript::attachObjToBone(guy->getHandle(), lamp->getHandle(), "tail", false);
    EXPECT_EQ(engine->log(), "ERROR: attachObjToBone failed! Can't find bone tail in guy skeleton");
    EXPECT_EQ(lampEntity->getParentSceneNode(), lamp->getNode());

    CVirtualScript::attachObjToBone(guy->getHandle(), lamp->getHandle(), "arm_l", false);
    EXPECT_TRUE(lampEntity->isParentTagPoint());
    EXPECT_EQ(lamp->getEntity(), nullptr);

    CVirtualScript::attachObjToBone(guy->getHandle(), lamp->getHandle(), nullptr, false);
    EXPECT_EQ(lampEntity->getParentSceneNode(), lamp->getNode());
}

TEST_F(ApiObjects, CameraFollowsABoneUntilHandleZero)
{
    CObject* guy = tq::placeCharacter(new CObject(), "guy");
    CVirtualScript::cameraAttachToBone(guy->getHandle(), "head");
    EXPECT_EQ(gApp.mCameraBoneSource, guy);
    EXPECT_EQ(gApp.mCameraBoneName, "head");
    CVirtualScript::cameraAttachToBone(0, "");
    EXPECT_EQ(gApp.mCameraBoneSource, nullptr);
}

TEST_F(ApiObjects, DumpLightsListsEveryLightAndTheVisibleOnes)
{
    Ogre::Light* on = gApp.mSceneMgr->createLight("lamp_on");
    on->setVisibilityFlags(1);
    Ogre::Light* off = gApp.mSceneMgr->createLight("lamp_off");
    off->setVisible(false);
    off->setVisibilityFlags(2);
    engine->clearLog();
    CVirtualScript::dumpLights();
    const std::string log = engine->log();
    EXPECT_EQ(log.find("\n\nCurrent visible mask -1\nLights list:\nvisible\tflag\tis vis.\tlight name"), 0u);
    EXPECT_NE(log.find("\n1\t1\t1\tlamp_on"), std::string::npos);
    EXPECT_NE(log.find("\n0\t2\t0\tlamp_off"), std::string::npos);
    EXPECT_NE(log.find("\n\nis visible lights list:\nlamp_on\n\n"), std::string::npos);
}
} // namespace
