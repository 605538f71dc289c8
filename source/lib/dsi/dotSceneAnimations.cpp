// The hand-over of a node's animation layers and skeletons to its game
// object.  The layers themselves are played by CAnimatableObject.
#include "dsi/dotSceneLoaderImpl-0.2.0.h"

#include "dsi/dotSceneInfo.h"

#include "AnimatableObject.h"
#include "Hero.h"
#include "Object.h"

#include <OgreAnimationState.h>

#include <algorithm>

namespace dsi
{
void addAnimationLayer(CObject* object, const animationLayerDesc& layer)
{
    // Only animated objects keep layers; the hero links its fixed set itself.
    CAnimatableObject* animated = dynamic_cast<CAnimatableObject*>(object);
    if (!animated)
        return;
    animated->addAnimation(layer.animName, layer.skeleton, layer.moveSpeed, layer.blendPercent, layer.blendSpeed,
                           layer.layer);
    if (!layer.hasRotSpeed && !layer.hasBlendFrames)
        return;
    CAnimatableObject::AnimLayer* added = animated->getLayer(animated->findAnimation(layer.animName));
    if (!added)
        return;
    if (layer.hasRotSpeed)
        added->rotSpeed = layer.rotSpeed;
    if (layer.hasBlendFrames)
        added->blendTime = std::min(layer.blendFrames * 0.04f, added->state->getLength() * 0.5f);
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
