// Scene loading and picking.
#pragma once

#include <string>

namespace Scene
{
void initGame();
/// Loads a room: the static geometry "world" around the .scene file.
/// "start.scene", or any scene when immediate, loads without the loading
/// screen.
void loadScene(const std::string& name, bool immediate);
/// Runs the .scene loader on one file of a resource group ("General" when
/// empty), with the loading listener unless immediate, then shows the
/// scene's first camera.  A file that fails to load is logged; the game
/// goes on with what was made.
void loadSceneFile(const std::string& name, const std::string& group, bool immediate = false);
/// true hides every overlay; false every overlay but the three loader
/// overlays.
void hideOverlays(bool all);
/// Enables or disables the post effects, only while the application's
/// compositors flag is set.
void setCompositors(bool enable);
/// Finds the object under the cursor and sends focus changes.
void pickObject();
/// Posts the button message (down: 3, else 4) with the picked point to the
/// hovered object; a held button sends no second down.
void sendMouseButton(bool down);
/// The wheel: turns the camera through the camera mover.
void turnCameraByWheel(float delta);
} // namespace Scene
