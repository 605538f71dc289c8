// Small helpers that the clickable zone scripts share: the parameter keys of
// numbered families, object names of handles, the camera test of a hot spot
// and the per-frame timer on the script's own object.
#pragma once

#include "VirtualScript.h"

namespace HotSpot
{
/// base + n as at least two digits + suffix ("cond_", 3, "_param" gives
/// "cond_03_param").
String indexedKey(const String& base, int n, const String& suffix = String());
/// The scene node name of the object, "" for handle 0 or a free slot.
String nodeName(OBJECT_HANDLE obj);
/// The handle of the object named by the string parameter key of owner:
/// 0 without the parameter, 0 with the engine's warning when no object has
/// that name.
OBJECT_HANDLE handleFromParam(OBJECT_HANDLE owner, const String& key);
/// True when the camera condition is 0 or equals the game variable
/// "cur_cam".
bool cameraMatches(int curCam);
/// The game variable "<node name of obj>@<key>" as an int.
int objectState(OBJECT_HANDLE obj, const String& key);
/// Sets the game variable "<node name of obj>@<key>".
void setObjectState(OBJECT_HANDLE obj, const String& key, int value);
/// A timer of 1 ms with endless repeats on owner's object: its time
/// message is the frame tick.  The id, or 0 when owner has no object.
int startFrameTimer(OBJECT_HANDLE owner);
/// Kills the timer id of owner's object (0 does nothing) and sets id to 0.
void stopFrameTimer(OBJECT_HANDLE owner, int& id);
/// Seconds of the current frame.
float frameSeconds();
/// Whether the left mouse button is held (false without an input layer).
bool leftButtonDown();
} // namespace HotSpot
