// The walking character (kind 2): the base update first, then the walk.
#pragma once

#include "AnimatableObject.h"

class CHero : public CAnimatableObject
{
public:
    /// The hero bound to the named script (empty: none).
    explicit CHero(const String& scriptName = String());
    ~CHero() override;

    /// The base object's update (own clock, timers), then the walk.
    void update(const Ogre::FrameEvent& evt) override;
};
