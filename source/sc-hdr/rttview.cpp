#include "rttview.h"

#include "Log.h"
#include "Application.h"
#include "Object.h"
#include "ScriptObject.h"
#include "Trace.h"

#include <OgreAnimationState.h>

namespace
{
// The object's handle, or 0 after the lookup's warning.
OBJECT_HANDLE handleOf(const String& name)
{
    return gApp.findObjectHandle(name);
}
} // namespace

sc_rttview::~sc_rttview() = default;

void sc_rttview::initRTTView(RTTView& rtt_view, const char* texture_name)
{
    TQ_TRACE(" initRTTView(RTTView& rtt_view, char* texture_name)");
    rtt_view.texture_name = texture_name ? texture_name : "";
    rtt_view.pass = 1;
    rtt_view.material_name.clear();
    rtt_view.camera_rtt_name = "CameraRtt";
    rtt_view.camera_rtt = handleOf(rtt_view.camera_rtt_name);
    rtt_view.camera_name = "Camera";
    rtt_view.plane_name.clear();
    rtt_view.alpha = 1.0f;
    rtt_view.fade_timer = 0;
    rtt_view.animated_node = 0;
    rtt_view.bone_name.clear();
}

void sc_rttview::setRTTView(RTTView& rtt_view, const char* plane_name)
{
    TQ_TRACE(" setRTTView(RTTView& rtt_view, char* plane_name)");
    clearRTTView(rtt_view);
    rtt_view.plane_name = plane_name ? plane_name : "";
    rtt_view.material_name = rtt_view.plane_name;
    materialSetTexturePassUnit(rtt_view.material_name, static_cast<uint16_t>(rtt_view.pass), 0,
                               rtt_view.texture_name);
    nodeSetParent(rtt_view.plane_name, rtt_view.camera_name);
    setVisible(handleOf(rtt_view.plane_name), true);
    startRTTView(rtt_view);
}

void sc_rttview::clearRTTView(RTTView& rtt_view)
{
    TQ_TRACE(" clearRTTView(RTTView& rtt_view)");
    clearRTTViewCamAnimation(rtt_view);
    stopRTTViewFadeOut(rtt_view);
    if (!rtt_view.plane_name.empty())
    {
        nodeReturnToRoot(rtt_view.plane_name);
        setVisible(handleOf(rtt_view.plane_name), false);
        rtt_view.plane_name.clear();
    }
    stopRTTView(rtt_view);
}

void sc_rttview::startRTTView(RTTView& rtt_view)
{
    TQ_TRACE(" startRTTView(RTTView& rtt_view)");
    rttSetAutoUpdated(rtt_view.texture_name, true);
}

void sc_rttview::stopRTTView(RTTView& rtt_view)
{
    TQ_TRACE(" stopRTTView(RTTView& rtt_view)");
    rttSetAutoUpdated(rtt_view.texture_name, false);
}

void sc_rttview::setRTTViewCamAnimation(RTTView& rtt_view, const char* animated_node_name, const char* bone_name)
{
    TQ_TRACE(" setRTTViewCamAnimation(RTTView& rtt_view, char* animated_node_name, char* bone_name)");
    clearRTTViewCamAnimation(rtt_view);
    rtt_view.animated_node = handleOf(animated_node_name ? animated_node_name : "");
    rtt_view.bone_name = bone_name ? bone_name : "";
    if (rtt_view.animated_node != 0)
        attachObjToBone(rtt_view.animated_node, rtt_view.camera_rtt, rtt_view.bone_name.c_str(), false);
}

void sc_rttview::clearRTTViewCamAnimation(RTTView& rtt_view)
{
    TQ_TRACE(" clearRTTViewCamAnimation(RTTView& rtt_view)");
    stopRTTViewCamAnimation(rtt_view);
    if (rtt_view.animated_node == 0)
        return;
    // Without a bone the API takes the camera that hangs under the RTT
    // object's name off the bones and gives it back to that object's node.
    attachObjToBone(rtt_view.animated_node, rtt_view.camera_rtt, nullptr, false);
    rtt_view.animated_node = 0;
    rtt_view.bone_name.clear();
}

void sc_rttview::startRTTViewCamAnimation(RTTView& rtt_view, int times)
{
    TQ_TRACE(" startRTTViewCamAnimation(RTTView& rtt_view, int times)");
    if (rtt_view.animated_node != 0)
        animPlay(rtt_view.animated_node, "a", times, getOwner());
}

void sc_rttview::startRTTViewCamLinkedAnimation(RTTView& rtt_view, const char* skeleton_name, int times)
{
    TQ_TRACE(" startRTTViewCamLinkedAnimation(RTTView& rtt_view, char* skeleton_name, int times)");
    if (rtt_view.animated_node != 0)
        startLinkedAnimation(rtt_view.animated_node, skeleton_name ? skeleton_name : "", "a", times, getOwner());
}

void sc_rttview::stopRTTViewCamAnimation(RTTView& rtt_view)
{
    TQ_TRACE(" stopRTTViewCamAnimation(RTTView& rtt_view)");
    if (rtt_view.animated_node == 0)
        return;
    Log::print("\nstopping ani");
    CObject* animated = ScriptObject::of(rtt_view.animated_node);
    if (animated && animated->mAnimState)
    {
        animated->mAnimState->setEnabled(false);
        animated->mAnimState->setLoop(false);
        animated->mAnimState = nullptr;
    }
}

void sc_rttview::setRTTViewPlaneAlpha(RTTView& rtt_view, float a)
{
    TQ_TRACE(" setRTTViewPlaneAlpha(RTTView& rtt_view, float a)");
    rtt_view.alpha = a;
    if (rtt_view.plane_name.empty())
        return;
    materialBlendColour(rtt_view.plane_name, 0, 0, 1.0f - a, 1.0f - a, 1.0f - a, 0);
    materialBlendColour(rtt_view.plane_name, 1, 0, a, a, a, 1);
}

void sc_rttview::startRTTViewFadeOut(RTTView& rtt_view)
{
    TQ_TRACE(" startRTTViewFadeOut(RTTView& rtt_view)");
    setRTTViewPlaneAlpha(rtt_view, 0.0f);
    ScriptObject::stopTimer(getOwner(), rtt_view.fade_timer);
    rtt_view.fade_timer = ScriptObject::startFrameTimer(getOwner());
}

void sc_rttview::processRTTViewFadeOut(RTTView& rtt_view)
{
    TQ_TRACE(" processRTTViewFadeOut(RTTView& rtt_view)");
    const float a = rtt_view.alpha + 0.5f * ScriptObject::frameSeconds();
    if (a <= 1.0f)
        setRTTViewPlaneAlpha(rtt_view, a);
    else
        stopRTTViewFadeOut(rtt_view);
}

void sc_rttview::stopRTTViewFadeOut(RTTView& rtt_view)
{
    TQ_TRACE(" stopRTTViewFadeOut(RTTView& rtt_view)");
    setRTTViewPlaneAlpha(rtt_view, 1.0f);
    if (rtt_view.fade_timer != 0)
    {
        ScriptObject::stopTimer(getOwner(), rtt_view.fade_timer);
        rtt_view.fade_timer = 0;
    }
}
