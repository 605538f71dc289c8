// The camera mover "02_cam_move.sc", script of the object "01_cam_move" of
// every location scene: the player's place (location, room, camera), the
// flights of the view between cameras and rooms, which room geometry and
// room lights show, and the flashlight view of the dark places.  Other
// scripts move the view only by notification codes; the requester of a
// flight gets its code back when the flight has ended.
#pragma once

#include "00_msg.h"

#include <cstdint>

class sc_02_cam_move : public sc_00_msg, public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_cam_move(int mostDerived = 1);

    static const int kLocations = 6;
    static const int kRooms = 10;
    static const int kCameras = 4;

    /// The flashlight view: a full-screen overlay whose panel can follow the
    /// cursor together with the spot light "Spot_fonarik".
    struct CameraPlane
    {
        String overlay;
        String panel;
        String material;
        int attached = 0;         ///< 1 while the flashlight follows the cursor
        int timer = 0;            ///< id of the 1 ms timer, 0 none
        OBJECT_HANDLE fonarik = 0; ///< "Spot_fonarik", 0 when missing
    };

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE src) override;

    /// "cur_loc".
    int getCurLevel();
    int getCurRoom();
    int getPrevRoom();
    int getCurCam();
    int getPrevCam();
    /// "prev_room" := "cur_room", then "cur_room" := room.
    void setCurRoom(int room);
    /// "prev_cam" := "cur_cam", then "cur_cam" := cam.
    void setCurCam(int cam);

    /// Stores the left and right neighbours of a camera.
    void roomSetCameraLinks(int loc, int room, int cam, int left_cam, int right_cam);
    /// Stores the camera at which a move from from_room into room arrives.
    void roomSetStartCam(int loc, int room, int from_room, int cam);
    /// The neighbour of (current location, room, cam): side 0 left, 1 right;
    /// 0 where no link was set.
    int roomGetNextCamera(int room, int cam, int side);
    /// The arrival camera in room from from_room; 0 where none was set.
    int roomGetStartCam(int room, int from_room);

    /// The visibility flags of the room's scene become (set 1) or gain
    /// (set 0) the flag of room_num.
    void roomAddVisibilityFlags(int room, int room_num, int set = 1);
    /// Shows or hides the room's geometry through the main viewport's mask.
    void roomVisibleGeom(int room, int visible);
    /// Shows or hides the room's lights "SpotLL_RR" from 01 up to the first
    /// one that is missing.
    void setLightVisible(int room, int visible);

    /// Own animation speed in thousandths; the previous one is kept.
    void setSpeed(int speed);
    void restoreSpeed();

    /// Holds the view at camera c of the current room.
    void cameraStaticAnim(int c);
    /// Flies from camera begin of b_room to camera end of e_room.
    void cameraInterpAnim(int b_room, int e_room, int begin, int end);
    /// Flies into or out of a close-up of the current room.
    void cameraNearPlaneZoneInterpAnim(int begin, int end, OBJECT_HANDLE near_plane_zone, bool is_cam_out);

    /// Chooses the flashlight view of a place.
    void setCameraPlane(int loc, int room, int cam);
    void cameraPlaneInit(CameraPlane& plane);
    void cameraPlaneAttach(CameraPlane& plane);
    void cameraPlaneDetach(CameraPlane& plane);
    /// 0 hides the view; 1 a still overlay; 2 and 3 the flashlight.
    void cameraPlaneVisible(CameraPlane& plane, int n);
    /// One tick of the flashlight: light and panel follow the point.
    void cameraPlaneProcess(CameraPlane& plane);
    void cameraPlaneDestroy(CameraPlane& plane);

    // The light fades of the rooms were never used; kept as empty hooks.
    void interpLights(int l1, int l2, float a);
    void lightStart(int l1, int l2);
    void lightProcess(float inc);
    void fonarikProcess();

    /// One room's links: four (left, right) pairs, then the start cameras
    /// for arrivals from rooms 1 to 10.
    struct RoomLinks
    {
        int links[kCameras][2];
        int startCam[kRooms];
    };

    int speed = 0;              ///< own animation speed, thousandths
    CameraPlane cp;
    RoomLinks rooms[kLocations][kRooms];
    int lastCode = 0;           ///< code of the flight under way
    OBJECT_HANDLE lastRequester = 0;
    int pendingCode = 0;        ///< a request that came during a flight, 0 none
    OBJECT_HANDLE pendingFrom = 0;
    int savedSpeed = 0;         ///< speed before the last setSpeed
    uint32_t visibleMask = 0;   ///< bit (room - 1) shows the room's geometry
    /// The code that the end notice of the own flight or camera animation
    /// under way will carry; 0 when none is awaited.
    int flightId = 0;

private:
    /// The links of (loc, room), or null outside the table.
    RoomLinks* roomOf(int loc, int room);
    /// "%02d_%02d_Camera%02d" of the current location.
    String cameraName(int room, int cam);
    /// The location's links, start cameras, room flags and mini-game scenes.
    void setupLocation(int loc);
    /// The end notice of a flight: clear the moving flag, answer, tidy up.
    void endOfFlight();
    /// Keeps a request that came during a flight for its end.
    void keepPending(int code, OBJECT_HANDLE from);
    /// A cut: the view jumps to the current place.
    void cutToCurrent();
};
