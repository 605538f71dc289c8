// INI files in the form Windows' private-profile functions read and write:
// "[section]" headers, "key=value" lines, keys compared without case.
#include "platform/Platform.h"

#include "platform/FileIO.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace Platform
{
namespace
{
std::string trim(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

bool sameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool readLines(const std::string& file, std::vector<std::string>& lines)
{
    std::ifstream in(normalisePath(file), std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return true;
}

bool isSection(const std::string& line, std::string& name)
{
    std::string t = trim(line);
    if (t.size() < 2 || t.front() != '[')
        return false;
    size_t close = t.find(']');
    if (close == std::string::npos)
        return false;
    name = trim(t.substr(1, close - 1));
    return true;
}

bool isKey(const std::string& line, const std::string& key, std::string* value)
{
    size_t eq = line.find('=');
    if (eq == std::string::npos)
        return false;
    if (!sameName(trim(line.substr(0, eq)), key))
        return false;
    if (value)
        *value = trim(line.substr(eq + 1));
    return true;
}
// Sets key = value in section: the key's line is replaced where it stands, a
// new key goes after the section's last line, a new section at the end.
void setKey(std::vector<std::string>& lines, const std::string& section, const std::string& key,
            const std::string& value)
{
    // A line break in a value would start a line of its own.
    std::string oneLine = value;
    for (char& c : oneLine)
        if (c == '\r' || c == '\n')
            c = ' ';
    const std::string entry = key + "=" + oneLine;
    bool inSection = false;
    size_t sectionEnd = std::string::npos;
    for (size_t i = 0; i < lines.size(); ++i)
    {
        std::string name;
        if (isSection(lines[i], name))
        {
            if (inSection)
                break;
            inSection = sameName(name, section);
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (isKey(lines[i], key, nullptr))
        {
            lines[i] = entry;
            return;
        }
        if (!trim(lines[i]).empty())
            sectionEnd = i + 1;
    }
    if (sectionEnd == std::string::npos)
    {
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    }
    else
        lines.insert(lines.begin() + static_cast<long>(sectionEnd), entry);
}
} // namespace

size_t getPrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& def, std::string& out, size_t size,
                               const std::string& file)
{
    auto copyCut = [&](const std::string& s) {
        out = size == 0 ? std::string() : s.substr(0, size - 1);
        return out.size();
    };
    std::vector<std::string> lines;
    if (!readLines(file, lines))
        return copyCut(def);
    bool inSection = false;
    for (const std::string& line : lines)
    {
        std::string name;
        if (isSection(line, name))
        {
            inSection = sameName(name, section);
            continue;
        }
        std::string value;
        if (inSection && isKey(line, key, &value))
        {
            // Windows strips one pair of surrounding quotes.
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);
            return copyCut(value);
        }
    }
    return copyCut(def);
}

bool writePrivateProfileStrings(const std::string& section,
                                const std::vector<std::pair<std::string, std::string>>& entries,
                                const std::string& file, std::string* error)
{
    std::vector<std::string> lines;
    const bool existed = readLines(file, lines);
    const std::vector<std::string> before = lines;
    for (const auto& entry : entries)
        setKey(lines, section, entry.first, entry.second);
    // Nothing to change: the file is not touched at all.
    if (existed && lines == before)
        return true;
    std::string text;
    for (const std::string& l : lines)
        text += l + "\r\n";
    return replaceFile(file, text.data(), text.size(), error) == REPLACE_OK;
}

bool writePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& file)
{
    return writePrivateProfileStrings(section, {{key, value}}, file);
}
} // namespace Platform
