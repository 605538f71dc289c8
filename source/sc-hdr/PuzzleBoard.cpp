#include "PuzzleBoard.h"

#include "SfxCore.h"

#include <cmath>

namespace PuzzleBoard
{
namespace
{
const float kDragThreshold = 0.1f;
const int kEffectsGroup = 1;
} // namespace

float interp(float x1, float x2, float a)
{
    return (1.0f - a) * x1 + a * x2;
}

float smoothStep(float t)
{
    return 3.0f * t * t - 2.0f * t * t * t;
}

float overshoot(float t)
{
    return 2.9444f * t * t * t - 6.8167f * t * t + 4.8722f * t;
}

float easeOut(float t)
{
    return t <= 1.0f ? (2.0f - t) * t : 1.0f;
}

float flash(float t)
{
    return 4.0f * t * (1.0f - t);
}

void Pointer::read()
{
    mouse.read();
    input = vec3(mouse.x, mouse.y, depth);
    CVirtualScript::screenToPlane(input, point);
}

bool Drag::clickDue(const MiniGame::Mouse& mouse) const
{
    return mouse.pressed() || (mouse.released() && state == kDragging);
}

void Drag::follow(const Pointer& pointer)
{
    if (state == kGrabbed && pointer.mouse.buttonNow &&
        (std::fabs(pointer.point.x - pressPoint.x) > kDragThreshold ||
         std::fabs(pointer.point.y - pressPoint.y) > kDragThreshold))
        state = kDragging;
}

void Sounds::load(std::initializer_list<const char*> names)
{
    free();
    for (const char* name : names)
        ids.push_back(CSfxCore::loadSound(name, 1));
}

void Sounds::play(int index) const
{
    if (index >= 0 && index < static_cast<int>(ids.size()) && ids[index] > 0)
        CSfxCore::playSound(ids[index], kEffectsGroup, 0, 0);
}

void Sounds::free()
{
    for (int id : ids)
        if (id > 0)
            CSfxCore::freeSound(id);
    ids.clear();
}
} // namespace PuzzleBoard
