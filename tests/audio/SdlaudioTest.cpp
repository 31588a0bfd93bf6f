// The real SDL2_mixer through SDL's disk driver: what the game plays is
// written to a file of the test's own, which the tests read back.
#include <QtTest>

#include <QThread>

#include "Eventloop.h"
#include "app/audio/Audiodevice.h"
#include "app/audio/Mediaplayer.h"
#include "app/audio/Musicform.h"
#include "app/audio/Sdlsoundplayer.h"

namespace {
// A mono 22050 Hz square-wave tone.
QByteArray shortTone(int milliseconds)
{
    const quint32 samples = 22050 * milliseconds / 1000;
    QByteArray wave;
    QDataStream out(&wave, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * samples);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(44100) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * samples);
    for (quint32 i = 0; i < samples; ++i)
        out << qint16((i / 25) % 2 ? 8000 : -8000);
    return wave;
}

qint64 writtenSoFar()
{
    return QFileInfo(qEnvironmentVariable("SDL_DISKAUDIOFILE")).size();
}

// The loudest sample written to the disk device since the given size.
int peakSince(qint64 start)
{
    QFile out(qEnvironmentVariable("SDL_DISKAUDIOFILE"));
    if (!out.open(QIODevice::ReadOnly) || !out.seek(start))
        return -1;
    const QByteArray written = out.readAll();
    const auto* samples = reinterpret_cast<const qint16*>(written.constData());
    int peak = 0;
    for (qsizetype i = 0; i < written.size() / 2; ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return peak;
}

// Comfortably above dither and rounding, far below any tune.
constexpr int kAudible = 500;
} // namespace

class SdlAudioTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;

    QString file(const QString& name, const QByteArray& content)
    {
        QFile out(folder.filePath(name));
        if (out.open(QIODevice::WriteOnly))
            out.write(content);
        return out.fileName();
    }

private slots:
    void initTestCase()
    {
        // Before the device opens: SDL reads it then.
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(folder.filePath("written-audio.raw")));
        QVERIFY(audiodevice::ready());
    }

    // The music leaves out a file whose playbacks end early: at once (within
    // 200 ms) the first time, before half its length the second time. The
    // player's clock, read as each playback starts and ends, says how long
    // every playback of the 600 ms tone lasted. Each plays audibly to its
    // end, told on the GUI thread. Both file kinds end through SDL's one
    // music hook, so a WAVE tone stands for the MIDI tunes too.
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
        auto* player = new TMediaPlayer(nullptr, [&] { return ++reads, now += lastedMs; });
        QThread* notifiedOn = nullptr;
        // Without a receiver the call is direct: it records the thread that emits.
        connect(player, &TMediaPlayer::notified, [&] { notifiedOn = QThread::currentThread(); });
        FormMusic = new TFormMusic(player);
        FormMusic->reportProblem = [&](const QString& message) { reports << message; };
        audiodevice::reportProblemsTo(FormMusic->reportProblem);
        const auto cleanUp = qScopeGuard([] {
            delete FormMusic;
            audiodevice::reportProblemsTo(nullptr);
        });

        const qint64 start = writtenSoFar();
        PlayMusic({QFile::encodeName(file("early.wav", shortTone(600)))}, true);
        QVERIFY(runEventLoopUntil([&] { return !reports.isEmpty() || reads >= 6; }, 8000));
        QCOMPARE(notifiedOn, QCoreApplication::instance()->thread());
        QVERIFY(peakSince(start) > kAudible);
        if (playbacks == 0) {
            QVERIFY2(reports.isEmpty(), qPrintable(reports.join("; ")));
        } else {
            QCOMPARE(reads, 2 * playbacks);
            QCOMPARE(reports.size(), 1);
            QVERIFY2(reports[0].contains("early.wav") && reports[0].contains(reason), qPrintable(reports[0]));
        }
    }

    // Stopping is no end of the file: it must not start the next one.
    void theShippedTunesSoundUntilStopped()
    {
        const QDir music(WALLWRIGHT_SOURCE_DIR "/resources/music");
        for (const QString& name : music.entryList({"*.mid", "*.wav"}, QDir::Files)) {
            TMediaPlayer player;
            bool notified = false;
            connect(&player, &TMediaPlayer::notified, this, [&] { notified = true; });
            player.setFileName(QFile::encodeName(music.filePath(name)));
            QVERIFY2(player.Open(), qPrintable(name + ": " + player.Error()));
            const qint64 start = writtenSoFar();
            QVERIFY(player.Play());
            player.setNotify(true);
            runEventLoop(1500);
            QVERIFY2(player.Mode() == TMPModes::Playing && peakSince(start) > kAudible, qPrintable(name));
            player.Stop();
            runEventLoop(200);
            QVERIFY2(player.Mode() == TMPModes::Stopped && !notified, qPrintable(name));
        }
    }

    // A cut MIDI file and a folder are refused before SDL sees them, by checks
    // tested on their own; these reach SDL or fail to open at all.
    void damagedFilesAreRefusedWithAReason()
    {
        for (const QString& fileName : {folder.filePath("missing.mid"), file("empty.wav", shortTone(0)),
                                        file("notes.wav", "These are no sounds, only words.\n")}) {
            TMediaPlayer player;
            player.setFileName(QFile::encodeName(fileName));
            QVERIFY2(!player.Open() && !player.Error().isEmpty(), qPrintable(fileName));
            QVERIFY2(!player.Play() && player.Mode() == TMPModes::NotReady, qPrintable(fileName));
        }
    }

    void soundEffectsAreAudible()
    {
        ClSdlSoundPlayer sounds;
        for (Sound sound : {Sound::Pick, Sound::Drop, Sound::Turn, Sound::Solve}) {
            const qint64 start = writtenSoFar();
            sounds.playSound(sound);
            runEventLoop(250);
            QVERIFY2(peakSince(start) > kAudible, qPrintable(QString::number(int(sound))));
        }
    }
};

QTEST_MAIN(SdlAudioTest)
#include "SdlaudioTest.moc"
