#include "00_overlay_shower.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "Trace.h"

#include <string>

namespace
{
const char* const kSheet = "03_doc2_fail";
const char* const kSheetFont = "Fonts/00_journal_font";

int leftButton()
{
    return gApp.mInput && gApp.mInput->mLeftDown ? 1 : 0;
}

/// prefix + NN (two digits) + suffix.
String paramName(const char* prefix, int index, const char* suffix = "")
{
    String name = prefix;
    CVirtualScript::strAddInt(index, name, 2);
    return name + suffix;
}
} // namespace

float sc_00_overlay_shower::cubeFunc(float x)
{
    return 2.9444f * x * x * x - 6.8167f * x * x + 4.8722f * x;
}

void sc_00_overlay_shower::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    const OBJECT_HANDLE self = getOwner();
    if (!getObjParamS(self, "scene", scene))
        scene.clear();
    super_effect = getObjParamI(self, "super_effect");

    count = 0;
    String over;
    for (int i = 0; getObjParamS(self, paramName("over_", i), over); ++i)
    {
        if (count == kMaxOvers)
        {
            Log::print("\nWARNING: 00_overlay_shower: more than %d overlays on %s, the rest are left out", kMaxOvers,
                       getName().c_str());
            break;
        }
        SHOWER_OVER& entry = overs[count];
        entry = SHOWER_OVER();
        entry.over = over;
        entry.level = 1;
        if (getObjParamS(self, paramName("cont_", i), entry.cont))
        {
            entry.level = 2;
            if (getObjParamS(self, paramName("inner_", i), entry.inner))
                entry.level = 3;
        }
        entry.rot = getObjParamI(self, paramName("rot_", i));
        entry.str = getObjParamI(self, paramName("str_", i));
        entry.width = getObjParamI(self, paramName("width_", i));
        getObjParamF(self, paramName("pos_", i, "_x"), entry.pos_x);
        getObjParamF(self, paramName("pos_", i, "_y"), entry.pos_y);
        getObjParamF(self, paramName("char_", i, "_height"), entry.char_height);
        entry.has_var = getObjParamS(self, paramName("var_", i), entry.var) ? 1 : 0;
        ++count;
    }
    overVisible(0);
    fader = gApp.findObjectHandle("00_fader");
}

void sc_00_overlay_shower::overVisible(int v)
{
    TQ_TRACE(" overVisible(int v)");
    if (!scene.empty())
    {
        setParentByName(v ? "Camera" : "", scene);
        setVisibleByName(scene, v != 0);
    }
    for (int i = 0; i < count; ++i)
    {
        const SHOWER_OVER& entry = overs[i];
        const char* o = entry.over.c_str();
        // Level 1 acts on the overlay itself, 2 on cont, 3 on inner of cont.
        const char* e = entry.level >= 2 ? entry.cont.c_str() : nullptr;
        const char* c = entry.level >= 3 ? entry.inner.c_str() : nullptr;
        overlaySetVisible(o, nullptr, nullptr, v != 0);
        if (e)
            overlaySetVisible(o, e, c, v != 0);
        if (entry.has_var == 1 && e)
        {
            const String text = std::to_string(getVarI(entry.var));
            Log::print("\nshower <%s> %d", text.c_str(), entry.level);
            overlaySetCaptionText(o, e, c, text.c_str());
        }
        if (entry.str != 0 && e)
        {
            if (entry.width != 0)
                overlaySetTextById(o, e, c, entry.str, entry.width);
            else
                overlaySetCaption(o, e, c, entry.str, -1, 0, nullptr);
        }
        if (v == 1 && entry.pos_x > 0.0f && entry.pos_y > 0.0f && e)
            overlaySetPosition(o, e, c, entry.pos_x, entry.pos_y);
        if (entry.char_height > 0.0f && e)
            overlaySetCharHeight(o, e, c, entry.char_height);
        if (v == 1)
            overlaySetRotate(o, static_cast<float>(entry.rot));
    }
}

void sc_00_overlay_shower::makeShot()
{
    TQ_TRACE(" makeShot()");
    // A cut to the camera the player already stands at: only the fade shows.
    fader_code = (getVarI("cur_room") + 50) * 100 + getVarI("cur_cam");
    phase = 1;
    fade();
}

void sc_00_overlay_shower::fade()
{
    TQ_TRACE(" fade()");
    if (fader)
    {
        sendNotify(fader, getOwner(), fader_code);
        return;
    }
    // Without the fader nobody would answer and the document would hold the
    // interface for ever: show or hide it without the fade.
    Log::print("\nWARNING: 00_overlay_shower: no 00_fader, the document changes without a fade");
    faderMsg();
    faderEnd();
}

void sc_00_overlay_shower::makeShot2()
{
    TQ_TRACE(" makeShot2()");
    phase = 3;
    if (timer != 0)
        CObject::killTimer(gObjectCollector.get(getOwner()), timer);
    timer = 0;
    fade();
    sendNotifyByName("00_game_interface", 800, 0);
}

void sc_00_overlay_shower::faderMsg()
{
    TQ_TRACE(" faderMsg()");
    if (phase == 1)
    {
        if (super_effect == 1)
        {
            materialSetColour(kSheet, 1.0f, 1.0f, 1.0f, 1);
            overlaySetMaterial("PapersText", "03_PaperText_02", nullptr, kSheetFont);
            materialSetAlpha(kSheetFont, 0.0f);
        }
        overVisible(1);
        sendNotifyByName("01_cam_move", 601, 0);
    }
    else if (phase == 3)
    {
        overVisible(0);
        sendNotifyByName("01_cam_move", 600, 0);
    }
}

void sc_00_overlay_shower::faderEnd()
{
    TQ_TRACE(" faderEnd()");
    if (phase == 1)
    {
        phase = 2;
        timer = CObject::createTimer(gObjectCollector.get(getOwner()), 1, -1, nullptr);
        // A press held since before the document showed must not close it.
        lbutton_now = leftButton();
        if (super_effect != 1)
            sendNotifyByName("journal", 2000, 0);
        step = 0;
    }
    else if (phase == 3)
    {
        phase = 0;
        sendNotify(requester, getOwner(), answer);
    }
}

void sc_00_overlay_shower::ON_NOTIFY(int param, OBJECT_HANDLE who)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE who)");
    const bool fromFader = who != 0 && who == fader;
    if (param == 100 && !fromFader)
    {
        // A second request while a document is open would restart the fade
        // half-way and lose the first requester's answer.
        if (phase != 0)
            return;
        requester = who;
        answer = 100;
        makeShot();
    }
    else if (param == 100)
    {
        faderMsg();
    }
    else if (fromFader && param == fader_code)
    {
        faderEnd();
    }
}

void sc_00_overlay_shower::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    lbutton_before = lbutton_now;
    dt = gApp.mFrameMs / 1000.0f;
    lbutton_now = leftButton();
    if (phase != 2)
        return;
    if (lbutton_now && !lbutton_before && (super_effect != 1 || step > 1))
        makeShot2();

    if (super_effect == 1)
    {
        t += 2.0f * dt;
        if (t > 1.0f)
            t = 1.0f;
        if (step == 0)
        {
            const float c = 1.0f - 2.0f * t;
            materialSetColour(kSheet, c, c, c, 1);
            CObject* sheet = gApp.findObject(kSheet);
            setScale(sheet ? sheet->getHandle() : 0, vec3(1.0f, cubeFunc(t), 1.0f));
        }
        else if (step == 1)
        {
            materialSetAlpha(kSheetFont, t);
            if (t == 1.0f)
                sendNotifyByName("journal", 2000, 0);
        }
        if (t == 1.0f)
        {
            ++step;
            t = 0.0f;
        }
    }
}
