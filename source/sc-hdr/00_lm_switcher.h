// The script registered as "00_lm_switcher.sc": switches the baked lighting
// of a room.  200 puts the "on" light map ("lm_on"), 100 the "off" one
// ("lm_off") into texture unit 1 of pass 0 of every listed material
// ("material_00" ...), answers the sender with the same code and keeps the
// state in the object-state variable "@on_off" (1 on, 2 off).
#pragma once

#include "CodeScript.h"

class sc_00_lm_switcher : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_lm_switcher(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static const int kMaxMaterials = 10;

    void ON_CREATE() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE who) override;

    /// State 1: the "on" light map on every material, then the answer.
    void switch_on();
    /// State 2: the "off" light map on every material, then the answer.
    void switch_off();

    char materials[kMaxMaterials][128] = {};
    int count = 0;               ///< materials listed
    int code = 0;                ///< last code received
    OBJECT_HANDLE requester = 0; ///< who gets the answer
    String lm_off;               ///< texture of the "off" light map
    String lm_on;                ///< texture of the "on" light map

private:
    void apply(int state, const String& texture);
};
