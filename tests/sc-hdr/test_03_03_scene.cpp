// The lord and the villain in room 03_03 on the headless engine: the start,
// the camera flight's echo that places them and starts the dialog, the
// dialog's echo that answers, and the clearing.
#include "03_03_scene.h"
#include "ActorSceneFixture.h"

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;
using Calls = std::vector<std::string>;

class LordScene : public ::testing::Test, public tq::ActorSceneFixture
{
protected:
    LordScene()
        : ActorSceneFixture({"01_cam_move", "02_dialogs", "00_movies", "00_sfx_env", "00_game_interface",
                        "03_panno_drakon", "03_03_az_kartina2_msz"})
    {
        lord = actor("02_lord", {});
        villain = actor("04_villain", {});
        room = scene("03_03_scene");
    }

    void send(int code)
    {
        engine->notify(room, code);
        engine->frames(2);
    }

    CAnimatableObject* lord = nullptr;
    CAnimatableObject* villain = nullptr;
    CObject* room = nullptr;
};

TEST_F(LordScene, FlightThenDialogThenAnswer)
{
    EXPECT_FALSE(shown("04_villain"));
    EXPECT_TRUE(shown("02_lord"));

    send(100);
    EXPECT_EQ(notes("00_sfx_env"), Calls{note(5005, nullptr)});
    EXPECT_EQ(notes("00_movies"), Calls{note(3041, nullptr)});
    EXPECT_EQ(notes("01_cam_move"), Calls{note(10302, room)});
    EXPECT_EQ(notes("03_panno_drakon"), Calls{note(100, nullptr)});
    EXPECT_EQ(notes("03_03_az_kartina2_msz"), Calls{note(100, nullptr)});
    EXPECT_TRUE(notes("02_dialogs").empty());

    send(10302);
    EXPECT_EQ(notes("01_cam_move"), (Calls{note(10302, room), note(5433, nullptr)}));
    EXPECT_NEAR(at("02_lord").x, 737.676f, 1e-3f);
    EXPECT_NEAR(turn("02_lord"), 130.8f, 1e-3f);
    EXPECT_NEAR(at("04_villain").y, 962.732f, 1e-3f);
    EXPECT_NEAR(turn("04_villain"), -47.5f, 1e-3f);
    // Placed, not shown: the villain stays hidden.
    EXPECT_FALSE(shown("04_villain"));
    EXPECT_EQ(notes("02_dialogs"), Calls{note(3062, room)});
    EXPECT_TRUE(notes("00_game_interface").empty());

    send(3062);
    EXPECT_EQ(notes("00_game_interface"), Calls{note(100, room)});
}

TEST_F(LordScene, ClearingCutsBackAndHidesBoth)
{
    send(100);
    send(1100);
    EXPECT_EQ(notes("01_cam_move").back(), note(5302, nullptr));
    EXPECT_FALSE(shown("02_lord"));
    EXPECT_FALSE(shown("04_villain"));
    EXPECT_TRUE(notes("00_game_interface").empty());
}
}
