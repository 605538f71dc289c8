// A byte buffer for text that a library outside the game parses (TinyXML):
// built for fuzzing (TQ_GUARD_PAGES), its last byte lies just before a page
// that cannot be read, so that a read past the end stops the program at
// once instead of passing unseen in code that the sanitizers do not watch.
#pragma once

#include <cstddef>

namespace Platform
{
class CGuardedBuffer
{
public:
    /// A buffer of size bytes, all zero.
    explicit CGuardedBuffer(size_t size);
    ~CGuardedBuffer();
    CGuardedBuffer(const CGuardedBuffer&) = delete;
    CGuardedBuffer& operator=(const CGuardedBuffer&) = delete;

    char* data() { return mData; }
    size_t size() const { return mSize; }

private:
    char* mData = nullptr;
    size_t mSize = 0;
    void* mMapping = nullptr; ///< the pages behind a guarded buffer
    size_t mMappingSize = 0;
};
} // namespace Platform
