#pragma once
// Proves a group file: every content rule, then every puzzle played through
// the game's own operations the way the board plays them.
#include <ostream>
#include <string>

// Writes one line for the file and one for each failure; true when all holds.
// Puzzles and pieces are counted from 1, as a player counts them.
bool checkGameFile(const std::string& fileName, std::ostream& out);
