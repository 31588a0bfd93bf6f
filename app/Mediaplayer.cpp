#include "Mediaplayer.h"

#include <atomic>

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <SDL_mixer.h>

#include "view/Audiodevice.h"

namespace {
// A playback that ends sooner played nothing; taking it for a finished tune
// would start the next one at once, over and over.
constexpr qint64 kShortestPlaybackMs = 200;
// FluidSynth holds a whole MIDI file in memory; real tunes are far smaller.
constexpr qint64 kLargestMidi = 16 << 20;

// The mixer plays one music at a time: its owner and playback number, for
// the end hook on SDL's audio thread.
std::atomic<TMediaPlayer*> musicOwner{nullptr};
std::atomic<quint64> playingNow{0};
quint64 lastPlayback = 0;

// A MIDI file whose chunks run past its end, or without tracks, would load
// and then play nothing.
QString midiProblem(QFile& file)
{
    const qint64 size = file.size();
    if (size > kLargestMidi)
        return QStringLiteral("The file is too large for a MIDI tune.");
    const QByteArray header = file.read(14);
    if (header.size() < 14 || qFromBigEndian<quint32>(header.constData() + 4) < 6)
        return QStringLiteral("The MIDI file is cut short.");
    const quint16 tracks = qFromBigEndian<quint16>(header.constData() + 10);
    if (tracks == 0)
        return QStringLiteral("The MIDI file has no tracks.");
    qint64 next = 8 + qint64(qFromBigEndian<quint32>(header.constData() + 4));
    for (int found = 0; found < tracks;) {
        file.seek(next);
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return QStringLiteral("The MIDI file is cut short.");
        next += 8 + qint64(qFromBigEndian<quint32>(chunk.constData() + 4));
        if (next > size)
            return QStringLiteral("The MIDI file is cut short.");
        if (chunk.startsWith("MTrk"))
            ++found;
    }
    return {};
}

// Empty when the file may go to SDL_mixer. Only MIDI and WAVE: SDL_mixer
// takes anything else for a tracker module, reads it whole and may play
// noise.
QString fileProblem(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return QStringLiteral("The file is missing.");
    if (!info.isFile())
        return QStringLiteral("It is a folder, not a file.");
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("The file cannot be read.");
    const QByteArray start = file.peek(12);
    if (start.startsWith("RIFF") && start.mid(8) == "WAVE")
        return {};
    if (!start.startsWith("MThd"))
        return QStringLiteral("It is neither a MIDI nor a WAVE file.");
    if (!Mix_HasMusicDecoder("FLUIDSYNTH"))
        return QStringLiteral("MIDI needs the SoundFont %1 (package timgm6mb-soundfont).")
            .arg(audiodevice::kSoundFont);
    return midiProblem(file);
}
} // namespace

TMediaPlayer::TMediaPlayer(QObject* parent) : TAbstractMediaPlayer(parent) {}

TMediaPlayer::~TMediaPlayer()
{
    close();
    if (musicOwner == this) {
        // Waits for a hook already running on the audio thread.
        Mix_HookMusicFinished(nullptr);
        musicOwner = nullptr;
    }
}

bool TMediaPlayer::Open()
{
    close();
    error.clear();
    if (!audiodevice::ready())
        return true;
    if (const QString why = fileProblem(FileName()); !why.isEmpty())
        return fail(why);
    music = Mix_LoadMUS(QFile::encodeName(FileName()).constData());
    if (!music)
        return fail(QString::fromUtf8(Mix_GetError()));
    mode = TMPModes::Open;
    return true;
}

bool TMediaPlayer::Play()
{
    if (!audiodevice::ready())
        return true;
    if (!music)
        return fail(QStringLiteral("No file is open."));
    Stop();
    musicOwner = this;
    Mix_HookMusicFinished(&TMediaPlayer::musicFinished);
    // Numbered before it starts: a short file may end before Mix_PlayMusic returns.
    playback = ++lastPlayback;
    playingNow = playback;
    started.start();
    if (Mix_PlayMusic(music, 0) != 0) {
        playback = 0;
        return fail(QString::fromUtf8(Mix_GetError()));
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
        Mix_HaltMusic();
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
    Mix_FreeMusic(music);
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
    QMetaObject::invokeMethod(owner, [owner, finished] { owner->ended(finished); }, Qt::QueuedConnection);
}

void TMediaPlayer::ended(quint64 finished)
{
    if (finished != playback)
        return;
    playback = 0;
    mode = TMPModes::Stopped;
    if (started.elapsed() < kShortestPlaybackMs)
        error = QStringLiteral("The file ended as soon as it started.");
    playbackEnded();
}
