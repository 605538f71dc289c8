// The magic effect on the headless engine: the effect objects and the flare
// shown and hidden, the glow of "pe/mummy" over frames, the flare's frames
// with the mummy changing on the third, and the answer to the requester.
#include "00_super_effect.h"
#include "HeadlessEngine.h"
#include "Scene.h"
#include "TestSupport.h"
#include "TriangleMesh.h"

#include <OgreEntity.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

#include <memory>

namespace
{
using tq::RecordingScript;

const char* const kRoom = R"(<scene formatVersion="0.2.0">
  <nodes>
    <node name="06_mummy"><position x="1" y="2" z="3"/><entity meshFile="tri.mesh"/></node>
    <node name="00_super_effect_anim_obj_01"><entity meshFile="tri.mesh"/></node>
    <node name="00_super_effect_anim_obj_02"><entity meshFile="tri.mesh"/></node>
    <node name="00_super_effect_anim_obj_03"><entity meshFile="tri.mesh"/></node>
    <node name="00_super_effect_billboard"><position x="0" y="0" z="1"/><entity meshFile="tri.mesh"/></node>
    <node name="magic" script="00_super_effect.sc"/>
  </nodes>
</scene>)";

const char* const kEffectObjects[] = {"00_super_effect_anim_obj_01", "00_super_effect_anim_obj_02",
                                      "00_super_effect_anim_obj_03"};

class SuperEffect : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The flare's frames are texture names: they need a texture manager.
        textures.reset(new Ogre::DefaultTextureManager());
        for (const char* name : {"pe/mummy", "00_super_effect"})
            Ogre::MaterialManager::getSingleton()
                .create(name, "General")
                ->getTechnique(0)
                ->getPass(0)
                ->createTextureUnitState();
        tq::makeTriangleMesh(gApp.mSceneMgr, "tri.mesh");
    }

    void load(const std::string& scene = kRoom)
    {
        ASSERT_TRUE(tq::writeFile("room.scene", scene));
        Scene::loadScene("room.scene", true);
        requester = engine.addRecorder("requester");
        engine.frame(0.001f);
        RecordingScript::calls().clear();
        magic = gApp.findObject("magic");
        effect = tq::HeadlessEngine::scriptOf<sc_00_super_effect>(magic);
        ASSERT_NE(effect, nullptr);
    }

    static bool visible(const char* name)
    {
        return gApp.mSceneMgr->hasEntity(name) && gApp.mSceneMgr->getEntity(name)->isVisible();
    }

    static Ogre::TextureUnitState* unit(const char* material)
    {
        return Ogre::MaterialManager::getSingleton()
            .getByName(material)
            ->getTechnique(0)
            ->getPass(0)
            ->getTextureUnitState(0);
    }

    static float glowColour() { return unit("pe/mummy")->getColourBlendMode().colourArg2.r; }

    /// Runs frames of 100 ms until the requester hears something; the
    /// number of times the mummy changed its visibility, the frame counter
    /// at the change, and whether the flare was seen.
    void runToTheEnd(int& mummyChanges, int& counterAtChange, bool& flareSeen)
    {
        bool mummy = visible("06_mummy");
        mummyChanges = 0;
        counterAtChange = -1;
        flareSeen = false;
        float lastGlow = 0.0f;
        bool rising = true;
        for (int frame = 0; frame < 300 && RecordingScript::callsOf("requester").empty(); ++frame)
        {
            engine.frame(0.1f);
            if (visible("06_mummy") != mummy)
            {
                mummy = !mummy;
                ++mummyChanges;
                counterAtChange = effect->frame;
            }
            flareSeen = flareSeen || visible("00_super_effect_billboard");
            // The glow only rises, then only falls.
            if (rising && effect->glow < lastGlow)
                rising = false;
            if (!rising)
            {
                EXPECT_LE(effect->glow, lastGlow);
            }
            lastGlow = effect->glow;
        }
    }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
    std::unique_ptr<Ogre::DefaultTextureManager> textures;
    CObject* requester = nullptr;
    CObject* magic = nullptr;
    sc_00_super_effect* effect = nullptr;
};

TEST_F(SuperEffect, CreationFindsAndHidesTheEffect)
{
    load();
    EXPECT_EQ(effect->mummy, gApp.findObjectHandle("06_mummy"));
    EXPECT_EQ(effect->billboard, gApp.findObjectHandle("00_super_effect_billboard"));
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(effect->anim_obj[i], gApp.findObjectHandle(kEffectObjects[i]));
        EXPECT_FALSE(visible(kEffectObjects[i]));
    }
    EXPECT_FALSE(visible("00_super_effect_billboard"));
    EXPECT_TRUE(visible("06_mummy"));
    EXPECT_EQ(effect->timer_delay, -1);
    EXPECT_EQ(engine.log().find("WARNING"), std::string::npos);
}

TEST_F(SuperEffect, ShowingTheMummyRunsTheWholeEffectAndAnswers900)
{
    load();
    gApp.mSceneMgr->getEntity("06_mummy")->setVisible(false);
    engine.notify(magic, 111, requester);
    engine.frame(0.001f);
    EXPECT_NE(engine.log().find("$$$ 111\n"), std::string::npos);
    for (const char* name : kEffectObjects)
        EXPECT_TRUE(visible(name));
    EXPECT_EQ(unit("pe/mummy")->getColourBlendMode().operation, Ogre::LBX_MODULATE);
    EXPECT_EQ(glowColour(), 0.0f);
    // Nothing glows during the first 1.2 s.
    engine.frames(12, 0.1f);
    EXPECT_EQ(effect->glow, 0.0f);
    engine.frames(2, 0.1f);
    EXPECT_GT(effect->glow, 0.0f);
    EXPECT_FLOAT_EQ(glowColour(), effect->glow);

    int changes = 0, counter = 0;
    bool flare = false;
    runToTheEnd(changes, counter, flare);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(counter, 3);
    EXPECT_TRUE(visible("06_mummy"));
    EXPECT_TRUE(flare);
    EXPECT_EQ(effect->frame, 11);
    EXPECT_EQ(unit("00_super_effect")->getTextureName(), "00_magia_10.jpg");
    EXPECT_LT(effect->glow, 0.0f);
    EXPECT_EQ(RecordingScript::callsOf("requester"),
              (std::vector<std::string>{"ON_NOTIFY()", "ON_NOTIFY(900)", "ON_NOTIFY(900,0)"}));
    for (const char* name : kEffectObjects)
        EXPECT_FALSE(visible(name));
    EXPECT_FALSE(visible("00_super_effect_billboard"));
    EXPECT_EQ(magic->mTimers.live, 0);
}

TEST_F(SuperEffect, HidingTheMummyAnswers901AndAStartDuringTheEffectBeginsAgain)
{
    load();
    engine.notify(magic, 112, requester);
    engine.frames(20, 0.1f);
    // Started again in the glow: the first run's timers are gone.
    engine.notify(magic, 112, requester);
    engine.frame(0.001f);
    EXPECT_EQ(effect->glow, 0.0f);
    EXPECT_EQ(magic->mTimers.live, 1);
    int changes = 0, counter = 0;
    bool flare = false;
    runToTheEnd(changes, counter, flare);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(visible("06_mummy"));
    EXPECT_EQ(RecordingScript::callsOf("requester"),
              (std::vector<std::string>{"ON_NOTIFY()", "ON_NOTIFY(901)", "ON_NOTIFY(901,0)"}));
}

TEST_F(SuperEffect, InitMovesTheFlareByTheMummysPosition)
{
    load();
    engine.notify(magic, 50);
    engine.frame(0.001f);
    EXPECT_EQ(gApp.mSceneMgr->getSceneNode("00_super_effect_billboard")->getPosition(), Ogre::Vector3(1, 2, 4));
    EXPECT_NE(engine.log().find("$$$ 50\n"), std::string::npos);
}

TEST_F(SuperEffect, FocusShowsTheSparkleCursor)
{
    load();
    engine.clearLog();
    engine.hover(magic);
    engine.frame(0.001f);
    EXPECT_NE(engine.log().find("\nMouse Cursor OFF "), std::string::npos);
    engine.clearLog();
    engine.hover(nullptr);
    engine.frame(0.001f);
    EXPECT_NE(engine.log().find("\nMouse Cursor ON "), std::string::npos);
}

TEST_F(SuperEffect, WithoutTheFlareTheMissingObjectIsWarnedAndTheEffectStillAnswers)
{
    std::string scene = kRoom;
    const std::string flare = "<node name=\"00_super_effect_billboard\">";
    scene.replace(scene.find(flare), flare.size(), "<node name=\"elsewhere\">");
    load(scene);
    EXPECT_NE(engine.log().find("\nWARNING: Can't find object [00_super_effect_billboard] by name!"),
              std::string::npos);
    EXPECT_EQ(effect->billboard, 0u);
    engine.notify(magic, 111, requester);
    int changes = 0, counter = 0;
    bool seen = false;
    runToTheEnd(changes, counter, seen);
    EXPECT_EQ(RecordingScript::callsOf("requester"),
              (std::vector<std::string>{"ON_NOTIFY()", "ON_NOTIFY(900)", "ON_NOTIFY(900,0)"}));
}
} // namespace
