#pragma once
// The shipped puzzle groups in a throw-away program folder, and where a
// piece stands, for tests that play them through.
#include <algorithm>
#include <functional>

#include "Soundrecorder.h"
#include "Window.h"
#include "game/Playerchoices.h"
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

// Where a file piece lies in the finished wall, in play units.
inline ClPoints placeInWall(ClPiece filePiece)
{
    filePiece.x *= kBrickScale;
    filePiece.y *= kBrickScale;
    return filePiece.cells();
}

// Plays every puzzle of a shipped group in an active window, fades off and
// sounds recorded, stopping at the first that fails and naming it.
inline void playEveryPuzzle(int group, const std::function<void(Window&, SoundRecorder&, std::int32_t)>& play)
{
    ProgramFolder folder;
    QVERIFY(useShippedGroup(folder, group));
    Window window(folder);
    QVERIFY(window.openActive());
    TFormMain& form = *window.form;
    SoundRecorder sounds;
    form.FrameGameBoard1->soundPlayer = &sounds;
    form.FrameGameBoard1->fadeMilliseconds = 0;
    const auto count = std::int32_t(window.game().gameData->puzzles.size());
    QVERIFY(count >= 60);
    for (std::int32_t index = 0; index < count && !QTest::currentTestFailed(); ++index) {
        window.form->gameInterface->selectPuzzle(index);
        window.board().ShowLevelPicture();
        play(window, sounds, index);
        if (QTest::currentTestFailed())
            qWarning("group %d, puzzle %d", group, index + 1);
    }
}

inline void addShippedGroupRows()
{
    QTest::addColumn<int>("group");
    for (int group = 0; group < kGroupCount; ++group)
        QTest::newRow(qPrintable(QString("group %1").arg(group))) << group;
}
