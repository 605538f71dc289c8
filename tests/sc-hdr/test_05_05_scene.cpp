// The four dialogs of room 05_05, with the third and fourth paired with
// dialogs 5057 and 5056, and the clear code that sends the worker man back.
#include "05_05_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

class Scene0505 : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface", "05_04_scene"});
        worker = prop("01_hero_worker");
        room = scene("05_05_scene");
        forgetTold();
    }
    CObject* worker = nullptr;
    CObject* room = nullptr;
};

TEST_F(Scene0505, EachDialogIsAnsweredWithTheCodeThatStartedIt)
{
    struct Case
    {
        int start;
        int dialog;
    };
    const Case cases[] = {{100, 5054}, {101, 5055}, {102, 5057}, {103, 5056}};
    for (const Case& c : cases)
    {
        engine->notify(room, c.start);
        engine->frames(2);
        EXPECT_EQ(told("02_dialogs"), Told({std::to_string(c.dialog) + " from 05_05_scene"})) << c.start;

        engine->notify(room, c.dialog, spy("02_dialogs"));
        engine->frames(2);
        EXPECT_EQ(told("00_game_interface"), Told({std::to_string(c.start) + " from 05_05_scene"})) << c.start;
    }
}

TEST_F(Scene0505, ClearSendsTheWorkerManBackAndPutsTheWorkerAway)
{
    engine->notify(room, 1100);
    engine->frames(2);
    EXPECT_EQ(told("05_04_scene"), Told({"100 from 05_05_scene"}));
    EXPECT_EQ(told("01_cam_move"), Told({"5301"}));
    EXPECT_FALSE(shown(worker));
    EXPECT_EQ(told("00_game_interface"), Told());
}
} // namespace
