// The flashback of location 4: the waiting shot with its room group shown,
// the officer's walk 8 s later, the dialog on his arrival and the answer at
// its end, and the clear code that hides everything for good, the walk
// timer included.
#include "07_03_scene.h"
#include "Loc7Fixture.h"
#include "VirtualScript.h"

namespace
{
using tq::Calls;
using tq::note;
using tq::notes;

class ReportFlashback : public tq::Loc7Fixture
{
protected:
    void SetUp() override
    {
        Loc7Fixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_movies", "00_sfx_env", "07_papirus", "00_game_interface"});
        group = prop("07_03_scene.scene");
        tent = withPlane(engine->addObject("07_03_tent", std::string(), group->getNode()));
        guard = person("15_conq3");
        officer = person("07_officer");
        marvek = person("06_marvek");
        conq = person("15_conq");
        rolik = prop("00_mech_rolik_01");
        alebarda = prop("00_alebarda");
        self = scene("07_03_scene", "07_03_scene.sc");
    }

    void say(int code)
    {
        engine->notify(self, code);
        engine->frames(2, kDt);
    }

    std::vector<CObject*> everyone() const { return {group, tent, guard, officer, marvek, conq, rolik, alebarda}; }

    CAnimatableObject *guard = nullptr, *officer = nullptr, *marvek = nullptr, *conq = nullptr;
    CObject *group = nullptr, *tent = nullptr, *rolik = nullptr, *alebarda = nullptr, *self = nullptr;
};

TEST_F(ReportFlashback, CreationHidesEveryoneAndTheRoomGroup)
{
    for (CObject* o : everyone())
        EXPECT_FALSE(shown(o)) << o->getNode()->getName();
}

TEST_F(ReportFlashback, WaitingShotThenTheOfficerWalksUpAndReports)
{
    engine->clearLog();
    say(100);
    EXPECT_EQ(notes("00_sfx_env"), Calls{note(5012, nullptr)});
    EXPECT_EQ(notes("00_movies"), Calls{note(4034, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), Calls{note(5726, self)});
    EXPECT_EQ(notes("07_papirus"), Calls{note(100, nullptr)});
    EXPECT_TRUE(shown(group));
    EXPECT_TRUE(shown(tent));

    struct Case
    {
        CAnimatableObject* who;
        Ogre::Vector3 at;
        float turn;
        Calls anims;
    };
    const Case cases[] = {
        {guard, {8264, -3290, -12}, 90, {"static_01", "static_02", "static_01", "static_02"}},
        {marvek, {7109, -3488, -15}, 18, {"static_02"}},
        {conq, {6892, -3748, -15}, 27, {"static_01"}},
    };
    for (const Case& c : cases)
    {
        const std::string name = c.who->getNode()->getName();
        EXPECT_TRUE(shown(c.who)) << name;
        EXPECT_LT(c.who->getNode()->getPosition().distance(c.at), 1e-3f) << name;
        EXPECT_NEAR(c.who->getNode()->getOrientation().getRoll().valueDegrees(), c.turn, 1e-3f) << name;
        EXPECT_EQ(asked(name), c.anims) << name;
        EXPECT_EQ(c.who->mPointList.size(), c.anims.size()) << name;
    }
    EXPECT_TRUE(shown(alebarda));
    EXPECT_EQ(count(engine->log(), boneFailure("15_conq_Bip01_R_Hand", "15_conq")), 1u);
    EXPECT_FALSE(shown(officer));
    EXPECT_FALSE(shown(rolik));

    // 8 s later the officer walks up; the flight's own end changes nothing.
    engine->clearLog();
    engine->frames(60, kDt);
    EXPECT_FALSE(shown(officer));
    engine->frames(6, kDt);
    EXPECT_EQ(notes("01_cam_move").back(), note(10704, self));
    EXPECT_TRUE(shown(officer));
    EXPECT_TRUE(shown(rolik));
    EXPECT_EQ(asked("07_officer"), (Calls{"static_01", "walk", "dialog_02"}));
    EXPECT_EQ(points(officer), (Calls{"stand", "walk@7303,-3427,-15>101", "stand"}));
    EXPECT_EQ(officer->mPointList[1].notifyTarget, self->getHandle());
    EXPECT_EQ(count(engine->log(), boneFailure("07_officer_Bip01_R_Hand", "07_officer")), 1u);
    say(10704);
    EXPECT_TRUE(notes("02_dialogs").empty());

    say(101);
    EXPECT_EQ(notes("02_dialogs"), Calls{note(3063, self)});
    say(3063);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, self)});
}

TEST_F(ReportFlashback, ClearWithinTheWaitHidesAllAndStopsTheWalk)
{
    say(100);
    engine->frames(10, kDt);
    say(1100);
    EXPECT_EQ(notes("07_papirus"), (Calls{note(100, nullptr), note(200, nullptr)}));
    for (CObject* o : everyone())
        EXPECT_FALSE(shown(o)) << o->getNode()->getName();

    engine->frames(80, kDt);
    for (int code : {100, 101, 3063})
        say(code);
    for (CObject* o : everyone())
        EXPECT_FALSE(shown(o)) << o->getNode()->getName();
    EXPECT_EQ(notes("01_cam_move"), Calls{note(5726, self)});
    EXPECT_TRUE(notes("02_dialogs").empty());
    EXPECT_TRUE(notes("00_game_interface").empty());
}
} // namespace
