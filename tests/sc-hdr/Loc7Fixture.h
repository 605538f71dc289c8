// A stage for the cut scenes of the story's frame: the generated character
// as every animated actor, flat props, spies under the partners' names, and
// what the scene did to them (way-points, places, visibility, bones).
#pragma once

#include "AnimatableObject.h"
#include "Application.h"
#include "Character.h"
#include "HeadlessEngine.h"
#include "SpyNotes.h"
#include "TestSupport.h"

#include <OgreAnimation.h>
#include <OgreAnimationTrack.h>
#include <OgreBone.h>
#include <OgreEntity.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgrePass.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSkeleton.h>
#include <OgreSkeletonManager.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace tq
{
class Loc7Fixture : public ::testing::Test
{
protected:
    static constexpr float kDt = 0.125f; ///< a whole number of milliseconds, exact in binary

    void SetUp() override
    {
        const std::string cfg = characterResources(dir);
        ASSERT_FALSE(cfg.empty());
        engine.reset(new HeadlessEngine(cfg));
        overlays.reset(new OverlayScope());
        // Materials take texture names without loading them.
        if (!Ogre::TextureManager::getSingletonPtr())
            new Ogre::DefaultTextureManager();
    }

    void TearDown() override
    {
        if (particlesReady)
            gApp.mSceneMgr->destroyAllParticleSystems();
        overlays.reset();
        engine.reset();
    }

    /// Spies under the partners' names.
    void spies(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            engine->addRecorder(name);
    }

    /// An animated actor with the generated character's mesh.
    CAnimatableObject* person(const char* name)
    {
        CAnimatableObject* guy = placeCharacter(new CAnimatableObject(), name);
        guy->initBones();
        return guy;
    }

    /// Gives the actor a layer for each animation named: one second of its
    /// root bone from a skeleton made in memory; "walk..." and "run..."
    /// layers walk at 100 units a second.  The scene's own way-points then
    /// play and walk, and their notices come when the actor arrives.
    static void layers(CAnimatableObject* guy, std::initializer_list<const char*> animations)
    {
        const std::string name = guy->getNode()->getName();
        for (const char* animation : animations)
        {
            const std::string source = name + "_" + animation + ".skeleton";
            Ogre::SkeletonPtr skeleton = Ogre::SkeletonManager::getSingleton().create(source, "General", true);
            Ogre::Bone* root = skeleton->createBone("root", 0);
            skeleton->setBindingPose();
            Ogre::NodeAnimationTrack* track = skeleton->createAnimation(animation, 1.0f)->createNodeTrack(0, root);
            track->createNodeKeyFrame(0.0f);
            track->createNodeKeyFrame(1.0f);
            const std::string text(animation);
            const bool walks = text.compare(0, 4, "walk") == 0 || text.compare(0, 3, "run") == 0;
            guy->addAnimation(animation, source, walks ? 100.0f : 0.0f, 0.0f, 3.0f, 0);
        }
    }

    /// A plain object with a small plane entity named after the node.
    CObject* prop(const char* name) { return withPlane(engine->addObject(name)); }
    /// A spy that is also a prop: a billboard that hears codes.
    CObject* spyProp(const char* name) { return withPlane(engine->addRecorder(name)); }

    static CObject* withPlane(CObject* object)
    {
        if (!Ogre::MeshManager::getSingleton().resourceExists("loc7Plane", "General"))
            Ogre::MeshManager::getSingleton().createPlane("loc7Plane", "General",
                                                          Ogre::Plane(Ogre::Vector3::UNIT_Z, 0), 1, 1);
        const std::string name = object->getNode()->getName();
        object->mEntity = gApp.mSceneMgr->createEntity(name, "loc7Plane");
        object->getNode()->attachObject(object->mEntity);
        return object;
    }

    /// The scene script on its own object, created, with the spies' record
    /// emptied.
    CObject* scene(const char* name, const char* script)
    {
        CObject* object = engine->addObject(name, script);
        engine->frame(kDt);
        RecordingScript::calls().clear();
        return object;
    }

    /// Whether the object's entity is shown, wherever it hangs.
    static bool shown(const CObject* object)
    {
        Ogre::SceneManager* sm = gApp.mSceneMgr;
        const std::string name = object->getNode()->getName();
        return sm->hasEntity(name) && sm->getEntity(name)->getVisible();
    }

    /// Whether the object's entity hangs on a bone.
    static bool onBone(const CObject* object)
    {
        Ogre::Entity* entity = gApp.mSceneMgr->getEntity(object->getNode()->getName());
        return entity->isAttached() && entity->isParentTagPoint();
    }

    /// The log lines of failed bone attachments, one per bone named.
    std::string boneFailure(const std::string& bone, const std::string& carrier) const
    {
        return "ERROR: attachObjToBone failed! Can't find bone " + bone + " in " + carrier + " skeleton";
    }

    static size_t count(const std::string& text, const std::string& what)
    {
        size_t n = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
            ++n;
        return n;
    }

    /// The way-points of an actor as "animation name" (or "-" without a
    /// layer), a walk's target as "walk@x,y,z", and a notice as ">code".
    static std::vector<std::string> points(CAnimatableObject* guy)
    {
        std::vector<std::string> result;
        for (const CAnimatableObject::WayPoint& p : guy->mPointList)
        {
            std::string text = p.move ? "walk@" + std::to_string(int(p.target.x)) + "," +
                                            std::to_string(int(p.target.y)) + "," + std::to_string(int(p.target.z))
                                      : "stand";
            if (p.notifyCode)
                text += ">" + std::to_string(p.notifyCode);
            result.push_back(text);
        }
        return result;
    }

    /// The animations asked of the actor named name since the log was last
    /// cleared, in order (the generated character has none of them, so each
    /// request is logged).
    std::vector<std::string> asked(const std::string& name) const
    {
        std::vector<std::string> result;
        const std::string text = engine->log();
        const std::string head = "Can't find animation '";
        const std::string tail = "' on the object '" + name + "'";
        for (size_t at = text.find(head); at != std::string::npos; at = text.find(head, at + 1))
        {
            const size_t end = text.find('\'', at + head.size());
            if (text.compare(end, tail.size(), tail) == 0)
                result.push_back(text.substr(at + head.size(), end - at - head.size()));
        }
        return result;
    }

    /// Particle systems of those names, each with one emitter.
    void particles(std::initializer_list<const char*> names)
    {
        if (!particlesReady)
        {
            gApp.mRoot->loadPlugin(std::string(TQ_OGRE_PLUGIN_DIR) + "/Plugin_ParticleFX");
            Ogre::ParticleSystemManager::getSingleton()._initialise();
            particlesReady = true;
        }
        for (const char* name : names)
        {
            Ogre::ParticleSystem* system = gApp.mSceneMgr->createParticleSystem(name, 10);
            system->addEmitter("Point");
            gApp.mSceneMgr->getRootSceneNode()->attachObject(system);
        }
    }

    static bool emitting(const char* name)
    {
        return gApp.mSceneMgr->getParticleSystem(name)->getEmitter(0)->getEnabled();
    }

    /// A material of plain passes, each with two texture units.
    static void material(const std::string& name, int passes = 1)
    {
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().create(name, "General");
        for (int p = 0; p < passes; ++p)
        {
            Ogre::Pass* pass = p == 0 ? m->getTechnique(0)->getPass(0) : m->getTechnique(0)->createPass();
            pass->createTextureUnitState();
            pass->createTextureUnitState();
        }
    }

    static Ogre::TextureUnitState* unit(const std::string& material, int pass = 0, int unit = 0)
    {
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().getByName(material);
        return m->getTechnique(0)->getPass(pass)->getTextureUnitState(unit);
    }

    /// The manual colour of a unit's colour operation (its red part).
    static float manualRed(const std::string& material, int pass = 0, int unitIndex = 0)
    {
        return unit(material, pass, unitIndex)->getColourBlendMode().colourArg2.r;
    }

    TempDir dir;
    std::unique_ptr<HeadlessEngine> engine;
    std::unique_ptr<OverlayScope> overlays;
    bool particlesReady = false;
};
} // namespace tq
