#include "BoardGame.h"

#include "SfxCore.h"

#include <cmath>

namespace MiniGame
{
namespace
{
const int kEffectsGroup = 1;
} // namespace

void CSoundSet::load(std::initializer_list<const char*> names)
{
    unload();
    for (const char* name : names)
        mIds.push_back(CSfxCore::loadSound(name, 1));
}

void CSoundSet::play(int i) const
{
    if (i >= 0 && i < static_cast<int>(mIds.size()) && mIds[i] > 0)
        CSfxCore::playSound(mIds[i], kEffectsGroup, 0, 0);
}

void CSoundSet::unload()
{
    // A sound that never loaded has no slot to free.
    for (int id : mIds)
        if (id > 0)
            CSfxCore::freeSound(id);
    mIds.clear();
}

float interp(float x1, float x2, float a)
{
    return (1.0f - a) * x1 + a * x2;
}

vec3 interp(const vec3& from, const vec3& to, float a)
{
    return vec3(interp(from.x, to.x, a), interp(from.y, to.y, a), interp(from.z, to.z, a));
}

float cubeFunc(float x)
{
    return 2.9444f * x * x * x - 6.8167f * x * x + 4.8722f * x;
}

void CBoardPointer::read(float depth)
{
    mouse.read();
    cursor = vec3(mouse.x, mouse.y, depth);
    CVirtualScript::screenToPlane(cursor, planePoint);
}

bool CBoardPointer::clickWanted() const
{
    return mouse.pressed() || (mouse.released() && dragState == kDragging);
}

void CBoardPointer::followDrag()
{
    if (dragState == kGrabbed && mouse.buttonNow &&
        (std::fabs(planePoint.x - pressPoint[0]) > dragThreshold ||
         std::fabs(planePoint.y - pressPoint[1]) > dragThreshold))
        dragState = kDragging;
}

void CBoardPointer::grab()
{
    dragState = kGrabbed;
    pressPoint[0] = planePoint.x;
    pressPoint[1] = planePoint.y;
}
} // namespace MiniGame
