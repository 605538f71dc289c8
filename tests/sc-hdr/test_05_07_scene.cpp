// The camera ride of room 05_07: the hatch lamp a second before the ride's
// end, the side zone at its end, the answer on the camera's echo, and the
// clear code that gives the end state at once and stops the timeline.
#include "05_07_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

const char* const kLamp = "05_02_Luk/05_02_Luk3_lamp2";

class Scene0507 : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        spies({"01_cam_move", "00_game_interface", "05_07_scene_msz"});
        material(kLamp);
        hatch = prop("05_02_Ljuk_Door", 7);
        group = prop("05_05_room.scene");
        group->getEntity()->setVisibilityFlags(1);
        room = scene("05_07_scene");
        forgetTold();
    }

    /// Game time goes on by ms milliseconds.
    void pass(int ms)
    {
        for (; ms >= 100; ms -= 100)
            engine->frame(0.1f);
        if (ms > 0)
            engine->frame(ms / 1000.0f);
    }
    bool lit() const { return subMaterial(hatch, 6) == kLamp; }

    CObject* hatch = nullptr;
    CObject* group = nullptr;
    CObject* room = nullptr;
};

TEST_F(Scene0507, TheLampLightsASecondBeforeTheZoneOpensAtTheRidesEnd)
{
    engine->notify(room, 100);
    engine->frame(0.001f);
    EXPECT_EQ(told("01_cam_move"), Told({"5201", "10507 from 05_07_scene"}));
    EXPECT_EQ(visibilityFlags(group), 3u);

    pass(3200);
    EXPECT_FALSE(lit());
    pass(100);
    EXPECT_TRUE(lit());
    EXPECT_EQ(subMaterial(hatch, 0), "BaseWhite");
    EXPECT_EQ(told("05_07_scene_msz"), Told());
    pass(1000);
    engine->frame();
    EXPECT_EQ(told("05_07_scene_msz"), Told({"100"}));

    engine->notify(room, 10507, spy("01_cam_move"));
    engine->frames(2);
    EXPECT_EQ(told("00_game_interface"), Told({"101 from 05_07_scene"}));
}

TEST_F(Scene0507, ClearGivesTheEndStateWithOrWithoutTheRide)
{
    for (bool ride : {false, true})
    {
        if (ride)
        {
            hatch->getEntity()->getSubEntity(6)->setMaterialName("BaseWhite");
            engine->notify(room, 100);
            pass(1000);
        }
        forgetTold();
        engine->notify(room, 1100);
        engine->frames(2);
        EXPECT_TRUE(lit()) << ride;
        EXPECT_EQ(told("05_07_scene_msz"), Told({"105"})) << ride;
        EXPECT_EQ(visibilityFlags(group), 1u) << ride;
        EXPECT_EQ(told("00_game_interface"), Told()) << ride;
    }
    // The ride's timers are gone: nothing opens the zone later.
    hatch->getEntity()->getSubEntity(6)->setMaterialName("BaseWhite");
    pass(5000);
    EXPECT_FALSE(lit());
    EXPECT_EQ(told("05_07_scene_msz"), Told());
}
} // namespace
