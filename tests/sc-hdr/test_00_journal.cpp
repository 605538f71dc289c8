// The journal on the headless engine: the layout it builds, tasks added and
// crossed out, pictures and the pages that show them, the buttons under the
// mouse, the slide in and out, and its state through a saved game.  A spy
// object stands in for the in-game interface that opens it.
#include "00_journal.h"
#include "ScriptFixture.h"
#include "TestSupport.h"

#include <OgreStringConverter.h>

#include <gtest/gtest.h>

namespace
{
using tq::RecordingScript;
using tq::ScriptFixture;

const char* const kOverlays = R"(
overlay JournalOverlay
{
    zorder 400
}
template container BorderPanel(MenuBorderPanel)
{
    metrics_mode relative
    material journal_back
    border_material journal_back
}
template container Panel(CounterComment)
{
    metrics_mode relative
}
template container Panel(CounterCommentLeft)
{
    metrics_mode relative
}
)";

class Journal : public ::testing::Test, public ScriptFixture
{
protected:
    void SetUp() override
    {
        material("journal_back");
        overlayScript(kOverlays);
        for (const char* button : {"00_journal_exit", "00_journal_task", "00_journal_shot", "00_journal_page_left",
                                   "00_journal_page_right"})
            material(button, 2);
        for (const char* picture : {"00_journal_line", "00_screen_shot_00", "00_journal_page_panel_left",
                                    "00_journal_page_panel_right", "00_journal_page_panel_center"})
            material(picture);
        text(75, "Picture ");
        text(76, " of ");
        text(204, "Tasks");
        text(205, "Pictures");
        text(21, "Look round");
        text(5, "Find the key");
        text(7, "Open the gate");
        gApp.mAppState.mOptions["CurSave"].value = "2";
        gui = engine->addRecorder("00_game_interface");
    }

    sc_00_journal* create()
    {
        object = engine->addObject("journal", "00_journal.sc");
        engine->frame();
        RecordingScript::calls().clear();
        return tq::HeadlessEngine::scriptOf<sc_00_journal>(object);
    }

    void destroy()
    {
        CMessage msg;
        msg.target = object;
        msg.type = MSG_DESTROY;
        gApp.postMessage(msg);
        engine->frame();
        object = nullptr;
    }

    /// Opens with code and lets the slide finish.
    void open(int code)
    {
        engine->notify(object, code, gui);
        engine->frames(80);
    }

    /// The screen place of an element under the frame (OGRE's own derived
    /// place needs a viewport).
    static Ogre::Vector2 at(const char* name)
    {
        Ogre::OverlayElement* e = element(name);
        Ogre::OverlayElement* frame = element("JournalBorder");
        return Ogre::Vector2(frame->getLeft() + e->getLeft(), frame->getTop() + e->getTop());
    }

    /// A press and a release on the middle of an element of the journal.
    void press(const char* name)
    {
        Ogre::OverlayElement* e = element(name);
        ASSERT_NE(e, nullptr) << name;
        const float x = at(name).x + e->getWidth() / 2.0f;
        const float y = at(name).y + e->getHeight() / 2.0f;
        mouse(x, y, true);
        engine->frame();
        mouse(x, y, false);
        engine->frame();
    }

    static int var(const char* key)
    {
        return CVirtualScript::getVarI(key);
    }

    static std::string shownPicture()
    {
        return unit("00_screen_shot_00")->getTextureName();
    }

    static bool shown(const char* name)
    {
        Ogre::OverlayElement* e = element(name);
        return e && e->isVisible();
    }

    CObject* gui = nullptr;
    CObject* object = nullptr;
    tq::TempDir dir;
};

TEST_F(Journal, LayoutOfThePagesAndTheHiddenFrame)
{
    sc_00_journal* journal = create();
    ASSERT_NE(journal, nullptr);
    ASSERT_EQ(journal->mPages.size(), 3u);
    EXPECT_EQ(journal->mPages[0].items.size(), 8u);
    EXPECT_EQ(journal->mPages[1].items.size(), 0u);
    EXPECT_EQ(journal->mPages[2].items.size(), 8u);
    EXPECT_EQ(journal->mFramePage, 0);
    EXPECT_EQ(journal->mTaskPage, 1);
    EXPECT_EQ(journal->mShotPage, 2);

    // Everything hangs under the frame, and the frame in the hidden overlay.
    Ogre::OverlayContainer* frame = overlay("JournalOverlay")->getChild("JournalBorder");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->getTypeName(), "BorderPanel");
    EXPECT_FALSE(overlay("JournalOverlay")->isVisible());
    for (const char* child : {"JournalExit", "JournalTask", "JournalTaskText1", "JournalTaskText2", "JournalShot",
                              "JournalShotText1", "JournalShotText2", "JournalPagePanelLeft", "JournalPagePanelRight",
                              "JournalPagePanelCenter", "JournalPageText", "JournalPageText2", "JournalPageLeft",
                              "JournalPageRight", "JournalScreenShot"})
        EXPECT_EQ(element(child) ? element(child)->getParent() : nullptr, frame) << child;
    EXPECT_NEAR(frame->getWidth(), 830.0f / 1024.0f, 1e-6f);
    EXPECT_NEAR(element("JournalScreenShot")->getWidth(), 746.0f / 1024.0f, 1e-6f);
    EXPECT_NEAR(element("JournalPageRight")->getLeft(), 702.0f / 1024.0f, 1e-6f);
    EXPECT_NEAR(element("JournalPagePanelLeft")->getLeft(), 303.0f / 1024.0f, 1e-6f);

    // The tab labels: their texts, in black and white, 0.045 high without
    // the layout keys.
    EXPECT_EQ(caption("JournalTaskText1"), "Tasks");
    EXPECT_EQ(caption("JournalShotText2"), "Pictures");
    auto* label = static_cast<Ogre::TextAreaOverlayElement*>(element("JournalShotText2"));
    EXPECT_FLOAT_EQ(label->getCharHeight(), 0.045f);
    EXPECT_EQ(label->getColourTop(), Ogre::ColourValue::White);
    EXPECT_EQ(static_cast<Ogre::TextAreaOverlayElement*>(element("JournalTaskText1"))->getColourBottom(),
              Ogre::ColourValue::Black);

    // The tab's hit zone: 112 x 72 reference pixels, 72 right of and 16
    // below its corner.
    const __Item& tab = journal->mPages[0].items[journal->mTaskTab];
    EXPECT_NEAR((tab.size.x + tab.zoneSizeChange.x - tab.zoneOffset.x) * 1024.0f, 112.0f, 1e-3f);
    EXPECT_NEAR((tab.size.y + tab.zoneSizeChange.y - tab.zoneOffset.y) * 768.0f, 72.0f, 1e-3f);
    EXPECT_NEAR(tab.zoneOffset.x * 1024.0f, 72.0f, 1e-3f);
    EXPECT_NEAR(tab.zoneOffset.y * 768.0f, 16.0f, 1e-3f);

    // Hidden above the screen, and a new profile starts without tasks.
    EXPECT_NEAR(frame->getLeft(), 97.0f / 1024.0f, 1e-6f);
    EXPECT_NEAR(frame->getTop(), 62.0f / 768.0f - 0.95f, 1e-6f);
    EXPECT_EQ(CVirtualScript::getVarS("journal_task_num"), "0");
}

TEST_F(Journal, TabLabelSizesFromTheLayoutKeys)
{
    gApp.mAppState.mOptions["journal_task_char_size"].value = "0.05";
    gApp.mAppState.mOptions["journal_shot_char_size"].value = "0.06";
    create();
    EXPECT_FLOAT_EQ(static_cast<Ogre::TextAreaOverlayElement*>(element("JournalTaskText2"))->getCharHeight(), 0.05f);
    EXPECT_FLOAT_EQ(static_cast<Ogre::TextAreaOverlayElement*>(element("JournalShotText1"))->getCharHeight(), 0.06f);
}

TEST_F(Journal, OpensWithASlideAndRepliesWhenClosed)
{
    sc_00_journal* journal = create();
    engine->notify(object, 150, gui);
    engine->frame();
    EXPECT_TRUE(overlay("JournalOverlay")->isVisible());
    EXPECT_TRUE(shown("JournalTaskText1"));
    EXPECT_FALSE(shown("JournalScreenShot"));

    // The frame drops past its rest place by about a tenth of the screen and
    // settles there after just over a second.
    Ogre::OverlayElement* frame = element("JournalBorder");
    const float rest = 62.0f / 768.0f;
    float lowest = -1.0f;
    int frames = 1;
    for (; journal->mAnimState != 2 && frames < 200; ++frames)
    {
        engine->frame();
        lowest = std::max(lowest, frame->getTop());
    }
    EXPECT_GE(frames, 60);
    EXPECT_LE(frames, 70);
    EXPECT_NEAR(lowest - rest, 0.1078f * 0.95f, 0.01f);
    EXPECT_NEAR(frame->getTop(), rest - 0.0001f * 0.95f, 1e-5f);
    engine->frames(5);
    EXPECT_NEAR(frame->getTop(), rest - 0.0001f * 0.95f, 1e-5f);
    EXPECT_TRUE(RecordingScript::callsOf("00_game_interface").empty());

    // Close: the slide runs back, then the interface gets its code back.
    press("JournalExit");
    EXPECT_EQ(journal->mAnimState, 3);
    engine->frames(80);
    EXPECT_EQ(journal->mAnimState, 0);
    EXPECT_FALSE(overlay("JournalOverlay")->isVisible());
    EXPECT_NEAR(frame->getTop(), rest - 0.95f, 1e-5f);
    EXPECT_EQ(RecordingScript::callsOf("00_game_interface"),
              (std::vector<std::string>{"ON_NOTIFY()", "ON_NOTIFY(150)",
                                        "ON_NOTIFY(150," + std::to_string(object->getHandle()) + ")"}));
    EXPECT_EQ(journal->mTimer, 0);
}

TEST_F(Journal, TasksAreCrossedOutAsNewOnesComeAndComeBackFromASavedGame)
{
    create();
    engine->notify(object, 10005, gui);
    engine->notify(object, 10007, gui);
    engine->frame();
    EXPECT_EQ(var("journal_task_num"), 2);
    EXPECT_EQ(var("journal_task_00_str"), 5);
    EXPECT_EQ(var("journal_task_01_str"), 7);
    EXPECT_EQ(caption("JournalTaskText_00"), "Find the key");
    EXPECT_EQ(caption("JournalTaskText_01"), "Open the gate");
    ASSERT_NE(element("JournalTaskLine_00"), nullptr);
    EXPECT_EQ(element("JournalTaskLine_00")->getMaterialName(), "00_journal_line");
    EXPECT_EQ(element("JournalTaskLine_01"), nullptr);
    EXPECT_NEAR(element("JournalTaskText_01")->getTop(), (48.0f + 116.0f) / 768.0f, 1e-6f);

    // Save, leave the room (nothing of the journal stays), load.
    const std::string save = "save_02.sav";
    ASSERT_TRUE(gApp.mAppState.mapSave(save, gApp.mAppState.mVars));
    engine->clearLog();
    destroy();
    EXPECT_EQ(engine->log().find("WARNING"), std::string::npos) << engine->log();
    EXPECT_EQ(element("JournalBorder"), nullptr);
    EXPECT_EQ(element("JournalTaskText_01"), nullptr);
    EXPECT_EQ(element("JournalTaskLine_00"), nullptr);
    gApp.mAppState.mVars.clear();
    ASSERT_EQ(gApp.mAppState._mapLoad(save, gApp.mAppState.mVars), 1);
    CVirtualScript::setConfigI("load_from_save", 1);
    create();
    EXPECT_EQ(var("journal_task_num"), 2);
    EXPECT_EQ(caption("JournalTaskText_01"), "Open the gate");
    EXPECT_NE(element("JournalTaskLine_00"), nullptr);
    EXPECT_EQ(element("JournalTaskLine_01"), nullptr);

    // A third task crosses out the second.
    engine->notify(object, 10009, gui);
    engine->frame();
    EXPECT_NE(element("JournalTaskLine_01"), nullptr);
    EXPECT_EQ(var("journal_task_02_str"), 9);
}

TEST_F(Journal, TheTaskPageHoldsSixteenTasks)
{
    sc_00_journal* journal = create();
    for (int i = 1; i <= 17; ++i)
        engine->notify(object, 10000 + i, gui);
    engine->clearLog();
    engine->frame();
    EXPECT_EQ(var("journal_task_num"), 16);
    EXPECT_EQ(journal->mPages[journal->mTaskPage].items.size(), 31u);
    EXPECT_NE(engine->log().find("WARNING: journal: task 17 not added"), std::string::npos);
}

TEST_F(Journal, PicturesAreNamedCountedAndShownOnOpening)
{
    sc_00_journal* journal = create();
    // Before any picture the picture tab is hidden at every page change.
    open(100);
    EXPECT_FALSE(shown("JournalShot"));
    EXPECT_FALSE(shown("JournalShotText1"));
    EXPECT_TRUE(shown("JournalTask"));
    press("JournalExit");
    engine->frames(80);

    for (int i = 0; i < 3; ++i)
        engine->notify(object, 2000, gui);
    engine->frame();
    EXPECT_EQ(var("screen_num"), 3);
    EXPECT_EQ(var("journal_cur_shot"), 2);
    EXPECT_EQ(var("journal_cur_page_shot"), 1);
    ASSERT_EQ(journal->mShotNames.size(), 3u);
    EXPECT_EQ(journal->mShotNames[1], "screen_shot_01_user_02.jpg");

    // The next opening shows the newest picture with its caption.
    CVirtualScript::setVarI("journal_cur_shot", 1);
    open(101);
    EXPECT_EQ(shownPicture(), "screen_shot_01_user_02.jpg");
    EXPECT_EQ(caption("JournalPageText"), "Picture 2 of 3");
    EXPECT_EQ(caption("JournalPageText2"), "Picture 2 of 3");
    EXPECT_TRUE(shown("JournalScreenShot"));
    EXPECT_TRUE(shown("JournalShot"));
    EXPECT_TRUE(shown("JournalShotText2"));
    EXPECT_EQ(unit("00_journal_shot")->getTextureName(), "00_journal_button_down.jpg");
    EXPECT_EQ(unit("00_journal_task")->getTextureName(), "00_journal_button.jpg");
}

TEST_F(Journal, PictureCaptionCountsInDigitsPastTheLowTextIds)
{
    // Text 21 is another screen's line: the 21st picture still reads as a
    // number.
    CVirtualScript::setVarI("screen_num", 21);
    CVirtualScript::setVarI("journal_cur_shot", 20);
    CVirtualScript::setVarI("journal_cur_page_shot", 1);
    create();
    open(100);
    EXPECT_EQ(caption("JournalPageText"), "Picture 21 of 21");
    EXPECT_EQ(caption("JournalPageText2"), "Picture 21 of 21");
}

TEST_F(Journal, ArrowsWalkThePicturesRoundAndTabsSwitchPages)
{
    create();
    for (int i = 0; i < 3; ++i)
        engine->notify(object, 2000, gui);
    engine->frame();
    open(100);
    ASSERT_EQ(shownPicture(), "screen_shot_02_user_02.jpg");

    struct Step
    {
        const char* button;
        const char* picture;
    } steps[] = {
        {"JournalPageRight", "screen_shot_00_user_02.jpg"}, // after the last, the first
        {"JournalPageLeft", "screen_shot_02_user_02.jpg"},  // before the first, the last
        {"JournalPageLeft", "screen_shot_01_user_02.jpg"},
        {"JournalPageRight", "screen_shot_02_user_02.jpg"},
    };
    for (const Step& step : steps)
    {
        press(step.button);
        EXPECT_EQ(shownPicture(), step.picture) << step.button;
    }

    // A held button moves one picture only.
    const Ogre::Vector2 next = at("JournalPageRight") + Ogre::Vector2(0.05f, 0.05f);
    mouse(next.x, next.y, true);
    engine->frames(10);
    mouse(next.x, next.y, false);
    engine->frame();
    EXPECT_EQ(shownPicture(), "screen_shot_00_user_02.jpg");
    EXPECT_EQ(var("journal_cur_shot"), 0);

    // The task tab shows the tasks and makes the next opening start there.
    press("JournalTask");
    EXPECT_FALSE(shown("JournalScreenShot"));
    EXPECT_FALSE(shown("JournalPageRight"));
    EXPECT_TRUE(shown("JournalExit"));
    EXPECT_EQ(var("journal_cur_page_shot"), 0);
    EXPECT_EQ(unit("00_journal_task")->getTextureName(), "00_journal_button_down.jpg");
    // The picture tab goes back to the picture last shown.
    press("JournalShot");
    EXPECT_TRUE(shown("JournalScreenShot"));
    EXPECT_EQ(shownPicture(), "screen_shot_00_user_02.jpg");
    EXPECT_EQ(var("journal_cur_page_shot"), 1);
}

TEST_F(Journal, ButtonsGlowUnderTheCursorAndTakePressesInsideTheirEdgesOnly)
{
    sc_00_journal* journal = create();
    open(100);
    // Exactly on the left edge of the close button: no press.
    const Ogre::Vector2 exit = at("JournalExit");
    mouse(exit.x, exit.y + 0.05f, true);
    engine->frame();
    EXPECT_EQ(journal->mAnimState, 2);
    mouse(0.0f, 0.0f, false);
    engine->frame();

    // Under the cursor the glow pass rises to full in a third of a second
    // and falls in a second after it leaves; labels keep their colours.
    mouse(exit.x + 0.05f, exit.y + 0.05f, false);
    engine->frames(8, 0.025f);
    EXPECT_NEAR(unit("00_journal_exit", 1)->getColourBlendMode().colourArg2.r, 0.6f, 1e-4f);
    engine->frames(6, 0.025f);
    EXPECT_EQ(unit("00_journal_exit", 1)->getColourBlendMode().colourArg2, Ogre::ColourValue::White);
    EXPECT_EQ(unit("00_journal_exit", 1)->getColourBlendMode().operation, Ogre::LBX_MODULATE);
    mouse(0.0f, 0.0f, false);
    engine->frames(20, 0.025f);
    EXPECT_NEAR(unit("00_journal_exit", 1)->getColourBlendMode().colourArg2.r, 0.5f, 1e-4f);
    engine->frames(25, 0.025f);
    EXPECT_EQ(unit("00_journal_exit", 1)->getColourBlendMode().colourArg2.r, 0.0f);
    for (const __Item& item : journal->mPages[0].items)
    {
        if (item.ttype != 2)
        {
            EXPECT_EQ(item.highlightState, 3) << item.pan2;
        }
    }
}

TEST_F(Journal, StoredPictureStateThatDoesNotFitOpensTheTasks)
{
    // A saved game whose picture index points past the pictures it has.
    CVirtualScript::setVarI("screen_num", 1);
    CVirtualScript::setVarI("journal_cur_page_shot", 1);
    CVirtualScript::setVarI("journal_cur_shot", 4);
    sc_00_journal* journal = create();
    open(100);
    EXPECT_EQ(journal->mCurPage, journal->mTaskPage);
    EXPECT_FALSE(shown("JournalScreenShot"));
    // The picture tab still finds the one picture there is.
    press("JournalShot");
    EXPECT_EQ(shownPicture(), "screen_shot_00_user_02.jpg");
}
} // namespace
