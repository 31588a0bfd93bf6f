#pragma once

#include <cstdint>
#include <vector>

// The one small synthesiser behind the sound effects and the ambient loop:
// oscillators with pitch glides, filtered noise and simple envelopes, mixed into mono buffers.
namespace synth {

constexpr int kSampleRate = 22050;

using Buffer = std::vector<float>;

enum class Wave { Sine, Triangle };

// Rises linearly over `attack`, then decays exponentially with time constant `decay`
// (0 holds the level), and falls linearly to zero over the last `release` seconds.
struct Envelope {
    double attack = 0.002;
    double decay = 0.0;
    double release = 0.005;
};

struct Tone {
    Wave wave = Wave::Sine;
    double startHz = 440.0;
    double endHz = 440.0; // glides exponentially from startHz
    double gain = 1.0;
    Envelope envelope;
};

// White noise through a one-pole low-pass, whose cutoff sweeps, and a one-pole high-pass.
struct Noise {
    double lowPassStartHz = 4000.0;
    double lowPassEndHz = 4000.0;
    double highPassHz = 20.0;
    double gain = 1.0;
    Envelope envelope;
    std::uint32_t seed = 1;
};

Buffer silence(double seconds);
double keyToHz(int key);

// Both mix into `out` from `start` for `length` seconds. With `wrap`, whatever runs past
// the end of the buffer continues at its start, so the buffer loops without a seam.
void addTone(Buffer& out, double start, double length, const Tone& tone, bool wrap = false);
void addNoise(Buffer& out, double start, double length, const Noise& noise);
// A struck bar: the fundamental rings for most of `length`, the inharmonic partials die fast.
void addChime(Buffer& out, double start, double length, double hz, double gain, bool wrap = false);

// Scales the buffer so its peak is `peakDb` dBFS.
void normalise(Buffer& buffer, double peakDb);
// Linear fades at both ends, so playback never starts or stops on a step.
void fade(Buffer& buffer, double inSeconds, double outSeconds);

} // namespace synth
