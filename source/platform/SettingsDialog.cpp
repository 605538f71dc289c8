// The render settings dialog of "-setup": five drop-down lists, four check
// boxes, OK and Cancel, under the splash picture when there is one.  Plain
// Xlib: a window of fixed layout and an override-redirect pop-up for the open
// list.  Keyboard: Tab and Shift+Tab move the focus, Up and Down change the
// focused list, Space opens a list or toggles a box, Enter is OK and Escape
// Cancel.
#include "platform/BmpImage.h"
#include "platform/Platform.h"
#include "platform/X11Dialog.h"
#include "platform/X11Layout.h"

#include <algorithm>
#include <cstdlib>

namespace Platform
{
namespace
{
using namespace X11Layout;

constexpr int kListCount = 5;
constexpr int kBoxCount = 4;
constexpr int kOkControl = kListCount + kBoxCount; // then Cancel
constexpr int kControlCount = kOkControl + 2;
constexpr int kMinWidth = 420;
constexpr int kMaxSplashWidth = 800;
constexpr int kMaxSplashHeight = 360;
constexpr int kRowGap = 6;
constexpr int kMaxPopupRows = 12;

const char* const kListLabels[kListCount] = {"Rendering system:", "Video mode:", "Anti-aliasing:",
                                             "Floating-point mode:", "Rendering device:"};
const char* const kBoxLabels[kBoxCount] = {"Full screen", "Vertical sync", "No post effects",
                                           "Performance HUD"};

// Position of the lowest set bit and the number of bits of a colour mask.
void maskShape(unsigned long mask, int& shift, int& bits)
{
    shift = 0;
    bits = 0;
    if (!mask)
        return;
    while (!(mask & 1))
    {
        mask >>= 1;
        ++shift;
    }
    while (mask & 1)
    {
        mask >>= 1;
        ++bits;
    }
}

unsigned long scaleInto(uint32_t component, unsigned long mask)
{
    int shift, bits;
    maskShape(mask, shift, bits);
    const unsigned long top = (1ul << bits) - 1;
    return ((component * top + 127) / 255) << shift;
}

class CSettingsDialogWindow
{
public:
    CSettingsDialogWindow(SettingsDialogModel& model, SettingsRefill refill, void* context)
        : mModel(model), mRefill(refill), mContext(context)
    {
    }

    ~CSettingsDialogWindow()
    {
        closePopup();
        if (mSplash)
            XDestroyImage(mSplash);
    }

    int run()
    {
        if (!mDialog.connect())
            return -1;
        loadSplash();
        layout();
        mDialog.show();
        mFocus = nextFocus(-1, 1);
        for (;;)
        {
            XEvent event;
            mDialog.nextEvent(event);
            mDialog.takeFocus(event);
            if (mDialog.isCloseRequest(event))
                return 0;
            const int result = handle(event);
            if (result >= 0)
                return result;
        }
    }

private:
    // -- the controls -----------------------------------------------------------
    struct ListView
    {
        std::vector<std::string>* values;
        int* selected;
        bool enabled;
    };

    ListView list(int index)
    {
        switch (index)
        {
        case 0:
            return {&mModel.renderSystems, &mModel.selectedRenderSystem, true};
        case 1:
            return {&mModel.videoMode.values, &mModel.videoMode.selected, mModel.videoMode.enabled};
        case 2:
            return {&mModel.antiAliasing.values, &mModel.antiAliasing.selected, mModel.antiAliasing.enabled};
        case 3:
            return {&mModel.floatingPointMode.values, &mModel.floatingPointMode.selected,
                    mModel.floatingPointMode.enabled};
        default:
            return {&mModel.renderingDevice.values, &mModel.renderingDevice.selected,
                    mModel.renderingDevice.enabled};
        }
    }

    bool& box(int index)
    {
        switch (index)
        {
        case 0:
            return mModel.fullScreen;
        case 1:
            return mModel.vsync;
        case 2:
            return mModel.noPostEffects;
        default:
            return mModel.perfHud;
        }
    }

    bool usable(int control)
    {
        if (control < kListCount)
        {
            ListView view = list(control);
            return view.enabled && !view.values->empty();
        }
        if (control == kListCount + 3)
            return mModel.perfHudEnabled;
        return true;
    }

    int nextFocus(int from, int step)
    {
        int control = from;
        for (int tries = 0; tries < kControlCount; ++tries)
        {
            control = (control + step + kControlCount) % kControlCount;
            if (usable(control))
                return control;
        }
        return kOkControl;
    }

    // -- the splash picture ----------------------------------------------------------
    void loadSplash()
    {
        if (mModel.splashBitmap.empty())
            return;
        CBmpImage image;
        std::string error;
        if (!readBmpFile(mModel.splashBitmap, image, error))
        {
            mModel.splashError = error;
            return;
        }
        Display* display = mDialog.display();
        const int screen = DefaultScreen(display);
        Visual* visual = DefaultVisual(display, screen);
        const int depth = DefaultDepth(display, screen);
        if (visual->c_class != TrueColor || depth < 15)
        {
            mModel.splashError = "the display has no true colours";
            return;
        }
        mSplash = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                               static_cast<unsigned>(image.width), static_cast<unsigned>(image.height), 32, 0);
        if (!mSplash)
        {
            mModel.splashError = "no memory for the picture";
            return;
        }
        mSplash->data = static_cast<char*>(std::malloc(static_cast<size_t>(mSplash->bytes_per_line) *
                                                       static_cast<size_t>(image.height)));
        if (!mSplash->data)
        {
            XDestroyImage(mSplash);
            mSplash = nullptr;
            mModel.splashError = "no memory for the picture";
            return;
        }
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x)
            {
                const uint32_t rgb = image.pixels[static_cast<size_t>(y) * static_cast<size_t>(image.width) +
                                                  static_cast<size_t>(x)];
                XPutPixel(mSplash, x, y,
                          scaleInto((rgb >> 16) & 0xFF, visual->red_mask) |
                              scaleInto((rgb >> 8) & 0xFF, visual->green_mask) |
                              scaleInto(rgb & 0xFF, visual->blue_mask));
            }
    }

    // -- layout and drawing ----------------------------------------------------------
    void layout()
    {
        int width = kMinWidth;
        mSplashHeight = 0;
        if (mSplash)
        {
            width = std::max(kMinWidth, std::min(mSplash->width, kMaxSplashWidth));
            mSplashHeight = std::min(mSplash->height, kMaxSplashHeight);
        }
        mRowHeight = mDialog.lineHeight() + 10;
        int labelWidth = 0;
        for (const char* label : kListLabels)
            labelWidth = std::max(labelWidth, mDialog.textWidth(label));
        const int controlLeft = kMargin + labelWidth + 10;
        int y = mSplashHeight + kMargin;
        for (int i = 0; i < kListCount; ++i)
        {
            mRects[i] = CRect{controlLeft, y, width - controlLeft - kMargin, mRowHeight};
            y += mRowHeight + kRowGap;
        }
        y += kRowGap;
        const int column = (width - 2 * kMargin) / 2;
        for (int i = 0; i < kBoxCount; ++i)
            mRects[kListCount + i] =
                CRect{kMargin + (i % 2) * column, y + (i / 2) * (mRowHeight + kRowGap), column, mRowHeight};
        y += 2 * (mRowHeight + kRowGap);
        const int height = y + kMargin + kButtonHeight + kMargin;
        for (int i = 0; i < 2; ++i)
            mRects[kOkControl + i] = CRect{buttonLeft(width, 2, i), buttonTop(height), kButtonWidth, kButtonHeight};
        mDialog.create("Settings", width, height, false);
    }

    // The text cut to fit a width, with "..." where it was cut.
    std::string fit(const std::string& text, int width) const
    {
        if (mDialog.textWidth(text) <= width)
            return text;
        std::string cut = text;
        while (!cut.empty() && mDialog.textWidth(cut + "...") > width)
            cut.pop_back();
        return cut + "...";
    }

    void drawList(int index)
    {
        const CRect& r = mRects[index];
        ListView view = list(index);
        const bool enabled = usable(index);
        mDialog.fill(r, enabled ? X11Colour::kField : X11Colour::kFace);
        mDialog.outline(r, enabled ? X11Colour::kFrame : X11Colour::kGreyText);
        const int arrow = r.h;
        std::string value;
        if (*view.selected >= 0 && *view.selected < static_cast<int>(view.values->size()))
            value = (*view.values)[static_cast<size_t>(*view.selected)];
        mDialog.text(r.x + 5, r.y + (r.h - mDialog.lineHeight()) / 2, fit(value, r.w - arrow - 10),
                     enabled ? X11Colour::kText : X11Colour::kGreyText);
        // The drop-down arrow.
        Display* display = mDialog.display();
        XPoint points[3] = {{static_cast<short>(r.x + r.w - arrow + 6), static_cast<short>(r.y + r.h / 2 - 2)},
                            {static_cast<short>(r.x + r.w - 6), static_cast<short>(r.y + r.h / 2 - 2)},
                            {static_cast<short>(r.x + r.w - arrow / 2), static_cast<short>(r.y + r.h / 2 + 4)}};
        GC gc = mDialog.gc();
        XSetForeground(display, gc, mDialog.pixel(enabled ? X11Colour::kText : X11Colour::kGreyText));
        XFillPolygon(display, mDialog.window(), gc, points, 3, Convex, CoordModeOrigin);
        if (mFocus == index)
            mDialog.outline(CRect{r.x + 2, r.y + 2, r.w - arrow - 2, r.h - 4}, X11Colour::kFocus);
    }

    void draw()
    {
        mDialog.clear();
        if (mSplash)
        {
            const int shown = std::min(mSplash->width, mDialog.width());
            XPutImage(mDialog.display(), mDialog.window(), mDialog.gc(), mSplash, (mSplash->width - shown) / 2, 0, (mDialog.width() - shown) / 2, 0,
                      static_cast<unsigned>(shown), static_cast<unsigned>(mSplashHeight));
        }
        for (int i = 0; i < kListCount; ++i)
        {
            const CRect& r = mRects[i];
            mDialog.text(kMargin, r.y + (r.h - mDialog.lineHeight()) / 2, kListLabels[i],
                         usable(i) ? X11Colour::kText : X11Colour::kGreyText);
            drawList(i);
        }
        for (int i = 0; i < kBoxCount; ++i)
            mDialog.checkBox(mRects[kListCount + i], kBoxLabels[i], box(i), mFocus == kListCount + i,
                             usable(kListCount + i));
        mDialog.pushButton(mRects[kOkControl], "OK", mFocus == kOkControl, true);
        mDialog.pushButton(mRects[kOkControl + 1], "Cancel", mFocus == kOkControl + 1, false);
        XFlush(mDialog.display());
    }

    // -- choosing ------------------------------------------------------------------------
    void select(int index, int value)
    {
        ListView view = list(index);
        const int count = static_cast<int>(view.values->size());
        if (count == 0)
            return;
        value = std::max(0, std::min(value, count - 1));
        if (value == *view.selected)
            return;
        *view.selected = value;
        // Another render system offers other options: the model's owner
        // fills the lists anew.
        if (index == 0 && mRefill)
        {
            mRefill(mModel, mContext);
            if (!usable(mFocus))
                mFocus = nextFocus(mFocus, 1);
        }
    }

    // Acts on a control as a click or Space would; returns the dialog's
    // result when it ends, else -1.
    int activate(int control)
    {
        if (!usable(control))
            return -1;
        if (control < kListCount)
            openPopup(control);
        else if (control < kOkControl)
            box(control - kListCount) = !box(control - kListCount);
        else
            return control == kOkControl ? 1 : 0;
        return -1;
    }

    int controlAt(int x, int y) const
    {
        for (int i = 0; i < kControlCount; ++i)
            if (mRects[i].contains(x, y))
                return i;
        return -1;
    }

    int handle(XEvent& event)
    {
        if (mPopup && event.xany.window == mPopup)
            return handlePopup(event);
        switch (event.type)
        {
        case Expose:
            if (event.xexpose.count == 0)
                draw();
            break;
        case KeyPress:
        {
            const DialogKey key = CX11Dialog::keyOf(event.xkey);
            if (mPopup)
                return popupKey(key);
            switch (key)
            {
            case DialogKey::Accept:
                return 1;
            case DialogKey::Escape:
                return 0;
            case DialogKey::Next:
            case DialogKey::Previous:
                mFocus = nextFocus(mFocus, key == DialogKey::Next ? 1 : -1);
                break;
            case DialogKey::Up:
            case DialogKey::Down:
                if (mFocus < kListCount)
                    select(mFocus, *list(mFocus).selected + (key == DialogKey::Down ? 1 : -1));
                else
                    mFocus = nextFocus(mFocus, key == DialogKey::Down ? 1 : -1);
                break;
            case DialogKey::Activate:
            {
                const int result = activate(mFocus);
                if (result >= 0)
                    return result;
                break;
            }
            default:
                break;
            }
            draw();
            break;
        }
        case ButtonPress:
            if (event.xbutton.button != Button1)
                break;
            mPressed = controlAt(event.xbutton.x, event.xbutton.y);
            if (mPressed >= 0 && usable(mPressed))
            {
                mFocus = mPressed;
                // A list opens as the button goes down, like a drop-down does.
                if (mPressed < kListCount)
                {
                    mPressed = -1;
                    openPopup(mFocus);
                }
                draw();
            }
            break;
        case ButtonRelease:
            if (event.xbutton.button == Button1 && mPressed >= 0 &&
                controlAt(event.xbutton.x, event.xbutton.y) == mPressed)
            {
                const int result = activate(mPressed);
                mPressed = -1;
                if (result >= 0)
                    return result;
                draw();
            }
            mPressed = -1;
            break;
        default:
            break;
        }
        return -1;
    }

    // -- the open list -------------------------------------------------------------------
    int itemHeight() const { return mDialog.lineHeight() + 6; }

    void openPopup(int index)
    {
        closePopup();
        ListView view = list(index);
        if (view.values->empty())
            return;
        Display* display = mDialog.display();
        const int screen = DefaultScreen(display);
        const CRect& r = mRects[index];
        const int count = static_cast<int>(view.values->size());
        mPopupRows = std::min(count, kMaxPopupRows);
        const int height = mPopupRows * itemHeight() + 2;
        int x = 0, y = 0;
        Window child;
        XTranslateCoordinates(display, mDialog.window(), RootWindow(display, screen), r.x, r.y + r.h, &x, &y,
                              &child);
        if (y + height > DisplayHeight(display, screen))
            y -= height + r.h; // no room below: open upwards
        XSetWindowAttributes attributes;
        attributes.override_redirect = True;
        attributes.background_pixel = mDialog.pixel(X11Colour::kField);
        attributes.border_pixel = mDialog.pixel(X11Colour::kFrame);
        attributes.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
        mPopup = XCreateWindow(display, RootWindow(display, screen), x, std::max(0, y),
                               static_cast<unsigned>(r.w), static_cast<unsigned>(height), 1, CopyFromParent,
                               InputOutput, CopyFromParent,
                               CWOverrideRedirect | CWBackPixel | CWBorderPixel | CWEventMask, &attributes);
        mPopupList = index;
        mPopupWidth = r.w;
        mHighlight = std::max(0, *view.selected);
        mPopupTop = std::max(0, std::min(mHighlight - mPopupRows / 2, count - mPopupRows));
        XMapRaised(display, mPopup);
        // Every click goes to the list while it is open; one outside closes it.
        XGrabPointer(display, mPopup, False, ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                     GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
        XFlush(display);
    }

    void closePopup()
    {
        if (!mPopup)
            return;
        XUngrabPointer(mDialog.display(), CurrentTime);
        XDestroyWindow(mDialog.display(), mPopup);
        XFlush(mDialog.display());
        mPopup = 0;
        mPopupList = -1;
    }

    void drawPopup()
    {
        ListView view = list(mPopupList);
        const int count = static_cast<int>(view.values->size());
        mDialog.fill(CRect{0, 0, mPopupWidth, mPopupRows * itemHeight() + 2}, X11Colour::kField, mPopup);
        for (int row = 0; row < mPopupRows && mPopupTop + row < count; ++row)
        {
            const int item = mPopupTop + row;
            const CRect r{0, 1 + row * itemHeight(), mPopupWidth, itemHeight()};
            if (item == mHighlight)
                mDialog.fill(r, X11Colour::kHighlight, mPopup);
            mDialog.text(5, r.y + 3, fit((*view.values)[static_cast<size_t>(item)], mPopupWidth - 10),
                         X11Colour::kText, mPopup);
        }
        XFlush(mDialog.display());
    }

    void scrollPopup(int step)
    {
        const int count = static_cast<int>(list(mPopupList).values->size());
        mPopupTop = std::max(0, std::min(mPopupTop + step, count - mPopupRows));
    }

    void choosePopup(int item)
    {
        const int index = mPopupList;
        closePopup();
        select(index, item);
        draw();
    }

    int handlePopup(XEvent& event)
    {
        const int count = static_cast<int>(list(mPopupList).values->size());
        switch (event.type)
        {
        case Expose:
            if (event.xexpose.count == 0)
                drawPopup();
            break;
        case MotionNotify:
        {
            const int row = (event.xmotion.y - 1) / itemHeight();
            if (event.xmotion.x >= 0 && event.xmotion.x < mPopupWidth && event.xmotion.y >= 1 &&
                row < mPopupRows && mPopupTop + row < count && mPopupTop + row != mHighlight)
            {
                mHighlight = mPopupTop + row;
                drawPopup();
            }
            break;
        }
        case ButtonPress:
        {
            if (event.xbutton.button == Button4 || event.xbutton.button == Button5)
            {
                scrollPopup(event.xbutton.button == Button4 ? -1 : 1);
                drawPopup();
                break;
            }
            const int row = (event.xbutton.y - 1) / itemHeight();
            const bool inside = event.xbutton.x >= 0 && event.xbutton.x < mPopupWidth && event.xbutton.y >= 1 &&
                                row < mPopupRows && mPopupTop + row < count;
            if (inside)
                choosePopup(mPopupTop + row);
            else
            {
                closePopup();
                draw();
            }
            break;
        }
        default:
            break;
        }
        return -1;
    }

    int popupKey(DialogKey key)
    {
        const int count = static_cast<int>(list(mPopupList).values->size());
        switch (key)
        {
        case DialogKey::Up:
        case DialogKey::Down:
            mHighlight = std::max(0, std::min(mHighlight + (key == DialogKey::Down ? 1 : -1), count - 1));
            if (mHighlight < mPopupTop)
                mPopupTop = mHighlight;
            if (mHighlight >= mPopupTop + mPopupRows)
                mPopupTop = mHighlight - mPopupRows + 1;
            drawPopup();
            break;
        case DialogKey::Accept:
        case DialogKey::Activate:
            choosePopup(mHighlight);
            break;
        case DialogKey::Escape:
        case DialogKey::Next:
        case DialogKey::Previous:
            closePopup();
            draw();
            break;
        default:
            break;
        }
        return -1;
    }

    SettingsDialogModel& mModel;
    SettingsRefill mRefill;
    void* mContext;
    CX11Dialog mDialog;
    XImage* mSplash = nullptr;
    int mSplashHeight = 0;
    int mRowHeight = 0;
    CRect mRects[kControlCount];
    int mFocus = 0;
    int mPressed = -1;
    Window mPopup = 0;
    int mPopupList = -1;
    int mPopupRows = 0;
    int mPopupTop = 0;
    int mPopupWidth = 0;
    int mHighlight = 0;
};
} // namespace

int runSettingsDialog(SettingsDialogModel& model, SettingsRefill refill, void* context)
{
    CSettingsDialogWindow dialog(model, refill, context);
    return dialog.run();
}
} // namespace Platform
