// The script registered as "00_click_task.sc": a hot spot that the story uses
// as a task step.  Clicked, it may have a line said (once or every time),
// play a click sound, hide itself, start an animation script and report the
// click to the in-game interface with 777, at once or after the line.  An
// inventory item dropped on it can say another line.  Up to 32 conditions
// on game variables decide whether it reacts at all.
#pragma once

#include "CodeScript.h"

/// One condition: the game variable must hold the value.
struct __MSN_CONDITION
{
    int used = 0;       ///< 1 when the condition was loaded
    int value = 0;      ///< the value the variable must have
    String variable;    ///< the game variable's name
    int initialised = 0;
};

class sc_00_click_task : public virtual CodeScript
{
public:
    static constexpr int kConditions = 32;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_click_task(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_LBUTTONUP() override;
    void ON_NOTIFY(int code) override;
    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;

    /// Empties every condition.
    void condsInit();
    /// Loads "cond_NN_param" / "cond_NN_val" from 00 up to the first gap.
    void condsLoad();
    /// Loads condition n; false when its "_param" key is missing.
    bool conditionLoad(int n);
    /// True when the condition's variable holds its value.
    bool conditionCheck(const __MSN_CONDITION& condition);
    /// True when every loaded condition holds (true without any).
    bool condsCheck();
    /// Reads the line parameters and the click sound.
    void dlgLoad();
    /// The string parameter base + n (two digits) + postfix; false when missing.
    bool loadParam(String& result, const String& base, int n, const String& postfix);
    /// The same as an int, 0 when missing.
    int loadParamInt(const String& base, int n, const String& postfix);

    int mAnimMsg = 0;                       ///< "anim_msg"
    OBJECT_HANDLE mAnimScript = 0;          ///< the object named by "anim_script"
    int mDlgId = 0;                         ///< "dlg_id": the line of a plain click
    int mDlgIdUse = 0;                      ///< "dlg_id_use": the line of a dropped item
    int mDlgObjUse = 0;                     ///< "dlg_obj_use": the item it needs (0: any)
    String mDlgParam;                       ///< "dlg_param": the once-only variable
    int mDlgParamSet = 0;                   ///< 1 when "dlg_param" exists
    int mHideMe = 0;                        ///< "hide_me"
    int mHint = 0;                          ///< "hint"
    __MSN_CONDITION mConditions[kConditions];
    int mSoundClick = 0;                    ///< "sound_click": voice for "00_movies"

private:
    /// Tutorial away, the line to the dialog player, clicks off until it answers.
    void sayLine(int id);
};
