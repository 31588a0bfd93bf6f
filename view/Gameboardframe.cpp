#include "view/Gameboardframe.h"

#include <algorithm>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include "game/Playerchoices.h"
#include "view/Layout.h"
#include <QThread>

#include "game/Checkerboard.h"
#include "view/Imagetool.h"
#include "view/Imgbtn.h"
#include "view/Solvedmark.h"
#include "view/Soundplayer.h"

namespace {
constexpr int kFadeFrames = 26;
// Enough for a smooth slide of a hinted piece at its usual pace.
constexpr int kSlideFrames = 12;
constexpr int kCaptionPixelSize = 16;
const QColor kCaptionColour = Qt::yellow;
// The note stands this far above the field's lower edge, in the caption's
// letters on a dark band that keeps it readable over any picture.
constexpr int kNoteMargin = 12;
// Where the caption, its rim and its star draw: a button lit under the
// mouse repaints the picture behind it, but not the caption.
constexpr QRect kCaptionBand(0, kCaptionTop - kCaptionHeight / 2, kWindowWidth, 2 * kCaptionHeight);
const char kNoteStyle[] = "color: %1; background: rgba(0, 0, 0, 190); border-radius: 6px; padding: 5px 14px;";

// While it lives, the application's key and mouse input goes nowhere.
class InputSwallower : public QObject {
public:
    InputSwallower() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputSwallower() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
        }
    }
};

// Waits until frame `frame` of `frames` is due, the whole run taking `milliseconds`:
// paced so that every frame reaches the screen.
void paceFrame(const QElapsedTimer& clock, int milliseconds, int frame, int frames)
{
    const qint64 due = qint64(milliseconds) * (frame + 1) / frames;
    if (const qint64 wait = due - clock.elapsed(); wait > 0)
        QThread::msleep(static_cast<unsigned long>(wait));
}

// No events run while frames are drawn, so the player cannot act meanwhile;
// keys and clicks that came then are dropped, not acted on afterwards.
void dropInputMeanwhile()
{
    InputSwallower swallow;
    QCoreApplication::processEvents();
}

} // namespace

TFrameGameBoard::TFrameGameBoard(QWidget* parent)
    : TFrameBoard(parent)
    , pixelScale(bitmapScale(this))
{
    setFixedSize(kWindowWidth, kWindowHeight);
    // The picture and the drag's back buffer are made when first shown or
    // dragged: until then they would only take memory.
    imgBack->setGeometry(0, 0, kWindowWidth, kWindowHeight);
    PaintBox1->setGeometry(0, kFieldTop, kWindowWidth, kWindowHeight - kFieldTop);
    PaintBox1->setEnabled(false);
    PaintBox1->OnPaint = [this](QPainter& canvas, const QRect& dirty) { PaintBox1Paint(canvas, dirty); };
    PaintBox1->OnMouseDown = [this](Qt::MouseButton b, int x, int y) { PaintBox1MouseDown(b, x, y); };
    PaintBox1->OnMouseMove = [this](int x, int y) { PaintBox1MouseMove(x, y); };
    PaintBox1->OnMouseUp = [this](Qt::MouseButton b, int x, int y) { PaintBox1MouseUp(b, x, y); };
    imgBack->OnPaintOver = [this](QPainter& canvas, const QRect& dirty) {
        if (captionOverPicture && dirty.intersects(kCaptionBand))
            drawCaption(canvas);
    };

    int left = 0;
    for (TImgBtn** button : {&imgSelect, &imgPlay, &imgPrev, &imgNext, &imgOption, &imgHelp, &imgAbout, &imgHint}) {
        *button = new TImgBtn(this, pixelScale);
        (*button)->setGeometry(left, 0, kButtonWidth, kButtonHeight);
        left += kButtonWidth;
    }
    imgHint->hide();

    landedMarkTimer = new QTimer(this);
    landedMarkTimer->setSingleShot(true);
    connect(landedMarkTimer, &QTimer::timeout, this, [this] {
        landedPiece.reset();
        PaintBox1->update();
    });
}

const QImage& TFrameGameBoard::brickImage() const
{
    // A style from an odd settings file draws as the first style.
    const std::int32_t setting = gameInterface ? gameInterface->settings.brickStyle : 0;
    const int style = isBrickStyle(setting) ? setting : 0;
    QImage& image = ImageList1[std::size_t(style)];
    if (image.isNull())
        image = loadArt(QString(":/bricks/brick%1.png").arg(style, 2, 10, QChar('0')), pixelScale)
                    .convertToFormat(QImage::Format_RGB32);
    return image;
}

QRect TFrameGameBoard::brickRect(const ClPoint& anchor) const
{
    const int cw = cellWidth();
    const int ch = cellHeight();
    // A piece of a damaged file may lie near the int32 limits: it stays far
    // off the board instead of overflowing onto it.
    const auto pixel = [](std::int64_t v) { return int(std::clamp<std::int64_t>(v, -(1 << 24), 1 << 24)); };
    return QRect(pixel(std::int64_t(anchor.x) * cw), pixel(std::int64_t(anchor.y) * ch), 2 * brickScale * cw,
                 brickScale * ch);
}

void TFrameGameBoard::DrawPiece(const ClPiece& piece, QPainter& canvas)
{
    const QImage& brick = brickImage();
    for (const ClPoint& anchor : piece.cells())
        canvas.drawImage(brickRect(anchor), brick);
}

void TFrameGameBoard::PaintBox1Paint(QPainter& canvas, const QRect& dirty)
{
    if (cellWidth() <= 0 || cellHeight() <= 0)
        return;
    if (heldPieceShown) {
        // During a drag: the field without the held piece, then the piece on
        // top, drawn as it lies, only shifted to where the mouse holds it.
        canvas.drawImage(dirty, backBuffer, devicePixels(backBuffer, dirty));
        if (const ClPiece* apart = pieceApart()) {
            canvas.translate(heldPieceShift(*apart));
            DrawPiece(*apart, canvas);
        }
        return;
    }
    DrawPieces(canvas, game() ? game()->isValid() : nullptr);
    if (!PaintBox1->isEnabled())
        return;
    for (const auto& marked : {chosenPiece, landedPiece})
        if (marked)
            drawMark(canvas, game()->pieceInFileOrder(*marked));
}

void TFrameGameBoard::RedrawPieces()
{
    PaintBox1->repaint();
}

void TFrameGameBoard::DrawWall(const ClCheckerboard* checkerboard)
{
    const int cw = cellWidth();
    const int ch = cellHeight();
    if (!checkerboard || cw <= 0 || ch <= 0)
        return;
    QImage shaded = brickImage().copy();
    ChangeBrightness(shaded, 60, shaded.rect(), true);
    const int s = brickScale;
    const ClPositions& grid = checkerboard->positions;
    QPainter painter(&imgBack->picture);
    const auto drawBrick = [&](int x, int y) { painter.drawImage(QRect(x, y, 2 * s * cw, s * ch), shaded); };
    // Odd rows start with half a brick at the left border.
    for (int v = 5 * s; v < grid.height + 4 * s; v += 2 * s)
        drawBrick(-cw, v * ch);
    for (int x = 0; x < grid.width; x += s)
        for (int y = 0; y < grid.height; y += s)
            if (grid.getAt(x, y) < 0 && (x / s) % 2 == (y / s) % 2)
                drawBrick(x * cw, (y + 4 * s) * ch);
}

void TFrameGameBoard::drawCaption(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(kCaptionPixelSize);
    painter.setFont(font);
    const int level = game() ? game()->puzzleIndex + 1 : 1;
    const auto fresh = gameInterface ? gameInterface->freshPuzzle() : std::nullopt;
    const QString caption = fresh ? tr("Puzzle %1").arg(QString::fromStdString(codeText(*fresh)))
                                  : tr("Level: %1").arg(level);
    const QRect place(kCaptionLeft, kCaptionTop, kWindowWidth - kCaptionLeft, kCaptionHeight);
    // A dark rim around every letter keeps the yellow readable on any
    // picture, pale sky and yellow leaves alike.
    QPainterPath outline;
    outline.addText(place.left(), place.top() + QFontMetrics(font).ascent(), font, caption);
    painter.strokePath(outline, rimPen(0));
    painter.setPen(kCaptionColour);
    QRect drawn;
    painter.drawText(place, Qt::AlignLeft | Qt::AlignTop, caption, &drawn);
    drawSolvedMark(painter, QPoint(drawn.right() + kCaptionHeight * 2 / 3, drawn.center().y()),
                   gameInterface ? gameInterface->solvedState() : Solved::No);
}

void TFrameGameBoard::paintBackground()
{
    // The picture shown goes before its successor is made: never two at once.
    imgBack->picture = QImage();
    imgBack->picture = gameInterface->background.copy();
    captionOverPicture = false;
    QPainter painter(&imgBack->picture);
    drawCaption(painter);
}

void TFrameGameBoard::ShowLevelPicture()
{
    takeSolveNoteAway();
    chosenPiece.reset();
    landedPiece.reset();
    imgHint->hide();
    imgBack->picture = gameInterface->background;
    captionOverPicture = true;
    imgBack->update();
    PaintBox1->repaint();
    PaintBox1->setEnabled(false);
    emit levelPictureShown();
}

void TFrameGameBoard::ShowPuzzle()
{
    takeSolveNoteAway();
    paintBackground();
    DrawWall(game()->gameData->checkerboard.get());
    imgBack->update();
    PaintBox1->update();
    PaintBox1->setEnabled(true);
    imgHint->show();
}

void TFrameGameBoard::setBitmapScale(int newScale)
{
    pixelScale = newScale;
    ImageList1 = {};
    for (TImgBtn* button : findChildren<TImgBtn*>(QString(), Qt::FindDirectChildrenOnly))
        button->setScale(pixelScale);
    if (PaintBox1->isEnabled())
        ShowPuzzle();
    else
        ShowLevelPicture();
    backBuffer = QImage(); // made again at the next drag
    if (dragging)
        buildBackBuffer();
}

HintResult TFrameGameBoard::ShowHint()
{
    // Where each piece lies now: the hint tells which one it moved only after the move.
    const std::vector<QPoint> before = pieceCorners();
    const HintResult given = gameInterface->hint();
    if (!given.piece)
        return given;
    slideMovedPieces(before);
    PlaySound(Sound::Drop);
    RedrawPieces();
    if (given.complete)
        runSolveSequence();
    return given;
}

void TFrameGameBoard::ShowHistoryStep(const std::function<PlayOutcome()>& step)
{
    const std::vector<QPoint> before = pieceCorners();
    const PlayOutcome outcome = step();
    if (outcome.change == PieceChange::None)
        return;
    slideMovedPieces(before);
    PlaySound(Sound::Drop);
    ShowMove(outcome);
}

std::vector<QPoint> TFrameGameBoard::pieceCorners() const
{
    std::vector<QPoint> corners;
    for (const ClPiece& piece : game()->puzzle.pieces)
        corners.push_back(pieceCorner(piece));
    return corners;
}

void TFrameGameBoard::slideMovedPieces(const std::vector<QPoint>& before)
{
    // Undo, redo and hints move pieces in place: the list keeps its order.
    const auto& pieces = game()->puzzle.pieces;
    for (std::size_t i = 0; i < pieces.size() && i < before.size(); ++i) {
        if (pieceCorner(pieces[i]) == before[i])
            continue;
        slidePiece(pieces[i], before[i]);
        for (std::size_t k = 0; const ClPiece* piece = game()->pieceInFileOrder(k); ++k)
            if (piece == &pieces[i])
                landedPiece = k;
    }
    if (landedPiece)
        landedMarkTimer->start(landedMarkMilliseconds);
}

void TFrameGameBoard::slidePiece(const ClPiece& piece, QPoint from)
{
    // The game has the piece in its new place already: only its picture
    // travels there, over the field drawn without it.
    slidingPiece = &piece;
    buildBackBuffer();
    heldPieceShown = true;
    const QPoint to = pieceCorner(piece);
    const QPoint origin(piece.x * cellWidth(), piece.y * cellHeight());
    QElapsedTimer clock;
    clock.start();
    for (int frame = 0; frame <= kSlideFrames; ++frame) {
        const QPoint shown = origin + (from - to) * (kSlideFrames - frame) / kSlideFrames;
        dragLeft = shown.x();
        dragTop = shown.y();
        PaintBox1->repaint();
        paceFrame(clock, slideMilliseconds, frame, kSlideFrames + 1);
    }
    heldPieceShown = false;
    slidingPiece = nullptr;
    dropInputMeanwhile();
}

QPoint TFrameGameBoard::pieceCorner(const ClPiece& piece) const
{
    const ClPoints cells = piece.cells();
    return cells.empty() ? QPoint() : brickRect(cornerOf(cells)).topLeft();
}

const ClPiece* TFrameGameBoard::pieceApart() const
{
    return slidingPiece ? slidingPiece : heldPiece();
}

void TFrameGameBoard::ShowNote(const QString& text)
{
    solveNoteShown = false;
    if (!noteLabel && text.isEmpty())
        return;
    if (!noteLabel) {
        // Made for the first note: a styled label costs more to set up than
        // the rest of the board, and many games never show one.
        noteLabel = new QLabel(this);
        noteLabel->setStyleSheet(QString(kNoteStyle).arg(kCaptionColour.name()));
        QFont font = noteLabel->font();
        font.setPixelSize(kCaptionPixelSize);
        noteLabel->setFont(font);
        noteLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    noteLabel->setText(text);
    noteLabel->adjustSize();
    noteLabel->move((width() - noteLabel->width()) / 2, height() - noteLabel->height() - kNoteMargin);
    noteLabel->setVisible(!text.isEmpty());
}

QString TFrameGameBoard::note() const
{
    return noteLabel && noteLabel->isVisible() ? noteLabel->text() : QString();
}

void TFrameGameBoard::PlaySound(Sound sound)
{
    if (soundPlayer && gameInterface && gameInterface->settings.soundOn != 0)
        soundPlayer->playSound(sound);
}

PlayOutcome TFrameGameBoard::TurnPiece(int column, int row, ClPiece* piece, TurnWay way)
{
    const PlayOutcome outcome = gameInterface->turn(piece, column, row, way);
    if (outcome.change == PieceChange::Turned)
        PlaySound(Sound::Turn);
    return outcome;
}

QPoint TFrameGameBoard::heldPieceShift(const ClPiece& held) const
{
    return {dragLeft - held.x * cellWidth(), dragTop - held.y * cellHeight()};
}

QRegion TFrameGameBoard::heldPieceRegion() const
{
    QRegion region;
    const ClPiece* held = heldPiece();
    if (!held)
        return region;
    for (const ClPoint& anchor : held->cells())
        region += brickRect(anchor).translated(heldPieceShift(*held));
    return region;
}

void TFrameGameBoard::DrawHeldPiece()
{
    heldPieceShown = true;
    PaintBox1->update(heldPieceRegion());
}

void TFrameGameBoard::EraseHeldPiece()
{
    PaintBox1->update(heldPieceRegion());
    heldPieceShown = false;
}

void TFrameGameBoard::buildBackBuffer()
{
    backBuffer = imgBack->picture.copy(devicePixels(imgBack->picture, PaintBox1->geometry()));
    backBuffer.setDevicePixelRatio(pixelScale);
    QPainter painter(&backBuffer);
    const ClPiece* apart = pieceApart();
    for (const ClPiece& piece : game()->puzzle.pieces)
        if (&piece != apart)
            DrawPiece(piece, painter);
}

void TFrameGameBoard::PaintBox1MouseDown(Qt::MouseButton button, int x, int y)
{
    if (dragging)
        return;
    const int cw = cellWidth();
    const int ch = cellHeight();
    if (cw <= 0 || ch <= 0)
        return;
    // A piece held between gestures is one the keys carry: it is let go
    // first, so the mouse's gesture is a step of its own.
    if (heldPiece()) {
        ShowMove(gameInterface->letGo());
        if (!PaintBox1->isEnabled())
            return;
    }
    game()->selectedPiece = nullptr;
    // The brick under the mouse may reach up to a brick's width to the left
    // and its height upwards from its anchor: probe those cells for it.
    for (int i = 0; i < 2 * brickScale && !heldPiece(); ++i)
        for (int j = 0; j < brickScale && !heldPiece(); ++j) {
            TFrameBoard::PaintBox1MouseDown(button, x - i * cw, y - j * ch);
            grabOffsetX += i * cw;
            grabOffsetY += j * ch;
            dragLeft = x - grabOffsetX;
            dragTop = y - grabOffsetY;
        }
    if (!heldPiece())
        return;
    buildBackBuffer();
    heldPieceShown = true;
    PlaySound(Sound::Pick);
}

void TFrameGameBoard::PaintBox1MouseMove(int x, int y)
{
    mouseMoved = true;
    if (pressedButton != Qt::LeftButton)
        return;
    TFrameBoard::PaintBox1MouseMove(x, y);
    if (!dragging)
        return;
    const QPoint cell = targetCell(x, y);
    if (!game()->canMoveTo(heldPiece(), cell.x(), cell.y()))
        return;
    EraseHeldPiece();
    dragLeft = x - grabOffsetX;
    dragTop = y - grabOffsetY;
    DrawHeldPiece();
}

void TFrameGameBoard::PaintBox1MouseUp(Qt::MouseButton button, int x, int y)
{
    if (!dragging)
        return;
    EraseHeldPiece();
    if (pressedButton == Qt::LeftButton)
        PlaySound(Sound::Drop);
    ClPiece* held = heldPiece();
    const QPoint cell = targetCell(x, y);
    PlayOutcome outcome;
    if (button == Qt::LeftButton && game()->canMoveTo(held, cell.x(), cell.y()))
        outcome = gameInterface->drop(held, cell.x(), cell.y());
    else if (!mouseMoved && pressedButton == Qt::RightButton)
        outcome = TurnPiece(x / cellWidth(), y / cellHeight(), held, TurnWay::On);
    else
        outcome = gameInterface->letGo();
    RedrawPieces();
    dragging = false;
    if (outcome.complete)
        runSolveSequence();
}

void TFrameGameBoard::runSolveSequence()
{
    PlaySound(Sound::Solve);
    PaintBox1->setEnabled(false);
    PaintBox1->hide();
    const QImage copy = imgBack->picture.copy();
    const QRect area(0, kButtonHeight, imgBack->width(), imgBack->height() - kButtonHeight);
    const auto buttons = findChildren<TImgBtn*>(QString(), Qt::FindDirectChildrenOnly);
    for (TImgBtn* button : buttons)
        button->hide();
    QElapsedTimer clock;
    clock.start();
    for (int step = 0; step < kFadeFrames; ++step) {
        CrossFade(copy, area, gameInterface->background, area, imgBack->picture, area, step * 4);
        imgBack->repaint();
        paceFrame(clock, fadeMilliseconds, step, kFadeFrames);
    }
    dropInputMeanwhile();
    for (TImgBtn* button : buttons)
        button->show();
    PaintBox1->show();
    ShowLevelPicture();
    showSolveNote();
}

void TFrameGameBoard::showSolveNote()
{
    const auto& solve = gameInterface->lastSolve();
    if (!solve)
        return;
    QString text =
        tr("Solved in %1 with %n moves.", nullptr, int(solve->moves)).arg(minutesAndSeconds(solve->milliseconds));
    if (const QString best = bestText(gameInterface->shownBest()); !best.isEmpty())
        text = tr("%1 %2.", "the solve, then the best").arg(text, best);
    ShowNote(text);
    solveNoteShown = true;
}

void TFrameGameBoard::takeSolveNoteAway()
{
    if (solveNoteShown)
        ShowNote({});
}

void TFrameGameBoard::ShowMove(const PlayOutcome& outcome)
{
    // Painted when the keys come to rest, not once for each key.
    PaintBox1->update();
    if (outcome.complete)
        runSolveSequence();
}

void TFrameGameBoard::ShowChosenPiece(std::optional<std::size_t> filePiece)
{
    chosenPiece = filePiece;
    PaintBox1->update();
}

namespace {
// The mark's lines: a bright one on a dark rim, so that it shows on every
// brick style and picture, as the caption does.
constexpr double kMarkWidth = 2;
} // namespace

void TFrameGameBoard::drawMark(QPainter& canvas, const ClPiece* piece) const
{
    if (!piece)
        return;
    QRegion bricks;
    for (const ClPoint& anchor : piece->cells())
        bricks += brickRect(anchor);
    QPainterPath outline;
    outline.addRegion(bricks);
    outline = outline.simplified();
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing);
    canvas.setBrush(Qt::NoBrush);
    canvas.setPen(rimPen(kMarkWidth));
    canvas.drawPath(outline);
    canvas.setPen(QPen(kCaptionColour, kMarkWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    canvas.drawPath(outline);
    canvas.restore();
}
