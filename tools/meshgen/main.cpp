// meshgen <folder>: writes the demo room's meshes, and the same shapes as the
// plain shapes "00_box.mesh", "00_floor.mesh", "00_column.mesh" and
// "00_ball.mesh" of the generated rooms, and the main menu's screen
// "00_menu_screen.mesh", into folder.
//
//   demo_box.mesh     a unit cube (half size 0.5) around the origin
//   demo_floor.mesh   a 10 x 10 floor in the XY plane facing +Z (Z-up world)
//   demo_column.mesh  an octagonal column, radius 0.3, height 3, base at 0
//   demo_ball.mesh    a sphere of radius 0.5
//   00_menu_screen.mesh  a 1 x 1 picture in the XZ plane facing -Y, upright
//                     in the Z-up world (texture top at +Z): the menu's
//                     background and the stage behind its characters
//
// Each mesh names its material ("demo/box", ...), which the room's material
// script defines.  No render system is needed: the geometry is built with a
// ManualObject in system memory and serialised.
#include <OgreDefaultHardwareBufferManager.h>
#include <OgreLogManager.h>
#include <OgreManualObject.h>
#include <OgreMaterialManager.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgreMeshSerializer.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace
{
typedef std::function<void(Ogre::ManualObject*)> Builder;

void quad(Ogre::ManualObject* m, const Ogre::Vector3& a, const Ogre::Vector3& b, const Ogre::Vector3& c,
          const Ogre::Vector3& d, const Ogre::Vector3& normal)
{
    const Ogre::uint32 base = static_cast<Ogre::uint32>(m->getCurrentVertexCount());
    const Ogre::Vector3 corners[4] = {a, b, c, d};
    const Ogre::Vector2 uv[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    for (int i = 0; i < 4; ++i)
    {
        m->position(corners[i]);
        m->normal(normal);
        m->textureCoord(uv[i]);
    }
    m->triangle(base, base + 1, base + 2);
    m->triangle(base, base + 2, base + 3);
}

void buildBox(Ogre::ManualObject* m)
{
    const Ogre::Vector3 normals[6] = {Ogre::Vector3::UNIT_X, Ogre::Vector3::NEGATIVE_UNIT_X, Ogre::Vector3::UNIT_Y,
                                      Ogre::Vector3::NEGATIVE_UNIT_Y, Ogre::Vector3::UNIT_Z,
                                      Ogre::Vector3::NEGATIVE_UNIT_Z};
    for (const Ogre::Vector3& n : normals)
    {
        const Ogre::Vector3 u = n.perpendicular();
        const Ogre::Vector3 v = n.crossProduct(u);
        quad(m, (n - u - v) * 0.5f, (n + u - v) * 0.5f, (n + u + v) * 0.5f, (n - u + v) * 0.5f, n);
    }
}

void buildFloor(Ogre::ManualObject* m)
{
    quad(m, {-5, -5, 0}, {5, -5, 0}, {5, 5, 0}, {-5, 5, 0}, Ogre::Vector3::UNIT_Z);
}

void buildColumn(Ogre::ManualObject* m)
{
    const int sides = 8;
    const float radius = 0.3f, height = 3.0f;
    for (int i = 0; i < sides; ++i)
    {
        const float a0 = Ogre::Math::TWO_PI * i / sides, a1 = Ogre::Math::TWO_PI * (i + 1) / sides;
        const Ogre::Vector3 p0(std::cos(a0) * radius, std::sin(a0) * radius, 0);
        const Ogre::Vector3 p1(std::cos(a1) * radius, std::sin(a1) * radius, 0);
        const float mid = (a0 + a1) * 0.5f;
        const Ogre::Vector3 normal(std::cos(mid), std::sin(mid), 0);
        const Ogre::Vector3 up(0, 0, height);
        quad(m, p0, p1, p1 + up, p0 + up, normal);
        // The top cap, one triangle per side.
        const Ogre::uint32 base = static_cast<Ogre::uint32>(m->getCurrentVertexCount());
        for (const Ogre::Vector3& p : {Ogre::Vector3(up), p0 + up, p1 + up})
        {
            m->position(p);
            m->normal(Ogre::Vector3::UNIT_Z);
            m->textureCoord(0.5f, 0.5f);
        }
        m->triangle(base, base + 1, base + 2);
    }
}

// A box's faces carry their pictures turned by a quarter, as a cube may;
// a picture that must stand upright before a camera gets a face of its own.
void buildScreen(Ogre::ManualObject* m)
{
    quad(m, {-0.5f, 0, -0.5f}, {0.5f, 0, -0.5f}, {0.5f, 0, 0.5f}, {-0.5f, 0, 0.5f}, Ogre::Vector3::NEGATIVE_UNIT_Y);
}

void buildBall(Ogre::ManualObject* m)
{
    const int rings = 12, segments = 16;
    const float radius = 0.5f;
    for (int r = 0; r <= rings; ++r)
    {
        const float phi = Ogre::Math::PI * r / rings;
        for (int s = 0; s <= segments; ++s)
        {
            const float theta = Ogre::Math::TWO_PI * s / segments;
            const Ogre::Vector3 n(std::sin(phi) * std::cos(theta), std::sin(phi) * std::sin(theta), std::cos(phi));
            m->position(n * radius);
            m->normal(n);
            m->textureCoord(static_cast<float>(s) / segments, static_cast<float>(r) / rings);
        }
    }
    for (int r = 0; r < rings; ++r)
        for (int s = 0; s < segments; ++s)
        {
            const Ogre::uint32 a = r * (segments + 1) + s, b = a + segments + 1;
            m->triangle(a, b, a + 1);
            m->triangle(a + 1, b, b + 1);
        }
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: meshgen <output folder>\n");
        return 2;
    }
    const std::string folder = argv[1];

    Ogre::LogManager* logs = new Ogre::LogManager();
    logs->createLog("meshgen.log", true, false, true);
    int result = 0;
    {
        Ogre::Root* root = new Ogre::Root("", "", "");
        Ogre::HardwareBufferManager* buffers = new Ogre::DefaultHardwareBufferManager();
        Ogre::MaterialManager::getSingleton().initialise();
        Ogre::SceneManager* scene = root->createSceneManager();

        struct Item
        {
            const char* file;
            const char* material;
            Builder build;
        };
        const Item items[] = {
            {"demo_box.mesh", "demo/box", buildBox},
            {"demo_floor.mesh", "demo/floor", buildFloor},
            {"demo_column.mesh", "demo/column", buildColumn},
            {"demo_ball.mesh", "demo/ball", buildBall},
            // The plain shapes of the generated rooms, whose entities name
            // their materials themselves.
            {"00_box.mesh", "BaseWhite", buildBox},
            {"00_floor.mesh", "BaseWhite", buildFloor},
            {"00_column.mesh", "BaseWhite", buildColumn},
            {"00_ball.mesh", "BaseWhite", buildBall},
            {"00_menu_screen.mesh", "00_menu_rtt", buildScreen},
        };
        Ogre::MeshSerializer serializer;
        try
        {
            for (const Item& item : items)
            {
                Ogre::ManualObject* manual = scene->createManualObject();
                manual->begin(item.material, Ogre::RenderOperation::OT_TRIANGLE_LIST);
                item.build(manual);
                manual->end();
                Ogre::MeshPtr mesh = manual->convertToMesh(item.file);
                serializer.exportMesh(mesh.get(), folder + "/" + item.file);
                scene->destroyManualObject(manual);
                mesh.reset();
                Ogre::MeshManager::getSingleton().remove(item.file);
            }
        }
        catch (const Ogre::Exception& e)
        {
            std::fprintf(stderr, "meshgen: %s\n", e.getFullDescription().c_str());
            result = 1;
        }
        root->destroySceneManager(scene);
        Ogre::MeshManager::getSingleton().removeAll();
        delete root;
        delete buffers;
    }
    delete logs;
    return result;
}
