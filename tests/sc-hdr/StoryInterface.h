// The real in-game interface ("00_game_interface", 00_ginterface) as the
// story's task engine in the tests of the scripts it waits for: a test
// builds a thread of a few tasks, as a location's plan does, and sees the
// thread go on when the real script answers.  The interface starts in game
// state 100 on a location without a plan; recorders stand in for the
// objects it talks to that the test does not provide.  The test provides
// the overlay system, a texture manager and the input layer.
#pragma once

#include "00_ginterface.h"
#include "Application.h"
#include "HeadlessEngine.h"
#include "VirtualScript.h"

#include <string>

namespace tq
{
class StoryInterface
{
public:
    /// The interface after its create frame, with no thread yet.
    static sc_00_ginterface* add(HeadlessEngine& engine)
    {
        CVirtualScript::setConfigI("game_state", 100);
        CVirtualScript::setConfigI("load_from_save", 0);
        CVirtualScript::setVarI("cur_loc", 7); // no play plan
        gApp.mCheats = false;
        for (const char* name : {"00_loader", "00_hint", "interface", "01_cam_move", "journal", "00_sfx_env"})
            if (!gApp.findObject(name))
                engine.addRecorder(name);
        CObject* object = engine.addObject("00_game_interface", "00_ginterface.sc");
        engine.frame();
        return HeadlessEngine::scriptOf<sc_00_ginterface>(object);
    }

    /// The game begins (the loader's 555, the fade-in's 550): the threads
    /// built so far start.
    static void play(HeadlessEngine& engine)
    {
        CObject* object = gApp.findObject("00_game_interface");
        engine.notify(object, 555);
        engine.notify(object, 550);
        engine.frames(2);
    }
};
} // namespace tq
