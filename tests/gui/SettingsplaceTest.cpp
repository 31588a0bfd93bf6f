// Where "config.dat" lives: beside a program whose folder is the player's
// own and writable, else in the user's configuration folder, seeded once
// from the program folder.
#include <fcntl.h>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTest>

#include "Programfolder.h"
#include "game/Gameinterface.h"
#include "game/Zoom.h"

namespace {
void saveGroup(const QString& path, std::int32_t group)
{
    ClSettings settings;
    settings.group = group;
    Failure failure;
    QVERIFY2(settings.saveTo(path.toStdString(), &failure), failure.why.c_str());
}

std::int32_t savedGroup(const QString& path)
{
    ClSettings settings;
    settings.group = -1;
    return settings.loadFrom(path.toStdString()) ? settings.group : -1;
}

// The program folder closed to the game: someone else's when root runs the
// test (an installed game), else read-only.
bool lockOut(const QByteArray& folder)
{
    return geteuid() == 0 ? ::chown(folder.constData(), 65534, 65534) == 0 : ::chmod(folder.constData(), 0555) == 0;
}
} // namespace

class SettingsplaceTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        userHome = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", userHome->path().toUtf8());
        userFolder = userHome->filePath("Wallwright");
    }

    void anOwnWritableProgramFolderKeepsItsOwnSettings()
    {
        ProgramFolder folder;
        // What killed writes of any of the game's files left there goes when
        // the game starts, once old enough that no writer is still at it.
        const auto leftover = [&](const char* target, int serial, int secondsOld) {
            const QString path = folder.path(QString(".%1.41-%2-77.tmp").arg(target).arg(serial));
            fixtures::put(path.toStdString(), std::string(1000, 'x'));
            const timespec then{std::time(nullptr) - secondsOld, 0};
            const timespec times[2] = {then, then};
            (void)::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
            return path;
        };
        QStringList killed, young;
        for (const char* target : {"config.dat", ClProgress::kFileName, zoom::kFileName}) {
            killed << leftover(target, 1, 75);
            young << leftover(target, 2, 45);
        }
        {
            ClGameInterface game(folder.bytes());
            QCOMPARE(game.settingsPath(), QFile::encodeName(folder.path("config.dat")));
            game.settings.group = 2;
        }
        QCOMPARE(savedGroup(folder.path("config.dat")), 2);
        QVERIFY(!QFileInfo::exists(userFolder));
        for (const QString& path : killed)
            QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
        for (const QString& path : young)
            QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    }

    // Read-only for the player, or someone else's (an installed game, even
    // when root runs it): the settings go to the user's folder, seeded once.
    // With no usable user folder either, the game plays on, says so once,
    // and writes nothing, not at a change, not at a solve, not at exit.
    void aForeignOrReadOnlyProgramFolderSendsTheSettingsToTheUser()
    {
        ProgramFolder folder;
        saveGroup(folder.path("config.dat"), 3);
        const std::string seed = fixtures::contentOf(folder.path("config.dat").toStdString());
        const QByteArray path = folder.bytes();
        QVERIFY(lockOut(path));
        const auto restore = qScopeGuard([&] { (void)::chmod(path.constData(), 0777); });

        const QString own = QDir(userFolder).filePath("config.dat");
        {
            ClGameInterface game(path);
            QCOMPARE(game.settingsPath(), QFile::encodeName(own));
            QCOMPARE(game.settings.group, 3); // the seed, on the first run
            game.settings.group = 1;
            game.settingsChanged(ClSettings::kGroup);
        }
        QCOMPARE(savedGroup(own), 1);
        QCOMPARE(fixtures::contentOf(folder.path("config.dat").toStdString()), seed);
        QCOMPARE(ClGameInterface(path).settings.group, 1); // the user's copy, not the seed again

        QFile(userHome->filePath("file")).open(QIODevice::WriteOnly);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(userHome->filePath("file")));
        const QStringList before = QDir(folder.path("")).entryList(QDir::AllEntries | QDir::Hidden);
        QStringList told;
        {
            ClGameInterface game(path);
            game.reportProblem = [&](const QString& message) { told << message; };
            QVERIFY(game.settingsProblem.contains("not saved"));
            game.settings.brickStyle = 4;
            game.settingsChanged(ClSettings::kBrickStyle);
            QVERIFY(game.gameControl->gameData->load(path.toStdString() + "/Brick0.gam"));
            game.gameControl->gameData->rescaleToPlayUnits();
            game.gameControl->selectPuzzle(0);
            game.restart();
            bool solved = false;
            for (int hints = 0; hints < 10 && !solved; ++hints)
                solved = game.hint().complete;
            QVERIFY(solved);
        }
        QCOMPARE(told, QStringList());
        QCOMPARE(QDir(folder.path("")).entryList(QDir::AllEntries | QDir::Hidden), before);
        QVERIFY(QFileInfo(userHome->filePath("file")).isFile());
    }

private:
    std::unique_ptr<QTemporaryDir> userHome;
    QString userFolder;
};

QTEST_MAIN(SettingsplaceTest)
#include "SettingsplaceTest.moc"
