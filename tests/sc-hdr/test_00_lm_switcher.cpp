// The light-map switcher on the headless engine: its material list, the
// state at creation from the saved variable or the parameter, and the
// switches by code with their answers.
#include "00_lm_switcher.h"
#include "HeadlessEngine.h"
#include "Scene.h"
#include "TestSupport.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace
{
using tq::RecordingScript;

// "switcher" lists wall and floor; ceiling (03) follows a gap.  "bare" lists
// nothing.
const char* const kRoom = R"(<scene formatVersion="0.2.0">
  <nodes>
    <node name="switcher" script="00_lm_switcher.sc">
      <params>
        <param name="material_00" value="wall"/>
        <param name="material_01" value="floor"/>
        <param name="material_03" value="ceiling"/>
        <param name="lm_on" value="lm_on.tga"/>
        <param name="lm_off" value="lm_off.tga"/>
        <param name="on_off" value="1"/>
      </params>
    </node>
    <node name="bare" script="00_lm_switcher.sc"/>
  </nodes>
</scene>)";

class LmSwitcher : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::system(("mkdir -p '" + dir.file("media") + "'").c_str());
        for (const char* file : {"lm_on.png", "lm_off.png"})
            ASSERT_TRUE(tq::writeFile(dir.file(std::string("media/") + file), "x"));
        ASSERT_TRUE(tq::writeFile(dir.file("resources.cfg"), "[General]\nFileSystem=" + dir.file("media") + "\n"));
        ASSERT_TRUE(tq::writeFile("room.scene", kRoom));
        engine.reset(new tq::HeadlessEngine(dir.file("resources.cfg")));
        // Texture units take texture names only through a texture manager.
        textures.reset(new Ogre::DefaultTextureManager());
        for (const char* name : {"wall", "floor", "ceiling"})
        {
            Ogre::Pass* pass =
                Ogre::MaterialManager::getSingleton().create(name, "General")->getTechnique(0)->getPass(0);
            pass->createTextureUnitState();
            pass->createTextureUnitState();
        }
    }

    void load()
    {
        Scene::loadScene("room.scene", true);
        engine->frame(0.001f);
    }

    static std::string lightMap(const char* material)
    {
        return Ogre::MaterialManager::getSingleton()
            .getByName(material)
            ->getTechnique(0)
            ->getPass(0)
            ->getTextureUnitState(1)
            ->getTextureName();
    }

    tq::TempDir dir;
    std::unique_ptr<tq::HeadlessEngine> engine;
    std::unique_ptr<Ogre::DefaultTextureManager> textures;
};

TEST_F(LmSwitcher, CreationSwitchesAsTheParameterSaysWithoutAnswer)
{
    load();
    sc_00_lm_switcher* switcher = tq::HeadlessEngine::scriptOf<sc_00_lm_switcher>(gApp.findObject("switcher"));
    ASSERT_NE(switcher, nullptr);
    EXPECT_EQ(switcher->count, 2);
    EXPECT_STREQ(switcher->materials[0], "wall");
    EXPECT_STREQ(switcher->materials[1], "floor");
    EXPECT_EQ(switcher->lm_on, "lm_on.tga");
    EXPECT_EQ(switcher->lm_off, "lm_off.tga");
    // The .tga is only there as .png.
    EXPECT_EQ(lightMap("wall"), "lm_on.png");
    EXPECT_EQ(lightMap("floor"), "lm_on.png");
    EXPECT_EQ(lightMap("ceiling"), "");
    EXPECT_EQ(CVirtualScript::getVarI("switcher@on_off"), 1);
    // "bare" has neither a stored state nor "on_off": nothing happens.
    EXPECT_EQ(CVirtualScript::getVarI("bare@on_off"), 0);
}

TEST_F(LmSwitcher, AStoredStateWinsOverTheParameter)
{
    CVirtualScript::setVarI("switcher@on_off", 2);
    load();
    EXPECT_EQ(lightMap("wall"), "lm_off.png");
    EXPECT_EQ(CVirtualScript::getVarI("switcher@on_off"), 2);
}

TEST_F(LmSwitcher, CodesSwitchAndAnswerTheSender)
{
    load();
    CObject* switcher = gApp.findObject("switcher");
    CObject* bare = gApp.findObject("bare");
    CObject* lamp = engine->addRecorder("lamp");
    engine->frame(0.001f);
    struct Step
    {
        CObject* target;
        int code;
        const char* wall;
        const char* answer; // what "lamp" hears, "" nothing
    } steps[] = {
        {switcher, 100, "lm_off.png", "ON_NOTIFY(100,"},
        {switcher, 200, "lm_on.png", "ON_NOTIFY(200,"},
        {switcher, 300, "lm_on.png", ""},
        // Without materials the state is still stored and answered.
        {bare, 100, "lm_on.png", "ON_NOTIFY(100,"},
    };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.code);
        RecordingScript::calls().clear();
        engine->notify(step.target, step.code, lamp);
        engine->frames(2, 0.001f);
        EXPECT_EQ(lightMap("wall"), step.wall);
        EXPECT_EQ(lightMap("floor"), step.wall);
        const std::vector<std::string> heard = RecordingScript::callsOf("lamp");
        if (*step.answer)
        {
            const std::string expected = step.answer + std::to_string(step.target->getHandle()) + ")";
            EXPECT_EQ(std::count(heard.begin(), heard.end(), expected), 1) << ::testing::PrintToString(heard);
        }
        else
            EXPECT_TRUE(heard.empty());
    }
    EXPECT_EQ(CVirtualScript::getVarI("switcher@on_off"), 1);
    EXPECT_EQ(CVirtualScript::getVarI("bare@on_off"), 2);
}
} // namespace
