// Script API: materials.  Every function acts on one texture unit of
// technique 0 of a material found by name; a missing material, technique,
// pass or unit makes the call do nothing.
#include "VirtualScript.h"

#include "Application.h"
#include "Log.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreResourceGroupManager.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

#include <cstdio>

namespace
{
Ogre::Technique* techniqueOf(const String& material)
{
    Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().getByName(material);
    if (!m || m->getNumTechniques() == 0)
        return nullptr;
    return m->getTechnique(0);
}

Ogre::TextureUnitState* unitOf(const String& material, uint16_t pass, uint16_t unit)
{
    Ogre::Technique* technique = techniqueOf(material);
    if (!technique || pass >= technique->getNumPasses())
        return nullptr;
    Ogre::Pass* p = technique->getPass(pass);
    if (unit >= p->getNumTextureUnitStates())
        return nullptr;
    return p->getTextureUnitState(unit);
}

// Modes 0 to 2 combine the texture (first source) with the manual colour
// (second source); false for any other mode.
bool setColourOperation(Ogre::TextureUnitState* tus, int mode, const Ogre::ColourValue& colour)
{
    static const Ogre::LayerBlendOperationEx operations[] = {Ogre::LBX_ADD, Ogre::LBX_MODULATE,
                                                            Ogre::LBX_SUBTRACT};
    if (mode < 0 || mode > 2)
        return false;
    tus->setColourOperationEx(operations[mode], Ogre::LBS_TEXTURE, Ogre::LBS_MANUAL, Ogre::ColourValue::Black,
                              colour, 0.0f);
    return true;
}

void setManualAlpha(Ogre::TextureUnitState* tus, float alpha)
{
    tus->setAlphaOperation(Ogre::LBX_MODULATE, Ogre::LBS_TEXTURE, Ogre::LBS_MANUAL, 0.0f, alpha);
}

bool existsInGeneral(const String& name)
{
    return Ogre::ResourceGroupManager::getSingleton().resourceExists("General", name);
}
} // namespace

void CVirtualScript::materialSetTextureScale(const String& material, float u, float v)
{
    materialSetTextureScale2(material, 0, 0, u, v);
}

void CVirtualScript::materialSetTextureScale2(const String& material, uint16_t pass, uint16_t unit, float u, float v)
{
    if (Ogre::TextureUnitState* tus = unitOf(material, pass, unit))
        tus->setTextureScale(u, v);
}

void CVirtualScript::materialSetTextureScroll(const String& material, float u, float v)
{
    materialSetTextureScroll2(material, 0, 0, u, v);
}

void CVirtualScript::materialSetTextureScroll2(const String& material, uint16_t pass, uint16_t unit, float u, float v)
{
    if (Ogre::TextureUnitState* tus = unitOf(material, pass, unit))
        tus->setTextureScroll(u, v);
}

void CVirtualScript::materialSetAlpha(const String& material, float alpha)
{
    materialSetAlpha2(material, 0, 0, alpha);
}

void CVirtualScript::materialSetAlpha2(const String& material, uint16_t pass, uint16_t unit, float alpha)
{
    if (Ogre::TextureUnitState* tus = unitOf(material, pass, unit))
        setManualAlpha(tus, alpha);
}

void CVirtualScript::materialSetAlphaAll(const String& material, float alpha)
{
    Ogre::Technique* technique = techniqueOf(material);
    if (!technique)
        return;
    for (Ogre::Pass* pass : technique->getPasses())
        if (pass->getNumTextureUnitStates() > 0)
            setManualAlpha(pass->getTextureUnitState(0), alpha);
}

void CVirtualScript::materialSetColour(const String& material, float r, float g, float b, int mode)
{
    materialSetColour2(material, 0, r, g, b, mode);
}

void CVirtualScript::materialSetColour2(const String& material, uint16_t pass, float r, float g, float b, int mode)
{
    if (Ogre::TextureUnitState* tus = unitOf(material, pass, 0))
        setColourOperation(tus, mode, Ogre::ColourValue(r, g, b));
}

void CVirtualScript::materialSetColourAll(const String& material, const Ogre::ColourValue& colour, float alpha)
{
    Ogre::Technique* technique = techniqueOf(material);
    if (!technique)
        return;
    for (Ogre::Pass* pass : technique->getPasses())
        for (Ogre::TextureUnitState* tus : pass->getTextureUnitStates())
        {
            setColourOperation(tus, 1, colour);
            setManualAlpha(tus, alpha);
        }
}

void CVirtualScript::materialBlendColour(const String& material, uint16_t pass, uint16_t unit, float r, float g,
                                         float b, int mode, float blend)
{
    Ogre::TextureUnitState* tus = unitOf(material, pass, unit);
    if (!tus)
        return;
    if (mode != 3)
    {
        setColourOperation(tus, mode, Ogre::ColourValue(r, g, b));
        return;
    }
    // Keep the unit's operation and sources; only the manual values change.
    const Ogre::LayerBlendModeEx& current = tus->getColourBlendMode();
    tus->setColourOperationEx(current.operation, current.source1, current.source2, current.colourArg1,
                              Ogre::ColourValue(r, g, b), blend);
}

void CVirtualScript::materialSetTexturePassUnit(const String& material, uint16_t pass, uint16_t unit,
                                                const String& texture)
{
    Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().getByName(material);
    if (!m)
    {
        Log::print("\n!!!!!!!!\nCVirtualScript::materialSetTexturePassUnit(): mMaterial [%s] is empty\n",
                   material.c_str());
        return;
    }
    if (m->getNumTechniques() == 0)
    {
        Log::print("\n!!!!!!!!\nWARNING: can't get technique 0 from material %s\n", material.c_str());
        return;
    }
    Ogre::TextureUnitState* tus = unitOf(material, pass, unit);
    if (!tus)
        return;

    // Textures ship in several formats: a name missing from the data is
    // tried as .dds, then .png, then .jpg.  A texture already loaded (a
    // render target, for one) is taken under its own name.
    String name = texture;
    Ogre::TextureManager* textures = Ogre::TextureManager::getSingletonPtr();
    const bool loaded = textures && textures->resourceExists(texture, Ogre::RGN_AUTODETECT);
    if (!loaded && !existsInGeneral(texture))
    {
        const size_t dot = texture.find_last_of('.');
        const String stem = dot == String::npos ? texture + "." : texture.substr(0, dot + 1);
        name = stem + "dds";
        if (!existsInGeneral(name))
        {
            name = stem + "png";
            if (!existsInGeneral(name))
                name = stem + "jpg";
        }
    }
    if (gApp.mLog)
    {
        if (FILE* file = std::fopen("load.log", "a"))
        {
            std::fprintf(file, "%s\n", name.c_str());
            std::fclose(file);
        }
    }
    // Without a render system there is no texture manager to look the
    // texture up in; the unit is left as it is.
    if (!textures)
        return;
    tus->setTextureName(name, Ogre::TEX_TYPE_2D);
}

bool CVirtualScript::resourceExists(const String& name)
{
    return existsInGeneral(name);
}

void CVirtualScript::materialSetTextureRotate(const String& material, uint16_t unit, float angleDeg)
{
    if (Ogre::TextureUnitState* tus = unitOf(material, 0, unit))
        tus->setTextureRotate(Ogre::Degree(angleDeg));
}
