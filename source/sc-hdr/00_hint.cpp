#include "00_hint.h"

#include "Application.h"
#include "Object.h"
#include "Trace.h"

#include <string>

namespace
{
const int kHide = 100;
const int kEnable = 10000;
const float kFadePerSecond = 3.0f;

const char* const kCentre = "interf/hint_border_center";
const char* const kLeft = "interf/hint_border_left";
const char* const kRight = "interf/hint_border_right";
const char* const kFont = "Fonts/00_font_02";
} // namespace

void sc_00_hint::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    mOverlay = "__GameInterface/Hint";
    mText = "HintText";
    mBorder1 = "HintBorder1";
    mBorder2 = "HintBorder2";
    mBorder3 = "HintBorder3";
    const char* o = mOverlay.c_str();

    // A strip over the lower edge of the screen: the centre piece holds the
    // text, the two ends close it; the text sits "task_text_line_shift"
    // below the strip's top.  The template names the font "00_font_02".
    const float x = 0.25f, y = 0.86f, width = 0.5f, height = 0.06f, end = 0.02f, charHeight = 0.03f;
    float shift = (height - charHeight) / 2.0f;
    getConfigF("task_text_line_shift", shift);
    const Ogre::Vector2 centreAt(x, y), centreSize(width, height);
    const Ogre::Vector2 leftAt(x - end, y), rightAt(x + width, y), endSize(end, height);
    overlayCreatePanel(o, mBorder1.c_str(), nullptr, kCentre, &centreAt, &centreSize, 500);
    overlayCreatePanel(o, mBorder2.c_str(), nullptr, kLeft, &leftAt, &endSize, 500);
    overlayCreatePanel(o, mBorder3.c_str(), nullptr, kRight, &rightAt, &endSize, 500);
    const Ogre::Vector2 textAt(0.01f, shift), textSize(width - 0.02f, charHeight);
    overlayCreateFromTemplate(o, "HintComment", mBorder1.c_str(), mText.c_str(), &textAt, &textSize, 500,
                              "TextArea");
    overlaySetCharHeight(o, mBorder1.c_str(), mText.c_str(), charHeight);
    overlaySetVisible(o, nullptr, nullptr, false);
    setAlpha();
}

void sc_00_hint::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    // All three pieces go (the text with the centre), so that the next room
    // builds the panel afresh.
    overlayDestroy(mOverlay.c_str(), mBorder1.c_str(), nullptr);
    overlayDestroy(mOverlay.c_str(), mBorder2.c_str(), nullptr);
    overlayDestroy(mOverlay.c_str(), mBorder3.c_str(), nullptr);
}

void sc_00_hint::ON_NOTIFY(int code)
{
    TQ_TRACE(" ON_NOTIFY(int code)");
    mHintId = code;
    if (code == kHide)
    {
        killDelayTimer();
        startHidingHint();
    }
    else if (code == kEnable)
        mEnabled = 1;
    else if (mEnabled)
    {
        killDelayTimer();
        if (CObject* self = gObjectCollector.get(getOwner()))
            mDelayTimer = CObject::createTimer(self, 1, 1, nullptr);
    }
}

void sc_00_hint::killDelayTimer()
{
    if (!mDelayTimer)
        return;
    if (CObject* self = gObjectCollector.get(getOwner()))
        CObject::killTimer(self, mDelayTimer);
    mDelayTimer = 0;
}

void sc_00_hint::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (id == mDelayTimer && mDelayTimer)
    {
        mDelayTimer = 0;
        startShowingHint();
    }
    else if (id == mAlphaTimer && mAlphaTimer)
    {
        const float step = gApp.mFrameMs / 1000.0f * kFadePerSecond;
        if (mDirection)
        {
            mAlpha += step;
            if (mAlpha >= 1.0f)
                killAlphaTimer();
        }
        else
        {
            mAlpha -= step;
            if (mAlpha <= 0.0f)
            {
                killAlphaTimer();
                overlaySetVisible(mOverlay.c_str(), nullptr, nullptr, false);
            }
        }
        setAlpha();
    }
}

void sc_00_hint::startShowingHint()
{
    TQ_TRACE(" startShowingHint()");
    mDirection = 1;
    overlaySetVisible(mOverlay.c_str(), nullptr, nullptr, true);
    setHint();
    createAlphaTimer();
}

void sc_00_hint::startHidingHint()
{
    TQ_TRACE(" startHidingHint()");
    mDirection = 0;
    createAlphaTimer();
    setVarI("hint_counter_need", 0);
    setVarI("hint_counter_of", 0);
}

void sc_00_hint::createAlphaTimer()
{
    TQ_TRACE(" createAlphaTimer()");
    CObject* self = gObjectCollector.get(getOwner());
    if (!mAlphaTimer && self)
        mAlphaTimer = CObject::createTimer(self, 1, -1, nullptr);
}

void sc_00_hint::killAlphaTimer()
{
    TQ_TRACE(" killAlphaTimer()");
    if (CObject* self = gObjectCollector.get(getOwner()))
        CObject::killTimer(self, mAlphaTimer);
    mAlphaTimer = 0;
}

void sc_00_hint::setAlpha()
{
    TQ_TRACE(" setAlpha()");
    mAlpha = mAlpha < 0.0f ? 0.0f : (mAlpha > 1.0f ? 1.0f : mAlpha);
    materialSetAlpha(kCentre, mAlpha);
    materialSetAlpha(kLeft, mAlpha);
    materialSetAlpha(kRight, mAlpha);
    const char* o = mOverlay.c_str();
    overlaySetColourTop(o, mBorder1.c_str(), mText.c_str(), 1.0f, 1.0f, 0.9f, mAlpha);
    overlaySetColourBottom(o, mBorder1.c_str(), mText.c_str(), 0.85f, 0.8f, 0.6f, mAlpha);
    materialSetAlpha(kFont, mAlpha);
}

void sc_00_hint::setHint()
{
    TQ_TRACE(" setHint()");
    const char* o = mOverlay.c_str();
    const char* e = mBorder1.c_str();
    const char* c = mText.c_str();
    overlaySetCaption(o, e, c, mHintId, -1, -1, nullptr);
    const int need = getVarI("hint_counter_need");
    if (need <= 0)
        return;
    // "<hint><127><need><128><of>": the counters are plain numbers, so
    // they go in as text between the two string-table pieces.
    String caption;
    overlayAppendTextById(o, e, c, 127);
    overlayGetCaption(o, e, c, caption);
    overlaySetCaptionText(o, e, c, (caption + std::to_string(need)).c_str());
    overlayAppendTextById(o, e, c, 128);
    overlayGetCaption(o, e, c, caption);
    overlaySetCaptionText(o, e, c, (caption + std::to_string(getVarI("hint_counter_of"))).c_str());
}
