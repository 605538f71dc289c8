// Writes the sample pictures that the logo and loading screens show:
//   imagegen <folder>
// "splash_01.jpg" (a splash picture), "00_white.jpg" (the logo's white
// flash) and "00_menu_loading_window_00.tga" (the loading window's picture
// of the main menu and of location 1).
#include "platform/Platform.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
struct Rgb
{
    unsigned char r, g, b;
};

typedef std::vector<Rgb> Picture;

unsigned char clampByte(double v)
{
    return static_cast<unsigned char>(v < 0.0 ? 0.0 : (v > 255.0 ? 255.0 : v));
}

bool writeJpeg(const std::string& path, int width, int height, const Picture& picture)
{
    std::vector<unsigned char> rgb;
    rgb.reserve(picture.size() * 3);
    for (const Rgb& p : picture)
    {
        rgb.push_back(p.r);
        rgb.push_back(p.g);
        rgb.push_back(p.b);
    }
    return Platform::writeJpegFile(path, width, height, rgb.data(), 92);
}

// Uncompressed 24-bit TGA, rows from the top.
bool writeTga(const std::string& path, int width, int height, const Picture& picture)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    unsigned char header[18] = {};
    header[2] = 2;
    header[12] = static_cast<unsigned char>(width & 0xFF);
    header[13] = static_cast<unsigned char>(width >> 8);
    header[14] = static_cast<unsigned char>(height & 0xFF);
    header[15] = static_cast<unsigned char>(height >> 8);
    header[16] = 24;
    header[17] = 0x20;
    bool ok = std::fwrite(header, 1, sizeof(header), file) == sizeof(header);
    for (const Rgb& p : picture)
    {
        const unsigned char bgr[3] = {p.b, p.g, p.r};
        ok = ok && std::fwrite(bgr, 1, 3, file) == 3;
    }
    return std::fclose(file) == 0 && ok;
}

// A dusk sky over dark hills with a pale moon.
Picture splash(int width, int height)
{
    Picture picture(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const double u = static_cast<double>(x) / width, v = static_cast<double>(y) / height;
            const double hill = 0.72 + 0.06 * std::sin(u * 9.0) + 0.03 * std::sin(u * 23.0 + 1.0);
            const double moon = std::hypot(u - 0.7, (v - 0.25) * height / width);
            Rgb& p = picture[static_cast<size_t>(y) * width + x];
            if (v > hill)
                p = {clampByte(20 + 10 * v), clampByte(18 + 8 * v), clampByte(30 + 12 * v)};
            else if (moon < 0.06)
                p = {235, 230, 200};
            else
                p = {clampByte(40 + 180 * v), clampByte(50 + 90 * v), clampByte(110 + 40 * v)};
        }
    return picture;
}

// A framed panel with a warm gradient.
Picture loadingWindow(int width, int height)
{
    Picture picture(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const bool frame = x < 4 || y < 4 || x >= width - 4 || y >= height - 4;
            const double v = static_cast<double>(y) / height;
            picture[static_cast<size_t>(y) * width + x] =
                frame ? Rgb{200, 170, 90} : Rgb{clampByte(90 - 50 * v), clampByte(60 - 30 * v), clampByte(40 - 20 * v)};
        }
    return picture;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: imagegen <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = writeJpeg(folder + "/splash_01.jpg", 512, 384, splash(512, 384));
    ok = writeJpeg(folder + "/00_white.jpg", 8, 8, Picture(64, Rgb{255, 255, 255})) && ok;
    ok = writeTga(folder + "/00_menu_loading_window_00.tga", 256, 128, loadingWindow(256, 128)) && ok;
    return ok ? 0 : 1;
}
