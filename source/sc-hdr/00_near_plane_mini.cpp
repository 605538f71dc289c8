#include "00_near_plane_mini.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

void sc_00_near_plane_mini::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    cur_cam = getObjParamI(mOwner, "cur_cam");
    cam_in_msg = getObjParamI(mOwner, "cam_in_msg");
    cam_out_msg = getObjParamI(mOwner, "cam_out_msg");
    fader = gApp.findObjectHandle("00_fader");
    game_interface = gApp.findObjectHandle("00_game_interface");
    minigame_script = ScriptObject::handleFromParam(mOwner, "minigame_script");
}

void sc_00_near_plane_mini::fly_in()
{
    TQ_TRACE(" fly_in()");
    sendNotify(game_interface, mOwner, 303);
    fly_in2();
}

void sc_00_near_plane_mini::fly_in2()
{
    TQ_TRACE(" fly_in2()");
    Log::print("\nfly_in\n");
    state = 1;
    setCursorMode(1);
    cut(cam_in_msg);
}

void sc_00_near_plane_mini::cut(int code)
{
    TQ_TRACE(" cut(int code)");
    if (fader)
    {
        sendNotify(fader, mOwner, code);
        return;
    }
    // Without the fader nobody would answer, and the interface that 303
    // deactivated would wait for ever: cut without the fade, and take both
    // of the fader's answers at once.
    Log::print("\nWARNING: 00_near_plane_mini: no 00_fader, code %d cuts without a fade", code);
    sendNotifyByName("01_cam_move", code, 0);
    faderAnswer(100);
    faderAnswer(code);
}

void sc_00_near_plane_mini::faderAnswer(int param)
{
    TQ_TRACE(" faderAnswer(int param)");
    if (param == 100 && state == 1)
        sendNotify(minigame_script, mOwner, 1);
    else if (param == cam_in_msg && state == 1)
    {
        state = 2;
        sendNotify(game_interface, mOwner, 2);
        gApp.setPickMask(2);
        sendNotify(minigame_script, mOwner, 10);
    }
    else if (param == 100 && state == 3)
    {
        sendNotify(minigame_script, mOwner, 2);
        if (finished == 1)
        {
            sendNotify(game_interface, mOwner, 111);
            setVisible(mOwner, false);
        }
        sendNotifyByName("interface", 5000, 0);
    }
    else if (param == cam_out_msg && state == 3)
    {
        state = 0;
        sendNotify(game_interface, mOwner, 1);
        gApp.setPickMask(1);
    }
}

void sc_00_near_plane_mini::ON_SETFOCUS()
{
    TQ_TRACE(" ON_SETFOCUS()");
    if (ScriptObject::cameraMatches(cur_cam) && getVarI("az_sparkle") != 0)
        setCursorMode(3);
}

void sc_00_near_plane_mini::ON_KILLFOCUS()
{
    TQ_TRACE(" ON_KILLFOCUS()");
    if (ScriptObject::cameraMatches(cur_cam))
        setCursorMode(1);
}

void sc_00_near_plane_mini::ON_LBUTTONUP()
{
    TQ_TRACE(" ON_LBUTTONUP()");
    if (state == 0 && getConfigI("drag_item") == 0 && ScriptObject::cameraMatches(cur_cam))
        fly_in();
}

void sc_00_near_plane_mini::ON_NOTIFY(int param, OBJECT_HANDLE src)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE src)");
    // A missing object has handle 0; a notification without sender is
    // never taken for one of its answers.
    const bool fromFader = src != 0 && src == fader;

    if (param == 1400 || param == 1500)
        sendNotify(minigame_script, 0, param);
    else if (param == 111 && src != 0 && src == game_interface)
    {
        finished = 0;
        setVisible(mOwner, true);
    }
    else if (param == 2000)
    {
        Log::print("\n start near plane mini");
        fly_in();
    }

    // The fader's two answers, going in and going out.
    if (fromFader)
        faderAnswer(param);

    if (param == 1 && state == 2)
    {
        state = 3;
        cut(cam_out_msg);
    }

    if (param == 555 && src != 0 && src == minigame_script && state == 2)
    {
        sendNotify(game_interface, 0, 999);
        finished = 1;
    }
    else if (param == 444)
        fly_in2();
    else if (param == 2010)
        sendNotify(minigame_script, 0, 2010);
}
