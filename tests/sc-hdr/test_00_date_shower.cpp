// The date and place caption on the headless engine: its texts, the fade in,
// the three seconds on screen, the click that ends them, the fade out and
// the reply to the location script (a spy) that asked for it.
#include "00_date_shower.h"
#include "ScriptFixture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace
{
using tq::RecordingScript;
using tq::ScriptFixture;

const char* const kOverlays = R"(
overlay DateText
{
    overlay_element DateTextFrame Panel
    {
        metrics_mode relative
        width 1
        height 1
    }
}
template container Panel(DatePlaceText)
{
    metrics_mode relative
}
template container Panel(DatePlaceTextBlack)
{
    metrics_mode relative
}
)";

class DateShower : public ::testing::Test, public ScriptFixture
{
protected:
    void SetUp() override
    {
        overlayScript(kOverlays);
        material("Fonts/00_date_text");
        text(55, "Prologue");
        text(10142, "Spring, the harbour");
        text(10149, "Ten years later");
        room = engine->addRecorder("01_01_scene");
        caption = engine->addObject("01_01_scene_ds", "00_date_shower.sc");
        caption->mParams["text"] = "55";
        engine->frame();
        RecordingScript::calls().clear();
    }

    static float alpha()
    {
        return unit("Fonts/00_date_text")->getAlphaBlendMode().alphaArg2;
    }
    std::vector<std::string> replies() const
    {
        return RecordingScript::callsOf("01_01_scene");
    }
    std::string gone() const
    {
        return "ON_NOTIFY(777," + std::to_string(caption->getHandle()) + ")";
    }
    /// Frames of 25 ms until the caption has gone (at most limit); their count.
    int framesUntilGone(int limit)
    {
        int n = 0;
        while (n < limit && replies().empty())
        {
            engine->frame(0.025f);
            ++n;
        }
        return n;
    }

    CObject* room = nullptr;
    CObject* caption = nullptr;
    tq::TempDir dir;
};

TEST_F(DateShower, FadesInStaysThreeSecondsFadesOutAndReplies)
{
    Ogre::OverlayElement* text = element("DateTextContainer");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->getParent()->getName(), "DateTextFrame");
    EXPECT_EQ(text->getCaption().asUTF8(), "Prologue");
    EXPECT_EQ(ScriptFixture::caption("DateTextContainerBk"), "Prologue");
    EXPECT_NEAR(text->getLeft(), 0.5f, 1e-6f);
    EXPECT_NEAR(element("DateTextContainerBk")->getTop(), 0.653f, 1e-6f);

    engine->notify(caption, 10142, room);
    engine->frame(0.025f);
    EXPECT_TRUE(overlay("DateText")->isVisible());
    EXPECT_EQ(text->getCaption().asUTF8(), "Spring, the harbour");
    EXPECT_EQ(ScriptFixture::caption("DateTextContainerBk"), "Spring, the harbour");
    EXPECT_EQ(alpha(), 0.0f);

    engine->frames(20, 0.025f);
    EXPECT_NEAR(alpha(), 0.5f, 1e-4f);
    engine->frames(21, 0.025f);
    EXPECT_EQ(alpha(), 1.0f);
    // Three seconds on screen, then a second of fading out.
    engine->frames(115, 0.025f);
    EXPECT_EQ(alpha(), 1.0f);
    const int fading = framesUntilGone(200);
    EXPECT_GE(fading, 40);
    EXPECT_LE(fading, 50);
    EXPECT_EQ(alpha(), 0.0f);
    EXPECT_FALSE(overlay("DateText")->isVisible());
    EXPECT_EQ(replies(), (std::vector<std::string>{"ON_NOTIFY()", "ON_NOTIFY(777)", gone()}));
}

TEST_F(DateShower, ClicksEndTheCaptionOnlyWhileItIsFullyShown)
{
    struct Case
    {
        const char* what;
        int id;
        int clickAfter;   ///< frames of 25 ms after the request
        int goneWithin;   ///< frames from the click until the reply
        int notBefore;
    } cases[] = {
        {"click while fading in", 10142, 10, 210, 150},
        {"click while shown", 10142, 60, 48, 38},
        {"the last caption waits for a click", 10149, 600, 48, 38},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        RecordingScript::calls().clear();
        engine->notify(caption, c.id, room);
        engine->frames(c.clickAfter, 0.025f);
        EXPECT_TRUE(replies().empty());
        mouse(0.5f, 0.5f, true);
        engine->frame(0.025f);
        mouse(0.5f, 0.5f, false);
        const int n = framesUntilGone(400);
        EXPECT_GE(n, c.notBefore);
        EXPECT_LE(n, c.goneWithin);
    }
}

TEST_F(DateShower, HideCodeRepliesToTheLastRequesterEvenWhenNothingShows)
{
    // Nobody asked yet: 200 hides and tells nobody.
    engine->notify(caption, 200, room);
    engine->frames(2);
    EXPECT_TRUE(replies().empty());
    EXPECT_FALSE(overlay("DateText")->isVisible());

    engine->notify(caption, 10142, room);
    engine->frames(20);
    engine->notify(caption, 200, room);
    engine->frames(2);
    EXPECT_EQ(replies(), (std::vector<std::string>{"ON_NOTIFY()", "ON_NOTIFY(777)", gone()}));
    EXPECT_FALSE(overlay("DateText")->isVisible());
    // The timer went with it: no second reply.
    engine->frames(300, 0.025f);
    EXPECT_EQ(replies().size(), 3u);

    RecordingScript::calls().clear();
    engine->notify(caption, 200, nullptr);
    engine->frames(2);
    EXPECT_EQ(replies(), (std::vector<std::string>{"ON_NOTIFY()", "ON_NOTIFY(777)", gone()}));
}

TEST_F(DateShower, DestroyRemovesBothTexts)
{
    CMessage msg;
    msg.target = caption;
    msg.type = MSG_DESTROY;
    gApp.postMessage(msg);
    engine->frame();
    EXPECT_EQ(element("DateTextContainer"), nullptr);
    EXPECT_EQ(element("DateTextContainerBk"), nullptr);
    EXPECT_NE(element("DateTextFrame"), nullptr);
}

TEST(DateShowerWithoutOverlay, KeepsItsTimingAndReplies)
{
    tq::TempDir dir;
    ScriptFixture fixture;
    CObject* room = fixture.engine->addRecorder("room");
    CObject* caption = fixture.engine->addObject("01_01_scene_ds", "00_date_shower.sc");
    fixture.engine->frame();
    RecordingScript::calls().clear();
    fixture.engine->notify(caption, 10142, room);
    fixture.engine->frames(190, 0.025f);
    EXPECT_TRUE(RecordingScript::callsOf("room").empty());
    fixture.engine->frames(25, 0.025f);
    EXPECT_EQ(RecordingScript::callsOf("room").size(), 3u);
}
} // namespace
