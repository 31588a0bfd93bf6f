// The music's rules against a media player double.
#include <QtTest>

#include "Eventloop.h"
#include "app/audio/Idleevent.h"
#include "app/audio/Musicform.h"
#include "game/Gamerandom.h"

// Records what the music asks; the test ends playbacks and breaks files.
class TFakeMediaPlayer : public TAbstractMediaPlayer {
public:
    bool Open() override
    {
        opened << FileName();
        error = broken.contains(FileName()) ? "broken" : "";
        mode = error.isEmpty() ? TMPModes::Open : TMPModes::NotReady;
        return error.isEmpty();
    }
    bool Play() override
    {
        played << FileName();
        mode = TMPModes::Playing;
        return true;
    }
    void Stop() override { mode = TMPModes::Stopped; }
    TMPModes Mode() const override { return mode; }
    QString Error() const override { return error; }
    void finish()
    {
        mode = TMPModes::Stopped;
        playbackEnded();
    }

    QSet<QByteArray> broken;
    QByteArrayList opened, played;
    TMPModes mode = TMPModes::NotReady;
    QString error;
};

class MusicRulesTest : public QObject {
    Q_OBJECT
    TFakeMediaPlayer* player = nullptr;
    QStringList reports;

    static void idle() { runEventLoop(5); }

private slots:
    void initTestCase()
    {
        // The pick of the next file is random; a fixed seed makes it the same every run.
        gamerandom::setClock([] { return 1u; });
    }
    void init()
    {
        FormMusic = new TFormMusic(player = new TFakeMediaPlayer);
        reports.clear();
        FormMusic->reportProblem = [this](const QString& message) { reports << message; };
    }
    void cleanup() { delete FormMusic; }

    // Music starts at the next idle moment. Confirming the options while a
    // file plays does not interrupt it; off stops at once, and on again starts
    // a new file.
    void startsWhenIdleKeepsPlayingWhenOnAndStopsAtOnceWhenOff()
    {
        const QByteArrayList list{"a.mid", "b.mid"};
        PlayMusic(list, true);
        QVERIFY(player->played.isEmpty());
        idle();
        PlayMusic(list, true);
        idle();
        QCOMPARE(player->played.size(), 1);
        QCOMPARE(player->mode, TMPModes::Playing);
        PlayMusic(list, false);
        QCOMPARE(player->mode, TMPModes::Stopped);
        idle();
        PlayMusic(list, true);
        idle();
        QCOMPARE(player->played.size(), 2);
    }

    void unplayableFilesAreReportedOnceAndLeftOut()
    {
        player->broken = {"x.mid", "y.wav"};
        const QByteArrayList list{"x.mid", "y.wav", "good.mid"};
        PlayMusic(list, true);
        for (int round = 0; round < 5; ++round) {
            idle();
            player->finish();
        }
        // The one good file plays over and over.
        QCOMPARE(player->played, QByteArrayList(5, "good.mid"));
        QCOMPARE(reports.size(), 2);
        QVERIFY(reports.filter("x.mid").size() == 1 && reports[0].contains("broken"));

        // With only those two, nothing more is tried or reported, off or on:
        // each of them was opened once, beside the five good playbacks.
        PlayMusic({"x.mid", "y.wav"}, false);
        PlayMusic({"x.mid", "y.wav"}, true);
        idle();
        QCOMPARE(player->opened.size(), 7);
        QCOMPARE(reports.size(), 2);
        QVERIFY(!TIdleEvent::application().installed());
    }
};

QTEST_MAIN(MusicRulesTest)
#include "MusicrulesTest.moc"
