#include "Turnrule.h"

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
