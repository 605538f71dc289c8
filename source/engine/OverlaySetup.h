// The overlay system of the game: OGRE's, with text areas that keep their
// spaces when they are made from templates.
#pragma once

namespace Ogre
{
class OverlaySystem;
}

/// Creates OGRE's overlay system and puts our text areas in place of OGRE's
/// ("TextArea" elements from scripts, templates and code).  Call it before
/// any overlay script is parsed; the caller owns the result.
Ogre::OverlaySystem* createOverlaySystem();
