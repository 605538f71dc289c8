// Writes the game's sample sounds, and single test tones, as Ogg Vorbis
// files encoded from generated PCM.  Nothing here is recorded: every sound is
// a sum of sines, so the files can be rebuilt at any time and stay small.
//
//   soundgen game <folder>
//       the sample data: the sixteen environment loops "00_env_01.ogg" to
//       "00_env_16.ogg", the effects "00_01.ogg" and "00_02.ogg", the menu's
//       volume sample "04_38.ogg", the voices "10101.ogg", "10920.ogg" and
//       "10921.ogg", the room loop "01_24.ogg" and the logo's jingle
//       "00_01_harbolt_logo.ogg"; stand-ins for what the scripts of locations
//       1 and 2 play: the dialogs' voices of both ("10901.ogg" ...,
//       "20901.ogg" ...), the cut scenes' and effects' numbered sounds
//       "01_01.ogg" to "01_23.ogg" and "02_01.ogg" to "02_31.ogg", and the
//       two lines that location 2 borrows, "05_25.ogg" and "05_26.ogg", and
//       the mini-games' sounds "01_snd_00.ogg" ... "05_snd_02.ogg"
//   soundgen tone <file> <rate> <channels> <seconds> <frequency> <amplitude>
//           [<on-seconds> <off-seconds>]
//       one sine (on every channel), optionally gated: on for on-seconds,
//       silent for off-seconds, repeated
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace
{
const double kPi = 3.14159265358979323846;

// One sample value (-1 to 1) of channel c at frame n.
typedef std::function<float(long n, int c)> Signal;

bool writeOgg(const std::string& path, int rate, int channels, long frames, const Signal& signal)
{
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
    {
        std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
        return false;
    }
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, rate, 0.4f) != 0)
    {
        std::fprintf(stderr, "soundgen: the encoder refuses %d channels at %d Hz\n", channels, rate);
        vorbis_info_clear(&vi);
        std::fclose(out);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "soundgen");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 0x54510001); // fixed serial: the same input gives the same file

    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&os, &page))
    {
        std::fwrite(page.header, 1, page.header_len, out);
        std::fwrite(page.body, 1, page.body_len, out);
    }

    const long block = 1024;
    long done = 0;
    bool eos = false;
    while (!eos)
    {
        const long n = std::min(block, frames - done);
        if (n > 0)
        {
            float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
            for (long i = 0; i < n; ++i)
                for (int c = 0; c < channels; ++c)
                    buffer[c][i] = signal(done + i, c);
            done += n;
            vorbis_analysis_wrote(&vd, static_cast<int>(n));
        }
        else
            vorbis_analysis_wrote(&vd, 0);
        while (vorbis_analysis_blockout(&vd, &vb) == 1)
        {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&vd, &packet))
            {
                ogg_stream_packetin(&os, &packet);
                while (!eos && ogg_stream_pageout(&os, &page))
                {
                    std::fwrite(page.header, 1, page.header_len, out);
                    std::fwrite(page.body, 1, page.body_len, out);
                    eos = ogg_page_eos(&page) != 0;
                }
            }
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    const bool ok = std::fclose(out) == 0;
    if (!ok)
        std::fprintf(stderr, "soundgen: cannot finish %s\n", path.c_str());
    return ok;
}

float sine(double frequency, long n, int rate)
{
    return static_cast<float>(std::sin(2.0 * kPi * frequency * static_cast<double>(n) / rate));
}

// An environment loop: a soft chord whose loudness swells and ebbs.  Whole
// numbers of cycles over the length make the loop seamless.
bool writeEnvironment(const std::string& folder, int number)
{
    const int rate = 22050;
    const int seconds = 6;
    const double root = 110.0 + 15.0 * (number - 1); // whole hertz: seamless over whole seconds
    const double fifth = root * 1.5;
    const double swell = 1.0 / seconds;
    char name[32];
    std::snprintf(name, sizeof(name), "/00_env_%02d.ogg", number);
    return writeOgg(folder + name, rate, 2, static_cast<long>(rate) * seconds, [=](long n, int c) {
        const double t = static_cast<double>(n) / rate;
        const double level = 0.18 + 0.07 * std::sin(2.0 * kPi * swell * t + c * kPi);
        return static_cast<float>(level * (sine(root, n, rate) + 0.5 * sine(fifth, n, rate)));
    });
}

// A short effect: a falling or rising chirp that fades out.
bool writeEffect(const std::string& path, double from, double to)
{
    const int rate = 44100;
    const long frames = rate * 3 / 10;
    return writeOgg(path, rate, 1, frames, [=](long n, int) {
        const double t = static_cast<double>(n) / rate;
        const double length = static_cast<double>(frames) / rate;
        const double phase = 2.0 * kPi * (from * t + (to - from) * t * t / (2.0 * length));
        return static_cast<float>(0.5 * (1.0 - t / length) * std::sin(phase));
    });
}

// A voice-like sound: syllables of a buzzing tone with pauses between them,
// mono 16-bit once decoded, so that its loudness table can be scanned.
bool writeVoice(const std::string& path)
{
    const int rate = 22050;
    const double syllables[][2] = {{0.1, 0.35}, {0.5, 0.8}, {0.95, 1.15}, {1.4, 1.9}};
    return writeOgg(path, rate, 1, rate * 2, [=](long n, int) {
        const double t = static_cast<double>(n) / rate;
        for (const auto& s : syllables)
            if (t >= s[0] && t < s[1])
            {
                const double pitch = 140.0 + 30.0 * std::sin(2.0 * kPi * 3.0 * t);
                const double x = 2.0 * kPi * pitch * t;
                return static_cast<float>(0.4 * (std::sin(x) + 0.4 * std::sin(2 * x) + 0.2 * std::sin(3 * x)));
            }
        return 0.0f;
    });
}

// A room loop: the hum of a machine, 2 s with whole cycles of every
// partial, so that it loops seamlessly.
bool writeHum(const std::string& path)
{
    const int rate = 22050;
    return writeOgg(path, rate, 1, rate * 2, [=](long n, int) {
        const double t = static_cast<double>(n) / rate;
        const double throb = 0.8 + 0.2 * std::sin(2.0 * kPi * 2.0 * t);
        return static_cast<float>(0.3 * throb *
                                  (sine(55.0, n, rate) + 0.6 * sine(110.0, n, rate) + 0.3 * sine(165.0, n, rate)));
    });
}

// The maker's jingle of the logo screen: three rising notes and a chord,
// about two seconds, mono.
bool writeJingle(const std::string& path)
{
    const int rate = 22050;
    const double notes[][3] = {{0.0, 0.3, 523.25}, {0.3, 0.6, 659.25}, {0.6, 0.9, 783.99}, {0.9, 2.0, 1046.5}};
    return writeOgg(path, rate, 1, rate * 2, [=](long n, int) {
        const double t = static_cast<double>(n) / rate;
        for (const auto& note : notes)
            if (t >= note[0] && t < note[1])
            {
                const double local = t - note[0];
                const double envelope = std::min(1.0, local * 50.0) * std::exp(-2.0 * local);
                const double x = 2.0 * kPi * note[2] * t;
                return static_cast<float>(0.35 * envelope * (std::sin(x) + 0.3 * std::sin(1.5 * x)));
            }
        return 0.0f;
    });
}

int usage()
{
    std::fprintf(stderr, "usage: soundgen game <folder>\n"
                         "       soundgen tone <file> <rate> <channels> <seconds> <frequency> "
                         "<amplitude> [<on-seconds> <off-seconds>]\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return usage();
    const std::string mode = argv[1];
    if (mode == "game" && argc == 3)
    {
        const std::string folder = argv[2];
        bool ok = true;
        for (int i = 1; i <= 16; ++i)
            ok = writeEnvironment(folder, i) && ok;
        ok = writeEffect(folder + "/00_01.ogg", 900.0, 300.0) && ok;
        ok = writeEffect(folder + "/00_02.ogg", 400.0, 1200.0) && ok;
        ok = writeEffect(folder + "/04_38.ogg", 660.0, 660.0) && ok;
        ok = writeVoice(folder + "/10101.ogg") && ok;
        ok = writeHum(folder + "/01_24.ogg") && ok;
        // The two lines of the demo room's dialog.
        ok = writeVoice(folder + "/10920.ogg") && ok;
        ok = writeVoice(folder + "/10921.ogg") && ok;
        ok = writeJingle(folder + "/00_01_harbolt_logo.ogg") && ok;
        // The dialogs' voices of locations 1 and 2 (the voice cache loads
        // each when the location starts).
        const int voices[][2] = {{10901, 10909}, {10911, 10917}, {20901, 20903}, {20911, 20911}};
        for (const auto& range : voices)
            for (int id = range[0]; id <= range[1]; ++id)
                ok = writeVoice(folder + "/" + std::to_string(id) + ".ogg") && ok;
        // The numbered sounds of the two locations (01_24 is the room loop
        // above), each a short sweep of its own pitch, and the lines that
        // location 2 borrows from location 5.
        const int numbered[][3] = {{1, 1, 23}, {2, 1, 31}, {5, 25, 26}};
        for (const auto& row : numbered)
            for (int n = row[1]; n <= row[2]; ++n)
            {
                char name[32];
                std::snprintf(name, sizeof(name), "/%02d_%02d.ogg", row[0], n);
                ok = writeEffect(folder + name, 300.0 + 25.0 * n, 500.0 + 20.0 * n * row[0]) && ok;
            }
        // The mini-games' clicks and chimes.
        const char* const puzzles[] = {"01_snd_00", "01_snd_01", "01_snd_02", "01_snd_03", "01_snd_04",
                                       "01_snd_05", "02_snd_01", "03_snd_01", "05_snd_02"};
        double pitch = 700.0;
        for (const char* name : puzzles)
        {
            ok = writeEffect(folder + "/" + name + ".ogg", pitch, pitch * 1.5) && ok;
            pitch += 90.0;
        }
        return ok ? 0 : 1;
    }
    if (mode == "tone" && (argc == 8 || argc == 10))
    {
        const int rate = std::atoi(argv[3]);
        const int channels = std::atoi(argv[4]);
        const double seconds = std::atof(argv[5]);
        const double frequency = std::atof(argv[6]);
        const double amplitude = std::atof(argv[7]);
        const double on = argc == 10 ? std::atof(argv[8]) : 0.0;
        const double off = argc == 10 ? std::atof(argv[9]) : 0.0;
        if (rate <= 0 || channels < 1 || channels > 2 || seconds <= 0.0)
            return usage();
        const long frames = static_cast<long>(seconds * rate + 0.5);
        return writeOgg(argv[2], rate, channels, frames, [=](long n, int) {
            if (on > 0.0)
            {
                const double t = std::fmod(static_cast<double>(n) / rate, on + off);
                if (t >= on)
                    return 0.0f;
            }
            return static_cast<float>(amplitude) * sine(frequency, n, rate);
        }) ? 0 : 1;
    }
    return usage();
}
