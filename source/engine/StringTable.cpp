#include "StringTable.h"

#include "Log.h"
#include "platform/Platform.h"

#include <cstdio>

namespace
{
const char* const kFontDefFile = "texts\\font.fontdef";

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
    out += "source\tgeorgia.ttf\n";
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

void StringTable::writeFontDef() const
{
    if (!mCollectCodePoints)
        return;
    const std::string path = Platform::normalisePath(kFontDefFile);
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos)
        Platform::createFolders(path.substr(0, slash));
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
    {
        Log::print("\nWARNING: Can't write the font definition %s", kFontDefFile);
        return;
    }
    const std::string text = fontDefText();
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}
