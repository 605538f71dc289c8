// The front of the .scene loader: turns a file name into a parsed XML
// document and hands it to the parser of the document's format version.
// Progress goes out as short texts to listeners, which the engine counts to
// move its loading bar.
#pragma once

#include <map>
#include <set>
#include <string>

class TiXmlDocument;

namespace Ogre
{
class RenderWindow;
class SceneManager;
class SceneNode;
} // namespace Ogre

namespace dsi
{
typedef std::string String;

/// What receives the loader's progress texts.
class loadListener
{
public:
    virtual ~loadListener() = default;
    /// One progress step with its text.
    virtual void step(const String& text) = 0;
    /// Steps that a document about to be parsed will make, its create
    /// records included (not the steps of the documents it includes, which
    /// announce their own when they are opened).
    virtual void expectSteps(int steps) { (void)steps; }
    /// false for a listener that only counts the steps: the loader then
    /// makes no texts for it.
    virtual bool readsTexts() const { return true; }
};

/// Base of everything that carries progress listeners.
class progressListener
{
public:
    virtual ~progressListener() = default;
    /// Adds a listener (not owned); throws Ogre::ItemIdentityException when
    /// it is already in the set.
    virtual void addProgressListener(loadListener* listener);
    /// Sends the text to every listener, in set order.
    void notifyProgress(const String& text);
    /// The same with the text "<what> '<name>'", made only when a listener
    /// reads it (a room has thousands of such steps).
    void notifyProgress(const char* what, const String& name);
    /// Tells every listener how many steps a document will make.
    void notifyExpectedSteps(int steps);

protected:
    std::set<loadListener*> mListeners;
    bool mTextsRead = false; ///< some listener reads the texts
};

/// The parser of one format version.
class dotSceneLoaderImpl : public progressListener
{
public:
    /// Parses one document; failures are Ogre exceptions.
    virtual void load(TiXmlDocument* document, Ogre::SceneManager* sceneManager,
                      Ogre::RenderWindow* renderWindow, const String& group,
                      Ogre::SceneNode* parent, bool flag1, bool flag2, bool flag3) = 0;
};

/// The loader; one exists at a time.
class dotSceneLoader : public progressListener
{
public:
    /// Registers the "0.2.0" implementation and becomes the current loader.
    dotSceneLoader();
    /// Deletes the implementations, resets the scene-info store.
    ~dotSceneLoader() override;

    dotSceneLoader(const dotSceneLoader&) = delete;
    dotSceneLoader& operator=(const dotSceneLoader&) = delete;

    /// Hands the listener to every implementation, in key order.
    void addProgressListener(loadListener* listener) override;

    /// Loads one .scene file: from disk when it is there, else through the
    /// resource groups.  flag1 enables the externals items, flag2 forces the
    /// default buffer usages, flag3 records what is made in the scene-info
    /// store.  Every failure is an Ogre exception.
    void load(const String& fileName, const String& group, Ogre::SceneManager* sceneManager,
              Ogre::RenderWindow* renderWindow, Ogre::SceneNode* parent = nullptr,
              bool flag1 = false, bool flag2 = false, bool flag3 = false);

    /// The loader that exists now, or null.
    static dotSceneLoader* current();

    /// Reads a .scene document from disk, else through the resource group
    /// (searching the other groups too).  A leading UTF-8 signature is
    /// dropped.  Throws the front's exceptions; the caller owns the result.
    static TiXmlDocument* openDocument(const String& fileName, const String& group);

private:
    std::map<String, dotSceneLoaderImpl*> mImplementations;
};
} // namespace dsi
