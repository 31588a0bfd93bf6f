#pragma once
// The board's sound effects, named by their resource numbers. Playback is
// asynchronous and a new effect cuts off the one still playing.
enum class Sound { Pick = 1000, Drop = 1001, Turn = 1002, Solve = 1003 };
inline constexpr Sound kFirstSound = Sound::Pick;
inline constexpr Sound kLastSound = Sound::Solve;

class ClSoundPlayer {
public:
    virtual ~ClSoundPlayer() = default;
    virtual void playSound(Sound sound) = 0;
};
