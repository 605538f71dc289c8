// The script registered as "00_move_side_zone.sc": a hot spot that opens and
// closes something (a picture on hinges, a sliding panel) by moving and
// turning parts of the room.  A click opens it or closes it when open; other
// scripts open, close, set or lock it by notification.  While it opens, the
// objects inside appear (unless already taken) and the hot spot disappears;
// when it closes they disappear again.  Its open or closed state lives in
// game variables, so that a loaded game shows it as it was.
#pragma once

#include "CodeScript.h"

#include <OgreQuaternion.h>

class sc_00_move_side_zone : public virtual CodeScript
{
public:
    static constexpr int kParts = 13;
    static constexpr int kObjs = 16;
    static constexpr int kAlts = 5;

    /// One moving part.
    struct MOVE_ANIM
    {
        OBJECT_HANDLE obj = 0;
        vec3 pos_begin = vec3::ZERO;  ///< node position at set-up
        vec3 pos_end = vec3::ZERO;    ///< pos_begin plus the move offset
        Ogre::Quaternion q_begin = Ogre::Quaternion::IDENTITY;
        Ogre::Quaternion q_end = Ogre::Quaternion::IDENTITY;
        float start = 0.0f;           ///< the part's window of the zone's progress
        float end = 1.0f;
        float len = 1.0f;             ///< end - start
        int rotate = 0;               ///< 1 when the turn exists
        int move = 0;                 ///< 1 when the move exists
        int func = 0;                 ///< 0: overshooting curve when opening
    };
    /// One object inside.
    struct OPEN_OBJ
    {
        OBJECT_HANDLE obj = 0;
        int used = 0;  ///< 1 when loaded
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_move_side_zone(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_TIME() override;
    void ON_LBUTTONUP() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;
    void ON_SETFOCUS() override;
    void ON_KILLFOCUS() override;

    /// The game variable "<node>@<prm>" of the zone.
    int getMyParamI(const String& prm);
    void setMyParamI(const String& prm, int val);

    /// Starts opening; l = 1 closes again as soon as fully open.
    void opening(int l);
    /// Starts closing; the objects inside disappear.
    void closing();
    /// One step of the motion and every part's pose.
    void update();
    /// Fully open: the timer ends, the requester gets its answer.
    void open();
    /// Fully closed: locked, the timer ends, the requester gets its answer.
    void close();
    /// Shows (1) or hides (0) the objects inside that are not taken yet.
    void doObjs(int v);
    /// True when the object's "@picked" is 0.
    int checkActive(OBJECT_HANDLE obj);
    /// Sends 200 to every alternative zone.
    void closeAlts();
    void loadObjs();
    void loadAlts();
    /// The string parameter base + id (two digits) + postfix; true when it exists.
    bool loadParam(String& result, const String& base, int id, const String& postfix);

    /// (1 - cos(x * 3.1415)) / 2.
    static float cosFunc(float x);
    /// A cubic that overshoots 1 and comes back.
    static float cubeFunc(float x);
    /// cubeFunc folded below 1: a bounce at the open end.
    static float cubeFunc2(float x);
    /// 1 - cubeFunc2(1 - x): the bounce at the closed end.
    static float cubeFunc3(float x);

    MOVE_ANIM anims[kParts];
    OPEN_OBJ objs[kObjs];
    OBJECT_HANDLE alts[kAlts] = {};
    int alt_count = 0;
    float progress = 0.0f;      ///< 0 closed, 1 open
    int state = 0;              ///< 0 closed, 1 opening, 2 open, 3 closing
    int return_back = 0;        ///< 1: close again when fully open
    int timer = 0;              ///< 0: none
    float dt = 0.0f;            ///< seconds of the current frame
    OBJECT_HANDLE requester = 0;
    int reply = 0;
    int hint = 0;
    int no_hide = 0;
    int cur_cam = 0;
    int move_parts_num = 0;
    float time = 1.0f;          ///< seconds for a full opening or closing
    int sound_open = 0;
    int sound_close = 0;

private:
    void moveUpdate(MOVE_ANIM& anim, float ca);
    void rotateUpdate(MOVE_ANIM& anim, float ca);
    void loadPart(int n);
};
