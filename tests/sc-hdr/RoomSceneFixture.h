// A room for the tests of the cut-scene room scripts on the headless engine:
// the scene object with its script, spies under the names of the objects a
// scene talks to, props with a small entity (of several sub-entities where
// a script gives them materials), actors, particle systems, and readers of
// what the spies were told and where the actors stand and go.
//
// An actor is an animated object whose animation layers are plain animation
// states of the given lengths, with no skeleton behind them: its way-points
// play, end and notify as a character's do, and a test can read which
// animations they name.
#pragma once

#include "AnimatableObject.h"
#include "Application.h"
#include "HeadlessEngine.h"
#include "Object.h"
#include "TestSupport.h"
#include "VirtualScript.h"

#include <OgreAnimationState.h>
#include <OgreEntity.h>
#include <OgreManualObject.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgrePass.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tq
{
typedef std::vector<std::string> Told;

class RoomSceneFixture : public ::testing::Test
{
protected:
    /// One animation of an actor: its name and length in seconds.
    typedef std::pair<const char*, float> Anim;

    void SetUp() override { boot(std::string()); }

    /// The engine on the resources of resourcesCfg (empty: none), with the
    /// particle plug-in and a texture manager that loads nothing.
    void boot(const std::string& resourcesCfg)
    {
        engine.reset(new HeadlessEngine(resourcesCfg));
        gApp.mRoot->loadPlugin(std::string(TQ_OGRE_PLUGIN_DIR) + "/Plugin_ParticleFX");
        Ogre::ParticleSystemManager::getSingleton()._initialise();
        if (!Ogre::TextureManager::getSingletonPtr())
            new Ogre::DefaultTextureManager(); // never deleted: materials may point at it until the process ends
        RecordingScript::calls().clear();
    }

    /// The room's scene object with the script of that stem, created.
    CObject* scene(const std::string& stem)
    {
        CObject* object = engine->addObject(stem, stem + ".sc");
        engine->frame();
        return object;
    }

    /// Spies under the given names.
    void spies(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            mSpies[name] = engine->addRecorder(name);
    }
    CObject* spy(const std::string& name) { return mSpies.at(name); }

    /// What the spy was told since the last call, as "code" or "code from
    /// <sender's node name>".
    Told told(const std::string& label)
    {
        Told result;
        const std::vector<std::string> calls = RecordingScript::callsOf(label);
        size_t& seen = mSeen[label];
        for (size_t i = seen; i < calls.size(); ++i)
        {
            const std::string& call = calls[i];
            const size_t comma = call.find(',');
            if (call.compare(0, 10, "ON_NOTIFY(") != 0 || comma == std::string::npos)
                continue;
            const std::string code = call.substr(10, comma - 10);
            const OBJECT_HANDLE sender = static_cast<OBJECT_HANDLE>(std::stoul(call.substr(comma + 1)));
            CObject* from = gObjectCollector.get(sender);
            result.push_back(from ? code + " from " + from->getNodeName() : code);
        }
        seen = calls.size();
        return result;
    }
    /// Forgets what every spy was told so far.
    void forgetTold()
    {
        for (const auto& s : mSpies)
            told(s.first);
    }

    /// A scene object with an entity of sections sub-entities.
    CObject* prop(const std::string& name, int sections = 1)
    {
        CObject* object = engine->addObject(name);
        object->mEntity = gApp.mSceneMgr->createEntity(name, sectionsMesh(sections));
        object->getNode()->attachObject(object->mEntity);
        return object;
    }

    /// An animated object with an entity and one layer for each animation.
    CAnimatableObject* actor(const std::string& name, std::initializer_list<Anim> anims = {})
    {
        CAnimatableObject* a = new CAnimatableObject();
        Ogre::SceneNode* node = gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode(name);
        a->mNode = node;
        node->setListener(a);
        a->mEntity = gApp.mSceneMgr->createEntity(name, sectionsMesh(1));
        node->attachObject(a->mEntity);
        // Never deleted: the object keeps pointers to the states until the
        // scene goes, and the process ends right after.
        Ogre::AnimationStateSet* states = new Ogre::AnimationStateSet();
        for (const Anim& anim : anims)
        {
            CAnimatableObject::AnimLayer layer;
            layer.state = states->createAnimationState(anim.first, 0.0f, anim.second, 0.0f, true);
            layer.moveSpeed = 100000.0f; // a walk arrives in one frame
            a->mLayers.push_back(layer);
        }
        return a;
    }

    /// A particle system with one emitter that emits until told otherwise.
    static Ogre::ParticleSystem* particles(const std::string& name)
    {
        Ogre::ParticleSystem* system = gApp.mSceneMgr->createParticleSystem(name, 10);
        system->addEmitter("Point")->setEnabled(true);
        gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode()->attachObject(system);
        return system;
    }
    static bool emitting(const std::string& name)
    {
        return gApp.mSceneMgr->getParticleSystem(name)->getEmitter(0)->getEnabled();
    }

    /// A material of passes with units texture units each.
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
    static Ogre::TextureUnitState* unit(const std::string& material, int pass, int unit)
    {
        return Ogre::MaterialManager::getSingleton().getByName(material)->getTechnique(0)->getPass(pass)->getTextureUnitState(
            unit);
    }

    /// Whether what hangs at the object's node shows.
    static bool shown(const CObject* object) { return object->getNode()->getAttachedObject(0)->getVisible(); }
    static uint32_t visibilityFlags(const CObject* object)
    {
        return object->getNode()->getAttachedObject(0)->getVisibilityFlags();
    }
    static std::string subMaterial(const CObject* object, int k)
    {
        return object->getEntity()->getSubEntity(k)->getMaterialName();
    }

    /// How often something was hung on the holder's bone since the log was
    /// last cleared: the fixture's actors have no skeleton, so each attempt
    /// is logged with the bone's and the holder's names.
    int boneAttempts(const std::string& bone, const std::string& holder) const
    {
        const std::string line = "ERROR: attachObjToBone failed! Can't find bone " + bone + " in " + holder + " skeleton";
        const std::string log = engine->log();
        int n = 0;
        for (size_t at = log.find(line); at != std::string::npos; at = log.find(line, at + 1))
            ++n;
        return n;
    }

    /// Where the object stands: "(x, y, z) turned a" with the angle about Z
    /// in degrees.
    static std::string placed(const CObject* object)
    {
        const Ogre::SceneNode* node = object->getNode();
        const vec3 p = node->getPosition();
        return text("(%g, %g, %g) turned %g", p.x, p.y, p.z, angleZ(node->getOrientation()));
    }

    /// The actor's way-points: "anim x loops" for each layer, "walk to (x,
    /// y, z) turned a" for a walk, and " -> code to <node>" for a
    /// notification.
    static Told points(const CAnimatableObject* a)
    {
        Told result;
        for (const CAnimatableObject::WayPoint& point : a->mPointList)
        {
            std::string line;
            for (const CAnimatableObject::PointLayer& pl : point.layers)
            {
                if (!line.empty())
                    line += " + ";
                line += a->mLayers[pl.layer].state->getAnimationName();
                if (!point.move)
                    line += text(" x%d", pl.loops);
            }
            if (point.move)
                line += text(" to (%g, %g, %g) turned %g", point.target.x, point.target.y, point.target.z,
                             angleZ(point.orientation));
            if (point.notifyTarget)
            {
                CObject* target = gObjectCollector.get(point.notifyTarget);
                line += text(" -> %d to %s", point.notifyCode, target ? target->getNodeName() : "?");
            }
            result.push_back(line);
        }
        return result;
    }
    /// The animation the actor's current way-point plays, "" when it stands
    /// still.
    static std::string playing(const CAnimatableObject* a)
    {
        if (!a->isRunning())
            return "";
        const CAnimatableObject::WayPoint& point = a->mPointList[a->getCurrentPoint()];
        return point.layers.empty() ? "" : a->mLayers[point.layers[0].layer].state->getAnimationName();
    }

    static float angleZ(const Ogre::Quaternion& q)
    {
        return std::round(q.getRoll().valueDegrees() * 1000.0f) / 1000.0f;
    }
    template <class... Args>
    static std::string text(const char* format, Args... args)
    {
        char buffer[256];
        std::snprintf(buffer, sizeof(buffer), format, args...);
        return buffer;
    }

    std::unique_ptr<HeadlessEngine> engine;
    std::map<std::string, CObject*> mSpies;
    std::map<std::string, size_t> mSeen;

private:
    static std::string sectionsMesh(int sections)
    {
        const std::string name = "sceneFixture" + std::to_string(sections);
        if (Ogre::MeshManager::getSingleton().resourceExists(name, "General"))
            return name;
        Ogre::ManualObject* manual = gApp.mSceneMgr->createManualObject();
        for (int k = 0; k < sections; ++k)
        {
            manual->begin("BaseWhite", Ogre::RenderOperation::OT_TRIANGLE_LIST);
            manual->position(0, 0, 0);
            manual->position(1, 0, 0);
            manual->position(0, 1, 0);
            manual->triangle(0, 1, 2);
            manual->end();
        }
        manual->convertToMesh(name);
        gApp.mSceneMgr->destroyManualObject(manual);
        return name;
    }
};
} // namespace tq
