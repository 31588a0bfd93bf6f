#include "game/Turnrule.h"

TurnRule turnRuleOf(std::int32_t shapeIndex)
{
    switch (shapeIndex) {
    case 0:
    case 2:
        return TurnRule::Turn;
    case 1:
        return TurnRule::Never;
    case 3:
        return TurnRule::Mirror;
    case 4:
        return TurnRule::TurnThenMirror;
    default:
        return TurnRule::Nothing;
    }
}

std::optional<ClPiece> turnedOnce(ClPiece piece, std::int32_t rotateStep)
{
    switch (turnRuleOf(piece.shapeIndex)) {
    case TurnRule::Turn:
        piece.rotate(rotateStep);
        break;
    case TurnRule::Never:
        return std::nullopt;
    case TurnRule::Mirror:
        piece.flip();
        break;
    case TurnRule::TurnThenMirror:
        piece.rotate(rotateStep);
        if (piece.angle == 0)
            piece.flip();
        break;
    case TurnRule::Nothing:
        break;
    }
    return piece;
}

namespace {
std::optional<ClPiece> turnedBack(const ClPiece& piece, std::int32_t rotateStep)
{
    const auto sameFacing = [](const ClPiece& a, const ClPiece& b) {
        return a.angle == b.angle && a.flipped == b.flipped;
    };
    std::optional<ClPiece> before = turnedOnce(piece, rotateStep);
    for (int clicks = 1; before && clicks < kMostTurns; ++clicks) {
        const std::optional<ClPiece> next = turnedOnce(*before, rotateStep);
        if (!next || sameFacing(*next, piece))
            return before;
        before = next;
    }
    return before; // a damaged angle that never comes round: as far back as it goes
}
} // namespace

std::optional<ClPiece> turned(const ClPiece& piece, std::int32_t rotateStep, TurnWay way)
{
    return way == TurnWay::Back ? turnedBack(piece, rotateStep) : turnedOnce(piece, rotateStep);
}
