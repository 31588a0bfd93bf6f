#pragma once
// The game board: the button row, the level picture, the shaded wall around
// the gap, the pieces, and the mouse play on them.
#include <array>
#include <cstddef>
#include <functional>
#include <optional>

#include <QTimer>

#include "view/Boardframe.h"
#include "view/Soundplayer.h"

class QLabel;
class TImgBtn;

class TFrameGameBoard : public TFrameBoard {
    Q_OBJECT
public:
    explicit TFrameGameBoard(QWidget* parent = nullptr);

    // The level picture: the finished wall or the pieces where they lie over
    // the picture, no mouse play.
    void ShowLevelPicture();
    // The puzzle in play: the shaded wall around the gap, mouse play on.
    void ShowPuzzle();

    PlayOutcome TurnPiece(int column, int row, ClPiece* piece, TurnWay way) override;
    void RedrawPieces() override;
    void DrawPiece(const ClPiece& piece, QPainter& canvas) override;
    void DrawWall(const ClCheckerboard* checkerboard) override;
    void DrawHeldPiece();
    void EraseHeldPiece();
    // Shown at another size: the bitmaps and button faces made again at
    // that scale and the board drawn anew, in the state it is in.
    void setBitmapScale(int newScale);
    // A hint from the game, shown: the piece it moved slides from where it
    // lay to its new place, the drop is heard, and a wall it completed runs
    // the solve sequence.
    HintResult ShowHint();
    // A one-line note over the field; an empty text takes it away. The note
    // after a solve, its time and moves and the best so far, stays until
    // the next puzzle or play is shown.
    void ShowNote(const QString& text);
    QString note() const;
    // Undo or redo moved pieces: the same, when it moved any.
    // An undo or redo of the game, shown: the pieces it moved slide from
    // where they lay to their places.
    void ShowHistoryStep(const std::function<PlayOutcome()>& step);

    // The keys' choice, marked on the field; none takes the mark away.
    void ShowChosenPiece(std::optional<std::size_t> filePiece);
    // The end of a move of the keys: the field drawn as it now lies, and a
    // wall the move completed run through the solve sequence.
    void ShowMove(const PlayOutcome& outcome);
    // Heard when sound is on.
    void PlaySound(Sound sound);

    static constexpr int kBrickImages = 12;
    // The brick images, decoded on first use.
    mutable std::array<QImage, kBrickImages> ImageList1;
    TImgBtn* imgSelect;
    TImgBtn* imgPlay;
    TImgBtn* imgPrev;
    TImgBtn* imgNext;
    TImgBtn* imgOption;
    TImgBtn* imgHelp;
    TImgBtn* imgAbout;
    // Shown only while a puzzle is in play, in the free place at the row's end.
    TImgBtn* imgHint;

    QImage backBuffer;
    int dragLeft = 0;
    int dragTop = 0;
    const int brickScale = kBrickScale;

    // Device pixels per logical pixel of the board's bitmaps (2 on HiDPI
    // screens and when the window is shown larger).
    int pixelScale;
    ClSoundPlayer* soundPlayer = nullptr;
    // Milliseconds the fade of a solved wall takes.
    int fadeMilliseconds = 750;
    // Milliseconds a hinted, undone or redone piece takes to slide to its place.
    int slideMilliseconds = 300;
    // Milliseconds a piece that slid stays marked after it lands.
    int landedMarkMilliseconds = 1000;

signals:
    // Play has ended: the level picture is shown.
    void levelPictureShown();

private:
    void PaintBox1Paint(QPainter& canvas, const QRect& dirty);
    void PaintBox1MouseDown(Qt::MouseButton button, int x, int y);
    void PaintBox1MouseMove(int x, int y);
    void PaintBox1MouseUp(Qt::MouseButton button, int x, int y);
    void buildBackBuffer();
    void runSolveSequence();
    // The corners of the pieces, in the list's order, before a move of the game.
    std::vector<QPoint> pieceCorners() const;
    // Every piece that the move changed slides there from its corner before;
    // the last one stays marked for a moment.
    void slideMovedPieces(const std::vector<QPoint>& before);
    void slidePiece(const ClPiece& piece, QPoint from);
    void drawMark(QPainter& canvas, const ClPiece* piece) const;
    void drawCaption(QPainter& painter) const;
    // The board's picture for play: the background with the caption over it,
    // its own to draw the wall on.
    void paintBackground();
    // While the level picture shows, the board's picture is the background
    // itself, and the caption is drawn over it as it is shown: a copy of a
    // picture as large as the window is memory for nothing.
    bool captionOverPicture = false;
    const QImage& brickImage() const;
    QRect brickRect(const ClPoint& anchor) const;
    // The top-left corner of the piece's bricks, in pixels.
    QPoint pieceCorner(const ClPiece& piece) const;
    // The piece drawn apart from the field: the held one, or the one a hint slides.
    const ClPiece* pieceApart() const;
    // How far the held piece's image stands from its place in the game.
    QPoint heldPieceShift(const ClPiece& held) const;
    // Where the held piece's bricks stand while it follows the mouse: the
    // part of the field a move repaints.
    QRegion heldPieceRegion() const;

    bool heldPieceShown = false;
    bool solveNoteShown = false;
    void showSolveNote();
    void takeSolveNoteAway();
    const ClPiece* slidingPiece = nullptr;
    // The piece that slid last, by its place in the file, while it is marked.
    std::optional<std::size_t> landedPiece;
    QTimer* landedMarkTimer;
    QLabel* noteLabel = nullptr; // made for the first note
    // The piece the keys chose, by its place in the file.
    std::optional<std::size_t> chosenPiece;
};
