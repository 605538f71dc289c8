// The hint panel "00_hint.sc" (object "00_hint"): a short string-table text
// in a bordered panel of the in-game interface, shown while the cursor
// rests on a hot spot.  Exits and hot spots send the hint's id on focus and
// 100 on loss of focus; the interface sends 10000 once hints may show.
#pragma once

#include "CodeScript.h"

class sc_00_hint : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_hint(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    /// Builds the panel, hidden and transparent.
    void ON_CREATE() override;
    /// Removes the panel's elements.
    void ON_DESTROY() override;
    /// The delay timer shows the hint; the fade timer moves the alpha.
    void ON_TIME(int id) override;
    /// 100 hide, 10000 enable, any other code (once enabled) a hint id.
    void ON_NOTIFY(int code) override;

    /// Starts the fade timer unless it runs.
    void createAlphaTimer();
    void killAlphaTimer();
    /// Clamps the alpha and applies it to the borders and the text.
    void setAlpha();
    /// The text of the current hint id, with the hint counter when one runs.
    void setHint();
    void startShowingHint();
    void startHidingHint();
    /// Kills the delay timer when there is one.
    void killDelayTimer();

    float mAlpha = 0.0f;
    int mAlphaTimer = 0;                   ///< the fade timer, 0 when none
    int mHintId = 0;                       ///< the last code received
    int mEnabled = 0;                      ///< hints enabled
    String mOverlay;                       ///< "__GameInterface/Hint"
    String mText;                          ///< "HintText"
    String mBorder1;                       ///< "HintBorder1", the centre (holds the text)
    String mBorder2;                       ///< "HintBorder2", the left end
    String mBorder3;                       ///< "HintBorder3", the right end
    int mDirection = 0;                    ///< 1 showing, 0 hiding
    int mDelayTimer = 0;                   ///< 0 when none
};
