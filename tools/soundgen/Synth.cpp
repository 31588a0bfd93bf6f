#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double level(const Envelope& envelope, double t, double length)
{
    const double attack = envelope.attack > 0.0 ? std::min(1.0, t / envelope.attack) : 1.0;
    const double decay = envelope.decay > 0.0
                             ? std::exp(-std::max(0.0, t - envelope.attack) / envelope.decay)
                             : 1.0;
    const double release =
        envelope.release > 0.0 ? std::clamp((length - t) / envelope.release, 0.0, 1.0) : 1.0;
    return attack * decay * release;
}

// `phase` counts cycles.
double oscillator(Wave wave, double phase)
{
    const double cycle = phase - std::floor(phase);
    switch (wave) {
    case Wave::Sine:
        return std::sin(kTwoPi * cycle);
    case Wave::Triangle:
        return 1.0 - 4.0 * std::abs(cycle - 0.5);
    }
    return 0.0;
}

// Coefficient of a one-pole low-pass: y += a * (x - y).
double onePole(double cutoffHz)
{
    return 1.0 - std::exp(-kTwoPi * cutoffHz / kSampleRate);
}

// Fixed seed and xorshift rather than <random> distributions, whose output
// may differ between standard libraries.
class WhiteNoise {
public:
    explicit WhiteNoise(std::uint32_t seed) : state_(seed ? seed : 1) {}
    double next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 2147483647.5 - 1.0;
    }

private:
    std::uint32_t state_;
};

std::size_t samples(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

} // namespace

Buffer silence(double seconds)
{
    return Buffer(samples(seconds), 0.0f);
}

double keyToHz(int key)
{
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

void addTone(Buffer& out, double start, double length, const Tone& tone, bool wrap)
{
    const std::size_t first = samples(start);
    const std::size_t count = samples(length);
    const double glide = std::log(tone.endHz / tone.startHz) / length;
    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t index = first + i;
        if (wrap && !out.empty())
            index %= out.size();
        if (index >= out.size())
            break;
        const double t = static_cast<double>(i) / kSampleRate;
        out[index] += static_cast<float>(tone.gain * level(tone.envelope, t, length) *
                                         oscillator(tone.wave, phase));
        phase += tone.startHz * std::exp(glide * t) / kSampleRate;
    }
}

void addNoise(Buffer& out, double start, double length, const Noise& noise)
{
    const std::size_t first = samples(start);
    const std::size_t count = samples(length);
    const double sweep = std::log(noise.lowPassEndHz / noise.lowPassStartHz) / length;
    const double highPass = onePole(noise.highPassHz);
    WhiteNoise source(noise.seed);
    double low = 0.0;
    double rumble = 0.0; // the part the high-pass takes away
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        low += onePole(noise.lowPassStartHz * std::exp(sweep * t)) * (source.next() - low);
        rumble += highPass * (low - rumble);
        out[first + i] +=
            static_cast<float>(noise.gain * level(noise.envelope, t, length) * (low - rumble));
    }
}

void addChime(Buffer& out, double start, double length, double hz, double gain, bool wrap)
{
    addTone(out, start, length, Tone{Wave::Sine, hz, hz, gain, Envelope{0.003, length * 0.45, 0.2}}, wrap);
    addTone(out, start, length,
            Tone{Wave::Sine, hz * 2.76, hz * 2.76, gain * 0.25, Envelope{0.002, 0.08, 0.05}}, wrap);
    addTone(out, start, length,
            Tone{Wave::Sine, hz * 5.4, hz * 5.4, gain * 0.08, Envelope{0.001, 0.03, 0.02}}, wrap);
}

void normalise(Buffer& buffer, double peakDb)
{
    float peak = 0.0f;
    for (float sample : buffer)
        peak = std::max(peak, std::abs(sample));
    if (peak == 0.0f)
        return;
    const auto scale = static_cast<float>(std::pow(10.0, peakDb / 20.0) / peak);
    for (float& sample : buffer)
        sample *= scale;
}

void fade(Buffer& buffer, double inSeconds, double outSeconds)
{
    const std::size_t size = buffer.size();
    const std::size_t in = std::min(size, samples(inSeconds));
    const std::size_t out = std::min(size, samples(outSeconds));
    for (std::size_t i = 0; i < in; ++i)
        buffer[i] *= static_cast<float>(i) / static_cast<float>(in);
    for (std::size_t i = 0; i < out; ++i)
        buffer[size - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
}

} // namespace synth
