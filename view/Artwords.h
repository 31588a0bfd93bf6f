#pragma once
// The words drawn in the game's art: on each image button, by the name of
// its art, and under the title of the About picture. The art generator draws
// them in every language the game has, from the game's own translations; the
// widgets showing the art tell them to screen readers.
#include <QCoreApplication>

struct ButtonWord {
    const char* face;
    const char* word;
};

inline constexpr ButtonWord kButtonWords[] = {
    {"select", QT_TRANSLATE_NOOP("Art", "Select")}, {"play", QT_TRANSLATE_NOOP("Art", "Play")},
    {"prev", QT_TRANSLATE_NOOP("Art", "Prev")},     {"next", QT_TRANSLATE_NOOP("Art", "Next")},
    {"option", QT_TRANSLATE_NOOP("Art", "Option")}, {"help", QT_TRANSLATE_NOOP("Art", "Help")},
    {"about", QT_TRANSLATE_NOOP("Art", "About")},   {"hint", QT_TRANSLATE_NOOP("Art", "Hint")},
    {"ok", QT_TRANSLATE_NOOP("Art", "OK")},         {"cancel", QT_TRANSLATE_NOOP("Art", "Cancel")},
    {"close", QT_TRANSLATE_NOOP("Art", "Close")},   {"choose", QT_TRANSLATE_NOOP("Art", "Choose")},
};

inline constexpr const char* kAboutPictureWords = QT_TRANSLATE_NOOP("Art", "A brick wall puzzle game");
