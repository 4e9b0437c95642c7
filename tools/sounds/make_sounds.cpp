// Synthesises the game's eight sounds as 8-bit PCM wave files.
// Usage: make_sounds <resources dir>
// Everything is computed from fixed formulas and one fixed noise seed, so the
// files come out the same on every run.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double TwoPi = 2 * Pi;

// One channel of samples in -1..1.
using Track = std::vector<double>;

struct Sound {
    std::string name;
    int rate;
    std::vector<Track> channels; // one (mono) or two (stereo)
    double peak;                 // loudness after normalising, below 1 so nothing clips
};

Track silence(int rate, double seconds) { return Track(size_t(std::lround(rate * seconds)), 0.0); }

// Adds `voice(t)` for t in [0, duration) at `start` seconds, times `gain`.
void mix(Track& track, int rate, double start, double duration, double gain,
         const std::function<double(double)>& voice)
{
    const size_t first = size_t(std::lround(start * rate));
    const size_t count = size_t(std::lround(duration * rate));
    for (size_t i = 0; i < count && first + i < track.size(); ++i)
        track[first + i] += gain * voice(double(i) / rate);
}

// Attack-decay envelope: linear rise over `attack`, then exponential decay.
double envelope(double t, double attack, double decay)
{
    return t < attack ? t / attack : std::exp(-(t - attack) / decay);
}

// A gentle fade at both ends of a note, so notes join without clicks.
double edgeFade(double t, double duration, double fade)
{
    return std::min({1.0, t / fade, std::max(0.0, (duration - t) / fade)});
}

double frequencyOf(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

// A bell: a few inharmonic partials, the higher ones dying first.
double bell(double t, double f)
{
    return 0.6 * std::sin(TwoPi * f * t) * std::exp(-t / 0.35)
         + 0.25 * std::sin(TwoPi * f * 2.76 * t) * std::exp(-t / 0.12)
         + 0.15 * std::sin(TwoPi * f * 5.4 * t) * std::exp(-t / 0.05);
}

// A brass-like tone: harmonics whose brightness follows the envelope.
double brass(double t, double f, double brightness)
{
    double v = 0;
    for (int h = 1; h <= 6; ++h)
        v += std::sin(TwoPi * f * h * t) * std::pow(brightness, h - 1) / h;
    return v;
}

// A soft square-ish tone (odd harmonics only), dull by design.
double hollow(double t, double f)
{
    return std::sin(TwoPi * f * t) + std::sin(TwoPi * 3 * f * t) / 3 + std::sin(TwoPi * 5 * f * t) / 8;
}

void fadeEnds(Track& track, int rate, double fadeIn, double fadeOut)
{
    const size_t in = size_t(rate * fadeIn), out = size_t(rate * fadeOut);
    for (size_t i = 0; i < in && i < track.size(); ++i)
        track[i] *= double(i) / in;
    for (size_t i = 0; i < out && i < track.size(); ++i)
        track[track.size() - 1 - i] *= double(i) / out;
}

void normalise(Sound& sound)
{
    double max = 0;
    for (const Track& t : sound.channels)
        for (double v : t)
            max = std::max(max, std::abs(v));
    for (Track& t : sound.channels)
        for (double& v : t)
            v *= sound.peak / max;
}

void writeWave(const Sound& sound, const std::string& path)
{
    const uint16_t channels = uint16_t(sound.channels.size());
    const uint32_t frames = uint32_t(sound.channels[0].size());
    const uint32_t dataSize = frames * channels;
    std::ofstream out(path, std::ios::binary);
    auto put = [&out](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(char((v >> (8 * i)) & 0xff));
    };
    out.write("RIFF", 4);
    put(36 + dataSize + (dataSize & 1), 4);
    out.write("WAVEfmt ", 8);
    put(16, 4);
    put(1, 2); // PCM
    put(channels, 2);
    put(uint32_t(sound.rate), 4);
    put(uint32_t(sound.rate) * channels, 4);
    put(channels, 2);
    put(8, 2);
    out.write("data", 4);
    put(dataSize, 4);
    for (uint32_t i = 0; i < frames; ++i)
        for (const Track& t : sound.channels)
            out.put(char(std::clamp(int(std::lround(128 + 127 * t[i])), 1, 255)));
    if (dataSize & 1)
        out.put(char(128)); // RIFF chunks are padded to an even size
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

// A tile is picked: a short, soft wooden tick.
Sound click()
{
    const int rate = 8860;
    Track t = silence(rate, 0.04);
    mix(t, rate, 0, 0.04, 1, [](double s) {
        return envelope(s, 0.0015, 0.006) * (std::sin(TwoPi * 1400 * s) + 0.4 * std::sin(TwoPi * 2300 * s));
    });
    fadeEnds(t, rate, 0.001, 0.008);
    return {"SNDCLICK", rate, {t}, 0.45};
}

// A pair vanishes: a bright rising pop.
Sound pop()
{
    const int rate = 11025;
    Track t = silence(rate, 0.15);
    mix(t, rate, 0, 0.15, 1, [](double s) {
        const double phase = TwoPi * (700 * s + 0.5 * 9000 * s * s); // 700 Hz sweeping up
        return envelope(s, 0.004, 0.04) * (std::sin(phase) + 0.3 * std::sin(2 * phase));
    });
    mix(t, rate, 0.03, 0.12, 0.5, [](double s) { return bell(s, 1760) * envelope(s, 0.003, 0.05); });
    fadeEnds(t, rate, 0.002, 0.02);
    return {"SNDDISP", rate, {t}, 0.85};
}

// The pair cannot be linked: two low, dull bumps going down.
Sound refusal()
{
    const int rate = 8000;
    Track t = silence(rate, 0.40);
    const double notes[2][2] = {{0.0, 196.0}, {0.19, 147.0}};
    for (const auto& n : notes) {
        const double f = n[1];
        mix(t, rate, n[0], 0.18, 1,
            [f](double s) { return hollow(s, f) * envelope(s, 0.01, 0.08) * edgeFade(s, 0.18, 0.01); });
    }
    fadeEnds(t, rate, 0.003, 0.03);
    return {"SNDCANNOTDISP", rate, {t}, 0.7};
}

// A hint: two bell strokes, a fifth apart.
Sound chime()
{
    const int rate = 11025;
    Track t = silence(rate, 0.55);
    mix(t, rate, 0.0, 0.55, 1, [](double s) { return bell(s, frequencyOf(84)) * envelope(s, 0.003, 1); });
    mix(t, rate, 0.12, 0.43, 1, [](double s) { return bell(s, frequencyOf(91)) * envelope(s, 0.003, 1); });
    fadeEnds(t, rate, 0.002, 0.08);
    return {"SNDPROMPT", rate, {t}, 0.8};
}

// A reshuffle: a riffle of card flicks, fast in the middle, over a soft swish.
Sound shuffle()
{
    const int rate = 11025;
    const double length = 1.12;
    Track t = silence(rate, length);
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    Track flick(size_t(rate * 0.03));
    double low = 0;
    for (size_t i = 0; i < flick.size(); ++i) {
        low += 0.5 * (noise(random) - low); // a little smoothing takes the hiss off
        flick[i] = low;
    }
    double at = 0.04;
    while (at < length - 0.08) {
        const double progress = at / length;
        const double gap = 0.018 + 0.05 * std::pow(2 * progress - 1, 2); // fastest mid-way
        const double pitch = 0.7 + 0.6 * progress;
        mix(t, rate, at, 0.03, 0.5 + 0.5 * std::sin(Pi * progress), [&](double s) {
            const size_t i = std::min(flick.size() - 1, size_t(s * rate * pitch));
            return flick[i] * envelope(s, 0.001, 0.006);
        });
        at += gap;
    }
    mix(t, rate, 0, length, 0.25, [length](double s) {
        return std::sin(TwoPi * (300 * s + 150 * s * s)) * std::sin(Pi * s / length) * 0.5;
    });
    fadeEnds(t, rate, 0.01, 0.1);
    return {"SNDRESET", rate, {t}, 0.75};
}

// An award: a short brass fanfare, the notes placed left and right.
Sound fanfare()
{
    const int rate = 22050;
    const double length = 0.67;
    Track left = silence(rate, length), right = silence(rate, length);
    struct Note { double start, duration; int midi; double pan; };
    const Note notes[] = {{0.0, 0.11, 72, 0.2}, {0.1, 0.11, 76, 0.8}, {0.2, 0.11, 79, 0.3},
                          {0.3, 0.35, 84, 0.5}, {0.3, 0.35, 76, 0.7}};
    for (const Note& n : notes) {
        const double f = frequencyOf(n.midi), d = n.duration;
        auto voice = [f, d](double s) {
            const double env = envelope(s, 0.015, d * 0.9) * edgeFade(s, d, 0.02);
            const double vibrato = 1 + 0.004 * std::sin(TwoPi * 6 * s) * std::min(1.0, s / 0.1);
            return brass(s, f * vibrato, 0.35 + 0.3 * env) * env;
        };
        mix(left, rate, n.start, d, 1 - n.pan, voice);
        mix(right, rate, n.start, d, n.pan, voice);
    }
    fadeEnds(left, rate, 0.003, 0.05);
    fadeEnds(right, rate, 0.003, 0.05);
    return {"SNDAWARD", rate, {left, right}, 0.85};
}

// A level is cleared: a rising jingle over a bass that lands on a chord.
Sound levelUp()
{
    const int rate = 11025;
    const double length = 2.88;
    Track t = silence(rate, length);
    const double beat = 0.18;
    const int melody[] = {67, 72, 76, 79, 77, 81, 84, 83};
    for (int i = 0; i < 8; ++i) {
        const double f = frequencyOf(melody[i]);
        mix(t, rate, i * beat, beat * 1.6, 0.8, [f](double s) {
            return (std::sin(TwoPi * f * s) + 0.3 * std::sin(TwoPi * 2 * f * s)) * envelope(s, 0.005, 0.15);
        });
    }
    const int bass[] = {48, 53, 55, 55};
    for (int i = 0; i < 4; ++i) {
        const double f = frequencyOf(bass[i]);
        mix(t, rate, i * 2 * beat, 2 * beat, 0.5,
            [f](double s) { return hollow(s, f) * envelope(s, 0.01, 0.3) * edgeFade(s, 0.36, 0.02); });
    }
    const double chordStart = 8 * beat, chordLength = length - chordStart;
    for (int note : {72, 76, 79, 84}) {
        const double f = frequencyOf(note);
        mix(t, rate, chordStart, chordLength, 0.45, [f, chordLength](double s) {
            const double shimmer = 1 + 0.003 * std::sin(TwoPi * 5 * s);
            return (std::sin(TwoPi * f * shimmer * s) + 0.2 * std::sin(TwoPi * 3 * f * s))
                 * envelope(s, 0.01, 0.6) * edgeFade(s, chordLength, 0.05);
        });
    }
    fadeEnds(t, rate, 0.003, 0.3);
    return {"SNDUPLEVEAL", rate, {t}, 0.85};
}

// The game is over: a falling phrase of four sagging notes, the last one long.
Sound gameOver()
{
    const int rate = 11025;
    const double length = 2.14;
    Track t = silence(rate, length);
    struct Note { double start, duration; int midi; };
    const Note notes[] = {{0.0, 0.38, 67}, {0.4, 0.38, 66}, {0.8, 0.38, 65}, {1.2, 0.94, 64}};
    for (const Note& n : notes) {
        const double f = frequencyOf(n.midi), d = n.duration;
        const bool last = n.start > 1;
        mix(t, rate, n.start, d, 1, [f, d, last](double s) {
            // Each note sags a little; the last one droops and wobbles.
            const double sag = last ? 1 - 0.06 * s / d + 0.015 * std::sin(TwoPi * 5 * s) : 1 - 0.02 * s / d;
            const double env = envelope(s, 0.02, last ? 0.6 : 0.3) * edgeFade(s, d, 0.03);
            return brass(s, f * sag / 2, 0.45) * env;
        });
    }
    fadeEnds(t, rate, 0.005, 0.25);
    return {"SNDGAMEOVER", rate, {t}, 0.8};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <resources dir>\n");
        return 1;
    }
    const std::string dir = std::string(argv[1]) + "/sounds/";
    for (auto make : {click, pop, refusal, chime, shuffle, fanfare, levelUp, gameOver}) {
        Sound sound = make();
        normalise(sound);
        writeWave(sound, dir + sound.name + ".wav");
    }
    return 0;
}
