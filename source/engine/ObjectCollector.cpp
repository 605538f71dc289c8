// Scene objects and the object collector.
#include "Application.h"

void CApplication::updateObjects(const Ogre::FrameEvent&) {}
