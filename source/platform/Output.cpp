// The log's outputs on POSIX: standard output, standard error and one log
// file, each written through a buffer of its own.
#include "platform/Output.h"
#include "platform/Platform.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Platform
{
namespace
{
// A buffer this full is written without waiting for the frame's end (a long
// load renders a frame only once a second).
const size_t kFlushAt = 256 * 1024;

struct Output
{
    int fd = -1;
    bool on = false;
    std::string held;
};

Output gConsole{STDOUT_FILENO, false, {}};
Output gDebug{STDERR_FILENO, false, {}};
Output gLogFile{-1, false, {}};

void writeAll(int fd, const char* data, size_t length)
{
    while (length > 0)
    {
        const ssize_t n = ::write(fd, data, length);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // a closed or full output loses the text, never the game
        data += n;
        length -= static_cast<size_t>(n);
    }
}

void flush(Output& output)
{
    if (output.held.empty())
        return;
    if (output.fd >= 0)
        writeAll(output.fd, output.held.data(), output.held.size());
    output.held.clear();
}

void hold(Output& output, const char* text, size_t length)
{
    if (!output.on)
        return;
    output.held.append(text, length);
    if (output.held.size() >= kFlushAt)
        flush(output);
}

void flushAtExit()
{
    flushOutput();
}

// Only write() is used here, which a signal handler may call; the held text
// is written as it stands.
void flushOnSignal(int signal)
{
    flushOutput();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
} // namespace

void openConsole()
{
    gConsole.on = true;
}

void closeConsole()
{
    flush(gConsole);
    gConsole.on = false;
}

bool consoleOpen()
{
    return gConsole.on;
}

void consoleWrite(const char* text)
{
    if (gConsole.on)
        hold(gConsole, text, std::strlen(text));
}

void enableDebugOutput(bool on)
{
    if (!on)
        flush(gDebug);
    gDebug.on = on;
}

bool debugOutputEnabled()
{
    return gDebug.on;
}

bool debugOutputRequested()
{
    const char* value = std::getenv("TQ_DEBUG_OUTPUT");
    return value && *value && std::strcmp(value, "0") != 0;
}

void debugOutput(const char* text)
{
    if (gDebug.on)
        hold(gDebug, text, std::strlen(text));
}

bool openLogFile(const std::string& path)
{
    closeLogFile();
    const int fd = ::open(normalisePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    gLogFile.fd = fd;
    gLogFile.on = true;
    return true;
}

void closeLogFile()
{
    flush(gLogFile);
    if (gLogFile.fd >= 0)
        ::close(gLogFile.fd);
    gLogFile.fd = -1;
    gLogFile.on = false;
}

void logFileWrite(const char* text, size_t length)
{
    hold(gLogFile, text, length);
}

void flushOutput()
{
    flush(gConsole);
    flush(gDebug);
    flush(gLogFile);
}

void installOutputFlushAtExit()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    std::atexit(flushAtExit);
    for (int signal : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT})
        std::signal(signal, flushOnSignal);
}
} // namespace Platform
