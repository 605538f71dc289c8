// The string table: every text the game shows, stored by a five-digit id,
// and the code points those texts use, from which the TrueType font
// definition is written when the game started without one.
#pragma once

#include <Overlay/OgreUTFString.h>

#include <set>
#include <string>
#include <unordered_map>

class StringTable
{
public:
    typedef Ogre::UTFString Text;

    /// Adds one text; "\\n" in it becomes a line break.  An id already
    /// present keeps its first text.
    void load(const std::string& id, const Text& text);
    /// The text whose id is number written "%05d", or "string not found!".
    Text get(int number) const;
    /// The text of an id already formatted, or "string not found!".
    Text find(const std::string& id) const;
    /// Writes the font definition (mFontDefPath) when code points are being
    /// collected.  The file is replaced at once, never left half-written;
    /// false (with a log line) when it cannot be written.
    bool writeFontDef() const;
    /// The exact content of the font definition for the collected code points.
    std::string fontDefText() const;
    /// Adds a range of code points to the collection, for texts that the
    /// game shows before any table is loaded.
    void addCodePoints(Text::code_point first, Text::code_point last);
    /// Whether a font definition's text is whole: it defines "00_font_01"
    /// and every brace it opens is closed (a cut file is not).
    static bool isCompleteFontDef(const std::string& text);

    /// Number of texts held.
    size_t size() const { return mTexts.size(); }
    /// Drops every text; the collected code points stay.
    void clear() { mTexts.clear(); }
    const std::set<Text::code_point>& codePoints() const { return mCodePoints; }

    /// Set at start when the resource "font.fontdef" does not exist: the
    /// texts added from then on feed the font definition.
    bool mCollectCodePoints = false;
    /// Where the font definition is written.
    std::string mFontDefPath = "texts\\font.fontdef";
    /// The TrueType file that the written definition names.
    std::string mFontSource = "georgia.ttf";

private:
    std::unordered_map<std::string, Text> mTexts;
    std::set<Text::code_point> mCodePoints;
};
