// The one log of the program.  A "-log" run sends every line to the
// console, the debugger output (standard error) and OGRE's log ("game.log");
// any other run only to the debugger output, and that only when the
// environment asks for it (LogOutput.h chooses the outputs and writes them
// once a frame).  Texts carry their own line breaks, usually at their start.
#pragma once

#include <string>

namespace Log
{
/// printf-style; the formatted text is cut at 4095 bytes.
void print(const char* format, ...) __attribute__((format(printf, 1, 2)));
/// One finished text to all three sinks.
void output(const char* text);

/// Tests read what was logged: every text since the last clear.
void captureBegin();
std::string captured();
void captureEnd();
} // namespace Log

namespace Trace
{
/// The script trace's buffer, appended to by the script runtime.
std::string& buffer();
/// Set from "-trace" at start.
extern bool gTraceOn;
/// Number in the trace file name; 1 in every traced run.
extern int gTraceRun;
/// True only while the flush holds the trace file open.
extern bool gTraceFileOpen;
/// Writes the buffer to "trace_%02d.txt" (truncating) and empties it.
void flushToFile();
} // namespace Trace
