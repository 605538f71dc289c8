// The worker man of room 05_04: his tools on his bones and his idle loop,
// his going away for good with "bob_hide", and a later visit that keeps him
// hidden while his way-points still run.
#include "05_04_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

const Told kIdle = {"static_01 x1", "static_02 x1", "static_01 x1", "static_03 x1", "static_02 x1", "static_04 x1"};

class Scene0504 : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        man = actor("12_worker_man", {{"static_01", 0.1f}, {"static_02", 0.1f}, {"static_03", 0.1f},
                                      {"static_04", 0.1f}});
        gadget = prop("05_03_worker_man_hrenovina");
        screwdriver = prop("05_03_otvertka01");
        engine->clearLog();
    }

    /// How often a tool was hung on the man's bone.
    int attached(const char* bone) const { return boneAttempts(bone, "12_worker_man"); }

    CAnimatableObject* man = nullptr;
    CObject* gadget = nullptr;
    CObject* screwdriver = nullptr;
};

TEST_F(Scene0504, TheManHoldsHisToolsAndIdlesInALoop)
{
    scene("05_04_scene");
    EXPECT_EQ(attached("12_workman_Bip01_R_Thigh"), 1);
    EXPECT_EQ(attached("12_workman_Bip01_R_Hand"), 1);
    EXPECT_TRUE(shown(man));
    EXPECT_TRUE(shown(gadget));
    EXPECT_EQ(placed(man), "(6892, 258, 0) turned -113");
    EXPECT_EQ(points(man), kIdle);
    EXPECT_EQ(man->mLoop, 1);
    engine->frames(60); // longer than one round
    EXPECT_TRUE(man->isRunning());
}

TEST_F(Scene0504, TwoHundredSendsHimAwayForGoodAndHundredBringsOnlyHisLoopBack)
{
    CObject* room = scene("05_04_scene");
    engine->clearLog();
    engine->notify(room, 200);
    engine->frame();
    EXPECT_FALSE(shown(man));
    EXPECT_FALSE(shown(gadget));
    EXPECT_FALSE(shown(screwdriver));
    EXPECT_EQ(CVirtualScript::getVarI("bob_hide"), 1);
    EXPECT_EQ(attached("12_workman_Bip01_R_Thigh"), 1);
    EXPECT_EQ(attached("12_workman_Bip01_R_Hand"), 1);

    man->stop();
    engine->notify(room, 100);
    engine->frame();
    EXPECT_FALSE(shown(man));
    EXPECT_EQ(points(man), kIdle);
    EXPECT_TRUE(man->isRunning());
}

TEST_F(Scene0504, ALaterVisitKeepsHimHiddenButRunsHisWayPoints)
{
    CVirtualScript::setVarI("bob_hide", 1);
    scene("05_04_scene");
    EXPECT_FALSE(shown(man));
    EXPECT_FALSE(shown(gadget));
    EXPECT_FALSE(shown(screwdriver));
    EXPECT_EQ(attached("12_workman_Bip01_R_Thigh"), 0);
    EXPECT_EQ(points(man), kIdle);
    EXPECT_TRUE(man->isRunning());
}
} // namespace
