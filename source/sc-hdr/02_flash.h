// The script registered as "02_flash.sc": the flash of a key part.  On 100
// (while the key has not been used) it brightens its material over 0.3 s,
// holds it, darkens it again by 1.0 s, with a particle burst and a voice,
// then answers the sender with 100.  The material, the flashing object and
// the voice come from the object's .scene parameters.
#pragma once

#include "CodeScript.h"

class sc_02_flash : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_flash(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE who) override;

    /// Starts the flash.
    void start();
    /// Ends the flash and answers.
    void stop();

    float flashLevel = 0.0f;       ///< the colour applied to the material
    String material;               ///< parameter "material"
    int replyCode = 0;             ///< 100 once started
    OBJECT_HANDLE flashObject = 0; ///< the object named by parameter "object"
    OBJECT_HANDLE replyTo = 0;     ///< the sender of the start
    int sound = 0;                 ///< parameter "sound": the voice played
    float time = 0.0f;             ///< seconds since the start
    float rampUpEnd = 0.3f;
    float holdEnd = 0.7f;
    float rampDownEnd = 1.0f;
    int flashTimer = 0;            ///< 0 while idle
};
