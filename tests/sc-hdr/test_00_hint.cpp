// The hint panel on the headless engine: shown only once the interface
// enabled it, faded in and out over frames, reversed mid-fade, replaced in
// place, with the hint counter, and removed with its room.
#include "00_hint.h"
#include "ScriptFixture.h"
#include "TestSupport.h"

#include <Overlay/OgreTextAreaOverlayElement.h>

#include <gtest/gtest.h>

namespace
{
using tq::ScriptFixture;

const char* const kOverlays = R"(
overlay __GameInterface/Hint
{
    zorder 500
}
template container Panel(HintComment)
{
    metrics_mode relative
}
)";

const char* const kBorders[] = {"interf/hint_border_center", "interf/hint_border_left", "interf/hint_border_right"};

class Hint : public ::testing::Test, public ScriptFixture
{
protected:
    void SetUp() override
    {
        overlayScript(kOverlays);
        for (const char* name : kBorders)
            material(name);
        material("Fonts/00_font_02");
        text(300, "Open the door");
        text(301, "Read the letter");
        text(127, " (");
        text(128, " of ");
        hint = engine->addObject("00_hint", "00_hint.sc");
        engine->frame();
    }

    /// The alpha of every piece of the panel, checked to agree.
    static float alpha()
    {
        const float a = unit("Fonts/00_font_02")->getAlphaBlendMode().alphaArg2;
        for (const char* name : kBorders)
            EXPECT_FLOAT_EQ(unit(name)->getAlphaBlendMode().alphaArg2, a) << name;
        auto* text = static_cast<Ogre::TextAreaOverlayElement*>(element("HintText"));
        EXPECT_FLOAT_EQ(text->getColourTop().a, a);
        EXPECT_FLOAT_EQ(text->getColourBottom().a, a);
        return a;
    }
    static bool shown()
    {
        return overlay("__GameInterface/Hint")->isVisible();
    }

    CObject* hint = nullptr;
    tq::TempDir dir;
};

TEST_F(Hint, ShowsOnlyOnceEnabledAndFadesInAndOut)
{
    ASSERT_NE(element("HintText"), nullptr);
    EXPECT_EQ(element("HintText")->getParent()->getName(), "HintBorder1");
    EXPECT_FALSE(shown());
    EXPECT_EQ(alpha(), 0.0f);

    // Before the interface enables it a hint id is kept but not shown.
    engine->notify(hint, 300);
    engine->frames(10);
    EXPECT_FALSE(shown());
    EXPECT_EQ(tq::HeadlessEngine::scriptOf<sc_00_hint>(hint)->mHintId, 300);

    engine->notify(hint, 10000);
    engine->notify(hint, 301);
    engine->frame(0.025f); // the requests
    engine->frame(0.025f); // the delay timer's pass
    EXPECT_TRUE(shown());
    EXPECT_EQ(caption("HintText"), "Read the letter");
    engine->frames(4, 0.025f);
    EXPECT_NEAR(alpha(), 0.3f, 1e-4f);
    engine->frames(20, 0.025f);
    EXPECT_EQ(alpha(), 1.0f);

    engine->notify(hint, 100);
    engine->frames(5, 0.025f);
    EXPECT_NEAR(alpha(), 0.7f, 1e-4f);
    EXPECT_TRUE(shown());
    engine->frames(20, 0.025f);
    EXPECT_EQ(alpha(), 0.0f);
    EXPECT_FALSE(shown());
}

TEST_F(Hint, HidingMidFadeTurnsBackFromWhereItIsAndANewHintKeepsThePanelUp)
{
    engine->notify(hint, 10000);
    engine->notify(hint, 300);
    engine->frames(2, 0.025f);
    engine->frames(4, 0.025f);
    EXPECT_NEAR(alpha(), 0.3f, 1e-4f);
    engine->notify(hint, 100);
    engine->frame(0.025f);
    EXPECT_NEAR(alpha(), 0.225f, 1e-4f);
    engine->frames(5, 0.025f);
    EXPECT_EQ(alpha(), 0.0f);
    EXPECT_FALSE(shown());

    engine->notify(hint, 300);
    engine->frames(30, 0.025f);
    EXPECT_EQ(alpha(), 1.0f);
    engine->notify(hint, 301);
    engine->frame(0.025f);
    EXPECT_EQ(caption("HintText"), "Open the door");
    engine->frame(0.025f);
    EXPECT_EQ(caption("HintText"), "Read the letter");
    for (int i = 0; i < 5; ++i)
    {
        engine->frame(0.025f);
        EXPECT_EQ(alpha(), 1.0f);
    }
}

TEST_F(Hint, TheCounterFollowsTheTextUntilTheHintHides)
{
    CVirtualScript::setVarI("hint_counter_need", 2);
    CVirtualScript::setVarI("hint_counter_of", 5);
    engine->notify(hint, 10000);
    engine->notify(hint, 300);
    engine->frames(2);
    EXPECT_EQ(caption("HintText"), "Open the door (2 of 5");
    engine->notify(hint, 100);
    engine->frame();
    EXPECT_EQ(CVirtualScript::getVarI("hint_counter_need"), 0);
    EXPECT_EQ(CVirtualScript::getVarI("hint_counter_of"), 0);
    engine->frames(30);
    engine->notify(hint, 301);
    engine->frames(2);
    EXPECT_EQ(caption("HintText"), "Read the letter");
}

TEST_F(Hint, DestroyRemovesThePanel)
{
    CMessage msg;
    msg.target = hint;
    msg.type = MSG_DESTROY;
    gApp.postMessage(msg);
    engine->frame();
    for (const char* name : {"HintBorder1", "HintBorder2", "HintBorder3", "HintText"})
        EXPECT_EQ(element(name), nullptr) << name;
}
} // namespace
