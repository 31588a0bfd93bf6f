#include "game/Displaynames.h"

QString displayName(const QByteArray& path)
{
    return QString::fromUtf8(path);
}

QString displayFileName(const QByteArray& path)
{
    return displayName(path.mid(path.lastIndexOf('/') + 1));
}
