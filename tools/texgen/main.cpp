// Writes the plain textures that the sample data's effect materials tint,
// and the pictures of the in-game interface:
//
//   texgen <folder>
//
// "00_effects_white.tga": the effects modulate a texture by a colour, so
// their materials need one, and a flat white one shows the colour as it is.
// "00_gi_*.tga": the interface's bar with its two ends, the
// corner panels of the journal and the hint, the book and the lamp on them,
// the turn arrows, the screen's frame, the plaque of the mini-game buttons,
// the discs under the counters, the counters' digit strip, the glow of a
// button under the cursor and an empty picture; "00_interf.tga" and
// "00_interf2.tga", a slot of the bar, empty and with an item ready to use,
// and "00_inv_select.tga" and "00_inv_select2.tga", their glows.  Dark wood with brass edges,
// like the menus' brown and gold.  Uncompressed 32-bit TGA, rows from the
// bottom.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace
{
struct Colour
{
    double r, g, b, a;
};

const Colour kClear{0, 0, 0, 0};
const Colour kWood{0.24, 0.15, 0.09, 0.92};
const Colour kWoodLight{0.38, 0.25, 0.15, 0.95};
const Colour kBrass{0.80, 0.62, 0.30, 1.0};
const Colour kParchment{0.91, 0.85, 0.71, 1.0};
const Colour kInk{0.20, 0.12, 0.08, 1.0};

Colour mix(const Colour& x, const Colour& y, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

/// A picture drawn by a function of (u, v) in 0..1, v = 0 at the top.
bool writePicture(const std::string& path, int width, int height, const std::function<Colour(double, double)>& at)
{
    std::vector<uint8_t> bytes(18, 0);
    bytes[2] = 2; // uncompressed true colour
    bytes[12] = static_cast<uint8_t>(width & 0xFF);
    bytes[13] = static_cast<uint8_t>(width >> 8);
    bytes[14] = static_cast<uint8_t>(height & 0xFF);
    bytes[15] = static_cast<uint8_t>(height >> 8);
    bytes[16] = 32;
    bytes[17] = 8; // eight alpha bits, rows from the bottom
    auto byte = [](double v) { return static_cast<uint8_t>(255.0 * std::clamp(v, 0.0, 1.0) + 0.5); };
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x)
        {
            const Colour c = at((x + 0.5) / width, (y + 0.5) / height);
            bytes.push_back(byte(c.b));
            bytes.push_back(byte(c.g));
            bytes.push_back(byte(c.r));
            bytes.push_back(byte(c.a));
        }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
    {
        std::fprintf(stderr, "texgen: cannot write %s\n", path.c_str());
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

/// Wood grain along x.
Colour wood(double u, double v)
{
    const double grain = 0.5 + 0.5 * std::sin(v * 60.0 + std::sin(u * 9.0) * 2.5);
    return mix(kWood, kWoodLight, grain * 0.5);
}

/// 1 inside, 0 outside a rounded rectangle of the given margins (in u, v).
double inside(double u, double v, double mu, double mv, double aspect)
{
    const double du = std::max(mu - u, u - (1.0 - mu)) * aspect;
    const double dv = std::max(mv - v, v - (1.0 - mv));
    return std::clamp(-std::max(du, dv) * 60.0, 0.0, 1.0);
}

/// The bar: wood over the lower three quarters with a brass top edge; the
/// upper quarter stays clear so that the scene shows above it.
Colour bar(double u, double v)
{
    (void)u;
    if (v < 0.25)
        return kClear;
    if (v < 0.29)
        return kBrass;
    return wood(u, v);
}

/// An end of the bar, rounded towards the outside (left when mirrored is
/// false).
Colour barEnd(double u, double v, bool mirrored)
{
    const double x = mirrored ? 1.0 - u : u;
    if (v < 0.25)
        return kClear;
    const double dx = (1.0 - x) * 1.0, dy = (v - 0.25) / 0.75;
    // A quarter circle from the top edge out to the screen's edge.
    const double r = std::hypot(std::max(0.0, 0.6 - x) / 0.6, std::max(0.0, 0.45 - dy) / 0.45);
    (void)dx;
    if (r > 1.0)
        return kClear;
    if (r > 0.93 || v < 0.29)
        return kBrass;
    return wood(u, v);
}

/// A slot of the bar: a recessed square with a brass rim; a slot whose item
/// is ready to use glows warm inside.
Colour slot(double u, double v, bool ready)
{
    const double du = std::fabs(u - 0.5) * 2.0, dv = std::fabs(v - 0.62) / 0.3;
    const double d = std::max(du / 0.82, dv);
    if (d > 1.0)
        return kClear;
    if (d > 0.92)
        return kBrass;
    const Colour ground = mix(Colour{0.10, 0.06, 0.04, 0.9}, Colour{0.20, 0.13, 0.08, 0.9}, v);
    return ready ? mix(Colour{0.55, 0.38, 0.12, 0.95}, ground, d) : ground;
}

/// A corner panel: a wooden tablet with a brass rim in the lower part.
Colour corner(double u, double v)
{
    const double in = inside(u, v, 0.03, 0.30, 2.0);
    if (in <= 0.0)
        return kClear;
    const double rim = inside(u, v, 0.05, 0.34, 2.0);
    Colour c = rim > 0.5 ? wood(u, v) : kBrass;
    c.a *= in;
    return c;
}

/// A closed book: a brown cover with brass corners and a parchment edge.
Colour book(double u, double v)
{
    const double du = std::fabs(u - 0.5), dv = std::fabs(v - 0.62);
    if (du > 0.30 || dv > 0.30)
        return kClear;
    if (u > 0.74)
        return mix(kParchment, Colour{0.7, 0.64, 0.5, 1.0}, std::fmod(v * 40.0, 1.0));
    if (du > 0.25 && dv > 0.25)
        return kBrass;
    if (std::fabs(u - 0.42) < 0.015)
        return Colour{0.25, 0.10, 0.06, 1.0};
    return Colour{0.50, 0.16, 0.10, 1.0};
}

/// A lamp for the hint: a round glass with a warm light and a brass base.
Colour lamp(double u, double v)
{
    const double d = std::hypot(u - 0.5, v - 0.55);
    if (v > 0.78 && v < 0.86 && std::fabs(u - 0.5) < 0.16)
        return kBrass;
    if (d < 0.2)
        return mix(Colour{1.0, 0.95, 0.7, 1.0}, Colour{0.95, 0.6, 0.2, 1.0}, d / 0.2);
    if (d < 0.24)
        return kBrass;
    if (d < 0.34)
        return Colour{1.0, 0.8, 0.4, (0.34 - d) / 0.1 * 0.6};
    return kClear;
}

/// A soft disc of brass under a counter.
Colour disc(double u, double v)
{
    const double d = std::hypot(u - 0.5, v - 0.5) * 2.0;
    if (d > 1.0)
        return kClear;
    Colour c = d > 0.85 ? kBrass : mix(kParchment, Colour{0.75, 0.66, 0.5, 1.0}, d);
    c.a = std::min(1.0, (1.0 - d) * 20.0);
    return c;
}

/// A chevron pointing up, on a dark round-ended plate.
Colour arrow(double u, double v)
{
    const double x = std::fabs(u - 0.5) * 2.0; // 0 centre, 1 edge
    const double y = (v - 0.3) / 0.4;          // 0 tip, 1 end
    if (y < 0.0 || y > 1.0)
        return kClear;
    const double line = y - x;
    if (line > 0.0 && line < 0.35 && x < 0.85)
        return kBrass;
    if (line > -0.12 && line < 0.47 && x < 0.95)
        return Colour{0.1, 0.06, 0.04, 0.8};
    return kClear;
}

/// A piece of the screen's frame: dark wood with a brass line in its middle.
Colour frame(double u, double v)
{
    const double d = std::min(std::min(u, v), std::min(1.0 - u, 1.0 - v));
    if (d > 0.35 && d < 0.5)
        return kBrass;
    return wood(u, v);
}

/// A plaque for the mini-game's buttons.
Colour plaque(double u, double v)
{
    const double in = inside(u, v, 0.04, 0.12, 4.0);
    if (in <= 0.0)
        return kClear;
    const double rim = inside(u, v, 0.06, 0.2, 4.0);
    Colour c = rim > 0.5 ? mix(kParchment, Colour{0.78, 0.7, 0.54, 1.0}, v) : kBrass;
    c.a *= in;
    return c;
}

/// A warm glow, strongest in the middle.
Colour glow(double u, double v, double strength)
{
    const double d = std::hypot((u - 0.5) * 2.0, (v - 0.5) * 2.0);
    const double level = d >= 1.0 ? 0.0 : std::pow(1.0 - d, 1.5);
    return Colour{1.0, 0.85, 0.5, level * strength};
}

// Digits 0 to 9 as 5 x 7 dots.
const char* const kDigits[10][7] = {
    {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {".###.", "#...#", "....#", "..##.", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}};

/// The counters' strip: 32 cells from the top, each holding one digit.  A
/// counter scrolls the strip so that the cell of its value shows; cell c
/// and cell 31 - c hold the same digit, so the strip reads the same from
/// either end.
Colour digits(double u, double v)
{
    const int cell = std::min(31, static_cast<int>(v * 32.0));
    const int value = (cell < 16 ? cell : 31 - cell) % 10;
    const double cu = u, cv = v * 32.0 - cell;
    const int col = static_cast<int>((cu - 0.2) / 0.6 * 5.0), row = static_cast<int>((cv - 0.1) / 0.8 * 7.0);
    if (cu < 0.2 || cu >= 0.8 || cv < 0.1 || cv >= 0.9 || col < 0 || col > 4 || row < 0 || row > 6)
        return kClear;
    return kDigits[value][row][col] == '#' ? kInk : kClear;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: texgen <folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bool ok = writePicture(folder + "00_effects_white.tga", 8, 8, [](double, double) { return Colour{1, 1, 1, 1}; });
    ok = writePicture(folder + "00_gi_empty.tga", 8, 8, [](double, double) { return kClear; }) && ok;
    ok = writePicture(folder + "00_gi_bar.tga", 256, 128, bar) && ok;
    ok = writePicture(folder + "00_gi_bar_left.tga", 128, 128, [](double u, double v) { return barEnd(u, v, false); }) && ok;
    ok = writePicture(folder + "00_gi_bar_right.tga", 128, 128, [](double u, double v) { return barEnd(u, v, true); }) && ok;
    ok = writePicture(folder + "00_interf.tga", 96, 128, [](double u, double v) { return slot(u, v, false); }) && ok;
    ok = writePicture(folder + "00_interf2.tga", 96, 128, [](double u, double v) { return slot(u, v, true); }) && ok;
    ok = writePicture(folder + "00_inv_select.tga", 96, 128, [](double u, double v) { return glow(u, v, 0.7); }) && ok;
    ok = writePicture(folder + "00_inv_select2.tga", 96, 128, [](double u, double v) { return glow(u, v, 1.0); }) && ok;
    ok = writePicture(folder + "00_gi_corner.tga", 256, 128, corner) && ok;
    ok = writePicture(folder + "00_gi_book.tga", 128, 128, book) && ok;
    ok = writePicture(folder + "00_gi_lamp.tga", 128, 128, lamp) && ok;
    ok = writePicture(folder + "00_gi_disc.tga", 64, 64, disc) && ok;
    ok = writePicture(folder + "00_gi_arrow.tga", 64, 128, arrow) && ok;
    ok = writePicture(folder + "00_gi_frame.tga", 32, 32, frame) && ok;
    ok = writePicture(folder + "00_gi_plaque.tga", 256, 64, plaque) && ok;
    ok = writePicture(folder + "00_gi_glow.tga", 128, 128, [](double u, double v) { return glow(u, v, 1.0); }) && ok;
    ok = writePicture(folder + "00_gi_digits.tga", 32, 1024, digits) && ok;
    return ok ? 0 : 1;
}
