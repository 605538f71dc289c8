// The script registered as "00_interface.sc", bound to the object
// "interface": every 2D menu of the game (main menu, quit question,
// profiles, name box, in-game menu, dialog box, options, tip window,
// credits, survey box, difficulty choice).  A menu is a few overlay panels
// that slide in and out and a list of items that react to the mouse; the
// script reads mouse and keyboard itself once per frame.
//
// The framework and the handlers live in 00_interface.cpp, the profiles in
// 00_interface_users.cpp, the options in 00_interface_options.cpp and the
// smaller boxes in 00_interface_dialogs.cpp.
#pragma once

#include "CodeScript.h"

class sc_00_interface : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_interface(int mostDerived = 1);

    // -- records -------------------------------------------------------------
    static const int kMenuCount = 11;
    static const int kMaxBorders = 3;
    static const int kMaxItems = 18;
    static const int kUserCount = 5;

    /// Menu numbers.
    enum
    {
        MENU_MAIN = 0,
        MENU_QUIT = 1,
        MENU_USERS = 2,
        MENU_NAME = 3,
        MENU_GAME = 4,
        MENU_DIALOG = 5,
        MENU_OPTIONS = 6,
        MENU_TIP = 7,
        MENU_CREDITS = 8,
        MENU_SURVEY = 9,
        MENU_DIFFICULTY = 10
    };

    /// One overlay panel of a menu; positions in relative screen units.
    struct BORDER
    {
        int index = 0;
        int mid = 0;
        String name;    ///< element; empty: the whole overlay
        String overlay;
        float x = 0.0f, y = 0.0f;
        float hideX = 0.0f, hideY = 0.0f; ///< where it stands at alpha 0
        float showX = 0.0f, showY = 0.0f; ///< where it stands at alpha 1
        float width = 0.0f, height = 0.0f;
    };

    /// One reacting element of a menu.
    struct ITEM
    {
        int hoverState = 0; ///< 0 idle, 1 rising, 2 hovered, 3 falling
        float hoverLevel = 0.0f;
        float x = 0.0f, y = 0.0f;   ///< text: centre x; picture: left edge
        float tx = 0.0f, ty = 0.0f; ///< where a picture glides to
        float width = 0.0f, height = 0.0f;
        float lx = 0.0f, ly = 0.0f, lw = 0.0f, lh = 0.0f; ///< highlight offsets (setLt)
        float fxWidth = 0.0f, fxHeight = 0.0f;            ///< a check box's ball
        float normalTop[3] = {0, 0, 0};
        float normalBottom[3] = {0, 0, 0};
        float disabledTop[3] = {0, 0, 0};
        float disabledBottom[3] = {0, 0, 0};
        int kind = 0; ///< 0 picture, 1 text
        int border = 0;
        int customLight = 0;
        String name;
        String fxName;
        String material;
        int caption = 0;
        int lightKind = 0; ///< 0 button, 1 check box, 2 volume knob
        int disabled = 0;
        int volume = -1;
        int check = -1; ///< -1 no check box; 0 on, 1 off
        float checkFade = 0.0f;
        int index = 0;
        int mid = 0;
    };

    struct MENU
    {
        int state = 0; ///< 0 hidden, 1 fading in, 2 shown, 3 fading out
        float alpha = 0.0f;
        int itemCount = 0;
        int borderCount = 0;
        BORDER borders[kMaxBorders];
        ITEM items[kMaxItems];
        int mid = 0;
    };

    /// The glow behind the hovered item, one for all menus.
    struct LIGHT
    {
        int state = 0; ///< 0 off, 1 fading in, 2 on, 3 fading out
        int wanted = -1;
        float x = 0.0f, y = 0.0f, width = 0.0f, height = 0.0f;
        float alpha = 0.0f;
        String name = "MenuLight";
        String overlay = "interfaceOverlayLight";
        String material = "menu/light";
        int textureKind = -1;
    };

    /// One volume slider: a bar and its knob.
    struct VOLUME
    {
        float x = 0.0f, y = 0.0f, width = 0.0f, height = 0.0f;
        float knobWidth = 0.0f;
        float value = 1.0f;
        int percent = 100;
        float grabOffset = 0.0f;
        int dragging = 0;
        int mid = 0;
        int knob = -1;
        int bar = -1;
        int border = 0;
    };

    /// The dark backdrop behind the in-game menus.
    struct BACKGROUND
    {
        int state = 0;
        float alpha = 0.0f;
    };

    // -- handlers --------------------------------------------------------------
    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE obj) override;

    // -- builders (return the new index, -1 when the menu is full) -------------
    int menuAddBorder(int mid, const char* overl, const char* name, float px, float py, float dx, float dy);
    /// The next free item of border's menu, cleared, with its name and kind
    /// (0 picture, 1 text); -1 with a log line when the menu is full.
    int newItem(int border, int mid, const char* name, int kind);
    int menuAddItem(int border, int mid, const char* name, float x, float y, float sx, float sy, int mg = 0);
    int menuAddSelectLine(int border, int mid, const char* name, const char* mat);
    int menuAddTextArea(int border, int mid, const char* name, int caption, int disabled = 0);
    int menuAddTextArea(int border, int mid, const char* name, int caption, int disabled, float x, float y);
    /// A text item showing a literal text (a profile name).
    int menuAddTextArea(int border, int mid, const char* name, const char* caption, int disabled, float x, float y);
    int menuAddStaticText(int border, int mid, const char* name, int caption, int disabled, float x, float y);
    int menuAddCheckBox(int checked, int border, int mid, const char* name, const char* namefx, const char* mat,
                        int caption, int disabled, float x, float y, float sxfx, float syfx);
    int menuAddVolume(int v, int border, int mid, const char* n1, const char* n2, float x, float y, float sx, float sy,
                      float sx2, int vol);
    /// Highlight rectangle and light kind of an item.
    void setLt(int mid, int id, int num_lt, float x, float y, float sx, float sy);

    // -- display ------------------------------------------------------------------
    void menusInit();
    void menuShow(int mid);
    void menuHide(int mid);
    void menuOnHide(int mid);
    void menusOnHide();
    void menuProcess(int mid);
    void menusProcess();
    void itemProcess(int mid, int id);
    void itemProcessPress(int mid, int id);
    void itemSetCaption(int mid, int id);
    void itemSetDisable(int mid, int id, int disabled);
    void itemUpdateColor(int mid, int id);
    /// Places an item (text: its centre x) inside its border.
    void itemSetPosition(int mid, int id, float x, float y);
    void lightInit();
    void lightSetPosition(LIGHT& l, int num_lt, float x, float y, float sx, float sy);
    void lightProcess();
    void lightOff();
    void lightHide();
    void borderProcess();
    void hideBorder();
    void initBorder();
    static float cubeFunc(float a);
    static float lineInterp(float a, float b, float t);

    // -- sound ----------------------------------------------------------------------
    void loadSnd();
    void playSnd(int i);
    void stopSnd(int i);
    void unloadSnd();

    // -- start-up -------------------------------------------------------------------
    void startFromMainMenu();
    void startFromGame();
    void startFromMinigame();

    // -- profiles and saved games ----------------------------------------------------
    void save();
    int load(int id);
    void refresh();
    void loadUsers();
    int findCorrupedUsers();
    void deleteUser(int id, int no_refresh = 0);
    /// Moves a damaged profile's save and pictures aside, keeping them.
    void setUserAside(int id);
    void enter();
    void rename();
    void selectUser(int id);
    void setUser(int id);
    void user_select_fun(int s);
    void setHello();
    void setNameMenuCaption(int i);
    int matchNames(const String& name2, int u);
    static void checkSpace(const String& s1, String& s2);
    static int isEmpty(const String& n);
    int readKey();
    int can_continue();
    void startNewGame(int help_num);
    void startFromNameMenu();
    void startFromNameCorruptedMenu();
    void setMiniGames();
    /// The name entry of the name box, once per frame.
    void nameProcess();
    /// "save_NN.sav" of a profile.
    static String saveFileName(int id);

    // -- options ----------------------------------------------------------------------
    void volumeSetVolume(int v, int vol);
    void volumeProcess();
    void volumeSavePos(int v, int vol);
    void setAdvancedMode(int a);
    void refreshOptions();

    // -- dialog box, tips, survey, difficulty, chord --------------------------------------
    void startDialog(int d);
    void endDialog(int rez);
    void closeDialog();
    void dialogOnHide();
    void showTip(int tip, OBJECT_HANDLE sender);
    void initSurvey();
    void startFromSurvey();
    /// True while a menu is shown or fading in.
    bool menuIsUp() const;
    /// The five-key chord, once per frame.
    void chordProcess();

    // -- state ---------------------------------------------------------------------------
    MENU mMenus[kMenuCount];
    LIGHT mLight;
    BACKGROUND mBk;
    VOLUME mVolumes[2];

    int mCurSave = -1;        ///< "CurSave": the current profile, -1 none
    int mCreationSlot = -1;   ///< the profile the name box creates; -1 renames
    int mRenameTarget = -1;   ///< the profile the name box renames
    int mSelected = 0;        ///< selected line of the profiles menu
    String mNames[kUserCount];
    int mExists[kUserCount] = {0, 0, 0, 0, 0};
    String mTypedName;
    int mDialogKind = -1;     ///< 0 delete, 1 to 3 in-game boxes, 4 new game, -1 none
    int mDialogResult = 0;
    int mReturnMenu = MENU_MAIN; ///< where options and quit go back to
    int mTipCode = 0;
    OBJECT_HANDLE mTipSender = 0;
    float mMouseX = 0.0f, mMouseY = 0.0f;
    int mButton = 0;          ///< left button this frame
    int mLastButton = 0;      ///< left button last frame
    float mSeconds = 0.0f;    ///< this frame's length
    int mLastKey = -1;
    float mRepeatTimer = 0.0f;
    int mChord = 0;
    int mSound = -1;          ///< the menu sound's slot id
    int mTimerId = 0;

    // Item numbers of the named items.
    int mNewGameText = -1, mContinueGameText = -1, mOptionsText = -1, mCreditsText = -1, mQuitText = -1;
    int mHelloText = -1, mUserChangeText = -1;
    int mQuitYes = -1, mQuitNo = -1;
    int mUsersText = -1, mUserLines[kUserCount] = {-1, -1, -1, -1, -1}, mSelectLine = -1;
    int mUserSelect = -1, mUserRename = -1, mUserCreate = -1, mUserDelete = -1, mUserBack = -1;
    int mNameText = -1, mNameName = -1, mNameOk = -1, mNameCancel = -1;
    int mGameReturn = -1, mGameOptions = -1, mGameMainMenu = -1;
    int mDeleteCaption = -1, mDeleteYes = -1, mDeleteNo = -1;
    int mOptionsBack = -1, mCheckBox1 = -1, mCheckBox2 = -1, mCheckBox3 = -1;
    int mTipCaption = -1;
    int mBackText = -1;
    int mSurveyText = -1, mSurveyOk = -1;
    int mDifficultyNormal = -1, mDifficultyHard = -1, mDifficultyBack = -1;

private:
    ITEM* itemOf(int mid, int id);
    BORDER* borderOf(const ITEM& item);
    void buildOptionsMenu();
    void buildDialogMenus();
    /// Clicks of the profiles menu and the name box.
    void userPress(int mid, int id);
    /// Clicks of the options.
    void optionsPress(int id);
    /// Clicks of the dialog box, credits, survey box and difficulty choice.
    void dialogPress(int mid, int id);
};
