// The real SDL2_mixer through SDL's disk driver: what the game plays is
// written to a file, which the tests read back.
#include <QtTest>

#include <QThread>
#include <SDL_mixer.h>

#include "Eventloop.h"
#include "Testfiles.h"
#include "audio/Audiodevice.h"
#include "audio/Mediaplayer.h"
#include "audio/Sdlsoundplayer.h"

namespace {
// The loudest sample written to the disk device since the given size.
int peakSince(qint64 start)
{
    QFile out(qEnvironmentVariable("SDL_DISKAUDIOFILE"));
    if (!out.open(QIODevice::ReadOnly) || !out.seek(start))
        return -1;
    const QByteArray bytes = out.readAll();
    const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
    int peak = 0;
    for (qsizetype i = 0; i < bytes.size() / 2; ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return peak;
}

qint64 writtenSoFar()
{
    return QFileInfo(qEnvironmentVariable("SDL_DISKAUDIOFILE")).size();
}

// Comfortably above dither and rounding, far below any tune.
constexpr int kAudible = 500;
} // namespace

class SdlAudioTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;

    QString file(const QString& name, const QByteArray& bytes)
    {
        return testfiles::write(folder.filePath(name), bytes);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(qEnvironmentVariableIsSet("SDL_DISKAUDIOFILE"));
        QVERIFY(audiodevice::ready());
        QVERIFY2(Mix_HasMusicDecoder("FLUIDSYNTH"), "MIDI must go through FluidSynth");
    }

    // A file too short for music ends at once too, and says so.
    void playsToTheEndAudiblyAndNotifiesOnTheGuiThread_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("tooShort");
        QTest::newRow("MIDI") << file("tune.mid", testfiles::shortTune()) << false;
        QTest::newRow("WAVE") << file("tone.wav", testfiles::shortTone(600)) << false;
        QTest::newRow("click") << file("click.wav", testfiles::shortTone(50)) << true;
    }

    void playsToTheEndAudiblyAndNotifiesOnTheGuiThread()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, tooShort);
        TMediaPlayer player;
        QThread* notifiedOn = nullptr;
        // Direct: records the thread that emits, which must be the GUI thread.
        connect(
            &player, &TMediaPlayer::notified, this, [&] { notifiedOn = QThread::currentThread(); },
            Qt::DirectConnection);

        player.setFileName(QFile::encodeName(fileName));
        QVERIFY2(player.Open(), qPrintable(player.Error()));
        const qint64 start = writtenSoFar();
        QVERIFY2(player.Play(), qPrintable(player.Error()));
        player.setNotify(true);

        // FluidSynth lets the last notes ring for about three seconds.
        QVERIFY(runEventLoopUntil([&] { return notifiedOn != nullptr; }, 8000));
        QCOMPARE(notifiedOn, QCoreApplication::instance()->thread());
        QCOMPARE(player.Mode(), TMPModes::Stopped);
        QVERIFY2(player.Error().isEmpty() != tooShort, qPrintable(player.Error()));
        QVERIFY(peakSince(start) > kAudible);
    }

    void theShippedTunesSound_data()
    {
        QTest::addColumn<QString>("fileName");
        const QDir music(WALLWRIGHT_SOURCE_DIR "/resources/music");
        for (const QString& name : music.entryList({"*.mid", "*.wav"}, QDir::Files))
            QTest::newRow(qPrintable(name)) << music.filePath(name);
    }

    void theShippedTunesSound()
    {
        QFETCH(QString, fileName);
        TMediaPlayer player;
        bool notified = false;
        connect(&player, &TMediaPlayer::notified, this, [&] { notified = true; });
        player.setFileName(QFile::encodeName(fileName));
        QVERIFY2(player.Open(), qPrintable(player.Error()));
        const qint64 start = writtenSoFar();
        QVERIFY(player.Play());
        player.setNotify(true);
        runEventLoop(1500);
        QCOMPARE(player.Mode(), TMPModes::Playing);
        QVERIFY(peakSince(start) > kAudible);

        // Stopping is no end of the file: it must not start the next one.
        player.Stop();
        runEventLoop(200);
        QCOMPARE(player.Mode(), TMPModes::Stopped);
        QVERIFY(!notified);
    }

    void damagedFilesAreRefusedWithAReason_data()
    {
        QTest::addColumn<QString>("fileName");
        const QByteArray tune = testfiles::shortTune();
        QTest::newRow("missing") << folder.filePath("missing.mid");
        QTest::newRow("folder") << QDir(folder.path()).filePath(".");
        QTest::newRow("not audio") << file("notes.wav", "These are no sounds, only words.\n");
        QTest::newRow("MIDI cut short") << file("cut.mid", tune.left(tune.size() - 10));
        QTest::newRow("WAVE without samples") << file("empty.wav", testfiles::shortTone(0));
        QTest::newRow("MIDI without tracks") << file("notracks.mid", tune.left(14).replace(11, 1, "\0", 1));
        // A thousand notes at one instant: the synthesizer could only drop them and complain.
        QByteArray burst;
        for (int i = 0; i < 1000; ++i)
            burst += QByteArray("\x00\x90", 2) + char(i % 128) + "\x64";
        burst += QByteArray("\x00\xff\x2f\x00", 4);
        QTest::newRow("MIDI burst") << file("burst.mid", QByteArray("MThd\0\0\0\x06\0\0\0\x01\x01\xe0", 14) + "MTrk"
                                                             + testfiles::bytes(quint32(burst.size()), true) + burst);
    }

    void damagedFilesAreRefusedWithAReason()
    {
        QFETCH(QString, fileName);
        TMediaPlayer player;
        player.setFileName(QFile::encodeName(fileName));
        QVERIFY(!player.Open());
        QVERIFY(!player.Error().isEmpty());
        if (QByteArray(QTest::currentDataTag()) == "MIDI burst")
            QVERIFY2(player.Error().contains("1000 notes at once"), qPrintable(player.Error()));
        QVERIFY(!player.Play());
        QCOMPARE(player.Mode(), TMPModes::NotReady);
    }

    void soundEffectsAreAudibleAndCutEachOtherOff()
    {
        ClSdlSoundPlayer sounds;
        for (Sound sound : {Sound::Pick, Sound::Drop, Sound::Turn, Sound::Solve}) {
            const qint64 start = writtenSoFar();
            sounds.playSound(sound);
            runEventLoop(250);
            QVERIFY2(peakSince(start) > kAudible, qPrintable(QString::number(int(sound))));
        }
        // The solve sound is the longest; a pick sound replaces it.
        sounds.playSound(Sound::Solve);
        sounds.playSound(Sound::Pick);
        runEventLoop(300);
        QVERIFY(!Mix_Playing(audiodevice::kEffectChannel));
    }
};

QTEST_MAIN(SdlAudioTest)
#include "Sdlaudiotest.moc"
