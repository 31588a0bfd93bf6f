// The game as a running program: the signals of a logout or of Ctrl+C end it
// as closing its window does, and without a display it says so plainly.
#include <signal.h>

#include <optional>

#include <QProcess>
#include <QTest>

#include "Programfolder.h"
#include "game/Settings.h"

namespace {
// The program copied into a throw-away program folder (the game keeps its
// settings beside its own file), started with the given environment.
struct RunningGame {
    // `ignored`: a signal the caller ignores, as nohup ignores SIGHUP; 0 for
    // none. The folder's one picture is a JPEG cut off halfway, for the
    // toolkit to warn about when it is shown.
    explicit RunningGame(const QStringList& environment, int ignored = 0)
    {
        const QString picture = folder.path("Picture/picture.jpg");
        folder.addPicture("picture.jpg", Qt::darkCyan);
        QFile::resize(picture, QFileInfo(picture).size() / 2);
        QVERIFY(QFile::copy(WALLWRIGHT_PATH, folder.path("wallwright")));
        QFile::setPermissions(folder.path("wallwright"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment settings = QProcessEnvironment::systemEnvironment();
        const QStringList fixed{"SDL_AUDIODRIVER=dummy", "XDG_CONFIG_HOME=" + folder.path("home")};
        for (const QString& pair : fixed + environment)
            settings.insert(pair.section('=', 0, 0), pair.section('=', 1));
        game.setProcessEnvironment(settings);
        game.setChildProcessModifier([ignored] {
            if (ignored != 0)
                ::signal(ignored, SIG_IGN);
        });
        game.start(folder.path("wallwright"));
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

constexpr quint64 signalBit(int signalNumber)
{
    return signalNumber == 0 ? 0 : quint64(1) << (signalNumber - 1);
}
constexpr quint64 kQuitSignals = signalBit(SIGTERM) | signalBit(SIGHUP) | signalBit(SIGINT);

// Of the quit signals, those the process has a handler for ("SigCgt") or
// ignores ("SigIgn"), as the system tells.
quint64 quitSignalsIn(const QProcess& process, const QByteArray& field)
{
    QFile status(QString("/proc/%1/status").arg(process.processId()));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field + ":"))
            return line.mid(field.size() + 1).trimmed().toULongLong(nullptr, 16) & kQuitSignals;
    return 0;
}

} // namespace

class ProcessTest : public QObject {
    Q_OBJECT
private slots:
    void aLogoutOrCtrlCClosesTheGameAndSavesTheSettings_data()
    {
        QTest::addColumn<int>("ignored");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second"); // sent while the save at exit waits for the folder; 0: none
        QTest::newRow("SIGTERM") << 0 << SIGTERM << 0;
        QTest::newRow("SIGHUP") << 0 << SIGHUP << 0;
        QTest::newRow("SIGINT") << 0 << SIGINT << 0;
        QTest::newRow("Ctrl+C, then a logout") << 0 << SIGINT << SIGTERM;
        QTest::newRow("SIGHUP ignored, as under nohup") << SIGHUP << SIGTERM << SIGINT;
    }

    // The first quit signal closes the game as its window would, saving the
    // settings; a second, of any kind, ends a game stuck on its way out. A
    // signal the caller ignored stays ignored throughout. The toolkit's
    // words after start-up (here on a damaged picture) reach stderr.
    void aLogoutOrCtrlCClosesTheGameAndSavesTheSettings()
    {
        QFETCH(int, ignored);
        QFETCH(int, first);
        QFETCH(int, second);
        RunningGame running({"QT_QPA_PLATFORM=offscreen"}, ignored);
        // The signals are caught before the folder's lock is taken.
        const std::string folder = running.folder.bytes().toStdString();
        const std::string lock = fileaccess::joinPath(folder, fileaccess::FolderLock::kFileName);
        for (int tries = 0; tries < 1000 && !fileaccess::exists(lock); ++tries)
            QTest::qWait(10);
        QVERIFY(fileaccess::exists(lock));
        QVERIFY(!QFileInfo::exists(running.folder.path("config.dat")));
        QCOMPARE(quitSignalsIn(running.game, "SigCgt"), kQuitSignals & ~signalBit(ignored));
        QCOMPARE(quitSignalsIn(running.game, "SigIgn"), signalBit(ignored));
        std::optional<fileaccess::FolderLock> held;
        if (second != 0)
            held.emplace(folder);
        ::kill(pid_t(running.game.processId()), first);
        if (second != 0) {
            // Once the first is taken, the next is left to the system.
            for (int tries = 0; tries < 1000 && quitSignalsIn(running.game, "SigCgt") != 0; ++tries)
                QTest::qWait(1);
            QCOMPARE(quitSignalsIn(running.game, "SigCgt"), quint64(0));
            QCOMPARE(quitSignalsIn(running.game, "SigIgn"), signalBit(ignored));
            ::kill(pid_t(running.game.processId()), second);
            QVERIFY(running.game.waitForFinished(10000));
            QCOMPARE(running.game.exitStatus(), QProcess::CrashExit);
            return;
        }
        QVERIFY(running.game.waitForFinished(10000));
        QCOMPARE(std::pair(running.game.exitStatus(), running.game.exitCode()), std::pair(QProcess::NormalExit, 0));
        // The save at exit ran: a first run's file is there, whole.
        QCOMPARE(QFileInfo(running.folder.path("config.dat")).size(), qint64(ClSettings::kSize));
        const QByteArray said = running.game.readAllStandardError();
        QVERIFY2(said.contains("JPEG"), said.constData());
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
                 QStringList({"Brick0.gam", "Picture", "wallwright"}));
    }
};

QTEST_MAIN(ProcessTest)
#include "ProcessTest.moc"
