// The loading listener and the loading bar.
#include "LoadProgress.h"

#include "Application.h"
#include "platform/Platform.h"

#include <Bites/OgreWindowEventUtilities.h>
#include <OgreRoot.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgrePanelOverlayElement.h>

namespace
{
// Expected loader steps of each location, by "cur_loc": the estimate that
// the bar starts with, as the generated sample data of locations 1 to 6
// counts them.  The loader counts the steps of every scene it opens (and
// of the scenes that one includes) and the count replaces the estimate, so
// the bar reaches its end even where this table is behind the data.
const int32_t kExpectedSteps[] = {0, 1069, 1565, 2873, 2674, 1915, 2329};
const int kLocations = static_cast<int>(sizeof(kExpectedSteps) / sizeof(kExpectedSteps[0]));
} // namespace

CLoadProgress::CLoadProgress() : mClock(&Platform::milliseconds) {}

int32_t CLoadProgress::expectedSteps(int location)
{
    // The last location (7) and anything else outside the table expect
    // nothing: the bar is full after the first step.
    if (location < 0 || location >= kLocations)
        return 0;
    return kExpectedSteps[location];
}

void CLoadProgress::expectSteps(int steps)
{
    if (!mCounted)
        mExpected = 0;
    mCounted = true;
    mExpected += steps;
}

float CLoadProgress::barValue() const
{
    if (mExpected <= 0)
        return mSteps > 0 ? 1.0f : 0.0f;
    const float fraction = static_cast<float>(mSteps) / static_cast<float>(mExpected);
    return fraction > 1.0f ? 1.0f : fraction;
}

void CLoadProgress::step(const std::string&)
{
    const float bar = barValue();
    const uint32_t now = mClock ? mClock() : Platform::milliseconds();
    if (mLastRedraw == 0)
        mLastRedraw = now;
    if (now - mLastRedraw > 1000)
    {
        Scene::setLoadingProgress(bar);
        ++mRedraws;
        // The frame rendered here runs the frame handler inside the load;
        // the flag makes that frame do nothing.
        gApp.mSkipFrame = true;
        if (gApp.mWindow && gApp.mRoot)
        {
            OgreBites::WindowEventUtilities::messagePump();
            gApp.mRoot->renderOneFrame();
        }
        while (now - mLastRedraw > 1000)
            mLastRedraw += 1000;
    }
    ++mSteps;
}

float Scene::loadingBarSpan(float fraction)
{
    return (1.0f - fraction) * 0.039f + fraction * 0.9531f;
}

void Scene::setLoadingProgress(float fraction)
{
    Ogre::OverlayManager* overlays = Ogre::OverlayManager::getSingletonPtr();
    Ogre::Overlay* window = overlays ? overlays->getByName("loadingWindow") : nullptr;
    Ogre::OverlayContainer* frame = window ? window->getChild("LoadingTimeFrame2") : nullptr;
    if (!frame)
        return;
    // A bar missing from the data is skipped: the load goes on without it.
    Ogre::OverlayElement* line = nullptr;
    for (const auto& entry : frame->getChildren())
        if (entry.first == "LoadingTimeLine")
            line = entry.second;
    if (!line)
        return;
    const float u = loadingBarSpan(fraction);
    line->setWidth(u * 0.375f);
    if (Ogre::PanelOverlayElement* panel = dynamic_cast<Ogre::PanelOverlayElement*>(line))
        panel->setUV(0.0f, 0.0f, u, 1.0f);
}
