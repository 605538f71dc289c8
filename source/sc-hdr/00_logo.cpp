#include "00_logo.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "SfxCore.h"
#include "Trace.h"

#include <cstdio>

namespace
{
const char* const kLogoOverlay = "LogoOverlay";
const char* const kLogoContainer = "LogoContainer";
const char* const kBlackOverlay = "LogoBlackOverlay";
const char* const kTitleMaterial = "logo/title";
const char* const kBlackMaterial = "logo/black";
const int kEscape = 1;
const uint32_t kHoldMs = 5000;

OBJECT_HANDLE handleOf(const char* name)
{
    return gApp.findObjectHandle(name);
}

void showLogoOverlay(bool visible)
{
    CVirtualScript::overlaySetVisible(kLogoOverlay, nullptr, nullptr, visible);
    CVirtualScript::overlaySetVisible(kLogoOverlay, kLogoContainer, nullptr, visible);
}
} // namespace

void sc_00_logo::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    if (CObject* self = gObjectCollector.get(getOwner()))
        CObject::createTimer(self, 1, -1, self);
    setVisibleByName("00_logo_start.scene", false);
    sound = CSfxCore::loadSound("00_01_harbolt_logo", 1);
    showBlack(1);
    setBlackAlpha(1.0f);
}

void sc_00_logo::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    if (sound >= 0)
        CSfxCore::freeSound(sound);
    sound = -1;
}

void sc_00_logo::ON_NOTIFY(int /*code*/)
{
    TQ_TRACE(" ON_NOTIFY(int code)");
    if (stage == 99)
        startFlash();
}

void sc_00_logo::startFlash()
{
    showLogoOverlay(true);
    materialSetTexturePassUnit(kTitleMaterial, 0, 0, "00_white.png");
    setLogoAlpha(0.0f);
    fade = 0.0f;
    stage = 1;
}

void sc_00_logo::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    const float inc = static_cast<float>(gApp.mFrameMs) / 1000.0f;
    CInput* input = gApp.mInput;
    const int key = input && input->mKeyDown[kEscape] ? 1 : 0;
    const int button = input && input->mLeftDown ? 1 : 0;
    const bool skip = (button_prev && !button) || (key_prev && !key);
    if (skip && (stage == 1 || stage == 2 || stage == 99))
        stage = 3;
    key_prev = key;
    button_prev = button;
    processLogos(inc);
}

String sc_00_logo::curLogoName() const
{
    char name[32];
    std::snprintf(name, sizeof(name), "splash_%02d.jpg", cur_logo);
    return name;
}

bool sc_00_logo::isCurLogoExist()
{
    return resourceExists(curLogoName());
}

void sc_00_logo::loadCurLogo()
{
    const String name = curLogoName();
    materialSetTexturePassUnit(kTitleMaterial, 0, 0, name);
    Log::print("logo %s", name.c_str());
}

void sc_00_logo::processLogos(float inc)
{
    switch (stage)
    {
    case 0:
        // Without a single splash picture the 3D logo comes at once, rather
        // than a blank picture held for nine seconds.
        if (mode == 0 && !isCurLogoExist())
        {
            Log::print("\nWARNING: 00_logo: no splash picture %s", curLogoName().c_str());
            mode = 1;
        }
        if (mode == 0)
        {
            loadCurLogo();
            showLogoOverlay(true);
            setBlackAlpha(1.0f - fade);
            stage = 1;
        }
        else
        {
            showLogoOverlay(false);
            const OBJECT_HANDLE strelka = handleOf("00_strelka");
            const OBJECT_HANDLE belka = handleOf("00_belka");
            const OBJECT_HANDLE camera = handleOf("Camera_01");
            const OBJECT_HANDLE bk1 = handleOf("00_hb_bk1");
            const OBJECT_HANDLE bk2 = handleOf("00_hb_bk2");
            setVisible(strelka, true);
            setVisible(belka, true);
            setVisible(camera, true);
            setVisible(bk1, true);
            animPlay(bk1, "a", 1, 0);
            setObjAnimSpeed(bk1, 700);
            setObjAnimSpeed(bk2, 700);
            mFlashWithoutAnim = animPlay(belka, "a", 1, getOwner()) == 0;
            animPlay(strelka, "a", 1, 0);
            if (sound >= 0)
                CSfxCore::playSound(sound, 1, 0, 0);
            stage = 99;
        }
        break;

    case 99:
        fade += inc * speed;
        if (fade >= 1.0f)
        {
            fade = 1.0f;
            if (mFlashWithoutAnim)
            {
                mFlashWithoutAnim = false;
                setBlackAlpha(0.0f);
                startFlash();
                break;
            }
        }
        setBlackAlpha(1.0f - fade);
        break;

    case 1:
        fade += inc * speed;
        if (fade > 1.0f)
        {
            fade = 1.0f;
            stage = 2;
            hold_until = static_cast<int>(gApp.mGameClock + kHoldMs);
            if (mode == 2)
            {
                setLogoAlpha(0.0f);
                mode = 3;
                speed = 1.0f;
            }
        }
        if (mode == 0)
        {
            setBlackAlpha(1.0f - fade);
        }
        else if (mode == 1 || mode == 2)
        {
            if (fade < 0.5f)
            {
                speed = 10.0f;
                setLogoAlpha(2.0f * fade);
            }
            else
            {
                speed = 0.5f;
                if (mode == 1)
                {
                    mode = 2;
                    setVisible(handleOf("00_strelka"), false);
                    setVisible(handleOf("00_belka"), false);
                    setVisible(handleOf("00_hb_logo"), true);
                    setObjAnimSpeed(handleOf("00_hb_bk1"), 0);
                    setObjAnimSpeed(handleOf("00_hb_bk2"), 0);
                }
                setLogoAlpha(2.0f * (1.0f - fade));
            }
        }
        break;

    case 2:
        if (static_cast<int>(gApp.mGameClock) > hold_until)
            stage = 3;
        break;

    case 3:
        fade -= inc * speed;
        if (fade <= 0.0f)
        {
            fade = 0.0f;
            cur_logo += 1;
            if (isCurLogoExist())
            {
                stage = 0;
            }
            else if (mode == 0)
            {
                mode = 1;
                stage = 0;
            }
            else
            {
                // Left for good: the menu scene follows.
                stage = 100;
                gApp.postUnloadScene();
                gApp.postLoadScene("00_interface_start.scene");
            }
        }
        setBlackAlpha(1.0f - fade);
        break;

    default:
        break;
    }
}

void sc_00_logo::setBlackAlpha(float a)
{
    materialSetAlpha(kBlackMaterial, a);
}

void sc_00_logo::setLogoAlpha(float a)
{
    materialSetAlpha(kTitleMaterial, a);
}

void sc_00_logo::showBlack(int s)
{
    overlaySetVisible(kBlackOverlay, nullptr, nullptr, s != 0);
}
