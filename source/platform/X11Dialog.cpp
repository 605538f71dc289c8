// The shared part of our small X11 windows: connection, window, core font,
// colours and the plain widgets.
#include "platform/X11Dialog.h"

#include "platform/X11Layout.h"

#include <X11/Xatom.h>
#include <X11/keysym.h>

namespace Platform
{
std::string toLatin1(const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();)
    {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        size_t extra = 0;
        uint32_t cp = c;
        if (c >= 0xC0 && c < 0xE0)
        {
            extra = 1;
            cp = c & 0x1F;
        }
        else if (c >= 0xE0 && c < 0xF0)
        {
            extra = 2;
            cp = c & 0x0F;
        }
        else if (c >= 0xF0 && c < 0xF8)
        {
            extra = 3;
            cp = c & 0x07;
        }
        bool valid = c < 0x80 || extra > 0;
        for (size_t k = 1; valid && k <= extra; ++k)
        {
            if (i + k >= utf8.size())
            {
                valid = false;
                break;
            }
            const unsigned char cc = static_cast<unsigned char>(utf8[i + k]);
            if ((cc & 0xC0) != 0x80)
                valid = false;
            else
                cp = (cp << 6) | (cc & 0x3F);
        }
        if (!valid)
        {
            // Not UTF-8: the byte is Latin-1 already.
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        out += cp < 0x100 ? static_cast<char>(cp) : '?';
        i += extra + 1;
    }
    return out;
}

namespace
{
int ignoreXError(Display*, XErrorEvent*)
{
    return 0;
}
} // namespace

CX11Dialog::~CX11Dialog()
{
    if (!mDisplay)
        return;
    if (mFont)
    {
        if (mOwnFont)
            XFreeFont(mDisplay, mFont);
        else
            XFreeFontInfo(nullptr, mFont, 1);
    }
    if (mGc)
        XFreeGC(mDisplay, mGc);
    if (mWindow)
        XDestroyWindow(mDisplay, mWindow);
    XCloseDisplay(mDisplay);
}

bool CX11Dialog::connect()
{
    mDisplay = XOpenDisplay(nullptr);
    if (!mDisplay)
        return false;
    // The font and the graphics context come first, so that a window can be
    // sized to its text before it is made.
    mGc = XCreateGC(mDisplay, DefaultRootWindow(mDisplay), 0, nullptr);
    mFont = XLoadQueryFont(mDisplay, "fixed");
    mOwnFont = mFont != nullptr;
    if (mFont)
        XSetFont(mDisplay, mGc, mFont->fid);
    else
        mFont = XQueryFont(mDisplay, XGContextFromGC(mGc)); // the server's default font
    return true;
}

void CX11Dialog::create(const std::string& title, int width, int height, bool topmost)
{
    const int screen = DefaultScreen(mDisplay);
    const Window root = RootWindow(mDisplay, screen);
    mWidth = width;
    mHeight = height;
    const int x = (DisplayWidth(mDisplay, screen) - width) / 2;
    const int y = (DisplayHeight(mDisplay, screen) - height) / 2;
    mWindow = XCreateSimpleWindow(mDisplay, root, x < 0 ? 0 : x, y < 0 ? 0 : y,
                                  static_cast<unsigned>(width), static_cast<unsigned>(height), 1,
                                  BlackPixel(mDisplay, screen), pixel(X11Colour::kFace));
    XSelectInput(mDisplay, mWindow,
                 ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask);

    const std::string latin = toLatin1(title);
    XStoreName(mDisplay, mWindow, latin.c_str());
    XChangeProperty(mDisplay, mWindow, XInternAtom(mDisplay, "_NET_WM_NAME", False),
                    XInternAtom(mDisplay, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.c_str()), static_cast<int>(title.size()));

    XClassHint* classHint = XAllocClassHint();
    char name[] = "tolvane_quirn";
    char klass[] = "TolvaneQuirn";
    classHint->res_name = name;
    classHint->res_class = klass;
    XSetClassHint(mDisplay, mWindow, classHint);
    XFree(classHint);

    // Fixed size and placed where we put it.
    XSizeHints* hints = XAllocSizeHints();
    hints->flags = PPosition | PSize | PMinSize | PMaxSize;
    hints->x = x;
    hints->y = y;
    hints->width = hints->min_width = hints->max_width = width;
    hints->height = hints->min_height = hints->max_height = height;
    XSetWMNormalHints(mDisplay, mWindow, hints);
    XFree(hints);

    mProtocols = XInternAtom(mDisplay, "WM_PROTOCOLS", False);
    mDeleteWindow = XInternAtom(mDisplay, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(mDisplay, mWindow, &mDeleteWindow, 1);

    Atom dialogType = XInternAtom(mDisplay, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    XChangeProperty(mDisplay, mWindow, XInternAtom(mDisplay, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(&dialogType), 1);
    if (topmost)
    {
        Atom above = XInternAtom(mDisplay, "_NET_WM_STATE_ABOVE", False);
        XChangeProperty(mDisplay, mWindow, XInternAtom(mDisplay, "_NET_WM_STATE", False), XA_ATOM, 32,
                        PropModeReplace, reinterpret_cast<unsigned char*>(&above), 1);
    }

}

void CX11Dialog::show()
{
    XMapRaised(mDisplay, mWindow);
    XFlush(mDisplay);
}

void CX11Dialog::nextEvent(XEvent& event)
{
    XNextEvent(mDisplay, &event);
}

bool CX11Dialog::isCloseRequest(const XEvent& event) const
{
    return event.type == ClientMessage && event.xclient.window == mWindow &&
           event.xclient.message_type == mProtocols &&
           static_cast<Atom>(event.xclient.data.l[0]) == mDeleteWindow;
}

void CX11Dialog::takeFocus(const XEvent& event)
{
    if (mFocusTaken || event.xany.window != mWindow || (event.type != MapNotify && event.type != Expose))
        return;
    mFocusTaken = true;
    // Under a window manager the window may not be viewable yet, and the
    // default error handler would end the program over a refused focus.
    XSync(mDisplay, False);
    XErrorHandler previous = XSetErrorHandler(ignoreXError);
    XSetInputFocus(mDisplay, mWindow, RevertToParent, CurrentTime);
    XSync(mDisplay, False);
    XSetErrorHandler(previous);
}

DialogKey CX11Dialog::keyOf(XKeyEvent& event)
{
    char buffer[8];
    KeySym sym = NoSymbol;
    XLookupString(&event, buffer, sizeof(buffer), &sym, nullptr);
    switch (sym)
    {
    case XK_Return:
    case XK_KP_Enter:
        return DialogKey::Accept;
    case XK_Escape:
        return DialogKey::Escape;
    case XK_ISO_Left_Tab:
        return DialogKey::Previous;
    case XK_Tab:
        return (event.state & ShiftMask) ? DialogKey::Previous : DialogKey::Next;
    case XK_space:
        return DialogKey::Activate;
    case XK_Up:
    case XK_Left:
    case XK_KP_Up:
    case XK_KP_Left:
        return DialogKey::Up;
    case XK_Down:
    case XK_Right:
    case XK_KP_Down:
    case XK_KP_Right:
        return DialogKey::Down;
    default:
        return DialogKey::Other;
    }
}

int CX11Dialog::textWidth(const std::string& text) const
{
    const std::string latin = toLatin1(text);
    return mFont ? XTextWidth(mFont, latin.c_str(), static_cast<int>(latin.size()))
                 : static_cast<int>(latin.size()) * 6;
}

int CX11Dialog::lineHeight() const
{
    return mFont ? mFont->ascent + mFont->descent : 13;
}

std::vector<std::string> CX11Dialog::wrap(const std::string& text, int maxWidth) const
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;)
    {
        const size_t end = text.find('\n', start);
        const std::string paragraph = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        std::string line;
        size_t i = 0;
        while (i < paragraph.size())
        {
            // The next word with the spaces before it.
            size_t wordEnd = paragraph.find(' ', i);
            if (wordEnd == i)
                wordEnd = paragraph.find_first_not_of(' ', i);
            if (wordEnd != std::string::npos)
                wordEnd = paragraph.find(' ', wordEnd);
            const std::string piece = paragraph.substr(i, wordEnd == std::string::npos ? std::string::npos : wordEnd - i);
            if (textWidth(line + piece) <= maxWidth)
            {
                line += piece;
                i += piece.size();
                continue;
            }
            if (!line.empty())
            {
                lines.push_back(line);
                line.clear();
                // The spaces that ended the line are not carried over.
                i = paragraph.find_first_not_of(' ', i);
                if (i == std::string::npos)
                    i = paragraph.size();
                continue;
            }
            // A single word wider than the line: cut it between characters.
            size_t cut = i + 1;
            while (cut < paragraph.size() && (static_cast<unsigned char>(paragraph[cut]) & 0xC0) == 0x80)
                ++cut;
            for (size_t next = cut; next < paragraph.size() && paragraph[next] != ' ';)
            {
                size_t after = next + 1;
                while (after < paragraph.size() && (static_cast<unsigned char>(paragraph[after]) & 0xC0) == 0x80)
                    ++after;
                if (textWidth(paragraph.substr(i, after - i)) > maxWidth)
                    break;
                cut = next = after;
            }
            lines.push_back(paragraph.substr(i, cut - i));
            i = cut;
        }
        lines.push_back(line);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return lines;
}

unsigned long CX11Dialog::pixel(uint32_t rgb)
{
    auto it = mPixels.find(rgb);
    if (it != mPixels.end())
        return it->second;
    const int screen = DefaultScreen(mDisplay);
    XColor colour;
    colour.red = static_cast<unsigned short>(((rgb >> 16) & 0xFF) * 257);
    colour.green = static_cast<unsigned short>(((rgb >> 8) & 0xFF) * 257);
    colour.blue = static_cast<unsigned short>((rgb & 0xFF) * 257);
    colour.flags = DoRed | DoGreen | DoBlue;
    unsigned long value;
    if (XAllocColor(mDisplay, DefaultColormap(mDisplay, screen), &colour))
        value = colour.pixel;
    else // a full colour map: black or white, whichever is nearer
        value = ((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF) > 384 ? WhitePixel(mDisplay, screen)
                                                                              : BlackPixel(mDisplay, screen);
    mPixels[rgb] = value;
    return value;
}

void CX11Dialog::fill(const CRect& r, uint32_t rgb, Drawable target)
{
    XSetForeground(mDisplay, mGc, pixel(rgb));
    XFillRectangle(mDisplay, target ? target : mWindow, mGc, r.x, r.y, static_cast<unsigned>(r.w),
                   static_cast<unsigned>(r.h));
}

void CX11Dialog::outline(const CRect& r, uint32_t rgb, Drawable target)
{
    XSetForeground(mDisplay, mGc, pixel(rgb));
    XDrawRectangle(mDisplay, target ? target : mWindow, mGc, r.x, r.y, static_cast<unsigned>(r.w - 1),
                   static_cast<unsigned>(r.h - 1));
}

void CX11Dialog::text(int x, int y, const std::string& text, uint32_t rgb, Drawable target)
{
    const std::string latin = toLatin1(text);
    XSetForeground(mDisplay, mGc, pixel(rgb));
    XDrawString(mDisplay, target ? target : mWindow, mGc, x, y + (mFont ? mFont->ascent : 11), latin.c_str(),
                static_cast<int>(latin.size()));
}

void CX11Dialog::disc(const CRect& r, uint32_t rgb)
{
    XSetForeground(mDisplay, mGc, pixel(rgb));
    XFillArc(mDisplay, mWindow, mGc, r.x, r.y, static_cast<unsigned>(r.w), static_cast<unsigned>(r.h), 0,
             360 * 64);
}

void CX11Dialog::clear()
{
    fill(CRect{0, 0, mWidth, mHeight}, X11Colour::kFace);
}

void CX11Dialog::pushButton(const CRect& r, const std::string& label, bool focused, bool isDefault)
{
    fill(r, X11Colour::kField);
    outline(r, X11Colour::kFrame);
    if (isDefault)
        outline(CRect{r.x + 1, r.y + 1, r.w - 2, r.h - 2}, X11Colour::kFrame);
    if (focused)
        outline(CRect{r.x + 3, r.y + 3, r.w - 6, r.h - 6}, X11Colour::kFocus);
    text(r.x + (r.w - textWidth(label)) / 2, r.y + (r.h - lineHeight()) / 2, label, X11Colour::kText);
}

void CX11Dialog::checkBox(const CRect& r, const std::string& label, bool checked, bool focused, bool enabled)
{
    const int size = 13;
    const CRect box{r.x, r.y + (r.h - size) / 2, size, size};
    const uint32_t ink = enabled ? X11Colour::kText : X11Colour::kGreyText;
    fill(box, enabled ? X11Colour::kField : X11Colour::kFace);
    outline(box, enabled ? X11Colour::kFrame : X11Colour::kGreyText);
    if (checked)
    {
        XSetForeground(mDisplay, mGc, pixel(ink));
        for (int d = 0; d < 2; ++d)
        {
            XDrawLine(mDisplay, mWindow, mGc, box.x + 3 + d, box.y + 3, box.x + size - 4 + d - 1, box.y + size - 4);
            XDrawLine(mDisplay, mWindow, mGc, box.x + 3 + d, box.y + size - 4, box.x + size - 4 + d - 1, box.y + 3);
        }
    }
    const int labelX = box.x + size + 6;
    const int labelY = r.y + (r.h - lineHeight()) / 2;
    text(labelX, labelY, label, ink);
    if (focused)
        outline(CRect{labelX - 2, labelY - 2, textWidth(label) + 4, lineHeight() + 4}, X11Colour::kFocus);
}
} // namespace Platform
