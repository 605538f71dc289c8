// The menu framework of "interface": building menus from overlay elements,
// their fades and slides, hover and click, the glow behind the hovered item,
// the handlers, the start-up decision, the main menu, the quit question and
// the in-game menu.
#include "00_interface.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "SfxCore.h"
#include "Trace.h"

#include <cstdio>

namespace
{
// Text colours of the items.
const float kNormalColour[3] = {0.29f, 0.19f, 0.17f};
const float kDisabledColour[3] = {0.5f, 0.5f, 0.5f};
const float kStaticColour[3] = {0.09f, 0.0f, 0.0f};

// Textures of the glow, by light kind.
const char* const kLightTextures[3] = {"00_menu_button.tga", "00_menu_checkbox_light_fx.tga",
                                       "00_menu_volume_control_fx.tga"};

// Keys of the input layer.
const int kKeyEscape = 1;

const char* elementName(const String& name)
{
    return name.empty() ? nullptr : name.c_str();
}

void copyColour(float* to, const float* from)
{
    to[0] = from[0];
    to[1] = from[1];
    to[2] = from[2];
}
} // namespace

sc_00_interface::sc_00_interface(int mostDerived)
{
    (void)mostDerived;
    for (int i = 0; i < kMenuCount; ++i)
        mMenus[i].mid = i;
}

// ---------------------------------------------------------------------------
// Look-ups

sc_00_interface::ITEM* sc_00_interface::itemOf(int mid, int id)
{
    if (mid < 0 || mid >= kMenuCount || id < 0 || id >= mMenus[mid].itemCount)
        return nullptr;
    return &mMenus[mid].items[id];
}

sc_00_interface::BORDER* sc_00_interface::borderOf(const ITEM& item)
{
    MENU& menu = mMenus[item.mid];
    if (item.border < 0 || item.border >= menu.borderCount)
        return nullptr;
    return &menu.borders[item.border];
}

float sc_00_interface::cubeFunc(float a)
{
    // Overshoots by about a tenth near the middle; its coefficients add up
    // to 0.9999, so the end is set to land the panels exactly.
    if (a >= 1.0f)
        return 1.0f;
    return 2.9444f * a * a * a - 6.8167f * a * a + 4.8722f * a;
}

float sc_00_interface::lineInterp(float a, float b, float t)
{
    return (1.0f - t) * a + t * b;
}

// ---------------------------------------------------------------------------
// Builders

int sc_00_interface::menuAddBorder(int mid, const char* overl, const char* name, float px, float py, float dx,
                                   float dy)
{
    TQ_TRACE(" menuAddBorder(int mid, char *overl, char *name, float px, float py, float dx, float dy)");
    MENU& menu = mMenus[mid];
    if (menu.borderCount >= kMaxBorders)
    {
        Log::print("\nERROR: menu %d has no room for border [%s]", mid, name ? name : "");
        return -1;
    }
    const int index = menu.borderCount++;
    BORDER& b = menu.borders[index];
    b = BORDER();
    b.index = index;
    b.mid = mid;
    b.name = name ? name : "";
    b.overlay = overl ? overl : "";
    b.showX = px;
    b.showY = py;
    b.hideX = px + dx;
    b.hideY = py + dy;
    b.x = b.hideX;
    b.y = b.hideY;
    overlayGetSize(b.overlay.c_str(), elementName(b.name), b.width, b.height);
    overlaySetPosition(b.overlay.c_str(), elementName(b.name), nullptr, b.x, b.y);
    return index;
}

int sc_00_interface::newItem(int border, int mid, const char* name, int kind)
{
    MENU& menu = mMenus[mid];
    if (menu.itemCount >= kMaxItems || border < 0 || border >= menu.borderCount)
    {
        Log::print("\nERROR: menu %d has no room for item [%s]", mid, name ? name : "");
        return -1;
    }
    const int index = menu.itemCount++;
    ITEM& item = menu.items[index];
    item = ITEM();
    item.index = index;
    item.mid = mid;
    item.border = border;
    item.name = name ? name : "";
    item.kind = kind;
    return index;
}

int sc_00_interface::menuAddItem(int border, int mid, const char* name, float x, float y, float sx, float sy, int mg)
{
    TQ_TRACE(" menuAddItem(int border, int mid, char *name, float x, float y, float sx, float sy, int mg)");
    (void)mg;
    const int index = newItem(border, mid, name, 0);
    if (index < 0)
        return -1;
    MENU& menu = mMenus[mid];
    ITEM& item = menu.items[index];
    item.width = sx;
    item.height = sy;
    const BORDER& b = menu.borders[border];
    item.x = item.tx = b.width / 2.0f + x - sx / 2.0f;
    item.y = item.ty = y;
    overlaySetSize(b.overlay.c_str(), elementName(b.name), item.name.c_str(), sx, sy);
    overlaySetPosition(b.overlay.c_str(), elementName(b.name), item.name.c_str(), item.x, item.y);
    return index;
}

int sc_00_interface::menuAddSelectLine(int border, int mid, const char* name, const char* mat)
{
    TQ_TRACE(" menuAddSelectLine(int border, int mid, char *name, char *mat)");
    MENU& menu = mMenus[mid];
    if (border < 0 || border >= menu.borderCount)
        return -1;
    const BORDER& b = menu.borders[border];
    float w = 0.0f, h = 0.0f;
    overlayGetSize(b.overlay.c_str(), elementName(b.name), name, w, h);
    const int index = menuAddItem(border, mid, name, 0.0f, 0.0f, w, h);
    if (index < 0)
        return -1;
    ITEM& item = menu.items[index];
    item.material = mat ? mat : "";
    item.disabled = 1;
    overlaySetMaterial(b.overlay.c_str(), elementName(b.name), name, mat);
    return index;
}

int sc_00_interface::menuAddTextArea(int border, int mid, const char* name, int caption, int disabled)
{
    TQ_TRACE(" menuAddTextArea(int border, int mid, const char *name, int caption, int disabled)");
    const int index = newItem(border, mid, name, 1);
    if (index < 0)
        return -1;
    MENU& menu = mMenus[mid];
    ITEM& item = menu.items[index];
    item.disabled = disabled;
    item.caption = caption;
    copyColour(item.normalTop, kNormalColour);
    copyColour(item.normalBottom, kNormalColour);
    copyColour(item.disabledTop, kDisabledColour);
    copyColour(item.disabledBottom, kDisabledColour);
    const BORDER& b = menu.borders[border];
    overlayGetSize(b.overlay.c_str(), elementName(b.name), item.name.c_str(), item.width, item.height);
    itemSetCaption(mid, index);
    itemUpdateColor(mid, index);
    return index;
}

int sc_00_interface::menuAddTextArea(int border, int mid, const char* name, int caption, int disabled, float x,
                                     float y)
{
    const int index = menuAddTextArea(border, mid, name, caption, disabled);
    if (index >= 0)
        itemSetPosition(mid, index, mMenus[mid].borders[border].width / 2.0f + x, y);
    return index;
}

int sc_00_interface::menuAddTextArea(int border, int mid, const char* name, const char* caption, int disabled,
                                     float x, float y)
{
    const int index = menuAddTextArea(border, mid, name, 0, disabled, x, y);
    if (index >= 0)
    {
        const BORDER& b = mMenus[mid].borders[border];
        overlaySetCaptionText(b.overlay.c_str(), elementName(b.name), name, caption);
    }
    return index;
}

int sc_00_interface::menuAddStaticText(int border, int mid, const char* name, int caption, int disabled, float x,
                                       float y)
{
    TQ_TRACE(" menuAddStaticText(int border, int mid, const char *name, int caption, int disabled, float x, float y)");
    const int index = menuAddTextArea(border, mid, name, caption, disabled, x, y);
    if (index < 0)
        return -1;
    ITEM& item = mMenus[mid].items[index];
    copyColour(item.disabledTop, kStaticColour);
    copyColour(item.disabledBottom, kStaticColour);
    itemUpdateColor(mid, index);
    return index;
}

void sc_00_interface::setLt(int mid, int id, int num_lt, float x, float y, float sx, float sy)
{
    TQ_TRACE(" setLt(int mid, int id, int num_lt, float x, float y, float sx, float sy)");
    ITEM* item = itemOf(mid, id);
    if (!item)
        return;
    item->lightKind = num_lt;
    item->lx = x;
    item->ly = y;
    item->lw = sx;
    item->lh = sy;
    item->customLight = 1;
}

// ---------------------------------------------------------------------------
// Items

void sc_00_interface::itemSetPosition(int mid, int id, float x, float y)
{
    ITEM* item = itemOf(mid, id);
    if (!item)
        return;
    BORDER* b = borderOf(*item);
    item->x = item->tx = x;
    item->y = item->ty = y;
    if (b)
    {
        const float left = item->kind == 1 ? x - item->width / 2.0f : x;
        overlaySetPosition(b->overlay.c_str(), elementName(b->name), item->name.c_str(), left, y);
    }
}

void sc_00_interface::itemSetCaption(int mid, int id)
{
    ITEM* item = itemOf(mid, id);
    BORDER* b = item ? borderOf(*item) : nullptr;
    if (!b)
        return;
    overlaySetTextById(b->overlay.c_str(), elementName(b->name), item->name.c_str(), item->caption, -1);
}

void sc_00_interface::itemSetDisable(int mid, int id, int disabled)
{
    ITEM* item = itemOf(mid, id);
    if (!item)
        return;
    item->disabled = disabled;
    itemUpdateColor(mid, id);
}

void sc_00_interface::itemUpdateColor(int mid, int id)
{
    ITEM* item = itemOf(mid, id);
    BORDER* b = item ? borderOf(*item) : nullptr;
    if (!b || item->kind != 1)
        return;
    const float a = mMenus[mid].alpha;
    const float* top = item->disabled ? item->disabledTop : item->normalTop;
    const float* bottom = item->disabled ? item->disabledBottom : item->normalBottom;
    overlaySetColourTop(b->overlay.c_str(), elementName(b->name), item->name.c_str(), top[0], top[1], top[2], a);
    overlaySetColourBottom(b->overlay.c_str(), elementName(b->name), item->name.c_str(), bottom[0], bottom[1],
                           bottom[2], a);
}

void sc_00_interface::itemProcess(int mid, int id)
{
    MENU& menu = mMenus[mid];
    ITEM& item = menu.items[id];
    BORDER* b = borderOf(item);
    if (!b)
        return;
    const char* o = b->overlay.c_str();
    const char* e = elementName(b->name);

    // 1. Place the element.
    float left = item.x;
    if (item.kind == 1)
    {
        left = item.x - item.width / 2.0f;
        overlaySetPosition(o, e, item.name.c_str(), left, item.y);
        if (item.check != -1)
        {
            overlaySetPosition(o, e, item.fxName.c_str(), left, item.y + item.height / 2.0f - item.fxHeight / 2.0f);
            materialSetAlpha2(item.material, 0, 0, item.checkFade);
            materialSetAlpha2(item.material, 0, 1, 1.0f - item.checkFade);
        }
        itemUpdateColor(mid, id);
    }
    else
    {
        item.x += (item.tx - item.x) * 3.0f * mSeconds;
        item.y += (item.ty - item.y) * 3.0f * mSeconds;
        left = item.x;
        overlaySetPosition(o, e, item.name.c_str(), item.x, item.y);
    }

    // 2. Hover: only enabled items of a menu that is not on its way out.
    const float mx = mMouseX - b->x;
    const float my = mMouseY - b->y;
    const bool hovered = !item.disabled && (menu.state == 1 || menu.state == 2) && mx >= left &&
                         mx <= left + item.width && my >= item.y && my <= item.y + item.height;

    VOLUME* volume = item.volume >= 0 && item.volume < 2 ? &mVolumes[item.volume] : nullptr;
    if (hovered)
    {
        // 3. The glow, then press and release.
        if (volume && volume->knob == id)
            lightSetPosition(mLight, 2, item.x + item.lx + b->x, item.y + item.ly + b->y, item.width + item.lw,
                             item.height + item.lh);
        else if (item.customLight && item.check != -1)
            lightSetPosition(mLight, item.lightKind, left + item.lx + b->x,
                             item.y + item.height / 2.0f - item.fxHeight / 2.0f + item.ly + b->y,
                             item.fxWidth + item.lw, item.fxHeight + item.lh);
        else if (item.customLight)
            lightSetPosition(mLight, item.lightKind, left + item.lx + b->x, item.y + item.ly + b->y,
                             item.width + item.lw, item.height + item.lh);
        else
            lightSetPosition(mLight, 0, left + b->x, item.y + b->y, item.width, item.height);

        if (mButton && !mLastButton && volume && volume->knob == id && !volume->dragging)
        {
            if (item.volume == 0)
                playSnd(0);
            volume->dragging = 1;
            // Where the knob was taken, on screen: the drag keeps that spot
            // under the mouse.
            volume->grabOffset = volume->knobWidth / 2.0f + (item.x + b->x - mMouseX);
        }
        if (!mButton && mLastButton && menu.state == 2)
        {
            if (item.check != -1)
                item.check = item.check ? 0 : 1;
            itemProcessPress(mid, id);
        }
        if (item.hoverState != 2)
            item.hoverState = 1;
    }
    else
    {
        // 4. Leaving a knob lets it go.
        if (volume && volume->knob == id && volume->dragging)
        {
            volume->dragging = 0;
            stopSnd(0);
        }
        if (item.hoverState != 0)
            item.hoverState = 3;
    }

    // 5. Check fade and hover level.
    if (item.check == 0)
    {
        item.checkFade -= 3.0f * mSeconds;
        if (item.checkFade < 0.0f)
            item.checkFade = 0.0f;
    }
    else
    {
        item.checkFade += 3.0f * mSeconds;
        if (item.checkFade > 1.0f)
            item.checkFade = 1.0f;
    }
    if (item.hoverState == 1)
    {
        item.hoverLevel += 6.0f * mSeconds;
        if (item.hoverLevel >= 1.0f)
        {
            item.hoverLevel = 1.0f;
            item.hoverState = 2;
        }
    }
    else if (item.hoverState == 3)
    {
        item.hoverLevel -= mSeconds;
        if (item.hoverLevel <= 0.0f)
        {
            item.hoverLevel = 0.0f;
            item.hoverState = 0;
        }
    }
}

// ---------------------------------------------------------------------------
// Menus

void sc_00_interface::menuShow(int mid)
{
    TQ_TRACE(" menuShow(int mid)");
    MENU& menu = mMenus[mid];
    // The turning figures behind the menus stand in the main menu's scene
    // only; the in-game menus have nothing behind them to tell.
    if (CObject* background = gApp.findObject("00_interf_bk"))
        sendNotify(background->getHandle(), getOwner(), mid == MENU_NAME ? 10 : 11);
    // The alpha stays: a menu on its way out comes back from where it is.
    menu.state = 1;
    // Every border's overlay: the panels of one menu may lie in overlays of
    // their own (the profiles menu does).
    for (int i = 0; i < menu.borderCount; ++i)
    {
        overlaySetVisible(menu.borders[i].overlay.c_str(), nullptr, nullptr, true);
        overlaySetVisible(menu.borders[i].overlay.c_str(), elementName(menu.borders[i].name), nullptr, true);
    }
    for (int i = 0; i < menu.itemCount; ++i)
    {
        const ITEM& item = menu.items[i];
        const BORDER& b = menu.borders[item.border];
        overlaySetVisible(b.overlay.c_str(), elementName(b.name), item.name.c_str(), true);
        if (item.check != -1)
            overlaySetVisible(b.overlay.c_str(), elementName(b.name), item.fxName.c_str(), true);
    }
}

void sc_00_interface::menuHide(int mid)
{
    TQ_TRACE(" menuHide(int mid)");
    MENU& menu = mMenus[mid];
    // A hidden menu stays hidden: fading it out again would answer its
    // dialog or tip a second time.
    if (menu.state == 0)
        return;
    menu.state = 3;
    lightOff();
    for (int i = 0; i < menu.itemCount; ++i)
        menu.items[i].hoverState = 0;
}

void sc_00_interface::menuOnHide(int mid)
{
    TQ_TRACE(" menuOnHide(int mid)");
    MENU& menu = mMenus[mid];
    for (int i = 0; i < menu.borderCount; ++i)
        overlaySetVisible(menu.borders[i].overlay.c_str(), elementName(menu.borders[i].name), nullptr, false);
    for (int i = 0; i < menu.itemCount; ++i)
    {
        const ITEM& item = menu.items[i];
        const BORDER& b = menu.borders[item.border];
        overlaySetVisible(b.overlay.c_str(), elementName(b.name), item.name.c_str(), false);
        if (item.check != -1)
            overlaySetVisible(b.overlay.c_str(), elementName(b.name), item.fxName.c_str(), false);
    }
    if (mid == MENU_DIALOG)
        dialogOnHide();
    else if (mid == MENU_TIP && mTipSender)
        sendNotify(mTipSender, getOwner(), mTipCode + 10000);
}

void sc_00_interface::menusOnHide()
{
    TQ_TRACE(" menusOnHide()");
    for (int mid = 1; mid < kMenuCount; ++mid)
        for (int i = 0; i < mMenus[mid].borderCount; ++i)
            overlaySetVisible(mMenus[mid].borders[i].overlay.c_str(), nullptr, nullptr, false);
}

void sc_00_interface::menuProcess(int mid)
{
    MENU& menu = mMenus[mid];
    switch (menu.state)
    {
    case 0:
        return;
    case 1:
        menu.alpha += mSeconds;
        if (menu.alpha >= 1.0f)
        {
            menu.alpha = 1.0f;
            menu.state = 2;
        }
        break;
    case 3:
        menu.alpha -= 2.0f * mSeconds;
        if (menu.alpha <= 0.0f)
        {
            menu.alpha = 0.0f;
            menu.state = 0;
            menuOnHide(mid);
            return;
        }
        break;
    default:
        break;
    }

    mLight.wanted = -1;
    const float a = cubeFunc(menu.alpha);
    for (int i = 0; i < menu.borderCount; ++i)
    {
        BORDER& b = menu.borders[i];
        b.x = lineInterp(b.hideX, b.showX, a);
        b.y = lineInterp(b.hideY, b.showY, a);
        overlaySetPosition(b.overlay.c_str(), elementName(b.name), nullptr, b.x, b.y);
    }
    for (int i = 0; i < menu.itemCount; ++i)
        itemProcess(mid, i);
    if (mLight.wanted == -1 && (mLight.state == 1 || mLight.state == 2))
        mLight.state = 3;
}

void sc_00_interface::menusProcess()
{
    for (int mid = 0; mid < kMenuCount; ++mid)
        menuProcess(mid);
}

// ---------------------------------------------------------------------------
// The glow

void sc_00_interface::lightInit()
{
    TQ_TRACE(" lightInit()");
    overlaySetVisible(mLight.overlay.c_str(), mLight.name.c_str(), nullptr, false);
    overlaySetVisible(mLight.overlay.c_str(), nullptr, nullptr, true);
    mLight.state = 0;
    mLight.alpha = 0.0f;
    mLight.x = mLight.y = mLight.width = mLight.height = 0.0f;
}

void sc_00_interface::lightSetPosition(LIGHT& l, int num_lt, float x, float y, float sx, float sy)
{
    l.x = x;
    l.y = y;
    l.width = sx;
    l.height = sy;
    l.wanted = 1;
    l.state = 1;
    overlaySetPosition(l.overlay.c_str(), l.name.c_str(), nullptr, x, y);
    overlaySetSize(l.overlay.c_str(), l.name.c_str(), nullptr, sx, sy);
    if (num_lt != l.textureKind && num_lt >= 0 && num_lt < 3)
    {
        l.textureKind = num_lt;
        materialSetTexturePassUnit(l.material, 0, 0, kLightTextures[num_lt]);
    }
}

void sc_00_interface::lightProcess()
{
    materialSetColour(mLight.material, mLight.alpha, mLight.alpha, mLight.alpha, 1);
    if (mLight.state == 1)
    {
        overlaySetVisible(mLight.overlay.c_str(), nullptr, nullptr, true);
        overlaySetVisible(mLight.overlay.c_str(), mLight.name.c_str(), nullptr, true);
        mLight.alpha += 2.0f * mSeconds;
        if (mLight.alpha >= 1.0f)
        {
            mLight.alpha = 1.0f;
            mLight.state = 2;
        }
    }
    else if (mLight.state == 3)
    {
        mLight.alpha -= 3.0f * mSeconds;
        if (mLight.alpha <= 0.0f)
        {
            mLight.alpha = 0.0f;
            mLight.state = 0;
            overlaySetVisible(mLight.overlay.c_str(), mLight.name.c_str(), nullptr, false);
        }
    }
}

void sc_00_interface::lightOff()
{
    mLight.state = 0;
    mLight.alpha = 0.0f;
    overlaySetVisible(mLight.overlay.c_str(), mLight.name.c_str(), nullptr, false);
}

void sc_00_interface::lightHide()
{
    lightOff();
}

// ---------------------------------------------------------------------------
// The backdrop

void sc_00_interface::borderProcess()
{
    materialSetAlpha("interfaceBk/background", mBk.alpha);
    materialSetAlpha("interfaceBk/final", 0.0f);
    if (mBk.state != 3)
        return;
    mBk.alpha -= 2.0f * mSeconds;
    if (mBk.alpha <= 0.0f)
    {
        mBk.alpha = 0.0f;
        mBk.state = 0;
        overlaySetVisible("interfaceBk", "BkContainer", nullptr, false);
        overlaySetVisible("interfaceFinalBk", "BkFinal", nullptr, false);
    }
}

void sc_00_interface::hideBorder()
{
    mBk.state = 3;
}

void sc_00_interface::initBorder()
{
    mBk.state = 0;
    mBk.alpha = 0.0f;
    materialSetAlpha("interfaceBk/background", 0.0f);
}

// ---------------------------------------------------------------------------
// Sound

void sc_00_interface::loadSnd()
{
    mSound = CSfxCore::loadSound("04_38", 1);
}

void sc_00_interface::playSnd(int i)
{
    if (i == 0 && mSound > 0)
        CSfxCore::playSound(mSound, 1, 0, 0);
}

void sc_00_interface::stopSnd(int i)
{
    if (i == 0 && mSound > 0)
        CSfxCore::stopSound(mSound);
}

void sc_00_interface::unloadSnd()
{
    if (mSound > 0)
        CSfxCore::freeSound(mSound);
    mSound = -1;
}

// ---------------------------------------------------------------------------
// Building

void sc_00_interface::menusInit()
{
    TQ_TRACE(" menusInit()");
    for (int mid = 0; mid < kMenuCount; ++mid)
    {
        MENU& menu = mMenus[mid];
        menu.state = 3;
        menu.alpha = 0.0f;
        menu.itemCount = 0;
        menu.borderCount = 0;
        menu.mid = mid;
    }

    // 0: the main menu.
    menuAddBorder(MENU_MAIN, "interfaceOverlay", "MainMenuBorder", 0.375f, 0.315f, 0.65f, 0.0f);
    menuAddBorder(MENU_MAIN, "interfaceOverlay", "MainMenuBorder2", 0.175f, 0.77f, -0.82f, 0.0f);
    mNewGameText = menuAddTextArea(0, MENU_MAIN, "NewGameText", 21, 0, 0.0f, 0.15f);
    mContinueGameText = menuAddTextArea(0, MENU_MAIN, "ContinueGameText", 22, 0, 0.0f, 0.1f);
    itemSetDisable(MENU_MAIN, mContinueGameText, 1);
    mOptionsText = menuAddTextArea(0, MENU_MAIN, "OptionsText", 23, 0, 0.0f, 0.2f);
    mCreditsText = menuAddTextArea(0, MENU_MAIN, "CreditsText", 24, 0, 0.0f, 0.25f);
    mQuitText = menuAddTextArea(0, MENU_MAIN, "QuitText", 25, 0, 0.0f, 0.3f);
    mHelloText = menuAddStaticText(1, MENU_MAIN, "HelloText", 42, 1, 0.0f, 0.08f);
    mUserChangeText = menuAddTextArea(1, MENU_MAIN, "UserChangeText", 26, 0, 0.0f, 0.13f);

    // 1: the quit question.
    menuAddBorder(MENU_QUIT, "interfaceOverlayQuit", "QuitMenuBorder", 0.2f, 0.4f, 0.0f, 0.7f);
    menuAddStaticText(0, MENU_QUIT, "QuitCaption", 28, 1, 0.0f, 0.08f);
    mQuitYes = menuAddTextArea(0, MENU_QUIT, "QuitYes", 29, 0, -0.1f, 0.13f);
    mQuitNo = menuAddTextArea(0, MENU_QUIT, "QuitNo", 30, 0, 0.1f, 0.13f);

    // 3: the name box.
    menuAddBorder(MENU_NAME, "interfaceOverlayName", "NameMenuBorder", 0.25f, 0.35f, 0.0f, 0.65f);
    mNameText = menuAddStaticText(0, MENU_NAME, "NameText", 34, 1, 0.0f, 0.1f);
    mNameName = menuAddTextArea(0, MENU_NAME, "NameName", 42, 0, 0.0f, 0.17f);
    mNameOk = menuAddTextArea(0, MENU_NAME, "NameOk", 35, 0, -0.1f, 0.25f);
    mNameCancel = menuAddTextArea(0, MENU_NAME, "NameCancel", 44, 1, 0.1f, 0.25f);

    // 4: the in-game menu.
    menuAddBorder(MENU_GAME, "interfaceOverlayGame", "GameMenuBorder", 0.35f, 0.3f, 0.0f, -0.8f);
    mGameReturn = menuAddTextArea(0, MENU_GAME, "GameReturn", 31, 0, 0.0f, 0.1f);
    mGameOptions = menuAddTextArea(0, MENU_GAME, "GameOptions", 33, 0, 0.0f, 0.2f);
    mGameMainMenu = menuAddTextArea(0, MENU_GAME, "GameMainMenu", 32, 0, 0.0f, 0.3f);

    // 6: the options.
    buildOptionsMenu();

    // 8: the credits.
    menuAddBorder(MENU_CREDITS, "interfaceOverlayCredits", "CreditsMenuBorder", 0.15f, 0.15f, 0.0f, -0.9f);
    menuAddBorder(MENU_CREDITS, "interfaceOverlayCredits", "CreditsMenuBorder2", 0.05f, 0.75f, -0.3f, 0.3f);
    menuAddStaticText(0, MENU_CREDITS, "Credits", 70, 1, -0.16f, 0.16f);
    menuAddStaticText(0, MENU_CREDITS, "Credits2", 71, 1, 0.16f, 0.16f);
    menuAddStaticText(0, MENU_CREDITS, "Credits3", 27, 1, 0.0f, 0.09f);
    mBackText = menuAddTextArea(1, MENU_CREDITS, "BackText", 78, 0, 0.0f, 0.1f);

    // 5, 7, 9, 10: the dialog box, the tip, the survey box, the difficulty.
    buildDialogMenus();

    lightInit();
    mLight.state = 3;
}

// ---------------------------------------------------------------------------
// Handlers

void sc_00_interface::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    loadSnd();
    setConfigI("show_hint_in_minigames", 0);
    setConfigI("survey", 0);
    materialSetAlpha("Fonts/00_font_01", 1.0f);
    mTypedName.clear();
    initBorder();

    menusInit();

    getOptionI("CurSave", mCurSave);
    const int refused = findCorrupedUsers();
    loadUsers();
    menusOnHide();
    const int gameState = getConfigI("game_state");

    // A current profile leads to the survey box and the main menu, but only
    // where the main menu belongs: a location or a mini-game scene starts
    // from its own branch below.
    const bool menuScene = gameState == 0 || gameState == 60;
    if (mCurSave != -1 && refused == -1 && menuScene)
    {
        if (findUser(saveFileName(mCurSave)) == 0)
            startFromNameCorruptedMenu();
        else
        {
            setUser(mCurSave + 1);
            startFromSurvey();
            refresh();
        }
    }
    else if (gameState == 0 || gameState == 50 || gameState == 60)
    {
        refresh();
        if (gameState == 60)
            startFromSurvey();
        else if (gameState == 0)
        {
            if (mCurSave == -1)
                startFromNameMenu();
            else
                startFromMainMenu();
        }
    }
    else if (gameState >= 1 && gameState <= 15)
        startFromMinigame();
    else if (gameState == 100)
        startFromGame();
    if (gameState != 100)
        sendNotifyByName("00_title", 100, getOwner());

    mTimerId = CObject::createTimer(gObjectCollector.get(getOwner()), 1, -1, nullptr);
}

void sc_00_interface::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    unloadSnd();
}

void sc_00_interface::ON_TIME()
{
    mSeconds = static_cast<float>(gApp.mFrameMs) / 1000.0f;
    mLastButton = mButton;
    CInput* input = gApp.mInput;
    if (input)
    {
        mButton = input->mLeftDown ? 1 : 0;
        mMouseX = input->mCursorX;
        mMouseY = input->mCursorY;
    }

    // A fresh press anywhere clicks the tip away.
    if (mButton && !mLastButton && mMenus[MENU_TIP].state == 2)
    {
        menuHide(MENU_TIP);
        sendNotify(mTipSender, getOwner(), mTipCode);
    }
    chordProcess();
    if (input && input->mKeyDown[kKeyEscape] && mMenus[MENU_GAME].state == 2)
        itemProcessPress(MENU_GAME, mGameReturn);

    menusProcess();
    borderProcess();
    lightProcess();
    volumeProcess();
    if (mMenus[MENU_NAME].state == 2)
        nameProcess();
}

void sc_00_interface::ON_NOTIFY(int param, OBJECT_HANDLE obj)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE obj)");
    switch (param)
    {
    case 80:
        mDialogKind = -1;
        closeDialog();
        return;
    case 90:
        startDialog(1);
        return;
    case 92:
        startDialog(2);
        return;
    case 94:
        startDialog(3);
        return;
    case 99:
        menuShow(MENU_GAME);
        menuHide(MENU_TIP);
        if (ITEM* box = itemOf(MENU_OPTIONS, mCheckBox2))
            box->check = getVarI("tutorial_on") ? 0 : 1;
        return;
    case 100:
        save();
        return;
    case 101:
        save();
        setConfigI("game_state", 0);
        return;
    case 200:
        // The title answers the menu's request with 200 once it has been
        // up for four seconds.  Where a menu already waits for the player
        // (the name box of a first run, the survey box of a returning one)
        // the survey box is not put over it.
        if (!menuIsUp())
            startFromSurvey();
        setCursorMode(-1);
        return;
    case 5000:
        menuHide(MENU_TIP);
        return;
    default:
        if (param >= 10000)
            showTip(param, obj);
        return;
    }
}

// ---------------------------------------------------------------------------
// Start-up

void sc_00_interface::startFromMainMenu()
{
    TQ_TRACE(" startFromMainMenu()");
    menuShow(MENU_MAIN);
    setUser(mCurSave + 1);
}

void sc_00_interface::startFromGame()
{
    TQ_TRACE(" startFromGame()");
    // Clicks go to the menus only until the loader lets the game have them.
    setCursorMode(-1);
    Log::print("\nName (%s)\n", getVarS("name").c_str());
}

void sc_00_interface::startFromMinigame()
{
    TQ_TRACE(" startFromMinigame()");
    setCursorMode(0);
    Log::print("\nName (%s)\n", getVarS("name").c_str());
}

// ---------------------------------------------------------------------------
// Clicks

void sc_00_interface::itemProcessPress(int mid, int id)
{
    TQ_TRACE(" itemProcessPress(int mid, int id)");
    if (mid < 0 || mid >= kMenuCount || mMenus[mid].state != 2 || id < 0)
        return;
    switch (mid)
    {
    case MENU_MAIN:
        if (id == mNewGameText)
        {
            menuHide(MENU_MAIN);
            if (can_continue())
                startDialog(4);
            else
                menuShow(MENU_DIFFICULTY);
        }
        else if (id == mContinueGameText)
        {
            setConfigI("game_state", 100);
            setConfigI("load_from_save", 1);
            sendNotifyByName("00_loader", 1000 + getVarI("cur_loc"), getOwner());
        }
        else if (id == mOptionsText)
        {
            mReturnMenu = MENU_MAIN;
            menuHide(MENU_MAIN);
            menuShow(MENU_OPTIONS);
        }
        else if (id == mCreditsText)
        {
            menuHide(MENU_MAIN);
            menuShow(MENU_CREDITS);
        }
        else if (id == mQuitText)
        {
            mReturnMenu = MENU_MAIN;
            menuHide(MENU_MAIN);
            menuShow(MENU_QUIT);
        }
        else if (id == mUserChangeText)
        {
            setUser(mCurSave + 1);
            menuHide(MENU_MAIN);
            menuShow(MENU_USERS);
        }
        break;
    case MENU_QUIT:
        if (id == mQuitYes)
        {
            if (getConfigI("survey"))
            {
                initSurvey();
                menuHide(MENU_QUIT);
                menuShow(MENU_SURVEY);
            }
            else
                gApp.mQuit = true;
        }
        else if (id == mQuitNo)
        {
            menuHide(MENU_QUIT);
            menuShow(mReturnMenu);
        }
        break;
    case MENU_GAME:
        if (id == mGameOptions)
        {
            mReturnMenu = MENU_GAME;
            menuHide(MENU_GAME);
            menuShow(MENU_OPTIONS);
        }
        else if (id == mGameMainMenu)
        {
            save();
            sendNotifyByName("00_loader", 1100, getOwner());
            sendNotifyByName("00_minigame_starter", 2000, getOwner());
            menuHide(MENU_GAME);
            setConfigI("game_state", 0);
        }
        else if (id == mGameReturn)
        {
            menuHide(MENU_GAME);
            hideBorder();
            sendNotifyByName("00_game_interface", 99, getOwner());
            Log::print("BACK");
        }
        break;
    case MENU_USERS:
    case MENU_NAME:
        userPress(mid, id);
        break;
    case MENU_OPTIONS:
        optionsPress(id);
        break;
    default:
        dialogPress(mid, id);
        break;
    }
}
