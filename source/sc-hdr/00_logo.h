// The logo screens "00_logo.sc" of the scene "00_logo_start.scene": every
// splash picture "splash_NN.jpg" from 01 upward, each out of black, held
// and back into black; then the maker's 3D logo with its jingle and a white
// flash; then the main menu.  A click or Escape skips the current screen.
#pragma once

#include "CodeScript.h"

class sc_00_logo : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_logo(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int code) override;

    /// Whether the current splash picture is in the data.
    bool isCurLogoExist();
    /// Puts the current splash picture on "logo/title".
    void loadCurLogo();
    /// One tick of the screens; inc in seconds.
    void processLogos(float inc);
    void setBlackAlpha(float a);
    void setLogoAlpha(float a);
    void showBlack(int s);

    float fade = 0.0f;
    int cur_logo = 1;
    int mode = 0;        ///< 0 splashes, 1 3D logo, 2 after the swap, 3 held and fading out
    int key_prev = 0;
    int button_prev = 0;
    int sound = -1;
    float speed = 0.5f;
    int stage = 0;       ///< 0 next item, 1 fade in, 2 hold, 3 fade out, 99 3D logo playing
    int hold_until = 0;

private:
    /// The white flash that turns the figures into the logo object.
    void startFlash();
    /// The name of the current splash picture.
    String curLogoName() const;

    /// The figures' animation could not start, so nothing will end it: the
    /// flash follows once the veil has lifted.
    bool mFlashWithoutAnim = false;
};
