#include "Gameinterface.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include "Folderlisting.h"
#include "Gamerandom.h"
#include "Zoom.h"
#include "model/Fileaccess.h"
#include "model/Jpegscan.h"

namespace {
// Folders that belong to the package manager or the administrator: the game
// writes nothing there, whoever runs it.
constexpr const char* kSystemFolders[] = {"/usr", "/etc", "/bin", "/sbin", "/lib", "/lib32", "/lib64",
                                          "/libx32", "/boot", "/dev", "/proc", "/sys"};
// Far beyond any background picture; a larger file is not read at all.
constexpr std::size_t kLargestPicture = 64 << 20;
// A guard behind the pixel limits, for decoders that allocate more.
constexpr int kAllocationLimitMb = 64;
constexpr char kSettingsName[] = "config.dat";
// What a killed write left behind is this old at least; a younger one may
// still be on its way to its rename.
constexpr int kLeftoverSeconds = 60;

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

// Judged by whole parts of the path: "/usrlocal" is no part of "/usr".
bool isSystemPath(const std::string& folder)
{
    if (folder == "/")
        return true;
    for (const std::string system : kSystemFolders)
        if (folder == system || folder.starts_with(system + '/'))
            return true;
    return false;
}

// The folder as it really is, links resolved, judged by the part that exists.
std::string resolvedAsFarAsItExists(const std::string& folder)
{
    std::string existing = folder, rest;
    while (!fileaccess::exists(existing) && fileaccess::folderOf(existing) != existing) {
        rest = "/" + fileaccess::fileNameOf(existing) + rest;
        existing = fileaccess::folderOf(existing);
    }
    const std::string real = fileaccess::resolved(existing);
    if (real.empty())
        return folder;
    // The root itself stays "/", or it would pass for no folder at all.
    return real == "/" && !rest.empty() ? rest : real + rest;
}

QString notSavedProblem(const std::string& folder, const std::string& why)
{
    return QString("Settings and solved puzzles are not saved: the folder \"%1\" cannot be used (%2).")
        .arg(displayName(pathOf(folder)), QString::fromStdString(why));
}
} // namespace

QByteArray defaultProgramFolder()
{
    const std::string program = fileaccess::programFile();
    return program.empty() ? QByteArray("./") : pathOf(fileaccess::folderOf(program) + '/');
}

QString displayName(const QByteArray& path)
{
    return QString::fromUtf8(path);
}

QString displayFileName(const QByteArray& path)
{
    return displayName(path.mid(path.lastIndexOf('/') + 1));
}

bool isSystemFolder(const QByteArray& folder)
{
    return isSystemPath(resolvedAsFarAsItExists(bytes(folder)));
}

QByteArray userSettingsFolder()
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && configHome[0] == '/')
        return pathOf(fileaccess::joinPath(configHome, "Wallwright"));
    const std::string home = fileaccess::homeFolder();
    if (home.empty())
        return {};
    return pathOf(fileaccess::joinPath(fileaccess::joinPath(home, ".config"), "Wallwright"));
}

SettingsPlace settingsPlaceFor(const QByteArray& programFolder, const QByteArray& userFolder)
{
    const std::string folder = bytes(programFolder);
    const std::string beside = fileaccess::joinPath(folder, kSettingsName);
    Failure failure;
    if (!isSystemFolder(programFolder) && fileaccess::isOwnFolder(folder)
        && fileaccess::canCreateFileIn(folder, failure))
        return {pathOf(beside), pathOf(beside), {}};
    const std::string user = bytes(userFolder);
    if (user.empty())
        return {pathOf(beside), {}, "Settings and solved puzzles are not saved: there is no home folder for them."};
    const std::string own = fileaccess::joinPath(user, kSettingsName);
    if (isSystemFolder(userFolder))
        failure = {FailureKind::Refused, "it is a system folder"};
    else if (fileaccess::makeOwnFolders(user, failure) && fileaccess::canCreateFileIn(user, failure)) {
        // Only a first run takes the seed: a record of the player's own is never replaced.
        std::string seed;
        Failure seedFailure;
        if (!fileaccess::exists(own) && fileaccess::readStart(beside, ClSettings::kSize, seed, seedFailure))
            fileaccess::writeFile(own, seed, seedFailure);
        return {pathOf(own), pathOf(own), {}};
    }
    // Read what there is, write nothing.
    const bool ownIsThere = fileaccess::isOwnFolder(user) && fileaccess::isRegularFile(own);
    return {pathOf(ownIsThere ? own : beside), {}, notSavedProblem(user, failure.why)};
}

ClGameInterface::ClGameInterface(const QByteArray& folder)
    : programFolder(folder.endsWith('/') ? folder : folder + '/')
    , place(settingsPlaceFor(programFolder, userSettingsFolder()))
    , progressFile(place.saveTo.isEmpty() ? QByteArray()
                                          : pathOf(fileaccess::joinPath(fileaccess::folderOf(bytes(place.saveTo)),
                                                                        ClProgress::kFileName)))
    , gameControl(std::make_unique<ClGameControl>())
{
    loadProgress();
    Failure failure;
    if (!place.readFrom.isEmpty() && !settings.loadFrom(bytes(place.readFrom), &failure) && failure
        && failure.kind != FailureKind::Missing)
        settingsProblem = QString("The settings file \"%1\" cannot be read: %2.")
                              .arg(displayName(place.readFrom), QString::fromStdString(failure.why));
    std::string target;
    failure = {};
    saveRefused = place.saveTo.isEmpty() || !fileaccess::canReplace(bytes(place.saveTo), target, failure);
    if (!place.problem.isEmpty())
        settingsProblem = place.problem;
    else if (saveRefused && settingsProblem.isEmpty())
        settingsProblem = QString("The settings file \"%1\" is left as it is and settings are not saved: %2.")
                              .arg(displayName(place.saveTo), QString::fromStdString(failure.why));
    if (!saveRefused)
        removeLeftovers();
    collectMediaFiles();
}

void ClGameInterface::removeLeftovers()
{
    const std::string folder = fileaccess::folderOf(bytes(place.saveTo));
    // Every writer holds this lock while its temporary file exists.
    const fileaccess::FolderLock lock(folder);
    if (!lock.held())
        return;
    for (const char* name : {kSettingsName, ClProgress::kFileName, zoom::kFileName})
        fileaccess::removeLeftovers(folder, name, kLeftoverSeconds);
}

ClGameInterface::~ClGameInterface()
{
    // Changes were saved as they were made; this writes any that failed then,
    // and makes the file of a first run.
    Failure failure;
    if (!saveRefused && !settings.saveFields(bytes(place.saveTo), unsavedFields, &failure))
        std::fprintf(stderr, "wallwright: settings not saved to %s: %s\n", place.saveTo.constData(),
                     failure.why.c_str());
}

QByteArray ClGameInterface::settingsPath() const
{
    return place.saveTo;
}

void ClGameInterface::sayOnce(bool& said, const QString& message)
{
    if (said)
        return;
    said = true;
    if (reportProblem)
        reportProblem(message);
}

void ClGameInterface::settingsChanged(ClSettings::Fields fields)
{
    unsavedFields |= fields;
    if (saveRefused)
        return; // said when the window opened
    Failure failure;
    if (settings.saveFields(bytes(place.saveTo), unsavedFields, &failure)) {
        unsavedFields = 0;
        return;
    }
    sayOnce(saveFailureSaid, QString("The settings cannot be saved to \"%1\": %2.")
                                 .arg(displayName(place.saveTo), QString::fromStdString(failure.why)));
}

QByteArray ClGameInterface::groupFilePath(std::int32_t group) const
{
    return programFolder + "Brick" + QByteArray::number(group) + ".gam";
}

void ClGameInterface::loadProgress()
{
    if (progressFile.isEmpty())
        return;
    Failure failure;
    std::string asideAs;
    switch (progress.load(bytes(progressFile), failure, asideAs)) {
    case ClProgress::LoadResult::Read:
    case ClProgress::LoadResult::Missing:
        return;
    case ClProgress::LoadResult::SetAside:
        progressProblem = QString("The record of solved puzzles \"%1\" cannot be read (%2); it is kept as \"%3\" "
                                  "and a new record begins.")
                              .arg(displayName(progressFile), QString::fromStdString(failure.why),
                                   displayName(pathOf(fileaccess::fileNameOf(asideAs))));
        return;
    case ClProgress::LoadResult::Unreadable:
        progressProblem = QString("The record of solved puzzles \"%1\" cannot be read (%2) nor set aside; "
                                  "solved puzzles are not remembered this time.")
                              .arg(displayName(progressFile), QString::fromStdString(failure.why));
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

PlayOutcome ClGameInterface::undo()
{
    return ended(gameControl->undo());
}

PlayOutcome ClGameInterface::redo()
{
    return ended(gameControl->redo());
}

bool ClGameInterface::puzzleHasMoves() const
{
    return gameControl->canUndo();
}

HintResult ClGameInterface::hint()
{
    // What was changed before is a step of its own; the hint is the next.
    gameControl->letGo();
    const HintResult result = giveHint(*gameControl);
    gameControl->letGo();
    if (result.outcome == HintOutcome::Placed || result.outcome == HintOutcome::TookBack)
        helpedThisPlay = true;
    if (result.complete)
        recordSolved();
    return result;
}

void ClGameInterface::recordSolved()
{
    ClGameControl& control = *gameControl;
    if (!control.isValid())
        return;
    switch (progress.record(control.gameData->puzzles[std::size_t(control.puzzleIndex)], helpedThisPlay)) {
    case ClProgress::RecordResult::Unchanged:
        return;
    case ClProgress::RecordResult::Full:
        sayOnce(recordFullSaid, QString("The record of solved puzzles is full (%1 puzzles): newly solved puzzles "
                                        "are not added to it.")
                                    .arg(ClProgress::kMostEntries));
        return;
    case ClProgress::RecordResult::Recorded:
        break;
    }
    // Without a place to save (said when the window opened) it is kept for this run.
    if (progressFile.isEmpty() || progressUnusable)
        return;
    Failure failure;
    if (!progress.saveMerged(bytes(progressFile), failure))
        sayOnce(recordFailureSaid, QString("The solved puzzle cannot be recorded in \"%1\": %2.")
                                       .arg(displayName(progressFile), QString::fromStdString(failure.why)));
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

std::vector<Solved> ClGameInterface::solvedMarks() const
{
    std::vector<Solved> marks;
    for (const auto& puzzle : gameControl->gameData->puzzles)
        marks.push_back(progress.stateOf(puzzle));
    return marks;
}

void ClGameInterface::nextPuzzle()
{
    step([this] { gameControl->nextPuzzle(); });
}

void ClGameInterface::prevPuzzle()
{
    step([this] { gameControl->prevPuzzle(); });
}

void ClGameInterface::goToPuzzle(std::int32_t index)
{
    step([this, index] { gameControl->selectPuzzle(index); });
}

void ClGameInterface::step(const std::function<void()>& move)
{
    if (gameControl->gameData->puzzles.empty())
        return;
    paintRandomBackground();
    move();
    settings.lastPuzzle = gameControl->puzzleIndex;
    settingsChanged(ClSettings::kLastPuzzle);
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
    std::string content;
    Failure failure;
    if (!fileaccess::readFile(bytes(fileName), kLargestPicture, content, failure)) {
        dropPicture(fileName, QString::fromStdString(failure.why));
        return;
    }
    const bool decodedWhole = jpegDecodesWhole(content);
    // Read in place: a bitmap's file is as large as its pixels.
    QByteArray encoded = QByteArray::fromRawData(content.data(), qsizetype(content.size()));
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(kAllocationLimitMb);
    const QSize claimed = reader.canRead() ? reader.size() : QSize();
    if (claimed.isValid()) {
        // The header's word is taken before anything is decoded: a few bytes
        // can claim a picture of gigabytes.
        const bool scaledWhileRead = reader.format() == "jpeg" && !decodedWhole;
        const qint64 most = scaledWhileRead ? kMostPixelsDecodedScaled : kMostPixelsDecodedWhole;
        if (qint64(claimed.width()) * claimed.height() > most) {
            dropPicture(fileName, QString("it claims %1 x %2 pixels, more than the game decodes (%3 million at most)")
                                      .arg(claimed.width())
                                      .arg(claimed.height())
                                      .arg(most / 1'000'000));
            return;
        }
        // Decoding straight to the background's size keeps a large photo cheap.
        reader.setScaledSize(background.size());
    }
    const QImage picture = reader.read();
    if (picture.isNull()) {
        dropPicture(fileName, "it is no picture that can be decoded");
        return;
    }
    QPainter painter(&background);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), background.deviceIndependentSize()), picture);
}
