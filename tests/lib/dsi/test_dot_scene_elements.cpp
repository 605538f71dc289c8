// The elements attached to a .scene node: entities with their buffer usages,
// 2D rectangles, lights, cameras, billboard sets, particle systems, ribbon
// trails and overlays, on the headless engine.
#include "SceneTestSupport.h"

#include "Object.h"
#include "dsi/dotSceneLoaderImpl-0.2.0.h"

#include <OgreBillboard.h>
#include <OgreBillboardSet.h>
#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreHardwareBufferManager.h>
#include <OgreLight.h>
#include <OgreMaterialManager.h>
#include <OgreMesh.h>
#include <OgreMeshSerializer.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgreRectangle2D.h>
#include <OgreRibbonTrail.h>
#include <OgreRoot.h>
#include <OgreSubEntity.h>
#include <OgreSubMesh.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>

#include <tinyxml.h>

#include <cmath>

#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace
{
class SceneElements : public tq::SceneTest
{
protected:
    void SetUp() override
    {
        tq::SceneTest::SetUp();
        tq::makeBoxMesh("box.mesh");
    }
    Ogre::Entity* entity(const std::string& name) { return gApp.mSceneMgr->getEntity(name); }
    CObject* objectOf(const std::string& name) { return dynamic_cast<CObject*>(node(name)->getListener()); }
};

// ---------------------------------------------------------------------------
// Entities

TEST_F(SceneElements, EntityTakesTheNodesNameAndItsSettings)
{
    Ogre::MaterialManager::getSingleton().create("00_empty", "General");
    Ogre::MeshPtr mesh = Ogre::MeshManager::getSingleton().getByName("box.mesh");
    mesh->getSubMesh(0)->setMaterialName("00_empty");
    load(nodes("<node name=\"box.mesh\"><entity name=\"label\" castShadow=\"true\" renderQueue=\"60\" "
               "visibleFlag=\"4\" selectable=\"true\"/></node>"
               "<node name=\"plain\"><entity meshFile=\"box.mesh\" castShadow=\"false\" material=\"BaseWhite\" "
               "selectable=\"yes\"/></node>"));
    Ogre::Entity* a = entity("box.mesh");
    EXPECT_EQ(a->getMesh()->getName(), "box.mesh");
    EXPECT_EQ(a->getParentSceneNode(), node("box.mesh"));
    EXPECT_TRUE(a->getCastShadows());
    EXPECT_EQ(a->getRenderQueueGroup(), 60);
    EXPECT_EQ(a->getVisibilityFlags(), 4u);
    EXPECT_EQ(a->getQueryFlags(), 1u);
    EXPECT_FALSE(a->getSubEntity(0)->isVisible()); // "00_empty" parts of a pickable object hide
    CObject* objectA = objectOf("box.mesh");
    EXPECT_TRUE(objectA->mPickable);
    EXPECT_EQ(objectA->mEntity, a);
    EXPECT_EQ(Ogre::any_cast<CObject*>(a->getUserObjectBindings().getUserAny()), objectA);
    EXPECT_NE(std::find(progress.texts.begin(), progress.texts.end(), "parsing entity 'label'"), progress.texts.end());

    Ogre::Entity* b = entity("plain");
    EXPECT_FALSE(b->getCastShadows());
    EXPECT_EQ(b->getSubEntity(0)->getMaterialName(), "BaseWhite");
    EXPECT_FALSE(objectOf("plain")->mPickable);
}

TEST_F(SceneElements, MissingMeshIsLoggedAndTheLoadGoesOn)
{
    load(nodes("<node name=\"n\"><entity name=\"e\" meshFile=\"missing.mesh\"/></node><node name=\"after\"/>"));
    EXPECT_TRUE(ogreLog->has("dsi::ERROR->entity 'missing.mesh' failed to load"));
    EXPECT_TRUE(ogreLog->has("dsi::ERROR->entity 'e' failed to load, check the .scene"));
    EXPECT_FALSE(gApp.mSceneMgr->hasEntity("n"));
    EXPECT_EQ(objectOf("n")->mEntity, nullptr);
    EXPECT_TRUE(gApp.mSceneMgr->hasSceneNode("after"));
}

TEST_F(SceneElements, BoundsBoxIsHalfExtentsAroundTheCentre)
{
    load(nodes("<node name=\"n\"><bbcenter x=\"1\" y=\"0\" z=\"0\"/><bbsize x=\"2\" y=\"-3\" z=\"4\"/>"
               "<entity meshFile=\"box.mesh\"/></node>"));
    // A negative half extent counts as its size.
    const Ogre::AxisAlignedBox& box = Ogre::MeshManager::getSingleton().getByName("box.mesh")->getBounds();
    EXPECT_TRUE(box.getMinimum().positionEquals(Ogre::Vector3(-1, -3, -4), 0.5f)) << box;
    EXPECT_TRUE(box.getMaximum().positionEquals(Ogre::Vector3(3, 3, 4), 0.5f)) << box;
}

TEST_F(SceneElements, TransformsAndBoundsBeyondReachAreRefused)
{
    // Each would give OGRE an infinite or not-a-number box, which aborts it.
    load(nodes("<node name=\"far\"><position x=\"1e38\" y=\"0\" z=\"0\"/><entity meshFile=\"box.mesh\"/></node>"
               "<node name=\"big\"><scale x=\"1e8\" y=\"1\" z=\"1\"/>"
               "<node name=\"bigger\"><scale x=\"1e30\" y=\"1\" z=\"1\"/><entity meshFile=\"box.mesh\"/></node></node>"
               "<node name=\"boxed\"><bbcenter x=\"3e38\" y=\"0\" z=\"0\"/><bbsize x=\"3e38\" y=\"1\" z=\"1\"/>"
               "<entity meshFile=\"box.mesh\"/></node>"));
    const struct
    {
        const char* node;
        const char* warning;
    } cases[] = {
        {"far", "dsi::WARNING->node 'far': position, rotation or scale out of range, the node keeps its parent's place"},
        {"bigger",
         "dsi::WARNING->node 'bigger': position, rotation or scale out of range, the node keeps its parent's place"},
        {"boxed", "dsi::WARNING->node 'boxed': bounding box out of range, the mesh keeps its own"},
    };
    gApp.mSceneMgr->getRootSceneNode()->_update(true, false);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.node);
        EXPECT_TRUE(ogreLog->has(c.warning));
        const Ogre::AxisAlignedBox& box = node(c.node)->_getWorldAABB();
        EXPECT_TRUE(std::isfinite(box.getMaximum().x) && std::isfinite(box.getMinimum().x)) << box;
    }
    // Within reach stays as written: only the child that overflows is reset.
    EXPECT_EQ(node("big")->getScale().x, 1e8f);
    EXPECT_EQ(node("bigger")->getScale(), Ogre::Vector3::UNIT_SCALE);
}

TEST_F(SceneElements, RibbonTrailsChangeOverTimeWithoutARenderSystem)
{
    load(nodes("<node name=\"n\"><ribbonTrail name=\"trail\" width_change=\"0.5\">"
               "<color_change r=\"0.5\" g=\"0.5\" b=\"0.5\" a=\"0.5\"/></ribbonTrail></node>"));
    Ogre::RibbonTrail* trail = static_cast<Ogre::RibbonTrail*>(gApp.mSceneMgr->getRibbonTrail("trail"));
    EXPECT_EQ(trail->getWidthChange(0), 0.5f);
    EXPECT_EQ(trail->getColourChange(0), Ogre::ColourValue(0.5f, 0.5f, 0.5f, 0.5f));
}

TEST(SceneBufferUsage, WordsAndShadowFlag)
{
    struct Case
    {
        const char* xml;
        Ogre::HardwareBuffer::Usage usage;
        bool shadowed;
    };
    const Case cases[] = {
        {"<vertexBuffer/>", Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY, true},
        {"<vertexBuffer usage=\"dynamic\" useShadow=\"false\"/>", Ogre::HardwareBuffer::HBU_DYNAMIC, false},
        {"<indexBuffer usage=\"static\" useShadow=\"TRUE\"/>", Ogre::HardwareBuffer::HBU_STATIC, false},
        {"<indexBuffer usage=\"writeOnly\"/>", Ogre::HardwareBuffer::HBU_WRITE_ONLY, true},
        {"<indexBuffer usage=\"dynamicWriteOnly\"/>", Ogre::HardwareBuffer::HBU_DYNAMIC_WRITE_ONLY, true},
        {"<indexBuffer usage=\"fast\"/>", Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY, true},
    };
    for (const Case& c : cases)
    {
        TiXmlDocument document;
        document.Parse(c.xml);
        std::unique_ptr<dsi::bufferUsageDesc> desc(dsi::dotSceneLoaderImpl020::parseBufferUsage(document.RootElement()));
        EXPECT_EQ(desc->usage, c.usage) << c.xml;
        EXPECT_EQ(desc->shadowed, c.shadowed) << c.xml;
    }
}

TEST_F(SceneElements, BufferUsagesReachTheMeshFile)
{
    ASSERT_EQ(system("mkdir meshes"), 0);
    Ogre::MeshSerializer().exportMesh(Ogre::MeshManager::getSingleton().getByName("box.mesh").get(),
                                      dir.file("meshes/filed.mesh"));
    Ogre::ResourceGroupManager::getSingleton().addResourceLocation(dir.file("meshes"), "FileSystem", "General");
    load(nodes("<node name=\"n\"><entity meshFile=\"filed.mesh\"><indexBuffer usage=\"dynamic\" useShadow=\"false\"/>"
               "</entity></node>"));
    Ogre::MeshPtr mesh = Ogre::MeshManager::getSingleton().getByName("filed.mesh");
    ASSERT_TRUE(mesh);
    EXPECT_EQ(mesh->getIndexBufferUsage(), Ogre::HardwareBuffer::HBU_DYNAMIC);
    EXPECT_FALSE(mesh->isIndexBufferShadowed());
    // The missing vertexBuffer element gets the default description.
    EXPECT_EQ(mesh->getVertexBufferUsage(), Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY);
    EXPECT_TRUE(mesh->isVertexBufferShadowed());
}

// ---------------------------------------------------------------------------
// 2D rectangles

// The rectangle's four corner positions, as the vertex buffer holds them.
std::vector<float> cornersOf(Ogre::Rectangle2D* rect)
{
    Ogre::RenderOperation op;
    rect->getRenderOperation(op);
    const Ogre::VertexElement* element =
        op.vertexData->vertexDeclaration->findElementBySemantic(Ogre::VES_POSITION);
    Ogre::HardwareVertexBufferSharedPtr buffer = op.vertexData->vertexBufferBinding->getBuffer(element->getSource());
    std::vector<float> values(buffer->getSizeInBytes() / sizeof(float));
    buffer->readData(0, buffer->getSizeInBytes(), values.data());
    return values;
}

TEST_F(SceneElements, RectanglesCoverTheirPartOfTheScreen)
{
    load(nodes("<node name=\"full\"><rect2d name=\"r1\" px=\"0\" py=\"0\" spx=\"1024\" spy=\"768\" selectable=\"true\" "
               "material=\"BaseWhite\" renderQueue=\"90\"/></node>"
               "<node name=\"half\"><rect2d name=\"r2\" x=\"0.5\" y=\"0.5\" sx=\"0.5\" sy=\"0.5\"/></node>"
               "<node name=\"partial\"><rect2d name=\"r3\" x=\"0.5\" y=\"0.5\" sx=\"0.5\"/></node>"));
    auto rect = [&](const char* name) {
        return static_cast<Ogre::Rectangle2D*>(gApp.mSceneMgr->getMovableObject(name, "dsiRect2d"));
    };
    // Corners in the order OGRE keeps them: top left, bottom left, top right,
    // bottom right (x, y, z each).
    EXPECT_EQ(cornersOf(rect("r1")), (std::vector<float>{-1, 1, -1, -1, -1, -1, 1, 1, -1, 1, -1, -1}));
    EXPECT_EQ(cornersOf(rect("r2")), (std::vector<float>{0, 0, -1, 0, -1, -1, 1, 0, -1, 1, -1, -1}));
    EXPECT_EQ(cornersOf(rect("r3")), cornersOf(rect("r1"))); // an incomplete set keeps the full screen
    EXPECT_TRUE(rect("r1")->getBoundingBox().isInfinite());
    EXPECT_EQ(rect("r1")->getRenderQueueGroup(), 90);
    EXPECT_EQ(rect("r1")->getQueryFlags(), 1u);
    EXPECT_TRUE(objectOf("full")->mPickable);
    EXPECT_FALSE(objectOf("half")->mPickable);
    EXPECT_EQ(Ogre::any_cast<CObject*>(static_cast<Ogre::MovableObject*>(rect("r2"))->getUserObjectBindings().getUserAny()),
              objectOf("half"));
    EXPECT_NE(std::find(progress.texts.begin(), progress.texts.end(), "parsing entity 'r2'"), progress.texts.end());
    // The scene manager destroys them with the scene.
    gApp.mSceneMgr->clearScene();
    EXPECT_FALSE(gApp.mSceneMgr->hasMovableObject("r1", "dsiRect2d"));
}

// ---------------------------------------------------------------------------
// Lights and cameras

TEST_F(SceneElements, LightTypesAndSettings)
{
    struct Case
    {
        const char* type;
        Ogre::Light::LightTypes expected;
    };
    const Case cases[] = {{"point", Ogre::Light::LT_POINT},
                          {"directional", Ogre::Light::LT_DIRECTIONAL},
                          {"targetDirectional", Ogre::Light::LT_DIRECTIONAL},
                          {"spot", Ogre::Light::LT_SPOTLIGHT},
                          {"targetSpot", Ogre::Light::LT_SPOTLIGHT},
                          {"laser", Ogre::Light::LT_POINT}};
    std::string text;
    int i = 0;
    for (const Case& c : cases)
    {
        text += "<node name=\"n" + std::to_string(i) + "\"><light name=\"l" + std::to_string(i) + "\" type=\"" +
                c.type + "\"/></node>";
        ++i;
    }
    text += "<node name=\"full\"><light name=\"spot\" type=\"spot\" visible=\"no\" castShadows=\"true\" visibleFlag=\"2\">"
            "<colourDiffuse r=\"1\" g=\"0\" b=\"0\"/><colourSpecular r=\"0\" g=\"1\" b=\"0\"/>"
            "<lightAttenuation range=\"100\" constant=\"1\" linear=\"0.5\" quadratic=\"0.25\"/>"
            "<lightRange inner=\"30\" outer=\"40\" falloff=\"1\"/>"
            "<normal x=\"0\" y=\"0\" z=\"-1\"/><position x=\"1\" y=\"2\" z=\"3\"/></light>"
            "<light name=\"dark\" visible=\"false\"/></node>";
    load(nodes(text));
    i = 0;
    for (const Case& c : cases)
        EXPECT_EQ(gApp.mSceneMgr->getLight("l" + std::to_string(i++))->getType(), c.expected) << c.type;
    Ogre::Light* spot = gApp.mSceneMgr->getLight("spot");
    EXPECT_TRUE(spot->getVisible());
    EXPECT_TRUE(spot->getCastShadows());
    EXPECT_EQ(spot->getVisibilityFlags(), 2u);
    EXPECT_EQ(spot->getDiffuseColour(), Ogre::ColourValue::Red);
    EXPECT_EQ(spot->getSpecularColour(), Ogre::ColourValue::Green);
    EXPECT_EQ(spot->getAttenuationRange(), 100.0f);
    EXPECT_EQ(spot->getAttenuationQuadric(), 0.25f);
    EXPECT_NEAR(Ogre::Degree(spot->getSpotlightInnerAngle()).valueDegrees(), 30.0f, 1e-3f);
    EXPECT_NEAR(Ogre::Degree(spot->getSpotlightOuterAngle()).valueDegrees(), 40.0f, 1e-3f);
    EXPECT_EQ(spot->getPosition(), Ogre::Vector3(1, 2, 3));
    EXPECT_EQ(spot->getParentSceneNode(), node("full"));
    EXPECT_FALSE(gApp.mSceneMgr->getLight("dark")->getVisible());
    EXPECT_FALSE(gApp.mSceneMgr->getLight("l0")->getCastShadows());
}

TEST_F(SceneElements, CameraProjectionFieldOfViewAndClipping)
{
    load(nodes("<node name=\"n\"><camera name=\"ortho\"/>"
               "<camera name=\"persp\" projectionType=\"perspective\" fov=\"60\" aspectRatio=\"2\" visibleFlag=\"8\">"
               "<clipping near=\"0.5\" far=\"0\"/><position x=\"1\" y=\"0\" z=\"0\"/></camera>"
               "<camera name=\"bad\" projectionType=\"perspective\"><clipping near=\"-1\" far=\"-5\"/></camera></node>"));
    EXPECT_EQ(gApp.mSceneMgr->getCamera("ortho")->getProjectionType(), Ogre::PT_ORTHOGRAPHIC);
    Ogre::Camera* persp = gApp.mSceneMgr->getCamera("persp");
    EXPECT_EQ(persp->getProjectionType(), Ogre::PT_PERSPECTIVE);
    EXPECT_NEAR(Ogre::Degree(persp->getFOVy()).valueDegrees(), 63.0f, 1e-3f);
    EXPECT_EQ(persp->getAspectRatio(), 2.0f);
    EXPECT_EQ(persp->getNearClipDistance(), 0.5f);
    EXPECT_EQ(persp->getFarClipDistance(), 100000.0f); // OGRE's default stays for 0
    EXPECT_EQ(persp->getVisibilityFlags(), 8u);
    EXPECT_EQ(persp->getPosition(), Ogre::Vector3(1, 0, 0));
    EXPECT_EQ(persp->getParentSceneNode(), node("n"));
    EXPECT_NE(std::find(progress.texts.begin(), progress.texts.end(), "parsing clipping"), progress.texts.end());
    // Distances OGRE refuses are warned about and left alone.
    EXPECT_GT(gApp.mSceneMgr->getCamera("bad")->getNearClipDistance(), 0.0f);
    EXPECT_EQ(ogreLog->starting("dsi::WARNING->camera 'bad'").size(), 2u);
}

TEST_F(SceneElements, RenderTexturesNeedANameAndARenderSystem)
{
    load(nodes("<node name=\"n\"><camera name=\"c\"><rtt x=\"64\" y=\"64\"/><rtt name=\"view\" x=\"64\" y=\"64\"/>"
               "</camera></node>"));
    EXPECT_TRUE(ogreLog->has("dsi::ERROR->camera 'c': rtt without a name, will skip it..."));
    EXPECT_NE(Log::captured().find("\nERROR: Can't create RTT view, no render system"), std::string::npos);
    EXPECT_TRUE(gApp.mSceneMgr->hasCamera("c"));
}

// ---------------------------------------------------------------------------
// Billboard sets

TEST_F(SceneElements, BillboardSetTypesOriginsAndBillboards)
{
    load(nodes("<node name=\"n\">"
               "<billboardSet name=\"s1\" type=\"orientedSelf\" origin=\" \" width=\"3\" height=\"4\" show=\"false\">"
               "<billboard name=\"b1\" width=\"1\" height=\"2\"><position x=\"1\" y=\"2\" z=\"3\"/>"
               "<colourDiffuse r=\"0\" g=\"0\" b=\"1\"/><rotation qw=\"90\" qx=\"0\" qy=\"0\" qz=\"0\"/></billboard>"
               "<billboard name=\"b2\" width=\"5\"/><junk/></billboardSet>"
               "<billboardSet name=\"s2\" origin=\"bottomCenter\" material=\"nothing_here\"/>"
               "<billboardSet name=\"s3\" type=\"flat\"><billboard/></billboardSet></node>"));
    Ogre::BillboardSet* s1 = gApp.mSceneMgr->getBillboardSet("s1");
    EXPECT_EQ(s1->getBillboardType(), Ogre::BBT_ORIENTED_SELF);
    EXPECT_EQ(s1->getBillboardOrigin(), Ogre::BBO_BOTTOM_CENTER);
    EXPECT_EQ(s1->getDefaultWidth(), 3.0f);
    EXPECT_FALSE(s1->getVisible());
    ASSERT_EQ(s1->getNumBillboards(), 2);
    Ogre::Billboard* b1 = s1->getBillboard(0);
    EXPECT_EQ(b1->getPosition(), Ogre::Vector3(1, 2, 3));
    EXPECT_EQ(b1->getColour(), Ogre::ColourValue::Blue);
    EXPECT_EQ(b1->getOwnWidth(), 1.0f);
    EXPECT_NEAR(Ogre::Degree(b1->getRotation()).valueDegrees(), 90.0f, 1e-3f);
    EXPECT_FALSE(s1->getBillboard(1)->hasOwnDimensions()); // width without height
    EXPECT_EQ(s1->getParentSceneNode(), node("n"));

    Ogre::BillboardSet* s2 = gApp.mSceneMgr->getBillboardSet("s2");
    EXPECT_EQ(s2->getBillboardOrigin(), Ogre::BBO_CENTER); // only the single blank is bottom centre
    EXPECT_EQ(s2->getMaterialName(), "BaseWhite");
    EXPECT_TRUE(ogreLog->has("dsi::WARNING->material 'nothing_here' failed to load, billboardSet 's2'"));

    Ogre::BillboardSet* s3 = gApp.mSceneMgr->getBillboardSet("s3");
    EXPECT_EQ(s3->getNumBillboards(), 0);
    EXPECT_FALSE(s3->isAttached());
    EXPECT_TRUE(ogreLog->has("dsi::WARNING->unknown billboardSet type 'flat' will skip..."));
    EXPECT_TRUE(ogreLog->has("dsi::WARNING->Unknown XMLNode of type 'junk' encountered while reading billboardSet "
                             "childs, will skip this node..."));
}

// ---------------------------------------------------------------------------
// Particle systems, ribbon trails, overlays

class SceneEffects : public SceneElements
{
protected:
    void SetUp() override
    {
        SceneElements::SetUp();
        gApp.mRoot->loadPlugin(std::string(TQ_OGRE_PLUGIN_DIR) + "/Plugin_ParticleFX");
        Ogre::ParticleSystemManager::getSingleton()._initialise();
        Ogre::ParticleSystem* sparks = Ogre::ParticleSystemManager::getSingleton().createTemplate("sparks", "General");
        sparks->addEmitter("Point");
    }
    void TearDown() override
    {
        gApp.mSceneMgr->clearScene();
        SceneElements::TearDown();
    }
};

TEST_F(SceneEffects, ParticleSystemsFromTemplates)
{
    load(nodes("<node name=\"n\"><particleSystem name=\"still\" templateName=\"sparks\" play=\"false\" renderQueue=\"70\"/>"
               "<particleSystem name=\"hidden\" templateName=\"sparks\" show=\"false\" visibleFlag=\"16\"/>"
               "<particleSystem name=\"upper\" templateName=\"sparks\" show=\"FALSE\"/>"
               "<particleSystem name=\"notemplate\"/>"
               "<particleSystem name=\"unknown\" templateName=\"no_such\"/>"
               "<particleSystem name=\"boneless\" templateName=\"sparks\" attach_bone=\"hand\"/></node>"));
    Ogre::ParticleSystem* still = gApp.mSceneMgr->getParticleSystem("still");
    EXPECT_TRUE(still->getVisible());
    EXPECT_FALSE(still->getEmitter(0)->getEnabled());
    EXPECT_EQ(still->getRenderQueueGroup(), 70);
    Ogre::ParticleSystem* hidden = gApp.mSceneMgr->getParticleSystem("hidden");
    EXPECT_FALSE(hidden->getVisible());
    EXPECT_TRUE(hidden->getEmitter(0)->getEnabled());
    EXPECT_EQ(hidden->getVisibilityFlags(), 16u);
    EXPECT_TRUE(gApp.mSceneMgr->getParticleSystem("upper")->getVisible());
    EXPECT_FALSE(gApp.mSceneMgr->hasParticleSystem("notemplate"));
    EXPECT_NE(std::find(progress.texts.begin(), progress.texts.end(), "parsing particle system 'notemplate'"),
              progress.texts.end());
    EXPECT_TRUE(ogreLog->has("dsi::ERROR->'unknown' failed to load"));
    // No entity with that bone on the node: the system hangs on the node.
    EXPECT_EQ(gApp.mSceneMgr->getParticleSystem("boneless")->getParentSceneNode(), node("n"));
    EXPECT_EQ(ogreLog->starting("dsi::WARNING->particle system 'boneless'").size(), 1u);
}

std::vector<Ogre::Node*> followed(Ogre::RibbonTrail* trail)
{
    std::vector<Ogre::Node*> nodes;
    auto it = trail->getNodeIterator();
    while (it.hasMoreElements())
        nodes.push_back(it.getNext());
    return nodes;
}

TEST_F(SceneEffects, RibbonTrailFollowsItsNode)
{
    load(nodes("<node name=\"n\"><ribbonTrail name=\"trail\" lenght=\"50\" width=\"2\" width_change=\"0.5\" "
               "max_elements=\"30\" renderQueue=\"80\" visibleFlag=\"32\" show=\"false\" material=\"BaseWhite\">"
               "<color_change r=\"0.5\" g=\"0.5\" b=\"0.5\" a=\"0.5\"/><color r=\"1\" g=\"0\" b=\"0\"/></ribbonTrail>"
               "<ribbonTrail name=\"boneless\" attach_bone=\"hand\" max_elements=\"0\"/></node>"));
    Ogre::RibbonTrail* trail = static_cast<Ogre::RibbonTrail*>(gApp.mSceneMgr->getRibbonTrail("trail"));
    EXPECT_EQ(trail->getParentSceneNode(), gApp.mSceneMgr->getRootSceneNode());
    // The node's listener is its game object: the trail follows a child of
    // the node that sits where the node is.
    ASSERT_EQ(followed(trail).size(), 1u);
    EXPECT_EQ(followed(trail)[0]->getParent(), node("n"));
    EXPECT_EQ(followed(trail)[0]->getPosition(), Ogre::Vector3::ZERO);
    EXPECT_EQ(trail->getTrailLength(), 50.0f);
    EXPECT_EQ(trail->getInitialWidth(0), 2.0f);
    EXPECT_EQ(trail->getWidthChange(0), 0.5f);
    EXPECT_EQ(trail->getMaxChainElements(), 30u);
    EXPECT_EQ(trail->getRenderQueueGroup(), 80);
    EXPECT_EQ(trail->getVisibilityFlags(), 32u);
    EXPECT_FALSE(trail->getVisible());
    EXPECT_EQ(trail->getInitialColour(0), Ogre::ColourValue::Red);
    EXPECT_EQ(trail->getColourChange(0), Ogre::ColourValue(0.5f, 0.5f, 0.5f, 0.5f));
    EXPECT_EQ(progress.texts[6], "parsing particle system 'trail'");
    Ogre::RibbonTrail* boneless = static_cast<Ogre::RibbonTrail*>(gApp.mSceneMgr->getRibbonTrail("boneless"));
    ASSERT_EQ(followed(boneless).size(), 1u);
    EXPECT_EQ(followed(boneless)[0]->getParent(), node("n"));
    EXPECT_GT(boneless->getMaxChainElements(), 0u);
}

TEST_F(SceneElements, OverlaysAreShownByNameAndMissingOnesSkipped)
{
    std::unique_ptr<Ogre::OverlaySystem> overlays;
    if (!Ogre::OverlayManager::getSingletonPtr())
        overlays.reset(new Ogre::OverlaySystem());
    Ogre::Overlay* caption = Ogre::OverlayManager::getSingleton().create("caption");
    load(nodes("<node name=\"n\"><overlay name=\"caption\"/><overlay name=\"ghost\"/><overlay/></node>"));
    EXPECT_TRUE(caption->isVisible());
    EXPECT_TRUE(ogreLog->has("dsi::WARNING->overlay 'ghost' not found, will skip it..."));
    EXPECT_TRUE(ogreLog->has("dsi::WARNING->overlay '' not found, will skip it..."));
    Ogre::OverlayManager::getSingleton().destroyAll();
}
} // namespace
