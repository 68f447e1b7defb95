// The game's sound effects, synthesised from tones with envelopes and
// filtered noise. Every sound is short, starts and ends in silence (no
// clicks) and is scaled to a peak well below full scale (no clipping).
#include "make_assets.h"

#include <algorithm>
#include <cmath>

namespace zorbik::assets {
namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Rate = SampleRate;

using Wave = std::vector<double>;

Wave Silence(double seconds)
{
    return Wave(static_cast<std::size_t>(seconds * Rate), 0.0);
}

// Attack-decay envelope: a quick raised-cosine rise, then exponential decay
// with a raised-cosine tail that reaches zero at the end.
double Envelope(double t, double length, double attack, double decay)
{
    if (t < 0 || t >= length)
        return 0;
    double e = t < attack ? 0.5 - 0.5 * std::cos(Pi * t / attack) : std::exp(-(t - attack) / decay);
    const double tail = std::min(0.03, length * 0.3);
    if (t > length - tail)
        e *= 0.5 + 0.5 * std::cos(Pi * (t - (length - tail)) / tail);
    return e;
}

// A tone with a few harmonics (weights per harmonic), optionally gliding in
// pitch from `freq` to `freqEnd`, added into `w` at `start`.
void AddTone(Wave& w, double start, double length, double freq, double freqEnd, double amp,
             const std::vector<double>& harmonics, double attack, double decay, double vibrato = 0)
{
    const auto first = static_cast<std::size_t>(start * Rate);
    const auto count = static_cast<std::size_t>(length * Rate);
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < w.size(); ++i) {
        const double t = i / Rate;
        const double f = (freq + (freqEnd - freq) * t / length) * (1 + vibrato * std::sin(2 * Pi * 6 * t));
        phase += 2 * Pi * f / Rate;
        double v = 0;
        for (std::size_t h = 0; h < harmonics.size(); ++h)
            v += harmonics[h] * std::sin(phase * static_cast<double>(h + 1));
        w[first + i] += amp * Envelope(t, length, attack, decay) * v;
    }
}

// A bell: inharmonic partials that die away at different speeds.
void AddBell(Wave& w, double start, double length, double freq, double amp)
{
    const double ratios[] = {1.0, 2.0, 2.76, 4.07, 5.4};
    const double levels[] = {1.0, 0.5, 0.32, 0.18, 0.1};
    for (int k = 0; k < 5; ++k)
        AddTone(w, start, length, freq * ratios[k], freq * ratios[k], amp * levels[k], {1.0}, 0.004,
                0.5 / (1 + k * 0.8));
}

// Band-limited noise: white noise through a two-pole resonator at `centre`,
// then a gentle low-pass above it so that it rushes rather than hisses.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double White()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / 8388608.0 - 1.0;
    }
    double Band(double centre, double q)
    {
        const double r = std::exp(-Pi * centre / (q * Rate));
        const double a1 = 2 * r * std::cos(2 * Pi * centre / Rate), a2 = -r * r;
        const double y = (1 - r) * White() + a1 * y1_ + a2 * y2_;
        y2_ = y1_;
        y1_ = y;
        const double alpha = 1 - std::exp(-2 * Pi * 1.5 * centre / Rate);
        low_ += alpha * (y - low_);
        return low_;
    }

  private:
    std::uint32_t state_;
    double y1_ = 0, y2_ = 0, low_ = 0;
};

void AddNoise(Wave& w, double start, double length, double centreFrom, double centreTo, double q, double amp,
              double attack, double decay, std::uint32_t seed)
{
    Noise noise(seed);
    const auto first = static_cast<std::size_t>(start * Rate);
    const auto count = static_cast<std::size_t>(length * Rate);
    for (std::size_t i = 0; i < count && first + i < w.size(); ++i) {
        const double t = i / Rate;
        const double centre = centreFrom + (centreTo - centreFrom) * t / length;
        w[first + i] += amp * Envelope(t, length, attack, decay) * noise.Band(centre, q);
    }
}

// Scale to the peak, fade the very ends and convert to 16-bit samples.
std::vector<std::int16_t> Finish(Wave w, double peak = 0.8)
{
    double top = 0;
    for (double v : w)
        top = std::max(top, std::abs(v));
    const double gain = top > 0 ? peak / top : 0;
    const std::size_t fadeIn = static_cast<std::size_t>(0.005 * Rate);
    const std::size_t fadeOut = static_cast<std::size_t>(0.02 * Rate);
    std::vector<std::int16_t> out(w.size());
    for (std::size_t i = 0; i < w.size(); ++i) {
        double v = w[i] * gain;
        if (i < fadeIn)
            v *= static_cast<double>(i) / fadeIn;
        if (i + fadeOut >= w.size())
            v *= static_cast<double>(w.size() - 1 - i) / fadeOut;
        out[i] = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32000.0));
    }
    return out;
}

double Note(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

const std::vector<double> Bright = {1.0, 0.45, 0.25, 0.12, 0.06}; // soft square-ish
const std::vector<double> Pure = {1.0, 0.15};

// Level complete: a rising C-major fanfare ending on a held chord.
Wave Fanfare()
{
    Wave w = Silence(1.3);
    const int notes[] = {3, 7, 10, 15}; // C5 E5 G5 C6
    for (int k = 0; k < 4; ++k)
        AddTone(w, 0.11 * k, 0.16, Note(notes[k]), Note(notes[k]), 0.5, Bright, 0.008, 0.12);
    for (int n : {3, 7, 10, 15})
        AddTone(w, 0.46, 0.84, Note(n), Note(n), 0.3, Bright, 0.01, 0.4, 0.004);
    return w;
}

// Locked door: a metal rattle of a few quick knocks, then a low clunk.
Wave LockDoor()
{
    Wave w = Silence(0.6);
    const double knocks[] = {0.0, 0.07, 0.13, 0.2, 0.26};
    for (int k = 0; k < 5; ++k) {
        AddNoise(w, knocks[k], 0.06, 2600, 2200, 8, 1.0, 0.001, 0.012, 100 + k);
        AddTone(w, knocks[k], 0.06, 1250 + k * 60, 1200, 0.25, {1.0, 0.0, 0.4}, 0.001, 0.015);
    }
    AddTone(w, 0.34, 0.25, 110, 80, 0.9, {1.0, 0.5, 0.2}, 0.002, 0.05);
    AddNoise(w, 0.34, 0.12, 400, 300, 3, 0.9, 0.001, 0.03, 7);
    return w;
}

// Doorbell: ding-dong, a high bell then a lower one.
Wave Doorbell()
{
    Wave w = Silence(1.3);
    AddBell(w, 0.0, 0.7, Note(7), 0.6); // E5
    AddBell(w, 0.4, 0.9, Note(3), 0.6); // C5
    return w;
}

// Door opening: a creaking hinge gliding upwards, with a soft whoosh of air.
Wave DoorOpen()
{
    Wave w = Silence(0.85);
    const auto count = w.size();
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = i / Rate;
        const double f = 180 + 160 * t + 25 * std::sin(2 * Pi * 3 * t);
        phase += 2 * Pi * f / Rate;
        // a stick-slip creak: bursts of a buzzy tone about thirty times a second
        const double grain = 0.5 + 0.5 * std::sin(2 * Pi * 32 * t);
        const double buzz = std::sin(phase) + 0.5 * std::sin(2 * phase) + 0.3 * std::sin(3 * phase) +
                            0.2 * std::sin(5 * phase);
        w[i] += 0.35 * grain * grain * Envelope(t, 0.6, 0.05, 0.5) * buzz;
    }
    AddNoise(w, 0.25, 0.6, 400, 1000, 2, 0.5, 0.2, 0.25, 3);
    return w;
}

// Item picked up: two quick bright notes like a coin, and a glittering tail.
Wave Sparkle()
{
    Wave w = Silence(0.55);
    AddTone(w, 0.0, 0.08, Note(14), Note(14), 0.5, Pure, 0.002, 0.2);   // B5
    AddTone(w, 0.07, 0.45, Note(19), Note(19), 0.5, Pure, 0.002, 0.15); // E6
    const int glitter[] = {26, 31, 29, 34};
    for (int k = 0; k < 4; ++k)
        AddTone(w, 0.12 + 0.06 * k, 0.18, Note(glitter[k]), Note(glitter[k]), 0.12, {1.0}, 0.006, 0.05);
    return w;
}

// Eaten: a playful cartoon growl that rises, then two chomps.
Wave Eaten()
{
    Wave w = Silence(1.05);
    const std::size_t growlEnd = static_cast<std::size_t>(0.55 * Rate);
    double phase = 0;
    for (std::size_t i = 0; i < growlEnd; ++i) {
        const double t = i / Rate;
        const double f = 110 + 70 * t;
        phase += 2 * Pi * f / Rate;
        const double rumble = 0.65 + 0.35 * std::sin(2 * Pi * 22 * t); // rolling "grrr"
        double saw = 0;
        for (int h = 1; h <= 8; ++h)
            saw += std::sin(h * phase) / h;
        w[i] += 0.4 * rumble * Envelope(t, 0.55, 0.06, 0.6) * saw;
    }
    for (double at : {0.6, 0.82}) {
        AddTone(w, at, 0.14, 180, 70, 0.9, {1.0, 0.3}, 0.002, 0.04);
        AddNoise(w, at, 0.08, 1200, 700, 2, 1.0, 0.002, 0.02, static_cast<std::uint32_t>(at * 1000));
    }
    return w;
}

// Moved to the start: a rising shimmering sweep over a swelling whoosh.
Wave Moved()
{
    Wave w = Silence(0.95);
    AddTone(w, 0.0, 0.9, 300, 1500, 0.35, {1.0, 0.3, 0.1}, 0.15, 0.5, 0.03);
    AddTone(w, 0.05, 0.85, 450, 2250, 0.15, {1.0}, 0.15, 0.5, 0.03);
    AddNoise(w, 0.0, 0.9, 500, 2400, 2, 0.5, 0.35, 0.3, 11);
    return w;
}

// Quiz, right answer: a quick rising arpeggio with a bright little chime.
Wave RightAnswer()
{
    Wave w = Silence(0.6);
    const int notes[] = {3, 7, 10}; // C5 E5 G5
    for (int k = 0; k < 3; ++k)
        AddTone(w, 0.08 * k, 0.14, Note(notes[k]), Note(notes[k]), 0.45, Pure, 0.004, 0.1);
    AddBell(w, 0.24, 0.34, Note(15), 0.35); // C6
    return w;
}

// Quiz, wrong answer: two low, soft falling notes, no buzz.
Wave WrongAnswer()
{
    Wave w = Silence(0.55);
    AddTone(w, 0.0, 0.22, Note(-5), Note(-5), 0.5, {1.0, 0.08}, 0.02, 0.15);  // E4
    AddTone(w, 0.18, 0.35, Note(-9), Note(-10), 0.5, {1.0, 0.08}, 0.02, 0.2); // C4, sagging a little
    return w;
}

} // namespace

std::vector<Sound> MakeQuizSounds()
{
    // The wrong-answer sound stays quieter than the right one.
    return {{RightAnswerQuizSound, Finish(RightAnswer(), 0.7)},
            {WrongAnswerQuizSound, Finish(WrongAnswer(), 0.4)}};
}

std::vector<Sound> MakeSounds()
{
    return {
        {LevelCompleteSound, Finish(Fanfare())}, {LockedDoorSound, Finish(LockDoor())},
        {DoorbellSound, Finish(Doorbell())},     {DoorOpensSound, Finish(DoorOpen())},
        {PickUpSound, Finish(Sparkle())},        {BeEatenSound, Finish(Eaten())},
        {MovedSound, Finish(Moved())},
    };
}

} // namespace zorbik::assets
