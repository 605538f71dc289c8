#include "00_billbord_depth_glow.h"

#include "Application.h"
#include "Object.h"
#include "Trace.h"

#include <OgreCamera.h>
#include <OgreSceneNode.h>

namespace
{
// A parameter n given as a percentage: n / 100, or the default when missing.
void readPercent(OBJECT_HANDLE obj, const char* key, float& value)
{
    float n = 0.0f;
    if (CVirtualScript::getObjParamF(obj, key, n))
        value = n / 100.0f;
}
} // namespace

float sc_00_billbord_depth_glow::fabs(float value)
{
    return value < 0.0f ? -value : value;
}

int sc_00_billbord_depth_glow::getObjParamI(const String& key)
{
    TQ_TRACE(" getObjParamI(const String& key)");
    CObject* self = gObjectCollector.get(getOwner());
    const char* name = self ? self->getNodeName() : nullptr;
    return name ? getVarI(String(name) + "@" + key) : 0;
}

void sc_00_billbord_depth_glow::setObjParamI(const String& key, int value)
{
    TQ_TRACE(" setObjParamI(const String& key, int value)");
    CObject* self = gObjectCollector.get(getOwner());
    if (const char* name = self ? self->getNodeName() : nullptr)
        setVarI(String(name) + "@" + key, value);
}

void sc_00_billbord_depth_glow::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    const OBJECT_HANDLE me = getOwner();
    readPercent(me, "ampl_a", mAmplA);
    readPercent(me, "base_a", mBaseA);
    getObjParamS(me, "bbname", mBbName, sizeof(mBbName));
    mDist = static_cast<float>(CVirtualScript::getObjParamI(me, "dist"));
    readPercent(me, "show_speed", mShowSpeed);
    readPercent(me, "hide_speed", mHideSpeed);
    getObjParamS(me, "mat", mMat);
    mMatPass = CVirtualScript::getObjParamI(me, "mat_pass");
    mMatTexture = CVirtualScript::getObjParamI(me, "mat_texture");
    mNoFlash = CVirtualScript::getObjParamI(me, "no_flash");
    mNoBorderFading = CVirtualScript::getObjParamI(me, "no_border_fading");
    mDontCareCameraMove = CVirtualScript::getObjParamI(me, "dont_care_camera_move");
    mSetAlpha = CVirtualScript::getObjParamI(me, "set_alpha");
    mParticles = CVirtualScript::getObjParamI(me, "particles");
    mScreenAmp = CVirtualScript::getObjParamI(me, "screen_amp");
    if (mScreenAmp == 0)
        mScreenAmp = 10;

    // A loaded game knows whether the glow was switched off; a new one
    // takes the room's word for it.
    mHidden = getConfigI("load_from_save") ? getObjParamI(mOffKey) : CVirtualScript::getObjParamI(me, "hide");
    if (mHidden)
    {
        mState = 0;
        if (!mParticles)
        {
            applyMaterial(0.0f);
            billboardSetVisible(mBbName, false);
        }
        mHidden = 1;
        setObjParamI(mOffKey, 1);
    }
    if (CObject* self = gObjectCollector.get(me))
        CObject::createTimer(self, 1, -1, nullptr);
}

void sc_00_billbord_depth_glow::ON_NOTIFY(int code)
{
    TQ_TRACE(" ON_NOTIFY(int code)");
    switch (code)
    {
    case 0:
        mState = 3;
        mHidden = 1;
        setObjParamI(mOffKey, 1);
        break;
    case 100:
        mState = 3;
        mAlpha = 0.0f;
        mHidden = 1;
        setObjParamI(mOffKey, 1);
        break;
    case 101:
        mState = 1;
        mHidden = 0;
        setObjParamI(mOffKey, 0);
        break;
    default:
        break;
    }
}

void sc_00_billbord_depth_glow::genNewA()
{
    TQ_TRACE(" genNewA()");
    mPrevA = mCurA;
    const int r = randomInt() % 100;
    mCurA = mBaseA + mAmplA * (r / 100.0f);
}

void sc_00_billbord_depth_glow::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    CObject* self = gObjectCollector.get(getOwner());
    Ogre::SceneNode* node = self ? self->getNode() : nullptr;
    if (!node || !gApp.mCamera)
        return;
    const float dt = gApp.mFrameMs / 1000.0f;
    const float clock = static_cast<float>(gApp.mGameClock);

    float screen = 0.0f;
    if (mNoBorderFading)
        screen = 1.0f;
    else if (mState != 0)
    {
        Ogre::Vector2 at(0.0f, 0.0f);
        worldToScreen(getOwner(), at);
        screen = (1.0f - fabs(2.0f * at.y - 1.0f)) * (1.0f - fabs(2.0f * at.x - 1.0f)) * mScreenAmp;
        screen = screen < 0.0f ? 0.0f : (screen > 1.0f ? 1.0f : screen);
    }

    const float distance = gApp.mCamera->getDerivedPosition().distance(node->_getDerivedPosition());
    if (distance > mDist)
    {
        if (mState != 0)
            mState = 3;
        if (mParticles)
            particleSetEmitting(mBbName, false);
    }
    else
    {
        // A switched-off particle glow stays dark when the camera comes near.
        if (mParticles && !mHidden)
            particleSetEmitting(mBbName, true);
        if ((mDontCareCameraMove || getVarI("is_camera_moving") == 0) && !mHidden && mState != 2)
        {
            mState = 1;
            if (!mParticles)
                billboardSetVisible(mBbName, true);
        }
    }

    if (mState == 1)
    {
        mAlpha += dt * mShowSpeed;
        if (mAlpha > 1.0f)
        {
            mAlpha = 1.0f;
            mState = 2;
        }
    }
    else if (mState == 3)
    {
        mAlpha -= dt * mHideSpeed;
        if (mAlpha < 0.0f)
        {
            mAlpha = 0.0f;
            mState = 0;
            if (!mParticles)
                billboardSetVisible(mBbName, false);
        }
    }

    if (mParticles)
        return;
    if (clock > mNextFlicker)
    {
        genNewA();
        mNextFlicker = clock + mFlickerMs;
    }
    const float t = (mNextFlicker - clock) / mFlickerMs;
    const float flicker = (1.0f - t) * mCurA + t * mPrevA;
    applyMaterial(mNoFlash ? mAlpha * mBaseA * screen : flicker * mAlpha * screen);
}

void sc_00_billbord_depth_glow::applyMaterial(float value)
{
    if (mMat.empty())
        return;
    const uint16_t pass = static_cast<uint16_t>(mMatPass);
    const uint16_t unit = static_cast<uint16_t>(mMatTexture);
    if (mSetAlpha)
        materialSetAlpha2(mMat, pass, unit, value);
    else
        // Mode 3 keeps the material's own colour operation, so a textured
        // glow and a plain-coloured one both take the value.
        materialBlendColour(mMat, pass, unit, value, value, value, 3);
}
