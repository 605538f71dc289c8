// A pack of any bytes: its index is loaded and every entry it admits is
// opened and read in all the ways OGRE reads a stream.
#include "DataArchive.h"

#include <OgreException.h>
#include <OgreStringVector.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace
{
std::string packPath()
{
    // A file in memory when there is such a folder: the pack is rewritten
    // for every input.
    static const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    static const std::string path = folder + "/tq-fuzz-pack-" + std::to_string(getpid()) + ".pak";
    return path;
}

void readAll(Ogre::DataStream& stream)
{
    char buffer[64];
    // The first few kilobytes show how lines and skips behave; the rest of a
    // large stream only costs time.
    while (!stream.eof() && stream.tell() < 4096)
    {
        stream.readLine(buffer, sizeof(buffer) - 1, "\n;");
        stream.skip(1);
        stream.skip(-2);
        stream.skipLine();
        if (stream.read(buffer, 7) == 0)
            break;
    }
    stream.seek(stream.size() / 2);
    stream.getAsString();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(packPath().c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    CDataArchive archive(packPath(), "Data");
    archive.load();
    const Ogre::StringVectorPtr names = archive.list();
    for (const std::string& name : *names)
    {
        try
        {
            Ogre::DataStreamPtr stream = archive.open(name);
            if (stream->size() > size * 1032 + 64)
                std::abort(); // more than any stream of this input can inflate to
            readAll(*stream);
        }
        catch (const Ogre::Exception&)
        {
            // A damaged entry fails to open: that is the answer wanted.
        }
    }
    archive.findFileInfo("*.material");
    archive.unload();
    if (CDecompressBufferPool::instance().inUseCount() != 0)
        std::abort();
    return 0;
}
