#include "app/audio/Mixerlibrary.h"

#include <dlfcn.h>

namespace audiodevice {
namespace {
// The Debian package's name for the library, with its ABI version.
constexpr char kMixerFile[] = "libSDL2_mixer-2.0.so.0";

// A call of the library, or of one it loaded for itself (SDL2, FluidSynth).
template <typename Call> void resolve(void* library, const char* name, Call& call, std::string& missing)
{
    call = reinterpret_cast<Call>(::dlsym(library, name));
    if (!call && missing.empty())
        missing = name;
}

std::string load(MixerLibrary& mixer)
{
    void* library = ::dlopen(kMixerFile, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* why = ::dlerror();
        return why ? why : kMixerFile;
    }
    std::string missing;
    resolve(library, "SDL_SetHint", mixer.SetHint, missing);
    resolve(library, "SDL_InitSubSystem", mixer.InitSubSystem, missing);
    resolve(library, "SDL_QuitSubSystem", mixer.QuitSubSystem, missing);
    resolve(library, "SDL_GetError", mixer.GetError, missing);
    resolve(library, "SDL_RWFromFP", mixer.RWFromFP, missing);
    resolve(library, "SDL_RWFromConstMem", mixer.RWFromConstMem, missing);
    resolve(library, "Mix_SetSoundFonts", mixer.SetSoundFonts, missing);
    resolve(library, "Mix_OpenAudio", mixer.OpenAudio, missing);
    resolve(library, "Mix_Init", mixer.Init, missing);
    resolve(library, "Mix_AllocateChannels", mixer.AllocateChannels, missing);
    resolve(library, "Mix_VolumeMusic", mixer.VolumeMusic, missing);
    resolve(library, "Mix_HookMusicFinished", mixer.HookMusicFinished, missing);
    resolve(library, "Mix_CloseAudio", mixer.CloseAudio, missing);
    resolve(library, "Mix_Quit", mixer.Quit, missing);
    resolve(library, "Mix_HasMusicDecoder", mixer.HasMusicDecoder, missing);
    resolve(library, "Mix_LoadMUS_RW", mixer.LoadMUS_RW, missing);
    resolve(library, "Mix_MusicDuration", mixer.MusicDuration, missing);
    resolve(library, "Mix_PlayMusic", mixer.PlayMusic, missing);
    resolve(library, "Mix_HaltMusic", mixer.HaltMusic, missing);
    resolve(library, "Mix_FreeMusic", mixer.FreeMusic, missing);
    resolve(library, "Mix_LoadWAV_RW", mixer.LoadWAV_RW, missing);
    resolve(library, "Mix_PlayChannelTimed", mixer.PlayChannelTimed, missing);
    resolve(library, "Mix_HaltChannel", mixer.HaltChannel, missing);
    resolve(library, "Mix_FreeChunk", mixer.FreeChunk, missing);
    resolve(library, "fluid_set_log_function", mixer.SetSynthesizerLog, missing);
    // Kept loaded for the run, whatever is missing: unloading a library that
    // started threads is never safe.
    return missing.empty() ? std::string() : std::string(kMixerFile) + " has no " + missing;
}
} // namespace

const MixerLibrary* loadMixerLibrary(std::string& failure)
{
    static MixerLibrary mixer{};
    static const std::string why = load(mixer);
    failure = why;
    return why.empty() ? &mixer : nullptr;
}

} // namespace audiodevice
