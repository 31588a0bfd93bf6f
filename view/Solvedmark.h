#pragma once
// The mark of a solved puzzle, drawn beside the level caption and on the
// puzzle chooser's tiles: a five-pointed star, gold when solved alone, an
// outline when hints helped, nothing while unsolved.
#include <QPointF>

#include "game/Progress.h"

class QPainter;

void drawSolvedMark(QPainter& painter, QPointF centre, Solved solved);
