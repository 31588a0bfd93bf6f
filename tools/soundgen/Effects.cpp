#include "Effects.h"

namespace effects {
namespace {

using synth::Envelope;
using synth::Noise;
using synth::Tone;
using synth::Wave;

constexpr double kPeakDb = -6.0;

// Every effect ends the same way: level set and the ends faded so nothing clicks.
synth::Buffer finish(synth::Buffer buffer)
{
    synth::normalise(buffer, kPeakDb);
    synth::fade(buffer, 0.001, 0.008);
    return buffer;
}

} // namespace

synth::Buffer pick()
{
    synth::Buffer out = synth::silence(0.075);
    synth::addTone(out, 0.0, 0.075, Tone{Wave::Sine, 2200.0, 1500.0, 0.6, Envelope{0.001, 0.012, 0.02}});
    synth::addTone(out, 0.0, 0.075, Tone{Wave::Sine, 1100.0, 900.0, 0.3, Envelope{0.001, 0.02, 0.02}});
    synth::addNoise(out, 0.0, 0.02, Noise{6000.0, 6000.0, 2000.0, 0.5, Envelope{0.0005, 0.004, 0.005}, 11});
    return finish(out);
}

synth::Buffer drop()
{
    synth::Buffer out = synth::silence(0.14);
    // Body: a low sine falling in pitch, like a heavy block settling.
    synth::addTone(out, 0.0, 0.14, Tone{Wave::Sine, 180.0, 85.0, 1.0, Envelope{0.002, 0.045, 0.04}});
    synth::addTone(out, 0.0, 0.08, Tone{Wave::Sine, 340.0, 200.0, 0.25, Envelope{0.001, 0.02, 0.02}});
    // Mortar: a short burst of dark, closing noise.
    synth::addNoise(out, 0.0, 0.06, Noise{1200.0, 400.0, 80.0, 0.9, Envelope{0.001, 0.015, 0.02}, 23});
    return finish(out);
}

synth::Buffer turn()
{
    synth::Buffer out = synth::silence(0.12);
    synth::addTone(out, 0.0, 0.055, Tone{Wave::Triangle, 740.0, 760.0, 0.5, Envelope{0.002, 0.03, 0.015}});
    synth::addTone(out, 0.045, 0.075, Tone{Wave::Triangle, 988.0, 1000.0, 0.5, Envelope{0.002, 0.035, 0.03}});
    // Swish: noise whose cutoff opens as the piece swings round.
    synth::addNoise(out, 0.0, 0.11, Noise{1200.0, 4000.0, 800.0, 0.25, Envelope{0.04, 0.0, 0.06}, 37});
    return finish(out);
}

synth::Buffer solve()
{
    constexpr double kLength = 1.6;
    synth::Buffer out = synth::silence(kLength);
    // C major arpeggio up to C6, then the top chord rings out over a warm fifth.
    const int arpeggio[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i)
        synth::addChime(out, 0.09 * i, 0.6, synth::keyToHz(arpeggio[i]), 0.5);
    for (int key : {84, 88, 91})
        synth::addChime(out, 0.42, kLength - 0.42, key, 0.35);
    for (int key : {60, 67})
        synth::addTone(out, 0.42, kLength - 0.42,
                       Tone{Wave::Triangle, synth::keyToHz(key), synth::keyToHz(key), 0.18,
                            Envelope{0.05, 0.6, 0.4}});
    return finish(out);
}

} // namespace effects
