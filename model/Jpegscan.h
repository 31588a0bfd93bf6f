#pragma once
// What a JPEG's frame header says before any of it is decoded.
#include <string_view>

// Whether the JPEG is progressive (or otherwise not sequential Huffman):
// such a file is decoded by keeping every coefficient of the whole picture,
// however small it is drawn. False for anything that is no JPEG.
bool jpegDecodesWhole(std::string_view file);
