// chargen: writes the sample character "01_guy" into a folder.
//
//   chargen <output folder> [<motions table>]
//
// Files: "01_guy.mesh" (boxes, each bound to one bone), "01_guy.skeleton"
// (the bind pose, no animations) and one linked skeleton per animation:
// "01_guy_idle.skeleton" (idle), "01_guy_walk.skeleton" (walk),
// "01_guy_dlg.skeleton" (dlg), "01_guy_rassugd.skeleton" (rassugd),
// "01_guy_lip.skeleton" (lip, moves only the mouth bone "rot") and
// "01_guy_stroll.skeleton" (stroll, walks out and back by its root).  Every linked
// skeleton repeats the same bones with the same handles, because OGRE applies
// a linked animation to the target skeleton by bone handle.
//
// The world is Z-up and the figure faces along +X; it is 180 units tall.
//
// With a motions table (data/rooms/motions.txt) it also writes the further
// animations that the locations' people play, each a copy of one of the
// motions above under the name the scripts ask for, and the camera rig with
// its camera animations (see writeTable).
#include <OgreAnimation.h>
#include <OgreAnimationTrack.h>
#include <OgreBone.h>
#include <OgreDefaultHardwareBufferManager.h>
#include <OgreKeyFrame.h>
#include <OgreLogManager.h>
#include <OgreManualObject.h>
#include <OgreMaterialManager.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgreMeshSerializer.h>
#include <OgreRoot.h>
#include <OgreSkeleton.h>
#include <OgreSkeletonManager.h>
#include <OgreSkeletonSerializer.h>
#include <OgreSubMesh.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace
{
using Ogre::Degree;
using Ogre::Quaternion;
using Ogre::Vector3;

const char* const kGroup = Ogre::RGN_DEFAULT;

struct BoneDef
{
    const char* name;
    int parent; ///< handle of the parent, -1 for the root
    Vector3 offset; ///< bind position relative to the parent
};

// Handles are the indices.  "rot" is the mouth: its name puts it into the
// lip bone group of an animated object.
const BoneDef kBones[] = {
    {"root", -1, Vector3(0, 0, 0)},
    {"spine", 0, Vector3(0, 0, 95)},
    {"head", 1, Vector3(0, 0, 60)},
    {"rot", 2, Vector3(6, 0, -5)},
    {"arm_l", 1, Vector3(0, 22, 55)},
    {"arm_r", 1, Vector3(0, -22, 55)},
    {"leg_l", 0, Vector3(0, 10, 95)},
    {"leg_r", 0, Vector3(0, -10, 95)},
};
const int kBoneCount = sizeof(kBones) / sizeof(kBones[0]);

struct Box
{
    int bone;
    Vector3 lo, hi; ///< corners in bind-pose world space
    Ogre::ColourValue colour;
};

const Box kBoxes[] = {
    {1, Vector3(-10, -18, 95), Vector3(10, 18, 150), Ogre::ColourValue(0.25f, 0.40f, 0.75f)},  // torso
    {2, Vector3(-10, -9, 155), Vector3(10, 9, 180), Ogre::ColourValue(0.90f, 0.75f, 0.60f)},   // head
    {2, Vector3(10, -2, 163), Vector3(16, 2, 168), Ogre::ColourValue(0.85f, 0.55f, 0.45f)},    // nose
    {3, Vector3(2, -6, 147), Vector3(12, 6, 155), Ogre::ColourValue(0.70f, 0.30f, 0.30f)},     // jaw
    {4, Vector3(-5, 18, 90), Vector3(5, 26, 150), Ogre::ColourValue(0.25f, 0.40f, 0.75f)},     // arm_l
    {5, Vector3(-5, -26, 90), Vector3(5, -18, 150), Ogre::ColourValue(0.25f, 0.40f, 0.75f)},   // arm_r
    {6, Vector3(-6, 3, 0), Vector3(6, 16, 95), Ogre::ColourValue(0.30f, 0.25f, 0.20f)},        // leg_l
    {7, Vector3(-6, -16, 0), Vector3(6, -3, 95), Ogre::ColourValue(0.30f, 0.25f, 0.20f)},      // leg_r
};

/// One key of a bone track: time, rotation axis and angle, translation.
struct Key
{
    float time;
    Vector3 axis;
    float degrees;
    Vector3 move;
};

struct Track
{
    const char* bone;
    std::vector<Key> keys;
};

struct AnimDef
{
    const char* file;
    const char* name;
    float length;
    std::vector<Track> tracks;
};

Ogre::SkeletonPtr makeSkeleton(const std::string& name)
{
    Ogre::SkeletonPtr skeleton = Ogre::SkeletonManager::getSingleton().create(name, kGroup, true);
    // A skeleton frees its bones and animations only when it is unloaded,
    // and only a loaded one is: marked loaded, the bones made here go with it.
    skeleton->load();
    for (int handle = 0; handle < kBoneCount; ++handle)
    {
        Ogre::Bone* bone = skeleton->createBone(kBones[handle].name, static_cast<unsigned short>(handle));
        if (kBones[handle].parent >= 0)
            skeleton->getBone(static_cast<unsigned short>(kBones[handle].parent))->addChild(bone);
        bone->setPosition(kBones[handle].offset);
    }
    skeleton->setBindingPose();
    return skeleton;
}

int boneHandle(const char* name)
{
    for (int handle = 0; handle < kBoneCount; ++handle)
        if (std::string(kBones[handle].name) == name)
            return handle;
    return -1;
}

void addAnimation(const Ogre::SkeletonPtr& skeleton, const AnimDef& def)
{
    Ogre::Animation* anim = skeleton->createAnimation(def.name, def.length);
    for (const Track& track : def.tracks)
    {
        const unsigned short handle = static_cast<unsigned short>(boneHandle(track.bone));
        Ogre::NodeAnimationTrack* nodeTrack = anim->createNodeTrack(handle, skeleton->getBone(handle));
        for (const Key& key : track.keys)
        {
            Ogre::TransformKeyFrame* frame = nodeTrack->createNodeKeyFrame(key.time);
            frame->setRotation(Quaternion(Degree(key.degrees), key.axis));
            frame->setTranslate(key.move);
        }
    }
}

Track swing(const char* bone, const Vector3& axis, float length, float a, float b)
{
    // a at the start and the end, b half-way: a seamless loop.
    return Track{bone,
                 {{0.0f, axis, a, Vector3::ZERO},
                  {length * 0.5f, axis, b, Vector3::ZERO},
                  {length, axis, a, Vector3::ZERO}}};
}

std::vector<AnimDef> animations()
{
    std::vector<AnimDef> defs;
    defs.push_back({"01_guy_idle.skeleton", "idle", 2.0f,
                    {swing("spine", Vector3::UNIT_X, 2.0f, -3.0f, 3.0f),
                     swing("arm_l", Vector3::UNIT_X, 2.0f, 2.0f, 5.0f),
                     swing("arm_r", Vector3::UNIT_X, 2.0f, -2.0f, -5.0f),
                     swing("head", Vector3::UNIT_Z, 2.0f, -5.0f, 5.0f)}});
    AnimDef walk{"01_guy_walk.skeleton", "walk", 1.0f,
                 {swing("leg_l", Vector3::UNIT_Y, 1.0f, 30.0f, -30.0f),
                  swing("leg_r", Vector3::UNIT_Y, 1.0f, -30.0f, 30.0f),
                  swing("arm_l", Vector3::UNIT_Y, 1.0f, -20.0f, 20.0f),
                  swing("arm_r", Vector3::UNIT_Y, 1.0f, 20.0f, -20.0f)}};
    walk.tracks.push_back(Track{"root",
                                {{0.0f, Vector3::UNIT_Z, 0.0f, Vector3(0, 0, 0)},
                                 {0.25f, Vector3::UNIT_Z, 0.0f, Vector3(0, 0, 3)},
                                 {0.5f, Vector3::UNIT_Z, 0.0f, Vector3(0, 0, 0)},
                                 {0.75f, Vector3::UNIT_Z, 0.0f, Vector3(0, 0, 3)},
                                 {1.0f, Vector3::UNIT_Z, 0.0f, Vector3(0, 0, 0)}}});
    defs.push_back(walk);
    defs.push_back({"01_guy_dlg.skeleton", "dlg", 2.0f,
                    {swing("arm_r", Vector3::UNIT_X, 2.0f, 0.0f, -50.0f),
                     swing("head", Vector3::UNIT_Y, 2.0f, 0.0f, 8.0f),
                     swing("spine", Vector3::UNIT_Y, 2.0f, 0.0f, 4.0f)}});
    defs.push_back({"01_guy_rassugd.skeleton", "rassugd", 3.0f,
                    {swing("head", Vector3::UNIT_Z, 3.0f, -30.0f, 30.0f),
                     swing("arm_l", Vector3::UNIT_X, 3.0f, 0.0f, 40.0f)}});
    defs.push_back({"01_guy_lip.skeleton", "lip", 0.4f, {swing("rot", Vector3::UNIT_Y, 0.4f, 0.0f, 25.0f)}});
    // A stroll that carries the figure itself: 250 units out along +X, a
    // half turn, back, and a half turn again, in 8 s.  Legs and arms swing
    // as in the walk; the root's keys put the figure back where it began,
    // so the stroll loops seamlessly.
    AnimDef stroll{"01_guy_stroll.skeleton", "stroll", 8.0f, {}};
    const std::pair<const char*, float> limbs[] = {{"leg_l", 30.0f}, {"leg_r", -30.0f}, {"arm_l", -20.0f},
                                                   {"arm_r", 20.0f}};
    for (const auto& limb : limbs)
    {
        Track track{limb.first, {}};
        for (int step = 0; step <= 16; ++step)
            track.keys.push_back({step * 0.5f, Vector3::UNIT_Y, step % 2 ? -limb.second : limb.second,
                                  Vector3::ZERO});
        stroll.tracks.push_back(track);
    }
    stroll.tracks.push_back(Track{"root",
                                  {{0.0f, Vector3::UNIT_Z, 0.0f, Vector3(0, 0, 0)},
                                   {3.5f, Vector3::UNIT_Z, 0.0f, Vector3(250, 0, 0)},
                                   {3.75f, Vector3::UNIT_Z, 90.0f, Vector3(250, 0, 0)},
                                   {4.0f, Vector3::UNIT_Z, 180.0f, Vector3(250, 0, 0)},
                                   {7.5f, Vector3::UNIT_Z, 180.0f, Vector3(0, 0, 0)},
                                   {7.75f, Vector3::UNIT_Z, 270.0f, Vector3(0, 0, 0)},
                                   {8.0f, Vector3::UNIT_Z, 360.0f, Vector3(0, 0, 0)}}});
    defs.push_back(stroll);
    return defs;
}

void addFace(Ogre::ManualObject& mo, const Vector3 corners[4], const Vector3& normal, const Ogre::ColourValue& colour)
{
    // Lighting stays off in the material: a fixed shade per face direction
    // keeps the boxes readable without lights in the room.
    const float shade = 0.65f + 0.35f * (0.5f * normal.z + 0.5f) - 0.1f * std::abs(normal.y);
    const Ogre::ColourValue c(colour.r * shade, colour.g * shade, colour.b * shade, 1.0f);
    for (int i = 0; i < 4; ++i)
    {
        mo.position(corners[i]);
        mo.normal(normal);
        mo.colour(c);
    }
}

Ogre::MeshPtr makeMesh(const Ogre::SkeletonPtr& skeleton)
{
    Ogre::ManualObject mo("01_guy_builder");
    mo.begin("BaseWhite", Ogre::RenderOperation::OT_TRIANGLE_LIST, kGroup);
    std::vector<int> vertexBone;
    Ogre::uint32 base = 0;
    for (const Box& box : kBoxes)
    {
        const Vector3& l = box.lo;
        const Vector3& h = box.hi;
        const Vector3 faces[6][4] = {
            {{h.x, l.y, l.z}, {h.x, h.y, l.z}, {h.x, h.y, h.z}, {h.x, l.y, h.z}}, // +X
            {{l.x, h.y, l.z}, {l.x, l.y, l.z}, {l.x, l.y, h.z}, {l.x, h.y, h.z}}, // -X
            {{h.x, h.y, l.z}, {l.x, h.y, l.z}, {l.x, h.y, h.z}, {h.x, h.y, h.z}}, // +Y
            {{l.x, l.y, l.z}, {h.x, l.y, l.z}, {h.x, l.y, h.z}, {l.x, l.y, h.z}}, // -Y
            {{l.x, l.y, h.z}, {h.x, l.y, h.z}, {h.x, h.y, h.z}, {l.x, h.y, h.z}}, // +Z
            {{l.x, h.y, l.z}, {h.x, h.y, l.z}, {h.x, l.y, l.z}, {l.x, l.y, l.z}}, // -Z
        };
        const Vector3 normals[6] = {Vector3::UNIT_X, Vector3::NEGATIVE_UNIT_X, Vector3::UNIT_Y,
                                    Vector3::NEGATIVE_UNIT_Y, Vector3::UNIT_Z, Vector3::NEGATIVE_UNIT_Z};
        for (int f = 0; f < 6; ++f)
        {
            addFace(mo, faces[f], normals[f], box.colour);
            mo.triangle(base, base + 1, base + 2);
            mo.triangle(base, base + 2, base + 3);
            for (int i = 0; i < 4; ++i)
                vertexBone.push_back(box.bone);
            base += 4;
        }
    }
    mo.end();
    Ogre::MeshPtr mesh = mo.convertToMesh("01_guy.mesh", kGroup);
    Ogre::SubMesh* sub = mesh->getSubMesh(0);
    // Skinning rewrites positions and normals into a buffer of their own
    // kind; colours that share their buffer would come out as garbage.
    // Positions and normals get a buffer of their own, the colours another.
    Ogre::VertexData* vertices = sub->vertexData;
    vertices->reorganiseBuffers(vertices->vertexDeclaration->getAutoOrganisedDeclaration(true, false, false));
    // The mesh file keeps only the name; the material itself is a script of
    // the game's media ("01_guy.material").
    if (!Ogre::MaterialManager::getSingleton().resourceExists("01_guy", kGroup))
        Ogre::MaterialManager::getSingleton().create("01_guy", kGroup);
    sub->setMaterialName("01_guy", kGroup);
    for (size_t v = 0; v < vertexBone.size(); ++v)
    {
        Ogre::VertexBoneAssignment assignment;
        assignment.vertexIndex = static_cast<unsigned int>(v);
        assignment.boneIndex = static_cast<unsigned short>(vertexBone[v]);
        assignment.weight = 1.0f;
        sub->addBoneAssignment(assignment);
    }
    Ogre::SkeletonPtr shared = skeleton;
    mesh->_notifySkeleton(shared);
    mesh->_compileBoneAssignments();
    // Animated limbs leave the bind-pose box; pad the bounds so that culling
    // and picking never lose a raised arm.
    Ogre::AxisAlignedBox bounds = mesh->getBounds();
    bounds.merge(bounds.getMinimum() - Vector3(30, 30, 10));
    bounds.merge(bounds.getMaximum() + Vector3(30, 30, 10));
    mesh->_setBounds(bounds, false);
    return mesh;
}

// The camera rig of the locations: "00_anim_cam.mesh" on the skeleton
// "00_anim_cam.skeleton", whose one bone "00_anim_cam_bone" carries the view
// (the camera mover hides its one small triangle, material "00_empty").
// Its camera animations "00_anim_cam_LL_NN.skeleton", each the animation "a",
// move the bone slowly forward and turn it a little, and end where the rig
// stands, so that the view is back at its camera place afterwards.
Ogre::SkeletonPtr makeRigSkeleton(const std::string& name)
{
    Ogre::SkeletonPtr skeleton = Ogre::SkeletonManager::getSingleton().create(name, kGroup, true);
    // Loaded first, so that its bone and animations are freed with it (see
    // makeSkeleton).
    skeleton->load();
    skeleton->createBone("00_anim_cam_bone", 0);
    skeleton->setBindingPose();
    return skeleton;
}

/// The rig's mesh: one small triangle (the camera rig, material "00_empty")
/// or a unit cube (the props' rig "00_rig_box.mesh", material "BaseWhite"
/// that the scene replaces), every vertex on the one bone.
Ogre::MeshPtr makeRigMesh(const Ogre::SkeletonPtr& skeleton, const std::string& name, bool box)
{
    Ogre::ManualObject mo(name + "_builder");
    mo.begin("BaseWhite", Ogre::RenderOperation::OT_TRIANGLE_LIST, kGroup);
    unsigned int count = 0;
    if (!box)
    {
        for (const Vector3& p : {Vector3(0, 0, 0), Vector3(1, 0, 0), Vector3(0, 1, 0)})
        {
            mo.position(p);
            mo.normal(Vector3::UNIT_Z);
        }
        mo.triangle(0, 1, 2);
        count = 3;
    }
    else
    {
        const Vector3 normals[6] = {Vector3::UNIT_X, Vector3::NEGATIVE_UNIT_X, Vector3::UNIT_Y,
                                    Vector3::NEGATIVE_UNIT_Y, Vector3::UNIT_Z, Vector3::NEGATIVE_UNIT_Z};
        for (const Vector3& n : normals)
        {
            const Vector3 u = n.perpendicular(), v = n.crossProduct(u);
            for (const Vector3& c : {n - u - v, n + u - v, n + u + v, n - u + v})
            {
                mo.position(c * 0.5f);
                mo.normal(n);
            }
            mo.triangle(count, count + 1, count + 2);
            mo.triangle(count, count + 2, count + 3);
            count += 4;
        }
    }
    mo.end();
    Ogre::MeshPtr mesh = mo.convertToMesh(name, kGroup);
    Ogre::SubMesh* sub = mesh->getSubMesh(0);
    const char* material = box ? "BaseWhite" : "00_empty";
    if (!Ogre::MaterialManager::getSingleton().resourceExists(material, kGroup))
        Ogre::MaterialManager::getSingleton().create(material, kGroup);
    sub->setMaterialName(material, kGroup);
    for (unsigned int v = 0; v < count; ++v)
    {
        Ogre::VertexBoneAssignment assignment;
        assignment.vertexIndex = v;
        assignment.boneIndex = 0;
        assignment.weight = 1.0f;
        sub->addBoneAssignment(assignment);
    }
    Ogre::SkeletonPtr shared = skeleton;
    mesh->_notifySkeleton(shared);
    mesh->_compileBoneAssignments();
    return mesh;
}

/// A prop's move: the bone goes from `from` to `by` over the length and
/// stays there (from == by holds a pose).
void addRigAnimation(const Ogre::SkeletonPtr& skeleton, const std::string& name, float length, const Vector3& from,
                     const Vector3& by)
{
    Ogre::Animation* anim = skeleton->createAnimation(name, length);
    Ogre::NodeAnimationTrack* track = anim->createNodeTrack(0, skeleton->getBone(0));
    track->createNodeKeyFrame(0.0f)->setTranslate(from);
    track->createNodeKeyFrame(length)->setTranslate(by);
}

void addCameraAnimation(const Ogre::SkeletonPtr& skeleton, float length)
{
    Ogre::Animation* anim = skeleton->createAnimation("a", length);
    Ogre::NodeAnimationTrack* track = anim->createNodeTrack(0, skeleton->getBone(0));
    const int steps = 8;
    for (int i = 0; i <= steps; ++i)
    {
        const float f = static_cast<float>(i) / steps;
        const float out = std::sin(f * Ogre::Math::PI); // 0 at both ends
        Ogre::TransformKeyFrame* frame = track->createNodeKeyFrame(length * f);
        frame->setTranslate(Vector3(0, 0, -120.0f * out));
        frame->setRotation(Quaternion(Degree(8.0f * out), Vector3::UNIT_Y));
    }
}

/// The motions table: "motion <name> <motion>" writes "01_guy_<name>.skeleton"
/// whose animation <name> moves as the animation <motion> of the figure;
/// "camera <LL_NN> <seconds>" writes a camera animation of the rig; "rig
/// <skeleton> <animation> <seconds> <x,y,z> [<from x,y,z>]" a prop's move on
/// the rig.
bool writeTable(const std::string& path, const std::string& out, Ogre::SkeletonSerializer& skeletons,
                Ogre::MeshSerializer& meshes)
{
    std::FILE* in = std::fopen(path.c_str(), "r");
    if (!in)
    {
        std::fprintf(stderr, "chargen: cannot read %s\n", path.c_str());
        return false;
    }
    const std::vector<AnimDef> motions = animations();
    Ogre::SkeletonPtr rig = makeRigSkeleton("00_anim_cam.skeleton");
    skeletons.exportSkeleton(rig.get(), out + "/00_anim_cam.skeleton");
    meshes.exportMesh(makeRigMesh(rig, "00_anim_cam.mesh", false).get(), out + "/00_anim_cam.mesh");
    meshes.exportMesh(makeRigMesh(rig, "00_rig_box.mesh", true).get(), out + "/00_rig_box.mesh");
    bool ok = true;
    char line[256];
    int lineNo = 0;
    while (std::fgets(line, sizeof line, in))
    {
        ++lineNo;
        char kind[64] = "", name[64] = "", value[64] = "", seconds[32] = "", by[64] = "", from[64] = "";
        if (line[0] == '#' ||
            std::sscanf(line, "%63s %63s %63s %31s %63s %63s", kind, name, value, seconds, by, from) < 1)
            continue;
        if (std::string(kind) == "rig")
        {
            Vector3 to = Vector3::ZERO, start = Vector3::ZERO;
            std::sscanf(by, "%f,%f,%f", &to.x, &to.y, &to.z);
            std::sscanf(from, "%f,%f,%f", &start.x, &start.y, &start.z);
            Ogre::SkeletonPtr linked = makeRigSkeleton(name);
            addRigAnimation(linked, value, static_cast<float>(std::atof(seconds)), start, to);
            skeletons.exportSkeleton(linked.get(), out + "/" + name);
            continue;
        }
        if (std::string(kind) == "camera")
        {
            const std::string file = std::string("00_anim_cam_") + name + ".skeleton";
            Ogre::SkeletonPtr linked = makeRigSkeleton(file);
            addCameraAnimation(linked, static_cast<float>(std::atof(value)));
            skeletons.exportSkeleton(linked.get(), out + "/" + file);
            continue;
        }
        // "figure <skeleton> <animation> <motion>": a motion of the figure
        // under a file name of its own (the menu's people).
        const bool figure = std::string(kind) == "figure";
        const std::string baseName = figure ? seconds : value;
        const AnimDef* base = nullptr;
        for (const AnimDef& def : motions)
            if (def.name == baseName)
                base = &def;
        if ((std::string(kind) != "motion" && !figure) || !base)
        {
            std::fprintf(stderr, "chargen: %s:%d: not a motion, figure or camera line\n", path.c_str(), lineNo);
            ok = false;
            continue;
        }
        const std::string file = figure ? std::string(name) : std::string("01_guy_") + name + ".skeleton";
        AnimDef def = *base;
        def.name = figure ? value : name;
        Ogre::SkeletonPtr linked = makeSkeleton(file);
        addAnimation(linked, def);
        skeletons.exportSkeleton(linked.get(), out + "/" + file);
    }
    std::fclose(in);
    return ok;
}

bool makeFolder(const std::string& folder)
{
    std::string path;
    for (size_t i = 0; i <= folder.size(); ++i)
    {
        if (i == folder.size() || folder[i] == '/')
        {
            if (!path.empty())
                mkdir(path.c_str(), 0755);
        }
        if (i < folder.size())
            path += folder[i];
    }
    struct stat info;
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3)
    {
        std::fprintf(stderr, "usage: chargen <output folder> [<motions table>]\n");
        return 2;
    }
    const std::string out = argv[1];
    if (!makeFolder(out))
    {
        std::fprintf(stderr, "chargen: cannot make folder %s\n", out.c_str());
        return 1;
    }

    Ogre::LogManager* logs = new Ogre::LogManager();
    logs->createLog("chargen.log", true, false, true);
    Ogre::Root* root = new Ogre::Root("", "", "");
    Ogre::DefaultHardwareBufferManager* buffers = new Ogre::DefaultHardwareBufferManager();
    Ogre::MaterialManager::getSingleton().initialise();
    int result = 0;
    try
    {
        Ogre::SkeletonSerializer skeletonWriter;
        Ogre::MeshSerializer meshWriter;

        Ogre::SkeletonPtr bindPose = makeSkeleton("01_guy.skeleton");
        skeletonWriter.exportSkeleton(bindPose.get(), out + "/01_guy.skeleton");
        for (const AnimDef& def : animations())
        {
            Ogre::SkeletonPtr linked = makeSkeleton(def.file);
            addAnimation(linked, def);
            skeletonWriter.exportSkeleton(linked.get(), out + "/" + def.file);
        }
        Ogre::MeshPtr mesh = makeMesh(bindPose);
        meshWriter.exportMesh(mesh.get(), out + "/01_guy.mesh");
        if (argc == 3 && !writeTable(argv[2], out, skeletonWriter, meshWriter))
            result = 1;
    }
    catch (const Ogre::Exception& e)
    {
        std::fprintf(stderr, "chargen: %s\n", e.getFullDescription().c_str());
        result = 1;
    }
    Ogre::MeshManager::getSingleton().removeAll();
    Ogre::SkeletonManager::getSingleton().removeAll();
    delete root;
    delete buffers;
    delete logs;
    return result;
}
