// The "Data" archive: packs written by tq_packer, read through OGRE's
// resource API and directly; damaged packs; the stream and the buffer pool.
#include "Application.h"
#include "DataArchive.h"
#include "Log.h"
#include "TestSupport.h"

#include <OgreArchiveManager.h>
#include <OgreResourceGroupManager.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sys/stat.h>

namespace
{
std::string randomBytes(size_t size, uint32_t seed)
{
    std::string bytes(size, '\0');
    for (char& c : bytes)
    {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 16);
    }
    return bytes;
}

std::string textOf(size_t size)
{
    std::string text;
    for (int i = 0; text.size() < size; ++i)
        text += "material line " + std::to_string(i % 37) + "\r\n";
    text.resize(size);
    return text;
}

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

class DataArchive : public ::testing::Test
{
protected:
    // Runs tq_packer in the test's folder.
    void pack(const std::string& arguments)
    {
        const std::string command = std::string(TQ_BIN_DIR) + "/tq_packer " + arguments;
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    void write(const std::string& name, const std::string& bytes) { ASSERT_TRUE(tq::writeFile(dir.file(name), bytes)); }
    // The headless engine with the packs mounted as "Data" locations of "General".
    void mount(const std::vector<std::string>& packs)
    {
        std::string cfg = "[General]\n";
        for (const std::string& p : packs)
            cfg += "Data=" + (p[0] == '/' ? p : dir.file(p)) + "\n";
        write("resources.cfg", cfg);
        ASSERT_TRUE(gApp.setupHeadless(dir.file("resources.cfg")));
    }
    std::string readResource(const std::string& name)
    {
        return Ogre::ResourceGroupManager::getSingleton().openResource(name, "General")->getAsString();
    }

    tq::TempDir dir;
};

TEST_F(DataArchive, ReadsStoredCompressedAndZeroSizeEntriesThroughOgre)
{
    const std::string text = textOf(20000);
    const std::string noise = randomBytes(5000, 7);
    const std::string hundred = textOf(100);
    write("Text.txt", text);
    write("noise.bin", noise);
    write("hundred.txt", hundred);
    write("after.txt", "the block after the zero-size entry");
    write("empty.txt", "");
    pack("game.pak --deflate Text.txt noise.bin --store0 hundred.txt --store after.txt --auto empty.txt");

    // The index as written: S = 0 for the zero-size entry, S < U for deflate.
    const std::string file = tq::readFile(dir.file("game.pak"));
    EXPECT_EQ(wordAt(file, 10), 5u);
    EXPECT_EQ(wordAt(file, 18), text.size());
    EXPECT_LT(wordAt(file, 22), text.size());

    mount({"game.pak"});
    EXPECT_EQ(readResource("text.txt"), text);
    EXPECT_EQ(readResource("noise.bin"), noise);
    EXPECT_EQ(readResource("hundred.txt"), hundred);
    // The zero-size entry took 100 + 4 bytes of the data area.
    EXPECT_EQ(readResource("after.txt"), "the block after the zero-size entry");
    EXPECT_EQ(readResource("empty.txt"), "");

    Ogre::FileInfoListPtr infos =
        Ogre::ResourceGroupManager::getSingleton().findResourceFileInfo("General", "*.txt");
    ASSERT_EQ(infos->size(), 4u);
    for (const Ogre::FileInfo& info : *infos)
        if (info.filename == "hundred.txt")
        {
            EXPECT_EQ(info.compressedSize, 100u);
            EXPECT_EQ(info.uncompressedSize, 100u);
            EXPECT_EQ(info.archive->getType(), "Data");
        }
}

TEST_F(DataArchive, TwoPacksMountedAtOnceEachReadTheirOwnFile)
{
    write("one.txt", textOf(3000));
    write("two.txt", randomBytes(3000, 11));
    write("three.txt", textOf(777));
    pack("first.pak one.txt three.txt");
    pack("second.pak two.txt");
    mount({"first.pak", "second.pak"});
    // Interleaved: each open after the other pack was read last.
    for (int round = 0; round < 3; ++round)
    {
        EXPECT_EQ(readResource("one.txt"), textOf(3000));
        EXPECT_EQ(readResource("two.txt"), randomBytes(3000, 11));
        EXPECT_EQ(readResource("three.txt"), textOf(777));
    }
    Ogre::DataStreamPtr a = Ogre::ResourceGroupManager::getSingleton().openResource("three.txt", "General");
    Ogre::DataStreamPtr b = Ogre::ResourceGroupManager::getSingleton().openResource("two.txt", "General");
    EXPECT_EQ(b->getAsString(), randomBytes(3000, 11));
    EXPECT_EQ(a->getAsString(), textOf(777));
}

TEST_F(DataArchive, FirstOfTwoEqualNamesWinsAndBaseMaterialComesFirst)
{
    write("first.txt", "first");
    write("second.txt", "second");
    write("aa.material", "// a");
    write("base.material", "// base");
    write("zz.material", "// z");
    pack("dup.pak aa.material --name Same.TXT first.txt --name same.txt second.txt --name 00_Base.Material "
         "base.material zz.material");
    CDataArchive archive(dir.file("dup.pak"), "Data");
    archive.load();
    EXPECT_EQ(archive.open("SAME.txt")->getAsString(), "first");
    EXPECT_EQ(*archive.list(), (Ogre::StringVector{"aa.material", "same.txt", "00_base.material", "zz.material"}));
    EXPECT_TRUE(archive.exists("00_BASE.material"));
    EXPECT_FALSE(archive.exists("missing.material"));
    EXPECT_THROW(archive.open("missing.material"), Ogre::Exception);

    Ogre::FileInfoListPtr infos = archive.findFileInfo("*.MATERIAL");
    ASSERT_EQ(infos->size(), 3u);
    EXPECT_EQ((*infos)[0].filename, "00_base.material");
    EXPECT_EQ((*infos)[1].filename, "aa.material");
    EXPECT_EQ((*infos)[2].filename, "zz.material");
    EXPECT_EQ(*archive.find("Z*"), (Ogre::StringVector{"zz.material"}));
    EXPECT_FALSE(archive.isCaseSensitive());
}

TEST_F(DataArchive, LoadLogListsOpenedNamesOnlyInALogRun)
{
    write("Mixed.Case.TXT", "x");
    pack("log.pak Mixed.Case.TXT");
    CDataArchive archive(dir.file("log.pak"), "Data");
    archive.load();
    CDataArchive::sLoadLog = false;
    archive.open("mixed.case.txt");
    struct stat st;
    EXPECT_NE(stat(dir.file("load.log").c_str(), &st), 0);
    CDataArchive::sLoadLog = true;
    archive.open("MIXED.case.txt");
    archive.open("mixed.case.txt");
    EXPECT_EQ(tq::readFile(dir.file("load.log")), "mixed.case.txt\nmixed.case.txt\n");
    CDataArchive::sLoadLog = false;
}

// Damaged packs give a log line and an archive with what could be checked.
TEST_F(DataArchive, DamagedIndexesAreLoggedAndRefused)
{
    write("a.txt", textOf(500));
    write("b.txt", textOf(300));
    pack("good.pak a.txt b.txt");
    const std::string good = tq::readFile(dir.file("good.pak"));
    const size_t firstEntry = 18;
    const size_t secondEntry = firstEntry + 24 + 5; // name "a.txt", empty path
    struct Case
    {
        const char* what;
        std::function<void(std::string&)> damage;
        const char* logged;
        size_t entriesLeft;
    };
    const Case cases[] = {
        {"shorter than its header", [](std::string& f) { f.resize(12); }, "too short for its header", 0},
        {"entry count beyond the file", [](std::string& f) { putWord(f, 10, 0x7FFFFFFF); }, "claims 2147483647", 0},
        {"negative entry count", [](std::string& f) { putWord(f, 10, 0xFFFFFFFF); }, "", 0},
        {"name length beyond the file", [&](std::string& f) { putWord(f, firstEntry + 16, 0xFFFFFFF0u); },
         "damaged at entry 0", 0},
        {"path length beyond the file", [&](std::string& f) { putWord(f, secondEntry + 25, 100000); },
         "damaged at entry 1", 0},
        {"index cut short", [&](std::string& f) { f.resize(secondEntry + 10); }, "it stays empty", 0},
        {"block beyond the end of the file",
         [&](std::string& f) {
             putWord(f, secondEntry, 0xFFFFFF00u);
             putWord(f, secondEntry + 4, 0xFFFFFF00u);
         },
         "entry b.txt of the Data archive", 1},
        {"compressed size wraps the offsets",
         [&](std::string& f) { putWord(f, firstEntry + 4, 0xFFFFFFFFu); }, "lies outside the file", 0},
        {"inflated size no stream can reach",
         [&](std::string& f) { putWord(f, secondEntry, 0xFFFFFFF0u); }, "claims too many bytes", 1},
        {"data cut short", [&](std::string& f) { f.resize(f.size() - 50); }, "entry b.txt", 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::string file = good;
        c.damage(file);
        write("bad.pak", file);
        Log::captureBegin();
        CDataArchive archive(dir.file("bad.pak"), "Data");
        archive.load();
        EXPECT_NE(Log::captured().find(c.logged), std::string::npos) << Log::captured();
        EXPECT_EQ(archive.list()->size(), c.entriesLeft);
        if (c.entriesLeft)
        {
            EXPECT_EQ(archive.open("a.txt")->getAsString(), textOf(500));
        }
    }
}

TEST_F(DataArchive, UnopenablePackIsLoggedWithItsPathAndStaysEmpty)
{
    Log::captureBegin();
    mount({"nowhere.pak"});
    EXPECT_NE(Log::captured().find("Can't open the Data archive " + dir.file("nowhere.pak")), std::string::npos)
        << Log::captured();
    EXPECT_FALSE(Ogre::ResourceGroupManager::getSingleton().resourceExistsInAnyGroup("anything.txt"));
}

TEST_F(DataArchive, DamagedEntriesFailToOpenVisibly)
{
    write("a.txt", textOf(4000));
    write("b.txt", textOf(4000));
    pack("z.pak --deflate a.txt b.txt");
    std::string file = tq::readFile(dir.file("z.pak"));
    const size_t secondEntry = 18 + 24 + 5;
    const size_t dataStart = secondEntry + 24 + 5;
    const uint32_t firstPacked = wordAt(file, 18 + 4);
    file[dataStart + firstPacked / 2] ^= 0x5A;                 // a.txt: damaged stream
    putWord(file, secondEntry, wordAt(file, secondEntry) + 1); // b.txt: inflates short of U
    write("z.pak", file);
    mount({"z.pak"});
    for (const char* name : {"a.txt", "b.txt"})
    {
        SCOPED_TRACE(name);
        Log::captureBegin();
        EXPECT_THROW(readResource(name), Ogre::Exception);
        EXPECT_NE(Log::captured().find(std::string("ERROR: Zlib decompress error on file ") + name),
                  std::string::npos)
            << Log::captured();
    }
    // Nothing of the failed opens stays in use.
    EXPECT_EQ(CDecompressBufferPool::instance().inUseCount(), 0u);
}

TEST_F(DataArchive, TheGameMountsItsSamplePackFromResourcesCfg)
{
    const std::string cfg = tq::readFile(std::string(TQ_GAME_DIR) + "/resources.cfg");
    ASSERT_NE(cfg.find("\nData=sample.pak"), std::string::npos) << cfg;
    mount({std::string(TQ_GAME_DIR) + "/sample.pak"});
    EXPECT_TRUE(Ogre::ResourceGroupManager::getSingleton().resourceExists("General", "00_base.material"));
    EXPECT_TRUE(Ogre::MaterialManager::getSingleton().resourceExists("00_base_black", "General"));
    EXPECT_TRUE(Ogre::MaterialManager::getSingleton().resourceExists("00_base_white", "General"));
}

TEST(DataArchiveStream, ReadsLinesSkipsAndSeeksInsideItsData)
{
    tq::TempDir dir;
    ASSERT_TRUE(tq::writeFile(dir.file("lines.txt"), "first\r\nsecond\nthird;fourth"));
    const std::string command = std::string(TQ_BIN_DIR) + "/tq_packer " + dir.file("s.pak") + " --store " +
                                dir.file("lines.txt");
    ASSERT_EQ(std::system(command.c_str()), 0);
    CDataArchive archive(dir.file("s.pak"), "Data");
    archive.load();
    Ogre::DataStreamPtr stream = archive.open("lines.txt");
    EXPECT_EQ(stream->size(), 26u);
    EXPECT_EQ(stream->getName(), "lines.txt");
    char buffer[16];
    EXPECT_EQ(stream->readLine(buffer, 15, "\n"), 5u);
    EXPECT_STREQ(buffer, "first");
    EXPECT_EQ(stream->readLine(buffer, 3, "\n"), 3u); // cut at max count, delimiter not reached
    EXPECT_STREQ(buffer, "sec");
    EXPECT_EQ(stream->skipLine("\n"), 4u); // "ond" and the line feed
    EXPECT_EQ(stream->readLine(buffer, 15, ";"), 5u);
    EXPECT_STREQ(buffer, "third");
    EXPECT_EQ(stream->tell(), 20u);
    stream->skip(-1000);
    EXPECT_EQ(stream->tell(), 0u);
    stream->skip(1000);
    EXPECT_TRUE(stream->eof());
    EXPECT_EQ(stream->read(buffer, 4), 0u);
    stream->seek(1000);
    EXPECT_EQ(stream->tell(), 26u);
    stream->seek(20);
    EXPECT_EQ(stream->getLine(), "fourth");
    stream->seek(0);
    EXPECT_EQ(stream->getLine(), "first");
    EXPECT_EQ(stream->getAsString(), "first\r\nsecond\nthird;fourth");
}

TEST(DecompressBufferPool, KeepsBuffersUpToItsCapAndReusesThem)
{
    CDecompressBufferPool pool(1000);
    unsigned char* a = pool.acquire(400);
    unsigned char* b = pool.acquire(500);
    pool.release(a);
    EXPECT_EQ(pool.freeBufferCount(), 1u); // 900 bytes in all: kept
    EXPECT_EQ(pool.acquire(300), a) << "a free buffer large enough is reused";
    unsigned char* c = pool.acquire(200);
    EXPECT_EQ(pool.totalSize(), 1100u);
    pool.release(c); // more than the cap in all: freed, its entry left empty
    EXPECT_EQ(pool.totalSize(), 900u);
    EXPECT_EQ(pool.entryCount(), 3u);
    EXPECT_EQ(pool.freeBufferCount(), 0u);
    pool.acquire(50); // the empty entry is used again
    EXPECT_EQ(pool.entryCount(), 3u);
    pool.release(nullptr);
    pool.release(reinterpret_cast<unsigned char*>(&pool)); // unknown: ignored
    // Clearing frees what is not in use but not what a stream still reads.
    pool.release(a);
    pool.clear();
    EXPECT_EQ(pool.entryCount(), 2u);
    b[499] = 1;
    pool.release(b);
    EXPECT_EQ(pool.freeBufferCount(), 1u);
}

TEST(DecompressBufferPool, KeepsOneSpareLargerThanItsCapForTheNextLargeEntry)
{
    CDecompressBufferPool pool(1000);
    unsigned char* big = pool.acquire(3000);
    pool.release(big);
    EXPECT_EQ(pool.spareSize(), 3000u) << "kept beyond the cap";
    EXPECT_EQ(pool.acquire(2000), big) << "the next large entry takes the spare";
    pool.release(big);

    // Two large buffers at once: only the larger stays once both are back.
    unsigned char* first = pool.acquire(2500);
    unsigned char* second = pool.acquire(5000);
    EXPECT_EQ(first, big);
    pool.release(second);
    pool.release(first);
    EXPECT_EQ(pool.spareSize(), 5000u);
    EXPECT_EQ(pool.freeBufferCount(), 1u);
    EXPECT_EQ(pool.totalSize(), 5000u);

    // Small buffers still keep to the cap beside the spare.
    unsigned char* a = pool.acquire(600);
    EXPECT_EQ(a, second) << "the smallest free buffer that fits";
    unsigned char* b = pool.acquire(700);
    unsigned char* c = pool.acquire(400);
    pool.release(a);
    pool.release(c); // 1100 bytes besides the spare: past the cap, freed
    pool.release(b);
    EXPECT_EQ(pool.spareSize(), 5000u);
    EXPECT_EQ(pool.totalSize(), 5700u);
}
} // namespace
