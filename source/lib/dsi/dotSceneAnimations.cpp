// The hand-over of a node's animation layers and skeletons to its game
// object.  The layers themselves are played by CAnimatableObject.
#include "dsi/dotSceneLoaderImpl-0.2.0.h"

#include "dsi/dotSceneInfo.h"

#include "Object.h"

namespace dsi
{
void addAnimationLayer(CObject* object, const animationLayerDesc& layer)
{
    // Animation layers are not played yet: they are read and checked so
    // that the file loads, and handed over once the animated objects keep
    // them.
    (void)object;
    (void)layer;
}

void initObjectSkeleton(CObject* object, nodeObjectType type)
{
    (void)object;
    (void)type;
}
} // namespace dsi
