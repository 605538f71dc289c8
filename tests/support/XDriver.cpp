#include "XDriver.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace tq
{
namespace
{
std::string quoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text)
    {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}
} // namespace

void pause(int milliseconds)
{
    timespec ts{milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR)
    {
    }
}

bool hasDisplay()
{
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        return false;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XCloseDisplay(display);
    return true;
}

std::string shellOutput(const std::string& command)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buffer[512];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0)
        out.append(buffer, got);
    pclose(pipe);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    return out;
}

bool shell(const std::string& command)
{
    return std::system(command.c_str()) == 0;
}

std::vector<unsigned long> findWindows(const std::string& namePattern)
{
    std::vector<unsigned long> windows;
    std::istringstream lines(shellOutput("xdotool search --onlyvisible --name " + quoted(namePattern) + " 2>/dev/null"));
    std::string line;
    while (std::getline(lines, line))
        if (!line.empty())
            windows.push_back(std::strtoul(line.c_str(), nullptr, 10));
    return windows;
}

unsigned long waitForWindow(const std::string& namePattern, double seconds, pid_t alive)
{
    for (int tries = static_cast<int>(seconds * 10); tries > 0; --tries)
    {
        const std::vector<unsigned long> windows = findWindows(namePattern);
        if (!windows.empty())
            return windows.front();
        if (alive > 0)
        {
            // Ended already?  Look without reaping, so the caller still can.
            siginfo_t info{};
            if (::waitid(P_PID, static_cast<id_t>(alive), &info, WEXITED | WNOHANG | WNOWAIT) != 0 ||
                info.si_pid == alive)
                return 0;
        }
        pause(100);
    }
    return 0;
}

std::string windowName(unsigned long window)
{
    return shellOutput("xdotool getwindowname " + std::to_string(window) + " 2>/dev/null");
}

bool windowSize(unsigned long window, int& width, int& height)
{
    const std::string text = shellOutput("xdotool getwindowgeometry " + std::to_string(window) + " 2>/dev/null");
    const size_t at = text.find("Geometry: ");
    return at != std::string::npos &&
           std::sscanf(text.c_str() + at, "Geometry: %dx%d", &width, &height) == 2;
}

bool focusWindow(unsigned long window)
{
    return shell("xdotool windowfocus --sync " + std::to_string(window) + " >/dev/null 2>&1");
}

bool pressKeys(const std::string& keys)
{
    return shell("xdotool key --delay 20 " + keys + " >/dev/null 2>&1");
}

bool clickAt(unsigned long window, int x, int y)
{
    return shell("xdotool mousemove --sync --window " + std::to_string(window) + " " + std::to_string(x) + " " +
                 std::to_string(y) + " click 1 >/dev/null 2>&1");
}

bool sendCloseRequest(unsigned long window)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return sent != 0;
}

bool windowPixel(unsigned long window, int x, int y, unsigned& rgb)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    bool ok = false;
    if (image)
    {
        const unsigned long value = XGetPixel(image, 0, 0);
        XColor colour;
        colour.pixel = value;
        XQueryColor(display, DefaultColormap(display, DefaultScreen(display)), &colour);
        rgb = (static_cast<unsigned>(colour.red >> 8) << 16) | (static_cast<unsigned>(colour.green >> 8) << 8) |
              static_cast<unsigned>(colour.blue >> 8);
        XDestroyImage(image);
        ok = true;
    }
    XCloseDisplay(display);
    return ok;
}

int windowColours(unsigned long window, float left, float top, float right, float bottom)
{
    int width = 0, height = 0;
    if (!windowSize(window, width, height) || width <= 0 || height <= 0)
        return 0;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 0;
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height),
                              AllPlanes, ZPixmap);
    std::set<unsigned long> colours;
    if (image)
    {
        const int grid = 32;
        for (int i = 0; i < grid; ++i)
            for (int j = 0; j < grid; ++j)
            {
                const int x = static_cast<int>((left + (right - left) * (i + 0.5f) / grid) * width);
                const int y = static_cast<int>((top + (bottom - top) * (j + 0.5f) / grid) * height);
                colours.insert(XGetPixel(image, x, y));
            }
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return static_cast<int>(colours.size());
}

pid_t forkDriver(const std::function<bool()>& fn)
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(fn() ? 0 : 1);
    return pid;
}

bool waitForExit(pid_t pid, double seconds, int& status)
{
    for (int tries = static_cast<int>(seconds * 20); tries > 0; --tries)
    {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return true;
        if (done < 0)
            return false;
        pause(50);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return false;
}

bool driverSucceeded(pid_t pid)
{
    int status = 0;
    return pid > 0 && waitForExit(pid, 60, status) && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

pid_t spawnIn(const std::string& folder, const std::string& program, const std::vector<std::string>& args,
              const std::string& outFile, const std::string& errFile)
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    if (::chdir(folder.c_str()) != 0)
        ::_exit(127);
    const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out >= 0)
        ::dup2(out, 1);
    if (err >= 0)
        ::dup2(err, 2);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
}
} // namespace tq
