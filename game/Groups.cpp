#include "game/Groups.h"

#include "game/Regions.h"

namespace {

constexpr GroupRules kGroups[kGroupCount] = {
    {0, kGroupCaptions[0], false, 1, {36.05, 52.65, 69.25}},
    {1, kGroupCaptions[1], true, 1, {37.25, 53.4, 69.55}},
    {2, kGroupCaptions[2], false, 2, {76.9, 97.6, 118.35}},
    {3, kGroupCaptions[3], true, 2, {66.1, 88.6, 111.2}},
};

} // namespace

const GroupRules* groupRules(std::int64_t group)
{
    return group >= 0 && group < kGroupCount ? &kGroups[group] : nullptr;
}

const GroupRules* groupOfHeader(const ClGameHeader& header)
{
    const std::string caption = textOf(header.headerBlockA);
    for (const auto& rules : kGroups)
        if (caption == rules.caption)
            return &rules;
    return nullptr;
}

ClGameHeader groupHeader(const GroupRules& rules, std::int32_t puzzleCount)
{
    ClGameHeader header;
    putText(header.headerBlockA, rules.caption);
    header.puzzleCount = puzzleCount;
    header.shapeCount = kShapeCount;
    header.gridWidth = kFieldWidth;
    header.gridHeight = kFieldHeight;
    header.rotateStep = kRotateStep;
    // One file unit is half a brick across and one brick down: 64 x 20 pixels a brick.
    header.cellWidth = 32;
    header.cellHeight = 20;
    return header;
}
