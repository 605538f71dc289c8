// The in-game interface's small numbers and the arithmetic under its 2D
// layout: the eleven counters (ten inventory slots and the hint button)
// that roll a strip of digit cells into place, the easing and lens
// functions, the screen transforms of the menus and the inventory, the
// four-state fade step, and the overlay record every panel is drawn with.
#include "00_ginterface.h"

#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <cmath>

namespace
{
const char* const kCounterOverlay = "__GameInterface/Counter";
/// The strip's scroll that shows 0: (0 + 0.5) / 32 - 0.5.
const float kStripZero = -0.484375f;

/// The strip's scroll that shows c.
float stripOf(int c)
{
    return (static_cast<float>(c) + 0.5f) / 32.0f - 0.5f;
}

/// "item_" + slot as two digits + suffix: the saved variables of a slot.
String slotKey(int i, const char* suffix)
{
    return ScriptObject::indexedKey("item_", i, suffix);
}

const char* cstr(const String& s)
{
    return s.empty() ? nullptr : s.c_str();
}
} // namespace

// ---------------------------------------------------------------------------
// Easing and the inventory lens

float sc_00_ginterface::cubeFunc(float x)
{
    return 2.9444f * x * x * x - 6.8167f * x * x + 4.8722f * x;
}

float sc_00_ginterface::cubeFunc2(float x)
{
    return (2.0f - x) * x;
}

float sc_00_ginterface::cosFunc(float x)
{
    return (1.0f - std::cos(3.1415f * x)) * 0.5f;
}

float sc_00_ginterface::quadFunc(float x)
{
    return 4.0f * x * (1.0f - x);
}

float sc_00_ginterface::getCenterT() const
{
    return cursorX - 0.5f;
}

float sc_00_ginterface::funcT(float a) const
{
    const float lo = lensCentre - lensHalfWidth;
    const float hi = lensCentre + lensHalfWidth;
    float k = 0.0f;
    if (a < lo)
        k = -0.5f;
    else if (a > hi)
        k = 0.5f;
    else if (a > lo && a < hi)
        k = cosFunc((a - lensCentre + lensHalfWidth) / (2.0f * lensHalfWidth)) - 0.5f;
    return a + 0.5f + lensFactor * lensAmplitude * k;
}

void sc_00_ginterface::getMatT()
{
    // A slot that slides sideways while the row closes up counts the more
    // the nearer it is to its new place, so the row's centre glides.
    float sumW = 0.0f, sumX = 0.0f;
    for (int i = 0; i < kSlots; ++i)
    {
        const __MENU_ITEM& b = menus[3].items[i];
        const float w = b.ampX == 0.0f ? 1.0f : 1.0f - b.shift;
        sumW += w;
        sumX += w * b.main.pos0.x;
    }
    inventoryCentre = sumW > 0.0f ? sumX / sumW : sumX;
}

// ---------------------------------------------------------------------------
// Screen transforms and fades

void sc_00_ginterface::transform(const vec3& old_pos, const vec3& old_size, vec3& new_pos, vec3& new_size) const
{
    new_size.x = old_size.x;
    new_size.y = old_size.y;
    new_pos.x = old_pos.x + 0.5f - old_size.x / 2.0f;
    new_pos.y = old_pos.y;
}

void sc_00_ginterface::transform2(const vec3& old_pos, const vec3& old_size, vec3& new_pos, vec3& new_size) const
{
    const float a = funcT(old_pos.x - 0.025f);
    const float b = funcT(old_pos.x + 0.025f);
    new_size.x = b - a;
    // The aspect is kept for a 4:3 screen.
    new_size.y = old_size.x != 0.0f ? new_size.x / old_size.x * old_size.y * 1.333f : 0.0f;
    new_pos.x = old_pos.x + 0.5f - new_size.x / 2.0f;
    new_pos.y = old_pos.y + old_size.y - new_size.y;
}

void sc_00_ginterface::transform3(const vec3& old_pos, const vec3& old_size, vec3& new_pos, vec3& new_size) const
{
    new_size.x = 0.05f;
    new_size.y = 0.06665f;
    new_pos.x = old_pos.x + 0.5f - 0.025f;
    new_pos.y = old_pos.y + old_size.y - 0.06665f;
}

int sc_00_ginterface::updateValue(int* state, float* alpha, float show_spd, float hide_spd) const
{
    if (*state == 1)
    {
        *alpha += show_spd * dt;
        if (*alpha > 1.0f)
        {
            *alpha = 1.0f;
            *state = 2;
            return 2;
        }
    }
    else if (*state == 3)
    {
        *alpha -= hide_spd * dt;
        if (*alpha < 0.0f)
        {
            *alpha = 0.0f;
            *state = 0;
            return 0;
        }
    }
    return -1;
}

void sc_00_ginterface::vec3_lerp(vec3& res, const vec3& from, const vec3& to, float a)
{
    res = from * (1.0f - a) + to * a;
}

void sc_00_ginterface::vec3_interpolate_cube(vec3& cur, const vec3& begin, const vec3& end, float param)
{
    // The overshoot of the cubic is folded back: the point springs back
    // from its end and settles on it, never passing it.
    float t = cubeFunc(param);
    if (t > 1.0f)
        t = 2.0f - t;
    vec3_lerp(cur, begin, end, t);
}

// ---------------------------------------------------------------------------
// The overlay record

void sc_00_ginterface::ovInit(___OVERLAY& ov, const String& sOv, const String& sPan1, const String& sPan2,
                              const String& mat)
{
    TQ_TRACE(" ovInit(___OVERLAY& ov, const String& sOv, const String& sPan1, const String& sPan2, const String& mat)");
    ov.sOv = sOv;
    ov.sPan1 = sPan1;
    ov.sPan2 = sPan2;
    ov.mat = mat;
    ov.created = 0;
    ov.shown = 1;
}

void sc_00_ginterface::ovCreate(___OVERLAY& ov, int zorder, const String& mat, float x, float y, float sx, float sy)
{
    TQ_TRACE(" ovCreate(___OVERLAY& ov, int zorder, const String& mat, float x, float y, float sx, float sy)");
    ov.pos = ov.pos0 = ov.scrPos = vec3(x, y, 0.0f);
    ov.size = ov.size0 = ov.scrSize = vec3(sx, sy, 0.0f);
    if (!mat.empty())
        ov.mat = mat;
    const Ogre::Vector2 position(x, y), size(sx, sy);
    overlayCreatePanel(ov.sOv.c_str(), ov.sPan1.c_str(), cstr(ov.sPan2), cstr(ov.mat), &position, &size, zorder);
    overlaySetVisible(ov.sOv.c_str(), ov.sPan1.c_str(), cstr(ov.sPan2), true);
    ov.shown = 1;
    ov.created = 1;
}

void sc_00_ginterface::ovCreateText(___OVERLAY& ov, const ___OVERLAY& parent, int zorder, float x, float y, float sx,
                                    float sy)
{
    TQ_TRACE(" ovCreateText(___OVERLAY& ov, const ___OVERLAY& parent, int zorder, float x, float y, float sx, float sy)");
    // A text area can only hang inside a panel: the button's own panel
    // carries it, at its offset, so the text moves with the button.
    ov.sOv = parent.sOv;
    ov.sPan1 = parent.sPan1;
    ov.pos = ov.pos0 = ov.scrPos = vec3(x, y, 0.0f);
    ov.size = ov.size0 = ov.scrSize = vec3(sx, sy, 0.0f);
    const Ogre::Vector2 position(x, y), size(sx, sy);
    overlayCreateFromTemplate(ov.sOv.c_str(), "", ov.sPan1.c_str(), ov.sPan2.c_str(), &position, &size, zorder,
                              "TextArea");
    ov.shown = 1;
    ov.created = 1;
}

void sc_00_ginterface::ovDestroy(___OVERLAY& ov)
{
    TQ_TRACE(" ovDestroy(___OVERLAY& ov)");
    if (!ov.created)
        return;
    overlayDestroy(ov.sOv.c_str(), ov.sPan1.c_str(), cstr(ov.sPan2));
    ov.created = 0;
}

void sc_00_ginterface::ovSetFill(___OVERLAY& ov, float alpha)
{
    TQ_TRACE(" ovSetFill(___OVERLAY& ov, float alpha)");
    overlaySetSize(ov.sOv.c_str(), ov.sPan1.c_str(), cstr(ov.sPan2), alpha * ov.size.x, ov.size.y);
    overlaySetUV(ov.sOv.c_str(), ov.sPan1.c_str(), cstr(ov.sPan2), 0.0f, 0.0f, alpha, 1.0f);
}

void sc_00_ginterface::ovSetMaterial(___OVERLAY& ov, const String& mat)
{
    TQ_TRACE(" ovSetMaterial(___OVERLAY& ov, const String& mat)");
    ov.mat = mat;
    overlaySetMaterial(ov.sOv.c_str(), ov.sPan1.c_str(), cstr(ov.sPan2), mat.c_str());
}

void sc_00_ginterface::ovSetPosition(___OVERLAY& ov, const vec3& pos)
{
    ov.pos = ov.scrPos = pos;
    overlaySetPosition(ov.sOv.c_str(), ov.sPan1.c_str(), cstr(ov.sPan2), pos.x, pos.y);
}

void sc_00_ginterface::ovSetSize(___OVERLAY& ov, const vec3& size)
{
    ov.size = ov.scrSize = size;
    overlaySetSize(ov.sOv.c_str(), ov.sPan1.c_str(), cstr(ov.sPan2), size.x, size.y);
}

void sc_00_ginterface::ovSetPosition2(___OVERLAY& ov, const vec3& new_pos, float x, float y)
{
    ov.pos = new_pos;
    ov.size = vec3(x / 1024.0f, y / 768.0f, 0.0f);
    transform(vec3(new_pos.x - inventoryCentre, new_pos.y, 0.0f), ov.size, ov.scrPos, ov.scrSize);
    overlaySetPosition(ov.sOv.c_str(), ov.sPan1.c_str(), cstr(ov.sPan2), ov.scrPos.x, ov.scrPos.y);
    overlaySetSize(ov.sOv.c_str(), ov.sPan1.c_str(), cstr(ov.sPan2), ov.scrSize.x, ov.scrSize.y);
}

void sc_00_ginterface::ovSetPosition3(___OVERLAY& ov, const vec3& new_pos, float x, float y, int scale)
{
    ov.pos = new_pos;
    ov.size = vec3(x / 1024.0f, y / 1024.0f, 0.0f);
    if (scale)
        transform2(new_pos, ov.size, ov.scrPos, ov.scrSize);
    else
        transform3(new_pos, ov.size, ov.scrPos, ov.scrSize);
    overlaySetPosition(ov.sOv.c_str(), ov.sPan1.c_str(), cstr(ov.sPan2), ov.scrPos.x, ov.scrPos.y);
    overlaySetSize(ov.sOv.c_str(), ov.sPan1.c_str(), cstr(ov.sPan2), ov.scrSize.x, ov.scrSize.y);
}

void sc_00_ginterface::ovSetZOrder(___OVERLAY& ov, int z)
{
    overlaySetZOrder(ov.sOv.c_str(), z);
}

void sc_00_ginterface::ovShowHide(___OVERLAY& ov, int show)
{
    show = show ? 1 : 0;
    if (show == ov.shown)
        return;
    overlaySetVisible(ov.sOv.c_str(), ov.sPan1.c_str(), cstr(ov.sPan2), show != 0);
    ov.shown = show;
}

// ---------------------------------------------------------------------------
// Counters

void sc_00_ginterface::countersInit()
{
    TQ_TRACE(" countersInit()");
    for (int i = 0; i < kCounters; ++i)
    {
        counterRecord& c = counters[i];
        c = counterRecord();
        c.itemRoll = 1.0f;
        c.from = kStripZero;
        c.current = 0.0f;
        c.to = -0.5f;
        c.menuShown = 1;
        c.shown = 1;
        c.overlay = kCounterOverlay;
        const String suffix = i == kHintCounter ? String("help") : ScriptObject::indexedKey("", i);
        c.element = "Counter_" + suffix;
        c.digitMat = "Fonts/00_font_counter_" + suffix;
        c.bigMat = "00_ginterface/menuitems/num_big_" + suffix;
        c.numMat = "00_ginterface/menuitems/num_" + suffix;
        c.mid = i == kHintCounter ? 0 : 3;
        c.id = i == kHintCounter ? ID_HELP_NUM : ID_COUNTER0 + i;
        const Ogre::Vector2 position(0.0f, 0.0f), size(0.015625f, 0.0208333f);
        overlayCreatePanel(kCounterOverlay, c.element.c_str(), nullptr, "Fonts/00_font_counter_00", &position, &size,
                           175);
        overlaySetMaterial(kCounterOverlay, c.element.c_str(), nullptr, c.digitMat.c_str());
        if (i == kHintCounter)
            overlaySetVisible(kCounterOverlay, c.element.c_str(), nullptr, false);
        counterUpdateVisible(i);
    }
    overlaySetVisible(kCounterOverlay, nullptr, nullptr, true);
}

void sc_00_ginterface::countersDestroy()
{
    TQ_TRACE(" countersDestroy()");
    for (int i = 0; i < kCounters; ++i)
        overlayDestroy(kCounterOverlay, counters[i].element.c_str(), nullptr);
}

void sc_00_ginterface::counterSetCount(int i, int c, float time)
{
    TQ_TRACE(" counterSetCount(int i, int c, float time)");
    if (i < 0 || i >= kCounters)
        return;
    counterRecord& r = counters[i];
    setVarI(slotKey(i, "_num"), c);
    r.offset = c > 9 ? r.offset2 : r.offset1;
    r.from = r.current;
    r.itemRoll = 0.0f;
    r.delay = time;
    r.count = c;
    r.to = stripOf(c);
}

void sc_00_ginterface::counterSetMax(int i, int c)
{
    TQ_TRACE(" counterSetMax(int i, int c)");
    if (i < 0 || i >= kCounters)
        return;
    counterRecord& r = counters[i];
    setVarI(slotKey(i, "_max"), c);
    r.from = r.current = r.to = kStripZero;
    r.max = c;
}

int sc_00_ginterface::counterGetCount(int i) const
{
    return i >= 0 && i < kCounters ? counters[i].count : 0;
}

int sc_00_ginterface::counterGetMax(int i) const
{
    return i >= 0 && i < kCounters ? counters[i].max : 0;
}

void sc_00_ginterface::counterSetPosition(int i, float x, float y, float x2, float y2)
{
    TQ_TRACE(" counterSetPosition(int i, float x, float y, float x2, float y2)");
    if (i < 0 || i >= kCounters)
        return;
    counterRecord& r = counters[i];
    r.offset1 = vec3(x / 1024.0f, y / 768.0f, 0.0f);
    r.offset2 = vec3(x2 / 1024.0f, y2 / 768.0f, 0.0f);
    overlaySetPosition(kCounterOverlay, r.element.c_str(), nullptr, r.offset1.x, r.offset1.y);
}

void sc_00_ginterface::counterVisible(int i, int v)
{
    TQ_TRACE(" counterVisible(int i, int v)");
    if (i < 0 || i >= kCounters)
        return;
    counterRecord& r = counters[i];
    __MENU_ITEM& button = menus[r.mid].items[r.id];
    if (v)
    {
        r.state = 1;
        r.wanted = 1;
        counterUpdateVisible(i);
        // Shown only where its menu is: a hidden menu keeps it hidden.
        if (r.shown)
            overlaySetVisible(kCounterOverlay, r.element.c_str(), nullptr, true);
        button.showState = 1;
    }
    else
    {
        r.state = 3;
        button.showState = 3;
    }
}

void sc_00_ginterface::counterHide(int i)
{
    TQ_TRACE(" counterHide(int i)");
    if (i < 0 || i >= kCounters)
        return;
    counterRecord& r = counters[i];
    r.state = 0;
    r.fade = 0.0f;
    r.count = 0;
    r.wanted = 0;
    counterUpdateVisible(i);
    menus[r.mid].items[r.id].showState = 3;
}

void sc_00_ginterface::counterHideAll()
{
    TQ_TRACE(" counterHideAll()");
    for (int i = 0; i < kSlots; ++i)
        counterHide(i);
}

void sc_00_ginterface::counterUpdateVisible(int i)
{
    counterRecord& r = counters[i];
    const int v = r.wanted && r.menuShown ? 1 : 0;
    if (v == r.shown)
        return;
    overlaySetVisible(kCounterOverlay, r.element.c_str(), nullptr, v != 0);
    r.shown = v;
}

void sc_00_ginterface::countersProcess(float inc)
{
    for (int i = 0; i < kCounters; ++i)
    {
        counterRecord& r = counters[i];
        if (r.state == 1)
        {
            r.fade += 0.5f * inc;
            if (r.fade > 1.0f)
            {
                r.fade = 1.0f;
                r.state = 2;
            }
            // The digit starts white and settles to its own texture.
            const float c = 1.0f - r.fade;
            materialSetColour(r.digitMat, c, c, c, 0);
        }

        const _MENU& menu = menus[r.mid];
        const __MENU_ITEM& button = menu.items[r.id];
        float x = button.main.pos.x;
        float height = 0.023f;
        if (i != kHintCounter)
        {
            x = x - inventoryCentre + 0.5f - 0.046875f;
            height = 0.028125f;
        }
        overlaySetPosition(kCounterOverlay, r.element.c_str(), nullptr, x + r.offset.x, button.main.pos.y + r.offset.y);
        overlaySetCharHeight(kCounterOverlay, r.element.c_str(), nullptr, height);
        r.menuShown = menu.alpha > 0.01f ? 1 : 0;
        counterUpdateVisible(i);

        if (r.itemRoll < 1.0f && r.delay > 0.0f)
        {
            r.delay -= inc;
            continue;
        }
        r.itemRoll += 0.7f * inc;
        if (r.itemRoll > 1.0f)
            r.itemRoll = 1.0f;
        const float e = cubeFunc2(r.itemRoll);
        r.current = (1.0f - e) * r.from + e * r.to;
        materialSetTextureScroll(r.digitMat, 0.0f, r.current);
    }
}
