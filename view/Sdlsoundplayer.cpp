#include "Sdlsoundplayer.h"

#include <QFile>
#include <SDL_mixer.h>

#include "Audiodevice.h"

namespace {
constexpr int kFirstSound = 1000;
constexpr int kLastSound = 1003;

Mix_Chunk* loadChunk(int resourceId)
{
    QFile file(QString(":/sounds/%1.wav").arg(resourceId));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = file.readAll();
    // The chunk is decoded into the device's format, so the bytes may go.
    return Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), int(bytes.size())), 1);
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
    Mix_HaltChannel(audiodevice::kEffectChannel);
    for (auto& [id, loaded] : chunks)
        Mix_FreeChunk(loaded);
}

void ClSdlSoundPlayer::playSound(int resourceId)
{
    if (resourceId < kFirstSound || resourceId > kLastSound || !audiodevice::ready())
        return;
    if (Mix_Chunk* sound = chunk(resourceId))
        Mix_PlayChannel(audiodevice::kEffectChannel, sound, 0);
}

Mix_Chunk* ClSdlSoundPlayer::chunk(int resourceId)
{
    auto found = chunks.find(resourceId);
    if (found == chunks.end())
        found = chunks.emplace(resourceId, loadChunk(resourceId)).first;
    return found->second;
}
