#pragma once
// Counts the ways a puzzle's pieces tile a gap: an exact cover, always
// filling the first uncovered place of the gap.
#include <cstdint>
#include <string>
#include <vector>

#include "game/Regions.h"
#include "model/Gamefile.h"

// Pieces that can take the same cells are interchangeable: swapping two of
// them gives no new tiling.
struct PieceKind {
    std::vector<ClPoints> orientations; // normalised
    int count = 0;
};

// The places the pieces cover at their solution placements, in file units.
// False, with the reason, when a brick is no brick place of the field or
// lies on another's.
bool gapOf(const ClPuzzle& puzzle, PlaceSet& gap, Failure* failure = nullptr);

// The puzzle's pieces by kind, in the orientations their turn rule reaches
// from their start placement.
std::vector<PieceKind> pieceKinds(const ClPuzzle& puzzle, std::int32_t rotateStep);
// The same for some pieces whose cells are in units of 1 / unitsPerPlace of
// a place (play units: kBrickScale).
std::vector<PieceKind> pieceKinds(const std::vector<const ClPiece*>& pieces, std::int32_t rotateStep,
                                  std::int32_t unitsPerPlace);
// Cells in units of 1 / unitsPerPlace as places; empty when one lies between places.
ClPoints inPlaces(ClPoints cells, std::int32_t unitsPerPlace);

// One way to lay a piece's cells into a region: the place its first cell
// takes, and every place it covers.
struct Fit {
    int first = 0;
    PlaceSet places;
};
// Every way the cells (in places, normalised) fit inside the region, by the
// place their first cell takes, in place order.
std::vector<Fit> fitsIn(const PlaceSet& region, const ClPoints& cells);

// Search steps (pieces tried at a place) allowed by default: a few seconds.
inline constexpr std::int64_t kDefaultSearchSteps = 50'000'000;

// A piece of some kind laid on some places of the gap.
struct LaidPiece {
    std::size_t kind = 0;
    PlaceSet places;
};

struct TilingCount {
    std::int64_t tilings = 0;
    std::int64_t steps = 0;
    bool stepsRanOut = false; // stopped at the step bound, undecided
    std::vector<LaidPiece> firstTiling; // empty when there is none
};

// The tilings of `gap`, counted up to `limit`, in at most `maxSteps` steps.
TilingCount searchTilings(const PlaceSet& gap, const std::vector<PieceKind>& kinds, std::int64_t limit,
                          std::int64_t maxSteps = kDefaultSearchSteps);
std::int64_t countTilings(const PlaceSet& gap, const std::vector<PieceKind>& kinds, std::int64_t limit);
