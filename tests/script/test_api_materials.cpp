// The script API's material functions on materials made in code, on the
// headless engine.
#include "HeadlessEngine.h"
#include "TestSupport.h"
#include "VirtualScript.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

#include <memory>

namespace
{
class ApiMaterials : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::system(("mkdir -p '" + dir.file("media") + "'").c_str());
        for (const char* file : {"only_dds.dds", "only_png.png", "both.dds", "both.png", "url.url"})
            ASSERT_TRUE(tq::writeFile(dir.file(std::string("media/") + file), "x"));
        ASSERT_TRUE(tq::writeFile(dir.file("resources.cfg"), "[General]\nFileSystem=" + dir.file("media") + "\n"));
        engine.reset(new tq::HeadlessEngine(dir.file("resources.cfg")));

        // Two passes, the first with two texture units.
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().create("glow", "General");
        Ogre::Pass* first = m->getTechnique(0)->getPass(0);
        first->createTextureUnitState();
        first->createTextureUnitState();
        m->getTechnique(0)->createPass()->createTextureUnitState();
    }

    static Ogre::TextureUnitState* unit(int pass, int index)
    {
        return Ogre::MaterialManager::getSingleton()
            .getByName("glow")
            ->getTechnique(0)
            ->getPass(pass)
            ->getTextureUnitState(index);
    }

    tq::TempDir dir;
    std::unique_ptr<tq::HeadlessEngine> engine;
};

TEST_F(ApiMaterials, ColourModesCombineTheTextureWithTheManualColour)
{
    struct Case
    {
        int mode;
        Ogre::LayerBlendOperationEx operation;
    } cases[] = {{0, Ogre::LBX_ADD}, {1, Ogre::LBX_MODULATE}, {2, Ogre::LBX_SUBTRACT}};
    for (const Case& c : cases)
    {
        CVirtualScript::materialSetColour("glow", 0.25f, 0.5f, 0.75f, c.mode);
        const Ogre::LayerBlendModeEx& blend = unit(0, 0)->getColourBlendMode();
        EXPECT_EQ(blend.operation, c.operation);
        EXPECT_EQ(blend.source1, Ogre::LBS_TEXTURE);
        EXPECT_EQ(blend.source2, Ogre::LBS_MANUAL);
        EXPECT_EQ(blend.colourArg2, Ogre::ColourValue(0.25f, 0.5f, 0.75f));
    }
    // Without a mode the texture is modulated.
    CVirtualScript::materialSetColour("glow", 0.5f, 0.5f, 0.5f);
    EXPECT_EQ(unit(0, 0)->getColourBlendMode().operation, Ogre::LBX_MODULATE);
    EXPECT_EQ(unit(0, 0)->getColourBlendMode().colourArg2, Ogre::ColourValue(0.5f, 0.5f, 0.5f));
    CVirtualScript::materialSetColour("glow", 0.25f, 0.5f, 0.75f, 2);
    // An unknown mode changes nothing.
    CVirtualScript::materialSetColour("glow", 1, 1, 1, 7);
    EXPECT_EQ(unit(0, 0)->getColourBlendMode().operation, Ogre::LBX_SUBTRACT);

    CVirtualScript::materialSetColour2("glow", 1, 0.5f, 0.5f, 0.5f, 1);
    EXPECT_EQ(unit(1, 0)->getColourBlendMode().operation, Ogre::LBX_MODULATE);
    EXPECT_EQ(unit(1, 0)->getColourBlendMode().colourArg2, Ogre::ColourValue(0.5f, 0.5f, 0.5f));

    // Missing material, pass or unit: nothing happens.
    CVirtualScript::materialSetColour("nothing", 1, 1, 1, 0);
    CVirtualScript::materialSetColour2("glow", 5, 1, 1, 1, 0);
    CVirtualScript::materialBlendColour("glow", 0, 9, 1, 1, 1, 0);
}

TEST_F(ApiMaterials, BlendModeThreeKeepsTheOperation)
{
    CVirtualScript::materialBlendColour("glow", 0, 1, 0.1f, 0.2f, 0.3f, 2);
    EXPECT_EQ(unit(0, 1)->getColourBlendMode().operation, Ogre::LBX_SUBTRACT);
    CVirtualScript::materialBlendColour("glow", 0, 1, 0.4f, 0.5f, 0.6f, 3, 0.75f);
    const Ogre::LayerBlendModeEx& blend = unit(0, 1)->getColourBlendMode();
    EXPECT_EQ(blend.operation, Ogre::LBX_SUBTRACT);
    EXPECT_EQ(blend.source1, Ogre::LBS_TEXTURE);
    EXPECT_EQ(blend.colourArg2, Ogre::ColourValue(0.4f, 0.5f, 0.6f));
    EXPECT_FLOAT_EQ(blend.factor, 0.75f);
}

TEST_F(ApiMaterials, AlphaKeepsTheColour)
{
    CVirtualScript::materialSetColour("glow", 1, 0, 0, 1);
    CVirtualScript::materialSetAlpha("glow", 0.0f);
    const Ogre::LayerBlendModeEx& alpha = unit(0, 0)->getAlphaBlendMode();
    EXPECT_EQ(alpha.operation, Ogre::LBX_MODULATE);
    EXPECT_EQ(alpha.source1, Ogre::LBS_TEXTURE);
    EXPECT_EQ(alpha.source2, Ogre::LBS_MANUAL);
    EXPECT_FLOAT_EQ(alpha.alphaArg2, 0.0f);
    EXPECT_EQ(unit(0, 0)->getColourBlendMode().colourArg2, Ogre::ColourValue(1, 0, 0));

    CVirtualScript::materialSetAlpha2("glow", 0, 1, 0.5f);
    EXPECT_FLOAT_EQ(unit(0, 1)->getAlphaBlendMode().alphaArg2, 0.5f);
    CVirtualScript::materialSetAlphaAll("glow", 0.25f);
    EXPECT_FLOAT_EQ(unit(0, 0)->getAlphaBlendMode().alphaArg2, 0.25f);
    EXPECT_FLOAT_EQ(unit(1, 0)->getAlphaBlendMode().alphaArg2, 0.25f);
    EXPECT_FLOAT_EQ(unit(0, 1)->getAlphaBlendMode().alphaArg2, 0.5f); // unit 0 of each pass only

    CVirtualScript::materialSetColourAll("glow", Ogre::ColourValue(0.5f, 0.5f, 0.5f), 0.8f);
    for (auto p : {std::make_pair(0, 0), std::make_pair(0, 1), std::make_pair(1, 0)})
    {
        EXPECT_EQ(unit(p.first, p.second)->getColourBlendMode().operation, Ogre::LBX_MODULATE);
        EXPECT_FLOAT_EQ(unit(p.first, p.second)->getAlphaBlendMode().alphaArg2, 0.8f);
    }
}

TEST_F(ApiMaterials, ScrollScaleAndRotate)
{
    CVirtualScript::materialSetTextureScroll("glow", 0.25f, 0.5f);
    EXPECT_FLOAT_EQ(unit(0, 0)->getTextureUScroll(), 0.25f);
    EXPECT_FLOAT_EQ(unit(0, 0)->getTextureVScroll(), 0.5f);
    CVirtualScript::materialSetTextureScroll2("glow", 1, 0, 0.1f, 0.2f);
    EXPECT_FLOAT_EQ(unit(1, 0)->getTextureUScroll(), 0.1f);
    CVirtualScript::materialSetTextureScale("glow", 2.0f, 3.0f);
    EXPECT_FLOAT_EQ(unit(0, 0)->getTextureUScale(), 2.0f);
    EXPECT_FLOAT_EQ(unit(0, 0)->getTextureVScale(), 3.0f);
    CVirtualScript::materialSetTextureScale2("glow", 0, 1, 4.0f, 5.0f);
    EXPECT_FLOAT_EQ(unit(0, 1)->getTextureVScale(), 5.0f);
    CVirtualScript::materialSetTextureRotate("glow", 1, 90.0f);
    EXPECT_NEAR(unit(0, 1)->getTextureRotate().valueDegrees(), 90.0f, 1e-4f);
}

TEST_F(ApiMaterials, ResourcesOfTheGeneralGroup)
{
    EXPECT_TRUE(CVirtualScript::resourceExists("url.url"));
    EXPECT_FALSE(CVirtualScript::resourceExists("nothing.url"));

    // Texture names need a texture manager: their fallbacks are tested with
    // a render system (test_api_render).  A missing material is logged.
    engine->clearLog();
    CVirtualScript::materialSetTexturePassUnit("nothing", 0, 0, "a.png");
    EXPECT_EQ(engine->log(), "\n!!!!!!!!\nCVirtualScript::materialSetTexturePassUnit(): mMaterial [nothing] is empty\n");
}
} // namespace
