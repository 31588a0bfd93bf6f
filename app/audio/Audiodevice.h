#pragma once
// SDL audio and SDL_mixer, opened on first use and shared by the sound effects
// and the music. When there is no device, or it will not open, the game stays
// silent: callers check ready() and skip their SDL calls.
#include <functional>

#include <QString>

namespace audiodevice {

// Effects cut each other off, so they share this one mixer channel.
constexpr int kEffectChannel = 0;
// MIDI is rendered by FluidSynth with this General MIDI SoundFont.
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

struct MixerLibrary;

// True when the mixer is open. The first call loads the library and tries to
// open it; a failure is final for the rest of the run, and the receiver
// hears of it then.
bool ready();
// The mixer's calls, once ready() has said true.
const MixerLibrary& mixer();
// Where the problem goes; nowhere until the game says where.
void reportProblemsTo(std::function<void(const QString& problem)> receiver);

} // namespace audiodevice
