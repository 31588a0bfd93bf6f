// Where "config.dat" lives: beside a program whose folder is the player's
// own and writable, else in the user's configuration folder, seeded once
// from the program folder.
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTest>

#include "Programfolder.h"
#include "game/Gameinterface.h"

namespace {
void saveGroup(const QString& path, std::int32_t group)
{
    ClSettings settings;
    settings.group = group;
    std::string why;
    QVERIFY2(settings.saveTo(path.toStdString(), &why), why.c_str());
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
        userHome = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", userHome->path().toUtf8());
        userFolder = userHome->filePath("Wallwright");
        QCOMPARE(userSettingsFolder(), QFile::encodeName(userFolder));
    }

    void anOwnWritableProgramFolderKeepsItsOwnSettings()
    {
        ProgramFolder folder;
        {
            ClGameInterface game(folder.bytes());
            QCOMPARE(game.settingsPath(), QFile::encodeName(folder.path("config.dat")));
            game.settings.group = 2;
        }
        QCOMPARE(QFileInfo(folder.path("config.dat")).size(), qint64(ClSettings::kSize));
        QCOMPARE(savedGroup(folder.path("config.dat")), 2);
        QVERIFY(!QFileInfo::exists(userFolder));
    }

    // Read-only for the player, or someone else's (an installed game, even
    // when root runs it): the settings go to the user's folder, seeded once.
    void aForeignOrReadOnlyProgramFolderSendsTheSettingsToTheUser()
    {
        ProgramFolder folder;
        saveGroup(folder.path("config.dat"), 3);
        const std::string seed = fixtures::contentOf(folder.path("config.dat").toStdString());
        const QByteArray path = folder.bytes();
        if (geteuid() == 0)
            QVERIFY(::chown(path.constData(), 65534, 65534) == 0); // nobody's
        else
            QVERIFY(::chmod(path.constData(), 0555) == 0);
        const auto restore = qScopeGuard([&] { (void)::chmod(path.constData(), 0777); });

        const QString own = QDir(userFolder).filePath("config.dat");
        {
            ClGameInterface game(path);
            QCOMPARE(game.settingsPath(), QFile::encodeName(own));
            QCOMPARE(game.settings.group, 3); // the seed, on the first run
            game.settings.group = 1;
        }
        QCOMPARE(savedGroup(own), 1);
        QCOMPARE(fixtures::contentOf(folder.path("config.dat").toStdString()), seed);
        ClGameInterface again(path);
        QCOMPARE(again.settings.group, 1); // the user's copy, not the seed again
    }

    // A system folder is never written even when it could be; with no user
    // folder the game's own copy is still read.
    void aSystemFolderIsOnlyRead()
    {
        QCOMPARE(settingsFileFor("/usr/lib/wallwright/", QFile::encodeName(userFolder)),
                 QFile::encodeName(QDir(userFolder).filePath("config.dat")));
        QFile(userHome->filePath("plain")).open(QIODevice::WriteOnly);
        const QByteArray beside = "/usr/lib/wallwright/config.dat";
        QCOMPARE(settingsFileFor("/usr/lib/wallwright/", QFile::encodeName(userHome->filePath("plain/Wallwright"))),
                 beside);
        QCOMPARE(settingsFileFor("/usr/lib/wallwright/", QByteArray()), beside);
    }

private:
    std::unique_ptr<QTemporaryDir> userHome;
    QString userFolder;
};

QTEST_MAIN(SettingsplaceTest)
#include "SettingsplaceTest.moc"
