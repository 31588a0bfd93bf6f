#include "Gameinterface.h"

#include <cstdlib>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "Folderlisting.h"

QString defaultProgramFolder()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath() + '/';
}

bool canCreateFileIn(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(".wallwright-XXXXXX"));
    return probe.open();
}

QString settingsFileFor(const QString& programFolder, bool programFolderWritable, const QString& userFolder)
{
    const QString beside = QDir(programFolder).filePath("config.dat");
    if (programFolderWritable || userFolder.isEmpty() || !QDir().mkpath(userFolder))
        return beside;
    const QString own = QDir(userFolder).filePath("config.dat");
    // QFile::copy never overwrites, so only a first run takes the seed.
    if (!QFileInfo::exists(own) && QFileInfo(beside).isFile())
        QFile::copy(beside, own);
    return own;
}

ClGameInterface::ClGameInterface(const QString& folder)
    : programFolder(folder.endsWith('/') ? folder : folder + '/')
    , settingsFile(settingsFileFor(programFolder, canCreateFileIn(programFolder),
                                   QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)))
    , gameControl(std::make_unique<ClGameControl>())
{
    settings.loadFrom(settingsPath().toStdString());
    collectMediaFiles();
}

ClGameInterface::~ClGameInterface()
{
    settings.saveTo(settingsPath().toStdString());
}

QString ClGameInterface::settingsPath() const
{
    return settingsFile;
}

QString ClGameInterface::groupFilePath(std::int32_t group) const
{
    return programFolder + "Brick" + QString::number(group) + ".gam";
}

void ClGameInterface::restart()
{
    gameControl->restart();
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
        loadBackground(pictureFiles[std::rand() % pictureFiles.size()]);
}

void ClGameInterface::collectMediaFiles()
{
    musicFiles = findMatchingFiles(programFolder + "Music", "*.mid") + findMatchingFiles(programFolder + "Music", "*.wav");
    pictureFiles =
        findMatchingFiles(programFolder + "Picture", "*.bmp") + findMatchingFiles(programFolder + "Picture", "*.jpg");
}

void ClGameInterface::applyMusic()
{
    if (musicPlayer)
        musicPlayer(musicFiles, settings.musicOn != 0);
}

void ClGameInterface::loadBackground(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile())
        return;
    // Compared exactly: an upper-case extension is listed but never painted.
    const QString name = info.fileName();
    const QString extension = name.mid(name.lastIndexOf('.'));
    if (!name.contains('.') || (extension != ".bmp" && extension != ".jpg"))
        return;
    if (badPictures.contains(fileName) || background.isNull())
        return;
    // Decoding straight to the background's size keeps a huge picture cheap.
    QImageReader reader(fileName);
    if (reader.canRead() && reader.size().isValid())
        reader.setScaledSize(background.size());
    const QImage picture = reader.read();
    if (picture.isNull()) {
        // Once is enough: it is dropped from this run's choices.
        badPictures.insert(fileName);
        pictureFiles.removeAll(fileName);
        if (reportBadPicture)
            reportBadPicture(fileName);
        return;
    }
    QPainter painter(&background);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), background.deviceIndependentSize()), picture);
}
