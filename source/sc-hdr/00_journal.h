// The in-game journal "00_journal.sc": an overlay with the player's task
// list and pictures of scenes taken during play.
//
// The in-game interface opens it with a code from 100 to 199 and gets the
// same code back when the player closes it; 10000 + id adds the task of
// string id; 2000 takes a picture of the room.  Tasks and pictures live in
// game variables, so they come back with a saved game.
//
// The journal is drawn as overlay elements under the frame "JournalBorder",
// each kept as an item of a page: the frame page (always shown), the task
// page and the picture page.  While it is shown, a step per frame lets its
// buttons react to the mouse and slides the frame in or out.
#pragma once

#include "CodeScript.h"

#include <vector>

/// One overlay element of a journal page.
struct __Item
{
    int func = 0;                 ///< button function: 0 previous, 1 next picture, 2 close, 3 pictures, 4 tasks
    int ttype = 0;                ///< 0 border, 1 text, 2 button, 3 picture
    String ov;                    ///< overlay
    String pan1;                  ///< element
    String pan2;                  ///< child, empty when the element is the item
    String mat;                   ///< material, empty when none
    float highlight = 0.0f;       ///< 0 to 1
    int highlightState = 0;       ///< 0 dark, 1 brightening, 2 lit, 3 darkening
    vec3 size = vec3::ZERO;
    vec3 pos = vec3::ZERO;
    vec3 zoneOffset = vec3::ZERO;
    vec3 zoneSizeChange = vec3::ZERO;
    int numNames = 1;             ///< 2 with a child name, 1 without
};

/// The items of one page, appended in order.
struct __Page
{
    std::vector<__Item> items;
};

class sc_00_journal : public virtual CodeScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_journal(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static constexpr int kMaxItems = 32;     ///< items of one page
    static constexpr int kMaxPages = 100;
    static constexpr int kMaxShots = 100;    ///< pictures the journal keeps
    static constexpr int kMaxTasks = kMaxItems / 2; ///< n tasks take 2n - 1 items

    // -- contract with the game (requests, tasks, pictures) ------------------
    /// Builds the journal hidden and restores pictures and (from a saved
    /// game) tasks.
    void ON_CREATE() override;
    /// Removes every element the journal made.
    void ON_DESTROY() override;
    /// One step while the journal is shown.
    void ON_TIME() override;
    /// 100..199 open, above 10000 add task code - 10000, 2000 take a picture.
    void ON_NOTIFY(int code, OBJECT_HANDLE who) override;

    /// Opens at the task page or, when asked for, at the latest picture.
    void journalShow();
    /// The end of the closing: timer off, reply, overlay hidden, picture released.
    void journalOnHide();
    /// Adds the task of string id s and crosses out the one before.
    void addTask(int s);
    /// Tasks stored in the game variables, in order.
    void restoreTasks();
    /// Renders the room into the next picture file.
    void addScreenShot();
    /// The picture file names of the current profile.
    void restoreScreenShots();
    /// "screen_shot_MM_user_NN.jpg".
    static String screenShotName(int index);

    // -- pages, items and layout --------------------------------------------
    int addPage();
    int addItemToPage(int page, const char* ov, const char* pan1, const char* pan2, int ttype, const char* temp,
                      const char* type, const char* mat, float x, float y, float sx, float sy, int zorder);
    int addItem(const char* ov, const char* pan1, const char* pan2, int ttype, const char* temp, const char* type,
                const char* mat, float x, float y, float sx, float sy, int zorder);
    void addBorder(const char* ov, const char* pan1, const char* pan2, float x, float y, float sx, float sy,
                   int zorder = 200);
    int addButton(const char* ov, const char* pan1, const char* pan2, const char* mat, float x, float y, float sx,
                  float sy, int func, int zorder = 200);
    int addTextToPage(int page, const char* ov, const char* pan1, const char* pan2, float x, float y, float sx,
                      float sy, int zorder = 200);
    /// The same, left-aligned (the task texts).
    int addTextToPage2(int page, const char* ov, const char* pan1, const char* pan2, float x, float y, float sx,
                       float sy, int zorder = 200);
    int addText(const char* ov, const char* pan1, const char* pan2, float x, float y, float sx, float sy,
                int zorder = 200);
    int addPicToPage(int page, const char* ov, const char* pan1, const char* pan2, const char* mat, float x, float y,
                     float sx, float sy, int zorder = 200);
    int addPic(const char* ov, const char* pan1, const char* pan2, const char* mat, float x, float y, float sx,
               float sy, int zorder = 200);
    /// Caption := string-table text str.
    void itemSetText(const __Item& item, int str);
    /// Page caption "<75><page><76><picture count>".
    void setText(const __Item& item, int page);
    /// Top and bottom colour and char height.
    void setTextParam(const __Item& item, float r, float g, float b, float height);
    /// Hit zone of the last item of the last page, in reference pixels.
    void setZone(int px, int py, int sx, int sy);
    void setItemVisible(int page, int item, int visible);
    /// Builds the three pages.
    void journalInit();

    // -- page switching, buttons, slide -------------------------------------
    void journalSetVirtPage(int virt_page);
    void journalSetPage(int page);
    /// Releases the texture of the picture on show.
    void unload();
    /// One step: buttons, then the slide.
    void journalProcess();
    void itemProcess(__Item& item);
    void itemPress(__Item& item);
    /// The slide curve: 0 at 0, overshoots to about 1.108, 0.9999 at 1.
    static float cubeFunc(float x);
    /// c := s + (1 - a) h in x and y.
    static void interp(const vec3& s, const vec3& h, vec3& c, float a);

    // -- state -----------------------------------------------------------------
    OBJECT_HANDLE mRequester = 0;
    int mRequestCode = 0;
    int mTaskCount = 0;
    std::vector<bool> mTaskLined;          ///< which tasks have their cross-out line
    std::vector<String> mShotNames;
    int mTimer = 0;                        ///< the step timer while shown, 0 when none
    OBJECT_HANDLE mFader = 0;              ///< "00_fader"
    float mTaskCharHeight = 0.035f;

    int mW = 0, mH = 0;                    ///< the journal's size in reference pixels
    std::vector<__Page> mPages;
    int mFramePage = 0, mTaskPage = 0, mShotPage = 0;
    int mTaskTab = 0, mTaskLabel1 = 0, mTaskLabel2 = 0;
    int mShotTab = 0, mShotLabel1 = 0, mShotLabel2 = 0;
    int mPageText1 = 0, mPageText2 = 0;
    String mOverlayName = "JournalOverlay";
    String mBorderName = "JournalBorder";

    int mCurPage = 0;
    int mCurVirtPage = 0;
    int mTaskVirt = 0, mFirstShotVirt = 0, mLastShotVirt = 0;
    float mAnim = 0.0f;                    ///< a, 0 hidden to 1 open
    int mAnimState = 0;                    ///< 0 hidden, 1 opening, 2 open, 3 closing
    vec3 mRest = vec3::ZERO;               ///< s
    vec3 mHiddenOffset = vec3::ZERO;       ///< h
    vec3 mPos = vec3::ZERO;                ///< c
    float mFrameSec = 0.0f;
    float mCursorX = 0.0f, mCursorY = 0.0f;
    int mLButton = 0, mLButtonPrev = 0;
};
