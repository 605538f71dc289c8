// "resources.cfg" on any bytes, its locations added to the headless engine
// as the game's set-up adds them: a bad line is logged and costs only its
// own location.  Locations are kept inside the working folder, so that the
// target never lists or opens the machine's other files.
#include "Application.h"
#include "FuzzFiles.h"

#include <OgreException.h>
#include <OgreResourceGroupManager.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

// OGRE 1.12's archive manager does not delete a zip archive whose file
// cannot be opened (ArchiveManager::load throws past it): a leak inside the
// dependency, once per such line.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:Ogre::ZipArchiveFactory::createInstance\n";
}

namespace
{
bool setUp()
{
    fuzz::useLocalUserFolder();
    if (!gApp.setupHeadless())
        return false;
    gApp.mLog = false;
    // Something to find: a folder with a file and a file that is no pack.
    std::system("mkdir -p media && echo text > media/a.txt && echo text > a.pak");
    return true;
}

// Puts the resource groups back as they were before the input.
void restore(const Ogre::StringVector& groupsBefore,
             const std::map<std::string, std::vector<std::string>>& locationsBefore)
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    for (const std::string& group : groups.getResourceGroups())
    {
        if (std::find(groupsBefore.begin(), groupsBefore.end(), group) == groupsBefore.end())
        {
            groups.destroyResourceGroup(group);
            continue;
        }
        const std::vector<std::string>& kept = locationsBefore.at(group);
        std::vector<std::string> added;
        for (const auto& location : groups.getResourceLocationList(group))
            if (std::find(kept.begin(), kept.end(), location.archive->getName()) == kept.end())
                added.push_back(location.archive->getName());
        for (const std::string& name : added)
            groups.removeResourceLocation(name, group);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = setUp();
    if (!ready)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (text.find_first_of("/\\") != std::string::npos || text.find("..") != std::string::npos ||
        text.find('~') != std::string::npos)
        return 0;
    if (!fuzz::writeBytes("resources.cfg", data, size))
        return 0;

    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    const Ogre::StringVector groupsBefore = groups.getResourceGroups();
    std::map<std::string, std::vector<std::string>> locationsBefore;
    for (const std::string& group : groupsBefore)
    {
        locationsBefore[group];
        for (const auto& location : groups.getResourceLocationList(group))
            locationsBefore[group].push_back(location.archive->getName());
    }
    try
    {
        gApp.addResourceLocations();
    }
    catch (const Ogre::Exception&)
    {
        // Only the file itself may be refused as a whole.
    }
    restore(groupsBefore, locationsBefore);
    return 0;
}
