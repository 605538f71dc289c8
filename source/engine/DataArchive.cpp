#include "DataArchive.h"

#include "Log.h"

#include <OgreException.h>
#include <OgreStringVector.h>

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
const char* const kArchiveType = "Data";
const size_t kPoolCap = 1024 * 1024;
const size_t kHeaderBytes = 10;
const uint64_t kHeaderSize = kHeaderBytes + 8;
const uint64_t kMinIndexEntrySize = 6 * 4;
// Names and paths of resources are short; a longer length is damage.
const uint32_t kMaxNameLength = 4096;
// deflate cannot expand data by more than this factor when inflated.
const uint64_t kMaxInflateRatio = 1032;
const char* const kBaseMaterial = "00_base.material";

// Names compare without regard to ASCII case whatever the C locale says.
std::string lowerCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

uint32_t wordFrom(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// Sequential reads of the index through positioned reads in large chunks.
class IndexReader
{
public:
    explicit IndexReader(const Platform::CReadOnlyFile& file)
        : mFile(file), mBuffer(static_cast<size_t>(std::min<uint64_t>(64 * 1024, std::max<uint64_t>(file.size(), 1))))
    {
    }

    uint64_t position() const { return mPos; }

    bool read(void* out, size_t count)
    {
        unsigned char* dest = static_cast<unsigned char*>(out);
        while (count > 0)
        {
            if (mPos >= mBufferStart && mPos < mBufferStart + mBufferLength)
            {
                const size_t offset = static_cast<size_t>(mPos - mBufferStart);
                const size_t n = std::min(count, mBufferLength - offset);
                std::memcpy(dest, mBuffer.data() + offset, n);
                dest += n;
                count -= n;
                mPos += n;
                continue;
            }
            mBufferStart = mPos;
            mBufferLength = mFile.readAt(mPos, mBuffer.data(), mBuffer.size());
            if (mBufferLength == 0)
                return false;
        }
        return true;
    }

    bool readWord(uint32_t& value)
    {
        unsigned char bytes[4];
        if (!read(bytes, 4))
            return false;
        value = wordFrom(bytes);
        return true;
    }

    // A name or path: its length, then its bytes; a zero byte ends it early.
    bool readName(std::string& text, uint32_t& length, uint64_t fileSize)
    {
        if (!readWord(length) || length > kMaxNameLength || mPos + length > fileSize)
            return false;
        text.assign(length, '\0');
        if (length > 0 && !read(&text[0], length))
            return false;
        text.resize(std::strlen(text.c_str()));
        return true;
    }

private:
    const Platform::CReadOnlyFile& mFile;
    std::vector<unsigned char> mBuffer;
    uint64_t mBufferStart = 0;
    size_t mBufferLength = 0;
    uint64_t mPos = 0;
};
} // namespace

// ---------------------------------------------------------------------------
// CDecompressBufferPool

CDecompressBufferPool::CDecompressBufferPool(size_t cap) : mCap(cap) {}

CDecompressBufferPool::~CDecompressBufferPool()
{
    for (Entry& entry : mEntries)
        std::free(entry.buffer);
}

CDecompressBufferPool& CDecompressBufferPool::instance()
{
    static CDecompressBufferPool* pool = new CDecompressBufferPool(kPoolCap);
    return *pool;
}

unsigned char* CDecompressBufferPool::acquire(size_t size)
{
    const size_t wanted = std::max<size_t>(size, 1);
    // The smallest free buffer that is large enough; else the first free
    // entry, whose buffer is replaced by one of the wanted size.
    Entry* best = nullptr;
    Entry* firstFree = nullptr;
    for (Entry& entry : mEntries)
    {
        if (entry.inUse)
            continue;
        if (!firstFree)
            firstFree = &entry;
        if (entry.buffer && entry.size >= wanted && (!best || entry.size < best->size))
            best = &entry;
    }
    Entry* chosen = best ? best : firstFree;
    if (!chosen)
    {
        mEntries.emplace_back();
        chosen = &mEntries.back();
    }
    if (!chosen->buffer || chosen->size < wanted)
    {
        std::free(chosen->buffer);
        chosen->buffer = static_cast<unsigned char*>(std::malloc(wanted));
        chosen->size = chosen->buffer ? wanted : 0;
        if (!chosen->buffer)
            return nullptr;
    }
    chosen->inUse = 1;
    return chosen->buffer;
}

void CDecompressBufferPool::release(unsigned char* buffer)
{
    if (!buffer)
        return;
    for (Entry& entry : mEntries)
    {
        if (entry.buffer != buffer)
            continue;
        entry.inUse = 0;
        if (entry.size > mCap)
        {
            // A buffer larger than the whole pool is kept as the one spare
            // (the larger of two), so that a run of large entries does not
            // allocate and free a buffer for each.
            for (Entry& other : mEntries)
                if (&other != &entry && !other.inUse && other.size > mCap)
                {
                    Entry& smaller = other.size < entry.size ? other : entry;
                    std::free(smaller.buffer);
                    smaller = Entry();
                    break;
                }
            return;
        }
        if (totalSize() - spareSize() > mCap)
        {
            std::free(entry.buffer);
            entry = Entry();
        }
        return;
    }
}

size_t CDecompressBufferPool::spareSize() const
{
    for (const Entry& entry : mEntries)
        if (!entry.inUse && entry.size > mCap)
            return entry.size;
    return 0;
}

void CDecompressBufferPool::clear()
{
    std::vector<Entry> kept;
    for (Entry& entry : mEntries)
    {
        if (entry.inUse)
            kept.push_back(entry);
        else
            std::free(entry.buffer);
    }
    mEntries.swap(kept);
}

size_t CDecompressBufferPool::totalSize() const
{
    size_t total = 0;
    for (const Entry& entry : mEntries)
        total += entry.size;
    return total;
}

size_t CDecompressBufferPool::freeBufferCount() const
{
    size_t count = 0;
    for (const Entry& entry : mEntries)
        if (!entry.inUse && entry.buffer)
            ++count;
    return count;
}

size_t CDecompressBufferPool::inUseCount() const
{
    size_t count = 0;
    for (const Entry& entry : mEntries)
        if (entry.inUse)
            ++count;
    return count;
}

// ---------------------------------------------------------------------------
// CDataArchiveStream

CDataArchiveStream::CDataArchiveStream(const Platform::CReadOnlyFile& pack, uint64_t position,
                                       const DataArchiveEntry& entry)
    : Ogre::DataStream(entry.name)
{
    mSize = entry.size;
    CDecompressBufferPool& pool = CDecompressBufferPool::instance();
    unsigned char* data = pool.acquire(entry.size);
    const char* failure = nullptr;
    if (!data)
        failure = "out of memory";
    else if (entry.packedSize == entry.size)
    {
        if (pack.readAt(position, data, entry.size) != entry.size)
            failure = "read error";
    }
    else
    {
        unsigned char* packed = pool.acquire(entry.packedSize);
        if (!packed)
            failure = "out of memory";
        else if (pack.readAt(position, packed, entry.packedSize) != entry.packedSize)
            failure = "read error";
        else
        {
            uLongf length = entry.size;
            const int result = uncompress(data, &length, packed, entry.packedSize);
            if (result != Z_OK || length != entry.size)
            {
                Log::print("ERROR: Zlib decompress error on file %s", entry.name.c_str());
                failure = "zlib decompress error";
            }
        }
        pool.release(packed);
    }
    if (failure)
    {
        pool.release(data);
        // A damaged resource must not be served as if it were whole: the
        // resource load that asked for it reports the exception.
        OGRE_EXCEPT(Ogre::Exception::ERR_INVALID_STATE,
                    std::string(failure) + " on file " + entry.name + " of a Data archive",
                    "CDataArchiveStream::CDataArchiveStream");
    }
    mData = data;
    mPos = data;
    mEnd = data + entry.size;
    mLoaded = true;
}

CDataArchiveStream::~CDataArchiveStream()
{
    close();
}

size_t CDataArchiveStream::read(void* buf, size_t count)
{
    const size_t n = std::min(count, static_cast<size_t>(mEnd - mPos));
    if (n > 0)
    {
        std::memcpy(buf, mPos, n);
        mPos += n;
    }
    return n;
}

size_t CDataArchiveStream::readLine(char* buf, size_t maxCount, const Ogre::String& delim)
{
    const bool dropCr = delim.find('\n') != Ogre::String::npos;
    size_t length = 0;
    while (length < maxCount && mPos < mEnd)
    {
        const char c = static_cast<char>(*mPos);
        if (delim.find(c) != Ogre::String::npos)
        {
            if (dropCr && length > 0 && buf[length - 1] == '\r')
                --length;
            ++mPos;
            break;
        }
        buf[length++] = c;
        ++mPos;
    }
    buf[length] = '\0';
    return length;
}

size_t CDataArchiveStream::skipLine(const Ogre::String& delim)
{
    size_t skipped = 0;
    while (mPos < mEnd)
    {
        ++skipped;
        if (delim.find(static_cast<char>(*mPos++)) != Ogre::String::npos)
            break;
    }
    return skipped;
}

void CDataArchiveStream::skip(long count)
{
    // Kept inside the data: a position outside it would be read from.
    const long before = static_cast<long>(mPos - mData);
    const long after = static_cast<long>(mEnd - mPos);
    count = std::max(-before, std::min(count, after));
    mPos += count;
}

void CDataArchiveStream::seek(size_t pos)
{
    mPos = mData + std::min(pos, static_cast<size_t>(mEnd - mData));
}

size_t CDataArchiveStream::tell() const
{
    return static_cast<size_t>(mPos - mData);
}

bool CDataArchiveStream::eof() const
{
    return mPos >= mEnd;
}

void CDataArchiveStream::close()
{
    if (!mData)
        return;
    CDecompressBufferPool::instance().release(mData);
    mData = mPos = mEnd = nullptr;
    mLoaded = false;
}

// ---------------------------------------------------------------------------
// CDataArchive

bool CDataArchive::sLoadLog = false;

CDataArchive::CDataArchive(const Ogre::String& name, const Ogre::String& type) : Ogre::Archive(name, type) {}

CDataArchive::~CDataArchive()
{
    unload();
}

void CDataArchive::load()
{
    unload();
    mLoaded = true;
    mEntryCount = 0;
    mDataStart = 0;
    Log::print("\n\nUse file stream");

    std::string error;
    if (!mFile.open(mName, &error))
    {
        Log::print("\nERROR: Can't open the Data archive %s (%s); it stays empty\n", mName.c_str(), error.c_str());
        return;
    }
    const uint64_t fileSize = mFile.size();
    IndexReader reader(mFile);
    unsigned char header[kHeaderBytes];
    uint32_t count = 0;
    if (!reader.read(header, sizeof(header)) || !reader.readWord(count) || !reader.readWord(mHeaderWord))
    {
        Log::print("\nERROR: The Data archive %s is too short for its header; it stays empty\n", mName.c_str());
        return;
    }
    const int32_t signedCount = static_cast<int32_t>(count);
    if (signedCount <= 0)
        return;
    if (static_cast<uint64_t>(signedCount) > (fileSize - kHeaderSize) / kMinIndexEntrySize)
    {
        Log::print("\nERROR: The Data archive %s claims %d entries, more than its %llu bytes can hold; it stays "
                   "empty\n",
                   mName.c_str(), signedCount, static_cast<unsigned long long>(fileSize));
        return;
    }

    std::vector<DataArchiveEntry> entries;
    std::vector<uint64_t> offsets;
    uint64_t running = 0;
    for (int32_t i = 0; i < signedCount; ++i)
    {
        DataArchiveEntry entry;
        uint32_t nameLength = 0, pathLength = 0;
        if (!reader.readWord(entry.size) || !reader.readWord(entry.packedSize) || !reader.readWord(entry.spare1) ||
            !reader.readWord(entry.spare2) || !reader.readName(entry.name, nameLength, fileSize) ||
            !reader.readName(entry.path, pathLength, fileSize))
        {
            Log::print("\nERROR: The index of the Data archive %s is damaged at entry %d of %d; the archive stays "
                       "empty\n",
                       mName.c_str(), i, signedCount);
            return;
        }
        if (entry.packedSize == 0)
            entry.packedSize = entry.size;
        entry.name = lowerCase(entry.name);
        entry.path = lowerCase(entry.path);
        offsets.push_back(running);
        running += static_cast<uint64_t>(entry.packedSize) + 4;
        entries.push_back(std::move(entry));
    }
    mDataStart = reader.position();
    mEntryCount = count;

    for (size_t i = 0; i < entries.size(); ++i)
    {
        DataArchiveEntry& entry = entries[i];
        const uint64_t start = mDataStart + offsets[i];
        const bool compressed = entry.packedSize != entry.size;
        if (start + entry.packedSize > fileSize || offsets[i] > 0xFFFFFFFFu ||
            (compressed && entry.size > static_cast<uint64_t>(entry.packedSize) * kMaxInflateRatio + 64))
        {
            Log::print("\nERROR: The entry %s of the Data archive %s lies outside the file or claims too many "
                       "bytes; it is left out\n",
                       entry.name.c_str(), mName.c_str());
            continue;
        }
        entry.offset = static_cast<uint32_t>(offsets[i]);
        if (mIndex.count(entry.name))
            continue; // the first of two equal names wins
        mIndex.emplace(entry.name, mEntries.size());
        mEntries.push_back(std::move(entry));
    }
}

void CDataArchive::unload()
{
    if (!mLoaded)
        return;
    CDecompressBufferPool::instance().clear();
    mFile.close();
    mIndex.clear();
    mEntries.clear();
    mEntryCount = 0;
    mLoaded = false;
}

const DataArchiveEntry* CDataArchive::lookUp(const Ogre::String& filename) const
{
    auto it = mIndex.find(lowerCase(filename));
    return it == mIndex.end() ? nullptr : &mEntries[it->second];
}

Ogre::DataStreamPtr CDataArchive::open(const Ogre::String& filename, bool) const
{
    const DataArchiveEntry* entry = lookUp(filename);
    if (!entry)
        OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND, "Cannot find " + filename + " in the Data archive " + mName,
                    "CDataArchive::open");
    if (sLoadLog)
    {
        if (FILE* log = std::fopen("load.log", "a+"))
        {
            std::fprintf(log, "%s\n", entry->name.c_str());
            std::fclose(log);
        }
    }
    return std::make_shared<CDataArchiveStream>(mFile, mDataStart + entry->offset, *entry);
}

Ogre::FileInfo CDataArchive::fileInfo(const DataArchiveEntry& entry) const
{
    Ogre::FileInfo info;
    info.archive = this;
    info.filename = entry.name;
    info.basename = entry.name;
    info.path = entry.path;
    info.compressedSize = entry.packedSize;
    info.uncompressedSize = entry.size;
    return info;
}

Ogre::StringVectorPtr CDataArchive::list(bool, bool) const
{
    auto names = std::make_shared<Ogre::StringVector>();
    for (const DataArchiveEntry& entry : mEntries)
        names->push_back(entry.name);
    return names;
}

Ogre::FileInfoListPtr CDataArchive::listFileInfo(bool, bool) const
{
    auto infos = std::make_shared<Ogre::FileInfoList>();
    for (const DataArchiveEntry& entry : mEntries)
        infos->push_back(fileInfo(entry));
    return infos;
}

Ogre::StringVectorPtr CDataArchive::find(const Ogre::String& pattern, bool, bool) const
{
    auto names = std::make_shared<Ogre::StringVector>();
    for (const DataArchiveEntry& entry : mEntries)
        if (Ogre::StringUtil::match(entry.name, pattern, false))
            names->push_back(entry.name);
    return names;
}

bool CDataArchive::exists(const Ogre::String& filename) const
{
    return lookUp(filename) != nullptr;
}

time_t CDataArchive::getModifiedTime(const Ogre::String&) const
{
    return 0;
}

Ogre::FileInfoListPtr CDataArchive::findFileInfo(const Ogre::String& pattern, bool, bool) const
{
    // The base materials come first: other material scripts refer to them.
    auto infos = std::make_shared<Ogre::FileInfoList>();
    for (const DataArchiveEntry& entry : mEntries)
    {
        if (!Ogre::StringUtil::match(entry.name, pattern, false))
            continue;
        if (entry.name == kBaseMaterial)
            infos->insert(infos->begin(), fileInfo(entry));
        else
            infos->push_back(fileInfo(entry));
    }
    return infos;
}

// ---------------------------------------------------------------------------
// CDataArchiveFactory

const Ogre::String& CDataArchiveFactory::getType() const
{
    static const Ogre::String type = kArchiveType;
    return type;
}

Ogre::Archive* CDataArchiveFactory::createInstance(const Ogre::String& name, bool)
{
    return new CDataArchive(name, kArchiveType);
}

void CDataArchiveFactory::destroyInstance(Ogre::Archive* archive)
{
    delete archive;
}
