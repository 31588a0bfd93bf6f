#include "app/audio/Audiodevice.h"

#include <cstdio>
#include <string>

#include <QCoreApplication>

#include "app/audio/Mixerlibrary.h"

namespace audiodevice {
namespace {

enum class State { Closed, Open, Failed };

struct Device {
    State state = State::Closed;
    const MixerLibrary* mixer = nullptr;
    std::function<void(const QString&)> reportProblem;

    ~Device()
    {
        if (state != State::Open)
            return;
        // Closing halts the music; its hook must not post to a Qt already gone.
        mixer->HookMusicFinished(nullptr);
        mixer->CloseAudio();
        mixer->Quit();
        mixer->QuitSubSystem(SDL_INIT_AUDIO);
    }
};

Device& device()
{
    static Device instance;
    return instance;
}

// FluidSynth writes a line for every note it cannot render; a damaged tune
// would fill the terminal and the disk behind it. The first few still show.
constexpr int kSynthesizerLinesShown = 20;

void quietSynthesizerLog(int level, const char* message, void*)
{
    static int shown = 0;
    if (level > FLUID_WARN || shown > kSynthesizerLinesShown)
        return;
    if (++shown > kSynthesizerLinesShown)
        std::fputs("fluidsynth: further messages are not shown\n", stderr);
    else
        std::fprintf(stderr, "fluidsynth: %s\n", message);
}

bool openMixer(const MixerLibrary& mix, std::string& failure)
{
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        mix.SetSynthesizerLog(level, quietSynthesizerLog, nullptr);
    // Qt owns the process's signals; SDL must not take SIGINT or SIGTERM.
    mix.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // MIDI goes to FluidSynth only: the game ships a SoundFont dependency,
    // not the patch sets Timidity would need.
    mix.SetHint("SDL_MIXER_DISABLE_TIMIDITY", "1");
    if (mix.InitSubSystem(SDL_INIT_AUDIO) != 0) {
        failure = mix.GetError();
        return false;
    }
    // The SoundFont FluidSynth renders every MIDI file with; it is read when
    // a MIDI file is loaded.
    mix.SetSoundFonts(kSoundFont);
    // 1024 frames: about 23 ms, so an effect follows the mouse closely.
    if (mix.OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        failure = mix.GetError();
        mix.QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    mix.Init(MIX_INIT_MID);
    mix.AllocateChannels(kEffectChannel + 1);
    // Music at SDL_mixer's full volume, from which it sets FluidSynth's gain;
    // the effects keep their own channel volume.
    mix.VolumeMusic(MIX_MAX_VOLUME);
    return true;
}

} // namespace

bool ready()
{
    Device& d = device();
    if (d.state == State::Closed) {
        std::string failure;
        d.mixer = loadMixerLibrary(failure);
        d.state = d.mixer && openMixer(*d.mixer, failure) ? State::Open : State::Failed;
        // The report opens its box later, from the event loop: the device
        // may be first needed inside a mouse handler.
        if (d.state == State::Failed && d.reportProblem)
            d.reportProblem(
                QCoreApplication::translate(
                    "AudioDevice", "No sound: the audio device cannot be opened (%1). The game goes on silent.")
                    .arg(QString::fromStdString(failure)));
    }
    return d.state == State::Open;
}

const MixerLibrary& mixer()
{
    return *device().mixer;
}

void reportProblemsTo(std::function<void(const QString& problem)> receiver)
{
    device().reportProblem = std::move(receiver);
}

} // namespace audiodevice
