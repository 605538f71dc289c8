// Message boxes: a small modal window of our own on X11 when a display
// exists.  The text always goes to standard error as well, so that a run
// without a display (or a log read later) still shows what was asked.  Tests
// and CI answer without a window through TQ_MESSAGEBOX_ANSWER ("ok" or
// "cancel"), so that nothing ever waits for a person there.
#include "platform/Output.h"
#include "platform/Platform.h"
#include "platform/X11Dialog.h"
#include "platform/X11Layout.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace Platform
{
namespace
{
using namespace X11Layout;

constexpr int kIconSize = 32;
constexpr int kMaxTextWidth = 420;
constexpr int kMinWidth = 220;

struct IconStyle
{
    uint32_t colour;
    const char* mark;
};

// The icon bits of the flags; 0 when the box has none.
bool iconStyle(unsigned flags, IconStyle& style)
{
    switch (flags & 0xF0)
    {
    case MB_ICON_ERROR:
        style = {0xC82828, "x"};
        return true;
    case MB_ICON_WARNING:
        style = {0xE0A800, "!"};
        return true;
    case MB_ICON_INFORMATION:
        style = {0x2A62C8, "i"};
        return true;
    default:
        return false;
    }
}

class CMessageBoxWindow
{
public:
    CMessageBoxWindow(const std::string& text, const std::string& caption, unsigned flags)
        : mText(text), mCaption(caption), mFlags(flags)
    {
    }

    /// -1 when no window could be shown, else the answer.
    int run()
    {
        if (!mDialog.connect())
            return -1;
        layout();
        mDialog.show();
        for (;;)
        {
            XEvent event;
            mDialog.nextEvent(event);
            mDialog.takeFocus(event);
            if (mDialog.isCloseRequest(event))
                return cancelAnswer();
            switch (event.type)
            {
            case Expose:
                if (event.xexpose.count == 0)
                    draw();
                break;
            case KeyPress:
                switch (CX11Dialog::keyOf(event.xkey))
                {
                case DialogKey::Accept:
                    return ID_OK;
                case DialogKey::Escape:
                    return cancelAnswer();
                case DialogKey::Activate:
                    return answerOf(mFocus);
                case DialogKey::Next:
                case DialogKey::Previous:
                case DialogKey::Up:
                case DialogKey::Down:
                    mFocus = (mFocus + 1) % buttonCount();
                    draw();
                    break;
                default:
                    break;
                }
                break;
            case ButtonPress:
                mPressed = buttonAt(event.xbutton.x, event.xbutton.y);
                if (mPressed >= 0)
                {
                    mFocus = mPressed;
                    draw();
                }
                break;
            case ButtonRelease:
                if (event.xbutton.button == Button1 && mPressed >= 0 &&
                    buttonAt(event.xbutton.x, event.xbutton.y) == mPressed)
                    return answerOf(mPressed);
                mPressed = -1;
                break;
            default:
                break;
            }
        }
    }

private:
    int buttonCount() const { return (mFlags & MB_OK_CANCEL) ? 2 : 1; }
    int answerOf(int button) const { return button == 1 ? ID_CANCEL : ID_OK; }
    // Escape and the close button mean Cancel; a box with OK alone has no
    // other answer.
    int cancelAnswer() const { return buttonCount() == 2 ? ID_CANCEL : ID_OK; }

    CRect buttonRect(int index) const
    {
        return CRect{buttonLeft(mDialog.width(), buttonCount(), index), buttonTop(mDialog.height()),
                     kButtonWidth, kButtonHeight};
    }

    int buttonAt(int x, int y) const
    {
        for (int i = 0; i < buttonCount(); ++i)
            if (buttonRect(i).contains(x, y))
                return i;
        return -1;
    }

    void layout()
    {
        mHasIcon = iconStyle(mFlags, mIcon);
        mLines = mDialog.wrap(mText, kMaxTextWidth);
        int textWidth = 0;
        for (const std::string& line : mLines)
            textWidth = std::max(textWidth, mDialog.textWidth(line));
        mTextLeft = kMargin + (mHasIcon ? kIconSize + kMargin : 0);
        const int textHeight = static_cast<int>(mLines.size()) * mDialog.lineHeight();
        const int buttonsWidth = buttonCount() * kButtonWidth + (buttonCount() - 1) * kButtonGap;
        const int width = std::max({mTextLeft + textWidth + kMargin, buttonsWidth + 2 * kMargin, kMinWidth});
        const int content = std::max(mHasIcon ? kIconSize : 0, textHeight);
        const int height = kMargin + content + kMargin + kButtonHeight + kMargin;
        mTextTop = kMargin + (content - textHeight) / 2;
        mIconTop = kMargin + (content - kIconSize) / 2;
        mDialog.create(mCaption, width, height, (mFlags & MB_TOPMOST) != 0);
    }

    void draw()
    {
        mDialog.clear();
        if (mHasIcon)
        {
            mDialog.disc(CRect{kMargin, mIconTop, kIconSize, kIconSize}, mIcon.colour);
            const int markWidth = mDialog.textWidth(mIcon.mark);
            mDialog.text(kMargin + (kIconSize - markWidth) / 2, mIconTop + (kIconSize - mDialog.lineHeight()) / 2,
                         mIcon.mark, 0xFFFFFF);
        }
        int y = mTextTop;
        for (const std::string& line : mLines)
        {
            mDialog.text(mTextLeft, y, line, X11Colour::kText);
            y += mDialog.lineHeight();
        }
        mDialog.pushButton(buttonRect(0), "OK", mFocus == 0, true);
        if (buttonCount() == 2)
            mDialog.pushButton(buttonRect(1), "Cancel", mFocus == 1, false);
        XFlush(mDialog.display());
    }

    CX11Dialog mDialog;
    std::string mText;
    std::string mCaption;
    unsigned mFlags;
    std::vector<std::string> mLines;
    IconStyle mIcon{0, ""};
    bool mHasIcon = false;
    int mTextLeft = 0;
    int mTextTop = 0;
    int mIconTop = 0;
    int mFocus = 0;
    int mPressed = -1;
};
} // namespace

int messageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    // The log's held lines come first: they tell what led to the box.
    flushOutput();
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
    if (const char* answer = std::getenv("TQ_MESSAGEBOX_ANSWER"))
    {
        if (std::strcmp(answer, "ok") == 0)
            return ID_OK;
        if (std::strcmp(answer, "cancel") == 0)
            return (flags & MB_OK_CANCEL) ? ID_CANCEL : ID_OK;
    }
    CMessageBoxWindow box(text, caption, flags);
    const int result = box.run();
    // Without a display nobody can be asked: go on as if OK was pressed.
    return result < 0 ? ID_OK : result;
}
} // namespace Platform
