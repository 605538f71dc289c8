// The text format of the recordings: one event a line.
#include "EventRecorder.h"

#include "Log.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
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
