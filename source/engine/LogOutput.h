// Where the log's lines go in a run, and when they are written.  In a
// "-log" run every line goes to the console (standard output), the debugger
// output (standard error) and OGRE's log ("game.log"); otherwise only to
// the debugger output, and that only when the environment asks for it
// (TQ_DEBUG_OUTPUT).  Without any output a line is not even formatted.  The
// outputs hold their text until flush: the frame loop flushes once a frame,
// the program at exit and on a crash.
#pragma once

namespace Log
{
/// Chooses the outputs of a run: all three with runLog ("-log").
void startRun(bool runLog);
/// Writes what the outputs hold and closes them.
void endRun();
/// Writes what the console, the debugger output and "game.log" hold.
void flush();
} // namespace Log
