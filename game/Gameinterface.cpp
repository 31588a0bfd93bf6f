#include "Gameinterface.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include "Folderlisting.h"
#include "Gamerandom.h"
#include "model/Fileaccess.h"

namespace {
// Files under /usr belong to the package manager or the administrator.
constexpr char kSystemPrefix[] = "/usr/";
// Far beyond any background picture; a larger file is not read at all.
constexpr std::size_t kLargestPicture = 64 << 20;
constexpr char kSettingsName[] = "config.dat";

std::string bytes(const QByteArray& path)
{
    return path.toStdString();
}

QByteArray pathOf(const std::string& path)
{
    return QByteArray::fromStdString(path);
}

QByteArrayList pathsOf(const std::vector<std::string>& paths)
{
    QByteArrayList list;
    for (const auto& path : paths)
        list << pathOf(path);
    return list;
}
} // namespace

QByteArray defaultProgramFolder()
{
    std::string program(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", program.data(), program.size());
    if (length <= 0 || std::size_t(length) >= program.size())
        return "./";
    program.resize(std::size_t(length));
    return pathOf(fileaccess::folderOf(program) + '/');
}

QString displayName(const QByteArray& path)
{
    return QString::fromUtf8(path);
}

QString displayFileName(const QByteArray& path)
{
    return displayName(path.mid(path.lastIndexOf('/') + 1));
}

QByteArray userSettingsFolder()
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && configHome[0] == '/')
        return pathOf(fileaccess::joinPath(configHome, "Wallwright"));
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = ::getpwuid(::geteuid());
        home = user ? user->pw_dir : nullptr;
    }
    if (!home || home[0] != '/')
        return {};
    return pathOf(fileaccess::joinPath(fileaccess::joinPath(home, ".config"), "Wallwright"));
}

QByteArray settingsFileFor(const QByteArray& programFolder, const QByteArray& userFolder)
{
    const std::string folder = bytes(programFolder);
    const std::string beside = fileaccess::joinPath(folder, kSettingsName);
    const bool besideProgram = !programFolder.startsWith(kSystemPrefix) && fileaccess::isOwnFolder(folder)
                               && fileaccess::canCreateFileIn(folder);
    if (besideProgram || userFolder.isEmpty() || !fileaccess::makeFolders(bytes(userFolder)))
        return pathOf(beside);
    const std::string own = fileaccess::joinPath(bytes(userFolder), kSettingsName);
    // Only a first run takes the seed: a record of the player's own is never replaced.
    std::string seed, why;
    if (::access(own.c_str(), F_OK) != 0 && errno == ENOENT
        && fileaccess::readStart(beside, ClSettings::kSize, seed, why))
        fileaccess::writeFile(own, seed, why);
    return pathOf(own);
}

ClGameInterface::ClGameInterface(const QByteArray& folder)
    : programFolder(folder.endsWith('/') ? folder : folder + '/')
    , settingsFile(settingsFileFor(programFolder, userSettingsFolder()))
    , progressFile(pathOf(fileaccess::joinPath(fileaccess::folderOf(bytes(settingsFile)), ClProgress::kFileName)))
    , gameControl(std::make_unique<ClGameControl>())
{
    loadProgress();
    std::string why, target;
    if (!settings.loadFrom(bytes(settingsFile), &why) && !why.empty() && why != "it is missing")
        settingsProblem = QString("The settings file \"%1\" cannot be read: %2.")
                              .arg(displayName(settingsFile), QString::fromStdString(why));
    why.clear();
    saveRefused = !fileaccess::canReplace(bytes(settingsFile), target, why);
    if (saveRefused && settingsProblem.isEmpty())
        settingsProblem = QString("The settings file \"%1\" is left as it is and settings are not saved: %2.")
                              .arg(displayName(settingsFile), QString::fromStdString(why));
    collectMediaFiles();
}

ClGameInterface::~ClGameInterface()
{
    std::string why;
    // A refusal was said when the window opened; anything else only now.
    if (!settings.saveTo(bytes(settingsFile), &why) && !saveRefused)
        std::fprintf(stderr, "wallwright: settings not saved to %s: %s\n", settingsFile.constData(), why.c_str());
}

QByteArray ClGameInterface::settingsPath() const
{
    return settingsFile;
}

QByteArray ClGameInterface::groupFilePath(std::int32_t group) const
{
    return programFolder + "Brick" + QByteArray::number(group) + ".gam";
}

void ClGameInterface::loadProgress()
{
    std::string why, asideAs;
    switch (progress.load(bytes(progressFile), why, asideAs)) {
    case ClProgress::LoadResult::Read:
    case ClProgress::LoadResult::Missing:
        return;
    case ClProgress::LoadResult::SetAside:
        progressProblem = QString("The record of solved puzzles \"%1\" cannot be read (%2); it is kept as \"%3\" "
                                  "and a new record begins.")
                              .arg(displayName(progressFile), QString::fromStdString(why),
                                   displayName(pathOf(fileaccess::fileNameOf(asideAs))));
        return;
    case ClProgress::LoadResult::Unreadable:
        progressProblem = QString("The record of solved puzzles \"%1\" cannot be read (%2) nor set aside; "
                                  "solved puzzles are not remembered this time.")
                              .arg(displayName(progressFile), QString::fromStdString(why));
        progressUnusable = true;
        return;
    }
}

void ClGameInterface::restart()
{
    helpedThisPlay = false;
    gameControl->restart();
}

PlayOutcome ClGameInterface::drop(ClPiece* piece, std::int32_t column, std::int32_t row)
{
    return ended(gameControl->snapPiece(piece, column, row));
}

PlayOutcome ClGameInterface::turn(ClPiece* piece, std::int32_t column, std::int32_t row)
{
    return ended(gameControl->turnPiece(piece, column, row));
}

PlayOutcome ClGameInterface::letGo()
{
    return ended(gameControl->letGo());
}

PlayOutcome ClGameInterface::ended(const PlayOutcome& outcome)
{
    gameControl->letGo();
    if (outcome.complete)
        recordSolved();
    return outcome;
}

HintResult ClGameInterface::hint()
{
    const HintResult result = giveHint(*gameControl);
    if (result.outcome == HintOutcome::Placed || result.outcome == HintOutcome::TookBack)
        helpedThisPlay = true;
    if (result.complete)
        recordSolved();
    return result;
}

void ClGameInterface::recordSolved()
{
    ClGameControl& control = *gameControl;
    if (!control.isValid() || progressUnusable)
        return;
    if (!progress.record(control.gameData->puzzles[std::size_t(control.puzzleIndex)], helpedThisPlay))
        return;
    std::string why;
    if (progress.save(bytes(progressFile), why) || !reportUnrecorded)
        return;
    reportUnrecorded(QString("The solved puzzle cannot be recorded in \"%1\": %2.")
                         .arg(displayName(progressFile), QString::fromStdString(why)));
}

Solved ClGameInterface::solvedState() const
{
    ClGameControl& control = *gameControl;
    if (!control.isValid())
        return Solved::No;
    return progress.stateOf(control.gameData->puzzles[std::size_t(control.puzzleIndex)]);
}

std::pair<int, int> ClGameInterface::solvedInGroup(std::int32_t group) const
{
    ClGameFile file;
    if (!file.load(bytes(groupFilePath(group))))
        return {0, 0};
    int solved = 0;
    for (const auto& puzzle : file.puzzles)
        solved += progress.stateOf(puzzle) != Solved::No;
    return {solved, int(file.puzzles.size())};
}

void ClGameInterface::nextPuzzle()
{
    step(&ClGameControl::nextPuzzle);
}

void ClGameInterface::prevPuzzle()
{
    step(&ClGameControl::prevPuzzle);
}

void ClGameInterface::step(bool (ClGameControl::*move)())
{
    if (gameControl->gameData->puzzles.empty())
        return;
    paintRandomBackground();
    (gameControl.get()->*move)();
    settings.lastPuzzle = gameControl->puzzleIndex;
}

void ClGameInterface::selectPuzzle(std::int32_t index)
{
    gameControl->selectPuzzle(index);
    paintRandomBackground();
}

void ClGameInterface::paintRandomBackground()
{
    if (!pictureFiles.isEmpty())
        loadBackground(pictureFiles[gamerandom::below(int(pictureFiles.size()))]);
}

void ClGameInterface::collectMediaFiles()
{
    const std::string music = fileaccess::joinPath(bytes(programFolder), "Music");
    const std::string pictures = fileaccess::joinPath(bytes(programFolder), "Picture");
    musicFiles = pathsOf(findMatchingFiles(music, ".mid")) + pathsOf(findMatchingFiles(music, ".wav"));
    pictureFiles = pathsOf(findMatchingFiles(pictures, ".bmp")) + pathsOf(findMatchingFiles(pictures, ".jpg"));
}

void ClGameInterface::applyMusic()
{
    if (musicPlayer)
        musicPlayer(musicFiles, settings.musicOn != 0);
}

void ClGameInterface::dropPicture(const QByteArray& fileName, const QString& why)
{
    // Once is enough: it is dropped from this run's choices.
    badPictures.insert(fileName);
    pictureFiles.removeAll(fileName);
    if (reportBadPicture)
        reportBadPicture(fileName, why);
}

void ClGameInterface::loadBackground(const QByteArray fileName)
{
    // Compared exactly: an upper-case extension is listed but never painted.
    if (!fileName.endsWith(".bmp") && !fileName.endsWith(".jpg"))
        return;
    if (badPictures.contains(fileName) || background.isNull())
        return;
    std::string content, why;
    if (!fileaccess::readFile(bytes(fileName), kLargestPicture, content, why)) {
        dropPicture(fileName, QString::fromStdString(why));
        return;
    }
    QByteArray encoded = QByteArray::fromStdString(content);
    content.clear();
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::ReadOnly);
    // Decoding straight to the background's size keeps a huge picture cheap.
    QImageReader reader(&buffer);
    if (reader.canRead() && reader.size().isValid())
        reader.setScaledSize(background.size());
    const QImage picture = reader.read();
    if (picture.isNull()) {
        dropPicture(fileName, "it is no picture that can be decoded");
        return;
    }
    QPainter painter(&background);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), background.deviceIndependentSize()), picture);
}
