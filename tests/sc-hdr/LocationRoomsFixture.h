// The fixture of the load checks of the generated locations: the real game
// under Xvfb, a loader sent to a location as the last task of the one before
// would send it, the log lines since then checked for faults, and each room
// drawn from its first camera.
#pragma once

#include "../game/PlayedGame.h"

#include "00_ginterface.h"
#include "00_interface.h"
#include "AnimatableObject.h"
#include "CodeScript.h"
#include "Object.h"

#include <OgreCamera.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreViewport.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace tq
{
class LocationRooms : public tq::PlayedGame
{
protected:
    static sc_00_ginterface* gameInterface()
    {
        CObject* object = gApp.findObject("00_game_interface");
        return object ? dynamic_cast<sc_00_ginterface*>(object->getScript()) : nullptr;
    }

    /// The loader's code for a location, as the last task of the one before
    /// sends it; then its load, and a few seconds of its opening.
    void enter(int location)
    {
        CObject* loader = gApp.findObject("00_loader");
        ASSERT_NE(loader, nullptr);
        player.logFault();
        mLogFrom = Log::captured().size();
        CVirtualScript::sendNotify(loader->getHandle(), 0, 1000 + location);
        char scene[48];
        std::snprintf(scene, sizeof(scene), "Scene %02d_location_start.scene loaded", location);
        ASSERT_TRUE(player.waitUntil([&] { return Log::captured().find(scene) != std::string::npos; }, 3000,
                                     scene))
            << player.error();
        ASSERT_TRUE(player.waitUntil([&] {
            sc_00_ginterface* gi = gameInterface();
            return gi && !gi->threads.empty();
        }, 3000, "the plan's threads")) << player.error();
        // The opening's cut scenes and dialogs run a while; clicks end lines.
        for (int i = 0; i < 20; ++i)
        {
            player.clickAt(0.02f, 0.02f);
            player.frames(30);
        }
    }

    /// Lines that no location may log: a missing object, animation or
    /// resource, a script exception, any error...
    const std::vector<std::string> kForbidden = {"Can't find", "xception", "Cannot locate", "ERROR", "WARNING"};
    /// ...but these, which location 1 logs alike and are no fault of a
    /// location's rooms: a run without a sound device refuses every sound, a
    /// fresh user folder holds no save slots, the one generated figure has
    /// neither the hand bones nor every motion that the scenes name, the
    /// inventory's pictures, the interface's help icon and the view's own
    /// camera node; and the generated meshes have one part where the
    /// pillars' and switches' puzzles colour three.
    const std::vector<std::string> kElsewhere = {"to cache failed", "save_0", "attachObjToBone", "RTT 00_inv_",
                                                 "Can't find anim state", "unused animation",
                                                 "00_ginterface/item/help", "No parent node of camera",
                                                 "has no visibility bit", "Can not get subentity"};

    /// Every forbidden line logged since the location was asked for.
    std::string faults() const
    {
        const std::string log = Log::captured();
        std::string found;
        size_t begin = mLogFrom < log.size() ? mLogFrom : 0;
        while (begin < log.size())
        {
            size_t end = log.find('\n', begin);
            if (end == std::string::npos)
                end = log.size();
            const std::string line = log.substr(begin, end - begin);
            bool forbidden = false, elsewhere = false;
            for (const std::string& f : kForbidden)
                forbidden = forbidden || line.find(f) != std::string::npos;
            for (const std::string& e : kElsewhere)
                elsewhere = elsewhere || line.find(e) != std::string::npos;
            if (forbidden && !elsewhere)
                found += line + "\n";
            begin = end + 1;
        }
        return found;
    }

    /// Each room from its first camera, through an eye of the test's own
    /// (the game's view stays where the story holds it).
    void expectRoomsDrawn(int location, int rooms)
    {
        Ogre::Camera* playerView = gApp.mViewport->getCamera();
        Ogre::SceneManager* scene = gApp.mSceneMgr;
        const std::string eyeName = "test_room_eye_" + std::to_string(location);
        Ogre::Camera* eye = scene->createCamera(eyeName);
        eye->setAspectRatio(playerView->getAspectRatio());
        eye->setFOVy(playerView->getFOVy());
        eye->setNearClipDistance(playerView->getNearClipDistance());
        eye->setFarClipDistance(playerView->getFarClipDistance());
        Ogre::SceneNode* eyeNode = scene->getRootSceneNode()->createChildSceneNode(eyeName);
        eyeNode->attachObject(eye);
        gApp.mViewport->setCamera(eye);
        const uint32_t mask = gApp.mViewport->getVisibilityMask();
        gApp.mViewport->setVisibilityMask(0xFFFFFFFF);
        for (int room = 1; room <= rooms; ++room)
        {
            char name[32];
            std::snprintf(name, sizeof(name), "%02d_%02d_Camera01", location, room);
            ASSERT_TRUE(scene->hasSceneNode(name)) << name;
            Ogre::SceneNode* place = scene->getSceneNode(name);
            eyeNode->setPosition(place->_getDerivedPosition());
            eyeNode->setOrientation(place->_getDerivedOrientation());
            player.frames(3);
            if (const char* keep = std::getenv("TQ_SHOTS"))
            {
                unsigned long window = 0;
                gApp.mWindow->getCustomAttribute("WINDOW", &window);
                tq::shell("import -window " + std::to_string(window) + " " + keep + "/location_" +
                          std::to_string(location) + "_room_" + std::to_string(room) + ".png");
            }
            EXPECT_GE(coloursIn(0.1f, 0.1f, 0.9f, 0.7f), 4)
                << "room " << room << " of location " << location << " is nearly one colour; see " << screenshot();
        }
        gApp.mViewport->setVisibilityMask(mask);
        gApp.mViewport->setCamera(playerView);
    }

    /// A new game as the first run starts it: the name box, then location
    /// 1's opening; the opening itself is location 1's walkthrough's business.
    void startFirstGame()
    {
        ASSERT_NO_FATAL_FAILURE(start("-log -nosfx"));
        ASSERT_TRUE(player.waitUntil([&] {
            player.clickAt(0.02f, 0.02f);
            return tq::GamePlayer::menuShown(sc_00_interface::MENU_NAME);
        }, 600, "the name box of the first run")) << player.error();
        player.startNewGame("Anna");
        ASSERT_NE(Log::captured().find("Scene 01_location_start.scene loaded"), std::string::npos) << player.error();
    }

    struct Case
    {
        int location, rooms;
        size_t threads;
    };

    /// Each location in turn: loaded from its start, its plan's threads
    /// built, no fault in the log, every room drawn.
    void expectLocationsLoad(std::initializer_list<Case> cases)
    {
        for (const Case& c : cases)
        {
            char table[64];
            std::snprintf(table, sizeof(table), "%s/../data/rooms/%02d.txt", TQ_TEST_SOURCE_DIR, c.location);
            if (!std::filesystem::exists(table))
                continue;
            SCOPED_TRACE("location " + std::to_string(c.location));
            ASSERT_NO_FATAL_FAILURE(enter(c.location));
            EXPECT_EQ(tq::GamePlayer::var("cur_loc"), c.location);
            sc_00_ginterface* gi = gameInterface();
            ASSERT_NE(gi, nullptr);
            EXPECT_EQ(gi->threads.size(), c.threads);
            EXPECT_EQ(faults(), "");
            expectFiguresMoveWithTheirWalkingMotions();
            ASSERT_NO_FATAL_FAILURE(expectRoomsDrawn(c.location, c.rooms));
        }
    }

    /// The figures of the location carry themselves with the motions that
    /// its scenes walk them with: a way-point played with a motion of no pace
    /// never arrives, and the scene waiting for the arrival (the officer's
    /// run in the flashback, the lord's steps down) never goes on.
    void expectFiguresMoveWithTheirWalkingMotions()
    {
        const std::vector<std::string> motions = {"walk", "run", "stupenki_vniz", "walk_case", "walk_gun"};
        int checked = 0;
        for (int slot = 0; slot < CObjectCollectorTempl::kSlots; ++slot)
        {
            auto* figure = dynamic_cast<CAnimatableObject*>(gObjectCollector.at(slot));
            if (!figure)
                continue;
            for (const CAnimatableObject::AnimLayer& layer : figure->mLayers)
            {
                const std::string name = layer.state ? layer.state->getAnimationName() : std::string();
                if (std::find(motions.begin(), motions.end(), name) == motions.end())
                    continue;
                ++checked;
                EXPECT_GT(layer.moveSpeed, 0.0f) << figure->getNodeName() << " " << name;
            }
        }
        EXPECT_GT(checked, 0) << "no figure with a walking motion";
    }

    size_t mLogFrom = 0;
};
} // namespace tq
