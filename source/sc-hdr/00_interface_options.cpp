// The options of "interface" (menu 6): the sound and music sliders, which
// are options of options.ini, and the check boxes for full screen (an
// option too), the tutorial and the advanced mode (game variables of the
// current profile, saved with it).
#include "00_interface.h"

#include "SfxCore.h"
#include "Trace.h"

namespace
{
// Sound groups: 0 carries the environment loops and the music, 1 to 3 the
// effects, voices and room loops.
const int kMusicGroup = 0;
const int kFirstSoundGroup = 1;
const int kLastSoundGroup = 3;

const float kBarWidth = 0.25f;
const float kBarHeight = 1.0f / 24.0f;
const float kKnobWidth = 0.03125f;
const float kBallWidth = 0.0625f;
const float kBallHeight = 0.0546875f;

void setSoundGroups(int volume)
{
    for (int group = kFirstSoundGroup; group <= kLastSoundGroup; ++group)
        CSfxCore::setGroupVolume(group, static_cast<float>(volume));
}

// The knob moves over the middle half of its bar.
void knobRange(const sc_00_interface::VOLUME& v, float& lo, float& hi)
{
    lo = v.x + 0.25f * v.width - v.knobWidth / 2.0f;
    hi = v.x + 0.75f * v.width - v.knobWidth / 2.0f;
}
} // namespace

void sc_00_interface::buildOptionsMenu()
{
    TQ_TRACE(" buildOptionsMenu()");
    const int m = MENU_OPTIONS;
    menuAddBorder(m, "interfaceOverlayOptions", "OptionsBorder", 0.3f, 0.12f, 0.0f, -1.0f);
    menuAddStaticText(0, m, "OptionsCaption", 23, 1, 0.0f, 0.08f);
    menuAddStaticText(0, m, "OptionsGameVolume", 62, 1, 0.0f, 0.16f);
    menuAddStaticText(0, m, "OptionsMusicVolume", 63, 1, 0.0f, 0.32f);
    mOptionsBack = menuAddTextArea(0, m, "OptionsBack", 69, 0, 0.0f, 0.72f);

    int soundVolume = 100;
    int musicVolume = 100;
    getOptionI("SoundVolume", soundVolume);
    getOptionI("MusicVolume", musicVolume);
    const int knob0 = menuAddVolume(0, 0, m, "OptionsGameVolumeBar", "OptionsGameVolumeControl", 0.0f, 0.245f,
                                    kBarWidth, kBarHeight, kKnobWidth, soundVolume);
    const int knob1 = menuAddVolume(1, 0, m, "OptionsMusicVolumeBar", "OptionsMusicVolumeControl", 0.0f, 0.405f,
                                    kBarWidth, kBarHeight, kKnobWidth, musicVolume);
    setSoundGroups(mVolumes[0].percent);

    const int tutorial = getVarI("tutorial_on");
    const int advanced = getVarI("advanced");
    int fullScreen = 0;
    getOptionI("Full Screen", fullScreen);
    float shift = 0.0f;
    getConfigF("options_radio_button_shift", shift);
    const char* o = "interfaceOverlayOptions";
    overlaySetSize(o, "OptionsBorder", "CheckBox1", shift + 0.23f, 0.05f);
    overlaySetSize(o, "OptionsBorder", "CheckBox2", shift + 0.195f, 0.05f);
    overlaySetSize(o, "OptionsBorder", "CheckBox3", shift + 0.255f, 0.05f);

    mCheckBox1 = menuAddCheckBox(fullScreen ? 0 : 1, 0, m, "CheckBox1", "CheckBox1Ball", "CheckBox2pass", 64, 0, 0.0f,
                                 0.48f, kBallWidth, kBallHeight);
    mCheckBox2 = menuAddCheckBox(tutorial ? 0 : 1, 0, m, "CheckBox2", "CheckBox2Ball", "CheckBox2pass2", 126, 0,
                                 -0.018f, 0.56f, kBallWidth, kBallHeight);
    mCheckBox3 = menuAddCheckBox(advanced ? 0 : 1, 0, m, "CheckBox3", "CheckBox3Ball", "CheckBox2pass3", 220, 0,
                                 0.012f, 0.64f, kBallWidth, kBallHeight);

    for (int box : {mCheckBox1, mCheckBox2, mCheckBox3})
        setLt(m, box, 1, -0.03125f, -0.02734375f, 0.03125f, 1.0f / 24.0f);
    for (int knob : {knob0, knob1})
        setLt(m, knob, 2, -0.109375f, -1.0f / 48.0f, 0.21875f, 1.0f / 24.0f);
}

int sc_00_interface::menuAddCheckBox(int checked, int border, int mid, const char* name, const char* namefx,
                                     const char* mat, int caption, int disabled, float x, float y, float sxfx,
                                     float syfx)
{
    TQ_TRACE(" menuAddCheckBox(int checked, int border, int mid, char *name, char *namefx, char *mat, int caption, "
             "int disabled, float x, float y, float sxfx, float syfx)");
    const int index = menuAddTextArea(border, mid, name, caption, disabled, x, y);
    if (index < 0)
        return -1;
    ITEM& item = mMenus[mid].items[index];
    item.check = checked;
    item.checkFade = 0.0f;
    item.fxName = namefx ? namefx : "";
    item.fxWidth = sxfx;
    item.fxHeight = syfx;
    item.material = mat ? mat : "";
    const BORDER& b = mMenus[mid].borders[border];
    overlaySetSize(b.overlay.c_str(), b.name.c_str(), item.fxName.c_str(), sxfx, syfx);
    overlaySetMaterial(b.overlay.c_str(), b.name.c_str(), item.fxName.c_str(), mat);
    return index;
}

int sc_00_interface::menuAddVolume(int v, int border, int mid, const char* n1, const char* n2, float x, float y,
                                   float sx, float sy, float sx2, int vol)
{
    TQ_TRACE(" menuAddVolume(int v, int border,int mid, char *n1, char *n2, float x, float y, float sx, float sy, "
             "float sx2, int vol)");
    if (v < 0 || v > 1)
        return -1;
    const int bar = menuAddItem(border, mid, n1, x, y, sx, sy);
    const int knob = menuAddItem(border, mid, n2, x, y, sx2, sy);
    if (bar < 0 || knob < 0)
        return -1;
    mMenus[mid].items[bar].disabled = 1;
    mMenus[mid].items[knob].volume = v;

    VOLUME& volume = mVolumes[v];
    volume = VOLUME();
    volume.x = mMenus[mid].items[bar].x;
    volume.y = mMenus[mid].items[bar].y;
    volume.width = sx;
    volume.height = sy;
    volume.knobWidth = sx2;
    volume.value = 1.0f;
    volume.mid = mid;
    volume.knob = knob;
    volume.bar = bar;
    volume.border = border;
    volumeSetVolume(v, vol);
    return knob;
}

void sc_00_interface::volumeSetVolume(int v, int vol)
{
    TQ_TRACE(" volumeSetVolume(int v, int vol)");
    VOLUME& volume = mVolumes[v];
    ITEM* knob = itemOf(volume.mid, volume.knob);
    if (!knob)
        return;
    // A value edited by hand in options.ini still puts the knob on its bar.
    vol = vol < 0 ? 0 : (vol > 100 ? 100 : vol);
    volume.value = vol * 0.01f;
    volume.percent = vol;
    float lo = 0.0f, hi = 0.0f;
    knobRange(volume, lo, hi);
    itemSetPosition(volume.mid, volume.knob, lo + (hi - lo) * volume.value, knob->y);
}

void sc_00_interface::volumeProcess()
{
    for (int v = 0; v < 2; ++v)
    {
        VOLUME& volume = mVolumes[v];
        ITEM* knob = itemOf(volume.mid, volume.knob);
        if (!knob)
            continue;
        if (!mButton && volume.dragging)
        {
            stopSnd(0);
            volume.dragging = 0;
        }
        if (volume.dragging)
        {
            const BORDER& b = mMenus[volume.mid].borders[volume.border];
            float lo = 0.0f, hi = 0.0f;
            knobRange(volume, lo, hi);
            float p = volume.grabOffset + mMouseX - volume.knobWidth / 2.0f - b.x;
            p = p < lo ? lo : (p > hi ? hi : p);
            knob->x = p;
            volume.value = hi > lo ? (p - lo) / (hi - lo) : 0.0f;
            volume.percent = static_cast<int>(volume.value * 100.0f);
            volumeSavePos(v, volume.percent);
        }
        knob->tx = knob->x;
    }
}

void sc_00_interface::volumeSavePos(int v, int vol)
{
    if (v == 0)
    {
        setOptionI("SoundVolume", vol);
        setSoundGroups(vol);
    }
    else if (v == 1)
    {
        setOptionI("MusicVolume", vol);
        CSfxCore::setGroupVolume(kMusicGroup, static_cast<float>(vol));
    }
}

void sc_00_interface::setAdvancedMode(int a)
{
    TQ_TRACE(" setAdvancedMode(int a)");
    setVarI("advanced", a ? 1 : 0);
    setVarI("az_sparkle", a ? 0 : 1);
    setVarI("hint_respawn_time", a ? 60 : 20);
    setVarI("skip_minigame_time", a ? 120 : 60);
}

void sc_00_interface::refreshOptions()
{
    TQ_TRACE(" refreshOptions()");
    if (ITEM* box = itemOf(MENU_OPTIONS, mCheckBox2))
        box->check = getVarI("tutorial_on") ? 0 : 1;
    if (ITEM* box = itemOf(MENU_OPTIONS, mCheckBox3))
        box->check = getVarI("advanced") ? 0 : 1;
}

void sc_00_interface::optionsPress(int id)
{
    TQ_TRACE(" optionsPress(int id)");
    const ITEM* item = itemOf(MENU_OPTIONS, id);
    if (!item)
        return;
    if (id == mOptionsBack)
    {
        menuHide(MENU_OPTIONS);
        menuShow(mReturnMenu);
    }
    else if (id == mCheckBox1)
    {
        const int on = item->check == 0 ? 1 : 0;
        setOptionI("Full Screen", on);
        setWindowMode(on != 0);
    }
    else if (id == mCheckBox2)
        setVarI("tutorial_on", item->check == 0 ? 1 : 0);
    else if (id == mCheckBox3)
        setAdvancedMode(item->check == 0 ? 1 : 0);
}
