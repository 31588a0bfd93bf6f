// What the synthesizer and its SoundFont cost on their own: a program that
// only plays one MIDI tune through SDL2_mixer and FluidSynth, with the
// game's SoundFont and the game's mixer settings, and nothing else. It
// loads the audio stack as the game does, when the tune is asked for, so
// its growth counts all the synthesizer brings: its libraries, its
// SoundFont and its playing.
//   synthonly TUNE.mid
// Says "playing KIB" once the tune plays, KIB its peak resident memory at
// start, before the audio stack is loaded; then plays on until killed.
#include <cstdio>
#include <fstream>
#include <string>

#include <unistd.h>

#include "app/audio/Audiodevice.h"
#include "app/audio/Mixerlibrary.h"

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
    std::string failure;
    const audiodevice::MixerLibrary* mix = audiodevice::loadMixerLibrary(failure);
    if (!mix || argc < 2 || mix->InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "synthonly: %s\n", failure.c_str());
        return 1;
    }
    mix->SetSoundFonts(audiodevice::kSoundFont);
    if (mix->OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0)
        return 1;
    mix->Init(MIX_INIT_MID);
    std::FILE* file = std::fopen(argv[1], "rb");
    Mix_Music* tune = file ? mix->LoadMUS_RW(mix->RWFromFP(file, SDL_TRUE), 1) : nullptr;
    if (!tune || mix->PlayMusic(tune, -1) != 0) {
        std::fprintf(stderr, "synthonly: %s\n", mix->GetError());
        return 1;
    }
    std::printf("playing %lld\n", atStart);
    std::fflush(stdout);
    for (;;)
        pause();
}
