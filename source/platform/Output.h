// The log's outputs: the console of a "-log" run (standard output), the
// debugger output (standard error) and the log file ("game.log").  Each
// holds its text back until flushOutput, which the game calls once a frame,
// at exit and on a crash, so that a log line costs a copy and not a system
// call.  Held text past a few hundred kilobytes is written at once (a long
// load renders a frame only once a second).  The console's own functions
// are declared in Platform.h.
#pragma once

#include <cstddef>
#include <string>

namespace Platform
{
bool consoleOpen();
/// The debugger output, only while enabled: in a "-log" run, or when the
/// environment sets TQ_DEBUG_OUTPUT to anything but "0".
void enableDebugOutput(bool on);
bool debugOutputEnabled();
/// Whether the environment asks for the debugger output.
bool debugOutputRequested();
/// The log file, truncated when opened.
bool openLogFile(const std::string& path);
void closeLogFile();
void logFileWrite(const char* text, size_t length);
/// Writes what the console, the debugger output and the log file hold.
void flushOutput();
/// Flushes the outputs when the program ends: at exit, and on a crash
/// signal before the signal takes its course.
void installOutputFlushAtExit();
} // namespace Platform
