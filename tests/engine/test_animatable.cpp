// Animated objects on the headless engine with the generated character:
// bone groups, layers cut to their group, cross-fades, the way-point
// notification sequence, leavePoint, lip movement and the error paths.
#include "AnimatableObject.h"
#include "Character.h"
#include "HeadlessEngine.h"
#include "SfxCore.h"

#include <OgreAnimation.h>
#include <OgreAnimationState.h>
#include <OgreBone.h>
#include <OgreSkeletonInstance.h>
#include <OgreSkeletonManager.h>
#include <OgreMesh.h>
#include <OgreSubMesh.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace
{
// A power of two: animation times add up without rounding.
const float kDt = 0.125f;

class Animatable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string cfg = tq::characterResources(dir);
        ASSERT_FALSE(cfg.empty());
        engine.reset(new tq::HeadlessEngine(cfg));
        guy = tq::placeCharacter(new CAnimatableObject(), "guy");
        guy->initBones();
        recorder = engine->addRecorder("rec");
        engine->frame(kDt); // the recorder's create message
        tq::RecordingScript::calls().clear();
    }

    /// Idle (2 s), dlg (2 s) and walk (1 s, 50 units/s) on the body, lip
    /// (0.4 s) on the mouth; idle's blend time is blendPercent of its length.
    void addLayers(float idleBlendPercent = 0.0f)
    {
        guy->addAnimation("idle", "01_guy_idle.skeleton", 0.0f, idleBlendPercent, 3.0f, 0);
        guy->addAnimation("dlg", "01_guy_dlg.skeleton", 0.0f, 0.0f, 3.0f, 0);
        guy->addAnimation("walk", "01_guy_walk.skeleton", 50.0f, 0.0f, 3.0f, 0);
        guy->addAnimation("lip", "01_guy_lip.skeleton", 0.0f, 0.0f, 3.0f, 1);
        ASSERT_EQ(guy->mLayers.size(), 4u);
    }

    float weight(const char* name) { return guy->getLayer(guy->findAnimation(name))->state->getWeight(); }
    bool active(const char* name) { return guy->getLayer(guy->findAnimation(name))->active != 0; }

    /// Runs frames and returns (frame, code) of every notification the
    /// recorder got, frames counted from 1; checks that the sender is guy.
    std::vector<std::pair<int, int>> runAndCollect(int frames)
    {
        std::vector<std::pair<int, int>> got;
        const std::string sender = "," + std::to_string(guy->getHandle()) + ")";
        for (int frame = 1; frame <= frames; ++frame)
        {
            tq::RecordingScript::calls().clear();
            engine->frame(kDt);
            for (const std::string& call : tq::RecordingScript::callsOf("rec"))
            {
                if (call.find(',') == std::string::npos)
                    continue;
                EXPECT_NE(call.find(sender), std::string::npos) << call;
                got.emplace_back(frame, std::stoi(call.substr(std::string("ON_NOTIFY(").size())));
            }
        }
        return got;
    }

    tq::TempDir dir;
    std::unique_ptr<tq::HeadlessEngine> engine;
    CAnimatableObject* guy = nullptr;
    CObject* recorder = nullptr;
};

TEST_F(Animatable, KindThreeAndMouthBonesInTheLipGroup)
{
    EXPECT_EQ(handleKind(guy->getHandle()), OBJECT_KIND_ANIMATED);
    ASSERT_EQ(guy->mBoneGroups.size(), 2u);
    EXPECT_EQ(guy->mBoneGroups[0].name, "Body");
    EXPECT_EQ(guy->mBoneGroups[1].name, "Lip");
    // "root" holds r, o, t but not "rot": it stays in the body.
    ASSERT_EQ(guy->mBoneGroups[1].bones.size(), 1u);
    EXPECT_EQ(guy->mBoneGroups[1].bones[0]->getName(), "rot");
    EXPECT_EQ(guy->mBoneGroups[0].bones.size(), guy->mSkeleton->getNumBones() - 1u);
    EXPECT_EQ(guy->mSkeleton->getBlendMode(), Ogre::ANIMBLEND_CUMULATIVE);
}

TEST_F(Animatable, LayersAreCutToTheirBoneGroupWithBlendTimeAtMostHalfTheLength)
{
    struct Case
    {
        const char* anim;
        const char* skeleton;
        float blendPercent;
        int layer;
        float blendTime;
        std::vector<unsigned short> tracks; // bone handles left
    };
    // Handle 3 is the mouth bone "rot"; the idle animation moves 0 to 7
    // except the mouth.
    const Case cases[] = {
        {"lip", "01_guy_lip.skeleton", 0.0f, 1, 0.0f, {3}},
        {"idle", "01_guy_idle.skeleton", 25.0f, 0, 0.5f, {1, 2, 4, 5}},
        {"dlg", "01_guy_dlg.skeleton", 80.0f, 1, 1.0f, {}},
        {"walk", "01_guy_walk.skeleton", 10.0f, 0, 0.1f, {0, 4, 5, 6, 7}},
    };
    for (const Case& c : cases)
    {
        guy->addAnimation(c.anim, c.skeleton, 0.0f, c.blendPercent, 3.0f, c.layer);
        const CAnimatableObject::AnimLayer* layer = guy->getLayer(guy->findAnimation(c.anim));
        ASSERT_NE(layer, nullptr) << c.anim;
        EXPECT_FLOAT_EQ(layer->blendTime, c.blendTime) << c.anim;
        EXPECT_EQ(layer->layerNumber, c.layer);
        EXPECT_EQ(layer->state->getWeight(), 0.0f);
        EXPECT_TRUE(layer->state->getEnabled());
        EXPECT_FALSE(layer->state->getLoop());

        Ogre::SkeletonPtr source = Ogre::SkeletonManager::getSingleton().getByName(c.skeleton);
        std::vector<unsigned short> left;
        for (const auto& track : source->getAnimation(0)->_getNodeTrackList())
            left.push_back(track.first);
        EXPECT_EQ(left, c.tracks) << c.anim;
    }
}

TEST_F(Animatable, DamagedLayersAreLoggedAndSkipped)
{
    struct Case
    {
        const char* anim;
        const char* skeleton;
        const char* logged;
    };
    const Case cases[] = {
        {"idle", "missing.skeleton", "\nERROR: Can't link skeleton 'missing.skeleton' to the object 'guy'"},
        {"jump", "01_guy_idle.skeleton",
         "\nERROR: Skeleton '01_guy_idle.skeleton' has no animation 'jump' for the object 'guy'; layer skipped"},
    };
    for (const Case& c : cases)
    {
        engine->clearLog();
        guy->addAnimation(c.anim, c.skeleton, 0.0f, 0.0f, 3.0f, 0);
        EXPECT_NE(engine->log().find(c.logged), std::string::npos) << engine->log();
        EXPECT_TRUE(guy->mLayers.empty());
    }
    // The object still takes good layers afterwards.
    guy->addAnimation("walk", "01_guy_walk.skeleton", 50.0f, 0.0f, 3.0f, 0);
    EXPECT_EQ(guy->mLayers.size(), 1u);

    engine->clearLog();
    EXPECT_EQ(guy->findAnimation("jump"), -1);
    EXPECT_EQ(engine->log(), "\nERROR: !!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!"
                             "\nERROR: Can't find animation 'jump' on the object 'guy'"
                             "\nERROR: !!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!");
}

TEST_F(Animatable, CrossFadeStartsBlendTimeBeforeTheEndAndNotifiesThen)
{
    addLayers(25.0f); // idle: 0.5 s of its 2 s
    guy->addPoint("idle", 1, recorder->getHandle(), 10);
    guy->addPoint("dlg", 1, recorder->getHandle(), 20);
    guy->start();
    EXPECT_EQ(weight("idle"), 1.0f);

    // Idle reaches 1.5 s in frame 12: the point ends and dlg fades in over
    // the rest of idle's loop.
    const std::vector<std::pair<int, int>> first = runAndCollect(11);
    EXPECT_TRUE(first.empty());
    const float expected[][2] = {{1.0f, 0.0f}, {0.75f, 0.25f}, {0.5f, 0.5f}, {0.25f, 0.75f}, {0.0f, 1.0f}};
    for (int i = 0; i < 5; ++i)
    {
        const std::vector<std::pair<int, int>> got = runAndCollect(1);
        if (i == 0)
            EXPECT_EQ(got, (std::vector<std::pair<int, int>>{{1, 10}}));
        else
            EXPECT_TRUE(got.empty());
        EXPECT_FLOAT_EQ(weight("idle"), expected[i][0]) << "frame " << 12 + i;
        EXPECT_FLOAT_EQ(weight("dlg"), expected[i][1]) << "frame " << 12 + i;
        EXPECT_EQ(guy->getCurrentPoint(), 1);
    }
    runAndCollect(1);
    EXPECT_FALSE(active("idle"));
    EXPECT_FLOAT_EQ(weight("dlg"), 1.0f);
}

TEST_F(Animatable, StandTalkAndMovePointsNotifyInOrderAtTheirFrames)
{
    addLayers();
    const OBJECT_HANDLE rec = recorder->getHandle();
    guy->addPoint("idle", 1, rec, 1);
    guy->addTalkPoint("dlg", 1, "lip", -1, rec, 2);
    guy->addMovePoint("walk", Ogre::Vector3(100, 0, 0), Ogre::Quaternion::IDENTITY, 1, 0, rec, 3);
    guy->start();

    // Idle (2 s, no blend time) ends in the frame before it would pass its
    // end; dlg then starts from 0 in the next frame.  The walk (50 units/s,
    // slowed while it turns) arrives when less than two frames' walk is
    // left.
    const std::vector<std::pair<int, int>> got = runAndCollect(60);
    EXPECT_EQ(got, (std::vector<std::pair<int, int>>{{15, 1}, {30, 2}, {48, 3}}));
    EXPECT_FALSE(guy->isRunning());
    const Ogre::Vector3 end = guy->getNode()->getPosition();
    EXPECT_LT(end.distance(Ogre::Vector3(100, 0, 0)), 2.0f * kDt * 50.0f);
    EXPECT_NE(end.x, 100.0f); // not snapped to the target
}

TEST_F(Animatable, LastPointWithBlendTimeNotifiesOnceAndPlaysOn)
{
    addLayers(25.0f);
    guy->addPoint("idle", 2, recorder->getHandle(), 7);
    guy->start();
    const std::vector<std::pair<int, int>> got = runAndCollect(48);
    EXPECT_EQ(got, (std::vector<std::pair<int, int>>{{32, 7}}));
    EXPECT_TRUE(guy->isRunning());
    EXPECT_FLOAT_EQ(weight("idle"), 1.0f);
}

TEST_F(Animatable, SameAnimationOnConsecutivePointsKeepsItsTime)
{
    addLayers(25.0f);
    guy->addPoint("idle", 1, 0, 0);
    guy->addPoint("idle", 1, 0, 0);
    guy->start();
    runAndCollect(12); // the first point ends at 1.5 s
    EXPECT_EQ(guy->getCurrentPoint(), 1);
    const CAnimatableObject::AnimLayer* idle = guy->getLayer(guy->findAnimation("idle"));
    EXPECT_FLOAT_EQ(idle->state->getTimePosition(), 1.5f);
    EXPECT_EQ(idle->mode, CAnimatableObject::MODE_STEADY);
    EXPECT_FLOAT_EQ(idle->state->getWeight(), 1.0f);
}

TEST_F(Animatable, LeavePointGoesToTheNextOrTheLastAndFadesWhatChanges)
{
    struct Case
    {
        bool toLast;
        int point;
        const char* entered;
    };
    const Case cases[] = {{false, 1, "dlg"}, {true, 2, "walk"}};
    for (const Case& c : cases)
    {
        guy->stop();
        if (guy->mLayers.empty())
            addLayers();
        const OBJECT_HANDLE rec = recorder->getHandle();
        guy->addPoint("idle", 1000, rec, 1);
        guy->addPoint("dlg", 1000, rec, 2);
        guy->addPoint("walk", 1000, rec, 3);
        guy->start();
        runAndCollect(2);

        guy->leavePoint(c.toLast);
        EXPECT_EQ(guy->getCurrentPoint(), c.point);
        const std::vector<std::pair<int, int>> got = runAndCollect(1);
        EXPECT_EQ(got, (std::vector<std::pair<int, int>>{{1, 1}}));
        // Idle fades at its blend speed (3 per second); the new animation
        // takes the rest of the weight.
        EXPECT_FLOAT_EQ(weight("idle"), 1.0f - 3.0f * kDt);
        EXPECT_FLOAT_EQ(weight(c.entered), 3.0f * kDt);
        runAndCollect(3);
        EXPECT_FALSE(active("idle"));
        EXPECT_FLOAT_EQ(weight(c.entered), 1.0f);
    }

    // The last point of a list that does not loop stays.
    guy->leavePoint(false);
    EXPECT_EQ(guy->getCurrentPoint(), 2);
    EXPECT_TRUE(runAndCollect(1).empty());
}

TEST_F(Animatable, LipLayerFollowsTheVoicesLoudness)
{
    addLayers();
    const int sound = 7;
    CSfxSlot& slot = CSfxCore::slot(sound);
    slot.mUsed = 1;
    slot.mLoop = 0;
    slot.mLevelsLoaded = 1;
    slot.mLevels = {{0.0f, 0.0f}, {0.5f, 1.0f}, {1.0f, 0.2f}};
    guy->addTalkPoint("dlg", 1000, "lip", sound, 0, 0);
    guy->start();

    const float expected[] = {0.25f, 0.5f, 0.75f, 1.0f, 0.8f, 0.6f, 0.4f, 0.2f, 0.0f, 0.0f};
    for (float level : expected)
    {
        engine->frame(kDt);
        EXPECT_FLOAT_EQ(weight("lip"), level);
        EXPECT_FLOAT_EQ(weight("dlg"), 1.0f); // the body plays on
    }
}

TEST_F(Animatable, ShortNamesOnATalkPointContinueThePreviousPoint)
{
    addLayers();
    guy->addTalkPoint("dlg", 1, "lip", 3, 0, 0);
    guy->addTalkPoint("", 2, "x", 4, 0, 0);
    const CAnimatableObject::WayPoint& second = guy->mPointList[1];
    ASSERT_EQ(second.layers.size(), 2u);
    EXPECT_EQ(second.layers[0].layer, guy->findAnimation("dlg"));
    EXPECT_EQ(second.layers[0].loops, 2);
    EXPECT_EQ(second.layers[1].layer, guy->findAnimation("lip"));
    EXPECT_EQ(second.layers[1].sound, 4);

    // With nothing before, a short name plays nothing on that layer.
    guy->stop();
    guy->addTalkPoint("d", 1, "lip", 3, 0, 0);
    ASSERT_EQ(guy->mPointList[0].layers.size(), 1u);
    EXPECT_EQ(guy->mPointList[0].layers[0].layerNumber, 1);
}

TEST_F(Animatable, MovePointBehindTurnsHalfAroundZ)
{
    addLayers();
    guy->addMovePoint("walk", Ogre::Vector3(-200, 0, 0), Ogre::Quaternion::IDENTITY, 1, 0, 0, 0);
    guy->start();
    runAndCollect(4); // 2.5 turns per second: done after 0.4 s
    const Ogre::Vector3 facing = guy->getNode()->getOrientation() * Ogre::Vector3::UNIT_X;
    EXPECT_NEAR(facing.x, -1.0f, 1e-4f);
    EXPECT_NEAR(facing.z, 0.0f, 1e-4f);
    EXPECT_LT(guy->getNode()->getPosition().x, 0.0f);
}

TEST_F(Animatable, UnresolvedAnimationsAddNoLayerAndTheRunSurvives)
{
    addLayers(25.0f);
    guy->addPoint("idle", 1, 0, 0);
    engine->clearLog();
    guy->addMovePoint("crawl", Ogre::Vector3(100, 0, 0), Ogre::Quaternion::IDENTITY, 1, 0, 0, 0);
    EXPECT_NE(engine->log().find("Can't find animation 'crawl' on the object 'guy'"), std::string::npos);
    ASSERT_EQ(guy->mPointList.size(), 2u);
    EXPECT_TRUE(guy->mPointList[1].layers.empty());
    EXPECT_EQ(guy->mPointList[1].moveSpeed, 0.0f);

    guy->start();
    engine->clearLog();
    runAndCollect(16);
    EXPECT_EQ(guy->getCurrentPoint(), 1);
    EXPECT_NE(engine->log().find("\nWARRNING: Current point '1' has no layer '0' for active animation 'idle'!"),
              std::string::npos);
    EXPECT_EQ(guy->getNode()->getPosition(), Ogre::Vector3::ZERO); // a speed of 0 stands
}

TEST_F(Animatable, StartOnAnEmptyListOnlyLogsAndStopRestsEveryLayer)
{
    addLayers();
    engine->clearLog();
    guy->start();
    EXPECT_EQ(engine->log(), "\n!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!! Error: CAnimatableObject::start(): mPointList is "
                             "empty! anim obj: guy\n!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!\n");
    EXPECT_FALSE(guy->isRunning());

    guy->addPoint("dlg", 1000, 0, 0);
    guy->mLoop = 1;
    guy->start();
    runAndCollect(3);
    guy->stop();
    EXPECT_TRUE(guy->mPointList.empty());
    EXPECT_EQ(guy->mLoop, 0);
    EXPECT_FALSE(guy->isRunning());
    for (const CAnimatableObject::AnimLayer& layer : guy->mLayers)
    {
        EXPECT_EQ(layer.state->getWeight(), 0.0f);
        EXPECT_EQ(layer.state->getTimePosition(), 0.0f);
        EXPECT_FALSE(layer.active);
    }
}
} // namespace

TEST_F(Animatable, SkinningLeavesTheCharactersColoursAlone)
{
    // Software skinning writes positions and normals into fresh copies of
    // their buffers; colours kept in those buffers would be garbage.
    const Ogre::VertexDeclaration* declaration =
        guy->mEntity->getMesh()->getSubMesh(0)->vertexData->vertexDeclaration;
    const Ogre::VertexElement* position = declaration->findElementBySemantic(Ogre::VES_POSITION);
    const Ogre::VertexElement* normal = declaration->findElementBySemantic(Ogre::VES_NORMAL);
    const Ogre::VertexElement* colour = declaration->findElementBySemantic(Ogre::VES_DIFFUSE);
    ASSERT_TRUE(position && normal && colour);
    EXPECT_NE(colour->getSource(), position->getSource());
    EXPECT_NE(colour->getSource(), normal->getSource());
}
