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
