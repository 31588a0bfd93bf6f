// No audio device at all: effects and music stay silent, the game goes on,
// and the player hears about it once.
#include <QtTest>

#include "Eventloop.h"
#include "app/audio/Audiodevice.h"
#include "app/audio/Musicform.h"
#include "app/audio/Sdlsoundplayer.h"

class NoDeviceTest : public QObject {
    Q_OBJECT

private slots:
    void everythingStaysSilentAndTheFailureIsReportedOnce()
    {
        QStringList reports;
        audiodevice::reportProblemsTo([&](const QString& message) { reports << message; });
        FormMusic = new TFormMusic;
        ClSdlSoundPlayer sounds;
        const QByteArray tune = WALLWRIGHT_SOURCE_DIR "/resources/music/Keystone.mid";

        sounds.playSound(Sound::Pick);
        PlayMusic({tune}, true);
        runEventLoop(200);
        PlayMusic({tune}, false);
        PlayMusic({tune}, true);
        sounds.playSound(Sound::Solve);
        runEventLoop(200);
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports[0].contains("audio device"), qPrintable(reports[0]));
        delete FormMusic;
        audiodevice::reportProblemsTo(nullptr);
    }
};

QTEST_MAIN(NoDeviceTest)
#include "NodeviceTest.moc"
