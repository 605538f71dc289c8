// The in-game interface's arithmetic and counters: the easing and lens
// functions, the screen transforms and the four-state fade at their edges;
// the counters' digit strip rolling with an ease-out after a delay, the
// snap of a new maximum, the fade from white, and a counter that follows
// its menu's visibility without losing its state.
#include "GInterfaceFixture.h"

#include <gtest/gtest.h>

namespace
{
using GI = sc_00_ginterface;

/// The strip's scroll that shows c.
float strip(int c)
{
    return (c + 0.5f) / 32.0f - 0.5f;
}

TEST(GInterfaceEasing, CurvesHitTheirEnds)
{
    const struct
    {
        const char* label;
        float (*f)(float);
        float x, expected;
    } cases[] = {
        {"cube at 0", GI::cubeFunc, 0.0f, 0.0f},          {"cube at 1 falls a hair short", GI::cubeFunc, 1.0f, 0.9999f},
        {"cube overshoots at 0.5", GI::cubeFunc, 0.5f, 1.1f}, {"ease-out at 0.5", GI::cubeFunc2, 0.5f, 0.75f},
        {"ease-out at 1", GI::cubeFunc2, 1.0f, 1.0f},      {"cosine at 0.5", GI::cosFunc, 0.5f, 0.5f},
        {"cosine at 1", GI::cosFunc, 1.0f, 1.0f},          {"hump at 0.5", GI::quadFunc, 0.5f, 1.0f},
        {"hump at 1", GI::quadFunc, 1.0f, 0.0f},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.label);
        EXPECT_NEAR(c.f(c.x), c.expected, 1e-4f);
    }

    // The overshoot is folded back: the point never passes its end.
    const vec3 begin(0, 0, 0), end(10, 20, 0);
    vec3 cur;
    GI::vec3_interpolate_cube(cur, begin, end, 0.0f);
    EXPECT_EQ(cur, begin);
    GI::vec3_interpolate_cube(cur, begin, end, 0.5f);
    EXPECT_NEAR(cur.x, 9.0f, 1e-3f);
    EXPECT_NEAR(cur.y, 18.0f, 1e-3f);
    GI::vec3_interpolate_cube(cur, begin, end, 1.0f);
    EXPECT_NEAR(cur.x, 9.999f, 1e-3f);
}

TEST(GInterfaceEasing, TheLensPushesPicturesAwayFromTheCursor)
{
    GI gi;
    gi.lensCentre = 0.0f;
    EXPECT_FLOAT_EQ(gi.funcT(-0.3f), 0.2f); // no lens: only centred
    gi.lensFactor = 1.0f;
    EXPECT_FLOAT_EQ(gi.funcT(-0.3f), 0.2f - 0.055f);
    EXPECT_FLOAT_EQ(gi.funcT(0.3f), 0.8f + 0.055f);
    EXPECT_FLOAT_EQ(gi.funcT(-0.06f), 0.44f); // on the zone's edge
    EXPECT_NEAR(gi.funcT(0.0f), 0.5f, 1e-4f);

    // A picture under the lens grows; its bottom edge stays.
    vec3 pos, size;
    gi.lensFactor = 0.0f;
    gi.transform2(vec3(0, 0.8f, 0), vec3(0.09375f, 0.09375f, 0), pos, size);
    EXPECT_NEAR(size.x, 0.05f, 1e-5f);
    EXPECT_NEAR(size.y, 0.05f * 1.333f, 1e-5f);
    EXPECT_NEAR(pos.y + size.y, 0.8f + 0.09375f, 1e-5f);
    gi.lensFactor = 1.0f;
    vec3 bigger;
    gi.transform2(vec3(0, 0.8f, 0), vec3(0.09375f, 0.09375f, 0), pos, bigger);
    EXPECT_GT(bigger.x, size.x);

    gi.transform(vec3(0, 0.5f, 0), vec3(0.2f, 0.1f, 0), pos, size);
    EXPECT_FLOAT_EQ(pos.x, 0.4f);
    gi.transform3(vec3(0.1f, 0.5f, 0), vec3(0.2f, 0.1f, 0), pos, size);
    EXPECT_FLOAT_EQ(size.x, 0.05f);
    EXPECT_FLOAT_EQ(pos.x, 0.575f);
    EXPECT_FLOAT_EQ(pos.y, 0.6f - 0.06665f);
}

TEST(GInterfaceEasing, AFadeEndsOnlyPastItsEnd)
{
    GI gi;
    gi.dt = 0.25f;
    int state = 1;
    float alpha = 0.5f;
    EXPECT_EQ(gi.updateValue(&state, &alpha, 2.0f, 1.0f), -1); // exactly 1.0
    EXPECT_EQ(state, 1);
    EXPECT_EQ(gi.updateValue(&state, &alpha, 2.0f, 1.0f), 2);
    EXPECT_EQ(alpha, 1.0f);
    EXPECT_EQ(gi.updateValue(&state, &alpha, 2.0f, 1.0f), -1); // shown stays
    state = 3;
    for (int i = 0; i < 4; ++i)
        gi.updateValue(&state, &alpha, 2.0f, 1.0f);
    EXPECT_EQ(state, 3); // exactly 0.0
    EXPECT_EQ(gi.updateValue(&state, &alpha, 2.0f, 1.0f), 0);
    EXPECT_EQ(alpha, 0.0f);
}

class Counters : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        material("Fonts/00_font_counter_03");
        material("Fonts/00_font_counter_help");
        start();
    }
    float scroll(const char* mat) { return unit(mat)->getTextureVScroll(); }
};

TEST_F(Counters, ANewValueRollsIntoPlaceWithAnEaseOut)
{
    gi->counterSetCount(3, 3, 0.0f);
    gi->countersProcess(2.0f);
    EXPECT_FLOAT_EQ(scroll("Fonts/00_font_counter_03"), strip(3));

    gi->counterSetCount(3, 12, 0.0f);
    EXPECT_EQ(gi->counters[3].offset, gi->counters[3].offset2); // two digits
    EXPECT_EQ(var("item_03_num"), 12);
    gi->countersProcess(0.5f); // roll 0.35 of the way: eased 0.5775
    EXPECT_NEAR(scroll("Fonts/00_font_counter_03"), strip(3) + 0.5775f * (strip(12) - strip(3)), 1e-5f);
    gi->countersProcess(0.9f); // 1.4 s: still short of the end
    EXPECT_LT(scroll("Fonts/00_font_counter_03"), strip(12));
    gi->countersProcess(0.1f);
    EXPECT_FLOAT_EQ(scroll("Fonts/00_font_counter_03"), strip(12));

    // A delay keeps the old value, then the roll runs.
    gi->counterSetCount(3, 5, 2.0f);
    EXPECT_EQ(gi->counters[3].offset, gi->counters[3].offset1);
    gi->countersProcess(1.9f);
    EXPECT_FLOAT_EQ(scroll("Fonts/00_font_counter_03"), strip(12));
    gi->countersProcess(0.2f);
    EXPECT_FLOAT_EQ(scroll("Fonts/00_font_counter_03"), strip(12));
    gi->countersProcess(2.0f);
    EXPECT_FLOAT_EQ(scroll("Fonts/00_font_counter_03"), strip(5));

    // A new maximum snaps the strip to 0 at once.
    gi->counterSetMax(3, 7);
    gi->countersProcess(0.01f);
    EXPECT_FLOAT_EQ(scroll("Fonts/00_font_counter_03"), strip(0));
    EXPECT_EQ(var("item_03_max"), 7);
    EXPECT_EQ(gi->counterGetMax(3), 7);
}

TEST_F(Counters, AShownCounterFadesFromWhiteToItsDigits)
{
    gi->counterVisible(GI::kHintCounter, 1);
    EXPECT_EQ(gi->menus[0].items[GI::ID_HELP_NUM].showState, 1);
    gi->countersProcess(1.0f);
    Ogre::TextureUnitState* u = unit("Fonts/00_font_counter_help");
    EXPECT_EQ(u->getColourBlendMode().operation, Ogre::LBX_ADD);
    EXPECT_FLOAT_EQ(u->getColourBlendMode().colourArg2.r, 0.5f);
    gi->countersProcess(1.1f);
    EXPECT_FLOAT_EQ(u->getColourBlendMode().colourArg2.r, 0.0f);
    EXPECT_EQ(gi->counters[GI::kHintCounter].state, 2);

    gi->counterVisible(GI::kHintCounter, 0);
    EXPECT_EQ(gi->counters[GI::kHintCounter].state, 3);
    EXPECT_EQ(gi->menus[0].items[GI::ID_HELP_NUM].showState, 3);
}

TEST_F(Counters, ACounterShowsOnlyWithItsMenu)
{
    gi->menus[3].alpha = 1.0f;
    gi->counterVisible(3, 1);
    gi->countersProcess(0.01f);
    EXPECT_TRUE(shown("Counter_03"));

    gi->menus[3].alpha = 0.01f;
    gi->countersProcess(0.01f);
    EXPECT_FALSE(shown("Counter_03"));
    EXPECT_EQ(gi->counters[3].wanted, 1);
    gi->menus[3].alpha = 0.5f;
    gi->countersProcess(0.01f);
    EXPECT_TRUE(shown("Counter_03"));

    // Hiding all the slot counters leaves the hint counter.
    gi->menus[0].alpha = 1.0f;
    gi->counterVisible(GI::kHintCounter, 1);
    gi->countersProcess(0.01f);
    gi->counterHideAll();
    gi->countersProcess(0.01f);
    EXPECT_FALSE(shown("Counter_03"));
    EXPECT_TRUE(shown("Counter_help"));
}
} // namespace
