// The packed archive type "Data": one file holding a header, an index of
// named entries and the entries' bytes, each stored as is or as one zlib
// stream.  OGRE mounts every "Data" location of "resources.cfg" as one
// CDataArchive; an opened entry is inflated at once into a pooled buffer.
//
// Pack layout (little-endian 32-bit words):
//   10 header bytes, N, a spare word, N index entries, the data blocks.
//   Index entry: U, S (0: stored with S = U), two spare words,
//                name length, name, path length, path.
//   Data block i starts at the sum of (S + 4) over the entries before it;
//   S bytes of data, then 4 spare bytes.
#pragma once

#include "platform/FileIO.h"

#include <OgreArchive.h>
#include <OgreArchiveFactory.h>
#include <OgreDataStream.h>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace Ogre
{
class ArchiveFactory;
}

/// The factory of the archive type "Data", owned by the caller.
Ogre::ArchiveFactory* createDataArchiveFactory();

/// One index entry of a pack.
struct DataArchiveEntry
{
    std::string name; ///< lower case
    std::string path; ///< lower case
    uint32_t size = 0;       ///< uncompressed size U
    uint32_t packedSize = 0; ///< stored size S; equal to size when stored as is
    uint32_t offset = 0;     ///< of the data block within the data area
    uint32_t spare1 = 0;
    uint32_t spare2 = 0;
};

/// Reusable buffers for inflating entries, so that loading a room does not
/// allocate and free one buffer per resource.  Buffers not in use are kept
/// while the pool holds at most its cap in all; besides, one free buffer
/// larger than the cap is kept as a spare for the next large entry.
class CDecompressBufferPool
{
public:
    explicit CDecompressBufferPool(size_t cap);
    ~CDecompressBufferPool();
    CDecompressBufferPool(const CDecompressBufferPool&) = delete;
    CDecompressBufferPool& operator=(const CDecompressBufferPool&) = delete;

    /// A buffer of at least size bytes, marked in use.
    unsigned char* acquire(size_t size);
    /// Gives a buffer back; a null or unknown buffer is ignored.
    void release(unsigned char* buffer);
    /// Frees every buffer not in use; buffers still held by streams are
    /// freed when they come back.
    void clear();

    /// Bytes held in all, in use or not.
    size_t totalSize() const;
    /// Bytes of the spare: the free buffer larger than the cap, if any.
    size_t spareSize() const;
    /// Number of entries, empty ones included.
    size_t entryCount() const { return mEntries.size(); }
    /// Number of buffers held that are not in use.
    size_t freeBufferCount() const;
    /// Number of buffers handed out and not yet given back.
    size_t inUseCount() const;

    /// The program-wide pool (1 MiB cap); never destroyed, so that archives
    /// and streams torn down during static destruction still find it.
    static CDecompressBufferPool& instance();

private:
    struct Entry
    {
        unsigned char* buffer = nullptr;
        int inUse = 0;
        size_t size = 0;
    };
    std::vector<Entry> mEntries;
    size_t mCap;
};

/// One entry of a pack, inflated into memory when the stream is made.
class CDataArchiveStream : public Ogre::DataStream
{
public:
    /// Reads and inflates the entry's block from the pack; throws OGRE's
    /// exception when the block cannot be read or inflated.
    CDataArchiveStream(const Platform::CReadOnlyFile& pack, uint64_t position, const DataArchiveEntry& entry);
    ~CDataArchiveStream() override;

    size_t read(void* buf, size_t count) override;
    size_t readLine(char* buf, size_t maxCount, const Ogre::String& delim = "\n") override;
    size_t skipLine(const Ogre::String& delim = "\n") override;
    void skip(long count) override;
    void seek(size_t pos) override;
    size_t tell() const override;
    bool eof() const override;
    void close() override;

private:
    bool mLoaded = false;
    unsigned char* mPos = nullptr;
    unsigned char* mEnd = nullptr;
    unsigned char* mData = nullptr;
};

/// A pack mounted as an OGRE archive; each archive reads its own file.
class CDataArchive : public Ogre::Archive
{
public:
    CDataArchive(const Ogre::String& name, const Ogre::String& type);
    ~CDataArchive() override;

    bool isCaseSensitive() const override { return false; }
    /// Reads the index; a pack that cannot be opened or is damaged is logged
    /// and leaves the archive with the entries that could be checked.
    void load() override;
    void unload() override;
    Ogre::DataStreamPtr open(const Ogre::String& filename, bool readOnly = true) const override;
    Ogre::StringVectorPtr list(bool recursive = true, bool dirs = false) const override;
    Ogre::FileInfoListPtr listFileInfo(bool recursive = true, bool dirs = false) const override;
    Ogre::StringVectorPtr find(const Ogre::String& pattern, bool recursive = true, bool dirs = false) const override;
    bool exists(const Ogre::String& filename) const override;
    time_t getModifiedTime(const Ogre::String& filename) const override;
    Ogre::FileInfoListPtr findFileInfo(const Ogre::String& pattern, bool recursive = true,
                                       bool dirs = false) const override;

    /// Whether opened names are appended to "load.log" (a "-log" run).
    static bool sLoadLog;

private:
    const DataArchiveEntry* lookUp(const Ogre::String& filename) const;
    Ogre::FileInfo fileInfo(const DataArchiveEntry& entry) const;

    bool mLoaded = false;
    uint32_t mEntryCount = 0;
    uint32_t mHeaderWord = 0;
    std::vector<DataArchiveEntry> mEntries;             ///< index order, first of equal names only
    std::unordered_map<std::string, size_t> mIndex;     ///< lower-cased name to mEntries
    uint64_t mDataStart = 0;
    Platform::CReadOnlyFile mFile;
};

/// Creates and destroys CDataArchive for OGRE's archive manager.
class CDataArchiveFactory : public Ogre::ArchiveFactory
{
public:
    ~CDataArchiveFactory() override = default;
    const Ogre::String& getType() const override;
    Ogre::Archive* createInstance(const Ogre::String& name, bool readOnly) override;
    void destroyInstance(Ogre::Archive* archive) override;
};
