// The loader's front: document reading and the choice of the parser.
#include "dsi/dotSceneLoader.h"

#include "dsi/dotSceneInfo.h"
#include "dsi/dotSceneLoaderImpl-0.2.0.h"

#include <OgreDataStream.h>
#include <OgreException.h>
#include <OgreResourceGroupManager.h>
#include <OgreSceneManager.h>

#include <tinyxml.h>

namespace dsi
{
namespace
{
dotSceneLoader* gCurrentLoader = nullptr;

const char* const kLoadFailed = "something went wrong while loading the .scene u specified :(";
const char* const kNoRoot = "Document has no root element.";

// Deletes the document and throws its parse error; reason replaces TinyXML's
// description when given.
[[noreturn]] void throwParseError(TiXmlDocument* document, const char* reason = nullptr)
{
    const String description = String(kLoadFailed) + " : \n" + (reason ? reason : document->ErrorDesc());
    delete document;
    OGRE_EXCEPT(Ogre::Exception::ERR_INTERNAL_ERROR, description, "dotSceneLoader::load");
}
} // namespace

void progressListener::addProgressListener(loadListener* listener)
{
    if (!mListeners.insert(listener).second)
        OGRE_EXCEPT(Ogre::Exception::ERR_DUPLICATE_ITEM, "the specified progressListener is already in the list",
                    "progressListener::addProgressListener");
}

void progressListener::notifyProgress(const String& text)
{
    for (loadListener* listener : mListeners)
        listener->step(text);
}

void progressListener::notifyExpectedSteps(int steps)
{
    for (loadListener* listener : mListeners)
        listener->expectSteps(steps);
}

dotSceneLoader::dotSceneLoader()
{
    gCurrentLoader = this;
    try
    {
        mImplementations["0.2.0"] = new dotSceneLoaderImpl020();
    }
    catch (...)
    {
        gCurrentLoader = nullptr;
        throw;
    }
}

dotSceneLoader::~dotSceneLoader()
{
    for (auto& entry : mImplementations)
        delete entry.second;
    mImplementations.clear();
    dotSceneInfo::reset();
    mListeners.clear();
    if (gCurrentLoader == this)
        gCurrentLoader = nullptr;
}

dotSceneLoader* dotSceneLoader::current()
{
    return gCurrentLoader;
}

void dotSceneLoader::addProgressListener(loadListener* listener)
{
    for (auto& entry : mImplementations)
        entry.second->addProgressListener(listener);
}

TiXmlDocument* dotSceneLoader::openDocument(const String& fileName, const String& group)
{
    TiXmlDocument* document = new TiXmlDocument(fileName.c_str());
    if (document->LoadFile())
    {
        if (!document->RootElement())
        {
            // Well-formed but empty of elements: nothing to parse is as bad
            // as text that does not parse.
            throwParseError(document, kNoRoot);
        }
        return document;
    }
    // A file that is on disk but does not parse is reported as such, rather
    // than looked for again in the resource groups.
    if (document->ErrorId() != TiXmlBase::TIXML_ERROR_OPENING_FILE)
        throwParseError(document);
    document->ClearError();

    Ogre::DataStreamPtr stream;
    try
    {
        stream = Ogre::ResourceGroupManager::getSingleton().openResource(fileName, group, nullptr, true);
    }
    catch (...)
    {
        delete document;
        throw;
    }
    if (!stream || stream->size() == 0)
    {
        delete document;
        OGRE_EXCEPT(Ogre::Exception::ERR_INTERNAL_ERROR, kLoadFailed, "dotSceneLoader::load");
    }
    String text = stream->getAsString();
    stream->close();
    if (text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xEF &&
        static_cast<unsigned char>(text[1]) == 0xBB && static_cast<unsigned char>(text[2]) == 0xBF)
        text.erase(0, 3);
    document->Parse(text.c_str());
    if (document->Error())
        throwParseError(document);
    if (!document->RootElement())
        throwParseError(document, kNoRoot);
    return document;
}

void dotSceneLoader::load(const String& fileName, const String& group, Ogre::SceneManager* sceneManager,
                          Ogre::RenderWindow* renderWindow, Ogre::SceneNode* parent, bool flag1,
                          bool flag2, bool flag3)
{
    if (mImplementations.empty())
        OGRE_EXCEPT(Ogre::Exception::ERR_INTERNAL_ERROR,
                    "there is no registered sceneLoaderImplementation available, this should not happen :(",
                    "dotSceneLoader::load");

    TiXmlDocument* document = openDocument(fileName, group);
    const TiXmlElement* root = document->RootElement();
    const char* version = root->Attribute("formatVersion");
    dotSceneLoaderImpl* implementation = mImplementations.begin()->second;
    if (!version || !*version || !mImplementations.count(version))
        logWarning(".scene file does not have a versionFormat attribute, will default/trye with the newest...");
    else
        implementation = mImplementations[version];

    try
    {
        implementation->load(document, sceneManager, renderWindow, group, parent, flag1, flag2, flag3);
    }
    catch (...)
    {
        delete document;
        throw;
    }
    delete document;
}
} // namespace dsi
