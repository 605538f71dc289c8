// Saved games: the game-variable map as text ("value\nkey\n" in key order),
// zlib-compressed and framed as
//   U (text length), Z (compressed length), Z + U, Z bytes, Z + U
// in little-endian 32-bit words.  Everything read from a file is checked in
// 64-bit arithmetic before it sizes a buffer.
#include "AppState.h"

#include "Log.h"
#include "platform/FileIO.h"
#include "platform/Platform.h"

#include <zlib.h>

#include <cstring>
#include <vector>

namespace
{
const size_t kHeaderSize = 12;
const size_t kFrameSize = 16;
// A game's variables take a few dozen kilobytes; anything near these sizes
// is a damaged or hostile file, not a save.
const uint64_t kMaxTextSize = 64u << 20;
const uint64_t kMaxFileSize = kMaxTextSize + kFrameSize;
// deflate cannot expand data by more than this factor when inflated.
const uint64_t kMaxInflateRatio = 1032;

uint32_t readWord(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void appendWord(std::string& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A line break inside a key or value would shift every later pair when the
// file is read back, so it becomes a space.
String withoutLineBreaks(const String& text, bool& changed)
{
    if (text.find_first_of("\r\n") == String::npos)
        return text;
    changed = true;
    String clean = text;
    for (char& c : clean)
        if (c == '\r' || c == '\n')
            c = ' ';
    return clean;
}
} // namespace

bool CAppState::encodeSaveFile(const VarMap& map, std::string& bytes)
{
    std::string text;
    for (const auto& entry : map)
    {
        bool changed = false;
        const String value = withoutLineBreaks(entry.second, changed);
        const String key = withoutLineBreaks(entry.first, changed);
        if (changed)
            Log::print("\nWARNING: CAppState::mapSave(): line break in variable [%s] replaced by a space\n",
                       key.c_str());
        text += value;
        text += '\n';
        text += key;
        text += '\n';
    }
    if (text.size() > kMaxTextSize)
    {
        Log::print("\n!!! ERROR: CAppState::mapSave(): %zu bytes of variables are too many\n", text.size());
        return false;
    }

    const uLong textSize = static_cast<uLong>(text.size());
    uLongf packedSize = compressBound(textSize);
    std::vector<Bytef> packed(packedSize);
    const int result = compress(packed.data(), &packedSize, reinterpret_cast<const Bytef*>(text.data()), textSize);
    if (result != Z_OK)
    {
        Log::print("\n!!! ERROR: CAppState::mapSave(): zlib compress error %d\n", result);
        return false;
    }

    const uint32_t u = static_cast<uint32_t>(textSize);
    const uint32_t z = static_cast<uint32_t>(packedSize);
    bytes.clear();
    bytes.reserve(packedSize + kFrameSize);
    appendWord(bytes, u);
    appendWord(bytes, z);
    appendWord(bytes, z + u);
    bytes.append(reinterpret_cast<const char*>(packed.data()), packedSize);
    appendWord(bytes, z + u);
    return true;
}

int CAppState::decodeSaveFile(const void* data, size_t size, VarMap& map)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    if (size < kFrameSize)
        return -1;
    const uint32_t u = readWord(bytes);
    const uint32_t z = readWord(bytes + 4);
    if (u == 0 || z == 0)
        return -1;
    if (static_cast<uint64_t>(z) + kFrameSize != size)
        return -1;
    const uint32_t check = z + u; // the format's own 32-bit sum
    if (readWord(bytes + 8) != check || readWord(bytes + kHeaderSize + z) != check)
        return -1;
    if (u > kMaxTextSize || u > static_cast<uint64_t>(z) * kMaxInflateRatio + 64)
        return -1;

    // Room for U bytes only: a text longer than U is an error, not a cut.
    std::vector<Bytef> text(static_cast<size_t>(u) + 1, 0);
    uLongf textSize = u;
    if (uncompress(text.data(), &textSize, bytes + kHeaderSize, z) != Z_OK)
        return -1;

    // Lines end at LF; a CR just before the LF is dropped.  Lines pair up as
    // value, then key; the last value of an odd count gets the empty key.
    VarMap result;
    const char* p = reinterpret_cast<const char*>(text.data());
    const char* end = p + textSize;
    auto nextLine = [&]() {
        const char* lineEnd = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        const char* stop = lineEnd ? lineEnd : end;
        String line(p, stop);
        if (lineEnd && !line.empty() && line.back() == '\r')
            line.pop_back();
        p = lineEnd ? lineEnd + 1 : end;
        return line;
    };
    do
    {
        String value = nextLine();
        String key = nextLine();
        result[key] = std::move(value);
    } while (p < end);
    map.swap(result);
    return 1;
}

bool CAppState::mapSave(const String& fileName, const VarMap& map)
{
    const String path = getSaveFolderA(fileName, true);
    std::string bytes;
    if (!encodeSaveFile(map, bytes))
    {
        Log::print("\n!!! ERROR: CAppState::mapSave(): nothing written to %s\n", path.c_str());
        return false;
    }
    std::string error;
    switch (Platform::replaceFile(path, bytes.data(), bytes.size(), &error))
    {
    case Platform::REPLACE_OK:
        return true;
    case Platform::REPLACE_OPEN_FAILED:
        Log::print("\n!!! ERROR: CAppState::mapSave(): can't open file: %s\n", path.c_str());
        return false;
    case Platform::REPLACE_WRITE_FAILED:
        break;
    }
    Log::print("\n!!! ERROR: CAppState::mapSave(): can't write file: %s (%s); the previous save is kept\n",
               path.c_str(), error.c_str());
    return false;
}

int CAppState::_mapLoad(const String& fileName, VarMap& map)
{
    const String path = getSaveFolderA(fileName, false);
    Platform::CReadOnlyFile file;
    if (!file.open(path))
    {
        Log::print("!!! ERROR: CAppState::_mapLoad(): can't open file: %s\n", path.c_str());
        return 0;
    }
    const bool tooLarge = file.size() > kMaxFileSize;
    file.close();
    if (tooLarge)
        return -1;
    // A read that fails even when tried again is the disk's trouble and says
    // nothing about the file: it is not refused as damaged.
    std::string bytes;
    std::string error;
    if (!Platform::readWholeFile(path, bytes, kMaxFileSize, &error))
    {
        Log::print("!!! ERROR: CAppState::_mapLoad(): can't read file: %s (%s)\n", path.c_str(), error.c_str());
        return 0;
    }
    return decodeSaveFile(bytes.data(), bytes.size(), map);
}

int CAppState::checkSaveFile(const String& fileName)
{
    // The main menu looks at every slot whenever it starts, also in each
    // location's scene: an empty slot is no error.
    if (!Platform::fileExists(getSaveFolderA(fileName, false)))
        return 0;
    VarMap scratch;
    return _mapLoad(fileName, scratch);
}

int CAppState::readSaveValue(const String& fileName, const String& key, String& value)
{
    VarMap scratch;
    // The main menu reads the name of every slot: an empty one has none.
    if (!Platform::fileExists(getSaveFolderA(fileName, false)) || _mapLoad(fileName, scratch) != 1)
        return 0;
    if (getMapValue(scratch, key, value))
        return 1;
    Log::print("\nERROR: There is not ~name~ in save file %s\n", fileName.c_str());
    value.clear();
    return 0;
}

int CAppState::writeSaveValue(const String& key, const String& fileName, const String& value)
{
    VarMap scratch;
    if (_mapLoad(fileName, scratch) != 1)
        return 0;
    auto it = scratch.find(key);
    if (it == scratch.end())
        return 0;
    it->second = value;
    return mapSave(fileName, scratch) ? 1 : 0;
}

void CAppState::deleteSlot(const String& fileName)
{
    // Removing a name needs write access to the folder only, so a read-only
    // save goes as well.
    Platform::deleteFile(getSaveFolderA(fileName, false));
}

bool CAppState::setSaveAside(const String& fileName)
{
    const String path = getSaveFolderA(fileName, false);
    if (!Platform::fileExists(path))
        return false;
    // An older damaged copy keeps its name: the new one takes the next number.
    for (int number = 1; number < 100; ++number)
    {
        const String aside = path + ".damaged" + (number > 1 ? std::to_string(number) : String());
        if (Platform::fileExists(aside))
            continue;
        if (!Platform::renameFile(path, aside))
            break;
        Log::print("\nWARNING: The damaged file %s was moved aside as %s\n", path.c_str(), aside.c_str());
        return true;
    }
    Log::print("\n!!! ERROR: Can't move the damaged file %s aside; it stays where it is\n", path.c_str());
    return false;
}
