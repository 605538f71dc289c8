// Reading every entry of a pack of about 50 MB of mixed files through OGRE's
// resource API, against the same files in a zip read through OGRE's own
// "Zip" archive, and against zlib on the same compressed bytes in memory
// (the floor: inflation and zlib's check, measured apart and together).
#include "Application.h"
#include "DataArchive.h"

#include <OgreResourceGroupManager.h>

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
struct File
{
    std::string name;
    std::string bytes;
    std::string packed; ///< zlib stream at level 9, empty when stored
};

struct Corpus
{
    std::string folder;
    std::vector<File> files;
    size_t totalBytes = 0;
    size_t storedBytes = 0; ///< in the pack: compressed where that helps
};

uint32_t nextRandom(uint32_t& seed)
{
    seed = seed * 1664525u + 1013904223u;
    // The low bits of this generator repeat with short periods: only the
    // high ones are used, or the "random" content would compress 100:1.
    return seed >> 16;
}

// Content that compresses about like the game's (2:1 in all, see the
// "ratio" counter): script text with numbers, vertex data of smooth
// coordinates, block-compressed texture data, and noise like already
// compressed sounds, which the packer stores as is.
std::string makeBytes(int kind, size_t size, uint32_t seed)
{
    std::string out;
    out.reserve(size + 64);
    if (kind == 0)
    {
        static const char* const words[] = {"material", "technique", "pass", "texture_unit", "{", "}",
                                            "lighting", "off", "scene_blend", "alpha_rejection", "node",
                                            "entity", "position", "rotation", "scale", "diffuse", "ambient"};
        char number[32];
        while (out.size() < size)
        {
            if (nextRandom(seed) % 10 < 6)
                out += words[nextRandom(seed) % 17];
            else
            {
                std::snprintf(number, sizeof(number), "%.4f",
                              static_cast<double>(nextRandom(seed)) / 65536.0 * 200.0 - 100.0);
                out += number;
            }
            out += ' ';
        }
    }
    else if (kind == 1)
    {
        float x = 0.0f;
        while (out.size() < size)
        {
            x += static_cast<float>(nextRandom(seed)) / 65536.0f - 0.5f;
            const float value = static_cast<float>(static_cast<int>(x * 64.0f)) / 64.0f;
            out.append(reinterpret_cast<const char*>(&value), sizeof(value));
        }
    }
    else if (kind == 2)
    {
        uint16_t colour = 1000;
        while (out.size() < size)
        {
            colour = static_cast<uint16_t>(colour + nextRandom(seed) % 7 - 3);
            const uint16_t endpoints[2] = {colour, static_cast<uint16_t>(colour + 7)};
            out.append(reinterpret_cast<const char*>(endpoints), sizeof(endpoints));
            out.push_back(static_cast<char>(nextRandom(seed)));
            out.push_back(static_cast<char>(nextRandom(seed)));
            out.append("\xaa\xaa", 2);
        }
    }
    else
    {
        while (out.size() < size)
            out.push_back(static_cast<char>(nextRandom(seed)));
    }
    out.resize(size);
    return out;
}

std::string deflateLevel9(const std::string& bytes, bool raw)
{
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, raw ? -15 : 15, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, bytes.size()), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    z.avail_in = static_cast<uInt>(bytes.size());
    z.next_out = reinterpret_cast<Bytef*>(&out[0]);
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

void putLe(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A plain zip of the files: deflate where it helps, stored otherwise.
void writeZip(const Corpus& corpus, const std::string& path)
{
    std::string zip, central;
    for (const File& file : corpus.files)
    {
        const std::string raw = deflateLevel9(file.bytes, true);
        const bool deflated = raw.size() < file.bytes.size();
        const std::string& data = deflated ? raw : file.bytes;
        const uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(file.bytes.data()), file.bytes.size());
        const uint32_t offset = static_cast<uint32_t>(zip.size());
        auto header = [&](std::string& out, bool centralRecord) {
            putLe(out, centralRecord ? 0x02014b50 : 0x04034b50, 4);
            if (centralRecord)
                putLe(out, 20, 2);
            putLe(out, 20, 2);
            putLe(out, 0, 2);
            putLe(out, deflated ? 8 : 0, 2);
            putLe(out, 0, 4); // time and date
            putLe(out, crc, 4);
            putLe(out, static_cast<uint32_t>(data.size()), 4);
            putLe(out, static_cast<uint32_t>(file.bytes.size()), 4);
            putLe(out, static_cast<uint32_t>(file.name.size()), 2);
            putLe(out, 0, 2);
            if (centralRecord)
            {
                putLe(out, 0, 2);
                putLe(out, 0, 2);
                putLe(out, 0, 2);
                putLe(out, 0, 4);
                putLe(out, offset, 4);
            }
            out += file.name;
        };
        header(zip, false);
        zip += data;
        header(central, true);
    }
    const uint32_t centralOffset = static_cast<uint32_t>(zip.size());
    zip += central;
    putLe(zip, 0x06054b50, 4);
    putLe(zip, 0, 4);
    putLe(zip, static_cast<uint32_t>(corpus.files.size()), 2);
    putLe(zip, static_cast<uint32_t>(corpus.files.size()), 2);
    putLe(zip, static_cast<uint32_t>(central.size()), 4);
    putLe(zip, centralOffset, 4);
    putLe(zip, 0, 2);
    std::ofstream(path, std::ios::binary).write(zip.data(), static_cast<std::streamsize>(zip.size()));
}

std::string packerPath()
{
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof(self) - 1);
    std::string dir = n > 0 ? std::string(self, static_cast<size_t>(n)) : std::string("./x");
    dir = dir.substr(0, dir.find_last_of('/'));
    return dir + "/../bin/tq_packer";
}

Corpus& corpus()
{
    static Corpus c;
    if (!c.files.empty())
        return c;
    char folder[] = "/tmp/tq-bench-archive-XXXXXX";
    c.folder = mkdtemp(folder);
    std::atexit([] { std::system(("rm -rf '" + c.folder + "'").c_str()); });

    // About 50 MB: many small files and a few large ones of each kind.
    uint32_t seed = 2024;
    std::string command = packerPath() + " " + c.folder + "/bench.pak";
    for (int i = 0; c.totalBytes < 50u * 1024 * 1024; ++i)
    {
        const int kind = i % 4;
        const size_t size = (i % 10 == 9) ? 2u * 1024 * 1024 + nextRandom(seed) % (2u * 1024 * 1024)
                                          : 1024 + nextRandom(seed) % (256u * 1024);
        File file;
        static const char* const extensions[] = {".material", ".mesh", ".dds", ".ogg"};
        file.name = "file_" + std::to_string(i) + extensions[kind];
        file.bytes = makeBytes(kind, size, nextRandom(seed));
        const std::string packed = deflateLevel9(file.bytes, false);
        if (packed.size() < file.bytes.size())
            file.packed = packed;
        c.totalBytes += size;
        c.storedBytes += file.packed.empty() ? size : file.packed.size();
        c.files.push_back(std::move(file));
    }
    std::system(("mkdir -p '" + c.folder + "/files'").c_str());
    for (const File& file : c.files)
        std::ofstream(c.folder + "/files/" + file.name, std::ios::binary)
            .write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    if (std::system((command + " " + c.folder + "/files").c_str()) != 0)
        std::fprintf(stderr, "data_archive: tq_packer failed\n");
    writeZip(c, c.folder + "/bench.zip");

    gApp.setupHeadless();
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    groups.addResourceLocation(c.folder + "/bench.pak", "Data", "BenchData");
    groups.addResourceLocation(c.folder + "/bench.zip", "Zip", "BenchZip");
    groups.initialiseResourceGroup("BenchData");
    groups.initialiseResourceGroup("BenchZip");
    return c;
}

void readGroup(benchmark::State& state, const char* group)
{
    Corpus& c = corpus();
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    std::vector<char> buffer(8u * 1024 * 1024);
    for (auto _ : state)
    {
        for (const File& file : c.files)
        {
            Ogre::DataStreamPtr stream = groups.openResource(file.name, group);
            size_t got = stream->read(buffer.data(), buffer.size());
            if (got != file.bytes.size())
                state.SkipWithError("short read");
            benchmark::DoNotOptimize(buffer.data());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(c.totalBytes));
}

void BM_DataPackThroughOgre(benchmark::State& state)
{
    readGroup(state, "BenchData");
}

void BM_ZipThroughOgre(benchmark::State& state)
{
    readGroup(state, "BenchZip");
}

// The floor, in three parts, on the same bytes in memory.  zlib's one-call
// inflation does two things: it inflates, and it checks the result against
// the stream's Adler-32 (which OGRE's Zip skips: zip's CRC is not checked
// there).  Stored files are copied.
void BM_InflateOnly(benchmark::State& state)
{
    Corpus& c = corpus();
    std::vector<Bytef> buffer(8u * 1024 * 1024);
    for (auto _ : state)
    {
        for (const File& file : c.files)
        {
            if (file.packed.empty())
                std::memcpy(buffer.data(), file.bytes.data(), file.bytes.size());
            else
            {
                // The zlib stream's body as raw deflate: no header, no check.
                z_stream z{};
                inflateInit2(&z, -15);
                z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(file.packed.data())) + 2;
                z.avail_in = static_cast<uInt>(file.packed.size() - 6);
                z.next_out = buffer.data();
                z.avail_out = static_cast<uInt>(buffer.size());
                inflate(&z, Z_FINISH);
                inflateEnd(&z);
            }
            benchmark::DoNotOptimize(buffer.data());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(c.totalBytes));
}

void BM_CheckOnly(benchmark::State& state)
{
    Corpus& c = corpus();
    for (auto _ : state)
    {
        for (const File& file : c.files)
        {
            if (file.packed.empty())
                continue;
            benchmark::DoNotOptimize(
                adler32(1, reinterpret_cast<const Bytef*>(file.bytes.data()), static_cast<uInt>(file.bytes.size())));
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(c.totalBytes));
}

// Both: what a reader of the pack cannot go below.
void BM_InflateAndCheck(benchmark::State& state)
{
    Corpus& c = corpus();
    std::vector<Bytef> buffer(8u * 1024 * 1024);
    for (auto _ : state)
    {
        for (const File& file : c.files)
        {
            if (file.packed.empty())
                std::memcpy(buffer.data(), file.bytes.data(), file.bytes.size());
            else
            {
                uLongf length = static_cast<uLongf>(buffer.size());
                uncompress(buffer.data(), &length, reinterpret_cast<const Bytef*>(file.packed.data()),
                           file.packed.size());
            }
            benchmark::DoNotOptimize(buffer.data());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(c.totalBytes));
    state.counters["ratio"] = static_cast<double>(c.totalBytes) / static_cast<double>(c.storedBytes);
}
} // namespace

BENCHMARK(BM_InflateOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InflateAndCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DataPackThroughOgre)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZipThroughOgre)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
