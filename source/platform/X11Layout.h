// Sizes shared by the small X11 windows of the platform layer (message boxes
// and the settings dialog).  Kept apart from the X11 code so that whoever
// needs to find a button by its place (the tests that click them) can do so
// without the X headers.
#pragma once

namespace Platform
{
namespace X11Layout
{
/// Space between the window's edges and its contents, and between blocks.
constexpr int kMargin = 12;
/// Every push button has this size.
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;
/// Horizontal space between two buttons of the bottom row.
constexpr int kButtonGap = 10;

/// Left edge of button index (0 = OK, 1 = Cancel) in a bottom row of count
/// buttons, which is centred in a window of the given width.
constexpr int buttonLeft(int windowWidth, int count, int index)
{
    return (windowWidth - (count * kButtonWidth + (count - 1) * kButtonGap)) / 2 +
           index * (kButtonWidth + kButtonGap);
}
/// Top edge of the bottom row of buttons.
constexpr int buttonTop(int windowHeight)
{
    return windowHeight - kMargin - kButtonHeight;
}
} // namespace X11Layout
} // namespace Platform
