#pragma once
// The top-level game object: the game in play, the player's settings, the
// background picture and the music and picture files found beside the game.
// File paths are bytes (QByteArray), exactly as the file system has them.
#include <functional>
#include <future>
#include <memory>
#include <optional>

#include <QByteArray>
#include <QByteArrayList>
#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>
#include <QTimer>

#include "game/Gamecontrol.h"
#include "game/Hint.h"
#include "game/Pendingsaves.h"
#include "game/Progress.h"
#include "game/Puzzlecode.h"
#include "game/Settings.h"
#include "game/Settingsplace.h"

class ClGameInterface {
    Q_DECLARE_TR_FUNCTIONS(ClGameInterface)

public:
    // What the player reads of a change kept for later: while it waits, %1
    // the file and %2 why; at exit, when it never went through, %1 the path.
    struct SaveWords {
        QString waiting;
        QString lostAtExit;
    };

    // Reads the settings from "config.dat" (see settingsPlaceFor), removes
    // what killed writes left beside it, and lists the media files in the
    // program folder.
    explicit ClGameInterface(const QByteArray& programFolder);
    ~ClGameInterface(); // writes the settings back

    ClGameInterface(const ClGameInterface&) = delete;
    ClGameInterface& operator=(const ClGameInterface&) = delete;

    // Play: the puzzle from its start, no hint taken yet, no move made, and
    // its time starting now.
    void restart();
    // Leaving the puzzle in play for another (Play afresh, a step, another
    // group): one with moves is kept, with its group and background, so that
    // undo can go back to it until the player moves a piece again.
    void leavePlay();
    // Where a puzzle comes from: its group, and its code when it is a fresh one.
    struct PuzzleSource {
        std::int32_t group = 0;
        std::optional<PuzzleCode> fresh;
        bool operator==(const PuzzleSource&) const = default;
    };
    // Where that puzzle came from, when undo can go back to one.
    std::optional<PuzzleSource> leftPlaySource() const;
    // Back in play on it, every piece where it lay and its undo history
    // behind it, remembered like a step; what it came from must be loaded.
    // False when there is none or what is loaded no longer holds it.
    bool resumeLeftPlay();
    // A fresh puzzle in play in place of the group's: the one the code makes,
    // shown like a step. The group's remembered puzzle stays as it was. False,
    // with the reason, when none can be made.
    bool playFresh(const PuzzleCode& code, std::string& why);
    // The fresh puzzle in play; none while the group's puzzles are.
    const std::optional<PuzzleCode>& freshPuzzle() const { return fresh; }
    // A group's puzzles were loaded, in place of a fresh one or another group.
    void groupLoaded(std::int32_t group)
    {
        fresh.reset();
        ownFileInPlay = group == kOwnFileGroup;
    }
    // The player's moves on the puzzle in play, through the game in play:
    // the held piece dropped at a play cell by the snap rule, turned by a
    // right click at a play point, or let go as it lies; and a hint, after
    // which a finished puzzle counts as solved with help. Each says what it
    // did and lets go of the held piece. A move that completes the wall has
    // recorded the solve, on disk too, merged with what another running game
    // recorded; reportProblem hears, once, when the record cannot be written
    // (it is then kept and written later) or is full. A drop, a turn, a hint,
    // an undo or a redo that changed anything is a move of the play; the
    // solve is recorded with the play's moves and time.
    PlayOutcome drop(ClPiece* piece, std::int32_t column, std::int32_t row);
    PlayOutcome turn(ClPiece* piece, std::int32_t column, std::int32_t row, TurnWay way = TurnWay::On);
    PlayOutcome letGo();
    HintResult hint();
    // The last change to the puzzle in play taken back, or the one taken back
    // last brought back, as a move of the game in play: a redo that completes
    // the wall records the solve as a drop would. A hint taken back still
    // counts as help.
    PlayOutcome undo();
    PlayOutcome redo();
    // Whether the puzzle in play has a change that undo could take back; never
    // outside play, since a solve and every step end the history.
    bool puzzleHasMoves() const;
    // How the puzzle shown has been solved before, and its best so far.
    Solved solvedState() const { return shownBest().state; }
    BestSolve shownBest() const;
    // The last solve of this run, its time and moves; none before the first.
    const std::optional<SolveResult>& lastSolve() const { return solve; }
    // Solved puzzles and all puzzles of a group; (0, 0) when its file cannot be read.
    std::pair<int, int> solvedInGroup(std::int32_t group) const;
    // A new random background, a step, and the new index remembered (on disk too).
    void nextPuzzle();
    void prevPuzzle();
    // A step to the index (refused outside the group) and a new background.
    void selectPuzzle(std::int32_t index);
    // The player changed these settings fields: on disk at once, merged
    // field by field with what another running game wrote meanwhile.
    void settingsChanged(ClSettings::Fields fields);
    // Puts a change the player made on disk: written now under the folder's
    // lock, or, while another game holds it or the folder refuses, kept and
    // written as soon as it can be (at the next change, after a short while,
    // at the latest at exit).
    void keep(const QByteArray& file, const SaveWords& words, ClPendingSaves::Save write);
    // Writes what is kept, never waiting; true when nothing is left.
    bool retrySaves();
    bool savesPending() const { return saves.pending(); }
    // The same, with the index remembered as Next remembers it: the player
    // chose this puzzle.
    void goToPuzzle(std::int32_t index);
    // How each puzzle of the open group has been solved, and its best, in order.
    std::vector<BestSolve> puzzleBests() const;
    void collectMediaFiles();
    void applyMusic();
    // Paints a ".bmp" or ".jpg" file stretched over the whole background.
    // The name is taken by value: a picture that cannot be shown leaves
    // pictureFiles, which may hold the very name passed.
    void loadBackground(const QByteArray fileName);
    // The background is shown at this size in logical pixels and this scale;
    // one already there is scaled smoothly to it. Until a size is named no
    // picture is painted: there is nowhere to show it. Once it is, the first
    // puzzle's picture is chosen and decoded while the window is built.
    void sizeBackground(QSize logical, int scale);

    // The settings file written, empty when settings are not saved.
    QByteArray settingsPath() const;
    // A file kept beside the settings; empty when settings are not saved.
    QByteArray pathBesideSettings(const char* name) const;
    // The group's puzzle file; for kOwnFileGroup, the one the player opened.
    QByteArray groupFilePath(std::int32_t group) const;
    // The puzzle file the player opened, empty for none.
    QByteArray ownFile;

    const QByteArray programFolder; // ends with a separator
    const SettingsPlace place;
    // Why the settings file or the record of solved puzzles could not be read,
    // or the settings will not be saved; empty when all is well. Said once,
    // when the window opens.
    QString settingsProblem;
    QString progressProblem;
    const QByteArray progressFile; // beside the settings; empty when not saved
    ClProgress progress;
    std::unique_ptr<ClGameControl> gameControl;
    // The picture behind the board, black where none was painted. It is made
    // with the first puzzle's picture, which most often becomes it whole: a
    // black one made before would be filled only to be thrown away.
    QImage background;
    ClSettings settings;
    QByteArrayList pictureFiles;
    QByteArrayList musicFiles;

    // Where the music list and switch go; the game is silent without it.
    std::function<void(const QByteArrayList& files, bool on)> musicPlayer;
    // Told once about each picture that cannot be shown, and why.
    std::function<void(const QByteArray& fileName, const QString& why)> reportBadPicture;
    // Told when a change cannot be saved; once, not at every change.
    std::function<void(const QString& message)> reportProblem;
    // What a play is timed by, in milliseconds: a steady clock, so that the
    // system's time set back never makes a solve faster.
    std::function<std::int64_t()> clock;

    // Background pictures claiming more pixels than these are not decoded,
    // so that a few bytes claiming gigapixels cost nothing. A picture decoded
    // whole (a bitmap, or a JPEG whose coefficients the decoder keeps: a
    // progressive one, or one sent a colour at a time) costs up to 4 bytes a
    // pixel at full size: up to a 6000 x 4000 photo is shown all the same.
    static constexpr qint64 kMostPixelsDecodedWhole = 24'000'000;
    // Other JPEGs decode scaled down as they are read, so photos as large
    // as a camera's cost little memory; their time grows with their pixels.
    static constexpr qint64 kMostPixelsDecodedScaled = 30'000'000;

private:
    // A new random background, the move of the game in play, and the index
    // it leads to remembered.
    void step(const std::function<void()>& move);
    PlayOutcome ended(const PlayOutcome& outcome);
    void countMove();
    void recordSolved();
    void loadProgress();
    void removeLeftovers();
    void paintRandomBackground();
    // One of pictureFiles, which must not be empty, by the game's chance.
    QByteArray randomPictureFile() const;
    // The background at the named size, black, unless there is one.
    void ensureBackground();
    QSize backgroundPixels; // empty until the view names a size
    int backgroundScale = 1;
    // A picture file read and decoded for the background, or why it cannot
    // be shown; nothing for a file that is no picture to try.
    struct DecodedPicture {
        QImage picture;
        std::optional<QString> problem;
    };
    static DecodedPicture decodePicture(const QByteArray& fileName, QSize pixels);
    void showPicture(const QByteArray& fileName, const DecodedPicture& decoded);
    // The first puzzle's picture, chosen and decoded on a thread of its own
    // while the window is built: once the view names the background's size,
    // there is nothing else left to know.
    struct FirstPicture {
        QByteArray fileName;
        QSize pixels;
        std::future<DecodedPicture> decoded;
    };
    std::optional<FirstPicture> firstPicture;
    void dropPicture(const QByteArray& fileName, const QString& why);
    void sayOnce(bool& said, const QString& message);
    QSet<QByteArray> badPictures;
    bool saveRefused = false;
    // The play since Play: whether a hint helped, its moves, and when it began.
    struct PlayTally {
        bool helped = false;
        std::uint32_t moves = 0;
        std::int64_t startedAt = 0;
    };
    PlayTally thisPlay;
    std::optional<SolveResult> solve;
    bool progressUnusable = false; // neither read nor set aside: never overwritten
    ClSettings::Fields unsavedFields = 0;
    bool recordFullSaid = false;
    ClPendingSaves saves;
    QHash<QByteArray, SaveWords> wordsOfSave; // by file
    QTimer retryTimer;
    PuzzleSource shownSource() const { return {ownFileInPlay ? kOwnFileGroup : settings.group, fresh}; }
    // The puzzle in play as the one the group opens on next time, on disk too.
    void rememberPuzzle();

    std::optional<PuzzleCode> fresh;
    bool ownFileInPlay = false;
    struct Left {
        PuzzleSource source;
        ClProgress::Key puzzle; // what it was, should the file change meanwhile
        LeftPlay play;
        PlayTally tally;
        QImage background;
    };
    std::optional<Left> leftPlay;
};

// The folder of the running program's own file, links resolved.
QByteArray defaultProgramFolder();
