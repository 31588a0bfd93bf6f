#pragma once
// SDL audio and SDL_mixer, opened on first use and shared by the sound effects
// and the music. When there is no device, or it will not open, the game stays
// silent: callers check ready() and skip their SDL calls.
#include <functional>
#include <string>

namespace audiodevice {

// Effects cut each other off, so they share this one mixer channel.
constexpr int kEffectChannel = 0;
// MIDI is rendered by FluidSynth with this General MIDI SoundFont.
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// True when the mixer is open. The first call tries to open it; a failure
// is final for the rest of the run.
bool ready();

// Told once, with SDL's reason, when the device could not be opened. Set
// after the failure, it is told at once. It runs wherever the device was
// first needed (a mouse handler, say), so it should defer any dialog.
void setFailureReporter(std::function<void(const std::string& reason)> reporter);

} // namespace audiodevice
