#include "00_minigame_starter.h"

#include "Application.h"
#include "Log.h"
#include "Trace.h"

namespace
{
/// One row of the game table.
struct GameRow
{
    int game;
    const char* object;
    int cameraIn;
    int cameraBack;
};

// Numbers without a row (17 to 21, 23, 24, 26, 27, 29) are panels inside
// their rooms and never pass through the starter.  Game 11's object does
// not follow its number.
const GameRow kGames[] = {
    {1, "01_minigame_01", 5104, 5104},
    {2, "02_minigame_02", 5309, 5301},
    {3, "02_minigame_03", 5302, 5302},
    {4, "03_minigame_04", 5105, 5102},
    {5, "03_minigame_05", 5405, 5405},
    {6, "03_minigame_06", 5609, 5601},
    {7, "04_minigame_07", 5311, 5301},
    {8, "04_minigame_08", 5405, 5405},
    {9, "04_minigame_09", 5511, 5511},
    {10, "05_minigame_10", 5608, 5608},
    {11, "06_minigame_131", 5405, 5402},
    {12, "05_minigame_12", 5608, 5601},
    {13, "06_minigame_13", 5102, 5102},
    {14, "06_minigame_14", 5701, 5701},
    {15, "06_minigame_15", 5407, 5407},
    {16, "03_minigame_16", 5510, 5504},
    {22, "04_06_az_generator_koda_mg", 5608, 5601},
    {25, "05_minigame_25", 5402, 5301},
    {28, "06_minigame_28", 5207, 5202},
    {30, "06_minigame_30", 5601, 5701},
    {31, "03_minigame_31", 5304, 5304},
    {32, "01_minigame_32", 5110, 5101},
    {33, "01_minigame_33", 5108, 5108},
    {34, "02_minigame_34", 5201, 5201},
    {35, "04_minigame_35", 5202, 5202},
    {36, "03_minigame_36", 5602, 5602},
};

/// The one game entered without fade and camera cut.
const int kGameWithoutFade = 30;
} // namespace

bool sc_00_minigame_starter::getParam(int number, OBJECT_HANDLE& object, int& cameraIn, int& fade)
{
    TQ_TRACE(" getParam(int game, OBJECT_HANDLE &minigame, int &camera_msg, int &need_fade)");
    fade = 1;
    game = number;
    for (const GameRow& row : kGames)
    {
        if (row.game != number)
            continue;
        object = gApp.findObjectHandle(row.object);
        cameraIn = row.cameraIn;
        back_msg = row.cameraBack;
        if (number == kGameWithoutFade)
            fade = 0;
        return true;
    }
    return false;
}

void sc_00_minigame_starter::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    loader = gApp.findObjectHandle("00_loader");
    fader = gApp.findObjectHandle("00_fader");
    cam_move = gApp.findObjectHandle("01_cam_move");
    interf = gApp.findObjectHandle("00_minigame_interf");
    if (menuMode())
        sendNotify(getOwner(), 0, getConfigI("game_state") + 1000);
}

void sc_00_minigame_starter::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
}

bool sc_00_minigame_starter::menuMode()
{
    const int gameState = getConfigI("game_state");
    return gameState >= 1 && gameState <= 49;
}

bool sc_00_minigame_starter::takeRequest(int code, OBJECT_HANDLE from)
{
    // An unknown number or a game missing from the scene would otherwise
    // start the game asked for before, or leave the rooms unclickable behind
    // pick mask 2 with nothing to play: such a request is refused whole.
    const int gameBefore = game;
    const int backBefore = back_msg;
    OBJECT_HANDLE object = 0;
    int cameraIn = 0;
    int fade = 1;
    const bool known = getParam(code - 1000, object, cameraIn, fade);
    if (!known)
        Log::print("\nWARNING: 00_minigame_starter: there is no mini-game %d", code - 1000);
    if (!known || !object)
    {
        game = gameBefore;
        back_msg = backBefore;
        // With no game running the requester is answered at once, so that
        // it leaves its mini-game mode instead of waiting for a game that
        // never starts; a running game's requester waits for that game.
        if (from && state == 0)
            sendNotify(from, getOwner(), code);
        return false;
    }
    need_fade = fade;
    requester = from;
    requester_msg = code;
    minigame = object;
    camera_msg = cameraIn;
    return true;
}

void sc_00_minigame_starter::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    Log::print("\n* * * * %d", code);
    const OBJECT_HANDLE self = getOwner();

    // Pause and resume pass in either mode, even to no game at all.
    if (code == 1400 || code == 1500)
    {
        sendNotify(minigame, 0, code);
        return;
    }

    if (menuMode())
    {
        if (code >= 1000 && code <= 1099)
        {
            if (!takeRequest(code, from))
                return;
            sendNotify(minigame, 0, 1200);
            setCursorMode(0);
        }
        else if (code == 1200)
        {
            sendNotify(loader, self, 1200);
            sendNotify(minigame, 0, 1300);
        }
        return;
    }

    if (code >= 1000 && code <= 1099)
    {
        if (!takeRequest(code, from))
            return;
        setCursorMode(-1);
        if (need_fade == 1)
        {
            sendNotify(fader, self, camera_msg);
        }
        else
        {
            setCursorMode(0);
            sendNotify(minigame, 0, 1200);
        }
        state = 1;
        gApp.setPickMask(2);
        return;
    }

    switch (code)
    {
    case 100:
        if (state == 1)
        {
            setCursorMode(0);
            sendNotify(minigame, 0, 1200);
        }
        else if (state == 2)
        {
            sendNotify(minigame, 0, 1300);
            sendNotify(requester, self, requester_msg);
            sendNotify(interf, 0, 100);
            gApp.setPickMask(1);
            setCursorMode(0);
        }
        break;
    case 1200:
        Log::print("\ncamera_back\n");
        sendNotify(fader, self, back_msg);
        state = 2;
        break;
    case 1201:
        if (game == 22 || game == 28)
        {
            sendNotify(minigame, 0, 2500);
        }
        else
        {
            sendNotify(fader, self, back_msg);
            state = 2;
        }
        break;
    case 1300:
        sendNotify(loader, self, 1501);
        sendNotify(minigame, 0, 1300);
        sendNotify(cam_move, 0, back_msg);
        gApp.setPickMask(1);
        break;
    case 1501:
        sendNotify(requester, self, requester_msg);
        break;
    case 2000:
    case 2010:
        if (minigame)
            sendNotify(minigame, 0, code);
        break;
    default:
        break;
    }
}
