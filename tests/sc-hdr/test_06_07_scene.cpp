// The lava hall: the pillars' materials and base places taken at creation,
// the timeline of camera, spurts and rising pillars up to the answer, the
// eased rise clamped at the top with the lava slowed, and the clear code
// that silences the hall and stops what is still pending.
#include "06_07_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

class Scene0607 : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        spies({"01_cam_move", "00_game_interface", "00_movies", "00_sfx_env", "06_06_oblomki", "06_06_lava_msz"});
        for (const char* m : {"06_06_stolbik/06_06_Stolbik_00", "06_06_stolbik/06_06_Stolbik_01"})
            material(m);
        for (const char* m : {"06_lava_00", "06_lava_01"})
            material(m, 1, 2);
        pillar[0] = prop("06_06_Stolbik01", 3);
        pillar[1] = prop("06_06_Stolbik02", 3);
        pillar[0]->getNode()->setPosition(10, 20, -500);
        pillar[1]->getNode()->setPosition(-30, 40, -700);
        lava[0] = prop("06_06_Stolbik_lava01");
        lava[1] = prop("06_06_Stolbik_lava02");
        prop("06_06_az_Stolbik_lava01");
        prop("06_06_az_Stolbik_lava02");
        for (const char* p : kParticles)
            particles(p)->getEmitter(0)->setEnabled(false);
        hero = actor("01_hero_worker", {{"back_jump", 1.0f}});
        room = scene("06_07_scene");
        forgetTold();
    }

    /// Game time goes on by ms milliseconds, in steps of 100 ms at most.
    void pass(int ms)
    {
        for (; ms >= 100; ms -= 100)
            engine->frame(0.1f);
        if (ms > 0)
            engine->frame(ms / 1000.0f);
    }
    std::vector<bool> spurting() const
    {
        std::vector<bool> result;
        for (const char* p : kParticles)
            result.push_back(emitting(p));
        return result;
    }
    float pillarZ(int i) const { return pillar[i]->getNode()->getPosition().z; }
    static float lavaScroll(int i)
    {
        return unit(i == 0 ? "06_lava_00" : "06_lava_01", 0, 1)->getTextureVScroll();
    }

    static constexpr const char* kParticles[] = {"06_06_lava_particles_01", "06_06_lava_particles_02",
                                                 "06_06_lava_particles_03", "06_06_lava_particles_04"};
    CObject* pillar[2] = {};
    CObject* lava[2] = {};
    CAnimatableObject* hero = nullptr;
    CObject* room = nullptr;
};

TEST_F(Scene0607, CreateGivesThePillarsAndTheLavaTheirMaterials)
{
    EXPECT_EQ(subMaterial(pillar[0], 2), "06_06_stolbik/06_06_Stolbik_00");
    EXPECT_EQ(subMaterial(pillar[1], 2), "06_06_stolbik/06_06_Stolbik_01");
    EXPECT_EQ(subMaterial(pillar[0], 0), "BaseWhite");
    EXPECT_EQ(subMaterial(lava[0], 0), "06_lava_00");
    EXPECT_EQ(subMaterial(lava[1], 0), "06_lava_01");
}

TEST_F(Scene0607, TheTimelineRunsFromTheJumpToTheRisenPillarsAndTheAnswer)
{
    engine->notify(room, 100);
    engine->frames(2, 0.001f);
    EXPECT_EQ(told("00_sfx_env"), Told({"1004"}));
    EXPECT_EQ(told("00_movies"), Told({"6019"}));
    EXPECT_EQ(told("01_cam_move"), Told({"5601", "10607"}));
    EXPECT_EQ(told("06_06_oblomki"), Told({"100"}));
    EXPECT_TRUE(shown(hero));
    EXPECT_EQ(placed(hero), "(0, 0, 0) turned 0");
    EXPECT_EQ(points(hero), Told({"back_jump x1"}));

    pass(3900);
    EXPECT_EQ(told("01_cam_move"), Told());
    pass(200); // 4.1 s
    EXPECT_EQ(told("01_cam_move"), Told({"5601", "10608 from 06_07_scene"}));
    EXPECT_EQ(told("06_06_lava_msz"), Told({"100"}));
    EXPECT_EQ(told("06_06_oblomki"), Told({"200"}));
    EXPECT_FALSE(shown(hero));
    EXPECT_FALSE(hero->isRunning());
    // The pillars' tick runs, but neither rises yet.
    EXPECT_FLOAT_EQ(pillarZ(0), -500.0f);
    EXPECT_FLOAT_EQ(lavaScroll(0), 1.5f);
    EXPECT_FLOAT_EQ(lavaScroll(1), 1.5f);

    // The camera's echo is nothing the hall waits for.
    engine->notify(room, 10608, spy("01_cam_move"));
    pass(700); // 4.8 s
    EXPECT_EQ(spurting(), std::vector<bool>({true, false, true, false}));
    pass(400); // 5.2 s
    EXPECT_EQ(spurting(), std::vector<bool>({true, true, true, true}));

    pass(2400); // 7.6 s
    EXPECT_EQ(spurting(), std::vector<bool>({false, false, false, false}));
    EXPECT_GT(pillarZ(1), -700.0f);
    EXPECT_FLOAT_EQ(pillarZ(0), -500.0f);
    pass(600); // 8.2 s
    EXPECT_GT(pillarZ(0), -500.0f);
    EXPECT_LT(pillarZ(0), -500.0f + 2025.0f);
    EXPECT_LT(lavaScroll(0), 1.5f);
    EXPECT_GT(lavaScroll(0), 0.7f);
    EXPECT_EQ(told("00_game_interface"), Told());

    pass(5100); // 13.3 s
    EXPECT_EQ(told("00_game_interface"), Told({"100 from 06_07_scene"}));
    struct Up
    {
        int pillar;
        float x, y, z;
    };
    for (const Up& up : {Up{0, 10, 20, 1525}, Up{1, -30, 40, 1325}})
    {
        const Ogre::Vector3 p = pillar[up.pillar]->getNode()->getPosition();
        EXPECT_FLOAT_EQ(p.x, up.x);
        EXPECT_FLOAT_EQ(p.y, up.y);
        EXPECT_NEAR(p.z, up.z, 0.01f) << up.pillar;
        EXPECT_FLOAT_EQ(lavaScroll(up.pillar), 0.7f);
    }

    // The pillars stay up when the hall is started again.
    engine->notify(room, 100);
    pass(4200);
    EXPECT_NEAR(pillarZ(0), 1525.0f, 0.01f);
    EXPECT_FLOAT_EQ(lavaScroll(1), 0.7f);
}

TEST_F(Scene0607, ClearSilencesTheHallAndTheRestOfTheTimelineNeverComes)
{
    engine->notify(room, 100);
    pass(5200);
    forgetTold();

    engine->notify(room, 1100);
    engine->frames(2, 0.001f);
    EXPECT_EQ(told("01_cam_move"), Told({"5601"}));
    EXPECT_EQ(told("06_06_oblomki"), Told({"300"}));
    EXPECT_EQ(spurting(), std::vector<bool>({false, false, false, false}));
    EXPECT_FALSE(shown(hero));

    pass(9000);
    EXPECT_EQ(told("00_game_interface"), Told());
    EXPECT_FLOAT_EQ(pillarZ(0), -500.0f);
    EXPECT_FLOAT_EQ(pillarZ(1), -700.0f);

    // Cleared and started again, over and over, the hall still has room for
    // its timers and answers every run.
    for (int run = 0; run < 4; ++run)
    {
        engine->notify(room, 100);
        pass(1000);
        engine->notify(room, 1100);
        engine->frames(2, 0.001f);
    }
    engine->notify(room, 100);
    pass(13500);
    EXPECT_EQ(told("00_game_interface"), Told({"100 from 06_07_scene"}));
    EXPECT_EQ(engine->log().find("NO ROOM FOR TIMER"), std::string::npos);
}
} // namespace
