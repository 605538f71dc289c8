// The smaller boxes of "interface": the yes/no dialog box (menu 5), the tip
// window (menu 7) that answers its sender, the credits (menu 8), the survey
// box (menu 9), the difficulty choice (menu 10) that starts a new game, and
// the five-key chord.
#include "00_interface.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Trace.h"

namespace
{
// The string of each dialog kind (0 delete profile, 1 to 3 boxes of the
// in-game interface, 4 new game over a saved one).
const int kDialogTexts[5] = {43, 72, 73, 5006, 223};
// The chord: S, U, P, E, R.
const int kChordKeys[5] = {31, 22, 25, 18, 19};
} // namespace

void sc_00_interface::buildDialogMenus()
{
    TQ_TRACE(" buildDialogMenus()");
    // 5: the dialog box.
    menuAddBorder(MENU_DIALOG, "interfaceOverlayDelete", "DeleteMenuBorder", 0.15f, 0.4f, 0.0f, -0.7f);
    mDeleteCaption = menuAddStaticText(0, MENU_DIALOG, "DeleteCaption", 43, 1, 0.0f, 0.08f);
    mDeleteYes = menuAddTextArea(0, MENU_DIALOG, "DeleteYes", 29, 0, -0.1f, 0.13f);
    mDeleteNo = menuAddTextArea(0, MENU_DIALOG, "DeleteNo", 30, 0, 0.1f, 0.13f);

    // 7: the tip window.
    menuAddBorder(MENU_TIP, "interfaceOverlayTip", "TipMenuBorder", 0.15f, 0.0f, 0.0f, -0.7f);
    mTipCaption = menuAddStaticText(0, MENU_TIP, "TipCaption", 43, 1, 0.0f, 0.08f);

    // 9: the survey box.
    menuAddBorder(MENU_SURVEY, "interfaceOverlaySurvey", "SurveyBorder", 0.15f, 0.3f, 0.0f, -0.8f);
    mSurveyText = menuAddStaticText(0, MENU_SURVEY, "SurveyText", 200, 1, 0.0f, 0.1f);
    mSurveyOk = menuAddTextArea(0, MENU_SURVEY, "SurveyOk", 41, 0, 0.0f, 0.26f);

    // 10: the difficulty choice, wider by "level_select_menu_width" and
    // still centred.
    float extra = 0.0f;
    getConfigF("level_select_menu_width", extra);
    const float w = extra + 0.7f;
    const int m = MENU_DIFFICULTY;
    overlaySetSize("interfaceOverlayDifficulty", "DifficultyMenuBorder", nullptr, w, 0.59f);
    menuAddBorder(m, "interfaceOverlayDifficulty", "DifficultyMenuBorder", 0.15f - extra / 2.0f, 0.3f, 0.0f, 0.7f);
    menuAddStaticText(0, m, "DifficultyCaption", 210, 1, 0.0f, 0.1f);
    mDifficultyNormal = menuAddTextArea(0, m, "DifficultyNormal", 211, 0, -0.15f - extra / 2.0f, 0.18f);
    mDifficultyHard = menuAddTextArea(0, m, "DifficultyHard", 212, 0, 0.16f, 0.18f);
    mDifficultyBack = menuAddTextArea(0, m, "DifficultyBack", 213, 0, 0.0f, 0.47f);
    const char* const normal[4] = {"DifficultyNormalX", "DifficultyNormalY", "DifficultyNormalZ", "DifficultyNormalW"};
    const char* const hard[4] = {"DifficultyHardX", "DifficultyHardY", "DifficultyHardZ", "DifficultyHardW"};
    const int normalTexts[4] = {214, 215, 216, 221};
    const int hardTexts[4] = {217, 218, 219, 222};
    // Each list stands centred under its heading: its lines share one left
    // edge, as their elements are all as wide as the widest line.  (Placed
    // 0.12 left of the heading, the list of "Normal" ran out of the panel.)
    for (int i = 0; i < 4; ++i)
    {
        const float y = 0.25f + 0.05f * i;
        menuAddStaticText(0, m, normal[i], normalTexts[i], 1, -0.15f - extra / 2.0f, y);
        menuAddStaticText(0, m, hard[i], hardTexts[i], 1, 0.16f, y);
    }
}

// ---------------------------------------------------------------------------
// The dialog box

void sc_00_interface::startDialog(int d)
{
    TQ_TRACE(" startDialog(int d)");
    mDialogKind = d;
    menuShow(MENU_DIALOG);
    const ITEM* caption = itemOf(MENU_DIALOG, mDeleteCaption);
    MENU& menu = mMenus[MENU_DIALOG];
    if (!caption || menu.borderCount == 0 || d < 0 || d > 4)
        return;
    BORDER& b = menu.borders[0];
    const int lines = overlaySetTextById(b.overlay.c_str(), b.name.c_str(), caption->name.c_str(), kDialogTexts[d], 40);
    const float y = 0.05f * lines + 0.08f;
    itemSetPosition(MENU_DIALOG, mDeleteYes, b.width / 2.0f - 0.1f, y);
    itemSetPosition(MENU_DIALOG, mDeleteNo, b.width / 2.0f + 0.1f, y);
    b.width = 0.7f;
    b.height = y + 0.172f;
    overlaySetSize(b.overlay.c_str(), b.name.c_str(), nullptr, b.width, b.height);
}

void sc_00_interface::endDialog(int rez)
{
    TQ_TRACE(" endDialog(int rez)");
    if (mDialogKind == 0 && rez)
        deleteUser(mSelected);
    if (mDialogKind == 4)
        menuShow(rez ? MENU_DIFFICULTY : MENU_MAIN);
    mDialogResult = rez;
    menuHide(MENU_DIALOG);
}

void sc_00_interface::closeDialog()
{
    TQ_TRACE(" closeDialog()");
    menuHide(MENU_DIALOG);
}

void sc_00_interface::dialogOnHide()
{
    TQ_TRACE(" dialogOnHide()");
    // Kinds 1, 2 and 3 answer the in-game interface; 0 and 4 are the menu's own.
    const int answers[4] = {0, 90, 92, 94};
    if (mDialogKind >= 1 && mDialogKind <= 3)
        sendNotifyByName("00_game_interface", answers[mDialogKind] + mDialogResult, getOwner());
}

// ---------------------------------------------------------------------------
// The tip window

void sc_00_interface::showTip(int tip, OBJECT_HANDLE sender)
{
    TQ_TRACE(" showTip(int tip, OBJECT_HANDLE sender)");
    mTipCode = tip;
    mTipSender = sender;
    const ITEM* caption = itemOf(MENU_TIP, mTipCaption);
    MENU& menu = mMenus[MENU_TIP];
    if (caption && menu.borderCount > 0)
    {
        BORDER& b = menu.borders[0];
        const int lines =
            overlaySetTextById(b.overlay.c_str(), b.name.c_str(), caption->name.c_str(), tip - 10000, 32);
        b.width = 0.7f;
        b.height = (lines + 4) * 0.04f;
        overlaySetSize(b.overlay.c_str(), b.name.c_str(), nullptr, b.width, b.height);
        b.showY = 0.425f - b.height / 2.0f;
    }
    menuShow(MENU_TIP);
}

// ---------------------------------------------------------------------------
// The survey box

void sc_00_interface::initSurvey()
{
    TQ_TRACE(" initSurvey()");
    const ITEM* text = itemOf(MENU_SURVEY, mSurveyText);
    MENU& menu = mMenus[MENU_SURVEY];
    if (!text || menu.borderCount == 0)
        return;
    BORDER& b = menu.borders[0];
    const int lines = overlaySetTextById(b.overlay.c_str(), b.name.c_str(), text->name.c_str(), 200, 45);
    const float y = 0.05f * lines + 0.12f;
    itemSetPosition(MENU_SURVEY, mSurveyOk, b.width / 2.0f, y);
    b.width = 0.7f;
    b.height = y + 0.23f;
    overlaySetSize(b.overlay.c_str(), b.name.c_str(), nullptr, b.width, b.height);
}

void sc_00_interface::startFromSurvey()
{
    TQ_TRACE(" startFromSurvey()");
    menuShow(MENU_SURVEY);
    initSurvey();
}

bool sc_00_interface::menuIsUp() const
{
    for (const MENU& menu : mMenus)
        if (menu.state == 1 || menu.state == 2)
            return true;
    return false;
}

// ---------------------------------------------------------------------------
// The chord

void sc_00_interface::chordProcess()
{
    CInput* input = gApp.mInput;
    if (!input || mChord)
        return;
    for (int key : kChordKeys)
        if (!input->mKeyDown[key])
            return;
    mChord = 1;
    Log::print("\nYOU ARE CHEATER!!!");
    setMiniGames();
}

// ---------------------------------------------------------------------------
// Clicks

void sc_00_interface::dialogPress(int mid, int id)
{
    TQ_TRACE(" dialogPress(int mid, int id)");
    switch (mid)
    {
    case MENU_DIALOG:
        if (id == mDeleteYes)
            endDialog(1);
        else if (id == mDeleteNo)
            endDialog(0);
        break;
    case MENU_CREDITS:
        if (id == mBackText)
        {
            menuHide(MENU_CREDITS);
            menuShow(MENU_MAIN);
        }
        break;
    case MENU_SURVEY:
        if (id == mSurveyOk)
        {
            menuHide(MENU_SURVEY);
            menuShow(MENU_MAIN);
        }
        break;
    case MENU_DIFFICULTY:
        if (id == mDifficultyNormal)
        {
            startNewGame(3);
            setAdvancedMode(0);
            setVarI("tutorial_on", 1);
        }
        else if (id == mDifficultyHard)
        {
            startNewGame(1);
            setAdvancedMode(1);
            setVarI("tutorial_on", 0);
        }
        else if (id == mDifficultyBack)
        {
            menuHide(MENU_DIFFICULTY);
            menuShow(MENU_MAIN);
        }
        break;
    default:
        break;
    }
}
