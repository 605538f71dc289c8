// The seam between the game and the operating system.
//
// The engine needs a handful of services that the desktop provides: a
// single-instance lock, message boxes, a console, the user's data folder,
// INI files, a millisecond clock, the desktop's display mode, the window's
// title and frame, and opening a link with the desktop's opener.  They are
// declared here and implemented once for Linux/X11 in source/platform.
// Nothing outside this folder includes X11 or POSIX headers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Platform
{
// ---------------------------------------------------------------- process
/// Takes the named single-instance lock for the life of the process.
/// False when another process holds it (or it cannot be taken).
bool acquireInstanceLock(const std::string& name);

/// Console of a "-log" run: standard output.
void openConsole();
void closeConsole();
void consoleWrite(const char* text);
/// Debugger output: standard error.
void debugOutput(const char* text);

/// Milliseconds from an arbitrary start, monotonic, wrapping at 32 bits.
uint32_t milliseconds();

// ---------------------------------------------------------------- message boxes
enum MessageBoxFlags : unsigned
{
    MB_OK_ONLY = 0x0,
    MB_OK_CANCEL = 0x1,
    MB_ICON_ERROR = 0x10,
    MB_ICON_WARNING = 0x30,
    MB_ICON_INFORMATION = 0x40,
    MB_TOPMOST = 0x40000,
};
enum MessageBoxResult
{
    ID_OK = 1,
    ID_CANCEL = 2
};
/// Shows a modal message box when a display exists; the text always goes to
/// standard error too.  Without a display (or when TQ_MESSAGEBOX_ANSWER is
/// set to "ok" or "cancel", for tests) the answer comes without asking.
int messageBox(const std::string& text, const std::string& caption, unsigned flags);

// ---------------------------------------------------------------- files and folders
/// Turns the backslashes of a path written for the data ("texts\font.fontdef")
/// into slashes.  Every path that comes from data or code passes through here.
std::string normalisePath(const std::string& path);
bool fileExists(const std::string& path);
bool deleteFile(const std::string& path);
/// Gives a file a new name in the same file system, replacing nothing that
/// is not already gone; the change reaches the disk before it returns.
bool renameFile(const std::string& from, const std::string& to);
/// Creates the folder and every missing parent; an existing folder is fine.
bool createFolders(const std::string& path);
/// The user's application-data folder: $XDG_DATA_HOME, else ~/.local/share.
std::string appDataFolder();
/// Opens a file with the desktop's opener (xdg-open); nothing when the file
/// or the opener is missing.  Does not wait.
void shellOpen(const std::string& path);
/// What shellOpen hands the opener for a file: the "URL" of a link file of
/// the Windows kind ("[InternetShortcut]"), else the file itself.  Empty
/// when the file is missing or the address could pass for a switch.
std::string shellOpenTarget(const std::string& path);

// ---------------------------------------------------------------- INI files
/// Reads key of section from an INI file into at most size-1 characters.
/// Returns the number of characters copied (0 for a missing file, section,
/// key or an empty value: then the default is copied).
size_t getPrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& def, std::string& out, size_t size,
                               const std::string& file);
/// Writes key = value into section of an INI file, creating what is missing.
bool writePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& file);
/// Writes several keys of one section at once.  The file is replaced as a
/// whole (see replaceFile in FileIO.h), and only when its lines change; the
/// other lines stay as they were.  False with the reason in error when it
/// cannot be written; the old file is then untouched.
bool writePrivateProfileStrings(const std::string& section,
                                const std::vector<std::pair<std::string, std::string>>& entries,
                                const std::string& file, std::string* error = nullptr);

// ---------------------------------------------------------------- text
/// UTF-8 to wide text and back.  False on malformed input.
bool utf8ToWide(const std::string& in, std::wstring& out);
bool wideToUtf8(const std::wstring& in, std::string& out);

// ---------------------------------------------------------------- display and window
struct DisplayMode
{
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};
/// The desktop's current mode; zeros when there is no display.
DisplayMode desktopDisplayMode();

/// The native window is the X11 window id that OGRE reports as "WINDOW".
void setWindowTitle(unsigned long window, const std::string& title);
/// Fixes the window's size: no maximise button, no resizable frame.
void setFixedSizeWindow(unsigned long window, int width, int height);

// ---------------------------------------------------------------- settings dialog
/// What the render settings dialog shows and what it gives back.
struct SettingsDialogModel
{
    struct Choice
    {
        std::vector<std::string> values;
        int selected = -1;
        bool enabled = true;
    };
    std::vector<std::string> renderSystems;
    int selectedRenderSystem = 0;
    Choice videoMode, antiAliasing, floatingPointMode, renderingDevice;
    bool fullScreen = false, vsync = false, noPostEffects = false, perfHud = false;
    bool perfHudEnabled = true;
    std::string splashBitmap; ///< path of "splash.bmp", empty when missing
    std::string splashError;  ///< set by the dialog when the picture could not be shown
};
/// Called when another render system is chosen in the dialog: refills the
/// four lists of the model for that render system.
using SettingsRefill = void (*)(SettingsDialogModel& model, void* context);
/// Runs the modal dialog; 1 for OK (model holds the choices), 0 for Cancel,
/// -1 when no display exists.
int runSettingsDialog(SettingsDialogModel& model, SettingsRefill refill, void* context);
} // namespace Platform

namespace Platform
{
/// Asks the window manager to send a close request to the window rather than
/// kill the connection, and reports whether one came since the last call.
/// display is OGRE's own X connection ("XDISPLAY").
bool windowCloseRequested(void* display, unsigned long window);
} // namespace Platform

namespace Platform
{
/// Writes rows of 8-bit RGB pixels, top row first, as a JPEG file of the
/// given quality (1 to 100).  False when the file cannot be written.
bool writeJpegFile(const std::string& path, int width, int height, const unsigned char* rgb, int quality);
} // namespace Platform

namespace Platform
{
// ---------------------------------------------------------------- pointer, cursors and icon
/// One image of a Windows cursor (.cur) or icon (.ico) file: straight
/// (not premultiplied) ARGB pixels, top row first.
struct CursorImage
{
    int width = 0;
    int height = 0;
    int hotX = 0;
    int hotY = 0;
    std::vector<uint32_t> argb;
};
/// Reads the first image of .cur or .ico data (1, 4, 8, 24 or 32 bits a
/// pixel).  False for damaged or unsupported data.
bool parseCursorData(const unsigned char* data, size_t size, CursorImage& image);
/// The same from a file; false when it is missing or damaged.
bool readCursorFile(const std::string& path, CursorImage& image);

/// An X cursor made from a cursor file on display (OGRE's "XDISPLAY"); 0 when
/// the file is missing or damaged or the server cannot show colour cursors.
unsigned long loadCursor(void* display, const std::string& path);
/// Shows cursor over the window; 0 gives back the default cursor.
void setWindowCursor(void* display, unsigned long window, unsigned long cursor);
void freeCursor(void* display, unsigned long cursor);
/// Sets the window's icon from an .ico or .cur file; false when there is none.
bool setWindowIcon(void* display, unsigned long window, const std::string& path);
/// Moves the pointer to a point of the window's client area.
void warpPointer(void* display, unsigned long window, int x, int y);
/// Asks the window manager to minimise the window.
void minimiseWindow(void* display, unsigned long window);
} // namespace Platform
