#pragma once
#include <vector>

#include "view/Soundplayer.h"

// Remembers which effects the board asked for.
struct SoundRecorder : ClSoundPlayer {
    void playSound(int resourceId) override { played.push_back(resourceId); }
    std::vector<int> played;
};
