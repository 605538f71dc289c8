// The concrete script base: the message dispatcher and the 17 handler slots.
//
// Every script class derives VIRTUALLY from CodeScript, so that a script that
// also derives from a shared intermediate base (sc_00_msg, sc_rttview) still
// holds exactly one CodeScript part, the one the engine calls.  Each script
// overrides only the handlers it needs; for one message the form without
// arguments runs first.
#pragma once

#include "VirtualScript.h"

class CodeScript : public CVirtualScript
{
public:
    CodeScript() = default;
    ~CodeScript() override = default;

    /// Calls the slots of msg's type; catches what a handler throws.
    void dispatch(CMessage& msg) override;
    /// Stores the name and logs it; the group is not used.
    bool init(const String& fileName, const String& group) override;
    void setOwner(OBJECT_HANDLE owner) override;

    // -- handler slots, in their fixed order ------------------------------
    virtual void ON_CREATE() {}
    virtual void ON_DESTROY() {}
    virtual void ON_TIME(int /*id*/) {}
    virtual void ON_TIME() {}
    virtual void ON_LBUTTONDOWN(vec3 /*point*/) {}
    virtual void ON_LBUTTONDOWN() {}
    virtual void ON_LBUTTONUP(vec3 /*point*/) {}
    virtual void ON_LBUTTONUP() {}
    virtual void ON_NOTIFY(int /*code*/) {}
    virtual void ON_NOTIFY(int /*code*/, OBJECT_HANDLE /*sender*/) {}
    virtual void ON_NOTIFY() {}
    virtual void ON_SOUND(int /*id*/) {}
    virtual void ON_SOUND() {}
    virtual void ON_SETFOCUS() {}
    virtual void ON_KILLFOCUS() {}
    virtual void ON_ACTIVATE() {}
    virtual void ON_RESERVED() {}
};
