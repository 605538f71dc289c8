// The date and place caption "00_date_shower.sc": a string-table text in the
// middle of the lower screen that fades in, stays three seconds or until
// the player clicks, fades out and then tells whoever asked for it.  The
// location scripts find it under the object name "01_01_scene_ds".
#pragma once

#include "CodeScript.h"

class sc_00_date_shower : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_date_shower(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    /// Creates the caption and its shadow and gives them the "text" parameter.
    void ON_CREATE() override;
    /// Removes the two text elements.
    void ON_DESTROY() override;
    /// One frame of the fade and of the click test.
    void ON_TIME() override;
    /// 200 hides the caption; any other code shows the caption of that id.
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    /// Shows caption id; a sender other than 0 becomes the requester.
    void start(int id, OBJECT_HANDLE sender);
    /// Hides the caption and sends the requester 777.
    void stop();
    /// Alpha of the caption's font material.
    void setAlpha(float alpha);

    /// The overlay element that holds the two texts.  Text areas cannot hang
    /// in an overlay directly, so the data gives them a container.
    static const char* const kFrame;

    float mSpeed = 0.01f;                      ///< kept from the constructor; the fade uses the frame time
    float mAlpha = 0.0f;
    String mFontMaterial = "Fonts/00_date_text";
    int mPrevLButton = 0;                      ///< left button at the previous frame
    int mCurLButton = 0;                       ///< left button at this frame
    OBJECT_HANDLE mRequester = 0;
    String mOverlay = "DateText";
    String mText = "DateTextContainer";
    String mShadow = "DateTextContainerBk";
    int mState = 0;                            ///< 0 fading in (or idle), 1 shown, 2 fading out
    int mId = 0;                               ///< string id of the caption
    float mSpeed2 = 0.06f;                     ///< kept from the constructor; not used by the fade
    float mShownAt = 0.0f;                     ///< game clock (ms) when fully shown
    int mTimer = 0;                            ///< the frame timer, 0 when none
};
