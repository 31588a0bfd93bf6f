#pragma once
// The board: a background bitmap (imgBack) with a see-through paint surface
// (PaintBox1) over it on which the pieces are drawn and picked with the mouse.
// This base class holds the gesture state and the plain pick and move.
#include <functional>

#include <QImage>
#include <QWidget>

#include "game/Gameinterface.h"

class QPainter;

// An image control: shows its picture at its top-left corner, with whatever
// OnPaintOver draws on top of the part repainted.
class TImage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    QImage picture;
    std::function<void(QPainter&, const QRect& dirty)> OnPaintOver;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A paint surface that hands its painting and mouse events to its owner.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent);
    std::function<void(QPainter&, const QRect&)> OnPaint;
    std::function<void(Qt::MouseButton, int x, int y)> OnMouseDown;
    std::function<void(int x, int y)> OnMouseMove;
    std::function<void(Qt::MouseButton, int x, int y)> OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class TFrameBoard : public QWidget {
    Q_OBJECT
public:
    explicit TFrameBoard(QWidget* parent = nullptr);

    ClGameInterface* gameInterface = nullptr;
    TImage* imgBack;
    TPaintBox* PaintBox1;

    // Gesture state.
    Qt::MouseButton pressedButton = Qt::NoButton;
    bool dragging = false;
    bool mouseMoved = false;
    int grabOffsetX = 0;
    int grabOffsetY = 0;

    // Turns or mirrors the piece for a right click at a play point, and lets
    // go of it; says what the turn did.
    virtual PlayOutcome TurnPiece(int column, int row, ClPiece* piece, TurnWay way) = 0;
    virtual void PiecePicked() {}
    virtual void RedrawPieces() {}
    // Every piece of the game from the last to the first, so the first is on top.
    virtual void DrawPieces(QPainter& canvas, ClGameControl* game);
    virtual void DrawPiece(const ClPiece& piece, QPainter& canvas) = 0;
    virtual void DrawWall(const ClCheckerboard* checkerboard);

    // Pixels per play unit, or 0 when no usable group is loaded.
    int cellWidth() const;
    int cellHeight() const;

protected:
    void PaintBox1MouseDown(Qt::MouseButton button, int x, int y);
    void PaintBox1MouseMove(int x, int y);

    ClGameControl* game() const { return gameInterface ? gameInterface->gameControl.get() : nullptr; }
    ClPiece* heldPiece() const { return game() ? game()->selectedPiece : nullptr; }
    // The play cell the held piece's origin would take for a mouse position.
    QPoint targetCell(int x, int y) const;
};
