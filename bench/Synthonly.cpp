// What the synthesizer and its SoundFont cost on their own: a program that
// only plays one MIDI tune through SDL2_mixer and FluidSynth, with the
// game's SoundFont and the game's mixer settings, and nothing else.
//   synthonly TUNE.mid
// Says "playing KIB" once the tune plays, KIB its peak resident memory at
// start, before the synthesizer; then plays on until killed.
#include <cstdio>
#include <fstream>
#include <string>

#include <SDL.h>
#include <SDL_mixer.h>

#include "app/audio/Audiodevice.h"

namespace {
long long peakKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoll(line.substr(6));
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    const long long atStart = peakKiB();
    if (argc < 2 || SDL_Init(SDL_INIT_AUDIO) != 0)
        return 1;
    Mix_SetSoundFonts(audiodevice::kSoundFont);
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0)
        return 1;
    Mix_Init(MIX_INIT_MID);
    Mix_Music* tune = Mix_LoadMUS(argv[1]);
    if (!tune || Mix_PlayMusic(tune, -1) != 0) {
        std::fprintf(stderr, "synthonly: %s\n", Mix_GetError());
        return 1;
    }
    std::printf("playing %lld\n", atStart);
    std::fflush(stdout);
    for (;;)
        SDL_Delay(1000);
}
