// What the tests of the interface scripts add to the headless engine:
// overlays, a texture manager that loads nothing (so materials take texture
// names), overlay and material scripts parsed from text, an input layer
// whose button and cursor the test sets, and texts of the string table.
//
// Fonts need a render system, and a text area copied from a text-area
// template needs its font: the fixtures' text templates are plain panels,
// from which the scripts' text areas (whose type the scripts name) take
// their places and sizes.
#pragma once

#include "Application.h"
#include "HeadlessEngine.h"
#include "Input.h"

#include <OgreDataStream.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

#include <memory>
#include <string>

namespace tq
{
class ScriptFixture
{
public:
    ScriptFixture() : engine(new HeadlessEngine())
    {
        gApp.mOverlaySystem = new Ogre::OverlaySystem();
        // Never deleted: OGRE's resources may still point at it when the
        // program ends, and the process ends right after.
        if (!Ogre::TextureManager::getSingletonPtr())
            new Ogre::DefaultTextureManager();
        gApp.mInput = new CInput(nullptr, -1, std::string());
        gApp.mInput->setWindowSize(1024, 768);
        gApp.mInput->setCursor(true);
    }
    ~ScriptFixture()
    {
        delete gApp.mInput;
        gApp.mInput = nullptr;
    }

    static void overlayScript(const std::string& text)
    {
        Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream(const_cast<char*>(text.data()), text.size()));
        Ogre::OverlayManager::getSingleton().parseScript(stream, "General");
    }

    /// A material of plain passes, each with one texture unit.
    static void material(const std::string& name, int passes = 1)
    {
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().create(name, "General");
        m->getTechnique(0)->getPass(0)->createTextureUnitState();
        for (int p = 1; p < passes; ++p)
            m->getTechnique(0)->createPass()->createTextureUnitState();
    }

    static Ogre::TextureUnitState* unit(const std::string& material, int pass = 0)
    {
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().getByName(material);
        return m ? m->getTechnique(0)->getPass(pass)->getTextureUnitState(0) : nullptr;
    }

    static void text(int id, const char* utf8)
    {
        char key[16];
        std::snprintf(key, sizeof(key), "%05d", id);
        gApp.mStrings.load(key, Ogre::UTFString(std::string(utf8)));
    }

    static Ogre::Overlay* overlay(const std::string& name)
    {
        return Ogre::OverlayManager::getSingleton().getByName(name);
    }

    /// An element by its unique name, or null.
    static Ogre::OverlayElement* element(const std::string& name)
    {
        Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
        return manager.hasOverlayElement(name) ? manager.getOverlayElement(name) : nullptr;
    }

    static std::string caption(const std::string& name)
    {
        Ogre::OverlayElement* e = element(name);
        return e ? e->getCaption().asUTF8() : std::string("<none>");
    }

    static void mouse(float x, float y, bool down)
    {
        gApp.mInput->mCursorX = x;
        gApp.mInput->mCursorY = y;
        gApp.mInput->mLeftDown = down;
    }

    std::unique_ptr<HeadlessEngine> engine;
};
} // namespace tq
