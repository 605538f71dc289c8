// A room for the tests of the board mini-games: the camera node, the game's
// object, its board group "<game>.scene" with the board's objects (each a
// one-triangle entity, placed in the board's coordinates), spies in place of
// the mini-game frame and the menu system (or the real menu script),
// materials, and the mouse aimed
// at points of the board.
//
// The engine's camera stands at the origin looking down -Z, so the camera's
// coordinates, in which a game reads the pointer, are the world's, and the
// board group, hung under the node "Camera" at the origin, keeps them too.
#pragma once

#include "RealInterface.h"
#include "Scene.h"
#include "ScriptFixture.h"
#include "SpyNotes.h"
#include "TestSupport.h"
#include "TriangleMesh.h"

#include <OgreEntity.h>
#include <OgreMaterialManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>

#include <sstream>
#include <string>
#include <vector>

namespace tq
{
class PuzzleBoardFixture : public ScriptFixture
{
public:
    /// As the program does before it ends: every object's node back under
    /// the root, so that OGRE takes the scene down in any order.
    ~PuzzleBoardFixture()
    {
        if (gApp.mSceneMgr)
            gApp.reattachObjectNodes();
    }

    struct Piece
    {
        std::string name;
        vec3 position;
    };

    /// Loads a room with the game's object (script "<game>.sc") and its
    /// board, runs the create messages and clears the spies' calls.
    CObject* loadBoard(const std::string& game, const std::vector<Piece>& pieces)
    {
        makeTriangleMesh(gApp.mSceneMgr, "tri.mesh");
        std::ostringstream xml;
        xml << "<scene formatVersion=\"0.2.0\"><nodes>\n<node name=\"Camera\"/>\n";
        xml << "<node name=\"" << game << "\" script=\"" << game << ".sc\"/>\n";
        xml << "<node name=\"" << game << ".scene\">\n";
        for (const Piece& p : pieces)
            xml << "<node name=\"" << p.name << "\"><position x=\"" << p.position.x << "\" y=\"" << p.position.y
                << "\" z=\"" << p.position.z << "\"/><entity meshFile=\"tri.mesh\"/></node>\n";
        xml << "</node>\n</nodes></scene>\n";
        writeFile("room.scene", xml.str());
        for (const char* spy : {"00_minigame_starter", "00_minigame_interf", "00_game_interface"})
            engine->addRecorder(spy);
        if (realInterface)
            RealInterface::add(*engine, 1);
        else
            engine->addRecorder("interface");
        Scene::loadScene("room.scene", true);
        engine->frame();
        RecordingScript::calls().clear();
        return gApp.findObject(game);
    }

    /// The cursor over a point of the board (camera coordinates) and the
    /// left button.
    static void aim(const vec3& point, bool down)
    {
        const Ogre::Vector2 screen = CVirtualScript::projectPoint(point);
        mouse(screen.x, screen.y, down);
    }

    /// One tick of the game (a frame of 50 ms by default).
    void tick(float seconds = 0.05f) { engine->frame(seconds); }
    void ticks(int n, float seconds = 0.05f) { engine->frames(n, seconds); }

    static Ogre::SceneNode* node(const std::string& name) { return gApp.mSceneMgr->getSceneNode(name); }
    static vec3 position(const std::string& name) { return node(name)->getPosition(); }
    static bool shown(const std::string& name) { return node(name)->getAttachedObject(0)->getVisible(); }
    static std::string materialOf(const std::string& name, int sub = 0)
    {
        auto* entity = static_cast<Ogre::Entity*>(node(name)->getAttachedObject(0));
        return entity->getSubEntity(sub)->getMaterialName();
    }

    TempDir dir;
    /// Set before loadBoard: the real menu script under "interface" (its
    /// tip window) in place of the spy.
    bool realInterface = false;
};
} // namespace tq
