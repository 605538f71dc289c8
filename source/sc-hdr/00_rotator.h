// The script registered as "00_rotator.sc": turns a scene object about a
// fixed axis.  100 accelerates it to "max_speed"; 200 lets it turn on to
// its next rest position (one of "phases" per turn) and slow down there.
// The sender of a command hears 100 at full speed and 200 at a standstill.
// The object-state variable "@state" keeps whether it turns.
#pragma once

#include "CodeScript.h"

#include <OgreQuaternion.h>

class sc_00_rotator : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_rotator(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE who) override;
    void ON_TIME(int id) override;

    /// The object-state variable of key ("<node>@<key>"), 0 when absent.
    int getMyParamI(const String& prm);
    void setMyParamI(const String& prm, int val);

    float acc = 0.0f;                    ///< degrees per second per second
    float angle = 0.0f;                  ///< degrees, kept in 0..360
    OBJECT_HANDLE anim_obj = 0;          ///< the object turned
    float axis[3] = {0.0f, 0.0f, 0.0f};  ///< Euler weights of the axis
    int finish = 0;                      ///< 1 from a stop until a rest position
    float max_speed = 0.0f;              ///< degrees per second
    int phases = 1;                      ///< rest positions per turn
    Ogre::Quaternion orient = Ogre::Quaternion::IDENTITY; ///< orientation at creation
    OBJECT_HANDLE sender = 0;            ///< who hears the next report
    int report = 0;                      ///< the report sender waits for: 100 or 200
    float speed = 0.0f;                  ///< degrees per second
    int state = 0;                       ///< not 0: speed up or keep full speed
    int timer = 0;
};
