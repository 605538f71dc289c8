// The crane cut scene on the headless engine: the start from the interface,
// the crane's answer that ends it, the timer that moves the hero on, and a
// clear before that timer.
#include "01_02_scene.h"
#include "SceneFixture.h"

namespace
{
using tq::Names;
using tq::Told;

class Scene0102 : public tq::SceneFixture
{
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface", "00_movies", "01_kran_02", "someone"});
        hero = actor("01_hero", {}, {"static_01", "static_kran"});
        scene = prop("01_02_scene", "01_02_scene.sc");
        engine.frame();
        forgetTold();
    }

    sc_01_02_scene* script() { return tq::HeadlessEngine::scriptOf<sc_01_02_scene>(scene); }
    /// The code, and the frames in which the scene's answers arrive.
    void send(int code, const char* from)
    {
        engine.notify(scene, code, from ? spy(from) : nullptr);
        engine.frames(2);
    }

    CAnimatableObject* hero = nullptr;
    CObject* scene = nullptr;
};

TEST_F(Scene0102, TheInterfaceStartsTheHeroAndTheCrane)
{
    send(100, "00_game_interface");
    EXPECT_EQ(told("00_movies"), (Told{"1005"}));
    EXPECT_EQ(told("01_cam_move"), (Told{"5141"}));
    EXPECT_EQ(told("01_kran_02"), (Told{"100 from 01_02_scene"}));
    EXPECT_TRUE(shown("01_hero"));
    EXPECT_TRUE(hero->getNode()->getPosition().positionEquals(vec3(-628.273f, 324.141f, 0.0f), 1e-3f));
    EXPECT_TRUE(hero->getNode()->getOrientation().equals(
        Ogre::Quaternion(Ogre::Degree(-131.104f), Ogre::Vector3::UNIT_Z), Ogre::Radian(1e-4f)));
    EXPECT_EQ(points(hero), (Names{"static_01 1000", "static_kran 1000"}));
    EXPECT_EQ(hero->getCurrentPoint(), 0);

    // 5146 ms later the hero takes his crane pose, crane or no crane.
    engine.frame(5.1f);
    EXPECT_TRUE(told("01_cam_move").empty());
    engine.frame(0.1f);
    EXPECT_EQ(told("01_cam_move"), (Told{"5142"}));
    EXPECT_EQ(hero->getCurrentPoint(), 1);
    EXPECT_TRUE(told("00_game_interface").empty());
}

TEST_F(Scene0102, OnlyTheCranesHundredEndsTheScene)
{
    struct Case
    {
        const char* from;
        Told movies;
        Told interface;
    } cases[] = {
        {nullptr, {}, {}},
        {"someone", {}, {}},
        {"01_kran_02", {}, {"100 from 01_02_scene"}},
        {"00_game_interface", {"1005"}, {}},
    };
    for (const Case& c : cases)
    {
        send(100, c.from);
        EXPECT_EQ(told("00_movies"), c.movies) << (c.from ? c.from : "none");
        EXPECT_EQ(told("00_game_interface"), c.interface) << (c.from ? c.from : "none");
    }
}

TEST_F(Scene0102, AClearBeforeTheTimerLeavesItsTickWithoutEffect)
{
    send(100, "00_game_interface");
    forgetTold();
    send(1100, "00_game_interface");
    EXPECT_EQ(told("01_cam_move"), (Told{"5103"}));
    EXPECT_EQ(told("01_kran_02"), (Told{"101 from 01_02_scene"}));
    EXPECT_FALSE(shown("01_hero"));
    EXPECT_TRUE(hero->mPointList.empty());
    EXPECT_EQ(script()->stepTimer, 0);

    EXPECT_EQ(scene->mTimers.live, 1);
    engine.frames(2, 3.0f);
    EXPECT_EQ(scene->mTimers.live, 0);
    EXPECT_TRUE(told("01_cam_move").empty());
}
} // namespace
