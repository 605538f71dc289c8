#include "00_minigame_interf.h"

#include "Application.h"
#include "Input.h"
#include "Object.h"
#include "Trace.h"

#include <cmath>

namespace
{
const char* const kDecoration = "00_anim_obj_minigame";
const char* const kDecorationScene = "00_anim_obj_minigame.scene";
const char* const kDecorationMaterial = "pe/anim_obj_minigame";
const char* const kParticles[2] = {"minigame_01", "minigame_02"};
// OGRE takes only containers at the top of an overlay: the two text areas
// sit in a full-screen frame without material.
const char* const kTextFrame = "MinigameTextFrame";

int leftButton()
{
    return gApp.mInput && gApp.mInput->mLeftDown ? 1 : 0;
}
} // namespace

void sc_00_minigame_interf::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    stextInit(&status, 100);
    stextCleanup(&status);
    // The decoration hangs under the camera so that it stays in view
    // wherever the game's camera stands.
    setParentByName("Camera", kDecorationScene);
    // The decoration and its particles are loaded shown and emitting; they
    // belong on screen only during a show.
    if (CObject* decoration = gApp.findObject(kDecoration))
        setVisible(decoration->getHandle(), false);
    particles(false);
}

void sc_00_minigame_interf::textVisible(bool visible)
{
    overlaySetVisible(status.overlay_name.c_str(), kTextFrame, status.text_name.c_str(), visible);
    overlaySetVisible(status.overlay_name.c_str(), kTextFrame, status.back_name.c_str(), visible);
}

void sc_00_minigame_interf::particles(bool on)
{
    for (const char* name : kParticles)
    {
        particleSetEmitting(name, on);
        particleSetVisible(name, on);
    }
}

void sc_00_minigame_interf::stextInit(STATUS_TEXT* st, int str)
{
    TQ_TRACE(" stextInit(STATUS_TEXT *st, int str)");
    st->overlay_name = "GameInterfaceOverlay";
    st->text_name = "MinigameText";
    st->back_name = "MinigameTextBack";
    st->font_material = "Fonts/00_font_03";
    const char* o = st->overlay_name.c_str();
    overlaySetVisible(o, kTextFrame, st->text_name.c_str(), false);
    overlaySetVisible(o, kTextFrame, st->back_name.c_str(), false);
    overlaySetCaption(o, kTextFrame, st->text_name.c_str(), str, -1, 0, nullptr);
    overlaySetCaption(o, kTextFrame, st->back_name.c_str(), str, -1, 0, nullptr);
    overlaySetMaterial(o, kTextFrame, st->text_name.c_str(), st->font_material.c_str());
    overlaySetMaterial(o, kTextFrame, st->back_name.c_str(), st->font_material.c_str());
    st->phase = 0.0f;
    st->state = 0;
}

void sc_00_minigame_interf::stextStart(STATUS_TEXT* st, int str)
{
    TQ_TRACE(" stextStart(STATUS_TEXT *st, int str)");
    st->state = 1;
    st->phase = 0.0f;
    st->speed = 0.15f;
    materialSetAlpha(st->font_material, 0.0f);

    const char* o = st->overlay_name.c_str();
    overlaySetVisible(o, kTextFrame, st->text_name.c_str(), true);
    overlaySetVisible(o, kTextFrame, st->back_name.c_str(), true);
    overlaySetVisible(o, nullptr, nullptr, true);
    overlaySetCaption(o, kTextFrame, st->text_name.c_str(), str, -1, 0, nullptr);
    overlaySetCaption(o, kTextFrame, st->back_name.c_str(), str, -1, 0, nullptr);

    const OBJECT_HANDLE decoration = gApp.findObjectHandle(kDecoration);
    setVisible(decoration, true);
    anim_id = animPlay(decoration, "a", 1, getOwner());
    setObjAnimSpeed(decoration, 500);
    setObjAnimParams(decoration, 0, 1000, 0, 0);

    particles(true);
}

int sc_00_minigame_interf::stextProcess(STATUS_TEXT* st, float inc)
{
    TQ_TRACE(" stextProcess(STATUS_TEXT *st, float inc)");
    if (st->state != 1)
        return 0;
    st->phase += inc * st->speed;
    if (st->phase > 1.0f)
    {
        st->phase = 1.0f;
        st->state = 2;
        stextCleanup(st);
        return 1;
    }
    const float phase = st->phase;
    // The decoration darkens to black over the last fifth of the show.
    const float c = phase < 0.8f ? 1.0f : (1.0f - phase) / 0.2f;
    materialSetColour(kDecorationMaterial, c, c, c, 1);
    materialSetAlpha(st->font_material, phase < 0.5f ? 2.0f * phase : 2.0f * (1.0f - phase));

    const char* o = st->overlay_name.c_str();
    overlaySetCharHeight(o, kTextFrame, st->text_name.c_str(), 0.03f + 0.07f * phase);
    overlaySetCharHeight(o, kTextFrame, st->back_name.c_str(), 0.032f + 0.07f * phase);
    const float top = 0.4f + 0.05f * std::sin(10.0f * phase);
    overlaySetPosition(o, kTextFrame, st->text_name.c_str(), 0.5f, top);
    overlaySetPosition(o, kTextFrame, st->back_name.c_str(), 0.5f, top);
    return 0;
}

void sc_00_minigame_interf::stextCleanup(STATUS_TEXT* st)
{
    TQ_TRACE(" stextCleanup(STATUS_TEXT *st)");
    overlaySetVisible(st->overlay_name.c_str(), kTextFrame, st->text_name.c_str(), false);
    overlaySetVisible(st->overlay_name.c_str(), kTextFrame, st->back_name.c_str(), false);
    materialSetAlpha(st->font_material, 1.0f);
}

void sc_00_minigame_interf::cleanup()
{
    TQ_TRACE(" cleanup()");
    materialSetAlpha(status.font_material, 1.0f);
    if (timer != 0)
    {
        CObject::killTimer(gObjectCollector.get(getOwner()), timer);
        timer = 0;
    }
    textVisible(false);
    setVisible(gApp.findObjectHandle(kDecoration), false);
    particles(false);
}

void sc_00_minigame_interf::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (code == anim_id)
        return;
    if (code == 0)
    {
        stextCleanup(&status);
        OBJECT_HANDLE decoration = 0;
        if (CObject* object = gApp.findObject(kDecoration))
            decoration = object->getHandle();
        setVisible(decoration, false);
        particles(false);
    }
    else if (code == 100)
    {
        cleanup();
        setConfigI("minigame_ending", 0);
    }
    else if (code >= 1000)
    {
        stextStart(&status, code - 1000);
        requester = from;
        echo_code = code;
        // A restart during a show keeps one timer: an earlier one would tick
        // on for ever and send the echo again at every later press.
        CObject* self = gObjectCollector.get(getOwner());
        if (timer != 0)
            CObject::killTimer(self, timer);
        timer = CObject::createTimer(self, 1, -1, nullptr);
        // Only a press that begins during the show counts, not the one
        // that may still hold the button from the winning move.
        button = leftButton();
        setConfigI("minigame_ending", 1);
    }
}

void sc_00_minigame_interf::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    const float inc = gApp.mFrameMs / 1000.0f;
    button_prev = button;
    button = leftButton();
    if (button && !button_prev)
    {
        sendNotify(requester, getOwner(), echo_code);
        requester = 0;
    }
    if (id == timer && stextProcess(&status, inc) == 1)
    {
        if (requester)
            sendNotify(requester, getOwner(), echo_code);
        requester = 0;
        sendNotifyByName("00_game_interface", 103, 0);
        cleanup();
    }
}
