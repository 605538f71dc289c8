// "scripts.log" of a "-log" run: the statistics of the last pass of the
// message queue that dispatched anything (one line per record, then the
// pass's time and record count).  The queue keeps them and writes the file
// once per scene, when the scene ends, and at exit, rather than after every
// frame.
#pragma once

#include <string>

namespace ScriptStatistics
{
/// Keeps the statistics of a pass, replacing the kept ones (text is taken).
void keep(std::string& text);
/// Writes the kept statistics to "scripts.log", once; nothing when none.
void write();
} // namespace ScriptStatistics
