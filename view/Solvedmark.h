#pragma once
// The mark of a solved puzzle, drawn beside the level caption and on the
// puzzle chooser's tiles: a five-pointed star, gold when solved alone, an
// outline when hints helped, nothing while unsolved; and the puzzle's best
// time and fewest moves in words.
#include <QPen>
#include <QPointF>
#include <QString>

#include "game/Progress.h"

class QPainter;

void drawSolvedMark(QPainter& painter, QPointF centre, Solved solved);

// A time in minutes and whole seconds: "0:58", "12:05".
QString minutesAndSeconds(std::uint32_t milliseconds);
// "Best: 0:58, 11 moves"; empty while no time and moves are known.
QString bestText(const BestSolve& best);

// A pen that draws a dark rim around ink lines of the given width (0: the
// outline of filled letters): it keeps the caption and the star readable on
// any picture, pale sky and yellow leaves alike.
QPen rimPen(double inkWidth);
