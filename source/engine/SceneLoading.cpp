// Scene loading, unloading and the loading screen.
#include "Scene.h"

void Scene::loadScene(const std::string&, bool) {}

#include "Application.h"

void CApplication::enableCompositors(bool enable)
{
    mCompositors = enable;
}
