// The distance glow "00_billbord_depth_glow.sc": a billboard set (whose
// material it fades) or a particle system on a scene object that appears
// when the camera comes near, flickers softly while shown, fades toward the
// screen's border and goes when the camera moves away.  Other scripts switch
// it off (0 with a fade, 100 at once) and on (101); the off state is kept in
// the game variable "<node>@off".
#pragma once

#include "CodeScript.h"

class sc_00_billbord_depth_glow : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_billbord_depth_glow(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    /// Reads the parameters, starts hidden when switched off, and starts
    /// the frame timer.
    void ON_CREATE() override;
    /// One frame: distance, screen factor, fade and flicker.
    void ON_TIME() override;
    /// 0 switch off with a fade, 100 switch off at once, 101 switch on.
    void ON_NOTIFY(int code) override;

    static float fabs(float value);
    /// The next flicker target, base + amplitude * (0..0.99).
    void genNewA();
    /// The game variable "<node>@<key>" as an int.
    int getObjParamI(const String& key);
    void setObjParamI(const String& key, int value);

    float mAlpha = 0.0f;                   ///< fade alpha
    float mAmplA = 0.3f;                   ///< flicker amplitude "ampl_a"
    float mBaseA = 0.7f;                   ///< flicker base "base_a"
    char mBbName[64] = {};                 ///< billboard set or particle system "bbname"
    float mCurA = 1.0f;                    ///< current flicker target
    float mPrevA = 1.0f;                   ///< previous flicker target
    float mFlickerMs = 100.0f;             ///< flicker interval
    float mDist = 0.0f;                    ///< "dist"
    float mShowSpeed = 1.5f;               ///< "show_speed", per second
    float mHideSpeed = 1.0f;               ///< "hide_speed", per second
    String mMat;                           ///< "mat"
    int mMatPass = 0;                      ///< "mat_pass"
    int mMatTexture = 0;                   ///< "mat_texture"
    int mNoFlash = 0;
    int mNoBorderFading = 0;
    int mDontCareCameraMove = 0;
    int mSetAlpha = 0;
    int mParticles = 0;
    int mScreenAmp = 10;                   ///< "screen_amp"; 0 counts as 10
    int mHidden = 0;                       ///< switched off
    String mOffKey = "off";
    int mState = 0;                        ///< 0 hidden, 1 fading in, 2 shown, 3 fading out
    float mNextFlicker = 0.0f;             ///< game clock (ms) of the next flicker target

private:
    /// Writes value into the material as the parameters say.
    void applyMaterial(float value);
};
