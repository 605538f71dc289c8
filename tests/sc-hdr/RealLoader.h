// The real loader ("00_loader") for the tests of the scripts that ask it for
// a moment of black and wait for its answer: its overlays (the black veil
// "LoaderOverlay" with the material "interf/00_black", the loading windows)
// and the loader.  The test provides the overlay system, a texture manager
// and the input layer.
#pragma once

#include "00_loader.h"
#include "Application.h"
#include "HeadlessEngine.h"
#include "VirtualScript.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <Overlay/OgreOverlayManager.h>

namespace tq
{
class RealLoader
{
public:
    /// The loader after its create frames, created in the game state
    /// given: up to 60 out of the black of a scene before (its fade-in has
    /// ended), above with the loading window that waits for the
    /// interface's 1111 and the player.
    static CObject* add(HeadlessEngine& engine, int createdIn = 0)
    {
        Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
        for (const char* name : {"LoaderOverlay", "loadingWindow", "loadingWindow2", "loadingWindow3"})
            if (!overlays.getByName(name))
                overlays.create(name);
        if (!Ogre::MaterialManager::getSingleton().resourceExists("interf/00_black", "General"))
            Ogre::MaterialManager::getSingleton()
                .create("interf/00_black", "General")
                ->getTechnique(0)
                ->getPass(0)
                ->createTextureUnitState();
        const int gameState = CVirtualScript::getConfigI("game_state");
        CVirtualScript::setConfigI("game_state", createdIn);
        CObject* loader = engine.addObject("00_loader", "00_loader.sc");
        engine.frames(4, 0.25f);
        CVirtualScript::setConfigI("game_state", gameState);
        return loader;
    }

    /// Whether the screen is fully black now.
    static bool black(CObject* loader)
    {
        auto* script = HeadlessEngine::scriptOf<sc_00_loader>(loader);
        return script && script->alpha >= 1.0f;
    }
};
} // namespace tq
