#pragma once
// The top-level game object: the game in play, the player's settings, the
// background picture and the music and picture files found beside the game.
#include <functional>
#include <memory>

#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>

#include "Gamecontrol.h"
#include "Settings.h"

class ClGameInterface {
public:
    // Reads the settings from "config.dat" (see settingsFileFor) and lists
    // the media files in the program folder.
    explicit ClGameInterface(const QString& programFolder);
    ~ClGameInterface(); // writes the settings back

    ClGameInterface(const ClGameInterface&) = delete;
    ClGameInterface& operator=(const ClGameInterface&) = delete;

    void restart();
    // A new random background, a step, and the new index remembered.
    void nextPuzzle();
    void prevPuzzle();
    // A step to the index (refused outside the group) and a new background.
    void selectPuzzle(std::int32_t index);
    void collectMediaFiles();
    void applyMusic();
    // Paints a ".bmp" or ".jpg" file stretched over the whole background.
    void loadBackground(const QString& fileName);

    QString settingsPath() const;
    QString groupFilePath(std::int32_t group) const;

    const QString programFolder; // ends with a separator
    const QString settingsFile;
    std::unique_ptr<ClGameControl> gameControl;
    QImage background;
    ClSettings settings;
    QStringList pictureFiles;
    QStringList musicFiles;

    // Where the music list and switch go; the game is silent without it.
    std::function<void(const QStringList& files, bool on)> musicPlayer;
    // Told once about each picture that cannot be decoded.
    std::function<void(const QString& fileName)> reportBadPicture;

private:
    void step(bool (ClGameControl::*move)());
    void paintRandomBackground();
    QSet<QString> badPictures;
};

// The folder of the running program's own file, links resolved.
QString defaultProgramFolder();

// Whether a file can really be made in the folder. Tried, not read from the
// permission bits, which do not stop root.
bool canCreateFileIn(const QString& folder);

// Where "config.dat" is kept. An installed game's folder is read-only, so
// then it lives in userFolder, which a first run creates and seeds with the
// program folder's copy. When userFolder cannot be made either, the program
// folder's copy is still read.
QString settingsFileFor(const QString& programFolder, bool programFolderWritable, const QString& userFolder);
