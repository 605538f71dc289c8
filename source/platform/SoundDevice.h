// The sound device: what the sound system needs of an audio library and
// nothing more.  Samples are Ogg Vorbis files decoded into memory, streams
// are Ogg Vorbis files decoded while they play, channels play them.  One
// device at a time.
//
// Every function is called from the game thread; the layer refills playing
// streams on a thread of its own, so music goes on while a scene loads and
// draws only one frame a second.  Failures return false or 0 and leave the
// reason in lastError().
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace SoundDevice
{
/// A sample, a stream or a channel; 0 is none.  A stream is its own channel.
typedef uint32_t Handle;

/// Why the last call failed.
enum ErrorCode
{
    ERROR_NONE = 0,
    ERROR_NOT_INITIALISED, ///< no device is open
    ERROR_ALREADY,         ///< a device is open already
    ERROR_DRIVER,          ///< the output device or its mixer could not be opened
    ERROR_HANDLE,          ///< not a live handle of the right kind
    ERROR_FILE_OPEN,       ///< the file could not be opened
    ERROR_FORMAT,          ///< not Ogg Vorbis, damaged, empty, or more than two channels
    ERROR_MEMORY,          ///< the mixer refused a buffer or a voice
};

/// What channelIsActive() reports.
enum ChannelState
{
    CHANNEL_STOPPED = 0, ///< never played, stopped, or played to its end
    CHANNEL_PLAYING = 1,
    CHANNEL_PAUSED = 2, ///< held by the global pause
};

/// The decoded form of a sample.
struct SampleInfo
{
    int frequency = 0;     ///< frames per second
    int channels = 0;      ///< 1 or 2
    int bitsPerSample = 0; ///< always 16: samples are signed 16-bit integers
    bool isFloat = false;  ///< always false
    uint32_t lengthBytes = 0;
};

// ---------------------------------------------------------------- device
/// Opens the default output device at the frequency.  False when there is
/// no device (then sound stays off).
bool init(int frequency);
/// Opens a device that renders only when renderLoopback() asks, exactly and
/// as fast as the processor allows, with 1 or 2 interleaved output channels.
/// For tests and tools.
bool initLoopback(int frequency, int outputChannels);
/// Mixes the next frames of a loopback device into out (frames times the
/// output channels, signed 16-bit).  False on any other device.
bool renderLoopback(int16_t* out, size_t frames);
/// Stops the refill thread, frees every sample, stream and channel and
/// closes the device.  Safe to call when nothing is open.
void shutdown();
bool isInitialised();
ErrorCode lastError();

/// Pauses all output; channels keep their place and report CHANNEL_PAUSED.
bool pause();
/// Resumes what pause() held.
bool start();

// ---------------------------------------------------------------- samples
/// Decodes an Ogg Vorbis file held in memory.  At most maxPlaybacks channels
/// play it at once; asking for one more takes over the oldest.
Handle sampleLoad(const void* data, size_t length, int maxPlaybacks);
bool sampleGetInfo(Handle sample, SampleInfo& info);
/// A copy of the decoded sample bytes (interleaved signed 16-bit, native order).
bool sampleGetData(Handle sample, std::vector<uint8_t>& bytes);
/// A channel to play the sample on.
Handle sampleGetChannel(Handle sample);
/// Stops every channel of the sample.
bool sampleStop(Handle sample);
/// Stops the sample and frees it with all its channels.
bool sampleFree(Handle sample);

// ---------------------------------------------------------------- streams
/// Opens an Ogg Vorbis file to be decoded while it plays.
Handle streamCreateFile(const std::string& path);
bool streamFree(Handle stream);

// ---------------------------------------------------------------- channels
/// Plays from the start (a sample channel or a stream).
bool channelPlay(Handle channel);
bool channelStop(Handle channel);
/// Whether the channel starts again from the beginning when it ends.
bool channelSetLoop(Handle channel, bool loop);
/// Linear volume, 0 (silent) to 1 (as recorded); values outside are clamped.
bool channelSetVolume(Handle channel, float volume);
ChannelState channelIsActive(Handle channel);
} // namespace SoundDevice
