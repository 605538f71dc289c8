// The real result display of the mini-game frame ("00_minigame_interf") for
// the tests of framed games: it shows the result in the text areas of the
// in-game interface's overlay and echoes the game's code when the show ends
// or the player clicks.  The test provides the overlay system.
#pragma once

#include "Application.h"
#include "HeadlessEngine.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

namespace tq
{
class ResultDisplay
{
public:
    /// The overlay's text areas and the display object with its script,
    /// its create message queued; "00_game_interface", which the display
    /// tells when a show ends, is a recorder unless the test has one.
    static CObject* add(HeadlessEngine& engine)
    {
        Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
        Ogre::Overlay* overlay = manager.create("GameInterfaceOverlay");
        auto* frame = static_cast<Ogre::OverlayContainer*>(manager.createOverlayElement("Panel", "MinigameTextFrame"));
        for (const char* text : {"MinigameText", "MinigameTextBack"})
        {
            auto* area = static_cast<Ogre::TextAreaOverlayElement*>(manager.createOverlayElement("TextArea", text));
            area->setCharHeight(0.5f);
            frame->addChild(area);
        }
        overlay->add2D(frame);
        if (!gApp.findObject("00_game_interface"))
            engine.addRecorder("00_game_interface");
        return engine.addObject("00_minigame_interf", "00_minigame_interf.sc");
    }

    /// Whether the result is on the screen.
    static bool showing()
    {
        Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
        return manager.hasOverlayElement("MinigameText") && manager.getOverlayElement("MinigameText")->isVisible() &&
               manager.getByName("GameInterfaceOverlay")->isVisible();
    }
};
} // namespace tq
