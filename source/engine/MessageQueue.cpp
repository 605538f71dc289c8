// The message queue: posting, finding targets, and the work-off once per
// frame from a snapshot of the queue's length.
#include "Application.h"

#include "LoadProgress.h"
#include "Log.h"
#include "Object.h"
#include "ObjectRelease.h"
#include "Scene.h"
#include "ScriptStatistics.h"
#include "VirtualScript.h"
#include "platform/Platform.h"

#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgreSceneQuery.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSkeletonManager.h>
#include <OgreTextureManager.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace
{
// Copies text into a fixed field of size bytes when it fits; otherwise logs
// and leaves the field empty, so that no neighbouring field is overwritten.
bool copyBounded(char* field, size_t size, const char* text, const char* what)
{
    const size_t length = text ? std::strlen(text) : 0;
    std::memset(field, 0, size);
    if (length >= size)
    {
        Log::print("\nERROR: %s [%.64s...] has %d characters, at most %d fit; refused",
                   what, text, static_cast<int>(length), static_cast<int>(size - 1));
        return false;
    }
    if (length)
        std::memcpy(field, text, length);
    return true;
}

const char* nodeNameOf(const CObject* object)
{
    const char* name = object ? object->getNodeName() : nullptr;
    return name ? name : "(null)";
}
} // namespace

bool CMessage::setName(const char* text)
{
    return copyBounded(name, sizeof(name), text, "Object name");
}

bool CMessage::setSceneName(const char* text)
{
    return copyBounded(reinterpret_cast<char*>(params), sizeof(params), text, "Scene name");
}

// ---------------------------------------------------------------------------
// Posting and finding

bool CApplication::postMessage(const CMessage& msg)
{
    mMessages.push_back(msg);
    CMessage& stored = mMessages.back();
    if (!stored.target)
    {
        // A name that fills the whole field is not terminated: cut it.
        char name[sizeof(stored.name) + 1] = {};
        std::memcpy(name, stored.name, sizeof(stored.name));
        stored.target = findObject(name);
    }
    return true;
}

void CApplication::postLoadScene(const std::string& sceneName)
{
    CMessage msg;
    msg.type = MSG_LOADSCENE;
    if (!msg.setSceneName(sceneName.c_str()))
        return;
    mMessages.push_back(msg);
}

void CApplication::postUnloadScene()
{
    if (mSceneMgr && mSceneMgr->hasCamera("default"))
    {
        mCamera = mSceneMgr->getCamera("default");
        if (mViewport)
            mViewport->setCamera(mCamera);
    }
    for (int slot = 0; slot < gObjectCollector.count(); ++slot)
    {
        CMessage msg;
        msg.target = gObjectCollector.at(slot);
        msg.type = MSG_DESTROY;
        mMessages.push_back(msg);
    }
    CMessage unload;
    unload.type = MSG_UNLOADSCENE;
    mMessages.push_back(unload);
}

CObject* CApplication::findObject(const std::string& name)
{
    if (name.empty() || !mSceneMgr || !mSceneMgr->hasSceneNode(name))
        return nullptr;
    return findObjectByNode(mSceneMgr->getSceneNode(name));
}

OBJECT_HANDLE CApplication::findObjectHandle(const std::string& name)
{
    CObject* object = findObject(name);
    if (!object)
    {
        Log::print("\nWARNING: Can't find object [%s] by name!", name.c_str());
        return 0;
    }
    return object->getHandle();
}

CObject* CApplication::findObjectByNode(Ogre::SceneNode* node)
{
    if (!node)
        return nullptr;
    for (int slot = 0; slot < gObjectCollector.count(); ++slot)
    {
        CObject* object = gObjectCollector.at(slot);
        if (object && object->getNode() == node)
            return object;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// The engine's own records

namespace
{
void unloadScene(CApplication& app)
{
    app.enableCompositors(false);
    app.mCameraBoneName.clear();
    app.mCameraBoneSource = nullptr;
    app.mCameraHolder = nullptr;
    if (app.mSceneMgr && app.mRayQuery)
        app.mSceneMgr->destroyQuery(app.mRayQuery);
    app.mRayQuery = nullptr;
    // Clearing the scene destroys every node, and with it every object left;
    // it also takes the camera "default" off the root node, where the scripts
    // that still run until the next scene is made (the interface's cursor
    // sparkle) look for its place.
    if (app.mSceneMgr)
    {
        app.mSceneMgr->clearScene();
        if (app.mSceneMgr->hasCamera("default"))
        {
            Ogre::Camera* camera = app.mSceneMgr->getCamera("default");
            if (!camera->isAttached())
                app.mSceneMgr->getRootSceneNode()->attachObject(camera);
        }
    }
    AnimIds::clear();

    Ogre::TextureManager* textures = Ogre::TextureManager::getSingletonPtr();
    if (textures)
    {
        std::vector<Ogre::ResourcePtr> targets;
        for (const auto& entry : textures->getResourceIterator())
        {
            Ogre::TexturePtr texture = Ogre::static_pointer_cast<Ogre::Texture>(entry.second);
            if (texture->getUsage() & Ogre::TU_RENDERTARGET)
                targets.push_back(entry.second);
        }
        for (Ogre::ResourcePtr& texture : targets)
        {
            Log::print("\n\nRemove rtt texture %s", texture->getName().c_str());
            textures->remove(texture);
        }
    }

    if (Ogre::SkeletonManager* skeletons = Ogre::SkeletonManager::getSingletonPtr())
        skeletons->unloadUnreferencedResources(false);
    if (Ogre::MeshManager* meshes = Ogre::MeshManager::getSingletonPtr())
        meshes->unloadUnreferencedResources(false);
    if (Ogre::MaterialManager* materials = Ogre::MaterialManager::getSingletonPtr())
        materials->unloadUnreferencedResources(false);
    if (textures)
        textures->unloadUnreferencedResources(false);
    if (Ogre::MaterialManager* materials = Ogre::MaterialManager::getSingletonPtr())
        materials->unloadUnreferencedResources(false);

    auto kb = [](Ogre::ResourceManager* manager) {
        return manager ? static_cast<int>(manager->getMemoryUsage() / 1024) : 0;
    };
    Log::print("\n\n***SkeletonManager %d KBytes***", kb(Ogre::SkeletonManager::getSingletonPtr()));
    Log::print("\n\n***MeshManager %d KBytes***", kb(Ogre::MeshManager::getSingletonPtr()));
    Log::print("\n\n***MaterialManager %d KBytes***", kb(Ogre::MaterialManager::getSingletonPtr()));
    Log::print("\n\n***Texture %d KBytes***", kb(textures));
    if (textures && textures->getMemoryUsage() > 0)
    {
        for (const auto& entry : textures->getResourceIterator())
            Log::print("\n!!!!\nTexture name: %s", entry.second->getName().c_str());
    }
}

void destroyCamerasButDefault(CApplication& app)
{
    if (!app.mSceneMgr)
        return;
    std::vector<Ogre::Camera*> doomed;
    for (const auto& entry : app.mSceneMgr->getCameras())
    {
        if (entry.first != "default")
            doomed.push_back(entry.second);
    }
    for (Ogre::Camera* camera : doomed)
    {
        Log::print("\nDestroy camera %s", camera->getName().c_str());
        if (app.mCamera == camera)
            app.mCamera = nullptr;
        app.mSceneMgr->destroyCamera(camera);
    }
}
} // namespace

// ---------------------------------------------------------------------------
// The work-off

namespace
{
// Objects destroyed during the pass are released together at its end.
struct ReleaseHold
{
    ReleaseHold() { ObjectRelease::hold(); }
    ~ReleaseHold() { ObjectRelease::release(); }
};
} // namespace

void CApplication::processMessages()
{
    ReleaseHold hold;
    size_t n = mMessages.size();
    const uint32_t start = Platform::milliseconds();
    std::string statistics;

    for (size_t i = 0; i < n; ++i)
    {
        // A copy: handlers append to the queue, which may move its storage.
        CMessage msg = mMessages[i];
        // A record of an object destroyed earlier in this pass is dropped,
        // and a destroyed sender is no sender.
        if (ObjectRelease::isDestroyed(msg.target))
            msg.target = nullptr;
        if (ObjectRelease::isDestroyed(msg.sender))
            msg.sender = nullptr;

        if (!msg.target)
        {
            if (msg.type == MSG_LOADSCENE)
            {
                const uint32_t loadStart = Platform::milliseconds();
                // The statistics of the scene that ends, once.
                ScriptStatistics::write();
                mAllHits = 0;
                mHovered = nullptr;
                // Everything still queued is dropped, also what was posted
                // during this pass.
                std::vector<CMessage>().swap(mMessages);
                mPickMask = 0;
                if (mRayQuery)
                    mRayQuery->setQueryMask(0);
                const std::string scene = msg.sceneName();
                Scene::loadScene(scene, false);
                enableCompositors(true);
                Log::print("\n\n* * * Scene %s loaded for %.2f sec * * *", scene.c_str(),
                           static_cast<double>(Platform::milliseconds() - loadStart) / 1000.0);
                return;
            }
            if (msg.type == MSG_UNLOADSCENE)
            {
                unloadScene(*this);
                // The records behind the unload wait for the next frame.
                n = i + 1;
                destroyCamerasButDefault(*this);
                Log::print("\n\n***Scene deleted***");
            }
            continue;
        }

        if (mLoadProgress)
        {
            if (msg.type == MSG_CREATE)
            {
                mLoadProgress->step();
            }
            else
            {
                Scene::setLoadingProgress(1.0f);
                Log::print("\nPROGRESS %d/%d\n", mLoadProgress->mSteps, mLoadProgress->mExpected);
                delete mLoadProgress;
                mLoadProgress = nullptr;
            }
        }

        const uint32_t dispatchStart = Platform::milliseconds();
        if (CVirtualScript* script = msg.target->getScript())
            script->dispatch(msg);
        if (mLog)
        {
            char line[256];
            const int took = static_cast<int>(Platform::milliseconds() - dispatchStart);
            // The record's target and sender may have been destroyed by the
            // dispatch.
            const CObject* target = ObjectRelease::isDestroyed(msg.target) ? nullptr : msg.target;
            const CObject* sender = ObjectRelease::isDestroyed(msg.sender) ? nullptr : msg.sender;
            if (msg.sender && sender)
                std::snprintf(line, sizeof(line), "\n%10d\t%d\t%s (source: %s)", took, msg.type,
                              nodeNameOf(target), nodeNameOf(sender));
            else
                std::snprintf(line, sizeof(line), "\n%10d\t%d\t%s", took, msg.type, nodeNameOf(target));
            statistics += line;
        }
        if (msg.type == MSG_DESTROY && !ObjectRelease::isDestroyed(msg.target))
            destroyObject(msg.target);
    }

    // "scripts.log" shows the last pass of a scene; it is written when the
    // scene ends and at exit, not after every frame.
    if (mLog && statistics.size() > 5)
    {
        char totals[96];
        std::snprintf(totals, sizeof(totals), "\n\nTotal process time: %d\nTotal messages: %d",
                      static_cast<int>(Platform::milliseconds() - start), static_cast<int>(n));
        statistics += totals;
        ScriptStatistics::keep(statistics);
    }

    mMessages.erase(mMessages.begin(), mMessages.begin() + static_cast<std::ptrdiff_t>(n));
}

namespace ScriptStatistics
{
namespace
{
std::string& kept()
{
    static std::string text;
    return text;
}
} // namespace

void keep(std::string& text)
{
    kept().swap(text);
}

void write()
{
    std::string& text = kept();
    if (text.empty())
        return;
    if (FILE* file = std::fopen("scripts.log", "w+"))
    {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    text.clear();
}
} // namespace ScriptStatistics

void CApplication::destroyObject(CObject* object)
{
    if (!object)
        return;
    Ogre::SceneNode* node = object->getNode();
    Ogre::SceneNode* root = mSceneMgr ? mSceneMgr->getRootSceneNode() : nullptr;
    if (node && root && node->getParentSceneNode() && node->getParentSceneNode() != root)
    {
        node->getParentSceneNode()->removeChild(node);
        root->addChild(node);
    }
    // The object's records in the queue are cleared by its destructor.
    if (node && mSceneMgr)
    {
        // The node's listener, the object, deletes itself with the node; an
        // object that is not its node's listener is ended here.
        if (node->getListener() != object)
            delete object;
        mSceneMgr->destroySceneNode(node);
    }
    else
    {
        // Without a node nothing else would end it.
        delete object;
    }
}
