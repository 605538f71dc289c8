// The script trace's line writer.
#include "Trace.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

namespace
{
const char* const kIndent = "| | | | | | | | | | | | | | | | | | | | | | | | | | | | | | | | | | ";
const int kIndentLength = 68;

bool gHaveLastHeader = false;
std::string gLastHeader;
time_t gLastTime = static_cast<time_t>(-1);

// Paths as compiled are absolute here; the trace shows them from the
// project's own folders on.
const char* shortHeader(const char* header)
{
    if (!header)
        return "";
    const char* from = std::strstr(header, "source/");
    return from ? from : header;
}
} // namespace

namespace Trace
{
int gCallDepth = 0;

void enterFunction(const char* header, int line, const char* signature, const char* suffix)
{
    if (!gTraceOn)
        return;
    char text[1024] = {};
    std::snprintf(text, sizeof(text), " L(%04d): %s%s", line, signature ? signature : "",
                  suffix ? suffix : "");
    writeLine(shortHeader(header), gCallDepth, text);
    ++gCallDepth;
}

void leaveFunction()
{
    if (gTraceOn)
        --gCallDepth;
}

void append(const char* text)
{
    if (!gTraceOn)
        return;
    buffer() += text;
    buffer() += "\n";
}

void writeLine(const char* header, int depth, const char* entry)
{
    if (!gTraceFileOpen)
        return;
    if (!gHaveLastHeader || gLastHeader.find(header) == std::string::npos)
        append(header);
    gLastHeader = header;
    gHaveLastHeader = true;

    char stamp[32] = {};
    const time_t now = std::time(nullptr);
    if (now == gLastTime)
    {
        std::memset(stamp, ' ', 15);
    }
    else
    {
        std::tm local{};
        localtime_r(&now, &local);
        std::strftime(stamp, sizeof(stamp), "%Y%m%d.%H%M%S", &local);
    }
    gLastTime = now;

    if (depth < 0)
        depth = 0;
    const int width = 2 * depth;
    const int shown = width < kIndentLength ? width : kIndentLength;
    char head[256] = {};
    std::snprintf(head, sizeof(head), "%s %*.*s> (%d)", stamp, width, shown, kIndent, depth);
    buffer() += head;
    buffer() += entry;
    buffer() += "\n";
}

void resetLineState()
{
    gHaveLastHeader = false;
    gLastHeader.clear();
    gLastTime = static_cast<time_t>(-1);
}
} // namespace Trace
