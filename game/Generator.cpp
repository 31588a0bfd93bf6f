#include "game/Generator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <set>

#include "game/Difficulty.h"
#include "game/Regions.h"
#include "game/Shapes.h"
#include "game/Solver.h"
#include "model/Words.h"

namespace {

// std::mt19937 gives the same stream everywhere; the standard distributions
// do not, so the reductions to a range are our own.
class Random {
public:
    explicit Random(std::uint32_t seed)
        : engine(seed)
    {
    }

    // Uniform in [0, n), n > 0, without modulo bias.
    std::uint32_t below(std::uint32_t n)
    {
        const std::uint64_t range = std::uint64_t(std::mt19937::max()) + 1;
        const std::uint64_t usable = range - range % n;
        std::uint64_t value;
        do
            value = engine();
        while (value >= usable);
        return std::uint32_t(value % n);
    }

    double unit() { return below(1u << 20) / double(1u << 20); }

    template <typename T> void shuffle(std::vector<T>& items)
    {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[below(std::uint32_t(i))]);
    }

private:
    std::mt19937 engine;
};

// Pixel centre of the brick at p, with bricks of 64 x 20: distances then
// look on screen as they are measured.
struct Spot {
    double x;
    double y;
};

Spot spotOf(ClPoint p)
{
    return {(p.x + 1) * 32.0, (p.y + 0.5) * 20.0};
}

Spot centreOf(const ClPoints& cells)
{
    Spot sum{0, 0};
    for (const auto& c : cells) {
        sum.x += spotOf(c).x / double(cells.size());
        sum.y += spotOf(c).y / double(cells.size());
    }
    return sum;
}

const Spot kFieldCentre{kFieldWidth * 16.0, kFieldHeight * 10.0};

ClPoints shifted(const ClPoints& cells, ClPoint by)
{
    ClPoints out = cells;
    translatePoints(out, by.x, by.y);
    return out;
}

struct Laid {
    std::size_t turn; // into the shape's orientations
    ClPoint offset;   // of the normalised cells
};

struct Candidate {
    PlaceSet gap;
    std::vector<Laid> solution;
    std::vector<Laid> start;
    double score = 0;
};

class GroupMaker {
public:
    GroupMaker(const GroupRules& rules, std::uint32_t seed, const std::vector<ClShape>& shapes)
        : rules(rules)
        , random(seed)
    {
        for (int set = 0; set < rules.sets; ++set)
            for (int s = 0; s < kShapeCount; ++s)
                pieceShapes.push_back(s);
        for (std::size_t s = 0; s < shapes.size(); ++s) {
            ClPiece plain;
            plain.shapeIndex = std::int32_t(s);
            plain.shape = &shapes[s];
            turns.push_back(reachableOrientations(plain, kRotateStep));
        }
        // Two sets need a wider gap; the rest of the field holds the pieces.
        window = rules.sets == 1 ? Window{3, 15, 5, 14} : Window{2, 16, 4, 15};
    }

    // Each candidate draws how loosely its gap grows and how many of its
    // pieces start turned, so that the pool spans easy to hard.
    std::optional<Candidate> next()
    {
        Candidate c;
        if (!growGap(c, kLeastLooseness + (kMostLooseness - kLeastLooseness) * random.unit()))
            return std::nullopt;
        const bool encloses = !enclosedPlaces(c.gap).empty();
        if (encloses != rules.withHole)
            return std::nullopt;
        chooseStartTurns(c, kLeastTurnedShare + (1 - kLeastTurnedShare) * random.unit());
        // Pieces touch each other only when a few tries leave no room between them.
        for (int roomyTries = 4; roomyTries >= 0; --roomyTries)
            if (layOutStarts(c, roomyTries > 0))
                return c;
        return std::nullopt;
    }

    const std::vector<int>& shapesOfPieces() const { return pieceShapes; }
    const Orientation& orientation(std::size_t piece, std::size_t turn) const
    {
        return turns[std::size_t(pieceShapes[piece])][turn];
    }

private:
    struct Window {
        std::int32_t left, right, top, bottom;
        bool contains(ClPoint p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
    };

    // How much chance weighs against contact when a gap grows: little gives
    // compact gaps where many placements fit and few lead on, much gives
    // ragged ones that mostly fill themselves.
    static constexpr double kLeastLooseness = 0.5;
    static constexpr double kMostLooseness = 8;
    // A candidate starts between this share and all of its turnable pieces
    // turned: the group as a whole keeps well over half of them turned.
    static constexpr double kLeastTurnedShare = 0.3;

    // Lays the pieces one by one against what is laid so far, favouring
    // places that touch much of it and stay near the middle, so the gap comes
    // out compact and centred; `looseness` is how much chance blurs that.
    // A hole group starts around a wall place kept free.
    bool growGap(Candidate& c, double looseness)
    {
        PlaceSet kept;
        const ClPoint middle{9, 9};
        if (rules.withHole) {
            kept.insert(placeIndex(middle));
            if (random.below(3) == 0)
                kept.insert(placeIndex({11, 9}));
        }
        std::vector<std::size_t> order(pieceShapes.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        random.shuffle(order);
        c.solution.assign(pieceShapes.size(), {});
        for (std::size_t piece : order) {
            const auto& options = turns[std::size_t(pieceShapes[piece])];
            double bestScore = -std::numeric_limits<double>::infinity();
            std::optional<Laid> best;
            PlaceSet bestCells;
            const PlaceSet touching = withNeighbours(c.gap);
            for (std::size_t t = 0; t < options.size(); ++t)
                for (std::int32_t y = window.top; y <= window.bottom; ++y)
                    for (std::int32_t x = window.left; x <= window.right; ++x) {
                        const ClPoints cells = shifted(options[t].cells, {x, y});
                        PlaceSet laid;
                        if (!addPlaces(cells, laid) || laid.intersects(c.gap) || laid.intersects(kept))
                            continue;
                        if (!std::all_of(cells.begin(), cells.end(), [&](ClPoint p) { return window.contains(p); }))
                            continue;
                        int contacts = 0;
                        for (const auto& p : cells)
                            for (const auto& n : bondNeighbours(p))
                                contacts += isBrickPlace(n)
                                            && (c.gap.contains(placeIndex(n)) || kept.contains(placeIndex(n)));
                        const bool starts = c.gap.empty()
                                            && (rules.withHole ? contacts > 0 : laid.contains(placeIndex(middle)));
                        if (!starts && (c.gap.empty() || !touching.intersects(laid)))
                            continue;
                        const Spot spot = centreOf(cells);
                        const double score = contacts
                                             - std::hypot(spot.x - kFieldCentre.x, spot.y - kFieldCentre.y) / 40
                                             + looseness * random.unit();
                        if (score > bestScore) {
                            bestScore = score;
                            best = Laid{t, {x, y}};
                            bestCells = laid;
                        }
                    }
            if (!best)
                return false;
            c.solution[piece] = *best;
            c.gap |= bestCells;
        }
        return true;
    }

    // Each piece goes to the nearest free spot in its own direction around the
    // gap, with a ring of wall kept free around the gap and, when `roomy`,
    // around every piece.
    bool layOutStarts(Candidate& c, bool roomy)
    {
        PlaceSet wall = c.gap;
        wall |= enclosedPlaces(c.gap);
        const PlaceSet nearGap = withNeighbours(wall);
        double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
        for (int i : c.gap.indices()) {
            const Spot s = spotOf(placeAt(i));
            left = std::min(left, s.x);
            right = std::max(right, s.x);
            top = std::min(top, s.y);
            bottom = std::max(bottom, s.y);
        }
        const Spot centre{(left + right) / 2, (top + bottom) / 2};
        const double radiusX = (right - left) / 2 + 130, radiusY = (bottom - top) / 2 + 70;

        std::vector<std::size_t> order(pieceShapes.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        random.shuffle(order);
        const double turnedBy = random.unit();
        PlaceSet taken;
        for (std::size_t slot = 0; slot < order.size(); ++slot) {
            const std::size_t piece = order[slot];
            const double angle = 2 * 3.141592653589793 * (double(slot) + turnedBy) / double(order.size());
            const Spot aim{centre.x + radiusX * std::cos(angle), centre.y + radiusY * std::sin(angle)};
            const Orientation& o = orientation(piece, c.start[piece].turn);
            const std::optional<ClPoint> spot = nearestFree(o, aim, nearGap, roomy ? withNeighbours(taken) : taken);
            if (!spot)
                return false;
            c.start[piece].offset = *spot;
            addPlaces(shifted(o.cells, *spot), taken);
        }
        return true;
    }

    // Each turnable piece starts turned with chance `share`, and at least one per puzzle.
    void chooseStartTurns(Candidate& c, double share)
    {
        c.start = c.solution;
        bool anyTurned = false;
        for (std::size_t piece = 0; piece < pieceShapes.size(); ++piece) {
            const std::size_t count = turns[std::size_t(pieceShapes[piece])].size();
            if (count > 1 && random.unit() < share) {
                c.start[piece].turn = (c.solution[piece].turn + 1 + random.below(std::uint32_t(count - 1))) % count;
                anyTurned = true;
            }
        }
        for (std::size_t piece = 0; !anyTurned && piece < pieceShapes.size(); ++piece) {
            const std::size_t count = turns[std::size_t(pieceShapes[piece])].size();
            if (count > 1) {
                c.start[piece].turn = (c.solution[piece].turn + 1) % count;
                anyTurned = true;
            }
        }
    }

    std::optional<ClPoint> nearestFree(const Orientation& o, Spot aim, const PlaceSet& nearGap,
                                       const PlaceSet& nearPieces)
    {
        std::optional<ClPoint> best;
        double bestDistance = std::numeric_limits<double>::infinity();
        for (std::int32_t y = 0; y < kFieldHeight; ++y)
            for (std::int32_t x = 0; x < kFieldWidth; ++x) {
                // The board never lets a piece's position into the last row or past the top-left edge.
                const ClPoint position{x - o.origin.x, y - o.origin.y};
                if (position.x < 0 || position.y < 0 || position.y > kFieldHeight - 2)
                    continue;
                const ClPoints cells = shifted(o.cells, {x, y});
                PlaceSet laid;
                if (!addPlaces(cells, laid) || laid.intersects(nearGap) || laid.intersects(nearPieces))
                    continue;
                const Spot spot = centreOf(cells);
                const double distance = std::hypot(spot.x - aim.x, spot.y - aim.y) + 8 * random.unit();
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = ClPoint{x, y};
                }
            }
        return best;
    }

    const GroupRules& rules;
    Random random;
    std::vector<int> pieceShapes;
    std::vector<std::vector<Orientation>> turns;
    Window window{};
};

ClPiece pieceOf(int shapeIndex, const Orientation& solved, ClPoint solvedAt, const Orientation& started,
                ClPoint startedAt)
{
    ClPiece piece;
    piece.shapeIndex = shapeIndex;
    piece.x = solvedAt.x - solved.origin.x;
    piece.y = solvedAt.y - solved.origin.y;
    piece.angle = solved.angle;
    piece.flipped = solved.flipped;
    piece.startX = startedAt.x - started.origin.x;
    piece.startY = startedAt.y - started.origin.y;
    piece.startAngle = started.angle;
    piece.startFlipped = started.flipped;
    return piece;
}

// The candidate as a puzzle whose pieces point into `shapes`.
ClPuzzle puzzleOf(const Candidate& c, const GroupMaker& maker, const std::vector<ClShape>& shapes)
{
    ClPuzzle puzzle;
    const auto& pieceShapes = maker.shapesOfPieces();
    for (std::size_t i = 0; i < pieceShapes.size(); ++i) {
        const Laid& solved = c.solution[i];
        const Laid& started = c.start[i];
        ClPiece piece = pieceOf(pieceShapes[i], maker.orientation(i, solved.turn), solved.offset,
                                maker.orientation(i, started.turn), started.offset);
        piece.shape = &shapes[std::size_t(pieceShapes[i])];
        puzzle.pieces.push_back(piece);
    }
    puzzle.pieceCount = std::int32_t(puzzle.pieces.size());
    return puzzle;
}

// `count` of the pool whose scores climb as evenly as the pool allows from
// its easiest to its hardest, easiest first.
std::vector<std::size_t> evenClimb(const std::vector<Candidate>& pool, std::size_t count)
{
    std::vector<std::size_t> byScore(pool.size());
    for (std::size_t i = 0; i < byScore.size(); ++i)
        byScore[i] = i;
    std::stable_sort(byScore.begin(), byScore.end(),
                     [&](std::size_t a, std::size_t b) { return pool[a].score < pool[b].score; });
    const double easiest = pool[byScore.front()].score;
    const double hardest = pool[byScore.back()].score;
    std::vector<bool> taken(pool.size(), false);
    std::vector<std::size_t> picked;
    for (std::size_t step = 0; step < count; ++step) {
        const double target = count == 1 ? easiest : easiest + (hardest - easiest) * double(step) / double(count - 1);
        auto off = [&](std::size_t rank) { return std::fabs(pool[byScore[rank]].score - target); };
        std::size_t nearest = byScore.size();
        for (std::size_t rank = 0; rank < byScore.size(); ++rank)
            if (!taken[rank] && (nearest == byScore.size() || off(rank) < off(nearest)))
                nearest = rank;
        taken[nearest] = true;
        picked.push_back(nearest);
    }
    std::sort(picked.begin(), picked.end());
    for (auto& rank : picked)
        rank = byScore[rank];
    return picked;
}

} // namespace

namespace {
// How far a score lies outside the challenge's quarter; 0 inside it.
double distanceFromChallenge(const GroupRules& rules, Challenge challenge, double score)
{
    const auto quarter = std::size_t(challenge);
    const double floor = quarter == 0 ? -std::numeric_limits<double>::infinity() : rules.quartiles[quarter - 1];
    const double ceiling = quarter == rules.quartiles.size() ? std::numeric_limits<double>::infinity()
                                                             : rules.quartiles[quarter];
    // A score on the ceiling is the next quarter's: half a tenth outside.
    constexpr double kOnTheCeiling = 0.05;
    return score < floor ? floor - score : score >= ceiling ? score - ceiling + kOnTheCeiling : 0;
}
} // namespace

bool generatePuzzle(const GroupRules& rules, std::uint32_t seed, Challenge challenge, ClGameFile& file,
                    std::string& error)
{
    // Enough for the hardest quarter, whose puzzles are the rarest, to turn
    // up nearly always; the bound keeps the time a player waits short.
    constexpr int kAttempts = 4000;
    const std::vector<ClShape> shapes = brickShapes();
    GroupMaker maker(rules, seed, shapes);
    std::optional<Candidate> nearest;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (int i = 0; i < kAttempts && nearestDistance > 0; ++i) {
        auto candidate = maker.next();
        if (!candidate)
            continue;
        const Difficulty difficulty = measureDifficulty(puzzleOf(*candidate, maker, shapes), kRotateStep);
        if (!difficulty.solvable || difficulty.clicks == 0)
            continue;
        const double distance = distanceFromChallenge(rules, challenge, difficulty.score);
        if (distance < nearestDistance) {
            nearestDistance = distance;
            candidate->score = difficulty.score;
            nearest = std::move(candidate);
        }
    }
    if (!nearest) {
        error = words::say("Failure", "no puzzle turned up");
        return false;
    }
    file.header = groupHeader(rules, 1);
    file.shapes = shapes;
    file.puzzles = {puzzleOf(*nearest, maker, file.shapes)};
    // Proven by the solver the hint plays with, before any player sees it.
    PlaceSet gap;
    if (!gapOf(file.puzzles.front(), gap)
        || searchTilings(gap, pieceKinds(file.puzzles.front(), kRotateStep), 1).tilings == 0) {
        error = words::say("Failure", "the puzzle made cannot be solved");
        return false;
    }
    return true;
}

bool generateGroup(const GroupRules& rules, std::uint32_t seed, std::int32_t count, ClGameFile& file,
                   std::string& error)
{
    // Candidates go into a pool many times the count, each scored; an even
    // climb is picked from it.
    constexpr std::int64_t kPoolPerPuzzle = 20;
    const std::vector<ClShape> shapes = brickShapes();
    GroupMaker maker(rules, seed, shapes);
    std::vector<Candidate> pool;
    std::set<ClPoints, RowMajorOrder> seen;
    const std::int64_t poolSize = std::int64_t(count) * kPoolPerPuzzle;
    const std::int64_t attempts = poolSize * 40 + 1000;
    for (std::int64_t i = 0; i < attempts && std::int64_t(pool.size()) < poolSize; ++i) {
        auto candidate = maker.next();
        if (!candidate)
            continue;
        ClPoints gap;
        for (int place : candidate->gap.indices())
            gap.push_back(placeAt(place));
        if (!seen.insert(normalised(gap)).second)
            continue;
        const Difficulty difficulty = measureDifficulty(puzzleOf(*candidate, maker, shapes), kRotateStep);
        // A puzzle that needs no right click teaches nothing of the turn rules.
        if (difficulty.clicks == 0)
            continue;
        candidate->score = difficulty.score;
        pool.push_back(std::move(*candidate));
    }
    if (std::int64_t(pool.size()) < count) {
        error = "found only " + std::to_string(pool.size()) + " different puzzles";
        return false;
    }

    file.header = groupHeader(rules, count);
    file.shapes = shapes;
    file.puzzles.clear();
    for (std::size_t chosen : evenClimb(pool, std::size_t(count))) {
        ClPuzzle puzzle = puzzleOf(pool[chosen], maker, file.shapes);
        putText(puzzle.puzzleBlock, "Puzzle " + std::to_string(file.puzzles.size() + 1));
        file.puzzles.push_back(std::move(puzzle));
    }
    return true;
}
