// Helpers of the .scene loader tests: the headless engine, .scene texts
// written into the test's folder, the progress texts a load sends and the
// loader's own log lines.
#pragma once

#include "Application.h"
#include "Log.h"
#include "TestSupport.h"
#include "dsi/dotSceneInfo.h"
#include "dsi/dotSceneLoader.h"

#include <OgreLogManager.h>
#include <OgreManualObject.h>
#include <OgreMeshManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tq
{
/// Collects the progress texts of a load.
class RecordingListener : public dsi::loadListener
{
public:
    void step(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

/// Collects the lines written to OGRE's log.
class OgreLogLines : public Ogre::LogListener
{
public:
    OgreLogLines() { Ogre::LogManager::getSingleton().getDefaultLog()->addListener(this); }
    ~OgreLogLines() override
    {
        if (Ogre::LogManager* logs = Ogre::LogManager::getSingletonPtr())
            logs->getDefaultLog()->removeListener(this);
    }
    void messageLogged(const Ogre::String& message, Ogre::LogMessageLevel level, bool, const Ogre::String&,
                       bool&) override
    {
        lines.push_back(message);
        levels.push_back(level);
    }
    /// Whether some line equals text.
    bool has(const std::string& text) const
    {
        for (const std::string& line : lines)
            if (line == text)
                return true;
        return false;
    }
    /// The lines that start with prefix.
    std::vector<std::string> starting(const std::string& prefix) const
    {
        std::vector<std::string> out;
        for (const std::string& line : lines)
            if (line.compare(0, prefix.size(), prefix) == 0)
                out.push_back(line);
        return out;
    }
    std::vector<std::string> lines;
    std::vector<Ogre::LogMessageLevel> levels;
};

/// A closed box mesh of the given half size (24 vertices), made in code.
inline void makeBoxMesh(const std::string& name, float half = 1.0f)
{
    Ogre::SceneManager* scene = gApp.mSceneMgr;
    Ogre::ManualObject* manual = scene->createManualObject();
    manual->begin("BaseWhite", Ogre::RenderOperation::OT_TRIANGLE_LIST);
    const Ogre::Vector3 normals[6] = {Ogre::Vector3::UNIT_X, Ogre::Vector3::NEGATIVE_UNIT_X, Ogre::Vector3::UNIT_Y,
                                      Ogre::Vector3::NEGATIVE_UNIT_Y, Ogre::Vector3::UNIT_Z,
                                      Ogre::Vector3::NEGATIVE_UNIT_Z};
    Ogre::uint32 base = 0;
    for (const Ogre::Vector3& n : normals)
    {
        const Ogre::Vector3 u = n.perpendicular();
        const Ogre::Vector3 v = n.crossProduct(u);
        const Ogre::Vector3 corners[4] = {n - u - v, n + u - v, n + u + v, n - u + v};
        for (const Ogre::Vector3& c : corners)
        {
            manual->position(c * half);
            manual->normal(n);
        }
        manual->triangle(base, base + 1, base + 2);
        manual->triangle(base, base + 2, base + 3);
        base += 4;
    }
    manual->end();
    manual->convertToMesh(name);
    scene->destroyManualObject(manual);
}

/// The headless engine in a fresh working folder, with the loader's
/// helpers.
class SceneTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gApp.setupHeadless());
        Log::captureBegin();
        ogreLog.reset(new OgreLogLines());
    }
    void TearDown() override { Log::captureEnd(); }

    /// Writes a .scene text into the working folder.
    void write(const std::string& name, const std::string& text) { ASSERT_TRUE(writeFile(dir.file(name), text)); }

    /// Writes and loads a .scene text as the engine does (group "General",
    /// no parent, flags false unless given), with the recording listener.
    void load(const std::string& text, const std::string& name = "test.scene", bool flag3 = false)
    {
        write(name, text);
        loadFile(name, flag3);
    }
    void loadFile(const std::string& name, bool flag3 = false)
    {
        dsi::dotSceneLoader loader;
        loader.addProgressListener(&progress);
        loader.load(name, "General", gApp.mSceneMgr, gApp.mWindow, nullptr, false, false, flag3);
    }

    /// A text inside the usual document and "nodes" section.
    static std::string nodes(const std::string& inner)
    {
        return "<scene formatVersion=\"0.2.0\"><nodes>" + inner + "</nodes></scene>";
    }

    Ogre::SceneNode* node(const std::string& name) { return gApp.mSceneMgr->getSceneNode(name); }

    TempDir dir;
    RecordingListener progress;
    std::unique_ptr<OgreLogLines> ogreLog;
};
} // namespace tq
