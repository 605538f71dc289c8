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
} // namespace Scene
