// The frame's object update and message work-off with many objects running
// timers, a flood of notifications through the queue (without and with the
// log of a "-log" run), and the unload of a room of many objects.
#include "Application.h"
#include "CodeScript.h"
#include "Log.h"
#include "Object.h"
#include "RunLog.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <benchmark/benchmark.h>

namespace
{
// Counts what it receives, so that the dispatch cannot be optimised away.
class CountingScript : public CodeScript
{
public:
    void ON_TIME(int id) override { mSum += id; }
    void ON_NOTIFY(int code) override { mSum += code; }
    long mSum = 0;
};

void setUpEngine()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    gApp.setupHeadless();
    gApp.mLog = false;
    gApp.mInfo = false;
    gApp.frameStep(0.001f);
}

std::vector<CObject*> makeObjects(int count, int timersEach)
{
    std::vector<CObject*> objects;
    Ogre::SceneNode* root = gApp.mSceneMgr->getRootSceneNode();
    for (int i = 0; i < count; ++i)
    {
        CObject* object = new CObject();
        Ogre::SceneNode* node = root->createChildSceneNode("bench" + std::to_string(i));
        object->mNode = node;
        node->setListener(object);
        CountingScript* script = new CountingScript();
        script->init("bench.sc", "General");
        script->setOwner(object->getHandle());
        object->mScript = script;
        for (int t = 0; t < timersEach; ++t)
            CObject::createTimer(object, 1, -1, nullptr);
        objects.push_back(object);
    }
    return objects;
}

void destroyObjects(const std::vector<CObject*>& objects)
{
    for (CObject* object : objects)
        gApp.mSceneMgr->destroySceneNode(object->getNode());
    gApp.mMessages.clear();
}

// One frame: every object's update posts 16 due timers, and the queue
// dispatches all of them (16 x objects time messages).
void BM_FrameWithTimers(benchmark::State& state)
{
    setUpEngine();
    Log::captureEnd();
    const std::vector<CObject*> objects = makeObjects(static_cast<int>(state.range(0)), 16);
    Ogre::FrameEvent evt;
    evt.timeSinceLastFrame = 0.002f;
    evt.timeSinceLastEvent = 0.002f;
    for (auto _ : state)
    {
        gApp.mGameClock += 2;
        gApp.updateObjects(evt);
        gApp.processMessages();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * 16);
    state.counters["objects"] = static_cast<double>(state.range(0));
    destroyObjects(objects);
}
BENCHMARK(BM_FrameWithTimers)->Arg(100)->Arg(1000)->Arg(3072)->Unit(benchmark::kMicrosecond);

// Posting n notifications and working them off in one pass.
void BM_Notifications(benchmark::State& state)
{
    setUpEngine();
    const std::vector<CObject*> objects = makeObjects(100, 0);
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state)
    {
        for (int i = 0; i < count; ++i)
            CVirtualScript::sendNotify(objects[i % objects.size()]->getHandle(), objects[0]->getHandle(), i);
        gApp.processMessages();
    }
    state.SetItemsProcessed(state.iterations() * count);
    destroyObjects(objects);
}
BENCHMARK(BM_Notifications)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same flood in a "-log" run: every dispatch logs a line to the console,
// the debugger output and "game.log", and the pass writes its statistics.
// Run the program with its standard output and error sent to a file.
void BM_NotificationsLogged(benchmark::State& state)
{
    setUpEngine();
    bench::enableRunLog();
    const std::vector<CObject*> objects = makeObjects(100, 0);
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state)
    {
        for (int i = 0; i < count; ++i)
            CVirtualScript::sendNotify(objects[i % objects.size()]->getHandle(), objects[0]->getHandle(), i);
        gApp.processMessages();
        // A frame ends here: what the log holds back is written now.
        bench::endFrame();
    }
    state.SetItemsProcessed(state.iterations() * count);
    destroyObjects(objects);
    bench::disableRunLog();
}
BENCHMARK(BM_NotificationsLogged)->Arg(100000)->Unit(benchmark::kMillisecond);

// Unloading a room of n objects with scripts: every object receives its
// destroy record and is destroyed, then the unload record clears the scene.
void BM_Unload(benchmark::State& state)
{
    setUpEngine();
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state)
    {
        state.PauseTiming();
        makeObjects(count, 0);
        state.ResumeTiming();
        gApp.postUnloadScene();
        gApp.processMessages();
        benchmark::DoNotOptimize(gObjectCollector.count());
    }
    state.counters["objects"] = static_cast<double>(count);
}
BENCHMARK(BM_Unload)->Arg(100)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
