#include "TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace tq
{
TempDir::TempDir()
{
    char buffer[4096];
    if (getcwd(buffer, sizeof(buffer)))
        mOldCwd = buffer;
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/tq-test-XXXXXX";
    std::string writable = pattern;
    if (!mkdtemp(&writable[0]))
        throw std::runtime_error("mkdtemp failed");
    mPath = writable;
    if (chdir(mPath.c_str()) != 0)
        throw std::runtime_error("chdir failed");
    setenv("XDG_DATA_HOME", mPath.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", mPath.c_str(), 1);
}

TempDir::~TempDir()
{
    if (!mOldCwd.empty() && chdir(mOldCwd.c_str()) != 0)
        return;
    std::string command = "rm -rf '" + mPath + "'";
    if (std::system(command.c_str()) != 0)
        return;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool writeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}
} // namespace tq
