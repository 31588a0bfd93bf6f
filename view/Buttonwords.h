#pragma once
// The word on each image button, by the name of its art. The art generator
// draws it in every language the game has, from the game's own translations;
// the button tells it to screen readers.
#include <QCoreApplication>

struct ButtonWord {
    const char* face;
    const char* word;
};

inline constexpr ButtonWord kButtonWords[] = {
    {"select", QT_TRANSLATE_NOOP("Button", "Select")}, {"play", QT_TRANSLATE_NOOP("Button", "Play")},
    {"prev", QT_TRANSLATE_NOOP("Button", "Prev")},     {"next", QT_TRANSLATE_NOOP("Button", "Next")},
    {"option", QT_TRANSLATE_NOOP("Button", "Option")}, {"help", QT_TRANSLATE_NOOP("Button", "Help")},
    {"about", QT_TRANSLATE_NOOP("Button", "About")},   {"hint", QT_TRANSLATE_NOOP("Button", "Hint")},
    {"ok", QT_TRANSLATE_NOOP("Button", "OK")},         {"cancel", QT_TRANSLATE_NOOP("Button", "Cancel")},
    {"close", QT_TRANSLATE_NOOP("Button", "Close")},   {"choose", QT_TRANSLATE_NOOP("Button", "Choose")},
};
