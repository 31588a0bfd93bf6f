// Where "config.dat" lives: beside a program that may write there, else in
// the user's configuration folder, seeded once from the program folder.
#include <unistd.h>

#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include "Programfolder.h"
#include "game/Gameinterface.h"

namespace {
QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void saveGroup(const QString& path, std::int32_t group)
{
    ClSettings settings;
    settings.group = group;
    QVERIFY(settings.saveTo(path.toStdString()));
}

std::int32_t savedGroup(const QString& path)
{
    ClSettings settings;
    settings.group = -1;
    return settings.loadFrom(path.toStdString()) ? settings.group : -1;
}
} // namespace

class SettingsplaceTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        // The user's configuration folder, where QStandardPaths looks for it.
        userHome = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", userHome->path().toUtf8());
        userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QVERIFY(userFolder.startsWith(userHome->path()));
    }

    void theProbeReallyTriesToWrite()
    {
        QTemporaryDir dir;
        QVERIFY(canCreateFileIn(dir.path()));
        QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)); // no probe left
        QVERIFY(!canCreateFileIn(dir.filePath("missing")));
        QFile(dir.filePath("plain")).open(QIODevice::WriteOnly);
        QVERIFY(!canCreateFileIn(dir.filePath("plain")));
        QVERIFY(!canCreateFileIn(dir.filePath("plain/below")));
        QVERIFY(!canCreateFileIn("/proc")); // not even root can
    }

    void aWritableProgramFolderKeepsItsOwnSettings()
    {
        ProgramFolder folder;
        {
            ClGameInterface game(folder.dir.path());
            QCOMPARE(game.settingsPath(), folder.path("config.dat"));
            game.settings.group = 2;
        }
        QCOMPARE(QFileInfo(folder.path("config.dat")).size(), qint64(ClSettings::kSize));
        QCOMPARE(savedGroup(folder.path("config.dat")), 2);
        QVERIFY(!QFileInfo::exists(userFolder));
    }

    void aReadOnlyProgramFolderSendsTheSettingsToTheUser()
    {
        ProgramFolder folder;
        saveGroup(folder.path("config.dat"), 3);
        const QByteArray seed = readAll(folder.path("config.dat"));
        QFile::setPermissions(folder.dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                                     | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(folder.dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (geteuid() == 0)
            QSKIP("permissions do not stop root; ctest runs this case again as nobody");
        QVERIFY(!canCreateFileIn(folder.dir.path()));

        const QString own = QDir(userFolder).filePath("config.dat");
        {
            ClGameInterface game(folder.dir.path());
            QCOMPARE(game.settingsPath(), own);
            QCOMPARE(game.settings.group, 3); // the seed, on the first run
            game.settings.group = 1;
        }
        QCOMPARE(savedGroup(own), 1);
        QCOMPARE(QFileInfo(own).size(), qint64(ClSettings::kSize));
        QCOMPARE(readAll(folder.path("config.dat")), seed);
        ClGameInterface again(folder.dir.path());
        QCOMPARE(again.settings.group, 1); // the user's copy wins over the seed
    }

    // The same rules with the folder's writability given, so that they run as root too.
    void theUserFolderIsMadeAndSeededOnce()
    {
        ProgramFolder folder;
        const QString nested = userHome->filePath("deeper/Wallwright");
        const QString own = QDir(nested).filePath("config.dat");

        // No seed: the path in the user's folder, which now exists, and no file yet.
        QCOMPARE(settingsFileFor(folder.dir.path(), false, nested), own);
        QVERIFY(QFileInfo(nested).isDir());
        QVERIFY(!QFileInfo::exists(own));

        saveGroup(folder.path("config.dat"), 3);
        QCOMPARE(settingsFileFor(folder.dir.path(), false, nested), own);
        QCOMPARE(readAll(own), readAll(folder.path("config.dat")));

        saveGroup(own, 1);
        saveGroup(folder.path("config.dat"), 2); // an update of the game's copy
        QCOMPARE(settingsFileFor(folder.dir.path(), false, nested), own);
        QCOMPARE(savedGroup(own), 1);
    }

    void withNoUserFolderTheGamesCopyIsStillRead()
    {
        ProgramFolder folder;
        QFile(userHome->filePath("plain")).open(QIODevice::WriteOnly);
        const QString beside = folder.path("config.dat");
        QCOMPARE(settingsFileFor(folder.dir.path(), false, userHome->filePath("plain/Wallwright")), beside);
        QCOMPARE(settingsFileFor(folder.dir.path(), false, QString()), beside);
        QCOMPARE(settingsFileFor(folder.dir.path(), true, userHome->filePath("unused")), beside);
        QVERIFY(!QFileInfo::exists(userHome->filePath("unused")));
    }

private:
    std::unique_ptr<QTemporaryDir> userHome;
    QString userFolder;
};

QTEST_MAIN(SettingsplaceTest)
#include "SettingsplaceTest.moc"
