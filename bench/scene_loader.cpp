// The .scene loader against OGRE's own Plugin_DotScene on the same plain
// files of 100 to 3,000 nodes with entities, lights and cameras, and against
// TinyXML parsing the file alone (the floor: what no loader can go below).
// The loader's own work is its time minus the parse.
#include "Application.h"
#include "LoadProgress.h"
#include "dsi/dotSceneLoader.h"
#include "../tests/support/TriangleMesh.h"

#include <OgreCamera.h>
#include <OgreCodec.h>
#include <OgreDataStream.h>
#include <OgreManualObject.h>
#include <OgrePlugin.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <benchmark/benchmark.h>
#include <tinyxml.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
std::string fileOf(int nodes)
{
    return "bench_" + std::to_string(nodes) + ".scene";
}

// Every node has an entity; every tenth a light, every hundredth a camera.
std::string makeScene(int nodes)
{
    std::ostringstream out;
    out << "<scene formatVersion=\"0.2.0\">\n<nodes>\n";
    for (int i = 0; i < nodes; ++i)
    {
        out << "<node name=\"n" << i << "\">"
            << "<position x=\"" << (i % 50) << "\" y=\"" << (i / 50) << "\" z=\"0\"/>"
            << "<rotation qx=\"0\" qy=\"0\" qz=\"0\" qw=\"1\"/>"
            << "<scale x=\"1\" y=\"1\" z=\"1\"/>"
            << "<entity name=\"n" << i << "\" meshFile=\"bench_box.mesh\" castShadow=\"false\"/>";
        if (i % 10 == 0)
            out << "<light name=\"l" << i << "\" type=\"point\"><colourDiffuse r=\"1\" g=\"1\" b=\"1\"/>"
                << "<lightAttenuation range=\"10\" constant=\"1\" linear=\"0\" quadratic=\"0\"/></light>";
        if (i % 100 == 0)
            out << "<camera name=\"c" << i << "\" fov=\"45\" projectionType=\"perspective\">"
                << "<clipping near=\"0.1\" far=\"100\"/></camera>";
        out << "</node>\n";
    }
    out << "</nodes>\n</scene>\n";
    return out.str();
}

// The headless engine with the file written and its mesh made, once.
void setUp()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    gApp.setupHeadless();
    gApp.mRoot->loadPlugin(std::string(TQ_OGRE_PLUGIN_DIR) + "/Plugin_DotScene");
    // A root without render system is never initialised, and the plug-in
    // registers its codec only then.
    for (Ogre::Plugin* plugin : gApp.mRoot->getInstalledPlugins())
        if (plugin->getName().find("DotScene") != std::string::npos)
            plugin->initialise();
    for (int nodes : {100, 1000, 2000, 3000})
        std::ofstream(fileOf(nodes)) << makeScene(nodes);
    tq::makeTriangleMesh(gApp.mSceneMgr, "bench_box.mesh");
}

void clearScene(benchmark::State& state)
{
    state.PauseTiming();
    gApp.mSceneMgr->clearScene();
    // Cameras outlive a cleared scene.
    std::vector<Ogre::Camera*> cameras;
    for (const auto& entry : gApp.mSceneMgr->getCameras())
        if (entry.first != "default")
            cameras.push_back(entry.second);
    for (Ogre::Camera* camera : cameras)
        gApp.mSceneMgr->destroyCamera(camera);
    gApp.mMessages.clear();
    state.ResumeTiming();
}

void BM_TinyXmlParseOnly(benchmark::State& state)
{
    setUp();
    const std::string file = fileOf(static_cast<int>(state.range(0)));
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    const std::string xml = text.str();
    for (auto _ : state)
    {
        TiXmlDocument document(file.c_str());
        document.Parse(xml.c_str());
        benchmark::DoNotOptimize(document.RootElement());
    }
}
BENCHMARK(BM_TinyXmlParseOnly)->Arg(100)->Arg(1000)->Arg(2000)->Arg(3000)->Unit(benchmark::kMillisecond);

uint32_t frozenClock()
{
    return 1;
}

// As the game loads a room: with a progress listener (whose clock never
// lets it draw).
void BM_DsiLoader(benchmark::State& state)
{
    setUp();
    const std::string file = fileOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
    {
        CLoadProgress progress;
        progress.mClock = &frozenClock;
        dsi::dotSceneLoader loader;
        loader.addProgressListener(&progress);
        loader.load(file, "General", gApp.mSceneMgr, nullptr);
        clearScene(state);
    }
}
BENCHMARK(BM_DsiLoader)->Arg(100)->Arg(1000)->Arg(2000)->Arg(3000)->Unit(benchmark::kMillisecond);

void BM_OgreDotScene(benchmark::State& state)
{
    setUp();
    Ogre::Codec* codec = nullptr;
    try
    {
        codec = Ogre::Codec::getCodec("scene");
    }
    catch (const Ogre::Exception&)
    {
    }
    if (!codec)
    {
        state.SkipWithError("Plugin_DotScene not available");
        return;
    }
    const std::string file = fileOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
    {
        // The plug-in reads from a stream: the file is read the same way ours is.
        std::ifstream* in = new std::ifstream(file, std::ios::binary);
        Ogre::DataStreamPtr stream(new Ogre::FileStreamDataStream(file, in, true));
        codec->decode(stream, Ogre::Any(gApp.mSceneMgr->getRootSceneNode()));
        clearScene(state);
    }
}
BENCHMARK(BM_OgreDotScene)->Arg(100)->Arg(1000)->Arg(2000)->Arg(3000)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
