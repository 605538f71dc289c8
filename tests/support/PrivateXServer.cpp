#include "PrivateXServer.h"

#include "XDriver.h"

#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace tq
{
PrivateXServer::~PrivateXServer()
{
    stop();
}

bool PrivateXServer::start(int width, int height)
{
    const char* old = std::getenv("DISPLAY");
    mHadDisplay = old != nullptr;
    mOldDisplay = old ? old : "";
    // A display number that no other server holds: its lock file is free.
    int number = 200 + static_cast<int>(getpid() % 500);
    while (access(("/tmp/.X" + std::to_string(number) + "-lock").c_str(), F_OK) == 0)
        ++number;
    const std::string display = ":" + std::to_string(number);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    mPid = spawnIn("/", "/usr/bin/Xvfb", {display, "-screen", "0", screen, "-nolisten", "tcp", "-noreset"},
                   "/dev/null", "/dev/null");
    if (mPid <= 0)
        return false;
    setenv("DISPLAY", display.c_str(), 1);
    for (int i = 0; i < 100; ++i)
    {
        if (hasDisplay())
            return true;
        pause(50);
    }
    stop();
    return false;
}

void PrivateXServer::stop()
{
    if (mPid > 0)
    {
        kill(mPid, SIGTERM);
        int status = 0;
        waitpid(mPid, &status, 0);
        mPid = 0;
    }
    if (mHadDisplay)
        setenv("DISPLAY", mOldDisplay.c_str(), 1);
    else
        unsetenv("DISPLAY");
}
} // namespace tq
