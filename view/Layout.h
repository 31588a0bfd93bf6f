#pragma once
// The game's layout in pixels, in one place: the window, its button row, the
// playing field below it and the level caption between them.
inline constexpr int kWindowWidth = 640;
inline constexpr int kWindowHeight = 480;
inline constexpr int kButtonWidth = 80;
inline constexpr int kButtonHeight = 60; // also the height of the button row
// The paint box, where the pieces are played, starts this far down.
inline constexpr int kFieldTop = 80;
// The caption's top-left corner, just below the button row.
inline constexpr int kCaptionLeft = 10;
inline constexpr int kCaptionTop = kButtonHeight;
inline constexpr int kCaptionHeight = 24;
