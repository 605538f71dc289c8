// Desktop display mode and the game window's title and frame on X11.
#include "platform/Platform.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace Platform
{
namespace
{
// One connection of our own for the small window-manager requests; OGRE keeps
// its own connection for rendering.
Display* connection()
{
    static Display* display = XOpenDisplay(nullptr);
    return display;
}
} // namespace

DisplayMode desktopDisplayMode()
{
    DisplayMode mode;
    Display* display = connection();
    if (!display)
        return mode;
    const int screen = DefaultScreen(display);
    mode.width = DisplayWidth(display, screen);
    mode.height = DisplayHeight(display, screen);
    mode.bitsPerPixel = DefaultDepth(display, screen) == 24 ? 32 : DefaultDepth(display, screen);
    return mode;
}

void setWindowTitle(unsigned long window, const std::string& title)
{
    Display* display = connection();
    if (!display || !window)
        return;
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    XChangeProperty(display, window, netName, utf8, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.c_str()),
                    static_cast<int>(title.size()));
    XStoreName(display, window, title.c_str());
    XFlush(display);
}

void setFixedSizeWindow(unsigned long window, int width, int height)
{
    Display* display = connection();
    if (!display || !window || width <= 0 || height <= 0)
        return;
    // Equal minimum and maximum sizes: window managers then drop the
    // maximise button and the resize handles.
    XSizeHints* hints = XAllocSizeHints();
    hints->flags = PMinSize | PMaxSize;
    hints->min_width = hints->max_width = width;
    hints->min_height = hints->max_height = height;
    XSetWMNormalHints(display, window, hints);
    XFree(hints);
    XFlush(display);
}
} // namespace Platform

namespace Platform
{
bool windowCloseRequested(void* xdisplay, unsigned long window)
{
    Display* display = static_cast<Display*>(xdisplay);
    if (!display || !window)
        return false;
    static unsigned long protocolSetOn = 0;
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    if (protocolSetOn != window)
    {
        XSetWMProtocols(display, window, &deleteWindow, 1);
        protocolSetOn = window;
    }
    bool requested = false;
    XEvent event;
    while (XCheckTypedWindowEvent(display, window, ClientMessage, &event))
    {
        if (static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow)
            requested = true;
    }
    return requested;
}
} // namespace Platform
