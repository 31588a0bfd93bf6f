#include "app/audio/Sdlsoundplayer.h"

#include <QFile>

#include "app/audio/Audiodevice.h"
#include "app/audio/Mixerlibrary.h"

namespace {
Mix_Chunk* loadChunk(Sound sound)
{
    QFile file(QString(":/sounds/%1.wav").arg(int(sound)));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = file.readAll();
    // The chunk is decoded into the device's format, so the bytes may go.
    const audiodevice::MixerLibrary& mix = audiodevice::mixer();
    return mix.LoadWAV_RW(mix.RWFromConstMem(bytes.constData(), int(bytes.size())), 1);
}
} // namespace

// Outside any namespace, as the resource initialiser requires; a static
// library would otherwise drop the compiled-in sounds at link time.
static void initSoundResources()
{
    Q_INIT_RESOURCE(sounds);
}

ClSdlSoundPlayer::ClSdlSoundPlayer()
{
    initSoundResources();
}

ClSdlSoundPlayer::~ClSdlSoundPlayer()
{
    if (chunks.empty())
        return;
    const audiodevice::MixerLibrary& mix = audiodevice::mixer();
    mix.HaltChannel(audiodevice::kEffectChannel);
    for (auto& [id, loaded] : chunks)
        mix.FreeChunk(loaded);
}

void ClSdlSoundPlayer::playSound(Sound sound)
{
    if (sound < kFirstSound || sound > kLastSound || !audiodevice::ready())
        return;
    if (Mix_Chunk* effect = chunk(sound))
        audiodevice::mixer().PlayChannelTimed(audiodevice::kEffectChannel, effect, 0, -1);
}

Mix_Chunk* ClSdlSoundPlayer::chunk(Sound sound)
{
    auto found = chunks.find(sound);
    if (found == chunks.end())
        found = chunks.emplace(sound, loadChunk(sound)).first;
    return found->second;
}
