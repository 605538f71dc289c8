// What the tests of the framed board games share: the frame's spies, the
// camera node and the game's board group, the game's object started by the
// starter, the pointer placed over a point of the board, and the game's
// saved array.
#pragma once

#include "ScriptFixture.h"
#include "SpyNotes.h"

#include <OgreBillboardSet.h>
#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreManualObject.h>
#include <OgreSubEntity.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <cstdio>

#include <string>
#include <vector>

namespace tq
{
/// A mesh of n sub-meshes (one triangle each), for pieces whose scripts
/// give materials to sub-entities.
inline void makeSectionsMesh(const std::string& meshName, int n)
{
    Ogre::SceneManager* scene = gApp.mSceneMgr;
    Ogre::ManualObject* manual = scene->createManualObject();
    for (int k = 0; k < n; ++k)
    {
        manual->begin("BaseWhite", Ogre::RenderOperation::OT_TRIANGLE_LIST);
        manual->position(0, 0, 0);
        manual->position(1, 0, 0);
        manual->position(0, 1, 0);
        manual->triangle(0, 1, 2);
        manual->end();
    }
    manual->convertToMesh(meshName);
    scene->destroyManualObject(manual);
}

/// Gives the object an entity of the mesh, as the scene loader does.
inline Ogre::Entity* giveEntity(CObject* object, const std::string& meshName)
{
    Ogre::Entity* entity = gApp.mSceneMgr->createEntity(object->getNode()->getName() + "_entity", meshName);
    object->getNode()->attachObject(entity);
    object->mEntity = entity;
    return entity;
}

/// The material of sub-entity k of the object's entity.
inline std::string subMaterial(const CObject* object, int k)
{
    return object->getEntity()->getSubEntity(k)->getMaterialName();
}

class BoardFixture : public ScriptFixture
{
public:
    /// Spies for the frame and "interface", the node "Camera" and the board
    /// group "<game>.scene".
    explicit BoardFixture(const std::string& game) : mGame(game)
    {
        for (const char* spy : {"00_minigame_starter", "00_minigame_interf", "interface"})
            engine->addRecorder(spy);
        // The rooms' cameras see from a unit ahead; the engine's default
        // of 100 would start every ray behind the nearer boards.
        gApp.mCamera->setNearClipDistance(1.0f);
        camera = engine->addObject("Camera");
        board = engine->addObject(game + ".scene");
    }

    /// A piece of the board: an object under the board group at position.
    CObject* piece(const std::string& prefix, int i, const vec3& position)
    {
        char name[64];
        std::snprintf(name, sizeof(name), "%s%02d", prefix.c_str(), i);
        CObject* object = engine->addObject(name, std::string(), board->getNode());
        object->getNode()->setPosition(position);
        object->getNode()->attachObject(gApp.mSceneMgr->createBillboardSet(std::string(name) + "_look"));
        return object;
    }

    /// Creates the game (a new game unless its array is saved) and lets
    /// the starter start it.
    CObject* start()
    {
        game = engine->addObject(mGame, mGame + ".sc");
        engine->frame();
        engine->notify(game, 1200, starter());
        engine->frame();
        RecordingScript::calls().clear();
        return game;
    }

    static CObject* starter() { return gApp.findObject("00_minigame_starter"); }

    /// Whether the board group's pieces show.
    bool boardShown() const
    {
        for (auto* child : board->getNode()->getChildren())
        {
            auto* node = static_cast<Ogre::SceneNode*>(child);
            if (node->numAttachedObjects() > 0)
                return node->getAttachedObject(0)->getVisible();
        }
        return false;
    }

    /// The cursor over a point of the board's plane at depth in front of
    /// the camera, the button held or not.
    static void pointAt(const vec3& p, float depth, bool down)
    {
        const Ogre::Vector2 screen = CVirtualScript::projectPoint(vec3(p.x, p.y, -depth));
        mouse(screen.x, screen.y, down);
    }

    static vec3 at(const CObject* object) { return object->getNode()->getPosition(); }

    /// The saved array of location a, game b.
    static std::vector<int> savedArray(int a, int b, int n, int* end = nullptr)
    {
        std::vector<int> values(n);
        int endValue = 0;
        CVirtualScript::loadGameArray(n, a, b, values.data(), &endValue);
        if (end)
            *end = endValue;
        return values;
    }
    static void saveArray(int a, int b, const std::vector<int>& values, int end)
    {
        CVirtualScript::saveGameArray(static_cast<int>(values.size()), a, b, values.data(), &end);
    }

    CObject* camera = nullptr;
    CObject* board = nullptr;
    CObject* game = nullptr;

private:
    std::string mGame;
};
} // namespace tq
