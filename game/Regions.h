#pragma once
// The brick places of the field, in file units, and sets of them: the wall's
// gap, the places pieces start on, what a tiling still has to cover.
#include <array>
#include <cstdint>
#include <vector>

#include "model/Point.h"

// Every shipped group plays on a field of 20 x 20 file units: ten bricks a
// row, twenty rows.
inline constexpr std::int32_t kFieldWidth = 20;
inline constexpr std::int32_t kFieldHeight = 20;

// A whole brick place: an anchor on the bond whose brick lies inside the field.
bool isBrickPlace(ClPoint p);
// Places are numbered row by row, so a smaller index is higher up or further left.
int placeIndex(ClPoint p);
ClPoint placeAt(int index);

// The six bricks sharing part of an edge with the brick at p.
std::array<ClPoint, 6> bondNeighbours(ClPoint p);

class PlaceSet {
public:
    static constexpr int kSlots = kFieldHeight * kFieldWidth / 2;

    void insert(int index) { words[std::size_t(index) / 64] |= bit(index); }
    bool contains(int index) const { return (words[std::size_t(index) / 64] & bit(index)) != 0; }
    bool empty() const;
    int count() const;
    // The lowest index in the set, or -1 when it is empty.
    int first() const;
    bool includes(const PlaceSet& other) const;
    bool intersects(const PlaceSet& other) const;
    PlaceSet& operator|=(const PlaceSet& other);
    PlaceSet& operator^=(const PlaceSet& other);
    std::vector<int> indices() const;
    friend bool operator==(const PlaceSet&, const PlaceSet&) = default;

private:
    static std::uint64_t bit(int index) { return std::uint64_t(1) << (index % 64); }
    std::array<std::uint64_t, (kSlots + 63) / 64> words{};
};

// False when a cell is no brick place or two cells share one.
bool addPlaces(const ClPoints& cells, PlaceSet& places);
// The set plus every place next to it.
PlaceSet withNeighbours(const PlaceSet& places);
// Places outside the gap from which the field's edge cannot be reached
// without crossing the gap: the wall it encloses.
PlaceSet enclosedPlaces(const PlaceSet& gap);

// Row by row, then left to right; lists compare point by point.
struct RowMajorOrder {
    bool operator()(ClPoint a, ClPoint b) const { return a.y != b.y ? a.y < b.y : a.x < b.x; }
    bool operator()(const ClPoints& a, const ClPoints& b) const;
};

// Shifted so the smallest x and y are 0, sorted row by row: equal lists mean
// equal sets up to a shift.
ClPoints normalised(ClPoints cells);
// Connected through bricks that share part of an edge.
bool isConnected(const ClPoints& cells);
