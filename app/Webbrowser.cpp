#include "app/Webbrowser.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>

namespace {
constexpr char kWebPage[] = "text/html";

// The values under `key` in the [`group`] of a desktop file: a list split
// at semicolons, empty when it is not there.
QStringList valuesOf(const QString& file, const QString& group, const QString& key)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inGroup = false;
    while (!in.atEnd()) {
        const QString line = QString::fromUtf8(in.readLine()).trimmed();
        if (line.startsWith('['))
            inGroup = line == '[' + group + ']';
        else if (inGroup && line.section('=', 0, 0).trimmed() == key)
            return line.section('=', 1).split(';', Qt::SkipEmptyParts);
    }
    return {};
}

// The first installed desktop entry that the files `name` in the folders,
// in order, name for web pages.
QString defaultFor(const QStringList& folders, const QString& name, const QString& group,
                   const QStringList& applications)
{
    for (const QString& folder : folders)
        for (const QString& entry : valuesOf(folder + '/' + name, group, kWebPage))
            for (const QString& applicationFolder : applications)
                if (QFile::exists(applicationFolder + '/' + entry))
                    return applicationFolder + '/' + entry;
    return {};
}
} // namespace

bool desktopHasWebBrowser()
{
    const QStringList configFolders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    const QStringList applicationFolders = QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    QString program = defaultFor(configFolders + applicationFolders, "mimeapps.list", "Default Applications",
                                 applicationFolders);
    if (program.isEmpty())
        program = defaultFor(applicationFolders, "mimeinfo.cache", "MIME Cache", applicationFolders);
    return !program.isEmpty() && valuesOf(program, "Desktop Entry", "Categories").contains("WebBrowser");
}
