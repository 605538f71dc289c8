// The script registered as "rttview.sc": the render-to-texture view base
// that room scripts include as a virtual base, as they include 00_msg.
//
// A camera on the object "CameraRtt" renders into a render-to-texture
// texture; the texture goes on a plane object hung under the room's main
// camera node "Camera", so the player sees a second view as a picture in
// the picture.  The RTT camera can ride on a bone of an animated object, and
// the picture can fade in over two seconds.  Each view is one RTTView record
// that the including script owns and hands to every operation; the
// including script's own object owns the fade timer and hears the end of
// the camera animation.
#pragma once

#include "CodeScript.h"

/// One view shown through a render-to-texture texture.
struct RTTView
{
    String texture_name;          ///< the render-to-texture texture
    int pass = 1;                 ///< pass of the plane's material that shows the view
    String material_name;         ///< material that receives the texture
    String camera_rtt_name;       ///< object that holds the RTT camera
    OBJECT_HANDLE camera_rtt = 0; ///< that object
    String camera_name;           ///< node of the main camera; the plane hangs under it
    String plane_name;            ///< plane that shows the view; empty: none
    float alpha = 1.0f;           ///< blend weight of the view on the plane
    int fade_timer = 0;           ///< running fade timer; 0: no fade
    OBJECT_HANDLE animated_node = 0; ///< object whose bone carries the camera; 0: none
    String bone_name;             ///< that bone
};

class sc_rttview : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_rttview(int mostDerived = 1)
    {
        (void)mostDerived;
    }
    ~sc_rttview() override;

    /// Fills the record for texture_name; touches nothing in the scene.
    void initRTTView(RTTView& rtt_view, const char* texture_name);
    /// Shows the view on plane_name: the texture into the plane's material,
    /// the plane under the main camera and visible, the texture updated.
    void setRTTView(RTTView& rtt_view, const char* plane_name);
    /// Undoes everything setRTTView and the animation and fade set up.
    void clearRTTView(RTTView& rtt_view);
    /// The texture is rendered every frame.
    void startRTTView(RTTView& rtt_view);
    /// The texture is no longer rendered.
    void stopRTTView(RTTView& rtt_view);
    /// Hangs the RTT camera on a bone of the named object.
    void setRTTViewCamAnimation(RTTView& rtt_view, const char* animated_node_name, const char* bone_name);
    /// Gives the RTT camera back to its own node.
    void clearRTTViewCamAnimation(RTTView& rtt_view);
    /// Plays the animation "a" of the animated object times times; the own
    /// object is notified at its end.
    void startRTTViewCamAnimation(RTTView& rtt_view, int times);
    /// The same with the animation "a" of the skeleton skeleton_name.
    void startRTTViewCamLinkedAnimation(RTTView& rtt_view, const char* skeleton_name, int times);
    /// Stops the animated object's animation without an end notification.
    void stopRTTViewCamAnimation(RTTView& rtt_view);
    /// The view's weight a on the plane: 0 washed-out white, 1 the view.
    void setRTTViewPlaneAlpha(RTTView& rtt_view, float a);
    /// Starts the fade in from 0 with a frame timer of the own object.
    void startRTTViewFadeOut(RTTView& rtt_view);
    /// One fade step; the including script calls it from its ON_TIME.
    void processRTTViewFadeOut(RTTView& rtt_view);
    /// Ends the fade at weight 1.
    void stopRTTViewFadeOut(RTTView& rtt_view);
};
