#include "StringTable.h"

#include "Log.h"
#include "platform/FileIO.h"
#include "platform/Platform.h"

#include <cstdio>

namespace
{
StringTable::Text notFound()
{
    return StringTable::Text(std::string("string not found!"));
}
} // namespace

void StringTable::load(const std::string& id, const Text& text)
{
    // The .scene files write line breaks as the two characters '\' 'n'.
    Text::dstring units(text.data(), text.size());
    const Text::dstring escape = {Text::code_point('\\'), Text::code_point('n')};
    for (size_t at = units.find(escape); at != Text::dstring::npos; at = units.find(escape))
        units.replace(at, 2, 1, Text::code_point('\n'));
    Text stored;
    stored.assign(units.data(), units.size());
    if (mCollectCodePoints)
        mCodePoints.insert(units.begin(), units.end());
    mTexts.emplace(id, stored);
}

StringTable::Text StringTable::get(int number) const
{
    char id[16];
    std::snprintf(id, sizeof(id), "%05d", number);
    return find(id);
}

StringTable::Text StringTable::find(const std::string& id) const
{
    auto it = mTexts.find(id);
    return it != mTexts.end() ? it->second : notFound();
}

std::string StringTable::fontDefText() const
{
    std::string out;
    char line[64];
    std::snprintf(line, sizeof(line), "\n//Auto-generated fontdef file for %d code points\n\n",
                  static_cast<int>(mCodePoints.size()));
    out += line;
    out += "00_font_01\n{\n";
    out += "type\ttruetype\n";
    out += "source\t" + mFontSource + "\n";
    out += "size\t16\n";
    out += "resolution\t96\n";
    out += "code_points\t";
    for (Text::code_point cp : mCodePoints)
    {
        std::snprintf(line, sizeof(line), "%u-%u ", static_cast<unsigned>(cp), static_cast<unsigned>(cp));
        out += line;
    }
    out += "\n}";
    return out;
}

void StringTable::addCodePoints(Text::code_point first, Text::code_point last)
{
    for (uint32_t cp = first; cp <= last; ++cp)
        mCodePoints.insert(static_cast<Text::code_point>(cp));
}

bool StringTable::isCompleteFontDef(const std::string& text)
{
    if (text.find("00_font_01") == std::string::npos)
        return false;
    int depth = 0;
    bool opened = false;
    for (char c : text)
    {
        if (c == '{')
        {
            ++depth;
            opened = true;
        }
        else if (c == '}' && --depth < 0)
            return false;
    }
    return opened && depth == 0;
}

bool StringTable::writeFontDef() const
{
    if (!mCollectCodePoints)
        return true;
    const std::string path = Platform::normalisePath(mFontDefPath);
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos)
        Platform::createFolders(path.substr(0, slash));
    const std::string text = fontDefText();
    std::string error;
    if (Platform::replaceFile(path, text.data(), text.size(), &error) != Platform::REPLACE_OK)
    {
        Log::print("\nWARNING: Can't write the font definition %s (%s)", path.c_str(), error.c_str());
        return false;
    }
    return true;
}
