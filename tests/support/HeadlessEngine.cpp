#include "HeadlessEngine.h"

#include "Log.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <cstdio>
#include <stdexcept>

namespace tq
{
std::vector<std::string>& RecordingScript::calls()
{
    static std::vector<std::string> list;
    return list;
}

std::vector<std::string> RecordingScript::callsOf(const std::string& label)
{
    std::vector<std::string> result;
    const std::string prefix = label + ":";
    for (const std::string& call : calls())
        if (call.compare(0, prefix.size(), prefix) == 0)
            result.push_back(call.substr(prefix.size()));
    return result;
}

std::string RecordingScript::point(const vec3& p)
{
    char text[96];
    std::snprintf(text, sizeof(text), "%g,%g,%g", p.x, p.y, p.z);
    return text;
}

HeadlessEngine::HeadlessEngine(const std::string& resourcesCfg)
{
    Log::captureBegin();
    if (!gApp.setupHeadless(resourcesCfg))
        throw std::runtime_error("headless set-up failed");
    gApp.mLog = false;
    frame(0.001f);
    RecordingScript::calls().clear();
}

HeadlessEngine::~HeadlessEngine()
{
    Log::captureEnd();
}

namespace
{
Ogre::SceneNode* makeNode(const std::string& name, Ogre::SceneNode* parent)
{
    if (!parent)
        parent = gApp.mSceneMgr->getRootSceneNode();
    return parent->createChildSceneNode(name);
}

void bind(CObject* object, Ogre::SceneNode* node)
{
    object->mNode = node;
    object->mSceneFile = "test.scene";
    node->setListener(object);
    CMessage create;
    create.target = object;
    create.type = MSG_CREATE;
    gApp.postMessage(create);
}
} // namespace

CObject* HeadlessEngine::addObject(const std::string& nodeName, const std::string& script,
                                   Ogre::SceneNode* parent)
{
    Ogre::SceneNode* node = makeNode(nodeName, parent);
    CObject* object = script.empty() ? new CObject() : new CObject(script);
    bind(object, node);
    return object;
}

CObject* HeadlessEngine::addObjectWithScript(const std::string& nodeName, CVirtualScript* script,
                                             Ogre::SceneNode* parent)
{
    Ogre::SceneNode* node = makeNode(nodeName, parent);
    CObject* object = new CObject();
    script->init(nodeName + ".sc", "General");
    object->mScript = script;
    script->setOwner(object->getHandle());
    bind(object, node);
    return object;
}

CObject* HeadlessEngine::addRecorder(const std::string& nodeName, Ogre::SceneNode* parent)
{
    return addObjectWithScript(nodeName, new RecordingScript(nodeName), parent);
}

bool HeadlessEngine::frame(float seconds)
{
    return gApp.frameStep(seconds);
}

void HeadlessEngine::frames(int n, float seconds)
{
    for (int i = 0; i < n; ++i)
        frame(seconds);
}

void HeadlessEngine::postButton(CObject* target, bool down, const vec3& point)
{
    CMessage msg;
    msg.target = target;
    msg.type = down ? MSG_LBUTTONDOWN : MSG_LBUTTONUP;
    msg.setReal(0, point.x);
    msg.setReal(1, point.y);
    msg.setReal(2, point.z);
    gApp.postMessage(msg);
}

void HeadlessEngine::click(CObject* target, const vec3& point)
{
    postButton(target, true, point);
    postButton(target, false, point);
}

void HeadlessEngine::hover(CObject* target)
{
    if (gApp.mHovered == target)
        return;
    if (gApp.mHovered)
    {
        gApp.mHovered->mHovered = false;
        CMessage lost;
        lost.target = gApp.mHovered;
        lost.type = MSG_KILLFOCUS;
        gApp.postMessage(lost);
    }
    gApp.mHovered = target;
    if (target)
    {
        target->mHovered = true;
        CMessage got;
        got.target = target;
        got.type = MSG_SETFOCUS;
        gApp.postMessage(got);
    }
}

void HeadlessEngine::notify(CObject* target, int code, CObject* sender)
{
    CVirtualScript::sendNotify(target ? target->getHandle() : 0, sender ? sender->getHandle() : 0, code);
}

std::string HeadlessEngine::log() const
{
    return Log::captured();
}

void HeadlessEngine::clearLog()
{
    Log::captureBegin();
}
} // namespace tq
