// Small services that scripts share about the object they are bound to and
// the objects they name: scene objects of handles, node names and the
// "<node name>@<key>" state variables, timers (a 1 ms endless timer is the
// frame tick), the frame's length, the keys of numbered parameter families,
// the camera test of a hot spot and the mouse button.
#pragma once

#include "VirtualScript.h"

#include <cstdint>

class CObject;

namespace ScriptObject
{
/// The scene object of a handle, or null.
CObject* of(OBJECT_HANDLE handle);
/// The scene node name of the object, "" for handle 0, a free slot or an
/// object without node.
String nodeName(OBJECT_HANDLE obj);
/// The name of the object-state variable "<node name>@<key>".
String varName(OBJECT_HANDLE obj, const String& key);
/// The game variable "<node name of obj>@<key>" as an int.
int objectState(OBJECT_HANDLE obj, const String& key);
/// Sets the game variable "<node name of obj>@<key>".
void setObjectState(OBJECT_HANDLE obj, const String& key, int value);

/// A timer on the object; 0 when the object is missing or its timers are
/// all in use.
int startTimer(OBJECT_HANDLE handle, uint32_t intervalMs, int repeats);
/// Stops a timer of the object; id 0 does nothing.
void stopTimer(OBJECT_HANDLE handle, int id);
/// A timer of 1 ms with endless repeats on the object: its time message is
/// the frame tick.  The id, or 0 when there is no object.
int startFrameTimer(OBJECT_HANDLE owner);
/// Stops the timer id of owner's object (0 does nothing) and sets id to 0.
void stopFrameTimer(OBJECT_HANDLE owner, int& id);
/// Seconds of the current frame, from the engine's whole milliseconds.
float frameSeconds();

/// base + n as at least two digits + suffix ("cond_", 3, "_param" gives
/// "cond_03_param").
String indexedKey(const String& base, int n, const String& suffix = String());
/// The handle of the object named by the string parameter key of owner:
/// 0 without the parameter, 0 with the engine's warning when no object has
/// that name.
OBJECT_HANDLE handleFromParam(OBJECT_HANDLE owner, const String& key);
/// True when the camera condition is 0 or equals the game variable
/// "cur_cam".
bool cameraMatches(int curCam);
/// The cursor came onto a hot spot: the highlighted cursor while the
/// hot-spot sparkle is on ("az_sparkle"), and the hot spot's hint text
/// (none for hint 0).
void hotSpotHovered(OBJECT_HANDLE owner, int hint);
/// The cursor left the hot spot: the plain cursor, and the hint hidden.
void hotSpotLeft(OBJECT_HANDLE owner, int hint);
/// Whether the left mouse button is held (false without an input layer).
bool leftButtonDown();
/// A random number from 0 to n - 1 (n > 0) from the script API's source.
int random(int n);
} // namespace ScriptObject
