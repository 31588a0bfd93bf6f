#pragma once
// The signals a desktop sends at logout or shutdown (SIGTERM, SIGHUP) and
// Ctrl+C in a terminal (SIGINT) end the game the way closing its window
// does: open dialogs close, the window closes and the settings are saved.
// A second such signal ends the game at once.
class QObject;

void quitOnSignals(QObject* parent);
