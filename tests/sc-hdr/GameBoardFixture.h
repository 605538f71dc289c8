// A mini-game's board on the headless engine: the camera node "Camera", the
// game's scene group "<game>.scene" under which its pieces hang, pieces with
// entities of several parts (sub-entities), materials, the frame's spies,
// and the cursor put over a point of the camera's space.
#pragma once

#include "ResultDisplay.h"
#include "ScriptFixture.h"
#include "SpyNotes.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreManualObject.h>
#include <OgreMeshManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>

#include <cstdio>
#include <string>

namespace tq
{
/// base + n as at least two digits, as the games name their pieces.
inline std::string indexedName(const std::string& base, int n)
{
    char digits[16];
    std::snprintf(digits, sizeof(digits), "%02d", n);
    return base + digits;
}

class Board : public ScriptFixture
{
public:
    /// The frame's spies, "Camera" and "<game>.scene"; the game itself is
    /// added by addGame() once the test has laid out its pieces.  With
    /// resultDisplay the frame's real result display stands in place of its
    /// spy.
    explicit Board(const std::string& game, bool resultDisplay = false) : mGame(game)
    {
        for (const char* spy : {"00_minigame_starter", "interface"})
            engine->addRecorder(spy);
        if (resultDisplay)
            ResultDisplay::add(*engine);
        else
            engine->addRecorder("00_minigame_interf");
        camera = engine->addObject("Camera");
        // The ray through the cursor starts on the near plane: a board
        // closer than OGRE's default of 100 must lie beyond it.
        gApp.mCamera->setNearClipDistance(1.0f);
        board = engine->addObject(game + ".scene");
    }

    /// The game's object with its registered script, created in a frame.
    CObject* addGame()
    {
        gameObject = engine->addObject(mGame, mGame + ".sc");
        engine->frame();
        return gameObject;
    }

    /// A piece under the board at position, with an entity of parts
    /// sub-entities.
    CObject* piece(const std::string& name, int parts, const vec3& position = vec3::ZERO)
    {
        CObject* object = engine->addObject(name, std::string(), board->getNode());
        object->getNode()->setPosition(position);
        const std::string mesh = std::to_string(parts) + "parts.mesh";
        if (!Ogre::MeshManager::getSingleton().resourceExists(mesh))
            makePartsMesh(mesh, parts);
        object->mEntity = gApp.mSceneMgr->createEntity(name, mesh);
        object->getNode()->attachObject(object->mEntity);
        return object;
    }

    /// The material of a piece's part.
    static std::string materialOf(const std::string& name, int part)
    {
        CObject* object = gApp.findObject(name);
        return object->getEntity()->getSubEntity(part)->getMaterialName();
    }

    static bool visible(const std::string& name)
    {
        return gApp.findObject(name)->getEntity()->getVisible();
    }

    /// The cursor over the point of the camera's space, button as given.
    static void cursorAt(const vec3& point, bool down)
    {
        const Ogre::Vector2 screen = CVirtualScript::projectPoint(point);
        mouse(screen.x, screen.y, down);
    }

    /// The colour of a texture unit's manual colour (the modulated grey).
    static float grey(const std::string& material, int pass = 0)
    {
        return unit(material, pass)->getColourBlendMode().colourArg2.r;
    }

    std::string mGame;
    CObject* camera = nullptr;
    CObject* board = nullptr;
    CObject* gameObject = nullptr;

private:
    static void makePartsMesh(const std::string& mesh, int parts)
    {
        Ogre::ManualObject* manual = gApp.mSceneMgr->createManualObject();
        for (int i = 0; i < parts; ++i)
        {
            manual->begin("BaseWhite", Ogre::RenderOperation::OT_TRIANGLE_LIST);
            manual->position(0, 0, 0);
            manual->position(1, 0, 0);
            manual->position(0, 1, 0);
            manual->triangle(0, 1, 2);
            manual->end();
        }
        manual->convertToMesh(mesh);
        gApp.mSceneMgr->destroyManualObject(manual);
    }
};
} // namespace tq
