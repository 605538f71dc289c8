#include "Hero.h"

CHero::CHero(const String& scriptName)
    : CAnimatableObject(scriptName, OBJECT_KIND_HERO)
{
}

CHero::~CHero() = default;

void CHero::update(const Ogre::FrameEvent& evt)
{
    CObject::update(evt);
}
