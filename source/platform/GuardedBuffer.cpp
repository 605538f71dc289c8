#include "platform/GuardedBuffer.h"

#include <cstring>
#include <new>
#include <sys/mman.h>
#include <unistd.h>

namespace Platform
{
CGuardedBuffer::CGuardedBuffer(size_t size) : mSize(size)
{
#ifdef TQ_GUARD_PAGES
    const size_t page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
    const size_t dataPages = (size + page - 1) / page;
    mMappingSize = (dataPages + 1) * page;
    mMapping = ::mmap(nullptr, mMappingSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mMapping == MAP_FAILED)
        throw std::bad_alloc();
    char* guard = static_cast<char*>(mMapping) + dataPages * page;
    ::mprotect(guard, page, PROT_NONE);
    mData = guard - size; // fresh anonymous pages are zero
#else
    mData = new char[size == 0 ? 1 : size];
    std::memset(mData, 0, size);
#endif
}

CGuardedBuffer::~CGuardedBuffer()
{
#ifdef TQ_GUARD_PAGES
    ::munmap(mMapping, mMappingSize);
#else
    delete[] mData;
#endif
}
} // namespace Platform
