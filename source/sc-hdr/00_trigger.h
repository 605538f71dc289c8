// The script registered as "00_trigger.sc": a one-shot switch for an
// animation script.  A click (or 100) sends the open code and hides the
// trigger; 200 sends the close code.  Under the cursor it may show a hint and
// the sparkle cursor.
#pragma once

#include "CodeScript.h"

class sc_00_trigger : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_trigger(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_LBUTTONUP() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;
    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;

    /// Once while closed: hides the trigger and sends the open code.
    void open();
    /// Once while open: sends the close code (the trigger stays hidden).
    void close();

    int mAnimCloseMsg = 0;          ///< "anim_close_msg"
    int mAnimOpenMsg = 0;           ///< "anim_open_msg"
    OBJECT_HANDLE mAnimScript = 0;  ///< the object named by "anim_script"
    int mHint = 0;                  ///< "hint"
    int mOpen = 0;                  ///< 1 after open, 0 after close
};
