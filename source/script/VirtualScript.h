// The abstract root of every script.
//
// The engine holds and calls a script only through this class: it builds the
// script by name (createScriptByName), initialises it, gives it its owner's
// handle and dispatches messages to it.  The script API, the functions that
// scripts call to act on the world, are members of this class as well; they
// take the handles of the objects they act on.
#pragma once

#include "Message.h"

#include <OgreVector.h>
#include <OgreColourValue.h> // script API (api)
#include <OgreQuaternion.h>  // script API (api)

#include <cstdint>
#include <string>
#include <vector> // script API (anim)

class CObject;
namespace Ogre
{
class SceneNode; // script API (api)
}

typedef uint32_t OBJECT_HANDLE;
typedef std::string String;
typedef Ogre::Vector3 vec3;

class CVirtualScript
{
public:
    CVirtualScript() = default;
    virtual ~CVirtualScript();

    CVirtualScript(const CVirtualScript&) = delete;
    CVirtualScript& operator=(const CVirtualScript&) = delete;

    /// Calls the handler slots for one message.
    virtual void dispatch(CMessage& msg) = 0;
    /// Called once after the registry built the script; false rejects it.
    virtual bool init(const String& fileName, const String& group) = 0;
    /// Called once after the owner entered the object collector.
    virtual void setOwner(OBJECT_HANDLE owner) = 0;

    /// The script's file name as registered ("00_fader.sc").
    const String& getName() const { return mName; }
    /// The owner's handle; 0 until setOwner.
    OBJECT_HANDLE getOwner() const { return mOwner; }

    // -- script API: notifications ------------------------------------------
    /// Sends code to target (sender may be 0).  A notification to the camera
    /// mover ("01_cam_move") is dispatched before this returns; every other
    /// one is queued.  A target of 0 queues a record that is dropped.
    static void sendNotify(OBJECT_HANDLE target, OBJECT_HANDLE sender, int code);
    /// Looks the target up by its node name and sends; a missing name logs
    /// a warning and the notification is dropped.
    static void sendNotifyByName(const String& name, int code, OBJECT_HANDLE sender);

    // == script API (api): strings, objects and visibility, bones ==========
    // Handle-taking functions do nothing (false, 0, zero vector) for handle 0
    // or a free collector slot.
    /// Erases the first occurrence of pattern from str.
    static void strErase(const String& pattern, String& str);
    /// str := value in decimal, at least width characters, zero-padded.
    static void strAssignInt(int value, String& str, int width);
    /// Appends value in decimal, at least width characters, zero-padded.
    static void strAddInt(int value, String& str, int width);
    /// target := length characters of str from start (-1: to the end).
    static void strSubstr(int start, const String& str, int length, String& target);
    /// a + (b - a) * t.
    static vec3 lerpVec3(const vec3& a, const vec3& b, float t);
    /// The rotation about X, then Y, then Z, angles in degrees.
    static Ogre::Quaternion eulerDegToQuat(float x, float y, float z);
    /// The three angles in degrees of eulerDegToQuat's convention.
    static vec3 quatToEulerDeg(const Ogre::Quaternion& q);
    /// The object named prefix + n (at least two digits); 0 with a warning.
    static OBJECT_HANDLE findObjectIndexed(const String& prefix, int n);
    /// The object's position on screen, (0, 0) top left, (1, 1) bottom right.
    static bool worldToScreen(OBJECT_HANDLE obj, Ogre::Vector2& screen);
    /// Shows or hides what is attached to the object's node (not its children).
    static void setVisible(OBJECT_HANDLE obj, bool visible);
    /// Shows or hides every object of that name with all nodes below it.
    static void setVisibleByName(const String& name, bool visible);
    /// Operation 0 adds, 1 sets, 2 removes flags on the movables of the
    /// object's node and of its direct children.
    static void setVisibleFlags(OBJECT_HANDLE obj, int operation, uint32_t flags);
    /// setVisibleFlags on every object of that name.
    static void setVisibleFlagsByName(const String& name, int operation, uint32_t flags);
    /// The query (pick) flags of the movables of the node and its children.
    static void setAttachedFlag(OBJECT_HANDLE obj, uint32_t value);
    /// setAttachedFlag on every object of that name.
    static void setAttachedFlagByName(const String& name, uint32_t value);
    /// The room number of a room object's node name ("LL_RR..."); 0 if none.
    static int parseNodeName(const String& nodeName);
    /// The visibility bit of a room (1 to 32); every bit, with a warning,
    /// for any other number.
    static uint32_t roomVisibilityMask(int room);
    /// Every object of that name shows only in the room its node name gives.
    static void addNodeRoomFlagsByName(const String& name);
    /// Logs the viewport's mask and the scene's lights.
    static void dumpLights();
    /// Moves the nodes of the objects of name under the parent object's
    /// node, or under the root node for "".
    static void setParentByName(const String& parentName, const String& name);
    static vec3 getPosition(OBJECT_HANDLE obj);
    /// The node's position and orientation in world space; false (outputs
    /// untouched) without a node.
    static bool getWorldTransform(OBJECT_HANDLE obj, vec3& position, Ogre::Quaternion& orientation);
    static void setPosition(OBJECT_HANDLE obj, const vec3& position);
    static void setScale(OBJECT_HANDLE obj, const vec3& scale);
    /// The orientation of the object's node, relative to its parent.
    static Ogre::Quaternion getOrientation(OBJECT_HANDLE obj);
    static void setOrientation(OBJECT_HANDLE obj, const Ogre::Quaternion& orientation);
    /// Position and a turn of angleDeg about Z.
    static void setPositionRotZ(OBJECT_HANDLE obj, float x, float y, float z, float angleDeg);
    /// Orientation from angles in degrees about X, then Y, then Z.
    static void setOrientationDeg(OBJECT_HANDLE obj, const vec3& anglesDeg);
    /// The main viewport draws only objects whose flags meet mask (nothing
    /// happens without a viewport).
    static void setViewportVisibilityMask(uint32_t mask);
    /// Full screen or windowed; every object gets the activate message.
    static void setWindowMode(bool fullScreen);
    /// The .scene parameter's text; false when the key is missing.
    static bool getObjParamS(OBJECT_HANDLE obj, const String& key, String& value);
    /// The same into a buffer of size bytes; a longer value is cut (logged).
    static bool getObjParamS(OBJECT_HANDLE obj, const String& key, char* buffer, size_t size);
    /// The parameter as an int; 0 when missing.
    static int getObjParamI(OBJECT_HANDLE obj, const String& key);
    /// The parameter as a float; false and value untouched when missing.
    static bool getObjParamF(OBJECT_HANDLE obj, const String& key, float& value);
    static void setObjParamI(OBJECT_HANDLE obj, const String& key, int value);
    /// Hangs obj's movable on a bone of target's entity; bone null takes it
    /// back to obj's node.
    static void attachObjToBone(OBJECT_HANDLE target, OBJECT_HANDLE obj, const char* bone, bool keepOffset);
    /// The bone's position in world space.
    static vec3 boneGetWorldPosition(OBJECT_HANDLE obj, const String& bone);
    static void boneSetManual(OBJECT_HANDLE obj, const String& bone, bool manual);
    /// Every bone of the skeleton manual (or not).
    static void bonesSetManual(OBJECT_HANDLE obj, bool manual);
    /// One bone manual with a scale.
    static void bonesSetManual(OBJECT_HANDLE obj, const String& bone, const vec3& scale);
    /// Position of the bone, also as its initial state.
    static void boneSetPosition(OBJECT_HANDLE obj, const String& bone, const vec3& position);
    static void boneSetOrientationDeg(OBJECT_HANDLE obj, const String& bone, float x, float y, float z);
    /// The camera follows that bone from the next frame; handle 0 ends it.
    static void cameraAttachToBone(OBJECT_HANDLE obj, const String& bone);
    // == end of script API (api): strings, objects and visibility, bones ===

    // == script API (api): options, configuration, variables, visibility ===
    /// A persistent option is re-read from options.ini; "Yes" 1, "No" 0.
    static void getOptionI(const String& key, int& value);
    /// Stores the option ("Full Screen" as Yes/No); persistent ones are
    /// written to options.ini at once.
    static void setOptionI(const String& key, int value);
    /// An options-map value as an int; 0 when missing.
    static int getConfigI(const String& key);
    /// 1 and the value as a float, or 0 with value untouched.
    static int getConfigF(const String& key, float& value);
    /// Sets a value for this run only.
    static void setConfigI(const String& key, int value);
    /// A game variable as an int; 0 when missing.
    static int getVarI(const String& key);
    static void setVarI(const String& key, int value);
    /// 1 and the text, or 0 with value untouched.
    static int getVarS(const String& key, String& value);
    /// The text; empty when missing.
    static String getVarS(const String& key);
    static void setVarS(const String& key, const String& value);
    /// "a_b_variable_index"; index -1 gives "a_b_variable_game_end".
    static String makeGameArrayKey(int a, int b, int index);
    static void saveGameArray(int n, int a, int b, const int* values, const int* end);
    /// Missing keys read 0 and are created empty.
    static void loadGameArray(int n, int a, int b, int* values, int* end);
    /// Whether the array's end key exists.
    static bool isGameEndSet(int a, int b);
    /// "<node>@visible" for the objects of the dynamic scene files below node.
    static void saveVisibility(Ogre::SceneNode* node);
    /// Restores what saveVisibility stored.
    static void loadVisibility(Ogre::SceneNode* node);
    // == end of script API (api): options, configuration, variables ========

    // == script API (api): names, projections, cursor, profiles, the rest ==
    /// The number in the object's node name after prefix.size() characters.
    static int getNameNumber(OBJECT_HANDLE obj, const String& prefix);
    /// "05_03_scene" gives 5 and 3; outputs may be null.
    static void parseNameNumbers(const String& text, int* first, int* second);
    /// A camera-space point to window fractions (0 at the top).
    static Ogre::Vector2 projectPoint(const vec3& point);
    /// screen.x, screen.y window fractions, screen.z the plane's distance
    /// beyond the camera's parent: the hit point in camera space.
    static void screenToPlane(const vec3& screen, vec3& out);
    /// The same in world space.
    static void screenToPlane2(const vec3& screen, vec3& out);
    /// The loading bar and its text (string 67).
    static void setLoadingText(float fraction);
    /// -1 no clicks, 0 clicks, 1 normal cursor, 2+ highlight, 3-6 with
    /// the particle cursor "cur_new_loc".
    static void setCursorMode(int mode);
    /// 1 readable, 0 missing, -1 damaged save file.
    static int findUser(const String& fileName);
    /// The "name" of a save file; false and name untouched when unreadable.
    static bool getUserName(const String& fileName, String& name);
    /// Renames the profile of a save file that holds a name; always 0.
    static int renameUser(const String& fileName, const String& newName);
    /// Writes the game-variable map into a save file of the user's folder.
    static void saveGame(const String& fileName);
    /// Reads a save file into the game-variable map: 1 read, 0 missing,
    /// -1 damaged; the map is left as it was unless the result is 1.
    static int loadGame(const String& fileName);
    /// Empties the game-variable map.
    static void clearVars();
    /// "Video Memory" of the first render system; -1 when not reported.
    static int getVideoMemory();
    /// A random number from 0 to 999999.
    static int randomInt();
    /// Restarts the random sequence (for repeatable runs).
    static void randomSeed(uint32_t seed);
    /// Opens a link file with the desktop's opener.
    static void shellOpen(const String& fileName);
    // == end of script API (api): names, projections, cursor, profiles =====

    // == script API (api): materials =======================================
    static void materialSetTextureScale(const String& material, float u, float v);
    static void materialSetTextureScale2(const String& material, uint16_t pass, uint16_t unit, float u, float v);
    static void materialSetTextureScroll(const String& material, float u, float v);
    static void materialSetTextureScroll2(const String& material, uint16_t pass, uint16_t unit, float u, float v);
    /// Alpha := texture alpha * alpha on pass 0, unit 0.
    static void materialSetAlpha(const String& material, float alpha);
    static void materialSetAlpha2(const String& material, uint16_t pass, uint16_t unit, float alpha);
    /// materialSetAlpha on unit 0 of every pass.
    static void materialSetAlphaAll(const String& material, float alpha);
    /// Mode 0 add, 1 modulate, 2 subtract the colour, on pass 0, unit 0.
    /// Without a mode the texture is modulated: the callers that leave it
    /// out fade a material towards black or restore it with white.
    static void materialSetColour(const String& material, float r, float g, float b, int mode = 1);
    static void materialSetColour2(const String& material, uint16_t pass, float r, float g, float b, int mode);
    /// Modulates every unit of every pass with colour and alpha.
    static void materialSetColourAll(const String& material, const Ogre::ColourValue& colour, float alpha);
    /// Modes 0 to 2 as materialSetColour; 3 keeps the operation and sets
    /// only the manual colour and blend factor.
    static void materialBlendColour(const String& material, uint16_t pass, uint16_t unit, float r, float g, float b,
                                    int mode, float blend = 0.0f);
    /// The unit's texture; a name missing from "General" is tried as .dds,
    /// .png, then .jpg.
    static void materialSetTexturePassUnit(const String& material, uint16_t pass, uint16_t unit,
                                           const String& texture);
    /// Whether "General" holds a resource of that name.
    static bool resourceExists(const String& name);
    static void materialSetTextureRotate(const String& material, uint16_t unit, float angleDeg);
    // == end of script API (api): materials ================================

    // == script API (api): particles, billboards, sub-entities, textures ===
    static void particleSetVisible(const char* name, bool visible);
    static void particleSetEmitting(const char* name, bool emitting);
    static void particleSetRate(const char* name, int index, float rate);
    /// Size of the emitter when it is a "Ring".
    static void particleSetRingSize(const char* name, int index, float width, float height, float depth);
    /// Clears the system and runs it forward by seconds in 0.1 s steps.
    static void particleRestart(const char* name, float seconds);
    /// Shows or hides the sub-entities that use material.
    static void submeshSetVisible(OBJECT_HANDLE obj, const String& material, bool visible);
    /// The material of one sub-entity, or of all for index -1.
    static void setMaterial(OBJECT_HANDLE obj, int index, const String& material);
    /// Own animation speed := speed / 1000, with the identity time curve.
    static void setObjAnimSpeed(OBJECT_HANDLE obj, int speed);
    /// Time-curve coefficients c0..c3 := each value / 1000.
    static void setObjAnimParams(OBJECT_HANDLE obj, int c0, int c1, int c2, int c3);
    static void textureUnload(const String& name);
    /// Dimensions of the set's first billboard.
    static void billboardSetSize(const char* name, float width, float height);
    static void billboardSetVisible(const char* name, bool visible);
    // == end of script API (api): particles ================================

    // == script API (api): overlays ========================================
    // o, e, c: overlay, top-level element (null: none or the overlay itself
    // where said), child of that element (null: the element itself).  A
    // missing overlay does nothing; a missing element is logged and skipped.
    static void overlaySetColourTop(const char* o, const char* e, const char* c, float r, float g, float b, float a);
    static void overlaySetColourBottom(const char* o, const char* e, const char* c, float r, float g, float b,
                                       float a);
    /// e null: the whole overlay.
    static void overlaySetVisible(const char* o, const char* e, const char* c, bool visible);
    static void overlaySetPosition(const char* o, const char* e, const char* c, float x, float y);
    /// Width of the caption in the element's font; 0 and logged without one.
    static void overlayGetCaptionWidth(const char* o, const char* e, const char* c, float& width);
    static void overlaySetZOrder(const char* o, int z);
    static void overlayGetPosition(const char* o, const char* e, float& left, float& top);
    /// The position of a child element within its element.
    static void overlayGetPosition(const char* o, const char* e, const char* c, float& left, float& top);
    /// Moves a node that hangs under the root node under parent.
    static void nodeSetParent(const String& node, const String& parent);
    /// Moves a node under the root node.
    static void nodeReturnToRoot(const String& node);
    static void overlaySetSize(const char* o, const char* e, const char* c, float width, float height);
    static void overlaySetUV(const char* o, const char* e, const char* c, float left, float top, float right,
                             float bottom);
    static void overlayGetSize(const char* o, const char* e, float& width, float& height);
    static void overlayGetSize(const char* o, const char* e, const char* c, float& width, float& height);
    /// Rotates the whole overlay.
    static void overlaySetRotate(const char* o, float angleDeg);
    /// Number of code points of a string-table text.
    static int stringLength(int id);
    /// Caption from the string table, wrapped at lineLength (-1: never), with
    /// colour codes; the number of lines.
    static int overlaySetTextById(const char* o, const char* e, const char* c, int id, int lineLength);
    /// The caption as UTF-8.
    static void overlayGetCaption(const char* o, const char* e, const char* c, String& caption);
    static void overlayCaptionBackspace(const char* o, const char* e, const char* c);
    static void overlayAppendTextById(const char* o, const char* e, const char* c, int id);
    /// Caption from the string table with colour codes ("[x=r g b a]...[]");
    /// first != -1 keeps count characters (-1: all) from first, then appends
    /// appended (may be null).
    static void overlaySetCaption(const char* o, const char* e, const char* c, int id, int first, int count,
                                  const char* appended);
    /// Caption := text (null: empty), no colour codes.
    static void overlaySetCaptionText(const char* o, const char* e, const char* c, const char* text);
    /// The same as overlaySetCaptionText, under the name the interface uses.
    static void overlayCopyCaption(const char* o, const char* e, const char* c, const char* text);
    static int overlayGetCaptionLength(const char* o, const char* e, const char* c);
    static void overlaySetCharHeight(const char* o, const char* e, const char* c, float height);
    /// The text element's font; an unknown font leaves it as it is, with a
    /// warning.
    static void overlaySetFont(const char* o, const char* e, const char* c, const char* font);
    static void overlaySetMaterial(const char* o, const char* e, const char* c, const char* material);
    /// Creates what is missing of overlay, element and child as "Panel"s;
    /// the innermost one created gets material, position and size.
    static void overlayCreatePanel(const char* o, const char* e, const char* c, const char* material,
                                   const Ogre::Vector2* position, const Ogre::Vector2* size, int z);
    /// As overlayCreatePanel, from an element template (typeName "" lets the
    /// template decide).
    static void overlayCreateFromTemplate(const char* o, const char* templateName, const char* e, const char* c,
                                          const Ogre::Vector2* position, const Ogre::Vector2* size, int z,
                                          const char* typeName = "");
    /// Destroys the child, the element, or (e null) the whole overlay, with
    /// everything below.
    static void overlayDestroy(const char* o, const char* e, const char* c);
    // == end of script API (api): overlays =================================

    // == script API (api): render to texture ===============================
    /// Creates the texture (24 or 32 bits a pixel) and a viewport of camera;
    /// flags bit 0 automatic update, bit 1 overlays.  An existing render
    /// texture of that name gets the new viewport; a plain one is refused.
    static void _createRTT(const String& name, int width, int height, int bitsPerPixel, const String& camera,
                           int flags, uint32_t visibilityMask);
    /// Renders the target once now.
    static void rttRender(const String& name);
    static void rttSetAutoUpdated(const String& name, bool autoUpdated);
    /// The visibility mask of the target's viewport 0.
    static void rttSetVisibilityMask(const String& name, uint32_t mask);
    /// Renders a frame of the main camera with overlays into the RTT and
    /// writes it to fileName in the user's folder (format by extension).
    static void rttSaveToFile(const String& name, const std::wstring& fileName, uint32_t mask);
    /// Deletes a file of the user's folder, read-only or not.
    static void deleteUserFile(const std::wstring& fileName);
    /// Moves a damaged file of the user's folder aside ("<name>.damaged")
    /// instead of deleting it; true when it was moved.
    static bool setUserFileAside(const std::wstring& fileName);
    // == end of script API (api): render to texture ========================

    // == script API (anim): animations (ScriptApiAnimation.cpp) ============
    /// One transform of a flight (animInterpolatePath).
    struct InterpolationKey
    {
        vec3 position;
        Ogre::Quaternion orientation;
    };
    /// Plays the named animation of the object's entity on the object's own
    /// clock, loops times (0 or less: without end), from time 0.00001; any
    /// animation it played before stops.  When the loops are done, notify
    /// gets ON_NOTIFY with the returned id.  0 when the object has no entity
    /// or no such animation.
    static int animPlay(OBJECT_HANDLE obj, const String& name, int loops, OBJECT_HANDLE notify);
    /// Links the skeleton file to the entity's skeleton, takes over its bind
    /// pose and plays its animation as animPlay does.
    static int startLinkedAnimation(OBJECT_HANDLE obj, const String& skeleton, const String& name, int loops,
                                    OBJECT_HANDLE notify);
    /// A standing way-point of an animated object that plays name (1000
    /// loops); target gets code when the point is done (0: nobody).
    static void animAddPoint(OBJECT_HANDLE obj, const String& name, OBJECT_HANDLE target, int code);
    /// The same for loops plays of name (negative: without end, so the
    /// object stays in it); the four-argument form keeps its 1000 loops.
    static void animAddPoint(OBJECT_HANDLE obj, const String& name, int loops, OBJECT_HANDLE target, int code);
    /// Whether the object's way-point list starts again with its first
    /// point after the last (cyclic) or stops at the last; stopping the
    /// object clears it.
    static void animSetCyclic(OBJECT_HANDLE obj, bool cyclic);
    /// A talking way-point: bodyName loops times with lipName moving the
    /// mouth to the loudness of sound (a name of 0 or 1 characters goes on
    /// with the previous point's animation of that layer).
    static void animAddTransitionPoint(OBJECT_HANDLE obj, const String& bodyName, int loops, const String& lipName,
                                       int sound, OBJECT_HANDLE target = 0, int code = 0);
    /// A way-point that plays name and, with move, walks to position; with
    /// takeOrientation it turns to anglesDeg (X, Y, Z in degrees) on arrival.
    static void animAddRotatedPoint(OBJECT_HANDLE obj, const vec3& anglesDeg, const String& name, const vec3& position,
                                    int move, int takeOrientation, OBJECT_HANDLE target, int code);
    /// The rotation speed (turn progress per second) of the object's layer
    /// that plays name.
    static void animSetLayerParam(const String& name, OBJECT_HANDLE obj, int value);
    /// Length in milliseconds of the object's layer that plays name; 0 (and
    /// logged) for a missing object or layer.
    static int animGetCurrentLength(OBJECT_HANDLE obj, const String& name);
    /// The own animation's time: >= 0 that time, -2 its end, -1 length
    /// minus the time.
    static void objSetAnimTime(OBJECT_HANDLE obj, float time);
    /// Flies the object's node from where it is to position and orientation
    /// in about duration seconds (shorter when both face alike), with a
    /// short run-in and run-out along the Z axes (options 1: out of a
    /// close-up, 0: into one); this script's object is notified at the end.
    /// The id that the end notice carries, 0 when nothing flies.
    int animInterpolateTo(OBJECT_HANDLE obj, const vec3& position, const Ogre::Quaternion& orientation, float duration,
                          int options);
    /// Flies the object's node through the keys' positions on a smooth path
    /// while it turns from the first key's orientation to the last's, eased
    /// at both ends; this script's object is notified at the end.
    void animInterpolatePath(OBJECT_HANDLE obj, const std::vector<InterpolationKey>& keys, float duration);
    /// The same, run loops times (0 or less: without end), with notify (0:
    /// nobody) told at the end; the id that the end notice carries, 0 when
    /// nothing flies.
    static int animInterpolatePath(OBJECT_HANDLE obj, const std::vector<InterpolationKey>& keys, float duration,
                                   int loops, OBJECT_HANDLE notify);
    // == end of script API (anim): animations ==============================

    // ---------------------------------------------------------------------
    int32_t mVersion = 4; ///< set by every constructor; nothing reads it
    String mName;
    OBJECT_HANDLE mOwner = 0;
};
