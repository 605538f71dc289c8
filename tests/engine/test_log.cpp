// The log's formatting bound, its sinks and when they are written, and the
// trace file.
#include "GameLogFile.h"
#include "Log.h"
#include "LogOutput.h"
#include "TestSupport.h"
#include "platform/Output.h"
#include "platform/Platform.h"

#include <OgreLogManager.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <regex>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
// Standard output and error go to files for the life of the object.
class Redirected
{
public:
    explicit Redirected(const tq::TempDir& dir) : mOut(dir.file("out.txt")), mErr(dir.file("err.txt"))
    {
        Platform::flushOutput();
        mSavedOut = dup(STDOUT_FILENO);
        mSavedErr = dup(STDERR_FILENO);
        redirect(STDOUT_FILENO, mOut);
        redirect(STDERR_FILENO, mErr);
    }
    ~Redirected()
    {
        Log::endRun();
        dup2(mSavedOut, STDOUT_FILENO);
        dup2(mSavedErr, STDERR_FILENO);
        close(mSavedOut);
        close(mSavedErr);
    }
    std::string out() const { return tq::readFile(mOut); }
    std::string err() const { return tq::readFile(mErr); }

private:
    static void redirect(int fd, const std::string& path)
    {
        const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(file, fd);
        close(file);
    }
    std::string mOut, mErr;
    int mSavedOut = -1, mSavedErr = -1;
};

TEST(LogSinks, WithoutTheLogSwitchOnlyTheEnvironmentOpensTheDebuggerOutput)
{
    const struct
    {
        bool runLog;
        const char* environment; // null: unset
        bool console, debugger;
    } cases[] = {
        {false, nullptr, false, false}, {false, "0", false, false}, {false, "", false, false},
        {false, "1", false, true},      {true, nullptr, true, true},
    };
    for (const auto& c : cases)
    {
        if (c.environment)
            setenv("TQ_DEBUG_OUTPUT", c.environment, 1);
        else
            unsetenv("TQ_DEBUG_OUTPUT");
        Log::startRun(c.runLog);
        EXPECT_EQ(Platform::consoleOpen(), c.console) << c.runLog << " " << (c.environment ? c.environment : "-");
        EXPECT_EQ(Platform::debugOutputEnabled(), c.debugger) << c.runLog << " " << (c.environment ? c.environment : "-");
        Log::endRun();
    }
    unsetenv("TQ_DEBUG_OUTPUT");
}

TEST(LogSinks, LinesWaitForTheFrameFlushAndNothingIsWrittenWithoutASink)
{
    tq::TempDir dir;
    Redirected streams(dir);
    unsetenv("TQ_DEBUG_OUTPUT");
    Log::startRun(false);
    Log::print("\nnobody listens");
    Log::flush();
    EXPECT_EQ(streams.out(), "");
    EXPECT_EQ(streams.err(), "");

    Log::startRun(true);
    Log::print("\nfirst %d", 1);
    Log::print("\nsecond");
    EXPECT_EQ(streams.out(), "") << "written before the frame ended";
    EXPECT_EQ(streams.err(), "");
    Log::flush();
    EXPECT_EQ(streams.out(), "\nfirst 1\nsecond");
    EXPECT_EQ(streams.err(), "\nfirst 1\nsecond");

    // A long load without frames does not hold its lines without bound.
    const std::string line(1000, 'x');
    for (int i = 0; i < 300; ++i)
        Log::print("\n%s", line.c_str());
    EXPECT_GT(streams.err().size(), 200000u);
}

TEST(LogSinks, GameLogHasOgresStampedLinesOnceFlushed)
{
    tq::TempDir dir;
    Ogre::LogManager manager;
    Ogre::Log* log = manager.createLog("game.log", true, false, true);
    CGameLogFile file;
    ASSERT_TRUE(file.open(dir.file("game.log")));
    log->addListener(&file);
    manager.logMessage("TQ: \nScene loaded");
    EXPECT_EQ(tq::readFile(dir.file("game.log")), "");
    Log::flush();
    EXPECT_TRUE(std::regex_match(tq::readFile(dir.file("game.log")),
                                 std::regex("[0-2][0-9]:[0-5][0-9]:[0-6][0-9]: TQ: \nScene loaded\n")))
        << tq::readFile(dir.file("game.log"));
    log->removeListener(&file);
    file.close();
}

TEST(LogSinks, ACrashWritesWhatTheOutputsHold)
{
    tq::TempDir dir;
    const std::string errPath = dir.file("crash.txt");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        const int file = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(file, STDERR_FILENO);
        setenv("TQ_DEBUG_OUTPUT", "1", 1);
        Log::startRun(false);
        Log::print("\nlast words");
        std::raise(SIGSEGV);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGSEGV);
    EXPECT_EQ(tq::readFile(errPath), "\nlast words");
}

TEST(Log, TextUpTo4095CharactersIsWrittenWholeAndLongerIsCut)
{
    Log::captureBegin();
    const std::string exact(4095, 'x');
    Log::print("%s", exact.c_str());
    EXPECT_EQ(Log::captured(), exact);

    Log::captureBegin();
    const std::string longer(10000, 'y');
    Log::print("%s", longer.c_str());
    EXPECT_EQ(Log::captured(), std::string(4095, 'y'));
    Log::captureEnd();
}

TEST(Log, FormatsLikePrintf)
{
    Log::captureBegin();
    Log::print("\nWARNING: Can't find object [%s] by name! %d %.2f", "door", 7, 1.5);
    EXPECT_EQ(Log::captured(), "\nWARNING: Can't find object [door] by name! 7 1.50");
    Log::captureEnd();
}

TEST(Trace, FileHoldsOnlyTheTextSinceThePreviousFlush)
{
    tq::TempDir dir;
    Trace::gTraceOn = true;
    Trace::gTraceRun = 1;
    Trace::buffer() = "first frame\n";
    Trace::flushToFile();
    EXPECT_EQ(tq::readFile("trace_01.txt"), "first frame\n");
    Trace::buffer() = "second frame\n";
    Trace::flushToFile();
    EXPECT_EQ(tq::readFile("trace_01.txt"), "second frame\n");
    EXPECT_TRUE(Trace::buffer().empty());
    EXPECT_FALSE(Trace::gTraceFileOpen);
}

TEST(Trace, NothingIsWrittenWithoutTracing)
{
    tq::TempDir dir;
    Trace::gTraceOn = false;
    Trace::gTraceRun = 1;
    Trace::buffer() = "text";
    Trace::flushToFile();
    EXPECT_NE(access("trace_01.txt", F_OK), 0);
    Trace::buffer().clear();
}
} // namespace
