// Format "0.2.0": the document's top level, its sections, the value readers,
// sky, fog, externals and the deferred look-at and tracking targets.
#include "dsi/dotSceneLoaderImpl-0.2.0.h"

#include "dsi/dotSceneInfo.h"

#include "Application.h"
#include "Log.h"
#include "Object.h"

#include <OgreException.h>
#include <OgreRenderWindow.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreStringConverter.h>
#include <OgreViewport.h>

#include <tinyxml.h>

#include <charconv>
#include <cstring>

namespace dsi
{
namespace
{
float realAttribute(const TiXmlElement* element, const char* name, float fallback)
{
    const char* text = element ? element->Attribute(name) : nullptr;
    if (!text)
        return fallback;
    // A plain number, the usual case, is read directly (and the same way in
    // any locale); anything else goes the way OGRE reads numbers.
    float value = 0.0f;
    const char* end = text + std::strlen(text);
    const std::from_chars_result result = std::from_chars(text, end, value);
    if (result.ec == std::errc() && result.ptr == end)
        return value;
    return Ogre::StringConverter::parseReal(text);
}

// The first child element of that name, or null (also for a null parent).
const TiXmlElement* child(const TiXmlElement* element, const char* name)
{
    return element ? element->FirstChildElement(name) : nullptr;
}

String attribute(const TiXmlElement* element, const char* name)
{
    const char* text = element ? element->Attribute(name) : nullptr;
    return text ? String(text) : String();
}

// drawFirst: true when present and anything but "false".
bool drawFirstAttribute(const TiXmlElement* element)
{
    const char* text = element->Attribute("drawFirst");
    return text && String(text) != "false";
}

unsigned int gAutoNameCounter = 0;
} // namespace

dotSceneLoaderImpl020::dotSceneLoaderImpl020() = default;
dotSceneLoaderImpl020::~dotSceneLoaderImpl020() = default;

// ---------------------------------------------------------------------------
// Value readers

Ogre::ColourValue dotSceneLoaderImpl020::parseColour(const TiXmlElement* element)
{
    if (!element)
        return Ogre::ColourValue::White;
    return Ogre::ColourValue(realAttribute(element, "r", 0.0f), realAttribute(element, "g", 0.0f),
                             realAttribute(element, "b", 0.0f), realAttribute(element, "a", 1.0f));
}

Ogre::Vector3 dotSceneLoaderImpl020::parseVector3(const TiXmlElement* element)
{
    if (!element)
        return Ogre::Vector3::ZERO;
    return Ogre::Vector3(realAttribute(element, "x", 0.0f), realAttribute(element, "y", 0.0f),
                         realAttribute(element, "z", 0.0f));
}

Ogre::Vector3 dotSceneLoaderImpl020::parseScale(const TiXmlElement* element)
{
    if (!element)
        return Ogre::Vector3::UNIT_SCALE;
    return parseVector3(element);
}

Ogre::Quaternion dotSceneLoaderImpl020::parseQuaternion(const TiXmlElement* element)
{
    if (!element)
        return Ogre::Quaternion::IDENTITY;
    if (element->Attribute("qx"))
        return Ogre::Quaternion(realAttribute(element, "qw", 0.0f), realAttribute(element, "qx", 0.0f),
                                realAttribute(element, "qy", 0.0f), realAttribute(element, "qz", 0.0f));
    if (element->Attribute("axisx"))
    {
        // The element gives only the x axis: the rotation that turns the unit
        // x axis onto it (a zero vector gives no turn).
        const Ogre::Vector3 axis(realAttribute(element, "axisx", 0.0f), realAttribute(element, "axisy", 0.0f),
                                 realAttribute(element, "axisz", 0.0f));
        if (axis.isZeroLength())
            return Ogre::Quaternion::IDENTITY;
        return Ogre::Vector3::UNIT_X.getRotationTo(axis.normalisedCopy(), Ogre::Vector3::UNIT_Z);
    }
    if (element->Attribute("anglex"))
    {
        const Ogre::Quaternion qx(Ogre::Degree(realAttribute(element, "anglex", 0.0f)), Ogre::Vector3::UNIT_X);
        const Ogre::Quaternion qy(Ogre::Degree(realAttribute(element, "angley", 0.0f)), Ogre::Vector3::UNIT_Y);
        const Ogre::Quaternion qz(Ogre::Degree(realAttribute(element, "anglez", 0.0f)), Ogre::Vector3::UNIT_Z);
        return qx * qy * qz;
    }
    return Ogre::Quaternion::IDENTITY;
}

String dotSceneLoaderImpl020::nextAutoName()
{
    return "dseAutoName" + std::to_string(gAutoNameCounter++);
}

String dotSceneLoaderImpl020::getNameAttribute(const TiXmlElement* element)
{
    const char* name = element ? element->Attribute("name") : nullptr;
    return name ? String(name) : nextAutoName();
}

// ---------------------------------------------------------------------------
// Steps of a document

namespace
{
// The steps of one node element and the nodes below it: one for the node,
// one for its create record when it has a script, and one for each thing
// on it that the parser announces.
int countNodeSteps(const TiXmlElement* node)
{
    int steps = 1;
    const char* script = node->Attribute("script");
    if (script && *script)
        ++steps;
    for (const TiXmlElement* item = node->FirstChildElement(); item; item = item->NextSiblingElement())
    {
        const char* name = item->Value();
        if (std::strcmp(name, "node") == 0)
            steps += countNodeSteps(item);
        else if (std::strcmp(name, "entity") == 0 || std::strcmp(name, "rect2d") == 0 ||
                 std::strcmp(name, "overlay") == 0 || std::strcmp(name, "light") == 0 ||
                 std::strcmp(name, "particleSystem") == 0 || std::strcmp(name, "ribbonTrail") == 0 ||
                 std::strcmp(name, "lookTarget") == 0 || std::strcmp(name, "trackTarget") == 0)
            ++steps;
        else if (std::strcmp(name, "camera") == 0)
            steps += item->FirstChildElement("clipping") ? 2 : 1;
        else if (std::strcmp(name, "billboardSet") == 0)
        {
            ++steps;
            for (const TiXmlElement* b = item->FirstChildElement("billboard"); b; b = b->NextSiblingElement("billboard"))
                ++steps;
        }
    }
    return steps;
}
} // namespace

int dotSceneLoaderImpl020::countSteps(const TiXmlElement* root)
{
    // The seven section texts, from "parsing string" to "done loading".
    int steps = 7;
    if (const TiXmlElement* includes = root->FirstChildElement("includes"))
        for (const TiXmlElement* item = includes->FirstChildElement("include"); item;
             item = item->NextSiblingElement("include"))
            if (item->Attribute("name"))
                ++steps;
    if (const TiXmlElement* environment = root->FirstChildElement("environment"))
        for (const char* sky : {"skyBox", "skyDome", "skyPlane", "fog"})
            if (environment->FirstChildElement(sky))
                ++steps;
    if (const TiXmlElement* nodes = root->FirstChildElement("nodes"))
        for (const TiXmlElement* node = nodes->FirstChildElement("node"); node; node = node->NextSiblingElement("node"))
            steps += countNodeSteps(node);
    return steps;
}

// ---------------------------------------------------------------------------
// The document

void dotSceneLoaderImpl020::load(TiXmlDocument* document, Ogre::SceneManager* sceneManager,
                                 Ogre::RenderWindow* renderWindow, const String& group,
                                 Ogre::SceneNode* parent, bool flag1, bool flag2, bool flag3)
{
    mSceneManager = sceneManager;
    mRenderWindow = renderWindow;
    mFileName = document->Value();
    mGroup = group.empty() ? String("General") : group;
    mRootNode = parent ? parent : (sceneManager ? sceneManager->getRootSceneNode() : nullptr);
    if (!mRootNode)
        OGRE_EXCEPT(Ogre::Exception::ERR_INTERNAL_ERROR,
                    "Something went wrong while creating the child of the SceneRoot node ???\nWEIRD",
                    "dotSceneLoaderImpl020::load");
    mFlag1 = flag1;
    mFlag2 = flag2;
    mFlag3 = flag3;

    dotSceneInfo::reset();

    const TiXmlElement* root = document->RootElement();
    if (!root)
        OGRE_EXCEPT(Ogre::Exception::ERR_INTERNAL_ERROR,
                    "something went wrong while loading the .scene u specified :( : \nno root element",
                    "dotSceneLoader::load");
    const char* version = root->Attribute("formatVersion");
    if (!version)
        logWarning(".scene file does not have a versionFormat attribute, will default to 0.2.0...");
    else if (String(version) != "0.2.0")
        logWarning(".scene file versionFormat attribute is not 0.2.0, will try to parse anyway...");

    if (!mListeners.empty())
        notifyExpectedSteps(countSteps(root));
    mOpenDocuments.push_back(mFileName);
    try
    {
        notifyProgress("parsing string");
        parseStringsTable(child(root, "strings_table"));
        notifyProgress("parsing aliases");
        parseScriptAliases(child(root, "script_aliases"));
        notifyProgress("parsing includes");
        parseIncludes(child(root, "includes"));
        notifyProgress("parsing environment");
        parseEnvironment(child(root, "environment"));
        notifyProgress("parsing nodes");
        parseNodes(child(root, "nodes"));
        resolveTargets();
        notifyProgress("parsing externals");
        parseExternals(child(root, "externals"));
        notifyProgress("done loading");
    }
    catch (...)
    {
        // The tables point into this document, which the caller deletes.
        mTrackTargets.clear();
        mLookTargets.clear();
        mOpenDocuments.pop_back();
        throw;
    }
    mOpenDocuments.pop_back();
}

void dotSceneLoaderImpl020::parseStringsTable(const TiXmlElement* element)
{
    if (!element)
        return;
    const String lang2 = attribute(element, "lang2");
    const char* langText = element->Attribute("lang");
    if (!langText)
        Log::print("\nWARNING: No language assigned in string table");
    const String lang = langText ? langText : "";

    for (const TiXmlElement* str = element->FirstChildElement("str"); str; str = str->NextSiblingElement("str"))
    {
        const char* id = str->Attribute("id");
        if (!id)
            continue;
        const char* data = nullptr;
        if (!lang.empty())
        {
            const TiXmlElement* own = str->FirstChildElement(lang.c_str());
            data = own ? own->Attribute("data") : nullptr;
        }
        if (!data && !lang2.empty())
        {
            const TiXmlElement* second = str->FirstChildElement(lang2.c_str());
            data = second ? second->Attribute("data") : nullptr;
            if (data)
                Log::print("\nWARNING: Can't find string '%s' for language '%s' (use '%s' language).", id,
                           lang.c_str(), lang2.c_str());
        }
        if (!data)
        {
            for (const TiXmlElement* any = str->FirstChildElement(); any; any = any->NextSiblingElement())
            {
                data = any->Attribute("data");
                if (data)
                {
                    Log::print("\nWARNING: Can't find string '%s' for language '%s' (use '%s' language).", id,
                               lang.c_str(), any->Value());
                    break;
                }
            }
        }
        if (!data)
        {
            Log::print("\nERROR: Can't find string '%s' in any languages.", id);
            continue;
        }
        // A damaged text is left out rather than ending the load.
        StringTable::Text text;
        try
        {
            text = StringTable::Text(String(data));
        }
        catch (const std::exception&)
        {
            Log::print("\nERROR: String '%s' is not valid UTF-8, skipped.", id);
            continue;
        }
        gApp.mStrings.load(id, text);
    }
}

void dotSceneLoaderImpl020::parseScriptAliases(const TiXmlElement* element)
{
    if (!element)
        return;
    for (const TiXmlElement* alias = element->FirstChildElement("alias"); alias;
         alias = alias->NextSiblingElement("alias"))
    {
        const char* pattern = alias->Attribute("pattern");
        const char* script = alias->Attribute("script");
        if (pattern && script)
            CObject::scriptAliases().insert(std::make_pair(String(pattern), String(script)));
    }
}

void dotSceneLoaderImpl020::parseIncludes(const TiXmlElement* element)
{
    if (!element)
        return;
    for (const TiXmlElement* include = element->FirstChildElement(); include;
         include = include->NextSiblingElement())
    {
        if (String(include->Value()) != "include")
        {
            logWarning("Unknown XMLNode of type '" + String(include->Value()) +
                       "' encountered while reading 'nodes', skipping this node.");
            continue;
        }
        const char* name = include->Attribute("name");
        if (!name)
            continue;

        // A file that includes itself, directly or through others, would
        // recurse until the stack runs out.
        for (const String& open : mOpenDocuments)
            if (open == name)
            {
                String cycle;
                for (const String& link : mOpenDocuments)
                    cycle += link + " -> ";
                cycle += name;
                OGRE_EXCEPT(Ogre::Exception::ERR_INTERNAL_ERROR, "the .scene includes itself: " + cycle,
                            "dotSceneLoaderImpl020::parseIncludes");
            }

        TiXmlDocument* document = dotSceneLoader::openDocument(name, mGroup);
        notifyProgress("loading", name);
        const String includingFile = mFileName;
        try
        {
            load(document, mSceneManager, mRenderWindow, mGroup, mRootNode, mFlag1, mFlag2, mFlag3);
        }
        catch (...)
        {
            mFileName = includingFile;
            delete document;
            throw;
        }
        // The including file's own nodes carry its own name again.
        mFileName = includingFile;
        delete document;
    }
}

void dotSceneLoaderImpl020::parseEnvironment(const TiXmlElement* element)
{
    if (!element)
        return;
    if (const TiXmlElement* ambient = element->FirstChildElement("colourAmbient"))
    {
        const Ogre::ColourValue colour = parseColour(ambient);
        mSceneManager->setAmbientLight(colour);
        if (mFlag3)
            dotSceneInfo::mAmbientColour = colour;
    }
    if (const TiXmlElement* shadows = element->FirstChildElement("shadows"))
    {
        const char* enable = shadows->Attribute("enable");
        const int on = enable ? std::atoi(enable) : 0;
        mSceneManager->setShadowTechnique(on ? Ogre::SHADOWTYPE_TEXTURE_MODULATIVE : Ogre::SHADOWTYPE_NONE);
        if (const char* size = shadows->Attribute("textureSize"))
        {
            // A size of 0 or less makes no texture at all; keep OGRE's.
            const int value = std::atoi(size);
            if (value > 0)
                mSceneManager->setShadowTextureSize(static_cast<unsigned short>(value));
        }
        if (const TiXmlElement* colour = shadows->FirstChildElement("color"))
            mSceneManager->setShadowColour(parseColour(colour));
    }
    if (const TiXmlElement* background = element->FirstChildElement("colourBackground"))
    {
        const Ogre::ColourValue colour = parseColour(background);
        if (mRenderWindow)
            for (unsigned short i = 0; i < mRenderWindow->getNumViewports(); ++i)
                if (mRenderWindow->getViewport(i)->getZOrder() >= 0) // the bars beside the picture stay black
                    mRenderWindow->getViewport(i)->setBackgroundColour(colour);
        if (mFlag3)
            dotSceneInfo::mBackgroundColour = colour;
    }
    if (const TiXmlElement* sky = element->FirstChildElement("skyBox"))
        parseSkyBox(sky);
    if (const TiXmlElement* sky = element->FirstChildElement("skyDome"))
        parseSkyDome(sky);
    if (const TiXmlElement* sky = element->FirstChildElement("skyPlane"))
        parseSkyPlane(sky);
    if (const TiXmlElement* fog = element->FirstChildElement("fog"))
        parseFog(fog);
}

// ---------------------------------------------------------------------------
// Sky and fog

void dotSceneLoaderImpl020::parseSkyBox(const TiXmlElement* element)
{
    notifyProgress("parsing sky box");
    String material = attribute(element, "material");
    if (!element->Attribute("material"))
        material = "BaseWhite";
    const float distance = realAttribute(element, "distance", 5000.0f);
    const bool drawFirst = drawFirstAttribute(element);
    const Ogre::Quaternion orientation = parseQuaternion(element->FirstChildElement("rotation"));
    try
    {
        mSceneManager->setSkyDome(false, "BaseWhite");
        mSceneManager->setSkyPlane(false, Ogre::Plane(), "BaseWhite");
        mSceneManager->setSkyBox(true, material, distance, drawFirst, orientation, mGroup);
        dotSceneInfo::setSkyBox(material, distance, drawFirst, orientation);
    }
    catch (const Ogre::Exception&)
    {
        logError("something went wrong while seting skyBox :(");
        mSceneManager->setSkyBox(false, "BaseWhite");
    }
}

void dotSceneLoaderImpl020::parseSkyDome(const TiXmlElement* element)
{
    notifyProgress("parsing sky dome");
    const String material = element->Attribute("material") ? attribute(element, "material") : "BaseWhite";
    const float distance = realAttribute(element, "distance", 4000.0f);
    const bool drawFirst = drawFirstAttribute(element);
    const Ogre::Quaternion orientation = parseQuaternion(element->FirstChildElement("rotation"));
    const float curvature = realAttribute(element, "curvature", 10.0f);
    const float tiling = realAttribute(element, "tiling", 8.0f);
    try
    {
        mSceneManager->setSkyBox(false, "BaseWhite");
        mSceneManager->setSkyPlane(false, Ogre::Plane(), "BaseWhite");
        mSceneManager->setSkyDome(true, material, curvature, tiling, distance, drawFirst, orientation, 16, 16,
                                  -1, mGroup);
        dotSceneInfo::setSkyDome(material, curvature, tiling, distance, drawFirst, orientation);
    }
    catch (const Ogre::Exception&)
    {
        logError("something went wrong while seting skyDome :(");
        mSceneManager->setSkyDome(false, "BaseWhite");
    }
}

void dotSceneLoaderImpl020::parseSkyPlane(const TiXmlElement* element)
{
    notifyProgress("parsing sky plane");
    const String material = element->Attribute("material") ? attribute(element, "material") : "BaseWhite";
    const bool drawFirst = drawFirstAttribute(element);
    const float x = realAttribute(element, "planeX", 0.0f);
    const float y = realAttribute(element, "planeY", -1.0f);
    const float z = realAttribute(element, "planeZ", 0.0f);
    const float d = realAttribute(element, "planeD", 500.0f);
    const float scale = realAttribute(element, "scale", 1000.0f);
    const float tiling = realAttribute(element, "tiling", 10.0f);
    const float bow = realAttribute(element, "bow", 0.0f);
    try
    {
        mSceneManager->setSkyBox(false, "BaseWhite");
        mSceneManager->setSkyDome(false, "BaseWhite");
        Ogre::Plane plane;
        plane.normal = Ogre::Vector3(x, y, z);
        plane.d = d;
        mSceneManager->setSkyPlane(true, plane, material, scale, tiling, drawFirst, bow, 1, 1, mGroup);
        dotSceneInfo::setSkyPlane(material, x, y, z, d, scale, tiling, bow, drawFirst);
    }
    catch (const Ogre::Exception&)
    {
        logError("something went wrong while seting skyPlane :(");
        mSceneManager->setSkyPlane(false, Ogre::Plane(), "BaseWhite");
    }
}

void dotSceneLoaderImpl020::parseFog(const TiXmlElement* element)
{
    notifyProgress("parsing fog");
    const float density = realAttribute(element, "expDensity", 0.0f);
    const float start = realAttribute(element, "linearStart", 0.0f);
    const float end = realAttribute(element, "linearEnd", 0.0f);
    const Ogre::ColourValue colour = parseColour(element->FirstChildElement("colourDiffuse"));
    const String mode = element->Attribute("mode") ? attribute(element, "mode") : "none";
    Ogre::FogMode fogMode;
    if (mode == "none")
        fogMode = Ogre::FOG_NONE;
    else if (mode == "exp")
        fogMode = Ogre::FOG_EXP;
    else if (mode == "exp2")
        fogMode = Ogre::FOG_EXP2;
    else if (mode == "linear")
        fogMode = Ogre::FOG_LINEAR;
    else
    {
        logWarning("invalid fog mode attribute : '" + mode + "', skipped !!!");
        return;
    }
    mSceneManager->setFog(fogMode, colour, density, start, end);
    dotSceneInfo::setFog(fogMode, colour, density, start, end);
}

// ---------------------------------------------------------------------------
// Externals

void dotSceneLoaderImpl020::parseExternals(const TiXmlElement* element)
{
    if (!element)
        return;
    for (const TiXmlElement* item = element->FirstChildElement(); item; item = item->NextSiblingElement())
    {
        if (String(item->Value()) == "item")
            parseExternalItem(item);
        else
            logWarning("Unknown XMLNode of type '" + String(item->Value()) +
                       "' encountered while reading 'external'->'item', will skip this node...");
    }
}

void dotSceneLoaderImpl020::parseExternalItem(const TiXmlElement* element)
{
    if (!mFlag1)
        return;
    const String type = attribute(element, "type");
    if (type == "material")
    {
        // The file is only named; the materials come from the resource
        // groups' scripts.
        (void)attribute(child(element, "file"), "name");
        return;
    }
    logWarning("Unknown item type '" + type + "' encountered, will skip it, no parsing...");
}

// ---------------------------------------------------------------------------
// Look-at and tracking targets

void dotSceneLoaderImpl020::resolveTargets()
{
    // Camera targets are not read from the camera elements, so only the
    // nodes' tables hold entries.
    targetTable track;
    track.swap(mTrackTargets);
    for (const auto& entry : track)
        parseNodeAutoTrack(entry.second, entry.first);
    targetTable look;
    look.swap(mLookTargets);
    for (const auto& entry : look)
        parseNodeLookAt(entry.second, entry.first);
}

void dotSceneLoaderImpl020::parseNodeAutoTrack(const TiXmlElement* element, Ogre::SceneNode* node)
{
    notifyProgress("parsing autoTrack target");
    const char* nodeName = element->Attribute("nodeName");
    if (!nodeName)
    {
        logError("nodeName attribute not found, skiping this target, it's invalid, check your .scene file...");
        return;
    }
    if (!mSceneManager->hasSceneNode(nodeName))
    {
        logError("taget sceneNode '" + String(nodeName) + "' not found, skiping this target...");
        return;
    }
    Ogre::SceneNode* target = mSceneManager->getSceneNode(nodeName);
    const TiXmlElement* direction = element->FirstChildElement("localDirection");
    const Ogre::Vector3 localDirection = direction ? parseVector3(direction) : Ogre::Vector3::NEGATIVE_UNIT_Z;
    const Ogre::Vector3 offset = parseVector3(element->FirstChildElement("offset"));
    node->setAutoTracking(true, target, localDirection, offset);
}

void dotSceneLoaderImpl020::parseNodeLookAt(const TiXmlElement* element, Ogre::SceneNode* node)
{
    notifyProgress("parsing lookAt target");
    const String nodeName = attribute(element, "nodeName");
    Ogre::SceneNode* target = nullptr;
    if (!nodeName.empty())
    {
        if (!mSceneManager->hasSceneNode(nodeName))
        {
            logError("taget sceneNode '" + nodeName + "' not found, skiping this target...");
            return;
        }
        target = mSceneManager->getSceneNode(nodeName);
    }
    const String relativeTo = element->Attribute("relativeTo") ? attribute(element, "relativeTo") : "world";
    Ogre::Node::TransformSpace space;
    if (relativeTo == "local")
        space = Ogre::Node::TS_LOCAL;
    else if (relativeTo == "parent")
        space = Ogre::Node::TS_PARENT;
    else if (relativeTo == "world")
        space = Ogre::Node::TS_WORLD;
    else
    {
        logError("invalid 'relativeTo' attribute found : '" + relativeTo + "' check your scene file !!");
        return;
    }
    const TiXmlElement* position = element->FirstChildElement("position");
    const TiXmlElement* direction = element->FirstChildElement("localDirection");
    if (!position && !target)
    {
        logError("attribute 'nodeName' not found and no 'position' element is defined, will skip...");
        return;
    }
    if (position && target)
    {
        logError("attribute 'nodeName' found and 'position' element is defined, what do u mean ??, will skip...");
        return;
    }
    const Ogre::Vector3 point = position ? parseVector3(position) : target->_getDerivedPosition();
    const Ogre::Vector3 localDirection = direction ? parseVector3(direction) : Ogre::Vector3::NEGATIVE_UNIT_Z;
    node->lookAt(point, space, localDirection);
}
} // namespace dsi
