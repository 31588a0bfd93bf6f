#pragma once
// An icon of the game's art that stays sharp when its widget is shown scaled.
// A plain icon picks its pixmap by the screen's pixel ratio alone, so inside
// a zoomed window it draws its 1x pixmap and the zoom enlarges it.
#include <QIcon>

// The art at the resource path, drawn from its form for scale (see loadArt)
// into whatever rectangle, and through whatever scaling, it is painted.
QIcon artIcon(const QString& path, int scale);
