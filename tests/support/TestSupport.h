// Helpers shared by the tests.
#pragma once

#include <string>

namespace tq
{
/// A fresh folder that becomes the working folder and the XDG data home for
/// the life of the object; removed afterwards.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    const std::string& path() const { return mPath; }
    std::string file(const std::string& name) const { return mPath + "/" + name; }

private:
    std::string mPath;
    std::string mOldCwd;
};

/// Whole text of a file, or empty when it cannot be read.
std::string readFile(const std::string& path);
/// Writes a text file; true on success.
bool writeFile(const std::string& path, const std::string& text);
} // namespace tq
