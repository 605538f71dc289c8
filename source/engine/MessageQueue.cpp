// The message queue.
#include "Application.h"

bool CApplication::postMessage(const CMessage& msg)
{
    mMessages.push_back(msg);
    return true;
}

void CApplication::postLoadScene(const std::string&) {}
void CApplication::postUnloadScene() {}
CObject* CApplication::findObject(const std::string&)
{
    return nullptr;
}
OBJECT_HANDLE CApplication::findObjectHandle(const std::string&)
{
    return 0;
}
CObject* CApplication::findObjectByNode(Ogre::SceneNode*)
{
    return nullptr;
}
void CApplication::processMessages()
{
    mMessages.clear();
}
void CApplication::destroyObject(CObject*) {}
