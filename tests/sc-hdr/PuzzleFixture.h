// What the tests of the location-4 puzzles share: the headless engine with
// sound on the loopback device (each of a puzzle's sounds is a short tone
// of its own file, so a test can tell which ones played), spies for the
// objects a puzzle talks to, board objects with a one-triangle entity, and
// the mouse aimed at a point of a board in front of the camera.
#pragma once

#include "HeadlessEngine.h"
#include "Input.h"
#include "SfxCore.h"
#include "ScriptFixture.h"
#include "SpyNotes.h"
#include "TestSupport.h"
#include "TriangleMesh.h"

#include "../platform/SoundTestHelpers.h"

#include <OgreEntity.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>
#include <OgreTextureManager.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>

namespace tq
{
class PuzzleFixture
{
public:
    /// The engine with the named sounds (without ".ogg") on the loopback
    /// device, an input layer and a texture manager that loads nothing.
    explicit PuzzleFixture(std::initializer_list<const char*> sounds)
    {
        const std::string media = dir.file("media");
        EXPECT_EQ(std::system(("mkdir -p '" + media + "'").c_str()), 0);
        const std::string tone = dir.file("tone.ogg");
        EXPECT_TRUE(sndtest::makeTone(tone, sndtest::kRate, 1, 0.2, 440.0, 0.3));
        for (const char* name : sounds)
            EXPECT_EQ(std::system(("cp '" + tone + "' '" + media + "/" + name + ".ogg'").c_str()), 0);
        EXPECT_TRUE(writeFile(dir.file("resources.cfg"), "[General]\nFileSystem=" + media + "\n"));
        gApp.mSound = true;
        gApp.mAppState.mOptions["SoundVolume"].value = "100";
        if (!SoundDevice::isInitialised())
        {
            EXPECT_TRUE(SoundDevice::initLoopback(sndtest::kRate, 1));
        }
        engine.reset(new HeadlessEngine(dir.file("resources.cfg")));
        CSfxCore::init();
        if (!Ogre::TextureManager::getSingletonPtr())
            new Ogre::DefaultTextureManager(); // never deleted, as in ScriptFixture
        gApp.mInput = new CInput(nullptr, -1, std::string());
        gApp.mInput->setWindowSize(1024, 768);
        gApp.mInput->setCursor(true);
        makeTriangleMesh(gApp.mSceneMgr, "piece.mesh");
    }
    ~PuzzleFixture()
    {
        delete gApp.mInput;
        gApp.mInput = nullptr;
    }

    /// A mesh of n one-triangle sub-meshes, for objects whose script gives
    /// materials to sub-entities beyond the first.
    static void makeSectionsMesh(const std::string& meshName, int n)
    {
        Ogre::ManualObject* manual = gApp.mSceneMgr->createManualObject();
        for (int i = 0; i < n; ++i)
        {
            manual->begin("BaseWhite", Ogre::RenderOperation::OT_TRIANGLE_LIST);
            manual->position(0, 0, 0);
            manual->position(1, 0, 0);
            manual->position(0, 1, 0);
            manual->triangle(0, 1, 2);
            manual->end();
        }
        manual->convertToMesh(meshName);
        gApp.mSceneMgr->destroyManualObject(manual);
    }
    static std::string materialOf(const std::string& object, int sub)
    {
        return entityOf(object)->getSubEntity(sub)->getMaterialName();
    }

    /// Whether the sound of that name has been played (and not stopped).
    static bool played(const std::string& name)
    {
        const int id = CSfxCore::findSound(name + ".ogg");
        return id > 0 && CSfxCore::slot(id).mChannel != -1;
    }
    /// Stops every sound, so that the next check sees only new ones.
    static void hush()
    {
        for (int id = 1; id < CSfxCore::kSlotCount; ++id)
            if (CSfxCore::slot(id).mUsed)
                CSfxCore::stopSound(id);
    }

    /// A scene object with a one-triangle entity (a skeleton's mesh when
    /// mesh is given), under parent or the root, with a script when one is
    /// named.
    CObject* piece(const std::string& name, Ogre::SceneNode* parent = nullptr,
                   const std::string& mesh = "piece.mesh", const std::string& script = std::string())
    {
        CObject* object = engine->addObject(name, script, parent);
        object->mEntity = gApp.mSceneMgr->createEntity(name + "_entity", mesh);
        object->getNode()->attachObject(object->mEntity);
        return object;
    }
    static Ogre::Entity* entityOf(const std::string& name)
    {
        return static_cast<Ogre::Entity*>(gApp.mSceneMgr->getSceneNode(name)->getAttachedObject(0));
    }
    static bool shown(const std::string& name) { return entityOf(name)->getVisible(); }
    static vec3 position(const std::string& name) { return gApp.mSceneMgr->getSceneNode(name)->getPosition(); }

    /// The cursor over a point given in the camera's space (the default
    /// camera sits at the origin and looks down -Z), with the button.
    static void aim(const vec3& point, bool down)
    {
        const Ogre::Vector2 screen = CVirtualScript::projectPoint(point);
        ScriptFixture::mouse(screen.x, screen.y, down);
    }

    TempDir dir;
    std::unique_ptr<HeadlessEngine> engine;
};
} // namespace tq
