// Driving windows under Xvfb from a test: finding them, reading their title
// and pixels, keys and clicks (xdotool), the window manager's close request,
// and starting the game binary as a child process.  Every wait is bounded, so
// that a window that never comes fails the test instead of hanging it.
#pragma once

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tq
{
/// True when DISPLAY names an X server we can open.
bool hasDisplay();

/// Standard output of a shell command, without its last line break.
std::string shellOutput(const std::string& command);
/// Runs a shell command; true when it exits with 0.
bool shell(const std::string& command);

/// Visible windows whose name matches the extended regular expression.
std::vector<unsigned long> findWindows(const std::string& namePattern);
/// Waits for a visible window whose name matches; 0 when none came within
/// about the given seconds, or when the process alive (if given) ended first.
unsigned long waitForWindow(const std::string& namePattern, double seconds = 30, pid_t alive = 0);
std::string windowName(unsigned long window);
bool windowSize(unsigned long window, int& width, int& height);
/// Gives the window the keyboard focus and waits until it has it.
bool focusWindow(unsigned long window);
/// Presses keys (xdotool names: "Return", "shift+Tab", ...) on the focused window.
bool pressKeys(const std::string& keys);
/// Clicks the left button at x, y inside the window.
bool clickAt(unsigned long window, int x, int y);
/// Sends the window manager's close request (WM_DELETE_WINDOW).
bool sendCloseRequest(unsigned long window);
/// Colour of one pixel of the window as 0xRRGGBB; false when unreadable.
bool windowPixel(unsigned long window, int x, int y, unsigned& rgb);

/// How many colours the window shows in a rectangle given as fractions of
/// its size, sampled on a 32 x 32 grid of one capture; 0 when unreadable.
int windowColours(unsigned long window, float left, float top, float right, float bottom);

/// Runs fn in a child process (while the test's own thread sits in a modal
/// window); its result becomes the child's exit status.
pid_t forkDriver(const std::function<bool()>& fn);
/// Waits for a process for about the given seconds; true when it ended,
/// with its wait status.  A process that does not end is killed.
bool waitForExit(pid_t pid, double seconds, int& status);
/// True when a driver process ended with success.
bool driverSucceeded(pid_t pid);

/// Starts a program in a folder with the arguments; its standard output and
/// error go to outFile and errFile.
pid_t spawnIn(const std::string& folder, const std::string& program, const std::vector<std::string>& args,
              const std::string& outFile, const std::string& errFile);
/// Sleeps for the given milliseconds (between polls).
void pause(int milliseconds);
} // namespace tq
