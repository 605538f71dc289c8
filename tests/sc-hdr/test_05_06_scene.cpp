// The worker's worried scene by the wagons: 101 starts it and opens the two
// wagon zones, 100 ends it with the answer 101.
#include "05_06_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

class Scene0506 : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        spies({"01_cam_move", "00_movies", "00_game_interface", "05_03_Vagon_msz", "05_03_Vagon2_msz"});
        worker = actor("01_hero_worker", {{"dress_worry_static_02", 10.0f}});
        CVirtualScript::setVisible(worker->getHandle(), false);
        room = scene("05_06_scene");
        forgetTold();
    }
    CAnimatableObject* worker = nullptr;
    CObject* room = nullptr;
};

TEST_F(Scene0506, OneHundredAndOneStartsAndOneHundredEnds)
{
    engine->notify(room, 101);
    engine->frames(2);
    EXPECT_EQ(told("00_movies"), Told({"5013"}));
    EXPECT_EQ(told("01_cam_move"), Told({"5317"}));
    EXPECT_TRUE(shown(worker));
    EXPECT_EQ(placed(worker), "(7616, 194, 0) turned -17");
    EXPECT_EQ(points(worker), Told({"dress_worry_static_02 x1"}));
    EXPECT_EQ(playing(worker), "dress_worry_static_02");
    engine->frames(2);
    EXPECT_EQ(told("05_03_Vagon_msz"), Told({"100 from 05_06_scene"}));
    EXPECT_EQ(told("05_03_Vagon2_msz"), Told({"300"}));
    EXPECT_EQ(told("00_game_interface"), Told());

    engine->notify(room, 100);
    engine->frames(2);
    EXPECT_EQ(told("00_game_interface"), Told({"101 from 05_06_scene"}));
    EXPECT_TRUE(worker->mPointList.empty());
    EXPECT_FALSE(worker->isRunning());
}
} // namespace
