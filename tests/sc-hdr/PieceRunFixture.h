// A clickable piece on the headless engine: the piece's object, named as in
// its room, and its puzzle as a spy; what the puzzle hears when the pointer
// comes onto the piece, presses, releases and leaves.
#pragma once

#include "HeadlessEngine.h"
#include "SpyNotes.h"

#include <string>
#include <vector>

namespace tq
{
class PieceRun
{
public:
    /// The puzzle's spy (unless puzzle is empty), other spies and the
    /// piece, created in one frame, the spies first as in a room whose
    /// puzzle the piece finds.
    PieceRun(const std::string& script, const std::string& pieceName, const std::string& puzzle,
             const std::vector<std::string>& otherSpies = {})
        : mPuzzle(puzzle)
    {
        if (!puzzle.empty())
            engine.addRecorder(puzzle);
        for (const std::string& spy : otherSpies)
            engine.addRecorder(spy);
        piece = engine.addObject(pieceName, script);
        engine.frame();
        RecordingScript::calls().clear();
    }

    /// Focus, press, release and loss of focus on the piece: the codes and
    /// senders the puzzle got for them, in order.
    Calls fullClick()
    {
        RecordingScript::calls().clear();
        // Posted together: each frame's picking would take the focus from
        // an object that the headless camera does not see.
        engine.hover(piece);
        engine.postButton(piece, true);
        engine.postButton(piece, false);
        engine.hover(nullptr);
        engine.frames(2);
        return heard();
    }

    Calls heard() const { return notes(mPuzzle); }

    HeadlessEngine engine;
    CObject* piece = nullptr;

private:
    std::string mPuzzle;
};
} // namespace tq
