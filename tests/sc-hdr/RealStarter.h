// The real mini-game starter ("00_minigame_starter") as it runs when a game
// is played from the main menu's list (game_state 1..49): at its creation
// it starts the game of that number, and the game's end notice (1200) sends
// the loader back to the menu and closes the game.  "00_loader" is a
// recorder unless the test has one.
#pragma once

#include "Application.h"
#include "HeadlessEngine.h"
#include "VirtualScript.h"

namespace tq
{
class RealStarter
{
public:
    /// The starter of game number game (1..49), its create message queued:
    /// the game starts in the frames after it.
    static CObject* add(HeadlessEngine& engine, int game)
    {
        CVirtualScript::setConfigI("game_state", game);
        if (!gApp.findObject("00_loader"))
            engine.addRecorder("00_loader");
        return engine.addObject("00_minigame_starter", "00_minigame_starter.sc");
    }

    /// The game chosen again from the menu: the starter's own request, as
    /// at its creation.
    static void again(HeadlessEngine& engine, CObject* starter)
    {
        engine.notify(starter, CVirtualScript::getConfigI("game_state") + 1000, starter);
    }
};
} // namespace tq
