// The dialog player "02_dialogs.sc", script of the object "02_dialogs" of
// every location scene.  A dialog is started by sending its id; its steps
// (a spoken line with voice and subtitle, camera cuts, animations of the
// persons, notifications) play one after the other as the voices end or the
// player clicks.  At the end the camera goes back, the interface and the
// environment sound are told, and the requester gets the id back.  The
// content of every dialog is in 02_dialogs_content.cpp.
#pragma once

#include "00_msg.h"

#include <vector>

class sc_02_dialogs : public sc_00_msg, public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_02_dialogs(int mostDerived = 1);

    static const int kMaxSteps = 32;
    static const int kMaxActions = 16;
    static const int kLevels = 8;
    static const int kGroups = 32;
    static const int kLines = 128;

    /// What an action does when its step plays.
    enum ActionType
    {
        DLG_ANIM = 1,      ///< a way-point with anim, switched to at once
        DLG_HIDE = 4,      ///< hides the object's movables
        DLG_SHOW = 5,      ///< shows them
        DLG_CLEAR = 7,     ///< stop, a way-point with anim, start
        DLG_POSROT = 8,    ///< position and turn about Z
        DLG_ANIM2 = 10,    ///< a talking way-point anim -> anim2, at once
        DLG_NOTIFY = 11,   ///< a notification without sender
        DLG_CLEAR2 = 12,   ///< stop, a talking way-point, start
    };

    struct Action
    {
        OBJECT_HANDLE object = 0; ///< 0 when the name was not found
        String anim;
        String anim2;
        float x = 0.0f;
        float y = 0.0f;
        float z = 0.0f;
        float rZ = 0.0f;
        int type = 0;
        int param = 0;
    };

    struct Step
    {
        int voice = -1;       ///< sound id, -1 none
        int voiceLen = 0;     ///< milliseconds
        int text = 0;         ///< subtitle string id, -1 for a step without line
        int roomCam = 0;      ///< cut to room * 100 + camera, 0 none
        int actionCount = 0;
        Action actions[kMaxActions];
    };

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE s) override;

    /// Clears the dialog: no steps, no id, no notify object, no cut.
    void dlg_Init();
    /// A new step whose line (subtitle and voice) is text_id; snd_id -1 makes
    /// a step without voice; room_cam cuts the camera when the step plays.
    void dlg_Add(int text_id, int snd_id, int room_cam = 0);
    void dlg_AddPersAnim(const char* pers, const char* anim);
    void dlg_AddPersAnim2(const char* pers, const char* anim, const char* anim2);
    void dlg_AddPersClear(const char* pers, const char* anim);
    void dlg_AddPersClear2(const char* pers, const char* anim, const char* anim2);
    void dlg_AddPersBase2(const char* pers, const char* anim, const char* anim2, int state);
    /// vis 0 hides, 1 shows.
    void dlg_AddObjVisible(const char* pers, int vis);
    void dlg_AddObjNotify(const char* obj, int msg);
    void dlg_AddPersPosRot(const char* pers, float X, float Y, float Z, float rZ);
    /// The camera to return to: 0 the previous one, room * 100 + camera, -1 stay.
    void dlg_AfterCam(int cam);
    void dlg_SetNotifyObj(OBJECT_HANDLE notify_obj);
    void dlg_SetId(int id);
    /// Builds the steps of the stored id and starts the dialog; 0 when the
    /// id has no content.
    int dlg_firstStep();
    /// Plays the next step, or ends the dialog after the last one.
    void dlg_playNext();
    void dlg_lastStep(int is_skip);
    /// Plays dialog id for the requester, who is answered with the id.
    void startDialog(int id, OBJECT_HANDLE requester);
    void skip_dialog();
    void skipButtonProcess();
    void getUpShift(float* us);

    void initVoiceCache();
    void addVoiceToCache(int _sfx_id);
    void addVoiceToCache2(int lev, int room, int id);
    /// The cached sound id (-1 none) and its length.
    int getFromVoiceCache(int _sfx_id, int& len);
    void parseId(int _sfx_id, int& lev, int& room, int& id);
    void freeCache();

    // -- dialog state ---------------------------------------------------------
    Step mSteps[kMaxSteps];
    int mStep = 0;            ///< index of the next step to play
    int mStepCount = 0;
    int mDialogId = 0;
    OBJECT_HANDLE mNotifyObj = 0;
    int hasCut = 0;
    int afterCam = 0;
    int cameraMoved = 0;
    OBJECT_HANDLE mRequester = 0;
    /// Dialogs asked for while another played, played after it in order.
    struct Request
    {
        int id;
        OBJECT_HANDLE requester;
    };
    std::vector<Request> mWaiting;
    int mVoiceTimer = -1;
    int mPollTimer = -1;
    bool mPrevLeft = false;
    bool mPrevRight = false;
    bool mPrevEscape = false;
    int mSkip = 0;
    int mSkipHover = 0;
    float mSkipGlow = 0.0f;
    float mSkipX = 0.0f;
    float mSkipY = 0.0f;
    float mSkipWidth = 0.078125f;
    float mSkipHeight = 0.0416667f;
    float mFrameTime = 0.0f;

    // -- voice cache, [level][group][line] -------------------------------------
    int mVoiceIds[kLevels][kGroups][kLines];
    int mVoiceLens[kLevels][kGroups][kLines];

private:
    /// The step that the action builders add to; null before the first.
    Step* lastStep();
    Action* addAction(const char* name, int type);
    void playAction(const Step& step, const Action& action);
    /// Left, right and Escape as the input layer holds them now.
    void readButtons(bool& left, bool& right, bool& escape);
};

/// The steps of dialog id, built into player with its builders; false when
/// the id has no content.  (02_dialogs_content.cpp)
bool dialogContent(sc_02_dialogs& player, int id);
/// The voice ids of a location that the player loads when it is created.
const std::vector<int>& dialogVoices(int location);
