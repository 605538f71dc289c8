#include "OverlaySetup.h"

#include <Overlay/OgreOverlayElementFactory.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

namespace
{
// An element copied from a template takes every parameter of the template,
// "space_width" included.  A template that never set one hands on its 0 as
// a width set on purpose, and every space of the copy then has no width at
// all.  The copy goes on deriving the space from the font, as its template
// does.
class CTextAreaElement : public Ogre::TextAreaOverlayElement
{
public:
    explicit CTextAreaElement(const Ogre::String& name) : Ogre::TextAreaOverlayElement(name) {}

    void copyFromTemplate(Ogre::OverlayElement* templateOverlay) override
    {
        Ogre::TextAreaOverlayElement::copyFromTemplate(templateOverlay);
        const auto* source = dynamic_cast<const Ogre::TextAreaOverlayElement*>(templateOverlay);
        if (source && source->getSpaceWidth() == 0)
        {
            mSpaceWidthOverridden = false;
            mGeomPositionsOutOfDate = true;
        }
    }
};

class CTextAreaElementFactory : public Ogre::OverlayElementFactory
{
public:
    Ogre::OverlayElement* createOverlayElement(const Ogre::String& instanceName) override
    {
        return OGRE_NEW CTextAreaElement(instanceName);
    }
    const Ogre::String& getTypeName() const override
    {
        static const Ogre::String name = "TextArea";
        return name;
    }
};
} // namespace

Ogre::OverlaySystem* createOverlaySystem()
{
    auto* system = new Ogre::OverlaySystem();
    // The manager owns its factories and deletes them with itself; OGRE's
    // own text-area factory, replaced here, is ours to delete.
    Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
    const auto& factories = manager.getOverlayElementFactoryMap();
    auto* textAreas = new CTextAreaElementFactory();
    const auto replaced = factories.find(textAreas->getTypeName());
    Ogre::OverlayElementFactory* ogres = replaced == factories.end() ? nullptr : replaced->second;
    manager.addOverlayElementFactory(textAreas);
    delete ogres;
    return system;
}
