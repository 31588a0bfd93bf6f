#pragma once
// Makes a group's puzzles: grows gaps out of the group's pieces, lays the
// pieces out around the gap, scores how hard each puzzle is and keeps an even
// climb from easy to hard.
#include <cstdint>
#include <string>

#include "game/Groups.h"
#include "model/Gamefile.h"

// The same arguments always give the same content. False (with the reason in
// `error`) when not enough different puzzles turn up.
bool generateGroup(const GroupRules& rules, std::uint32_t seed, std::int32_t count, ClGameFile& file,
                   std::string& error);

// One puzzle of the group's kind whose difficulty score lies in the
// challenge's quarter of the shipped group's scores (or, should none turn up
// in reach, as near it as any that did), proven solvable: `file` holds the
// group's header and shapes and that puzzle. The same arguments always give
// the same puzzle. False (with the reason in `error`) when none turns up.
bool generatePuzzle(const GroupRules& rules, std::uint32_t seed, Challenge challenge, ClGameFile& file,
                    std::string& error);
