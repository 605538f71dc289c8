// The sparking cable: the rhythm of waits and flashes (fixed and random),
// the crackle from the right camera only, a condition that keeps the flash
// dark but the rhythm, and the stop variable before and during the visit.
#include "05_iskri.h"
#include "RoomSceneFixture.h"

#include <vector>

namespace
{
using tq::Told;
typedef std::vector<std::pair<std::string, std::string>> Params;

class Iskri05 : public tq::RoomSceneFixture
{
protected:
    void SetUp() override
    {
        RoomSceneFixture::SetUp();
        spies({"00_movies"});
        particles("spark")->getEmitter(0)->setEnabled(false);
    }

    CObject* spark(const Params& params, const std::string& name = "05_03_iskri_7")
    {
        CObject* object = engine->addObject(name, "05_iskri.sc");
        object->mParams["particle_name"] = "spark";
        for (const auto& p : params)
            object->mParams[p.first] = p.second;
        engine->frame(0.001f);
        return object;
    }

    /// Runs frames of 100 ms and gives the times (ms from now, at the
    /// frame's end) at which the emission switched on and off.
    std::vector<std::pair<int, int>> flashes(int frames, const std::string& system = "spark")
    {
        std::vector<std::pair<int, int>> result;
        bool was = emitting(system);
        for (int i = 1; i <= frames; ++i)
        {
            engine->frame(0.1f);
            const bool is = emitting(system);
            if (is && !was)
                result.emplace_back(i * 100, -1);
            else if (!is && was && !result.empty())
                result.back().second = i * 100;
            was = is;
        }
        return result;
    }
};

TEST_F(Iskri05, WithoutRandomEveryWaitIsTheIntervalAndEveryFlashItsLength)
{
    spark({{"interval", "3"}, {"flash_interval", "250"}, {"no_random", "1"}});
    // Down to 0 is not yet over: the wait ends on the tick that passes it.
    const std::vector<std::pair<int, int>> expected = {{3100, 3400}, {6500, 6800}};
    EXPECT_EQ(flashes(70), expected);
}

TEST_F(Iskri05, TheDefaultsFlashForATenthEveryTwoToThirtyTwoSeconds)
{
    CVirtualScript::randomSeed(5);
    engine->clearLog();
    spark({});
    EXPECT_NE(engine->log().find("\nIskri id 7"), std::string::npos);
    const std::vector<std::pair<int, int>> got = flashes(2000);
    ASSERT_GE(got.size(), 4u);
    int end = 0;
    bool varied = false;
    for (const auto& f : got)
    {
        const int wait = f.first - end;
        EXPECT_GT(wait, 2000);
        EXPECT_LE(wait, 32100);
        EXPECT_EQ(f.second - f.first, 200); // 100 ms, passed on the tick after
        varied = varied || wait != got[0].first;
        end = f.second;
    }
    EXPECT_TRUE(varied);
}

TEST_F(Iskri05, TheCrackleIsHeardOnlyFromTheGivenCameraOfTheGivenRoom)
{
    spark({{"interval", "1"}, {"no_random", "1"}, {"cur_cam", "2"}, {"cur_room", "3"}});
    struct Case
    {
        int varCam;
        int varRoom;
        size_t heard;
    };
    const Case cases[] = {{2, 3, 1}, {1, 3, 0}, {2, 4, 0}, {2, 3, 1}};
    for (const Case& c : cases)
    {
        CVirtualScript::setVarI("cur_cam", c.varCam);
        CVirtualScript::setVarI("cur_room", c.varRoom);
        // 1.3 s hold one whole flash: 1.1 s of wait and 0.2 s of flash.
        EXPECT_EQ(flashes(13).size(), 1u);
        EXPECT_EQ(told("00_movies").size(), c.heard) << c.varCam << " " << c.varRoom;
    }

    // Camera 0 is never heard, not even while "cur_cam" reads 0.
    CVirtualScript::setVarI("05_03_az_razriv_07@used", 1);
    CVirtualScript::setVarI("cur_cam", 0);
    CVirtualScript::setVarI("cur_room", 0);
    particles("spark8")->getEmitter(0)->setEnabled(false);
    spark({{"interval", "1"}, {"no_random", "1"}, {"particle_name", "spark8"}}, "05_03_iskri_8");
    EXPECT_EQ(flashes(13, "spark8").size(), 1u);
    EXPECT_EQ(told("00_movies"), Told());
}

TEST_F(Iskri05, AConditionThatDoesNotHoldKeepsTheFlashDarkButTheRhythm)
{
    CVirtualScript::setVarI("cur_cam", 2);
    CVirtualScript::setVarI("cur_room", 3);
    spark({{"interval", "1"}, {"no_random", "1"}, {"cond_param", "lamp@on"}, {"cond_value", "1"}, {"cur_cam", "2"},
           {"cur_room", "3"}});
    EXPECT_TRUE(flashes(12).empty());
    EXPECT_EQ(told("00_movies"), Told());
    // The dark flash ran its length: the next one comes on the same rhythm,
    // 1.1 s of wait, 0.2 s of flash and 1.1 s of wait from the start (here
    // 1.2 s on).
    CVirtualScript::setVarI("lamp@on", 1);
    const std::vector<std::pair<int, int>> expected = {{1200, 1400}};
    EXPECT_EQ(flashes(14), expected);
    EXPECT_EQ(told("00_movies"), Told({"5026"}));
}

TEST_F(Iskri05, AMendedBreakStaysDarkAndMendingEndsTheRunningFlash)
{
    CVirtualScript::setVarI("05_03_az_razriv_07@used", 1);
    CObject* mended = spark({{"interval", "1"}, {"no_random", "1"}});
    EXPECT_EQ(mended->mTimers.live, 0);
    EXPECT_TRUE(flashes(30).empty());

    // Another break, named by "param", mended while its spark flashes.
    CObject* other = spark({{"interval", "1"}, {"no_random", "1"}, {"param", "cable@used"}}, "05_03_iskri_8");
    for (int i = 0; i < 11; ++i)
        engine->frame(0.1f);
    ASSERT_TRUE(emitting("spark"));
    CVirtualScript::setVarI("cable@used", 1);
    engine->frames(3, 0.1f);
    EXPECT_FALSE(emitting("spark"));
    EXPECT_TRUE(flashes(40).empty());
    EXPECT_EQ(other->mTimers.live, 1);
}
} // namespace
