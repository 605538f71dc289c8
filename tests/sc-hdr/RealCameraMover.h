// The real camera mover ("01_cam_move", 02_cam_move) for the tests of the
// scripts that ask it for flights and wait for its answer: cameras 1..6 of
// rooms 1..6 of one location (camera c of room r at (100 r, 10 c, 0)), the
// view in room 1 at camera 1, and recorders for the objects the mover tells
// of a flight ("00_movies", "00_loader") unless the test has them.
#pragma once

#include "Application.h"
#include "HeadlessEngine.h"
#include "VirtualScript.h"

#include <OgreSceneNode.h>

#include <cstdio>

namespace tq
{
class RealCameraMover
{
public:
    /// The cameras and the mover, its create message queued.
    static CObject* add(HeadlessEngine& engine, int location = 2)
    {
        CVirtualScript::setVarI("cur_loc", location);
        for (int room = 1; room <= 6; ++room)
            for (int cam = 1; cam <= 6; ++cam)
            {
                char name[32];
                std::snprintf(name, sizeof(name), "%02d_%02d_Camera%02d", location, room, cam);
                engine.addObject(name)->getNode()->setPosition(100.0f * room, 10.0f * cam, 0.0f);
            }
        for (const char* name : {"00_movies", "00_loader"})
            if (!gApp.findObject(name))
                engine.addRecorder(name);
        return engine.addObject("01_cam_move", "02_cam_move.sc");
    }

    /// Frames until any flight under way has ended (the longest, a move
    /// between rooms, takes 2.4 s) and its answer has arrived.
    static void finish(HeadlessEngine& engine) { engine.frames(60, 0.05f); }

    static bool moving() { return CVirtualScript::getVarI("is_camera_moving") == 1; }
};
} // namespace tq
