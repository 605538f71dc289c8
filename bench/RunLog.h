// The log of a "-log" run for the benchmarks: console, debugger output and
// "game.log" set up the way the game sets them up, and the end of a frame.
#pragma once

#include "Application.h"
#include "GameLogFile.h"
#include "Log.h"
#include "LogOutput.h"

#include <OgreLogManager.h>

namespace bench
{
struct RunLog
{
    Ogre::Log* headless = nullptr;
    Ogre::Log* game = nullptr;
    CGameLogFile file;
};

inline RunLog& runLog()
{
    static RunLog log;
    return log;
}

inline void enableRunLog()
{
    RunLog& log = runLog();
    gApp.mLog = true;
    Log::startRun(true);
    Ogre::LogManager& logs = Ogre::LogManager::getSingleton();
    log.headless = logs.getDefaultLog();
    log.game = logs.createLog("bench-game.log", true, false, true);
    if (log.file.open("bench-game.log"))
        log.game->addListener(&log.file);
}

// The frame loop writes what the log holds at the start of every frame.
inline void endFrame()
{
    Log::flush();
}

inline void disableRunLog()
{
    RunLog& log = runLog();
    Ogre::LogManager& logs = Ogre::LogManager::getSingleton();
    log.game->removeListener(&log.file);
    log.file.close();
    logs.setDefaultLog(log.headless);
    logs.destroyLog(log.game);
    Log::endRun();
    gApp.mLog = false;
}
} // namespace bench
