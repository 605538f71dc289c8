// Positioned reads and atomic file replacement on POSIX.
#include "platform/FileIO.h"

#include "platform/Platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform
{
namespace
{
void setError(std::string* error, const char* what, int code)
{
    if (error)
        *error = std::string(what) + ": " + std::strerror(code);
}

bool writeAll(int fd, const void* data, size_t size)
{
    const char* p = static_cast<const char*>(data);
    while (size > 0)
    {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// After a rename the folder's entry must reach the disk too, or a power cut
// can bring back the old name.
void syncFolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
} // namespace

CReadOnlyFile::~CReadOnlyFile()
{
    close();
}

bool CReadOnlyFile::open(const std::string& path, std::string* error)
{
    close();
    const int fd = ::open(normalisePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
    {
        setError(error, "open", errno);
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    {
        setError(error, "not a regular file", errno ? errno : EINVAL);
        ::close(fd);
        return false;
    }
    mFd = fd;
    mSize = static_cast<uint64_t>(st.st_size);
    return true;
}

void CReadOnlyFile::close()
{
    if (mFd >= 0)
        ::close(mFd);
    mFd = -1;
    mSize = 0;
}

size_t CReadOnlyFile::readAt(uint64_t offset, void* buffer, size_t count) const
{
    if (mFd < 0)
        return 0;
    char* p = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count)
    {
        const ssize_t n = ::pread(mFd, p + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    return done;
}

bool readWholeFile(const std::string& path, std::string& bytes, uint64_t maxSize, std::string* error)
{
    bytes.clear();
    CReadOnlyFile file;
    if (!file.open(path, error))
        return false;
    if (file.size() > maxSize)
    {
        if (error)
            *error = "file too large";
        return false;
    }
    bytes.resize(static_cast<size_t>(file.size()));
    for (int attempt = 0; attempt < 2; ++attempt)
        if (file.readAt(0, &bytes[0], bytes.size()) == bytes.size())
            return true;
    if (error)
        *error = "short read";
    bytes.clear();
    return false;
}

ReplaceResult replaceFile(const std::string& path, const void* data, size_t size, std::string* error)
{
    // One fixed temporary name: only one instance of the game runs, and a
    // temporary file left by a killed run is simply overwritten next time.
    const std::string target = normalisePath(path);
    const std::string temp = target + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
    {
        setError(error, "open", errno);
        return REPLACE_OPEN_FAILED;
    }
    if (!writeAll(fd, data, size))
    {
        setError(error, "write", errno);
        ::close(fd);
        ::unlink(temp.c_str());
        return REPLACE_WRITE_FAILED;
    }
    if (::fsync(fd) != 0)
    {
        setError(error, "fsync", errno);
        ::close(fd);
        ::unlink(temp.c_str());
        return REPLACE_WRITE_FAILED;
    }
    if (::close(fd) != 0)
    {
        setError(error, "close", errno);
        ::unlink(temp.c_str());
        return REPLACE_WRITE_FAILED;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0)
    {
        setError(error, "rename", errno);
        ::unlink(temp.c_str());
        return REPLACE_WRITE_FAILED;
    }
    syncFolderOf(target);
    return REPLACE_OK;
}
} // namespace Platform
