#pragma once
// Paths are bytes; the player reads text. These make the one from the other,
// only ever for display.
#include <QByteArray>
#include <QString>

// A path for people to read; bytes that are no UTF-8 show as replacement
// characters.
QString displayName(const QByteArray& path);
// The same for the last part of the path only.
QString displayFileName(const QByteArray& path);
