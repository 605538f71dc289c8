// The simple animator on the headless engine with the generated character:
// the chain of animations from the .scene parameters, starts by notify code
// with the answer and the camera's return, delayed camera moves, the state
// kept in game variables, the hanging on a bone, and the cursor.
#include "00_simple_animator.h"
#include "Character.h"
#include "HeadlessEngine.h"
#include "Scene.h"

#include <OgreAnimationState.h>
#include <OgreBone.h>
#include <OgreEntity.h>
#include <OgreMesh.h>
#include <OgreSkeletonInstance.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>

namespace
{
using tq::RecordingScript;
const float kDt = 0.125f;

typedef std::map<std::string, std::string> Params;

/// Idles twice, then strolls once and idles again.
const Params kChain = {
    {"anim_00_name", "idle"},   {"anim_00_skel", "01_guy_idle.skeleton"},   {"anim_00_times", "2"},
    {"anim_00_speed", "1000"},  {"anim_01_name", "stroll"},                 {"anim_01_skel", "01_guy_stroll.skeleton"},
    {"anim_01_times", "1"},     {"anim_01_speed", "1000"},                  {"anim_01_next_anim", "0"},
    {"anim_01_sound", "1"},
};

class SimpleAnimator : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string cfg = tq::characterResources(dir);
        ASSERT_FALSE(cfg.empty());
        engine.reset(new tq::HeadlessEngine(cfg));
        if (realCamera)
            addCameraMover();
        else
            engine->addRecorder("01_cam_move");
        engine->addRecorder("00_movies");
        starter = engine->addRecorder("starter");
        engine->frame(kDt);
        RecordingScript::calls().clear();
    }

    /// The real camera mover in location 2, whose rooms 1 and 2 have two
    /// cameras each (camera c of room r at (100 r, 10 c, 0)), and the
    /// objects it talks to.
    void addCameraMover()
    {
        CVirtualScript::setVarI("cur_loc", 2);
        for (int room = 1; room <= 2; ++room)
        {
            for (int cam = 1; cam <= 2; ++cam)
            {
                char name[32];
                std::snprintf(name, sizeof(name), "02_%02d_Camera%02d", room, cam);
                engine->addObject(name)->getNode()->setPosition(100.0f * room, 10.0f * cam, 0.0f);
            }
            char name[32];
            std::snprintf(name, sizeof(name), "02_%02d_room.scene", room);
            engine->addObject(name);
        }
        for (const char* name : {"00_loader", "00_game_interface", "asker"})
            engine->addRecorder(name);
        mover = engine->addObject("01_cam_move", "02_cam_move.sc");
    }

    /// The character as a scene object named name with the animator and
    /// these parameters, created in the next frame.
    CObject* addGuy(const Params& params, const std::string& name = "01_guy")
    {
        CObject* guy = tq::placeCharacter(new CObject("00_simple_animator.sc"), name);
        for (const auto& p : params)
            guy->mParams[p.first] = p.second;
        CMessage create;
        create.target = guy;
        create.type = MSG_CREATE;
        gApp.postMessage(create);
        engine->frame(kDt);
        return guy;
    }

    static std::string playing(CObject* guy)
    {
        return guy->mAnimState ? guy->mAnimState->getAnimationName() : std::string();
    }

    /// The codes a recorder got (with the sender when there was one).
    static std::vector<std::string> got(const std::string& label)
    {
        std::vector<std::string> codes;
        for (const std::string& call : RecordingScript::callsOf(label))
            if (call.find(',') != std::string::npos)
            {
                std::string args = call.substr(10, call.size() - 11);
                if (args.substr(args.find(',')) == ",0")
                    args = args.substr(0, args.find(','));
                codes.push_back(args);
            }
        return codes;
    }

    tq::TempDir dir;
    std::unique_ptr<tq::HeadlessEngine> engine;
    CObject* starter = nullptr;
    bool realCamera = false; ///< the real camera mover in place of the spy
    CObject* mover = nullptr;
};

TEST_F(SimpleAnimator, TheChainRunsOnByItselfAndTheGuestWalks)
{
    CObject* guy = addGuy(kChain);
    sc_00_simple_animator* animator = tq::HeadlessEngine::scriptOf<sc_00_simple_animator>(guy);
    ASSERT_NE(animator, nullptr);
    EXPECT_EQ(animator->mAnims[1].next_anim, 0);
    EXPECT_EQ(animator->mAnims[0].next_anim, 1); // the default: the next record
    EXPECT_EQ(animator->mAnims[2].used, 0);

    // 15 s: idle twice (4 s), the stroll (8 s), idle again.
    std::vector<std::string> sequence;
    std::vector<int> curAnim;
    float farthest = 0.0f;
    for (int i = 0; i < 120; ++i)
    {
        const std::string name = playing(guy);
        if (sequence.empty() || sequence.back() != name)
        {
            sequence.push_back(name);
            curAnim.push_back(CVirtualScript::getVarI("01_guy@cur_anim"));
        }
        Ogre::SkeletonInstance* skeleton = guy->getEntity()->getSkeleton();
        skeleton->setAnimationState(*guy->getEntity()->getAllAnimationStates());
        farthest = std::max(farthest, skeleton->getBone("root")->getPosition().x);
        engine->frame(kDt);
    }
    EXPECT_EQ(sequence, (std::vector<std::string>{"idle", "stroll", "idle"}));
    EXPECT_EQ(curAnim, (std::vector<int>{0, 1, 0}));
    // Out 250 units and back.
    EXPECT_NEAR(farthest, 250.0f, 5.0f);
    EXPECT_LT(std::abs(guy->getEntity()->getSkeleton()->getBone("root")->getPosition().x), 80.0f);

    // Nobody started them: no answer, and no camera move back to a place
    // never saved; the stroll's voice to "00_movies".
    EXPECT_TRUE(got("01_cam_move").empty());
    EXPECT_EQ(got("00_movies"), std::vector<std::string>{"1"});
    EXPECT_TRUE(got("starter").empty());
}

TEST_F(SimpleAnimator, ACodeStartsAnAnimationAndACameraMoveAndTheEndAnswers)
{
    Params params = kChain;
    params["anim_02_name"] = "dlg";
    params["anim_02_skel"] = "01_guy_dlg.skeleton";
    params["anim_02_times"] = "1";
    params["anim_02_speed"] = "1000";
    params["anim_02_notify"] = "500";
    params["anim_02_next_anim"] = "0";
    params["anim_02_sound"] = "3044";
    params["anim_02_sound_room"] = "4"; // not here
    params["cam_move_00_notify"] = "500";
    params["cam_move_00_msg"] = "7102";
    params["cam_move_00_time"] = "300";
    CObject* guy = addGuy(params);
    CVirtualScript::setVarI("cur_room", 3);
    CVirtualScript::setVarI("cur_cam", 7);

    engine->notify(guy, 500, starter);
    engine->frame(kDt);
    EXPECT_EQ(playing(guy), "dlg");
    EXPECT_EQ(CVirtualScript::getVarI("01_guy@cur_anim"), 2);
    EXPECT_EQ(CVirtualScript::getVarS("01_guy@parent"), "starter");
    EXPECT_TRUE(got("00_movies").empty());

    // The camera move is due after 300 ms, once.
    engine->frames(2, kDt);
    EXPECT_TRUE(got("01_cam_move").empty());
    engine->frames(4, kDt);
    EXPECT_EQ(got("01_cam_move"), std::vector<std::string>{"7102"});

    // dlg lasts 2 s; then the starter hears 500 from the guest, the camera
    // cuts back to room 3, camera 7, and the guest idles.
    engine->frames(12, kDt);
    EXPECT_EQ(got("starter"), std::vector<std::string>{"500," + std::to_string(guy->getHandle())});
    EXPECT_EQ(got("01_cam_move"), (std::vector<std::string>{"7102", "5307"}));
    EXPECT_EQ(playing(guy), "idle");
    EXPECT_EQ(CVirtualScript::getVarI("01_guy@cur_anim"), 0);
    EXPECT_EQ(CVirtualScript::getVarS("01_guy@parent"), "");
}

TEST_F(SimpleAnimator, TheStateComesBackWithTheRoom)
{
    Params params = kChain;
    params["anim_02_name"] = "dlg";
    params["anim_02_skel"] = "01_guy_dlg.skeleton";
    params["anim_02_times"] = "1";
    params["anim_02_speed"] = "1000";
    params["anim_02_notify"] = "500";
    params["no_cam_return"] = "1";
    CVirtualScript::setVarI("01_guy@cur_anim", 2);
    CVirtualScript::setVarS("01_guy@parent", "starter");
    CObject* guy = addGuy(params);
    EXPECT_EQ(playing(guy), "dlg");
    engine->frames(17, kDt);
    EXPECT_EQ(got("starter"), std::vector<std::string>{"500," + std::to_string(guy->getHandle())});
    EXPECT_TRUE(got("01_cam_move").empty());
    // Its next record is the one after it, which does not exist.
    EXPECT_NE(engine->log().find("\nERROR: You try to play unused animation!"), std::string::npos);
    EXPECT_EQ(CVirtualScript::getVarI("01_guy@cur_anim"), 3);
}

TEST_F(SimpleAnimator, RecordsAndStatesThatAreNotThere)
{
    struct Case
    {
        const char* name;
        Params extra;
        const char* curAnim;  // saved state
        const char* parent;   // saved state
        std::string logged;
        std::string plays;
    };
    const Case cases[] = {
        // A gap ends the records: anim_02 is never loaded.
        {"gap", {{"anim_00_name", "idle"}, {"anim_00_skel", "01_guy_idle.skeleton"}, {"anim_02_name", "dlg"}},
         "2", "", "\nERROR: You try to play unused animation!", ""},
        // A saved index outside the table counts as an unused record.
        {"range", kChain, "12", "", "\nERROR: You try to play unused animation!", ""},
        // A starter that is gone is nobody.
        {"parent", kChain, "0", "ghost", "\nWARNING: Can't find object [ghost] by name!", "idle"},
        // Hanging on a missing object.
        {"attach", {{"anim_00_name", "idle"}, {"anim_00_skel", "01_guy_idle.skeleton"}, {"attach_to", "nobody"},
                    {"attach_bone", "arm_r"}},
         "0", "", "\nWARNING: Can't find object [nobody] by name!", "idle"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CVirtualScript::setVarS(std::string(c.name) + "@cur_anim", c.curAnim);
        CVirtualScript::setVarS(std::string(c.name) + "@parent", c.parent);
        engine->clearLog();
        CObject* guy = addGuy(c.extra, c.name);
        sc_00_simple_animator* animator = tq::HeadlessEngine::scriptOf<sc_00_simple_animator>(guy);
        ASSERT_NE(animator, nullptr);
        EXPECT_NE(engine->log().find(c.logged), std::string::npos);
        EXPECT_EQ(playing(guy), c.plays);
        EXPECT_EQ(animator->mParent, 0u);
        EXPECT_EQ(animator->mAnims[2].used, 0);
    }

    // Without a speed an animation stands still and never ends.
    CObject* still = addGuy({{"anim_00_name", "idle"}, {"anim_00_skel", "01_guy_idle.skeleton"}, {"anim_00_times", "1"}},
                            "still");
    engine->frames(40, kDt);
    EXPECT_EQ(playing(still), "idle");
    EXPECT_LT(still->mAnimState->getTimePosition(), 0.001f);
}

TEST_F(SimpleAnimator, AnAnimationThatFollowsItselfRestartsAtEveryEnd)
{
    CObject* guy = addGuy({{"anim_00_name", "walk"},
                           {"anim_00_skel", "01_guy_walk.skeleton"},
                           {"anim_00_times", "1"},
                           {"anim_00_speed", "2000"},
                           {"anim_00_next_anim", "0"},
                           {"no_cam_return", "1"},
                           {"anim_00_sound", "1001"}});
    // 1 s at double speed: an end every half second, each one a new play
    // (the last voice code arrives with the frame after its end).
    engine->frames(17, kDt);
    EXPECT_EQ(playing(guy), "walk");
    EXPECT_EQ(got("00_movies").size(), 5u); // at creation and after 4 ends
}

TEST_F(SimpleAnimator, HangsOnABoneAndShowsTheSparkleCursor)
{
    CObject* holder = tq::placeCharacter(new CObject(), "holder");
    CObject* guy = addGuy({{"anim_00_name", "idle"},
                           {"anim_00_skel", "01_guy_idle.skeleton"},
                           {"attach_to", "holder"},
                           {"attach_bone", "arm_r"},
                           {"scale", "0.5"},
                           {"bone_to_scale", "head"}});
    ASSERT_EQ(holder->getEntity()->getAttachedObjects().size(), 1u);
    Ogre::Entity* hung = static_cast<Ogre::Entity*>(holder->getEntity()->getAttachedObjects()[0]);
    EXPECT_EQ(hung->getMesh()->getName(), "01_guy.mesh");
    Ogre::Bone* head = hung->getSkeleton()->getBone("head");
    EXPECT_TRUE(head->isManuallyControlled());
    EXPECT_EQ(head->getScale(), Ogre::Vector3(0.5f, 0.5f, 0.5f));

    engine->clearLog();
    engine->hover(guy);
    engine->frame(kDt);
    EXPECT_EQ(engine->log().find("Mouse Cursor"), std::string::npos);
    engine->hover(nullptr);
    engine->frame(kDt);
    EXPECT_NE(engine->log().find("\nMouse Cursor ON "), std::string::npos);

    CVirtualScript::setVarI("az_sparkle", 1);
    engine->clearLog();
    engine->hover(guy);
    engine->frame(kDt);
    EXPECT_NE(engine->log().find("\nMouse Cursor OFF "), std::string::npos);
}

// With the real camera mover: what the animator sends it is what it does.
class SimpleAnimatorAndCamera : public SimpleAnimator
{
protected:
    SimpleAnimatorAndCamera() { realCamera = true; }
};

TEST_F(SimpleAnimatorAndCamera, TheIdleChainNeverAnswersAFlightAgain)
{
    CObject* guy = addGuy(kChain);
    // Someone has the camera fly to room 2 and hears the flight's end once.
    engine->notify(mover, 7102, gApp.findObject("asker"));
    engine->frames(40, kDt);
    ASSERT_EQ(got("asker"), std::vector<std::string>{"7102," + std::to_string(mover->getHandle())});
    EXPECT_EQ(CVirtualScript::getVarI("cur_room"), 2);
    // 15 s more of the idle chain: idles and strolls end (each stroll's
    // voice goes to "00_movies").
    engine->frames(120, kDt);
    const std::vector<std::string> movies = got("00_movies");
    EXPECT_EQ(std::count(movies.begin(), movies.end(), "1"), 2);
    EXPECT_NE(playing(guy), "");
    EXPECT_EQ(got("asker").size(), 1u);
    EXPECT_EQ(CVirtualScript::getVarI("cur_room"), 2);
    EXPECT_EQ(CVirtualScript::getVarI("is_camera_moving"), 0);
}

TEST_F(SimpleAnimatorAndCamera, AnAnimationStartedByACodeCutsTheViewBackAtItsEnd)
{
    Params params = kChain;
    params["anim_02_name"] = "dlg";
    params["anim_02_skel"] = "01_guy_dlg.skeleton";
    params["anim_02_times"] = "1";
    params["anim_02_speed"] = "1000";
    params["anim_02_notify"] = "500";
    params["anim_02_next_anim"] = "0";
    CObject* guy = addGuy(params);
    CVirtualScript::setVarI("cur_room", 1);
    CVirtualScript::setVarI("cur_cam", 2);
    engine->notify(guy, 500, starter);
    engine->frame(kDt);
    // The view moves elsewhere while the animation plays...
    engine->notify(mover, 5201);
    EXPECT_EQ(CVirtualScript::getVarI("cur_room"), 2);
    // ...and is cut back to the saved place when it ends.
    for (int i = 0; i < 80 && playing(guy) == "dlg"; ++i)
        engine->frame(kDt);
    engine->frame(kDt);
    EXPECT_EQ(CVirtualScript::getVarI("cur_room"), 1);
    EXPECT_EQ(CVirtualScript::getVarI("cur_cam"), 2);
    EXPECT_TRUE(got("asker").empty());
}

/// A prop of the generated rooms that opens (the room tables' "opens="): the
/// rig's box with its three motions, the animator's records as the room
/// generator writes them.
const char* const kOpeningProp = R"(<scene formatVersion="0.2.0">
  <nodes>
    <node name="lid" type="T_ANIM_OBJ" script="00_simple_animator.sc">
      <scale x="200" y="100" z="10"/>
      <entity name="lid" meshFile="00_rig_box.mesh"/>
      <params>
        <param name="anim_00_name" value="shut"/>
        <param name="anim_00_speed" value="1000"/>
        <param name="anim_01_name" value="open"/>
        <param name="anim_01_times" value="1"/>
        <param name="anim_01_notify" value="100"/>
        <param name="anim_01_speed" value="1000"/>
        <param name="anim_01_next_anim" value="2"/>
        <param name="anim_02_name" value="opened"/>
        <param name="anim_02_speed" value="1000"/>
        <param name="no_cam_return" value="1"/>
      </params>
      <animations>
        <animation skeleton="00_rig_rest.skeleton" anim_name="shut" blend_percent="0" layer="0"/>
        <animation skeleton="00_rig_slide_x.skeleton" anim_name="open" blend_percent="0" layer="0"/>
        <animation skeleton="00_rig_slide_x_held.skeleton" anim_name="opened" blend_percent="0" layer="0"/>
      </animations>
    </node>
  </nodes>
</scene>)";

TEST(SimpleAnimatorProp, AGeneratedPropRestsOpensOnceOnItsCodeAnswersAndStaysOpen)
{
    tq::TempDir dir;
    const std::string cfg = tq::gameMediaResources(
        dir, {"00_rig_box.mesh", "00_anim_cam.skeleton", "00_rig_rest.skeleton", "00_rig_slide_x.skeleton",
              "00_rig_slide_x_held.skeleton"});
    ASSERT_FALSE(cfg.empty());
    tq::HeadlessEngine engine(cfg);
    CObject* asker = engine.addRecorder("asker");
    ASSERT_TRUE(tq::writeFile("room.scene", kOpeningProp));
    Scene::loadScene("room.scene", true);
    engine.frame(kDt);
    CObject* lid = gApp.findObject("lid");
    ASSERT_NE(lid, nullptr);
    Ogre::Entity* entity = lid->getEntity();
    ASSERT_NE(entity, nullptr);
    auto playing = [](CObject* object) {
        return object->mAnimState ? object->mAnimState->getAnimationName() : std::string();
    };
    auto boneX = [&] {
        Ogre::SkeletonInstance* skeleton = entity->getSkeleton();
        skeleton->setAnimationState(*entity->getAllAnimationStates());
        return skeleton->getBone(0)->getPosition().x;
    };

    // At rest it loops its still motion and answers nobody.
    engine.frames(20, kDt);
    EXPECT_EQ(playing(lid), "shut");
    EXPECT_NEAR(boneX(), 0.0f, 1e-3f);
    RecordingScript::calls().clear();

    // The code opens it; at the end the asker hears the code back once.
    engine.notify(lid, 100, asker);
    engine.frame(kDt);
    EXPECT_EQ(playing(lid), "open");
    engine.frames(12, kDt);
    const std::string answer = "ON_NOTIFY(100," + std::to_string(lid->getHandle()) + ")";
    auto answers = [&] {
        const std::vector<std::string> calls = RecordingScript::callsOf("asker");
        return std::count(calls.begin(), calls.end(), answer);
    };
    EXPECT_EQ(answers(), 1);
    EXPECT_EQ(CVirtualScript::getVarI("lid@cur_anim"), 2);

    // Then it holds the open place for good, without a word in the log.
    engine.frames(40, kDt);
    EXPECT_EQ(playing(lid), "opened");
    EXPECT_NEAR(boneX(), 1.0f, 1e-3f);
    EXPECT_EQ(answers(), 1);
    EXPECT_EQ(engine.log().find("ERROR"), std::string::npos) << engine.log();
}
} // namespace
