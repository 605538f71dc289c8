// Writes the pictures of the menus: the glows that the menu script puts
// behind the hovered item, "00_menu_button.tga" (a wide glow for texts),
// "00_menu_checkbox_light_fx.tga" (a round one for check boxes) and
// "00_menu_volume_control_fx.tga" (a wide, flat one for volume knobs), each
// a warm colour that fades to black towards the edges (the glow is added to
// what lies under it); and the check boxes "00_menu_checkbox_on.tga" and
// "00_menu_checkbox_off.tga", framed plates with a ball or an empty ring; the
// parchment of the menu panels "00_menu_panel.tga" and of the journal's
// pages "00_journal_page.tga" and of the title "00_title.tga", framed in
// brown and gold, the journal's tabs "00_journal_button.tga" and
// "00_journal_button_down.tga", the loading window's prompt
// "00_loading_button.tga", and the volume slider's groove "00_menu_slider_bar.tga" and brass knob
// "00_menu_slider_knob.tga", the stage "00_menu_stage.tga" that the
// main menu's characters stand before, the tutorial's pointer
// "00_tutorial_arrow.tga", and the journal's close button
// "00_journal_exit.tga" (a brass disc with a brown cross).  Every picture is drawn from a few shapes, so
// the menus look of one hand at any size they are stretched to.
// Uncompressed 32-bit TGA files, bottom-up.
//
//   menugen <folder>
#include <algorithm>
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

// A check box: a small sunken parchment plate in a brown frame with
// rounded corners, holding a ring; filled puts a red ball in the ring, for
// an option that is on.  Outside the rounded frame the picture is
// parchment: an opaque material shows it as the panel's own colour, a
// blending one leaves it out.  The options menu stretches the picture over
// a box half as wide again as it is high (64 by 42 pixels in a 1024 by 768
// window), so the plate takes the middle two thirds of the width and shows
// square there; a square box shows the middle part alone.
bool writeBall(const std::string& path, bool filled)
{
    const int size = 64;
    const double stretch = 64.0 / 42.0;
    std::vector<uint8_t> bytes = header(size, size);
    for (int y = 0; y < size; ++y)
    {
        for (int x = 0; x < size; ++x)
        {
            const double dx = ((x + 0.5) / size * 2.0 - 1.0) * stretch;
            const double dy = (y + 0.5) / size * 2.0 - 1.0; // rows go up
            const double d = std::sqrt(dx * dx + dy * dy);
            // Distance outside a square of half size 0.72 rounded by 0.2.
            const double qx = std::max(std::fabs(dx) - 0.72, 0.0), qy = std::max(std::fabs(dy) - 0.72, 0.0);
            const double corner = std::sqrt(qx * qx + qy * qy);
            const double frame = std::max(std::fabs(dx), std::fabs(dy));
            double r = 0.90, g = 0.84, b = 0.70, a = 1.0;
            if (corner > 0.2 || std::fabs(dx) > 1.0)
                a = 0.0;
            else if (corner > 0.08 || frame > 0.86)
                r = 0.36, g = 0.20, b = 0.14;
            else
            {
                // The plate is shaded as if sunk: darker at the top left.
                const double shade = 0.06 * (dy - dx);
                r = 0.86 - shade, g = 0.79 - shade, b = 0.64 - shade;
                if (d > 0.5 && d < 0.62)
                    r = 0.36, g = 0.20, b = 0.14;
                else if (filled && d < 0.42)
                {
                    const double light = std::hypot(dx + 0.15, dy - 0.15) / 0.6;
                    r = 0.78 - 0.4 * light, g = 0.20 - 0.1 * light, b = 0.12 - 0.06 * light;
                }
            }
            bytes.push_back(static_cast<uint8_t>(255.0 * std::max(0.0, b)));
            bytes.push_back(static_cast<uint8_t>(255.0 * std::max(0.0, g)));
            bytes.push_back(static_cast<uint8_t>(255.0 * std::max(0.0, r)));
            bytes.push_back(static_cast<uint8_t>(255.0 * a));
        }
    }
    return writeFile(path, bytes);
}
struct Colour
{
    double r, g, b, a;
};

Colour mix(const Colour& x, const Colour& y, double t)
{
    t = t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

void put(std::vector<uint8_t>& bytes, const Colour& c)
{
    auto byte = [](double v) { return static_cast<uint8_t>(255.0 * (v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v))); };
    bytes.push_back(byte(c.b));
    bytes.push_back(byte(c.g));
    bytes.push_back(byte(c.r));
    bytes.push_back(byte(c.a));
}

const Colour kParchment{0.91, 0.85, 0.71, 1.0};
const Colour kBrown{0.33, 0.19, 0.11, 1.0};
const Colour kGold{0.78, 0.60, 0.28, 1.0};

/// Parchment with soft fibres, darker towards its edges, inside a brown
/// frame with a gold line; ruled adds the faint lines of a notebook page,
/// ribbon a dark band over the lower quarter for a line of light text.
bool writeParchment(const std::string& path, int width, int height, bool ruled, bool ribbon = false)
{
    std::vector<uint8_t> bytes = header(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const int edge = std::min(std::min(x, y), std::min(width - 1 - x, height - 1 - y));
            const double u = (x + 0.5) / width, v = (y + 0.5) / height;
            const double fibre = 0.025 * std::sin(u * 57.0 + std::sin(v * 13.0) * 3.0) + 0.015 * std::sin(v * 91.0 + u * 7.0);
            const double vignette = 0.16 * std::pow(std::max(std::fabs(u - 0.5), std::fabs(v - 0.5)) * 2.0, 4.0);
            Colour c = kParchment;
            c.r += fibre - vignette;
            c.g += fibre - vignette;
            c.b += fibre * 0.8 - vignette * 1.2;
            if (ruled && edge > 14 && (height - 1 - y) % 16 == 0)
                c = mix(c, Colour{0.55, 0.62, 0.70, 1.0}, 0.35);
            const double fromTop = 1.0 - v; // rows go up
            if (ribbon && fromTop > 0.74 && fromTop < 0.985)
                c = mix(kBrown, Colour{0.45, 0.27, 0.15, 1.0}, 0.5 + fibre * 8.0);
            if (edge < 4)
                c = kBrown;
            else if (edge == 6 || edge == 7)
                c = kGold;
            put(bytes, c);
        }
    return writeFile(path, bytes);
}

/// A tab of the journal: a parchment tongue with a brown edge; the tab of
/// the page shown is pressed down, darker.
bool writeTab(const std::string& path, bool down)
{
    const int width = 128, height = 64;
    std::vector<uint8_t> bytes = header(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const double u = (x + 0.5) / width, v = (y + 0.5) / height;
            const double ends = std::min(u, 1.0 - u) * width / (height / 2.0);
            const double rounded = std::min(1.0, std::min(ends, std::min(v, 1.0 - v) * 2.0) * 4.0);
            const bool rim = std::min(std::min(x, y), std::min(width - 1 - x, height - 1 - y)) < 3;
            Colour c = rim ? kBrown : mix(kParchment, kGold, down ? 0.45 : 0.1 * v);
            c.a = rounded;
            put(bytes, c);
        }
    return writeFile(path, bytes);
}

/// The journal's close button: a brass disc with a brown cross, in the
/// middle of a clear square (the button's hit area is the square).
bool writeCloseButton(const std::string& path)
{
    const int size = 64;
    std::vector<uint8_t> bytes = header(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
        {
            const double u = (x + 0.5) / size - 0.5, v = (y + 0.5) / size - 0.5;
            const double r = std::sqrt(u * u + v * v);
            const double cross = std::min(std::fabs(u - v), std::fabs(u + v)) / std::sqrt(2.0);
            const bool inCross = cross < 0.035 && std::fabs(u) < 0.13 && std::fabs(v) < 0.13;
            Colour c = r > 0.25 ? kBrown : mix(Colour{1.0, 0.88, 0.55, 1.0}, kGold, r * 4.0);
            if (inCross)
                c = kBrown;
            c.a = std::max(0.0, std::min(1.0, (0.28 - r) * size));
            put(bytes, c);
        }
    return writeFile(path, bytes);
}

/// The loading window's prompt: a brass plaque with a "go on" arrow; the
/// loader pulses it through its grey level.
bool writePrompt(const std::string& path)
{
    const int width = 64, height = 32;
    std::vector<uint8_t> bytes = header(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const double u = (x + 0.5) / width, v = (y + 0.5) / height;
            const double ends = std::min(u, 1.0 - u) * width / (height / 2.0);
            const double rounded = std::min(1.0, std::min(ends, std::min(v, 1.0 - v) * 2.0) * 4.0);
            const double ax = (u - 0.42) / 0.2, ay = std::fabs(v - 0.5) / 0.3;
            const bool arrowhead = ax >= 0.0 && ax <= 1.0 && ay <= 1.0 - ax;
            Colour c = arrowhead ? kBrown : mix(Colour{1.0, 0.88, 0.55, 1.0}, kGold, std::fabs(v - 0.5) * 2.0);
            c.a = rounded;
            put(bytes, c);
        }
    return writeFile(path, bytes);
}

/// A dark rounded groove with a lighter middle line.
bool writeSliderBar(const std::string& path)
{
    const int width = 256, height = 32;
    std::vector<uint8_t> bytes = header(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const double dy = std::fabs((y + 0.5) / height * 2.0 - 1.0);
            const double ends = std::min(x + 0.5, width - x - 0.5) / (height / 2.0);
            const double inside = std::min(1.0 - dy, ends) * 4.0;
            Colour c = mix(kBrown, Colour{0.52, 0.36, 0.22, 1.0}, 1.0 - dy);
            if (dy < 0.12)
                c = kGold;
            c.a = inside < 0.0 ? 0.0 : (inside > 1.0 ? 1.0 : inside);
            put(bytes, c);
        }
    return writeFile(path, bytes);
}

/// A round brass knob lit from the upper left.
bool writeSliderKnob(const std::string& path)
{
    const int size = 32;
    std::vector<uint8_t> bytes = header(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
        {
            const double dx = (x + 0.5) / size * 2.0 - 1.0;
            const double dy = (y + 0.5) / size * 2.0 - 1.0; // rows go up
            const double d = std::sqrt(dx * dx + dy * dy);
            const double light = std::hypot(dx + 0.35, dy - 0.35);
            Colour c = mix(Colour{1.0, 0.90, 0.62, 1.0}, Colour{0.45, 0.30, 0.10, 1.0}, light / 1.3);
            if (d > 0.82)
                c = kBrown;
            c.a = d > 1.0 ? 0.0 : std::min(1.0, (1.0 - d) * 12.0);
            put(bytes, c);
        }
    return writeFile(path, bytes);
}
/// A theatre's curtain in deep red folds, lit from the front by a warm spot
/// that falls off into the dark at the edges; the floor below it is dark
/// wood.  The characters of the main menu take turns before it.
bool writeStage(const std::string& path)
{
    const int width = 256, height = 256;
    std::vector<uint8_t> bytes = header(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const double u = (x + 0.5) / width, v = 1.0 - (y + 0.5) / height; // v from the top
            const double fold = 0.5 + 0.5 * std::sin(u * 2.0 * 3.14159265 * 9.0 + std::sin(v * 3.0) * 0.6);
            const double spot = std::exp(-(std::pow((u - 0.5) / 0.34, 2.0) + std::pow((v - 0.55) / 0.5, 2.0)));
            Colour c = mix(Colour{0.20, 0.03, 0.04, 1.0}, Colour{0.62, 0.12, 0.10, 1.0}, 0.35 + 0.65 * fold);
            if (v > 0.86) // the pelmet along the top, with a gold fringe
                c = v > 0.89 ? mix(Colour{0.35, 0.05, 0.06, 1.0}, kBrown, 0.3) : kGold;
            const double light = 0.18 + 0.95 * spot;
            c.r *= light;
            c.g *= light;
            c.b *= light;
            put(bytes, c);
        }
    return writeFile(path, bytes);
}
/// The tutorial's pointer: a thick orange arrow with a brown edge on a
/// clear ground, from the upper right down to its tip at the lower left,
/// where the window's corner meets what it points at (the window's material
/// mirrors it for the other side).
bool writeArrow(const std::string& path)
{
    const int size = 128;
    std::vector<uint8_t> bytes = header(size, size);
    const double tipX = 0.14, tipY = 0.84, tailX = 0.70, tailY = 0.34; // v from the top
    const double lx = tailX - tipX, ly = tailY - tipY, length = std::hypot(lx, ly);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
        {
            const double u = (x + 0.5) / size, v = 1.0 - (y + 0.5) / size;
            // Along the arrow from its tip, and across it.
            const double along = ((u - tipX) * lx + (v - tipY) * ly) / length;
            const double across = std::fabs((u - tipX) * ly - (v - tipY) * lx) / length;
            const double head = 0.30;
            const double halfWidth = along < head ? along * 0.75 : 0.07;
            const double inside = along >= 0.0 && along <= length ? halfWidth - across : -1.0;
            Colour c = inside > 0.025 ? mix(Colour{1.0, 0.62, 0.20, 1.0}, Colour{0.85, 0.42, 0.12, 1.0}, along / length)
                                      : kBrown;
            c.a = inside < 0.0 ? 0.0 : std::min(1.0, inside * 200.0);
            put(bytes, c);
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
    ok = writeParchment(folder + "/00_menu_panel.tga", 256, 256, false) && ok;
    ok = writeParchment(folder + "/00_journal_page.tga", 256, 256, true) && ok;
    ok = writeParchment(folder + "/00_title.tga", 384, 256, false, true) && ok;
    ok = writePrompt(folder + "/00_loading_button.tga") && ok;
    ok = writeTab(folder + "/00_journal_button.tga", false) && ok;
    ok = writeTab(folder + "/00_journal_button_down.tga", true) && ok;
    ok = writeSliderBar(folder + "/00_menu_slider_bar.tga") && ok;
    ok = writeSliderKnob(folder + "/00_menu_slider_knob.tga") && ok;
    ok = writeStage(folder + "/00_menu_stage.tga") && ok;
    ok = writeArrow(folder + "/00_tutorial_arrow.tga") && ok;
    ok = writeCloseButton(folder + "/00_journal_exit.tga") && ok;
    return ok ? 0 : 1;
}
