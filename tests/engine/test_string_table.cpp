// The string table's look-ups and the font definition written from the code
// points of its texts.
#include "StringTable.h"
#include "TestSupport.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

namespace
{
StringTable::Text utf8(const char* text)
{
    return StringTable::Text(std::string(text));
}

TEST(StringTable, LooksUpByFiveDigitIdAndReportsMissingOnes)
{
    StringTable table;
    table.load("00007", utf8("seven"));
    table.load("1234567", utf8("long"));
    EXPECT_EQ(table.get(7).asUTF8(), "seven");
    EXPECT_EQ(table.find("00007").asUTF8(), "seven");
    // More than five digits are used as they are.
    EXPECT_EQ(table.get(1234567).asUTF8(), "long");
    EXPECT_EQ(table.get(8).asUTF8(), "string not found!");
    EXPECT_EQ(table.find("7").asUTF8(), "string not found!");
}

TEST(StringTable, FirstTextOfAnIdStays)
{
    StringTable table;
    table.load("00001", utf8("first"));
    table.load("00001", utf8("second"));
    EXPECT_EQ(table.get(1).asUTF8(), "first");
    EXPECT_EQ(table.size(), 1u);
}

TEST(StringTable, EscapedLineBreaksBecomeLineBreaks)
{
    struct Case
    {
        const char* stored;
        const char* expected;
    };
    const Case cases[] = {
        {"one\\ntwo", "one\ntwo"},
        {"\\n\\n", "\n\n"},
        {"a\\\\nb", "a\\\nb"}, // the backslash before the pair stays
        {"no breaks", "no breaks"},
        {"back\\slash", "back\\slash"},
        {"", ""},
    };
    for (const Case& c : cases)
    {
        StringTable table;
        table.load("00001", utf8(c.stored));
        EXPECT_EQ(table.get(1).asUTF8(), c.expected) << c.stored;
    }
}

TEST(StringTable, KeepsTextsBeyondAsciiAsUtf16)
{
    StringTable table;
    table.load("00002", utf8("\xC5\xBEluva \xE2\x82\xAC"));
    const StringTable::Text text = table.get(2);
    ASSERT_EQ(text.size(), 7u);
    EXPECT_EQ(text[0], 0x17E);
    EXPECT_EQ(text[6], 0x20AC);
}

TEST(StringTable, FontDefinitionListsCollectedCodePointsByteForByte)
{
    tq::TempDir dir;
    StringTable table;
    table.mCollectCodePoints = true;
    table.load("00001", utf8("BABA"));
    table.load("00002", utf8("A"));
    table.writeFontDef();
    EXPECT_EQ(tq::readFile(dir.file("texts/font.fontdef")),
              "\n//Auto-generated fontdef file for 2 code points\n\n"
              "00_font_01\n{\ntype\ttruetype\nsource\tgeorgia.ttf\nsize\t16\nresolution\t96\n"
              "code_points\t65-65 66-66 \n}");
}

TEST(StringTable, FontDefinitionOrdersCodePointsNumerically)
{
    tq::TempDir dir;
    StringTable table;
    table.mCollectCodePoints = true;
    // A line break from "\n", a space, a letter with a caron and the euro sign.
    table.load("00001", utf8("\xE2\x82\xAC z\\n\xC5\xBE"));
    table.writeFontDef();
    EXPECT_EQ(tq::readFile(dir.file("texts/font.fontdef")),
              "\n//Auto-generated fontdef file for 5 code points\n\n"
              "00_font_01\n{\ntype\ttruetype\nsource\tgeorgia.ttf\nsize\t16\nresolution\t96\n"
              "code_points\t10-10 32-32 122-122 382-382 8364-8364 \n}");
}

TEST(StringTable, NoCollectingWritesNoFontDefinition)
{
    tq::TempDir dir;
    StringTable table;
    table.load("00001", utf8("AB"));
    table.writeFontDef();
    EXPECT_TRUE(table.codePoints().empty());
    EXPECT_FALSE(Platform::fileExists(dir.file("texts/font.fontdef")));
}
} // namespace
