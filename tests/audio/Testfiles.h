#pragma once
// Short sound files for the tests: a MIDI tune of three notes (0.75 s at
// the default tempo) and a mono 22050 Hz square-wave tone.
#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace testfiles {

template <typename T>
QByteArray bytes(T value, bool bigEndian)
{
    QByteArray out(sizeof(T), '\0');
    bigEndian ? qToBigEndian(value, out.data()) : qToLittleEndian(value, out.data());
    return out;
}

inline QByteArray shortTune()
{
    QByteArray track("\x00\xc0\x00", 3); // piano
    for (char note : {'\x3c', '\x40', '\x43'})
        track += QByteArray("\x00\x90", 2) + note + "\x64\x81\x70\x80" + note + '\0'; // on, 240 ticks, off
    track += QByteArray("\x00\xff\x2f\x00", 4);
    return QByteArray("MThd\0\0\0\x06\0\0\0\x01\x01\xe0", 14) + "MTrk" + bytes(quint32(track.size()), true) + track;
}

inline QByteArray shortTone(int milliseconds)
{
    QByteArray data;
    for (int i = 0; i < 22050 * milliseconds / 1000; ++i)
        data += bytes(qint16((i / 25) % 2 ? 8000 : -8000), false);
    return "RIFF" + bytes(quint32(36 + data.size()), false) + "WAVEfmt " +
           QByteArray("\x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xac\0\0\x02\0\x10\0", 20) + "data" +
           bytes(quint32(data.size()), false) + data;
}

inline QString write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

} // namespace testfiles
