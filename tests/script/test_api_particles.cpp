// The script API's particle, billboard, sub-entity, own-animation and
// texture functions on the headless engine with the particle plug-in.
#include "HeadlessEngine.h"
#include "TestSupport.h"
#include "VirtualScript.h"

#include <OgreBillboard.h>
#include <OgreBillboardSet.h>
#include <OgreEntity.h>
#include <OgreManualObject.h>
#include <OgreMaterialManager.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSubEntity.h>

#include <gtest/gtest.h>

#include <memory>

namespace
{
class ApiParticles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gApp.mRoot->loadPlugin(std::string(TQ_OGRE_PLUGIN_DIR) + "/Plugin_ParticleFX");
        Ogre::ParticleSystemManager::getSingleton()._initialise();
        smoke = gApp.mSceneMgr->createParticleSystem("smoke", 200);
        smoke->addEmitter("Point")->setEmissionRate(50);
        smoke->addEmitter("Ring");
        gApp.mSceneMgr->getRootSceneNode()->attachObject(smoke);
    }

    void TearDown() override
    {
        gApp.mSceneMgr->destroyAllParticleSystems();
    }

    /// An object whose entity has three sub-entities with the materials
    /// "a", "b" and "a".
    CObject* addThreePartObject(const std::string& name)
    {
        // Unknown material names would turn into "BaseWhite".
        for (const char* material : {"a", "b", "c", "d", "e"})
            Ogre::MaterialManager::getSingleton().create(material, "General");
        Ogre::ManualObject* manual = gApp.mSceneMgr->createManualObject(name + "_manual");
        for (const char* material : {"a", "b", "a"})
        {
            manual->begin(material, Ogre::RenderOperation::OT_TRIANGLE_LIST);
            manual->position(0, 0, 0);
            manual->position(1, 0, 0);
            manual->position(0, 1, 0);
            manual->triangle(0, 1, 2);
            manual->end();
        }
        manual->convertToMesh(name + "_mesh");
        CObject* object = engine.addObject(name);
        object->mEntity = gApp.mSceneMgr->createEntity(name, name + "_mesh");
        object->getNode()->attachObject(object->mEntity);
        return object;
    }

    tq::TempDir dir;
    tq::HeadlessEngine engine;
    Ogre::ParticleSystem* smoke = nullptr;
};

TEST_F(ApiParticles, EmittersVisibilityAndRates)
{
    CVirtualScript::particleSetEmitting("smoke", false);
    EXPECT_FALSE(smoke->getEmitter(0)->getEnabled());
    EXPECT_FALSE(smoke->getEmitter(1)->getEnabled());
    CVirtualScript::particleSetEmitting("smoke", true);
    EXPECT_TRUE(smoke->getEmitter(1)->getEnabled());
    CVirtualScript::particleSetVisible("smoke", false);
    EXPECT_FALSE(smoke->getVisible());

    CVirtualScript::particleSetRate("smoke", 0, 12.0f);
    EXPECT_FLOAT_EQ(smoke->getEmitter(0)->getEmissionRate(), 12.0f);
    CVirtualScript::particleSetRate("smoke", 2, 99.0f); // only two emitters
    EXPECT_FLOAT_EQ(smoke->getEmitter(0)->getEmissionRate(), 12.0f);

    // Null, empty and unknown names do nothing.
    CVirtualScript::particleSetEmitting(nullptr, false);
    CVirtualScript::particleSetEmitting("", false);
    CVirtualScript::particleSetVisible("fog", true);
    EXPECT_TRUE(smoke->getEmitter(0)->getEnabled());
}

TEST_F(ApiParticles, RingSizeOnlyForRings)
{
    CVirtualScript::particleSetRingSize("smoke", 1, 30.0f, 40.0f, 50.0f);
    EXPECT_EQ(smoke->getEmitter(1)->getParameter("width"), "30");
    EXPECT_EQ(smoke->getEmitter(1)->getParameter("depth"), "50");
    const std::string before = smoke->getEmitter(0)->getParameter("position");
    CVirtualScript::particleSetRingSize("smoke", 0, 30.0f, 40.0f, 50.0f); // a point emitter
    EXPECT_EQ(smoke->getEmitter(0)->getParameter("width"), "");
    EXPECT_EQ(smoke->getEmitter(0)->getParameter("position"), before);
}

TEST_F(ApiParticles, RestartClearsAndRunsForward)
{
    smoke->fastForward(2.0f);
    ASSERT_GT(smoke->getNumParticles(), 0u);
    CVirtualScript::particleRestart("smoke", 0.0f);
    EXPECT_EQ(smoke->getNumParticles(), 0u);
    CVirtualScript::particleRestart("smoke", 1.0f);
    EXPECT_GT(smoke->getNumParticles(), 0u);
}

TEST_F(ApiParticles, SubEntitiesByMaterialAndMaterialsByIndex)
{
    CObject* object = addThreePartObject("box");
    const OBJECT_HANDLE h = object->getHandle();
    CVirtualScript::submeshSetVisible(h, "a", false);
    EXPECT_FALSE(object->getEntity()->getSubEntity(0)->isVisible());
    EXPECT_TRUE(object->getEntity()->getSubEntity(1)->isVisible());
    EXPECT_FALSE(object->getEntity()->getSubEntity(2)->isVisible());

    CVirtualScript::setMaterial(h, 1, "c");
    EXPECT_EQ(object->getEntity()->getSubEntity(1)->getMaterialName(), "c");
    CVirtualScript::setMaterial(h, -1, "d");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(object->getEntity()->getSubEntity(i)->getMaterialName(), "d");

    engine.clearLog();
    CVirtualScript::setMaterial(h, 3, "e");
    EXPECT_EQ(engine.log(), "\nERROR: setMaterial(): Can not get subentity 3 in node box");

    CObject* bare = engine.addObject("bare");
    engine.clearLog();
    CVirtualScript::setMaterial(bare->getHandle(), -1, "e");
    CVirtualScript::submeshSetVisible(bare->getHandle(), "a", true);
    EXPECT_EQ(engine.log(), "\n!!!!!!!!!!!\nERROR: CVirtualScript::setMaterial(): There is not entity on bare "
                            "(material: e)\n!!!!!!!!!!!\n\nERRROR: submeshSetVisible(): There is not entity on bare");
    engine.clearLog();
    CVirtualScript::setMaterial(0, -1, "e");
    EXPECT_EQ(engine.log().find("\nERROR: setMaterial(): There is no object("), 0u);
}

TEST_F(ApiParticles, OwnAnimationSpeedAndCurve)
{
    CObject* object = engine.addObject("spinner");
    CVirtualScript::setObjAnimParams(object->getHandle(), 100, 200, 300, 400);
    EXPECT_FLOAT_EQ(object->mCurve[3], 0.4f);
    CVirtualScript::setObjAnimSpeed(object->getHandle(), 500);
    EXPECT_FLOAT_EQ(object->mAnimSpeed, 0.5f);
    const float identity[4] = {0.0f, 1.0f, 0.0f, 0.0f};
    for (int i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(object->mCurve[i], identity[i]);
    CVirtualScript::setObjAnimSpeed(object->getHandle(), 0);
    EXPECT_FLOAT_EQ(object->mAnimSpeed, 0.0f);
}

TEST_F(ApiParticles, Billboards)
{
    Ogre::BillboardSet* glint = gApp.mSceneMgr->createBillboardSet("glint");
    glint->createBillboard(vec3::ZERO);
    CVirtualScript::billboardSetSize("glint", 3.0f, 4.0f);
    EXPECT_TRUE(glint->getBillboard(0)->hasOwnDimensions());
    EXPECT_FLOAT_EQ(glint->getBillboard(0)->getOwnWidth(), 3.0f);
    EXPECT_FLOAT_EQ(glint->getBillboard(0)->getOwnHeight(), 4.0f);
    CVirtualScript::billboardSetVisible("glint", false);
    EXPECT_FALSE(glint->getVisible());
    CVirtualScript::billboardSetVisible("", true);
    CVirtualScript::billboardSetSize("none", 1.0f, 1.0f);
    CVirtualScript::textureUnload("no texture manager here");
}
} // namespace
