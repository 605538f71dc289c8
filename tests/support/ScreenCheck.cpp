#include "ScreenCheck.h"

#include <OgreImage.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreRenderWindow.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>
#include <Overlay/OgreFont.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

#include <algorithm>
#include <cstdio>
#include <unordered_set>

namespace tq
{
namespace
{
struct Shown
{
    Ogre::Overlay* overlay;
    Ogre::OverlayElement* element;
    bool top; ///< a direct child of its overlay
};

void collect(Ogre::Overlay* overlay, Ogre::OverlayElement* element, bool top, std::vector<Shown>& out)
{
    if (!element->isVisible())
        return;
    out.push_back({overlay, element, top});
    if (!element->isContainer())
        return;
    for (const auto& child : static_cast<Ogre::OverlayContainer*>(element)->getChildren())
        collect(overlay, child.second, false, out);
}

/// Every shown element of every shown overlay, parents before children.
std::vector<Shown> shownElements()
{
    std::vector<Shown> out;
    auto it = Ogre::OverlayManager::getSingleton().getOverlayIterator();
    while (it.hasMoreElements())
    {
        Ogre::Overlay* overlay = it.getNext();
        if (!overlay->isVisible())
            continue;
        for (Ogre::OverlayContainer* container : overlay->get2DElements())
            collect(overlay, container, true, out);
    }
    return out;
}

Ogre::TextAreaOverlayElement* asText(Ogre::OverlayElement* element)
{
    return dynamic_cast<Ogre::TextAreaOverlayElement*>(element);
}

bool hasVisibleText(Ogre::OverlayElement* element)
{
    Ogre::TextAreaOverlayElement* text = asText(element);
    if (!text)
        return false;
    const std::string caption = text->getCaption().asUTF8();
    return caption.find_first_not_of(" \n") != std::string::npos && text->getColourTop().a > 0.0f;
}

/// A panel that its material draws fully transparent: the scripts fade
/// elements out through the manual alpha of the first texture unit.
bool transparent(Ogre::OverlayElement* element)
{
    const Ogre::MaterialPtr& material = element->getMaterial();
    Ogre::Technique* technique = material ? material->getBestTechnique() : nullptr;
    if (!technique || technique->getNumPasses() == 0 || technique->getPass(0)->getNumTextureUnitStates() == 0)
        return false;
    const Ogre::LayerBlendModeEx& alpha = technique->getPass(0)->getTextureUnitState(0)->getAlphaBlendMode();
    return alpha.operation == Ogre::LBX_MODULATE &&
           ((alpha.source1 == Ogre::LBS_MANUAL && alpha.alphaArg1 <= 0.0f) ||
            (alpha.source2 == Ogre::LBS_MANUAL && alpha.alphaArg2 <= 0.0f));
}

std::string describe(const ScreenCheck::Rect& r)
{
    char buffer[96];
    std::snprintf(buffer, sizeof(buffer), "(%.3f, %.3f)-(%.3f, %.3f)", r.left, r.top, r.right, r.bottom);
    return buffer;
}

/// OGRE's stand-ins for art that is not there.
bool fallbackMaterial(const std::string& name)
{
    return name == "BaseWhite" || name == "BaseWhiteNoLighting";
}

std::string textureProblem(const Ogre::MaterialPtr& material)
{
    Ogre::Technique* technique = material->getBestTechnique();
    if (!technique)
        return "no usable technique";
    for (Ogre::Pass* pass : technique->getPasses())
        for (Ogre::TextureUnitState* unit : pass->getTextureUnitStates())
        {
            if (unit->getContentType() != Ogre::TextureUnitState::CONTENT_NAMED)
                continue;
            for (unsigned f = 0; f < unit->getNumFrames(); ++f)
            {
                const std::string name = unit->getFrameTextureName(f);
                if (name.empty())
                    continue;
                const Ogre::TexturePtr& used = unit->_getTexturePtr(f);
                if (!used || !used->isLoaded() || used->getName() != name)
                    return "texture " + name + " did not load";
            }
        }
    return std::string();
}
} // namespace

bool ScreenCheck::Rect::contains(const Rect& r, float slack) const
{
    return r.left >= left - slack && r.top >= top - slack && r.right <= right + slack && r.bottom <= bottom + slack;
}

bool ScreenCheck::Rect::overlaps(const Rect& r, float slack) const
{
    return r.left < right - slack && left < r.right - slack && r.top < bottom - slack && top < r.bottom - slack;
}

bool ScreenCheck::shown(Ogre::OverlayElement* element)
{
    for (Ogre::OverlayElement* e = element; e; e = e->getParent())
        if (!e->isVisible())
            return false;
    return true;
}

ScreenCheck::Rect ScreenCheck::elementRect(Ogre::OverlayElement* element)
{
    Rect r;
    r.left = element->_getDerivedLeft();
    r.top = element->_getDerivedTop();
    r.right = r.left + element->_getWidth();
    r.bottom = r.top + element->_getHeight();
    return r;
}

ScreenCheck::Rect ScreenCheck::textRect(Ogre::OverlayElement* element)
{
    Ogre::TextAreaOverlayElement* text = asText(element);
    if (!text || !text->getFont())
        return elementRect(element);
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    const float viewportWidth = static_cast<float>(overlays.getViewportWidth());
    const float viewportHeight = static_cast<float>(overlays.getViewportHeight());
    float charHeight = text->getCharHeight();
    float spaceWidth = text->getSpaceWidth();
    if (text->getMetricsMode() == Ogre::GMM_PIXELS)
    {
        charHeight /= viewportHeight;
        spaceWidth /= viewportHeight;
    }
    const Ogre::FontPtr& font = text->getFont();
    if (spaceWidth <= 0.0f)
        spaceWidth = font->getGlyphAspectRatio('0') * charHeight;
    // As the text area lays out its glyphs: widths scale with the
    // viewport's aspect, lines are one character height apart.
    const float aspect = viewportHeight / viewportWidth;
    float widest = 0.0f, line = 0.0f;
    int lines = 1;
    const Ogre::DisplayString& caption = text->getCaption();
    for (auto it = caption.begin(); it != caption.end(); it.moveNext())
    {
        const Ogre::Font::CodePoint c = it.getCharacter();
        if (c == '\n' || c == '\r')
        {
            widest = std::max(widest, line);
            line = 0.0f;
            ++lines;
            continue;
        }
        line += (c == ' ' ? spaceWidth : font->getGlyphAspectRatio(c) * charHeight) * aspect;
    }
    widest = std::max(widest, line);

    Rect r;
    r.left = element->_getDerivedLeft();
    if (text->getAlignment() == Ogre::TextAreaOverlayElement::Center)
        r.left -= widest / 2.0f;
    else if (text->getAlignment() == Ogre::TextAreaOverlayElement::Right)
        r.left -= widest;
    r.right = r.left + widest;
    r.top = element->_getDerivedTop();
    r.bottom = r.top + lines * charHeight;
    return r;
}

std::vector<std::string> ScreenCheck::missingArt()
{
    std::vector<std::string> problems;
    Ogre::MaterialManager& materials = Ogre::MaterialManager::getSingleton();
    for (const Shown& s : shownElements())
    {
        const std::string& name = s.element->getMaterialName();
        if (name.empty())
            continue; // a container that draws nothing itself
        const std::string where = s.overlay->getName() + "/" + s.element->getName() + " (" + name + "): ";
        if (fallbackMaterial(name) || !materials.resourceExists(name))
        {
            problems.push_back(where + "no such material");
            continue;
        }
        const Ogre::MaterialPtr& used = s.element->getMaterial();
        if (!used || used->getName() != name)
        {
            problems.push_back(where + "drawn with a stand-in");
            continue;
        }
        const std::string texture = textureProblem(used);
        if (!texture.empty())
            problems.push_back(where + texture);
    }
    return problems;
}

/// Whether a text or panel lies wholly under an opaque-looking panel of an
/// overlay drawn above its own.
bool covered(const Shown& item, const ScreenCheck::Rect& whole, const std::vector<Shown>& all)
{
    // Only the part on the screen can be seen.
    ScreenCheck::Rect area = whole;
    area.left = std::max(area.left, 0.0f);
    area.top = std::max(area.top, 0.0f);
    area.right = std::min(area.right, 1.0f);
    area.bottom = std::min(area.bottom, 1.0f);
    for (const Shown& s : all)
        if (s.top && s.overlay->getZOrder() > item.overlay->getZOrder() && !s.element->getMaterialName().empty() &&
            !transparent(s.element) && ScreenCheck::elementRect(s.element).contains(area, 0.0f))
            return true;
    return false;
}

std::vector<std::string> ScreenCheck::missingTexts()
{
    std::vector<std::string> problems;
    for (const Shown& s : shownElements())
        if (asText(s.element) && asText(s.element)->getCaption().asUTF8().find("string not found!") != std::string::npos)
            problems.push_back(s.overlay->getName() + "/" + s.element->getName());
    return problems;
}

std::vector<std::string> ScreenCheck::textsOutside()
{
    std::vector<std::string> problems;
    const Rect screen{0.0f, 0.0f, 1.0f, 1.0f};
    const std::vector<Shown> all = shownElements();
    for (const Shown& s : all)
    {
        if (!hasVisibleText(s.element) || covered(s, textRect(s.element), all))
            continue;
        const Rect text = textRect(s.element);
        Ogre::OverlayElement* holder = s.element->getParent();
        while (holder && holder->getMaterialName().empty())
            holder = holder->getParent();
        const Rect box = holder ? elementRect(holder) : screen;
        if (!box.contains(text, 0.002f) || !screen.contains(text, 0.0f))
            problems.push_back(s.element->getName() + " \"" + asText(s.element)->getCaption().asUTF8() + "\" " +
                               describe(text) + " outside " + (holder ? holder->getName() : "the screen") + " " +
                               describe(box));
    }
    return problems;
}

namespace
{
/// A side of a meant pair: an element's name, or a prefix ending in '*' of
/// an element's or an overlay's name.
bool sideMatches(const std::string& side, const Shown& s)
{
    if (!side.empty() && side.back() == '*')
    {
        const std::string prefix = side.substr(0, side.size() - 1);
        return s.element->getName().compare(0, prefix.size(), prefix) == 0 ||
               s.overlay->getName().compare(0, prefix.size(), prefix) == 0;
    }
    return s.element->getName() == side;
}

bool isMeant(const std::set<std::string>& meant, const Shown& a, const Shown& b)
{
    for (const std::string& pair : meant)
    {
        const size_t plus = pair.find('+');
        if (plus == std::string::npos)
            continue;
        const std::string x = pair.substr(0, plus), y = pair.substr(plus + 1);
        if ((sideMatches(x, a) && sideMatches(y, b)) || (sideMatches(x, b) && sideMatches(y, a)))
            return true;
    }
    return false;
}
} // namespace

std::vector<std::string> ScreenCheck::overlaps(const std::set<std::string>& meant)
{
    std::vector<std::string> problems;
    const std::vector<Shown> all = shownElements();
    std::vector<std::pair<const Shown*, Rect>> texts, panels;
    for (const Shown& s : all)
    {
        if (hasVisibleText(s.element))
        {
            const Rect r = textRect(s.element);
            if (!covered(s, r, all))
                texts.push_back({&s, r});
        }
        else if (s.top && !s.element->getMaterialName().empty() && !transparent(s.element))
        {
            const Rect r = elementRect(s.element);
            const bool fullScreen = r.right - r.left >= 0.99f && r.bottom - r.top >= 0.99f;
            if (!fullScreen && !r.empty() && !covered(s, r, all))
                panels.push_back({&s, r});
        }
    }
    auto check = [&](const std::vector<std::pair<const Shown*, Rect>>& list, bool acrossOverlaysOnly) {
        for (size_t i = 0; i < list.size(); ++i)
            for (size_t j = i + 1; j < list.size(); ++j)
            {
                if (acrossOverlaysOnly && list[i].first->overlay == list[j].first->overlay)
                    continue;
                if (!list[i].second.overlaps(list[j].second, 0.001f))
                    continue;
                std::string a = list[i].first->element->getName(), b = list[j].first->element->getName();
                if (b < a)
                    std::swap(a, b);
                if (!isMeant(meant, *list[i].first, *list[j].first))
                    problems.push_back(a + "+" + b + ": " + describe(list[i].second) + " and " +
                                       describe(list[j].second));
            }
    };
    check(texts, false);
    check(panels, true);
    return problems;
}

bool ScreenCheck::screenshot(Ogre::RenderWindow* window, const std::string& path, size_t& colours)
{
    colours = 0;
    // The window's alpha is not what the player sees (the X server shows
    // colour alone; a material that writes no alpha leaves holes in it), so
    // the picture is read and written without it.
    const Ogre::PixelFormat format = Ogre::PF_BYTE_RGB;
    Ogre::Image image(format, window->getWidth(), window->getHeight());
    // The buffer that was drawn last: OGRE reads a full-screen window's front
    // buffer otherwise, which Mesa's software driver leaves black.
    window->copyContentsToMemory(Ogre::Box(0, 0, window->getWidth(), window->getHeight()), image.getPixelBox(),
                                 Ogre::RenderTarget::FB_BACK);
    std::unordered_set<uint32_t> seen;
    const uint8_t* data = image.getData();
    const size_t count = static_cast<size_t>(window->getWidth()) * window->getHeight();
    for (size_t i = 0; i < count; ++i)
    {
        uint32_t rgb = static_cast<uint32_t>(data[i * 3]) << 16 | static_cast<uint32_t>(data[i * 3 + 1]) << 8 |
                       data[i * 3 + 2];
        seen.insert(rgb);
    }
    colours = seen.size();
    try
    {
        image.save(path);
    }
    catch (const Ogre::Exception&)
    {
        return false;
    }
    return true;
}
} // namespace tq
