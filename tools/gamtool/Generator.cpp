#include "Generator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <set>

#include "Regions.h"
#include "Shapes.h"
#include "Solver.h"

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

    template <typename T>
    void shuffle(std::vector<T>& items)
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
    std::int64_t tilings = 0;
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
        ClPuzzle all;
        for (int s : pieceShapes) {
            ClPiece piece;
            piece.shapeIndex = s;
            piece.shape = &shapes[std::size_t(s)];
            all.pieces.push_back(piece);
        }
        kinds = pieceKinds(all, kRotateStep);
        // Two sets need a wider gap; the rest of the field holds the pieces.
        window = rules.sets == 1 ? Window{3, 15, 5, 14} : Window{2, 16, 4, 15};
    }

    std::optional<Candidate> next()
    {
        Candidate c;
        if (!growGap(c))
            return std::nullopt;
        const bool encloses = !enclosedPlaces(c.gap).empty();
        if (encloses != rules.withHole)
            return std::nullopt;
        c.tilings = countTilings(c.gap, kinds, kTilingCountLimit);
        chooseStartTurns(c);
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

    // Lays the pieces one by one against what is laid so far, favouring
    // places that touch much of it and stay near the middle, so the gap comes
    // out compact and centred. A hole group starts around a wall place kept free.
    bool growGap(Candidate& c)
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
                        const bool starts = c.gap.empty() && (rules.withHole ? contacts > 0
                                                                             : laid.contains(placeIndex(middle)));
                        if (!starts && (c.gap.empty() || !touching.intersects(laid)))
                            continue;
                        const Spot spot = centreOf(cells);
                        const double score = contacts - std::hypot(spot.x - kFieldCentre.x, spot.y - kFieldCentre.y) / 40
                                             + 2.5 * random.unit();
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

    // Three of four turnable pieces start turned, and at least one per puzzle.
    void chooseStartTurns(Candidate& c)
    {
        c.start = c.solution;
        bool anyTurned = false;
        for (std::size_t piece = 0; piece < pieceShapes.size(); ++piece) {
            const std::size_t count = turns[std::size_t(pieceShapes[piece])].size();
            if (count > 1 && random.below(4) != 0) {
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
    std::vector<PieceKind> kinds;
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

} // namespace

bool generateGroup(const GroupRules& rules, std::uint32_t seed, std::int32_t count, ClGameFile& file,
                   std::string& error)
{
    const std::vector<ClShape> shapes = brickShapes();
    GroupMaker maker(rules, seed, shapes);
    std::vector<Candidate> found;
    std::set<ClPoints, RowMajorOrder> seen;
    const std::int64_t attempts = std::int64_t(count) * 400 + 1000;
    for (std::int64_t i = 0; i < attempts && std::int64_t(found.size()) < count; ++i) {
        auto candidate = maker.next();
        if (!candidate)
            continue;
        ClPoints gap;
        for (int place : candidate->gap.indices())
            gap.push_back(placeAt(place));
        if (!seen.insert(normalised(gap)).second)
            continue;
        found.push_back(std::move(*candidate));
    }
    if (std::int64_t(found.size()) < count) {
        error = "found only " + std::to_string(found.size()) + " different puzzles";
        return false;
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Candidate& a, const Candidate& b) { return a.tilings > b.tilings; });

    file.header = groupHeader(rules, count);
    file.shapes = shapes;
    file.puzzles.clear();
    const auto& pieceShapes = maker.shapesOfPieces();
    for (std::size_t p = 0; p < found.size(); ++p) {
        ClPuzzle puzzle;
        putText(puzzle.puzzleBlock, "Puzzle " + std::to_string(p + 1));
        for (std::size_t i = 0; i < pieceShapes.size(); ++i) {
            const Laid& solved = found[p].solution[i];
            const Laid& started = found[p].start[i];
            puzzle.pieces.push_back(pieceOf(pieceShapes[i], maker.orientation(i, solved.turn), solved.offset,
                                            maker.orientation(i, started.turn), started.offset));
        }
        puzzle.pieceCount = std::int32_t(puzzle.pieces.size());
        file.puzzles.push_back(std::move(puzzle));
    }
    return true;
}
