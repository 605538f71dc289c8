// The script API's notifications, numbers in names, camera projections,
// cursor modes, player profiles and random numbers, on the headless engine.
#include "HeadlessEngine.h"
#include "Input.h"
#include "TestSupport.h"
#include "VirtualScript.h"

#include <OgreCamera.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>

#include <gtest/gtest.h>

#include <set>

namespace
{
class ApiMisc : public ::testing::Test
{
protected:
    void SetUp() override { tq::RecordingScript::calls().clear(); }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
};

TEST_F(ApiMisc, NotificationsByHandleAndByNameArriveAsMessageSevenInTheNextPass)
{
    CObject* sender = engine.addRecorder("sender");
    CObject* receiver = engine.addRecorder("receiver");
    engine.frame();
    tq::RecordingScript::calls().clear();

    CVirtualScript::sendNotify(receiver->getHandle(), sender->getHandle(), 301);
    CVirtualScript::sendNotifyByName("receiver", 777, 0);
    EXPECT_TRUE(tq::RecordingScript::calls().empty()); // queued, not delivered yet
    engine.clearLog();
    engine.frame();
    const std::vector<std::string> expected = {
        "ON_NOTIFY()", "ON_NOTIFY(301)", "ON_NOTIFY(301," + std::to_string(sender->getHandle()) + ")",
        "ON_NOTIFY()", "ON_NOTIFY(777)", "ON_NOTIFY(777,0)"};
    EXPECT_EQ(tq::RecordingScript::callsOf("receiver"), expected);
    EXPECT_NE(engine.log().find("\nMessage 7 (301) in script receiver.sc"), std::string::npos);

    engine.clearLog();
    CVirtualScript::sendNotifyByName("nobody", 5, sender->getHandle());
    engine.frame();
    EXPECT_NE(engine.log().find("\nWARNING: Can't find object [nobody] by name!"), std::string::npos);
    EXPECT_EQ(tq::RecordingScript::callsOf("receiver").size(), expected.size());
}

TEST_F(ApiMisc, NumbersInNames)
{
    CObject* piece = engine.addObject("03_game_piece_12");
    EXPECT_EQ(CVirtualScript::getNameNumber(piece->getHandle(), "03_game_piece_"), 12);
    EXPECT_EQ(CVirtualScript::getNameNumber(piece->getHandle(), "XXXXXXXXXXXXXX"), 12); // not compared
    EXPECT_EQ(CVirtualScript::getNameNumber(piece->getHandle(), "a prefix longer than the name"), 0);
    EXPECT_EQ(CVirtualScript::getNameNumber(0, "03_"), 0);

    struct Case
    {
        const char* text;
        int first, second;
    } cases[] = {{"05_03_scene", 5, 3}, {"07", 7, 0}, {"7", 0, 0}, {"02_1x", 2, 0}, {"", 0, 0}};
    for (const Case& c : cases)
    {
        int first = -1, second = -1;
        CVirtualScript::parseNameNumbers(c.text, &first, &second);
        EXPECT_EQ(first, c.first) << c.text;
        EXPECT_EQ(second, c.second) << c.text;
    }
    int only = -1;
    CVirtualScript::parseNameNumbers("05_03_scene", nullptr, &only);
    EXPECT_EQ(only, 3);
    EXPECT_EQ(CVirtualScript::parseNodeName("04_06_game_page"), 6);
}

TEST_F(ApiMisc, ScreenToPlaneNeedsTheCameraOnANode)
{
    Ogre::Camera* camera = gApp.mCamera;
    camera->detachFromParent();
    engine.clearLog();
    vec3 out(5, 5, 5);
    CVirtualScript::screenToPlane(vec3(0.5f, 0.5f, 100.0f), out);
    EXPECT_EQ(out, vec3(0, 0, 5));
    EXPECT_EQ(engine.log(), "\nERROR: No parent node of camera");

    Ogre::SceneNode* holder = gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode("holder", vec3(0, 0, 10));
    holder->attachObject(camera);
    // The centre of the screen at distance 100 lies 100 in front of the
    // camera: (0, 0, -90) in the world, (0, 0, -100) for the camera.
    CVirtualScript::screenToPlane2(vec3(0.5f, 0.5f, 100.0f), out);
    EXPECT_NEAR(out.x, 0.0f, 1e-3f);
    EXPECT_NEAR(out.y, 0.0f, 1e-3f);
    EXPECT_NEAR(out.z, -90.0f, 1e-3f);
    CVirtualScript::screenToPlane(vec3(0.5f, 0.5f, 100.0f), out);
    EXPECT_NEAR(out.z, -100.0f, 1e-3f);
    // The right edge of the screen is to the right of the camera.
    CVirtualScript::screenToPlane(vec3(1.0f, 0.5f, 100.0f), out);
    EXPECT_GT(out.x, 1.0f);

    // Projecting a camera-space point on the view axis gives the centre.
    const Ogre::Vector2 centre = CVirtualScript::projectPoint(vec3(0, 0, -100));
    EXPECT_NEAR(centre.x, 0.5f, 1e-5f);
    EXPECT_NEAR(centre.y, 0.5f, 1e-5f);
    EXPECT_LT(CVirtualScript::projectPoint(vec3(0, 10, -100)).y, 0.5f); // up is towards 0
}

TEST_F(ApiMisc, CursorModesSwitchClicksAndTheParticleCursor)
{
    gApp.mRoot->loadPlugin(std::string(TQ_OGRE_PLUGIN_DIR) + "/Plugin_ParticleFX");
        Ogre::ParticleSystemManager::getSingleton()._initialise();
    Ogre::ParticleSystem* cursor = gApp.mSceneMgr->createParticleSystem("cur_new_loc", 10);
    cursor->addEmitter("Point");
    gApp.mInput = new CInput(nullptr, -1, "");
    CObject* hovered = engine.addObject("hot");
    gApp.mHovered = hovered;

    struct Case
    {
        int mode;
        const char* log;
        bool clicks, emitting;
    } cases[] = {
        {0, "\nMouse Cursor OFF ", true, true},   {3, "\nMouse Cursor OFF ", true, true},
        {1, "\nMouse Cursor ON ", true, false},   {6, "\nMouse Cursor OFF ", true, true},
        {2, "\nMouse Cursor OFF ", true, true},   {-1, "\nMouse Cursor OFF ", false, false},
        {1, "\nMouse Cursor ON ", false, false},
    };
    for (const Case& c : cases)
    {
        engine.clearLog();
        CVirtualScript::setCursorMode(c.mode);
        EXPECT_EQ(engine.log().substr(0, std::string(c.log).size()), c.log) << c.mode;
        EXPECT_EQ(gApp.mInput->cursorOn(), c.clicks) << c.mode;
        EXPECT_EQ(cursor->getEmitter(0)->getEnabled(), c.emitting) << c.mode;
    }
    EXPECT_EQ(gApp.mHovered, nullptr); // cleared while clicks are off
    delete gApp.mInput;
    gApp.mInput = nullptr;
}

TEST_F(ApiMisc, ProfilesOfSaveFiles)
{
    CAppState::VarMap map;
    map["name"] = "Anna";
    map["cur_loc"] = "3";
    ASSERT_TRUE(gApp.mAppState.mapSave("save_00.sav", map));
    ASSERT_TRUE(tq::writeFile(gApp.mAppState.getSaveFolderA("save_01.sav", true), "not a save file"));

    EXPECT_EQ(CVirtualScript::findUser("save_00.sav"), 1);
    EXPECT_EQ(CVirtualScript::findUser("save_01.sav"), -1);
    EXPECT_EQ(CVirtualScript::findUser("save_02.sav"), 0);

    String name = "untouched";
    EXPECT_TRUE(CVirtualScript::getUserName("save_00.sav", name));
    EXPECT_EQ(name, "Anna");
    name = "untouched";
    EXPECT_FALSE(CVirtualScript::getUserName("save_02.sav", name));
    EXPECT_EQ(name, "untouched");

    EXPECT_EQ(CVirtualScript::renameUser("save_00.sav", "Berta"), 0);
    EXPECT_TRUE(CVirtualScript::getUserName("save_00.sav", name));
    EXPECT_EQ(name, "Berta");
    EXPECT_EQ(CVirtualScript::renameUser("save_02.sav", "Carl"), 0);
    EXPECT_EQ(CVirtualScript::findUser("save_02.sav"), 0);
}

TEST_F(ApiMisc, GameVariablesIntoAndOutOfASaveFile)
{
    gApp.mAppState.mVars = {{"name", "Anna"}, {"cur_loc", "3"}};
    CVirtualScript::saveGame("save_03.sav");
    String name;
    EXPECT_TRUE(CVirtualScript::getUserName("save_03.sav", name));
    EXPECT_EQ(name, "Anna");

    CVirtualScript::clearVars();
    EXPECT_TRUE(gApp.mAppState.mVars.empty());
    gApp.mAppState.mVars["stale"] = "1";
    EXPECT_EQ(CVirtualScript::loadGame("save_03.sav"), 1);
    EXPECT_EQ(gApp.mAppState.mVars, (CAppState::VarMap{{"name", "Anna"}, {"cur_loc", "3"}}));

    // A missing or damaged file leaves the map as it was.
    ASSERT_TRUE(tq::writeFile(gApp.mAppState.getSaveFolderA("save_04.sav", true), "not a save file"));
    EXPECT_EQ(CVirtualScript::loadGame("save_04.sav"), -1);
    EXPECT_EQ(CVirtualScript::loadGame("save_02.sav"), 0);
    EXPECT_EQ(gApp.mAppState.mVars.size(), 2u);
}

TEST_F(ApiMisc, RandomNumbersRepeatAfterASeedAndStayInRange)
{
    CVirtualScript::randomSeed(1234);
    std::vector<int> first;
    for (int i = 0; i < 1000; ++i)
        first.push_back(CVirtualScript::randomInt());
    CVirtualScript::randomSeed(1234);
    std::set<int> distinct;
    for (int i = 0; i < 1000; ++i)
    {
        const int value = CVirtualScript::randomInt();
        EXPECT_EQ(value, first[i]);
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 1000000);
        distinct.insert(value % 10);
    }
    EXPECT_EQ(distinct.size(), 10u); // callers take it modulo a count
}

TEST_F(ApiMisc, VideoMemoryWithoutARenderSystem)
{
    EXPECT_EQ(CVirtualScript::getVideoMemory(), -1);
}
} // namespace
