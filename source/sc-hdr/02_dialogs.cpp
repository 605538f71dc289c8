#include "02_dialogs.h"

#include "AnimatableObject.h"
#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "SfxCore.h"
#include "Trace.h"

#include <cstring>

namespace
{
const char* const kDialogOverlay = "DialogOverlay";
const char* const kBackCont = "DialogBackCont";
const char* const kSkipText = "DialogSkipText";
const char* const kSkipText2 = "DialogSkipText2";
const char* const kSkipButton = "DialogSkipButton";
const char* const kTextOverlay = "TextLinesOverlay";
const char* const kTextPanel = "TextPanel";
const char* const kSkipFx = "DialogSkipButtonFx";
const int kSkipStringId = 113;
const int kEscapeKey = 1;
const int kVoiceGroup = 2;

CAnimatableObject* animatedOf(OBJECT_HANDLE handle)
{
    return dynamic_cast<CAnimatableObject*>(gObjectCollector.get(handle));
}
} // namespace

sc_02_dialogs::sc_02_dialogs(int mostDerived) : sc_00_msg(0)
{
    (void)mostDerived;
    for (int l = 0; l < kLevels; ++l)
        for (int g = 0; g < kGroups; ++g)
            for (int i = 0; i < kLines; ++i)
            {
                mVoiceIds[l][g][i] = -1;
                mVoiceLens[l][g][i] = 0;
            }
}

// ---------------------------------------------------------------------------
// Building a dialog

void sc_02_dialogs::dlg_Init()
{
    mStep = 0;
    mStepCount = 0;
    mDialogId = 0;
    mNotifyObj = 0;
    hasCut = 0;
    afterCam = 0;
    for (Step& step : mSteps)
    {
        step.voice = -1;
        step.text = 0;
    }
}

void sc_02_dialogs::dlg_Add(int text_id, int snd_id, int room_cam)
{
    // The content keeps to the step limit; an overlong dialog loses its
    // extra steps instead of writing past the table.
    if (mStepCount >= kMaxSteps)
    {
        Log::print("\nERROR: dialog %d has more than %d steps", mDialogId, kMaxSteps);
        return;
    }
    Step& step = mSteps[mStepCount++];
    int len = 0;
    step.voice = snd_id == -1 ? -1 : getFromVoiceCache(text_id, len);
    step.voiceLen = len;
    step.text = text_id;
    step.roomCam = room_cam;
    step.actionCount = 0;
    if (room_cam != 0)
        hasCut = 1;
}

sc_02_dialogs::Step* sc_02_dialogs::lastStep()
{
    return mStepCount > 0 ? &mSteps[mStepCount - 1] : nullptr;
}

sc_02_dialogs::Action* sc_02_dialogs::addAction(const char* name, int type)
{
    Step* step = lastStep();
    if (!step || step->actionCount >= kMaxActions)
    {
        Log::print("\nERROR: dialog %d: no room for an action on [%s]", mDialogId, name ? name : "");
        return nullptr;
    }
    Action& action = step->actions[step->actionCount++];
    action = Action();
    action.object = gApp.findObjectHandle(name ? name : "");
    action.type = type;
    return &action;
}

void sc_02_dialogs::dlg_AddPersAnim(const char* pers, const char* anim)
{
    if (Action* action = addAction(pers, DLG_ANIM))
        action->anim = anim ? anim : "";
}

void sc_02_dialogs::dlg_AddPersAnim2(const char* pers, const char* anim, const char* anim2)
{
    dlg_AddPersBase2(pers, anim, anim2, DLG_ANIM2);
}

void sc_02_dialogs::dlg_AddPersClear(const char* pers, const char* anim)
{
    if (Action* action = addAction(pers, DLG_CLEAR))
        action->anim = anim ? anim : "";
}

void sc_02_dialogs::dlg_AddPersClear2(const char* pers, const char* anim, const char* anim2)
{
    dlg_AddPersBase2(pers, anim, anim2, DLG_CLEAR2);
}

void sc_02_dialogs::dlg_AddPersBase2(const char* pers, const char* anim, const char* anim2, int state)
{
    if (Action* action = addAction(pers, state))
    {
        action->anim = anim ? anim : "";
        action->anim2 = anim2 ? anim2 : "";
    }
}

void sc_02_dialogs::dlg_AddObjVisible(const char* pers, int vis)
{
    addAction(pers, DLG_HIDE + (vis ? 1 : 0));
}

void sc_02_dialogs::dlg_AddObjNotify(const char* obj, int msg)
{
    if (Action* action = addAction(obj, DLG_NOTIFY))
        action->param = msg;
}

void sc_02_dialogs::dlg_AddPersPosRot(const char* pers, float X, float Y, float Z, float rZ)
{
    if (Action* action = addAction(pers, DLG_POSROT))
    {
        action->x = X;
        action->y = Y;
        action->z = Z;
        action->rZ = rZ;
    }
}

void sc_02_dialogs::dlg_AfterCam(int cam)
{
    afterCam = cam;
}

void sc_02_dialogs::dlg_SetNotifyObj(OBJECT_HANDLE notify_obj)
{
    mNotifyObj = notify_obj;
}

void sc_02_dialogs::dlg_SetId(int id)
{
    mDialogId = id;
}

// ---------------------------------------------------------------------------
// Playing

void sc_02_dialogs::getUpShift(float* us)
{
    *us = getConfigI("menu_03") != 0 ? 0.1458333f : 0.0625f;
}

void sc_02_dialogs::readButtons(bool& left, bool& right, bool& escape)
{
    const CInput* input = gApp.mInput;
    left = input && input->mLeftDown;
    right = input && input->mRightDown;
    escape = input && input->mKeyDown[kEscapeKey] != 0;
}

int sc_02_dialogs::dlg_firstStep()
{
    TQ_TRACE(" dlg_firstStep()");
    dialogContent(*this, mDialogId);
    if (mStepCount == 0)
    {
        // The requester is answered at once, as if the dialog had played.
        Log::print("\n\nUnknown dialog id! %d", mDialogId);
        Log::print("\nWARNING: 02_dialogs: there is no dialog %d; its requester is answered at once", mDialogId);
        if (mRequester)
            dlg_SetNotifyObj(mRequester);
        return 0;
    }
    if (mRequester)
        dlg_SetNotifyObj(mRequester);
    if (mStepCount == 1 && !hasCut)
    {
        sendNotifyByName("00_game_interface", 201, 0);
    }
    else
    {
        sendNotifyByName("00_sfx_env", 60, 0);
        sendNotifyByName("00_game_interface", 101, 0);
    }
    setCursorMode(1);
    overlaySetVisible(kDialogOverlay, nullptr, nullptr, true);
    float us = 0.0f;
    getUpShift(&us);
    overlaySetPosition(kDialogOverlay, kBackCont, nullptr, 0.03f, 0.833333f - us);
    overlaySetPosition(kTextOverlay, kTextPanel, nullptr, 0.03f, 0.833333f - us);
    mPollTimer = CObject::createTimer(gObjectCollector.get(getOwner()), 1, -1, nullptr);
    readButtons(mPrevLeft, mPrevRight, mPrevEscape);
    mSkip = mStepCount <= 1 ? 1 : 0;
    return 1;
}

void sc_02_dialogs::playAction(const Step& step, const Action& action)
{
    // Persons and objects that the scene lacks were warned about when the
    // dialog was built; their actions are skipped.
    if (!action.object)
        return;
    switch (action.type)
    {
    case DLG_ANIM:
        if (CAnimatableObject* person = animatedOf(action.object))
        {
            animAddPoint(action.object, action.anim, 0, 0);
            person->leavePoint(true);
        }
        break;
    case DLG_ANIM2:
        if (CAnimatableObject* person = animatedOf(action.object))
        {
            animAddTransitionPoint(action.object, action.anim, -1, action.anim2, step.voice, 0, 0);
            person->leavePoint(true);
        }
        break;
    case DLG_CLEAR:
        if (CAnimatableObject* person = animatedOf(action.object))
        {
            person->stop();
            animAddPoint(action.object, action.anim, 0, 0);
            person->start();
        }
        break;
    case DLG_CLEAR2:
        if (CAnimatableObject* person = animatedOf(action.object))
        {
            person->stop();
            animAddTransitionPoint(action.object, action.anim, -1, action.anim2, step.voice, 0, 0);
            person->start();
        }
        break;
    case DLG_HIDE:
    case DLG_SHOW:
        setVisible(action.object, action.type == DLG_SHOW);
        break;
    case DLG_NOTIFY:
        sendNotify(action.object, 0, action.param);
        break;
    case DLG_POSROT:
        setPosition(action.object, vec3(action.x, action.y, action.z));
        setOrientationDeg(action.object, vec3(0.0f, 0.0f, action.rZ));
        break;
    default:
        break;
    }
}

void sc_02_dialogs::dlg_playNext()
{
    TQ_TRACE(" dlg_playNext()");
    CObject* own = gObjectCollector.get(getOwner());
    for (;;)
    {
        if (mVoiceTimer != -1)
        {
            CObject::killTimer(own, mVoiceTimer);
            mVoiceTimer = -1;
        }
        if (mStep == 0 && !dlg_firstStep())
        {
            dlg_lastStep(0);
            return;
        }
        if (mStep >= mStepCount)
        {
            dlg_lastStep(0);
            return;
        }
        if (mStep > 0 && mSteps[mStep - 1].voice != -1)
            CSfxCore::stopSound(mSteps[mStep - 1].voice);

        const Step& step = mSteps[mStep];
        if (step.voice != -1)
        {
            CSfxCore::playSound(step.voice, kVoiceGroup, 0, 0);
            mVoiceTimer = CObject::createTimer(own, static_cast<uint32_t>(step.voiceLen > 0 ? step.voiceLen : 0), 1,
                                               nullptr);
        }
        else if (step.voiceLen > 0)
        {
            mVoiceTimer = CObject::createTimer(own, static_cast<uint32_t>(step.voiceLen), 1, nullptr);
        }
        if (step.roomCam != 0)
        {
            Log::print("\n!!!!!!Set cam to %d", step.roomCam);
            sendNotifyByName("01_cam_move", 5000 + step.roomCam, 0);
            cameraMoved = 1;
        }
        for (int i = 0; i < step.actionCount; ++i)
            playAction(step, step.actions[i]);
        const int text = step.text;
        if (text != -1)
        {
            overlaySetVisible(kTextOverlay, nullptr, nullptr, true);
            int width = getConfigI("dialog_subtitle_max_line_length");
            if (width == 0)
                width = 70;
            const int lines = overlaySetTextById(kTextOverlay, kTextPanel, "Line", text, width);
            overlaySetPosition(kTextOverlay, kTextPanel, nullptr, 0.47f,
                               (0.146f - 0.025f * static_cast<float>(lines)) / 2.0f);
        }
        ++mStep;
        if (text != -1)
            return;
    }
}

void sc_02_dialogs::dlg_lastStep(int is_skip)
{
    TQ_TRACE(" dlg_lastStep(int is_skip)");
    CObject* own = gObjectCollector.get(getOwner());
    overlaySetVisible(kDialogOverlay, nullptr, nullptr, false);
    overlaySetVisible(kTextOverlay, nullptr, nullptr, false);
    if (mPollTimer != -1)
    {
        CObject::killTimer(own, mPollTimer);
        mPollTimer = -1;
    }
    if (mVoiceTimer != -1)
    {
        CObject::killTimer(own, mVoiceTimer);
        mVoiceTimer = -1;
    }
    for (Step& step : mSteps)
    {
        if (step.voice != -1)
            CSfxCore::stopSound(step.voice);
        step.voice = -1;
    }
    if (cameraMoved && !is_skip && afterCam >= 0)
        sendNotifyByName("01_cam_move", afterCam == 0 ? 5000 : 5000 + afterCam, 0);
    cameraMoved = 0;
    if (!is_skip && mNotifyObj)
        sendNotify(mNotifyObj, getOwner(), mDialogId);
    if (mStepCount == 1 && !hasCut)
    {
        sendNotifyByName("00_game_interface", 200, 0);
    }
    else
    {
        sendNotifyByName("00_sfx_env", 100, 0);
        sendNotifyByName("00_game_interface", 100, 0);
    }
    setConfigI("is_dialog_start", 0);
    dlg_Init();
    if (!mWaiting.empty())
    {
        const Request next = mWaiting.front();
        mWaiting.erase(mWaiting.begin());
        startDialog(next.id, next.requester);
    }
}

void sc_02_dialogs::skip_dialog()
{
    dlg_playNext();
}

void sc_02_dialogs::skipButtonProcess()
{
    if (mSkipHover)
    {
        mSkipGlow += 3.0f * mFrameTime;
        if (mSkipGlow > 1.0f)
            mSkipGlow = 1.0f;
    }
    else
    {
        mSkipGlow -= mFrameTime;
        if (mSkipGlow < 0.0f)
        {
            mSkipGlow = 0.0f;
            overlaySetVisible(kTextOverlay, kSkipFx, nullptr, false);
        }
    }
    materialSetColour(kSkipFx, mSkipGlow, mSkipGlow, mSkipGlow, 1);
}

// ---------------------------------------------------------------------------
// Voice cache

void sc_02_dialogs::parseId(int _sfx_id, int& lev, int& room, int& id)
{
    id = _sfx_id % 100;
    room = (_sfx_id / 100) % 100;
    lev = _sfx_id / 10000;
}

void sc_02_dialogs::initVoiceCache()
{
    for (int l = 0; l < kLevels; ++l)
        for (int g = 0; g < kGroups; ++g)
            for (int i = 0; i < kLines; ++i)
            {
                mVoiceIds[l][g][i] = -1;
                mVoiceLens[l][g][i] = 0;
            }
    for (int id : dialogVoices(getVarI("cur_loc")))
        addVoiceToCache(id);
}

void sc_02_dialogs::addVoiceToCache(int _sfx_id)
{
    int lev = 0;
    int room = 0;
    int id = 0;
    parseId(_sfx_id, lev, room, id);
    addVoiceToCache2(lev, room, id);
}

void sc_02_dialogs::addVoiceToCache2(int lev, int room, int id)
{
    if (lev < 0 || lev >= kLevels || room < 0 || room >= kGroups || id < 0 || id >= kLines)
        return;
    const String name = std::to_string(lev * 10000 + room * 100 + id);
    const int sound = CSfxCore::loadSound(name, 1);
    if (sound < 0)
    {
        Log::print("\nERROR: Add sound %d-%d-%d to cache failed!", lev, room, id);
        return;
    }
    mVoiceIds[lev][room][id] = sound;
    const int len = CSfxCore::cacheVoice(name);
    mVoiceLens[lev][room][id] = len > 0 ? len : 0;
}

int sc_02_dialogs::getFromVoiceCache(int _sfx_id, int& len)
{
    len = 0;
    if (_sfx_id == -1)
        return -1;
    int lev = 0;
    int room = 0;
    int id = 0;
    parseId(_sfx_id, lev, room, id);
    // A line of another location, or no line at all, has no cached voice.
    if (_sfx_id < 0 || lev >= kLevels)
        return -1;
    len = mVoiceLens[lev][room][id];
    return mVoiceIds[lev][room][id];
}

void sc_02_dialogs::freeCache()
{
    for (int l = 0; l < kLevels; ++l)
        for (int g = 0; g < kGroups; ++g)
            for (int i = 0; i < kLines; ++i)
                if (mVoiceIds[l][g][i] > -1)
                {
                    CSfxCore::freeSound(mVoiceIds[l][g][i]);
                    mVoiceIds[l][g][i] = -1;
                }
}

// ---------------------------------------------------------------------------
// Handlers

void sc_02_dialogs::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    float charSize = 0.04f;
    getConfigF("dialog_close_button_char_size", charSize);
    overlaySetVisible(kDialogOverlay, nullptr, nullptr, false);
    for (const char* element : {kSkipText, kSkipText2})
    {
        overlaySetCaption(kDialogOverlay, kBackCont, element, kSkipStringId, -1, 0, nullptr);
        overlaySetCharHeight(kDialogOverlay, kBackCont, element, charSize);
    }
    float top = 0.0f;
    overlayGetPosition(kDialogOverlay, kBackCont, kSkipText, mSkipX, top);
    mSkipY = top;
    mSkipWidth = 0.078125f;
    mSkipHeight = 0.0416667f;
    initVoiceCache();
    dlg_Init();
}

void sc_02_dialogs::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    freeCache();
}

void sc_02_dialogs::ON_TIME(int id)
{
    mFrameTime = static_cast<float>(gApp.mFrameMs) / 1000.0f;
    if (id == mVoiceTimer)
    {
        // The one-shot timer is over: its id may be handed out again.
        mVoiceTimer = -1;
        dlg_playNext();
        return;
    }
    if (id != mPollTimer)
        return;
    bool left = false;
    bool right = false;
    bool escape = false;
    readButtons(left, right, escape);
    const bool leftUp = mPrevLeft && !left;
    const bool otherUp = (mPrevRight && !right) || (mPrevEscape && !escape);

    bool skipped = false;
    if (mSkip)
    {
        float x = 0.5f;
        float y = 0.5f;
        if (gApp.mInput)
        {
            x = gApp.mInput->mCursorX;
            y = gApp.mInput->mCursorY;
        }
        float us = 0.0f;
        getUpShift(&us);
        if (mSkipX < x && x < mSkipX + mSkipWidth && mSkipY - us < y && y < mSkipY + mSkipHeight - us)
        {
            mSkipHover = 1;
            overlaySetVisible(kTextOverlay, kSkipFx, nullptr, true);
            // The release over the button is the skip; it does not count as
            // a click as well, which would advance a second time.
            if (leftUp)
            {
                skip_dialog();
                skipped = true;
            }
        }
        else
        {
            mSkipHover = 0;
        }
        skipButtonProcess();
    }
    if (leftUp && !skipped)
        dlg_playNext();
    if (otherUp && mStepCount > 0)
        dlg_playNext();
    mPrevLeft = left;
    mPrevRight = right;
    mPrevEscape = escape;
}

void sc_02_dialogs::ON_NOTIFY(int param, OBJECT_HANDLE s)
{
    TQ_TRACE(" ON_NOTIFY(int param, OBJECT_HANDLE s)");
    Log::print("\n-------dialog %d\n", param);
    if (param == mStopCode)
    {
        Log::print("\n\nSTOP DIALOG\n");
        dlg_lastStep(1);
        return;
    }
    if (mStepCount > 0)
    {
        // One dialog at a time: this one plays after the current one, and
        // both requesters are answered.
        Log::print("\n02_dialogs: dialog %d waits for dialog %d", param, mDialogId);
        mWaiting.push_back({param, s});
        return;
    }
    startDialog(param, s);
}

void sc_02_dialogs::startDialog(int id, OBJECT_HANDLE requester)
{
    TQ_TRACE(" startDialog(int id, OBJECT_HANDLE requester)");
    mRequester = requester;
    dlg_SetId(id);
    // Set before playing: a dialog that ends at once clears it again.
    setConfigI("is_dialog_start", 1);
    dlg_playNext();
    for (const char* element : {kSkipText, kSkipText2, kSkipButton})
        overlaySetVisible(kDialogOverlay, kBackCont, element, mSkip != 0);
    overlaySetVisible(kTextOverlay, kSkipFx, nullptr, mSkip != 0);
}
