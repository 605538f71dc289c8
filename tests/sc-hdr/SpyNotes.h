// Helpers of the script tests: the notifications a RecordingScript spy got,
// and OGRE's overlay system for scripts that drive overlays on the headless
// engine (which runs without one).
#pragma once

#include "HeadlessEngine.h"

#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>

#include <memory>
#include <string>
#include <vector>

namespace tq
{
using Calls = std::vector<std::string>;

/// The notifications the spy labelled label got, as "code,sender".
inline Calls notes(const std::string& label)
{
    Calls result;
    for (const std::string& call : RecordingScript::callsOf(label))
        if (call.compare(0, 10, "ON_NOTIFY(") == 0 && call.find(',') != std::string::npos)
            result.push_back(call.substr(10, call.size() - 11));
    return result;
}

/// One entry of notes(): code from sender (null: none).
inline std::string note(int code, const CObject* sender)
{
    return std::to_string(code) + "," + std::to_string(sender ? sender->getHandle() : 0);
}

/// The overlay system for the life of the object, emptied at its end.
class OverlayScope
{
public:
    OverlayScope() : mSystem(new Ogre::OverlaySystem()) {}
    ~OverlayScope()
    {
        Ogre::OverlayManager::getSingleton().destroyAll();
        Ogre::OverlayManager::getSingleton().destroyAllOverlayElements();
    }

private:
    std::unique_ptr<Ogre::OverlaySystem> mSystem;
};
} // namespace tq
