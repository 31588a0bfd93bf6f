#pragma once
// How large the player wants the game's window: one of a few steps, in
// percent of its own size, kept between runs in a small file of its own
// beside "config.dat" as the percent in decimal ("150"), followed, when the
// player sized the window by hand, by its size ("150 1280x900"), and last,
// when the window was left maximised, by that word ("150 maximised").
#include <array>
#include <string>

#include "model/Failure.h"

namespace zoom {

inline constexpr std::array<int, 5> kSteps{100, 150, 200, 300, 400};
inline constexpr int kNormal = kSteps.front();
inline constexpr char kFileName[] = "zoom.dat";

// The next step up or down from a step; a step at the end stays.
int larger(int percent);
int smaller(int percent);
// The largest step at which a window of width x height fits into an area of
// areaWidth x areaHeight; the smallest step when none does.
int largestFitting(int width, int height, int areaWidth, int areaHeight);

// The window's size as kept: the step, the size the player gave the window
// by hand (0 x 0 when it has the step's size), both its size when it is not
// maximised, and whether it is.
struct Kept {
    int percent = kNormal;
    int width = 0;
    int height = 0;
    bool maximised = false;
    bool operator==(const Kept&) const = default;
};

// What the file keeps; the normal size when there is none, or the file holds
// anything but a step, a size and the word in that order.
Kept load(const std::string& path);
// Keeps the size, under the folder's lock like every shared file of the game.
bool save(const std::string& path, const Kept& kept, Failure& failure);

} // namespace zoom
