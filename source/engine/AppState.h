// The program's one store of settings and game state: the options map
// (options.ini, loc.cfg and per-run flags) and the game-variable map, which is
// what a saved game holds.
#pragma once

#include <OgreSerializer.h>

#include <map>
#include <string>
#include <vector>

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
    /// Writes the key when its value differs from what "options.ini" holds.
    void saveOption(const String& key);
    /// Writes every persistent entry whose value changed, in one replacement
    /// of "options.ini"; a value only read from the file is never written
    /// back (it may have been read cut).  Nothing is written when nothing
    /// changed; a failure is logged once until a write succeeds again.
    void saveOptions();
    /// Replaces the whole options map by the settings of a configuration file.
    void loadLocConfig(const String& fileName);

    static bool getMapValue(const VarMap& map, const String& key, String& value);

    // -- saved games (SaveGame.cpp) ------------------------------------------

    /// Writes the map into a save file of the user's folder; the old file is
    /// replaced only once the new one is complete.  True on success.
    bool mapSave(const String& fileName, const VarMap& map);
    /// Reads a save file into the map: 1 read, 0 cannot be opened, -1 damaged
    /// (the map is left as it was unless the result is 1).
    int _mapLoad(const String& fileName, VarMap& map);
    /// _mapLoad's result for the file, without touching any map in use.
    int checkSaveFile(const String& fileName);
    /// 1 and the key's value when the file holds the key; 0 otherwise (value
    /// emptied when only the key is missing).
    int readSaveValue(const String& fileName, const String& key, String& value);
    /// Changes one key that the file already holds; 1 when the file was
    /// rewritten, 0 when nothing was written.
    int writeSaveValue(const String& key, const String& fileName, const String& value);
    /// Deletes the save file, read-only or not.
    void deleteSlot(const String& fileName);

    /// The bytes of a save file holding the map; false when compression fails.
    static bool encodeSaveFile(const VarMap& map, std::string& bytes);
    /// Reads the bytes of a whole save file into the map: 1, or -1 when they
    /// are refused (the map is then left as it was).
    static int decodeSaveFile(const void* data, size_t size, VarMap& map);

    /// Moves a damaged save file out of the way under the name
    /// "<file>.damaged" (with a number added when that name is taken), so
    /// that its slot is free and nothing of it is lost.  True when moved.
    bool setSaveAside(const String& fileName);

    OptionsMap mOptions;
    VarMap mVars;

private:
    bool writeOptions(const std::vector<String>& keys);

    /// The values as "options.ini" holds them (cut as they were read).
    std::map<String, String> mOptionsOnDisk;
    bool mOptionsWriteFailed = false;
};

/// The product title used when "opt_name" is missing or unusable.
extern const char* const kGameTitle;
