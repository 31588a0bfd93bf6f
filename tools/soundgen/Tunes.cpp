#include "Tunes.h"

#include "Score.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tunes {
namespace {

using midi::Note;
using midi::Part;

// General MIDI programs, 0-based.
enum Program {
    kPiano = 0,
    kCelesta = 8,
    kVibraphone = 11,
    kMarimba = 12,
    kNylonGuitar = 24,
    kAcousticBass = 32,
    kSlowStrings = 49,
    kFlute = 73,
};

// A phrase: one chord per bar, and the melody over them.
struct Section {
    std::string_view chords;
    std::string_view melody;
};

// Lays the sections end to end: each melody goes into `lead`, and `accompany(chord, barStart)`
// is called for every bar. Returns the length in beats.
template <typename Accompany>
double arrange(std::initializer_list<Section> form, int beatsPerBar, int velocity,
               std::vector<Note>& lead, Accompany accompany)
{
    double beat = 0.0;
    for (const Section& section : form) {
        const std::vector<std::string_view> chords = score::words(section.chords);
        const score::Line line = score::melody(section.melody, beat, velocity);
        // A melody that does not fill its bars is a slip in the note list.
        if (line.length != static_cast<double>(chords.size()) * beatsPerBar)
            throw std::runtime_error("melody does not fit its bars: " + std::string(section.chords));
        lead.insert(lead.end(), line.notes.begin(), line.notes.end());
        for (std::string_view chord : chords) {
            accompany(chord, beat);
            beat += beatsPerBar;
        }
    }
    return beat;
}

// Plays chord tones (numbered as in score::chordTone) one after another, `step` beats apart,
// each ringing for two steps; the last only for one, so the figure stays inside its bar.
void arpeggiate(std::vector<Note>& notes, const std::vector<int>& keys, std::initializer_list<int> pattern,
                double start, double step, int velocity)
{
    std::size_t left = pattern.size();
    for (int tone : pattern) {
        notes.push_back({start, --left > 0 ? 2 * step : step, score::chordTone(keys, tone), velocity});
        start += step;
    }
}

// F major, 3/4: piano tune over a marimba and bass oom-pah-pah.
midi::Song mortarWaltz()
{
    constexpr Section opening{"F F C7 C7", "A4:1 C5:1 F5:1 | A5:2 G5:1 | G5:1 E5:1 C5:1 | Bb4:2 C5:1"};
    constexpr Section openEnd{"Bb F C7 C7", "D5:1 F5:1 Bb5:1 | A5:2 F5:1 | G5:1.5 A5:0.5 G5:1 | E5:2 C5:1"};
    constexpr Section closedEnd{"Bb F C7 F", "D5:1 F5:1 Bb5:1 | A5:2 F5:1 | G5:2 E5:1 | F5:2 r:1"};
    constexpr Section middle{"Dm Dm Am Am", "D5:1 F5:1 A5:1 | D6:2 C6:1 | C6:1 A5:1 E5:1 | A5:2 G5:1"};
    constexpr Section turnBack{"Bb F G7 C7", "F5:1 D5:1 Bb4:1 | C5:2 F5:1 | B4:1 D5:1 G5:1 | Bb5:1 G5:1 E5:1"};

    Part melody{"Piano", 0, kPiano, 100, 64, 40, {}};
    Part chords{"Marimba", 1, kMarimba, 90, 44, 40, {}};
    Part bass{"Bass", 2, kAcousticBass, 100, 70, 30, {}};
    const double length = arrange(
        {opening, openEnd, opening, closedEnd, middle, turnBack, opening, closedEnd}, 3, 84, melody.notes,
        [&](std::string_view chord, double bar) {
            bass.notes.push_back({bar, 1.0, score::chord(chord, 2)[0], 72});
            const std::vector<int> keys = score::chord(chord, 3);
            for (double beat : {1.0, 2.0})
                for (int tone : {1, 2, 3})
                    chords.notes.push_back({bar + beat, 0.9, score::chordTone(keys, tone), 50});
        });
    return {"Mortar Waltz", 126.0, 3, length, {melody, chords, bass}};
}

// G major, 4/4: a celesta folk tune over guitar; the bass comes in for the second
// part and a flute joins the last, so the tune builds up as the wall does.
midi::Song buildingUp()
{
    constexpr Section rise{"G C G D",
                           "D5:1 G5:1 B5:1 A5:0.5 G5:0.5 | E5:1.5 C5:0.5 E5:1 G5:1 | D5:1 B4:1 D5:1 G5:1 | "
                           "F#5:2 A5:1 F#5:1"};
    constexpr Section settle{"G C D G",
                             "G5:1 B5:1 D6:1 B5:0.5 G5:0.5 | C6:1.5 B5:0.5 A5:1 G5:1 | A5:1 F#5:1 D5:1 F#5:1 | "
                             "G5:3 r:1"};
    constexpr Section wander{"Em C G D",
                             "B5:1 G5:0.5 A5:0.5 B5:1 E5:1 | C6:1 B5:0.5 A5:0.5 G5:1 E5:1 | D5:1 G5:1 B5:1 D6:1 | "
                             "A5:2 F#5:2"};
    constexpr Section homeward{"Em C D D7",
                           "G5:1 E5:1 B5:1 G5:1 | C6:1.5 B5:0.5 A5:1 G5:1 | F#5:1 A5:1 D6:1 A5:1 | "
                           "C6:1 A5:1 F#5:1 D5:1"};
    constexpr double kBassEntry = 32.0;
    constexpr double kFluteEntry = 64.0;

    Part melody{"Celesta", 0, kCelesta, 100, 64, 50, {}};
    Part guitar{"Guitar", 1, kNylonGuitar, 85, 40, 40, {}};
    Part bass{"Bass", 2, kAcousticBass, 95, 72, 30, {}};
    Part flute{"Flute", 3, kFlute, 70, 88, 60, {}};
    const double length = arrange(
        {rise, settle, wander, homeward, rise, settle}, 4, 90, melody.notes,
        [&](std::string_view chord, double bar) {
            arpeggiate(guitar.notes, score::chord(chord, 3), {0, 2, 3, 4, 5, 4, 3, 2}, bar, 0.5, 60);
            if (bar < kBassEntry)
                return;
            const std::vector<int> low = score::chord(chord, 2);
            bass.notes.push_back({bar, 1.5, low[0], 72});
            bass.notes.push_back({bar + 2.0, 1.5, score::chordTone(low, 2), 66});
        });
    for (const Note& note : melody.notes)
        if (note.beat >= kFluteEntry)
            flute.notes.push_back({note.beat, note.length, note.key, 64});
    return {"Building Up", 108.0, 4, length, {melody, guitar, bass, flute}};
}

// A minor, 4/4, slow: vibraphone over rolling marimba and held strings.
// It ends on the dominant, leading back into its first bar.
midi::Song keystone()
{
    constexpr Section question{"Am F C G", "E5:2 A5:1 B5:1 | C6:3 A5:1 | G5:2 E5:1 G5:1 | D5:4"};
    constexpr Section answer{"Am F Dm E", "E5:1 A5:1 C6:1 B5:1 | A5:2 F5:1 A5:1 | F5:1.5 E5:0.5 D5:1 F5:1 | E5:3 r:1"};
    constexpr Section climb{"F G C Am", "A5:1 C6:1 F6:2 | D6:2 B5:1 G5:1 | E6:2 C6:1 G5:1 | A5:3 r:1"};
    constexpr Section descent{"Dm Em F E", "F5:1 A5:1 D6:1 C6:1 | B5:2 G5:1 E5:1 | A5:1.5 G5:0.5 F5:1 C5:1 | "
                                          "B4:1 E5:1 G#5:2"};

    Part melody{"Vibraphone", 0, kVibraphone, 100, 64, 60, {}};
    Part marimba{"Marimba", 1, kMarimba, 80, 40, 50, {}};
    Part strings{"Strings", 2, kSlowStrings, 75, 88, 70, {}};
    const double length = arrange(
        {question, answer, climb, descent, question, answer}, 4, 80, melody.notes,
        [&](std::string_view chord, double bar) {
            arpeggiate(marimba.notes, score::chord(chord, 3), {0, 1, 2, 3, 4, 3, 2, 1}, bar, 0.5, 52);
            const std::vector<int> low = score::chord(chord, 2);
            for (int tone : {0, 2, 3, 4})
                strings.notes.push_back({bar, 4.0, score::chordTone(low, tone), 48});
        });
    return {"Keystone", 80.0, 4, length, {melody, marimba, strings}};
}

} // namespace

std::vector<midi::Song> songs()
{
    return {mortarWaltz(), buildingUp(), keystone()};
}

synth::Buffer quietCourtyard()
{
    using synth::Envelope;
    using synth::Tone;
    using synth::Wave;
    constexpr double kBar = 4.0; // seconds: 60 beats a minute, four beats a bar
    constexpr double kStep = 0.5;

    const std::vector<std::string_view> chords = score::words("Fmaj7 Em7 Dm7 Cmaj7");
    synth::Buffer out = synth::silence(kBar * static_cast<double>(chords.size()));
    double bar = 0.0;
    for (std::string_view chord : chords) {
        // Every voice wraps round the end of the buffer, so the last bar's tails
        // sound under the first bar and the loop has no seam.
        const int root = score::chord(chord, 2)[0];
        const double rootHz = synth::keyToHz(root);
        synth::addTone(out, bar, kBar + 0.5, Tone{Wave::Sine, rootHz, rootHz, 0.22, Envelope{0.5, 0.0, 1.5}}, true);
        // Pad: two triangles a hair apart per chord tone, slow to rise and to fall, overlapping the next chord.
        for (int key : score::chord(chord, 3)) {
            const double hz = synth::keyToHz(key);
            for (double detune : {0.9985, 1.0015})
                synth::addTone(out, bar, kBar + 1.0,
                               Tone{Wave::Triangle, hz * detune, hz * detune, 0.08, Envelope{1.5, 0.0, 2.0}}, true);
        }
        const std::vector<int> high = score::chord(chord, 4);
        double at = bar;
        for (int tone : {0, 1, 2, 3, 4, 3, 2, 1}) {
            synth::addChime(out, at, 1.6, synth::keyToHz(score::chordTone(high, tone)), 0.12, true);
            at += kStep;
        }
        bar += kBar;
    }
    // Start on a rising zero crossing (a few ms in), so the first play does not click;
    // rotating keeps the loop seamless.
    std::size_t zero = 1;
    while (zero < out.size() && !(out[zero - 1] < 0.0f && out[zero] >= 0.0f))
        ++zero;
    std::rotate(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(zero % out.size()), out.end());
    synth::normalise(out, -8.0);
    return out;
}

} // namespace tunes
