// The loader's front: document reading and the choice of the parser.
#include "dsi/dotSceneLoader.h"

#include "dsi/dotSceneInfo.h"
#include "dsi/dotSceneLoaderImpl-0.2.0.h"

#include <OgreDataStream.h>
#include <OgreException.h>
#include <OgreResourceGroupManager.h>
#include <OgreSceneManager.h>

#include "platform/FileIO.h"
#include "platform/GuardedBuffer.h"

#include <tinyxml.h>

#include <cstdint>
#include <cstring>

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
    String description = String(kLoadFailed) + " : \n" + (reason ? reason : document->ErrorDesc());
    if (!reason)
        description += " (" + String(document->Value()) + ", line " + std::to_string(document->ErrorRow()) +
                       ", column " + std::to_string(document->ErrorCol()) + ")";
    delete document;
    OGRE_EXCEPT(Ogre::Exception::ERR_INTERNAL_ERROR, description, "dotSceneLoader::load");
}

// Zeros after the text: TinyXML steps at most four bytes at once.
const size_t kPadding = 8;
// A room's .scene file is a few megabytes at most.
const uint64_t kMaxDocumentSize = 256u << 20;

// The length of the character that begins with byte c, as TinyXML counts it
// when it reads UTF-8.
size_t utf8Length(unsigned char c)
{
    if (c >= 0xC2 && c <= 0xDF)
        return 2;
    if (c >= 0xE0 && c <= 0xEF)
        return 3;
    if (c >= 0xF0 && c <= 0xF4)
        return 4;
    return 1;
}

// Whether the text ends inside a character, as TinyXML steps through it:
// by the length its first byte announces.  Runs of plain ASCII (the bulk of
// a .scene) are passed eight bytes at a time.
bool endsInsideCharacter(const String& text)
{
    const unsigned char* at = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char* end = at + text.size();
    while (at < end)
    {
        if (end - at >= 8)
        {
            uint64_t eight = 0;
            std::memcpy(&eight, at, 8);
            if ((eight & 0x8080808080808080ull) == 0)
            {
                at += 8;
                continue;
            }
        }
        at += utf8Length(*at);
    }
    return at > end;
}

// Makes the text ready for TinyXML: no byte-order mark, line ends as XML
// reads them, nothing after a zero byte (where TinyXML stops).  The reason
// for refusing it, or null.
const char* prepareText(String& text)
{
    const size_t zero = text.find('\0');
    if (zero != String::npos)
        text.resize(zero);
    if (text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xEF &&
        static_cast<unsigned char>(text[1]) == 0xBB && static_cast<unsigned char>(text[2]) == 0xBF)
        text.erase(0, 3);
    // "\r\n" and a lone "\r" become "\n", in place: the text only shrinks.
    if (std::memchr(text.data(), '\r', text.size()))
    {
        size_t out = 0;
        for (size_t i = 0; i < text.size(); ++i)
        {
            if (text[i] != '\r')
                text[out++] = text[i];
            else if (i + 1 >= text.size() || text[i + 1] != '\n')
                text[out++] = '\n';
        }
        text.resize(out);
    }
    if (endsInsideCharacter(text))
        return "The document ends inside a character.";
    return nullptr;
}
} // namespace

void progressListener::addProgressListener(loadListener* listener)
{
    if (!mListeners.insert(listener).second)
        OGRE_EXCEPT(Ogre::Exception::ERR_DUPLICATE_ITEM, "the specified progressListener is already in the list",
                    "progressListener::addProgressListener");
    if (listener->readsTexts())
        mTextsRead = true;
}

void progressListener::notifyProgress(const String& text)
{
    for (loadListener* listener : mListeners)
        listener->step(text);
}

void progressListener::notifyProgress(const char* what, const String& name)
{
    if (mListeners.empty())
        return;
    static const String kUnread;
    notifyProgress(mTextsRead ? String(what) + " '" + name + "'" : kUnread);
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
    mTextsRead = false;
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
    // A file on disk is read from there, even when it does not parse; only
    // a file that is not on disk is looked for in the resource groups.
    String text;
    if (!Platform::readWholeFile(fileName, text, kMaxDocumentSize))
    {
        Ogre::DataStreamPtr stream =
            Ogre::ResourceGroupManager::getSingleton().openResource(fileName, group, nullptr, true);
        if (!stream || stream->size() == 0)
            OGRE_EXCEPT(Ogre::Exception::ERR_INTERNAL_ERROR, kLoadFailed, "dotSceneLoader::load");
        text = stream->getAsString();
        stream->close();
    }
    TiXmlDocument* document = new TiXmlDocument(fileName.c_str());
    const char* refusal = prepareText(text);
    if (refusal)
        throwParseError(document, refusal);
    // TinyXML steps over a multi-byte character without looking for the
    // text's end: the zeros after the text keep every such step inside
    // memory that belongs to the buffer.
    Platform::CGuardedBuffer buffer(text.size() + kPadding);
    std::memcpy(buffer.data(), text.data(), text.size());
    document->Parse(buffer.data());
    if (document->Error())
        throwParseError(document);
    if (!document->RootElement())
    {
        // Well-formed but empty of elements: nothing to parse is as bad as
        // text that does not parse.
        throwParseError(document, kNoRoot);
    }
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
