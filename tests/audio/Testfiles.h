#pragma once
// Small sound files written by the tests: a short tune, a short tone and
// damaged or empty ones.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

namespace testfiles {

inline QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// A format-0 MIDI file around the given track events (end of track added).
inline QByteArray midi(const QByteArray& events)
{
    const QByteArray track = events + QByteArray("\x00\xff\x2f\x00", 4);
    return QByteArray("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xe0", 14) + "MTrk" +
           bigEndian32(quint32(track.size())) + track;
}

// Three piano notes, a quarter of a second each at the default tempo.
inline QByteArray shortTune()
{
    QByteArray events("\x00\xc0\x00", 3);
    for (char note : {'\x3c', '\x40', '\x43'}) {
        events += QByteArray("\x00\x90", 2) + note + '\x64';
        events += QByteArray("\x81\x70\x80", 3) + note + '\x00'; // 240 ticks later
    }
    return midi(events);
}

// Mono 16-bit PCM at 22050 Hz: a 440 Hz square wave of the given length.
inline QByteArray shortTone(int milliseconds)
{
    const int samples = 22050 * milliseconds / 1000;
    QByteArray data;
    for (int i = 0; i < samples; ++i) {
        const qint16 value = (i / 25) % 2 ? 8000 : -8000;
        data.append(reinterpret_cast<const char*>(&value), 2);
    }
    auto le32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    return "RIFF" + le32(quint32(36 + data.size())) + "WAVEfmt " + le32(16) +
           QByteArray("\x01\x00\x01\x00", 4) + le32(22050) + le32(44100) + QByteArray("\x02\x00\x10\x00", 4) +
           "data" + le32(quint32(data.size())) + data;
}

inline QString write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace testfiles
