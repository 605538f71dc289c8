// Picking and button messages.
#include "Scene.h"

void Scene::pickObject() {}
