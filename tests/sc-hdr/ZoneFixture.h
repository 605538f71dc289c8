// A room for the tests of the clickable zone scripts on the headless engine:
// an input layer (the cursor modes switch its clicks), the particle cursor
// "cur_new_loc", props with a small entity whose visibility can be read,
// spies under the names of the scripts the zones talk to, and readers of
// what those spies were told.
#pragma once

#include "Application.h"
#include "HeadlessEngine.h"
#include "Input.h"
#include "TestSupport.h"
#include "VirtualScript.h"

#include <OgreEntity.h>
#include <OgreMeshManager.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tq
{
class ZoneFixture : public ::testing::Test
{
protected:
    typedef std::vector<std::pair<std::string, std::string>> Params;

    void SetUp() override
    {
        gApp.mRoot->loadPlugin(std::string(TQ_OGRE_PLUGIN_DIR) + "/Plugin_ParticleFX");
        Ogre::ParticleSystemManager::getSingleton()._initialise();
        mCursorParticles = gApp.mSceneMgr->createParticleSystem("cur_new_loc", 10);
        mCursorParticles->addEmitter("Point");
        mInput = new CInput(nullptr, -1, "");
        gApp.mInput = mInput;
        mInput->setCursor(true);
        // The tests move the cursor themselves; the re-pick of a cursor
        // change would find nothing under it and take the focus away.
        gApp.mPickingOff = true;
        RecordingScript::calls().clear();
    }

    void TearDown() override
    {
        gApp.mInput = nullptr;
        delete mInput;
    }

    /// An object with a small entity, the script (empty: none) and the
    /// .scene parameters, its create message queued.
    CObject* prop(const std::string& name, const std::string& script = std::string(), const Params& params = {},
                  Ogre::SceneNode* parent = nullptr)
    {
        if (!Ogre::MeshManager::getSingleton().resourceExists("zonePlane", "General"))
            Ogre::MeshManager::getSingleton().createPlane("zonePlane", "General",
                                                          Ogre::Plane(Ogre::Vector3::UNIT_Z, 0), 1, 1);
        CObject* object = engine.addObject(name, script, parent);
        object->mEntity = gApp.mSceneMgr->createEntity(name, "zonePlane");
        object->getNode()->attachObject(object->mEntity);
        for (const auto& p : params)
            object->mParams[p.first] = p.second;
        return object;
    }

    /// Spies under the given names.
    void spies(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            mSpies[name] = engine.addRecorder(name);
    }
    CObject* spy(const std::string& name) { return mSpies.at(name); }

    /// What the spy was told since the last call, as "code" or "code from
    /// <sender's node name>".
    std::vector<std::string> told(const std::string& label)
    {
        std::vector<std::string> result;
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

    /// Starts watching the cursor: clicks on, particle cursor still.
    void watchCursor()
    {
        engine.clearLog();
        mInput->setCursor(true);
        mCursorParticles->getEmitter(0)->setEnabled(false);
    }
    /// The cursor mode set last since watchCursor: "" none, "off" (-1),
    /// "on" (0), "normal" (1), "hotspot" (3).
    std::string cursor()
    {
        const std::string log = engine.log();
        const size_t on = log.rfind("\nMouse Cursor ON ");
        const size_t off = log.rfind("\nMouse Cursor OFF ");
        if (on == std::string::npos && off == std::string::npos)
            return "";
        if (!mInput->cursorOn())
            return "off";
        if (on != std::string::npos && (off == std::string::npos || on > off))
            return "normal";
        return mCursorParticles->getEmitter(0)->getEnabled() ? "hotspot" : "on";
    }

    /// Moves the cursor onto the object (null: onto nothing) and runs the
    /// frames in which the focus handlers and their notifications arrive.
    void hover(CObject* object)
    {
        engine.hover(object);
        engine.frames(2);
    }

    static bool visible(CObject* object) { return object->getEntity()->isVisible(); }
    static OBJECT_HANDLE h(CObject* object) { return object ? object->getHandle() : 0; }

    TempDir dir;
    HeadlessEngine engine;
    CInput* mInput = nullptr;
    Ogre::ParticleSystem* mCursorParticles = nullptr;
    std::map<std::string, CObject*> mSpies;
    std::map<std::string, size_t> mSeen;
};

typedef std::vector<std::string> Told;
} // namespace tq
