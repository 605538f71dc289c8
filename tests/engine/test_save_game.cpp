// Saved games: the file format, the refusal of damaged files, the helpers of
// the profile menu, and saves that survive failures and crashes.
#include "AppState.h"
#include "Log.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
typedef CAppState::VarMap VarMap;

uint32_t wordAt(const std::string& bytes, size_t offset)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data()) + offset;
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void putWord(std::string& bytes, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A writer of the format that shares no code with the game's.
std::string writeIndependently(const std::string& text, int level)
{
    uLongf z = compressBound(text.size());
    std::string packed(z, '\0');
    compress2(reinterpret_cast<Bytef*>(&packed[0]), &z, reinterpret_cast<const Bytef*>(text.data()), text.size(),
              level);
    packed.resize(z);
    std::string file(12, '\0');
    const uint32_t u = static_cast<uint32_t>(text.size());
    putWord(file, 0, u);
    putWord(file, 4, static_cast<uint32_t>(z));
    putWord(file, 8, static_cast<uint32_t>(z) + u);
    file += packed;
    file.append(4, '\0');
    putWord(file, file.size() - 4, static_cast<uint32_t>(z) + u);
    return file;
}

std::string inflateText(const std::string& file)
{
    uLongf u = wordAt(file, 0);
    std::string text(u, '\0');
    uncompress(reinterpret_cast<Bytef*>(&text[0]), &u, reinterpret_cast<const Bytef*>(file.data()) + 12,
               wordAt(file, 4));
    text.resize(u);
    return text;
}

class SaveGame : public ::testing::Test
{
protected:
    std::string savePath(const std::string& name) { return state.getSaveFolderA(name, true); }

    tq::TempDir dir;
    CAppState state;
    const VarMap anna{{"name", "Anna"}, {"cur_loc", "3"}};
};

TEST_F(SaveGame, WritesTheFormatsTestVector)
{
    ASSERT_TRUE(state.mapSave("save_03.sav", anna));
    const std::string file = tq::readFile(savePath("save_03.sav"));
    ASSERT_GE(file.size(), 16u);
    const uint32_t u = wordAt(file, 0);
    const uint32_t z = wordAt(file, 4);
    EXPECT_EQ(u, 20u);
    EXPECT_EQ(file.size(), z + 16u);
    EXPECT_EQ(wordAt(file, 8), z + u);
    EXPECT_EQ(wordAt(file, 12 + z), z + u);
    EXPECT_EQ(inflateText(file), "3\ncur_loc\nAnna\nname\n");
    // zlib's one-call compression at its default level, byte for byte.
    EXPECT_EQ(file, writeIndependently("3\ncur_loc\nAnna\nname\n", Z_DEFAULT_COMPRESSION));
    // No temporary file stays behind.
    EXPECT_FALSE(tq::readFile(savePath("save_03.sav.tmp")).size());
    struct stat st;
    EXPECT_NE(stat(savePath("save_03.sav.tmp").c_str(), &st), 0);
}

TEST_F(SaveGame, ReadsWhatAnyWriterOfTheFormatWrites)
{
    struct Case
    {
        const char* what;
        std::string text;
        int level;
    };
    const Case cases[] = {
        {"default level", "3\ncur_loc\nAnna\nname\n", Z_DEFAULT_COMPRESSION},
        {"best compression", "3\ncur_loc\nAnna\nname\n", 9},
        {"stored blocks", "3\ncur_loc\nAnna\nname\n", 0},
        {"CR LF line ends", "3\r\ncur_loc\r\nAnna\r\nname\r\n", 6},
        {"no final line feed", "3\ncur_loc\nAnna\nname", 6},
        {"key order not sorted", "Anna\nname\n3\ncur_loc\n", 6},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(tq::writeFile(savePath("save_01.sav"), writeIndependently(c.text, c.level)));
        VarMap map{{"old", "gone"}};
        EXPECT_EQ(state._mapLoad("save_01.sav", map), 1);
        EXPECT_EQ(map, anna);
    }
}

TEST_F(SaveGame, RoundTripsAMapAndReplacesTheWholeMapInMemory)
{
    VarMap saved = anna;
    saved["03_2_variable_0"] = "17";
    saved["03_2_variable_game_end"] = "";
    saved["door@visible"] = "1";
    saved["caption"] = "ends with a space ";
    saved["\xc3\xa9t\xc3\xa9"] = "8-bit text \x01\x7f\xff";
    ASSERT_TRUE(state.mapSave("save_00.sav", saved));
    VarMap loaded{{"stale", "value"}};
    ASSERT_EQ(state._mapLoad("save_00.sav", loaded), 1);
    EXPECT_EQ(loaded, saved);
}

TEST_F(SaveGame, OddLineCountStoresTheLastValueUnderTheEmptyKey)
{
    ASSERT_TRUE(tq::writeFile(savePath("save_00.sav"), writeIndependently("Anna\nname\nlonely\n", 6)));
    VarMap map;
    ASSERT_EQ(state._mapLoad("save_00.sav", map), 1);
    EXPECT_EQ(map, (VarMap{{"name", "Anna"}, {"", "lonely"}}));
}

TEST_F(SaveGame, LineBreaksInKeysAndValuesCannotShiftLaterPairs)
{
    const VarMap saved{{"a", "first\nsecond"}, {"b\r", "x"}, {"c", "ends in CR\r"}, {"z", "last"}};
    Log::captureBegin();
    ASSERT_TRUE(state.mapSave("save_00.sav", saved));
    EXPECT_NE(Log::captured().find("line break in variable [a]"), std::string::npos) << Log::captured();
    VarMap loaded;
    ASSERT_EQ(state._mapLoad("save_00.sav", loaded), 1);
    EXPECT_EQ(loaded, (VarMap{{"a", "first second"}, {"b ", "x"}, {"c", "ends in CR "}, {"z", "last"}}));
}

// Every refusal leaves the map in memory as it was.
TEST_F(SaveGame, RefusesDamagedFilesAndKeepsTheMap)
{
    const std::string good = writeIndependently("3\ncur_loc\nAnna\nname\n", 6);
    const uint32_t z = wordAt(good, 4);
    const size_t end = good.size() - 4;
    struct Case
    {
        const char* what;
        std::function<void(std::string&)> damage;
    };
    auto setUAndChecks = [&](std::string& f, uint32_t u) {
        putWord(f, 0, u);
        putWord(f, 8, z + u);
        putWord(f, end, z + u);
    };
    const Case cases[] = {
        {"empty file", [](std::string& f) { f.clear(); }},
        {"shorter than the frame", [](std::string& f) { f.resize(10); }},
        {"U is zero", [&](std::string& f) { setUAndChecks(f, 0); }},
        {"Z is zero", [&](std::string& f) { putWord(f, 4, 0); }},
        {"one byte longer", [](std::string& f) { f.push_back('\0'); }},
        {"one byte shorter", [](std::string& f) { f.pop_back(); }},
        {"first check word wrong", [](std::string& f) { f[8] ^= 1; }},
        {"second check word wrong", [&](std::string& f) { f[end] ^= 1; }},
        {"both check words wrong alike", [&](std::string& f) {
             putWord(f, 8, z + 21);
             putWord(f, end, z + 21);
         }},
        {"U of 0xFFFFFFFF with matching checks", [&](std::string& f) { setUAndChecks(f, 0xFFFFFFFFu); }},
        {"U one byte short of the text", [&](std::string& f) { setUAndChecks(f, 19); }},
        {"Z such that Z + 16 wraps", [&](std::string& f) {
             putWord(f, 4, 0xFFFFFFF0u);
             putWord(f, 8, 0xFFFFFFF0u + 20);
             putWord(f, end, 0xFFFFFFF0u + 20);
         }},
        {"damaged zlib stream", [](std::string& f) { f[14] ^= 0x55; }},
        {"zlib check sum wrong", [&](std::string& f) { f[end - 1] ^= 1; }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::string file = good;
        c.damage(file);
        ASSERT_TRUE(tq::writeFile(savePath("save_02.sav"), file));
        VarMap map{{"kept", "yes"}};
        Log::captureBegin();
        EXPECT_EQ(state._mapLoad("save_02.sav", map), -1);
        EXPECT_EQ(map, (VarMap{{"kept", "yes"}}));
        EXPECT_EQ(state.checkSaveFile("save_02.sav"), -1);
    }
}

TEST_F(SaveGame, AnEmptyMapIsSavedButReadsAsDamaged)
{
    ASSERT_TRUE(state.mapSave("save_00.sav", VarMap()));
    const std::string file = tq::readFile(savePath("save_00.sav"));
    EXPECT_EQ(wordAt(file, 0), 0u);
    EXPECT_GT(wordAt(file, 4), 0u);
    VarMap map{{"kept", "yes"}};
    EXPECT_EQ(state._mapLoad("save_00.sav", map), -1);
    EXPECT_EQ(map.size(), 1u);
}

TEST_F(SaveGame, MissingFileIsZeroWithALogLine)
{
    VarMap map{{"kept", "yes"}};
    Log::captureBegin();
    EXPECT_EQ(state._mapLoad("save_04.sav", map), 0);
    EXPECT_NE(Log::captured().find("!!! ERROR: CAppState::_mapLoad(): can't open file: " + savePath("save_04.sav")),
              std::string::npos)
        << Log::captured();
    EXPECT_EQ(map.size(), 1u);
    // The main menu's looks at an empty slot find it empty, quietly.
    Log::captureBegin();
    EXPECT_EQ(state.checkSaveFile("save_04.sav"), 0);
    String name = "kept";
    EXPECT_EQ(state.readSaveValue("save_04.sav", "name", name), 0);
    EXPECT_EQ(Log::captured(), "");
}

TEST_F(SaveGame, AFailedSaveKeepsThePreviousFileAndSaysSo)
{
    ASSERT_TRUE(state.mapSave("save_00.sav", anna));
    const std::string before = tq::readFile(savePath("save_00.sav"));
    // The temporary file's name is taken by a folder: the new save cannot be
    // written at all.
    ASSERT_EQ(mkdir(savePath("save_00.sav.tmp").c_str(), 0755), 0);
    Log::captureBegin();
    EXPECT_FALSE(state.mapSave("save_00.sav", VarMap{{"name", "Bert"}}));
    EXPECT_NE(Log::captured().find("!!! ERROR: CAppState::mapSave(): can't open file: " + savePath("save_00.sav")),
              std::string::npos)
        << Log::captured();
    EXPECT_EQ(tq::readFile(savePath("save_00.sav")), before);
    EXPECT_EQ(state.writeSaveValue("name", "save_00.sav", "Bert"), 0);
    EXPECT_EQ(tq::readFile(savePath("save_00.sav")), before);
}

TEST_F(SaveGame, ASaveKilledHalfWayLeavesAReadableSave)
{
    // Two maps large enough that writing one takes a while; a child saves
    // them in turn until it is killed at some point of a save.
    VarMap first, second;
    uint32_t seed = 12345;
    for (int i = 0; i < 2000; ++i)
    {
        std::string value(2000, ' ');
        for (char& c : value)
        {
            seed = seed * 1103515245u + 12345u;
            c = static_cast<char>('!' + (seed >> 16) % 90);
        }
        first["key_" + std::to_string(i)] = value;
        second["key_" + std::to_string(i)] = value.substr(1);
    }
    ASSERT_TRUE(state.mapSave("save_00.sav", first));
    for (int delayMs : {3, 11, 29, 47, 83})
    {
        SCOPED_TRACE(delayMs);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
        {
            for (int round = 0;; ++round)
                state.mapSave("save_00.sav", round % 2 ? first : second);
        }
        usleep(delayMs * 1000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        VarMap loaded;
        ASSERT_EQ(state._mapLoad("save_00.sav", loaded), 1);
        EXPECT_TRUE(loaded == first || loaded == second);
        // The next save after the crash works as usual.
        ASSERT_TRUE(state.mapSave("save_00.sav", first));
    }
}

TEST_F(SaveGame, ProfileHelpersWorkOnAScratchMap)
{
    state.mVars = {{"in", "memory"}};
    ASSERT_TRUE(state.mapSave("save_01.sav", anna));
    EXPECT_EQ(state.checkSaveFile("save_01.sav"), 1);

    String value = "untouched";
    EXPECT_EQ(state.readSaveValue("save_01.sav", "name", value), 1);
    EXPECT_EQ(value, "Anna");
    EXPECT_EQ(state.readSaveValue("save_03.sav", "name", value), 0);
    EXPECT_EQ(value, "Anna") << "a missing file leaves the value as it was";
    Log::captureBegin();
    EXPECT_EQ(state.readSaveValue("save_01.sav", "flashback", value), 0);
    EXPECT_EQ(value, "");
    EXPECT_NE(Log::captured().find("\nERROR: There is not ~name~ in save file save_01.sav\n"), std::string::npos)
        << Log::captured();

    EXPECT_EQ(state.writeSaveValue("name", "save_01.sav", "Berit"), 1);
    VarMap map;
    ASSERT_EQ(state._mapLoad("save_01.sav", map), 1);
    EXPECT_EQ(map, (VarMap{{"name", "Berit"}, {"cur_loc", "3"}}));
    EXPECT_EQ(state.mVars, (VarMap{{"in", "memory"}}));

    // A key the file does not hold is not added.
    const std::string before = tq::readFile(savePath("save_01.sav"));
    EXPECT_EQ(state.writeSaveValue("survey_end", "save_01.sav", "1"), 0);
    EXPECT_EQ(tq::readFile(savePath("save_01.sav")), before);
    EXPECT_EQ(state.writeSaveValue("name", "save_04.sav", "Nobody"), 0);
    EXPECT_EQ(state.checkSaveFile("save_04.sav"), 0);
}

TEST_F(SaveGame, DeleteSlotRemovesAReadOnlySave)
{
    ASSERT_TRUE(state.mapSave("save_02.sav", anna));
    ASSERT_EQ(chmod(savePath("save_02.sav").c_str(), 0444), 0);
    state.deleteSlot("save_02.sav");
    EXPECT_EQ(state.checkSaveFile("save_02.sav"), 0);
    // A read-only save can also be overwritten by a new save.
    ASSERT_TRUE(state.mapSave("save_03.sav", anna));
    ASSERT_EQ(chmod(savePath("save_03.sav").c_str(), 0444), 0);
    EXPECT_TRUE(state.mapSave("save_03.sav", VarMap{{"name", "Carl"}}));
    String value;
    EXPECT_EQ(state.readSaveValue("save_03.sav", "name", value), 1);
    EXPECT_EQ(value, "Carl");
}
TEST_F(SaveGame, DamagedSavesAreMovedAsideNumberedAndNeverOverwritten)
{
    ASSERT_TRUE(tq::writeFile(savePath("save_01.sav"), "first damage"));
    Log::captureBegin();
    EXPECT_TRUE(state.setSaveAside("save_01.sav"));
    EXPECT_NE(Log::captured().find("\nWARNING: The damaged file " + savePath("save_01.sav") + " was moved aside as " +
                                   savePath("save_01.sav.damaged") + "\n"),
              std::string::npos)
        << Log::captured();
    EXPECT_EQ(state.checkSaveFile("save_01.sav"), 0);

    ASSERT_TRUE(tq::writeFile(savePath("save_01.sav"), "second damage"));
    EXPECT_TRUE(state.setSaveAside("save_01.sav"));
    EXPECT_EQ(tq::readFile(savePath("save_01.sav.damaged")), "first damage");
    EXPECT_EQ(tq::readFile(savePath("save_01.sav.damaged2")), "second damage");
    EXPECT_FALSE(state.setSaveAside("save_01.sav")) << "nothing left to move";
}
} // namespace
