// The music's rules against a media player double.
#include <QtTest>

#include "Eventloop.h"
#include "Fakemediaplayer.h"
#include "app/Idleevent.h"
#include "app/Musicform.h"

class MusicRulesTest : public QObject {
    Q_OBJECT

private:
    TFakeMediaPlayer* player = nullptr;
    QStringList reports;

    void idle() { runEventLoop(5); }

private slots:
    void init()
    {
        player = new TFakeMediaPlayer;
        FormMusic = new TFormMusic(player);
        reports.clear();
        setMusicReporter([this](const QString& message) { reports << message; });
    }

    void cleanup() { delete FormMusic; }

    void startsAtTheNextIdleMomentAndPlaysOneFileOverAndOver()
    {
        PlayMusic({"a.mid"}, true);
        QVERIFY(player->played.isEmpty());
        idle();
        QCOMPARE(player->played, QStringList{"a.mid"});
        QVERIFY(player->Notify());

        for (int round = 2; round <= 4; ++round) {
            player->finish();
            idle();
            QCOMPARE(player->played.size(), round);
        }
        QCOMPARE(player->played, QStringList(4, "a.mid"));
        QVERIFY(!FormMusic->isVisible());
    }

    void picksEveryFileOfTheListInTime()
    {
        const QStringList list{"a.mid", "b.mid", "c.wav"};
        PlayMusic(list, true);
        idle();
        for (int i = 0; i < 60; ++i) {
            player->finish();
            idle();
        }
        for (const QString& file : list)
            QVERIFY2(player->played.contains(file), qPrintable(file));
    }

    void offStopsAtOnceAndOnStartsANewFile()
    {
        PlayMusic({"a.mid", "b.mid"}, true);
        idle();
        PlayMusic({"a.mid", "b.mid"}, false);
        QCOMPARE(player->stops, 1);
        QCOMPARE(player->Mode(), TMPModes::Stopped);
        idle();
        QCOMPARE(player->played.size(), 1);

        PlayMusic({"a.mid", "b.mid"}, true);
        idle();
        QCOMPARE(player->played.size(), 2);
        QCOMPARE(player->Mode(), TMPModes::Playing);
    }

    void confirmingTheOptionsWhilePlayingDoesNotInterrupt()
    {
        PlayMusic({"a.mid", "b.mid"}, true);
        idle();
        PlayMusic({"a.mid", "b.mid"}, true);
        idle();
        QCOMPARE(player->played.size(), 1);
        QCOMPARE(player->stops, 0);
        QVERIFY(player->Notify());

        // And the file that plays still hands over to the next one.
        player->finish();
        idle();
        QCOMPARE(player->played.size(), 2);
    }

    void anUnplayableFileIsReportedOnceAndLeftOut()
    {
        player->broken = {"bad.mid"};
        PlayMusic({"bad.mid", "good.mid"}, true);
        idle();
        for (int i = 0; i < 20; ++i) {
            player->finish();
            idle();
        }
        QCOMPARE(player->played, QStringList(21, "good.mid"));
        QCOMPARE(player->opened.count("bad.mid"), 1);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].contains("bad.mid"));
        QVERIFY(reports[0].contains("broken"));

        // Confirming the options again brings no second report.
        PlayMusic({"bad.mid", "good.mid"}, false);
        PlayMusic({"bad.mid", "good.mid"}, true);
        player->finish();
        idle();
        QCOMPARE(player->opened.count("bad.mid"), 1);
        QCOMPARE(reports.size(), 1);
    }

    void withOnlyUnplayableFilesEachIsReportedOnceThenNothingHappens()
    {
        player->broken = {"x.mid", "y.wav"};
        PlayMusic({"x.mid", "y.wav"}, true);
        idle();
        QCOMPARE(reports.size(), 2);
        QCOMPARE(player->opened.size(), 2);
        QVERIFY(!TIdleEvent::application().installed());

        // Off with nothing open reports nothing; on again tries nothing.
        PlayMusic({"x.mid", "y.wav"}, false);
        PlayMusic({"x.mid", "y.wav"}, true);
        idle();
        QCOMPARE(reports.size(), 2);
        QCOMPARE(player->opened.size(), 2);
    }

    void aFileThatEndsAtOnceIsLeftOut()
    {
        PlayMusic({"empty.mid"}, true);
        idle();
        player->error = QStringLiteral("ended at once");
        player->finish();
        idle();
        player->finish();
        idle();
        QCOMPARE(player->played.size(), 1);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].contains("empty.mid"));
    }

    void anEmptyListDoesNothing()
    {
        PlayMusic({}, true);
        idle();
        PlayMusic({}, false);
        idle();
        QVERIFY(player->opened.isEmpty());
        QCOMPARE(player->stops, 0);
        QVERIFY(reports.isEmpty());
    }
};

QTEST_MAIN(MusicRulesTest)
#include "Musicrulestest.moc"
