#include "EventRecorder.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "Scene.h"
#include "platform/Platform.h"

#include <OgreCamera.h>
#include <OgreSceneNode.h>

#include <ois/OISKeyboard.h>
#include <ois/OISMouse.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace EventFile
{
const char* const kHeader = "//ENGINE EVENT PLAYER FILE\n";

namespace
{
// A recorded position is a fraction of the window; a pointer dragged out of
// the window gives values a little outside 0..1, never more than this.
const double kMaxFraction = 1000.0;

bool readUnsigned(const std::string& field, uint32_t& out)
{
    if (field.empty() || field.size() > 10)
        return false;
    uint64_t value = 0;
    for (char c : field)
    {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFull)
        return false;
    out = static_cast<uint32_t>(value);
    return true;
}

bool readInt(const std::string& field, int& out)
{
    if (field.empty() || field.size() > 11)
        return false;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(field.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < -2147483647L - 1 || value > 2147483647L)
        return false;
    out = static_cast<int>(value);
    return true;
}

bool readFraction(const std::string& field, float& out)
{
    if (field.empty())
        return false;
    char* end = nullptr;
    const double value = std::strtod(field.c_str(), &end);
    if (*end != '\0' || !std::isfinite(value) || std::fabs(value) > kMaxFraction)
        return false;
    out = static_cast<float>(value);
    return true;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
} // namespace

std::string formatLine(const CEventRecord& event)
{
    // Node names never hold line breaks, but a damaged one must not split
    // the recording's lines.
    std::string name = event.object.size() < 2 ? std::string("null") : event.object;
    for (char& c : name)
        if (c == '\n' || c == '\r')
            c = '_';
    char head[160];
    std::snprintf(head, sizeof(head), "%08u %s %02d %s %03.2f %03.2f ", event.time,
                  event.device == CEventRecord::DEVICE_MOUSE ? "mouse" : "kbrd", event.code,
                  event.action == CEventRecord::ACTION_PRESS     ? "prs"
                  : event.action == CEventRecord::ACTION_RELEASE ? "rel"
                                                                 : "mov",
                  event.x, event.y);
    return head + name + "\n";
}

LineKind parseLine(const std::string& raw, CEventRecord& out)
{
    std::string line = raw;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    if (line.size() <= 1 || line.find("//") != std::string::npos)
        return LINE_SKIPPED;
    size_t first = 0;
    while (first < line.size() && isBlank(line[first]))
        ++first;
    size_t last = line.size();
    while (last > first && isBlank(line[last - 1]))
        --last;
    line = line.substr(first, last - first);

    // Six fields at single spaces; the rest of the line is the object's name,
    // which may hold spaces of its own.
    std::string fields[7];
    size_t at = 0;
    for (int i = 0; i < 6; ++i)
    {
        const size_t space = line.find(' ', at);
        if (space == std::string::npos)
            return LINE_MALFORMED;
        fields[i] = line.substr(at, space - at);
        at = space + 1;
    }
    fields[6] = line.substr(at);
    if (fields[6].empty())
        return LINE_MALFORMED;

    CEventRecord event;
    if (!readUnsigned(fields[0], event.time) || !readInt(fields[2], event.code) ||
        !readFraction(fields[4], event.x) || !readFraction(fields[5], event.y))
        return LINE_MALFORMED;
    event.device = fields[1].find("mouse") != std::string::npos ? CEventRecord::DEVICE_MOUSE
                                                                : CEventRecord::DEVICE_KEYBOARD;
    if (fields[3].find("prs") != std::string::npos)
        event.action = CEventRecord::ACTION_PRESS;
    else if (fields[3].find("rel") != std::string::npos)
        event.action = CEventRecord::ACTION_RELEASE;
    else
        event.action = CEventRecord::ACTION_MOVE;
    event.object = fields[6] == "null" ? std::string() : fields[6];
    out = event;
    return LINE_EVENT;
}

std::vector<CEventRecord> parse(const std::string& text, int* malformed)
{
    std::vector<CEventRecord> events;
    int bad = 0;
    int number = 0;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
    {
        ++number;
        CEventRecord event;
        switch (parseLine(line, event))
        {
        case LINE_EVENT: events.push_back(event); break;
        case LINE_SKIPPED: break;
        case LINE_MALFORMED:
            ++bad;
            Log::print("\nWARNING: Event file line %d is outside the format, skipped", number);
            break;
        }
    }
    if (malformed)
        *malformed = bad;
    return events;
}
} // namespace EventFile

CEventPlayer::CEventPlayer(int mode, const std::string& fileName, CInput* input)
    : mMode(mode), mInput(input)
{
    const std::string path = Platform::normalisePath(fileName);
    if (mMode == MODE_PLAY)
    {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            Log::print("\nWARNING: Event file %s not found, nothing to play", fileName.c_str());
        std::ostringstream text;
        text << in.rdbuf();
        mEvents = EventFile::parse(text.str());
    }
    else
    {
        mFile = std::fopen(path.c_str(), "wb");
        if (mFile)
            std::fputs(EventFile::kHeader, mFile);
        else
            Log::print("\nWARNING: Can't open event file %s for recording", fileName.c_str());
    }
    mStart = gApp.mGameClock;
}

CEventPlayer::~CEventPlayer()
{
    if (mFile)
        std::fclose(mFile);
    mFile = nullptr;
}

void CEventPlayer::writeEvent(CEventRecord event)
{
    if (!mFile)
        return;
    event.time = gApp.mGameClock - mStart;
    std::fputs(EventFile::formatLine(event).c_str(), mFile);
    // A run that ends abruptly keeps what was recorded.
    std::fflush(mFile);
}

namespace
{
std::string hoveredName()
{
    const char* name = gApp.mHovered ? gApp.mHovered->getNodeName() : nullptr;
    return name ? std::string(name) : std::string();
}
} // namespace

void CEventPlayer::recordMouse(const OIS::MouseState& state, int action, int code)
{
    CEventRecord event;
    event.device = CEventRecord::DEVICE_MOUSE;
    event.action = action;
    event.code = action == CEventRecord::ACTION_MOVE ? -1 : code;
    const float width = mInput ? mInput->mWindowWidth : 0.0f;
    const float height = mInput ? mInput->mWindowHeight : 0.0f;
    event.x = width > 0.0f ? static_cast<float>(state.X.abs) / width : 0.0f;
    event.y = height > 0.0f ? static_cast<float>(state.Y.abs) / height : 0.0f;
    event.object = hoveredName();
    writeEvent(event);
}

void CEventPlayer::recordKey(const OIS::KeyEvent& key, bool press)
{
    CEventRecord event;
    event.device = CEventRecord::DEVICE_KEYBOARD;
    event.code = static_cast<int>(key.key);
    event.action = press ? CEventRecord::ACTION_PRESS : CEventRecord::ACTION_RELEASE;
    event.object = hoveredName();
    writeEvent(event);
}

void CEventPlayer::moveCursor(float x, float y)
{
    if (!mInput)
        return;
    // Fractions out of the window stay at its edges.
    x = x < 0.0f ? 0.0f : (x > 1.0f ? 1.0f : x);
    y = y < 0.0f ? 0.0f : (y > 1.0f ? 1.0f : y);
    OIS::MouseState state;
    state.width = static_cast<int>(mInput->mWindowWidth);
    state.height = static_cast<int>(mInput->mWindowHeight);
    state.X.abs = static_cast<int>(x * mInput->mWindowWidth);
    state.Y.abs = static_cast<int>(y * mInput->mWindowHeight);
    mInput->warpPointer(state.X.abs, state.Y.abs);
    mInput->handleMouseMoved(state);
}

bool CEventPlayer::objectUnderCursor(const std::string& name)
{
    CObject* object = gApp.findObject(name);
    if (!object)
        return true;
    // The frame's picking has not seen the new cursor position yet.
    Scene::pickObject();
    return gApp.mHovered == object;
}

void CEventPlayer::play()
{
    if (mCurrent >= mEvents.size())
        return;
    const CEventRecord event = mEvents[mCurrent];
    if (gApp.mGameClock - mStart <= event.time)
        return;
    ++mCurrent;
    if (event.device != CEventRecord::DEVICE_MOUSE || !mInput)
        return;

    moveCursor(event.x, event.y);
    if (event.action == CEventRecord::ACTION_MOVE)
        return;

    if (!event.object.empty() && !objectUnderCursor(event.object))
    {
        // The room may have moved since the recording: try the object where
        // it stands now, and when that misses too, replay the click as it
        // was recorded rather than wait for the object.
        int tries = 1;
        CObject* object = gApp.findObject(event.object);
        Ogre::Camera* camera = gApp.mCamera;
        if (object && object->getNode() && camera)
        {
            const Ogre::Vector3 world = object->getNode()->_getDerivedPosition();
            const Ogre::Vector3 p = camera->getProjectionMatrix() * (camera->getViewMatrix() * world);
            moveCursor(p.x * 0.5f + 0.5f, 1.0f - (p.y * 0.5f + 0.5f));
            ++tries;
            if (objectUnderCursor(event.object))
                tries = 0;
        }
        if (tries)
        {
            const std::string hovered = hoveredName();
            Log::print("\n* * * * * *\nERROR: Event player can't found %s (try %d) %s!\n* * * * * * *\n",
                       event.object.c_str(), tries, hovered.empty() ? "null" : hovered.c_str());
            moveCursor(event.x, event.y);
            Scene::pickObject();
        }
    }

    if (event.action == CEventRecord::ACTION_PRESS)
        mInput->handlePress(event.code);
    else
        mInput->handleRelease(event.code);
}
