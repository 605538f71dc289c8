// Script API: render to texture.  An RTT is known only by its texture name;
// its render target is the target of the texture's first surface.
#include "VirtualScript.h"

#include "Application.h"
#include "Log.h"
#include "Utils.h"
#include "platform/Platform.h"

#include <OgreCamera.h>
#include <OgreHardwarePixelBuffer.h>
#include <OgreRenderTarget.h>
#include <OgreRenderTexture.h>
#include <OgreResourceGroupManager.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreTextureManager.h>
#include <OgreViewport.h>

namespace
{
// The render target of an RTT texture, or null (logged) when there is no
// such texture or it is not a render target.
Ogre::RenderTarget* renderTargetOf(const String& name, bool logMissing)
{
    Ogre::TextureManager* manager = Ogre::TextureManager::getSingletonPtr();
    Ogre::TexturePtr texture =
        manager ? manager->getByName(name, Ogre::RGN_AUTODETECT) : Ogre::TexturePtr();
    if (!texture)
    {
        if (logMissing)
            Log::print("\nERROR: RTT %s not found", name.c_str());
        return nullptr;
    }
    if (!(texture->getUsage() & Ogre::TU_RENDERTARGET))
    {
        Log::print("\nERROR: texture %s is not a render target", name.c_str());
        return nullptr;
    }
    return texture->getBuffer()->getRenderTarget();
}

// Writes the target's contents to path; the extension picks the format.
/// A folder's files are listed when it is added as a resource location: a
/// picture written there later (the journal's) is found only once the
/// folder is added again.
void makeFileKnown(const String& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == String::npos)
        return;
    const String folder = path.substr(0, slash);
    const String file = path.substr(slash + 1);
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    const String group = Ogre::RGN_DEFAULT;
    if (!groups.resourceLocationExists(folder, group) || groups.resourceExists(group, file))
        return;
    groups.removeResourceLocation(folder, group);
    groups.addResourceLocation(folder, "FileSystem", group, false);
}

void writePicture(Ogre::RenderTarget* target, const String& path)
{
    String extension;
    const size_t dot = path.find_last_of('.');
    if (dot != String::npos)
    {
        extension = path.substr(dot + 1);
        Ogre::StringUtil::toLowerCase(extension);
    }
    try
    {
        if (extension == "jpg" || extension == "jpeg")
        {
            // OGRE's codecs here write PNG only; JPEG goes through libjpeg.
            const int width = static_cast<int>(target->getWidth());
            const int height = static_cast<int>(target->getHeight());
            std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
            Ogre::PixelBox box(width, height, 1, Ogre::PF_BYTE_RGB, rgb.data());
            target->copyContentsToMemory(box, box);
            if (!Platform::writeJpegFile(path, width, height, rgb.data(), 90))
                Log::print("\nERROR: Can't write picture %s", path.c_str());
            return;
        }
        target->writeContentsToFile(path);
    }
    catch (const Ogre::Exception& e)
    {
        Log::print("\nERROR: Can't write picture %s: %s", path.c_str(), e.getDescription().c_str());
    }
}

// Replaces the target's viewport 0 by one of camera.
Ogre::Viewport* replaceViewport(Ogre::RenderTarget* target, Ogre::Camera* camera, float height)
{
    if (target->getNumViewports() > 0)
        target->removeViewport(target->getViewport(0)->getZOrder());
    return target->addViewport(camera, 0, 0.0f, 0.0f, 1.0f, height);
}
} // namespace

void CVirtualScript::_createRTT(const String& name, int width, int height, int bitsPerPixel, const String& camera,
                                int flags, uint32_t visibilityMask)
{
    Ogre::TextureManager* manager = Ogre::TextureManager::getSingletonPtr();
    Ogre::SceneManager* sceneMgr = gApp.mSceneMgr;
    if (!manager || !sceneMgr)
        return;

    Ogre::TexturePtr texture = manager->getByName(name, Ogre::RGN_AUTODETECT);
    if (texture)
    {
        Log::print("\nERROR: Can't create RTT %s, texture name already in use", name.c_str());
        if (!(texture->getUsage() & Ogre::TU_RENDERTARGET))
        {
            // A plain texture has no target to render into.
            Log::print("\nERROR: Can't create RTT %s, the texture is no render target", name.c_str());
            return;
        }
    }
    else
    {
        Ogre::PixelFormat format;
        if (bitsPerPixel == 24)
            format = Ogre::PF_R8G8B8;
        else if (bitsPerPixel == 32)
            format = Ogre::PF_R8G8B8A8;
        else
        {
            Log::print("ERROR: _createRTT()  unabled bpp parameter (bpp = %d)", bitsPerPixel);
            return;
        }
        if (width <= 0 || height <= 0)
        {
            Log::print("\nERROR: Can't create RTT %s of %d x %d pixels", name.c_str(), width, height);
            return;
        }
        texture = manager->createManual(name, Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME,
                                        Ogre::TEX_TYPE_2D, width, height, 0, format, Ogre::TU_RENDERTARGET);
    }

    Ogre::RenderTarget* target = texture->getBuffer()->getRenderTarget();
    if (!sceneMgr->hasCamera(camera))
    {
        Log::print("\nERROR: Can't create RTT %s, no camera %s", name.c_str(), camera.c_str());
        return;
    }
    Ogre::Viewport* viewport = replaceViewport(target, sceneMgr->getCamera(camera), 1.0f);
    viewport->setBackgroundColour(Ogre::ColourValue(0.0f, 0.0f, 0.0f, 0.0f));
    viewport->setOverlaysEnabled((flags & 2) != 0);
    viewport->setVisibilityMask(visibilityMask);
    target->setAutoUpdated((flags & 1) != 0);
}

void CVirtualScript::rttRender(const String& name)
{
    if (Ogre::RenderTarget* target = renderTargetOf(name, true))
        target->update();
}

void CVirtualScript::rttSetAutoUpdated(const String& name, bool autoUpdated)
{
    if (Ogre::RenderTarget* target = renderTargetOf(name, true))
        target->setAutoUpdated(autoUpdated);
}

void CVirtualScript::rttSetVisibilityMask(const String& name, uint32_t mask)
{
    Ogre::RenderTarget* target = renderTargetOf(name, true);
    if (target && target->getNumViewports() > 0)
        target->getViewport(0)->setVisibilityMask(mask);
}

void CVirtualScript::rttSaveToFile(const String& name, const std::wstring& fileName, uint32_t mask)
{
    Ogre::RenderTarget* target = renderTargetOf(name, false);
    Ogre::Camera* camera = gApp.mCamera;
    if (!target || !camera)
        return;

    // The picture is the main camera's view with the overlays, on the top
    // three quarters of the target.
    Ogre::Viewport* viewport = replaceViewport(target, camera, 0.75f);
    viewport->setOverlaysEnabled(true);
    viewport->setVisibilityMask(mask);
    target->update();
    // A frame of our own: the frame handler must do nothing in it.
    gApp.mSkipFrame = true;
    if (Ogre::Root* root = Ogre::Root::getSingletonPtr())
        if (root->getRenderSystem())
            root->renderOneFrame();
    gApp.mSkipFrame = false;

    viewport = replaceViewport(target, camera, 1.0f);
    viewport->setOverlaysEnabled(false);

    const String path = gApp.mAppState.getSaveFolderA(Utils::GetStringFromWString(fileName), true);
    writePicture(target, path);
    makeFileKnown(path);
}

void CVirtualScript::deleteUserFile(const std::wstring& fileName)
{
    const String path = gApp.mAppState.getSaveFolderA(Utils::GetStringFromWString(fileName), false);
    Platform::deleteFile(path);
}

bool CVirtualScript::setUserFileAside(const std::wstring& fileName)
{
    return gApp.mAppState.setSaveAside(Utils::GetStringFromWString(fileName));
}
