// The in-game interface on the headless engine, for its tests: the zones'
// room (spies, props, the cursor) with OGRE's overlays and a texture
// manager, so that the interface's panels exist and its materials take
// texture names; the interface object in game state 100, frames that run
// its tick, and the mouse as the tick reads it.
#pragma once

#include "00_ginterface.h"
#include "ZoneFixture.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>

#include <string>

namespace tq
{
class GInterfaceFixture : public ZoneFixture
{
protected:
    typedef sc_00_ginterface GI;

    void SetUp() override
    {
        ZoneFixture::SetUp();
        gApp.mOverlaySystem = new Ogre::OverlaySystem();
        if (!Ogre::TextureManager::getSingletonPtr())
            new Ogre::DefaultTextureManager();
        CVirtualScript::setConfigI("game_state", 100);
        CVirtualScript::setConfigI("load_from_save", 0);
        CVirtualScript::setVarI("cur_loc", 7); // no play plan
        gApp.mCheats = false;
    }

    /// The interface after its create frame.
    GI* start()
    {
        mObject = prop("00_game_interface", "00_ginterface.sc");
        engine.frame();
        gi = tq::HeadlessEngine::scriptOf<GI>(mObject);
        return gi;
    }
    /// A notification to the interface and the frames in which what it
    /// sends arrives.
    void notify(int code, CObject* sender = nullptr)
    {
        engine.notify(mObject, code, sender);
        engine.frames(2);
    }
    /// Frames of 50 ms: the interface's tick runs in each.
    void ticks(int n) { engine.frames(n, 0.05f); }
    /// The cursor at (x, y) with the left button as given, for one tick.
    void mouse(float x, float y, bool down)
    {
        mInput->mCursorX = x;
        mInput->mCursorY = y;
        mInput->mLeftDown = down;
        ticks(1);
    }
    /// A click at (x, y): press in one tick, release in the next.
    void clickAt(float x, float y)
    {
        mouse(x, y, true);
        mouse(x, y, false);
    }
    static int var(const std::string& key) { return CVirtualScript::getVarI(key); }

    /// A material of plain passes, each with one texture unit.
    static void material(const std::string& name, int passes = 1)
    {
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().create(name, "General");
        m->getTechnique(0)->getPass(0)->createTextureUnitState();
        for (int p = 1; p < passes; ++p)
            m->getTechnique(0)->createPass()->createTextureUnitState();
    }
    static Ogre::TextureUnitState* unit(const std::string& material, int pass = 0, int index = 0)
    {
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().getByName(material);
        if (!m || pass >= m->getTechnique(0)->getNumPasses())
            return nullptr;
        Ogre::Pass* p = m->getTechnique(0)->getPass(pass);
        return index < p->getNumTextureUnitStates() ? p->getTextureUnitState(index) : nullptr;
    }
    static Ogre::OverlayElement* element(const std::string& name)
    {
        Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
        return manager.hasOverlayElement(name) ? manager.getOverlayElement(name) : nullptr;
    }
    static bool shown(const std::string& name)
    {
        Ogre::OverlayElement* e = element(name);
        return e && e->isVisible();
    }

    CObject* mObject = nullptr;
    GI* gi = nullptr;
};
} // namespace tq
