// The script registered as "00_tutorial.sc": the tutorial's hint window.
// The in-game interface sends the number of a step; the window (a text, a
// check box that switches the tutorial off, a close button and an arrow at
// the step's target) slides in beside the target, stays until the player
// closes it or the interface sends 100, slides out and then answers the
// step's sender with the same number.  It runs on a one-menu copy of the
// main menu's machinery: a border that slides, items that ease and light
// up under the cursor, and one moving highlight.
#pragma once

#include "CodeScript.h"

class sc_00_tutorial : public virtual CodeScript
{
public:
    /// The moving highlight under the hovered item.
    struct LIGHT
    {
        int state = 0;   ///< 0 off, 1 fading in, 2 on, 3 fading out
        int claimed = 0; ///< an item put it under itself this frame
        float x = 0.0f, y = 0.0f, sx = 0.0f, sy = 0.0f;
        float alpha = 0.0f;
        String element;  ///< "MenuLight2"
        String overlay;  ///< "interfaceOverlayLight2"
        String material; ///< "menu/light2"
        int texture = -1; ///< the texture number in the material, -1 none yet
    };

    /// A panel that slides between its start and end position.
    struct BORDER
    {
        int index = 0;
        int menu = 0;
        String element;
        String overlay;
        float x = 0.0f, y = 0.0f;       ///< current position
        float x0 = 0.0f, y0 = 0.0f;     ///< start position
        float x1 = 0.0f, y1 = 0.0f;     ///< end position
        float sx = 0.0f, sy = 0.0f;     ///< width, height
    };

    /// One element of the window, placed relative to its border.
    struct ITEM
    {
        int hover = 0;             ///< 0 off, 1 fading in, 2 on, 3 fading out
        float hover_amount = 0.0f;
        float x = 0.0f, y = 0.0f;  ///< current position
        float tx = 0.0f, ty = 0.0f; ///< target position
        float sx = 0.0f, sy = 0.0f;
        float lx = 0.0f, ly = 0.0f, lsx = 0.0f, lsy = 0.0f; ///< light offsets and additions
        float tick_sx = 0.0f, tick_sy = 0.0f;
        float colour[2][3] = {};          ///< normal top, bottom
        float disabled_colour[2][3] = {}; ///< disabled top, bottom
        int is_static = 0;         ///< placed once instead of easing
        int border = 0;
        int has_light = 0;
        String element;
        String tick_element;
        String material;
        int caption = 0;           ///< string id, 0 none
        int light_texture = 0;
        int spare = 0;
        int disabled = 0;
        int select = -1;
        int tick = -1;             ///< -1 no check box, else 0 or 1
        float check_amount = 0.0f; ///< 0..1, follows tick
        int index = 0;
        int menu = 0;
        int is_text = 0;           ///< a text element, whose colours fade
    };

    /// One menu: the window.
    struct MENU
    {
        int state = 0;      ///< 0 hidden, 1 fading in, 2 shown, 3 fading out
        float alpha = 0.0f;
        int item_count = 0;
        int border_count = 0;
        BORDER borders[4];
        ITEM items[16];
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_tutorial(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;
    void ON_TIME() override;

    void menusInit();
    void menuInit(int m);
    void menuShow(int m);
    void menuHide(int m);
    void menuOnHide(int m);
    void menusProcess();
    void menuProcess(int m);
    void borderProcess(BORDER& b);
    void itemProcess(ITEM& it);
    void itemProcessPress(ITEM& it);
    void itemSetCaption(ITEM& it);
    void itemUpdateColor(ITEM& it);
    int menuAddBorder(int m, const String& overlay, const String& element);
    int menuAddItem(int m, const String& element, float x, float y, float sx, float sy);
    int menuAddCheckBox(int m, const String& element, const String& tick, const String& material, int caption,
                        int ticked, float x, float y, float tick_sx, float tick_sy);
    int menuAddStaticText(int m, const String& element, int caption, float x, float y);
    int menuAddTextArea(int m, const String& element, int caption, float x, float y);
    void lightInit();
    void lightOff();
    void lightHide();
    void lightProcess();
    void lightSetPosition(float x, float y, float sx, float sy, int texture);
    /// Light texture, offsets and size additions of an item.
    void setLt(ITEM& it, int texture, float lx, float ly, float lsx, float lsy);
    /// Lays the window out for step s and shows it.
    void showTut(int s);
    /// (1 - cos(pi x)) / 2.
    static float cosFunc(float x);
    /// x2 a + x1 (1 - a).
    static float lineInterp(float x1, float x2, float a);

    float dt = 0.0f;
    LIGHT light;
    MENU menu;
    float cursor_x = 0.0f, cursor_y = 0.0f;
    int lbutton_before = 0, lbutton_now = 0;
    OBJECT_HANDLE sender = 0; ///< who sent the current step
    int timer = 0;
    int step = -1;            ///< the current step, -1 none

    // indices of the items kept by menusInit
    int arrow = 0, border = 0, check_box = 0, line = 0, ok = 0, ok_shadow = 0, skip = 0, text = 0;

private:
    /// The item's overlay, border element and element as the API takes them.
    const char* overlayOf(const ITEM& it) const;
    const char* borderOf(const ITEM& it) const;
    void placeItem(ITEM& it);
    void showElements(bool visible);
    /// The screen point and side of step s; false when it has none.
    bool stepTarget(int s, float& x, float& y, bool& left);
};
