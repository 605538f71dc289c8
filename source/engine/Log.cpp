#include "Log.h"

#include "LogOutput.h"
#include "platform/Output.h"
#include "platform/Platform.h"

#include <OgreLogManager.h>

#include <cstdarg>
#include <cstdio>

namespace
{
// Every game line in OGRE's log starts with this word.
const char* const kOgreLogPrefix = "TQ: ";

bool gCapturing = false;
std::string gCaptured;
// OGRE's log is a sink only in a "-log" run: otherwise it writes nowhere.
bool gToOgreLog = false;

// Whether any sink takes the text: without one a line costs no formatting.
bool anySink()
{
    return gCapturing || gToOgreLog || Platform::debugOutputEnabled() || Platform::consoleOpen();
}
} // namespace

namespace Log
{
void print(const char* format, ...)
{
    if (!anySink())
        return;
    char text[4096];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    output(text);
}

void output(const char* text)
{
    Platform::consoleWrite(text);
    if (gToOgreLog)
    {
        if (Ogre::LogManager* manager = Ogre::LogManager::getSingletonPtr())
        {
            if (manager->getDefaultLog())
                manager->logMessage(std::string(kOgreLogPrefix) + text, Ogre::LML_NORMAL, false);
        }
    }
    Platform::debugOutput(text);
    if (gCapturing)
        gCaptured += text;
}

void startRun(bool runLog)
{
    gToOgreLog = runLog;
    if (runLog)
        Platform::openConsole();
    Platform::enableDebugOutput(runLog || Platform::debugOutputRequested());
    Platform::installOutputFlushAtExit();
}

void endRun()
{
    Platform::flushOutput();
    Platform::closeConsole();
    Platform::enableDebugOutput(false);
    gToOgreLog = false;
}

void flush()
{
    Platform::flushOutput();
}

void captureBegin()
{
    gCapturing = true;
    gCaptured.clear();
}

std::string captured()
{
    return gCaptured;
}

void captureEnd()
{
    gCapturing = false;
    gCaptured.clear();
}
} // namespace Log

namespace Trace
{
bool gTraceOn = false;
int gTraceRun = 0;
bool gTraceFileOpen = false;

std::string& buffer()
{
    static std::string text;
    return text;
}

void flushToFile()
{
    if (!gTraceOn)
        return;
    char name[32];
    std::snprintf(name, sizeof(name), "trace_%02d.txt", gTraceRun);
    FILE* file = std::fopen(name, "w");
    if (!file)
    {
        // Keep collecting; the next flush tries again.
        static bool reported = false;
        if (!reported)
            Log::print("\nWARNING: Can't open trace file %s\n", name);
        reported = true;
        return;
    }
    gTraceFileOpen = true;
    std::fwrite(buffer().data(), 1, buffer().size(), file);
    std::fflush(file);
    std::fclose(file);
    gTraceFileOpen = false;
    buffer().clear();
}
} // namespace Trace
