#include "00_loader.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "Trace.h"

#include <OgreViewport.h>

#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{
const char* const kBlackOverlay = "LoaderOverlay";
const char* const kBlackMaterial = "interf/00_black";
const char* const kWindow = "loadingWindow";
const char* const kWindow2 = "loadingWindow2";
const char* const kWindow3 = "loadingWindow3";
const char* const kWindowPicture = "loading/empty";
const char* const kGameInterface = "00_game_interface";

/// Main menu target of a fade.
const int kMainMenu = -2;

CObject* ownObject(OBJECT_HANDLE owner)
{
    return gObjectCollector.get(owner);
}

void showOverlay(const char* name, bool visible)
{
    CVirtualScript::overlaySetVisible(name, nullptr, nullptr, visible);
}
} // namespace

void sc_00_loader::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    fadeInit();
}

void sc_00_loader::fadeInit()
{
    TQ_TRACE(" fadeInit()");
    keyWait = 0;
    keyArmed = 1;
    nextLoc = 0;
    speed = 1.0f;
    CObject* self = ownObject(getOwner());
    timerId = self ? CObject::createTimer(self, 1, -1, self) : 0;
    fadeAccelerationStop();
    delay = 0;
    button_ini();
    if (getConfigI("game_state") <= 60)
    {
        // The new scene comes out of the black of the one before.
        alpha = 0.5f;
        state = 1;
        button_hide();
        showOverlay(kWindow, false);
        showOverlay(kWindow2, false);
    }
    else
    {
        // The loading window stays until 1111 and then a key or a click.
        showOverlay(kWindow, true);
        showOverlay(kWindow2, true);
        alpha = 1.0f;
        state = 0;
    }
}

void sc_00_loader::ON_NOTIFY(int lparam, OBJECT_HANDLE obj)
{
    TQ_TRACE(" ON_NOTIFY(int lparam, OBJECT_HANDLE obj)");
    const int code = lparam;
    const bool startsFade = (code >= 1001 && code <= 1098) || (code >= 5001 && code <= 5098) ||
                            (code >= 10001 && code <= 10098) || code == 1100 || code == 1101 || code == 1200 ||
                            code == 1300 || code == 1500 || code == 777 || code == 888 || code == 666 ||
                            code == mLoaderFade1 || code == mLoaderFade2 || code == mLoaderFade3 ||
                            code == mLoaderFade4;
    // A request during a fade-out must neither steal the running fade's
    // answer nor change the options behind it: it waits, and is served when
    // the running fade-out has ended.  One request waits; a later one takes
    // its place.
    if (startsFade && state == 2)
    {
        if (pendingCode != 0)
            Log::print("\nWARNING: 00_loader: code %d replaced by %d while a fade-out runs", pendingCode, code);
        else
            Log::print("\nWARNING: 00_loader: code %d waits for the running fade-out", code);
        pendingCode = code;
        pendingFrom = obj;
        return;
    }

    if (code >= 1001 && code <= 1098)
    {
        if (getConfigI("game_state") <= 0)
            setConfigI("game_state", -11);
        fadeStart(code - 1000, 1.5f, 0);
    }
    else if (code >= 5001 && code <= 5098)
    {
        if (getConfigI("game_state") <= 0)
            setConfigI("game_state", -11);
        fadeStart(code - 5000, 0.2f, 0);
    }
    else if (code == 1100 || code == 1101)
    {
        overlaySetZOrder(kBlackOverlay, 300);
        fadeStart(kMainMenu, code == 1100 ? 1.5f : 0.1f, 0);
        setConfigI("game_state", 0);
    }
    else if (code == 1200)
    {
        setConfigI("game_state", 50);
        fadeStart(kMainMenu, 1.5f, 0);
    }
    else if (code == 1300)
    {
        overlaySetZOrder(kBlackOverlay, 300);
        fadeStart(kMainMenu, 1.5f, 0);
        setConfigI("game_state", 60);
        setVarI("survey_end", 1);
        sendNotifyByName("interface", 100, 0);
    }
    else if (code == 1500)
    {
        requester = obj;
        fadeStart(1500, 0.5f, 1);
        overlaySetZOrder(kBlackOverlay, 1);
    }
    else if (code == 1501)
    {
        requester = obj;
        state = 1;
    }
    else if (code >= 10001 && code <= 10098)
    {
        fadeStart(code, 1.5f, 0);
    }
    else if (code == 777 || code == 888 || code == 666)
    {
        requester = obj;
        showOverlay(kBlackOverlay, true);
        fadeStart(code, 1.2f, 1);
        if (code == 666)
            overlaySetZOrder(kBlackOverlay, 100);
    }
    else if (code == 1111)
    {
        keyWait = 1;
        overlaySetCaption(kWindow, "LoadingTimeFrame2", "LoadingText", 68, -1, -1, nullptr);
        overlaySetCaption(kWindow, "LoadingTimeFrame2", "LoadingText2", 68, -1, -1, nullptr);
        button_show();
    }
    else if (code == mFadeAccelerate)
    {
        fadeAccelerationStart();
    }
    else if (code == mFadeEnableAccel)
    {
        fadeAccelerationEnable();
    }
    else if (code == mLoaderFade1 || code == mLoaderFade3)
    {
        requester = obj;
        fadeStart(mLoaderFade1, code == mLoaderFade1 ? 1.0f : 0.2f, 1);
    }
    else if (code == mLoaderFade2 || code == mLoaderFade4)
    {
        requester = obj;
        fadeStart(mLoaderFade2, code == mLoaderFade2 ? 0.5f : 0.1f, 2);
    }
}

int sc_00_loader::fadeStart(int nextLoc_, float speed_, int qfio_)
{
    TQ_TRACE(" fadeStart(int nextLoc, float speed, int qfio)");
    accelEnabled = 0;
    delay = 0;
    if (state == 2)
        return 0;
    qfio = qfio_;
    button_hide();
    nextLoc = nextLoc_;
    if (nextLoc == mLoaderFade2)
    {
        state = 1;
        alpha = 1.0f;
    }
    else
    {
        state = 2;
    }
    if (timerId == 0)
    {
        CObject* self = ownObject(getOwner());
        timerId = self ? CObject::createTimer(self, 1, -1, self) : 0;
    }
    speed = speed_;
    showOverlay(kBlackOverlay, true);
    if (qfio == 0)
    {
        getLoadingWindowTexture(nextLoc);
        materialSetTexturePassUnit(kWindowPicture, 0, 0, texName);
        setLoadingText(0.0f);
    }
    return 1;
}

void sc_00_loader::getLoadingWindowTexture(int loc)
{
    TQ_TRACE(" getLoadingWindowTexture(int loc)");
    const int r = loc % 100;
    const int n = (r == kMainMenu || r >= 50) ? 0 : r - 1;
    std::snprintf(texName, sizeof(texName), "00_menu_loading_window_%02d.tga", n);
}

float sc_00_loader::getAlpha()
{
    return alpha * alpha * (3.0f - 2.0f * alpha);
}

int sc_00_loader::readKey()
{
    CInput* input = gApp.mInput;
    if (!input)
        return -1;
    for (int i = 0; i < 255; ++i)
        if (input->mKeyDown[i])
            return i;
    return -1;
}

void sc_00_loader::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    const float dt = static_cast<float>(gApp.mFrameMs) / 1000.0f;
    button_vecShow(&button, vec3::ZERO, dt);

    CInput* input = gApp.mInput;
    const int leftDown = input && input->mLeftDown ? 1 : 0;
    if (state == 0)
    {
        const bool click = leftDown && !prevButton;
        if ((click || readKey() >= 0) && nextLoc != 1500 && keyArmed && keyWait)
        {
            keyArmed = 0;
            state = 1;
            const int loc = getVarI("cur_loc");
            if (getConfigI("load_from_save") != 0 || (loc >= 1 && loc <= 7))
                sendNotifyByName(kGameInterface, 555, 0);
            showOverlay(kWindow3, false);
        }
    }
    prevButton = leftDown;

    if (state == 2)
    {
        alpha += static_cast<float>(accel) * speed * dt;
        // The main menu and the mini-game scenes load at full black, without
        // the loading window, which takes half of the fade.  Tested first, so
        // that a step past 1.0 ends the fade once, at half, and never posts
        // the next scene twice.
        const bool half = qfio == 0 && (nextLoc == kMainMenu || nextLoc % 100 >= 50);
        if (half && alpha > 0.5f)
        {
            alpha = 0.5f;
            fadeStop();
        }
        else if (alpha > 1.0f)
        {
            alpha = 1.0f;
            fadeStop();
        }
    }

    if (state == 1)
    {
        if (delay > 0)
        {
            --delay;
        }
        else
        {
            alpha -= 2.0f * static_cast<float>(accel) * speed * dt;
            if (alpha < 0.0f)
            {
                alpha = 0.0f;
                state = 0;
                showOverlay(kBlackOverlay, false);
                if (qfio == 0)
                {
                    getLoadingWindowTexture(getVarI("cur_loc"));
                    textureUnload(texName);
                    sendNotifyByName(kGameInterface, 550, 0);
                }
                clearTimer();
                if (nextLoc == 1500)
                    sendNotify(requester, 0, 1501);
            }
        }
    }

    if (qfio == 0)
    {
        // At exactly half the screen is black either way; the menu and the
        // mini-game scenes stop there and must not show the loading window.
        if (alpha <= 0.5f)
        {
            showOverlay(kWindow, false);
            showOverlay(kWindow2, false);
            materialSetAlpha(kBlackMaterial, 2.0f * getAlpha());
        }
        else
        {
            showOverlay(kWindow, true);
            showOverlay(kWindow2, true);
            materialSetAlpha(kBlackMaterial, 2.0f - 2.0f * getAlpha());
        }
    }
    else
    {
        materialSetAlpha(kBlackMaterial, getAlpha());
    }

    if (pendingCode != 0 && state != 2)
    {
        const int code = pendingCode;
        const OBJECT_HANDLE from = pendingFrom;
        pendingCode = 0;
        pendingFrom = 0;
        ON_NOTIFY(code, from);
    }
}

void sc_00_loader::fadeStop()
{
    TQ_TRACE(" fadeStop()");
    accelEnabled = 0;
    state = 0;
    if (qfio == 1)
    {
        sendNotify(requester, 0, nextLoc);
        delay = 2;
        if (nextLoc == mLoaderFade1)
        {
            sendNotify(requester, getOwner(), mLoaderFade1);
            return;
        }
        if (nextLoc == 1500)
            return;
        qfio = 2;
        state = 1;
        return;
    }
    if (qfio == 2)
    {
        qfio = 0;
        clearTimer();
        return;
    }

    char scene[64] = {};
    if (nextLoc < 100)
    {
        setVarI("prev_loc", getVarI("cur_loc"));
        if (getConfigI("game_state") >= 100)
            setVarI("cur_loc", nextLoc);
        if (nextLoc < 0)
        {
            std::snprintf(scene, sizeof(scene), "00_interface_start.scene");
        }
        else if (nextLoc < 50)
        {
            if (nextLoc == 7)
                std::snprintf(scene, sizeof(scene), "%02d_location_start_%02d.scene", nextLoc, getVarI("flashback"));
            else
                std::snprintf(scene, sizeof(scene), "%02d_location_start.scene", nextLoc);
            setVarI("cur_loc", nextLoc);
        }
        else
        {
            std::snprintf(scene, sizeof(scene), "07_minigame_start_%02d.scene", nextLoc - 50);
        }
        // Nothing of the old scene is drawn any more; the overlays still are.
        setViewportVisibilityMask(0);
    }
    else if (nextLoc >= 10001 && nextLoc <= 10098)
    {
        std::snprintf(scene, sizeof(scene), "%02d_location_start.scene", nextLoc - 10000);
    }
    if (scene[0])
    {
        // The scene goes: a request that waited goes with it.
        if (pendingCode != 0)
        {
            Log::print("\nWARNING: 00_loader: code %d dropped, the scene changes", pendingCode);
            pendingCode = 0;
            pendingFrom = 0;
        }
        gApp.postUnloadScene();
        gApp.postLoadScene(scene);
    }
    overlaySetZOrder(kBlackOverlay, 300);
    clearTimer();
}

void sc_00_loader::clearTimer()
{
    TQ_TRACE(" clearTimer()");
    fadeAccelerationStop();
    if (timerId != 0)
    {
        if (CObject* self = ownObject(getOwner()))
            CObject::killTimer(self, timerId);
        timerId = 0;
    }
}

void sc_00_loader::fadeAccelerationEnable()
{
    TQ_TRACE(" fadeAccelerationEnable()");
    if (state > 0)
        accelEnabled = 1;
}

void sc_00_loader::fadeAccelerationStart()
{
    TQ_TRACE(" fadeAccelerationStart()");
    if (accelEnabled && state > 0)
    {
        accel = 5;
        accelEnabled = 0;
    }
}

void sc_00_loader::fadeAccelerationStop()
{
    accel = 1;
    accelEnabled = 0;
}

void sc_00_loader::button_ini()
{
    TQ_TRACE(" button_ini()");
    std::snprintf(button.overlay, sizeof(button.overlay), "%s", kWindow2);
    std::snprintf(button.element, sizeof(button.element), "LoadingButton");
    std::snprintf(button.material, sizeof(button.material), "loading/button");
    button_setAlpha(&button, 0.0f);
    button.visible = 0;
    button.level = 0.0f;
    button.phase = 0.0f;
}

void sc_00_loader::button_show()
{
    overlaySetVisible(button.overlay, button.element, nullptr, true);
    button.visible = 1;
}

void sc_00_loader::button_hide()
{
    overlaySetVisible(button.overlay, button.element, nullptr, false);
    button.visible = 0;
}

void sc_00_loader::button_setAlpha(Button* d, float a)
{
    if (a < 0.0f)
        a = 0.0f;
    if (a > 0.99f)
        a = 0.99f;
    materialSetColour2(d->material, 0, a, a, a, 1);
}

void sc_00_loader::button_vecShow(Button* b, vec3 /*v*/, float inc)
{
    if (!keyWait)
        return;
    b->phase += inc;
    b->level = (std::sin(3.0f * b->phase) + 1.0f) / 2.0f;
    materialSetColour2(b->material, 0, b->level, b->level, b->level, 1);
}
