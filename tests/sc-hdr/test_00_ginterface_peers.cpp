// The in-game interface with its real peers on the headless engine: the
// mini-game starter refusing a game it does not know, and the dialog player
// asked for a dialog that has no content.  Either way the interface's task
// is answered and the thread goes on, out of mini-game or dialog mode.
#include "GInterfaceFixture.h"

#include <gtest/gtest.h>

namespace
{
using GI = sc_00_ginterface;

class Peers : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        spies({"00_loader", "00_hint", "interface", "01_cam_move", "journal", "00_sfx_env"});
        prop("00_minigame_starter", "00_minigame_starter.sc");
        prop("02_dialogs", "02_dialogs.sc");
        start();
    }
    void play()
    {
        notify(555);
        notify(550);
    }
};

TEST_F(Peers, AnUnknownMiniGameIsAnsweredAndTheInterfaceLeavesMiniGameMode)
{
    gi->threadAdd();
    gi->taskAddMiniGame("00_minigame_starter", 1099);
    gi->taskAddSetParam("after_game", 1);
    play();
    engine.frames(4);
    EXPECT_NE(engine.log().find("there is no mini-game 99"), std::string::npos);
    EXPECT_EQ(var("after_game"), 1);
    EXPECT_EQ(gi->playMode, 1);
    EXPECT_EQ(gi->inventoryDisabled, 0);
    EXPECT_EQ(gApp.mPickMask, 1u);
}

TEST_F(Peers, AnUnknownDialogIsAnsweredAtOnceWithAWarning)
{
    gi->threadAdd();
    gi->taskAddDialog(7000);
    gi->taskAddSetParam("after_dialog", 1);
    play();
    engine.frames(4);
    EXPECT_NE(engine.log().find("there is no dialog 7000"), std::string::npos);
    EXPECT_EQ(var("after_dialog"), 1);
    EXPECT_EQ(gi->interfaceActive, 1);
    EXPECT_EQ(CVirtualScript::getConfigI("is_dialog_start"), 0);
}
} // namespace
