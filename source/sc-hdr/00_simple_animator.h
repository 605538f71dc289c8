// The script registered as "00_simple_animator.sc": drives one animated
// scene object from its .scene parameters alone.  Up to 10 numbered
// animations of the object ("anim_NN_...") form a small state machine in
// which each finished animation hands over to its successor; other scripts
// start one by its notify code and get that code back when it ends, and the
// camera then returns to where it was.  Up to 10 delayed camera moves
// ("cam_move_NN_...") start on notify codes as well.  The current animation
// and the starter are kept in the object's state variables, so the object
// comes back in its last state when the room is loaded again.
#pragma once

#include "CodeScript.h"

class sc_00_simple_animator : public virtual CodeScript
{
public:
    static const int kRecords = 10;

    /// One animation of the object.
    struct ANIM
    {
        int used = 0;
        String name;          ///< the animation of the object's entity
        String skel;          ///< linked skeleton that carries it; empty: the entity's own
        int times = 0;        ///< plays before it ends; 0 never ends
        int notify = 0;       ///< code that starts it and is answered at its end
        OBJECT_HANDLE owner = 0;
        int identity = 0;     ///< of the running animation, as the play call gave it
        int speed = 0;        ///< thousandths of the normal speed
        int next_anim = 0;    ///< the record that follows at its end
        int sound = 0;        ///< voice code sent to "00_movies" at its start
        int sound_room = 0;   ///< room in which the voice is sent; 0 any
    };

    /// One delayed camera move.
    struct CAM_MOVE
    {
        int notify = 0; ///< code that starts it
        int msg = 0;    ///< code sent to "01_cam_move"
        int time = 0;   ///< delay in ms
        int timer = 0;  ///< id of its pending timer
        int used = 0;
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_simple_animator(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    /// Loads the records, replays the current animation and hangs the
    /// object on a bone when asked.
    void ON_CREATE() override;
    /// A due camera move.
    void ON_TIME(int id) override;
    /// The end of the current animation, a start code, a camera-move code.
    void ON_NOTIFY(int code, OBJECT_HANDLE sender) override;
    /// The sparkle cursor while "az_sparkle" is set.
    void ON_SETFOCUS() override;
    /// The normal cursor.
    void ON_KILLFOCUS() override;

    /// The object's state variable "<node>@<key>" as an int; 0 when absent.
    int getMyParamI(const String& key);
    void setMyParamI(const String& key, int value);
    /// 1 and the parameter prefix + two-digit index + suffix, or 0.
    int loadParam(String& result, const String& prefix, int index, const String& suffix);
    /// The same parameter as an int; 0 when absent.
    int loadParamInt(const String& prefix, int index, const String& suffix);
    /// 1 and the int, or 0 with value untouched.
    int isLoadParamInt(const String& prefix, int index, const String& suffix, int& value);
    void loadAnim(ANIM& anim, int index);
    /// Records from 00 up to the first without a name.
    void loadAnims();
    void loadCammove(CAM_MOVE& move, int index);
    /// Records from 00 up to the first without a message.
    void loadCammoves();
    /// The starter named by the "@parent" state variable.
    void loadParent();
    /// The starter and its "@parent" state variable (0: none).
    void setParent(OBJECT_HANDLE parent);
    void playAnim(ANIM& anim);
    void notifyAnims(int code, OBJECT_HANDLE sender);
    void notifyCammoves(int code, OBJECT_HANDLE sender);
    void timerCammoves(int id);

    OBJECT_HANDLE mAttachTo = 0;
    int mSavedCam = -1;
    int mSavedRoom = -1;
    ANIM mAnims[kRecords];
    CAM_MOVE mCamMoves[kRecords];
    int mCurAnim = 1;
    int mNoCamReturn = 0;
    OBJECT_HANDLE mParent = 0;

private:
    /// The object's node name, "" without a node.
    String myName();
    /// The record of an index, or null outside the table.
    ANIM* anim(int index);
    /// playAnim of an index; one outside the table counts as unused.
    void playAnimAt(int index);
};
