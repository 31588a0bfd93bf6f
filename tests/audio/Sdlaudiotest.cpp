// The real SDL2_mixer through SDL's disk driver: what the game plays is
// written to a file of the test's own, which the tests read back.
#include <QtTest>

#include <QThread>
#include <SDL_mixer.h>

#include "Eventloop.h"
#include "Testfiles.h"
#include "app/Problemreport.h"
#include "app/audio/Audiodevice.h"
#include "app/audio/Mediaplayer.h"
#include "app/audio/Musicform.h"
#include "app/audio/Sdlsoundplayer.h"

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
        // Before the device opens: SDL reads it then.
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(folder.filePath("written-audio.raw")));
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

    // The music leaves out a file whose playbacks end early: at once (within
    // 200 ms) the first time, before half its length the second time. The
    // player's clock, read as each playback starts and ends, says how long
    // every playback of the 600 ms tone lasted.
    void filesThatEndEarlyAreLeftOut_data()
    {
        QTest::addColumn<int>("lastedMs");
        QTest::addColumn<int>("playbacks"); // before it is left out; 0 for never
        QTest::addColumn<QString>("reason");
        QTest::newRow("at once") << 150 << 1 << "ended as soon as it started";
        QTest::newRow("before half") << 250 << 2 << "long before its end";
        QTest::newRow("past half") << 350 << 0 << "";
    }

    void filesThatEndEarlyAreLeftOut()
    {
        QFETCH(int, lastedMs);
        QFETCH(int, playbacks);
        QFETCH(QString, reason);
        qint64 now = 0;
        int reads = 0;
        QStringList reports;
        problemReport().setReceiver([&](const QString& message) { reports << message; });
        FormMusic = new TFormMusic(new TMediaPlayer(nullptr, [&] { return ++reads, now += lastedMs; }));
        const auto cleanUp = qScopeGuard([] {
            delete FormMusic;
            problemReport().setReceiver(nullptr);
        });

        PlayMusic({QFile::encodeName(file("early.wav", testfiles::shortTone(600)))}, true);
        QVERIFY(runEventLoopUntil([&] { return !reports.isEmpty() || reads >= 6; }, 8000));
        if (playbacks == 0) {
            QVERIFY2(reports.isEmpty(), qPrintable(reports.join("; ")));
        } else {
            QCOMPARE(reads, 2 * playbacks);
            QCOMPARE(reports.size(), 1);
            QVERIFY2(reports[0].contains("early.wav") && reports[0].contains(reason), qPrintable(reports[0]));
        }
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
    }

    void damagedFilesAreRefusedWithAReason()
    {
        QFETCH(QString, fileName);
        TMediaPlayer player;
        player.setFileName(QFile::encodeName(fileName));
        QVERIFY(!player.Open());
        QVERIFY(!player.Error().isEmpty());
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
