#include "game/Solver.h"

#include <algorithm>

#include "game/Orientations.h"
#include "model/Words.h"

bool gapOf(const ClPuzzle& puzzle, PlaceSet& gap, Failure* failure)
{
    gap = PlaceSet{};
    for (const auto& piece : puzzle.pieces) {
        const ClPoints cells = piece.cells();
        if (!std::all_of(cells.begin(), cells.end(), isBrickPlace)) {
            if (failure)
                *failure = {FailureKind::Damaged,
                            words::say("Failure", "a brick of its solution lies off the field's brick places")};
            return false;
        }
        if (!addPlaces(cells, gap)) {
            if (failure)
                *failure = {FailureKind::Damaged, words::say("Failure", "two bricks of its solution lie on one place")};
            return false;
        }
    }
    return true;
}

ClPoints inPlaces(ClPoints cells, std::int32_t unitsPerPlace)
{
    for (auto& c : cells) {
        // A cell between places stands for none; the caller's search then fails.
        if (c.x % unitsPerPlace != 0 || c.y % unitsPerPlace != 0)
            return {};
        c = {c.x / unitsPerPlace, c.y / unitsPerPlace};
    }
    return cells;
}

std::vector<PieceKind> pieceKinds(const ClPuzzle& puzzle, std::int32_t rotateStep)
{
    std::vector<const ClPiece*> pieces;
    for (const auto& piece : puzzle.pieces)
        pieces.push_back(&piece);
    return pieceKinds(pieces, rotateStep, 1);
}

std::vector<PieceKind> pieceKinds(const std::vector<const ClPiece*>& pieces, std::int32_t rotateStep,
                                  std::int32_t unitsPerPlace)
{
    std::vector<PieceKind> kinds;
    for (const ClPiece* piece : pieces) {
        std::vector<ClPoints> orientations;
        for (auto& o : reachableOrientations(piece->atStart(), rotateStep))
            orientations.push_back(inPlaces(std::move(o.cells), unitsPerPlace));
        std::sort(orientations.begin(), orientations.end(), RowMajorOrder{});
        auto same = std::find_if(kinds.begin(), kinds.end(),
                                 [&](const PieceKind& k) { return k.orientations == orientations; });
        if (same != kinds.end())
            ++same->count;
        else
            kinds.push_back({std::move(orientations), 1});
    }
    return kinds;
}

std::vector<Fit> fitsIn(const PlaceSet& region, const ClPoints& cells)
{
    std::vector<Fit> fits;
    if (cells.empty())
        return fits;
    for (int target : region.indices()) {
        const ClPoint t = placeAt(target);
        ClPoints shifted = cells;
        translatePoints(shifted, t.x - cells[0].x, t.y - cells[0].y);
        PlaceSet laid;
        if (addPlaces(shifted, laid) && region.includes(laid))
            fits.push_back({target, laid});
    }
    return fits;
}

namespace {

class Search {
public:
    Search(const PlaceSet& gap, const std::vector<PieceKind>& kinds, std::int64_t limit, std::int64_t maxSteps)
        : limit(limit)
        , maxSteps(maxSteps)
    {
        for (const auto& kind : kinds) {
            left.push_back(kind.count);
            placements.emplace_back();
            for (const auto& cells : kind.orientations)
                placements.back().push_back(placementsOf(cells, gap));
        }
    }

    TilingCount run(const PlaceSet& gap)
    {
        cover(gap);
        return {found, steps, steps >= maxSteps && found < limit, std::move(firstTiling)};
    }

private:
    using ByFirstPlace = std::vector<std::pair<bool, PlaceSet>>;

    // For every place of the gap, the orientation laid with its first cell
    // there, if it stays inside the gap. Cells are sorted row by row, so that
    // first cell is the one that covers the gap's first open place.
    static ByFirstPlace placementsOf(const ClPoints& cells, const PlaceSet& gap)
    {
        ByFirstPlace out(PlaceSet::kSlots);
        for (const Fit& fit : fitsIn(gap, cells))
            out[std::size_t(fit.first)] = {true, fit.places};
        return out;
    }

    void cover(const PlaceSet& open)
    {
        const int target = open.first();
        if (target < 0) {
            if (++found == 1)
                firstTiling = path;
            return;
        }
        for (std::size_t k = 0; k < placements.size() && !done(); ++k) {
            if (left[k] == 0)
                continue;
            --left[k];
            for (const auto& byPlace : placements[k]) {
                const auto& [fits, laid] = byPlace[std::size_t(target)];
                ++steps;
                if (fits && open.includes(laid)) {
                    PlaceSet rest = open;
                    rest ^= laid;
                    path.push_back({k, laid});
                    cover(rest);
                    path.pop_back();
                }
                if (done())
                    break;
            }
            ++left[k];
        }
    }

    bool done() const { return found >= limit || steps >= maxSteps; }

    std::int64_t limit;
    std::int64_t maxSteps;
    std::int64_t found = 0;
    std::int64_t steps = 0;
    std::vector<int> left;
    std::vector<std::vector<ByFirstPlace>> placements;
    std::vector<LaidPiece> path, firstTiling;
};

} // namespace

std::int64_t countTilings(const PlaceSet& gap, const std::vector<PieceKind>& kinds, std::int64_t limit)
{
    return searchTilings(gap, kinds, limit).tilings;
}

TilingCount searchTilings(const PlaceSet& gap, const std::vector<PieceKind>& kinds, std::int64_t limit,
                          std::int64_t maxSteps)
{
    std::int64_t bricks = 0;
    for (const auto& kind : kinds)
        if (!kind.orientations.empty())
            bricks += std::int64_t(kind.count) * std::int64_t(kind.orientations.front().size());
    if (bricks != gap.count() || limit <= 0 || gap.empty())
        return {};
    return Search(gap, kinds, limit, maxSteps).run(gap);
}
