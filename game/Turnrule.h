#pragma once
// The turn rule of a right click: by its shape index a piece turns by the
// group's step, mirrors, does both, or never changes. The game in play, the
// orientations a piece can reach, and with them the solver, the hint and
// gamtool, all follow this one rule.
#include <cstdint>
#include <optional>

#include "model/Gamefile.h"

// What a right click does to a piece, by its shape index.
enum class TurnRule {
    Turn,           // by the group's turning step
    Never,          // the shape looks the same every way
    Mirror,         // about its mirror axis
    TurnThenMirror, // turns, and mirrors each time it comes round to 0 degrees
    Nothing,        // a shape index the table does not know
};
TurnRule turnRuleOf(std::int32_t shapeIndex);

// Right clicks after which every turn rule has come round on any step down
// to a quarter turn (eight states at most); a damaged angle that never comes
// round stops there too.
inline constexpr int kMostTurns = 8;

// The piece after one right click, in place: only its angle and mirroring
// change. Nothing for the shape that never turns.
std::optional<ClPiece> turnedOnce(ClPiece piece, std::int32_t rotateStep);
// Which way a turn goes: on, as a right click, or back, to the facing whose
// next click gives this one (for a rule of two facings, the same as on).
enum class TurnWay { On, Back };
std::optional<ClPiece> turned(const ClPiece& piece, std::int32_t rotateStep, TurnWay way);
