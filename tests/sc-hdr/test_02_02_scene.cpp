// The smoker cut scene on the headless engine: the break-in, the counted
// 100s from the villain's way-point, the dialog's echo, the photograph's
// animation and the end timer, the glow and smoke timetables, and the
// growing burnt and burning spots with the photograph's smoke.
#include "02_02_scene.h"
#include "SceneFixture.h"

#include <OgreAnimationState.h>
#include <OgreParticleEmitter.h>

namespace
{
using tq::Names;
using tq::Told;

class Scene0202 : public tq::SceneFixture
{
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface", "00_movies", "00_sfx_env", "01_01_scene_ds",
               "02_02_az_door2_anim", "00_sigara_glow"});
        villain = actor("04_villain", {"04_villain_rot_04"}, {"02_01", "02_02", "02_03"});
        villain->getNode()->setPosition(5, 5, 5);
        cigarette = actor("00_sigara", {"00_sigara_bone_02"}, {"02_01", "02_03"});
        photo = rig("02_foto_prof", {"00_fono_prof_bone_01"});
        skeleton("02_02_foto_prof_anim01.skeleton", {"00_fono_prof_bone_01"}, {"anim01"});
        skeleton("02_02_foto_prof_anim02.skeleton", {"00_fono_prof_bone_01"}, {"anim02"});
        door = rig("02_door1_anim");
        skeleton("02_door1_anim_break.skeleton", {}, {"break"});
        material("orig_00_fono_prof_burning", 1, 2);
        material("orig_00_fono_prof_fire", 2, 3);
        sigaraSmoke = particles("02_sigara_smoke");
        villainSmoke = particles("02_rot_smoke");
        photoSmoke = particles("02_foto_smoke", {"Ring", "Point"});
        sigaraSmoke->getEmitter(0)->setEnabled(true);
        door1 = prop("02_01_door1");
        wall = prop("02_02_stena");
        room = prop("02_01_room_part", "", {}, engine.addObject("02_01_room.scene")->getNode());
        scene = prop("02_02_scene", "02_02_scene.sc");
        engine.frame();
        forgetTold();
    }

    sc_02_02_scene* script() { return tq::HeadlessEngine::scriptOf<sc_02_02_scene>(scene); }
    /// The code, and the frames in which the scene's answers arrive.
    void send(int code, CObject* from = nullptr)
    {
        engine.notify(scene, code, from);
        engine.frames(2);
    }
    static bool emitting(Ogre::ParticleSystem* p) { return p->getEmitter(0)->getEnabled(); }

    CAnimatableObject* villain = nullptr;
    CAnimatableObject* cigarette = nullptr;
    CObject* photo = nullptr;
    CObject* door = nullptr;
    Ogre::ParticleSystem* sigaraSmoke = nullptr;
    Ogre::ParticleSystem* villainSmoke = nullptr;
    Ogre::ParticleSystem* photoSmoke = nullptr;
    CObject* door1 = nullptr;
    CObject* wall = nullptr;
    CObject* room = nullptr;
    CObject* scene = nullptr;
};

TEST_F(Scene0202, CreationHidesTheCastAndHangsTheSmokesOnTheirBones)
{
    EXPECT_TRUE(villain->getNode()->getPosition().positionEquals(vec3::ZERO));
    for (const char* name : {"04_villain", "00_sigara", "02_foto_prof"})
        EXPECT_FALSE(shown(name)) << name;
    EXPECT_EQ(hangsOn("02_sigara_smoke"), "00_sigara_bone_02");
    EXPECT_EQ(hangsOn("02_rot_smoke"), "04_villain_rot_04");
    EXPECT_EQ(hangsOn("02_foto_smoke"), "00_fono_prof_bone_01");
    for (Ogre::ParticleSystem* p : {sigaraSmoke, villainSmoke, photoSmoke})
        EXPECT_FALSE(emitting(p)) << p->getName();
    EXPECT_EQ(script()->step, 0);
}

TEST_F(Scene0202, TheVillainBreaksIn)
{
    send(100, spy("00_game_interface"));
    EXPECT_EQ(told("00_sfx_env"), (Told{"1004"}));
    EXPECT_EQ(told("01_01_scene_ds"), (Told{"10148"}));
    EXPECT_EQ(told("02_02_az_door2_anim"), (Told{"200"}));
    EXPECT_EQ(told("01_cam_move"), (Told{"5211"}));
    EXPECT_EQ(told("00_movies"), (Told{"2028"}));
    EXPECT_TRUE(shown("04_villain"));
    EXPECT_FALSE(visible(door1));
    EXPECT_TRUE(visible(wall));
    EXPECT_EQ(gApp.mSceneMgr->getEntity("02_01_room_part")->getVisibilityFlags() & 2u, 2u);
    EXPECT_EQ(points(villain), (Names{"02_01 1 -> 100@02_02_scene", "02_02 1000"}));
    EXPECT_TRUE(villain->isRunning());
    EXPECT_TRUE(shown("00_sigara"));
    EXPECT_EQ(points(cigarette), (Names{"02_01 1000"}));
    EXPECT_TRUE(visible(door));
    ASSERT_NE(door->mAnimState, nullptr);
    EXPECT_EQ(door->mAnimState->getAnimationName(), "break");
    EXPECT_EQ(scene->mTimers.live, 3);
}

TEST_F(Scene0202, TheGlowAndSmokeFollowTheirTimetable)
{
    send(100);
    engine.frame(6.25f); // 6238 ms: the villain breathes out
    EXPECT_TRUE(emitting(villainSmoke));
    EXPECT_TRUE(script()->villainSmoking);
    EXPECT_TRUE(told("00_sigara_glow").empty());
    engine.frame(0.07f); // 6311 ms: the glow goes out, the tip smokes
    EXPECT_TRUE(emitting(sigaraSmoke));
    EXPECT_FALSE(script()->cigaretteLit);
    engine.frame(0.9f); // 7190 ms
    EXPECT_EQ(told("00_sigara_glow"), (Told{"0"}));
    EXPECT_FALSE(emitting(villainSmoke));
    EXPECT_EQ(scene->mTimers.live, 0);
    EXPECT_EQ(script()->glowTimer1, -1);
}

TEST_F(Scene0202, TheDialogThePhotographAndTheFireLeadToTheEnd)
{
    send(100);
    send(100, villain); // the way-point "02_01"
    EXPECT_EQ(told("02_dialogs"), (Told{"2051 from 02_02_scene"}));
    EXPECT_EQ(told("01_cam_move"), (Told{"5211", "5212"}));

    // The dialog's echo comes back as the scene's own 100.  The first
    // timetable's pending timers give way to the second's.
    send(2051, spy("02_dialogs"));
    EXPECT_EQ(script()->step, 3);
    engine.frame();
    EXPECT_EQ(told("01_cam_move"), (Told{"10201"}));
    EXPECT_EQ(told("00_movies"), (Told{"2028", "2029"}));
    EXPECT_EQ(scene->mTimers.live, 10);
    EXPECT_EQ(points(villain), (Names{"02_03 1000"}));
    EXPECT_EQ(points(cigarette), (Names{"02_03 1000"}));
    ASSERT_NE(script()->photoAnim, 0);
    EXPECT_FALSE(shown("02_foto_prof"));

    // The photograph's first animation lasts a second; its end is step 4.
    engine.frame(0.6f);
    engine.frame(0.6f);
    engine.frame();
    EXPECT_EQ(script()->step, 4);
    EXPECT_EQ(told("01_cam_move"), (Told{"5213"}));
    EXPECT_TRUE(shown("02_foto_prof"));
    EXPECT_EQ(photo->mAnimState->getAnimationName(), "anim02");
    EXPECT_TRUE(emitting(photoSmoke));
    EXPECT_FLOAT_EQ(script()->burnSize, 0.2f);

    // 389 ms later the flame starts and grows a step a tick.
    engine.frame(0.4f);
    EXPECT_EQ(materialOf("02_foto_prof", 0), "orig_00_fono_prof_fire");
    EXPECT_FLOAT_EQ(unit("orig_00_fono_prof_fire", 0, 2)->getTextureUScale(), 0.005f);
    engine.frame(0.1f);
    EXPECT_FLOAT_EQ(script()->fireSize, 0.005f + 0.0015f);

    // The end timer, 10 s after step 4, is step 5: the answer.
    EXPECT_TRUE(told("00_game_interface").empty());
    engine.frames(13, 1.0f);
    EXPECT_EQ(script()->step, 5);
    EXPECT_EQ(told("00_game_interface"), (Told{"100 from 02_02_scene"}));
    // The photograph burns from 13.3 s after step 3 on, and the ticks go on.
    EXPECT_EQ(script()->burnStartTimer, -1);
    EXPECT_GT(script()->burnSize, 0.2f);
    EXPECT_NE(script()->burnTickTimer, -1);
    EXPECT_NE(script()->fireTickTimer, -1);

    // Further 100s only count.
    send(100);
    EXPECT_EQ(script()->step, 6);
    EXPECT_TRUE(told("00_game_interface").empty());
}

TEST_F(Scene0202, TheSpotsAndTheSmokeGrowWithTheirSizes)
{
    script()->setBurningSpotSize(0.25f);
    for (const char* m : {"orig_00_fono_prof_burning", "orig_00_fono_prof_fire"})
    {
        EXPECT_FLOAT_EQ(unit(m, 0, 1)->getTextureUScale(), 0.25f) << m;
        EXPECT_FLOAT_EQ(unit(m, 0, 1)->getTextureVScale(), 0.25f) << m;
        EXPECT_FLOAT_EQ(unit(m, 0, 1)->getTextureVScroll(), 1.0f) << m;
        EXPECT_FLOAT_EQ(unit(m, 0, 1)->getTextureUScroll(), 0.0f) << m;
    }
    script()->setFireSpotSize(0.5f);
    EXPECT_FLOAT_EQ(unit("orig_00_fono_prof_fire", 0, 2)->getTextureUScale(), 0.5f);
    EXPECT_FLOAT_EQ(unit("orig_00_fono_prof_fire", 0, 2)->getTextureVScroll(), 0.5f);
    EXPECT_FLOAT_EQ(unit("orig_00_fono_prof_fire", 1, 1)->getTextureVScale(), 0.4f);
    EXPECT_FLOAT_EQ(unit("orig_00_fono_prof_fire", 1, 1)->getTextureVScroll(), 0.625f);
    Ogre::ParticleEmitter* ring = photoSmoke->getEmitter(0);
    EXPECT_EQ(ring->getParameter("width"), "3");
    EXPECT_EQ(ring->getParameter("height"), "3");
    EXPECT_EQ(ring->getParameter("depth"), "0");
    EXPECT_FLOAT_EQ(ring->getEmissionRate(), 49.0f);
    EXPECT_FLOAT_EQ(photoSmoke->getEmitter(1)->getEmissionRate(), 49.0f);
}

TEST_F(Scene0202, ATimerThatIsNoneOfTheScenesDoesNothing)
{
    send(100);
    forgetTold();
    const int live = scene->mTimers.live;
    script()->ON_TIME(99);
    engine.frame();
    EXPECT_EQ(scene->mTimers.live, live);
    EXPECT_TRUE(told("00_game_interface").empty());
    EXPECT_TRUE(told("00_sigara_glow").empty());
    EXPECT_FALSE(shown("02_foto_prof"));
    EXPECT_EQ(script()->step, 1);
}
} // namespace
