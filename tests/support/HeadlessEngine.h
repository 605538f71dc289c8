// The real engine without a window, for tests: the application object, its
// queue, the object collector, scene objects and scripts on an OGRE scene
// manager without render system.  A test adds objects with scripts, drives
// frames, clicks, focus changes and notifications, and reads the log.
#pragma once

#include "Application.h"
#include "CodeScript.h"
#include "Object.h"

#include <string>
#include <vector>

namespace Ogre
{
class SceneNode;
}

namespace tq
{
/// A script that records every handler call as text ("ON_TIME(101)"),
/// in one list shared by all recorders, prefixed with its node name.
class RecordingScript : public CodeScript
{
public:
    explicit RecordingScript(const std::string& label) : mLabel(label) {}

    /// Every call of every recorder, in order: "label:ON_NOTIFY(7,65537)".
    static std::vector<std::string>& calls();
    /// The calls of one label only, without the label.
    static std::vector<std::string> callsOf(const std::string& label);

    void ON_CREATE() override { add("ON_CREATE()"); }
    void ON_DESTROY() override { add("ON_DESTROY()"); }
    void ON_TIME(int id) override { add("ON_TIME(" + std::to_string(id) + ")"); }
    void ON_TIME() override { add("ON_TIME()"); }
    void ON_LBUTTONDOWN(vec3 p) override { add("ON_LBUTTONDOWN(" + point(p) + ")"); }
    void ON_LBUTTONDOWN() override { add("ON_LBUTTONDOWN()"); }
    void ON_LBUTTONUP(vec3 p) override { add("ON_LBUTTONUP(" + point(p) + ")"); }
    void ON_LBUTTONUP() override { add("ON_LBUTTONUP()"); }
    void ON_NOTIFY(int code) override { add("ON_NOTIFY(" + std::to_string(code) + ")"); }
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override
    {
        add("ON_NOTIFY(" + std::to_string(code) + "," + std::to_string(sender) + ")");
    }
    void ON_NOTIFY() override { add("ON_NOTIFY()"); }
    void ON_SOUND(int id) override { add("ON_SOUND(" + std::to_string(id) + ")"); }
    void ON_SOUND() override { add("ON_SOUND()"); }
    void ON_SETFOCUS() override { add("ON_SETFOCUS()"); }
    void ON_KILLFOCUS() override { add("ON_KILLFOCUS()"); }
    void ON_ACTIVATE() override { add("ON_ACTIVATE()"); }
    void ON_RESERVED() override { add("ON_RESERVED()"); }

private:
    static std::string point(const vec3& p);
    void add(const std::string& call) { calls().push_back(mLabel + ":" + call); }
    std::string mLabel;
};

class HeadlessEngine
{
public:
    /// Sets up gApp headless (resources from resourcesCfg when given),
    /// starts capturing the log and runs one empty frame, so that the
    /// activate messages of the first active frame are behind the test.
    explicit HeadlessEngine(const std::string& resourcesCfg = std::string());
    ~HeadlessEngine();

    HeadlessEngine(const HeadlessEngine&) = delete;
    HeadlessEngine& operator=(const HeadlessEngine&) = delete;

    /// A scene node named nodeName (under parent, or the root) with a
    /// CObject bound to the registered script (empty: none), set up as the
    /// scene loader does it, and its create message queued.
    CObject* addObject(const std::string& nodeName, const std::string& script = std::string(),
                       Ogre::SceneNode* parent = nullptr);
    /// The same with a script of the test's own (owned by the object from
    /// now on); init gets the name "<nodeName>.sc".
    CObject* addObjectWithScript(const std::string& nodeName, CVirtualScript* script,
                                 Ogre::SceneNode* parent = nullptr);
    /// An object with a RecordingScript labelled with its node name.
    CObject* addRecorder(const std::string& nodeName, Ogre::SceneNode* parent = nullptr);

    /// The object's script as a given class, or null.
    template <class T>
    static T* scriptOf(CObject* object)
    {
        return object ? dynamic_cast<T*>(object->getScript()) : nullptr;
    }

    /// One frame of the given length; the frame handler's result.
    bool frame(float seconds = 0.016f);
    /// n frames of the same length.
    void frames(int n, float seconds = 0.016f);

    /// A button message (3 down, 4 up) with the picked point, as input does.
    void postButton(CObject* target, bool down, const vec3& point = vec3::ZERO);
    /// Down and up on the target.
    void click(CObject* target, const vec3& point = vec3::ZERO);
    /// Moves the cursor onto an object (null: onto nothing): loss of focus
    /// for the previous hovered object, focus for the new one.
    void hover(CObject* target);
    /// A notification from sender (null: none) as a script sends it.
    void notify(CObject* target, int code, CObject* sender = nullptr);

    /// Everything logged since set-up or the last clearLog.
    std::string log() const;
    void clearLog();
};
} // namespace tq
