// Message boxes: answered without a window when there is no display or the
// answer is given in advance, and as a real window under Xvfb, by key and by
// click.
// ctest: serial
#include "XDriver.h"
#include "platform/Platform.h"
#include "platform/X11Layout.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
using namespace Platform;

TEST(MessageBox, WithoutADisplayOrWithAnAnswerGivenNobodyIsAsked)
{
    unsetenv("DISPLAY");
    struct Case
    {
        const char* answer; // TQ_MESSAGEBOX_ANSWER, null for none
        unsigned flags;
        int expected;
    } cases[] = {
        {nullptr, MB_OK_CANCEL | MB_ICON_WARNING, ID_OK}, // no display: go on
        {nullptr, MB_ICON_ERROR, ID_OK},
        {"ok", MB_OK_CANCEL, ID_OK},
        {"cancel", MB_OK_CANCEL, ID_CANCEL},
        {"cancel", MB_OK_ONLY, ID_OK}, // a box with OK alone has no other answer
    };
    for (const Case& c : cases)
    {
        if (c.answer)
            setenv("TQ_MESSAGEBOX_ANSWER", c.answer, 1);
        else
            unsetenv("TQ_MESSAGEBOX_ANSWER");
        testing::internal::CaptureStderr();
        const int result = messageBox("Too low video memory detected.", "Low video memory error", c.flags);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(result, c.expected) << (c.answer ? c.answer : "(no answer)") << " flags " << c.flags;
        // The text always reaches standard error, window or not.
        EXPECT_NE(err.find("[Low video memory error] Too low video memory detected."), std::string::npos) << err;
    }
}

class MessageBoxWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        unsetenv("TQ_MESSAGEBOX_ANSWER");
        if (!tq::hasDisplay())
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    }

    // Shows the box while a driver process finds it and acts on it.
    int answerWith(unsigned flags, const std::function<bool(unsigned long window, int width, int height)>& act,
                   const std::string& text = "Unable to run game in windowed mode.")
    {
        const pid_t driver = tq::forkDriver([&] {
            const unsigned long window = tq::waitForWindow("^Box under test$");
            int width = 0, height = 0;
            return window && tq::windowSize(window, width, height) && tq::focusWindow(window) &&
                   act(window, width, height);
        });
        const int result = messageBox(text, "Box under test", flags);
        EXPECT_TRUE(tq::driverSucceeded(driver));
        return result;
    }
};

TEST_F(MessageBoxWindow, KeysAnswerTheBox)
{
    struct Case
    {
        unsigned flags;
        const char* keys;
        int expected;
    } cases[] = {
        {MB_OK_CANCEL | MB_ICON_WARNING, "Return", ID_OK},
        {MB_OK_CANCEL | MB_ICON_WARNING, "Escape", ID_CANCEL},
        {MB_OK_CANCEL | MB_ICON_INFORMATION, "Tab space", ID_CANCEL}, // Space presses the focused button
        {MB_OK_CANCEL, "Tab Tab space", ID_OK},
        {MB_OK_CANCEL, "Tab Return", ID_OK}, // Enter is OK wherever the focus is
        {MB_OK_ONLY | MB_ICON_ERROR, "Escape", ID_OK},
    };
    for (const Case& c : cases)
    {
        const int result = answerWith(c.flags, [&](unsigned long, int, int) { return tq::pressKeys(c.keys); });
        EXPECT_EQ(result, c.expected) << c.keys << " flags " << c.flags;
    }
}

TEST_F(MessageBoxWindow, ClicksOnTheButtonsAnswerTheBox)
{
    using namespace Platform::X11Layout;
    for (int button = 0; button < 2; ++button)
    {
        const int result = answerWith(MB_OK_CANCEL | MB_ICON_WARNING, [&](unsigned long window, int width, int height) {
            return tq::clickAt(window, buttonLeft(width, 2, button) + kButtonWidth / 2,
                               buttonTop(height) + kButtonHeight / 2);
        });
        EXPECT_EQ(result, button == 0 ? ID_OK : ID_CANCEL);
    }
    // A click beside the buttons answers nothing; the box waits for Escape.
    const int result = answerWith(MB_OK_CANCEL, [&](unsigned long window, int width, int height) {
        return tq::clickAt(window, width / 2, buttonTop(height) - 4) && tq::pressKeys("Escape");
    });
    EXPECT_EQ(result, ID_CANCEL);
}

TEST_F(MessageBoxWindow, TheCloseButtonCancels)
{
    EXPECT_EQ(answerWith(MB_OK_CANCEL, [](unsigned long window, int, int) { return tq::sendCloseRequest(window); }),
              ID_CANCEL);
    EXPECT_EQ(answerWith(MB_ICON_ERROR, [](unsigned long window, int, int) { return tq::sendCloseRequest(window); }),
              ID_OK);
}

TEST_F(MessageBoxWindow, LongTextIsWrappedIntoANarrowBox)
{
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += "Press 'OK' to play ";
    text += "\n\nLast line with a word longer than any line: " + std::string(200, 'x');
    // The driver checks the size: narrow, but tall enough for some twenty
    // lines, and within the screen.
    const int result = answerWith(
        MB_OK_CANCEL | MB_ICON_WARNING,
        [&](unsigned long, int width, int height) {
            return width <= 520 && height > 150 && height < 700 && tq::pressKeys("Return");
        },
        text);
    EXPECT_EQ(result, ID_OK);
}
} // namespace
