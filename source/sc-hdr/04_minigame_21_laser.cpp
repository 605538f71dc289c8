#include "04_minigame_21_laser.h"

#include "Application.h"
#include "ScriptObject.h"
#include "Trace.h"

namespace
{
const char* const kScreen = "04_04_LazPushka_ekran";
} // namespace

void sc_04_minigame_21_laser::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
}

void sc_04_minigame_21_laser::ON_NOTIFY(int code, OBJECT_HANDLE from)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE from)");
    if (code == 250)
    {
        requester = from;
        start1();
    }
}

void sc_04_minigame_21_laser::start1()
{
    TQ_TRACE(" start1()");
    // A second request starts the fade again with one tick.
    ScriptObject::stopFrameTimer(getOwner(), timer);
    timer = ScriptObject::startFrameTimer(getOwner());
    setVisible(gApp.findObjectHandle(kScreen), true);
    setVisible(gApp.findObjectHandle("04_Proektor_svet"), true);
    materialSetColour(kScreen, 1.0f, 1.0f, 1.0f, 1);
    level = 0.0f;
}

void sc_04_minigame_21_laser::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    if (id != timer || timer == 0)
        return;
    level += 0.6f * ScriptObject::frameSeconds();
    materialSetColour(kScreen, 1.0f - level, 1.0f - level, 1.0f - level, 1);
    if (level > 1.0f)
    {
        ScriptObject::stopFrameTimer(getOwner(), timer);
        sendNotify(requester, getOwner(), 250);
    }
}
