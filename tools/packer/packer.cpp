// tq_packer: writes a "Data" pack.
//
//   tq_packer [options] <pack> <input>...
//
// An input is a file or a folder; a folder's files are taken recursively in
// byte-wise order of their paths, each named by its file name, with the
// folder below the input as its path.  Options apply to the inputs after
// them:
//   --auto      compress an entry when that makes it smaller (default)
//   --deflate   always compress
//   --store     store as is (stored size = size)
//   --store0    store as is, written with a stored size of 0
//   --level N   zlib level for compressed entries (default 9)
//   --name N    the next file input is packed under the name N
//
// Layout (little-endian 32-bit words): 10 header bytes, N, a spare word, N
// index entries {U, S, 0, 0, name length, name, path length, path}, then
// each entry's S bytes followed by 4 zero bytes.
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace
{
enum class Mode
{
    Auto,
    Deflate,
    Store,
    StoreZero
};

struct Input
{
    std::string name;
    std::string path;
    fs::path source;
    Mode mode;
    int level;
};

const char kHeader[10] = {'T', 'Q', '-', 'D', 'A', 'T', 'A', '-', '0', '1'};

void putWord(std::string& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool readWhole(const fs::path& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    bytes = text.str();
    return true;
}

int usage()
{
    std::cerr << "usage: tq_packer [--auto|--deflate|--store|--store0] [--level N] [--name NAME] <pack> <input>...\n";
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    Mode mode = Mode::Auto;
    int level = 9;
    std::string nextName;
    std::string packPath;
    std::vector<Input> inputs;
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        if (arg == "--auto")
            mode = Mode::Auto;
        else if (arg == "--deflate")
            mode = Mode::Deflate;
        else if (arg == "--store")
            mode = Mode::Store;
        else if (arg == "--store0")
            mode = Mode::StoreZero;
        else if ((arg == "--level" || arg == "--name") && i + 1 < argc)
        {
            if (arg == "--level")
                level = std::atoi(argv[++i]);
            else
                nextName = argv[++i];
        }
        else if (arg.rfind("--", 0) == 0)
            return usage();
        else if (packPath.empty())
            packPath = arg;
        else
        {
            const fs::path source(arg);
            std::error_code ec;
            if (fs::is_directory(source, ec))
            {
                std::vector<fs::path> files;
                for (const auto& item : fs::recursive_directory_iterator(source))
                    if (item.is_regular_file())
                        files.push_back(item.path());
                std::sort(files.begin(), files.end());
                for (const fs::path& file : files)
                {
                    const std::string folder = file.parent_path().lexically_relative(source).generic_string();
                    inputs.push_back({file.filename().string(), folder == "." ? "" : folder, file, mode, level});
                }
            }
            else if (fs::is_regular_file(source, ec))
            {
                inputs.push_back({nextName.empty() ? source.filename().string() : nextName, "", source, mode, level});
                nextName.clear();
            }
            else
            {
                std::cerr << "tq_packer: no such file or folder: " << arg << "\n";
                return 1;
            }
        }
    }
    if (packPath.empty() || inputs.empty())
        return usage();

    std::string index;
    std::string data;
    for (const Input& input : inputs)
    {
        std::string bytes;
        if (!readWhole(input.source, bytes))
        {
            std::cerr << "tq_packer: cannot read " << input.source << "\n";
            return 1;
        }
        if (bytes.size() > 0xFFFFFFF0u)
        {
            std::cerr << "tq_packer: too large for a pack: " << input.source << "\n";
            return 1;
        }
        std::string block = bytes;
        if (input.mode == Mode::Auto || input.mode == Mode::Deflate)
        {
            uLongf packedSize = compressBound(bytes.size());
            std::string packed(packedSize, '\0');
            if (compress2(reinterpret_cast<Bytef*>(&packed[0]), &packedSize,
                          reinterpret_cast<const Bytef*>(bytes.data()), bytes.size(), input.level) != Z_OK)
            {
                std::cerr << "tq_packer: cannot compress " << input.source << "\n";
                return 1;
            }
            packed.resize(packedSize);
            // A compressed block is recognised by S != U, so a block that
            // came out exactly as long as the data must be stored instead.
            if (packed.size() != bytes.size() && (input.mode == Mode::Deflate || packed.size() < bytes.size()))
                block = packed;
        }
        const uint32_t u = static_cast<uint32_t>(bytes.size());
        const uint32_t s = input.mode == Mode::StoreZero ? 0 : static_cast<uint32_t>(block.size());
        putWord(index, u);
        putWord(index, s);
        putWord(index, 0);
        putWord(index, 0);
        putWord(index, static_cast<uint32_t>(input.name.size()));
        index += input.name;
        putWord(index, static_cast<uint32_t>(input.path.size()));
        index += input.path;
        data += block;
        putWord(data, 0);
    }

    std::string pack(kHeader, sizeof(kHeader));
    putWord(pack, static_cast<uint32_t>(inputs.size()));
    putWord(pack, 0);
    pack += index;
    pack += data;
    const std::string temp = packPath + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(pack.data(), static_cast<std::streamsize>(pack.size()));
        if (!out)
        {
            std::cerr << "tq_packer: cannot write " << temp << "\n";
            return 1;
        }
    }
    std::error_code ec;
    fs::rename(temp, packPath, ec);
    if (ec)
    {
        std::cerr << "tq_packer: cannot write " << packPath << ": " << ec.message() << "\n";
        return 1;
    }
    return 0;
}
