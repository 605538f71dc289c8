// The professor's loop of room 06_02 from creation on, the three dialogs
// answered with their own codes, and the clear code.
#include "06_02_scene.h"
#include "RoomSceneFixture.h"

namespace
{
using tq::Told;

const Told kLoop = {"static_01 x1", "static_02 x1", "static_01 x2", "static_03 x1"};

class Scene0602 : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        spies({"01_cam_move", "02_dialogs", "00_game_interface"});
        hero = prop("01_hero_worker");
        professor = actor("03_professor", {{"static_01", 0.1f}, {"static_02", 0.1f}, {"static_03", 0.1f}});
        CVirtualScript::setVisible(professor->getHandle(), false);
        room = scene("06_02_scene");
        forgetTold();
    }

    void expectLooping()
    {
        EXPECT_TRUE(shown(professor));
        EXPECT_EQ(placed(professor), "(-191.664, 216.186, -0.183) turned -48.686");
        EXPECT_EQ(points(professor), kLoop);
        EXPECT_EQ(professor->mLoop, 1);
        EXPECT_EQ(playing(professor), "static_01");
    }

    CObject* hero = nullptr;
    CAnimatableObject* professor = nullptr;
    CObject* room = nullptr;
};

TEST_F(Scene0602, TheProfessorLoopsFromCreationAndAgainOnHundredAndClear)
{
    expectLooping();
    engine->frames(40); // more than one round
    EXPECT_TRUE(professor->isRunning());

    for (int code : {100, 1100})
    {
        professor->stop();
        professor->getNode()->setPosition(0, 0, 0);
        engine->notify(room, code);
        engine->frames(2);
        expectLooping();
    }
    EXPECT_FALSE(shown(hero));
    EXPECT_EQ(told("01_cam_move"), Told({"5101"}));
    EXPECT_EQ(told("00_game_interface"), Told());
}

TEST_F(Scene0602, EachDialogIsAnsweredWithItsOwnCodeWhateverStartedIt)
{
    struct Case
    {
        int start;
        int dialog;
    };
    const Case cases[] = {{200, 6054}, {201, 6052}, {202, 6053}};
    for (const Case& c : cases)
    {
        engine->notify(room, c.start);
        engine->frames(2);
        EXPECT_EQ(told("02_dialogs"), Told({std::to_string(c.dialog) + " from 06_02_scene"})) << c.start;
    }
    for (const Case& c : cases)
    {
        engine->notify(room, c.dialog, spy("02_dialogs"));
        engine->frames(2);
        EXPECT_EQ(told("00_game_interface"), Told({std::to_string(c.start) + " from 06_02_scene"})) << c.start;
    }
}
} // namespace
