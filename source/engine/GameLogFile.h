// "game.log" of a "-log" run.  OGRE's own log file writes and flushes every
// line; this listener writes the same lines ("HH:MM:SS: " and the text)
// through the platform's buffered log file, which is written once a frame,
// at exit and on a crash.
#pragma once

#include <OgreLog.h>

#include <ctime>
#include <string>

class CGameLogFile : public Ogre::LogListener
{
public:
    /// Opens (truncates) the file; false when it cannot be written.
    bool open(const std::string& path);
    void close();

    void messageLogged(const Ogre::String& message, Ogre::LogMessageLevel level, bool maskDebug,
                       const Ogre::String& logName, bool& skipThisMessage) override;

private:
    std::time_t mStampTime = -1;
    char mStamp[16] = {};
};
