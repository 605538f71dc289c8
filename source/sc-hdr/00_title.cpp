#include "00_title.h"

#include "Application.h"
#include "Object.h"
#include "Trace.h"

namespace
{
const char* const kOverlay = "TitleOverlay";
const char* const kPanel = "TitlePicture";

/// One line of the title: element, string, vertical position and character
/// height (settings keys and defaults), grey level, material.
struct TitleLine
{
    const char* element;
    int stringId;
    const char* yKey;
    float y;
    const char* heightKey;
    float height;
    float colour;
    const char* material;
};

const TitleLine kLines[] = {
    {"TitleText1", 201, "title_OSTRAVELLE_y", 0.085f, "title_OSTRAVELLE_char_size", 0.073f, 0.0f, "00_title/text1"},
    {"TitleText2", 202, "title_VINDALS_y", 0.14f, "title_VINDALS_char_size", 0.11f, 0.0f, "00_title/text2"},
    {"TitleText3", 203, "title_TOLVANE_QUIRN_y", 0.24f, "title_TOLVANE_QUIRN_char_size", 0.07f, 1.0f,
     "00_title/text3"},
};
} // namespace

void sc_00_title::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    getObjParamF(getOwner(), "pos_y", pos_y);
    getObjParamF(getOwner(), "size", size);
}

void sc_00_title::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    destroy();
}

void sc_00_title::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    if (code == 100)
    {
        requester = sender;
        start();
    }
    else if (code == 200)
    {
        destroy();
    }
}

void sc_00_title::setAlpha(float a)
{
    materialSetAlpha("00_title", a);
    for (const TitleLine& line : kLines)
        materialSetAlpha(line.material, a);
}

void sc_00_title::start()
{
    TQ_TRACE(" start()");
    // Every request is answered four seconds after it: a title shown and
    // answered before fades in anew.
    if (alpha > 2.0f)
        alpha = 0.0f;
    setAlpha(alpha);
    if (!created)
    {
        const Ogre::Vector2 position(0.5f - size * 0.25f, pos_y);
        const Ogre::Vector2 extent(size * 0.5f, size * 0.333f);
        overlayCreatePanel(kOverlay, kPanel, nullptr, "00_title", &position, &extent, 150);
        created = 1;
        for (const TitleLine& line : kLines)
        {
            float y = line.y;
            float height = line.height;
            getConfigF(line.yKey, y);
            getConfigF(line.heightKey, height);
            initText(line.element, y, height, line.stringId, line.colour, line.material);
        }
    }
    if (timer == 0)
    {
        CObject* self = gObjectCollector.get(getOwner());
        timer = self ? CObject::createTimer(self, 1, -1, self) : 0;
    }
    overlaySetVisible(kOverlay, nullptr, nullptr, true);
}

void sc_00_title::initText(const char* element, float y, float charHeight, int stringId, float colour,
                           const char* material)
{
    const Ogre::Vector2 position(size * 0.25f, y * size);
    const Ogre::Vector2 extent(0.0f, 0.0f);
    overlayCreateFromTemplate(kOverlay, "Comment", kPanel, element, &position, &extent, 0, "TextArea");
    overlaySetCaption(kOverlay, kPanel, element, stringId, -1, -1, nullptr);
    overlaySetCharHeight(kOverlay, kPanel, element, charHeight * size);
    overlaySetMaterial(kOverlay, kPanel, element, material);
    overlaySetColourTop(kOverlay, kPanel, element, colour, colour, colour, 1.0f);
    overlaySetColourBottom(kOverlay, kPanel, element, colour, colour, colour, 1.0f);
}

void sc_00_title::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    frameTime = static_cast<float>(gApp.mFrameMs) / 1000.0f;
    const float before = alpha;
    alpha += frameTime / 2.0f;
    // The step that crosses 1.0 still lands on full opacity.
    if (before <= 1.0f)
        setAlpha(alpha <= 1.0f ? alpha : 1.0f);
    if (alpha > 2.0f)
    {
        sendNotify(requester, getOwner(), 200);
        if (CObject* self = gObjectCollector.get(getOwner()))
            CObject::killTimer(self, timer);
        timer = 0;
    }
}

void sc_00_title::destroy()
{
    TQ_TRACE(" destroy()");
    // Cleared as well, so that a second destroy finds nothing to remove and
    // a later request builds the title anew.
    if (created)
        overlayDestroy(kOverlay, nullptr, nullptr);
    created = 0;
    if (timer != 0)
    {
        if (CObject* self = gObjectCollector.get(getOwner()))
            CObject::killTimer(self, timer);
        timer = 0;
    }
}
