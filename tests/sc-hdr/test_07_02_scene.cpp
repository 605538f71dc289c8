// The flashback of location 3: the camp shot with the three armed
// characters and the cannon, the officer's run after the flight, the dialog
// on his arrival and the answer at its end, and the clear code that hides
// everything, props too, for good.
#include "07_02_scene.h"
#include "Loc7Fixture.h"
#include "VirtualScript.h"

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;

class CampFlashback : public tq::Loc7Fixture
{
protected:
    void SetUp() override
    {
        Loc7Fixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_movies", "00_sfx_env", "07_papirus", "01_01_scene_ds",
               "00_game_interface"});
        officer = person("07_officer");
        marvek = person("06_marvek");
        conq = person("15_conq");
        conq2 = person("15_conq2");
        for (const char* name : {"00_alebarda", "00_arkebuza", "00_mech_rolik_01", "00_mech_rolik_02", "00_pushka"})
            props.push_back(prop(name));
        self = scene("07_02_scene", "07_02_scene.sc");
    }

    void say(int code)
    {
        engine->notify(self, code);
        engine->frames(2, kDt);
    }

    std::vector<CObject*> everyone() const
    {
        std::vector<CObject*> all{officer, marvek, conq, conq2};
        all.insert(all.end(), props.begin(), props.end());
        return all;
    }

    CAnimatableObject *officer = nullptr, *marvek = nullptr, *conq = nullptr, *conq2 = nullptr;
    std::vector<CObject*> props;
    CObject* self = nullptr;
};

TEST_F(CampFlashback, CreationHidesEveryone)
{
    for (CObject* o : everyone())
        EXPECT_FALSE(shown(o)) << o->getNode()->getName();
}

TEST_F(CampFlashback, CampShotThenTheOfficerRunsInAndTheDialogPlays)
{
    engine->clearLog();
    say(100);
    EXPECT_EQ(notes("00_sfx_env"), Calls{note(5001, nullptr)});
    EXPECT_EQ(notes("01_01_scene_ds"), Calls{note(10142, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), (Calls{note(5711, nullptr), note(10703, self)}));
    EXPECT_EQ(notes("07_papirus"), Calls{note(100, nullptr)});

    struct Case
    {
        CAnimatableObject* who;
        Ogre::Vector3 at;
        float turn;
        const char* bone;
    };
    const Case cases[] = {
        {marvek, {6631, -2590, -15}, 145, "06_marvek_Bip01_R_Hand"},
        {conq, {6872, -2600, -15}, 146, "15_conq_Bip01_R_Hand"},
        {conq2, {6736, -2668, -15}, 146, "15_conq2_Bip01_R_Hand"},
    };
    for (const Case& c : cases)
    {
        const std::string name = c.who->getNode()->getName();
        EXPECT_TRUE(shown(c.who)) << name;
        EXPECT_LT(c.who->getNode()->getPosition().distance(c.at), 1e-3f) << name;
        EXPECT_NEAR(c.who->getNode()->getOrientation().getRoll().valueDegrees(), c.turn, 1e-3f) << name;
        EXPECT_EQ(asked(name), Calls{"static_01"}) << name;
        EXPECT_EQ(count(engine->log(), boneFailure(c.bone, name)), 1u) << name;
    }
    for (CObject* p : props)
        EXPECT_EQ(shown(p), p->getNode()->getName() != "00_mech_rolik_01") << p->getNode()->getName();
    EXPECT_FALSE(shown(officer));

    engine->clearLog();
    say(10703);
    EXPECT_EQ(notes("00_movies"), Calls{note(3035, nullptr)});
    EXPECT_EQ(notes("01_cam_move").back(), note(5711, nullptr));
    EXPECT_TRUE(shown(officer));
    EXPECT_TRUE(shown(props[2]));
    EXPECT_EQ(asked("07_officer"), (Calls{"static_01", "run", "dialog_02"}));
    EXPECT_EQ(points(officer), (Calls{"stand", "walk@6464,-2476,-15>101", "stand"}));
    EXPECT_EQ(officer->mPointList[1].notifyTarget, self->getHandle());
    EXPECT_EQ(officer->getCurrentPoint(), 1); // off his first pose at once, running
    EXPECT_EQ(count(engine->log(), boneFailure("07_officer_Bip01_R_Hand", "07_officer")), 1u);

    // The arrival comes from the officer, but any sender will do.
    say(101);
    EXPECT_EQ(notes("02_dialogs"), Calls{note(2052, self)});
    EXPECT_TRUE(notes("00_game_interface").empty());
    say(2052);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, self)});
}

TEST_F(CampFlashback, ClearHidesEverythingForGood)
{
    say(100);
    say(10703);
    tq::RecordingScript::calls().clear();
    say(1100);
    for (CObject* o : everyone())
        EXPECT_FALSE(shown(o)) << o->getNode()->getName();
    EXPECT_EQ(notes("07_papirus"), Calls{note(200, nullptr)});

    for (int code : {100, 10703, 101, 2052})
        say(code);
    for (CObject* o : everyone())
        EXPECT_FALSE(shown(o)) << o->getNode()->getName();
    EXPECT_EQ(notes("07_papirus").size(), 1u);
    for (const char* spy : {"01_cam_move", "02_dialogs", "00_movies", "00_sfx_env", "01_01_scene_ds",
                            "00_game_interface"})
        EXPECT_TRUE(notes(spy).empty()) << spy;
    // A second clear clears again.
    say(1100);
    EXPECT_EQ(notes("07_papirus").size(), 2u);
}
} // namespace
