// One record of the message queue.
#pragma once

#include <cstdint>
#include <cstring>

class CObject;

/// Message types.
enum MessageType : int32_t
{
    MSG_CREATE = 0,
    MSG_DESTROY = 1,
    MSG_TIME = 2,
    MSG_LBUTTONDOWN = 3,
    MSG_LBUTTONUP = 4,
    MSG_SETFOCUS = 5,
    MSG_KILLFOCUS = 6,
    MSG_NOTIFY = 7,
    MSG_SOUND = 8,
    MSG_ACTIVATE = 9,
    MSG_RESERVED = 10,
    MSG_LOADSCENE = 12,
    MSG_UNLOADSCENE = 13,
};

/// A fixed-size message record; every field is zeroed before it is filled.
struct CMessage
{
    char name[32];        ///< target's scene node name, used when target is null
    CObject* target;      ///< receiving object; null: the engine's own message
    CObject* sender;      ///< sending object, or null
    int32_t type;         ///< MessageType
    unsigned char params[64]; ///< three 32-bit words, or the scene name of a load

    CMessage() { std::memset(this, 0, sizeof(*this)); }

    int32_t word(int i) const
    {
        int32_t v;
        std::memcpy(&v, params + 4 * i, 4);
        return v;
    }
    void setWord(int i, int32_t v) { std::memcpy(params + 4 * i, &v, 4); }
    float real(int i) const
    {
        float v;
        std::memcpy(&v, params + 4 * i, 4);
        return v;
    }
    void setReal(int i, float v) { std::memcpy(params + 4 * i, &v, 4); }

    /// Copies the target's name; a name over 31 characters is refused with
    /// a log line and leaves the field empty.
    bool setName(const char* text);
    /// Copies a scene name into the parameter area; a name over 63
    /// characters is refused with a log line and leaves the area empty.
    bool setSceneName(const char* text);
    /// The scene name of a load record (always terminated).
    const char* sceneName() const { return reinterpret_cast<const char*>(params); }
};
