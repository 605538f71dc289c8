// Format "0.2.0": entities with their buffer usages, 2D rectangles, lights,
// cameras with their render-to-texture targets, billboard sets.
#include "dsi/dotSceneLoaderImpl-0.2.0.h"

#include "dsi/dotSceneInfo.h"

#include "Application.h"
#include "Log.h"
#include "Object.h"

#include <OgreBillboard.h>
#include <OgreBillboardSet.h>
#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreException.h>
#include <OgreHardwarePixelBuffer.h>
#include <OgreLight.h>
#include <OgreMaterialManager.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgrePass.h>
#include <OgreRectangle2D.h>
#include <OgreRenderSystem.h>
#include <OgreRenderTexture.h>
#include <OgreResourceGroupManager.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreStringConverter.h>
#include <OgreSubEntity.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>
#include <OgreTextureManager.h>
#include <OgreViewport.h>

#include <tinyxml.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

// The scene format places lights and cameras relative to their node with
// their own position and direction, which OGRE 1.12 still offers but marks
// as deprecated.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace dsi
{
namespace
{
String attribute(const TiXmlElement* element, const char* name)
{
    const char* text = element ? element->Attribute(name) : nullptr;
    return text ? String(text) : String();
}

float parseReal(const TiXmlElement* element, const char* name)
{
    const char* text = element ? element->Attribute(name) : nullptr;
    return text ? Ogre::StringConverter::parseReal(text) : 0.0f;
}

// OGRE aborts on a render queue above its last one: such a value is
// refused with a warning instead.
bool renderQueueOf(const TiXmlElement* element, Ogre::uint8& queue)
{
    const char* text = element->Attribute("renderQueue");
    if (!text)
        return false;
    const int value = std::atoi(text);
    if (value < 0 || value > Ogre::RENDER_QUEUE_MAX)
    {
        logWarning("renderQueue '" + String(text) + "' out of range, will skip it...");
        return false;
    }
    queue = static_cast<Ogre::uint8>(value);
    return true;
}

void applyRenderQueue(const TiXmlElement* element, Ogre::MovableObject* object)
{
    Ogre::uint8 queue = 0;
    if (renderQueueOf(element, queue))
        object->setRenderQueueGroup(queue);
}

void applyVisibleFlag(const TiXmlElement* element, Ogre::MovableObject* object)
{
    if (const char* flags = element->Attribute("visibleFlag"))
        object->setVisibilityFlags(static_cast<Ogre::uint32>(std::atoi(flags)));
}

// ---------------------------------------------------------------------------
// 2D rectangles are made through a factory of their own, so that the scene
// manager destroys them with the scene like every other movable object.

const char* const kRectType = "dsiRect2d";

class sceneRect2d : public Ogre::Rectangle2D
{
public:
    explicit sceneRect2d(const String& name) : Ogre::Rectangle2D(name, true) {}
    ~sceneRect2d() override = default;
    const String& getMovableType() const override
    {
        static const String type(kRectType);
        return type;
    }
};

class sceneRect2dFactory : public Ogre::MovableObjectFactory
{
public:
    const String& getType() const override
    {
        static const String type(kRectType);
        return type;
    }

protected:
    Ogre::MovableObject* createInstanceImpl(const String& name, const Ogre::NameValuePairList*) override
    {
        return new sceneRect2d(name);
    }
};

void registerRectFactory()
{
    static sceneRect2dFactory factory;
    Ogre::Root* root = Ogre::Root::getSingletonPtr();
    if (root && !root->hasMovableObjectFactory(kRectType))
        root->addMovableObjectFactory(&factory);
}
} // namespace

// ---------------------------------------------------------------------------
// Entities

bufferUsageDesc* dotSceneLoaderImpl020::parseBufferUsage(const TiXmlElement* element)
{
    bufferUsageDesc* desc = new bufferUsageDesc;
    const String usage = element && element->Attribute("usage") ? attribute(element, "usage") : "staticWriteOnly";
    const String shadow = element && element->Attribute("useShadow") ? attribute(element, "useShadow") : "true";
    desc->shadowed = shadow == "true";
    if (usage == "static")
        desc->usage = Ogre::HardwareBuffer::HBU_STATIC;
    else if (usage == "dynamic")
        desc->usage = Ogre::HardwareBuffer::HBU_DYNAMIC;
    else if (usage == "writeOnly")
        desc->usage = Ogre::HardwareBuffer::HBU_WRITE_ONLY;
    else if (usage == "dynamicWriteOnly")
        desc->usage = Ogre::HardwareBuffer::HBU_DYNAMIC_WRITE_ONLY;
    else
        desc->usage = Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY;
    return desc;
}

void dotSceneLoaderImpl020::parseEntity(const TiXmlElement* element, Ogre::SceneNode* parent, CObject* object,
                                        nodeObjectType type, const Ogre::Vector3& bbCenter,
                                        const Ogre::Vector3& bbSize)
{
    const String name = getNameAttribute(element);
    notifyProgress("parsing entity", name);
    String meshName = attribute(element, "meshFile");
    if (meshName.empty())
        meshName = parent->getName();

    Ogre::Entity* entity = nullptr;
    try
    {
        const TiXmlElement* vertexElement = element->FirstChildElement("vertexBuffer");
        const TiXmlElement* indexElement = element->FirstChildElement("indexBuffer");
        // The defaults unless the element names its buffers (and flag2
        // does not force the defaults).
        bufferUsageDesc vertex;
        bufferUsageDesc index;
        if (!mFlag2 && vertexElement)
            vertex = *std::unique_ptr<bufferUsageDesc>(parseBufferUsage(vertexElement));
        if (!mFlag2 && indexElement)
            index = *std::unique_ptr<bufferUsageDesc>(parseBufferUsage(indexElement));
        Ogre::MeshManager::getSingleton().load(meshName, mGroup, vertex.usage, index.usage, vertex.shadowed,
                                               index.shadowed);
        entity = mSceneManager->createEntity(parent->getName(), meshName, mGroup);
    }
    catch (const Ogre::Exception&)
    {
        logError("entity '" + meshName + "' failed to load");
    }
    if (!entity)
    {
        logError("entity '" + name + "' failed to load, check the .scene");
        return;
    }

    parent->attachObject(entity);
    // A scaled node needs its normals normalised; OGRE 1.12's scene manager
    // does that by itself for every scaled entity (normalise normals on
    // scale, on by default).
    const char* castShadow = element->Attribute("castShadow");
    entity->setCastShadows(castShadow && std::strcmp(castShadow, "true") == 0);

    applyRenderQueue(element, entity);
    if (element->Attribute("softwareAnim"))
    {
        if (attribute(element, "softwareAnim") == "true")
            entity->addSoftwareAnimationRequest(true);
    }
    applyVisibleFlag(element, entity);
    if (const char* material = element->Attribute("material"))
        entity->setMaterialName(material, mGroup);

    entity->getUserObjectBindings().setUserAny(Ogre::Any(object));
    object->mEntity = entity;
    initObjectSkeleton(object, type);

    if (element->Attribute("selectable"))
    {
        if (attribute(element, "selectable") == "true")
        {
            entity->setQueryFlags(1);
            object->mPickable = true;
            for (unsigned int i = 0; i < entity->getNumSubEntities(); ++i)
            {
                Ogre::SubEntity* sub = entity->getSubEntity(i);
                if (sub->getMaterialName() == "00_empty")
                    sub->setVisible(false);
            }
        }
        else
            object->mPickable = false;
    }

    if (bbSize.length() != 0.0f)
    {
        // The size is a half-extent; a negative one would make an inside-out
        // box, which OGRE refuses.
        const Ogre::Vector3 half(std::fabs(bbSize.x), std::fabs(bbSize.y), std::fabs(bbSize.z));
        entity->getMesh()->_setBounds(Ogre::AxisAlignedBox(bbCenter - half, bbCenter + half), true);
        parent->_updateBounds();
    }
    recordObject(entity);
}

// ---------------------------------------------------------------------------
// 2D rectangles

void dotSceneLoaderImpl020::parseRect2d(const TiXmlElement* element, Ogre::SceneNode* parent, CObject* object)
{
    const String name = getNameAttribute(element);
    notifyProgress("parsing entity", name);
    registerRectFactory();
    Ogre::Rectangle2D* rect = nullptr;
    try
    {
        rect = static_cast<Ogre::Rectangle2D*>(mSceneManager->createMovableObject(name, kRectType));
    }
    catch (const Ogre::Exception&)
    {
        rect = nullptr;
    }
    if (!rect)
    {
        logError("entity '" + name + "' failed to load, check the .scene");
        return;
    }
    parent->attachObject(rect);
    rect->setCastShadows(false);
    applyRenderQueue(element, rect);
    applyVisibleFlag(element, rect);

    static_cast<Ogre::MovableObject*>(rect)->getUserObjectBindings().setUserAny(Ogre::Any(object));
    object->mPickable = false;
    if (attribute(element, "selectable") == "true")
    {
        rect->setQueryFlags(1);
        object->mPickable = true;
    }
    if (const char* material = element->Attribute("material"))
    {
        Ogre::MaterialPtr found = Ogre::MaterialManager::getSingleton().getByName(material, mGroup);
        if (found)
            rect->setMaterial(found);
        else
            logWarning("material '" + String(material) + "' not found, rect2d '" + name + "'");
    }

    float h = 0.0f, v = 0.0f;
    Ogre::RenderSystem* rs = Ogre::Root::getSingleton().getRenderSystem();
    if (rs && gApp.mViewport && gApp.mViewport->getActualWidth() > 0 && gApp.mViewport->getActualHeight() > 0)
    {
        h = rs->getHorizontalTexelOffset() / (gApp.mViewport->getActualWidth() * 0.5f);
        v = rs->getVerticalTexelOffset() / (gApp.mViewport->getActualHeight() * 0.5f);
    }
    auto setCorners = [&](float x, float y, float sx, float sy) {
        const float left = 2.0f * x - 1.0f + h;
        const float top = 1.0f - 2.0f * y - v;
        rect->setCorners(left, top, left + 2.0f * sx, top - 2.0f * sy);
    };
    // OGRE leaves a new rectangle's corners unset: until the element gives
    // a complete set it covers the screen.
    rect->setCorners(-1.0f, 1.0f, 1.0f, -1.0f);
    auto has4 = [&](const char* a, const char* b, const char* c, const char* d) {
        return element->Attribute(a) && element->Attribute(b) && element->Attribute(c) && element->Attribute(d);
    };
    auto real = [&](const char* n) { return static_cast<float>(std::atof(element->Attribute(n))); };
    if (has4("x", "y", "sx", "sy"))
        setCorners(real("x"), real("y"), real("sx"), real("sy"));
    if (has4("px", "py", "spx", "spy"))
        setCorners(real("px") / 1024.0f, real("py") / 768.0f, real("spx") / 1024.0f, real("spy") / 768.0f);

    Ogre::AxisAlignedBox infinite;
    infinite.setInfinite();
    rect->setBoundingBox(infinite);
    recordObject(rect);
}

// ---------------------------------------------------------------------------
// Lights

void dotSceneLoaderImpl020::parseLightAttenuation(const TiXmlElement* element, float& range, float& constant,
                                                  float& linear, float& quadratic)
{
    range = parseReal(element, "range");
    constant = parseReal(element, "constant");
    linear = parseReal(element, "linear");
    quadratic = parseReal(element, "quadratic");
}

void dotSceneLoaderImpl020::parseLightRange(const TiXmlElement* element, float& inner, float& outer,
                                            float& falloff)
{
    inner = parseReal(element, "inner");
    outer = parseReal(element, "outer");
    falloff = parseReal(element, "falloff");
}

void dotSceneLoaderImpl020::parseLight(const TiXmlElement* element, Ogre::SceneNode* parent)
{
    const String name = getNameAttribute(element);
    notifyProgress("parsing light", name);
    Ogre::Light* light = mSceneManager->createLight(name);
    parent->attachObject(light);

    if (attribute(element, "visible") == "false")
        light->setVisible(false);
    applyVisibleFlag(element, light);
    light->setCastShadows(attribute(element, "castShadows") == "true");

    if (const TiXmlElement* diffuse = element->FirstChildElement("colourDiffuse"))
        light->setDiffuseColour(parseColour(diffuse));
    if (const TiXmlElement* specular = element->FirstChildElement("colourSpecular"))
        light->setSpecularColour(parseColour(specular));

    const String type = element->Attribute("type") ? attribute(element, "type") : "point";
    if (type == "point")
        light->setType(Ogre::Light::LT_POINT);
    else if (type == "directional" || type == "targetDirectional")
        light->setType(Ogre::Light::LT_DIRECTIONAL);
    else if (type == "spot" || type == "targetSpot")
        light->setType(Ogre::Light::LT_SPOTLIGHT);

    if (const TiXmlElement* attenuation = element->FirstChildElement("lightAttenuation"))
    {
        float range, constant, linear, quadratic;
        parseLightAttenuation(attenuation, range, constant, linear, quadratic);
        light->setAttenuation(range, constant, linear, quadratic);
    }
    if (const TiXmlElement* spot = element->FirstChildElement("lightRange"))
    {
        float inner, outer, falloff;
        parseLightRange(spot, inner, outer, falloff);
        light->setSpotlightRange(Ogre::Radian(Ogre::Angle(inner)), Ogre::Radian(Ogre::Angle(outer)), falloff);
    }
    if (const TiXmlElement* normal = element->FirstChildElement("normal"))
        light->setDirection(parseVector3(normal));
    if (const TiXmlElement* position = element->FirstChildElement("position"))
        light->setPosition(parseVector3(position));
    recordObject(light);
}

// ---------------------------------------------------------------------------
// Cameras

void dotSceneLoaderImpl020::parseClipping(const TiXmlElement* element, float& nearDistance, float& farDistance)
{
    nearDistance = parseReal(element, "near");
    farDistance = parseReal(element, "far");
}

void dotSceneLoaderImpl020::parseCamera(const TiXmlElement* element, Ogre::SceneNode* parent)
{
    const String name = getNameAttribute(element);
    notifyProgress("parsing camera", name);
    Ogre::Camera* camera = mSceneManager->createCamera(name);
    parent->attachObject(camera);

    const Ogre::ProjectionType projection =
        attribute(element, "projectionType") == "perspective" ? Ogre::PT_PERSPECTIVE : Ogre::PT_ORTHOGRAPHIC;

    if (const TiXmlElement* clipping = element->FirstChildElement("clipping"))
    {
        notifyProgress("parsing clipping");
        float nearDistance, farDistance;
        parseClipping(clipping, nearDistance, farDistance);
        // OGRE refuses a near distance of zero or less; a negative far one
        // makes no sense either.
        if (nearDistance > 0.0f)
            camera->setNearClipDistance(nearDistance);
        else if (nearDistance != 0.0f)
            logWarning("camera '" + name + "': near clip distance must be positive, will skip it...");
        if (farDistance > 0.0f)
            camera->setFarClipDistance(farDistance);
        else if (farDistance != 0.0f)
            logWarning("camera '" + name + "': far clip distance must be positive, will skip it...");
    }
    if (const char* fov = element->Attribute("fov"))
        camera->setFOVy(Ogre::Radian(Ogre::Angle(Ogre::StringConverter::parseReal(fov) * 1.0499999523f)));
    if (const char* aspect = element->Attribute("aspectRatio"))
        camera->setAspectRatio(Ogre::StringConverter::parseReal(aspect));
    camera->setProjectionType(projection);

    if (const TiXmlElement* normal = element->FirstChildElement("normal"))
        camera->setDirection(parseVector3(normal));
    if (const TiXmlElement* position = element->FirstChildElement("position"))
        camera->setPosition(parseVector3(position));
    if (const TiXmlElement* rotation = element->FirstChildElement("rotation"))
        camera->setOrientation(parseQuaternion(rotation));
    applyVisibleFlag(element, camera);

    for (const TiXmlElement* rtt = element->FirstChildElement("rtt"); rtt; rtt = rtt->NextSiblingElement("rtt"))
    {
        const char* textureName = rtt->Attribute("name");
        if (!textureName || !*textureName)
        {
            logError("camera '" + name + "': rtt without a name, will skip it...");
            continue;
        }
        const char* bpp = rtt->Attribute("bpp");
        createRenderTexture(textureName, name, Ogre::StringConverter::parseInt(attribute(rtt, "x")),
                            Ogre::StringConverter::parseInt(attribute(rtt, "y")),
                            static_cast<uint32_t>(Ogre::StringConverter::parseInt(attribute(rtt, "visibleFlag"))),
                            bpp ? Ogre::StringConverter::parseInt(bpp) : 24);
    }
    recordObject(camera);
}

void dotSceneLoaderImpl020::createRenderTexture(const String& textureName, const String& cameraName, int width,
                                                int height, uint32_t mask, int bpp)
{
    Ogre::TextureManager* textures = Ogre::TextureManager::getSingletonPtr();
    if (!textures || !Ogre::Root::getSingleton().getRenderSystem())
    {
        Log::print("\nERROR: Can't create RTT %s, no render system", textureName.c_str());
        return;
    }
    // A material script that shows the target names its texture before any
    // scene makes it; that name is only taken ahead, not in use, and the
    // materials are pointed at the target once it exists.
    Ogre::TexturePtr ahead = textures->getByName(textureName, Ogre::RGN_DEFAULT);
    const bool takenAhead = ahead && !ahead->isManuallyLoaded() && !ahead->isLoaded() &&
                            !Ogre::ResourceGroupManager::getSingleton().resourceExistsInAnyGroup(textureName);
    if (takenAhead)
        textures->remove(ahead);
    else if (ahead)
    {
        Log::print("\nERROR: Can't create RTT %s, texture name already in use", textureName.c_str());
        return;
    }
    Ogre::PixelFormat format;
    if (bpp == 24)
        format = Ogre::PF_R8G8B8;
    else if (bpp == 32)
        format = Ogre::PF_R8G8B8A8;
    else
    {
        Log::print("ERROR: _createRTT()  unabled bpp parameter (bpp = %d)", bpp);
        return;
    }
    if (width <= 0 || height <= 0)
    {
        Log::print("\nERROR: Can't create RTT %s, size %dx%d", textureName.c_str(), width, height);
        return;
    }
    Ogre::TexturePtr texture;
    try
    {
        texture = textures->createManual(textureName, Ogre::RGN_DEFAULT, Ogre::TEX_TYPE_2D,
                                         static_cast<Ogre::uint>(width), static_cast<Ogre::uint>(height), 0,
                                         format, Ogre::TU_RENDERTARGET);
    }
    catch (const Ogre::Exception& e)
    {
        Log::print("\nERROR: Can't create RTT %s: %s", textureName.c_str(), e.getDescription().c_str());
        return;
    }
    // The loader's targets are drawn when a script asks for them.
    Ogre::RenderTexture* target = texture->getBuffer()->getRenderTarget();
    Ogre::Viewport* viewport = target->addViewport(mSceneManager->getCamera(cameraName), 0, 0.0f, 0.0f, 1.0f, 1.0f);
    viewport->setBackgroundColour(Ogre::ColourValue(0.0f, 0.0f, 0.0f, 0.0f));
    viewport->setOverlaysEnabled(false);
    viewport->setVisibilityMask(mask);
    target->setAutoUpdated(false);
    if (takenAhead)
        pointMaterialsAt(texture);
}

void dotSceneLoaderImpl020::pointMaterialsAt(const Ogre::TexturePtr& texture)
{
    Ogre::MaterialManager& materials = Ogre::MaterialManager::getSingleton();
    for (const auto& entry : materials.getResourceIterator())
    {
        auto* material = static_cast<Ogre::Material*>(entry.second.get());
        for (Ogre::Technique* technique : material->getTechniques())
            for (Ogre::Pass* pass : technique->getPasses())
                for (Ogre::TextureUnitState* unit : pass->getTextureUnitStates())
                    if (unit->getTextureName() == texture->getName())
                        unit->setTexture(texture);
    }
}

// ---------------------------------------------------------------------------
// Billboard sets

void dotSceneLoaderImpl020::parseBillboardSet(const TiXmlElement* element, Ogre::SceneNode* parent)
{
    const String name = getNameAttribute(element);
    notifyProgress("parsing billboard set", name);
    Ogre::BillboardSet* set = nullptr;
    try
    {
        set = mSceneManager->createBillboardSet(name, 20);
    }
    catch (const Ogre::Exception&)
    {
        logError("Failed to create billboardSet '" + name);
        return;
    }

    const String type = element->Attribute("type") ? attribute(element, "type") : "point";
    if (type == "point")
        set->setBillboardType(Ogre::BBT_POINT);
    else if (type == "orientedCommon")
        set->setBillboardType(Ogre::BBT_ORIENTED_COMMON);
    else if (type == "orientedSelf")
        set->setBillboardType(Ogre::BBT_ORIENTED_SELF);
    else
    {
        logWarning("unknown billboardSet type '" + type + "' will skip...");
        return;
    }

    static const std::pair<const char*, Ogre::BillboardOrigin> kOrigins[] = {
        {"topLeft", Ogre::BBO_TOP_LEFT},       {"topCenter", Ogre::BBO_TOP_CENTER},
        {"topRight", Ogre::BBO_TOP_RIGHT},     {"centerLeft", Ogre::BBO_CENTER_LEFT},
        {"center", Ogre::BBO_CENTER},          {"centerRight", Ogre::BBO_CENTER_RIGHT},
        {"bottomLeft", Ogre::BBO_BOTTOM_LEFT}, {" ", Ogre::BBO_BOTTOM_CENTER},
        {"bottomRight", Ogre::BBO_BOTTOM_RIGHT},
    };
    const String origin = element->Attribute("origin") ? attribute(element, "origin") : "center";
    for (const auto& entry : kOrigins)
        if (origin == entry.first)
            set->setBillboardOrigin(entry.second);

    if (element->Attribute("width"))
        set->setDefaultWidth(parseReal(element, "width"));
    if (element->Attribute("height"))
        set->setDefaultHeight(parseReal(element, "height"));
    applyRenderQueue(element, set);
    applyVisibleFlag(element, set);
    if (attribute(element, "show") == "false")
        set->setVisible(false);
    if (const char* material = element->Attribute("material"))
    {
        try
        {
            set->setMaterialName(material, mGroup);
        }
        catch (const Ogre::Exception&)
        {
            logWarning("material '" + String(material) + "' failed to load, billboardSet '" + name + "'");
            set->setMaterialName("BaseWhite", Ogre::RGN_INTERNAL);
        }
    }

    for (const TiXmlElement* item = element->FirstChildElement(); item; item = item->NextSiblingElement())
    {
        if (String(item->Value()) == "billboard")
            parseBillboard(item, set);
        else
            logWarning("Unknown XMLNode of type '" + String(item->Value()) +
                       "' encountered while reading billboardSet childs, will skip this node...");
    }
    parent->attachObject(set);
    recordObject(set);
}

void dotSceneLoaderImpl020::parseBillboard(const TiXmlElement* element, Ogre::BillboardSet* set)
{
    const String name = getNameAttribute(element);
    notifyProgress("parsing billboard", name);
    try
    {
        Ogre::Billboard* billboard = set->createBillboard(parseVector3(element->FirstChildElement("position")),
                                                          parseColour(element->FirstChildElement("colourDiffuse")));
        if (!billboard)
            OGRE_EXCEPT(Ogre::Exception::ERR_INVALID_STATE, "billboard pool exhausted", "parseBillboard");
        if (element->Attribute("width") && element->Attribute("height"))
            billboard->setDimensions(parseReal(element, "width"), parseReal(element, "height"));
        if (const TiXmlElement* rotation = element->FirstChildElement("rotation"))
            billboard->setRotation(Ogre::Radian(Ogre::Angle(parseQuaternion(rotation).w)));
    }
    catch (const Ogre::Exception&)
    {
        logError("Failed to create billboard '" + name);
    }
}
} // namespace dsi
