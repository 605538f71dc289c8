#include "GameLogFile.h"

#include "platform/Output.h"
#include "platform/Platform.h"

#include <cstring>

bool CGameLogFile::open(const std::string& path)
{
    mStampTime = -1;
    return Platform::openLogFile(path);
}

void CGameLogFile::close()
{
    Platform::closeLogFile();
}

void CGameLogFile::messageLogged(const Ogre::String& message, Ogre::LogMessageLevel, bool, const Ogre::String&,
                                 bool&)
{
    // The stamp changes once a second: formatting it for every line would
    // cost more than the line.
    const std::time_t now = std::time(nullptr);
    if (now != mStampTime)
    {
        std::tm local{};
        localtime_r(&now, &local);
        std::strftime(mStamp, sizeof(mStamp), "%H:%M:%S: ", &local);
        mStampTime = now;
    }
    Platform::logFileWrite(mStamp, std::strlen(mStamp));
    Platform::logFileWrite(message.data(), message.size());
    Platform::logFileWrite("\n", 1);
}
