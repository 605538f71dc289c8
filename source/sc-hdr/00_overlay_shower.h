// The script registered as "00_overlay_shower.sc": a found document (letter,
// newspaper page, note) shown full-screen.  A requester sends 100; the
// screen fades out and back in on the same camera through "00_fader", and
// at the black moment the document's overlays (listed in the node's
// parameters) appear.  A new press closes it behind a second fade, and the
// requester gets 100 back.  With "super_effect" 1 a 3D sheet unfolds and
// darkens before the text fades in.
#pragma once

#include "CodeScript.h"

class sc_00_overlay_shower : public virtual CodeScript
{
public:
    /// One overlay (or element) of the document.
    struct SHOWER_OVER
    {
        String over;              ///< the overlay
        String cont;              ///< an element of it (level 2)
        String inner;             ///< an element of cont (level 3)
        String var;               ///< a game variable shown as the element's text
        float char_height = 0.0f; ///< character height, 0: as loaded
        int has_var = 0;          ///< 1 when var is given
        int level = 0;            ///< 1 overlay, 2 with cont, 3 with inner
        int str = 0;              ///< string-table id of the text, 0: none
        int width = 0;            ///< line width of that text, 0: unwrapped
        int rot = 0;              ///< rotation of the overlay while shown
        float pos_x = -1.0f;      ///< the element's position, -1: as loaded
        float pos_y = -1.0f;
    };

    /// The entries kept; further "over_NN" parameters are not read.
    static constexpr int kMaxOvers = 10;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_overlay_shower(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE who) override;
    void ON_TIME() override;

    /// 2.9444 x^3 - 6.8167 x^2 + 4.8722 x: overshoots to about 1.1 at 0.5.
    static float cubeFunc(float x);
    /// Fades to black and back on the current camera.
    void makeShot();
    /// The closing fade.
    void makeShot2();
    /// Asks the fader for the fade of fader_code; without a fader, takes
    /// both of its answers at once.
    void fade();
    /// The screen is black.
    void faderMsg();
    /// The fade is over.
    void faderEnd();
    /// Shows (1) or hides (0) the document.
    void overVisible(int v);

    float t = 0.0f;                  ///< progress of the sheet animation's step
    int fader_code = 0;              ///< fader code of the current fade
    OBJECT_HANDLE fader = 0;         ///< "00_fader"
    float dt = 0.0f;                 ///< seconds of the last frame
    int answer = 0;                  ///< the code given back to the requester
    int lbutton_before = 0;          ///< left button at the tick before
    int lbutton_now = 0;             ///< left button at this tick
    SHOWER_OVER overs[kMaxOvers];    ///< the entries
    int count = 0;                   ///< entries read
    String scene;                    ///< objects hung under "Camera" while shown
    OBJECT_HANDLE requester = 0;     ///< who asked for the document
    int phase = 0;                   ///< 0 idle, 1 fading in, 2 shown, 3 fading out
    int super_effect = 0;            ///< 1: the sheet animation
    int step = 0;                    ///< sheet animation step; 2 and above: done
    int timer = 0;                   ///< the per-frame timer while shown
};
