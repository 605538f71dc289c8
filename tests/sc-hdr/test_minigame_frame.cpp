// The frame's side of every framed mini-game on the headless engine: the
// codes a game takes from the frame, the board shown under the camera and
// put away, the win notice, the hint and the mouse's press and release.
#include "HeadlessEngine.h"
#include "Input.h"
#include "MiniGame.h"
#include "SpyNotes.h"

#include <OgreBillboardSet.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

namespace
{
using tq::note;
using tq::notes;

/// A game that only counts what the frame asked of it.
class CountingGame : public MiniGame::CFramedGame
{
public:
    void startGame(OBJECT_HANDLE from) override { started = from; }
    void quitGame() override { ++quits; }
    void saveGame() override { ++saves; }
    void showHint() override { ++hints; }
    OBJECT_HANDLE started = 0;
    int quits = 0, saves = 0, hints = 0;
};

class MiniGameFrame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* spy : {"00_minigame_starter", "00_minigame_interf", "interface"})
            engine.addRecorder(spy);
        self = engine.addRecorder("07_minigame_99");
        engine.frame();
        tq::RecordingScript::calls().clear();
    }
    tq::HeadlessEngine engine;
    CObject* self = nullptr;
    CountingGame game;
};

TEST_F(MiniGameFrame, FrameCodesReachTheGameAndItsAnswersGoOut)
{
    CObject* starter = gApp.findObject("00_minigame_starter");
    const OBJECT_HANDLE me = self->getHandle();
    EXPECT_TRUE(MiniGame::frameCode(game, 1200, me, starter->getHandle()));
    EXPECT_EQ(game.started, starter->getHandle());
    EXPECT_TRUE(MiniGame::frameCode(game, 1400, me, 0));
    EXPECT_EQ(game.paused, 1);
    EXPECT_TRUE(MiniGame::frameCode(game, 1500, me, 0));
    EXPECT_EQ(game.paused, 0);
    EXPECT_TRUE(MiniGame::frameCode(game, 2010, me, 0));
    EXPECT_TRUE(MiniGame::frameCode(game, 2000, me, 0));
    EXPECT_TRUE(MiniGame::frameCode(game, 1100, me, 0));
    EXPECT_TRUE(MiniGame::frameCode(game, 1300, me, 0));
    // A piece's codes are the game's own.
    for (int own : {10001, 20001, 30001, 40001, 100, 0})
        EXPECT_FALSE(MiniGame::frameCode(game, own, me, 0)) << own;
    EXPECT_EQ(game.hints, 1);
    EXPECT_EQ(game.saves, 1);
    EXPECT_EQ(game.quits, 1);

    engine.frame();
    // Saved: the profile is saved too; the result shown: back to the starter.
    EXPECT_EQ(notes("interface"), std::vector<std::string>{note(100, nullptr)});
    EXPECT_EQ(notes("00_minigame_starter"), std::vector<std::string>{note(1200, self)});
}

TEST_F(MiniGameFrame, TheBoardHangsUnderTheCameraWhileTheGameRuns)
{
    Ogre::SceneManager* scene = gApp.mSceneMgr;
    // Every node of a room is a scene object, the camera's node too.
    Ogre::SceneNode* camera = engine.addObject("Camera")->getNode();
    engine.addObject("07_minigame_99.scene");
    Ogre::SceneNode* board = scene->getSceneNode("07_minigame_99.scene");
    board->attachObject(scene->createBillboardSet("board_piece"));
    const auto shown = [&] { return board->getAttachedObject(0)->getVisible(); };

    MiniGame::hideBoard("07_minigame_99");
    EXPECT_FALSE(shown());
    MiniGame::showBoard("07_minigame_99");
    EXPECT_TRUE(shown());
    EXPECT_EQ(board->getParent(), camera);
    MiniGame::putBoardAway("07_minigame_99");
    EXPECT_FALSE(shown());
    EXPECT_EQ(board->getParent(), scene->getRootSceneNode());
}

TEST_F(MiniGameFrame, WinHintAndHintSetting)
{
    engine.clearLog();
    MiniGame::announceWin(self->getHandle());
    MiniGame::sendHint(16004);
    engine.frame();
    EXPECT_NE(engine.log().find("\nYOU WIN !!!"), std::string::npos);
    EXPECT_EQ(notes("00_minigame_interf"), std::vector<std::string>{note(1100, self)});
    EXPECT_EQ(notes("interface"), std::vector<std::string>{note(16004, nullptr)});

    EXPECT_FALSE(MiniGame::hintsInGames());
    CVirtualScript::setConfigI("show_hint_in_minigames", 1);
    EXPECT_TRUE(MiniGame::hintsInGames());
}

TEST_F(MiniGameFrame, TheMouseGivesPressAndReleaseEdgesOncePerTick)
{
    MiniGame::Mouse mouse;
    mouse.read(); // no input layer: nothing changes
    EXPECT_FALSE(mouse.pressed());

    CInput input(nullptr, -1, std::string());
    gApp.mInput = &input;
    input.mCursorX = 0.25f;
    input.mCursorY = 0.75f;
    input.mLeftDown = true;
    mouse.read();
    EXPECT_TRUE(mouse.pressed());
    EXPECT_FLOAT_EQ(mouse.x, 0.25f);
    EXPECT_FLOAT_EQ(mouse.y, 0.75f);
    mouse.read(); // held
    EXPECT_FALSE(mouse.pressed());
    EXPECT_FALSE(mouse.released());
    input.mLeftDown = false;
    mouse.read();
    EXPECT_TRUE(mouse.released());
    gApp.mInput = nullptr;
}
} // namespace
