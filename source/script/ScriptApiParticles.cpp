// Script API: particle systems, billboard sets, sub-entities, the objects'
// own animation speed and textures.  Systems and sets are found by name in
// the scene manager; a missing one is skipped.
#include "VirtualScript.h"

#include "Application.h"
#include "Log.h"
#include "Object.h"
#include "ScriptApiHelpers.h"

#include <OgreBillboard.h>
#include <OgreBillboardSet.h>
#include <OgreEntity.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>
#include <OgreSubEntity.h>
#include <OgreTextureManager.h>

namespace
{
Ogre::ParticleSystem* particleSystemOf(const char* name)
{
    Ogre::SceneManager* sceneMgr = gApp.mSceneMgr;
    if (!name || !*name || !sceneMgr || !sceneMgr->hasParticleSystem(name))
        return nullptr;
    return sceneMgr->getParticleSystem(name);
}

Ogre::BillboardSet* billboardSetOf(const char* name)
{
    Ogre::SceneManager* sceneMgr = gApp.mSceneMgr;
    if (!name || !*name || !sceneMgr || !sceneMgr->hasBillboardSet(name))
        return nullptr;
    return sceneMgr->getBillboardSet(name);
}

Ogre::ParticleEmitter* emitterOf(const char* system, int index)
{
    Ogre::ParticleSystem* ps = particleSystemOf(system);
    if (!ps || index < 0 || index >= ps->getNumEmitters())
        return nullptr;
    return ps->getEmitter(static_cast<unsigned short>(index));
}

const char* nodeNameOf(CObject* object)
{
    return object->getNodeName() ? object->getNodeName() : "";
}
} // namespace

// ---------------------------------------------------------------------------
// Particle systems

void CVirtualScript::particleSetVisible(const char* name, bool visible)
{
    if (Ogre::ParticleSystem* ps = particleSystemOf(name))
        ps->setVisible(visible);
}

void CVirtualScript::particleSetEmitting(const char* name, bool emitting)
{
    Ogre::ParticleSystem* ps = particleSystemOf(name);
    if (!ps)
        return;
    for (unsigned short i = 0; i < ps->getNumEmitters(); ++i)
        ps->getEmitter(i)->setEnabled(emitting);
}

void CVirtualScript::particleSetRate(const char* name, int index, float rate)
{
    if (Ogre::ParticleEmitter* emitter = emitterOf(name, index))
        emitter->setEmissionRate(rate);
}

void CVirtualScript::particleSetRingSize(const char* name, int index, float width, float height, float depth)
{
    Ogre::ParticleEmitter* emitter = emitterOf(name, index);
    if (!emitter || emitter->getType() != "Ring")
        return;
    // The ring is an area emitter of the particle plug-in: its size is set
    // through the plug-in's parameters.
    emitter->setParameter("width", Ogre::StringConverter::toString(width));
    emitter->setParameter("height", Ogre::StringConverter::toString(height));
    emitter->setParameter("depth", Ogre::StringConverter::toString(depth));
}

void CVirtualScript::particleRestart(const char* name, float seconds)
{
    Ogre::ParticleSystem* ps = particleSystemOf(name);
    if (!ps)
        return;
    ps->clear();
    if (seconds > 0.0f)
        ps->fastForward(seconds, 0.1f);
}

// ---------------------------------------------------------------------------
// Sub-entities and materials of objects

void CVirtualScript::submeshSetVisible(OBJECT_HANDLE obj, const String& material, bool visible)
{
    CObject* object = ScriptApi::objectOf(obj);
    if (!object)
        return;
    Ogre::Entity* entity = object->getEntity();
    if (!entity)
    {
        Log::print("\nERRROR: submeshSetVisible(): There is not entity on %s", nodeNameOf(object));
        return;
    }
    for (Ogre::SubEntity* sub : entity->getSubEntities())
        if (sub->getMaterialName() == material)
            sub->setVisible(visible);
}

void CVirtualScript::setMaterial(OBJECT_HANDLE obj, int index, const String& material)
{
    CObject* object = ScriptApi::objectOf(obj);
    if (!object || !object->getNode())
    {
        Log::print("\nERROR: setMaterial(): There is no object(0x%x) or no node(0x%x)",
                   static_cast<unsigned>(reinterpret_cast<uintptr_t>(object)),
                   static_cast<unsigned>(reinterpret_cast<uintptr_t>(object ? object->getNode() : nullptr)));
        return;
    }
    Ogre::Entity* entity = object->getEntity();
    if (!entity)
    {
        Log::print("\n!!!!!!!!!!!\nERROR: CVirtualScript::setMaterial(): There is not entity on %s (material: "
                   "%s)\n!!!!!!!!!!!\n",
                   nodeNameOf(object), material.c_str());
        return;
    }
    const int count = static_cast<int>(entity->getNumSubEntities());
    if (index == -1)
    {
        for (int i = 0; i < count; ++i)
            entity->getSubEntity(i)->setMaterialName(material);
        return;
    }
    if (index < 0 || index >= count)
    {
        Log::print("\nERROR: setMaterial(): Can not get subentity %d in node %s", index, nodeNameOf(object));
        return;
    }
    entity->getSubEntity(index)->setMaterialName(material);
}

// ---------------------------------------------------------------------------
// The own animation's speed and time curve

void CVirtualScript::setObjAnimSpeed(OBJECT_HANDLE obj, int speed)
{
    CObject* object = ScriptApi::objectOf(obj);
    if (!object)
        return;
    object->mAnimSpeed = speed / 1000.0f;
    object->mCurve[0] = 0.0f;
    object->mCurve[1] = 1.0f;
    object->mCurve[2] = 0.0f;
    object->mCurve[3] = 0.0f;
}

void CVirtualScript::setObjAnimParams(OBJECT_HANDLE obj, int c0, int c1, int c2, int c3)
{
    CObject* object = ScriptApi::objectOf(obj);
    if (!object)
        return;
    object->mCurve[0] = c0 / 1000.0f;
    object->mCurve[1] = c1 / 1000.0f;
    object->mCurve[2] = c2 / 1000.0f;
    object->mCurve[3] = c3 / 1000.0f;
}

// ---------------------------------------------------------------------------
// Textures and billboards

void CVirtualScript::textureUnload(const String& name)
{
    Ogre::TextureManager* manager = Ogre::TextureManager::getSingletonPtr();
    if (!manager)
        return;
    if (Ogre::ResourcePtr texture = manager->getByName(name, Ogre::RGN_AUTODETECT))
        texture->unload();
}

void CVirtualScript::billboardSetSize(const char* name, float width, float height)
{
    Ogre::BillboardSet* set = billboardSetOf(name);
    if (set && set->getNumBillboards() > 0)
        set->getBillboard(0)->setDimensions(width, height);
}

void CVirtualScript::billboardSetVisible(const char* name, bool visible)
{
    if (Ogre::BillboardSet* set = billboardSetOf(name))
        set->setVisible(visible);
}
