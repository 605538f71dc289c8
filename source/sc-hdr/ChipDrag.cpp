#include "ChipDrag.h"

#include "Trace.h"

#include <cmath>

void CChipDrag::dragTick(const MiniGame::Mouse& mouse, const vec3& point, float threshold)
{
    TQ_TRACE(" dragTick(const MiniGame::Mouse &mouse, const vec3 &point, float threshold)");
    if (mouse.pressed())
        click();
    if (mouse.released() && dragState == kDragging)
        click();
    if (dragState == kGrabbed && mouse.buttonNow &&
        (std::fabs(point.x - pressPoint[0]) > threshold || std::fabs(point.y - pressPoint[1]) > threshold))
        dragState = kDragging;
}

void CChipDrag::click()
{
    TQ_TRACE(" click()");
    if (dragState == kIdle)
        select();
    else if (dragState == kDragging)
        deselect();
}

void CChipDrag::grab(const vec3& point)
{
    TQ_TRACE(" grab(const vec3 &point)");
    dragState = kGrabbed;
    pressPoint[0] = point.x;
    pressPoint[1] = point.y;
}

void CChipDrag::drop()
{
    TQ_TRACE(" drop()");
    dragState = kIdle;
}
