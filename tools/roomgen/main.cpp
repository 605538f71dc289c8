// roomgen <output folder> <table>...: turns the room tables of data/rooms into
// the .scene files that the loader loads and the material script of their
// looks.
//
// A table is read line by line; '#' starts a comment.  Lines:
//
//   look <look> <mesh> <r,g,b> [lit|glow]      a look: a mesh and a colour
//   material <name>[{a-b}] <r,g,b>|rainbow [lit|glow|tint]
//                                              a plain material (a family
//                                              with {a-b}: two digits there;
//                                              tint: the figure's colours
//                                              times the colour, unlit)
//   start <file>                               the location's start scene:
//                                              it includes every file below
//   include <file>                             one more file it includes
//   ambient <r,g,b>  background <r,g,b>        the start scene's environment
//   file <file> [<group>]                      following objects go into a
//                                              group node named like the file
//                                              (or <group>: a group that two
//                                              locations name alike)
//   item <id> <object> [<pictures>]            an inventory item whose picture
//                                              the object gives: the picture's
//                                              render textures (2 unless given:
//                                              an item built in stages has one
//                                              a stage), the object's materials
//                                              and the interface's material,
//                                              which shows the last picture
//   text <id> <words...>                       a string-table entry; in
//                                              double quotes its spaces are
//                                              kept as written
//   texts <a>-<b> <words with %d>              a range of entries
//   <name>[{a-b}] <script|-> <look|-> <x,y,z> [key=value...]
//                                              one object (a family with
//                                              {a-b}: two digits there, or
//                                              the name's %d)
//
// Keys of an object line that the generator reads itself (all others become
// the node's parameters):
//   s=<k> or s=<x,y,z>   scale               r=<z> or r=<x,y,z>  angles (deg)
//   at=<x,y,z>           turn the node so that its -Z axis looks there (a
//                        camera place)
//   d=<x,y,z>            step between the members of a family (and "{nn}"
//                        in any value of a family is the member's number)
//   type=anim|hero       an animated object or the hero
//   mat=<material>       the entity's material instead of the look's
//   camera=<name>        an OGRE camera on the node
//   rtt=items            the camera renders the pictures of the table's items
//   rtt=<texture>        the camera renders into that one render texture
//                        (a screen in the room that a script shows)
//   light=<r,g,b>        a point light on the node, named like the node
//   anim=<skel>:<name>   an animation layer (several allowed)
//   anims=<a>,<b>...     the figure's animation layers 01_guy_<a>.skeleton:<a>
//   in=<node>            a child of that node of the same file
//   opens=<motion>       a prop that opens once on the code 100 and stays
//                        open: its layers on the rig's motions 00_rig_rest,
//                        00_rig_<motion>, 00_rig_<motion>_held and the
//                        simple animator's records (look "rig")
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{
struct Vec
{
    double x = 0, y = 0, z = 0;
};

struct Look
{
    std::string mesh;
    Vec colour;
    std::string mode; // "", "lit", "glow"
};

struct Object
{
    std::string name;
    std::string script;
    std::string look;
    Vec pos;
    std::vector<std::pair<std::string, std::string>> keys; // in order
    std::vector<Object> children;
};

struct File
{
    std::string name;
    std::string group; ///< the group node's name: the file's, unless given
    std::vector<Object> objects;
    std::vector<std::pair<int, std::string>> texts;
};

struct Item
{
    int id = 0;
    std::string object;
    int pictures = 2; ///< render textures _00_rtt, _01_rtt, ...
};

struct Table
{
    std::string start;
    std::vector<std::string> includes;
    std::string ambient = "0.4,0.4,0.42";
    std::string background = "0.1,0.12,0.16";
    std::vector<File> files;
    std::vector<std::pair<std::string, std::string>> materials; // name, colour
    std::vector<Item> items;
};

/// The items of the table being written, for a camera with "rtt=items".
const std::vector<Item>* gItems = nullptr;

/// The names of an item's picture: its render texture (0 the black outline
/// of an item still to be found, 1 its own picture).
std::string itemTexture(int id, int which)
{
    char name[32];
    std::snprintf(name, sizeof name, "00_inv_%03d_%02d_rtt", id, which);
    return name;
}

std::map<std::string, Look> gLooks;
std::vector<std::string> gLookOrder;
int gErrors = 0;

void fail(const std::string& where, const std::string& what)
{
    std::fprintf(stderr, "roomgen: %s: %s\n", where.c_str(), what.c_str());
    ++gErrors;
}

bool parseVec(const std::string& text, Vec& v)
{
    double a[3] = {0, 0, 0};
    int n = std::sscanf(text.c_str(), "%lf,%lf,%lf", &a[0], &a[1], &a[2]);
    if (n == 1)
    {
        v.x = v.y = v.z = a[0];
        return true;
    }
    if (n != 3)
        return false;
    v.x = a[0];
    v.y = a[1];
    v.z = a[2];
    return true;
}

std::string num(double d)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4g", std::fabs(d) < 1e-9 ? 0.0 : d);
    return buf;
}

std::string xmlEscape(const std::string& s)
{
    std::string out;
    for (char c : s)
    {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

/// Splits "name{a-b}suffix" into a pattern with the number's place and the
/// range; false without a range.  Without a %d of its own the number is two
/// digits where the braces stood.
bool familyOf(const std::string& word, std::string& pattern, int& first, int& last)
{
    const size_t open = word.find('{');
    const size_t close = word.find('}');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return false;
    if (std::sscanf(word.c_str() + open, "{%d-%d}", &first, &last) != 2)
        return false;
    const std::string before = word.substr(0, open), after = word.substr(close + 1);
    pattern = before.find('%') == std::string::npos ? before + "%02d" + after : before + after;
    return true;
}

/// Member i of a family.
std::string member(const std::string& pattern, int i)
{
    char buf[256];
    std::snprintf(buf, sizeof buf, pattern.c_str(), i);
    return buf;
}

/// Every node name once over all tables: OGRE refuses a second node of a
/// name, and the loader would stop the whole location there.
void checkUnique(const std::vector<Object>& objects, std::set<std::string>& names, const std::string& where)
{
    for (const Object& o : objects)
    {
        if (!names.insert(o.name).second)
            fail(where, "node " + o.name + " named twice");
        checkUnique(o.children, names, where);
    }
}

/// The colour of member i of n around the colour wheel.
std::string rainbow(int i, int n)
{
    const double h = 6.0 * i / (n > 0 ? n : 1);
    const int sector = static_cast<int>(h) % 6;
    const double f = h - std::floor(h);
    double r = 0, g = 0, b = 0;
    switch (sector)
    {
    case 0: r = 1, g = f; break;
    case 1: r = 1 - f, g = 1; break;
    case 2: g = 1, b = f; break;
    case 3: g = 1 - f, b = 1; break;
    case 4: r = f, b = 1; break;
    default: r = 1, b = 1 - f; break;
    }
    return num(0.2 + 0.8 * r) + "," + num(0.2 + 0.8 * g) + "," + num(0.2 + 0.8 * b);
}

/// Quaternion (w, x, y, z) that turns the -Z axis from p towards t, with
/// +Y as close to the world's +Z as it goes.
void lookAt(const Vec& p, const Vec& t, double q[4])
{
    double fx = t.x - p.x, fy = t.y - p.y, fz = t.z - p.z;
    const double fl = std::sqrt(fx * fx + fy * fy + fz * fz);
    fx /= fl, fy /= fl, fz /= fl;
    const double zx = -fx, zy = -fy, zz = -fz;        // local Z
    double xx = -zy, xy = zx, xz = 0; // the world's up (0, 0, 1) x Z
    const double xl = std::sqrt(xx * xx + xy * xy + xz * xz);
    if (xl < 1e-6)
        xx = 1, xy = 0, xz = 0;
    else
        xx /= xl, xy /= xl, xz /= xl;
    const double yx = zy * xz - zz * xy, yy = zz * xx - zx * xz, yz = zx * xy - zy * xx; // Z x X
    // Rotation matrix with columns X, Y, Z.
    const double m00 = xx, m01 = yx, m02 = zx;
    const double m10 = xy, m11 = yy, m12 = zy;
    const double m20 = xz, m21 = yz, m22 = zz;
    const double trace = m00 + m11 + m22;
    if (trace > 0)
    {
        const double s = std::sqrt(trace + 1.0) * 2;
        q[0] = 0.25 * s;
        q[1] = (m21 - m12) / s;
        q[2] = (m02 - m20) / s;
        q[3] = (m10 - m01) / s;
    }
    else if (m00 > m11 && m00 > m22)
    {
        const double s = std::sqrt(1.0 + m00 - m11 - m22) * 2;
        q[0] = (m21 - m12) / s;
        q[1] = 0.25 * s;
        q[2] = (m01 + m10) / s;
        q[3] = (m02 + m20) / s;
    }
    else if (m11 > m22)
    {
        const double s = std::sqrt(1.0 + m11 - m00 - m22) * 2;
        q[0] = (m02 - m20) / s;
        q[1] = (m01 + m10) / s;
        q[2] = 0.25 * s;
        q[3] = (m12 + m21) / s;
    }
    else
    {
        const double s = std::sqrt(1.0 + m22 - m00 - m11) * 2;
        q[0] = (m10 - m01) / s;
        q[1] = (m02 + m20) / s;
        q[2] = (m12 + m21) / s;
        q[3] = 0.25 * s;
    }
}

std::string key(const Object& o, const std::string& k)
{
    for (const auto& kv : o.keys)
        if (kv.first == k)
            return kv.second;
    return std::string();
}

/// "opens=<motion>": a prop that rests, moves once when the code 100 comes
/// (answering it at the end) and stays moved.  Its three layers come from the
/// rig's motions 00_rig_rest, 00_rig_<motion> and 00_rig_<motion>_held
/// (data/rooms/motions.txt), and its records from the simple animator's keys.
void addOpening(Object& o, const std::string& motion)
{
    const std::string rig = "00_rig_" + motion;
    const std::pair<const char*, std::string> keys[] = {
        {"type", "anim"},
        {"anim", "00_rig_rest.skeleton:shut"},
        {"anim", rig + ".skeleton:open"},
        {"anim", rig + "_held.skeleton:opened"},
        {"anim_00_name", "shut"},
        {"anim_00_speed", "1000"},
        {"anim_01_name", "open"},
        {"anim_01_times", "1"},
        {"anim_01_notify", "100"},
        {"anim_01_speed", "1000"},
        {"anim_01_next_anim", "2"},
        {"anim_02_name", "opened"},
        {"anim_02_speed", "1000"},
    };
    for (const auto& kv : keys)
        o.keys.emplace_back(kv.first, kv.second);
}

bool isOwnKey(const std::string& k)
{
    static const std::set<std::string> own = {"s", "r", "at", "d", "type", "mat", "camera", "light", "anim", "anims",
                                              "in", "rtt"};
    return own.count(k) != 0;
}

void writeVec(std::ostream& out, const std::string& indent, const char* element, const Vec& v)
{
    out << indent << "<" << element << " x=\"" << num(v.x) << "\" y=\"" << num(v.y) << "\" z=\"" << num(v.z)
        << "\"/>\n";
}

void writeObject(std::ostream& out, const Object& o, const std::string& indent, const std::string& where)
{
    out << indent << "<node name=\"" << xmlEscape(o.name) << "\"";
    const std::string type = key(o, "type");
    if (type == "anim")
        out << " type=\"T_ANIM_OBJ\"";
    else if (type == "hero")
        out << " type=\"T_HERO_OBJ\"";
    if (o.script != "-")
        out << " script=\"" << o.script << ".sc\"";
    out << ">\n";
    const std::string in = indent + "    ";
    writeVec(out, in, "position", o.pos);
    const std::string at = key(o, "at"), r = key(o, "r"), s = key(o, "s");
    if (!at.empty())
    {
        Vec t;
        if (!parseVec(at, t))
            fail(where, o.name + ": bad at=" + at);
        double q[4];
        lookAt(o.pos, t, q);
        out << in << "<rotation qw=\"" << num(q[0]) << "\" qx=\"" << num(q[1]) << "\" qy=\"" << num(q[2])
            << "\" qz=\"" << num(q[3]) << "\"/>\n";
    }
    else if (!r.empty())
    {
        Vec a;
        if (r.find(',') == std::string::npos)
            a.z = std::atof(r.c_str());
        else if (!parseVec(r, a))
            fail(where, o.name + ": bad r=" + r);
        out << in << "<rotation anglex=\"" << num(a.x) << "\" angley=\"" << num(a.y) << "\" anglez=\"" << num(a.z)
            << "\"/>\n";
    }
    if (!s.empty())
    {
        Vec v;
        if (!parseVec(s, v))
            fail(where, o.name + ": bad s=" + s);
        writeVec(out, in, "scale", v);
    }
    if (o.look != "-")
    {
        auto look = gLooks.find(o.look);
        if (look == gLooks.end())
            fail(where, o.name + ": unknown look " + o.look);
        else
        {
            std::string material = key(o, "mat");
            if (material.empty())
                material = "00_look_" + o.look;
            out << in << "<entity name=\"" << xmlEscape(o.name) << "\" meshFile=\"" << look->second.mesh
                << "\" material=\"" << material << "\" selectable=\"true\"/>\n";
        }
    }
    const std::string camera = key(o, "camera");
    if (!camera.empty())
    {
        out << in << "<camera name=\"" << camera << "\" projectionType=\"perspective\" fov=\"45\" aspectRatio=\"1.3333\">"
            << "<clipping near=\"5\" far=\"20000\"/>";
        const std::string rtt = key(o, "rtt");
        if (rtt == "items" && gItems)
            for (const auto& item : *gItems)
                for (int which = 0; which < item.pictures; ++which)
                    out << "<rtt name=\"" << itemTexture(item.id, which)
                        << "\" x=\"128\" y=\"128\" visibleFlag=\"-1\"/>";
        else if (!rtt.empty() && rtt != "items")
            out << "<rtt name=\"" << xmlEscape(rtt) << "\" x=\"512\" y=\"512\" visibleFlag=\"-1\"/>";
        out << "</camera>\n";
    }
    const std::string light = key(o, "light");
    if (!light.empty())
    {
        Vec c;
        if (!parseVec(light, c))
            fail(where, o.name + ": bad light=" + light);
        out << in << "<light name=\"" << xmlEscape(o.name) << "\" type=\"point\">"
            << "<colourDiffuse r=\"" << num(c.x) << "\" g=\"" << num(c.y) << "\" b=\"" << num(c.z) << "\"/>"
            << "<lightAttenuation range=\"60\" constant=\"1\" linear=\"0.02\" quadratic=\"0\"/></light>\n";
    }
    bool params = false;
    for (const auto& kv : o.keys)
    {
        if (isOwnKey(kv.first))
            continue;
        if (!params)
            out << in << "<params>\n";
        params = true;
        out << in << "    <param name=\"" << xmlEscape(kv.first) << "\" value=\"" << xmlEscape(kv.second) << "\"/>\n";
    }
    if (params)
        out << in << "</params>\n";
    // "anims=a,b" is short for the figure's animations: anim=01_guy_a.skeleton:a ...
    std::vector<std::pair<std::string, std::string>> layers;
    for (const auto& kv : o.keys)
    {
        if (kv.first == "anim")
            layers.push_back(kv);
        else if (kv.first == "anims")
        {
            std::stringstream list(kv.second);
            std::string name;
            while (std::getline(list, name, ','))
                layers.emplace_back("anim", "01_guy_" + name + ".skeleton:" + name);
        }
    }
    bool anims = false;
    for (const auto& kv : layers)
    {
        const size_t colon = kv.second.find(':');
        if (colon == std::string::npos)
        {
            fail(where, o.name + ": bad anim=" + kv.second);
            continue;
        }
        if (!anims)
            out << in << "<animations>\n";
        anims = true;
        // A walk carries the figure at a walker's pace (centimetres a second),
        // steps down at a slower one and a run at a runner's: a way-point
        // played with a motion of no pace never arrives, and the scene that
        // waits for the arrival stalls.
        // The mouth's "rot" animations play on the lip layer 1 over the body.
        // No cross-fade: a point that waits for its animation's end is told
        // at the end of its last loop.
        const std::string anim = kv.second.substr(colon + 1);
        const bool walk = anim.compare(0, 4, "walk") == 0;
        const bool steps = anim.compare(0, 8, "stupenki") == 0;
        const bool run = anim.compare(0, 3, "run") == 0;
        const bool lip = anim.compare(0, 3, "rot") == 0;
        const char* pace = walk  ? " move_speed=\"150\" rot_speed=\"2.5\""
                           : steps ? " move_speed=\"100\" rot_speed=\"2.5\""
                           : run   ? " move_speed=\"350\" rot_speed=\"4\""
                                 : "";
        out << in << "    <animation skeleton=\"" << kv.second.substr(0, colon) << "\" anim_name=\"" << anim << "\""
            << pace << " blend_percent=\"0\" layer=\""
            << (lip ? 1 : 0) << "\"/>\n";
    }
    if (anims)
        out << in << "</animations>\n";
    for (const Object& child : o.children)
        writeObject(out, child, in, where);
    out << indent << "</node>\n";
}

void writeTexts(std::ostream& out, const std::vector<std::pair<int, std::string>>& texts)
{
    if (texts.empty())
        return;
    out << "    <strings_table lang=\"en\">\n";
    for (const auto& t : texts)
    {
        // The string tables look ids up as five digits ("00109").
        char id[16];
        std::snprintf(id, sizeof id, "%05d", t.first);
        out << "        <str id=\"" << id << "\"><en data=\"" << xmlEscape(t.second) << "\"/></str>\n";
    }
    out << "    </strings_table>\n";
}

const char* const kHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<!-- Generated by tools/roomgen from the tables in data/rooms: edit those. -->\n"
                            "<scene formatVersion=\"0.2.0\">\n";

bool writeFile(const std::string& folder, const File& file, const std::string& where)
{
    std::ofstream out(folder + "/" + file.name);
    if (!out)
    {
        fail(where, "cannot write " + file.name);
        return false;
    }
    out << kHeader;
    writeTexts(out, file.texts);
    out << "    <nodes>\n";
    if (!file.objects.empty())
    {
        out << "        <node name=\"" << file.group << "\">\n";
        for (const Object& o : file.objects)
            writeObject(out, o, "            ", where);
        out << "        </node>\n";
    }
    out << "    </nodes>\n</scene>\n";
    return true;
}

void writeColourLine(std::ostream& out, const char* what, const std::string& colour)
{
    Vec c;
    parseVec(colour, c);
    out << "    <" << what << " r=\"" << num(c.x) << "\" g=\"" << num(c.y) << "\" b=\"" << num(c.z) << "\"/>\n";
}

bool writeStart(const std::string& folder, const Table& t)
{
    std::ofstream out(folder + "/" + t.start);
    if (!out)
        return false;
    out << kHeader << "    <includes>\n";
    for (const std::string& inc : t.includes)
        out << "        <include name=\"" << inc << "\"/>\n";
    for (const File& f : t.files)
        out << "        <include name=\"" << f.name << "\"/>\n";
    out << "    </includes>\n    <environment>\n";
    writeColourLine(out, "colourAmbient", t.ambient);
    writeColourLine(out, "colourBackground", t.background);
    out << "    </environment>\n</scene>\n";
    return true;
}

void writeMaterial(std::ostream& out, const std::string& name, const Vec& c, const std::string& mode)
{
    out << "material " << name << "\n{\n    technique\n    {\n        pass\n        {\n";
    if (mode == "tint")
        out << "            lighting off\n            colour_op_ex modulate src_manual src_diffuse " << num(c.x) << " "
            << num(c.y) << " " << num(c.z) << "\n";
    else if (mode == "glow")
        out << "            lighting off\n            colour_op_ex source1 src_manual src_current " << num(c.x) << " "
            << num(c.y) << " " << num(c.z) << "\n";
    else
        out << "            ambient " << num(c.x) << " " << num(c.y) << " " << num(c.z) << "\n"
            << "            diffuse " << num(c.x) << " " << num(c.y) << " " << num(c.z) << "\n"
            << "            emissive " << num(c.x * 0.25) << " " << num(c.y * 0.25) << " " << num(c.z * 0.25) << "\n";
    out << "        }\n    }\n}\n\n";
}

/// Reads one table; the object lines of a family are expanded here.
bool readTable(const std::string& path, Table& table)
{
    std::ifstream in(path);
    if (!in)
    {
        fail(path, "cannot read");
        return false;
    }
    std::string line;
    int lineNo = 0;
    File* file = nullptr;
    std::map<std::string, Object*> byName;
    while (std::getline(in, line))
    {
        ++lineNo;
        const std::string where = path + ":" + std::to_string(lineNo);
        const size_t hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        std::istringstream words(line);
        std::string first;
        if (!(words >> first))
            continue;
        if (first == "look")
        {
            std::string name, mesh, colour, mode;
            words >> name >> mesh >> colour >> mode;
            Look look;
            look.mesh = mesh;
            look.mode = mode;
            if (!parseVec(colour, look.colour))
                fail(where, "bad colour " + colour);
            if (!gLooks.count(name))
                gLookOrder.push_back(name);
            gLooks[name] = look;
        }
        else if (first == "material")
        {
            std::string name, colour, mode;
            words >> name >> colour >> mode;
            const std::string suffix = mode.empty() ? std::string() : ":" + mode;
            std::string pattern;
            int a = 0, b = 0;
            if (familyOf(name, pattern, a, b))
                for (int i = a; i <= b; ++i)
                    table.materials.emplace_back(member(pattern, i),
                                                 (colour == "rainbow" ? rainbow(i - a, b - a + 1) : colour) + suffix);
            else
                table.materials.emplace_back(name, colour + suffix);
        }
        else if (first == "item")
        {
            Item item;
            int pictures = 0;
            if (!(words >> item.id >> item.object))
                fail(where, "an item line needs an id and an object");
            else if (words >> pictures && (pictures < 2 || pictures > 99))
                fail(where, "an item has 2 to 99 pictures");
            else
            {
                if (pictures != 0)
                    item.pictures = pictures;
                table.items.push_back(item);
            }
        }
        else if (first == "start")
            words >> table.start;
        else if (first == "include")
        {
            std::string name;
            words >> name;
            table.includes.push_back(name);
        }
        else if (first == "ambient")
            words >> table.ambient;
        else if (first == "background")
            words >> table.background;
        else if (first == "file")
        {
            table.files.emplace_back();
            file = &table.files.back();
            words >> file->name >> file->group;
            if (file->group.empty())
                file->group = file->name;
            byName.clear();
        }
        else if (first == "text" || first == "texts")
        {
            if (!file)
            {
                fail(where, "text before any file");
                continue;
            }
            std::string range, rest, word;
            words >> range;
            while (words >> word)
                rest += (rest.empty() ? "" : " ") + word;
            const size_t open = line.find('"');
            const size_t close = line.rfind('"');
            if (open != std::string::npos && close > open)
                rest = line.substr(open + 1, close - open - 1);
            int a = 0, b = 0;
            if (first == "text")
                file->texts.emplace_back(std::atoi(range.c_str()), rest);
            else if (std::sscanf(range.c_str(), "%d-%d", &a, &b) == 2)
                for (int i = a; i <= b; ++i)
                    file->texts.emplace_back(i, member(rest, i));
            else
                fail(where, "bad range " + range);
        }
        else
        {
            if (!file)
            {
                fail(where, "object before any file");
                continue;
            }
            Object o;
            std::string place;
            words >> o.script >> o.look >> place;
            if (o.script.empty() || o.look.empty() || !parseVec(place, o.pos))
            {
                fail(where, "an object line needs name, script, look and x,y,z");
                continue;
            }
            std::string kv;
            while (words >> kv)
            {
                const size_t eq = kv.find('=');
                if (eq == std::string::npos)
                    fail(where, "not key=value: " + kv);
                else if (kv.compare(0, eq, "opens") == 0)
                    addOpening(o, kv.substr(eq + 1));
                else
                    o.keys.emplace_back(kv.substr(0, eq), kv.substr(eq + 1));
            }
            std::vector<Object> members;
            std::string pattern;
            int a = 0, b = 0;
            if (familyOf(first, pattern, a, b))
            {
                Vec step;
                const std::string d = key(o, "d");
                if (!d.empty() && !parseVec(d, step))
                    fail(where, "bad d=" + d);
                for (int i = a; i <= b; ++i)
                {
                    Object m = o;
                    m.name = member(pattern, i);
                    // "{nn}" in a value is the member's number in two digits.
                    char nn[16];
                    std::snprintf(nn, sizeof nn, "%02d", i);
                    for (auto& kv : m.keys)
                        for (size_t at = kv.second.find("{nn}"); at != std::string::npos; at = kv.second.find("{nn}"))
                            kv.second.replace(at, 4, nn);
                    m.pos.x += step.x * (i - a);
                    m.pos.y += step.y * (i - a);
                    m.pos.z += step.z * (i - a);
                    members.push_back(m);
                }
            }
            else
            {
                o.name = first;
                members.push_back(o);
            }
            const std::string parent = key(o, "in");
            for (Object& m : members)
            {
                if (!parent.empty())
                {
                    auto p = byName.find(parent);
                    if (p == byName.end())
                    {
                        fail(where, "no node " + parent + " above in this file");
                        continue;
                    }
                    p->second->children.push_back(m);
                }
                else
                    file->objects.push_back(m);
            }
            // Children of a node are looked up by name; pointers are taken
            // again after every push, which may move the vectors.
            byName.clear();
            std::function<void(std::vector<Object>&)> index = [&](std::vector<Object>& list) {
                for (Object& x : list)
                {
                    byName[x.name] = &x;
                    index(x.children);
                }
            };
            index(file->objects);
        }
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: roomgen <output folder> <table>...\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<Table> tables(static_cast<size_t>(argc - 2));
    for (int i = 2; i < argc; ++i)
        readTable(argv[i], tables[static_cast<size_t>(i - 2)]);
    if (gErrors)
        return 1;

    // A location loads its own table and the shared ones (those without a
    // start scene): node names must differ within that set.
    std::set<std::string> written, shared;
    for (size_t i = 0; i < tables.size(); ++i)
        if (tables[i].start.empty())
            for (const File& f : tables[i].files)
            {
                shared.insert(f.group);
                checkUnique(f.objects, shared, argv[i + 2]);
            }
    for (size_t i = 0; i < tables.size(); ++i)
    {
        if (tables[i].start.empty())
            continue;
        std::set<std::string> names = shared;
        for (const File& f : tables[i].files)
        {
            if (!names.insert(f.group).second)
                fail(argv[i + 2], "group " + f.group + " named twice");
            checkUnique(f.objects, names, argv[i + 2]);
        }
    }
    if (gErrors)
        return 1;
    for (size_t i = 0; i < tables.size(); ++i)
    {
        const Table& t = tables[i];
        const std::string where = argv[i + 2];
        gItems = &t.items;
        for (const File& f : t.files)
        {
            if (!written.insert(f.name).second)
                fail(where, "file " + f.name + " written twice");
            writeFile(folder, f, where);
        }
        if (!t.start.empty() && !writeStart(folder, t))
            fail(where, "cannot write " + t.start);
    }

    // One material script: every look, then every table's own materials.
    std::ofstream out(folder + "/00_rooms.material");
    out << "// Generated by tools/roomgen from the tables in data/rooms: edit those.\n\n";
    for (const std::string& name : gLookOrder)
        writeMaterial(out, "00_look_" + name, gLooks[name].colour, gLooks[name].mode);
    std::set<std::string> materials;
    for (const Table& t : tables)
        for (const auto& m : t.materials)
        {
            if (!materials.insert(m.first).second)
                continue;
            Vec c;
            const size_t colon = m.second.find(':');
            parseVec(m.second.substr(0, colon), c);
            writeMaterial(out, m.first, c, colon == std::string::npos ? "lit" : m.second.substr(colon + 1));
        }
    // The items' pictures: the object in its look's colour and as a black
    // outline, and the interface's material that shows the rendered picture.
    for (size_t i = 0; i < tables.size(); ++i)
        for (const auto& item : tables[i].items)
        {
            const Object* object = nullptr;
            for (const File& f : tables[i].files)
                for (const Object& o : f.objects)
                    if (o.name == item.object)
                        object = &o;
            if (!object || !gLooks.count(object->look))
            {
                fail(argv[i + 2], "item " + std::to_string(item.id) + ": no object " + item.object + " with a look");
                continue;
            }
            if (materials.insert(item.object).second)
            {
                writeMaterial(out, item.object, gLooks[object->look].colour, "lit");
                writeMaterial(out, item.object + "_black", Vec(), "glow");
            }
            char picture[48];
            std::snprintf(picture, sizeof picture, "00_ginterface/item/%03d", item.id);
            if (!materials.insert(picture).second)
                continue;
            out << "material " << picture << "\n{\n    technique\n    {\n        pass\n        {\n"
                << "            lighting off\n            depth_check off\n            scene_blend alpha_blend\n"
                << "            texture_unit\n            {\n                texture " << itemTexture(item.id, item.pictures - 1)
                << "\n                tex_address_mode clamp\n            }\n        }\n    }\n}\n\n";
        }
    return gErrors ? 1 : 0;
}
