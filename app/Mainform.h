#pragma once
// The game's window: the board with its button row, and the actions behind
// the buttons.
#include <functional>
#include <memory>

#include <QUrl>
#include <QWidget>

#include "app/Chooseform.h"
#include "game/Gameinterface.h"

class QAction;
class QKeyEvent;
class TFrameGameBoard;
class TKeyPlay;
class TSafeKeys;

class TFormMain : public QWidget {
    Q_OBJECT
public:
    explicit TFormMain(const QByteArray& programFolder = defaultProgramFolder(), QWidget* parent = nullptr);
    ~TFormMain() override;

    void FormActivate();
    void playGameExecute();
    void prevGameExecute();
    void nextGameExecute();
    void selectGameExecute();
    void exitGameExecute();
    void FrameGameBoard1imgOptionClick();
    void FrameGameBoard1imgHelpClick();
    void About1Click();
    // One more piece in its place (key H), while a puzzle is in play.
    void hintExecute();
    // Any puzzle of the group, from its numbered tiles (key G).
    void chooseGameExecute();
    // Shown at another size: the bitmaps made again at the scale that keeps
    // them sharp there.
    void rescaleBitmaps();
    // The last change to the puzzle in play taken back, or brought back again.
    void undoExecute();
    void redoExecute();
    // A fresh puzzle of the group's kind at the challenge the player picks (key N).
    void newPuzzleExecute();
    // The fresh puzzle a code makes, in play; false, said, when none can be made.
    bool playCode(const PuzzleCode& code);
    // The fresh puzzle's code onto the clipboard (the desktop's copy key).
    void copyCodeExecute();

    TFrameGameBoard* FrameGameBoard1;
    // Keyboard play on the board; made after the keys pressed twice, so that
    // in play it takes the arrows before they do.
    TKeyPlay* keyPlay;
    std::int32_t currentGroup = 0;
    std::unique_ptr<ClGameInterface> gameInterface;
    QAction* playGame;
    QAction* prevGame;
    QAction* nextGame;
    QAction* selectGame;
    QAction* exitGame;
    QAction* hintGame;
    QAction* chooseGame;
    QAction* undoGame;
    QAction* redoGame;
    QAction* newGame;
    QAction* copyCode;

    // The dialogs and the desktop, replaceable for tests.
    std::function<bool(std::int32_t& group, bool& choosePuzzle)> showSelection;
    std::function<bool(std::int32_t& soundOn, std::int32_t& musicOn, std::int32_t& brickStyle)> showOptions;
    std::function<void()> showAbout;
    std::function<bool(std::int32_t& puzzle, const QString& group, const std::vector<BestSolve>& bests,
                       ChooserExtras& extras)>
        showChooser;
    // Today, in whole days of UTC since 1970: the day whose puzzle is offered.
    std::function<std::int64_t()> today;
    std::function<bool(const QUrl&)> openUrl;
    // The game's own help window, where the desktop cannot show the help.
    std::function<void(const QUrl& firstPage)> showHelp;
    std::function<bool(Challenge& challenge, const QString& group)> showNewPuzzle;
    // Where fresh puzzles' seeds come from.
    std::function<std::uint32_t()> freshSeed;

signals:
    // Once, as soon as the window's first frame is on screen: work that
    // would only hold it up waits for this.
    void firstFramePainted();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Loads a group's puzzle file and converts it to play units; says so
    // when it cannot.
    bool loadGroup(std::int32_t group);
    // The player's step to another group, the play left kept for undo; false
    // when its file cannot be loaded.
    bool changeGroup(std::int32_t group);
    void rescaleGameData();
    // From a fresh puzzle back to the group's, at its remembered puzzle;
    // false when no fresh puzzle was in play.
    bool backToGroup();
    // A group's name as the player sees it: the player's own file by its name.
    QString groupCaption(std::int32_t group) const;
    // How the fresh puzzle the code makes has been solved before.
    Solved solvedState(const PuzzleCode& code) const;
    bool hasPuzzle() const;
    void stepHistory(PlayOutcome (ClGameInterface::*step)());
    QAction* addAction(const QString& caption, const QString& hint, void (TFormMain::*handler)());
    // The action's keys; those that lose the moves of the puzzle in play
    // (`losesMoves` says how, for the note) must then be pressed twice.
    void setKeys(QAction* action, const QList<QKeySequence>& keys, const QString& losesMoves);

    // Destroyed before the board and the game it reads.
    std::unique_ptr<TSafeKeys> safeKeys;

    Challenge lastChallenge = Challenge::Easy; // the one a fresh puzzle was last asked at
    bool activated = false;
    bool firstFrameDone = false;
};
