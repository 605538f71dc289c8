// The water fade: the new surface's colour set to nothing when the room is
// made, rising on both texture units over about two and a half seconds
// after 100, and the old surface hidden at the end; other codes change
// nothing.
#include "06_water_switcher.h"
#include "RoomSceneFixture.h"

namespace
{
class WaterSwitcher : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        material("06_voda", 1, 2);
        for (int u = 0; u < 2; ++u)
            unit("06_voda", 0, u)->setColourOperationEx(Ogre::LBX_MODULATE, Ogre::LBS_TEXTURE, Ogre::LBS_MANUAL,
                                                         Ogre::ColourValue::Black, Ogre::ColourValue::White);
        oldWater = prop("06_04_voda");
        switcher = scene("06_water_switcher");
    }

    /// The manual colour's red on the unit, with the operation's check.
    static float level(int u)
    {
        const Ogre::LayerBlendModeEx& mode = unit("06_voda", 0, u)->getColourBlendMode();
        EXPECT_EQ(mode.operation, Ogre::LBX_SUBTRACT);
        EXPECT_EQ(mode.colourArg2.r, mode.colourArg2.b);
        return mode.colourArg2.r;
    }

    CObject* oldWater = nullptr;
    CObject* switcher = nullptr;
};

TEST_F(WaterSwitcher, TheNewWaterFadesAndTheOldIsHiddenAtTheEnd)
{
    EXPECT_FLOAT_EQ(level(0), 0.0f);
    EXPECT_FLOAT_EQ(level(1), 0.0f);

    for (int code : {50, 101, 200})
        engine->notify(switcher, code);
    engine->frames(3, 0.5f);
    EXPECT_FLOAT_EQ(level(0), 0.0f);

    engine->notify(switcher, 100);
    engine->frame(0.001f);
    engine->frame(1.0f);
    EXPECT_NEAR(level(0), 0.4f, 0.001f);
    EXPECT_NEAR(level(1), 0.4f, 0.001f);
    engine->frame(1.0f);
    EXPECT_NEAR(level(1), 0.8f, 0.001f);
    EXPECT_TRUE(shown(oldWater));

    engine->frame(1.0f);
    EXPECT_NEAR(level(0), 1.2f, 0.001f);
    EXPECT_FALSE(shown(oldWater));
    // The fade is over: its level stays.
    engine->frames(2, 1.0f);
    EXPECT_NEAR(level(0), 1.2f, 0.001f);
}
} // namespace
