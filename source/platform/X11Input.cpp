// Pointer, cursors and the window icon on X11.  Every call works on OGRE's
// own connection ("XDISPLAY"), so that cursors live as long as the window.
#include "platform/Platform.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrender.h>

namespace Platform
{
unsigned long loadCursor(void* xdisplay, const std::string& path)
{
    Display* display = static_cast<Display*>(xdisplay);
    CursorImage image;
    if (!display || !readCursorFile(path, image))
        return 0;
    int eventBase = 0, errorBase = 0;
    if (!XRenderQueryExtension(display, &eventBase, &errorBase))
        return 0;
    XRenderPictFormat* format = XRenderFindStandardFormat(display, PictStandardARGB32);
    if (!format)
        return 0;

    // The render extension wants premultiplied alpha.
    std::vector<uint32_t> pixels(image.argb.size());
    for (size_t i = 0; i < pixels.size(); ++i)
    {
        const uint32_t p = image.argb[i];
        const uint32_t a = p >> 24;
        const uint32_t r = ((p >> 16) & 0xFF) * a / 255;
        const uint32_t g = ((p >> 8) & 0xFF) * a / 255;
        const uint32_t b = (p & 0xFF) * a / 255;
        pixels[i] = (a << 24) | (r << 16) | (g << 8) | b;
    }
    const Window root = DefaultRootWindow(display);
    Pixmap pixmap = XCreatePixmap(display, root, image.width, image.height, 32);
    XImage* ximage = XCreateImage(display, DefaultVisual(display, DefaultScreen(display)), 32, ZPixmap, 0,
                                  reinterpret_cast<char*>(pixels.data()), image.width, image.height, 32,
                                  image.width * 4);
    if (!ximage)
    {
        XFreePixmap(display, pixmap);
        return 0;
    }
    GC gc = XCreateGC(display, pixmap, 0, nullptr);
    XPutImage(display, pixmap, gc, ximage, 0, 0, 0, 0, image.width, image.height);
    XFreeGC(display, gc);
    ximage->data = nullptr; // the pixels belong to the vector
    XDestroyImage(ximage);

    Picture picture = XRenderCreatePicture(display, pixmap, format, 0, nullptr);
    const Cursor cursor = XRenderCreateCursor(display, picture, image.hotX, image.hotY);
    XRenderFreePicture(display, picture);
    XFreePixmap(display, pixmap);
    XFlush(display);
    return cursor;
}

void setWindowCursor(void* xdisplay, unsigned long window, unsigned long cursor)
{
    Display* display = static_cast<Display*>(xdisplay);
    if (!display || !window)
        return;
    if (cursor)
        XDefineCursor(display, window, cursor);
    else
        XUndefineCursor(display, window);
    XFlush(display);
}

void freeCursor(void* xdisplay, unsigned long cursor)
{
    Display* display = static_cast<Display*>(xdisplay);
    if (display && cursor)
        XFreeCursor(display, cursor);
}

bool setWindowIcon(void* xdisplay, unsigned long window, const std::string& path)
{
    Display* display = static_cast<Display*>(xdisplay);
    CursorImage image;
    if (!display || !window || !readCursorFile(path, image))
        return false;
    // _NET_WM_ICON: width, height, then ARGB pixels, each as a long.
    std::vector<unsigned long> data;
    data.reserve(2 + image.argb.size());
    data.push_back(static_cast<unsigned long>(image.width));
    data.push_back(static_cast<unsigned long>(image.height));
    for (uint32_t p : image.argb)
        data.push_back(p);
    const Atom icon = XInternAtom(display, "_NET_WM_ICON", False);
    XChangeProperty(display, window, icon, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()));
    XFlush(display);
    return true;
}

void warpPointer(void* xdisplay, unsigned long window, int x, int y)
{
    Display* display = static_cast<Display*>(xdisplay);
    if (!display || !window)
        return;
    XWarpPointer(display, None, window, 0, 0, 0, 0, x, y);
    XFlush(display);
}

void minimiseWindow(void* xdisplay, unsigned long window)
{
    Display* display = static_cast<Display*>(xdisplay);
    if (!display || !window)
        return;
    XIconifyWindow(display, window, DefaultScreen(display));
    XFlush(display);
}
} // namespace Platform
