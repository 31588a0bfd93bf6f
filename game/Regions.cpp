#include "game/Regions.h"

#include <algorithm>
#include <bit>

bool isBrickPlace(ClPoint p)
{
    return p.x >= 0 && p.x <= kFieldWidth - 2 && p.y >= 0 && p.y < kFieldHeight && (p.x + p.y) % 2 == 0;
}

int placeIndex(ClPoint p)
{
    return p.y * (kFieldWidth / 2) + p.x / 2;
}

ClPoint placeAt(int index)
{
    const std::int32_t y = index / (kFieldWidth / 2);
    return {2 * (index % (kFieldWidth / 2)) + y % 2, y};
}

std::array<ClPoint, 6> bondNeighbours(ClPoint p)
{
    return {{{p.x - 2, p.y}, {p.x + 2, p.y}, {p.x - 1, p.y - 1}, {p.x + 1, p.y - 1}, {p.x - 1, p.y + 1},
             {p.x + 1, p.y + 1}}};
}

bool PlaceSet::empty() const
{
    return std::all_of(words.begin(), words.end(), [](std::uint64_t w) { return w == 0; });
}

int PlaceSet::count() const
{
    int n = 0;
    for (auto w : words)
        n += std::popcount(w);
    return n;
}

int PlaceSet::first() const
{
    for (std::size_t i = 0; i < words.size(); ++i)
        if (words[i] != 0)
            return int(i) * 64 + std::countr_zero(words[i]);
    return -1;
}

bool PlaceSet::includes(const PlaceSet& other) const
{
    for (std::size_t i = 0; i < words.size(); ++i)
        if ((other.words[i] & ~words[i]) != 0)
            return false;
    return true;
}

bool PlaceSet::intersects(const PlaceSet& other) const
{
    for (std::size_t i = 0; i < words.size(); ++i)
        if ((other.words[i] & words[i]) != 0)
            return true;
    return false;
}

PlaceSet& PlaceSet::operator|=(const PlaceSet& other)
{
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] |= other.words[i];
    return *this;
}

PlaceSet& PlaceSet::operator^=(const PlaceSet& other)
{
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] ^= other.words[i];
    return *this;
}

std::vector<int> PlaceSet::indices() const
{
    std::vector<int> out;
    for (int i = 0; i < kSlots; ++i)
        if (contains(i))
            out.push_back(i);
    return out;
}

bool addPlaces(const ClPoints& cells, PlaceSet& places)
{
    for (const auto& c : cells) {
        if (!isBrickPlace(c) || places.contains(placeIndex(c)))
            return false;
        places.insert(placeIndex(c));
    }
    return true;
}

PlaceSet withNeighbours(const PlaceSet& places)
{
    PlaceSet out = places;
    for (int i : places.indices())
        for (const auto& n : bondNeighbours(placeAt(i)))
            if (isBrickPlace(n))
                out.insert(placeIndex(n));
    return out;
}

PlaceSet enclosedPlaces(const PlaceSet& gap)
{
    // Flood the wall from every place on the field's edge; what stays dry is enclosed.
    PlaceSet reached;
    std::vector<int> todo;
    for (int i = 0; i < PlaceSet::kSlots; ++i) {
        const ClPoint p = placeAt(i);
        if (!isBrickPlace(p) || gap.contains(i))
            continue;
        const auto around = bondNeighbours(p);
        if (std::any_of(around.begin(), around.end(), [](ClPoint n) { return !isBrickPlace(n); })) {
            reached.insert(i);
            todo.push_back(i);
        }
    }
    while (!todo.empty()) {
        const ClPoint p = placeAt(todo.back());
        todo.pop_back();
        for (const auto& n : bondNeighbours(p))
            if (isBrickPlace(n) && !gap.contains(placeIndex(n)) && !reached.contains(placeIndex(n))) {
                reached.insert(placeIndex(n));
                todo.push_back(placeIndex(n));
            }
    }
    PlaceSet enclosed;
    for (int i = 0; i < PlaceSet::kSlots; ++i)
        if (isBrickPlace(placeAt(i)) && !gap.contains(i) && !reached.contains(i))
            enclosed.insert(i);
    return enclosed;
}

bool RowMajorOrder::operator()(const ClPoints& a, const ClPoints& b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), *this);
}

ClPoints normalised(ClPoints cells)
{
    const ClPoint corner = cornerOf(cells);
    for (auto& c : cells)
        c = {clampToInt32(std::int64_t(c.x) - corner.x), clampToInt32(std::int64_t(c.y) - corner.y)};
    std::sort(cells.begin(), cells.end(), RowMajorOrder{});
    return cells;
}

bool isConnected(const ClPoints& cells)
{
    if (cells.empty())
        return false;
    std::vector<bool> reached(cells.size(), false);
    std::vector<std::size_t> todo{0};
    reached[0] = true;
    while (!todo.empty()) {
        const ClPoint p = cells[todo.back()];
        todo.pop_back();
        for (const auto& n : bondNeighbours(p))
            for (std::size_t j = 0; j < cells.size(); ++j)
                if (!reached[j] && cells[j] == n) {
                    reached[j] = true;
                    todo.push_back(j);
                }
    }
    return std::all_of(reached.begin(), reached.end(), [](bool r) { return r; });
}
