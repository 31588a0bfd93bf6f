#pragma once
// The board's sound effects through SDL_mixer, from the WAVE files compiled
// into the program. Whether sound is on is the caller's decision.
#include <map>

#include "view/Soundplayer.h"

struct Mix_Chunk;

class ClSdlSoundPlayer : public ClSoundPlayer {
public:
    ClSdlSoundPlayer();
    ~ClSdlSoundPlayer() override;
    ClSdlSoundPlayer(const ClSdlSoundPlayer&) = delete;
    ClSdlSoundPlayer& operator=(const ClSdlSoundPlayer&) = delete;

    // Unknown numbers, and every sound without an audio device, play nothing.
    void playSound(Sound sound) override;

private:
    // Decoded on first use; null when the resource is missing or unreadable,
    // so a bad effect is tried only once.
    Mix_Chunk* chunk(Sound sound);

    std::map<Sound, Mix_Chunk*> chunks;
};
