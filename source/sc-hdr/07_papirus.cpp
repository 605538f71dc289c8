#include "07_papirus.h"

#include "Loc7Scene.h"
#include "Trace.h"

void sc_07_papirus::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
}

void sc_07_papirus::ON_TIME(int id)
{
    TQ_TRACE(" ON_TIME(int id)");
    (void)id;
}

void sc_07_papirus::ON_NOTIFY(int code, OBJECT_HANDLE sender)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE sender)");
    (void)sender;
    if (code == 100)
        start();
    else if (code == 200)
        stop();
}

void sc_07_papirus::start()
{
    TQ_TRACE(" start()");
    Loc7Scene::showParchment(true);
}

void sc_07_papirus::stop()
{
    TQ_TRACE(" stop()");
    Loc7Scene::showParchment(false);
}
