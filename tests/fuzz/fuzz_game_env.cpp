// The reader of "game.env" recordings: any text is either events or skipped
// lines, and what it reads writes back to lines that read the same.
#include "EventRecorder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    int malformed = 0;
    for (const CEventRecord& event : EventFile::parse(text, &malformed))
    {
        const std::string line = EventFile::formatLine(event);
        CEventRecord again;
        if (EventFile::parseLine(line, again) != EventFile::LINE_EVENT)
        {
            // A name holding "//" makes its line a comment; nothing else may
            // fail to read back.
            if (line.find("//") == std::string::npos)
                std::abort();
            continue;
        }
        if (EventFile::formatLine(again) != line)
            std::abort();
    }
    return 0;
}
