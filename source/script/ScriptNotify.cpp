// The script API's notifications from one script to another.
#include "VirtualScript.h"

#include "Application.h"
#include "Log.h"
#include "Object.h"

#include <OgreSceneNode.h>

void CVirtualScript::sendNotify(OBJECT_HANDLE target, OBJECT_HANDLE sender, int code)
{
    CMessage msg;
    msg.target = gObjectCollector.get(target);
    msg.sender = gObjectCollector.get(sender);
    msg.type = MSG_NOTIFY;
    msg.setWord(0, code);
    // The camera mover answers within the sender's handler, so that a turn
    // or cut it is told about takes effect before the sender goes on.
    if (msg.target && msg.target->getNode() && msg.target->getNode()->getName() == "01_cam_move")
    {
        if (CVirtualScript* script = msg.target->getScript())
            script->dispatch(msg);
        return;
    }
    gApp.postMessage(msg);
}

void CVirtualScript::sendNotifyByName(const String& name, int code, OBJECT_HANDLE sender)
{
    sendNotify(gApp.findObjectHandle(name), sender, code);
}
