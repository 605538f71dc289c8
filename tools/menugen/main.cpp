// Writes the pictures of the menus: the glows that the menu script puts
// behind the hovered item, "00_menu_button.tga" (a wide glow for texts),
// "00_menu_checkbox_light_fx.tga" (a round one for check boxes) and
// "00_menu_volume_control_fx.tga" (a wide, flat one for volume knobs), each
// a warm colour that fades to black towards the edges (the glow is added to
// what lies under it); and the check box balls "00_menu_checkbox_on.tga"
// and "00_menu_checkbox_off.tga" on the menus' parchment colour.
// Uncompressed 32-bit TGA files, bottom-up.
//
//   menugen <folder>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
std::vector<uint8_t> header(int width, int height)
{
    std::vector<uint8_t> bytes(18, 0);
    bytes[2] = 2; // uncompressed true colour
    bytes[12] = static_cast<uint8_t>(width & 0xFF);
    bytes[13] = static_cast<uint8_t>(width >> 8);
    bytes[14] = static_cast<uint8_t>(height & 0xFF);
    bytes[15] = static_cast<uint8_t>(height >> 8);
    bytes[16] = 32;
    bytes[17] = 8; // eight alpha bits
    return bytes;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
    {
        std::fprintf(stderr, "menugen: cannot write %s\n", path.c_str());
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

bool writeGlow(const std::string& path, int width, int height, double sharpness)
{
    std::vector<uint8_t> bytes = header(width, height);
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            const double dx = (x + 0.5) / width * 2.0 - 1.0;
            const double dy = (y + 0.5) / height * 2.0 - 1.0;
            const double d = std::sqrt(dx * dx + dy * dy);
            const double level = d >= 1.0 ? 0.0 : std::pow(1.0 - d, sharpness);
            bytes.push_back(static_cast<uint8_t>(90.0 * level));  // blue
            bytes.push_back(static_cast<uint8_t>(170.0 * level)); // green
            bytes.push_back(static_cast<uint8_t>(230.0 * level)); // red
            bytes.push_back(static_cast<uint8_t>(255.0 * level)); // alpha
        }
    }
    return writeFile(path, bytes);
}

// A ball in a ring on parchment; filled marks an option that is on.
bool writeBall(const std::string& path, bool filled)
{
    const int size = 64;
    std::vector<uint8_t> bytes = header(size, size);
    for (int y = 0; y < size; ++y)
    {
        for (int x = 0; x < size; ++x)
        {
            const double dx = (x + 0.5) / size * 2.0 - 1.0;
            const double dy = (y + 0.5) / size * 2.0 - 1.0;
            const double d = std::sqrt(dx * dx + dy * dy);
            const bool ring = d > 0.62 && d < 0.78;
            const bool ball = filled && d < 0.5;
            double r = 0.90, g = 0.84, b = 0.70;
            if (ring)
                r = 0.36, g = 0.20, b = 0.14;
            else if (ball)
                r = 0.55, g = 0.12, b = 0.08;
            bytes.push_back(static_cast<uint8_t>(255.0 * b));
            bytes.push_back(static_cast<uint8_t>(255.0 * g));
            bytes.push_back(static_cast<uint8_t>(255.0 * r));
            bytes.push_back(255);
        }
    }
    return writeFile(path, bytes);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: menugen <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = writeGlow(folder + "/00_menu_button.tga", 128, 32, 1.5);
    ok = writeGlow(folder + "/00_menu_checkbox_light_fx.tga", 64, 64, 2.0) && ok;
    ok = writeGlow(folder + "/00_menu_volume_control_fx.tga", 128, 16, 1.5) && ok;
    ok = writeBall(folder + "/00_menu_checkbox_on.tga", true) && ok;
    ok = writeBall(folder + "/00_menu_checkbox_off.tga", false) && ok;
    return ok ? 0 : 1;
}
