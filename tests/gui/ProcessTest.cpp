// The game as a running program: the signals of a logout or of Ctrl+C end it
// as closing its window does, and without a display it says so plainly.
#include <signal.h>

#include <QProcess>
#include <QTest>

#include "Programfolder.h"
#include "game/Settings.h"
#include "model/Fileaccess.h"

namespace {
// The program copied into a throw-away program folder: the game keeps its
// settings beside its own file, and the build's folder is not the test's.
struct RunningGame {
    RunningGame(const QStringList& environment = {})
    {
        QVERIFY(QFile::copy(WALLWRIGHT_PATH, folder.path("wallwright")));
        QFile::setPermissions(folder.path("wallwright"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment settings = QProcessEnvironment::systemEnvironment();
        settings.insert("QT_QPA_PLATFORM", "offscreen");
        settings.insert("SDL_AUDIODRIVER", "dummy");
        settings.insert("XDG_CONFIG_HOME", folder.path("config-home"));
        for (const QString& pair : environment)
            settings.insert(pair.section('=', 0, 0), pair.section('=', 1));
        game.setProcessEnvironment(settings);
        game.start(folder.path("wallwright"), {});
        QVERIFY(game.waitForStarted());
    }
    ~RunningGame()
    {
        if (game.state() != QProcess::NotRunning) {
            game.kill();
            game.waitForFinished();
        }
    }
    // The window is made once the folder's lock has been taken, and the
    // signals are caught before that.
    bool waitUntilUp()
    {
        const std::string lock = fileaccess::joinPath(folder.bytes().toStdString(), fileaccess::FolderLock::kFileName);
        for (int tries = 0; tries < 1000 && game.state() == QProcess::Running; ++tries) {
            if (fileaccess::exists(lock))
                return true;
            QTest::qWait(10);
        }
        return false;
    }
    ProgramFolder folder;
    QProcess game;
};
} // namespace

class ProcessTest : public QObject {
    Q_OBJECT
private slots:
    void aLogoutOrCtrlCClosesTheGameAndSavesTheSettings_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void aLogoutOrCtrlCClosesTheGameAndSavesTheSettings()
    {
        QFETCH(int, signalNumber);
        RunningGame running;
        QVERIFY(running.waitUntilUp());
        QVERIFY(!QFileInfo::exists(running.folder.path("config.dat")));
        ::kill(pid_t(running.game.processId()), signalNumber);
        QVERIFY(running.game.waitForFinished(10000));
        QCOMPARE(running.game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(running.game.exitCode(), 0);
        // The save at exit ran: a first run's file is there, whole.
        QCOMPARE(QFileInfo(running.folder.path("config.dat")).size(), qint64(ClSettings::kSize));
    }

    void withoutADisplayTheGameSaysSoAndChangesNothing()
    {
        RunningGame running({"QT_QPA_PLATFORM=xcb", "DISPLAY=", "WAYLAND_DISPLAY="});
        QVERIFY(running.game.waitForFinished(10000));
        QCOMPARE(running.game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(running.game.exitCode(), 1);
        const QList<QByteArray> lines = running.game.readAllStandardError().trimmed().split('\n');
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith("wallwright: no display"), lines[0].constData());
        QCOMPARE(QDir(running.folder.path("")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"Brick0.gam", "wallwright"}));
    }
};

QTEST_MAIN(ProcessTest)
#include "ProcessTest.moc"
