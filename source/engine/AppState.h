// The program's one store of settings and game state: the options map
// (options.ini, loc.cfg and per-run flags) and the game-variable map, which is
// what a saved game holds.
#pragma once

#include <OgreSerializer.h>

#include <map>
#include <string>

typedef std::string String;

/// One entry of the options map.
struct OptionValue
{
    String value;
    int persistent = 0; ///< non-zero: read from and written to "options.ini"
};

class CAppState : public Ogre::Serializer
{
public:
    typedef std::map<String, OptionValue> OptionsMap;
    typedef std::map<String, String> VarMap;

    CAppState();
    ~CAppState();

    bool hasOption(const String& key) const;

    /// The user's folder: the application-data folder, "Harbolt Studios" and
    /// the product title ("opt_name" from loc.cfg, else the game's title).
    std::wstring getUserFolder() const;
    /// The user's folder in 8-bit text.
    String getUserFolderA() const;
    /// Full path of a file in the user's folder; with create, the folder is
    /// made first.
    std::wstring getSaveFolder(const String& fileName, bool create) const;
    /// The same path in 8-bit text, for the file functions.
    String getSaveFolderA(const String& fileName, bool create) const;

    void setDefaultOptions();
    bool loadOption(const String& key);
    void loadOptions();
    void saveOption(const String& key);
    void saveOptions();
    /// Replaces the whole options map by the settings of a configuration file.
    void loadLocConfig(const String& fileName);

    static bool getMapValue(const VarMap& map, const String& key, String& value);

    // -- saved games (SaveGame.cpp) ------------------------------------------

    OptionsMap mOptions;
    VarMap mVars;
};

/// The product title used when "opt_name" is missing or unusable.
extern const char* const kGameTitle;
