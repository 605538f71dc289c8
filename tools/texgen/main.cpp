// Writes the plain textures that the sample data's effect materials tint:
// the effects modulate a texture by a colour, so their materials need one,
// and a flat white one shows the colour as it is.
//
//   texgen <folder>   writes <folder>/00_effects_white.tga
#include <cstdio>
#include <string>
#include <vector>

namespace
{
// An uncompressed 24-bit TGA of one colour.
bool writeTga(const std::string& path, int width, int height, unsigned char r, unsigned char g, unsigned char b)
{
    unsigned char header[18] = {};
    header[2] = 2; // uncompressed true colour
    header[12] = static_cast<unsigned char>(width & 0xFF);
    header[13] = static_cast<unsigned char>(width >> 8);
    header[14] = static_cast<unsigned char>(height & 0xFF);
    header[15] = static_cast<unsigned char>(height >> 8);
    header[16] = 24;
    std::vector<unsigned char> pixels;
    pixels.reserve(static_cast<size_t>(width) * height * 3);
    for (int i = 0; i < width * height; ++i)
    {
        pixels.push_back(b); // TGA stores blue, green, red
        pixels.push_back(g);
        pixels.push_back(r);
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(header, sizeof(header), 1, file) == 1 &&
                    std::fwrite(pixels.data(), pixels.size(), 1, file) == 1;
    return std::fclose(file) == 0 && ok;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: texgen <folder>\n");
        return 2;
    }
    const std::string path = std::string(argv[1]) + "/00_effects_white.tga";
    if (!writeTga(path, 8, 8, 255, 255, 255))
    {
        std::fprintf(stderr, "texgen: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
