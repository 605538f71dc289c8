#include "AppState.h"

#include "Log.h"
#include "Utils.h"
#include "platform/Platform.h"

#include <utility>

#include <OgreConfigFile.h>
#include <OgreException.h>

const char* const kGameTitle = "Ostravelle Vindals - Tolvane Quirn";

namespace
{
const char* const kOptionsSection = "Options";
const char* const kOptionsFile = "options.ini";
// Windows' profile reader took a buffer of 64 characters.
const size_t kOptionReadBuffer = 64;

// "opt_name" becomes a folder name: it must be one plain path component.
bool isUsableFolderName(const String& name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find_first_of("/\\") == String::npos && name.find("..") == String::npos;
}
} // namespace

CAppState::CAppState() = default;
CAppState::~CAppState() = default;

bool CAppState::hasOption(const String& key) const
{
    return mOptions.count(key) != 0;
}

String CAppState::getUserFolderA() const
{
    String title = kGameTitle;
    auto it = mOptions.find("opt_name");
    if (it != mOptions.end())
    {
        if (isUsableFolderName(it->second.value))
            title = it->second.value;
        else
            Log::print("\nWARNING: opt_name [%s] is not a folder name, using [%s]\n",
                       it->second.value.c_str(), kGameTitle);
    }
    const String appData = Utils::GetStringFromWString(
        Utils::GetShortPath(Utils::GetWStringFromString(Platform::appDataFolder())));
    return appData + "/Harbolt Studios/" + title;
}

std::wstring CAppState::getUserFolder() const
{
    return Utils::GetWStringFromString(getUserFolderA());
}

String CAppState::getSaveFolderA(const String& fileName, bool create) const
{
    const String folder = getUserFolderA();
    if (create)
        Platform::createFolders(folder);
    return folder + "/" + Platform::normalisePath(fileName);
}

std::wstring CAppState::getSaveFolder(const String& fileName, bool create) const
{
    return Utils::GetWStringFromString(getSaveFolderA(fileName, create));
}

void CAppState::setDefaultOptions()
{
    static const char* const defaults[][2] = {
        {"Allow NVPerfHUD", "No"},
        {"Anti aliasing", "None"},
        {"Floating-point mode", "Fastest"},
        {"Full Screen", "Yes"},
        {"Rendering Device", "Auto"},
        {"VSync", "Yes"},
        {"Video Mode", "1024 x 768 @ 32-bit colour"},
        {"SoundVolume", "80"},
        {"MusicVolume", "80"},
        {"CurSave", "-1"},
        {"RenderSubsystem", "Direct3D8 Rendering Subsystem"},
    };
    for (const auto& d : defaults)
    {
        OptionValue& v = mOptions[d[0]];
        v.value = d[1];
        v.persistent = 1;
    }
}

bool CAppState::loadOption(const String& key)
{
    const String path = getSaveFolderA(kOptionsFile, true);
    String value;
    if (Platform::getPrivateProfileString(kOptionsSection, key, "", value, kOptionReadBuffer, path) == 0)
        return false;
    OptionValue& v = mOptions[key];
    v.value = value;
    v.persistent = 1;
    mOptionsOnDisk[key] = value;
    return true;
}

void CAppState::loadOptions()
{
    for (auto& entry : mOptions)
        if (entry.second.persistent)
            loadOption(entry.first);
}

bool CAppState::writeOptions(const std::vector<String>& keys)
{
    std::vector<std::pair<std::string, std::string>> changed;
    for (const String& key : keys)
    {
        auto it = mOptions.find(key);
        const String value = it != mOptions.end() ? it->second.value : String();
        auto disk = mOptionsOnDisk.find(key);
        if (disk == mOptionsOnDisk.end() || disk->second != value)
            changed.emplace_back(key, value);
    }
    if (changed.empty())
        return true;
    const String path = getSaveFolderA(kOptionsFile, true);
    std::string error;
    if (!Platform::writePrivateProfileStrings(kOptionsSection, changed, path, &error))
    {
        if (!mOptionsWriteFailed)
            Log::print("\n!!! ERROR: Can't write the options to %s (%s); they hold for this run only\n",
                       path.c_str(), error.c_str());
        mOptionsWriteFailed = true;
        return false;
    }
    mOptionsWriteFailed = false;
    for (const auto& entry : changed)
        mOptionsOnDisk[entry.first] = entry.second;
    return true;
}

void CAppState::saveOption(const String& key)
{
    writeOptions({key});
}

void CAppState::saveOptions()
{
    std::vector<String> keys;
    for (const auto& entry : mOptions)
        if (entry.second.persistent)
            keys.push_back(entry.first);
    writeOptions(keys);
}

void CAppState::loadLocConfig(const String& fileName)
{
    mOptions.clear();
    Ogre::ConfigFile config;
    try
    {
        config.load(fileName, "\t:=", true);
    }
    catch (const Ogre::Exception& e)
    {
        // Without loc.cfg the game runs on its defaults.
        Log::print("\nWARNING: Can't read %s: %s\n", fileName.c_str(), e.getDescription().c_str());
        return;
    }
    // Sections come in the order of their names, settings in key order and,
    // for one key, in file order; the last one visited wins.
    const Ogre::ConfigFile::SettingsBySection_& sections = config.getSettingsBySection();
    for (const auto& section : sections)
        for (const auto& setting : section.second)
        {
            OptionValue& v = mOptions[setting.first];
            v.value = setting.second;
            v.persistent = 0;
        }
}

bool CAppState::getMapValue(const VarMap& map, const String& key, String& value)
{
    auto it = map.find(key);
    if (it == map.end())
        return false;
    value = it->second;
    return true;
}
