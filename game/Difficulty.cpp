#include "game/Difficulty.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "game/Groups.h"
#include "game/Regions.h"
#include "game/Shapes.h"
#include "game/Solver.h"

namespace {

// For each kind of piece, for each piece of it, the right clicks it needs to
// reach each of the kind's orientations from its start.
using ClicksByKind = std::vector<std::vector<std::vector<int>>>;

ClicksByKind clicksFromStart(const ClPuzzle& puzzle, const std::vector<PieceKind>& kinds, std::int32_t rotateStep)
{
    ClicksByKind clicks(kinds.size());
    for (const auto& piece : puzzle.pieces) {
        const auto reachable = reachableOrientations(piece.atStart(), rotateStep);
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            const auto& orientations = kinds[k].orientations;
            if (orientations.size() != reachable.size())
                continue;
            std::vector<int> toEach;
            for (const auto& cells : orientations) {
                const auto o = std::find_if(reachable.begin(), reachable.end(),
                                            [&](const Orientation& r) { return r.cells == cells; });
                if (o == reachable.end())
                    break;
                toEach.push_back(o->clicks);
            }
            if (toEach.size() == orientations.size()) {
                clicks[k].push_back(std::move(toEach));
                break;
            }
        }
    }
    return clicks;
}

// Fills the gap always at the open place where the fewest placements fit,
// so a forced move comes first, as a careful player would; every tiling is
// found, and what was laid on the way is counted.
class CarefulSearch {
public:
    CarefulSearch(const PlaceSet& gap, const std::vector<PieceKind>& kinds, ClicksByKind clicks)
        : gapPlaces(gap.indices())
        , covering(PlaceSet::kSlots)
        , clicks(std::move(clicks))
    {
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            left.push_back(kinds[k].count);
            for (std::size_t o = 0; o < kinds[k].orientations.size(); ++o)
                addPlacements(k, o, kinds[k].orientations[o], gap);
        }
        useful.assign(placements.size(), false);
    }

    Difficulty run(const PlaceSet& gap)
    {
        result.starts = std::int64_t(placements.size());
        result.clicks = std::numeric_limits<std::int64_t>::max();
        fill(gap);
        result.solvable = result.tilings > 0;
        result.startsThatLead = std::count(useful.begin(), useful.end(), true);
        if (!result.solvable)
            result.clicks = 0;
        return result;
    }

private:
    struct Placement {
        std::size_t kind;
        std::size_t orientation;
        PlaceSet cells;
    };

    // Every spot of the gap the orientation fits in, by the places it covers.
    void addPlacements(std::size_t kind, std::size_t orientation, const ClPoints& cells, const PlaceSet& gap)
    {
        for (Fit& fit : fitsIn(gap, cells)) {
            for (int place : fit.places.indices())
                covering[std::size_t(place)].push_back(placements.size());
            placements.push_back({kind, orientation, std::move(fit.places)});
        }
    }

    bool fits(std::size_t id, const PlaceSet& open) const
    {
        return left[placements[id].kind] > 0 && open.includes(placements[id].cells);
    }

    // True when some tiling completes below; a placement for which it is
    // false was a wrong move.
    bool fill(const PlaceSet& open)
    {
        if (open.empty()) {
            tilingFound();
            return true;
        }
        int tightest = -1;
        std::size_t fewest = std::numeric_limits<std::size_t>::max();
        for (int place : gapPlaces) {
            if (!open.contains(place))
                continue;
            const auto& here = covering[std::size_t(place)];
            const auto ways = std::size_t(
                std::count_if(here.begin(), here.end(), [&](std::size_t id) { return fits(id, open); }));
            if (ways < fewest) {
                fewest = ways;
                tightest = place;
                if (ways <= 1)
                    break;
            }
        }
        bool leads = false;
        for (std::size_t id : covering[std::size_t(tightest)]) {
            // Bounded like every search of the tool, so a damaged file cannot hold it up.
            if (result.tilings >= kTilingCountLimit || result.nodes >= kDefaultSearchSteps)
                break;
            if (!fits(id, open))
                continue;
            ++result.nodes;
            const Placement& p = placements[id];
            PlaceSet rest = open;
            rest ^= p.cells;
            --left[p.kind];
            laid.push_back(id);
            if (fill(rest))
                leads = true;
            else
                ++result.wrongMoves;
            laid.pop_back();
            ++left[p.kind];
        }
        return leads;
    }

    void tilingFound()
    {
        if (result.tilings++ == 0)
            result.nodesToFirst = result.nodes;
        for (std::size_t id : laid)
            useful[id] = true;
        result.clicks = std::min(result.clicks, fewestClicks());
    }

    // Pieces of one kind may swap places: each kind's pieces take its
    // orientations in this tiling in the cheapest order.
    std::int64_t fewestClicks() const
    {
        std::int64_t total = 0;
        for (std::size_t k = 0; k < clicks.size(); ++k) {
            std::vector<std::size_t> wanted;
            for (std::size_t id : laid)
                if (placements[id].kind == k)
                    wanted.push_back(placements[id].orientation);
            std::sort(wanted.begin(), wanted.end());
            std::int64_t best = std::numeric_limits<std::int64_t>::max();
            do {
                std::int64_t sum = 0;
                for (std::size_t i = 0; i < wanted.size() && i < clicks[k].size(); ++i)
                    sum += clicks[k][i][wanted[i]];
                best = std::min(best, sum);
            } while (std::next_permutation(wanted.begin(), wanted.end()));
            total += best;
        }
        return total;
    }

    std::vector<int> gapPlaces;
    std::vector<Placement> placements;
    std::vector<std::vector<std::size_t>> covering; // by place
    std::vector<int> left;
    std::vector<std::size_t> laid;
    std::vector<bool> useful;
    ClicksByKind clicks;
    Difficulty result;
};

// Three things make a gap hard for a person, each read off the careful search:
// - Wrong moves: pieces laid that no tiling can follow, each one taken back.
//   With the tilings spread through the search, a player who tries the
//   options in no set order makes wrongMoves / (tilings + 1) of them before
//   the first tiling appears; so more tilings make it easier.
// - Starts that lead nowhere: most ways a piece fits into the empty gap
//   belong to no tiling; the smaller the share that do, the more a first
//   guess misleads.
// - Clicks: every right click is one more turn rule to apply and one more
//   orientation to imagine.
// The first two weigh by their logarithm, as a player feels "twice as many
// wrong moves" the same at any level: 10 points for each doubling. A click
// weighs 2 points: it costs a thought, not a search.
double scoreOf(const Difficulty& d)
{
    const double wrongBeforeFirst = double(d.wrongMoves) / double(d.tilings + 1);
    const double misleadingStarts = double(d.starts) / double(d.startsThatLead);
    const double score = 10 * std::log2(1 + wrongBeforeFirst) + 10 * std::log2(misleadingStarts) + 2 * double(d.clicks);
    return std::round(score * 10) / 10;
}

} // namespace

Difficulty measureDifficulty(const ClPuzzle& puzzle, std::int32_t rotateStep)
{
    PlaceSet gap;
    const auto kinds = pieceKinds(puzzle, rotateStep);
    if (!gapOf(puzzle, gap) || gap.empty() || countTilings(gap, kinds, 1) == 0)
        return {};
    Difficulty d = CarefulSearch(gap, kinds, clicksFromStart(puzzle, kinds, rotateStep)).run(gap);
    d.score = scoreOf(d);
    return d;
}
