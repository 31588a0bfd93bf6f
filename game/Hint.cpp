#include "game/Hint.h"

#include <algorithm>

#include "game/Checkerboard.h"
#include "game/Orientations.h"
#include "game/Solver.h"

namespace {

// The gap: every wall cell of the grid, as places.
bool wallPlaces(const ClPositions& grid, PlaceSet& gap)
{
    for (std::int32_t x = 0; x < grid.width; ++x)
        for (std::int32_t y = 0; y < grid.height; ++y) {
            if (grid.getAt(x, y) < 0)
                continue;
            const ClPoints place = inPlaces({{x, y}}, kBrickScale);
            if (place.empty() || !isBrickPlace(place[0]))
                return false;
            gap.insert(placeIndex(place[0]));
        }
    return !gap.empty();
}

// In the gap: on the bond, every brick on a wall cell that no other piece covers.
bool inTheGap(const ClPiece& piece, const ClPositions& grid)
{
    const ClPoints cells = piece.cells();
    return !cells.empty() && std::all_of(cells.begin(), cells.end(), [&](ClPoint c) {
        return c.x % kBrickScale == 0 && c.y % kBrickScale == 0 && grid.getAt(c.x, c.y) == 1;
    });
}

// Turns the piece by right clicks until its cells, up to a shift, are
// `wanted`, then moves it so that their corner lands on `corner`: `done`
// with what the move did, or NotFound when the turn rule never gets there.
HintResult bringTo(ClGameControl& game, ClPiece& piece, const ClPoints& wanted, ClPoint corner, HintOutcome done)
{
    const auto reachable = reachableOrientations(piece, game.gameData->header.rotateStep);
    const auto way = std::find_if(reachable.begin(), reachable.end(),
                                  [&](const Orientation& o) { return o.cells == wanted; });
    if (way == reachable.end())
        return {HintOutcome::NotFound};
    for (int click = 0; click < way->clicks; ++click) {
        const ClPoint brick = piece.cells().front();
        game.turnPiece(&piece, brick.x, brick.y);
    }
    const ClPoint now = cornerOf(piece.cells());
    game.selectedPiece = &piece;
    const PlayOutcome moved = game.movePiece(&piece, piece.x + corner.x - now.x, piece.y + corner.y - now.y);
    game.selectedPiece = nullptr;
    return {done, &piece, moved.complete};
}

HintResult takeBack(ClGameControl& game, ClPiece& piece)
{
    const ClPoints start = piece.atStart().cells();
    if (start.empty())
        return {HintOutcome::NotFound};
    return bringTo(game, piece, normalised(start), cornerOf(start), HintOutcome::TookBack);
}

PlaceSet placesOf(const ClPiece& piece)
{
    PlaceSet places;
    addPlaces(inPlaces(piece.cells(), kBrickScale), places);
    return places;
}

struct Position {
    std::vector<ClPiece*> placed, loose;
    PlaceSet open; // the gap less what the placed pieces cover
};

Position positionOf(ClGameControl& game, const PlaceSet& gap, const ClPiece* leftOut = nullptr)
{
    Position position{{}, {}, gap};
    const ClPositions& grid = game.gameData->checkerboard->positions;
    for (auto& piece : game.puzzle.pieces) {
        if (&piece != leftOut && inTheGap(piece, grid)) {
            position.placed.push_back(&piece);
            position.open ^= placesOf(piece);
        } else {
            position.loose.push_back(&piece);
        }
    }
    return position;
}

// The loose pieces by kind, and the first way they fill what is open.
struct Solution {
    std::vector<PieceKind> kinds;
    TilingCount found;
};

Solution solve(const Position& position, std::int32_t rotateStep, std::int64_t maxSteps)
{
    const std::vector<const ClPiece*> loose(position.loose.begin(), position.loose.end());
    Solution solution{pieceKinds(loose, rotateStep, kBrickScale), {}};
    solution.found = searchTilings(position.open, solution.kinds, 1, maxSteps);
    return solution;
}

} // namespace

HintResult giveHint(ClGameControl& game, std::int64_t maxSteps)
{
    if (!game.isValid() || game.wallComplete())
        return {};
    PlaceSet gap;
    if (!wallPlaces(game.gameData->checkerboard->positions, gap))
        return {HintOutcome::NotFound};
    const std::int32_t step = game.gameData->header.rotateStep;
    const Position position = positionOf(game, gap);
    const Solution solution = solve(position, step, maxSteps);
    const TilingCount& found = solution.found;
    if (!found.firstTiling.empty()) {
        const LaidPiece& laid = found.firstTiling.front();
        // A loose piece lying on those places goes back first, so that the
        // next hint never finds the same place taken. (One already at its
        // start, on a damaged puzzle whose start is in the gap, is moved on.)
        for (ClPiece* piece : position.loose)
            if (placesOf(*piece).intersects(laid.places) && piece->cells() != piece->atStart().cells())
                return takeBack(game, *piece);
        ClPoints cells;
        for (int index : laid.places.indices())
            cells.push_back({placeAt(index).x * kBrickScale, placeAt(index).y * kBrickScale});
        for (ClPiece* piece : position.loose)
            if (pieceKinds({piece}, step, kBrickScale).front().orientations == solution.kinds[laid.kind].orientations)
                return bringTo(game, *piece, normalised(cells), cornerOf(cells), HintOutcome::Placed);
        return {HintOutcome::NotFound};
    }
    if (found.stepsRanOut || position.placed.empty())
        return {HintOutcome::NotFound};
    // The pieces in the gap block every solution: take back the one whose
    // absence lets a solution through, or else the first of them.
    ClPiece* blocker = position.placed.front();
    for (ClPiece* candidate : position.placed)
        if (!solve(positionOf(game, gap, candidate), step, maxSteps).found.firstTiling.empty()) {
            blocker = candidate;
            break;
        }
    return takeBack(game, *blocker);
}
