#pragma once
// Counts the ways a puzzle's pieces tile a gap: an exact cover, always
// filling the first uncovered place of the gap.
#include <cstdint>
#include <vector>

#include "Regions.h"
#include "model/Gamefile.h"

// Pieces that can take the same cells are interchangeable: swapping two of
// them gives no new tiling.
struct PieceKind {
    std::vector<ClPoints> orientations; // normalised
    int count = 0;
};

// The places the pieces cover at their solution placements, in file units;
// false when a brick is no brick place of the field or lies on another's.
bool gapOf(const ClPuzzle& puzzle, PlaceSet& gap);

// The puzzle's pieces by kind, in the orientations their turn rule reaches
// from their start placement.
std::vector<PieceKind> pieceKinds(const ClPuzzle& puzzle, std::int32_t rotateStep);

// The number of tilings of `gap`, counted up to `limit`.
std::int64_t countTilings(const PlaceSet& gap, const std::vector<PieceKind>& kinds, std::int64_t limit);
