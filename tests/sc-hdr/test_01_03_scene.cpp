// The agents' arrival on the headless engine: the hero with the case, the
// jeep, the boss's cigarette end whose fall is the next cue, the agents'
// walks, the document in the boss's hand, the dialog, and the clear.
#include "01_03_scene.h"
#include "SceneFixture.h"

#include <OgreAnimationState.h>
#include <OgreParticleEmitter.h>

namespace
{
using tq::Names;
using tq::Told;

class Scene0103 : public tq::SceneFixture
{
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface", "00_movies", "00_sfx_env"});
        hero = actor("01_hero", {"01_hero_Bip01_R_Hand"}, {"static_case", "walk_case", "static_01"});
        boss = actor("05_agent_boss", {"05_agent_Bip01_R_Hand"},
                     {"okurok", "static_01", "walk", "show_card_01", "show_card_02"});
        girl = actor("11_agent_girl", {}, {"static_01", "walk"});
        man = actor("14_agent_man", {}, {"static", "walk"});
        end = rig("01_okurok_anim", {"01_okurok_anim_bone_02"});
        skeleton("01_okurok_anim_fall.skeleton", {"01_okurok_anim_bone_02"}, {"fall"});
        smoke = particles("01_okurok_smoke");
        doc = prop("01_agent_doc");
        case1 = prop("01_keis_anim");
        case2 = prop("01_keis_anim2");
    }

    /// The room with or without its jeep, and the scene.
    void load(bool withJeep = true)
    {
        if (withJeep)
        {
            jeep = rig("01_jeep");
            skeleton("01_jeep_move.skeleton", {}, {"move"});
        }
        scene = prop("01_03_scene", "01_03_scene.sc");
        engine.frame();
        forgetTold();
    }

    sc_01_03_scene* script() { return tq::HeadlessEngine::scriptOf<sc_01_03_scene>(scene); }
    /// The code, and the frames in which the scene's answers arrive.
    void send(int code)
    {
        engine.notify(scene, code);
        engine.frames(2);
    }
    bool smoking() { return smoke->getEmitter(0)->getEnabled(); }

    CAnimatableObject* hero = nullptr;
    CAnimatableObject* boss = nullptr;
    CAnimatableObject* girl = nullptr;
    CAnimatableObject* man = nullptr;
    CObject* end = nullptr;
    CObject* jeep = nullptr;
    Ogre::ParticleSystem* smoke = nullptr;
    CObject* doc = nullptr;
    CObject* case1 = nullptr;
    CObject* case2 = nullptr;
    CObject* scene = nullptr;
};

TEST_F(Scene0103, CreationHidesEverythingButTheHero)
{
    load();
    for (const char* name :
         {"01_agent_doc", "01_okurok_anim", "05_agent_boss", "11_agent_girl", "14_agent_man", "01_jeep",
          "01_keis_anim", "01_keis_anim2"})
        EXPECT_FALSE(shown(name)) << name;
    EXPECT_TRUE(shown("01_hero"));
}

TEST_F(Scene0103, TheHeroComesWithTheCaseAndTheJeepDrivesIn)
{
    load();
    send(100);
    EXPECT_EQ(told("00_movies"), (Told{"1020"}));
    EXPECT_EQ(told("00_sfx_env"), (Told{"5004"}));
    EXPECT_EQ(told("01_cam_move"), (Told{"10103 from 01_03_scene"}));
    EXPECT_EQ(hangsOn("01_keis_anim"), "01_hero_Bip01_R_Hand");
    EXPECT_TRUE(shown("01_keis_anim"));
    EXPECT_EQ(script()->caseInHand, 1);
    EXPECT_TRUE(shown("01_jeep"));
    EXPECT_EQ(points(hero), (Names{"static_case 1000", "walk_case -1 to (524.458,-335.741,0)", "static_case 1000"}));
    EXPECT_EQ(hero->getCurrentPoint(), 1);
    ASSERT_NE(jeep->mAnimState, nullptr);
    EXPECT_EQ(jeep->mAnimState->getAnimationName(), "move");
}

TEST_F(Scene0103, TheCigaretteEndsFallBringsTheAgentsAndTheDialogFollows)
{
    load();
    send(100);
    send(10103);
    EXPECT_EQ(told("01_cam_move"), (Told{"10103 from 01_03_scene", "5150"}));
    EXPECT_EQ(hangsOn("01_okurok_smoke"), "01_okurok_anim_bone_02");
    EXPECT_TRUE(smoking());
    EXPECT_TRUE(shown("05_agent_boss"));
    EXPECT_TRUE(shown("01_okurok_anim"));
    EXPECT_EQ(points(boss), (Names{"okurok 1000"}));
    ASSERT_NE(script()->fallAnim, 0);

    // The fall lasts a second.
    engine.frame(0.6f);
    EXPECT_TRUE(told("01_cam_move").empty());
    engine.frame(0.6f);
    EXPECT_EQ(told("01_cam_move"), (Told{"5160"}));
    EXPECT_TRUE(girl->getNode()->getPosition().positionEquals(vec3(1051, 92, 0)));
    EXPECT_TRUE(man->getNode()->getOrientation().equals(Ogre::Quaternion(Ogre::Degree(-160), Ogre::Vector3::UNIT_Z),
                                                       Ogre::Radian(1e-4f)));
    // The smoke stops 2.1 s after the cigarette end was shown.
    EXPECT_TRUE(smoking());
    engine.frame(1.0f);
    EXPECT_FALSE(smoking());
    EXPECT_EQ(points(girl), (Names{"static_01 1000", "walk -1 to (700,-272,0)", "static_01 1000"}));
    EXPECT_EQ(points(man), (Names{"static 1000", "walk -1 to (796,-375,0)", "static 1000"}));
    EXPECT_EQ(points(boss), (Names{"static_01 1000", "walk -1 to (651,-325,0) -> 201@01_03_scene",
                                   "show_card_01 1 -> 300@01_03_scene", "show_card_02 1000"}));
    EXPECT_EQ(points(hero), (Names{"static_01 1000"}));
    // The case in his hand is put away; the one on the ground appears.
    EXPECT_EQ(hangsOn("01_keis_anim"), "01_keis_anim");
    EXPECT_FALSE(shown("01_keis_anim"));
    EXPECT_TRUE(shown("01_keis_anim2"));
    EXPECT_EQ(script()->caseInHand, 0);

    send(201);
    EXPECT_EQ(told("01_cam_move"), (Told{"5163"}));
    EXPECT_EQ(hangsOn("01_agent_doc"), "05_agent_Bip01_R_Hand");
    EXPECT_TRUE(shown("01_agent_doc"));
    send(300);
    EXPECT_EQ(told("02_dialogs"), (Told{"1050 from 01_03_scene"}));
    send(302);
    EXPECT_EQ(hangsOn("01_agent_doc"), "01_agent_doc");
    EXPECT_FALSE(shown("01_agent_doc"));
    EXPECT_TRUE(told("00_game_interface").empty());
    send(1050);
    EXPECT_EQ(told("00_game_interface"), (Told{"100 from 01_03_scene"}));
}

TEST_F(Scene0103, ClearingHidesTheCastAndPutsTheCaseAway)
{
    load();
    send(100);
    send(10103);
    send(1100);
    for (const char* name : {"01_agent_doc", "01_okurok_anim", "05_agent_boss", "11_agent_girl", "14_agent_man",
                             "01_jeep", "01_keis_anim", "01_keis_anim2"})
        EXPECT_FALSE(shown(name)) << name;
    EXPECT_EQ(hangsOn("01_keis_anim"), "01_keis_anim");
    for (CAnimatableObject* a : {hero, boss, girl, man})
        EXPECT_TRUE(a->mPointList.empty());
    EXPECT_EQ(end->mAnimState, nullptr);
    EXPECT_NE(engine.log().find("\nstopping ani"), std::string::npos);
    EXPECT_EQ(told("02_dialogs"), (Told{"10000"}));
    // The fall was stopped: its end never comes.
    engine.frames(2, 0.6f);
    EXPECT_TRUE(points(girl).empty());
}

TEST_F(Scene0103, WithoutTheJeepTheSceneStillRuns)
{
    load(false);
    EXPECT_NE(engine.log().find("\nWARNING: Can't find object [01_jeep] by name!"), std::string::npos);
    send(100);
    EXPECT_EQ(told("01_cam_move"), (Told{"10103 from 01_03_scene"}));
    send(10103);
    engine.frames(2, 0.6f);
    EXPECT_EQ(told("01_cam_move"), (Told{"5150", "5160"}));
}
} // namespace
