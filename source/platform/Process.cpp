// Process services on POSIX: instance lock, clock, files, opener.
#include "platform/Platform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace Platform
{
namespace
{
std::string runtimeFolder()
{
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    if (dir && *dir)
        return dir;
    return "/tmp";
}
} // namespace

bool acquireInstanceLock(const std::string& name)
{
    // The descriptor is never closed: the lock lives as long as the process.
    const std::string path = runtimeFolder() + "/" + name + ".lock";
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false; // like "access denied": behave as if another instance runs
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
    {
        ::close(fd);
        return false;
    }
    return true;
}

uint32_t milliseconds()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u +
                                 static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
}

std::string normalisePath(const std::string& path)
{
    std::string out = path;
    for (char& c : out)
        if (c == '\\')
            c = '/';
    return out;
}

bool fileExists(const std::string& path)
{
    struct stat st;
    return ::stat(normalisePath(path).c_str(), &st) == 0;
}

bool deleteFile(const std::string& path)
{
    return ::unlink(normalisePath(path).c_str()) == 0;
}

bool renameFile(const std::string& from, const std::string& to)
{
    const std::string source = normalisePath(from);
    const std::string target = normalisePath(to);
    if (fileExists(target) || ::rename(source.c_str(), target.c_str()) != 0)
        return false;
    const size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
    {
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}

bool createFolders(const std::string& path)
{
    std::string p = normalisePath(path);
    if (p.empty())
        return false;
    for (size_t i = 1; i <= p.size(); ++i)
    {
        if (i == p.size() || p[i] == '/')
        {
            std::string part = p.substr(0, i);
            if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST)
                return false;
        }
    }
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string appDataFolder()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home && *home)
        return std::string(home) + "/.local/share";
    return "/tmp";
}

std::string shellOpenTarget(const std::string& path)
{
    const std::string file = normalisePath(path);
    if (!fileExists(file))
        return std::string();
    // A link file of the Windows kind holds "URL=..." under [InternetShortcut];
    // the desktop's opener gets the address itself when it has one.
    std::string target = file;
    std::string url;
    if (getPrivateProfileString("InternetShortcut", "URL", "", url, 2048, file) > 0)
        target = url;
    // The opener reads a leading '-' as one of its own switches.
    if (target.empty() || target[0] == '-')
        return std::string();
    return target;
}

void shellOpen(const std::string& path)
{
    const std::string target = shellOpenTarget(path);
    if (target.empty())
        return;
    const char* opener = "xdg-open";
    char* argv[] = {const_cast<char*>(opener), const_cast<char*>(target.c_str()), nullptr};
    pid_t pid;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawnp(&pid, opener, &actions, nullptr, argv, environ) == 0)
    {
        // Do not wait for the desktop; reap it if it is already done.
        ::waitpid(pid, nullptr, WNOHANG);
    }
    posix_spawn_file_actions_destroy(&actions);
}
} // namespace Platform
