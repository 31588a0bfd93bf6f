#pragma once
// Key names as the game spells them, alike in its tooltips, its help, its
// manual page and its README: "Page Down", not the toolkit's "PgDown".
#include <QKeySequence>
#include <QList>
#include <QString>

// "Ctrl+Shift+Z", "Page Up", "Left", "F1", "S"; the chords of a longer
// sequence are joined by ", ".
QString keyName(const QKeySequence& keys);

// Undo and redo, in the window and in its help.
inline const QKeySequence kUndoKey(Qt::CTRL | Qt::Key_Z);
inline const QList<QKeySequence> kRedoKeys{Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y};
