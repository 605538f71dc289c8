// The log's formatting bound and the trace file.
#include "Log.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace
{
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
