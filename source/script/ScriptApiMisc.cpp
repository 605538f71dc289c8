// Script API: numbers in names, camera projections, the loading text, cursor
// modes, player profiles, the video memory, random numbers and the link file.
#include "VirtualScript.h"

#include "Application.h"
#include "Input.h"
#include "LoadProgress.h"
#include "Log.h"
#include "Object.h"
#include "Scene.h"
#include "ScriptApiHelpers.h"
#include "platform/Platform.h"

#include <OgreCamera.h>
#include <OgrePlane.h>
#include <OgreRay.h>
#include <OgreRenderSystem.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreSceneNode.h>
#include <OgreStringConverter.h>

#include <cstdlib>
#include <random>

namespace
{
// The script's random source.  Seeded from the system at start; tests seed
// it to get a repeatable sequence.
std::mt19937& randomEngine()
{
    static std::mt19937 engine{std::random_device{}()};
    return engine;
}

// The camera ray through a screen point meets the plane at distance beyond
// the camera's parent node, at right angles to the viewing direction.
bool screenPointOnPlane(const vec3& screen, vec3& out, vec3& world)
{
    Ogre::Camera* camera = ScriptApi::mainCamera();
    if (!camera)
        return false;
    Ogre::SceneNode* parent = camera->getParentSceneNode();
    if (!parent)
    {
        Log::print("\nERROR: No parent node of camera");
        out.x = 0.0f;
        out.y = 0.0f;
        return false;
    }
    const Ogre::Matrix4 inverse = (camera->getProjectionMatrix() * camera->getViewMatrix()).inverse();
    vec3 direction = inverse * vec3(0.0f, 0.0f, 1.0f) - inverse * vec3(0.0f, 0.0f, 0.0f);
    direction.normalise();
    const Ogre::Plane plane(direction, direction.dotProduct(parent->_getDerivedPosition()) + screen.z);
    const Ogre::Ray ray = camera->getCameraToViewportRay(screen.x, screen.y);
    const std::pair<bool, Ogre::Real> hit = ray.intersects(plane);
    if (!hit.first)
        return false;
    world = ray.getPoint(hit.second);
    return true;
}
} // namespace

// ---------------------------------------------------------------------------
// Numbers in names

int CVirtualScript::getNameNumber(OBJECT_HANDLE obj, const String& prefix)
{
    CObject* object = ScriptApi::objectOf(obj);
    if (!object || !object->getNodeName())
        return 0;
    const String& name = object->getNode()->getName();
    if (name.size() < prefix.size())
        return 0;
    return std::atoi(name.c_str() + prefix.size());
}

void CVirtualScript::parseNameNumbers(const String& text, int* first, int* second)
{
    if (first)
        *first = 0;
    if (second)
        *second = 0;
    if (first && text.size() >= 2)
        *first = std::atoi(text.substr(0, 2).c_str());
    if (second && text.size() >= 6)
        *second = std::atoi(text.substr(3, 2).c_str());
}

// ---------------------------------------------------------------------------
// Camera projections

Ogre::Vector2 CVirtualScript::projectPoint(const vec3& point)
{
    Ogre::Camera* camera = ScriptApi::mainCamera();
    if (!camera)
        return Ogre::Vector2::ZERO;
    const vec3 p = camera->getProjectionMatrix() * point;
    return Ogre::Vector2(p.x * 0.5f + 0.5f, 1.0f - (p.y * 0.5f + 0.5f));
}

void CVirtualScript::screenToPlane(const vec3& screen, vec3& out)
{
    vec3 world;
    if (screenPointOnPlane(screen, out, world))
        out = ScriptApi::mainCamera()->getViewMatrix() * world;
}

void CVirtualScript::screenToPlane2(const vec3& screen, vec3& out)
{
    vec3 world;
    if (screenPointOnPlane(screen, out, world))
        out = world;
}

// ---------------------------------------------------------------------------
// Loading screen

void CVirtualScript::setLoadingText(float fraction)
{
    Scene::setLoadingProgress(fraction);
    overlaySetCaption("loadingWindow", "LoadingTimeFrame2", "LoadingText", 67, -1, -1, nullptr);
    overlaySetCaption("loadingWindow", "LoadingTimeFrame2", "LoadingText2", 67, -1, -1, nullptr);
}

// ---------------------------------------------------------------------------
// Cursor modes

void CVirtualScript::setCursorMode(int mode)
{
    Log::print(mode == 1 ? "\nMouse Cursor ON " : "\nMouse Cursor OFF ");
    CInput* input = gApp.mInput;
    if (input && mode == -1)
        input->setCursor(false);
    else if (input && mode == 0)
        input->setCursor(true);
    Scene::pickObject();

    const bool cursorOn = input && input->cursorOn();
    if (!cursorOn)
    {
        gApp.mHovered = nullptr;
        particleSetEmitting("cur_new_loc", false);
        return;
    }
    if (gApp.mWindow && mode != 0 && mode != -1)
    {
        void* display = nullptr;
        unsigned long window = 0;
        gApp.mWindow->getCustomAttribute("XDISPLAY", &display);
        gApp.mWindow->getCustomAttribute("WINDOW", &window);
        // The two cursors are read once per connection and kept for the run.
        static void* loadedFor = nullptr;
        static unsigned long cursors[2] = {0, 0};
        if (loadedFor != display)
        {
            loadedFor = display;
            cursors[0] = Platform::loadCursor(display, "00_cursor_01.cur");
            cursors[1] = Platform::loadCursor(display, "00_cursor_02.cur");
        }
        Platform::setWindowCursor(display, window, cursors[mode == 1 ? 0 : 1]);
    }
    if (mode == 1)
    {
        particleSetEmitting("cur_new_loc", false);
        particleSetVisible("cur_new_loc", true);
    }
    else if (mode >= 3 && mode <= 6)
    {
        particleSetEmitting("cur_new_loc", true);
        particleSetVisible("cur_new_loc", true);
    }
}

// ---------------------------------------------------------------------------
// Player profiles

int CVirtualScript::findUser(const String& fileName)
{
    return gApp.mAppState.checkSaveFile(fileName);
}

bool CVirtualScript::getUserName(const String& fileName, String& name)
{
    String value;
    if (!gApp.mAppState.readSaveValue(fileName, "name", value))
        return false;
    name = value;
    return true;
}

int CVirtualScript::renameUser(const String& fileName, const String& newName)
{
    String old;
    if (gApp.mAppState.readSaveValue(fileName, "name", old))
        gApp.mAppState.writeSaveValue("name", fileName, newName);
    return 0;
}

void CVirtualScript::saveGame(const String& fileName)
{
    gApp.mAppState.mapSave(fileName, gApp.mAppState.mVars);
}

int CVirtualScript::loadGame(const String& fileName)
{
    return gApp.mAppState._mapLoad(fileName, gApp.mAppState.mVars);
}

void CVirtualScript::clearVars()
{
    gApp.mAppState.mVars.clear();
}

// ---------------------------------------------------------------------------
// The rest

int CVirtualScript::getVideoMemory()
{
    Ogre::Root* root = Ogre::Root::getSingletonPtr();
    if (!root || root->getAvailableRenderers().empty())
        return -1;
    const Ogre::ConfigOptionMap& options = root->getAvailableRenderers().front()->getConfigOptions();
    auto it = options.find("Video Memory");
    if (it == options.end())
        return -1;
    return Ogre::StringConverter::parseInt(it->second.currentValue);
}

int CVirtualScript::randomInt()
{
    // Drawn as a float like the rest of the engine's random numbers, so the
    // spread of the values is the same; the top end is kept inside the range.
    std::uniform_real_distribution<float> distribution(0.0f, 1000000.0f);
    const int value = static_cast<int>(distribution(randomEngine()));
    return value > 999999 ? 999999 : value;
}

void CVirtualScript::randomSeed(uint32_t seed)
{
    randomEngine().seed(seed);
}

void CVirtualScript::shellOpen(const String& fileName)
{
    Platform::shellOpen(fileName);
}
