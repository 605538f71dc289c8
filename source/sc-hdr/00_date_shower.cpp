#include "00_date_shower.h"

#include "Application.h"
#include "Input.h"
#include "Object.h"
#include "Trace.h"

const char* const sc_00_date_shower::kFrame = "DateTextFrame";

namespace
{
const int kHideCode = 200;
const int kGoneCode = 777;
const int kStaysUntilClick = 10149; ///< the one caption that waits for the player
const float kShowMs = 3000.0f;
} // namespace

void sc_00_date_shower::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    const Ogre::Vector2 textAt(0.5f, 0.65f);
    const Ogre::Vector2 shadowAt(0.503f, 0.653f);
    const Ogre::Vector2 size(0.2f, 0.2f);
    const char* o = mOverlay.c_str();
    overlayCreateFromTemplate(o, "DatePlaceTextBlack", kFrame, mShadow.c_str(), &shadowAt, &size, 150, "TextArea");
    overlayCreateFromTemplate(o, "DatePlaceText", kFrame, mText.c_str(), &textAt, &size, 150, "TextArea");
    const int text = getObjParamI(getOwner(), "text");
    overlaySetCaption(o, kFrame, mText.c_str(), text, -1, -1, nullptr);
    overlaySetCaption(o, kFrame, mShadow.c_str(), text, -1, -1, nullptr);
    // The templates name the font, whose material is mFontMaterial.
    overlaySetCharHeight(o, kFrame, mText.c_str(), 0.04f);
    overlaySetCharHeight(o, kFrame, mShadow.c_str(), 0.04f);
}

void sc_00_date_shower::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    overlayDestroy(mOverlay.c_str(), kFrame, mText.c_str());
    overlayDestroy(mOverlay.c_str(), kFrame, mShadow.c_str());
}

void sc_00_date_shower::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    if (code == kHideCode)
        stop();
    else
        start(code, sender);
}

void sc_00_date_shower::start(int id, OBJECT_HANDLE sender)
{
    TQ_TRACE(" start(int id, OBJECT_HANDLE sender)");
    mId = id;
    if (sender)
        mRequester = sender;
    // A second request while one runs keeps its one timer.
    CObject* self = gObjectCollector.get(getOwner());
    if (!mTimer && self)
        mTimer = CObject::createTimer(self, 1, -1, nullptr);
    mState = 0;
    mAlpha = 0.0f;
    setAlpha(mAlpha);
    overlaySetVisible(mOverlay.c_str(), nullptr, nullptr, true);
    overlaySetCaption(mOverlay.c_str(), kFrame, mText.c_str(), id, -1, -1, nullptr);
    overlaySetCaption(mOverlay.c_str(), kFrame, mShadow.c_str(), id, -1, -1, nullptr);
}

void sc_00_date_shower::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    if (!mTimer)
        return;
    const float dt = gApp.mFrameMs / 1000.0f;
    if (mState == 0)
    {
        mAlpha += dt;
        if (mAlpha > 1.0f)
        {
            mAlpha = 1.0f;
            mState = 1;
            mShownAt = static_cast<float>(gApp.mGameClock);
        }
    }
    if (mState == 1 && static_cast<float>(gApp.mGameClock) - mShownAt > kShowMs && mId != kStaysUntilClick)
        mState = 2;
    if (mState == 2)
    {
        mAlpha -= dt;
        if (mAlpha < 0.0f)
        {
            mAlpha = 0.0f;
            mState = 0;
            stop();
        }
    }
    setAlpha(mAlpha);

    mPrevLButton = mCurLButton;
    mCurLButton = gApp.mInput && gApp.mInput->mLeftDown ? 1 : 0;
    if (mState == 1 && mPrevLButton && !mCurLButton)
        mState = 2;
}

void sc_00_date_shower::stop()
{
    TQ_TRACE(" stop()");
    if (mTimer)
    {
        if (CObject* self = gObjectCollector.get(getOwner()))
            CObject::killTimer(self, mTimer);
        mTimer = 0;
    }
    overlaySetVisible(mOverlay.c_str(), nullptr, nullptr, false);
    if (mRequester)
        sendNotify(mRequester, getOwner(), kGoneCode);
}

void sc_00_date_shower::setAlpha(float alpha)
{
    TQ_TRACE(" setAlpha(float alpha)");
    materialSetAlpha(mFontMaterial, alpha);
}
