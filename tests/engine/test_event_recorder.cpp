// The "game.env" line format, recording into it and replaying it on the
// headless engine.
#include "Application.h"
#include "EventRecorder.h"
#include "Log.h"
#include "PickingFixture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
using tq::RecordingScript;

CEventRecord record(uint32_t time, int device, int code, int action, float x, float y, const std::string& object)
{
    CEventRecord e;
    e.time = time;
    e.device = device;
    e.code = code;
    e.action = action;
    e.x = x;
    e.y = y;
    e.object = object;
    return e;
}

const int MOUSE = CEventRecord::DEVICE_MOUSE;
const int KBRD = CEventRecord::DEVICE_KEYBOARD;
const int PRS = CEventRecord::ACTION_PRESS;
const int REL = CEventRecord::ACTION_RELEASE;
const int MOV = CEventRecord::ACTION_MOVE;

TEST(EventFile, FormatsOneLinePerEvent)
{
    struct Case
    {
        CEventRecord event;
        const char* line;
    };
    const Case cases[] = {
        {record(1234, MOUSE, 0, PRS, 0.5f, 0.25f, "door"), "00001234 mouse 00 prs 0.50 0.25 door\n"},
        {record(7, MOUSE, -1, MOV, 0.125f, 1.0f, ""), "00000007 mouse -1 mov 0.12 1.00 null\n"},
        {record(123456789, KBRD, 56, REL, 0, 0, "x"), "123456789 kbrd 56 rel 0.00 0.00 null\n"},
        {record(0, MOUSE, 2, REL, 0.999f, 0.001f, "old chest"), "00000000 mouse 02 rel 1.00 0.00 old chest\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EventFile::formatLine(c.event), c.line);
}

TEST(EventFile, ReadsLinesOfTheFormatAndSkipsTheRest)
{
    using EventFile::LINE_EVENT;
    using EventFile::LINE_MALFORMED;
    using EventFile::LINE_SKIPPED;
    struct Case
    {
        const char* line;
        EventFile::LineKind kind;
        CEventRecord event;
    };
    const Case cases[] = {
        {"00001234 mouse 00 prs 0.50 0.25 door", LINE_EVENT, record(1234, MOUSE, 0, PRS, 0.5f, 0.25f, "door")},
        {"  00000010 kbrd 56 rel 0.00 0.00 null \r\n", LINE_EVENT, record(10, KBRD, 56, REL, 0, 0, "")},
        {"00000011 mouse -1 mov 0.10 0.90 null", LINE_EVENT, record(11, MOUSE, -1, MOV, 0.1f, 0.9f, "")},
        // Device and action are found anywhere in their fields.
        {"5 xmousex 3 aprsb 1 0 lamp", LINE_EVENT, record(5, MOUSE, 3, PRS, 1, 0, "lamp")},
        {"5 keys 3 xrel 1 0 lamp", LINE_EVENT, record(5, KBRD, 3, REL, 1, 0, "lamp")},
        {"5 mouse 3 what 1 0 lamp", LINE_EVENT, record(5, MOUSE, 3, MOV, 1, 0, "lamp")},
        // A name with spaces is the whole rest of the line.
        {"00000020 mouse 00 rel 0.50 0.50 old  oak chest", LINE_EVENT,
         record(20, MOUSE, 0, REL, 0.5f, 0.5f, "old  oak chest")},
        {"//ENGINE EVENT PLAYER FILE", LINE_SKIPPED, {}},
        {"00000020 mouse 00 rel 0.50 0.50 a//b", LINE_SKIPPED, {}},
        {"", LINE_SKIPPED, {}},
        {"x\n", LINE_SKIPPED, {}},
        {"00000020 mouse 00 rel 0.50 0.50", LINE_MALFORMED, {}},
        {"00000020 mouse 00 rel 0.50 0.50 ", LINE_MALFORMED, {}},
        {"00000020 mouse 00", LINE_MALFORMED, {}},
        {"00000020  mouse 00 rel 0.50 0.50 door", LINE_MALFORMED, {}},
        {"time mouse 00 rel 0.50 0.50 door", LINE_MALFORMED, {}},
        {"-5 mouse 00 rel 0.50 0.50 door", LINE_MALFORMED, {}},
        {"99999999999 mouse 00 rel 0.50 0.50 door", LINE_MALFORMED, {}},
        {"1 mouse zz rel 0.50 0.50 door", LINE_MALFORMED, {}},
        {"1 mouse 00 rel nan 0.50 door", LINE_MALFORMED, {}},
        {"1 mouse 00 rel 0.5 1e30 door", LINE_MALFORMED, {}},
        {"1 mouse 00 rel 0.5x 0.5 door", LINE_MALFORMED, {}},
    };
    for (const Case& c : cases)
    {
        CEventRecord got;
        ASSERT_EQ(EventFile::parseLine(c.line, got), c.kind) << c.line;
        if (c.kind != LINE_EVENT)
            continue;
        EXPECT_EQ(got.time, c.event.time) << c.line;
        EXPECT_EQ(got.device, c.event.device) << c.line;
        EXPECT_EQ(got.code, c.event.code) << c.line;
        EXPECT_EQ(got.action, c.event.action) << c.line;
        EXPECT_FLOAT_EQ(got.x, c.event.x) << c.line;
        EXPECT_FLOAT_EQ(got.y, c.event.y) << c.line;
        EXPECT_EQ(got.object, c.event.object) << c.line;
    }
}

TEST(EventFile, DamagedLinesAreSkippedWithAWarning)
{
    Log::captureBegin();
    int malformed = -1;
    const std::vector<CEventRecord> events = EventFile::parse("//ENGINE EVENT PLAYER FILE\n"
                                                              "00000010 mouse 00 prs 0.50 0.50 door\n"
                                                              "00000011 mouse 00\n"
                                                              "\n"
                                                              "00000012 mouse 00 rel 0.50 0.50 door\n",
                                                              &malformed);
    EXPECT_EQ(malformed, 1);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].time, 10u);
    EXPECT_EQ(events[1].time, 12u);
    EXPECT_NE(Log::captured().find("\nWARNING: Event file line 3 is outside the format"), std::string::npos);
    Log::captureEnd();
}

TEST(EventRecorder, WritesTheHeaderAndTimesSinceItsStart)
{
    tq::TempDir dir;
    gApp.mGameClock = 5000;
    {
        CEventPlayer recorder(CEventPlayer::MODE_RECORD, "game.env", nullptr);
        gApp.mGameClock = 5250;
        recorder.writeEvent(record(0, MOUSE, 0, PRS, 0.5f, 0.5f, "door"));
        // Lines are on disk at once, so that an abrupt end keeps them.
        EXPECT_EQ(tq::readFile(dir.file("game.env")),
                  "//ENGINE EVENT PLAYER FILE\n00000250 mouse 00 prs 0.50 0.50 door\n");
        gApp.mGameClock = 6000;
        recorder.writeEvent(record(0, KBRD, 62, REL, 0, 0, ""));
    }
    EXPECT_EQ(tq::readFile(dir.file("game.env")), "//ENGINE EVENT PLAYER FILE\n"
                                                  "00000250 mouse 00 prs 0.50 0.50 door\n"
                                                  "00001000 kbrd 62 rel 0.00 0.00 null\n");
}

TEST(EventRecorder, UnwritableFileRecordsNothingAndSaysSo)
{
    tq::TempDir dir;
    Log::captureBegin();
    CEventPlayer recorder(CEventPlayer::MODE_RECORD, "missing/folder/game.env", nullptr);
    recorder.writeEvent(record(0, MOUSE, 0, PRS, 0.5f, 0.5f, "door"));
    EXPECT_EQ(recorder.mFile, nullptr);
    EXPECT_NE(Log::captured().find("\nWARNING: Can't open event file missing/folder/game.env"), std::string::npos);
    Log::captureEnd();
}

// ---------------------------------------------------------------------------
// Replay on the headless engine

class EventPlayer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        door_ = world_.plate("door", -3, 0, -10);
        lamp_ = world_.plate("lamp", 3, 0, -10);
        world_.engine.frame();
        RecordingScript::calls().clear();
    }

    /// A player on the given recording, owned by the input layer.
    CEventPlayer& play(const std::string& text)
    {
        tq::writeFile(dir_.file("game.env"), text);
        gApp.mInput->mEventPlayer = new CEventPlayer(CEventPlayer::MODE_PLAY, "game.env", gApp.mInput);
        return *gApp.mInput->mEventPlayer;
    }

    /// The window fraction at which a world point shows, as a recording writes it.
    static std::string at(const Ogre::Vector3& world)
    {
        Ogre::Camera* camera = gApp.mCamera;
        const Ogre::Vector3 p = camera->getProjectionMatrix() * (camera->getViewMatrix() * world);
        char text[64];
        std::snprintf(text, sizeof(text), "%.2f %.2f", p.x * 0.5f + 0.5f, 0.5f - p.y * 0.5f);
        return text;
    }

    static std::vector<std::string> named(const std::vector<std::string>& calls)
    {
        std::vector<std::string> result;
        for (const std::string& call : calls)
            if (call.find("BUTTON") != std::string::npos || call.find("FOCUS") != std::string::npos)
                result.push_back(call.substr(0, call.find('(')));
        return result;
    }

    tq::TempDir dir_;
    tq::PickingWorld world_;
    CObject* door_ = nullptr;
    CObject* lamp_ = nullptr;
};

TEST_F(EventPlayer, ReplaysDueMouseEventsOnePerFrameInFileOrder)
{
    const std::string door = at(Ogre::Vector3(-3, 0, -10));
    CEventPlayer& player = play("//ENGINE EVENT PLAYER FILE\n"
                                "00000001 mouse -1 mov " + door + " null\n"
                                "00000002 kbrd 30 prs 0.00 0.00 null\n"
                                "00000003 mouse 00 prs " + door + " door\n"
                                "00000004 mouse 00 rel " + door + " door\n"
                                "00090000 mouse 00 prs " + door + " door\n");
    EXPECT_EQ(player.pending(), 5u);
    world_.engine.frame(0.001f); // the clock has not passed the first event yet
    EXPECT_EQ(player.pending(), 5u);
    world_.engine.frames(5, 0.010f);
    EXPECT_EQ(player.pending(), 1u);
    EXPECT_EQ(named(RecordingScript::calls()),
              (std::vector<std::string>{"door:ON_SETFOCUS", "door:ON_LBUTTONDOWN", "door:ON_LBUTTONDOWN",
                                        "door:ON_LBUTTONUP", "door:ON_LBUTTONUP"}));
    // Keyboard events are consumed without effect.
    EXPECT_EQ(gApp.mInput->mKeyDown[30], 0);
}

TEST_F(EventPlayer, ClickOnNothingIsReplayedWithoutTheObjectCheck)
{
    play("00000000 mouse 00 prs 0.50 0.05 null\n00000000 mouse 00 rel 0.50 0.05 null\n");
    world_.engine.frames(4);
    EXPECT_TRUE(named(RecordingScript::calls()).empty());
    EXPECT_EQ(world_.engine.log().find("Event player can't found"), std::string::npos);
    EXPECT_FALSE(gApp.mInput->mLeftDown);
}

TEST_F(EventPlayer, ClickMissingItsObjectIsMovedOntoTheObject)
{
    // Recorded over the door, but the lamp is named: the lamp has moved
    // since the recording.
    const std::string door = at(Ogre::Vector3(-3, 0, -10));
    play("00000000 mouse 00 prs " + door + " lamp\n00000000 mouse 00 rel " + door + " lamp\n");
    world_.engine.frames(4);
    for (const std::string& call : RecordingScript::callsOf("door"))
        EXPECT_EQ(call.find("BUTTON"), std::string::npos) << call;
    const std::vector<std::string> lamp = named(RecordingScript::callsOf("lamp"));
    EXPECT_EQ(named(RecordingScript::calls()).back(), "lamp:ON_LBUTTONUP");
    EXPECT_NE(std::find(lamp.begin(), lamp.end(), "ON_LBUTTONDOWN"), lamp.end());
    EXPECT_EQ(world_.engine.log().find("Event player can't found"), std::string::npos);
}

TEST_F(EventPlayer, ObjectThatNeverComesUnderTheCursorIsGivenUpOn)
{
    // A hidden lamp is found neither at the recorded point nor at its own
    // position.
    lamp_->getEntity()->setVisible(false);
    const std::string door = at(Ogre::Vector3(-3, 0, -10));
    CEventPlayer& player = play("00000000 mouse 00 prs " + door + " lamp\n"
                                "00000000 mouse 00 rel " + door + " lamp\n");
    world_.engine.frames(3);
    EXPECT_EQ(player.pending(), 0u);
    const std::string log = world_.engine.log();
    EXPECT_NE(log.find("\n* * * * * *\nERROR: Event player can't found lamp (try 2) null!\n* * * * * * *\n"),
              std::string::npos);
    // Replayed as recorded: the click reaches what is under the recorded point.
    std::vector<std::string> buttons;
    for (const std::string& call : named(RecordingScript::callsOf("door")))
        if (call.find("BUTTON") != std::string::npos)
            buttons.push_back(call);
    EXPECT_EQ(buttons, (std::vector<std::string>{"ON_LBUTTONDOWN", "ON_LBUTTONDOWN", "ON_LBUTTONUP", "ON_LBUTTONUP"}));
    world_.engine.frames(5);
    EXPECT_EQ(player.pending(), 0u);
}

TEST_F(EventPlayer, MissingOrDamagedRecordingPlaysNothing)
{
    gApp.mInput->mEventPlayer = new CEventPlayer(CEventPlayer::MODE_PLAY, "absent.env", gApp.mInput);
    EXPECT_EQ(gApp.mInput->mEventPlayer->pending(), 0u);
    world_.engine.frames(2);
    EXPECT_NE(world_.engine.log().find("\nWARNING: Event file absent.env not found"), std::string::npos);

    delete gApp.mInput->mEventPlayer;
    CEventPlayer& player = play("garbage\n1 2 3\n\x01\x02\x03\x04 mouse 00 prs 0.5 0.5 door\n");
    EXPECT_EQ(player.pending(), 0u);
}

TEST_F(EventPlayer, LiveDevicesAreIgnoredWhilePlaying)
{
    play("00000000 mouse -1 mov 0.50 0.50 null\n");
    OIS::MouseEvent event(nullptr, OIS::MouseState());
    gApp.mInput->mousePressed(event, OIS::MB_Left);
    OIS::KeyEvent key(nullptr, OIS::KC_F4, 0);
    gApp.mInput->keyPressed(key);
    EXPECT_FALSE(gApp.mInput->mLeftDown);
    EXPECT_EQ(gApp.mInput->mKeyDown[OIS::KC_F4], 0);
}

TEST_F(EventPlayer, RecordingWritesEveryListenerEventWithTheHoveredObject)
{
    gApp.mInput->mEventPlayer = new CEventPlayer(CEventPlayer::MODE_RECORD, "game.env", gApp.mInput);
    world_.cursor(0.5f, 0.5f);
    OIS::MouseState state;
    state.width = 800;
    state.height = 600;
    // OIS on X11 reports positions 6 pixels short; the recording holds
    // the true ones.
    state.X.abs = 400 - 6;
    state.Y.abs = 150 - 6;
    gApp.mInput->mouseMoved(OIS::MouseEvent(nullptr, state));
    gApp.mHovered = door_;
    gApp.mInput->mousePressed(OIS::MouseEvent(nullptr, state), OIS::MB_Middle);
    gApp.mInput->keyReleased(OIS::KeyEvent(nullptr, OIS::KC_ESCAPE, 0));
    delete gApp.mInput->mEventPlayer;
    gApp.mInput->mEventPlayer = nullptr;

    const std::vector<CEventRecord> events = EventFile::parse(tq::readFile(dir_.file("game.env")));
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(EventFile::formatLine(events[0]), "00000000 mouse -1 mov 0.50 0.25 null\n");
    EXPECT_EQ(EventFile::formatLine(events[1]), "00000000 mouse 02 prs 0.50 0.25 door\n");
    EXPECT_EQ(EventFile::formatLine(events[2]), "00000000 kbrd 01 rel 0.00 0.00 door\n");
}
} // namespace
