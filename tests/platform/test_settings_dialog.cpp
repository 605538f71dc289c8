// The render settings dialog: its splash-picture reader, and the dialog under
// Xvfb driven by keys and clicks, with the refill of the lists when another
// render system is chosen.
// ctest: serial
#include "TestSupport.h"
#include "XDriver.h"
#include "platform/BmpImage.h"
#include "platform/Platform.h"
#include "platform/X11Layout.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
using namespace Platform;

void put32(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A bitmap file with a 40-byte header; pixel(x, y) gives 0xRRGGBB with y
// counted from the top.
std::vector<uint8_t> makeBmp(int width, int height, int bits, bool topDown, uint32_t (*pixel)(int, int),
                             uint32_t compression = 0)
{
    const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
    std::vector<uint8_t> b(54 + stride * static_cast<size_t>(height), 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, static_cast<uint32_t>(b.size()));
    put32(b, 10, 54);
    put32(b, 14, 40);
    put32(b, 18, static_cast<uint32_t>(width));
    put32(b, 22, static_cast<uint32_t>(topDown ? -height : height));
    b[26] = 1;
    b[28] = static_cast<uint8_t>(bits);
    put32(b, 30, compression);
    for (int y = 0; y < height; ++y)
    {
        const size_t row = 54 + stride * static_cast<size_t>(topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x)
        {
            const uint32_t rgb = pixel(x, y);
            const size_t at = row + static_cast<size_t>(x) * static_cast<size_t>(bits / 8);
            b[at] = static_cast<uint8_t>(rgb);
            b[at + 1] = static_cast<uint8_t>(rgb >> 8);
            b[at + 2] = static_cast<uint8_t>(rgb >> 16);
        }
    }
    return b;
}

uint32_t gradient(int x, int y)
{
    return static_cast<uint32_t>(x * 40) << 16 | static_cast<uint32_t>(y * 60) << 8 | 0x11;
}

TEST(BmpImage, ReadsUncompressedTrueColourBitmapsInEitherRowOrder)
{
    struct Case
    {
        int bits;
        bool topDown;
    } cases[] = {{24, false}, {24, true}, {32, false}, {32, true}};
    for (const Case& c : cases)
    {
        // Three pixels of 24 bits leave a row padded to 12 bytes.
        CBmpImage image;
        std::string error;
        ASSERT_TRUE(readBmp(makeBmp(3, 2, c.bits, c.topDown, gradient), image, error)) << error;
        ASSERT_EQ(image.width, 3);
        ASSERT_EQ(image.height, 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(image.pixels[static_cast<size_t>(y * 3 + x)], gradient(x, y))
                    << c.bits << " bits, top-down " << c.topDown << " at " << x << "," << y;
    }
}

TEST(BmpImage, RefusesWhatItCannotShowWithAReason)
{
    auto cut = makeBmp(8, 8, 24, false, gradient);
    cut.resize(cut.size() - 10);
    auto paletted = makeBmp(4, 4, 24, false, gradient);
    paletted[28] = 8;
    auto compressed = makeBmp(4, 4, 24, false, gradient, 1);
    auto huge = makeBmp(4, 4, 24, false, gradient);
    put32(huge, 18, 0x7FFFFFFF);
    auto negativeWidth = makeBmp(4, 4, 24, false, gradient);
    put32(negativeWidth, 18, static_cast<uint32_t>(-4));
    auto offsetOutside = makeBmp(4, 4, 32, false, gradient);
    put32(offsetOutside, 10, 0xFFFFFFF0u);
    const std::vector<uint8_t> notABitmap = {'P', 'K', 3, 4};

    const std::vector<std::pair<const char*, std::vector<uint8_t>>> cases = {
        {"cut short", cut},       {"8 bits", paletted},        {"compressed", compressed},
        {"huge", huge},           {"negative width", negativeWidth}, {"data offset outside", offsetOutside},
        {"not a bitmap", notABitmap}, {"empty", {}},
    };
    for (const auto& c : cases)
    {
        CBmpImage image;
        std::string error;
        EXPECT_FALSE(readBmp(c.second, image, error)) << c.first;
        EXPECT_FALSE(error.empty()) << c.first;
        EXPECT_TRUE(image.pixels.empty()) << c.first;
    }
    CBmpImage image;
    std::string error;
    EXPECT_FALSE(readBmpFile("no/such/splash.bmp", image, error));
    EXPECT_FALSE(error.empty());
}

// The dialog's owner, as the render set-up is: a second render system
// offers other video modes and no anti-aliasing.
struct Owner
{
    int refills = 0;
};

void refill(SettingsDialogModel& model, void* context)
{
    ++static_cast<Owner*>(context)->refills;
    if (model.selectedRenderSystem == 1)
    {
        model.videoMode.values = {"1280 x 720", "1920 x 1080"};
        model.videoMode.selected = 1;
        model.antiAliasing.enabled = false;
        model.perfHudEnabled = false;
    }
    else
    {
        model.videoMode.values = {"640 x 480", "800 x 600", "1024 x 768"};
        model.videoMode.selected = 0;
        model.antiAliasing.enabled = true;
        model.perfHudEnabled = true;
    }
}

class SettingsDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!tq::hasDisplay())
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        model.renderSystems = {"Alpha Rendering Subsystem", "Beta Rendering Subsystem"};
        model.selectedRenderSystem = 0;
        refill(model, &owner);
        owner.refills = 0;
        model.antiAliasing.values = {"0", "2", "4"};
        model.antiAliasing.selected = 0;
        model.floatingPointMode.values = {"Fastest", "Consistent"};
        model.floatingPointMode.selected = 0;
        // No rendering devices: the empty list is passed over.
    }

    // Runs the dialog while a driver process finds it and acts on it.
    int runWith(const std::function<bool(unsigned long window, int width, int height)>& act)
    {
        const pid_t driver = tq::forkDriver([&] {
            const unsigned long window = tq::waitForWindow("^Settings$");
            int width = 0, height = 0;
            return window && tq::windowSize(window, width, height) && tq::focusWindow(window) &&
                   act(window, width, height);
        });
        const int result = runSettingsDialog(model, refill, &owner);
        EXPECT_TRUE(tq::driverSucceeded(driver));
        return result;
    }

    static bool keys(const char* keys)
    {
        return tq::pressKeys(keys);
    }

    SettingsDialogModel model;
    Owner owner;
};

TEST_F(SettingsDialog, KeysChooseEveryControlAndOkGivesTheChoices)
{
    // The focus starts on the render-system list.  Down picks the second
    // render system (the lists are refilled, anti-aliasing and the HUD box
    // switch off); Tab passes over the disabled and the empty controls.
    const int result = runWith([](unsigned long, int, int) {
        return keys("Down") &&              // render system: Beta
               keys("Tab Up") &&            // video mode: 1280 x 720
               keys("Tab Down") &&          // floating-point mode: Consistent (anti-aliasing is off)
               keys("Tab space") &&         // full screen on (no rendering devices)
               keys("Tab space") &&         // vertical sync on
               keys("Tab Tab space");       // no post effects stays; the HUD is off, so this is OK
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(owner.refills, 1);
    EXPECT_EQ(model.selectedRenderSystem, 1);
    ASSERT_EQ(model.videoMode.values.size(), 2u);
    EXPECT_EQ(model.videoMode.selected, 0);
    EXPECT_EQ(model.floatingPointMode.selected, 1);
    EXPECT_EQ(model.antiAliasing.selected, 0);
    EXPECT_TRUE(model.fullScreen);
    EXPECT_TRUE(model.vsync);
    EXPECT_FALSE(model.noPostEffects);
    EXPECT_FALSE(model.perfHud);
}

TEST_F(SettingsDialog, AnOpenListTakesKeysAndAClickOnOkEndsTheDialog)
{
    using namespace Platform::X11Layout;
    const int result = runWith([](unsigned long window, int width, int height) {
        // Open the video-mode list, move down twice and take the entry;
        // Escape then only closes a list opened again.
        return keys("Tab space Down Down Return") && keys("space Escape") &&
               tq::clickAt(window, buttonLeft(width, 2, 0) + kButtonWidth / 2, buttonTop(height) + kButtonHeight / 2);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(model.videoMode.selected, 2);
    EXPECT_EQ(owner.refills, 0);
}

TEST_F(SettingsDialog, CancelEscapeAndTheCloseButtonEndWithZero)
{
    using namespace Platform::X11Layout;
    const std::vector<std::pair<const char*, std::function<bool(unsigned long, int, int)>>> cases = {
        {"Cancel clicked",
         [](unsigned long window, int width, int height) {
             return tq::clickAt(window, buttonLeft(width, 2, 1) + kButtonWidth / 2,
                                buttonTop(height) + kButtonHeight / 2);
         }},
        {"Escape", [](unsigned long, int, int) { return keys("Escape"); }},
        {"close request", [](unsigned long window, int, int) { return tq::sendCloseRequest(window); }},
        {"Space on Cancel", [](unsigned long, int, int) { return keys("shift+Tab space"); }},
    };
    for (const auto& c : cases)
        EXPECT_EQ(runWith(c.second), 0) << c.first;
}

TEST_F(SettingsDialog, ShowsTheSplashPictureAboveTheControls)
{
    tq::TempDir dir;
    const std::vector<uint8_t> bytes =
        makeBmp(500, 40, 24, false, [](int x, int) -> uint32_t { return x < 250 ? 0xC03010 : 0x1040C0; });
    ASSERT_TRUE(tq::writeFile(dir.file("splash.bmp"), std::string(bytes.begin(), bytes.end())));
    model.splashBitmap = dir.file("splash.bmp");
    const int result = runWith([](unsigned long window, int width, int) {
        // The window takes the picture's width; its halves keep their
        // colours (looked at until the first drawing has happened).
        bool shown = false;
        for (int tries = 0; tries < 50 && !shown; ++tries, tq::pause(100))
        {
            unsigned left = 0, right = 0;
            shown = tq::windowPixel(window, 100, 20, left) && left == 0xC03010 &&
                    tq::windowPixel(window, 400, 20, right) && right == 0x1040C0;
        }
        return width == 500 && shown && keys("Return");
    });
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(model.splashError.empty()) << model.splashError;
}

TEST_F(SettingsDialog, ADamagedSplashPictureIsLeftOutAndSaidWhy)
{
    tq::TempDir dir;
    std::vector<uint8_t> bytes = makeBmp(300, 300, 24, false, gradient);
    bytes.resize(bytes.size() / 2);
    ASSERT_TRUE(tq::writeFile(dir.file("splash.bmp"), std::string(bytes.begin(), bytes.end())));
    model.splashBitmap = dir.file("splash.bmp");
    EXPECT_EQ(runWith([](unsigned long, int, int) { return keys("Return"); }), 1);
    EXPECT_NE(model.splashError.find("cut short"), std::string::npos) << model.splashError;
}

TEST(SettingsDialogWithoutDisplay, SaysSoAtOnce)
{
    unsetenv("DISPLAY");
    SettingsDialogModel model;
    model.renderSystems = {"Alpha Rendering Subsystem"};
    EXPECT_EQ(runSettingsDialog(model, nullptr, nullptr), -1);
}
} // namespace
