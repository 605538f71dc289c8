// The script base: message dispatch to the handler slots.
#include "CodeScript.h"

#include "Log.h"
#include "Object.h"

#include <exception>

CVirtualScript::~CVirtualScript() = default;

bool CodeScript::init(const String& fileName, const String&)
{
    mName = fileName;
    Log::print("\nCodeScript %s... ", mName.c_str());
    return true;
}

void CodeScript::setOwner(OBJECT_HANDLE owner)
{
    mOwner = owner;
}

void CodeScript::dispatch(CMessage& msg)
{
    try
    {
        switch (msg.type)
        {
        case MSG_CREATE:
            ON_CREATE();
            break;
        case MSG_DESTROY:
            ON_DESTROY();
            break;
        case MSG_TIME:
            ON_TIME();
            ON_TIME(msg.word(1));
            break;
        case MSG_LBUTTONDOWN:
            ON_LBUTTONDOWN();
            ON_LBUTTONDOWN(vec3(msg.real(0), msg.real(1), msg.real(2)));
            break;
        case MSG_LBUTTONUP:
            ON_LBUTTONUP();
            ON_LBUTTONUP(vec3(msg.real(0), msg.real(1), msg.real(2)));
            break;
        case MSG_SETFOCUS:
            ON_SETFOCUS();
            break;
        case MSG_KILLFOCUS:
            ON_KILLFOCUS();
            break;
        case MSG_NOTIFY:
            ON_NOTIFY();
            ON_NOTIFY(msg.word(0));
            ON_NOTIFY(msg.word(0), msg.sender ? msg.sender->getHandle() : 0);
            break;
        case MSG_SOUND:
            ON_SOUND();
            ON_SOUND(msg.word(0));
            break;
        case MSG_ACTIVATE:
            ON_ACTIVATE();
            break;
        case MSG_RESERVED:
            ON_RESERVED();
            break;
        default:
            break;
        }
    }
    catch (const std::exception&)
    {
        // OGRE's exceptions derive from std::exception; a handler that fails
        // in the standard library is reported the same way, and the script
        // stays bound for its next message.
        Log::print("\nERROR: Exception in script %s\n", mName.c_str());
        return;
    }
    if (msg.type != MSG_TIME)
        Log::print("\nMessage %d (%d) in script %s", msg.type, msg.word(0), mName.c_str());
}
