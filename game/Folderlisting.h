#pragma once
// The files of a folder that match a wildcard pattern such as "*.jpg",
// ignoring case. Regular files and folders are listed; other kinds of entry
// (sockets, devices, pipes) are passed over. A missing folder lists nothing.
#include <QString>
#include <QStringList>

QStringList findMatchingFiles(const QString& folder, const QString& pattern);
