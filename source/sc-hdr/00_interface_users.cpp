// Player profiles of "interface": the profiles menu, the name box with its
// keyboard entry, creating, renaming, selecting and deleting profiles,
// saving and loading the current profile, and starting a new game.
//
// A profile is one saved game, "save_NN.sav" in the user's folder; its name
// is the game variable "name" inside it.
#include "00_interface.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Trace.h"

#include <OgreSceneManager.h>

#include <cstdio>

namespace
{
// Keys of the input layer.
const int kKeyBackspace = 14;
const int kKeyReturn = 28;
const int kKeyLeftShift = 42;
const int kKeyRightShift = 54;
// The highest key that types: Space and everything above it type nothing.
const int kLastTypingKey = 56;
// Texts of the typing keys: 500 + key, 600 + key with shift.
const int kKeyTextBase = 500;
const int kMaxNameLength = 15;
const int kPicturesPerProfile = 50;

std::wstring widen(const String& text)
{
    return std::wstring(text.begin(), text.end());
}
} // namespace

String sc_00_interface::saveFileName(int id)
{
    char name[32];
    std::snprintf(name, sizeof(name), "save_%02d.sav", id);
    return name;
}

// ---------------------------------------------------------------------------
// Saving and loading

void sc_00_interface::save()
{
    TQ_TRACE(" save()");
    if (mCurSave < 0 || mCurSave >= kUserCount)
    {
        Log::print("\nWARNING: no current profile, nothing saved");
        return;
    }
    if (gApp.mSceneMgr)
        saveVisibility(gApp.mSceneMgr->getRootSceneNode());
    saveGame(saveFileName(mCurSave));
}

int sc_00_interface::load(int id)
{
    TQ_TRACE(" load(int id)");
    if (id < 0 || id >= kUserCount)
        return 0;
    const int result = loadGame(saveFileName(id));
    setMiniGames();
    return result == 1 ? 1 : 0;
}

void sc_00_interface::refresh()
{
    TQ_TRACE(" refresh()");
    if (!load(mCurSave))
    {
        // Without a profile nothing of an earlier one may be continued or
        // saved under another number.
        mCurSave = -1;
        clearVars();
    }
    mTypedName = getVarS("name");
    setHello();
    itemSetDisable(MENU_MAIN, mContinueGameText, can_continue() ? 0 : 1);
    refreshOptions();
}

int sc_00_interface::can_continue()
{
    return getVarI("cur_loc") != 0 && getVarI("no_survey") != 0;
}

void sc_00_interface::setHello()
{
    const ITEM* item = itemOf(MENU_MAIN, mHelloText);
    if (!item)
        return;
    const BORDER& b = mMenus[MENU_MAIN].borders[item->border];
    overlaySetCaption(b.overlay.c_str(), b.name.c_str(), item->name.c_str(), 66, 0, -1, mTypedName.c_str());
}

void sc_00_interface::setMiniGames()
{
}

// ---------------------------------------------------------------------------
// The profiles menu

void sc_00_interface::loadUsers()
{
    TQ_TRACE(" loadUsers()");
    MENU& menu = mMenus[MENU_USERS];
    menu.itemCount = 0;
    menu.borderCount = 0;

    menuAddBorder(MENU_USERS, "interfaceOverlayUsers1", "UsersMenuBorder1", 0.1f, 0.3f, 0.0f, -0.87f);
    mUsersText = menuAddStaticText(0, MENU_USERS, "UsersText", 36, 1, 0.0f, 0.09f);
    for (int i = 0; i < kUserCount; ++i)
    {
        char line[16];
        std::snprintf(line, sizeof(line), "User%02d", i);
        const float y = 0.15f + 0.05f * i;
        String name;
        if (getUserName(saveFileName(i), name))
        {
            mUserLines[i] = menuAddTextArea(0, MENU_USERS, line, name.c_str(), 0, 0.0f, y);
            mNames[i] = name;
            mExists[i] = 1;
        }
        else
        {
            mUserLines[i] = menuAddTextArea(0, MENU_USERS, line, 37, 1, 0.0f, y);
            mNames[i].clear();
            mExists[i] = 0;
        }
    }
    mSelectLine = menuAddSelectLine(0, MENU_USERS, "SelectLine", "userSelectLine");

    menuAddBorder(MENU_USERS, "interfaceOverlayUsers", "UsersMenuBorder2", 0.5f, 0.3f, 0.0f, 0.75f);
    mUserSelect = menuAddTextArea(1, MENU_USERS, "UserSelect", 38, 0, 0.0f, 0.1f);
    mUserRename = menuAddTextArea(1, MENU_USERS, "UserRename", 45, 0, 0.0f, 0.15f);
    mUserCreate = menuAddTextArea(1, MENU_USERS, "UserCreate", 39, 0, 0.0f, 0.2f);
    mUserDelete = menuAddTextArea(1, MENU_USERS, "UserDelete", 40, 0, 0.0f, 0.25f);
    const bool noProfile = mCurSave < 0 || mCurSave >= kUserCount || !mExists[mCurSave];
    mUserBack = menuAddTextArea(1, MENU_USERS, "UserBack", 41, noProfile ? 1 : 0, 0.0f, 0.35f);

    // The select line stays on the selected profile.
    setUser(mSelected + 1);
}

void sc_00_interface::selectUser(int id)
{
    TQ_TRACE(" selectUser(int id)");
    if (id < 1 || id > kUserCount)
        return;
    mSelected = id - 1;
    const ITEM* line = itemOf(MENU_USERS, mUserLines[mSelected]);
    ITEM* select = itemOf(MENU_USERS, mSelectLine);
    if (!line || !select)
        return;
    select->tx = line->x - line->width / 2.0f;
    select->ty = line->y;
}

void sc_00_interface::setUser(int id)
{
    TQ_TRACE(" setUser(int id)");
    if (id < 1 || id > kUserCount)
        return;
    selectUser(id);
    ITEM* select = itemOf(MENU_USERS, mSelectLine);
    if (select)
        itemSetPosition(MENU_USERS, mSelectLine, select->tx, select->ty);
}

void sc_00_interface::user_select_fun(int s)
{
    TQ_TRACE(" user_select_fun(int s)");
    if (mCurSave != -1)
        save();
    mCurSave = s;
    setOptionI("CurSave", mCurSave);
    menuHide(MENU_USERS);
    refresh();
    menuShow(MENU_MAIN);
    itemSetDisable(MENU_USERS, mUserBack, 0);
}

void sc_00_interface::deleteUser(int id, int no_refresh)
{
    TQ_TRACE(" deleteUser(int id, int no_refresh)");
    if (id < 0 || id >= kUserCount)
        return;
    deleteUserFile(widen(saveFileName(id)));
    for (int picture = 0; picture < kPicturesPerProfile; ++picture)
    {
        char name[64];
        std::snprintf(name, sizeof(name), "screen_shot_%02d_user_%02d.jpg", picture, id);
        deleteUserFile(widen(name));
    }

    if (!no_refresh)
    {
        if (id == mCurSave)
        {
            // The lowest-numbered profile that is left becomes the current one.
            mCurSave = -1;
            for (int i = kUserCount - 1; i >= 0; --i)
            {
                if (i == id || !mExists[i])
                    continue;
                mCurSave = i;
                selectUser(i + 1);
            }
        }
        refresh();
        setOptionI("CurSave", mCurSave);
    }
    loadUsers();
    itemSetDisable(MENU_USERS, mUserBack, mCurSave == -1 ? 1 : 0);
}

void sc_00_interface::setUserAside(int id)
{
    TQ_TRACE(" setUserAside(int id)");
    if (id < 0 || id >= kUserCount)
        return;
    // The player's files are never deleted for damage: moved aside, they
    // free the slot and can still be mended by hand.
    setUserFileAside(widen(saveFileName(id)));
    for (int picture = 0; picture < kPicturesPerProfile; ++picture)
    {
        char name[64];
        std::snprintf(name, sizeof(name), "screen_shot_%02d_user_%02d.jpg", picture, id);
        setUserFileAside(widen(name));
    }
    loadUsers();
    itemSetDisable(MENU_USERS, mUserBack, mCurSave == -1 ? 1 : 0);
}

int sc_00_interface::findCorrupedUsers()
{
    TQ_TRACE(" findCorrupedUsers()");
    int refused = -1;
    for (int i = 0; i < kUserCount; ++i)
    {
        const String file = saveFileName(i);
        const int status = findUser(file);
        if (status == -1)
        {
            Log::print("\n\nERROR: Corrupted save file %s found!", file.c_str());
            refused = i;
            setUserAside(i);
        }
        Log::print("\nChecking save file %s found! Status: %d", file.c_str(), status);
    }
    return refused;
}

// ---------------------------------------------------------------------------
// The name box

void sc_00_interface::setNameMenuCaption(int i)
{
    TQ_TRACE(" setNameMenuCaption(int i)");
    const int row = i == 1 ? 1 : 0;
    const int captions[2] = {34, 224};
    const float heights[2] = {0.35f, 0.45f};
    const float fieldY[2] = {0.17f, 0.27f};
    const float buttonY[2] = {0.25f, 0.35f};

    if (ITEM* text = itemOf(MENU_NAME, mNameText))
    {
        text->caption = captions[row];
        itemSetCaption(MENU_NAME, mNameText);
    }
    MENU& menu = mMenus[MENU_NAME];
    if (menu.borderCount > 0)
    {
        BORDER& b = menu.borders[0];
        b.width = 0.5f;
        b.height = heights[row];
        overlaySetSize(b.overlay.c_str(), b.name.c_str(), nullptr, b.width, b.height);
    }
    itemSetPosition(MENU_NAME, mNameName, 0.25f, fieldY[row]);
    itemSetPosition(MENU_NAME, mNameOk, 0.15f, buttonY[row]);
    itemSetPosition(MENU_NAME, mNameCancel, 0.35f, buttonY[row]);
}

int sc_00_interface::matchNames(const String& name2, int u)
{
    for (int i = 0; i < kUserCount; ++i)
        if (i != u && mExists[i] && mNames[i] == name2)
            return 1;
    return 0;
}

void sc_00_interface::checkSpace(const String& s1, String& s2)
{
    s2 = s1;
    if (!s2.empty() && s2.back() == ' ')
        s2.pop_back();
}

int sc_00_interface::isEmpty(const String& n)
{
    return n.find_first_not_of(' ') == String::npos ? 1 : 0;
}

int sc_00_interface::readKey()
{
    CInput* input = gApp.mInput;
    if (!input)
        return -1;
    for (int key = 2; key <= 254; ++key)
    {
        if (key == kKeyLeftShift || key == kKeyRightShift)
            continue;
        if (input->mKeyDown[key])
            return key;
    }
    return -1;
}

void sc_00_interface::nameProcess()
{
    const ITEM* field = itemOf(MENU_NAME, mNameName);
    if (!field)
        return;
    const BORDER& b = mMenus[MENU_NAME].borders[field->border];
    const char* o = b.overlay.c_str();
    const char* e = b.name.c_str();
    const char* c = field->name.c_str();

    const int len = overlayGetCaptionLength(o, e, c);
    const int key = readKey();
    CInput* input = gApp.mInput;
    const int shift = input && (input->mKeyDown[kKeyLeftShift] || input->mKeyDown[kKeyRightShift]) ? 1 : 0;

    // A new key is taken at once, a held one after half a second and then
    // ten times a second; no key at all is nothing to take.
    mRepeatTimer -= mSeconds;
    bool accepted = false;
    if (key != -1 && key != mLastKey)
    {
        accepted = true;
        mRepeatTimer = 0.5f;
    }
    else if (key != -1 && mRepeatTimer <= 0.0f)
    {
        accepted = true;
        mRepeatTimer = 0.1f;
    }

    if (accepted)
    {
        if (key == kKeyReturn && !isEmpty(mTypedName))
            itemProcessPress(MENU_NAME, mNameOk);
        if (key == kKeyBackspace)
            overlayCaptionBackspace(o, e, c);
        if (key <= kLastTypingKey && len < kMaxNameLength)
            overlayAppendTextById(o, e, c, kKeyTextBase + key + 100 * shift);
    }
    overlayGetCaption(o, e, c, mTypedName);
    mLastKey = key;
}

void sc_00_interface::enter()
{
    TQ_TRACE(" enter()");
    clearVars();
    setVarI("no_survey", 1);
    setVarI("cur_loc", 0);
    mCurSave = mCreationSlot;
    setOptionI("CurSave", mCurSave);
    setVarS("name", mTypedName);
    save();
    setHello();
    loadUsers();
    itemSetDisable(MENU_MAIN, mContinueGameText, 1);
    menuHide(MENU_NAME);
    menuShow(MENU_MAIN);
    refreshOptions();
}

void sc_00_interface::rename()
{
    TQ_TRACE(" rename()");
    renameUser(saveFileName(mRenameTarget), mTypedName);
    if (mRenameTarget == mCurSave)
    {
        // The map in memory is saved over the file later: it must carry
        // the new name too.
        setVarS("name", mTypedName);
        setHello();
    }
    loadUsers();
    menuHide(MENU_NAME);
    menuShow(MENU_USERS);
}

// ---------------------------------------------------------------------------
// Start-up screens and a new game

void sc_00_interface::startFromNameMenu()
{
    TQ_TRACE(" startFromNameMenu()");
    // Profile 0, unless it holds a saved game: that is never written over.
    int slot = -1;
    for (int i = 0; i < kUserCount && slot == -1; ++i)
        if (!mExists[i])
            slot = i;
    if (slot == -1)
    {
        setUser(1);
        menuShow(MENU_USERS);
        return;
    }
    mCreationSlot = slot;
    mCurSave = slot;
    setNameMenuCaption(0);
    menuShow(MENU_NAME);
}

void sc_00_interface::startFromNameCorruptedMenu()
{
    TQ_TRACE(" startFromNameCorruptedMenu()");
    mCreationSlot = mCurSave;
    setNameMenuCaption(1);
    menuShow(MENU_NAME);
}

void sc_00_interface::startNewGame(int help_num)
{
    TQ_TRACE(" startNewGame(int help_num)");
    clearVars();
    setVarI("no_survey", 1);
    setVarS("name", mTypedName);
    setVarI("cur_loc", 1);
    setVarI("flashback", 1);
    setVarI("help_alpha", 1000);
    setVarI("help_num", help_num);
    setConfigI("load_from_save", 0);
    setConfigI("game_state", 100);
    sendNotifyByName("00_loader", 1000 + getVarI("cur_loc"), getOwner());
}

// ---------------------------------------------------------------------------
// Clicks

void sc_00_interface::userPress(int mid, int id)
{
    TQ_TRACE(" userPress(int mid, int id)");
    if (mid == MENU_USERS)
    {
        if (mMenus[MENU_DIALOG].state != 0)
            return;
        for (int i = 0; i < kUserCount; ++i)
        {
            if (id == mUserLines[i] && mExists[i])
            {
                selectUser(i + 1);
                return;
            }
        }
        const bool selectedExists = mSelected >= 0 && mSelected < kUserCount && mExists[mSelected];
        if (id == mUserSelect && selectedExists)
            user_select_fun(mSelected);
        else if (id == mUserDelete && selectedExists)
            startDialog(0);
        else if (id == mUserRename && selectedExists)
        {
            itemSetDisable(MENU_NAME, mNameCancel, 0);
            mRenameTarget = mSelected;
            mCreationSlot = -1;
            mTypedName = mNames[mSelected];
            if (const ITEM* field = itemOf(MENU_NAME, mNameName))
            {
                const BORDER& b = mMenus[MENU_NAME].borders[field->border];
                overlaySetCaptionText(b.overlay.c_str(), b.name.c_str(), field->name.c_str(), mTypedName.c_str());
            }
            menuHide(MENU_USERS);
            setNameMenuCaption(0);
            menuShow(MENU_NAME);
        }
        else if (id == mUserCreate)
        {
            int slot = -1;
            for (int i = 0; i < kUserCount && slot == -1; ++i)
                if (!mExists[i])
                    slot = i;
            if (slot == -1)
                return;
            if (const ITEM* field = itemOf(MENU_NAME, mNameName))
            {
                const BORDER& b = mMenus[MENU_NAME].borders[field->border];
                overlaySetCaptionText(b.overlay.c_str(), b.name.c_str(), field->name.c_str(), "");
            }
            mTypedName.clear();
            mCreationSlot = slot;
            itemSetDisable(MENU_NAME, mNameCancel, 0);
            menuHide(MENU_USERS);
            setNameMenuCaption(0);
            menuShow(MENU_NAME);
        }
        else if (id == mUserBack)
        {
            menuHide(MENU_USERS);
            menuShow(MENU_MAIN);
        }
        return;
    }

    // The name box.
    String tmp;
    checkSpace(mTypedName, tmp);
    if (id == mNameOk)
    {
        if (isEmpty(mTypedName))
            return;
        if (mCreationSlot != -1 && !matchNames(tmp, mCreationSlot))
        {
            mTypedName = tmp;
            enter();
        }
        else if (mCreationSlot == -1 && !matchNames(tmp, mRenameTarget))
        {
            mTypedName = tmp;
            rename();
        }
    }
    else if (id == mNameCancel)
    {
        menuHide(MENU_NAME);
        menuShow(MENU_USERS);
    }
}
