#pragma once
// SDL2_mixer, with all it brings (SDL2, FluidSynth, their codecs and sound
// servers: some forty libraries), loaded when the game first needs a sound
// rather than at start, so that a game that is silent so far starts and
// stays as small as a window. Its headers give the types and the calls'
// shapes; nothing links against it.
#include <string>

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

namespace audiodevice {

struct MixerLibrary {
    decltype(&::SDL_SetHint) SetHint;
    decltype(&::SDL_InitSubSystem) InitSubSystem;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem;
    decltype(&::SDL_GetError) GetError;
    decltype(&::SDL_RWFromFP) RWFromFP;
    decltype(&::SDL_RWFromConstMem) RWFromConstMem;
    decltype(&::Mix_SetSoundFonts) SetSoundFonts;
    decltype(&::Mix_OpenAudio) OpenAudio;
    decltype(&::Mix_Init) Init;
    decltype(&::Mix_AllocateChannels) AllocateChannels;
    decltype(&::Mix_VolumeMusic) VolumeMusic;
    decltype(&::Mix_HookMusicFinished) HookMusicFinished;
    decltype(&::Mix_CloseAudio) CloseAudio;
    decltype(&::Mix_Quit) Quit;
    decltype(&::Mix_HasMusicDecoder) HasMusicDecoder;
    decltype(&::Mix_LoadMUS_RW) LoadMUS_RW;
    decltype(&::Mix_MusicDuration) MusicDuration;
    decltype(&::Mix_PlayMusic) PlayMusic;
    decltype(&::Mix_HaltMusic) HaltMusic;
    decltype(&::Mix_FreeMusic) FreeMusic;
    decltype(&::Mix_LoadWAV_RW) LoadWAV_RW;
    decltype(&::Mix_PlayChannelTimed) PlayChannelTimed;
    decltype(&::Mix_HaltChannel) HaltChannel;
    decltype(&::Mix_FreeChunk) FreeChunk;
    decltype(&::fluid_set_log_function) SetSynthesizerLog;
};

// The library, loaded on the first call and kept for the run; nullptr when
// it cannot be, with `failure` saying why.
const MixerLibrary* loadMixerLibrary(std::string& failure);

} // namespace audiodevice
