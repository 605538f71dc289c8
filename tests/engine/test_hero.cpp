// The hero on the headless engine with the generated character: walking a
// path at its speed, running, turning, arriving with its notification,
// settling onto the target, the animation slots and the sound listener.
#include "Character.h"
#include "HeadlessEngine.h"
#include "Hero.h"
#include "SfxCore.h"

#include <OgreAnimationState.h>

#include <gtest/gtest.h>

namespace
{
const float kDt = 0.125f;

class Hero : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string cfg = tq::characterResources(dir);
        ASSERT_FALSE(cfg.empty());
        engine.reset(new tq::HeadlessEngine(cfg));
        hero = tq::placeCharacter(new CHero(), "hero");
        hero->initSkeletons();
        recorder = engine->addRecorder("rec");
        engine->frame(kDt);
        tq::RecordingScript::calls().clear();
    }

    /// A walk along path as the script API orders one: walking animation,
    /// first segment, turn towards the first target.
    void walk(const std::vector<Ogre::Vector3>& path)
    {
        hero->mPath = path;
        hero->mPathIndex = 0;
        hero->mNotifyTarget = recorder->getHandle();
        hero->setAnimWeight(CHero::SLOT_WALK, 1.0f, true);
        hero->turnTo(path[1]);
    }

    Ogre::Vector3 position() const { return hero->getNode()->getPosition(); }

    int notifications() const
    {
        int count = 0;
        const std::string expected = "ON_NOTIFY(" + std::to_string(hero->getHandle()) + ",0)";
        for (const std::string& call : tq::RecordingScript::callsOf("rec"))
            count += call == expected;
        return count;
    }

    tq::TempDir dir;
    std::unique_ptr<tq::HeadlessEngine> engine;
    CHero* hero = nullptr;
    CObject* recorder = nullptr;
};

TEST_F(Hero, IsKindTwoTheListenerAndStandsIdle)
{
    EXPECT_EQ(handleKind(hero->getHandle()), OBJECT_KIND_HERO);
    EXPECT_EQ(CSfxCore::mListener, hero->getHandle());
    EXPECT_NE(engine->log().find("\nSFX_CORE: Listener " + std::to_string(hero->getHandle()) + " assigned"),
              std::string::npos);
    const char* const names[] = {"idle", "walk", "dlg", "dlg", "rassugd"};
    for (int slot = 0; slot < 5; ++slot)
    {
        ASSERT_NE(hero->mStates[slot], nullptr) << slot;
        EXPECT_EQ(hero->mStates[slot]->getAnimationName(), names[slot]);
    }
    EXPECT_EQ(hero->mStates[5], nullptr);
    EXPECT_EQ(hero->mStates[CHero::SLOT_IDLE]->getWeight(), 1.0f);
    EXPECT_TRUE(hero->mStates[CHero::SLOT_IDLE]->getEnabled());
    EXPECT_FALSE(hero->mStates[CHero::SLOT_WALK]->getEnabled());
    EXPECT_EQ(hero->findState("01_guy_walk.skeleton"), hero->mStates[CHero::SLOT_WALK]);
    EXPECT_EQ(hero->findState("01_guy_lip.skeleton"), nullptr);
}

TEST_F(Hero, WalksThePathAtItsSpeedTurningAtEachCorner)
{
    walk({Ogre::Vector3(0, 0, 0), Ogre::Vector3(200, 0, 0), Ogre::Vector3(200, 200, 0)});

    // The first segment follows the turn's progress (2.5 a second), which
    // the hero starts with, facing +X already.
    const float firstSteps[] = {0.0f, 130.0f * 0.3125f * kDt, 130.0f * 0.625f * kDt, 130.0f * 0.9375f * kDt,
                                130.0f * kDt};
    float x = 0.0f;
    for (float step : firstSteps)
    {
        engine->frame(kDt);
        x += step;
        EXPECT_NEAR(position().x, x, 1e-3f);
    }
    // Straight on at 130 a second until within 25 of the corner.
    while (hero->mPathIndex == 0)
    {
        const float before = position().x;
        engine->frame(kDt);
        if (hero->mPathIndex == 0)
        {
            EXPECT_NEAR(position().x - before, 130.0f * kDt, 1e-3f);
        }
    }
    EXPECT_GT(position().x, 175.0f);
    EXPECT_TRUE(hero->mTurning);

    // The second segment runs at full speed at once, and the turn towards
    // the next point (about a quarter), begun in the frame of arrival,
    // takes 0.4 s.
    const Ogre::Vector3 corner = position();
    const Ogre::Vector3 ahead = (Ogre::Vector3(200, 200, 0) - corner).normalisedCopy();
    engine->frame(kDt);
    EXPECT_NEAR(position().distance(corner), 130.0f * kDt, 1e-3f);
    engine->frame(kDt);
    EXPECT_TRUE(hero->mTurning);
    engine->frame(kDt);
    EXPECT_FALSE(hero->mTurning);
    const Ogre::Vector3 facing = hero->getNode()->getOrientation() * Ogre::Vector3::UNIT_X;
    EXPECT_NEAR(facing.dotProduct(ahead), 1.0f, 1e-4f);
}

TEST_F(Hero, ArrivesWithinTheRadiusAndSettlesOntoTheTarget)
{
    hero->mNotifyAtArrival = 1;
    walk({Ogre::Vector3(0, 0, 0), Ogre::Vector3(100, 0, 0)});
    int frames = 0;
    while (!hero->mPath.empty() && frames < 100)
    {
        engine->frame(kDt);
        ++frames;
    }
    ASSERT_TRUE(hero->mPath.empty());
    EXPECT_EQ(notifications(), 1);
    EXPECT_NE(engine->log().find("\nMSG!!!!!!"), std::string::npos);
    EXPECT_GT(Ogre::Vector3(100, 0, 0).distance(position()), 0.5f);
    EXPECT_TRUE(hero->mSettling);

    // Idle fades in at 0.5 a second; a quarter of its weight brings the
    // hero onto the target.
    engine->frames(5, kDt);
    EXPECT_FALSE(hero->mSettling);
    EXPECT_NEAR(position().distance(Ogre::Vector3(100, 0, 0)), 0.0f, 1e-3f);
    engine->frames(20, kDt);
    EXPECT_EQ(notifications(), 1);
}

TEST_F(Hero, WithoutNotifyAtArrivalTheNotificationWaitsForIdle)
{
    walk({Ogre::Vector3(0, 0, 0), Ogre::Vector3(100, 0, 0)});
    while (!hero->mPath.empty())
        engine->frame(kDt);
    EXPECT_EQ(notifications(), 0);
    // Idle fades in from 0 at 0.5 a second: full after 2 s.
    engine->frames(15, kDt);
    EXPECT_EQ(notifications(), 0);
    engine->frames(2, kDt);
    EXPECT_EQ(notifications(), 1);
    EXPECT_NE(engine->log().find("\n sending message"), std::string::npos);
    EXPECT_EQ(hero->mStates[CHero::SLOT_IDLE]->getWeight(), 1.0f);
    EXPECT_FALSE(hero->mStates[CHero::SLOT_WALK]->getEnabled());
}

TEST_F(Hero, RunningDoublesSpeedAndRadiusUnlessOverridden)
{
    struct Case
    {
        int run;
        int noRun;
        const char* walkSpeed; // option value, or null
        float step;            // per frame of 0.125 s
        bool arrivesFrom40;
    };
    const Case cases[] = {
        {0, 0, nullptr, 130.0f * kDt, false},
        {1, 0, nullptr, 260.0f * kDt, true},
        {1, 1, nullptr, 130.0f * kDt, false},
        {0, 0, "200", 200.0f * kDt, false},
        {1, 0, "200", 400.0f * kDt, true},
    };
    for (const Case& c : cases)
    {
        gApp.mAppState.mOptions.erase("walk_speed");
        if (c.walkSpeed)
            gApp.mAppState.mOptions["walk_speed"].value = c.walkSpeed;
        hero->getNode()->setPosition(Ogre::Vector3::ZERO);
        hero->mRun = static_cast<uint8_t>(c.run);
        hero->mNoRun = static_cast<uint8_t>(c.noRun);
        hero->mPath = {Ogre::Vector3::ZERO, Ogre::Vector3(1000, 0, 0)};
        hero->mPathIndex = 0;
        hero->mTurning = 0;
        hero->mTurnProgress = 1.0f;
        engine->frame(kDt);
        EXPECT_NEAR(position().x, c.step, 1e-3f) << c.run << c.noRun;

        hero->getNode()->setPosition(Ogre::Vector3(960, 0, 0));
        engine->frame(kDt);
        EXPECT_EQ(hero->mPath.empty(), c.arrivesFrom40) << c.run << c.noRun;
        hero->mPath.clear();
        hero->mSettling = 0;
    }
}

TEST_F(Hero, PathsWithoutANextPointCountAsArrived)
{
    hero->mNotifyAtArrival = 1;
    hero->mNotifyTarget = recorder->getHandle();
    hero->mPath = {Ogre::Vector3(30, 0, 0)};
    hero->mPathIndex = 0;
    engine->frame(kDt);
    EXPECT_TRUE(hero->mPath.empty());
    EXPECT_EQ(notifications(), 1);
    EXPECT_EQ(hero->mSettleEnd, Ogre::Vector3(30, 0, 0));

    hero->mPath = {Ogre::Vector3::ZERO, Ogre::Vector3(40, 0, 0)};
    hero->mPathIndex = 5;
    engine->frame(kDt);
    EXPECT_TRUE(hero->mPath.empty());
    EXPECT_EQ(notifications(), 2);
}

TEST_F(Hero, FinalOrientationIsTakenOnArrival)
{
    hero->mTakeFinalOrientation = 1;
    hero->mFinalOrientation = Ogre::Quaternion(Ogre::Degree(180), Ogre::Vector3::UNIT_Z);
    walk({Ogre::Vector3(0, 0, 0), Ogre::Vector3(60, 0, 0)});
    while (!hero->mPath.empty())
        engine->frame(kDt);
    engine->frames(4, kDt);
    const Ogre::Vector3 facing = hero->getNode()->getOrientation() * Ogre::Vector3::UNIT_X;
    EXPECT_NEAR(facing.x, -1.0f, 1e-4f);
}

TEST_F(Hero, TheTwoDialogSlotsShareOneStateWithoutCancellingIt)
{
    Ogre::AnimationState* dlg = hero->mStates[CHero::SLOT_DLG];
    ASSERT_EQ(dlg, hero->mStates[CHero::SLOT_DLG2]);
    hero->setAnimWeight(CHero::SLOT_DLG, 1.0f, true);
    EXPECT_EQ(dlg->getWeight(), 1.0f);
    EXPECT_TRUE(dlg->getEnabled());
    EXPECT_EQ(hero->mStates[CHero::SLOT_IDLE]->getWeight(), 0.0f);
    EXPECT_FALSE(hero->mStates[CHero::SLOT_IDLE]->getEnabled());

    // One frame moves the dialog by one frame, not two.
    const float before = dlg->getTimePosition();
    engine->frame(kDt);
    EXPECT_FLOAT_EQ(dlg->getTimePosition(), before + kDt);

    // A fade-in of idle scales the dialog down by its complement.
    hero->fadeIn(CHero::SLOT_IDLE, 2.0f);
    engine->frame(kDt);
    EXPECT_FLOAT_EQ(hero->mStates[CHero::SLOT_IDLE]->getWeight(), 0.25f);
    EXPECT_FLOAT_EQ(dlg->getWeight(), 0.75f);
}
} // namespace
