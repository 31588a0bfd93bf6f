#pragma once
// The top-level game object: the game in play, the player's settings, the
// background picture and the music and picture files found beside the game.
// File paths are bytes (QByteArray), exactly as the file system has them.
#include <functional>
#include <memory>

#include <QByteArray>
#include <QByteArrayList>
#include <QImage>
#include <QSet>
#include <QString>

#include "Gamecontrol.h"
#include "Hint.h"
#include "Progress.h"
#include "Settings.h"

class ClGameInterface {
public:
    // Reads the settings from "config.dat" (see settingsFileFor) and lists
    // the media files in the program folder.
    explicit ClGameInterface(const QByteArray& programFolder);
    ~ClGameInterface(); // writes the settings back

    ClGameInterface(const ClGameInterface&) = delete;
    ClGameInterface& operator=(const ClGameInterface&) = delete;

    // Play: the puzzle from its start, no hint taken yet.
    void restart();
    // The player's moves on the puzzle in play, through the game in play:
    // the held piece dropped at a play cell by the snap rule, turned by a
    // right click at a play point, or let go as it lies; and a hint, after
    // which a finished puzzle counts as solved with help. Each says what it
    // did and lets go of the held piece. A move that completes the wall has
    // recorded the solve, on disk too, before it returns.
    PlayOutcome drop(ClPiece* piece, std::int32_t column, std::int32_t row);
    PlayOutcome turn(ClPiece* piece, std::int32_t column, std::int32_t row);
    PlayOutcome letGo();
    HintResult hint();
    // How the puzzle shown has been solved before.
    Solved solvedState() const;
    // Solved puzzles and all puzzles of a group; (0, 0) when its file cannot be read.
    std::pair<int, int> solvedInGroup(std::int32_t group) const;
    // A new random background, a step, and the new index remembered.
    void nextPuzzle();
    void prevPuzzle();
    // A step to the index (refused outside the group) and a new background.
    void selectPuzzle(std::int32_t index);
    void collectMediaFiles();
    void applyMusic();
    // Paints a ".bmp" or ".jpg" file stretched over the whole background.
    // The name is taken by value: a picture that cannot be shown leaves
    // pictureFiles, which may hold the very name passed.
    void loadBackground(const QByteArray fileName);

    QByteArray settingsPath() const;
    QByteArray groupFilePath(std::int32_t group) const;

    const QByteArray programFolder; // ends with a separator
    const QByteArray settingsFile;
    // Why the settings file or the record of solved puzzles could not be read,
    // or the settings will not be saved; empty when all is well. Said once,
    // when the window opens.
    QString settingsProblem;
    QString progressProblem;
    const QByteArray progressFile; // beside the settings
    ClProgress progress;
    std::unique_ptr<ClGameControl> gameControl;
    QImage background;
    ClSettings settings;
    QByteArrayList pictureFiles;
    QByteArrayList musicFiles;

    // Where the music list and switch go; the game is silent without it.
    std::function<void(const QByteArrayList& files, bool on)> musicPlayer;
    // Told once about each picture that cannot be shown, and why.
    std::function<void(const QByteArray& fileName, const QString& why)> reportBadPicture;
    // Told when a solved puzzle cannot be recorded, and why.
    std::function<void(const QString& message)> reportUnrecorded;

private:
    void step(bool (ClGameControl::*move)());
    PlayOutcome ended(const PlayOutcome& outcome);
    void recordSolved();
    void loadProgress();
    void paintRandomBackground();
    void dropPicture(const QByteArray& fileName, const QString& why);
    QSet<QByteArray> badPictures;
    bool saveRefused = false;
    bool helpedThisPlay = false;
    bool progressUnusable = false; // neither read nor set aside: never overwritten
};

// The folder of the running program's own file, links resolved.
QByteArray defaultProgramFolder();

// A path for people to read; bytes that are no UTF-8 show as replacement
// characters, which is only ever used for display.
QString displayName(const QByteArray& path);
// The same for the last part of the path only.
QString displayFileName(const QByteArray& path);

// Where "config.dat" is kept: beside the program when the program folder
// belongs to the player and a file can be made there (a build folder, a
// copy in one's home), never in a system folder under /usr. Otherwise in
// userFolder, which a first run creates and seeds with the program folder's
// copy. When userFolder cannot be made either, the program folder's copy is
// still read.
QByteArray settingsFileFor(const QByteArray& programFolder, const QByteArray& userFolder);

// $XDG_CONFIG_HOME/Wallwright, or ~/.config/Wallwright.
QByteArray userSettingsFolder();
