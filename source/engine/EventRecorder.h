// The event recorder and player: "-record" writes every mouse and keyboard
// event to "game.env", "-play" replays the mouse events of that file, one a
// frame, checking that each click lands on the object it landed on when it
// was recorded.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace OIS
{
class KeyEvent;
class MouseState;
} // namespace OIS

class CInput;

/// One recorded event.
struct CEventRecord
{
    enum Device
    {
        DEVICE_MOUSE = 0,
        DEVICE_KEYBOARD = 1
    };
    enum Action
    {
        ACTION_MOVE = -1,
        ACTION_RELEASE = 0,
        ACTION_PRESS = 1
    };

    uint32_t time = 0; ///< milliseconds since the recording began
    int device = DEVICE_MOUSE;
    int code = -1;     ///< OIS button id or key code; -1 for a move
    int action = ACTION_MOVE;
    float x = 0.0f;    ///< cursor position as fractions of the window
    float y = 0.0f;
    std::string object; ///< hovered object's node name, empty for none
};

/// The text format of "game.env".
namespace EventFile
{
/// The first line of every recording.
extern const char* const kHeader;

/// The line of one event, line break included.
std::string formatLine(const CEventRecord& event);

enum LineKind
{
    LINE_EVENT,     ///< out holds the event
    LINE_SKIPPED,   ///< a comment or a line of one character or less
    LINE_MALFORMED  ///< outside the format
};
/// Reads one line (without or with its line break).
LineKind parseLine(const std::string& line, CEventRecord& out);

/// Every event of a recording's text; lines outside the format are skipped
/// with a warning in the log and counted in malformed when given.
std::vector<CEventRecord> parse(const std::string& text, int* malformed = nullptr);
} // namespace EventFile

class CEventPlayer
{
public:
    enum Mode
    {
        MODE_RECORD = 0,
        MODE_PLAY = 1
    };

    /// Play mode loads the file; record mode replaces it with an empty
    /// recording.  Either way the game clock now is the start.
    CEventPlayer(int mode, const std::string& fileName, CInput* input);
    ~CEventPlayer();

    CEventPlayer(const CEventPlayer&) = delete;
    CEventPlayer& operator=(const CEventPlayer&) = delete;

    bool isPlaying() const { return mMode == MODE_PLAY; }
    bool isRecording() const { return mMode == MODE_RECORD; }

    /// Appends one line with the time since the start; nothing without a file.
    void writeEvent(CEventRecord event);
    /// Records a mouse event from the mouse state (absolute position in
    /// window pixels), with the hovered object's name.
    void recordMouse(const OIS::MouseState& state, int action, int code);
    /// Records a key press or release with the hovered object's name.
    void recordKey(const OIS::KeyEvent& event, bool press);
    /// Replays at most one due event; called once a frame instead of
    /// reading the devices.
    void play();

    /// Events still to come, the next one first.
    size_t pending() const { return mEvents.size() - mCurrent; }

    std::vector<CEventRecord> mEvents;
    int mMode = MODE_RECORD;
    uint32_t mStart = 0;
    size_t mCurrent = 0;
    FILE* mFile = nullptr;

private:
    /// Puts the cursor at a window fraction: the system pointer and the
    /// input layer's mouse-moved handler.
    void moveCursor(float x, float y);
    /// Whether the named object is under the cursor after picking again;
    /// an object that does not exist counts as found.
    bool objectUnderCursor(const std::string& name);

    CInput* mInput = nullptr;
};
