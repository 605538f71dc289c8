#include "00_journal.h"

#include "Application.h"
#include "Input.h"
#include "Log.h"
#include "Object.h"
#include "Trace.h"
#include "Utils.h"

namespace
{
const int kOpenFirst = 100;
const int kOpenLast = 199;
const int kAddTask = 10000;
const int kTakeShot = 2000;

// The layout is drawn on a 1024 x 768 screen; OGRE's relative metrics are
// fractions of the screen.
float px(double x)
{
    return static_cast<float>(x / 1024.0);
}
float py(double y)
{
    return static_cast<float>(y / 768.0);
}

const char* childOf(const __Item& item)
{
    return item.numNames == 2 ? item.pan2.c_str() : nullptr;
}

String twoDigits(const char* prefix, int n)
{
    String text = prefix;
    CVirtualScript::strAddInt(n, text, 2);
    return text;
}

String taskKey(int n)
{
    return twoDigits("journal_task_", n) + "_str";
}
} // namespace

// ---------------------------------------------------------------------------
// Requests, tasks and pictures

void sc_00_journal::ON_CREATE()
{
    TQ_TRACE(" ON_CREATE()");
    getConfigF("journal_task_text_char_height", mTaskCharHeight);
    mFader = gApp.findObjectHandle("00_fader");
    journalInit();
    overlaySetVisible(mOverlayName.c_str(), nullptr, nullptr, false);
    restoreScreenShots();
    if (getConfigI("load_from_save"))
        restoreTasks();
    else
        setVarI("journal_task_num", 0);
    mTaskVirt = mTaskPage;
    mFirstShotVirt = mShotPage;
    mLastShotVirt = mFirstShotVirt + static_cast<int>(mShotNames.size()) - 1;
    journalProcess();
}

void sc_00_journal::ON_DESTROY()
{
    TQ_TRACE(" ON_DESTROY()");
    // Children before the frame: the frame takes every element under it, so
    // destroying it first would leave the later calls nothing to find.
    for (int p = static_cast<int>(mPages.size()) - 1; p >= 0; --p)
        for (int i = static_cast<int>(mPages[p].items.size()) - 1; i >= 0; --i)
        {
            const __Item& item = mPages[p].items[i];
            overlayDestroy(item.ov.c_str(), item.pan1.c_str(), childOf(item));
        }
}

void sc_00_journal::ON_NOTIFY(int code, OBJECT_HANDLE who)
{
    TQ_TRACE(" ON_NOTIFY(int code, OBJECT_HANDLE who)");
    if (code >= kOpenFirst && code <= kOpenLast)
    {
        mRequester = who;
        mRequestCode = code;
        journalShow();
    }
    if (code > kAddTask)
        addTask(code - kAddTask);
    if (code == kTakeShot)
        addScreenShot();
}

void sc_00_journal::journalShow()
{
    TQ_TRACE(" journalShow()");
    const int shot = getVarI("journal_cur_shot");
    // A picture index from another profile or a deleted file list opens the
    // tasks instead of a picture that is not there.
    if (getVarI("journal_cur_page_shot") != 0 && shot >= 0 && shot < static_cast<int>(mShotNames.size()))
        journalSetVirtPage(mFirstShotVirt + shot);
    else
        journalSetVirtPage(mTaskVirt);
    overlaySetVisible(mOverlayName.c_str(), nullptr, nullptr, true);
    CObject* self = gObjectCollector.get(getOwner());
    if (!mTimer && self)
        mTimer = CObject::createTimer(self, 1, -1, nullptr);
    mAnimState = 1;
}

void sc_00_journal::journalOnHide()
{
    TQ_TRACE(" journalOnHide()");
    if (mTimer)
    {
        if (CObject* self = gObjectCollector.get(getOwner()))
            CObject::killTimer(self, mTimer);
        mTimer = 0;
    }
    sendNotify(mRequester, getOwner(), mRequestCode);
    overlaySetVisible(mOverlayName.c_str(), nullptr, nullptr, false);
    unload();
}

void sc_00_journal::addTask(int s)
{
    TQ_TRACE(" addTask(int s)");
    if (mTaskCount >= kMaxTasks)
    {
        Log::print("\nWARNING: journal: task %d not added, the page holds %d tasks", s, kMaxTasks);
        return;
    }
    const int n = mTaskCount;
    setVarI(taskKey(n), s);
    const char* ov = mOverlayName.c_str();
    const char* border = mBorderName.c_str();
    const float y = py(48.0 * n + 116.0);
    const bool shown = mCurPage == mTaskPage;

    if (n > 0 && !mTaskLined[n - 1])
    {
        // The task before is done: a line through its text.
        const String text = twoDigits("JournalTaskText_", n - 1);
        float width = 0.0f;
        overlayGetCaptionWidth(ov, border, text.c_str(), width);
        const float lineY = py(48.0 * (n - 1) + 116.0) + mTaskCharHeight / 2.0f;
        const int line = addPicToPage(mTaskPage, ov, border, twoDigits("JournalTaskLine_", n - 1).c_str(),
                                      "00_journal_line", 0.0625f, lineY, width, py(3.0), 100);
        if (line >= 0 && !shown)
            setItemVisible(mTaskPage, line, 0);
        mTaskLined[n - 1] = true;
    }

    const int item = addTextToPage2(mTaskPage, ov, border, twoDigits("JournalTaskText_", n).c_str(), 0.0625f, y,
                                    0.05f, 0.05f, 200);
    if (item >= 0)
    {
        const __Item& text = mPages[mTaskPage].items[item];
        itemSetText(text, s);
        setTextParam(text, 0.0f, 0.0f, 0.0f, mTaskCharHeight);
        if (!shown)
            setItemVisible(mTaskPage, item, 0);
    }
    mTaskLined.push_back(false);
    ++mTaskCount;
    setVarI("journal_task_num", mTaskCount);
}

void sc_00_journal::restoreTasks()
{
    TQ_TRACE(" restoreTasks()");
    const int n = getVarI("journal_task_num");
    for (int i = 0; i < n; ++i)
        addTask(getVarI(taskKey(i)));
}

String sc_00_journal::screenShotName(int index)
{
    return twoDigits("screen_shot_", index) + twoDigits("_user_", getConfigI("CurSave")) + ".jpg";
}

void sc_00_journal::addScreenShot()
{
    TQ_TRACE(" addScreenShot()");
    const int count = static_cast<int>(mShotNames.size());
    if (count >= kMaxShots)
    {
        Log::print("\nWARNING: journal: picture not taken, the journal holds %d", kMaxShots);
        return;
    }
    const String name = screenShotName(count);
    // Only the current room's objects: each room draws under its own bit.
    rttSaveToFile("00_fader_rtt", Utils::GetWStringFromString(name), roomVisibilityMask(getVarI("cur_room")));
    mShotNames.push_back(name);
    const int now = count + 1;
    setVarI("screen_num", now);
    setVarI("journal_cur_shot", now - 1);
    setVarI("journal_cur_page_shot", 1);
    mLastShotVirt = mShotPage + now - 1;
}

void sc_00_journal::restoreScreenShots()
{
    TQ_TRACE(" restoreScreenShots()");
    mShotNames.clear();
    int n = getVarI("screen_num");
    if (n > kMaxShots)
    {
        Log::print("\nWARNING: journal: %d pictures stored, the journal keeps %d", n, kMaxShots);
        n = kMaxShots;
    }
    for (int i = 0; i < n; ++i)
        mShotNames.push_back(screenShotName(i));
}

// ---------------------------------------------------------------------------
// Pages, items and layout

int sc_00_journal::addPage()
{
    TQ_TRACE(" addPage()");
    if (static_cast<int>(mPages.size()) >= kMaxPages)
    {
        Log::print("\nWARNING: journal: no page added, it holds %d", kMaxPages);
        return -1;
    }
    mPages.emplace_back();
    mPages.back().items.reserve(kMaxItems);
    return static_cast<int>(mPages.size()) - 1;
}

int sc_00_journal::addItemToPage(int page, const char* ov, const char* pan1, const char* pan2, int ttype,
                                 const char* temp, const char* type, const char* mat, float x, float y, float sx,
                                 float sy, int zorder)
{
    TQ_TRACE(" addItemToPage(...)");
    if (page < 0 || page >= static_cast<int>(mPages.size()) ||
        static_cast<int>(mPages[page].items.size()) >= kMaxItems)
    {
        Log::print("\nWARNING: journal: item [%s] not added to page %d", pan2 ? pan2 : (pan1 ? pan1 : ""), page);
        return -1;
    }
    __Item item;
    item.numNames = pan2 ? 2 : 1;
    item.ov = ov ? ov : "";
    item.pan1 = pan1 ? pan1 : "";
    item.pan2 = pan2 ? pan2 : "";
    item.mat = mat ? mat : "";
    item.ttype = ttype;
    item.pos = vec3(x, y, 0.0f);
    item.size = vec3(sx, sy, 0.0f);
    const Ogre::Vector2 position(x, y), size(sx, sy);
    if (temp)
        overlayCreateFromTemplate(ov, temp, pan1, pan2, &position, &size, zorder, type);
    else
        overlayCreatePanel(ov, pan1, pan2, mat, &position, &size, zorder);
    mPages[page].items.push_back(item);
    return static_cast<int>(mPages[page].items.size()) - 1;
}

int sc_00_journal::addItem(const char* ov, const char* pan1, const char* pan2, int ttype, const char* temp,
                           const char* type, const char* mat, float x, float y, float sx, float sy, int zorder)
{
    return addItemToPage(static_cast<int>(mPages.size()) - 1, ov, pan1, pan2, ttype, temp, type, mat, x, y, sx, sy,
                         zorder);
}

void sc_00_journal::addBorder(const char* ov, const char* pan1, const char* pan2, float x, float y, float sx,
                              float sy, int zorder)
{
    addItem(ov, pan1, pan2, 0, "MenuBorderPanel", "BorderPanel", nullptr, x, y, sx, sy, zorder);
}

int sc_00_journal::addButton(const char* ov, const char* pan1, const char* pan2, const char* mat, float x, float y,
                             float sx, float sy, int func, int zorder)
{
    const int item = addItem(ov, pan1, pan2, 2, nullptr, nullptr, mat, x, y, sx, sy, zorder);
    if (item >= 0)
        mPages.back().items[item].func = func;
    return item;
}

int sc_00_journal::addTextToPage(int page, const char* ov, const char* pan1, const char* pan2, float x, float y,
                                 float sx, float sy, int zorder)
{
    return addItemToPage(page, ov, pan1, pan2, 1, "CounterComment", "TextArea", nullptr, x, y, sx, sy, zorder);
}

int sc_00_journal::addTextToPage2(int page, const char* ov, const char* pan1, const char* pan2, float x, float y,
                                  float sx, float sy, int zorder)
{
    return addItemToPage(page, ov, pan1, pan2, 1, "CounterCommentLeft", "TextArea", nullptr, x, y, sx, sy, zorder);
}

int sc_00_journal::addText(const char* ov, const char* pan1, const char* pan2, float x, float y, float sx, float sy,
                           int zorder)
{
    return addTextToPage(static_cast<int>(mPages.size()) - 1, ov, pan1, pan2, x, y, sx, sy, zorder);
}

int sc_00_journal::addPicToPage(int page, const char* ov, const char* pan1, const char* pan2, const char* mat,
                                float x, float y, float sx, float sy, int zorder)
{
    return addItemToPage(page, ov, pan1, pan2, 3, nullptr, nullptr, mat, x, y, sx, sy, zorder);
}

int sc_00_journal::addPic(const char* ov, const char* pan1, const char* pan2, const char* mat, float x, float y,
                          float sx, float sy, int zorder)
{
    return addPicToPage(static_cast<int>(mPages.size()) - 1, ov, pan1, pan2, mat, x, y, sx, sy, zorder);
}

void sc_00_journal::itemSetText(const __Item& item, int str)
{
    overlaySetCaption(item.ov.c_str(), item.pan1.c_str(), childOf(item), str, -1, -1, nullptr);
}

void sc_00_journal::setText(const __Item& item, int page)
{
    itemSetText(item, 75);
    const char* o = item.ov.c_str();
    const char* e = item.pan1.c_str();
    const char* c = childOf(item);
    // The numbers are written as digits: the string table's low ids are
    // other texts (21 is a tutorial line), not the numbers themselves.
    const auto appendNumber = [&](int n) {
        String caption;
        overlayGetCaption(o, e, c, caption);
        caption += std::to_string(n);
        overlaySetCaptionText(o, e, c, caption.c_str());
    };
    appendNumber(page);
    overlayAppendTextById(o, e, c, 76);
    appendNumber(static_cast<int>(mShotNames.size()));
}

void sc_00_journal::setTextParam(const __Item& item, float r, float g, float b, float height)
{
    const char* o = item.ov.c_str();
    const char* e = item.pan1.c_str();
    const char* c = childOf(item);
    overlaySetColourBottom(o, e, c, r, g, b, 1.0f);
    overlaySetColourTop(o, e, c, r, g, b, 1.0f);
    overlaySetCharHeight(o, e, c, height);
}

void sc_00_journal::setZone(int px_, int py_, int sx, int sy)
{
    if (mPages.empty() || mPages.back().items.empty())
        return;
    __Item& item = mPages.back().items.back();
    item.zoneOffset = vec3(px(px_), py(py_), 0.0f);
    item.zoneSizeChange = vec3(px(sx), py(sy), 0.0f);
}

void sc_00_journal::setItemVisible(int page, int item, int visible)
{
    if (page < 0 || page >= static_cast<int>(mPages.size()) || item < 0 ||
        item >= static_cast<int>(mPages[page].items.size()))
        return;
    const __Item& it = mPages[page].items[item];
    overlaySetVisible(it.ov.c_str(), it.pan1.c_str(), childOf(it), visible != 0);
}

void sc_00_journal::journalInit()
{
    TQ_TRACE(" journalInit()");
    mW = 830;
    mH = 644;
    mShotNames.clear();
    mCurPage = 0;
    mAnim = 0.0f;
    mPages.clear();
    mTaskCount = 0;
    mTaskLined.clear();
    mRest = vec3(px(97), py(62), 0.0f);
    mHiddenOffset = vec3(0.0f, -0.95f, 0.0f);
    mAnimState = 3;
    mOverlayName = "JournalOverlay";
    mBorderName = "JournalBorder";
    const char* ov = mOverlayName.c_str();
    const char* b = mBorderName.c_str();
    const int W = mW, H = mH;

    // The frame page: the frame with its close button and the two tabs.
    mFramePage = addPage();
    addBorder(ov, b, nullptr, 0.0f, 0.0f, px(W), py(H), 200);
    addButton(ov, b, "JournalExit", "00_journal_exit", px(W - 128), py(0), px(128), py(128), 2);
    mTaskTab = addButton(ov, b, "JournalTask", "00_journal_task", px(-50), py(-4), px(256), py(128), 4);
    setZone(72, 16, -72, -40);
    mTaskLabel1 = addText(ov, b, "JournalTaskText1", px(84), py(38), 0.1f, 0.1f);
    mTaskLabel2 = addText(ov, b, "JournalTaskText2", px(82), py(36), 0.1f, 0.1f);
    mShotTab = addButton(ov, b, "JournalShot", "00_journal_shot", px(84), py(-4), px(256), py(128), 3);
    setZone(72, 16, -72, -40);
    mShotLabel1 = addText(ov, b, "JournalShotText1", px(214), py(38), 0.1f, 0.1f);
    mShotLabel2 = addText(ov, b, "JournalShotText2", px(212), py(36), 0.1f, 0.1f);

    // The task page fills as tasks come.
    mTaskPage = addPage();

    // The picture page: one panel that shows the picture on show, its
    // caption and the two arrows.
    mShotPage = addPage();
    const int half = W / 2;
    addPic(ov, b, "JournalPagePanelLeft", "00_journal_page_panel_left", px(half - 112), py(H - 88), px(64), py(64),
           100);
    addPic(ov, b, "JournalPagePanelRight", "00_journal_page_panel_right", px(half + 48), py(H - 88), px(64), py(64),
           100);
    addPic(ov, b, "JournalPagePanelCenter", "00_journal_page_panel_center", px(half - 48), py(H - 88), px(96),
           py(64), 100);
    const float textX = static_cast<float>(W / 1024.0 / 2.0);
    const float textY = py(H - 56);
    mPageText1 = addText(ov, b, "JournalPageText", textX, textY, 0.1f, 0.1f);
    mPageText2 = addText(ov, b, "JournalPageText2", textX - 0.001f, textY - 0.001f, 0.1f, 0.1f);
    addButton(ov, b, "JournalPageLeft", "00_journal_page_left", px(0), py(H - 128), px(128), py(128), 0);
    addButton(ov, b, "JournalPageRight", "00_journal_page_right", px(W - 128), py(H - 128), px(128), py(128), 1);
    addPic(ov, b, "JournalScreenShot", "00_screen_shot_00", px(42), py(42), px(W - 84), py(H - 84), 100);

    overlaySetVisible(ov, nullptr, nullptr, true);
    overlaySetVisible("JournalOverlay2", nullptr, nullptr, true);
    const std::vector<__Item>& frame = mPages[mFramePage].items;
    const std::vector<__Item>& shots = mPages[mShotPage].items;
    setTextParam(shots[mPageText1], 0.0f, 0.0f, 0.0f, 0.035f);
    setTextParam(shots[mPageText2], 1.0f, 1.0f, 1.0f, 0.035f);
    float size = 0.045f;
    getConfigF("journal_task_char_size", size);
    itemSetText(frame[mTaskLabel1], 204);
    setTextParam(frame[mTaskLabel1], 0.0f, 0.0f, 0.0f, size);
    itemSetText(frame[mTaskLabel2], 204);
    setTextParam(frame[mTaskLabel2], 1.0f, 1.0f, 1.0f, size);
    size = 0.045f;
    getConfigF("journal_shot_char_size", size);
    itemSetText(frame[mShotLabel1], 205);
    setTextParam(frame[mShotLabel1], 0.0f, 0.0f, 0.0f, size);
    itemSetText(frame[mShotLabel2], 205);
    setTextParam(frame[mShotLabel2], 1.0f, 1.0f, 1.0f, size);
    overlaySetUV(ov, b, "JournalScreenShot", 139.0f / 1024.0f, 104.0f / 1024.0f, 884.0f / 1024.0f,
                 663.0f / 1024.0f);
}

// ---------------------------------------------------------------------------
// Page switching, buttons and the slide

void sc_00_journal::ON_TIME()
{
    TQ_TRACE(" ON_TIME()");
    mLButtonPrev = mLButton;
    mFrameSec = gApp.mFrameMs / 1000.0f;
    if (gApp.mInput)
    {
        mLButton = gApp.mInput->mLeftDown ? 1 : 0;
        mCursorX = gApp.mInput->mCursorX;
        mCursorY = gApp.mInput->mCursorY;
    }
    journalProcess();
}

void sc_00_journal::journalProcess()
{
    TQ_TRACE(" journalProcess()");
    for (int p = 0; p < static_cast<int>(mPages.size()); ++p)
    {
        if (p != 0 && p != mCurPage)
            continue;
        for (size_t i = 0; i < mPages[p].items.size(); ++i)
            itemProcess(mPages[p].items[i]);
    }
    if (mAnimState == 1)
    {
        mAnim += mFrameSec;
        if (mAnim > 1.0f)
        {
            mAnim = 1.0f;
            mAnimState = 2;
        }
    }
    if (mAnimState == 3)
    {
        mAnim -= mFrameSec;
        if (mAnim < 0.0f)
        {
            mAnim = 0.0f;
            mAnimState = 0;
            journalOnHide();
        }
    }
    interp(mRest, mHiddenOffset, mPos, cubeFunc(mAnim));
    overlaySetPosition(mOverlayName.c_str(), mBorderName.c_str(), nullptr, mPos.x, mPos.y);
}

void sc_00_journal::itemProcess(__Item& item)
{
    item.highlightState = 3;
    if (item.ttype != 2)
        return;
    const bool over = mCursorX > mPos.x + item.pos.x + item.zoneOffset.x &&
                      mCursorX < mPos.x + item.pos.x + item.size.x + item.zoneSizeChange.x &&
                      mCursorY > mPos.y + item.pos.y + item.zoneOffset.y &&
                      mCursorY < mPos.y + item.pos.y + item.size.y + item.zoneSizeChange.y;
    if (over)
        item.highlightState = 1;
    if (!mLButtonPrev && mLButton && over)
        itemPress(item);
    if (item.highlightState == 1)
    {
        item.highlight += 3.0f * mFrameSec;
        if (item.highlight > 1.0f)
        {
            item.highlight = 1.0f;
            item.highlightState = 2;
        }
    }
    else if (item.highlightState == 3)
    {
        item.highlight -= mFrameSec;
        if (item.highlight < 0.0f)
        {
            item.highlight = 0.0f;
            item.highlightState = 0;
        }
    }
    materialSetColour2(item.mat, 1, item.highlight, item.highlight, item.highlight, 1);
}

void sc_00_journal::itemPress(__Item& item)
{
    TQ_TRACE(" itemPress(__Item& item)");
    const int cur = mCurVirtPage;
    const int func = item.func;
    if (func == 0)
    {
        if (cur > mFirstShotVirt)
            journalSetVirtPage(cur - 1);
        else if (cur == mFirstShotVirt)
            journalSetVirtPage(mLastShotVirt);
    }
    if (func == 1)
    {
        if (cur < mLastShotVirt)
            journalSetVirtPage(cur + 1);
        else if (cur == mLastShotVirt)
            journalSetVirtPage(mFirstShotVirt);
    }
    if (func == 4)
    {
        journalSetVirtPage(mTaskVirt);
        setVarI("journal_cur_page_shot", 0);
    }
    if (func == 3 && !mShotNames.empty())
    {
        const int shot = getVarI("journal_cur_shot");
        journalSetVirtPage(mFirstShotVirt + (shot >= 0 && shot < static_cast<int>(mShotNames.size()) ? shot : 0));
        setVarI("journal_cur_page_shot", 1);
    }
    if (func == 2)
        mAnimState = 3;
}

void sc_00_journal::journalSetVirtPage(int virt_page)
{
    TQ_TRACE(" journalSetVirtPage(int virt_page)");
    unload();
    mCurVirtPage = virt_page;
    const int n = virt_page - mFirstShotVirt;
    if (virt_page >= mFirstShotVirt && n < static_cast<int>(mShotNames.size()))
    {
        materialSetTexturePassUnit("00_screen_shot_00", 0, 0, mShotNames[n]);
        setText(mPages[mShotPage].items[mPageText1], n + 1);
        setText(mPages[mShotPage].items[mPageText2], n + 1);
        journalSetPage(mShotPage);
        setVarI("journal_cur_shot", n);
    }
    if (virt_page == mTaskVirt)
        journalSetPage(mTaskPage);
}

void sc_00_journal::journalSetPage(int page)
{
    TQ_TRACE(" journalSetPage(int page)");
    mCurPage = page;
    for (int p = 0; p < static_cast<int>(mPages.size()); ++p)
        for (const __Item& item : mPages[p].items)
            overlaySetVisible(item.ov.c_str(), item.pan1.c_str(), childOf(item), p == 0 || p == page);
    const bool tasks = page == mTaskPage;
    materialSetTexturePassUnit("00_journal_task", 0, 0, tasks ? "00_journal_button_down.tga" : "00_journal_button.tga");
    materialSetTexturePassUnit("00_journal_shot", 0, 0, tasks ? "00_journal_button.tga" : "00_journal_button_down.tga");
    const int shots = mShotNames.empty() ? 0 : 1;
    setItemVisible(mFramePage, mShotTab, shots);
    setItemVisible(mFramePage, mShotLabel1, shots);
    setItemVisible(mFramePage, mShotLabel2, shots);
}

void sc_00_journal::unload()
{
    TQ_TRACE(" unload()");
    const int n = mCurVirtPage - mShotPage;
    if (mCurPage == mShotPage && n >= 0 && n < static_cast<int>(mShotNames.size()))
        textureUnload(mShotNames[n]);
}

float sc_00_journal::cubeFunc(float x)
{
    const double d = x;
    return static_cast<float>(2.9444 * d * d * d - 6.8167 * d * d + 4.8722 * d);
}

void sc_00_journal::interp(const vec3& s, const vec3& h, vec3& c, float a)
{
    c.x = s.x + (1.0f - a) * h.x;
    c.y = s.y + (1.0f - a) * h.y;
}
