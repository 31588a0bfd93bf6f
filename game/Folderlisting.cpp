#include "Folderlisting.h"

#include <QDir>
#include <QFileInfo>

QStringList findMatchingFiles(const QString& folder, const QString& pattern)
{
    QDir dir(folder);
    dir.setNameFilters({pattern});
    dir.setFilter(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList paths;
    for (const QFileInfo& entry : dir.entryInfoList())
        if (entry.isFile() || entry.isDir())
            paths << dir.filePath(entry.fileName());
    return paths;
}
