// The script registered as "00_minigame_interf.sc": the result display of
// the mini-games.  A solved game sends 1100 with its own handle; the frame
// shows string 100 growing, bobbing and fading over the screen with a small
// 3D decoration and two particle effects, and gives the game its 1100 back
// when the show ends or at the player's next click.  The starter's 100
// clears everything once the camera is back.
#pragma once

#include "CodeScript.h"

class sc_00_minigame_interf : public virtual CodeScript
{
public:
    /// The result text and its show.
    struct STATUS_TEXT
    {
        String overlay_name;  ///< "GameInterfaceOverlay"
        String text_name;     ///< "MinigameText"
        String back_name;     ///< "MinigameTextBack", the layer behind it
        String font_material; ///< "Fonts/00_font_03"
        float phase = 0.0f;   ///< progress of the show, 0 to 1
        float speed = 0.0f;   ///< progress per second
        int state = 0;        ///< 0 idle, 1 showing, 2 done
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_minigame_interf(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;
    void ON_TIME(int id) override;

    /// Names, hidden elements with caption str and the font material.
    void stextInit(STATUS_TEXT* st, int str = 100);
    /// Starts the show of string str with the decoration and particles.
    void stextStart(STATUS_TEXT* st, int str);
    /// One tick of the show; 1 when it has just ended.
    int stextProcess(STATUS_TEXT* st, float inc);
    /// Hides the text and gives the font its full alpha back.
    void stextCleanup(STATUS_TEXT* st);
    /// Stops the show: timer, text, decoration and particles.
    void cleanup();

    int anim_id = 0;              ///< the decoration's animation id; its end is ignored
    int echo_code = 0;            ///< the code that started the show
    int button = 0;               ///< left button at this tick
    int button_prev = 0;          ///< left button at the tick before
    STATUS_TEXT status;           ///< the result text
    OBJECT_HANDLE requester = 0;  ///< the game to answer; 0 once answered
    int timer = 0;                ///< the show's timer, 0 when none

private:
    /// Switches the two particle systems on (shown, emitting) or off.
    static void particles(bool on);
    /// Shows or hides both text elements.
    void textVisible(bool visible);
};
