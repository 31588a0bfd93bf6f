#pragma once
// Key names as the game spells them, alike in its tooltips, its help, its
// manual page and its README: "Page Down", not the toolkit's "PgDown".
#include <QKeySequence>
#include <QString>

// "Ctrl+Shift+Z", "Page Up", "Left", "F1", "S"; the chords of a longer
// sequence are joined by ", ".
QString keyName(const QKeySequence& keys);
