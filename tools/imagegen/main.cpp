// Writes the sample pictures that the logo and loading screens show:
//   imagegen <folder>
// "splash_01.jpg" (a splash picture), "00_white.jpg" (the logo's white
// flash) and the loading window's pictures "00_menu_loading_window_00.tga"
// to "_06.tga" (the main menu and the mini-games show 00, location n shows
// n - 1): one landscape each, in the location's own light, darkening towards
// the bottom where the loading bar and its texts stand.
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

/// The light of each loading picture: sky at the top and at the horizon,
/// the land, and how hilly the land is.
struct Light
{
    Rgb top, horizon, land;
    double hills;
};

const Light kLights[7] = {
    {{40, 52, 96}, {214, 150, 92}, {34, 28, 36}, 0.05},  // dusk
    {{70, 120, 180}, {200, 214, 222}, {52, 70, 48}, 0.08}, // a clear day over fields
    {{30, 34, 58}, {110, 96, 130}, {24, 22, 30}, 0.03},  // a night town
    {{96, 110, 120}, {176, 178, 170}, {60, 62, 58}, 0.12}, // grey mountains
    {{50, 36, 30}, {230, 120, 50}, {40, 20, 16}, 0.06},  // a hall of fire
    {{24, 60, 80}, {120, 180, 190}, {20, 44, 52}, 0.04}, // by the sea
    {{60, 40, 70}, {200, 170, 200}, {36, 28, 44}, 0.10}, // a dream
};

double channel(unsigned char a, unsigned char b, double t)
{
    return a + (b - a) * t;
}

/// A landscape: a sky from the top colour to the horizon's, two rows of
/// hills, a sun or moon, and a dark band at the bottom for the loading bar.
Picture loadingWindow(int width, int height, int n)
{
    const Light& l = kLights[n];
    Picture picture(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const double u = static_cast<double>(x) / width, v = static_cast<double>(y) / height;
            const double far = 0.58 + l.hills * std::sin(u * 7.0 + n) + 0.02 * std::sin(u * 31.0 + 2.0 * n);
            const double nearHill = 0.68 + l.hills * 0.8 * std::sin(u * 4.0 + 2.5 + n) + 0.015 * std::sin(u * 45.0);
            const double sun = std::hypot(u - (0.2 + 0.09 * n), (v - 0.3) * height / width);
            double r, g, b;
            if (v > nearHill)
            {
                const double t = (v - nearHill) * 2.0;
                r = l.land.r * (1.0 - t * 0.6), g = l.land.g * (1.0 - t * 0.6), b = l.land.b * (1.0 - t * 0.6);
            }
            else if (v > far)
                r = channel(l.land.r, l.horizon.r, 0.35), g = channel(l.land.g, l.horizon.g, 0.35),
                b = channel(l.land.b, l.horizon.b, 0.35);
            else if (sun < 0.05)
                r = 250, g = 240, b = 210;
            else
            {
                const double t = v / far;
                const double glow = sun < 0.12 ? (0.12 - sun) / 0.07 * 40.0 : 0.0;
                r = channel(l.top.r, l.horizon.r, t) + glow, g = channel(l.top.g, l.horizon.g, t) + glow,
                b = channel(l.top.b, l.horizon.b, t) + glow * 0.6;
            }
            // The loading bar's band, and a thin gold frame.
            const double shade = v > 0.76 ? 1.0 - std::min(1.0, (v - 0.76) * 6.0) * 0.6 : 1.0;
            const bool frame = x < 3 || y < 3 || x >= width - 3 || y >= height - 3;
            picture[static_cast<size_t>(y) * width + x] =
                frame ? Rgb{200, 160, 80} : Rgb{clampByte(r * shade), clampByte(g * shade), clampByte(b * shade)};
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
    for (int n = 0; n < 7; ++n)
    {
        char name[64];
        std::snprintf(name, sizeof(name), "/00_menu_loading_window_%02d.tga", n);
        ok = writeTga(folder + name, 512, 384, loadingWindow(512, 384, n)) && ok;
    }
    return ok ? 0 : 1;
}
