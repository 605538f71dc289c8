#include "MiniGame.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"

namespace MiniGame
{
bool frameCode(CFramedGame& game, int code, OBJECT_HANDLE self, OBJECT_HANDLE from)
{
    switch (code)
    {
    case kStart:
        game.startGame(from);
        return true;
    case kResultShown:
        CVirtualScript::sendNotifyByName("00_minigame_starter", kStart, self);
        return true;
    case kClose:
        game.quitGame();
        return true;
    case kSave:
        game.saveGame();
        CVirtualScript::sendNotifyByName("interface", 100, 0);
        return true;
    case kHint:
        game.showHint();
        return true;
    case kPause:
        game.paused = 1;
        return true;
    case kResume:
        game.paused = 0;
        return true;
    default:
        return false;
    }
}

String sceneGroup(const String& game)
{
    return game + ".scene";
}

void hideBoard(const String& game)
{
    CVirtualScript::setVisibleByName(sceneGroup(game), false);
}

void showBoard(const String& game)
{
    CVirtualScript::setVisibleByName(sceneGroup(game), true);
    CVirtualScript::setParentByName("Camera", sceneGroup(game));
}

void putBoardAway(const String& game)
{
    CVirtualScript::setParentByName("", sceneGroup(game));
    CVirtualScript::setVisibleByName(sceneGroup(game), false);
}

void announceWin(OBJECT_HANDLE self)
{
    Log::print("\nYOU WIN !!!");
    CVirtualScript::sendNotifyByName("00_minigame_interf", kResultShown, self);
}

void sendHint(int hintCode)
{
    CVirtualScript::sendNotifyByName("interface", hintCode, 0);
}

bool hintsInGames()
{
    return CVirtualScript::getConfigI("show_hint_in_minigames") != 0;
}

void Mouse::read()
{
    buttonBefore = buttonNow;
    const CInput* input = gApp.mInput;
    if (!input)
        return;
    x = input->mCursorX;
    y = input->mCursorY;
    buttonNow = input->mLeftDown ? 1 : 0;
}
} // namespace MiniGame
