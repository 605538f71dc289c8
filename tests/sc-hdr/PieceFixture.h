// A board piece in a room with a spy under its game's name: the four mouse
// events on the piece and what the game heard of them.
#pragma once

#include "ZoneFixture.h"

namespace tq
{
class PieceFixture : public ZoneFixture
{
protected:
    /// The piece object of the script, named name, with a spy as its game
    /// (none when game is null), created.
    CObject* piece(const std::string& name, const std::string& script, const char* game)
    {
        if (game)
            spies({game});
        CObject* object = prop(name, script);
        engine.frame();
        return object;
    }

    /// Focus, loss of focus, button down and up on the piece: what game
    /// heard of them, in order.
    Told mouseEvents(CObject* object, const std::string& game)
    {
        forgetTold();
        hover(object);
        hover(nullptr);
        engine.postButton(object, true);
        engine.frames(2);
        engine.postButton(object, false);
        engine.frames(2);
        return told(game);
    }

    /// The four codes of piece number n whose focus code is base, from no
    /// sender.
    static Told reports(int n, int base = 10000)
    {
        Told codes;
        for (int event = 0; event < 4; ++event)
            codes.push_back(std::to_string(n + base + 10000 * event));
        return codes;
    }
};
} // namespace tq
