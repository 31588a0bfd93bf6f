#pragma once
#include <ostream>
#include <string>

// Writes a puzzle file as one JSON document; false when it cannot be loaded
// (the reason then goes to `error`).
bool dumpGameFile(const std::string& fileName, std::ostream& out, std::string& error);
