#include "AnimatableObject.h"

CAnimatableObject::CAnimatableObject(const String& scriptName)
    : CObject(scriptName, OBJECT_KIND_ANIMATED)
{
}

CAnimatableObject::CAnimatableObject(const String& scriptName, int kind)
    : CObject(scriptName, kind)
{
}

CAnimatableObject::~CAnimatableObject() = default;

void CAnimatableObject::update(const Ogre::FrameEvent& evt)
{
    CObject::update(evt);
}
