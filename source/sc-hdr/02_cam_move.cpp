#include "02_cam_move.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "Trace.h"

#include <OgreSceneManager.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace
{
const char* const kPlaneOverlay = "__CameraPlane";
const char* const kPlanePanel = "__CameraPlanePan";
const char* const kPlaneMaterials[] = {"00_camera_plane_00", "00_camera_plane_01", "00_camera_plane_02"};
const char* const kFonarik = "Spot_fonarik";
const char* const kCameraBone = "00_anim_cam_bone";

/// A pace unit of a flight in seconds: a turn (pace 6) takes 0.6 s at
/// normal speed, a move between rooms (24) 2.4 s.
const float kPaceSeconds = 0.1f;

/// The room mask bit that the location's inventory and interface objects
/// keep, whatever room the player is in.
const uint32_t kAlwaysShownMask = 0x800;

// Link patterns of a room's four cameras: (left, right) for cameras 1..4.
enum LinkPattern
{
    NONE,
    RING_A,   // left the previous camera, right the next
    RING_B,   // left the next camera, right the previous
    SINGLE,   // camera 1 only, linked to itself
    RING_A1,  // ring A, but camera 1 links only to itself
};

const int kPatternLinks[][4][2] = {
    {{0, 0}, {0, 0}, {0, 0}, {0, 0}},
    {{4, 2}, {1, 3}, {2, 4}, {3, 1}},
    {{2, 4}, {3, 1}, {4, 2}, {1, 3}},
    {{1, 1}, {0, 0}, {0, 0}, {0, 0}},
    {{1, 1}, {1, 3}, {2, 4}, {3, 1}},
};

const LinkPattern kRoomPatterns[sc_02_cam_move::kLocations][7] = {
    {RING_A, NONE, NONE, NONE, NONE, NONE, NONE},
    {RING_A1, RING_A, RING_A, RING_A, NONE, NONE, NONE},
    {RING_B, SINGLE, RING_A, RING_B, RING_A, RING_A, NONE},
    {SINGLE, RING_A, RING_A, RING_A, RING_A, RING_A, NONE},
    {RING_A, RING_A, RING_A, RING_A, RING_B, RING_B, NONE},
    {RING_B, RING_B, RING_B, RING_B, RING_B, RING_B, RING_B},
};

// Arrival cameras: room, from room, camera.
struct StartCam
{
    int room;
    int fromRoom;
    int cam;
};
const StartCam kStartCams[] = {
    {1, 2, 3}, {2, 1, 1}, {2, 3, 4}, {3, 2, 1}, {3, 4, 3}, {4, 3, 1},
    {4, 5, 4}, {5, 3, 1}, {5, 5, 4}, {6, 3, 1}, {6, 5, 4},
};
/// Location 2 has the first seven rows, locations 3 to 6 all of them.
const int kStartCamsOfLocation[sc_02_cam_move::kLocations] = {0, 7, 11, 11, 11, 11};

// Rooms beyond 1..5 whose scenes get their room flag, per location.
const int kExtraRooms[sc_02_cam_move::kLocations][2] = {{0, 0}, {0, 0}, {6, 0}, {6, 0}, {6, 0}, {6, 7}};

// Scenes of the mini-games, which picking reaches only while a game runs.
const char* const kMiniGameScenes[sc_02_cam_move::kLocations][8] = {
    {"01_minigame_01.scene", "01_minigame_32.scene", "01_minigame_33.scene"},
    {"02_minigame_02.scene", "02_minigame_03.scene", "02_minigame_18.scene", "02_minigame_34.scene"},
    {"03_minigame_04.scene", "03_minigame_05.scene", "03_minigame_06.scene", "03_minigame_16.scene",
     "03_minigame_17_pult.scene", "03_minigame_31.scene", "03_minigame_36.scene"},
    {"04_minigame_07.scene", "04_minigame_08.scene", "04_minigame_09.scene", "04_minigame_20.scene",
     "04_minigame_22.scene", "04_minigame_23.scene", "04_minigame_35.scene"},
    {"05_minigame_10.scene", "05_minigame_24.scene", "05_minigame_25.scene"},
    {"06_minigame_13.scene", "06_minigame_14.scene", "06_minigame_15.scene", "06_minigame_131.scene",
     "06_minigame_28.scene", "06_minigame_30.scene"},
};
const uint32_t kMiniGameAttachedFlag = 2;

String format2(const char* pattern, int a, int b)
{
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), pattern, a, b);
    return buffer;
}

String roomSceneName(int loc, int room)
{
    return format2("%02d_%02d_room.scene", loc, room);
}

String locationSceneName(int loc, const char* kind)
{
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), "%02d_%s.scene", loc, kind);
    return buffer;
}
} // namespace

sc_02_cam_move::sc_02_cam_move(int mostDerived) : sc_00_msg(0)
{
    (void)mostDerived;
    // Places that no row of a location sets read 0: "no link".
    std::memset(rooms, 0, sizeof(rooms));
}

// ---------------------------------------------------------------------------
// Place

int sc_02_cam_move::getCurLevel()
{
    return getVarI("cur_loc");
}

int sc_02_cam_move::getCurRoom()
{
    return getVarI("cur_room");
}

int sc_02_cam_move::getPrevRoom()
{
    return getVarI("prev_room");
}

int sc_02_cam_move::getCurCam()
{
    return getVarI("cur_cam");
}

int sc_02_cam_move::getPrevCam()
{
    return getVarI("prev_cam");
}

void sc_02_cam_move::setCurRoom(int room)
{
    TQ_TRACE(" setCurRoom(int room)");
    setVarI("prev_room", getCurRoom());
    setVarI("cur_room", room);
}

void sc_02_cam_move::setCurCam(int cam)
{
    TQ_TRACE(" setCurCam(int cam)");
    setVarI("prev_cam", getCurCam());
    setVarI("cur_cam", cam);
}

// ---------------------------------------------------------------------------
// Camera links

sc_02_cam_move::RoomLinks* sc_02_cam_move::roomOf(int loc, int room)
{
    if (loc < 1 || loc > kLocations || room < 1 || room > kRooms)
        return nullptr;
    return &rooms[loc - 1][room - 1];
}

void sc_02_cam_move::roomSetCameraLinks(int loc, int room, int cam, int left_cam, int right_cam)
{
    RoomLinks* links = roomOf(loc, room);
    if (!links || cam < 1 || cam > kCameras)
        return;
    links->links[cam - 1][0] = left_cam;
    links->links[cam - 1][1] = right_cam;
}

void sc_02_cam_move::roomSetStartCam(int loc, int room, int from_room, int cam)
{
    RoomLinks* links = roomOf(loc, room);
    if (!links || from_room < 1 || from_room > kRooms)
        return;
    links->startCam[from_room - 1] = cam;
}

int sc_02_cam_move::roomGetNextCamera(int room, int cam, int side)
{
    // A place outside the table (a close-up camera, a room or location
    // without links) has no neighbour.
    RoomLinks* links = roomOf(getCurLevel(), room);
    if (!links || cam < 1 || cam > kCameras || side < 0 || side > 1)
        return 0;
    return links->links[cam - 1][side];
}

int sc_02_cam_move::roomGetStartCam(int room, int from_room)
{
    RoomLinks* links = roomOf(getCurLevel(), room);
    if (!links || from_room < 1 || from_room > kRooms)
        return 0;
    return links->startCam[from_room - 1];
}

void sc_02_cam_move::setupLocation(int loc)
{
    if (loc < 1 || loc > kLocations)
        return;
    const int l = loc - 1;
    for (int room = 1; room <= 7; ++room)
    {
        const LinkPattern pattern = kRoomPatterns[l][room - 1];
        if (pattern == NONE)
            continue;
        for (int cam = 1; cam <= kCameras; ++cam)
        {
            const int* pair = kPatternLinks[pattern][cam - 1];
            if (pair[0] != 0)
                roomSetCameraLinks(loc, room, cam, pair[0], pair[1]);
        }
    }
    for (int i = 0; i < kStartCamsOfLocation[l]; ++i)
        roomSetStartCam(loc, kStartCams[i].room, kStartCams[i].fromRoom, kStartCams[i].cam);
    for (int room : kExtraRooms[l])
        if (room != 0)
            roomAddVisibilityFlags(room, room, 1);
    if (loc == 5)
        setVisibleFlagsByName("05_minigame_25.scene", 1, 8);
    for (const char* scene : kMiniGameScenes[l])
        if (scene)
            setAttachedFlagByName(scene, kMiniGameAttachedFlag);
}

// ---------------------------------------------------------------------------
// Rooms and lights

void sc_02_cam_move::roomAddVisibilityFlags(int room, int room_num, int set)
{
    TQ_TRACE(" roomAddVisibilityFlags(int room, int room_num, int set)");
    setVisibleFlagsByName(roomSceneName(getCurLevel(), room), set, roomVisibilityMask(room_num));
}

void sc_02_cam_move::roomVisibleGeom(int room, int visible)
{
    TQ_TRACE(" roomVisibleGeom(int room, int visible)");
    // A room without a bit (the "previous room" of a fresh game is 0) leaves
    // the mask as it is rather than shifting by a negative count.
    if (room >= 1 && room <= 32)
    {
        const uint32_t bit = 1u << (room - 1);
        if (visible)
            visibleMask |= bit;
        else
            visibleMask &= ~bit;
    }
    setViewportVisibilityMask(visibleMask);
}

void sc_02_cam_move::setLightVisible(int room, int visible)
{
    TQ_TRACE(" setLightVisible(int room, int visible)");
    // A room's lights are numbered from 1 without gaps: the first number
    // that names no object ends them, which is no fault worth a warning.
    for (int light = 1; light <= 9; ++light)
    {
        const String name = format2("Spot%02d_%02d", light, room);
        if (!gApp.mSceneMgr || !gApp.mSceneMgr->hasSceneNode(name))
            return;
        const OBJECT_HANDLE handle = gApp.findObjectHandle(name);
        if (!handle)
            return;
        setVisible(handle, visible != 0);
    }
}

// ---------------------------------------------------------------------------
// Flights

void sc_02_cam_move::setSpeed(int value)
{
    savedSpeed = speed;
    speed = value;
    setObjAnimSpeed(getOwner(), speed);
}

void sc_02_cam_move::restoreSpeed()
{
    speed = savedSpeed;
    setObjAnimSpeed(getOwner(), speed);
}

String sc_02_cam_move::cameraName(int room, int cam)
{
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), "%02d_%02d_Camera%02d", getCurLevel(), room, cam);
    return buffer;
}

namespace
{
/// The world transform of a camera object; a missing camera (warned about
/// by the look-up) gives the transform the view already has.
CVirtualScript::InterpolationKey cameraKey(OBJECT_HANDLE camera, OBJECT_HANDLE own)
{
    CVirtualScript::InterpolationKey key{vec3::ZERO, Ogre::Quaternion::IDENTITY};
    if (!CVirtualScript::getWorldTransform(camera, key.position, key.orientation))
        CVirtualScript::getWorldTransform(own, key.position, key.orientation);
    return key;
}
} // namespace

void sc_02_cam_move::cameraStaticAnim(int c)
{
    TQ_TRACE(" cameraStaticAnim(int c)");
    const OBJECT_HANDLE camera = gApp.findObjectHandle(cameraName(getCurRoom(), c));
    const InterpolationKey key = cameraKey(camera, getOwner());
    animInterpolatePath(getOwner(), {key, key}, 1.0f * kPaceSeconds, -1, 0);
    flightId = 0; // the hold replaced any flight, whose notice will not come
    setSpeed(1000);
}

void sc_02_cam_move::cameraInterpAnim(int b_room, int e_room, int begin, int end)
{
    TQ_TRACE(" cameraInterpAnim(int b_room, int e_room, int begin, int end)");
    const String a = cameraName(b_room, begin);
    const String b = cameraName(e_room, end);
    Log::print("Cam %s %s\n", a.c_str(), b.c_str());
    float pace = b_room == e_room ? 6.0f : 24.0f;
    if (begin > 4 || end > 4)
        pace = 20.0f;
    const OBJECT_HANDLE from = gApp.findObjectHandle(a);
    const OBJECT_HANDLE to = gApp.findObjectHandle(b);
    flightId = animInterpolatePath(getOwner(), {cameraKey(from, getOwner()), cameraKey(to, getOwner())},
                                   pace * kPaceSeconds, 1, getOwner());
}

void sc_02_cam_move::cameraNearPlaneZoneInterpAnim(int begin, int end, OBJECT_HANDLE near_plane_zone,
                                                    bool is_cam_out)
{
    TQ_TRACE(" cameraNearPlaneZoneInterpAnim(int begin, int end, OBJECT_HANDLE near_plane_zone, bool is_cam_out)");
    (void)near_plane_zone; // the flight's run-in and run-out do not depend on the zone
    const int room = getCurRoom();
    (void)gApp.findObjectHandle(cameraName(room, begin)); // the flight starts where the view is
    const InterpolationKey target = cameraKey(gApp.findObjectHandle(cameraName(room, end)), getOwner());
    flightId =
        animInterpolateTo(getOwner(), target.position, target.orientation, 20.0f * kPaceSeconds, is_cam_out ? 1 : 0);
    setSpeed(1000);
    setObjAnimParams(getOwner(), 0, 0, 3000, -2000);
}

void sc_02_cam_move::endOfFlight()
{
    setVarI("is_camera_moving", 0);
    // Each flight is answered once: a stray end notice later (an animation
    // of someone else's that ends here) must not answer it again.
    if (lastRequester)
        sendNotify(lastRequester, getOwner(), lastCode);
    lastRequester = 0;
    if (cameraIsMoveNearPlane(lastCode) || cameraIsCommonPlaneRotation(lastCode))
        restoreSpeed();
    if (getPrevRoom() != getCurRoom())
        roomVisibleGeom(getPrevRoom(), 0);
    // The request that came during the flight is served now.
    if (pendingCode != 0)
    {
        const int code = pendingCode;
        const OBJECT_HANDLE from = pendingFrom;
        pendingCode = 0;
        pendingFrom = 0;
        ON_NOTIFY(code, from);
    }
}

void sc_02_cam_move::keepPending(int code, OBJECT_HANDLE from)
{
    // One request waits for the flight under way; a later one takes its
    // place (its requester is told in the log, the waiting one is answered).
    if (pendingCode != 0)
        Log::print("\nWARNING: 01_cam_move: request %d replaced by %d during a flight", pendingCode, code);
    pendingCode = code;
    pendingFrom = from;
}

void sc_02_cam_move::cutToCurrent()
{
    setVarI("is_camera_moving", 0);
    const int room = getCurRoom();
    const int cam = getCurCam();
    Log::print("\nsetting to %d %d", cam, room);
    setCameraPlane(getCurLevel(), room, cam);
    cameraStaticAnim(cam);
    if (getPrevRoom() != room)
    {
        setLightVisible(room, 1);
        setLightVisible(getPrevRoom(), 0);
        roomVisibleGeom(room, 1);
        roomVisibleGeom(getPrevRoom(), 0);
    }
}

// ---------------------------------------------------------------------------
// Flashlight view

void sc_02_cam_move::setCameraPlane(int loc, int room, int cam)
{
    TQ_TRACE(" setCameraPlane(int loc, int room, int cam)");
    int number = 0;
    if (loc == 2 && room == 2 && cam == 5 && getVarI("02_02_az_vklucatel_03_msz@lock") == 0)
        number = 1;
    else if (loc == 2 && room == 4)
        number = 2;
    else if (loc == 3 && room == 6 && getVarI("03_06_az_knopka2_msz@lock") == 1)
        number = 3;
    else if (loc == 5 && room == 5)
        number = 2;
    cameraPlaneVisible(cp, number);
}

void sc_02_cam_move::cameraPlaneInit(CameraPlane& plane)
{
    plane.overlay = kPlaneOverlay;
    plane.panel = kPlanePanel;
    plane.material = kPlaneMaterials[0];
    const Ogre::Vector2 position(0.0f, 0.0f);
    const Ogre::Vector2 size(1.0f, 1.0f);
    overlayCreatePanel(plane.overlay.c_str(), plane.panel.c_str(), nullptr, plane.material.c_str(), &position, &size,
                       50);
    plane.attached = 0;
    plane.timer = 0;
    plane.fonarik = gApp.findObjectHandle(kFonarik);
}

void sc_02_cam_move::cameraPlaneAttach(CameraPlane& plane)
{
    CObject* own = gObjectCollector.get(getOwner());
    if (plane.timer)
        CObject::killTimer(own, plane.timer);
    plane.timer = CObject::createTimer(own, 1, -1, nullptr);
    plane.attached = 1;
    overlaySetSize(plane.overlay.c_str(), plane.panel.c_str(), nullptr, 2.0f, 2.0f);
}

void sc_02_cam_move::cameraPlaneDetach(CameraPlane& plane)
{
    if (plane.timer)
        CObject::killTimer(gObjectCollector.get(getOwner()), plane.timer);
    plane.timer = 0;
    plane.attached = 0;
    overlaySetSize(plane.overlay.c_str(), plane.panel.c_str(), nullptr, 1.0f, 1.0f);
}

void sc_02_cam_move::cameraPlaneVisible(CameraPlane& plane, int n)
{
    TQ_TRACE(" cameraPlaneVisible(CameraPlane& plane, int n)");
    cameraPlaneDetach(plane);
    setVisible(plane.fonarik, false);
    if (n == 0)
    {
        overlaySetVisible(plane.overlay.c_str(), nullptr, nullptr, false);
        return;
    }
    overlaySetVisible(plane.overlay.c_str(), nullptr, nullptr, true);
    if (n >= 1 && n <= 3)
        plane.material = kPlaneMaterials[n - 1];
    if (n == 2 || n == 3)
    {
        cameraPlaneAttach(plane);
        setVisible(plane.fonarik, true);
    }
    overlaySetMaterial(plane.overlay.c_str(), plane.panel.c_str(), nullptr, plane.material.c_str());
}

void sc_02_cam_move::cameraPlaneProcess(CameraPlane& plane)
{
    float x = 0.5f;
    float y = 0.5f;
    if (getVarI("fonarik_detach_from_mouse") != 0)
    {
        x = static_cast<float>(getVarI("fonarik_x")) * 0.01f;
        y = static_cast<float>(getVarI("fonarik_y")) * 0.01f;
    }
    else if (gApp.mInput)
    {
        x = gApp.mInput->mCursorX;
        y = gApp.mInput->mCursorY;
    }
    const Ogre::Quaternion q1(Ogre::Degree((x - 0.5f) * -65.0f), Ogre::Vector3::UNIT_Y);
    const Ogre::Quaternion q2(Ogre::Degree((y - 0.5f) * -45.0f), Ogre::Vector3::UNIT_X);
    setOrientation(plane.fonarik, q1 * q2);
    overlaySetPosition(plane.overlay.c_str(), plane.panel.c_str(), nullptr, x - 1.0f, y - 1.0f);
}

void sc_02_cam_move::cameraPlaneDestroy(CameraPlane& plane)
{
    overlayDestroy(plane.overlay.c_str(), nullptr, nullptr);
}

void sc_02_cam_move::interpLights(int, int, float) {}
void sc_02_cam_move::lightStart(int, int) {}
void sc_02_cam_move::lightProcess(float) {}
void sc_02_cam_move::fonarikProcess() {}

// ---------------------------------------------------------------------------
// Handlers

void sc_02_cam_move::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    submeshSetVisible(getOwner(), "00_empty", false);
    setVarI("is_camera_moving", 0);

    const int gameState = getConfigI("game_state");
    const int loc = getCurLevel();
    if ((gameState >= 1 && gameState <= 49) || loc < 0)
        return;
    if (getConfigI("load_from_save") == 0)
    {
        setCurCam(1);
        setCurRoom(1);
    }

    cameraStaticAnim(getCurCam());
    gApp.setCameraByName("Camera");
    cameraAttachToBone(getOwner(), kCameraBone);

    if (loc == 1)
    {
        roomAddVisibilityFlags(1, 1, 1);
        setVisibleFlagsByName("01_dyn.scene", 1, 1);
        setVisibleFlagsByName("01_az.scene", 1, 1);
    }
    else
    {
        addNodeRoomFlagsByName(locationSceneName(loc, "dyn"));
        addNodeRoomFlagsByName(locationSceneName(loc, "az"));
        setAttachedFlagByName(locationSceneName(loc, "az"), 1);
        setVisibleFlagsByName(locationSceneName(loc, "inv"), 1, 0x100);
        for (int room = 1; room <= 5; ++room)
            roomAddVisibilityFlags(room, room, 1);
        for (int room = 1; room <= 8; ++room)
            setLightVisible(room, 0);
    }

    setupLocation(loc);

    for (int room = 1; room <= 4; ++room)
        roomVisibleGeom(room, 0);
    roomVisibleGeom(getCurRoom(), 1);
    visibleMask |= kAlwaysShownMask;
    setViewportVisibilityMask(visibleMask);
    setLightVisible(getCurRoom(), 1);
    cameraPlaneInit(cp);
    setCameraPlane(loc, getCurRoom(), getCurCam());
}

void sc_02_cam_move::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    cameraPlaneDestroy(cp);
}

void sc_02_cam_move::ON_TIME(int id)
{
    if (cp.timer && id == cp.timer)
        cameraPlaneProcess(cp);
}

void sc_02_cam_move::ON_NOTIFY(int param, OBJECT_HANDLE src)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE src)");
    Log::print("\nCAM_MOVE PARAM: %d", param);
    // The end notice of the own flight carries the animation's id, which
    // the engine counts up: in a long game it reaches the ranges of the
    // codes below and must not be taken for one of them.
    if (flightId != 0 && param == flightId && src == 0)
    {
        flightId = 0;
        endOfFlight();
        return;
    }
    const bool moving = getVarI("is_camera_moving") == 1;

    if (param == 600)
    {
        setCameraPlane(getCurLevel(), getCurRoom(), getCurCam());
    }
    else if (param == 601)
    {
        cameraPlaneVisible(cp, 0);
    }
    else if (param == 666)
    {
        objSetAnimTime(getOwner(), cameraIsMoveNearPlane(lastCode) ? -1.0f : -2.0f);
        if (getPrevRoom() != getCurRoom())
        {
            setLightVisible(getCurRoom(), 1);
            setLightVisible(getPrevRoom(), 0);
        }
        setCameraPlane(getCurLevel(), getCurRoom(), getCurCam());
    }
    else if (param >= 1000 && param <= 1999)
    {
        setLightVisible((param - 1000) / 10, param % 10);
    }
    else if (param >= 10001 && param <= 19999)
    {
        lastCode = param;
        lastRequester = src;
        setVarI("is_camera_moving", 1);
        const String skeleton = format2("00_anim_cam_%02d_%02d.skeleton", (param - 10000) / 100, param % 100);
        const int id = startLinkedAnimation(getOwner(), skeleton, "a", 1, getOwner());
        flightId = id;
        if (param == 10705)
        {
            setObjAnimSpeed(getOwner(), 200);
            setObjAnimParams(getOwner(), 0, 0, 3000, -2000);
        }
        // Without the animation no end notice would ever come: the view
        // would count as moving for good and the requester would wait.
        if (id == 0)
        {
            Log::print("\nWARNING: camera animation %s did not start", skeleton.c_str());
            endOfFlight();
        }
    }
    else if (param == 7770 || param == 7771)
    {
        if (moving)
        {
            keepPending(param, src);
            return;
        }
        lastCode = param;
        lastRequester = src;
        const int room = getCurRoom();
        const int cam = getCurCam();
        const int next = roomGetNextCamera(room, cam, param - 7770);
        setCurRoom(room);
        setCurCam(next ? next : cam);
        sendNotifyByName("00_movies", 100, 0);
        sendNotifyByName("00_loader", 666, getOwner());
        fadeEnableAccelerate();
        cameraInterpAnim(getCurRoom(), getCurRoom(), getPrevCam(), getCurCam());
        setSpeed(2500);
        setObjAnimParams(getOwner(), 0, 0, 1000, 0);
        setVarI("is_camera_moving", 1);
    }
    else if (param == 7000)
    {
    }
    else if (param >= 7101 && param <= 7699)
    {
        if (moving)
        {
            keepPending(param, src);
            return;
        }
        lastCode = param;
        lastRequester = src;
        setCurRoom(param % 10);
        const int start = roomGetStartCam(getCurRoom(), getPrevRoom());
        setCurCam(start ? start : 1);
        sendNotifyByName("00_movies", 100, 0);
        cameraInterpAnim(getPrevRoom(), getCurRoom(), getPrevCam(), getCurCam());
        roomVisibleGeom(getCurRoom(), 1);
        setVarI("is_camera_moving", 1);
        sendNotifyByName("00_game_interface", 101, 0);
    }
    else if (param >= 6101 && param <= 6699)
    {
        if (moving)
        {
            keepPending(param, src);
            return;
        }
        lastCode = param;
        lastRequester = src;
        const int room = getCurRoom();
        setVarI("prev_cam", getCurCam());
        setVarI("prev_room", room);
        setCurRoom(room);
        setCurCam(param % 100);
        sendNotifyByName("00_movies", 100, 0);
        cameraNearPlaneZoneInterpAnim(getPrevCam(), getCurCam(), src, cameraIsNearPlaneOut(param));
        setVarI("is_camera_moving", 1);
    }
    else if (param == 5000)
    {
        setCurCam(getPrevCam());
        sendNotifyByName("00_movies", 100, 0);
        setCurRoom(getPrevRoom());
        cutToCurrent();
    }
    else if (param >= 5001 && param <= 6000)
    {
        setCurCam(param % 100);
        sendNotifyByName("00_movies", 100, 0);
        setCurRoom((param - 5000) / 100);
        cutToCurrent();
    }
    else if (param >= 8000 && param <= 8999)
    {
        if (moving)
        {
            keepPending(param, src);
            return;
        }
        lastCode = param;
        lastRequester = src;
        setCurRoom((param - 8000) / 100);
        setCurCam(param % 100);
        sendNotifyByName("00_movies", 100, 0);
        setVarI("is_camera_moving", 1);
        cameraInterpAnim(getPrevRoom(), getCurRoom(), getPrevCam(), getCurCam());
        sendNotifyByName("00_loader", 666, getOwner());
        roomVisibleGeom(getCurRoom(), 1);
    }
    else
    {
        endOfFlight();
    }
}
