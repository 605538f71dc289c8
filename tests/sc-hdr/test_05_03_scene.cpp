// The three dialogs of room 05_03, each answered with the code that started
// it, and the clear code that puts the room back.
#include "05_03_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

class Scene0503 : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface", "05_02_scene"});
        hero = prop("01_hero");
        worker = prop("01_hero_worker");
        room = scene("05_03_scene");
        forgetTold();
    }
    CObject* hero = nullptr;
    CObject* worker = nullptr;
    CObject* room = nullptr;
};

TEST_F(Scene0503, EachDialogIsAnsweredWithTheCodeThatStartedIt)
{
    struct Case
    {
        int start;
        int dialog;
    };
    const Case cases[] = {{200, 5051}, {102, 5052}, {103, 5053}};
    for (const Case& c : cases)
    {
        engine->notify(room, c.start);
        engine->frames(2);
        EXPECT_EQ(told("02_dialogs"), Told({std::to_string(c.dialog) + " from 05_03_scene"})) << c.start;
        EXPECT_EQ(told("00_game_interface"), Told()) << c.start;

        engine->notify(room, c.dialog, spy("02_dialogs"));
        engine->frames(2);
        EXPECT_EQ(told("00_game_interface"), Told({std::to_string(c.start) + " from 05_03_scene"})) << c.start;
    }
    // Again, and an answer without its start: each code works whenever it comes.
    engine->notify(room, 5053, spy("02_dialogs"));
    engine->notify(room, 200);
    engine->frames(2);
    EXPECT_EQ(told("00_game_interface"), Told({"103 from 05_03_scene"}));
    EXPECT_EQ(told("02_dialogs"), Told({"5051 from 05_03_scene"}));
}

TEST_F(Scene0503, ClearHidesTheHeroesCutsBackAndWakesTheWoman)
{
    engine->notify(room, 1100);
    engine->frames(2);
    EXPECT_FALSE(shown(hero));
    EXPECT_FALSE(shown(worker));
    EXPECT_EQ(told("01_cam_move"), Told({"5101"}));
    EXPECT_EQ(told("05_02_scene"), Told({"100 from 05_03_scene"}));
    EXPECT_EQ(told("02_dialogs"), Told());
    EXPECT_EQ(told("00_game_interface"), Told());
}
} // namespace
