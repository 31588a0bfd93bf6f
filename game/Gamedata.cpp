#include "game/Gamedata.h"

#include <sstream>

#include "game/Checkerboard.h"

ClGameData::ClGameData() = default;
ClGameData::~ClGameData() = default;

bool ClGameData::load(const std::string& fileName)
{
    return ClGameFile::load(fileName) && loaded();
}

bool ClGameData::take(const ClGameFile& made)
{
    // Through the bytes of its file: the same reading and the same checks as
    // a file on disk, and the pieces pointing into our own shape table.
    std::stringstream bytes(std::ios::in | std::ios::out | std::ios::binary);
    made.writeContent(bytes);
    return readContent(bytes) && loaded();
}

bool ClGameData::loaded()
{
    checkerboard = std::make_unique<ClCheckerboard>(header.gridWidth, header.gridHeight);
    converted = false;
    return true;
}

bool ClGameData::rescaleToPlayUnits()
{
    // Only a successful load makes a checkerboard.
    if (!checkerboard || converted)
        return false;
    header.gridWidth = saturatingMul(header.gridWidth, kBrickScale);
    header.gridHeight = saturatingMul(header.gridHeight, kBrickScale);
    checkerboard = std::make_unique<ClCheckerboard>(header.gridWidth, header.gridHeight);
    header.cellWidth /= kBrickScale;
    header.cellHeight /= kBrickScale;
    for (std::int32_t i = 0; i < header.shapeCount && std::size_t(i) < shapes.size(); ++i) {
        auto& shape = shapes[std::size_t(i)];
        for (float* v : {&shape.centerX, &shape.centerY, &shape.mirrorX, &shape.shapeSpare1, &shape.shapeSpare2,
                         &shape.shapeSpare3})
            *v *= float(kBrickScale);
        for (auto& p : shape.points) {
            p.x = saturatingMul(p.x, kBrickScale);
            p.y = saturatingMul(p.y, kBrickScale);
        }
    }
    converted = true;
    return true;
}
