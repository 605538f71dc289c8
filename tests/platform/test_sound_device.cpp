// The sound device on OpenAL Soft's loopback device: what plays is rendered
// on demand into a mono buffer and measured.
#include "SoundTestHelpers.h"
#include "TestSupport.h"

#include "platform/SoundDevice.h"

#include <gtest/gtest.h>

using namespace SoundDevice;
using sndtest::peak;
using sndtest::render;
using sndtest::toneLevel;

namespace
{
const double kAmplitude = 0.5;
// Vorbis is lossy; a pure tone comes back within a few percent.
const double kTolerance = 0.03;

class SoundDeviceTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(initLoopback(sndtest::kRate, 1)); }
    void TearDown() override { SoundDevice::shutdown(); }

    std::string tone(const std::string& name, double seconds, double frequency, int rate = 44100,
                     int channels = 1)
    {
        const std::string path = dir.file(name);
        EXPECT_TRUE(sndtest::makeTone(path, rate, channels, seconds, frequency, kAmplitude));
        return path;
    }

    Handle loadSample(const std::string& path, int maxPlaybacks = 1)
    {
        const std::string bytes = tq::readFile(path);
        return sampleLoad(bytes.data(), bytes.size(), maxPlaybacks);
    }

    tq::TempDir dir;
};

TEST_F(SoundDeviceTest, SampleDecodesIntoSixteenBitPcmWithItsFormat)
{
    struct Case
    {
        int rate, channels;
        double seconds;
    };
    for (const Case& c : {Case{44100, 1, 0.5}, Case{22050, 2, 1.0}})
    {
        SCOPED_TRACE(c.channels);
        const Handle sample = loadSample(tone("t.ogg", c.seconds, 500, c.rate, c.channels));
        ASSERT_NE(sample, 0u);
        SampleInfo info;
        ASSERT_TRUE(sampleGetInfo(sample, info));
        EXPECT_EQ(info.frequency, c.rate);
        EXPECT_EQ(info.channels, c.channels);
        EXPECT_EQ(info.bitsPerSample, 16);
        EXPECT_FALSE(info.isFloat);
        const uint32_t expected = static_cast<uint32_t>(c.seconds * c.rate) * c.channels * 2;
        EXPECT_EQ(info.lengthBytes, expected);
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(sampleGetData(sample, bytes));
        EXPECT_EQ(bytes.size(), expected);
        EXPECT_TRUE(sampleFree(sample));
        EXPECT_FALSE(sampleGetInfo(sample, info));
        EXPECT_EQ(lastError(), ERROR_HANDLE);
    }
}

TEST_F(SoundDeviceTest, DamagedOrMissingFilesAreRefusedWithAReason)
{
    const std::string good = tq::readFile(tone("t.ogg", 0.5, 500));
    const std::string garbage(4000, 'x');
    const std::string truncated = good.substr(0, 120); // inside the headers
    for (const std::string* data : {&garbage, &truncated})
    {
        EXPECT_EQ(sampleLoad(data->data(), data->size(), 1), 0u);
        EXPECT_EQ(lastError(), ERROR_FORMAT);
    }
    EXPECT_EQ(sampleLoad(nullptr, 0, 1), 0u);
    EXPECT_EQ(lastError(), ERROR_FORMAT);

    EXPECT_EQ(streamCreateFile(dir.file("missing.ogg")), 0u);
    EXPECT_EQ(lastError(), ERROR_FILE_OPEN);
    ASSERT_TRUE(tq::writeFile(dir.file("bad.ogg"), garbage));
    EXPECT_EQ(streamCreateFile(dir.file("bad.ogg")), 0u);
    EXPECT_EQ(lastError(), ERROR_FORMAT);

    EXPECT_FALSE(channelPlay(12345));
    EXPECT_EQ(lastError(), ERROR_HANDLE);
}

TEST_F(SoundDeviceTest, ChannelSoundsAtItsVolume)
{
    const Handle sample = loadSample(tone("t.ogg", 1.0, 500));
    const Handle channel = sampleGetChannel(sample);
    ASSERT_NE(channel, 0u);
    for (float volume : {1.0f, 0.4f, 0.0f})
    {
        SCOPED_TRACE(volume);
        ASSERT_TRUE(channelSetVolume(channel, volume));
        ASSERT_TRUE(channelPlay(channel));
        const std::vector<double> block = render(0.2);
        EXPECT_NEAR(toneLevel(block, 500), kAmplitude * volume, kTolerance);
        EXPECT_EQ(channelIsActive(channel), CHANNEL_PLAYING);
    }
}

TEST_F(SoundDeviceTest, OneShotEndsLoopRepeatsStopSilences)
{
    const Handle sample = loadSample(tone("t.ogg", 0.2, 500));
    const Handle channel = sampleGetChannel(sample);
    ASSERT_TRUE(channelPlay(channel));
    std::vector<double> block = render(0.3);
    EXPECT_EQ(channelIsActive(channel), CHANNEL_STOPPED);
    EXPECT_LT(peak(block, 0.05), 0.001);

    ASSERT_TRUE(channelSetLoop(channel, true));
    ASSERT_TRUE(channelPlay(channel));
    block = render(1.0);
    EXPECT_EQ(channelIsActive(channel), CHANNEL_PLAYING);
    EXPECT_NEAR(toneLevel(block, 500), kAmplitude, kTolerance);

    ASSERT_TRUE(channelStop(channel));
    EXPECT_EQ(channelIsActive(channel), CHANNEL_STOPPED);
    block = render(0.1);
    EXPECT_LT(peak(block, 0.05), 0.001);
}

TEST_F(SoundDeviceTest, PauseHoldsEverythingAndStartGoesOn)
{
    const Handle sample = loadSample(tone("t.ogg", 1.0, 500));
    const Handle channel = sampleGetChannel(sample);
    const Handle stream = streamCreateFile(tone("s.ogg", 3.0, 1500));
    // Three tones together: each at 0.3 keeps their sum below full scale.
    channelSetVolume(channel, 0.3f);
    channelSetVolume(stream, 0.3f);
    ASSERT_TRUE(channelPlay(channel));
    ASSERT_TRUE(channelPlay(stream));
    render(0.1);

    ASSERT_TRUE(SoundDevice::pause());
    EXPECT_EQ(channelIsActive(channel), CHANNEL_PAUSED);
    EXPECT_EQ(channelIsActive(stream), CHANNEL_PAUSED);
    EXPECT_LT(peak(render(0.5), 0.45), 0.001);

    // Started while paused: held too, and heard only after the start.
    const Handle late = loadSample(tone("late.ogg", 1.0, 1000));
    const Handle lateChannel = sampleGetChannel(late);
    channelSetVolume(lateChannel, 0.3f);
    ASSERT_TRUE(channelPlay(lateChannel));
    EXPECT_EQ(channelIsActive(lateChannel), CHANNEL_PAUSED);
    EXPECT_LT(peak(render(0.1), 0.1), 0.001);

    ASSERT_TRUE(SoundDevice::start());
    const std::vector<double> block = render(0.2);
    EXPECT_EQ(channelIsActive(channel), CHANNEL_PLAYING);
    EXPECT_EQ(channelIsActive(stream), CHANNEL_PLAYING);
    EXPECT_NEAR(toneLevel(block, 500), kAmplitude * 0.3, kTolerance);
    EXPECT_NEAR(toneLevel(block, 1500), kAmplitude * 0.3, kTolerance);
    EXPECT_NEAR(toneLevel(block, 1000), kAmplitude * 0.3, kTolerance);
}

TEST_F(SoundDeviceTest, TwoStreamsPlayAtOnceUntilTheirEnds)
{
    // Longer than what a stream keeps queued: both must be refilled.
    const Handle a = streamCreateFile(tone("a.ogg", 2.5, 500, 22050));
    const Handle b = streamCreateFile(tone("b.ogg", 3.0, 1500));
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    channelSetVolume(a, 0.5f);
    channelSetVolume(b, 0.25f);
    ASSERT_TRUE(channelPlay(a));
    ASSERT_TRUE(channelPlay(b));
    const std::vector<double> block = render(2.3);
    EXPECT_EQ(channelIsActive(a), CHANNEL_PLAYING);
    EXPECT_EQ(channelIsActive(b), CHANNEL_PLAYING);
    EXPECT_NEAR(toneLevel(block, 500), kAmplitude * 0.5, kTolerance);
    EXPECT_NEAR(toneLevel(block, 1500), kAmplitude * 0.25, kTolerance);

    render(0.5); // a ends
    EXPECT_EQ(channelIsActive(a), CHANNEL_STOPPED);
    EXPECT_EQ(channelIsActive(b), CHANNEL_PLAYING);
    render(0.5);
    EXPECT_EQ(channelIsActive(b), CHANNEL_STOPPED);
    EXPECT_TRUE(streamFree(a));
    EXPECT_TRUE(streamFree(b));
    EXPECT_EQ(channelIsActive(a), CHANNEL_STOPPED);
}

TEST_F(SoundDeviceTest, StreamLoopsAndRestartsFromItsStart)
{
    const Handle stream = streamCreateFile(tone("s.ogg", 0.3, 500));
    ASSERT_TRUE(channelSetLoop(stream, true));
    ASSERT_TRUE(channelPlay(stream));
    std::vector<double> block = render(2.0);
    EXPECT_EQ(channelIsActive(stream), CHANNEL_PLAYING);
    EXPECT_NEAR(toneLevel(block, 500), kAmplitude, kTolerance);

    // Without the flag the next playback is heard once.
    ASSERT_TRUE(channelSetLoop(stream, false));
    ASSERT_TRUE(channelPlay(stream));
    block = render(0.5);
    EXPECT_EQ(channelIsActive(stream), CHANNEL_STOPPED);
    EXPECT_LT(peak(block, 0.1), 0.001);
    EXPECT_TRUE(channelStop(stream));
}

TEST_F(SoundDeviceTest, ASampleOfOnePlaybackGivesItsVoiceToTheNewestChannel)
{
    const Handle sample = loadSample(tone("t.ogg", 1.0, 500), 1);
    const Handle first = sampleGetChannel(sample);
    ASSERT_TRUE(channelPlay(first));
    render(0.05);
    const Handle second = sampleGetChannel(sample);
    ASSERT_NE(second, 0u);
    ASSERT_NE(second, first);
    EXPECT_FALSE(channelPlay(first));
    EXPECT_EQ(lastError(), ERROR_HANDLE);
    ASSERT_TRUE(channelPlay(second));
    // One voice: the level of one tone, not of two summed.
    EXPECT_NEAR(toneLevel(render(0.2), 500), kAmplitude, kTolerance);

    ASSERT_TRUE(sampleStop(sample));
    EXPECT_EQ(channelIsActive(second), CHANNEL_STOPPED);
    ASSERT_TRUE(sampleFree(sample));
    EXPECT_FALSE(channelPlay(second));
}

TEST(SoundDeviceLifecycle, CallsWithoutADeviceFailAndASecondOpenIsRefused)
{
    EXPECT_FALSE(isInitialised());
    EXPECT_EQ(sampleGetChannel(1), 0u);
    EXPECT_EQ(lastError(), ERROR_NOT_INITIALISED);
    EXPECT_FALSE(SoundDevice::pause());
    std::vector<int16_t> out(16);
    EXPECT_FALSE(renderLoopback(out.data(), 8));

    ASSERT_TRUE(initLoopback(44100, 2));
    EXPECT_FALSE(initLoopback(44100, 2));
    EXPECT_EQ(lastError(), ERROR_ALREADY);
    EXPECT_FALSE(init(44100));
    EXPECT_TRUE(renderLoopback(out.data(), 8)); // stereo: 8 frames fill 16 values
    SoundDevice::shutdown();
    SoundDevice::shutdown();
    EXPECT_FALSE(isInitialised());
    EXPECT_FALSE(initLoopback(44100, 3));
}
} // namespace
