#pragma once
// The game's art is kept inside the program in blocks. The block a start at
// 1x draws from, the bricks and the English buttons, is readable under ":/"
// from the start; these others are made readable when first wanted, so that
// a start brings in neither their pages nor their indexes.
enum class ArtBlock {
    Languages, // the other languages' buttons at 1x
    Rest,      // the larger scales and the About box's pictures, in every language
};

// Makes the block readable; it stays so.
void readyArt(ArtBlock block);
