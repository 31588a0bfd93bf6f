// The game as a running program: the signals of a logout or of Ctrl+C end it
// as closing its window does, and without a display it says so plainly.
#include <signal.h>

#include <QProcess>
#include <QTest>

#include "Programfolder.h"
#include "game/Settings.h"
#include "model/Fileaccess.h"

namespace {
// The program copied into a throw-away program folder (the game keeps its
// settings beside its own file), started with the given environment.
struct RunningGame {
    explicit RunningGame(const QStringList& environment)
    {
        QVERIFY(QFile::copy(WALLWRIGHT_PATH, folder.path("wallwright")));
        QFile::setPermissions(folder.path("wallwright"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment settings = QProcessEnvironment::systemEnvironment();
        const QStringList fixed{"SDL_AUDIODRIVER=dummy", "XDG_CONFIG_HOME=" + folder.path("home")};
        for (const QString& pair : fixed + environment)
            settings.insert(pair.section('=', 0, 0), pair.section('=', 1));
        game.setProcessEnvironment(settings);
        game.start(folder.path("wallwright"), {});
        QVERIFY(game.waitForStarted());
    }
    ~RunningGame()
    {
        game.kill();
        game.waitForFinished();
    }
    ProgramFolder folder;
    QProcess game;
};
} // namespace

class ProcessTest : public QObject {
    Q_OBJECT
private slots:
    void aLogoutOrCtrlCClosesTheGameAndSavesTheSettings()
    {
        for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
            RunningGame running({"QT_QPA_PLATFORM=offscreen"});
            // The signals are caught before the folder's lock is taken.
            const std::string lock = fileaccess::joinPath(running.folder.bytes().toStdString(),
                                                          fileaccess::FolderLock::kFileName);
            for (int tries = 0; tries < 1000 && !fileaccess::exists(lock); ++tries)
                QTest::qWait(10);
            QVERIFY(fileaccess::exists(lock));
            QVERIFY(!QFileInfo::exists(running.folder.path("config.dat")));
            ::kill(pid_t(running.game.processId()), signalNumber);
            QVERIFY(running.game.waitForFinished(10000));
            QCOMPARE(std::pair(running.game.exitStatus(), running.game.exitCode()), std::pair(QProcess::NormalExit, 0));
            // The save at exit ran: a first run's file is there, whole.
            QCOMPARE(QFileInfo(running.folder.path("config.dat")).size(), qint64(ClSettings::kSize));
        }
    }

    void withoutADisplayTheGameSaysSoAndChangesNothing()
    {
        RunningGame running({"QT_QPA_PLATFORM=xcb", "DISPLAY=", "WAYLAND_DISPLAY="});
        QVERIFY(running.game.waitForFinished(10000));
        QCOMPARE(std::pair(running.game.exitStatus(), running.game.exitCode()), std::pair(QProcess::NormalExit, 1));
        const QList<QByteArray> lines = running.game.readAllStandardError().trimmed().split('\n');
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith("wallwright: no display"), lines[0].constData());
        QCOMPARE(QDir(running.folder.path("")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"Brick0.gam", "wallwright"}));
    }
};

QTEST_MAIN(ProcessTest)
#include "ProcessTest.moc"
