#pragma once
// The shipped puzzle groups in a throw-away program folder, and where a
// piece stands, for tests that play them through.
#include <algorithm>

#include <QFile>

#include "Programfolder.h"
#include "game/Regions.h"

// The brick anchor that comes first row by row: where a piece stands,
// whichever way it faces.
inline ClPoint topLeft(const ClPoints& cells)
{
    return *std::min_element(cells.begin(), cells.end(), RowMajorOrder{});
}

// The folder's group 0 made a copy of a shipped group.
inline bool useShippedGroup(ProgramFolder& folder, int group)
{
    QFile::remove(folder.path("Brick0.gam"));
    return QFile::copy(QString(PUZZLE_DIR "/Brick%1.gam").arg(group), folder.path("Brick0.gam"));
}
