// The material changer on the headless engine: its material list from a
// .scene file, the codes that select a material, the choice kept in a game
// variable and given again at creation.
#include "00_material_changer.h"
#include "HeadlessEngine.h"
#include "Scene.h"
#include "TestSupport.h"
#include "TriangleMesh.h"

#include <OgreEntity.h>
#include <OgreMaterialManager.h>
#include <OgreSceneManager.h>
#include <OgreSubEntity.h>

#include <gtest/gtest.h>

namespace
{
// "changer" lists red and green; "material_02" is missing, so blue is not
// read.  "self" dresses its own entity, "astray" names no object.
const char* const kRoom = R"(<scene formatVersion="0.2.0">
  <nodes>
    <node name="lamp"><entity meshFile="tri.mesh"/></node>
    <node name="changer" script="00_material_changer.sc">
      <params>
        <param name="object" value="lamp"/>
        <param name="material_00" value="red"/>
        <param name="material_01" value="green"/>
        <param name="material_01_submesh" value="-1"/>
        <param name="material_03" value="blue"/>
      </params>
    </node>
    <node name="self" script="00_material_changer.sc">
      <entity meshFile="tri.mesh"/>
      <params><param name="material_00" value="blue"/></params>
    </node>
    <node name="astray" script="00_material_changer.sc">
      <params><param name="object" value="nowhere"/><param name="material_00" value="red"/></params>
    </node>
  </nodes>
</scene>)";

class MaterialChanger : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : {"red", "green", "blue"})
            Ogre::MaterialManager::getSingleton().create(name, "General");
        tq::makeTriangleMesh(gApp.mSceneMgr, "tri.mesh");
        ASSERT_TRUE(tq::writeFile("room.scene", kRoom));
    }

    void load()
    {
        Scene::loadScene("room.scene", true);
        engine.frame(0.001f);
    }

    static std::string materialOf(const char* node)
    {
        CObject* object = gApp.findObject(node);
        return object->getEntity()->getSubEntity(0)->getMaterialName();
    }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
};

TEST_F(MaterialChanger, ReadsItsListUpToTheFirstGap)
{
    load();
    sc_00_material_changer* changer =
        tq::HeadlessEngine::scriptOf<sc_00_material_changer>(gApp.findObject("changer"));
    ASSERT_NE(changer, nullptr);
    EXPECT_EQ(changer->count, 2);
    EXPECT_EQ(changer->material[0].material, "red");
    EXPECT_EQ(changer->material[0].submesh, 0);
    EXPECT_EQ(changer->material[1].material, "green");
    EXPECT_EQ(changer->material[1].submesh, -1);
    EXPECT_EQ(changer->target, gApp.findObjectHandle("lamp"));
    const std::string log = engine.log();
    EXPECT_NE(log.find("\nmaterial_changer- red\nmaterial_changer- green"), std::string::npos);
    // Nothing changed and nothing stored before a command.
    EXPECT_EQ(CVirtualScript::getVarI("changer@mat_num"), 0);
    EXPECT_NE(materialOf("lamp"), "red");
}

TEST_F(MaterialChanger, CodesSelectOnlyListedMaterials)
{
    load();
    CObject* changer = gApp.findObject("changer");
    struct Step
    {
        int code;
        const char* material;
        int stored;
    } steps[] = {{101, "green", 2}, {100, "red", 1}, {102, "red", 1}, {99, "red", 1}, {101, "green", 2},
                 {104, "green", 2}};
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.code);
        engine.notify(changer, step.code);
        engine.frame(0.001f);
        EXPECT_EQ(materialOf("lamp"), step.material);
        EXPECT_EQ(CVirtualScript::getVarI("changer@mat_num"), step.stored);
    }
}

TEST_F(MaterialChanger, StoredChoiceIsGivenAgainAtCreation)
{
    CVirtualScript::setVarI("changer@mat_num", 2);
    load();
    EXPECT_EQ(materialOf("lamp"), "green");
    EXPECT_EQ(CVirtualScript::getVarI("changer@mat_num"), 2);
}

TEST_F(MaterialChanger, StoredChoicesOutsideTheListAreRefused)
{
    // A saved game from data with more materials, and a damaged one.
    CVirtualScript::setVarI("changer@mat_num", 3);
    CVirtualScript::setVarI("self@mat_num", -4);
    load();
    EXPECT_EQ(materialOf("lamp"), "BaseWhite");
    EXPECT_EQ(materialOf("self"), "BaseWhite");
    EXPECT_EQ(CVirtualScript::getVarI("changer@mat_num"), 3);
    EXPECT_EQ(CVirtualScript::getVarI("self@mat_num"), -4);
    const std::string log = engine.log();
    EXPECT_NE(log.find("\nWARNING: material_changer: no material 2 (of 2)"), std::string::npos);
    EXPECT_NE(log.find("\nWARNING: material_changer: no material -5 (of 1)"), std::string::npos);
}

TEST_F(MaterialChanger, WithoutObjectItDressesItsOwnEntity)
{
    load();
    EXPECT_NE(materialOf("self"), "blue");
    engine.notify(gApp.findObject("self"), 100);
    engine.frame(0.001f);
    EXPECT_EQ(materialOf("self"), "blue");
    EXPECT_EQ(CVirtualScript::getVarI("self@mat_num"), 1);

    // A named object that is missing: the lookup warns, and a change logs
    // the material service's error but still keeps the choice.
    EXPECT_NE(engine.log().find("\nWARNING: Can't find object [nowhere] by name!"), std::string::npos);
    engine.clearLog();
    engine.notify(gApp.findObject("astray"), 100);
    engine.frame(0.001f);
    EXPECT_NE(engine.log().find("\nERROR: setMaterial(): There is no object"), std::string::npos);
    EXPECT_EQ(CVirtualScript::getVarI("astray@mat_num"), 1);
}
} // namespace
