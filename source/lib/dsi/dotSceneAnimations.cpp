// The hand-over of a node's animation layers and skeletons to its game
// object.  The layers themselves are played by CAnimatableObject.
#include "dsi/dotSceneLoaderImpl-0.2.0.h"

#include "dsi/dotSceneInfo.h"

#include "AnimatableObject.h"
#include "Hero.h"
#include "Object.h"

#include <OgreAnimationState.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace dsi
{
void addAnimationLayer(CObject* object, const animationLayerDesc& layer)
{
    CAnimatableObject* animated = dynamic_cast<CAnimatableObject*>(object);
    if (!animated)
    {
        const char* node = object ? object->getNodeName() : nullptr;
        logWarning("animation '" + layer.animName + "' on '" + (node ? node : "") +
                   "', which is no animated object, will skip it...");
        return;
    }
    animated->addAnimation(layer.animName, layer.skeleton, layer.moveSpeed, layer.blendPercent, layer.blendSpeed,
                           layer.layer);
    if (!layer.hasRotSpeed && !layer.hasBlendFrames)
        return;
    const int index = animated->findAnimation(layer.animName);
    CAnimatableObject::AnimLayer* added = index >= 0 ? animated->getLayer(index) : nullptr;
    if (!added)
        return;
    if (layer.hasRotSpeed)
        added->rotSpeed = layer.rotSpeed;
    if (layer.hasBlendFrames)
    {
        // Frames of 0.04 s, at most half of the animation.
        float blend = layer.blendFrames * 0.04f;
        if (added->state)
            blend = std::min(blend, added->state->getLength() * 0.5f);
        added->blendTime = std::max(blend, 0.0f);
    }
}

void initObjectSkeleton(CObject* object, nodeObjectType type)
{
    if (type == NODE_OBJECT_HERO)
    {
        if (CHero* hero = dynamic_cast<CHero*>(object))
            hero->initSkeletons();
    }
    else if (type == NODE_OBJECT_ANIMATED)
    {
        if (CAnimatableObject* animated = dynamic_cast<CAnimatableObject*>(object))
            animated->initBones();
    }
}
} // namespace dsi
