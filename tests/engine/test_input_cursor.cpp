// Reading the cursors and the icon: the generated sample files, a small
// paletted cursor with its mask, and damaged data that must be refused.
#include "TestSupport.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

namespace
{
void put16(std::vector<unsigned char>& out, unsigned v)
{
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<unsigned char>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back((v >> (8 * i)) & 0xFF);
}

// A 2 x 2 cursor of 1 bit a pixel, hot spot (1, 0): top row black and
// white, bottom row transparent by the mask.
std::vector<unsigned char> tinyCursor()
{
    std::vector<unsigned char> d;
    put16(d, 0);
    put16(d, 2);
    put16(d, 1);
    d.insert(d.end(), {2, 2, 2, 0});
    put16(d, 1);
    put16(d, 0);
    put32(d, 40 + 8 + 8 + 8);
    put32(d, 22);
    put32(d, 40);
    put32(d, 2);
    put32(d, 4);
    put16(d, 1);
    put16(d, 1);
    for (int i = 0; i < 6; ++i)
        put32(d, 0);
    put32(d, 0x000000);      // palette 0: black
    put32(d, 0xFFFFFF);      // palette 1: white
    // Rows of 4 bytes, bottom row first: the colours, then the mask.
    d.insert(d.end(), {0x00, 0, 0, 0}); // bottom: 0 0
    d.insert(d.end(), {0x40, 0, 0, 0}); // top: 0 1
    d.insert(d.end(), {0xC0, 0, 0, 0}); // bottom: transparent
    d.insert(d.end(), {0x00, 0, 0, 0}); // top: opaque
    return d;
}

TEST(CursorFile, GeneratedSampleFilesRead)
{
    Platform::CursorImage image;
    ASSERT_TRUE(Platform::readCursorFile(std::string(TQ_GAME_DIR) + "/00_cursor_02.cur", image));
    EXPECT_EQ(image.width, 32);
    EXPECT_EQ(image.height, 32);
    EXPECT_EQ(image.hotX, 15);
    EXPECT_EQ(image.hotY, 15);
    EXPECT_EQ(image.argb[0] >> 24, 0u);        // a corner is transparent
    EXPECT_EQ(image.argb[15 * 32 + 15], 0xFFFFC040u); // the centre dot
    ASSERT_TRUE(Platform::readCursorFile(std::string(TQ_GAME_DIR) + "/tolvane_quirn.ico", image));
    EXPECT_EQ(image.hotX, 0);
    EXPECT_FALSE(Platform::readCursorFile("no_such.cur", image));
}

TEST(CursorFile, PalettedCursorWithMask)
{
    const std::vector<unsigned char> data = tinyCursor();
    Platform::CursorImage image;
    ASSERT_TRUE(Platform::parseCursorData(data.data(), data.size(), image));
    EXPECT_EQ(image.hotX, 1);
    EXPECT_EQ(image.hotY, 0);
    EXPECT_EQ(image.argb, (std::vector<uint32_t>{0xFF000000u, 0xFFFFFFFFu, 0, 0}));
}

TEST(CursorFile, DamagedDataIsRefused)
{
    const std::vector<unsigned char> good = tinyCursor();
    struct Case
    {
        const char* what;
        size_t at;
        unsigned char value;
        size_t size;
    };
    const Case cases[] = {
        {"truncated", 0, 0, good.size() - 1},
        {"no header", 0, 0, 10},
        {"type 3", 2, 3, good.size()},
        {"offset past the end", 18, 0xF0, good.size()},
        {"width of 65536", 22 + 6, 1, good.size()},
        {"odd double height", 22 + 8, 3, good.size()},
        {"12 bits a pixel", 22 + 14, 12, good.size()},
        {"compressed", 22 + 16, 1, good.size()},
        {"PNG inside", 22, 0x89, good.size()},
    };
    for (const Case& c : cases)
    {
        std::vector<unsigned char> data(good.begin(), good.begin() + c.size);
        if (c.at)
            data[c.at] = c.value;
        if (std::string(c.what) == "PNG inside")
            data[23] = 'P';
        Platform::CursorImage image;
        EXPECT_FALSE(Platform::parseCursorData(data.data(), data.size(), image)) << c.what;
    }
}
} // namespace
