// The message base script: its constants, predicates and the two requests
// to the loader.
#include "00_msg.h"
#include "HeadlessEngine.h"
#include "ScriptRegistry.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
using tq::RecordingScript;

std::unique_ptr<sc_00_msg> makeMsg()
{
    CVirtualScript* script = createScriptByName("00_msg.sc");
    return std::unique_ptr<sc_00_msg>(dynamic_cast<sc_00_msg*>(script));
}

TEST(Msg00, ConstantsInOrder)
{
    auto msg = makeMsg();
    ASSERT_NE(msg, nullptr);
    const int values[] = {msg->mLoaderAnswer, msg->mStopCode,    msg->mCamCommonPlaneA, msg->mCamCommonPlaneB,
                          msg->mFadeAccelerate, msg->mFadeEnableAccel, msg->mLoaderFade1, msg->mLoaderFade3,
                          msg->mLoaderFade2,  msg->mLoaderFade4, msg->mNearPlaneMax,    msg->mNearPlaneMin,
                          msg->mLoaderAnswer2};
    const int expected[] = {1100, 10000, 7770, 7771, 2222, 2223, 101, 103, 102, 104, 6700, 6100, 1101};
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(values[i], expected[i]) << i;
}

TEST(Msg00, Predicates)
{
    auto msg = makeMsg();
    ASSERT_NE(msg, nullptr);
    struct Case
    {
        int code;
        bool commonPlane;
        bool nearPlane;
        bool nearPlaneOut;
    };
    const Case cases[] = {
        {7769, false, false, false}, {7770, true, false, false}, {7771, true, false, false},
        {7772, false, false, false}, {6100, false, false, false}, {6101, false, true, false},
        {6199, false, true, false},  {6200, false, true, true},   {6299, false, true, true},
        {6300, false, true, false},  {6699, false, true, false},  {6700, false, false, false},
        {6001, false, false, false}, {0, false, false, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(msg->cameraIsCommonPlaneRotation(c.code), c.commonPlane);
        EXPECT_EQ(msg->cameraIsMoveNearPlane(c.code), c.nearPlane);
        EXPECT_EQ(msg->cameraIsNearPlaneOut(c.code), c.nearPlaneOut);
    }
}

TEST(Msg00, RequestsReachTheLoaderByName)
{
    tq::TempDir dir;
    tq::HeadlessEngine engine;
    engine.addRecorder("00_loader");
    CObject* room = engine.addObject("room", "00_msg.sc");
    engine.frame();
    RecordingScript::calls().clear();
    sc_00_msg* msg = tq::HeadlessEngine::scriptOf<sc_00_msg>(room);
    ASSERT_NE(msg, nullptr);
    msg->fadeAccelerateRequest();
    msg->fadeEnableAccelerate();
    engine.frame();
    EXPECT_EQ(RecordingScript::callsOf("00_loader"),
              (std::vector<std::string>{"ON_NOTIFY()", "ON_NOTIFY(2222)", "ON_NOTIFY(2222,0)", "ON_NOTIFY()",
                                        "ON_NOTIFY(2223)", "ON_NOTIFY(2223,0)"}));
}

TEST(Msg00, WithoutALoaderEachRequestWarnsOnce)
{
    tq::TempDir dir;
    tq::HeadlessEngine engine;
    CObject* room = engine.addObject("room", "00_msg.sc");
    engine.frame();
    engine.clearLog();
    sc_00_msg* msg = tq::HeadlessEngine::scriptOf<sc_00_msg>(room);
    ASSERT_NE(msg, nullptr);
    msg->fadeAccelerateRequest();
    msg->fadeEnableAccelerate();
    engine.frame();
    const std::string log = engine.log();
    const std::string warning = "\nWARNING: Can't find object [00_loader] by name!";
    const size_t first = log.find(warning);
    ASSERT_NE(first, std::string::npos);
    const size_t second = log.find(warning, first + 1);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(log.find(warning, second + 1), std::string::npos);
    EXPECT_EQ(log.find("\nMessage 7"), std::string::npos);
}

TEST(Msg00, BoundAloneItIgnoresEveryMessage)
{
    tq::TempDir dir;
    tq::HeadlessEngine engine;
    CObject* node = engine.addObject("plain", "00_msg.sc");
    engine.click(node);
    engine.notify(node, 5);
    engine.frame();
    EXPECT_NE(engine.log().find("\nMessage 7 (5) in script 00_msg.sc"), std::string::npos);
}
} // namespace
