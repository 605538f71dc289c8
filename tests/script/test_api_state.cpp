// The script API's options, configuration values, game variables, game
// arrays and visibility states, on the headless engine; arrays and
// visibility states through a real save file and back.
#include "HeadlessEngine.h"
#include "TestSupport.h"
#include "VirtualScript.h"

#include <OgreEntity.h>
#include <OgreMeshManager.h>
#include <OgreSceneManager.h>

#include <gtest/gtest.h>

namespace
{
class ApiState : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gApp.mAppState.mOptions.clear();
        gApp.mAppState.mVars.clear();
    }

    /// An object of a scene file with a small plane entity, as the loader
    /// makes one.
    CObject* addProp(const std::string& name, const std::string& sceneFile, Ogre::SceneNode* parent = nullptr)
    {
        if (!Ogre::MeshManager::getSingleton().resourceExists("apiPlane", "General"))
            Ogre::MeshManager::getSingleton().createPlane("apiPlane", "General", Ogre::Plane(Ogre::Vector3::UNIT_Z, 0),
                                                          1, 1);
        CObject* object = engine.addObject(name, std::string(), parent);
        object->mSceneFile = sceneFile;
        object->mEntity = gApp.mSceneMgr->createEntity(name, "apiPlane");
        object->getNode()->attachObject(object->mEntity);
        return object;
    }

    String option(const String& key) { return gApp.mAppState.mOptions[key].value; }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
};

TEST_F(ApiState, OptionsReadYesNoAndPersistentOnesGoThroughTheFile)
{
    gApp.mAppState.setDefaultOptions();
    // Persistent options are re-read on every call: a hand edit counts.
    gApp.mAppState.saveOptions();
    const std::string ini = gApp.mAppState.getSaveFolderA("options.ini", false);
    std::string text = tq::readFile(ini);
    const size_t at = text.find("Full Screen=Yes");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 15, "Full Screen=No");
    ASSERT_TRUE(tq::writeFile(ini, text));
    int value = 7;
    CVirtualScript::getOptionI("Full Screen", value);
    EXPECT_EQ(value, 0);

    CVirtualScript::setOptionI("Full Screen", 5);
    EXPECT_EQ(option("Full Screen"), "Yes");
    CVirtualScript::setOptionI("SoundVolume", 55);
    EXPECT_NE(tq::readFile(ini).find("SoundVolume=55"), std::string::npos);

    // A key not known yet is added empty and reads 0; it is never written.
    CVirtualScript::getOptionI("NewKey", value);
    EXPECT_EQ(value, 0);
    CVirtualScript::setOptionI("NewKey", 3);
    EXPECT_EQ(gApp.mAppState.mOptions["NewKey"].persistent, 0);
    EXPECT_EQ(tq::readFile(ini).find("NewKey"), std::string::npos);
}

TEST_F(ApiState, ConfigValuesReadLeniently)
{
    gApp.mAppState.mOptions["flag"].value = "Yes";
    gApp.mAppState.mOptions["x"].value = "0.25";
    EXPECT_EQ(CVirtualScript::getConfigI("flag"), 0); // Yes/No are not translated here
    EXPECT_EQ(CVirtualScript::getConfigI("missing"), 0);
    EXPECT_EQ(gApp.mAppState.mOptions.count("missing"), 0u);

    float value = -1.0f;
    EXPECT_EQ(CVirtualScript::getConfigF("x", value), 1);
    EXPECT_FLOAT_EQ(value, 0.25f);
    value = -1.0f;
    EXPECT_EQ(CVirtualScript::getConfigF("missing", value), 0);
    EXPECT_FLOAT_EQ(value, -1.0f);

    CVirtualScript::setConfigI("game_state", -11);
    EXPECT_EQ(option("game_state"), "-11");
    EXPECT_EQ(gApp.mAppState.mOptions["game_state"].persistent, 0);
}

TEST_F(ApiState, GameVariables)
{
    EXPECT_EQ(CVirtualScript::getVarI("nothing"), 0);
    EXPECT_EQ(gApp.mAppState.mVars.count("nothing"), 0u);
    CVirtualScript::setVarI("n", -42);
    EXPECT_EQ(gApp.mAppState.mVars["n"], "-42");
    EXPECT_EQ(CVirtualScript::getVarI("n"), -42);

    String text = "preset";
    EXPECT_EQ(CVirtualScript::getVarS("absent", text), 0);
    EXPECT_EQ(text, "preset");
    EXPECT_EQ(CVirtualScript::getVarS("absent"), "");
    CVirtualScript::setVarS("s", "abc");
    EXPECT_EQ(CVirtualScript::getVarS("s", text), 1);
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(CVirtualScript::getVarI("s"), 0); // not a number
}

TEST_F(ApiState, GameArrayKeysAndEmptyLoad)
{
    EXPECT_EQ(CVirtualScript::makeGameArrayKey(3, 4, 0), "3_4_variable_0");
    EXPECT_EQ(CVirtualScript::makeGameArrayKey(3, 4, -1), "3_4_variable_game_end");
    EXPECT_EQ(CVirtualScript::makeGameArrayKey(-2, 35, 12), "-2_35_variable_12");

    EXPECT_FALSE(CVirtualScript::isGameEndSet(1, 32));
    int values[3] = {9, 9, 9};
    int end = 9;
    CVirtualScript::loadGameArray(3, 1, 32, values, &end);
    EXPECT_EQ(values[0] + values[1] + values[2] + end, 0);
    // Every key now exists (empty) and goes into the next save.
    EXPECT_EQ(gApp.mAppState.mVars.size(), 4u);
    EXPECT_EQ(gApp.mAppState.mVars["1_32_variable_2"], "");
    EXPECT_TRUE(CVirtualScript::isGameEndSet(1, 32));

    // n 0 touches only the end key.
    gApp.mAppState.mVars.clear();
    const int seven = 7;
    CVirtualScript::saveGameArray(0, 5, 6, nullptr, &seven);
    ASSERT_EQ(gApp.mAppState.mVars.size(), 1u);
    EXPECT_EQ(gApp.mAppState.mVars["5_6_variable_game_end"], "7");
}

TEST_F(ApiState, GameArraySurvivesASaveAndALoad)
{
    const int values[2] = {17, -3};
    const int end = 1;
    CVirtualScript::saveGameArray(2, 2, 35, values, &end);
    EXPECT_EQ(gApp.mAppState.mVars["2_35_variable_0"], "17");
    EXPECT_EQ(gApp.mAppState.mVars["2_35_variable_1"], "-3");
    EXPECT_EQ(gApp.mAppState.mVars["2_35_variable_game_end"], "1");
    ASSERT_TRUE(gApp.mAppState.mapSave("save_00.sav", gApp.mAppState.mVars));

    gApp.mAppState.mVars.clear();
    ASSERT_EQ(gApp.mAppState._mapLoad("save_00.sav", gApp.mAppState.mVars), 1);
    int loaded[2] = {};
    int loadedEnd = 0;
    ASSERT_TRUE(CVirtualScript::isGameEndSet(2, 35));
    CVirtualScript::loadGameArray(2, 2, 35, loaded, &loadedEnd);
    EXPECT_EQ(loaded[0], 17);
    EXPECT_EQ(loaded[1], -3);
    EXPECT_EQ(loadedEnd, 1);
}

TEST_F(ApiState, VisibilityOfDynamicScenesSurvivesASaveAndALoad)
{
    Ogre::SceneNode* root = gApp.mSceneMgr->getRootSceneNode();
    CObject* door = addProp("01_door", "01_dyn.scene");
    CObject* key = addProp("01_key", "01_az.scene");
    CObject* inner = addProp("01_key_glint", "01_dyn2.scene", key->getNode());
    CObject* wall = addProp("01_wall", "01_01_scene.scene");
    door->getEntity()->setVisible(false);
    inner->getEntity()->setVisible(false);

    CVirtualScript::saveVisibility(root);
    EXPECT_EQ(gApp.mAppState.mVars["01_door@visible"], "0");
    EXPECT_EQ(gApp.mAppState.mVars["01_key@visible"], "1");
    EXPECT_EQ(gApp.mAppState.mVars["01_key_glint@visible"], "0");
    EXPECT_EQ(gApp.mAppState.mVars.count("01_wall@visible"), 0u);
    ASSERT_TRUE(gApp.mAppState.mapSave("save_01.sav", gApp.mAppState.mVars));

    // Play on: everything changes, then the saved game comes back.
    door->getEntity()->setVisible(true);
    key->getEntity()->setVisible(false);
    inner->getEntity()->setVisible(true);
    wall->getEntity()->setVisible(false);
    gApp.mAppState.mVars.clear();
    ASSERT_EQ(gApp.mAppState._mapLoad("save_01.sav", gApp.mAppState.mVars), 1);
    CVirtualScript::loadVisibility(root);
    EXPECT_FALSE(door->getEntity()->getVisible());
    EXPECT_TRUE(key->getEntity()->getVisible());
    EXPECT_FALSE(inner->getEntity()->getVisible());
    EXPECT_FALSE(wall->getEntity()->getVisible()); // not a dynamic scene: untouched
}

TEST_F(ApiState, UnknownVisibilityKeepsTheObjectAndNamesIt)
{
    CObject* door = addProp("02_door", "02_dyn.scene");
    door->getEntity()->setVisible(false);
    engine.clearLog();
    CVirtualScript::loadVisibility(gApp.mSceneMgr->getRootSceneNode());
    EXPECT_FALSE(door->getEntity()->getVisible());
    EXPECT_NE(engine.log().find("\nWarning: Visible of 02_door is unknown\n"), std::string::npos);
    CVirtualScript::loadVisibility(nullptr); // nothing to walk
}
} // namespace
