// The title screen "00_title.sc": on request the game's title (a picture
// panel with three lines of text) fades in over the scene; four seconds
// after the request the requester hears that it has been shown.
#pragma once

#include "CodeScript.h"

class sc_00_title : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_title(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;
    void ON_TIME() override;

    /// Builds the overlay and starts the fade-in.
    void start();
    /// Removes the overlay and stops the timer.
    void destroy();
    /// The picture's and the three texts' materials take alpha a.
    void setAlpha(float a);
    /// One text line from the template "Comment" inside the picture panel.
    void initText(const char* element, float y, float charHeight, int stringId, float colour,
                  const char* material);

    float alpha = 0.0f;
    int created = 0;
    float frameTime = 0.0f;
    float size = 1.0f;     ///< .scene parameter "size"
    float pos_y = 0.0f;    ///< .scene parameter "pos_y"
    OBJECT_HANDLE requester = 0;
    int timer = 0;
};
