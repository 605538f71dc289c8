// What a reviewer looks for on a screen of the running game, read from the
// overlays that are drawn: elements whose material or texture is missing
// (OGRE then draws its white or black fallback), texts that run out of the
// panel that holds them, elements that lie over each other by accident, and
// a picture that is more than one colour.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace Ogre
{
class OverlayElement;
class RenderWindow;
} // namespace Ogre

namespace tq
{
class ScreenCheck
{
public:
    /// A rectangle in relative screen units.
    struct Rect
    {
        float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;
        bool empty() const { return right <= left || bottom <= top; }
        bool contains(const Rect& r, float slack) const;
        bool overlaps(const Rect& r, float slack) const;
    };

    /// Shown elements whose material does not exist, is OGRE's plain white,
    /// or names a texture that did not load; one line each.
    static std::vector<std::string> missingArt();
    /// Shown texts whose caption is the string table's answer for an id it
    /// does not hold.
    static std::vector<std::string> missingTexts();
    /// Shown texts that reach beyond the panel drawn behind them (the nearest
    /// shown ancestor with a material) or beyond the screen.
    static std::vector<std::string> textsOutside();
    /// Pairs of shown texts, and pairs of shown top panels of different
    /// overlays, that lie over each other; a pair is named "a+b" with the
    /// names in ascending order.  Pairs in meant are layouts on purpose; a
    /// side of such a pair is an element's name or, ending in '*', a prefix
    /// of an element's or an overlay's name.
    /// A text hidden under a panel of an overlay drawn above its own, and a
    /// panel that its material's manual alpha makes invisible, are not seen.
    static std::vector<std::string> overlaps(const std::set<std::string>& meant);

    /// The area that an element's drawn text covers: its lines' widths from
    /// the font's glyphs, placed by its alignment.
    static Rect textRect(Ogre::OverlayElement* element);
    static Rect elementRect(Ogre::OverlayElement* element);
    /// True when the element and all its parents and its overlay are shown.
    static bool shown(Ogre::OverlayElement* element);

    /// Writes the window's picture to path (the extension picks the format)
    /// and counts its distinct colours.
    static bool screenshot(Ogre::RenderWindow* window, const std::string& path, size_t& colours);
};
} // namespace tq
