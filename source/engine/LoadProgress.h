// The loading listener: counts the loader's steps while a room loads and
// draws the loading bar at most once a second, in a frame rendered from
// inside the load.
#pragma once

#include "dsi/dotSceneLoader.h"

#include <cstdint>
#include <string>

class CLoadProgress : public dsi::loadListener
{
public:
    CLoadProgress();
    ~CLoadProgress() override = default;

    /// One step of the loader, with its progress text.
    void step(const std::string& text) override;
    /// One step without text (the queue's create records).
    void step() { step(std::string()); }
    /// The loader counted the steps of a document: the first count of a
    /// load replaces the location's estimate, the counts of included
    /// documents add to it.
    void expectSteps(int steps) override;
    /// The bar counts steps; their texts are not needed.
    bool readsTexts() const override { return false; }

    /// The bar's value for the steps made so far: steps / expected, at most
    /// 1; with nothing expected a full bar once a step was made.
    float barValue() const;

    /// The expected steps of a location ("cur_loc"); 0 for a location the
    /// table does not know.  Only an estimate until the loader has counted
    /// the scene's own steps (expectSteps).
    static int32_t expectedSteps(int location);

    int32_t mSteps = 0;       ///< steps made so far
    uint32_t mLastRedraw = 0; ///< ms of the last bar redraw; 0: none yet
    int32_t mExpected = 0;    ///< expected total of steps
    int32_t mRedraws = 0;     ///< bar redraws made (diagnostics)
    bool mCounted = false;    ///< mExpected comes from the loader's count

    /// The millisecond clock; tests put a clock of their own here.
    uint32_t (*mClock)() = nullptr;
};

namespace Scene
{
/// Sets the loading bar to a fraction from 0 to 1.
void setLoadingProgress(float fraction);
/// The bar's texture coordinate for a fraction: the texture spans from
/// 0.039 to 0.9531 of the bar's width.
float loadingBarSpan(float fraction);
} // namespace Scene
