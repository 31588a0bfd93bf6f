#pragma once
// The game as the program runs it, a set of parts rather than a window of
// its own: the application's name and menu id, then the main window with
// its sound effects, the window that shows it at the player's zoom with the
// game's icon, and the hidden music window, wired together.
// The program and its benchmarks build it here.
#include <QByteArray>

#include "app/Gameview.h"
#include "app/Mainform.h"
#include "app/audio/Musicform.h"
#include "app/audio/Sdlsoundplayer.h"

void setUpApplication();

struct GameParts {
    explicit GameParts(const QByteArray& programFolder = defaultProgramFolder());
    ~GameParts();
    GameParts(const GameParts&) = delete;
    GameParts& operator=(const GameParts&) = delete;

    ClSdlSoundPlayer soundEffects; // outlives the board that plays it
    TFormMain form;
    // The window the game is shown in, at the player's zoom.
    TGameView view;
    // The hidden music window: made after the main window, gone before it.
    TFormMusic music;
};
