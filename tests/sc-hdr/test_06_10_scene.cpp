// The finale of location 6: the chain of dialogs and camera flights from
// the game interface's 100 to its answer, the props carried on bones (each
// shown at most once until put down), the blood spreading over 3 s, and the
// crystal and gem in the hero's hand at the dialog's step.
#include "06_10_scene.h"
#include "Loc7Fixture.h"
#include "VirtualScript.h"

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;

const char* const kBlood = "04_villain/odegda_blood";

class Finale : public tq::Loc7Fixture
{
protected:
    void SetUp() override
    {
        Loc7Fixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_movies", "00_game_interface"});
        hero = person("01_hero_worker");
        villain = person("04_villain");
        lord = person("02_lord");
        for (const char* name : {"06_07_villain_gun", "06_07_lord_gun", "06_07_lord_gun_smoke", "06_07_hero_kristall",
                                 "06_07_tolvane_bb", "06_07_gilza", "06_07_plitka"})
            props.push_back(prop(name));
        material(kBlood, 2);
        self = scene("06_10_scene", "06_10_scene.sc");
        script = tq::HeadlessEngine::scriptOf<sc_06_10_scene>(self);
    }

    CObject* named(const std::string& name) const
    {
        for (CObject* p : props)
            if (p->getNode()->getName() == name)
                return p;
        return nullptr;
    }

    void say(int code)
    {
        engine->notify(self, code);
        engine->frames(2, kDt);
    }

    CAnimatableObject *hero = nullptr, *villain = nullptr, *lord = nullptr;
    std::vector<CObject*> props;
    CObject* self = nullptr;
    sc_06_10_scene* script = nullptr;
};

TEST_F(Finale, CreationHidesTheLordAndEveryProp)
{
    EXPECT_FALSE(shown(lord));
    EXPECT_TRUE(shown(villain));
    EXPECT_TRUE(shown(hero));
    for (CObject* p : props)
        EXPECT_FALSE(shown(p)) << p->getNode()->getName();
}

TEST_F(Finale, TheShootOutRunsFromStartToAnswer)
{
    // The villain and the lord play and walk their way-points for real: the
    // villain's arrival is what starts the dialog.
    layers(villain, {"static", "walk_gun", "dialog_gun_lev"});
    layers(lord, {"static", "walk"});
    engine->clearLog();
    say(100);
    EXPECT_EQ(notes("00_movies"), Calls{note(6025, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), Calls{note(5721, nullptr)});
    EXPECT_TRUE(shown(hero) && shown(villain) && shown(lord));
    EXPECT_LT(hero->getNode()->getPosition().distance({4206, 11311, -255}), 1e-3f);
    EXPECT_EQ(asked("01_hero_worker"), Calls{"static_01"});
    EXPECT_TRUE(asked("04_villain").empty());
    EXPECT_EQ(points(villain), (Calls{"stand", "walk@4157,11530,-255>200", "stand"}));
    EXPECT_EQ(villain->mPointList[1].notifyTarget, self->getHandle());
    EXPECT_TRUE(asked("02_lord").empty());
    EXPECT_EQ(points(lord), (Calls{"stand", "walk@4170,11675,-255", "stand"}));
    // Both leave their opening pose at once and are on their way.
    EXPECT_EQ(villain->getCurrentPoint(), 1);
    EXPECT_EQ(lord->getCurrentPoint(), 1);
    EXPECT_TRUE(shown(named("06_07_villain_gun")));
    EXPECT_NE(engine->log().find(boneFailure("04_villain_Bip01_R_Hand", "04_villain")), std::string::npos);

    // About 335 units at 100 a second: the villain arrives, reports 200,
    // and the scene asks for the dialog.
    EXPECT_TRUE(notes("02_dialogs").empty());
    for (int frame = 0; frame < 80 && notes("02_dialogs").empty(); ++frame)
        engine->frame(kDt);
    EXPECT_EQ(notes("02_dialogs"), Calls{note(6058, self)});
    // A walker arrives within two frames' steps of his point.
    EXPECT_LT(villain->getNode()->getPosition().distance({4157, 11530, -255}), 25.0f);
    EXPECT_EQ(villain->getCurrentPoint(), 2);
    engine->frames(20, kDt);
    EXPECT_LT(lord->getNode()->getPosition().distance({4170, 11675, -255}), 25.0f);
    engine->clearLog();
    say(6058);
    EXPECT_EQ(notes("00_movies").back(), note(6026, nullptr));
    EXPECT_EQ(notes("01_cam_move").back(), note(10610, self));
    EXPECT_EQ(asked("04_villain"), Calls{"gun"});

    say(10610);
    EXPECT_EQ(notes("01_cam_move"), (Calls{note(5721, nullptr), note(10610, self), note(5721, nullptr),
                                           note(10611, self)}));
    EXPECT_TRUE(shown(named("06_07_gilza")));
    EXPECT_TRUE(shown(named("06_07_plitka")));

    engine->clearLog();
    say(10611);
    EXPECT_FALSE(shown(named("06_07_gilza")));
    EXPECT_FALSE(shown(named("06_07_plitka")));
    EXPECT_EQ(notes("01_cam_move").back(), note(10612, self));
    EXPECT_EQ(asked("04_villain"), Calls{"dead_gun"});
    EXPECT_EQ(asked("02_lord"), Calls{"static_gun"});
    EXPECT_TRUE(shown(named("06_07_lord_gun")));
    EXPECT_TRUE(shown(named("06_07_lord_gun_smoke")));

    say(10612);
    EXPECT_FALSE(shown(named("06_07_lord_gun")));
    EXPECT_FALSE(shown(named("06_07_villain_gun")));
    EXPECT_FALSE(shown(villain));
    EXPECT_TRUE(villain->mPointList.empty());
    EXPECT_EQ(notes("02_dialogs").back(), note(6059, self));

    say(300);
    EXPECT_TRUE(shown(named("06_07_hero_kristall")));
    EXPECT_TRUE(shown(named("06_07_tolvane_bb")));
    EXPECT_TRUE(notes("00_game_interface").empty());
    say(6059);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, self)});
}

TEST_F(Finale, BloodSpreadsOverThreeSecondsThenItsTimerEnds)
{
    say(10611);
    EXPECT_NE(script->bloodTimer, 0);
    const float first = script->blood;
    engine->frames(10, kDt);
    EXPECT_NEAR(script->blood, first + 10 * kDt / 3.0f, 1e-4f);
    EXPECT_NEAR(manualRed(kBlood, 1), 1.0f - script->blood, 1e-4f);
    engine->frames(15, kDt);
    EXPECT_EQ(script->bloodTimer, 0);
    EXPECT_FLOAT_EQ(script->blood, 1.0f);
    EXPECT_FLOAT_EQ(manualRed(kBlood, 1), 0.0f);
    // Nothing steps any more.
    CVirtualScript::materialBlendColour(kBlood, 1, 0, 0.5f, 0.5f, 0.5f, 0);
    engine->frames(5, kDt);
    EXPECT_FLOAT_EQ(manualRed(kBlood, 1), 0.5f);
}

TEST_F(Finale, ItemsShowOnceOnTheirBoneAndArePutDownOnce)
{
    CObject* cup = prop("cup");
    sc_06_10_scene::Item item;
    script->init(item, cup->getHandle(), hero->getHandle(), "arm_r");
    EXPECT_FALSE(shown(cup));

    script->attachAndShow(item);
    EXPECT_TRUE(shown(cup));
    EXPECT_TRUE(onBone(cup));
    EXPECT_EQ(item.attached, 1);
    // Already on its bone: a second call shows nothing.
    gApp.mSceneMgr->getEntity("cup")->setVisible(false);
    script->attachAndShow(item);
    EXPECT_FALSE(shown(cup));

    gApp.mSceneMgr->getEntity("cup")->setVisible(true);
    script->detachAndHide(item);
    EXPECT_FALSE(shown(cup));
    EXPECT_FALSE(onBone(cup));
    EXPECT_EQ(item.attached, 0);
    // Not attached: a second call hides nothing.
    gApp.mSceneMgr->getEntity("cup")->setVisible(true);
    script->detachAndHide(item);
    EXPECT_TRUE(shown(cup));
    // And it can be carried again.
    script->attachAndShow(item);
    EXPECT_TRUE(onBone(cup));
}

TEST_F(Finale, TheGemComesAtOnceEvenBeforeTheStart)
{
    say(300);
    EXPECT_TRUE(shown(named("06_07_hero_kristall")));
    EXPECT_TRUE(shown(named("06_07_tolvane_bb")));
    EXPECT_TRUE(tq::RecordingScript::calls().empty());
}
} // namespace
