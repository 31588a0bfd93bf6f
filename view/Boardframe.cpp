#include "view/Boardframe.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

void TImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.drawImage(0, 0, picture);
    if (OnPaintOver)
        OnPaintOver(painter, event->rect());
}

TPaintBox::TPaintBox(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(false);
}

void TPaintBox::paintEvent(QPaintEvent* event)
{
    if (!OnPaint)
        return;
    QPainter painter(this);
    OnPaint(painter, event->rect());
}

void TPaintBox::mousePressEvent(QMouseEvent* event)
{
    if (OnMouseDown)
        OnMouseDown(event->button(), event->position().toPoint().x(), event->position().toPoint().y());
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove)
        OnMouseMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (OnMouseUp)
        OnMouseUp(event->button(), event->position().toPoint().x(), event->position().toPoint().y());
}

TFrameBoard::TFrameBoard(QWidget* parent)
    : QWidget(parent)
    , imgBack(new TImage(this))
    , PaintBox1(new TPaintBox(this))
{
}

namespace {
// A play unit wider or taller than this comes from a damaged file; such a
// group is not drawn or played, so pixel sums cannot overflow.
constexpr std::int32_t kMaxCellPixels = 256;

int usableCellSize(const ClGameControl* control, std::int32_t size)
{
    return control && control->gameData->inPlayUnits() && size > 0 && size <= kMaxCellPixels ? size : 0;
}
} // namespace

int TFrameBoard::cellWidth() const
{
    return usableCellSize(game(), game() ? game()->gameData->header.cellWidth : 0);
}

int TFrameBoard::cellHeight() const
{
    return usableCellSize(game(), game() ? game()->gameData->header.cellHeight : 0);
}

void TFrameBoard::DrawPieces(QPainter& canvas, ClGameControl* control)
{
    if (!control)
        return;
    const auto& pieces = control->puzzle.pieces;
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece)
        DrawPiece(*piece, canvas);
}

void TFrameBoard::DrawWall(const ClCheckerboard*) {}

QPoint TFrameBoard::targetCell(int x, int y) const
{
    const double column = double(x - grabOffsetX) / cellWidth() + 0.5;
    const double row = double(y - grabOffsetY) / cellHeight() + 0.5;
    return {truncateToInt(column), truncateToInt(row)};
}

void TFrameBoard::PaintBox1MouseDown(Qt::MouseButton button, int x, int y)
{
    if (dragging)
        return;
    pressedButton = button;
    mouseMoved = false;
    const int cw = cellWidth();
    const int ch = cellHeight();
    ClPiece* held = cw > 0 && ch > 0 ? game()->pickPiece(x / cw, y / ch) : nullptr;
    dragging = held != nullptr;
    if (!held)
        return;
    grabOffsetX = x - held->x * cw;
    grabOffsetY = y - held->y * ch;
    PiecePicked();
}

void TFrameBoard::PaintBox1MouseMove(int x, int y)
{
    mouseMoved = true;
    if (pressedButton != Qt::LeftButton || !dragging)
        return;
    const QPoint cell = targetCell(x, y);
    if (game()->canMoveTo(heldPiece(), cell.x(), cell.y()))
        game()->movePiece(heldPiece(), cell.x(), cell.y());
}
