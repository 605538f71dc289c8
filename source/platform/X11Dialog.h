// A small modal window of our own on X11: the part that message boxes and
// the settings dialog share (connection, window, core font, colours and the
// few widgets they draw).  Plain Xlib with the core font "fixed", which every
// X server has, Xvfb included.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Platform
{
/// A rectangle in window coordinates.
struct CRect
{
    int x = 0, y = 0, w = 0, h = 0;
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

/// Colours of the dialogs, as 0xRRGGBB.
namespace X11Colour
{
constexpr uint32_t kFace = 0xE4E4E4;
constexpr uint32_t kText = 0x000000;
constexpr uint32_t kGreyText = 0x8C8C8C;
constexpr uint32_t kFrame = 0x6E6E6E;
constexpr uint32_t kField = 0xFFFFFF;
constexpr uint32_t kFocus = 0x2A62C8;
constexpr uint32_t kHighlight = 0xC8D8F4;
} // namespace X11Colour

/// What a key press means to a dialog.
enum class DialogKey
{
    Other,
    Accept,   ///< Return or keypad Enter
    Escape,
    Next,     ///< Tab
    Previous, ///< Shift+Tab
    Activate, ///< Space
    Up,       ///< Up or Left
    Down,     ///< Down or Right
};

class CX11Dialog
{
public:
    CX11Dialog() = default;
    ~CX11Dialog();
    CX11Dialog(const CX11Dialog&) = delete;
    CX11Dialog& operator=(const CX11Dialog&) = delete;

    /// Opens a connection of our own and loads the font; false when there is
    /// no display.
    bool connect();
    /// Creates the fixed-size window centred on the screen with the title;
    /// topmost asks the window manager to keep it above the others.
    void create(const std::string& title, int width, int height, bool topmost);
    /// Maps the window; events start to arrive.
    void show();

    Display* display() const { return mDisplay; }
    Window window() const { return mWindow; }
    GC gc() const { return mGc; }
    int width() const { return mWidth; }
    int height() const { return mHeight; }

    /// Waits for the next event of the connection.
    void nextEvent(XEvent& event);
    /// True for the window manager's close request (the title bar's X).
    bool isCloseRequest(const XEvent& event) const;
    /// Takes the keyboard focus once the window is visible (needed where no
    /// window manager gives it, as under Xvfb).
    void takeFocus(const XEvent& event);
    /// The meaning of a key press event.
    static DialogKey keyOf(XKeyEvent& event);

    // -- text, in the core font ------------------------------------------------
    int textWidth(const std::string& text) const;
    int lineHeight() const;
    /// Splits text into lines no wider than maxWidth, at spaces where possible;
    /// "\n" always breaks.
    std::vector<std::string> wrap(const std::string& text, int maxWidth) const;

    // -- drawing -------------------------------------------------------------------
    /// Drawing goes to target (the window unless given, for a pop-up).
    void fill(const CRect& r, uint32_t rgb, Drawable target = 0);
    void outline(const CRect& r, uint32_t rgb, Drawable target = 0);
    /// Text with its top-left corner at x, y.
    void text(int x, int y, const std::string& text, uint32_t rgb, Drawable target = 0);
    /// A filled circle inside r.
    void disc(const CRect& r, uint32_t rgb);
    void clear();
    void pushButton(const CRect& r, const std::string& label, bool focused, bool isDefault);
    void checkBox(const CRect& r, const std::string& label, bool checked, bool focused, bool enabled);
    /// Pixel value of a colour in the window's colour map.
    unsigned long pixel(uint32_t rgb);

private:
    Display* mDisplay = nullptr;
    Window mWindow = 0;
    GC mGc = nullptr;
    XFontStruct* mFont = nullptr;
    bool mOwnFont = false;
    Atom mDeleteWindow = 0;
    Atom mProtocols = 0;
    bool mFocusTaken = false;
    int mWidth = 0;
    int mHeight = 0;
    std::map<uint32_t, unsigned long> mPixels;
};

/// Converts UTF-8 to the Latin-1 of the core font; what Latin-1 lacks becomes
/// '?', and bytes that are no UTF-8 are taken as Latin-1 already.
std::string toLatin1(const std::string& utf8);
} // namespace Platform
