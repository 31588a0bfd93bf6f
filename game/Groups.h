#pragma once
// The four groups that ship with the game: what their puzzles must be.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

#include "game/Playerchoices.h"
#include "model/Gamefile.h"

// How hard a fresh puzzle is made: each covers a quarter of the shipped
// group's puzzles, by their difficulty scores, easiest first.
enum class Challenge { Easy, Medium, Hard, Expert };
inline constexpr int kChallengeCount = 4;

struct GroupRules {
    int index;
    const char* caption;
    bool withHole; // the gap encloses wall; else it is solid
    int sets;      // how many times each shape is used
    // The scores that part the shipped group's puzzles into four equal
    // parts. Fixed here, not measured from the files, so that a puzzle made
    // from a code is the same wherever it is made.
    std::array<double, kChallengeCount - 1> quartiles;
};

inline constexpr int kShapeCount = 5;
inline constexpr std::int32_t kMinPuzzles = 60;
// A half turn: with the mirror, four orientations per piece at most.
inline constexpr std::int32_t kRotateStep = 180;
// Counting the ways to fill a gap stops here.
inline constexpr std::int64_t kTilingCountLimit = 20000;

// Null when `group` names none of the four.
const GroupRules* groupRules(std::int64_t group);
// The group whose caption the header carries, null for none.
const GroupRules* groupOfHeader(const ClGameHeader& header);
// The header a file of the group carries, with its caption.
ClGameHeader groupHeader(const GroupRules& rules, std::int32_t puzzleCount);

// Text in a zero-padded block, cut to fit.
template <std::size_t N> void putText(std::array<std::uint8_t, N>& block, const std::string& text)
{
    block.fill(0);
    std::memcpy(block.data(), text.data(), std::min(text.size(), N - 1));
}

template <std::size_t N> std::string textOf(const std::array<std::uint8_t, N>& block)
{
    std::string text(block.begin(), block.end());
    return text.substr(0, text.find('\0'));
}
