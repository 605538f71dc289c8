// Script API: options, configuration values, game variables, game arrays and
// the visibility states of the dynamic scene files.
//
// Everything here is text in the two maps of the application state: numbers
// are written as plain decimal text and read back leniently (empty or
// non-numeric text reads as 0), because saved games and options.ini are
// edited by people and written by older builds.
#include "VirtualScript.h"

#include "Application.h"
#include "Log.h"
#include "Object.h"

#include <OgreEntity.h>
#include <OgreSceneNode.h>
#include <OgreStringConverter.h>

namespace
{
CAppState& state()
{
    return gApp.mAppState;
}

// Objects of these scene files change their visibility during play; all
// other objects are as the scene file made them.
bool isDynamicSceneFile(const String& sceneFile)
{
    return sceneFile.find("dyn.scene") != String::npos || sceneFile.find("az.scene") != String::npos ||
           sceneFile.find("dyn2.scene") != String::npos;
}

// The entity of the object named after a child node, when that object belongs
// to a dynamic scene file.
Ogre::Entity* dynamicEntityOf(Ogre::Node* child)
{
    CObject* object = gApp.findObject(child->getName());
    if (!object || !object->getEntity())
        return nullptr;
    if (!isDynamicSceneFile(object->mSceneFile))
        return nullptr;
    return object->getEntity();
}
} // namespace

// ---------------------------------------------------------------------------
// Options

void CVirtualScript::getOptionI(const String& key, int& value)
{
    OptionValue& entry = state().mOptions[key];
    if (entry.persistent)
        state().loadOption(key);
    const String& text = state().mOptions[key].value;
    if (text == "Yes")
        value = 1;
    else if (text == "No")
        value = 0;
    else
        value = Ogre::StringConverter::parseInt(text);
}

void CVirtualScript::setOptionI(const String& key, int value)
{
    OptionValue& entry = state().mOptions[key];
    if (key == "Full Screen")
        entry.value = value ? "Yes" : "No";
    else
        entry.value = Ogre::StringConverter::toString(value);
    if (entry.persistent)
        state().saveOption(key);
}

// ---------------------------------------------------------------------------
// Configuration values

int CVirtualScript::getConfigI(const String& key)
{
    auto it = state().mOptions.find(key);
    if (it == state().mOptions.end())
        return 0;
    return Ogre::StringConverter::parseInt(it->second.value);
}

int CVirtualScript::getConfigF(const String& key, float& value)
{
    auto it = state().mOptions.find(key);
    if (it == state().mOptions.end())
        return 0;
    value = Ogre::StringConverter::parseReal(it->second.value);
    return 1;
}

void CVirtualScript::setConfigI(const String& key, int value)
{
    state().mOptions[key].value = Ogre::StringConverter::toString(value);
}

// ---------------------------------------------------------------------------
// Game variables

int CVirtualScript::getVarI(const String& key)
{
    auto it = state().mVars.find(key);
    if (it == state().mVars.end())
        return 0;
    return Ogre::StringConverter::parseInt(it->second);
}

void CVirtualScript::setVarI(const String& key, int value)
{
    state().mVars[key] = Ogre::StringConverter::toString(value);
}

int CVirtualScript::getVarS(const String& key, String& value)
{
    return CAppState::getMapValue(state().mVars, key, value) ? 1 : 0;
}

String CVirtualScript::getVarS(const String& key)
{
    String value;
    CAppState::getMapValue(state().mVars, key, value);
    return value;
}

void CVirtualScript::setVarS(const String& key, const String& value)
{
    state().mVars[key] = value;
}

// ---------------------------------------------------------------------------
// Game arrays

String CVirtualScript::makeGameArrayKey(int a, int b, int index)
{
    String key = Ogre::StringConverter::toString(a) + "_" + Ogre::StringConverter::toString(b);
    if (index == -1)
        return key + "_variable_game_end";
    return key + "_variable_" + Ogre::StringConverter::toString(index);
}

void CVirtualScript::saveGameArray(int n, int a, int b, const int* values, const int* end)
{
    for (int i = 0; i < n; ++i)
        setVarI(makeGameArrayKey(a, b, i), values[i]);
    setVarI(makeGameArrayKey(a, b, -1), *end);
}

void CVirtualScript::loadGameArray(int n, int a, int b, int* values, int* end)
{
    // operator[] leaves a missing key behind with an empty text: after a load
    // every key of the array exists and goes into the next save.
    for (int i = 0; i < n; ++i)
        values[i] = Ogre::StringConverter::parseInt(state().mVars[makeGameArrayKey(a, b, i)]);
    *end = Ogre::StringConverter::parseInt(state().mVars[makeGameArrayKey(a, b, -1)]);
}

bool CVirtualScript::isGameEndSet(int a, int b)
{
    return state().mVars.count(makeGameArrayKey(a, b, -1)) != 0;
}

// ---------------------------------------------------------------------------
// Visibility states

void CVirtualScript::saveVisibility(Ogre::SceneNode* node)
{
    if (!node)
        return;
    for (Ogre::Node* child : node->getChildren())
    {
        Ogre::Entity* entity = dynamicEntityOf(child);
        if (!entity)
            continue;
        setVarS(child->getName() + "@visible", entity->getVisible() ? "1" : "0");
        saveVisibility(static_cast<Ogre::SceneNode*>(child));
    }
}

void CVirtualScript::loadVisibility(Ogre::SceneNode* node)
{
    if (!node)
        return;
    for (Ogre::Node* child : node->getChildren())
    {
        Ogre::Entity* entity = dynamicEntityOf(child);
        if (!entity)
            continue;
        String value;
        if (CAppState::getMapValue(state().mVars, child->getName() + "@visible", value))
            entity->setVisible(Ogre::StringConverter::parseInt(value) != 0);
        else
            Log::print("\nWarning: Visible of %s is unknown\n", child->getName().c_str());
        loadVisibility(static_cast<Ogre::SceneNode*>(child));
    }
}
