// The sound device on OpenAL Soft and libvorbisfile.
//
// Every sound is played non-spatially (relative to the listener, at its
// position, no distance attenuation): the game sets loudness itself.  One
// mutex guards all state, because the refill thread decodes streams while
// the game thread plays and stops them.
#include "platform/SoundDevice.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace SoundDevice
{
namespace
{
// Four buffers of a quarter second each keep about one second queued per
// stream: far more than the refill thread's period, so a busy frame or a
// loading scene never starves a stream.
const int kStreamBuffers = 4;
const int kStreamBufferDivisor = 4;
const auto kRefillPeriod = std::chrono::milliseconds(10);
// Loopback rendering refills streams between chunks of this many frames.
const size_t kRenderChunk = 1024;

struct SampleChannel
{
    ALuint source = 0;
    Handle sample = 0;
    bool held = false; ///< playing when the global pause began, or started during it
};

struct Sample
{
    ALuint buffer = 0;
    SampleInfo info;
    std::vector<int16_t> pcm;
    int maxPlaybacks = 1;
    std::vector<Handle> channels; ///< oldest first
};

struct Stream
{
    OggVorbis_File file;
    bool fileOpen = false;
    ALuint source = 0;
    ALuint buffers[kStreamBuffers] = {};
    ALenum format = AL_FORMAT_MONO16;
    int frequency = 0;
    int channels = 0;
    bool loop = false;
    bool active = false; ///< played and neither stopped nor finished
    bool eof = false;    ///< everything up to the end is queued
    bool held = false;
    std::vector<int16_t> scratch;
};

struct Device
{
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    LPALCRENDERSAMPLESSOFT render = nullptr;
    int outputChannels = 2;
    bool directChannels = false;

    std::mutex mutex;
    std::condition_variable wake;
    std::thread refiller;
    bool quit = false;
    bool paused = false;

    Handle nextHandle = 1;
    std::map<Handle, std::unique_ptr<Sample>> samples;
    std::map<Handle, std::unique_ptr<Stream>> streams;
    std::map<Handle, SampleChannel> channels;
};

// Heap-held and reached only through functions, so that nothing depends on
// the order in which static objects die at exit.
Device* gDevice = nullptr;
ErrorCode gError = ERROR_NONE;

bool fail(ErrorCode code)
{
    gError = code;
    return false;
}

Handle newHandle(Device& d)
{
    Handle h = d.nextHandle++;
    if (d.nextHandle == 0 || d.nextHandle > 0x7fffffffu) // handles fit in an int
        d.nextHandle = 1;
    return h;
}

// ---------------------------------------------------------------- Ogg Vorbis in memory
struct MemoryFile
{
    const uint8_t* data;
    size_t size;
    size_t pos;
};

size_t memoryRead(void* out, size_t size, size_t count, void* source)
{
    MemoryFile* f = static_cast<MemoryFile*>(source);
    if (size == 0)
        return 0;
    size_t items = std::min(count, (f->size - f->pos) / size);
    std::memcpy(out, f->data + f->pos, items * size);
    f->pos += items * size;
    return items;
}

int memorySeek(void* source, ogg_int64_t offset, int whence)
{
    MemoryFile* f = static_cast<MemoryFile*>(source);
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR)
        base = static_cast<ogg_int64_t>(f->pos);
    else if (whence == SEEK_END)
        base = static_cast<ogg_int64_t>(f->size);
    const ogg_int64_t target = base + offset;
    if (target < 0 || target > static_cast<ogg_int64_t>(f->size))
        return -1;
    f->pos = static_cast<size_t>(target);
    return 0;
}

long memoryTell(void* source)
{
    return static_cast<long>(static_cast<MemoryFile*>(source)->pos);
}

// Reads up to maxFrames frames; stops early at the end of the data, at a
// change of channel count or rate between chained links, or at damage that
// the decoder cannot skip.  Returns frames read, -1 on such an error.
long readFrames(OggVorbis_File& vf, int channels, int frequency, int16_t* out, long maxFrames)
{
    long frames = 0;
    while (frames < maxFrames)
    {
        int section = 0;
        const long bytes = ov_read(&vf, reinterpret_cast<char*>(out + frames * channels),
                                   static_cast<int>((maxFrames - frames) * channels * 2), 0, 2, 1,
                                   &section);
        if (bytes == 0)
            break;
        if (bytes == OV_HOLE)
            continue; // a gap in the data: the decoder resynchronises
        if (bytes < 0)
            return -1;
        vorbis_info* info = ov_info(&vf, section);
        if (!info || info->channels != channels || info->rate != frequency)
            return -1;
        frames += bytes / (2 * channels);
    }
    return frames;
}

ALenum formatFor(int channels)
{
    return channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
}

bool makeSource(Device& d, ALuint& source)
{
    alGetError();
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR)
        return false;
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
    if (d.directChannels)
        alSourcei(source, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
    return true;
}

ALint sourceState(ALuint source)
{
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
}

// ---------------------------------------------------------------- streams
// Decodes the next buffer's worth; wraps to the start when looping.
// Returns false when nothing was decoded (the end, or damage).
bool fillBuffer(Stream& s, ALuint buffer)
{
    const long want = s.frequency / kStreamBufferDivisor;
    s.scratch.resize(static_cast<size_t>(want * s.channels));
    long have = 0;
    bool wrappedEmpty = false;
    while (have < want && !s.eof)
    {
        const long got = readFrames(s.file, s.channels, s.frequency,
                                    s.scratch.data() + have * s.channels, want - have);
        if (got > 0)
        {
            have += got;
            wrappedEmpty = false;
            continue;
        }
        // The end, or damage: a loop starts again unless the start itself
        // gives nothing (then looping would spin for ever).
        if (got == 0 && s.loop && !wrappedEmpty && ov_pcm_seek(&s.file, 0) == 0)
        {
            wrappedEmpty = true;
            continue;
        }
        s.eof = true;
    }
    if (have == 0)
        return false;
    alBufferData(buffer, s.format, s.scratch.data(), static_cast<ALsizei>(have * s.channels * 2),
                 s.frequency);
    return true;
}

void refillStream(Stream& s)
{
    if (!s.active || s.held)
        return;
    ALint processed = 0;
    alGetSourcei(s.source, AL_BUFFERS_PROCESSED, &processed);
    while (processed-- > 0)
    {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(s.source, 1, &buffer);
        if (!s.eof && fillBuffer(s, buffer))
            alSourceQueueBuffers(s.source, 1, &buffer);
    }
    ALint queued = 0;
    alGetSourcei(s.source, AL_BUFFERS_QUEUED, &queued);
    const ALint state = sourceState(s.source);
    if (state == AL_STOPPED || state == AL_INITIAL)
    {
        if (queued > 0)
            alSourcePlay(s.source); // it ran dry before the refill came: go on
        else
            s.active = false; // played to its end
    }
}

void refillAll(Device& d)
{
    for (auto& entry : d.streams)
        refillStream(*entry.second);
}

void refillLoop(Device* d)
{
    std::unique_lock<std::mutex> lock(d->mutex);
    while (!d->quit)
    {
        d->wake.wait_for(lock, kRefillPeriod, [d] { return d->quit; });
        if (!d->quit)
            refillAll(*d);
    }
}

void resetStreamSource(Stream& s)
{
    alSourceStop(s.source);
    alSourcei(s.source, AL_BUFFER, 0); // unqueues every buffer
}

void freeStream(Stream& s)
{
    resetStreamSource(s);
    alDeleteSources(1, &s.source);
    alDeleteBuffers(kStreamBuffers, s.buffers);
    if (s.fileOpen)
        ov_clear(&s.file);
    s.fileOpen = false;
}

void freeSample(Device& d, Sample& sample)
{
    for (Handle h : sample.channels)
    {
        auto it = d.channels.find(h);
        if (it == d.channels.end())
            continue;
        alSourceStop(it->second.source);
        alSourcei(it->second.source, AL_BUFFER, 0);
        alDeleteSources(1, &it->second.source);
        d.channels.erase(it);
    }
    sample.channels.clear();
    alDeleteBuffers(1, &sample.buffer);
}

bool openDevice(ALCdevice* device, const ALCint* attributes, bool loopback, int outputChannels)
{
    if (!device)
        return fail(ERROR_DRIVER);
    ALCcontext* context = alcCreateContext(device, attributes);
    if (!context || !alcMakeContextCurrent(context))
    {
        if (context)
            alcDestroyContext(context);
        alcCloseDevice(device);
        return fail(ERROR_DRIVER);
    }
    Device* d = new Device();
    d->device = device;
    d->context = context;
    d->outputChannels = outputChannels;
    if (loopback)
        d->render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
            alcGetProcAddress(device, "alcRenderSamplesSOFT"));
    d->directChannels = alIsExtensionPresent("AL_SOFT_direct_channels") == AL_TRUE;
    gDevice = d;
    d->refiller = std::thread(refillLoop, d);

    // A device left open at exit would be torn down by the library while our
    // thread still uses it; closing it first is always safe.
    static bool atExitRegistered = false;
    if (!atExitRegistered)
    {
        std::atexit(shutdown);
        atExitRegistered = true;
    }
    gError = ERROR_NONE;
    return true;
}

// More voices than the 255 sound slots can ask for, besides the streams.
const ALCint kMonoSources = 256;
const ALCint kStereoSources = 64;
} // namespace

// ---------------------------------------------------------------- device
bool init(int frequency)
{
    if (gDevice)
        return fail(ERROR_ALREADY);
    const ALCint attributes[] = {ALC_FREQUENCY,      frequency,      ALC_MONO_SOURCES, kMonoSources,
                                 ALC_STEREO_SOURCES, kStereoSources, 0};
    return openDevice(alcOpenDevice(nullptr), attributes, false, 2);
}

bool initLoopback(int frequency, int outputChannels)
{
    if (gDevice)
        return fail(ERROR_ALREADY);
    if (outputChannels != 1 && outputChannels != 2)
        return fail(ERROR_FORMAT);
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback"))
        return fail(ERROR_DRIVER);
    auto openLoopback = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    if (!openLoopback)
        return fail(ERROR_DRIVER);
    const ALCint attributes[] = {ALC_FREQUENCY,
                                 frequency,
                                 ALC_FORMAT_CHANNELS_SOFT,
                                 outputChannels == 1 ? ALC_MONO_SOFT : ALC_STEREO_SOFT,
                                 ALC_FORMAT_TYPE_SOFT,
                                 ALC_SHORT_SOFT,
                                 ALC_MONO_SOURCES,
                                 kMonoSources,
                                 ALC_STEREO_SOURCES,
                                 kStereoSources,
                                 0};
    return openDevice(openLoopback(nullptr), attributes, true, outputChannels);
}

bool renderLoopback(int16_t* out, size_t frames)
{
    if (!gDevice)
        return fail(ERROR_NOT_INITIALISED);
    Device& d = *gDevice;
    if (!d.render)
        return fail(ERROR_DRIVER);
    std::lock_guard<std::mutex> lock(d.mutex);
    while (frames > 0)
    {
        const size_t n = std::min(frames, kRenderChunk);
        refillAll(d);
        d.render(d.device, out, static_cast<ALCsizei>(n));
        out += n * static_cast<size_t>(d.outputChannels);
        frames -= n;
    }
    return true;
}

void shutdown()
{
    Device* d = gDevice;
    if (!d)
        return;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->quit = true;
    }
    d->wake.notify_all();
    d->refiller.join();
    for (auto& entry : d->streams)
        freeStream(*entry.second);
    for (auto& entry : d->samples)
        freeSample(*d, *entry.second);
    d->streams.clear();
    d->samples.clear();
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(d->context);
    alcCloseDevice(d->device);
    gDevice = nullptr;
    delete d;
}

bool isInitialised()
{
    return gDevice != nullptr;
}

ErrorCode lastError()
{
    return gError;
}

bool pause()
{
    if (!gDevice)
        return fail(ERROR_NOT_INITIALISED);
    Device& d = *gDevice;
    std::lock_guard<std::mutex> lock(d.mutex);
    if (!d.paused)
    {
        d.paused = true;
        for (auto& entry : d.channels)
            if (sourceState(entry.second.source) == AL_PLAYING)
            {
                alSourcePause(entry.second.source);
                entry.second.held = true;
            }
        for (auto& entry : d.streams)
        {
            Stream& s = *entry.second;
            if (s.active && !s.held)
            {
                alSourcePause(s.source);
                s.held = true;
            }
        }
    }
    gError = ERROR_NONE;
    return true;
}

bool start()
{
    if (!gDevice)
        return fail(ERROR_NOT_INITIALISED);
    Device& d = *gDevice;
    std::lock_guard<std::mutex> lock(d.mutex);
    if (d.paused)
    {
        d.paused = false;
        for (auto& entry : d.channels)
            if (entry.second.held)
            {
                alSourcePlay(entry.second.source);
                entry.second.held = false;
            }
        for (auto& entry : d.streams)
            if (entry.second->held)
            {
                entry.second->held = false;
                refillStream(*entry.second);
                alSourcePlay(entry.second->source);
            }
    }
    gError = ERROR_NONE;
    return true;
}

// ---------------------------------------------------------------- samples
Handle sampleLoad(const void* data, size_t length, int maxPlaybacks)
{
    if (!gDevice)
        return fail(ERROR_NOT_INITIALISED), 0;
    if (!data || length == 0)
        return fail(ERROR_FORMAT), 0;
    // Decoding needs no lock: nothing shared is touched until the end.
    MemoryFile memory = {static_cast<const uint8_t*>(data), length, 0};
    ov_callbacks callbacks = {memoryRead, memorySeek, nullptr, memoryTell};
    OggVorbis_File vf;
    if (ov_open_callbacks(&memory, &vf, nullptr, 0, callbacks) != 0)
        return fail(ERROR_FORMAT), 0;
    std::unique_ptr<Sample> sample(new Sample());
    vorbis_info* info = ov_info(&vf, -1);
    const int channels = info ? info->channels : 0;
    const int frequency = info ? static_cast<int>(info->rate) : 0;
    bool ok = (channels == 1 || channels == 2) && frequency > 0;
    if (ok)
    {
        const long chunk = 4096;
        long frames = 0;
        for (;;)
        {
            sample->pcm.resize(static_cast<size_t>((frames + chunk) * channels));
            const long got =
                readFrames(vf, channels, frequency, sample->pcm.data() + frames * channels, chunk);
            if (got < 0)
            {
                ok = false;
                break;
            }
            frames += got;
            if (got < chunk)
                break;
        }
        sample->pcm.resize(static_cast<size_t>(frames * channels));
        ok = ok && frames > 0;
    }
    ov_clear(&vf);
    if (!ok)
        return fail(ERROR_FORMAT), 0;

    sample->info.frequency = frequency;
    sample->info.channels = channels;
    sample->info.bitsPerSample = 16;
    sample->info.isFloat = false;
    sample->info.lengthBytes = static_cast<uint32_t>(sample->pcm.size() * 2);
    sample->maxPlaybacks = std::max(1, maxPlaybacks);

    Device& d = *gDevice;
    std::lock_guard<std::mutex> lock(d.mutex);
    alGetError();
    alGenBuffers(1, &sample->buffer);
    if (alGetError() != AL_NO_ERROR)
        return fail(ERROR_MEMORY), 0;
    alBufferData(sample->buffer, formatFor(channels), sample->pcm.data(),
                 static_cast<ALsizei>(sample->info.lengthBytes), frequency);
    if (alGetError() != AL_NO_ERROR)
    {
        alDeleteBuffers(1, &sample->buffer);
        return fail(ERROR_MEMORY), 0;
    }
    const Handle h = newHandle(d);
    d.samples[h] = std::move(sample);
    gError = ERROR_NONE;
    return h;
}

namespace
{
// The opening of every call on a sample: the device, its lock, the sample.
// Null (with the error set) when there is no device or no such sample.
Sample* lockSample(Handle handle, std::unique_lock<std::mutex>& lock)
{
    if (!gDevice)
        return fail(ERROR_NOT_INITIALISED), nullptr;
    lock = std::unique_lock<std::mutex>(gDevice->mutex);
    auto it = gDevice->samples.find(handle);
    if (it == gDevice->samples.end())
        return fail(ERROR_HANDLE), nullptr;
    return it->second.get();
}
} // namespace

bool sampleGetInfo(Handle handle, SampleInfo& info)
{
    std::unique_lock<std::mutex> lock;
    Sample* sample = lockSample(handle, lock);
    if (!sample)
        return false;
    info = sample->info;
    gError = ERROR_NONE;
    return true;
}

bool sampleGetData(Handle handle, std::vector<uint8_t>& bytes)
{
    std::unique_lock<std::mutex> lock;
    Sample* sample = lockSample(handle, lock);
    if (!sample)
        return false;
    const std::vector<int16_t>& pcm = sample->pcm;
    bytes.resize(pcm.size() * 2);
    if (!pcm.empty())
        std::memcpy(bytes.data(), pcm.data(), bytes.size());
    gError = ERROR_NONE;
    return true;
}

Handle sampleGetChannel(Handle handle)
{
    std::unique_lock<std::mutex> lock;
    Sample* found = lockSample(handle, lock);
    if (!found)
        return 0;
    Device& d = *gDevice;
    Sample& sample = *found;
    SampleChannel channel;
    channel.sample = handle;
    if (static_cast<int>(sample.channels.size()) >= sample.maxPlaybacks)
    {
        // Every allowed playback is taken: the oldest one gives up its voice.
        auto oldest = d.channels.find(sample.channels.front());
        channel.source = oldest->second.source;
        alSourceStop(channel.source);
        d.channels.erase(oldest);
        sample.channels.erase(sample.channels.begin());
    }
    else
    {
        if (!makeSource(d, channel.source))
            return fail(ERROR_MEMORY), 0;
        alSourcei(channel.source, AL_BUFFER, static_cast<ALint>(sample.buffer));
    }
    alSourcef(channel.source, AL_GAIN, 1.0f);
    alSourcei(channel.source, AL_LOOPING, AL_FALSE);
    const Handle h = newHandle(d);
    d.channels[h] = channel;
    sample.channels.push_back(h);
    gError = ERROR_NONE;
    return h;
}

bool sampleStop(Handle handle)
{
    std::unique_lock<std::mutex> lock;
    Sample* sample = lockSample(handle, lock);
    if (!sample)
        return false;
    for (Handle h : sample->channels)
    {
        SampleChannel& channel = gDevice->channels[h];
        alSourceStop(channel.source);
        channel.held = false;
    }
    gError = ERROR_NONE;
    return true;
}

bool sampleFree(Handle handle)
{
    std::unique_lock<std::mutex> lock;
    Sample* sample = lockSample(handle, lock);
    if (!sample)
        return false;
    freeSample(*gDevice, *sample);
    gDevice->samples.erase(handle);
    gError = ERROR_NONE;
    return true;
}

// ---------------------------------------------------------------- streams
Handle streamCreateFile(const std::string& path)
{
    if (!gDevice)
        return fail(ERROR_NOT_INITIALISED), 0;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return fail(ERROR_FILE_OPEN), 0;
    std::unique_ptr<Stream> s(new Stream());
    if (ov_open_callbacks(file, &s->file, nullptr, 0, OV_CALLBACKS_DEFAULT) != 0)
    {
        std::fclose(file);
        return fail(ERROR_FORMAT), 0;
    }
    s->fileOpen = true; // the decoder owns the file from here
    vorbis_info* info = ov_info(&s->file, -1);
    s->channels = info ? info->channels : 0;
    s->frequency = info ? static_cast<int>(info->rate) : 0;
    if ((s->channels != 1 && s->channels != 2) || s->frequency <= 0)
    {
        ov_clear(&s->file);
        return fail(ERROR_FORMAT), 0;
    }
    s->format = formatFor(s->channels);

    Device& d = *gDevice;
    std::lock_guard<std::mutex> lock(d.mutex);
    if (!makeSource(d, s->source))
    {
        ov_clear(&s->file);
        return fail(ERROR_MEMORY), 0;
    }
    alGetError();
    alGenBuffers(kStreamBuffers, s->buffers);
    if (alGetError() != AL_NO_ERROR)
    {
        alDeleteSources(1, &s->source);
        ov_clear(&s->file);
        return fail(ERROR_MEMORY), 0;
    }
    const Handle h = newHandle(d);
    d.streams[h] = std::move(s);
    gError = ERROR_NONE;
    return h;
}

bool streamFree(Handle handle)
{
    if (!gDevice)
        return fail(ERROR_NOT_INITIALISED);
    Device& d = *gDevice;
    std::lock_guard<std::mutex> lock(d.mutex);
    auto it = d.streams.find(handle);
    if (it == d.streams.end())
        return fail(ERROR_HANDLE);
    freeStream(*it->second);
    d.streams.erase(it);
    gError = ERROR_NONE;
    return true;
}

// ---------------------------------------------------------------- channels
namespace
{
// The voice behind a channel handle: a sample's channel or a stream.
struct Voice
{
    SampleChannel* channel = nullptr;
    Stream* stream = nullptr;
    ALuint source() const { return channel ? channel->source : stream->source; }
};

bool findVoice(Device& d, Handle handle, Voice& voice)
{
    auto c = d.channels.find(handle);
    if (c != d.channels.end())
    {
        voice.channel = &c->second;
        return true;
    }
    auto s = d.streams.find(handle);
    if (s != d.streams.end())
    {
        voice.stream = s->second.get();
        return true;
    }
    return fail(ERROR_HANDLE);
}
} // namespace

bool channelPlay(Handle handle)
{
    if (!gDevice)
        return fail(ERROR_NOT_INITIALISED);
    Device& d = *gDevice;
    std::lock_guard<std::mutex> lock(d.mutex);
    Voice voice;
    if (!findVoice(d, handle, voice))
        return false;
    if (voice.channel)
    {
        alSourceRewind(voice.channel->source);
        voice.channel->held = d.paused;
        if (!d.paused)
            alSourcePlay(voice.channel->source);
    }
    else
    {
        Stream& s = *voice.stream;
        resetStreamSource(s);
        ov_pcm_seek(&s.file, 0);
        s.eof = false;
        int queued = 0;
        for (int i = 0; i < kStreamBuffers && !s.eof; ++i)
            if (fillBuffer(s, s.buffers[i]))
            {
                alSourceQueueBuffers(s.source, 1, &s.buffers[i]);
                ++queued;
            }
        s.active = queued > 0;
        s.held = s.active && d.paused;
        if (s.active && !s.held)
            alSourcePlay(s.source);
    }
    gError = ERROR_NONE;
    return true;
}

bool channelStop(Handle handle)
{
    if (!gDevice)
        return fail(ERROR_NOT_INITIALISED);
    Device& d = *gDevice;
    std::lock_guard<std::mutex> lock(d.mutex);
    Voice voice;
    if (!findVoice(d, handle, voice))
        return false;
    if (voice.channel)
    {
        alSourceStop(voice.channel->source);
        voice.channel->held = false;
    }
    else
    {
        resetStreamSource(*voice.stream);
        voice.stream->active = false;
        voice.stream->held = false;
    }
    gError = ERROR_NONE;
    return true;
}

bool channelSetLoop(Handle handle, bool loop)
{
    if (!gDevice)
        return fail(ERROR_NOT_INITIALISED);
    Device& d = *gDevice;
    std::lock_guard<std::mutex> lock(d.mutex);
    Voice voice;
    if (!findVoice(d, handle, voice))
        return false;
    if (voice.channel)
        alSourcei(voice.channel->source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    else
    {
        Stream& s = *voice.stream;
        // A stream whose end is already queued goes on from its start.
        if (loop && !s.loop && s.active && s.eof && ov_pcm_seek(&s.file, 0) == 0)
            s.eof = false;
        s.loop = loop;
    }
    gError = ERROR_NONE;
    return true;
}

bool channelSetVolume(Handle handle, float volume)
{
    if (!gDevice)
        return fail(ERROR_NOT_INITIALISED);
    Device& d = *gDevice;
    std::lock_guard<std::mutex> lock(d.mutex);
    Voice voice;
    if (!findVoice(d, handle, voice))
        return false;
    if (!(volume > 0.0f)) // NaN too
        volume = 0.0f;
    alSourcef(voice.source(), AL_GAIN, std::min(volume, 1.0f));
    gError = ERROR_NONE;
    return true;
}

ChannelState channelIsActive(Handle handle)
{
    if (!gDevice)
        return fail(ERROR_NOT_INITIALISED), CHANNEL_STOPPED;
    Device& d = *gDevice;
    std::lock_guard<std::mutex> lock(d.mutex);
    Voice voice;
    if (!findVoice(d, handle, voice))
        return CHANNEL_STOPPED;
    gError = ERROR_NONE;
    const ALint state = sourceState(voice.source());
    if (voice.channel)
    {
        if (voice.channel->held || state == AL_PAUSED)
            return CHANNEL_PAUSED;
        return state == AL_PLAYING ? CHANNEL_PLAYING : CHANNEL_STOPPED;
    }
    Stream& s = *voice.stream;
    if (!s.active)
        return CHANNEL_STOPPED;
    if (s.held || state == AL_PAUSED)
        return CHANNEL_PAUSED;
    if (state != AL_PLAYING && s.eof)
    {
        ALint processed = 0, queued = 0;
        alGetSourcei(s.source, AL_BUFFERS_PROCESSED, &processed);
        alGetSourcei(s.source, AL_BUFFERS_QUEUED, &queued);
        if (processed >= queued)
        {
            s.active = false;
            return CHANNEL_STOPPED;
        }
    }
    return CHANNEL_PLAYING;
}
} // namespace SoundDevice
