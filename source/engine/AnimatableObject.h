// Scene objects with skeletal animation layers and way-points (kind 3).
#pragma once

#include "Object.h"

class CAnimatableObject : public CObject
{
public:
    /// An animated object bound to the named script (empty: none).
    explicit CAnimatableObject(const String& scriptName = String());
    ~CAnimatableObject() override;

    /// Runs the way-points and the animation layers.  Until those exist it
    /// does what a plain object does.
    void update(const Ogre::FrameEvent& evt) override;

protected:
    /// For the hero: registers with its own kind.
    CAnimatableObject(const String& scriptName, int kind);
};
