#include "00_tutorial.h"

#include "Application.h"
#include "Input.h"
#include "Object.h"
#include "Trace.h"

#include <algorithm>
#include <cmath>

namespace
{
const char* const kLightTextures[3] = {"00_menu_button.tga", "00_menu_checkbox_light_fx.tga",
                                        "00_inv_tutorial_button_fx.tga"};
const float kLineHeight = 0.03125f;
const float kWindowWidth = 0.43f;
/// The least room between the window and the screen's edges.
const float kScreenMargin = 0.01f;
const int kTextWidth = 32;
/// The close plaque in the window's bottom row.
const float kOkPlaqueX = 0.03f;
const float kOkPlaqueWidth = 0.1f;
const float kOkPlaqueHeight = 0.05f;

/// One step's target object per camera 1 to 4, and the side of the window.
struct CameraTarget
{
    const char* object;
    bool left;
};
const CameraTarget kStepTargets[2][4] = {
    {{"01_az_gazeta04_02_msz", false}, {"01_az_gazeta_luck", true}, {"01_az_gazeta04_01_msz", false},
     {"01_az_yshik2", true}},
    {{"01_az_detal_03", true}, {"01_az_detal_04", false}, {"01_az_moneta_09", true}, {"01_az_detal_05", true}},
};

/// Fixed screen targets of steps 3 to 8.
struct ScreenTarget
{
    float x, y;
    bool left;
};
const ScreenTarget kScreenTargets[6] = {
    {0.97f, 0.5f, true}, {0.5f, 0.87f, true}, {0.95f, 0.93f, true},
    {0.5f, 0.95f, true}, {0.96f, 0.97f, true}, {0.05f, 0.95f, false},
};
} // namespace

float sc_00_tutorial::cosFunc(float x)
{
    return (1.0f - std::cos(3.1415f * x)) / 2.0f;
}

float sc_00_tutorial::lineInterp(float x1, float x2, float a)
{
    return x2 * a + x1 * (1.0f - a);
}

const char* sc_00_tutorial::overlayOf(const ITEM& it) const
{
    return menu.borders[it.border].overlay.c_str();
}

const char* sc_00_tutorial::borderOf(const ITEM& it) const
{
    return menu.borders[it.border].element.c_str();
}

void sc_00_tutorial::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    menusInit();
    timer = CObject::createTimer(gObjectCollector.get(getOwner()), 1, -1, nullptr);
}

// ---------------------------------------------------------------------------
// Building the window

void sc_00_tutorial::menuInit(int /*m*/)
{
    TQ_TRACE(" menuInit(int m)");
    // Starts as fading out from nothing: the first frame hides every element
    // the overlay file may have left visible.
    menu.state = 3;
    menu.alpha = 0.0f;
    menu.item_count = 0;
    menu.border_count = 0;
}

int sc_00_tutorial::menuAddBorder(int m, const String& overlay, const String& element)
{
    TQ_TRACE(" menuAddBorder()");
    const int index = menu.border_count++;
    BORDER& b = menu.borders[index];
    b = BORDER();
    b.index = index;
    b.menu = m;
    b.overlay = overlay;
    b.element = element;
    overlayGetPosition(overlay.c_str(), element.c_str(), b.x1, b.y1);
    overlayGetSize(overlay.c_str(), element.c_str(), b.sx, b.sy);
    b.x0 = b.x1 + 0.3f;
    b.y0 = b.y1 - 0.4f;
    b.x = b.x0;
    b.y = b.y0;
    return index;
}

int sc_00_tutorial::menuAddItem(int m, const String& element, float x, float y, float sx, float sy)
{
    TQ_TRACE(" menuAddItem()");
    const int index = menu.item_count++;
    ITEM& it = menu.items[index];
    it = ITEM();
    it.index = index;
    it.menu = m;
    it.border = menu.border_count - 1;
    it.element = element;
    it.x = it.tx = x;
    it.y = it.ty = y;
    it.sx = sx;
    it.sy = sy;
    placeItem(it);
    return index;
}

int sc_00_tutorial::menuAddCheckBox(int m, const String& element, const String& tick, const String& material,
                                    int caption, int ticked, float x, float y, float tick_sx, float tick_sy)
{
    TQ_TRACE(" menuAddCheckBox()");
    const int index = menuAddItem(m, element, x, y, 0.0f, 0.0f);
    ITEM& it = menu.items[index];
    it.tick_element = tick;
    it.material = material;
    it.tick = ticked ? 1 : 0;
    it.check_amount = static_cast<float>(it.tick);
    it.tick_sx = tick_sx;
    it.tick_sy = tick_sy;
    it.is_static = 1;
    it.is_text = 1;
    it.caption = caption;
    itemSetCaption(it);
    placeItem(it);
    return index;
}

int sc_00_tutorial::menuAddStaticText(int m, const String& element, int caption, float x, float y)
{
    TQ_TRACE(" menuAddStaticText()");
    const int index = menuAddItem(m, element, x, y, 0.0f, 0.0f);
    ITEM& it = menu.items[index];
    it.is_static = 1;
    it.is_text = 1;
    it.disabled = 1;
    it.caption = caption;
    itemSetCaption(it);
    return index;
}

int sc_00_tutorial::menuAddTextArea(int m, const String& element, int caption, float x, float y)
{
    TQ_TRACE(" menuAddTextArea()");
    const int index = menuAddItem(m, element, x, y, 0.0f, 0.0f);
    ITEM& it = menu.items[index];
    it.is_static = 1;
    it.is_text = 1;
    it.caption = caption;
    itemSetCaption(it);
    return index;
}

void sc_00_tutorial::setLt(ITEM& it, int texture, float lx, float ly, float lsx, float lsy)
{
    it.has_light = 1;
    it.light_texture = texture;
    it.lx = lx;
    it.ly = ly;
    it.lsx = lsx;
    it.lsy = lsy;
}

void sc_00_tutorial::menusInit()
{
    TQ_TRACE(" menusInit()");
    lightInit();
    menuInit(0);
    border = menuAddBorder(0, "tutorialOverlay", "MainBorder");

    text = menuAddStaticText(0, "MainText", 21, 0.02f, 0.04f);
    check_box = menuAddCheckBox(0, "TutorialCheckBox1", "TutorialCheckBox1Ball", "TutorialCheckBox2pass", 125, 1,
                                0.0f, 0.06f, 0.03125f, 0.041667f);
    arrow = menuAddItem(0, "TutorialArrow", -0.15f, 0.13f, 0.125f, 0.166667f);
    // The close plaque and its caption stand in the window's bottom row,
    // left of the check box, below the text (showTut places the row).
    skip = menuAddItem(0, "TutorialSkipButton", kOkPlaqueX, 0.0f, kOkPlaqueWidth, kOkPlaqueHeight);
    ok = menuAddTextArea(0, "MainOk", 109, 0.0f, 0.0f);
    ok_shadow = menuAddTextArea(0, "MainOk2", 109, 0.0f, 0.0f);
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < 3; ++k)
            menu.items[ok_shadow].disabled_colour[row][k] = 0.8f;

    line = menuAddItem(0, "TutorialLine", 0.0f, 0.0f, 0.0f, 0.0f);

    setLt(menu.items[check_box], 1, -0.015625f, -0.020833f, 0.03125f, 0.041667f);
    setLt(menu.items[skip], 2, -0.0625f, 0.0f, 0.125f, 0.0f);

    menu.items[arrow].disabled = 1;
    menu.items[ok].disabled = 1;
    menu.items[ok_shadow].disabled = 1;
    float charSize = 0.0f;
    if (getConfigF("tutorial_close_button_char_size", charSize) && charSize > 0.0f)
    {
        const char* o = overlayOf(menu.items[ok]);
        const char* b = borderOf(menu.items[ok]);
        overlaySetCharHeight(o, b, "MainOk", charSize);
        overlaySetCharHeight(o, b, "MainOk2", charSize);
    }
}

// ---------------------------------------------------------------------------
// Showing a step

bool sc_00_tutorial::stepTarget(int s, float& x, float& y, bool& left)
{
    if (s == 0 || s == 1)
    {
        const int cam = getVarI("cur_cam");
        if (cam < 1 || cam > 4)
            return false;
        const CameraTarget& target = kStepTargets[s][cam - 1];
        Ogre::Vector2 screen;
        if (!worldToScreen(gApp.findObjectHandle(target.object), screen))
            return false;
        x = screen.x;
        y = screen.y;
        left = target.left;
        return true;
    }
    if (s == 2 || s == 9)
    {
        x = getConfigI("tutorial_arrow_pos_x") * 0.01f;
        y = getConfigI("tutorial_arrow_pos_y") * 0.01f;
        left = true;
        return true;
    }
    if (s >= 3 && s <= 8)
    {
        const ScreenTarget& target = kScreenTargets[s - 3];
        x = target.x;
        y = target.y;
        left = target.left;
        return true;
    }
    return false;
}

void sc_00_tutorial::showTut(int s)
{
    TQ_TRACE(" showTut(int s)");
    ITEM& box = menu.items[check_box];
    box.tick = getVarI("tutorial_on") ? 1 : 0;
    step = s;

    const ITEM& textItem = menu.items[text];
    const int lines = overlaySetTextById(overlayOf(textItem), borderOf(textItem), textItem.element.c_str(), s + 130,
                                         kTextWidth);
    const float h = lines * kLineHeight + 0.15f;
    BORDER& b = menu.borders[border];
    b.sx = kWindowWidth;
    b.sy = h;
    overlaySetSize(b.overlay.c_str(), b.element.c_str(), nullptr, b.sx, b.sy);

    box.x = box.tx = 0.215f;
    box.y = box.ty = lines * kLineHeight + 0.085f;
    placeItem(box);
    // The close plaque level with the check box, its caption centred on it
    // (a data file may move the caption within the plaque).
    ITEM& plaque = menu.items[skip];
    plaque.x = plaque.tx = kOkPlaqueX;
    plaque.y = plaque.ty = box.y + 0.0208f - kOkPlaqueHeight / 2.0f;
    placeItem(plaque);
    float okX = 0.036f;
    float okY = 0.01f;
    getConfigF("tutorial_close_button_x", okX);
    getConfigF("tutorial_close_button_y", okY);
    ITEM& caption = menu.items[ok];
    caption.x = caption.tx = plaque.x + okX;
    caption.y = caption.ty = plaque.y + okY;
    placeItem(caption);
    ITEM& shadow = menu.items[ok_shadow];
    shadow.x = shadow.tx = caption.x - 0.003f;
    shadow.y = shadow.ty = caption.y - 0.002f;
    placeItem(shadow);
    ITEM& separator = menu.items[line];
    separator.tx = 0.03f;
    separator.ty = lines * kLineHeight + 0.07f;
    separator.sx = 0.37f;
    separator.sy = 0.005f;
    overlaySetSize(b.overlay.c_str(), b.element.c_str(), separator.element.c_str(), separator.sx, separator.sy);

    float x = 0.0f;
    float y = 0.0f;
    bool left = false;
    if (!stepTarget(s, x, y, left))
    {
        // No target: the window stands centred near the bottom of the
        // screen, pointing at nothing, rather than half off the screen.
        x = 0.5f - kWindowWidth / 2.0f;
        y = 0.75f;
        left = false;
    }
    b.y1 = y - (h + 0.06f);
    b.x1 = left ? x - kWindowWidth : x;
    // A target beside or behind the camera would carry the window, and the
    // only way to close it, off the screen: it stays whole on the screen.
    b.x1 = std::min(std::max(b.x1, kScreenMargin), 1.0f - kScreenMargin - kWindowWidth);
    b.y1 = std::min(std::max(b.y1, kScreenMargin), 1.0f - kScreenMargin - h);

    ITEM& pointer = menu.items[arrow];
    const char* o = overlayOf(pointer);
    const char* be = borderOf(pointer);
    overlaySetMaterial(o, be, pointer.element.c_str(), left ? "TutorialArrowMirror" : "TutorialArrow");
    pointer.x = pointer.tx = left ? 0.325f : -0.02f;
    pointer.y = pointer.ty = h - 0.065f;
    placeItem(pointer);

    menuShow(0);
}

// ---------------------------------------------------------------------------
// The menu machinery

void sc_00_tutorial::showElements(bool visible)
{
    const BORDER& b = menu.borders[border];
    overlaySetVisible(b.overlay.c_str(), nullptr, nullptr, visible);
    overlaySetVisible(b.overlay.c_str(), b.element.c_str(), nullptr, visible);
    for (int i = 0; i < menu.item_count; ++i)
    {
        const ITEM& it = menu.items[i];
        overlaySetVisible(overlayOf(it), borderOf(it), it.element.c_str(), visible);
        if (!it.tick_element.empty())
            overlaySetVisible(overlayOf(it), borderOf(it), it.tick_element.c_str(), visible);
    }
}

void sc_00_tutorial::menuShow(int /*m*/)
{
    TQ_TRACE(" menuShow(int m)");
    menu.state = 1;
    showElements(true);
}

void sc_00_tutorial::menuHide(int /*m*/)
{
    TQ_TRACE(" menuHide(int m)");
    menu.state = 3;
    lightOff();
    for (int i = 0; i < menu.item_count; ++i)
        menu.items[i].hover = 0;
}

void sc_00_tutorial::menuOnHide(int /*m*/)
{
    TQ_TRACE(" menuOnHide(int m)");
    showElements(false);
    // The items claim the highlight while the window slides out; it must
    // not stay behind where the window was.
    lightOff();
    if (step != -1)
    {
        sendNotify(sender, getOwner(), step + 1);
        step = -1;
    }
}

void sc_00_tutorial::menusProcess()
{
    menuProcess(0);
}

void sc_00_tutorial::menuProcess(int m)
{
    if (menu.state == 0)
        return;
    if (menu.state == 1)
    {
        menu.alpha += 1.2f * dt;
        if (menu.alpha > 1.0f)
        {
            menu.alpha = 1.0f;
            menu.state = 2;
        }
    }
    else if (menu.state == 3)
    {
        menu.alpha -= 1.4f * dt;
        if (menu.alpha < 0.0f)
        {
            menu.alpha = 0.0f;
            menu.state = 0;
            menuOnHide(m);
            return;
        }
    }
    light.claimed = 0;
    for (int i = 0; i < menu.border_count; ++i)
        borderProcess(menu.borders[i]);
    for (int i = 0; i < menu.item_count; ++i)
        itemProcess(menu.items[i]);
    if (!light.claimed)
        lightHide();
}

void sc_00_tutorial::borderProcess(BORDER& b)
{
    const float a = cosFunc(menu.alpha);
    b.x = lineInterp(b.x0, b.x1, a);
    b.y = lineInterp(b.y0, b.y1, a);
    overlaySetPosition(b.overlay.c_str(), b.element.c_str(), nullptr, b.x, b.y);
}

void sc_00_tutorial::placeItem(ITEM& it)
{
    if (menu.border_count == 0)
        return;
    const char* o = overlayOf(it);
    const char* be = borderOf(it);
    if (!it.tick_element.empty())
    {
        // The caption stands right of its tick.
        overlaySetPosition(o, be, it.tick_element.c_str(), it.x, it.y);
        overlaySetSize(o, be, it.tick_element.c_str(), it.tick_sx, it.tick_sy);
        overlaySetPosition(o, be, it.element.c_str(), it.x + it.tick_sx + 0.01f, it.y);
    }
    else
    {
        overlaySetPosition(o, be, it.element.c_str(), it.x, it.y);
        if (!it.is_text && it.sx > 0.0f)
            overlaySetSize(o, be, it.element.c_str(), it.sx, it.sy);
    }
}

void sc_00_tutorial::itemProcess(ITEM& it)
{
    if (!it.is_static)
    {
        it.x += (it.tx - it.x) * 3.0f * dt;
        it.y += (it.ty - it.y) * 3.0f * dt;
        placeItem(it);
    }
    else if (it.tick != -1)
    {
        placeItem(it);
        materialSetAlpha2(it.material, 0, 0, it.check_amount);
        materialSetAlpha2(it.material, 1, 0, 1.0f - it.check_amount);
    }
    if (it.is_text)
        itemUpdateColor(it);

    if (!it.disabled)
    {
        const BORDER& b = menu.borders[it.border];
        float rx = b.x + it.x;
        float ry = b.y + it.y;
        float rsx = it.sx;
        float rsy = it.sy;
        if (it.tick != -1)
        {
            rsx = it.tick_sx;
            rsy = it.tick_sy;
        }
        const bool inside = cursor_x > rx && cursor_x < rx + rsx && cursor_y > ry && cursor_y < ry + rsy;
        if (inside)
        {
            if (it.has_light)
                lightSetPosition(rx + it.lx, ry + it.ly, rsx + it.lsx, rsy + it.lsy, it.light_texture);
            else
                lightSetPosition(rx, ry, rsx, rsy, it.light_texture);
            if (lbutton_before && !lbutton_now)
            {
                if (it.tick != -1)
                    it.tick = it.tick ? 0 : 1;
                itemProcessPress(it);
            }
            if (it.hover != 2)
                it.hover = 1;
        }
        else if (it.hover != 0)
        {
            it.hover = 3;
        }
    }

    if (it.tick != -1)
    {
        const float target = static_cast<float>(it.tick);
        if (it.check_amount < target)
            it.check_amount = std::min(target, it.check_amount + 3.0f * dt);
        else if (it.check_amount > target)
            it.check_amount = std::max(target, it.check_amount - 3.0f * dt);
    }
    if (it.hover == 1)
    {
        it.hover_amount += 6.0f * dt;
        if (it.hover_amount >= 1.0f)
        {
            it.hover_amount = 1.0f;
            it.hover = 2;
        }
    }
    else if (it.hover == 3)
    {
        it.hover_amount -= dt;
        if (it.hover_amount <= 0.0f)
        {
            it.hover_amount = 0.0f;
            it.hover = 0;
        }
    }
}

void sc_00_tutorial::itemProcessPress(ITEM& it)
{
    TQ_TRACE(" itemProcessPress(ITEM& it)");
    if (it.menu != 0)
        return;
    if (it.index == skip)
        menuHide(0);
    else if (it.index == check_box)
        setVarI("tutorial_on", it.tick);
}

void sc_00_tutorial::itemSetCaption(ITEM& it)
{
    if (it.caption == 0 || menu.border_count == 0)
        return;
    overlaySetCaption(overlayOf(it), borderOf(it), it.element.c_str(), it.caption, -1, 0, nullptr);
}

void sc_00_tutorial::itemUpdateColor(ITEM& it)
{
    const float(*colour)[3] = it.disabled ? it.disabled_colour : it.colour;
    const char* o = overlayOf(it);
    const char* be = borderOf(it);
    overlaySetColourTop(o, be, it.element.c_str(), colour[0][0], colour[0][1], colour[0][2], menu.alpha);
    overlaySetColourBottom(o, be, it.element.c_str(), colour[1][0], colour[1][1], colour[1][2], menu.alpha);
}

// ---------------------------------------------------------------------------
// The highlight

void sc_00_tutorial::lightInit()
{
    TQ_TRACE(" lightInit()");
    light = LIGHT();
    light.element = "MenuLight2";
    light.overlay = "interfaceOverlayLight2";
    light.material = "menu/light2";
    overlaySetVisible(light.overlay.c_str(), light.element.c_str(), nullptr, false);
}

void sc_00_tutorial::lightOff()
{
    light.state = 0;
    light.alpha = 0.0f;
    overlaySetVisible(light.overlay.c_str(), light.element.c_str(), nullptr, false);
}

void sc_00_tutorial::lightHide()
{
    if (light.state != 0)
        light.state = 3;
}

void sc_00_tutorial::lightSetPosition(float x, float y, float sx, float sy, int texture)
{
    light.x = x;
    light.y = y;
    light.sx = sx;
    light.sy = sy;
    light.claimed = 1;
    if (light.state != 2)
        light.state = 1;
    const char* o = light.overlay.c_str();
    const char* e = light.element.c_str();
    overlaySetPosition(o, e, nullptr, x, y);
    overlaySetSize(o, e, nullptr, sx, sy);
    if (texture != light.texture && texture >= 0 && texture < 3)
    {
        light.texture = texture;
        materialSetTexturePassUnit(light.material, 0, 0, kLightTextures[texture]);
    }
}

void sc_00_tutorial::lightProcess()
{
    materialSetColour(light.material, light.alpha, light.alpha, light.alpha, 1);
    if (light.state == 1)
    {
        overlaySetVisible(light.overlay.c_str(), nullptr, nullptr, true);
        overlaySetVisible(light.overlay.c_str(), light.element.c_str(), nullptr, true);
        light.alpha += 2.0f * dt;
        if (light.alpha >= 1.0f)
        {
            light.alpha = 1.0f;
            light.state = 2;
        }
    }
    else if (light.state == 3)
    {
        light.alpha -= 3.0f * dt;
        if (light.alpha <= 0.0f)
        {
            light.alpha = 0.0f;
            light.state = 0;
            overlaySetVisible(light.overlay.c_str(), light.element.c_str(), nullptr, false);
        }
    }
}

// ---------------------------------------------------------------------------
// Handlers

void sc_00_tutorial::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (code == 100)
    {
        menuHide(0);
        return;
    }
    sender = from;
    showTut(code - 1);
}

void sc_00_tutorial::ON_TIME()
{
    dt = gApp.mFrameMs / 1000.0f;
    lbutton_before = lbutton_now;
    CInput* input = gApp.mInput;
    lbutton_now = input && input->mLeftDown ? 1 : 0;
    if (input)
    {
        cursor_x = input->mCursorX;
        cursor_y = input->mCursorY;
    }
    menusProcess();
    lightProcess();
}
