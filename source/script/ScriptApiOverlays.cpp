// Script API: overlays.
//
// An operation names an overlay, optionally one of its top-level elements
// and optionally a child of that element.  A missing overlay makes every
// call do nothing; a missing element or child is logged and skipped, so a
// screen whose overlay script lacks an element still runs.
#include "VirtualScript.h"

#include "Application.h"
#include "Log.h"

#include <OgreHardwareBuffer.h>
#include <OgreMaterialManager.h>
#include <OgreHardwareVertexBuffer.h>
#include <OgreRenderOperation.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <Overlay/OgreFont.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgrePanelOverlayElement.h>
#include <Overlay/OgreFontManager.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

#include <vector>

namespace
{
typedef Ogre::DisplayString Text;

// One coloured range of a caption: characters first..last of the text with
// its tags removed.
struct ColourRange
{
    size_t first;
    size_t last;
    Ogre::ColourValue colour;
};

Ogre::Overlay* overlayOf(const char* name)
{
    Ogre::OverlayManager* manager = Ogre::OverlayManager::getSingletonPtr();
    if (!manager || !name)
        return nullptr;
    return manager->getByName(name);
}

// The element e of overlay o, or its child c; null (logged) when missing.
Ogre::OverlayElement* elementOf(const char* o, const char* e, const char* c)
{
    Ogre::Overlay* overlay = overlayOf(o);
    if (!overlay || !e)
        return nullptr;
    Ogre::OverlayContainer* container = overlay->getChild(e);
    if (!container)
    {
        Log::print("\nWARNING: overlay [%s] has no element [%s]", o, e);
        return nullptr;
    }
    if (!c)
        return container;
    const Ogre::OverlayContainer::ChildMap& children = container->getChildren();
    auto it = children.find(c);
    if (it == children.end())
    {
        Log::print("\nWARNING: overlay element [%s] of [%s] has no child [%s]", e, o, c);
        return nullptr;
    }
    return it->second;
}

Ogre::TextAreaOverlayElement* textAreaOf(const char* o, const char* e, const char* c)
{
    return dynamic_cast<Ogre::TextAreaOverlayElement*>(elementOf(o, e, c));
}

// Removes the colour tags "[...]" from text.  Tags alternate: the first opens
// a colour (after "=", OGRE's "r g b a"), the next closes it.  A text without
// a complete tag stays as it is.
Text stripColourTags(const Text& text, std::vector<ColourRange>* ranges)
{
    Text out;
    bool open = false;
    ColourRange range = {0, 0, Ogre::ColourValue::White};
    size_t i = 0;
    const size_t n = text.size();
    while (i < n)
    {
        if (text[i] == '[')
        {
            size_t close = i + 1;
            while (close < n && text[close] != ']')
                ++close;
            if (close < n)
            {
                if (!open)
                {
                    const Text tag = text.substr(i + 1, close - i - 1);
                    const std::string tagText = tag.asUTF8();
                    const size_t equals = tagText.find('=');
                    range.colour = Ogre::StringConverter::parseColourValue(
                        equals == std::string::npos ? std::string() : tagText.substr(equals + 1));
                    range.first = out.size();
                }
                else if (ranges && out.size() > range.first)
                {
                    range.last = out.size() - 1;
                    ranges->push_back(range);
                }
                open = !open;
                i = close + 1;
                continue;
            }
        }
        out.push_back(text[i]);
        ++i;
    }
    return out;
}

// Characters for which the text area draws no quad.
bool drawsNoGlyph(Text::unicode_char ch)
{
    return ch == 0x85 || ch == '\r' || ch == '\n' || ch == ' ';
}

// Breaks text into lines of lineLength characters at the last space of a
// line; -1 breaks nothing.
Text wrapLines(Text text, int lineLength)
{
    if (lineLength < 0)
        return text;
    size_t breakAt = static_cast<size_t>(lineLength);
    size_t lastSpace = Text::npos;
    for (size_t i = 0; i < text.size(); ++i)
    {
        const Text::unicode_char ch = text[i];
        if (ch == ' ')
            lastSpace = i;
        if (ch == '\n')
        {
            lastSpace = Text::npos;
            breakAt = i + lineLength + 1;
            continue;
        }
        if (i == breakAt && i + 1 < text.size())
        {
            if (lastSpace != Text::npos)
                i = lastSpace;
            lastSpace = Text::npos;
            if (text[i] == ' ')
                text[i] = '\n';
            else
                text.insert(i, 1, '\n');
            breakAt = i + lineLength + 1;
        }
    }
    return text;
}

// Writes the colours of the ranges straight into the text area's colour
// buffer, six vertices a glyph.  Ranges past the glyphs drawn are cut.
void applyColourRanges(Ogre::TextAreaOverlayElement* text, const std::vector<ColourRange>& ranges)
{
    // Build the geometry of the new caption now, with the element's own
    // colours, so that the range colours go over it and stay.
    text->setColourTop(text->getColourTop());
    text->setColourBottom(text->getColourBottom());
    text->initialise();
    if (!text->getMaterial())
        return; // no font: nothing is drawn
    text->_update();
    if (ranges.empty())
        return;

    // Glyph index of every character of the caption.
    const Text& caption = text->getCaption();
    std::vector<size_t> glyphOf(caption.size());
    size_t glyphs = 0;
    for (size_t i = 0; i < caption.size(); ++i)
    {
        glyphOf[i] = glyphs;
        if (!drawsNoGlyph(caption[i]))
            ++glyphs;
    }

    Ogre::RenderOperation op;
    text->getRenderOperation(op);
    if (!op.vertexData || !op.vertexData->vertexBufferBinding->isBufferBound(1))
        return;
    const size_t drawn = op.vertexData->vertexCount / 6;
    const Ogre::HardwareVertexBufferSharedPtr& buffer = op.vertexData->vertexBufferBinding->getBuffer(1);
    const size_t allocated = buffer->getNumVertices() / 6;
    const size_t limit = std::min(std::min(drawn, allocated), glyphs);
    uint32_t* colours = static_cast<uint32_t*>(buffer->lock(Ogre::HardwareBuffer::HBL_NORMAL));
    for (const ColourRange& range : ranges)
    {
        if (range.first >= caption.size())
            continue;
        Ogre::ColourValue colour = range.colour;
        colour.a = 1.0f;
        const uint32_t packed =
            Ogre::VertexElement::convertColourValue(colour, Ogre::VertexElement::getBestColourVertexElementType());
        const size_t lastChar = std::min(range.last, caption.size() - 1);
        const size_t from = glyphOf[range.first];
        const size_t to = glyphOf[lastChar] + (drawsNoGlyph(caption[lastChar]) ? 0 : 1);
        for (size_t g = from; g < to && g < limit; ++g)
            for (int v = 0; v < 6; ++v)
                colours[g * 6 + v] = packed;
    }
    buffer->unlock();
}

// Sets a caption with colour codes; first and count cut the tag-free text,
// appended is added after it.
void setCaptionWithColours(const char* o, const char* e, const char* c, const Text& source, int first, int count,
                           const char* appended, int lineLength)
{
    Text text = stripColourTags(source, nullptr);
    if (first != -1)
    {
        // A first character past the text leaves nothing rather than
        // reading past it.
        const size_t start = first < 0 ? 0 : std::min(static_cast<size_t>(first), text.size());
        text = count == -1 ? text.substr(start) : text.substr(start, count < 0 ? 0 : static_cast<size_t>(count));
        if (appended)
            text.append(Text(std::string(appended)));
    }
    text = wrapLines(text, lineLength);

    Ogre::OverlayElement* element = elementOf(o, e, c);
    if (!element)
        return;
    element->setCaption(text);
    Ogre::TextAreaOverlayElement* textArea = dynamic_cast<Ogre::TextAreaOverlayElement*>(element);
    if (!textArea)
        return;
    std::vector<ColourRange> ranges;
    stripColourTags(source, &ranges);
    applyColourRanges(textArea, ranges);
}

void collectDescendants(Ogre::OverlayElement* element, std::vector<Ogre::OverlayElement*>& out)
{
    if (Ogre::OverlayContainer* container = dynamic_cast<Ogre::OverlayContainer*>(element))
        for (const auto& child : container->getChildren())
            collectDescendants(child.second, out);
    out.push_back(element);
}

void destroyElements(const std::vector<Ogre::OverlayElement*>& elements)
{
    Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
    // Children were collected before their parents.
    for (Ogre::OverlayElement* element : elements)
        manager.destroyOverlayElement(element);
}
} // namespace

// ---------------------------------------------------------------------------
// Colours, visibility, position, size

void CVirtualScript::overlaySetColourTop(const char* o, const char* e, const char* c, float r, float g, float b, float a)
{
    if (Ogre::TextAreaOverlayElement* text = textAreaOf(o, e, c))
        text->setColourTop(Ogre::ColourValue(r, g, b, a));
}

void CVirtualScript::overlaySetColourBottom(const char* o, const char* e, const char* c, float r, float g, float b,
                                            float a)
{
    if (Ogre::TextAreaOverlayElement* text = textAreaOf(o, e, c))
        text->setColourBottom(Ogre::ColourValue(r, g, b, a));
}

void CVirtualScript::overlaySetVisible(const char* o, const char* e, const char* c, bool visible)
{
    Ogre::Overlay* overlay = overlayOf(o);
    if (!overlay)
        return;
    if (!e)
    {
        if (visible)
            overlay->show();
        else
            overlay->hide();
        return;
    }
    if (Ogre::OverlayElement* element = elementOf(o, e, c))
    {
        if (visible)
            element->show();
        else
            element->hide();
    }
}

void CVirtualScript::overlaySetPosition(const char* o, const char* e, const char* c, float x, float y)
{
    if (Ogre::OverlayElement* element = elementOf(o, e, c))
        element->setPosition(x, y);
}

void CVirtualScript::overlayGetCaptionWidth(const char* o, const char* e, const char* c, float& width)
{
    Ogre::TextAreaOverlayElement* text = textAreaOf(o, e, c);
    if (!text)
        return;
    width = 0.0f;
    // The element has a font when its material can be made from it.
    Ogre::FontPtr font;
    if (text->getMaterial())
        font = text->getFont();
    if (!font)
    {
        Log::print("\nWarning: overlayGetCaptionWidth() element [%s] has no font", e);
        return;
    }
    const float charHeight = text->getCharHeight();
    const Text& caption = text->getCaption();
    for (size_t i = 0; i < caption.size(); ++i)
    {
        const Text::unicode_char ch = caption[i];
        if (ch == ' ')
        {
            width += 0.518519f * charHeight * 3.0f / 4.0f;
            continue;
        }
        bool known = false;
        for (const Ogre::Font::CodePointRange& range : font->getCodePointRangeList())
            if (ch >= range.first && ch <= range.second)
                known = true;
        if (!known)
        {
            Log::print("Warning: overlayGetCaptionWidth() can't find GlyphInfo for CodePoint %d", static_cast<int>(ch));
            continue;
        }
        width += font->getGlyphAspectRatio(ch) * charHeight * 3.0f / 4.0f;
    }
}

void CVirtualScript::overlaySetZOrder(const char* o, int z)
{
    if (Ogre::Overlay* overlay = overlayOf(o))
        overlay->setZOrder(static_cast<unsigned short>(z < 0 ? 0 : (z > 650 ? 650 : z)));
}

void CVirtualScript::overlayGetPosition(const char* o, const char* e, float& left, float& top)
{
    if (Ogre::OverlayElement* element = elementOf(o, e, nullptr))
    {
        left = element->getLeft();
        top = element->getTop();
    }
}

void CVirtualScript::overlayGetPosition(const char* o, const char* e, const char* c, float& left, float& top)
{
    if (Ogre::OverlayElement* element = elementOf(o, e, c))
    {
        left = element->getLeft();
        top = element->getTop();
    }
}

void CVirtualScript::overlaySetSize(const char* o, const char* e, const char* c, float width, float height)
{
    if (Ogre::OverlayElement* element = elementOf(o, e, c))
        element->setDimensions(width, height);
}

void CVirtualScript::overlaySetUV(const char* o, const char* e, const char* c, float left, float top, float right,
                                  float bottom)
{
    if (Ogre::PanelOverlayElement* panel = dynamic_cast<Ogre::PanelOverlayElement*>(elementOf(o, e, c)))
        panel->setUV(left, top, right, bottom);
}

void CVirtualScript::overlayGetSize(const char* o, const char* e, float& width, float& height)
{
    overlayGetSize(o, e, nullptr, width, height);
}

void CVirtualScript::overlayGetSize(const char* o, const char* e, const char* c, float& width, float& height)
{
    if (Ogre::OverlayElement* element = elementOf(o, e, c))
    {
        width = element->getWidth();
        height = element->getHeight();
    }
}

void CVirtualScript::overlaySetRotate(const char* o, float angleDeg)
{
    if (Ogre::Overlay* overlay = overlayOf(o))
        overlay->setRotate(Ogre::Radian(angleDeg / 180.0f * 3.1415926f));
}

void CVirtualScript::overlaySetCharHeight(const char* o, const char* e, const char* c, float height)
{
    if (Ogre::TextAreaOverlayElement* text = textAreaOf(o, e, c))
        text->setCharHeight(height);
}

void CVirtualScript::overlaySetFont(const char* o, const char* e, const char* c, const char* font)
{
    Ogre::TextAreaOverlayElement* text = textAreaOf(o, e, c);
    if (!text || !font)
        return;
    // OGRE refuses an unknown font with an exception; a missing font is only
    // a look.
    if (!Ogre::FontManager::getSingleton().getByName(font))
    {
        Log::print("\nWARNING: no font [%s] for overlay element [%s]", font, text->getName().c_str());
        return;
    }
    text->setFontName(font);
}

void CVirtualScript::overlaySetMaterial(const char* o, const char* e, const char* c, const char* material)
{
    Ogre::OverlayElement* element = elementOf(o, e, c);
    if (!element || !material)
        return;
    // OGRE refuses an unknown material with an exception, which would end
    // the caller's whole handler; a missing material is only a look.
    Ogre::MaterialPtr found = Ogre::MaterialManager::getSingleton().getByName(material);
    if (!found)
    {
        Log::print("\nWARNING: no material [%s] for overlay element [%s]", material, element->getName().c_str());
        return;
    }
    element->setMaterial(found);
}

// ---------------------------------------------------------------------------
// Scene nodes in front of menus

void CVirtualScript::nodeSetParent(const String& node, const String& parent)
{
    Ogre::SceneManager* sceneMgr = gApp.mSceneMgr;
    if (!sceneMgr || !sceneMgr->hasSceneNode(node) || !sceneMgr->hasSceneNode(parent))
    {
        Log::print("\nWARNING: nodeSetParent(): no scene node [%s] or [%s]", node.c_str(), parent.c_str());
        return;
    }
    Ogre::SceneNode* child = sceneMgr->getSceneNode(node);
    Ogre::SceneNode* root = sceneMgr->getRootSceneNode();
    if (child->getParent() != root)
        return; // only nodes that hang under the root are taken
    root->removeChild(child);
    sceneMgr->getSceneNode(parent)->addChild(child);
}

void CVirtualScript::nodeReturnToRoot(const String& node)
{
    Ogre::SceneManager* sceneMgr = gApp.mSceneMgr;
    if (!sceneMgr || !sceneMgr->hasSceneNode(node))
    {
        Log::print("\nWARNING: nodeReturnToRoot(): no scene node [%s]", node.c_str());
        return;
    }
    Ogre::SceneNode* child = sceneMgr->getSceneNode(node);
    if (Ogre::Node* parent = child->getParent())
        parent->removeChild(child);
    sceneMgr->getRootSceneNode()->addChild(child);
}

// ---------------------------------------------------------------------------
// Captions

int CVirtualScript::stringLength(int id)
{
    return static_cast<int>(gApp.mStrings.get(id).length());
}

int CVirtualScript::overlaySetTextById(const char* o, const char* e, const char* c, int id, int lineLength)
{
    const Text source = gApp.mStrings.get(id);
    setCaptionWithColours(o, e, c, source, -1, -1, nullptr, lineLength);
    Ogre::OverlayElement* element = elementOf(o, e, c);
    if (!element)
        return 0;
    const Text& caption = element->getCaption();
    int lines = caption.empty() ? 0 : 1;
    for (size_t i = 0; i < caption.size(); ++i)
        if (caption[i] == '\n')
            ++lines;
    return lines;
}

void CVirtualScript::overlayGetCaption(const char* o, const char* e, const char* c, String& caption)
{
    if (Ogre::OverlayElement* element = elementOf(o, e, c))
        caption = element->getCaption().asUTF8();
}

void CVirtualScript::overlayCaptionBackspace(const char* o, const char* e, const char* c)
{
    Ogre::OverlayElement* element = elementOf(o, e, c);
    if (!element)
        return;
    Text caption = element->getCaption();
    if (caption.empty())
        return;
    caption.erase(caption.size() - 1, 1);
    element->setCaption(caption);
}

void CVirtualScript::overlayAppendTextById(const char* o, const char* e, const char* c, int id)
{
    Ogre::OverlayElement* element = elementOf(o, e, c);
    if (!element)
        return;
    Text text = element->getCaption();
    text.append(gApp.mStrings.get(id));
    element->setCaption(text);
}

void CVirtualScript::overlaySetCaption(const char* o, const char* e, const char* c, int id, int first, int count,
                                       const char* appended)
{
    if (!overlayOf(o))
        return;
    setCaptionWithColours(o, e, c, gApp.mStrings.get(id), first, count, appended, -1);
}

void CVirtualScript::overlaySetCaptionText(const char* o, const char* e, const char* c, const char* text)
{
    if (Ogre::OverlayElement* element = elementOf(o, e, c))
        element->setCaption(text ? Text(std::string(text)) : Text());
}

void CVirtualScript::overlayCopyCaption(const char* o, const char* e, const char* c, const char* text)
{
    overlaySetCaptionText(o, e, c, text);
}

int CVirtualScript::overlayGetCaptionLength(const char* o, const char* e, const char* c)
{
    Ogre::OverlayElement* element = elementOf(o, e, c);
    return element ? static_cast<int>(element->getCaption().length()) : 0;
}

// ---------------------------------------------------------------------------
// Creating and destroying

namespace
{
// Creates what is missing of overlay o, top-level element e and child c;
// make builds one element.  The innermost element created is returned (null
// when everything existed already).
template <typename Make>
Ogre::OverlayElement* createElements(const char* o, const char* e, const char* c, int z, Make make)
{
    Ogre::OverlayManager* manager = Ogre::OverlayManager::getSingletonPtr();
    if (!manager || !o || !e)
        return nullptr;
    Ogre::Overlay* overlay = manager->getByName(o);
    if (!overlay)
    {
        overlay = manager->create(o);
        overlay->setZOrder(static_cast<unsigned short>(z < 0 ? 0 : (z > 650 ? 650 : z)));
    }
    Ogre::OverlayElement* created = nullptr;
    Ogre::OverlayContainer* container = overlay->getChild(e);
    if (!container)
    {
        if (manager->hasOverlayElement(e))
        {
            Log::print("\nWARNING: overlay element [%s] exists elsewhere, not created in [%s]", e, o);
            return nullptr;
        }
        Ogre::OverlayElement* made = make(e, true);
        container = dynamic_cast<Ogre::OverlayContainer*>(made);
        if (!container)
        {
            // Only containers hang directly in an overlay.
            if (made)
            {
                Log::print("\nWARNING: overlay element [%s] is no container, not added to [%s]", e, o);
                manager->destroyOverlayElement(made);
            }
            return nullptr;
        }
        container->setMetricsMode(Ogre::GMM_RELATIVE);
        overlay->add2D(container);
        created = container;
    }
    if (c)
    {
        if (manager->hasOverlayElement(c))
        {
            Log::print("\nWARNING: overlay element [%s] exists already, not created in [%s]", c, e);
            return created;
        }
        Ogre::OverlayElement* child = make(c, false);
        if (!child)
            return created;
        child->setMetricsMode(Ogre::GMM_RELATIVE);
        container->addChild(child);
        created = child;
    }
    return created;
}

void placeElement(Ogre::OverlayElement* element, const Ogre::Vector2* position, const Ogre::Vector2* size)
{
    if (position)
        element->setPosition(position->x, position->y);
    if (size)
        element->setDimensions(size->x, size->y);
}
} // namespace

void CVirtualScript::overlayCreatePanel(const char* o, const char* e, const char* c, const char* material,
                                        const Ogre::Vector2* position, const Ogre::Vector2* size, int z)
{
    Ogre::OverlayElement* created = createElements(o, e, c, z, [](const char* name, bool) {
        return Ogre::OverlayManager::getSingleton().createOverlayElement("Panel", name);
    });
    if (!created)
        return;
    if (material)
    {
        // As in overlaySetMaterial: OGRE throws for an unknown material, and
        // a panel without its picture is only a look.
        if (Ogre::MaterialManager::getSingleton().getByName(material))
            created->setMaterialName(material);
        else
            Log::print("\nWARNING: no material [%s] for overlay element [%s]", material, created->getName().c_str());
    }
    placeElement(created, position, size);
}

void CVirtualScript::overlayCreateFromTemplate(const char* o, const char* templateName, const char* e, const char* c,
                                               const Ogre::Vector2* position, const Ogre::Vector2* size, int z,
                                               const char* typeName)
{
    if (!templateName)
        return;
    Ogre::OverlayManager* manager = Ogre::OverlayManager::getSingletonPtr();
    if (!manager)
        return;
    Ogre::OverlayElement* created = createElements(o, e, c, z, [&](const char* name, bool) -> Ogre::OverlayElement* {
        try
        {
            return manager->createOverlayElementFromTemplate(templateName, typeName ? typeName : "", name);
        }
        catch (const Ogre::Exception& ex)
        {
            Log::print("\nWARNING: overlay template [%s] can't make [%s]: %s", templateName, name,
                       ex.getDescription().c_str());
            return nullptr;
        }
    });
    if (created)
        placeElement(created, position, size);
}

void CVirtualScript::overlayDestroy(const char* o, const char* e, const char* c)
{
    Ogre::Overlay* overlay = overlayOf(o);
    if (!overlay)
        return;
    std::vector<Ogre::OverlayElement*> doomed;
    if (!e)
    {
        std::vector<Ogre::OverlayContainer*> tops(overlay->get2DElements().begin(), overlay->get2DElements().end());
        for (Ogre::OverlayContainer* top : tops)
        {
            overlay->remove2D(top);
            collectDescendants(top, doomed);
        }
        destroyElements(doomed);
        Ogre::OverlayManager::getSingleton().destroy(overlay);
        return;
    }
    Ogre::OverlayElement* element = elementOf(o, e, c);
    if (!element)
        return;
    if (c)
        static_cast<Ogre::OverlayContainer*>(overlay->getChild(e))->removeChild(c);
    else
        overlay->remove2D(static_cast<Ogre::OverlayContainer*>(element));
    collectDescendants(element, doomed);
    destroyElements(doomed);
}
