#pragma once
#include <vector>

#include "view/Soundplayer.h"

// Remembers which effects the board asked for.
struct SoundRecorder : ClSoundPlayer {
    void playSound(Sound sound) override { played.push_back(sound); }
    std::vector<Sound> played;
};
