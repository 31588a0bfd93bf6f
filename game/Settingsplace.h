#pragma once
// Where "config.dat" is kept, with the record of solved puzzles and the
// window's size beside it: beside the program when the program folder
// belongs to the player and a file can be made there (a build folder, a
// copy in one's home), never in a system folder such as /usr. Otherwise in
// the player's own settings folder, which a first run creates and seeds with
// the program folder's copy. When that cannot be used either, nothing is
// saved and the place says why; the settings are still read.
#include <string>

struct SettingsPlace {
    std::string readFrom; // the settings file read at start; may be empty
    std::string saveTo;   // the settings file written; empty: nothing is saved
    // Why nothing is saved.
    enum class Problem { None, NoHomeFolder, UnusableFolder } problem = Problem::None;
    std::string unusableFolder; // the folder that cannot be used
    std::string why;            // and why, a clause

    // A file kept beside the settings; empty when nothing is saved.
    std::string beside(const std::string& name) const;
};

SettingsPlace settingsPlaceFor(const std::string& programFolder, const std::string& userFolder);

// $XDG_CONFIG_HOME/Wallwright, or ~/.config/Wallwright; empty without a home.
std::string userSettingsFolder();

// Whether the folder, links resolved as far as it exists, is one that belongs
// to the package manager or the administrator, judged by whole path parts.
bool isSystemFolder(const std::string& folder);
