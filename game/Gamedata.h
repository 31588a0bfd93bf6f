#pragma once
// The puzzle collection of the open group: the file's content plus the wall
// occupancy grid sized for its play grid.
#include <cstdint>
#include <memory>
#include <string>

#include "model/Gamefile.h"

class ClCheckerboard;

// Play units per file unit. The collection's conversion, the game's copies of
// placements and the board's brick size all depend on this one number.
inline constexpr std::int32_t kBrickScale = 4;

class ClGameData : public ClGameFile {
public:
    ClGameData();
    ~ClGameData() override;

    bool load(const std::string& fileName) override;
    // The content of a collection made in memory, as if loaded from its file.
    bool take(const ClGameFile& made);

    // Converts freshly loaded content from file units to play units. Refused
    // (false) when nothing was loaded or the content is converted already, so
    // geometry is never multiplied twice.
    bool rescaleToPlayUnits();
    bool inPlayUnits() const { return converted; }

    std::unique_ptr<ClCheckerboard> checkerboard;

private:
    // Fresh content in file units: a wall grid of its size.
    bool loaded();

    bool converted = false;
};
