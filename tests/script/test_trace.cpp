// The script trace: line layout, header lines, time stamps, the call depth
// on every exit path, and the flush to "trace_01.txt".
#include "Trace.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <ctime>
#include <stdexcept>

namespace
{
class ScriptTrace : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Trace::gTraceOn = true;
        Trace::gTraceRun = 1;
        Trace::gTraceFileOpen = true;
        Trace::gCallDepth = 0;
        Trace::resetLineState();
        Trace::buffer().clear();
    }
    void TearDown() override
    {
        Trace::gTraceOn = false;
        Trace::gTraceFileOpen = false;
    }

    /// The lines of the buffer.
    static std::vector<std::string> lines()
    {
        std::vector<std::string> result;
        const std::string& text = Trace::buffer();
        size_t start = 0;
        while (start < text.size())
        {
            const size_t end = text.find('\n', start);
            result.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return result;
    }

    tq::TempDir dir;
};

void inner()
{
    TQ_TRACE(" inner(int code)");
}

void outer()
{
    TQ_TRACE(" outer()");
    inner();
}

void failing()
{
    TQ_TRACE(" failing()");
    throw std::runtime_error("handler failed");
}

TEST_F(ScriptTrace, LineLayoutAndIndentation)
{
    // Two entries within one second: only the first carries the stamp.  A
    // second boundary between them is possible; then try again.
    for (int attempt = 0; attempt < 3; ++attempt)
    {
        Trace::resetLineState();
        Trace::buffer().clear();
        const time_t before = std::time(nullptr);
        Trace::enterFunction("source/sc-hdr/00_fader.h", 32, " ON_CREATE()", "()");
        Trace::enterFunction("source/sc-hdr/00_fader.h", 7, " getObjParamI(OBJECT_HANDLE obj, const String& prm)", "()");
        Trace::leaveFunction();
        Trace::leaveFunction();
        if (std::time(nullptr) != before)
            continue;
        const std::vector<std::string> got = lines();
        ASSERT_EQ(got.size(), 3u);
        EXPECT_EQ(got[0], "source/sc-hdr/00_fader.h");
        char stamp[32];
        std::tm local{};
        localtime_r(&before, &local);
        std::strftime(stamp, sizeof(stamp), "%Y%m%d.%H%M%S", &local);
        EXPECT_EQ(got[1], std::string(stamp) + " > (0) L(0032):  ON_CREATE()()");
        EXPECT_EQ(got[2], std::string(15, ' ') + " | > (1) L(0007):  getObjParamI(OBJECT_HANDLE obj, const String& prm)()");
        EXPECT_EQ(Trace::gCallDepth, 0);
        return;
    }
    FAIL() << "the clock changed second in every attempt";
}

TEST_F(ScriptTrace, HeaderLineOnlyWhenTheScriptChanges)
{
    Trace::enterFunction("source/sc-hdr/00_exit.h", 1, " a()", "()");
    Trace::enterFunction("source/sc-hdr/00_exit.h", 2, " b()", "()");
    Trace::enterFunction("source/sc-hdr/00_hint.h", 3, " c()", "()");
    Trace::enterFunction("source/sc-hdr/00_exit.h", 4, " d()", "()");
    int headers = 0;
    for (const std::string& line : lines())
        headers += line.compare(0, 7, "source/") == 0;
    EXPECT_EQ(headers, 3);
    EXPECT_EQ(Trace::gCallDepth, 4);
}

TEST_F(ScriptTrace, DeepIndentationIsPaddedWithBlanks)
{
    Trace::writeLine("h", 36, "X");
    const std::vector<std::string> got = lines();
    ASSERT_EQ(got.size(), 2u);
    std::string indent;
    for (int i = 0; i < 34; ++i)
        indent += "| ";
    EXPECT_EQ(got[1].substr(16), std::string(4, ' ') + indent + "> (36)X");
}

TEST_F(ScriptTrace, DepthFallsOnEveryExitPath)
{
    outer();
    EXPECT_EQ(Trace::gCallDepth, 0);
    EXPECT_THROW(failing(), std::runtime_error);
    EXPECT_EQ(Trace::gCallDepth, 0);
    EXPECT_EQ(lines().size(), 4u); // header, outer, inner, failing
}

TEST_F(ScriptTrace, WithoutTheFileEntriesCountButRecordNothing)
{
    Trace::gTraceFileOpen = false;
    Trace::enterFunction("source/sc-hdr/00_exit.h", 1, " a()", "()");
    EXPECT_EQ(Trace::gCallDepth, 1);
    EXPECT_TRUE(Trace::buffer().empty());
}

TEST_F(ScriptTrace, OffMeansNothingAtAll)
{
    Trace::gTraceOn = false;
    outer();
    Trace::append("text");
    EXPECT_EQ(Trace::gCallDepth, 0);
    EXPECT_TRUE(Trace::buffer().empty());
}

TEST_F(ScriptTrace, FlushRewritesTheFileWithTheLastFramesText)
{
    Trace::gTraceFileOpen = false;
    Trace::append("first frame");
    Trace::flushToFile();
    EXPECT_EQ(tq::readFile(dir.file("trace_01.txt")), "first frame\n");
    Trace::append("second frame");
    Trace::flushToFile();
    EXPECT_EQ(tq::readFile(dir.file("trace_01.txt")), "second frame\n");
    EXPECT_TRUE(Trace::buffer().empty());
}
} // namespace
