// Files read at arbitrary positions and files replaced all at once.
//
// Packs are read with positioned reads on a handle of their own, so that any
// number of packs and streams can be open together.  Saved games are never
// rewritten in place: a save that fails half-way must leave the previous one
// readable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Platform
{
/// A file opened for reading at any position; closed with the object.
class CReadOnlyFile
{
public:
    CReadOnlyFile() = default;
    ~CReadOnlyFile();
    CReadOnlyFile(const CReadOnlyFile&) = delete;
    CReadOnlyFile& operator=(const CReadOnlyFile&) = delete;

    /// Opens the file; false (with the reason in error) when it cannot.
    bool open(const std::string& path, std::string* error = nullptr);
    void close();
    bool isOpen() const { return mFd >= 0; }
    /// The file's size when it was opened.
    uint64_t size() const { return mSize; }
    /// Reads up to count bytes at offset without moving any shared position;
    /// fewer bytes only at the end of the file or on a read error.
    size_t readAt(uint64_t offset, void* buffer, size_t count) const;

private:
    int mFd = -1;
    uint64_t mSize = 0;
};

/// How replacing a file ended.
enum ReplaceResult
{
    REPLACE_OK = 0,
    REPLACE_OPEN_FAILED,  ///< the temporary file could not be created
    REPLACE_WRITE_FAILED, ///< writing, flushing, closing or renaming failed
};

/// Replaces the file at path by the given bytes: they go to "<path>.tmp" in
/// the same folder, reach the disk and only then take the old file's name.
/// On failure the old file is untouched, the temporary one is removed and
/// error holds the reason.
ReplaceResult replaceFile(const std::string& path, const void* data, size_t size,
                          std::string* error = nullptr);

/// Reads a whole regular file into bytes.  A read that comes up short of the
/// file's size is tried once more before it counts as a failure: a passing
/// I/O error must not make a sound file look damaged.  False with the reason
/// in error when the file cannot be opened or read, or is over maxSize.
bool readWholeFile(const std::string& path, std::string& bytes, uint64_t maxSize,
                   std::string* error = nullptr);
} // namespace Platform
