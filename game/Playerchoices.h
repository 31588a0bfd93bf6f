#pragma once
// What the player chooses between: the four groups of puzzles, numbered as
// the selection dialog lists them and as the puzzle files are named, and the
// six brick styles.
#include <array>
#include <cstdint>

#include "model/Words.h"

inline constexpr int kGroupCount = 4;
inline constexpr std::array<const char*, kGroupCount> kGroupCaptions = {
    WORDS_ENTRY("Groups", "Solid Wall (One Set)"),
    WORDS_ENTRY("Groups", "Wall with Hole (One Set)"),
    WORDS_ENTRY("Groups", "Solid Wall (Two Sets)"),
    WORDS_ENTRY("Groups", "Wall with Hole (Two Sets)"),
};

inline constexpr bool isGroupNumber(std::int64_t group)
{
    return group >= 0 && group < kGroupCount;
}

// A puzzle file the player opened, played as a group of its own after the
// four. Never written to the settings: the next start opens a shipped group.
inline constexpr std::int32_t kOwnFileGroup = kGroupCount;

// The six brick styles of the options dialog; a style outside them draws the first.
inline constexpr int kBrickStyles = 6;

inline constexpr bool isBrickStyle(std::int64_t style)
{
    return style >= 0 && style < kBrickStyles;
}
