// The game's picture keeps the 4:3 shape its overlays and camera are made
// for: on other window shapes it takes the largest centred 4:3 area.
#include "Application.h"

#include <gtest/gtest.h>

TEST(PictureArea, LargestCentredFourByThree)
{
    struct Case
    {
        int windowWidth, windowHeight;
        int left, top, width, height;
    };
    const Case cases[] = {
        {800, 600, 0, 0, 800, 600},          // 4:3 fills the window
        {1024, 768, 0, 0, 1024, 768},
        {1920, 1080, 240, 0, 1440, 1080},    // 16:9: bars left and right
        {1280, 720, 160, 0, 960, 720},
        {1280, 1024, 0, 32, 1280, 960},      // 5:4: bars above and below
        {1025, 768, 0, 0, 1025, 768},        // a pixel off 4:3 is not barred
        {1, 1, 0, 0, 1, 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.windowWidth) + "x" + std::to_string(c.windowHeight));
        int left = -1, top = -1, width = -1, height = -1;
        CApplication::fourByThreeArea(c.windowWidth, c.windowHeight, left, top, width, height);
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(top, c.top);
        EXPECT_EQ(width, c.width);
        EXPECT_EQ(height, c.height);
    }
}
