// What the tests of the room scenes share: spies for the scripts a scene
// talks to, actors (animated objects whose animations are bare animation
// states of given lengths, so that way-points play and end on the engine's
// clock without meshes), props that can be seen to show and hide, and the
// scene object itself, created after the objects it looks up.
#pragma once

#include "ScriptFixture.h"
#include "SpyNotes.h"

#include "AnimatableObject.h"

#include <OgreAnimationState.h>
#include <OgreBillboardSet.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace tq
{
class ActorSceneFixture : public ScriptFixture
{
public:
    /// Spies standing for the scripts that scenes address.
    explicit ActorSceneFixture(std::initializer_list<const char*> spies)
    {
        for (const char* spy : spies)
            engine->addRecorder(spy);
    }

    /// An animated object named name that knows the animations (name and
    /// length in seconds) it may be given way-points of.
    CAnimatableObject* actor(const std::string& name, std::initializer_list<std::pair<const char*, float>> anims)
    {
        // Never freed: the actor's layers point into it until the process
        // ends, which follows the test.
        Ogre::AnimationStateSet* states = new Ogre::AnimationStateSet();
        CAnimatableObject* object = new CAnimatableObject();
        Ogre::SceneNode* node = gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode(name);
        object->mNode = node;
        node->setListener(object);
        node->attachObject(gApp.mSceneMgr->createBillboardSet(name + "_look"));
        for (const auto& anim : anims)
        {
            CAnimatableObject::AnimLayer layer;
            layer.state = states->createAnimationState(anim.first, 0.0f, anim.second, 0.0f, false);
            object->mLayers.push_back(layer);
        }
        return object;
    }

    /// A plain object that can be seen, shown at first.
    CObject* prop(const std::string& name)
    {
        CObject* object = engine->addObject(name);
        object->getNode()->attachObject(gApp.mSceneMgr->createBillboardSet(name + "_look"));
        return object;
    }

    /// The scene object with its script, after the objects it looks up;
    /// its creation is behind the test, and so is what the spies heard of it.
    CObject* scene(const std::string& name)
    {
        CObject* object = engine->addObject(name, name + ".sc");
        engine->frame();
        RecordingScript::calls().clear();
        return object;
    }

    static bool shown(const std::string& name)
    {
        Ogre::SceneNode* node = gApp.mSceneMgr->getSceneNode(name);
        return node->numAttachedObjects() > 0 && node->getAttachedObject(0)->getVisible();
    }

    static vec3 at(const std::string& name) { return gApp.mSceneMgr->getSceneNode(name)->getPosition(); }

    /// The node's turn about Z in degrees.
    static float turn(const std::string& name)
    {
        return gApp.mSceneMgr->getSceneNode(name)->getOrientation().getRoll().valueDegrees();
    }

    /// The actor's way-points as "<animation>/<loops>", with ">code" when
    /// it tells somebody and "@x,y,z" when it walks.
    static std::vector<std::string> points(const CAnimatableObject* actor)
    {
        std::vector<std::string> result;
        for (const CAnimatableObject::WayPoint& point : actor->mPointList)
        {
            std::string text;
            for (const CAnimatableObject::PointLayer& layer : point.layers)
            {
                text += (text.empty() ? "" : "+") + actor->mLayers[layer.layer].state->getAnimationName() + "/" +
                        std::to_string(layer.loops);
            }
            if (point.notifyTarget)
                text += ">" + std::to_string(point.notifyCode);
            if (point.move)
            {
                char where[96];
                std::snprintf(where, sizeof(where), "@%g,%g,%g", point.target.x, point.target.y, point.target.z);
                text += where;
            }
            result.push_back(text);
        }
        return result;
    }

    /// The animation that the actor's current way-point plays, "" when it
    /// does not run.
    static std::string playing(const CAnimatableObject* actor)
    {
        if (!actor->isRunning() || actor->mPointList.empty())
            return std::string();
        const auto& layers = actor->mPointList[actor->getCurrentPoint()].layers;
        if (layers.empty())
            return std::string();
        return actor->mLayers[layers[0].layer].state->getAnimationName();
    }
};
} // namespace tq
