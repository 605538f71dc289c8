// Room 06_03's cut scene: the dialog asked and answered, the pictures shown
// on their planes at the dialog's steps and taken away again, the virus
// cells drifting along X and wrapping at the box's side, the background's
// late fade, a restarted virus, and the clear code.
#include "06_03_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

class Scene0603 : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface", "00_sfx_env", "06_02_scene"});
        engine->addObject("Camera");
        left = prop("rtt_plane_left");
        right = prop("rtt_plane_right");
        // The planes wait hidden until a picture is shown on them.
        for (CObject* plane : {left, right})
            plane->getNode()->getAttachedObject(0)->setVisible(false);
        for (const char* m : {"06_03_virus1_01", "06_03_virus_fon"})
            material(m, 2, 1);
        hero = actor("01_hero_worker");
        priest = actor("08_priest", {{"static_02", 1.0f}, {"rot_02", 1.0f}});
        girl = actor("09_girl", {{"static", 1.0f}});
        gem = prop("06_03_tolvane");
        keis = prop("06_03_keis_anim");
        virus = prop("06_03_virus.scene");
        // The pictures' groups start on no camera's flags at all, so that
        // the flag the pictures add shows.
        for (CObject** group : {&priestGroup, &girlGroup})
        {
            *group = prop(group == &priestGroup ? "08_priest.scene" : "09_girl.scene");
            (*group)->getNode()->getAttachedObject(0)->setVisibilityFlags(0);
        }
        for (int n = 1; n <= 12; ++n)
            cell[n] = prop(text("06_03_virus1_%02d", n));
        room = scene("06_03_scene");
        forgetTold();
    }

    static float alpha(const char* material)
    {
        return unit(material, 1, 0)->getAlphaBlendMode().alphaArg2;
    }
    std::string at(int n) const
    {
        const Ogre::Vector3 p = cell[n]->getNode()->getPosition();
        return text("(%g, %g, %g)", p.x, p.y, p.z);
    }

    CObject* left = nullptr;
    CObject* right = nullptr;
    CAnimatableObject* hero = nullptr;
    CAnimatableObject* priest = nullptr;
    CAnimatableObject* girl = nullptr;
    CObject* gem = nullptr;
    CObject* keis = nullptr;
    CObject* virus = nullptr;
    CObject* priestGroup = nullptr;
    CObject* girlGroup = nullptr;
    CObject* cell[13] = {};
    CObject* room = nullptr;
};

TEST_F(Scene0603, TheDialogIsAskedAndItsEndAnswersTheInterface)
{
    for (CObject* o : {static_cast<CObject*>(priest), static_cast<CObject*>(girl), gem, keis, virus})
        EXPECT_FALSE(shown(o)) << o->getNodeName();
    hero->getNode()->getAttachedObject(0)->setVisible(false);

    engine->notify(room, 100);
    engine->frames(2);
    EXPECT_TRUE(shown(hero));
    EXPECT_EQ(told("00_sfx_env"), Told({"5008"}));
    EXPECT_EQ(told("02_dialogs"), Told({"6051 from 06_03_scene"}));
    EXPECT_EQ(told("00_game_interface"), Told());

    engine->notify(room, 6051, spy("02_dialogs"));
    engine->frames(2);
    EXPECT_EQ(told("00_game_interface"), Told({"100 from 06_03_scene"}));
}

TEST_F(Scene0603, ThePriestAndTheGirlTakeTheirPlacesInTheirPictures)
{
    engine->notify(room, 101);
    engine->frames(2);
    EXPECT_TRUE(shown(left));
    EXPECT_FALSE(shown(right));
    EXPECT_TRUE(shown(priest));
    EXPECT_EQ(visibilityFlags(priestGroup), 1024u);
    EXPECT_EQ(visibilityFlags(girlGroup), 0u);
    EXPECT_EQ(placed(priest), "(-195.25, 702.728, -305.145) turned -90");
    EXPECT_EQ(points(priest), Told({"static_02 x-1 + rot_02 x-1"}));
    EXPECT_TRUE(priest->isRunning());

    engine->notify(room, 201);
    engine->frames(2);
    EXPECT_FALSE(shown(left));
    EXPECT_FALSE(shown(priest));
    EXPECT_FALSE(priest->isRunning());

    engine->notify(room, 103);
    engine->frames(2);
    EXPECT_TRUE(shown(right));
    EXPECT_TRUE(shown(girl));
    EXPECT_EQ(visibilityFlags(girlGroup), 1024u);
    EXPECT_EQ(placed(girl), "(-175.426, 835.928, -249.877) turned -90");
    EXPECT_EQ(points(girl), Told({"static x-1"}));
    EXPECT_EQ(playing(girl), "static");

    engine->notify(room, 203);
    engine->frames(2);
    EXPECT_FALSE(shown(right));
    EXPECT_FALSE(shown(girl));
    EXPECT_FALSE(girl->isRunning());
}

TEST_F(Scene0603, ThePriestsLipsWithoutAVoiceAskNothingOfTheSoundCore)
{
    // The priest's talk point plays "rot_02" over sound 0, which holds no
    // sound: the lip layer asks its loudness every frame and gets full
    // loudness, without a log line each time.
    engine->notify(room, 101);
    engine->frames(2);
    engine->clearLog();
    engine->frames(30);
    EXPECT_TRUE(priest->isRunning());
    EXPECT_EQ(engine->log().find("SFX_CORE"), std::string::npos) << engine->log();
}

TEST_F(Scene0603, TheGemAndTheCaseShowOnTheRightPlaneUntilTheirStop)
{
    struct Case
    {
        int start, stop;
        CObject* prop;
    };
    for (const Case& c : {Case{102, 202, gem}, Case{104, 204, keis}})
    {
        CObject* shownProp = c.prop;
        engine->notify(room, c.start);
        engine->frames(2);
        EXPECT_TRUE(shown(right)) << c.start;
        EXPECT_FALSE(shown(left)) << c.start;
        EXPECT_TRUE(shown(shownProp)) << c.start;
        engine->notify(room, c.stop);
        engine->frames(2);
        EXPECT_FALSE(shown(right)) << c.stop;
        EXPECT_FALSE(shown(shownProp)) << c.stop;
    }

    // The next picture takes the view over from one still showing.
    engine->notify(room, 102);
    engine->frames(2);
    engine->notify(room, 101);
    engine->frames(2);
    EXPECT_FALSE(shown(right));
    EXPECT_TRUE(shown(left));

    // Codes beside the dialog's steps change nothing.
    for (int code : {106, 206})
        engine->notify(room, code);
    engine->frames(2);
    EXPECT_TRUE(shown(left));
    EXPECT_EQ(told("00_game_interface"), Told());
}

TEST_F(Scene0603, TheVirusCellsDriftAlongXAndWrapAtTheBoxSide)
{
    engine->notify(room, 105);
    engine->frame(0.001f);
    EXPECT_TRUE(shown(virus));
    EXPECT_TRUE(shown(left));
    EXPECT_FLOAT_EQ(alpha("06_03_virus_fon"), 0.0f);
    EXPECT_FLOAT_EQ(alpha("06_03_virus1_01"), 0.0f);

    // One second: each cell moves by its own speed, along X only; cell 1
    // (20 a second) from -220, cell 12 (40 a second) from -320.
    engine->frame(1.0f);
    EXPECT_EQ(at(1), "(-200, 885, -173)");
    EXPECT_EQ(at(12), "(-280, 850, -135)");
    EXPECT_EQ(at(6), "(-293, 880, -120)");

    // Cell 1 passes X = -200 and comes back in at the lower side with the
    // overshoot; cell 2 (22 a second) did so in the first second already.
    engine->frame(0.5f);
    EXPECT_EQ(at(1), "(-313, 885, -173)");
    EXPECT_EQ(at(2), "(-310, 845, -115)");

    // The background stays clear for five seconds, then fades in over two.
    for (int i = 0; i < 3; ++i)
        engine->frame(1.0f);
    EXPECT_FLOAT_EQ(alpha("06_03_virus_fon"), 0.0f);
    engine->frame(1.0f); // the fade timer fires
    engine->frame(1.0f);
    EXPECT_FLOAT_EQ(alpha("06_03_virus_fon"), 0.5f);
    EXPECT_FLOAT_EQ(alpha("06_03_virus1_01"), 0.5f);
    engine->frames(3, 1.0f);
    EXPECT_FLOAT_EQ(alpha("06_03_virus_fon"), 1.0f);

    // The virus goes: the cells stand still.
    engine->notify(room, 205);
    engine->frames(2);
    EXPECT_FALSE(shown(virus));
    EXPECT_FALSE(shown(left));
    const std::string stopped = at(12);
    engine->frames(2, 0.5f);
    EXPECT_EQ(at(12), stopped);

    // Back again: every cell from its start, the background at once.
    engine->notify(room, 105);
    engine->frame(0.001f);
    engine->frame(0.5f);
    EXPECT_EQ(at(12), "(-300, 850, -135)");
    EXPECT_FLOAT_EQ(alpha("06_03_virus_fon"), 1.0f);
}

TEST_F(Scene0603, ClearPutsTheRoomBackAndRestartsTheProfessor)
{
    engine->notify(room, 100);
    engine->notify(room, 101);
    engine->notify(room, 105);
    engine->frames(2);
    forgetTold();

    engine->notify(room, 1100);
    engine->frames(2);
    for (CObject* o : {static_cast<CObject*>(hero), static_cast<CObject*>(priest), static_cast<CObject*>(girl), gem,
                       keis, virus, left})
        EXPECT_FALSE(shown(o)) << o->getNodeName();
    EXPECT_FALSE(priest->isRunning());
    EXPECT_EQ(told("01_cam_move"), Told({"5101"}));
    EXPECT_EQ(told("06_02_scene"), Told({"100 from 06_03_scene"}));

    const std::string stopped = at(3);
    engine->frames(2, 0.5f);
    EXPECT_EQ(at(3), stopped);
}
} // namespace
