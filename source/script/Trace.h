// The script trace: with "-trace" every script function records its entry
// (header, line, signature) and raises the call depth; its exit lowers it,
// also when an exception leaves the function.  Lines reach the trace buffer
// (Log.h) only while the flush holds the trace file.
#pragma once

#include "Log.h"

namespace Trace
{
/// Current call depth of traced script functions.
extern int gCallDepth;

/// Entry of a traced function: records the line, then raises the depth.
void enterFunction(const char* header, int line, const char* signature, const char* suffix);
/// Exit of a traced function: lowers the depth while tracing is on.
void leaveFunction();
/// Appends text and a line break to the buffer while tracing is on.
void append(const char* text);
/// Records one line with its header path, time stamp and indentation.
void writeLine(const char* header, int depth, const char* entry);
/// Forgets the last header path and time (a new run of the trace).
void resetLineState();

/// Enters on construction and leaves on destruction, so the depth is
/// lowered on every exit path, the unwinding one included.
class CScope
{
public:
    CScope(const char* header, int line, const char* signature, const char* suffix)
        : mEntered(gTraceOn)
    {
        if (mEntered)
            enterFunction(header, line, signature, suffix);
    }
    ~CScope()
    {
        if (mEntered)
            leaveFunction();
    }
    CScope(const CScope&) = delete;
    CScope& operator=(const CScope&) = delete;

private:
    bool mEntered;
};
} // namespace Trace

/// The first statement of every script function; the signature is the
/// declaration without the return type, with a leading blank.
#define TQ_TRACE(signature) Trace::CScope tqTraceScope_(__FILE__, __LINE__, signature, "()")
