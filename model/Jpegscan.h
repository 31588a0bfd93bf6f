#pragma once
// What a JPEG's headers say before any of it is decoded.
#include <string_view>

// Whether the decoder must keep every coefficient of the whole picture,
// however small it is drawn: a progressive (or otherwise not sequential
// Huffman) frame, or a sequential one sent a colour at a time, whose first
// scan names fewer components than the frame has. False for anything that
// is no JPEG.
bool jpegDecodesWhole(std::string_view file);
