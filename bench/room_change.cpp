// The room change on the generated locations, in the real game on its window
// (run it under Xvfb): the frame that unloads the room, the frame that loads
// the location's scene, and the first frame after it, which starts the
// scripts and draws the room.  Also the resident memory at the main menu and
// in every location that the game folder holds.
//
//   xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" env ALSOFT_DRIVERS=null
//     LP_NUM_THREADS=2 XDG_DATA_HOME=<temp> build-rel/bench/bench_room_change
//     <game folder> --benchmark_repetitions=5
//
// The time of a frame is the engine's work and the drawing, up to the swap;
// the frame pacer's sleep after the swap is left out.
#include "Application.h"
#include "Input.h"
#include "LoadProgress.h"

#include <OgreRoot.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>

namespace
{
std::string gGameFolder = TQ_GAME_DIR;

double now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// One frame as OGRE's render loop makes it; the seconds of its work and
// drawing, without what the frame listeners do after the swap.
double frame()
{
    Ogre::Root* root = gApp.mRoot;
    const double start = now();
    root->_fireFrameStarted();
    root->_updateAllRenderTargets();
    const double took = now() - start;
    root->_fireFrameEnded();
    return took;
}

// Kibibytes resident, from the process's status.
long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, 6, "VmRSS:") == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

std::string sceneOf(int location)
{
    if (location == 0)
        return "00_interface_start.scene";
    char name[64];
    std::snprintf(name, sizeof(name), "%02d_location_start.scene", location);
    return name;
}

bool exists(int location)
{
    return access((gGameFolder + "/media/" + sceneOf(location)).c_str(), R_OK) == 0;
}

bool setUp()
{
    static int state = 0;
    if (state == 0)
    {
        state = -1;
        if (!std::getenv("DISPLAY") || chdir(gGameFolder.c_str()) != 0)
            return false;
        gApp.readSwitches("-nosfx");
        if (!gApp.setup())
            return false;
        for (int i = 0; i < 30; ++i)
            frame();
        state = 1;
    }
    return state == 1;
}

/// The game runs and has the location; otherwise the benchmark is skipped
/// with the reason.
bool startedWith(benchmark::State& state, int location)
{
    if (!setUp())
    {
        state.SkipWithError("the game did not start (no display?)");
        return false;
    }
    if (!exists(location))
    {
        state.SkipWithError("the game folder has no such location");
        return false;
    }
    return true;
}

struct Change
{
    double unload = 0.0;
    double load = 0.0;
    double first = 0.0;
    int steps = 0; ///< the loading bar's steps, as the loader counted them
};

// Unloads whatever is shown and loads the location as the loader script
// does; frames until the load was made, then the first frame after it.
Change changeTo(int location)
{
    Change change;
    gApp.mAppState.mVars["cur_loc"] = std::to_string(location);
    gApp.postUnloadScene();
    gApp.postLoadScene(sceneOf(location));
    change.unload = frame();
    change.load = frame();
    if (gApp.mLoadProgress)
        change.steps = gApp.mLoadProgress->mExpected;
    change.first = frame();
    return change;
}

void BM_RoomChange(benchmark::State& state)
{
    const int location = static_cast<int>(state.range(0));
    if (!startedWith(state, location))
        return;
    changeTo(location);
    Change sum;
    for (auto _ : state)
    {
        const Change change = changeTo(location);
        state.SetIterationTime(change.unload + change.load + change.first);
        sum.unload += change.unload;
        sum.load += change.load;
        sum.first += change.first;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["unload_ms"] = 1000.0 * sum.unload / n;
    state.counters["load_ms"] = 1000.0 * sum.load / n;
    state.counters["first_frame_ms"] = 1000.0 * sum.first / n;
    state.counters["steps"] = changeTo(location).steps;
}
BENCHMARK(BM_RoomChange)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Arg(5)->Arg(6)->Arg(7)->UseManualTime()->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// The main menu (0) and every location, in this order in one process, each
// after 100 frames in it (textures are loaded when first drawn).
void BM_ResidentMemory(benchmark::State& state)
{
    const int location = static_cast<int>(state.range(0));
    if (!startedWith(state, location))
        return;
    for (auto _ : state)
    {
        const double start = now();
        changeTo(location);
        for (int i = 0; i < 100; ++i)
            frame();
        state.SetIterationTime(now() - start);
    }
    state.counters["resident_MiB"] = static_cast<double>(residentKiB()) / 1024.0;
}
BENCHMARK(BM_ResidentMemory)->DenseRange(0, 7)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    // The game folder comes first when given (a private copy, say).
    if (argc > 1 && argv[1][0] != '-')
    {
        gGameFolder = argv[1];
        for (int i = 1; i + 1 < argc; ++i)
            argv[i] = argv[i + 1];
        --argc;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // Shut down while the plug-ins' statics still stand, and leave without
    // the game's farewell (which opens the survey page).
    delete gApp.mInput;
    gApp.mInput = nullptr;
    if (gApp.mRoot)
    {
        gApp.reattachObjectNodes();
        gApp.teardown();
    }
    std::fflush(nullptr);
    std::_Exit(0);
}
