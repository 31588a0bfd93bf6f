#include "game/Settingsplace.h"

#include <cstdlib>

#include "game/Settings.h"
#include "model/Fileaccess.h"
#include "model/Words.h"

namespace {
// Folders that belong to the package manager or the administrator: the game
// writes nothing there, whoever runs it.
constexpr const char* kSystemFolders[] = {"/usr",   "/etc",    "/bin",  "/sbin", "/lib",  "/lib32",
                                          "/lib64", "/libx32", "/boot", "/dev",  "/proc", "/sys"};
constexpr char kSettingsName[] = "config.dat";

// The folder as it really is, links resolved, judged by the part that exists.
std::string resolvedAsFarAsItExists(const std::string& folder)
{
    std::string existing = folder, rest;
    while (!fileaccess::exists(existing) && fileaccess::folderOf(existing) != existing) {
        rest = "/" + fileaccess::fileNameOf(existing) + rest;
        existing = fileaccess::folderOf(existing);
    }
    const std::string real = fileaccess::resolved(existing);
    if (real.empty())
        return folder;
    // The root itself, or a folder below it: no doubled separator.
    return real == "/" ? (rest.empty() ? real : rest) : real + rest;
}

SettingsPlace placeOfItsOwn(const std::string& settingsFile)
{
    SettingsPlace place;
    place.readFrom = place.saveTo = settingsFile;
    return place;
}

// Read from `readFrom`, written nowhere, and why.
SettingsPlace notSaved(const std::string& readFrom, SettingsPlace::Problem problem, const std::string& folder,
                       const std::string& why)
{
    SettingsPlace place;
    place.readFrom = readFrom;
    place.problem = problem;
    place.unusableFolder = folder;
    place.why = why;
    return place;
}
} // namespace

std::string SettingsPlace::beside(const std::string& name) const
{
    return saveTo.empty() ? std::string() : fileaccess::joinPath(fileaccess::folderOf(saveTo), name);
}

bool isSystemFolder(const std::string& folder)
{
    const std::string real = resolvedAsFarAsItExists(folder);
    if (real == "/")
        return true;
    for (const std::string system : kSystemFolders)
        if (real == system || real.starts_with(system + '/'))
            return true;
    return false;
}

std::string userSettingsFolder()
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && configHome[0] == '/')
        return fileaccess::joinPath(configHome, "Wallwright");
    const std::string home = fileaccess::homeFolder();
    return home.empty() ? std::string() : fileaccess::joinPath(fileaccess::joinPath(home, ".config"), "Wallwright");
}

SettingsPlace settingsPlaceFor(const std::string& programFolder, const std::string& userFolder)
{
    const std::string beside = fileaccess::joinPath(programFolder, kSettingsName);
    Failure failure;
    if (!isSystemFolder(programFolder) && fileaccess::isOwnFolder(programFolder)
        && fileaccess::canCreateFileIn(programFolder, failure))
        return placeOfItsOwn(beside);
    if (userFolder.empty())
        return notSaved(beside, SettingsPlace::Problem::NoHomeFolder, {}, {});
    const std::string own = fileaccess::joinPath(userFolder, kSettingsName);
    if (isSystemFolder(userFolder))
        failure = {FailureKind::Refused, words::say("Failure", "it is a system folder")};
    else if (fileaccess::makeOwnFolders(userFolder, failure) && fileaccess::canCreateFileIn(userFolder, failure)) {
        // Only a first run takes the seed: a record of the player's own is never replaced.
        std::string seed;
        Failure seedFailure;
        if (!fileaccess::exists(own) && fileaccess::readStart(beside, ClSettings::kSize, seed, seedFailure))
            fileaccess::writeFile(own, seed, seedFailure);
        return placeOfItsOwn(own);
    }
    // Read what there is, write nothing.
    const bool ownIsThere = fileaccess::isOwnFolder(userFolder) && fileaccess::isRegularFile(own);
    return notSaved(ownIsThere ? own : beside, SettingsPlace::Problem::UnusableFolder, userFolder, failure.why);
}
