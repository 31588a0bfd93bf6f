#include "app/audio/Mediaplayer.h"

#include <atomic>
#include <chrono>
#include <cstdio>

#include <QCoreApplication>

#include "app/audio/Audiodevice.h"
#include "app/audio/Mixerlibrary.h"
#include "model/Fileaccess.h"
#include "model/Midiscan.h"

namespace {
// A playback that ends sooner played nothing; taking it for a finished tune
// would start the next one at once, over and over.
constexpr qint64 kShortestPlaybackMs = 200;
// A playback ending before this share of the file's length ended early; a
// file that does so kEarlyEndsAllowed + 1 times is left out.
constexpr double kEarlyEndShare = 0.5;
constexpr int kEarlyEndsAllowed = 1;
// FluidSynth holds a whole MIDI file in memory; real tunes are far smaller.
constexpr std::size_t kLargestMidi = 16 << 20;
constexpr std::size_t kSniffedBytes = 12;

// The mixer plays one music at a time: its owner and playback number, for
// the end hook on SDL's audio thread.
std::atomic<TMediaPlayer*> musicOwner{nullptr};
std::atomic<quint64> playingNow{0};
quint64 lastPlayback = 0;

QString sentence(const std::string& why)
{
    QString text = QString::fromStdString(why);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text + '.';
}

// Empty when the open file may go to SDL_mixer. Only MIDI and WAVE: SDL_mixer
// takes anything else for a tracker module, reads it whole and may play
// noise.
QString contentProblem(std::FILE* stream, double& seconds)
{
    std::string start;
    Failure failure;
    if (!fileaccess::readOpenStart(stream, kSniffedBytes, start, failure))
        return sentence(failure.why);
    const std::string_view sniffed(start);
    if (sniffed.substr(0, 4) == "RIFF" && sniffed.substr(8) == "WAVE")
        return {};
    if (sniffed.substr(0, 4) != "MThd")
        return QCoreApplication::translate("MediaPlayer", "It is neither a MIDI nor a WAVE file.");
    if (!audiodevice::mixer().HasMusicDecoder("FLUIDSYNTH"))
        return QCoreApplication::translate("MediaPlayer", "MIDI needs the SoundFont %1 (package timgm6mb-soundfont).")
            .arg(audiodevice::kSoundFont);
    std::string content;
    if (!fileaccess::readOpenFile(stream, kLargestMidi, content, failure))
        return failure.kind == FailureKind::TooLarge
                   ? QCoreApplication::translate("MediaPlayer", "The file is too large for a MIDI tune.")
                   : sentence(failure.why);
    const MidiScan scan = scanMidi(content);
    seconds = scan.seconds;
    return scan.problem ? sentence(scan.problem.why) : QString();
}
} // namespace

TMediaPlayer::TMediaPlayer(QObject* parent, Clock clock)
    : TAbstractMediaPlayer(parent)
    , clock(std::move(clock))
{
}

qint64 TMediaPlayer::steadyClock()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TMediaPlayer::~TMediaPlayer()
{
    close();
    if (musicOwner == this) {
        // Waits for a hook already running on the audio thread.
        audiodevice::mixer().HookMusicFinished(nullptr);
        musicOwner = nullptr;
    }
}

bool TMediaPlayer::Open()
{
    close();
    error.clear();
    seconds = 0;
    if (!audiodevice::ready())
        return true;
    Failure failure;
    // Opened once, as a regular file and without blocking; SDL reads this
    // very file, whatever may take its name meanwhile.
    std::FILE* stream = fileaccess::openRegularStream(FileName().toStdString(), failure);
    if (!stream)
        return fail(sentence(failure.why));
    if (const QString problem = contentProblem(stream, seconds); !problem.isEmpty()) {
        std::fclose(stream);
        return fail(problem);
    }
    const audiodevice::MixerLibrary& mix = audiodevice::mixer();
    music = mix.LoadMUS_RW(mix.RWFromFP(stream, SDL_TRUE), 1);
    if (!music)
        return fail(QString::fromUtf8(mix.GetError()));
    if (seconds <= 0)
        seconds = std::max(0.0, mix.MusicDuration(music));
    mode = TMPModes::Open;
    return true;
}
bool TMediaPlayer::Play()
{
    if (!audiodevice::ready())
        return true;
    if (!music)
        return fail(QCoreApplication::translate("MediaPlayer", "No file is open."));
    Stop();
    musicOwner = this;
    const audiodevice::MixerLibrary& mix = audiodevice::mixer();
    mix.HookMusicFinished(&TMediaPlayer::musicFinished);
    // Numbered before it starts: a short file may end before PlayMusic returns.
    playback = ++lastPlayback;
    playingNow = playback;
    startedAt = clock();
    if (mix.PlayMusic(music, 0) != 0) {
        playback = 0;
        return fail(QString::fromUtf8(mix.GetError()));
    }
    mode = TMPModes::Playing;
    return true;
}

void TMediaPlayer::Stop()
{
    if (!music)
        return;
    if (playback != 0) {
        // The hook fires on halting too; ended() then finds no playback.
        playback = 0;
        audiodevice::mixer().HaltMusic();
    }
    mode = TMPModes::Stopped;
}

TMPModes TMediaPlayer::Mode() const
{
    return music ? mode : TMPModes::NotReady;
}

void TMediaPlayer::close()
{
    Stop();
    if (music) // the library is loaded only once a file is
        audiodevice::mixer().FreeMusic(music);
    music = nullptr;
}

bool TMediaPlayer::fail(const QString& why)
{
    error = why;
    return false;
}

void TMediaPlayer::musicFinished()
{
    TMediaPlayer* owner = musicOwner;
    const quint64 finished = playingNow;
    // Only a queued call: the game's objects belong to the GUI thread.
    QMetaObject::invokeMethod(
        owner, [owner, finished] { owner->ended(finished); }, Qt::QueuedConnection);
}

void TMediaPlayer::ended(quint64 finished)
{
    if (finished != playback)
        return;
    playback = 0;
    mode = TMPModes::Stopped;
    const qint64 elapsed = clock() - startedAt;
    if (elapsed < kShortestPlaybackMs)
        error = QCoreApplication::translate("MediaPlayer", "The file ended as soon as it started.");
    else if (elapsed < kEarlyEndShare * seconds * 1000 && ++earlyEnds[FileName()] > kEarlyEndsAllowed)
        error = QCoreApplication::translate("MediaPlayer", "The file keeps ending long before its end.");
    playbackEnded();
}
