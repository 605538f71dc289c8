// The in-game interface's four slide-in menus of overlay buttons: menu 0
// the corner panels (journal; hint, hint count, in-game menu, instruction),
// menu 1 the turn arrows, menu 2 the screen's border, menu 3 the inventory
// bar with its ten slots, their counters, the back and the skip button.
// Buttons are built from one table, fade and slide with their menu, light
// up under the cursor and act when the left button is released over them.
#include "00_ginterface.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kMenuMat = "00_ginterface/menuitems/";
const float kSlideDown = 0.09765625f;
/// The captions of the skip button (the text the dialogs' skip shows) and
/// of the instruction button.
const int kSkipCaption = 113;
const int kInstructionCaption = 129;

struct MenuOverlays
{
    const char* main;
    const char* fx;
    int zorder;
    int count;
};
const MenuOverlays kMenuOverlays[4] = {{"__GameInterface", "__GameInterfaceFx", 150, 7},
                                       {"__GameInterfaceRot", "__GameInterfaceRotFx", 150, 2},
                                       {"__GameInterfaceBorder", "__GameInterfaceBorderFx", 140, 5},
                                       {"__GameInterfaceInventory", "__GameInterfaceInventoryFx", 160, 26}};

/// A button of fixed place: materials under kMenuMat ("" none), the
/// rectangle and the highlight's delta in reference pixels.
struct ButtonRow
{
    int mid, id, flags, disabled;
    const char* mat;
    const char* fx;
    float x, y, w, h;
    float dx, dy, dw, dh;
};
const ButtonRow kButtons[] = {
    {0, 0, 0x181, 0, "empty", "menu_fx", 768, 640, 256, 128, 160, 96, -160, -32},
    {0, 1, 0x103, 0, "hint_icon", "hint_fx", 768, 640, 256, 128, 160, 48, -160, -80},
    {0, 2, 0x100, 0, "notebook", "notebook_fx", 0, 640, 256, 128, 0, 0, -256, -128},
    {0, 3, 0x102, 0, "num_help", "empty", 982, 687, 40, 40, 0, 0, 0, 0},
    {0, 4, 0x103, 0, "notebook_icon", "notebook_fx", 0, 640, 128, 128, 0, 40, -20, -40},
    {0, 5, 0x100, 0, "hint", "", 768, 640, 256, 128, 0, 0, -256, -128},
    {0, 6, 0x187, 0, "instruction_empty", "instruction_fx", 768, 640, 256, 128, 160, 48, -160, -80},
    {1, 0, 0x1, 0, "left", "left_fx", -10, 256, 64, 256, 0, 32, 0, -64},
    {1, 1, 0x1, 0, "right", "right_fx", 970, 256, 64, 256, 0, 32, 0, -64},
    {2, 0, 0x0, 1, "left_border", "empty", 0, 32, 16, 736, 0, 0, 0, 0},
    {2, 1, 0x0, 1, "right_border", "", 1008, 32, 16, 736, 0, 0, 0, 0},
    {2, 2, 0x0, 1, "coner_left_border", "", 0, 0, 32, 32, 0, 0, 0, 0},
    {2, 3, 0x0, 1, "coner_right_border", "", 992, 0, 32, 32, 0, 0, 0, 0},
    {2, 4, 0x0, 1, "top_border", "", 32, 0, 960, 16, 0, 0, 0, 0},
    {3, 10, 0x40, 1, "inv_main_bk_left", "empty", 90, 640, 128, 128, 0, 0, 0, 0},
    {3, 11, 0x40, 1, "inv_main_bk_right", "empty", 806, 640, 128, 128, 0, 0, 0, 0},
    {3, 12, 0x40, 1, "inv_main_bk", "empty", 218, 640, 588, 128, 0, 0, 0, 0},
    {3, 23, 0x43, 0, "back", "back_fx", 384, 640, 256, 64, 32, 0, -64, -8},
    {3, 24, 0xc7, 0, "skip", "skip_fx", 384, 640, 256, 64, 32, 0, -64, -8},
    {3, 25, 0x4a, 0, "skip_line", "", 384, 640, 256, 64, 0, 0, 0, 0},
};

String menuMat(const String& name)
{
    return name.empty() ? String() : String(kMenuMat) + name;
}

/// The places where the view cannot turn: the arrows stay away.
bool turningImpossible()
{
    const int loc = CVirtualScript::getVarI("cur_loc");
    const int room = CVirtualScript::getVarI("cur_room");
    return (loc == 2 && room == 1) || (loc == 3 && room == 2) || (loc == 4 && room == 1) || (loc == 6 && room == 6);
}
} // namespace

// ---------------------------------------------------------------------------
// Building and destroying

void sc_00_ginterface::menusInit()
{
    TQ_TRACE(" menusInit()");
    for (int mid = 0; mid < kMenus; ++mid)
        menuInit(mid);
    materialSetTextureRotate("00_ginterface/menuitems/left", 0, -90.0f);
    materialSetTextureRotate("00_ginterface/menuitems/left_fx", 0, -90.0f);
    materialSetTextureRotate("00_ginterface/menuitems/right", 0, 90.0f);
    materialSetTextureRotate("00_ginterface/menuitems/right_fx", 0, 90.0f);
    countersInit();
    for (int mid = 0; mid < kMenus; ++mid)
        for (int id = 0; id < menus[mid].count; ++id)
        {
            menuItemInit(menus[mid].items[id], mid, id);
            menuItemUpdateAlpha(menus[mid].items[id], menus[mid].alpha);
        }
}

void sc_00_ginterface::menuInit(int mid)
{
    TQ_TRACE(" menuInit(int mid)");
    _MENU& m = menus[mid];
    m.state = 0;
    m.alpha = 0.0f;
    m.count = kMenuOverlays[mid].count;
    m.mid = mid;
}

void sc_00_ginterface::menuItemInit(__MENU_ITEM& it, int mid, int id)
{
    TQ_TRACE(" menuItemInit(__MENU_ITEM& it, int mid, int id)");
    it = __MENU_ITEM();
    it.id = id;
    it.mid = mid;
    const MenuOverlays& menu = kMenuOverlays[mid];
    String ovMain = menu.main, ovFx = menu.fx;
    int zorder = menu.zorder;
    // The hint count and the slot counters lie above their menus.
    if (mid == 0 && id == ID_HELP_NUM)
    {
        ovMain = "__GameInterfaceNum";
        ovFx = "__GameInterfaceFx";
        zorder = 170;
    }
    else if (mid == 3 && id_inventory_counter(id))
    {
        ovMain = "__GameInterfaceNum";
        ovFx = "__GameInterfaceFx";
        zorder = 180;
    }
    it.zorder = zorder;
    const String nn = ScriptObject::indexedKey("", id);
    ovInit(it.main, ovMain, ovMain + "__MenuItem_" + nn, "", "");
    ovInit(it.fx, ovFx, ovFx + "__MenuItemFx_" + nn, "", "");
    ovInit(it.text, ovMain, "", ovMain + "__MenuItemBt_" + nn, "");
    ovInit(it.text2, ovMain, "", ovMain + "__MenuItemBt2_" + nn, "");

    float x = id * 100.0f, y = 0.0f, w = 100.0f, h = 100.0f;
    String mat, fx;
    float textX = 0.0f, textY = 0.0f, charSize = 0.0f;
    const char* charKey = nullptr;
    int caption = 0; ///< string-table text of the button's caption, 0 none
    bool rowFound = false;
    for (const ButtonRow& row : kButtons)
    {
        if (row.mid != mid || row.id != id)
            continue;
        rowFound = true;
        it.flags = row.flags;
        it.disabled = row.disabled;
        mat = row.mat;
        fx = row.fx;
        x = row.x;
        y = row.y;
        w = row.w;
        h = row.h;
        menuItemSetDelta(it, row.dx, row.dy, row.dw, row.dh);
        break;
    }
    if (mid == 3 && id_inventory(id))
    {
        rowFound = true;
        it.flags = 0x131;
        it.disabled = 1;
        it.ampY = kSlideDown;
        mat = ScriptObject::indexedKey("inv_", id + 1);
        fx = ScriptObject::indexedKey("inv_fx_", id + 1);
        x = static_cast<float>(static_cast<int>(id * 96 * 0.7));
        y = 640.0f;
        w = 96.0f;
        h = 128.0f;
        menuItemSetOver(it, x, y, w, h);
        menuItemSetDelta(it, 16, 48, -32, -48);
    }
    else if (mid == 3 && id_inventory_counter(id))
    {
        rowFound = true;
        it.flags = 0x132;
        it.disabled = 1;
        it.ampY = kSlideDown;
        mat = ScriptObject::indexedKey("num_", id - ID_COUNTER0);
        fx = "empty";
        x = 12.0f + static_cast<float>(static_cast<int>((id - ID_COUNTER0) * 96 * 0.7));
        y = 688.0f;
        w = 40.0f;
        h = 32.0f;
        counterSetPosition(id - ID_COUNTER0, 38, 11, 38, 11);
    }
    if (mid == 0 && id == ID_HELP_NUM)
        counterSetPosition(kHintCounter, 12, 12, 12, 12);
    if (mid == 0 && id == ID_INSTRUCTION)
    {
        it.font = "Fonts/00_instruction_button";
        it.font2 = "Fonts/00_instruction_button2";
        charSize = 0.05f;
        charKey = "instruction_button_char_size";
        caption = kInstructionCaption;
        textX = 210.0f;
        textY = 60.0f;
    }
    if (mid == 3 && id == ID_SKIP)
    {
        it.font = "Fonts/00_skip_button";
        it.font2 = "Fonts/00_skip_button2";
        charKey = "skip_button_char_size";
        caption = kSkipCaption;
        textX = 65.0f;
        textY = -4.0f;
        getConfigF("skip_button_text_x", textX);
        getConfigF("skip_button_text_y", textY);
    }
    if (!rowFound)
        Log::print("\nWARNING: 00_ginterface: no button %d of menu %d", id, mid);
    if (charKey)
        getConfigF(charKey, charSize);

    it.main.mat = menuMat(mat);
    it.fx.mat = menuMat(fx);
    ovCreate(it.main, zorder, it.main.mat, x / 1024.0f, y / 768.0f, w / 1024.0f, h / 768.0f);
    if (it.flags & 1)
    {
        ovCreate(it.fx, zorder + 10, it.fx.mat, it.main.pos0.x + it.main.dpos.x, it.main.pos0.y + it.main.dpos.y,
                 it.main.size0.x + it.main.dsize.x, it.main.size0.y + it.main.dsize.y);
        ovShowHide(it.fx, 0);
    }
    if (it.flags & 0x80)
    {
        it.textPos = vec3(textX / 1024.0f, textY / 768.0f, 0.0f);
        ovCreateText(it.text, it.main, 180, it.textPos.x, it.textPos.y, it.main.size0.x, it.main.size0.y);
        ovCreateText(it.text2, it.main, 180, it.textPos.x, it.textPos.y, it.main.size0.x, it.main.size0.y);
        // The first text is the dark shadow under the light second one.
        overlaySetColourTop(it.text.sOv.c_str(), it.text.sPan1.c_str(), it.text.sPan2.c_str(), 0, 0, 0, 1);
        overlaySetColourBottom(it.text.sOv.c_str(), it.text.sPan1.c_str(), it.text.sPan2.c_str(), 0, 0, 0, 1);
        overlaySetColourTop(it.text2.sOv.c_str(), it.text2.sPan1.c_str(), it.text2.sPan2.c_str(), 1, 1, 1, 1);
        overlaySetColourBottom(it.text2.sOv.c_str(), it.text2.sPan1.c_str(), it.text2.sPan2.c_str(), 1, 1, 1, 1);
        // Each text is drawn in its own font (whose material the show state
        // fades) and carries the button's caption; without them the text
        // areas draw nothing.
        for (___OVERLAY* text : {&it.text, &it.text2})
        {
            const String& font = text == &it.text ? it.font : it.font2;
            const String fontName = font.compare(0, 6, "Fonts/") == 0 ? font.substr(6) : font;
            overlaySetFont(text->sOv.c_str(), text->sPan1.c_str(), text->sPan2.c_str(), fontName.c_str());
            if (caption)
                overlaySetCaption(text->sOv.c_str(), text->sPan1.c_str(), text->sPan2.c_str(), caption, -1, -1,
                                  nullptr);
        }
        if (charSize > 0.0f)
        {
            overlaySetCharHeight(it.text.sOv.c_str(), it.text.sPan1.c_str(), it.text.sPan2.c_str(), charSize);
            overlaySetCharHeight(it.text2.sOv.c_str(), it.text2.sPan1.c_str(), it.text2.sPan2.c_str(), charSize);
            Log::print("\nSetting text_char_height to %s %s to %f", it.text.sOv.c_str(), it.text.sPan2.c_str(),
                       charSize);
        }
    }
    menuItemUpdateHidePos(it);
}

void sc_00_ginterface::menusDelete()
{
    TQ_TRACE(" menusDelete()");
    for (int mid = 0; mid < kMenus; ++mid)
        menuDelete(mid);
}

void sc_00_ginterface::menuDelete(int mid)
{
    TQ_TRACE(" menuDelete(int mid)");
    for (int id = 0; id < menus[mid].count; ++id)
        menuItemDelete(menus[mid].items[id]);
}

void sc_00_ginterface::menuItemDelete(__MENU_ITEM& it)
{
    TQ_TRACE(" menuItemDelete(__MENU_ITEM& it)");
    ovDestroy(it.main); // with the texts inside it
    it.text.created = it.text2.created = 0;
    if (it.flags & 1)
        ovDestroy(it.fx);
}

void sc_00_ginterface::menuItemSetDelta(__MENU_ITEM& it, float x, float y, float sx, float sy)
{
    it.main.dpos = vec3(x / 1024.0f, y / 768.0f, 0.0f);
    it.main.dsize = vec3(sx / 1024.0f, sy / 768.0f, 0.0f);
}

void sc_00_ginterface::menuItemSetOver(__MENU_ITEM& it, float x, float y, float sx, float sy)
{
    it.overPos = vec3(x / 1024.0f, y / 768.0f, 0.0f);
    it.overSize = vec3(sx / 1024.0f, sy / 768.0f, 0.0f);
}

void sc_00_ginterface::menuItemUpdateHidePos(__MENU_ITEM& it)
{
    it.hidePos = it.main.pos0;
    if (it.mid == 0 || it.mid == 3)
        it.hidePos.y += kSlideDown;
    else if (it.mid == 1)
        it.hidePos.x = it.id == 0 ? -it.main.size0.x : 1.0f + it.main.size0.x;
    else
        it.hidePos.y = 1.2f;
}

// ---------------------------------------------------------------------------
// Showing and hiding

void sc_00_ginterface::menuShow(int mid, int end)
{
    TQ_TRACE(" menuShow(int mid, int end)");
    _MENU& m = menus[mid];
    m.state = 1;
    if (end)
        m.alpha = 1.0f;
    if (mid == 1 && turningImpossible())
        m.state = 3;
    for (int id = 0; id < m.count; ++id)
        ovShowHide(m.items[id].main, 1);
    setConfigI(ScriptObject::indexedKey("menu_", mid), 1);
}

void sc_00_ginterface::menuHide(int mid, int end)
{
    TQ_TRACE(" menuHide(int mid, int end)");
    _MENU& m = menus[mid];
    m.state = 3;
    if (end)
        m.alpha = 0.0f;
    for (int id = 0; id < m.count; ++id)
        if (m.items[id].flags & 1)
            ovShowHide(m.items[id].fx, 0);
    setConfigI(ScriptObject::indexedKey("menu_", mid), 0);
}

void sc_00_ginterface::menuShowAll(OBJECT_HANDLE obj)
{
    TQ_TRACE(" menuShowAll(OBJECT_HANDLE obj)");
    inventoryDisabled = 0;
    setSceneClicks(1);
    playMode = 1;
    menuShow(0);
    menuShow(3);
    setNearPlaneObj(obj);
    __MENU_ITEM& back = menus[3].items[ID_BACK];
    if (obj != 0)
        back.showState = 1;
    else
    {
        menuShow(1);
        back.showState = 3;
    }
    if (menus[3].items[ID_SKIP].showState != 0)
        setSkipButtonVisible(3);
}

void sc_00_ginterface::hideIcon(int id_icon, int end)
{
    TQ_TRACE(" hideIcon(int id_icon, int end)");
    __MENU_ITEM& it = menus[0].items[id_icon];
    it.flags &= ~1;
    it.hoverAlpha = 0.0f;
    materialSetColour(it.fx.mat, 0.0f, 0.0f, 0.0f, 1);
    if (end)
    {
        it.showState = 0;
        it.showAlpha = 0.0f;
    }
    else
        it.showState = 3;
}

void sc_00_ginterface::showIcon(int id_icon, int end)
{
    TQ_TRACE(" showIcon(int id_icon, int end)");
    __MENU_ITEM& it = menus[0].items[id_icon];
    it.flags |= 1;
    if (end)
    {
        it.showState = 2;
        it.showAlpha = 1.0f;
    }
    else if (it.showState != 2)
        it.showState = 1;
}

void sc_00_ginterface::setBackButtonVisible(int i)
{
    TQ_TRACE(" setBackButtonVisible(int i)");
    __MENU_ITEM& it = menus[3].items[ID_BACK];
    it.showState = i;
    if (i == 0)
        it.showAlpha = 0.0f;
    else if (i == 2)
        it.showAlpha = 1.0f;
}

void sc_00_ginterface::setSkipButtonVisible(int i)
{
    TQ_TRACE(" setSkipButtonVisible(int i)");
    for (int id : {ID_SKIP, ID_SKIP_LINE})
    {
        __MENU_ITEM& it = menus[3].items[id];
        it.showState = i;
        if (i == 0)
            it.showAlpha = 0.0f;
        else if (i == 2)
            it.showAlpha = 1.0f;
    }
}

void sc_00_ginterface::switchHelp(int state)
{
    TQ_TRACE(" switchHelp(int state)");
    if (state)
    {
        // Inside a close-up mini-game the hint button gives way to the
        // game's instructions.
        hideIcon(ID_HELP, 0);
        showIcon(ID_INSTRUCTION, 0);
        setHelpScroll(0.0f);
        counterHide(kHintCounter);
        return;
    }
    showIcon(ID_HELP, 0);
    hideIcon(ID_INSTRUCTION, 0);
    if (getVarI("help_num") > 0)
    {
        setHelpScroll(1.0f);
        counterVisible(kHintCounter, 1);
    }
}

void sc_00_ginterface::setHelpScroll(float alpha)
{
    materialSetTextureScroll("00_ginterface/menuitems/hint", 0.0f, alpha * 0.38f);
}

void sc_00_ginterface::setHelpItemAlpha(float a)
{
    materialSetAlphaAll("00_ginterface/item/help", a);
}

void sc_00_ginterface::menuDisableItem(int mid, int id, int dis)
{
    TQ_TRACE(" menuDisableItem(int mid, int id, int dis)");
    if (mid >= 0 && mid < kMenus && id >= 0 && id < menus[mid].count)
        menus[mid].items[id].disabled = dis;
}

// ---------------------------------------------------------------------------
// Per frame

void sc_00_ginterface::menusProcess()
{
    hoverMidPrev = hoverMid;
    hoverIdPrev = hoverId;
    hoverMid = hoverId = -1;
    releaseTaken = 0;
    for (int mid = 0; mid < kMenus; ++mid)
        menuProcess(mid);
    if (playMode == 1 && interfaceActive == 1 && gApp.mInput)
    {
        // Over a button the scene takes no clicks.
        const bool wanted = hoverMid == -1;
        if (gApp.mInput->cursorOn() != wanted)
            setSceneClicks(wanted ? 1 : 0);
    }
    if (hoverMid != hoverMidPrev || hoverId != hoverIdPrev)
        showHint(hoverMid, hoverId);
    for (int i = 0; i < kSlots; ++i)
        itemAttachToMenu(slots[i]);
}

void sc_00_ginterface::menuProcess(int mid)
{
    _MENU& m = menus[mid];
    if (m.state == 0 && mid != 3)
        return;
    if (m.state == 1)
    {
        m.alpha += 2.0f * dt;
        if (m.alpha > 1.0f)
        {
            m.alpha = 1.0f;
            m.state = 2;
        }
    }
    else if (m.state == 3)
    {
        m.alpha -= 2.0f * dt;
        if (m.alpha <= 0.0f)
        {
            m.alpha = 0.0f;
            m.state = 0;
            for (int id = 0; id < m.count; ++id)
            {
                __MENU_ITEM& it = m.items[id];
                if (it.flags & 0x40)
                    continue;
                ovShowHide(it.main, 0);
                if (it.flags & 1)
                    ovShowHide(it.fx, 0);
            }
            if (mid == 3)
                for (int i = 0; i < kSlots; ++i)
                    ovShowHide(slots[i].picture, 0);
        }
    }
    for (int id = 0; id < m.count; ++id)
    {
        menuItemProcess(m.items[id]);
        menuItemUpdateAlpha(m.items[id], m.alpha);
    }
}

void sc_00_ginterface::menuItemProcess(__MENU_ITEM& it)
{
    const _MENU& menu = menus[it.mid];
    const vec3 cursor(cursorX, cursorY, 0.0f);
    const bool hovered = !it.disabled && (it.showState == 1 || it.showState == 2) &&
                         isInside(it.main.scrPos, it.main.scrSize, cursor);
    if (hovered)
    {
        hoverMid = it.mid;
        hoverId = it.id;
        if (lButtonPrev && !lButton && !releaseTaken)
        {
            // A dragged item let go over the bar goes back to its slot, and
            // no button under it acts; the arrows still turn the view.
            if (attachedItemId != 0 && mouseMoved() && it.mid != 1)
            {
                itemDetachFromMouse2(1);
                releaseTaken = 1;
            }
            else
                menuItemOnPress(it.mid, it.id);
        }
        if ((it.flags & 1) && it.hoverState != 2 && (interfaceActive == 1 || needForTutorial(it.mid, it.id)))
        {
            ovShowHide(it.fx, 1);
            ovSetPosition(it.fx, it.main.scrPos + it.main.dpos);
            it.hoverState = 1;
        }
    }
    else if (it.hoverState == 1 || it.hoverState == 2)
        it.hoverState = 3;

    if (it.flags & 1)
        updateValue(&it.hoverState, &it.hoverAlpha, 6.0f, 1.0f);
    if (it.flags & 2)
        updateValue(&it.showState, &it.showAlpha, 2.0f, 1.0f);

    if (it.flags & 0x10)
    {
        if (it.disabled)
        {
            if (it.shift < 1.0f)
            {
                it.shift += 2.0f * dt;
                if (it.shift >= 1.0f)
                {
                    it.shift = 1.0f;
                    // The slot's picture has slid out: the slot is free
                    // and the row closes up.
                    if (it.mid == 3 && id_inventory(it.id))
                    {
                        _ITEM& slot = slots[it.id];
                        slot.used = 0;
                        slot.id = 0;
                        ovShowHide(slot.picture, 0);
                        menuShiftItem = it.id;
                    }
                }
            }
        }
        else if (it.shift > 0.0f)
        {
            it.shift -= 2.0f * dt;
            if (it.shift <= 0.0f)
            {
                it.shift = 0.0f;
                it.ampX = 0.0f;
                it.ampY = kSlideDown;
            }
        }
    }

    bool mainShown = true;
    if ((it.flags & 2) && it.showState == 0)
        mainShown = false;
    if ((it.flags & 0x20) && it.disabled && it.shift >= 0.99f)
        mainShown = false;
    const bool menuGone = menu.alpha <= 0.01f;
    if ((it.flags & 0x100) && menuGone)
        mainShown = false;
    if (menu.state == 0 && !(it.flags & 0x40))
        mainShown = false;
    ovShowHide(it.main, mainShown ? 1 : 0);
    if (it.flags & 1)
    {
        const bool fxShown = mainShown && it.hoverState != 0 && !((it.flags & 0x100) && menuGone);
        ovShowHide(it.fx, fxShown ? 1 : 0);
    }
}

void sc_00_ginterface::itemGetDisableMove(const __MENU_ITEM& it, vec3& dm) const
{
    const float c = cosFunc(it.shift);
    dm = vec3(it.ampX * c, it.ampY * c, 0.0f);
}

void sc_00_ginterface::menuItemUpdateAlpha(__MENU_ITEM& it, float menuAlpha)
{
    if (it.flags & 1)
        materialSetColour(it.fx.mat, it.hoverAlpha, it.hoverAlpha, it.hoverAlpha, 1);
    if (it.flags & 2)
        materialSetAlpha(it.main.mat, it.showAlpha);
    if (it.flags & 4)
    {
        materialSetAlpha(it.font, it.showAlpha);
        materialSetAlpha(it.font2, it.showAlpha);
    }
    if (it.flags & 8)
        materialSetColour(it.main.mat, it.showAlpha, it.showAlpha, it.showAlpha, 1);

    vec3 slide;
    itemGetDisableMove(it, slide);
    const vec3 pos = it.main.pos0 * menuAlpha + it.hidePos * (1.0f - menuAlpha) + slide;
    if (it.mid == 3 && id_inventory(it.id))
        ovSetPosition2(it.main, pos, 96.0f, 128.0f);
    else if (it.mid == 3 && id_inventory_counter(it.id))
        ovSetPosition2(it.main, pos, 40.0f, 40.0f);
    else
        ovSetPosition(it.main, pos);
    if (it.flags & 1)
        ovSetPosition(it.fx, it.main.scrPos + it.main.dpos);
}

// ---------------------------------------------------------------------------
// Actions

void sc_00_ginterface::menuItemOnPress(int mid, int id)
{
    TQ_TRACE(" menuItemOnPress(int mid, int id)");
    if (interfaceActive != 1)
        return;
    const bool playing = playMode == 1 || playMode == 2;
    const bool quiet = getConfigI("minigame_ending") == 0 && getConfigI("is_dialog_start") == 0;
    if (mid == 0 && (id == ID_JOURNAL || id == ID_MENU) && playing && quiet)
    {
        if (id == ID_JOURNAL)
        {
            openJournal(101);
            inventoryDisabled = 1;
            sendNotifyByName("00_pauser", 1, 0);
            setTutorialTask(8, 1);
        }
        else
        {
            setSceneClicks(0);
            inventoryDisabled = 1;
            deactivateWhile(gApp.findObjectHandle("interface"), 99, 1);
            bonusActive = 0;
            sendNotifyByName("00_pauser", 1, 0);
        }
        // A game behind the journal or the menu waits.
        if (playMode == 2)
            sendNotifyByName("00_minigame_starter", 1400, 0);
        if (nearPlaneMini != 0)
            sendNotify(nearPlaneMini, 0, 1400);
    }
    else if (mid == 0 && id == ID_HELP && playMode == 1 && getConfigI("is_dialog_start") == 0)
        helpPress();
    else if (mid == 0 && id == ID_INSTRUCTION && playing && getConfigI("minigame_ending") == 0)
        instructionPress();
    else if (mid == 1 && (id == ID_ROTATE_LEFT || id == ID_ROTATE_RIGHT) && getVarI("is_camera_moving") == 0 &&
             playMode == 1)
    {
        deactivateWhile(gApp.findObjectHandle("01_cam_move"), id == ID_ROTATE_LEFT ? 7770 : 7771, 1);
        setTutorialTask(3, 1);
    }
    else if (mid == 3 && id == ID_SKIP && !skipLocked)
    {
        if (playMode == 3)
            sendNotifyByName("interface", 92, getOwner());
        else if (playMode == 2)
        {
            deactivateWhile(gApp.findObjectHandle("interface"), 90, 2);
            sendNotifyByName("00_minigame_starter", 1400, getOwner());
        }
    }
    else if (mid == 3 && id == ID_BACK && playMode == 1 && nearPlaneObj != 0)
    {
        menuBackButtonClick(0);
        setTutorialTask(4, 1);
    }
    if (!(mid == 3 && (id_inventory(id) || id_inventory_counter(id))))
        tutorialClose();
}

void sc_00_ginterface::instructionPress()
{
    TQ_TRACE(" instructionPress()");
    if (playMode == 2)
        sendNotifyByName("00_minigame_starter", 2010, getOwner());
    else if (playMode == 1 && nearPlaneMini != 0)
        sendNotify(nearPlaneMini, getOwner(), 2010);
}

void sc_00_ginterface::menuBackButtonClick(int finish_mini_game)
{
    TQ_TRACE(" menuBackButtonClick(int finish_mini_game)");
    if (getVarI("is_camera_moving") != 0)
        return;
    if (nearPlaneObj2 == 0)
    {
        // Leaving the solved disc drawer keeps the arrows away: its room
        // cannot turn.
        const bool keepArrowsAway = finish_mini_game != 0 && nearPlaneMini != 0 &&
                                    nearPlaneMini == gApp.findObjectHandle("02_03_az_room_stol_diski_door_npm");
        if (!keepArrowsAway)
            menuShow(1);
        setBackButtonVisible(3);
    }
    if (nearPlaneMini != 0)
    {
        menuShow(3);
        switchHelp(0);
    }
    deactivateWhile(nearPlaneObj, 1, 1);
    setNearPlaneObj(nearPlaneObj2);
    setNearPlaneObj2(0);
    setNearPlaneMini(0);
}
