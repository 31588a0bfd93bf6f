#pragma once
// A throw-away program folder with a small puzzle group as "Brick0.gam".
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>

#include "../core/Fixtures.h"

struct ProgramFolder {
    ProgramFolder()
    {
        ClGameFile file;
        fixtures::fillSmallGame(file);
        file.save(path("Brick0.gam").toStdString());
    }
    // The folder, or a name in it.
    QString path(const QString& name = {}) const { return QDir(QFile::decodeName(bytes())).filePath(name); }
    // The folder as the game takes it: bytes.
    QByteArray bytes() const { return QByteArray::fromStdString(dir.path()); }
    // A plain picture of one colour in "Picture".
    void addPicture(const QString& name, QColor colour) const
    {
        QDir(path()).mkpath("Picture");
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(colour);
        picture.save(path("Picture/" + name));
    }
    // Removed whatever bytes the names in it are, unlike QTemporaryDir.
    fixtures::TemporaryFolder dir;
};
