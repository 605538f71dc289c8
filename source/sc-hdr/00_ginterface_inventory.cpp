// The inventory of the in-game interface: ten slots in the bar of menu 3,
// each holding at most one item shown as a picture of fading layers (the
// plain picture, one layer per found part, the "usable" layer).  A ready
// item is picked up with a press, dragged or carried on the cursor and let
// go on a hot spot, whose 777 then carries the item's id to the play
// threads; an item that is let go elsewhere flies back to its slot.  A used
// item fades out, its slot slides down and the row closes up.  The slots'
// saved variables are "item_NN_id", "_num", "_max", "_ready_to_use" and
// "_need_counter".
#include "00_ginterface.h"

#include "Application.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <utility>

namespace
{
const float kSlideDown = 0.09765625f;
const float kPicture = 96.0f;
const float kPictureSize = 0.09375f;

String slotKey(int i, const char* suffix)
{
    return ScriptObject::indexedKey("item_", i, suffix);
}

String itemMaterial(int id)
{
    String s = "00_ginterface/item/";
    CVirtualScript::strAddInt(id, s, 3);
    return s;
}
} // namespace

// ---------------------------------------------------------------------------
// Set-up

void sc_00_ginterface::invCreate()
{
    TQ_TRACE(" invCreate()");
    invInit();
    for (int i = 0; i < kSlots; ++i)
    {
        const ___OVERLAY& button = menus[3].items[i].main;
        itemCreate(slots[i], "00_empty", button.pos0.x, button.pos0.y + 0.0625f, kPictureSize, kPictureSize);
        ovShowHide(slots[i].picture, 0);
    }
    overlaySetVisible("__GameInterfaceInventoryItem", nullptr, nullptr, true);
}

void sc_00_ginterface::invInit()
{
    TQ_TRACE(" invInit()");
    inventoryDisabled = 0;
    rttCount = 0;
    rttBusy = 0;
    for (int i = 0; i < kSlots; ++i)
    {
        itemInit(slots[i], "__GameInterfaceInventoryItem", ScriptObject::indexedKey("__InvPanel", i),
                 ScriptObject::indexedKey("__InvPanel_", i));
        slots[i].slot = i;
    }
}

void sc_00_ginterface::invDestroy()
{
    TQ_TRACE(" invDestroy()");
    for (_ITEM& it : slots)
        itemDestroy(it);
}

void sc_00_ginterface::invDisable(int disable)
{
    TQ_TRACE(" invDisable(int disable)");
    inventoryDisabled = disable;
}

void sc_00_ginterface::itemInit(_ITEM& it, const String& sPan0, const String& sPan1, const String& sPan2)
{
    TQ_TRACE(" itemInit(_ITEM& it, const String& sPan0, const String& sPan1, const String& sPan2)");
    ovInit(it.picture, sPan0, sPan1, sPan2, "");
    for (__MAT_PASS& layer : it.layers)
        layer = __MAT_PASS();
    it.layerCount = 0;
    it.used = 0;
    it.mouseOffset = vec3::ZERO;
    it.onMouse = 0;
    it.removing = 0;
    it.ready = 0;
    it.flyKind = 0;
}

void sc_00_ginterface::itemCreate(_ITEM& it, const String& mat, float x, float y, float sx, float sy)
{
    TQ_TRACE(" itemCreate(_ITEM& it, const String& mat, float x, float y, float sx, float sy)");
    ovCreate(it.picture, 160, mat, x, y, sx, sy);
    it.shownPos = vec3(x, y, 0.0f);
    it.hiddenPos = vec3(x, y + kSlideDown, 0.0f);
    it.flyTime = 0.0f;
    it.flyKind = 0;
}

void sc_00_ginterface::itemDestroy(_ITEM& it)
{
    TQ_TRACE(" itemDestroy(_ITEM& it)");
    ovDestroy(it.picture);
}

// ---------------------------------------------------------------------------
// Putting in, layers, taking out

int sc_00_ginterface::slotOf(int item_id) const
{
    for (int i = 0; i < kSlots; ++i)
        if (slots[i].used && slots[i].id == item_id)
            return i;
    return -1;
}

void sc_00_ginterface::invAddTask(int item_id, int pick_num, int ready, int _max, int bonus_time)
{
    TQ_TRACE(" invAddTask(int item_id, int pick_num, int ready, int _max, int bonus_time)");
    if (slotOf(item_id) >= 0)
        return;
    int i = 0;
    while (i < kSlots && slots[i].used)
        ++i;
    if (i == kSlots)
    {
        // Nothing found is lost: the item waits for the first free slot.
        for (const WaitingItem& w : waitingItems)
            if (w.id == item_id)
                return;
        Log::print("\nWARNING: 00_ginterface: the inventory is full; item %d waits for a free slot", item_id);
        WaitingItem w;
        w.id = item_id;
        w.pickNum = pick_num;
        w.ready = ready;
        w.max = _max;
        w.bonusTime = bonus_time;
        waitingItems.push_back(w);
        return;
    }
    itemAdd(slots[i], item_id, pick_num, ready, _max);
    if (bonus_time != 0)
        startBonusTimer(i, bonus_time, item_id);
    if (pick_num > 0 && _max > 1)
    {
        counterSetMax(i, _max);
        counterSetCount(i, pick_num, 0.0f);
        // The number stands at once: no roll from 0.
        counterRecord& c = counters[i];
        c.current = c.from = c.to;
        c.itemRoll = 1.0f;
        counterVisible(i, 1);
    }
    else
        counterHide(i);
    menuDisableItem(3, i, 0);
    menuDisableItem(3, ID_COUNTER0 + i, 0);
    // The slot's buttons take their places now; running the whole menu
    // frame again here would act on the frame's button release twice.
    menuItemUpdateAlpha(menus[3].items[i], menus[3].alpha);
    menuItemUpdateAlpha(menus[3].items[ID_COUNTER0 + i], menus[3].alpha);
    _ITEM& it = slots[i];
    ovSetPosition3(it.picture, vec3(it.shownPos.x - inventoryCentre, it.shownPos.y, 0.0f), kPicture, kPicture, 1);
}

void sc_00_ginterface::itemAdd(_ITEM& it, int item_id, int num, int ready, int _max)
{
    TQ_TRACE(" itemAdd(_ITEM& it, int item_id, int num, int ready, int _max)");
    (void)num;
    for (__MAT_PASS& layer : it.layers)
        layer = __MAT_PASS();
    it.layerCount = 0;
    itemAddPass(it, 0);
    it.id = item_id;
    it.used = 1;
    it.onMouse = 0;
    it.flyKind = 0;
    it.removing = 0;
    it.ready = ready;
    ovSetMaterial(it.picture, itemMaterial(item_id));
    ovSetZOrder(it.picture, ready ? 180 : 160);
    // Every layer starts unseen; the plain picture is faded by its colour.
    materialSetColourAll(it.picture.mat, Ogre::ColourValue::White, 0.0f);
    materialSetAlpha2(it.picture.mat, 0, 0, 1.0f);
    ovSetPosition(it.picture, it.shownPos);
    itemSetSlotTextures(it.slot, ready);
    setVarI(slotKey(it.slot, "_id"), item_id);
    setVarI(slotKey(it.slot, "_ready_to_use"), ready);
    setVarI(slotKey(it.slot, "_max"), _max);
    ovShowHide(it.picture, 1);
}

void sc_00_ginterface::itemSetSlotTextures(int slot, int ready)
{
    const __MENU_ITEM& button = menus[3].items[slot];
    materialSetTexturePassUnit(button.main.mat, 0, 0, ready ? "00_interf2.tga" : "00_interf.tga");
    materialSetTexturePassUnit(button.fx.mat, 0, 0, ready ? "00_inv_select2.tga" : "00_inv_select.tga");
}

void sc_00_ginterface::itemAddPass(_ITEM& it, int p)
{
    TQ_TRACE(" itemAddPass(_ITEM& it, int p)");
    if (it.layerCount >= kLayers)
    {
        Log::print("\nERROR: 00_ginterface: item %d has no room for layer %d", it.id, p);
        return;
    }
    __MAT_PASS& layer = it.layers[it.layerCount++];
    layer.state = 1;
    layer.active = 1;
    layer.alpha = 0.0f;
    layer.pass = p;
}

void sc_00_ginterface::itemHidePass(_ITEM& it, int p)
{
    TQ_TRACE(" itemHidePass(_ITEM& it, int p)");
    if (p >= 0 && p < kLayers)
        it.layers[p].state = 3;
}

void sc_00_ginterface::itemPassProcess(_ITEM& it)
{
    if (!it.used)
        return;
    bool seen = false;
    for (int i = 0; i < it.layerCount; ++i)
    {
        __MAT_PASS& layer = it.layers[i];
        if (layer.state == 1)
        {
            layer.alpha += layer.speed * dt;
            if (layer.alpha > 1.0f)
            {
                layer.alpha = 1.0f;
                layer.state = 2;
            }
        }
        else if (layer.state == 3)
        {
            layer.alpha -= layer.speed * dt;
            if (layer.alpha <= 0.0f)
            {
                layer.alpha = 0.0f;
                layer.state = 0;
            }
        }
        if (!layer.active)
            continue;
        const uint16_t pass = static_cast<uint16_t>(2 * layer.pass);
        if (i == 0)
            materialSetColour2(it.picture.mat, pass, layer.alpha, layer.alpha, layer.alpha, 1);
        else
            materialSetAlpha2(it.picture.mat, pass, 0, layer.alpha);
        seen = seen || layer.alpha > 0.0f;
    }
    ovShowHide(it.picture, menus[3].alpha > 0.01f && seen ? 1 : 0);
}

void sc_00_ginterface::invMakeItemUsable(int item_id, int usable)
{
    TQ_TRACE(" invMakeItemUsable(int item_id, int usable)");
    (void)usable;
    const int i = slotOf(item_id);
    if (i < 0)
    {
        for (WaitingItem& w : waitingItems)
            if (w.id == item_id)
                w.ready = 1;
        return;
    }
    slots[i].ready = 1;
    ovSetZOrder(slots[i].picture, 180);
    itemSetSlotTextures(i, 1);
    setVarI(slotKey(i, "_need_counter"), 0);
}

void sc_00_ginterface::invAddTaskPart(int item_id, int part)
{
    TQ_TRACE(" invAddTaskPart(int item_id, int part)");
    const int i = slotOf(item_id);
    if (i >= 0)
        itemAddPass(slots[i], part);
    for (WaitingItem& w : waitingItems)
        if (w.id == item_id)
            w.parts.push_back(part);
}

void sc_00_ginterface::invHideTaskPart(int item_id, int part)
{
    TQ_TRACE(" invHideTaskPart(int item_id, int part)");
    const int i = slotOf(item_id);
    if (i >= 0)
        itemHidePass(slots[i], part);
}

void sc_00_ginterface::invMakePassUsable(int item_id)
{
    TQ_TRACE(" invMakePassUsable(int item_id)");
    const int i = slotOf(item_id);
    if (i < 0)
        return;
    itemAddPass(slots[i], item_id == 205 ? 5 : 1);
    itemHidePass(slots[i], 0);
}

void sc_00_ginterface::invFlyTo(int item_id, vec3& pos)
{
    TQ_TRACE(" invFlyTo(int item_id, vec3 &pos)");
    (void)pos;
    const int i = slotOf(item_id);
    if (i >= 0)
        itemFlyTo(slots[i], 2);
}

void sc_00_ginterface::invRemoveTask(int item_id)
{
    TQ_TRACE(" invRemoveTask(int item_id)");
    for (size_t w = 0; w < waitingItems.size(); ++w)
        if (waitingItems[w].id == item_id)
        {
            waitingItems.erase(waitingItems.begin() + static_cast<long>(w));
            return;
        }
    const int i = slotOf(item_id);
    if (i < 0)
        return;
    setVarI(slotKey(i, "_id"), 0);
    itemRemove(slots[i]);
    menuDisableItem(3, i, 1);
    menuDisableItem(3, ID_COUNTER0 + i, 1);
}

void sc_00_ginterface::invTakeWaiting()
{
    TQ_TRACE(" invTakeWaiting()");
    if (waitingItems.empty())
        return;
    const WaitingItem w = waitingItems.front();
    waitingItems.erase(waitingItems.begin());
    invAddTask(w.id, w.pickNum, w.ready, w.max, w.bonusTime);
    const int i = slotOf(w.id);
    if (i < 0)
        return;
    for (int part : w.parts)
        itemAddPass(slots[i], part);
}

void sc_00_ginterface::itemRemove(_ITEM& it)
{
    TQ_TRACE(" itemRemove(_ITEM& it)");
    it.removing = 1;
    for (int i = 0; i < it.layerCount; ++i)
        if (it.layers[i].active)
            it.layers[i].state = 3;
}

// ---------------------------------------------------------------------------
// The mouse: picking, dragging, carrying, dropping

bool sc_00_ginterface::isInside(const vec3& pos, const vec3& size, const vec3& p)
{
    return pos.x < p.x && p.x < pos.x + size.x && pos.y < p.y && p.y < pos.y + size.y;
}

bool sc_00_ginterface::mayPick() const
{
    return mouseIsLButtonClick() && hintState == 0 && interfaceActive == 1 && checkMoveOk(slots[0]) &&
           getConfigI("is_dialog_start") == 0;
}

int sc_00_ginterface::mouseMoved() const
{
    const float dx = pressX - cursorX, dy = pressY - cursorY;
    return dx * dx + dy * dy > 0.01f ? 1 : 0;
}

int sc_00_ginterface::readyItem2(int id) const
{
    const int i = slotOf(id);
    return i >= 0 && slots[i].ready ? 1 : 0;
}

void sc_00_ginterface::itemFlyTo(_ITEM& it, int from)
{
    TQ_TRACE(" itemFlyTo(_ITEM& it, int from)");
    it.flyKind = from;
    it.flyTime = 0.0f;
    it.flyStart = it.picture.scrPos;
}

void sc_00_ginterface::itemAttachToMouse(_ITEM& it)
{
    TQ_TRACE(" itemAttachToMouse(_ITEM& it)");
    it.onMouse = 1;
    it.followTime = 0.0f;
    it.grabOffset = it.picture.scrPos - vec3(cursorX, cursorY, 0.0f);
    it.mouseOffset = vec3(0.02f, 0.02f, 0.0f);
    it.flyKind = 0;
    mouseAttach(it.id);
}

void sc_00_ginterface::itemDetachFromMouse(_ITEM& it, int fly)
{
    TQ_TRACE(" itemDetachFromMouse(_ITEM& it, int fly)");
    it.onMouse = 0;
    mouseDetach();
    if (fly)
        itemFlyTo(it, 1);
    dragState = 0;
}

void sc_00_ginterface::itemDetachFromMouse2(int fly)
{
    TQ_TRACE(" itemDetachFromMouse2(int fly)");
    for (_ITEM& it : slots)
        if (it.onMouse)
            itemDetachFromMouse(it, fly);
}

void sc_00_ginterface::invProcess()
{
    rttTextureProcess();
    for (_ITEM& it : slots)
        itemPassProcess(it);
    if (inventoryDisabled)
        return;
    hoveredItemPrev = hoveredItem;
    hoveredItem = -1;
    pendingPick = 0;
    for (_ITEM& it : slots)
        itemProcess(it);
    if (pendingPick && pendingSlot >= 0 && pendingSlot < kSlots)
    {
        itemDetachFromMouse2(1);
        itemAttachToMouse(slots[pendingSlot]);
        pressX = cursorX;
        pressY = cursorY;
        dragState = 1;
    }
    if (rttCount > 0)
    {
        // The hovered item's 3D picture turns while the cursor rests on it.
        if (hoveredItem != -1 && hoveredItem != hoveredItemPrev)
            rttRenderIdOn(hoveredItem);
        if (hoveredItem != -1)
            rttRenderIdRotate(hoveredItem, 4.0f * dt, 0);
        else if (hoveredItemPrev != -1)
            rttRenderIdOff();
    }
}

void sc_00_ginterface::itemProcess(_ITEM& it)
{
    if (!it.used)
        return;
    const vec3 cursor(cursorX, cursorY, 0.0f);
    const bool press = mouseIsLButtonClick();
    if (it.flyKind != 0)
    {
        it.flyTime += dt;
        if (it.flyTime > 1.0f)
        {
            it.flyTime = 1.0f;
            it.flyKind = 0;
        }
        vec3 targetPos, targetSize;
        transform2(vec3(it.shownPos.x - inventoryCentre, it.shownPos.y, 0.0f), vec3(kPictureSize, kPictureSize, 0.0f),
                   targetPos, targetSize);
        vec3 current;
        vec3_interpolate_cube(current, it.flyStart, targetPos, it.flyTime);
        if (it.flyKind != 2)
        {
            ovSetPosition(it.picture, current);
            ovSetSize(it.picture, targetSize);
        }
        // A used item on its way out is not to be taken again.
        if (it.flyKind != 0 && !it.removing)
        {
            const bool inside = isInside(it.picture.scrPos, it.picture.scrSize, cursor);
            if (dragState == 0)
            {
                if (inside && mayPick())
                {
                    itemAttachToMouse(it);
                    it.grabOffset = current - cursor;
                    pressX = cursorX;
                    pressY = cursorY;
                    dragState = 1;
                    it.flyTime = 1.0f;
                    it.flyKind = 0;
                    lButtonPrev = lButton = 1; // the press is taken
                }
            }
            else if (press && inside && hintState == 0)
            {
                pendingPick = 1;
                pendingSlot = it.slot;
            }
        }
        if (it.flyKind != 0)
            return;
    }
    if (!it.ready || it.removing)
        return;

    const bool inside = isInside(it.picture.scrPos, it.picture.scrSize, cursor);
    if (!it.onMouse)
    {
        if (inside)
            hoveredItem = it.id;
        if (dragState == 0)
        {
            if (inside && mayPick())
            {
                itemAttachToMouse(it);
                pressX = cursorX;
                pressY = cursorY;
                dragState = 1;
                lButtonPrev = lButton = 1; // the press is taken
            }
        }
        else if (press && inside && hintState == 0)
        {
            pendingPick = 1;
            pendingSlot = it.slot;
        }
        return;
    }

    it.followTime += 3.0f * dt;
    if (it.followTime > 1.0f)
        it.followTime = 1.0f;
    const float g = cubeFunc2(it.followTime);
    ovSetPosition(it.picture, cursor + it.mouseOffset + (it.grabOffset - it.mouseOffset) * (1.0f - g));
    const bool over = isInside(it.picture.scrPos, it.picture.scrSize, cursor);
    const bool release = lButtonPrev && !lButton;
    if ((press && over && hintState == 0 && dragState != 0) || (release && !over && dragState == 2) ||
        (rButton && !rButtonPrev))
    {
        itemDetachFromMouse(it, 1);
        return;
    }
    if (dragState == 1)
    {
        if (mouseMoved() && lButton)
            dragState = 2;
        else if (!lButton)
            dragState = 3;
    }
}

void sc_00_ginterface::itemAttachToMenu(_ITEM& it)
{
    if (!it.used || it.flyKind != 0)
        return;
    const float a = menus[3].alpha;
    vec3 slide;
    itemGetDisableMove(menus[3].items[it.slot], slide);
    const vec3 pos = it.shownPos * a + it.hiddenPos * (1.0f - a) + slide;
    ovSetPosition3(it.picture, vec3(pos.x - inventoryCentre, pos.y, 0.0f), kPicture, kPicture, it.ready);
}

// ---------------------------------------------------------------------------
// Closing up the row

void sc_00_ginterface::menuItemShift(int id)
{
    TQ_TRACE(" menuItemShift(int id)");
    (void)id;
    // Everything of a slot changes places except its number and its place
    // in the bar; the buttons then slide each item from its old place.
    auto exchange = [this](int a, int b) {
        std::swap(slots[a], slots[b]);
        std::swap(slots[a].slot, slots[b].slot);
        std::swap(slots[a].shownPos, slots[b].shownPos);
        std::swap(slots[a].hiddenPos, slots[b].hiddenPos);
        counterRecord& ca = counters[a];
        counterRecord& cb = counters[b];
        std::swap(ca.state, cb.state);
        std::swap(ca.fade, cb.fade);
        std::swap(ca.offset, cb.offset);
        std::swap(ca.count, cb.count);
        std::swap(ca.delay, cb.delay);
        std::swap(ca.from, cb.from);
        std::swap(ca.current, cb.current);
        std::swap(ca.to, cb.to);
        std::swap(ca.itemRoll, cb.itemRoll);
        std::swap(ca.max, cb.max);
        std::swap(ca.wanted, cb.wanted);
        std::swap(menus[3].items[ID_COUNTER0 + a].showState, menus[3].items[ID_COUNTER0 + b].showState);
        std::swap(menus[3].items[ID_COUNTER0 + a].showAlpha, menus[3].items[ID_COUNTER0 + b].showAlpha);
        if (bonusItemId != 0 && (slots[a].id == bonusItemId || slots[b].id == bonusItemId))
            bonusSetId(slots[a].id == bonusItemId ? a : b);
        const int from[2] = {b, a};
        const int to[2] = {a, b};
        for (int k = 0; k < 2; ++k)
        {
            const int s = to[k];
            const bool used = slots[s].used != 0;
            for (int bid : {s, ID_COUNTER0 + s})
            {
                __MENU_ITEM& button = menus[3].items[bid];
                const __MENU_ITEM& old = menus[3].items[bid == s ? from[k] : ID_COUNTER0 + from[k]];
                button.disabled = used ? 0 : 1;
                button.shift = 1.0f;
                button.ampX = used ? old.main.pos0.x - button.main.pos0.x : 0.0f;
                button.ampY = used ? 0.0f : kSlideDown;
            }
            itemSetSlotTextures(s, slots[s].ready);
            counters[s].shown = -1; // shown again as its new slot needs
            counterUpdateVisible(s);
            materialSetTextureScroll(counters[s].digitMat, 0.0f, counters[s].current);
        }
    };
    if (!slots[0].used)
        for (int i = 1; i < kSlots; ++i)
            exchange(i - 1, i);
    for (bool again = true; again;)
    {
        again = false;
        for (int i = 1; i < kSlots; ++i)
            if (!slots[i - 1].used && slots[i].used && !menus[3].items[i].disabled)
            {
                exchange(i - 1, i);
                again = true;
            }
    }
    for (int i = 0; i < kSlots; ++i)
    {
        setVarI(slotKey(i, "_id"), slots[i].used ? slots[i].id : 0);
        setVarI(slotKey(i, "_ready_to_use"), slots[i].ready);
        setVarI(slotKey(i, "_num"), counters[i].count);
        setVarI(slotKey(i, "_max"), counters[i].max);
    }
}

// ---------------------------------------------------------------------------
// A continued game

void sc_00_ginterface::loadItem(int i)
{
    TQ_TRACE(" loadItem(int i)");
    const int id = getVarI(slotKey(i, "_id"));
    if (id == 0)
        return;
    const int num = getVarI(slotKey(i, "_num"));
    const int ready = getVarI(slotKey(i, "_ready_to_use"));
    const int max = getVarI(slotKey(i, "_max"));
    invAddTask(id, num, ready, max, 0);
    if (ready)
    {
        invMakeItemUsable(id);
        invMakePassUsable(id);
    }
}

void sc_00_ginterface::loadBonus()
{
    TQ_TRACE(" loadBonus()");
    bonusItemId = getVarI("bonus_item_id");
    bonusThread = getVarI("bonus_thread");
    bonusSetId(getVarI("bonus_id"));
    bonusTime = static_cast<float>(getVarI("bonus_time"));
    bonusActive = 1;
}
