// Helpers of the clickable-piece tests: a room holding a piece object and
// a spy in place of the game it reports to, and the pointer's full visit
// of the piece.
#pragma once

#include "HeadlessEngine.h"
#include "SpyNotes.h"

#include <string>

namespace tq
{
/// The notes the game got for one visit of the pointer to the piece: onto
/// it, button down, button up, away from it.  The events go out within one
/// frame, before the engine's own picking (which finds nothing under the
/// cursor here) can take the focus away.
inline Calls visit(HeadlessEngine& engine, CObject* piece, const std::string& game)
{
    RecordingScript::calls().clear();
    engine.hover(piece);
    engine.postButton(piece, true);
    engine.postButton(piece, false);
    engine.hover(nullptr);
    engine.frames(2);
    return notes(game);
}

/// The codes of a visit as notes with sender 0: focus, press, release,
/// loss of focus.
inline Calls visitCodes(int focus, int press, int release, int unfocus)
{
    return Calls{note(focus, nullptr), note(press, nullptr), note(release, nullptr), note(unfocus, nullptr)};
}
} // namespace tq
