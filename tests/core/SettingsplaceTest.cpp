// Where the settings go: never into a system folder, judged by the folder
// as it really is and by whole parts of its path; into the player's own
// folder when the program's cannot be used; nowhere, said why, when neither can.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <tuple>

#include "Fixtures.h"
#include "game/Settingsplace.h"

namespace fs = std::filesystem;

TEST(Settingsplace, SystemFoldersAreJudgedAsTheyReallyAreByWholeParts)
{
    const std::string dir = fixtures::freshFolder("system-look");
    fs::create_directory_symlink("/usr/share", dir + "/linked");
    // a folder, whether it is the system's
    const std::pair<std::string, bool> cases[] = {
        {"/", true},           {"/usr", true},          {"/usr/lib/wallwright", true},
        {"/etc/", true},       {"/lib64/x", true},      {dir + "/linked/Wallwright", true},
        {"/devel/games", false}, {"/library/x", false}, {"/usrlocal", false},
        {"/etcetera/a", false},  {"/binder", false},    {dir, false},
        {"/usr/../tmp/x", false}, {"/home/usr", false},
    };
    for (const auto& [folder, system] : cases)
        EXPECT_EQ(isSystemFolder(folder), system) << folder;
}

// A program folder in /usr sends the settings to the user's folder; with no
// usable user folder nothing is written at all, the game's own copy is
// still read, and the place says which folder failed and why.
TEST(Settingsplace, ASystemProgramFolderIsOnlyRead)
{
    const std::string home = fixtures::freshFolder("place-home");
    const SettingsPlace usual = settingsPlaceFor("/usr/lib/wallwright/", home + "/Wallwright");
    EXPECT_EQ(usual.saveTo, home + "/Wallwright/config.dat");
    EXPECT_EQ(usual.problem, SettingsPlace::Problem::None);
    EXPECT_EQ(usual.beside("progress.dat"), home + "/Wallwright/progress.dat");

    fixtures::put(home + "/plain", "");
    const std::string foreign = fixtures::freshFolder("place-foreign");
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
    }
    fs::create_directory_symlink("/usr/share", home + "/linked");
    // The user's folder, what is wrong with it and a part of why.
    const std::tuple<std::string, SettingsPlace::Problem, std::string> unusable[] = {
        {home + "/plain/Wallwright", SettingsPlace::Problem::UnusableFolder, "a file stands where a folder"},
        {"/usr/share/Wallwright", SettingsPlace::Problem::UnusableFolder, "it is a system folder"},
        {home + "/linked/Wallwright", SettingsPlace::Problem::UnusableFolder, "it is a system folder"},
        {foreign + "/Wallwright", SettingsPlace::Problem::UnusableFolder, root ? "belongs to another user" : ""},
        {"", SettingsPlace::Problem::NoHomeFolder, ""},
    };
    for (const auto& [userFolder, problem, why] : unusable) {
        if (userFolder.starts_with(foreign) && !root)
            continue; // the probe's folder is the tester's own
        SCOPED_TRACE(userFolder);
        const SettingsPlace place = settingsPlaceFor("/usr/lib/wallwright/", userFolder);
        EXPECT_EQ(place.readFrom, "/usr/lib/wallwright/config.dat");
        EXPECT_TRUE(place.saveTo.empty());
        EXPECT_EQ(place.beside("progress.dat"), "");
        EXPECT_EQ(place.problem, problem);
        EXPECT_EQ(place.unusableFolder, problem == SettingsPlace::Problem::UnusableFolder ? userFolder : "");
        EXPECT_NE(place.why.find(why), std::string::npos) << place.why;
    }
    EXPECT_FALSE(fs::exists(foreign + "/Wallwright"));

    // A program folder that links into one is one too, even for root.
    fs::create_directory_symlink("/usr/lib", home + "/program");
    EXPECT_EQ(settingsPlaceFor(home + "/program/", home + "/Wallwright").saveTo, home + "/Wallwright/config.dat");
}

// The player's own settings folder made read-only: its settings are still
// read, nothing is written, and the folder is named. Root writes anyway, so
// this runs as an ordinary user only.
TEST(Settingsplace, AReadOnlyUserFolderIsReadAndNamed)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not stop root";
    const std::string folder = fixtures::freshFolder("place-read-only") + "/Wallwright";
    fs::create_directory(folder);
    fixtures::put(folder + "/config.dat", "x");
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    const SettingsPlace place = settingsPlaceFor("/usr/lib/wallwright/", folder);
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(place.readFrom, folder + "/config.dat");
    EXPECT_TRUE(place.saveTo.empty());
    EXPECT_EQ(place.unusableFolder, folder);
    EXPECT_EQ(place.why, "permission denied");
}

// The player's folder is $XDG_CONFIG_HOME/Wallwright when that is a whole
// path; a relative or empty one is no place and ~/.config is taken instead.
TEST(Settingsplace, ThePlayersFolderFollowsTheDesktopsConfigurationHome)
{
    const char* const before = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = before ? before : "";
    const std::string home = fileaccess::homeFolder();
    for (const auto& [configHome, folder] : std::initializer_list<std::pair<const char*, std::string>>{
             {"/srv/settings", "/srv/settings/Wallwright"},
             {"relative/settings", home + "/.config/Wallwright"},
             {"", home + "/.config/Wallwright"},
             {nullptr, home + "/.config/Wallwright"}}) {
        configHome ? setenv("XDG_CONFIG_HOME", configHome, 1) : unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(userSettingsFolder(), folder) << (configHome ? configHome : "unset");
    }
    before ? setenv("XDG_CONFIG_HOME", saved.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
}
