#pragma once
// The puzzle chooser: every puzzle of the open group as a numbered tile with
// its mark, to go straight to any of them; the current one's best time and
// fewest moves above.
#include <cstdint>
#include <optional>
#include <vector>

#include <QDialog>
#include <QLineEdit>

#include "game/Progress.h"
#include "game/Puzzlecode.h"

class QLabel;
class QScrollArea;
class TImgBtn;

// The key that opens the chooser, in the main window and in the Select dialog.
inline constexpr Qt::Key kChooseKey = Qt::Key_G;

// The tiles, drawn as one widget, so a group of any size costs only the
// painting of the rows in sight. One tile is current: the arrows move it, a
// typed number moves it to that puzzle, and Enter or a click chooses. After
// the numbered tiles may come one for today's puzzle. A letter typed starts
// a code.
class TPuzzleTiles : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 10;
    static constexpr int kTileSize = 42;
    static constexpr int kGap = 4;
    static constexpr int kPitch = kTileSize + kGap;
    // Pixels that a row or column of n tiles takes.
    static constexpr int span(int n) { return n > 0 ? n * kPitch - kGap : 0; }

    explicit TPuzzleTiles(std::vector<Solved> marks, std::optional<Solved> today = std::nullopt,
                          QWidget* parent = nullptr);
    int count() const { return numbered() + (today ? 1 : 0); }
    // The group's own puzzles, before today's.
    int numbered() const { return int(marks.size()); }
    int todayTile() const { return today ? numbered() : -1; }
    int rows() const { return (count() + kColumns - 1) / kColumns; }
    // The current tile's index, or -1 when there are no tiles.
    int current() const { return currentTile; }
    void setCurrent(int index);
    QRect tileRect(int index) const;

signals:
    void chosen();
    void currentMoved(const QRect& tile);
    // What was typed so far of a code: the number typed before it and the letter.
    void codeStarted(const QString& typed);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int tileAt(QPoint point) const;
    void moveBy(int step);
    void typeDigit(int digit);

    std::vector<Solved> marks;
    std::optional<Solved> today;
    int currentTile = -1;
    int pressedTile = -1;
    std::int64_t typedNumber = 0; // the number typed so far, 0 for none
};

// Where a code is typed: Enter hands it over, and goes no further.
class TCodeField : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
signals:
    void entered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class TFormChoose : public QDialog {
    Q_OBJECT
public:
    // The current tile starts on the first unsolved puzzle, or on `shown`
    // when every one is solved. With `today`, the tile of today's puzzle
    // follows the group's, with that mark.
    TFormChoose(const QString& group, std::vector<BestSolve> bests, std::int32_t shown,
                std::optional<Solved> today = std::nullopt, QWidget* owner = nullptr);
    QLabel* lblGroup;
    QLabel* lblBest;   // the current puzzle's, empty while unsolved
    QLabel* lblSolved; // "solved/all"
    QScrollArea* scrollBox;
    TPuzzleTiles* tiles;
    TCodeField* codeField;
    TImgBtn* ImgBtn1;
    TImgBtn* ImgBtn2;
    // The puzzle a code typed and entered makes.
    std::optional<PuzzleCode> code;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showCurrent();
    // The line of the group's name, the best and the count, fitted to its texts.
    void fitLine();
    void enterCode();

    QString groupCaption;
    const std::vector<BestSolve> bests;
};

// Beyond the group's puzzles: today's puzzle with its mark, offered, and
// what the player chose instead of one of the group's.
struct ChooserExtras {
    Solved today = Solved::No;
    bool todayChosen = false;
    std::optional<PuzzleCode> code;
};

// Shows the puzzles of the group named `group`, with each one's best, in
// order. `puzzle` is the puzzle shown now. When the player goes to a puzzle,
// puzzle holds its index and the result is true; on Cancel nothing changes.
// With extras, today's puzzle is offered and a code can be typed: choosing
// either says so there instead.
bool ShowChooser(std::int32_t& puzzle, const QString& group, const std::vector<BestSolve>& bests,
                 ChooserExtras* extras = nullptr);
