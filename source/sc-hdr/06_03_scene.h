// The script registered as "06_03_scene.sc": room 06_03's cut scene.  On
// 100 the hero stands in the room and dialog 6051 plays; at the dialog's
// steps a picture of another place (the priest, the green gem, the girl, the
// case, and last the virus, twelve cells drifting in a box) shows on one of
// two planes through the one render-to-texture view and goes again.  The
// dialog's end completes the interface's task; the clear code puts the room
// back and restarts the professor's loop in room 06_02.
#pragma once

#include "00_msg.h"
#include "rttview.h"

class sc_06_03_scene : public virtual CodeScript, public sc_00_msg, public sc_rttview
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_03_scene(int mostDerived = 1) : sc_00_msg(0), sc_rttview(0)
    {
        (void)mostDerived;
    }

    /// The space a cell drifts in.
    struct Box
    {
        vec3 lower = vec3::ZERO;
        vec3 upper = vec3::ZERO;
    };
    /// One virus cell; handle 0 is an empty slot.
    struct Movable
    {
        OBJECT_HANDLE handle = 0;
        vec3 position = vec3::ZERO;
        Box box;
        vec3 speed = vec3::ZERO; ///< units per second
    };

    void ON_CREATE() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;

    void start();
    void stop();
    void clear();
    void start_priest();
    void stop_priest();
    void start_tolvane();
    void stop_tolvane();
    void start_girl();
    void stop_girl();
    void start_keis();
    void stop_keis();
    void start_virus();
    void stop_virus();
    /// The twelve cells at their start places, the background at the
    /// current fade level.
    void init_cells();
    /// The cells one frame on; the background fades in once the fade timer
    /// has fired.
    void processVirus();
    void processMovable(Movable& cell, float step);
    /// value, wrapped back to the box's lower side once it passes upper.
    static float normalizeValue(float value, float lower, float upper);
    /// Each coordinate through normalizeValue, held to a thousandth.
    static vec3 normalizeVec3(const Box& box, const vec3& v);

    OBJECT_HANDLE cam_move = 0;
    float base_speed = 30.0f;
    Movable cells[20];
    OBJECT_HANDLE dialogs = 0;
    OBJECT_HANDLE tolvane = 0;
    OBJECT_HANDLE girl = 0;
    OBJECT_HANDLE hero = 0;
    int fading = 0;
    OBJECT_HANDLE keis = 0;
    String plane_left = "rtt_plane_left";
    String plane_right = "rtt_plane_right";
    OBJECT_HANDLE priest = 0;
    RTTView view;
    int virus_timer = 0; ///< 0: none
    int fade_timer = 0;  ///< 0: none
    float fade_level = 0.0f;

private:
    /// The view on plane, its camera riding the skeleton times times, the
    /// picture fading in.
    void showPicture(const String& plane, const char* skeleton, int times);
    void setVirusAlpha();
};
