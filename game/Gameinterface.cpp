#include "game/Gameinterface.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include "game/Displaynames.h"
#include "game/Folderlisting.h"
#include "game/Gamerandom.h"
#include "game/Zoom.h"
#include "model/Fileaccess.h"
#include "model/Jpegscan.h"

namespace {
// A decoded picture's pixels, and at most a bitmap file's.
constexpr qint64 kBytesPerPixel = 4;
constexpr qint64 kMiB = 1 << 20;
// The largest bitmap the pixel limit lets through, headers and palette and
// all; a larger file is not read at all.
constexpr std::size_t kLargestPicture = ClGameInterface::kMostPixelsDecodedWhole * kBytesPerPixel + kMiB;
// A guard behind the pixel limits, for decoders that allocate more than the
// largest picture decoded whole.
constexpr int kAllocationLimitMb = int((ClGameInterface::kMostPixelsDecodedWhole * kBytesPerPixel + kMiB - 1) / kMiB);
// What a killed write left behind is this old at least; a younger one may
// still be on its way to its rename.
constexpr int kLeftoverSeconds = 60;
// A change that could not be written is tried again this soon: another game
// holds the lock only while it writes a small file.
constexpr int kRetryMilliseconds = 500;
// At exit, with the window already gone, a lock held by another game is
// waited for this long before what is kept is given up.
constexpr auto kExitPatience = std::chrono::seconds(2);

std::int64_t steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

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

// Why nothing is saved, for the player; empty when all is well.
QString problemOf(const SettingsPlace& place)
{
    switch (place.problem) {
    case SettingsPlace::Problem::None:
        return {};
    case SettingsPlace::Problem::NoHomeFolder:
        return ClGameInterface::tr("Settings and solved puzzles are not saved: there is no home folder for them.");
    case SettingsPlace::Problem::UnusableFolder:
        break;
    }
    return ClGameInterface::tr("Settings and solved puzzles are not saved: the folder \"%1\" cannot be used (%2).")
        .arg(displayName(pathOf(place.unusableFolder)), QString::fromStdString(place.why));
}
} // namespace

QByteArray defaultProgramFolder()
{
    const std::string program = fileaccess::programFile();
    return program.empty() ? QByteArray("./") : pathOf(fileaccess::folderOf(program) + '/');
}

ClGameInterface::ClGameInterface(const QByteArray& folder)
    : programFolder(folder.endsWith('/') ? folder : folder + '/')
    , place(settingsPlaceFor(bytes(programFolder), userSettingsFolder()))
    , progressFile(pathBesideSettings(ClProgress::kFileName))
    , gameControl(std::make_unique<ClGameControl>())
    , clock(steadyMilliseconds)
{
    saves.failed = [this](const std::string& file, const Failure& failure) {
        if (reportProblem)
            reportProblem(wordsOfSave.value(pathOf(file))
                              .waiting.arg(displayName(pathOf(file)), QString::fromStdString(failure.why)));
    };
    retryTimer.setSingleShot(true);
    retryTimer.setInterval(kRetryMilliseconds);
    QObject::connect(&retryTimer, &QTimer::timeout, [this] { retrySaves(); });
    saves.deferred = [this] { retryTimer.start(); };
    loadProgress();
    Failure failure;
    if (!place.readFrom.empty() && !settings.loadFrom(place.readFrom, &failure) && failure
        && failure.kind != FailureKind::Missing)
        settingsProblem = tr("The settings file \"%1\" cannot be read: %2.")
                              .arg(displayName(pathOf(place.readFrom)), QString::fromStdString(failure.why));
    std::string target;
    failure = {};
    saveRefused = place.saveTo.empty() || !fileaccess::canReplace(place.saveTo, target, failure);
    if (place.problem != SettingsPlace::Problem::None)
        settingsProblem = problemOf(place);
    else if (saveRefused && settingsProblem.isEmpty())
        settingsProblem = tr("The settings file \"%1\" is left as it is and settings are not saved: %2.")
                              .arg(displayName(pathOf(place.saveTo)), QString::fromStdString(failure.why));
    if (!saveRefused)
        removeLeftovers();
    collectMediaFiles();
}

void ClGameInterface::removeLeftovers()
{
    const std::string folder = fileaccess::folderOf(place.saveTo);
    // Every writer holds this lock while its temporary file exists.
    const fileaccess::FolderLock lock(folder);
    if (!lock.held())
        return;
    for (const std::string& name :
         {fileaccess::fileNameOf(place.saveTo), std::string(ClProgress::kFileName), std::string(zoom::kFileName)})
        fileaccess::removeLeftovers(folder, name, kLeftoverSeconds);
}

ClGameInterface::~ClGameInterface()
{
    // Changes were saved as they were made; this writes those kept since,
    // and makes the file of a first run.
    saves.deferred = {};
    if (!saveRefused && !fileaccess::exists(place.saveTo))
        settingsChanged(0);
    if (saves.finish(kExitPatience))
        return;
    // The path as the file system has it: a name that is no UTF-8 still finds the file.
    for (const std::string& file : saves.files())
        std::fprintf(stderr, "%s\n",
                     wordsOfSave.value(pathOf(file)).lostAtExit.toUtf8().replace("%1", pathOf(file)).constData());
}

QByteArray ClGameInterface::settingsPath() const
{
    return pathOf(place.saveTo);
}

QByteArray ClGameInterface::pathBesideSettings(const char* name) const
{
    return pathOf(place.beside(name));
}

void ClGameInterface::keep(const QByteArray& file, const SaveWords& words, ClPendingSaves::Save write)
{
    wordsOfSave.insert(file, words);
    saves.save(bytes(file), std::move(write));
}

bool ClGameInterface::retrySaves()
{
    if (saves.retry())
        return true;
    retryTimer.start();
    return false;
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
    const SaveWords words{tr("The settings cannot be saved to \"%1\" now: %2. It is kept and saved as soon as it "
                             "can be."),
                          tr("wallwright: The settings could not be saved to %1: another running game holds its "
                             "folder's lock, or the folder refuses the write.")};
    keep(pathOf(place.saveTo), words, [this](Failure& failure) {
        // Every field changed since the last write that went through.
        if (!settings.saveFields(place.saveTo, unsavedFields, &failure))
            return false;
        unsavedFields = 0;
        return true;
    });
}

QByteArray ClGameInterface::groupFilePath(std::int32_t group) const
{
    return group == kOwnFileGroup ? ownFile : programFolder + "Brick" + QByteArray::number(group) + ".gam";
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
        progressProblem = tr("The record of solved puzzles \"%1\" cannot be read (%2); it is kept as \"%3\" "
                             "and a new record begins.")
                              .arg(displayName(progressFile), QString::fromStdString(failure.why),
                                   displayName(pathOf(fileaccess::fileNameOf(asideAs))));
        return;
    case ClProgress::LoadResult::Unreadable:
        progressProblem = tr("The record of solved puzzles \"%1\" cannot be read (%2) nor set aside; "
                             "solved puzzles are not remembered this time.")
                              .arg(displayName(progressFile), QString::fromStdString(failure.why));
        progressUnusable = true;
        return;
    }
}

void ClGameInterface::restart()
{
    leavePlay();
    thisPlay = {false, 0, clock()};
    gameControl->restart();
}

void ClGameInterface::leavePlay()
{
    if (puzzleHasMoves())
        leftPlay = Left{shownSource(), ClProgress::keyOf(gameControl->gameData->puzzles[gameControl->puzzleIndex]),
                        gameControl->leavePlay(), thisPlay, background};
}

std::optional<ClGameInterface::PuzzleSource> ClGameInterface::leftPlaySource() const
{
    return leftPlay ? std::optional(leftPlay->source) : std::nullopt;
}

bool ClGameInterface::resumeLeftPlay()
{
    const auto& puzzles = gameControl->gameData->puzzles;
    const std::int32_t index = leftPlay ? leftPlay->play.puzzleIndex : -1;
    if (!leftPlay || leftPlay->source != shownSource() || index < 0 || std::size_t(index) >= puzzles.size()
        || ClProgress::keyOf(puzzles[std::size_t(index)]) != leftPlay->puzzle
        || !gameControl->resumePlay(leftPlay->play))
        return false;
    thisPlay = leftPlay->tally;
    background = leftPlay->background;
    leftPlay.reset();
    rememberPuzzle();
    return true;
}

bool ClGameInterface::playFresh(const PuzzleCode& code, std::string& why)
{
    ClGameFile made;
    if (!makePuzzle(code, made, why))
        return false;
    leavePlay();
    ClGameData& data = *gameControl->gameData;
    if (!data.take(made) || !data.rescaleToPlayUnits()) {
        why = data.loadFailure().why;
        return false;
    }
    fresh = code;
    selectPuzzle(0);
    return true;
}

PlayOutcome ClGameInterface::drop(ClPiece* piece, std::int32_t column, std::int32_t row)
{
    return ended(gameControl->snapPiece(piece, column, row));
}

PlayOutcome ClGameInterface::turn(ClPiece* piece, std::int32_t column, std::int32_t row, TurnWay way)
{
    return ended(gameControl->turnPiece(piece, column, row, way));
}

PlayOutcome ClGameInterface::letGo()
{
    return ended(gameControl->letGo());
}

PlayOutcome ClGameInterface::ended(const PlayOutcome& outcome)
{
    gameControl->letGo();
    if (outcome.change != PieceChange::None)
        countMove();
    // A move in this play: undo now takes it back, not the step that led here.
    if (gameControl->canUndo() || outcome.complete)
        leftPlay.reset();
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
    if (result.outcome == HintOutcome::Placed || result.outcome == HintOutcome::TookBack) {
        thisPlay.helped = true;
        countMove();
        leftPlay.reset();
    }
    if (result.complete)
        recordSolved();
    return result;
}

void ClGameInterface::countMove()
{
    if (thisPlay.moves < std::numeric_limits<std::uint32_t>::max())
        ++thisPlay.moves;
}

void ClGameInterface::recordSolved()
{
    ClGameControl& control = *gameControl;
    if (!control.isValid())
        return;
    // At least a millisecond: a time of 0 would read as none.
    const std::int64_t took = std::clamp<std::int64_t>(clock() - thisPlay.startedAt, 1,
                                                       std::numeric_limits<std::uint32_t>::max());
    solve = SolveResult{std::uint32_t(took), thisPlay.moves};
    switch (progress.record(control.gameData->puzzles[std::size_t(control.puzzleIndex)], thisPlay.helped, *solve)) {
    case ClProgress::RecordResult::Unchanged:
        return;
    case ClProgress::RecordResult::Full:
        sayOnce(recordFullSaid, tr("The record of solved puzzles is full (%n puzzles): newly solved puzzles "
                                   "are not added to it.",
                                   nullptr, int(ClProgress::kMostEntries)));
        return;
    case ClProgress::RecordResult::Recorded:
        break;
    }
    // Without a place to save (said when the window opened) it is kept for this run.
    if (progressFile.isEmpty() || progressUnusable)
        return;
    const SaveWords words{tr("The record of solved puzzles cannot be saved to \"%1\" now: %2. It is kept and saved "
                             "as soon as it can be."),
                          tr("wallwright: The record of solved puzzles could not be saved to %1: another running "
                             "game holds its folder's lock, or the folder refuses the write.")};
    keep(progressFile, words, [this](Failure& failure) { return progress.saveMerged(bytes(progressFile), failure); });
}

BestSolve ClGameInterface::shownBest() const
{
    ClGameControl& control = *gameControl;
    if (!control.isValid())
        return {};
    return progress.bestOf(control.gameData->puzzles[std::size_t(control.puzzleIndex)]);
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

std::vector<BestSolve> ClGameInterface::puzzleBests() const
{
    std::vector<BestSolve> bests;
    for (const auto& puzzle : gameControl->gameData->puzzles)
        bests.push_back(progress.bestOf(puzzle));
    return bests;
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
    leavePlay();
    paintRandomBackground();
    move();
    rememberPuzzle();
}

void ClGameInterface::rememberPuzzle()
{
    // A fresh puzzle or the player's own file is no shipped group: the
    // group's place stays as it was.
    if (fresh || ownFileInPlay)
        return;
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
    if (firstPicture) {
        FirstPicture first = std::move(*firstPicture);
        firstPicture.reset();
        // Decoded for a size since changed, it is decoded again.
        if (first.pixels == backgroundPixels && !badPictures.contains(first.fileName))
            showPicture(first.fileName, first.decoded.get());
        else
            loadBackground(first.fileName);
    } else if (!pictureFiles.isEmpty()) {
        loadBackground(randomPictureFile());
    }
    ensureBackground();
}

QByteArray ClGameInterface::randomPictureFile() const
{
    return pictureFiles[gamerandom::below(int(pictureFiles.size()))];
}

void ClGameInterface::ensureBackground()
{
    if (!background.isNull() || backgroundPixels.isEmpty())
        return;
    background = QImage(backgroundPixels, QImage::Format_RGB32);
    background.setDevicePixelRatio(backgroundScale);
    background.fill(Qt::black);
}

void ClGameInterface::sizeBackground(QSize logical, int scale)
{
    backgroundPixels = logical * scale;
    backgroundScale = scale;
    if (!background.isNull()) {
        background = background.scaled(backgroundPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        background.setDevicePixelRatio(scale);
    } else if (!firstPicture && !pictureFiles.isEmpty()) {
        const QByteArray fileName = randomPictureFile();
        firstPicture = FirstPicture{fileName, backgroundPixels,
                                    std::async(std::launch::async, decodePicture, fileName, backgroundPixels)};
    }
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
    if (badPictures.contains(fileName) || backgroundPixels.isEmpty())
        return;
    showPicture(fileName, decodePicture(fileName, backgroundPixels));
}

ClGameInterface::DecodedPicture ClGameInterface::decodePicture(const QByteArray& fileName, QSize pixels)
{
    // This may run on a thread of its own: it touches nothing of the game,
    // and the toolkit's translations may be read from any thread.
    // Compared exactly: an upper-case extension is listed but never painted.
    if (!fileName.endsWith(".bmp") && !fileName.endsWith(".jpg"))
        return {};
    // A folder named like a picture is listed, and a file may go while the
    // game runs: neither is a picture to paint, nor a problem to report.
    if (!fileaccess::isRegularFile(bytes(fileName)))
        return {};
    std::string content;
    Failure failure;
    if (!fileaccess::readFile(bytes(fileName), kLargestPicture, content, failure))
        return {QImage(), QString::fromStdString(failure.why)};
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
        if (qint64(claimed.width()) * claimed.height() > most)
            return {QImage(), tr("it claims %1 x %2 pixels, more than the game decodes (%3 million at most)")
                                  .arg(claimed.width())
                                  .arg(claimed.height())
                                  .arg(most / 1'000'000)};
        // Decoding straight to the background's size keeps a large photo cheap.
        reader.setScaledSize(pixels);
    }
    QImage picture = reader.read();
    if (picture.isNull())
        return {QImage(), tr("it is no picture that can be decoded")};
    return {picture, std::nullopt};
}

void ClGameInterface::showPicture(const QByteArray& fileName, const DecodedPicture& decoded)
{
    if (decoded.problem) {
        dropPicture(fileName, *decoded.problem);
        return;
    }
    const QImage& picture = decoded.picture;
    if (picture.isNull())
        return;
    // A picture decoded whole at the background's size and format is the
    // background as it stands; anything else is painted over the old one.
    if (picture.size() == backgroundPixels && picture.format() == QImage::Format_RGB32) {
        background = picture;
        background.setDevicePixelRatio(backgroundScale);
        return;
    }
    ensureBackground();
    QPainter painter(&background);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), background.deviceIndependentSize()), picture);
}
