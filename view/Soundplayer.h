#pragma once
// The board's sound effects, by number: 1000 pick, 1001 drop, 1002 turn,
// 1003 solved. Playback is asynchronous and a new effect cuts off the one
// still playing.
class ClSoundPlayer {
public:
    virtual ~ClSoundPlayer() = default;
    virtual void playSound(int resourceId) = 0;
};
