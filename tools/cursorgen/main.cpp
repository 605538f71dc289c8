// cursorgen <folder>: writes "00_cursor_01.cur" (the normal arrow),
// "00_cursor_02.cur" (the hot-spot ring) and "tolvane_quirn.ico" (the window
// icon), 32 x 32 pixels with alpha, into the folder.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
const int kSide = 32;

void put16(std::vector<unsigned char>& out, unsigned v)
{
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<unsigned char>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back((v >> (8 * i)) & 0xFF);
}

// pixels: ARGB, top row first.  type 2 writes a cursor, 1 an icon.
bool write(const std::string& path, int type, int hotX, int hotY, const std::vector<uint32_t>& pixels)
{
    const uint32_t maskRow = ((kSide + 31) / 32) * 4;
    const uint32_t imageBytes = 40 + kSide * kSide * 4 + maskRow * kSide;
    std::vector<unsigned char> out;
    put16(out, 0);
    put16(out, type);
    put16(out, 1);
    out.push_back(kSide);
    out.push_back(kSide);
    out.push_back(0);
    out.push_back(0);
    put16(out, type == 2 ? hotX : 1);
    put16(out, type == 2 ? hotY : 32);
    put32(out, imageBytes);
    put32(out, 6 + 16);
    // The bitmap header: twice the height, for the colours and the mask.
    put32(out, 40);
    put32(out, kSide);
    put32(out, kSide * 2);
    put16(out, 1);
    put16(out, 32);
    for (int i = 0; i < 6; ++i)
        put32(out, 0);
    for (int y = kSide - 1; y >= 0; --y)
        for (int x = 0; x < kSide; ++x)
            put32(out, pixels[y * kSide + x]);
    for (int y = kSide - 1; y >= 0; --y)
    {
        uint32_t bits = 0;
        for (int x = 0; x < kSide; ++x)
            if ((pixels[y * kSide + x] >> 24) == 0)
                bits |= 0x80000000u >> x;
        for (int i = 3; i >= 0; --i)
            out.push_back((bits >> (8 * i)) & 0xFF);
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && ok;
}

std::vector<uint32_t> arrow()
{
    std::vector<uint32_t> p(kSide * kSide, 0);
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x <= y * 2 / 3 && x < kSide; ++x)
        {
            const bool edge = x == 0 || x == y * 2 / 3 || y == 21;
            p[y * kSide + x] = edge ? 0xFF000000u : 0xFFF4E8C8u;
        }
    return p;
}

std::vector<uint32_t> ring()
{
    std::vector<uint32_t> p(kSide * kSide, 0);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
        {
            const double d = std::hypot(x - 15.5, y - 15.5);
            if (d > 10.5 && d < 14.5)
                p[y * kSide + x] = (d < 11.5 || d > 13.5) ? 0xFF201008u : 0xFFFFC040u;
            else if (d < 2.0)
                p[y * kSide + x] = 0xFFFFC040u;
        }
    return p;
}

std::vector<uint32_t> icon()
{
    std::vector<uint32_t> p(kSide * kSide, 0);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
        {
            const double d = std::hypot(x - 15.5, y - 15.5);
            if (d < 15.0)
                p[y * kSide + x] = d < 9.0 ? 0xFFE0A030u : 0xFF304870u;
        }
    return p;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: cursorgen <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    if (!write(folder + "/00_cursor_01.cur", 2, 0, 0, arrow()) ||
        !write(folder + "/00_cursor_02.cur", 2, 15, 15, ring()) ||
        !write(folder + "/tolvane_quirn.ico", 1, 0, 0, icon()))
    {
        std::fprintf(stderr, "cursorgen: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
