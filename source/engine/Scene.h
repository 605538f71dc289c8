// Scene loading and picking.
#pragma once

#include <string>

namespace Scene
{
void initGame();
/// Loads a .scene file; with a loading screen unless immediate.
void loadScene(const std::string& name, bool immediate);
/// Finds the object under the cursor and sends focus changes.
void pickObject();
/// Posts the button message (down: 3, else 4) with the picked point to the
/// hovered object; a held button sends no second down.
void sendMouseButton(bool down);
/// The wheel: turns the camera through the camera mover.
void turnCameraByWheel(float delta);
} // namespace Scene
