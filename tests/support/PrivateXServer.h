// An Xvfb of a chosen screen size for one test process, so that a test can
// run the game full screen at sizes the shared display does not have.  The
// process's DISPLAY names it while it runs; the old one comes back after.
#pragma once

#include <string>
#include <sys/types.h>

namespace tq
{
class PrivateXServer
{
public:
    PrivateXServer() = default;
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    /// Starts the server with a 24-bit screen of width x height and points
    /// DISPLAY at it; false when no server came up within a few seconds.
    bool start(int width, int height);
    void stop();

private:
    pid_t mPid = 0;
    std::string mOldDisplay;
    bool mHadDisplay = false;
};
} // namespace tq
