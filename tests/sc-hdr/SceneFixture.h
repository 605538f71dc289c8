// A room for the tests of the cut-scene scripts on the headless engine, on
// top of the zone fixture's spies, props and input: actors (animated objects
// whose skeleton has the bones the scenes name and a layer for every
// animation they queue), rigs that play an animation "a", particle systems
// on objects of their own name, materials of several passes and units, and
// readers of the actors' way-point lists.
#pragma once

#include "AnimatableObject.h"
#include "ZoneFixture.h"

#include <OgreAnimation.h>
#include <OgreAnimationTrack.h>
#include <OgreBone.h>
#include <OgreEntity.h>
#include <OgreKeyFrame.h>
#include <OgreManualObject.h>
#include <OgreMaterialManager.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgrePass.h>
#include <OgreSkeleton.h>
#include <OgreSkeletonManager.h>
#include <OgreSubEntity.h>
#include <OgreSubMesh.h>
#include <OgreTagPoint.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace tq
{
typedef std::vector<std::string> Names;

class SceneFixture : public ZoneFixture
{
protected:
    void SetUp() override
    {
        ZoneFixture::SetUp();
        // Never deleted: OGRE's resources may still point at it when the
        // program ends, and the process ends right after.
        if (!Ogre::TextureManager::getSingletonPtr())
            new Ogre::DefaultTextureManager();
    }

    void TearDown() override
    {
        gApp.mSceneMgr->destroyAllParticleSystems();
        ZoneFixture::TearDown();
    }

    /// A skeleton made in memory: bone "root" with the named bones under
    /// it; each named animation lasts one second and turns the root.
    static void skeleton(const std::string& name, const Names& bones, const Names& animations)
    {
        Ogre::SkeletonPtr skel = Ogre::SkeletonManager::getSingleton().create(name, "General", true);
        Ogre::Bone* root = skel->createBone("root", 0);
        unsigned short handle = 1;
        for (const std::string& bone : bones)
            root->addChild(skel->createBone(bone, handle++));
        skel->setBindingPose();
        for (const std::string& animation : animations)
        {
            Ogre::Animation* a = skel->createAnimation(animation, 1.0f);
            Ogre::NodeAnimationTrack* track = a->createNodeTrack(0, root);
            track->createNodeKeyFrame(0.0f);
            track->createNodeKeyFrame(1.0f)->setRotation(Ogre::Quaternion(Ogre::Degree(30), Ogre::Vector3::UNIT_Z));
        }
    }

    /// A one-triangle mesh bound to bone 0 of the skeleton.
    static void skinnedMesh(const std::string& mesh, const std::string& skeletonName)
    {
        Ogre::ManualObject* manual = gApp.mSceneMgr->createManualObject();
        manual->begin("BaseWhite", Ogre::RenderOperation::OT_TRIANGLE_LIST);
        manual->position(0, 0, 0);
        manual->position(1, 0, 0);
        manual->position(0, 1, 0);
        manual->triangle(0, 1, 2);
        manual->end();
        Ogre::MeshPtr m = manual->convertToMesh(mesh);
        gApp.mSceneMgr->destroyManualObject(manual);
        m->setSkeletonName(skeletonName);
        for (unsigned int v = 0; v < 3; ++v)
        {
            Ogre::VertexBoneAssignment assignment;
            assignment.vertexIndex = v;
            assignment.boneIndex = 0;
            assignment.weight = 1.0f;
            m->getSubMesh(0)->addBoneAssignment(assignment);
        }
        m->_compileBoneAssignments();
    }

    /// Puts a new entity of mesh (named like the node, as the scene loader
    /// names them) on object's new node.
    template <class T>
    static T* place(T* object, const std::string& name, const std::string& mesh)
    {
        Ogre::SceneNode* node = gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode(name);
        object->mNode = node;
        node->setListener(object);
        object->mEntity = gApp.mSceneMgr->createEntity(name, mesh);
        node->attachObject(object->mEntity);
        return object;
    }

    /// An actor with the bones and one layer for every animation named
    /// ("walk..." layers walk at 100 units a second, "rot..." ones move the
    /// mouth).
    CAnimatableObject* actor(const std::string& name, const Names& bones, const Names& animations)
    {
        skeleton(name + ".skeleton", bones, {});
        skinnedMesh(name + ".mesh", name + ".skeleton");
        CAnimatableObject* a = place(new CAnimatableObject(), name, name + ".mesh");
        a->initBones();
        for (const std::string& animation : animations)
        {
            const std::string source = name + "_" + animation + ".skeleton";
            skeleton(source, bones, {animation});
            const float speed = animation.compare(0, 4, "walk") == 0 ? 100.0f : 0.0f;
            const int layer = animation.compare(0, 3, "rot") == 0 ? 1 : 0;
            a->addAnimation(animation, source, speed, 0.0f, 3.0f, layer);
        }
        return a;
    }

    /// A plain object whose skeleton has the bones and the animation "a"
    /// of one second (a camera rig, or an actor that is not animated).
    CObject* rig(const std::string& name, const Names& bones = {})
    {
        skeleton(name + ".skeleton", bones, {"a"});
        skinnedMesh(name + ".mesh", name + ".skeleton");
        return place(new CObject(), name, name + ".mesh");
    }

    /// An object whose entity has two sub-entities (a screen, a room whose
    /// walls change material).
    CObject* twoPartProp(const std::string& name)
    {
        if (!Ogre::MeshManager::getSingleton().resourceExists("twoParts", "General"))
        {
            Ogre::ManualObject* manual = gApp.mSceneMgr->createManualObject();
            for (int part = 0; part < 2; ++part)
            {
                manual->begin("BaseWhite", Ogre::RenderOperation::OT_TRIANGLE_LIST);
                manual->position(part, 0, 0);
                manual->position(part + 1.0f, 0, 0);
                manual->position(part, 1, 0);
                manual->triangle(0, 1, 2);
                manual->end();
            }
            manual->convertToMesh("twoParts");
            gApp.mSceneMgr->destroyManualObject(manual);
        }
        CObject* object = engine.addObject(name);
        object->mEntity = gApp.mSceneMgr->createEntity(name, "twoParts");
        object->getNode()->attachObject(object->mEntity);
        return object;
    }

    static std::string materialOf(const std::string& entity, unsigned int part)
    {
        return gApp.mSceneMgr->getEntity(entity)->getSubEntity(part)->getMaterialName();
    }

    /// A particle system with its emitters (types such as "Point" or
    /// "Ring"), on an object's node of the same name.
    Ogre::ParticleSystem* particles(const std::string& name, const Names& emitters = {"Point"})
    {
        Ogre::ParticleSystem* system = gApp.mSceneMgr->createParticleSystem(name, 10);
        for (const std::string& type : emitters)
            system->addEmitter(type);
        CObject* holder = engine.addObject(name);
        holder->getNode()->attachObject(system);
        return system;
    }

    /// A render texture as the scripts find it: a texture resource of that
    /// name (never loaded here).
    static void renderTexture(const std::string& name)
    {
        Ogre::TextureManager::getSingleton().create(name, "General");
    }

    /// A material of passes, each with units texture units.
    static void material(const std::string& name, int passes = 1, int units = 1)
    {
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().create(name, "General");
        for (int p = 0; p < passes; ++p)
        {
            Ogre::Pass* pass = p == 0 ? m->getTechnique(0)->getPass(0) : m->getTechnique(0)->createPass();
            for (int u = 0; u < units; ++u)
                pass->createTextureUnitState();
        }
    }

    static Ogre::TextureUnitState* unit(const std::string& material, int pass = 0, int index = 0)
    {
        return Ogre::MaterialManager::getSingleton()
            .getByName(material)
            ->getTechnique(0)
            ->getPass(pass)
            ->getTextureUnitState(index);
    }

    /// The manual colour of a unit's colour operation as "r g b".
    static std::string manualColour(const std::string& material, int pass = 0, int index = 0)
    {
        const Ogre::ColourValue c = unit(material, pass, index)->getColourBlendMode().colourArg2;
        char text[64];
        std::snprintf(text, sizeof(text), "%.3f %.3f %.3f", c.r, c.g, c.b);
        return text;
    }

    /// The actor's way-points as "animation loops" with " -> code@target"
    /// for a notification and " to (x,y,z)" for a walk.
    static Names points(CAnimatableObject* a)
    {
        Names result;
        for (const CAnimatableObject::WayPoint& p : a->mPointList)
        {
            std::string text;
            for (const CAnimatableObject::PointLayer& layer : p.layers)
            {
                if (!text.empty())
                    text += " + ";
                text += a->mLayers[layer.layer].state->getAnimationName() + " " + std::to_string(layer.loops);
            }
            if (p.move)
            {
                char to[96];
                std::snprintf(to, sizeof(to), " to (%g,%g,%g)", p.target.x, p.target.y, p.target.z);
                text += to;
            }
            if (p.notifyTarget)
            {
                CObject* target = gObjectCollector.get(p.notifyTarget);
                text += " -> " + std::to_string(p.notifyCode) + "@" + (target ? target->getNodeName() : "?");
            }
            result.push_back(text);
        }
        return result;
    }

    /// The name of the node the object's first movable hangs on: a bone's
    /// name when it rides on a skeleton, "" when it hangs nowhere.
    static std::string hangsOn(const std::string& movable)
    {
        Ogre::MovableObject* m = nullptr;
        if (gApp.mSceneMgr->hasEntity(movable))
            m = gApp.mSceneMgr->getEntity(movable);
        else if (gApp.mSceneMgr->hasCamera(movable))
            m = gApp.mSceneMgr->getCamera(movable);
        else if (gApp.mSceneMgr->hasParticleSystem(movable))
            m = gApp.mSceneMgr->getParticleSystem(movable);
        if (!m || !m->getParentNode())
            return "";
        // On a bone the movable hangs on a tag point under that bone.
        if (m->isParentTagPoint())
            return m->getParentNode()->getParent()->getName();
        return m->getParentNode()->getName();
    }

    static bool shown(const std::string& entity) { return gApp.mSceneMgr->getEntity(entity)->isVisible(); }

};
} // namespace tq
