#include "app/Mainform.h"

#include <chrono>
#include <random>

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include "app/Aboutbox.h"
#include "app/Chooseform.h"
#include "app/Helpwindow.h"
#include "app/Keynames.h"
#include "app/Keyplay.h"
#include "app/Language.h"
#include "app/Newpuzzleform.h"
#include "app/Optionform.h"
#include "app/Problemreport.h"
#include "app/Safekeys.h"
#include "app/Scaledwindow.h"
#include "app/Selectform.h"
#include "app/Webbrowser.h"
#include "game/Displaynames.h"
#include "game/Playerchoices.h"
#include "model/Fileaccess.h"
#include "view/Gameboardframe.h"
#include "view/Imagetool.h"
#include "view/Imgbtn.h"
#include "view/Layout.h"

namespace {

// Whether the desktop knows a program for compiled HTML help.
bool desktopOpensChm()
{
    QProcess query;
    query.start("xdg-mime", {"query", "default", "application/vnd.ms-htmlhelp"});
    return query.waitForFinished(2000) && query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}
// A file's address with its name's bytes kept exactly, UTF-8 or not.
QUrl fileUrl(const QByteArray& path)
{
    return QUrl::fromEncoded("file://" + path.toPercentEncoding("/"), QUrl::StrictMode);
}
} // namespace

TFormMain::TFormMain(const QByteArray& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , FrameGameBoard1(new TFrameGameBoard(this))
    , gameInterface(std::make_unique<ClGameInterface>(programFolder))
    , showSelection([this](std::int32_t& group, bool& choosePuzzle) {
        SolvedCounts counts{};
        const int groups = gameInterface->ownFile.isEmpty() ? kGroupCount : kGroupCount + 1;
        for (int g = 0; g < groups; ++g)
            counts[std::size_t(g)] = gameInterface->solvedInGroup(g);
        return ShowSelection(group, &counts, &choosePuzzle,
                             gameInterface->ownFile.isEmpty() ? QString() : groupCaption(kOwnFileGroup));
    })
    , showOptions(ShowOptions)
    , showAbout([this] {
        TFormAboutBox box(this);
        box.exec();
    })
    , showChooser([](std::int32_t& puzzle, const QString& group, const std::vector<BestSolve>& bests,
                     ChooserExtras& extras) { return ShowChooser(puzzle, group, bests, &extras); })
    , today([] {
        using namespace std::chrono;
        return std::int64_t(floor<days>(system_clock::now()).time_since_epoch().count());
    })
    , openUrl(QDesktopServices::openUrl)
    , showHelp([this](const QUrl& firstPage) {
        THelpWindow window(firstPage, this);
        window.exec();
    })
    , showNewPuzzle(ShowNewPuzzle)
    , freshSeed([] { return std::uint32_t(std::random_device()()); })
{
    problemReport().setOwner(this);
    setWindowTitle(tr("Wallwright"));
    setFixedSize(kWindowWidth, kWindowHeight);
    FrameGameBoard1->move(0, 0);
    // Named first: the first picture is decoded meanwhile.
    gameInterface->sizeBackground(size(), FrameGameBoard1->pixelScale);

    playGame = addAction(tr("Play Game"), tr("Play Game"), &TFormMain::playGameExecute);
    prevGame = addAction(tr("Prev Game"), tr("Prev Game"), &TFormMain::prevGameExecute);
    nextGame = addAction(tr("Next Game"), tr("Next Game"), &TFormMain::nextGameExecute);
    selectGame = addAction(tr("Select..."), tr("Select Game Pattern"), &TFormMain::selectGameExecute);
    exitGame = addAction(tr("Exit"), tr("Exit"), &TFormMain::exitGameExecute);
    // Named outright: the platform's standard Quit key is empty on some.
    exitGame->setShortcut(Qt::CTRL | Qt::Key_Q);
    QAction* options = addAction(tr("Options..."), tr("Options"), &TFormMain::FrameGameBoard1imgOptionClick);
    QAction* help = addAction(tr("Help"), tr("Help"), &TFormMain::FrameGameBoard1imgHelpClick);
    QAction* about = addAction(tr("About..."), tr("About"), &TFormMain::About1Click);
    hintGame = addAction(tr("Hint"), tr("Hint"), &TFormMain::hintExecute);
    chooseGame = addAction(tr("Choose Puzzle..."), tr("Choose Puzzle"), &TFormMain::chooseGameExecute);
    undoGame = addAction(tr("Undo"), tr("Undo"), &TFormMain::undoExecute);
    undoGame->setShortcut(kUndoKey);
    redoGame = addAction(tr("Redo"), tr("Redo"), &TFormMain::redoExecute);
    redoGame->setShortcuts(kRedoKeys);
    newGame = addAction(tr("New Puzzle..."), tr("New Puzzle"), &TFormMain::newPuzzleExecute);
    newGame->setShortcut(kNewPuzzleKey);
    copyCode = addAction(tr("Copy Code"), tr("Copy Code"), &TFormMain::copyCodeExecute);
    copyCode->setShortcut(Qt::CTRL | Qt::Key_C);

    auto* board = FrameGameBoard1;
    safeKeys = std::make_unique<TSafeKeys>(
        this, [this] { return gameInterface->puzzleHasMoves(); },
        [this](const QString& note) { FrameGameBoard1->ShowNote(note); });
    // In play the arrows belong to the pieces: the filter takes them before any
    // shortcut sees them. Between puzzles Left and Right step.
    keyPlay = new TKeyPlay(*this, *FrameGameBoard1, *gameInterface);

    // Every button has keys, named in its tooltip and in the help.
    const QString leaves = tr("leave this puzzle");
    const struct {
        TImgBtn* button;
        const char* face;
        QAction* action;
        QList<QKeySequence> keys;
        // What the keys do to the puzzle in play when they throw its moves away.
        QString losesMoves;
    } buttons[] = {
        {board->imgSelect, "select", selectGame, {Qt::Key_S}, tr("choose another group")},
        {board->imgPlay, "play", playGame, {Qt::Key_P}, tr("start this puzzle afresh")},
        {board->imgPrev, "prev", prevGame, {Qt::Key_PageUp, Qt::Key_Left}, leaves},
        {board->imgNext, "next", nextGame, {Qt::Key_PageDown, Qt::Key_Right}, leaves},
        {board->imgOption, "option", options, {Qt::Key_O}, {}},
        {board->imgHelp, "help", help, {Qt::Key_F1}, {}},
        {board->imgAbout, "about", about, {Qt::Key_A}, {}},
        {board->imgHint, "hint", hintGame, {Qt::Key_H}, {}},
    };
    setKeys(chooseGame, {kChooseKey}, tr("choose another puzzle"));
    for (const auto& b : buttons) {
        setKeys(b.action, b.keys, b.losesMoves);
        QStringList keyNames;
        for (const QKeySequence& key : b.keys)
            keyNames << keyName(key);
        b.button->loadFaces(b.face);
        QString tip = tr("%1 (%2)").arg(b.action->toolTip(), keyNames.join(tr(", ")));
        if (!b.losesMoves.isEmpty()) // a mouse player learns of undo where it matters most
            tip += tr(". %1 right after brings back the puzzle as you left it").arg(keyName(kUndoKey));
        b.button->setToolTip(tip);
        connect(b.button, &TImgBtn::OnClick, b.action, &QAction::trigger);
    }
    gameInterface->reportProblem = [](const QString& message) { problemReport().add(message); };

    gameInterface->reportBadPicture = [this](const QByteArray& fileName, const QString& why) {
        problemReport().add(tr("The picture \"%1\" cannot be shown: %2.").arg(displayFileName(fileName), why));
    };
    // A group the game does not have, from an odd settings file, opens the first.
    const std::int32_t group = gameInterface->settings.group;
    currentGroup = isGroupNumber(group) ? group : 0;
    FrameGameBoard1->gameInterface = gameInterface.get();
    // Music starts once the window is on screen: opening the first file,
    // MIDI above all, would otherwise hold up the first frame.
    connect(this, &TFormMain::firstFramePainted, this, [this] { gameInterface->applyMusic(); });
}

TFormMain::~TFormMain() = default;

void TFormMain::setKeys(QAction* action, const QList<QKeySequence>& keys, const QString& losesMoves)
{
    if (losesMoves.isEmpty()) {
        action->setShortcuts(keys);
        return;
    }
    for (const QKeySequence& key : keys)
        safeKeys->add(key, losesMoves, [action] { action->trigger(); });
}

QAction* TFormMain::addAction(const QString& caption, const QString& hint, void (TFormMain::*handler)())
{
    auto* action = new QAction(caption, this);
    action->setToolTip(hint);
    connect(action, &QAction::triggered, this, handler);
    QWidget::addAction(action);
    return action;
}

void TFormMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!activated) {
        activated = true;
        FormActivate();
    }
}

void TFormMain::rescaleBitmaps()
{
    const int scale = bitmapScale(this);
    if (scale == FrameGameBoard1->pixelScale)
        return;
    // Until the next puzzle paints a picture afresh, the one shown is scaled smoothly.
    gameInterface->sizeBackground(size(), scale);
    FrameGameBoard1->setBitmapScale(scale);
}

bool TFormMain::hasPuzzle() const
{
    return gameInterface->gameControl->isValid() != nullptr;
}

void TFormMain::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!firstFrameDone) {
        firstFrameDone = true;
        QTimer::singleShot(0, this, &TFormMain::firstFramePainted);
    }
}

void TFormMain::FormActivate()
{
    for (const QString& problem : {gameInterface->settingsProblem, gameInterface->progressProblem})
        if (!problem.isEmpty())
            problemReport().add(problem);
    // The puzzle file the player opened the game with, if it can be played;
    // else, said once, the game goes on with its own groups.
    if (!gameInterface->ownFile.isEmpty()) {
        const bool loaded = loadGroup(kOwnFileGroup); // says why when it cannot be read
        if (loaded && !gameInterface->gameControl->gameData->puzzles.empty()) {
            currentGroup = kOwnFileGroup;
            gameInterface->selectPuzzle(0);
            FrameGameBoard1->ShowLevelPicture();
            return;
        }
        if (loaded)
            problemReport().add(
                tr("The puzzle file \"%1\" holds no puzzles.").arg(displayFileName(gameInterface->ownFile)));
        gameInterface->ownFile.clear(); // nor is it offered in Select
    }
    loadGroup(currentGroup);
    // A remembered puzzle the group does not have opens its first one.
    const std::int32_t last = gameInterface->settings.lastPuzzle;
    const auto count = std::int32_t(gameInterface->gameControl->gameData->puzzles.size());
    gameInterface->selectPuzzle(last >= 0 && last < count ? last : 0);
    FrameGameBoard1->ShowLevelPicture();
}

bool TFormMain::loadGroup(std::int32_t group)
{
    const QByteArray path = gameInterface->groupFilePath(group);
    ClGameData& data = *gameInterface->gameControl->gameData;
    if (!data.load(path.toStdString())) {
        problemReport().add(tr("The puzzle file \"%1\" %2.")
                                .arg(displayFileName(path), QString::fromStdString(data.loadFailure().why)));
        return false;
    }
    gameInterface->groupLoaded(group);
    rescaleGameData();
    if (FrameGameBoard1->cellWidth() == 0 || FrameGameBoard1->cellHeight() == 0)
        problemReport().add(tr("The puzzle file \"%1\" has cells of %2 x %3 pixels, which cannot be drawn, so "
                               "its puzzles cannot be played.")
                                .arg(displayFileName(path))
                                .arg(data.header.cellWidth)
                                .arg(data.header.cellHeight));
    return true;
}

void TFormMain::rescaleGameData()
{
    gameInterface->gameControl->gameData->rescaleToPlayUnits();
}

void TFormMain::selectGameExecute()
{
    const std::int32_t remembered = currentGroup;
    bool choosePuzzle = false;
    if (!showSelection(currentGroup, choosePuzzle))
        return;
    if (currentGroup == remembered && backToGroup())
        FrameGameBoard1->ShowLevelPicture();
    if (currentGroup != remembered) {
        const std::int32_t chosen = currentGroup;
        currentGroup = remembered;
        if (!changeGroup(chosen))
            return;
        FrameGameBoard1->ShowLevelPicture();
    }
    if (choosePuzzle)
        chooseGameExecute();
}

bool TFormMain::changeGroup(std::int32_t group)
{
    gameInterface->leavePlay();
    if (!loadGroup(group))
        return false; // the group loaded before stays
    // A new group opens on its first puzzle, and the next start does too;
    // the player's own file is never the one the next start opens.
    currentGroup = group;
    gameInterface->gameControl->selectPuzzle(0);
    if (group == kOwnFileGroup)
        return true;
    gameInterface->settings.group = group;
    gameInterface->settings.lastPuzzle = 0;
    gameInterface->settingsChanged(ClSettings::kGroup | ClSettings::kLastPuzzle);
    return true;
}

void TFormMain::chooseGameExecute()
{
    // The chooser shows the group's puzzles; a fresh one is left for them.
    if (backToGroup())
        FrameGameBoard1->ShowLevelPicture();
    if (!hasPuzzle())
        return;
    std::int32_t puzzle = gameInterface->gameControl->puzzleIndex;
    const PuzzleCode todays = puzzleOfTheDay(isGroupNumber(currentGroup) ? currentGroup : 0, today());
    ChooserExtras extras;
    extras.today = solvedState(todays);
    if (!showChooser(puzzle, groupCaption(currentGroup), gameInterface->puzzleBests(), extras))
        return;
    if (extras.code || extras.todayChosen) {
        playCode(extras.code.value_or(todays));
        return;
    }
    gameInterface->goToPuzzle(puzzle);
    FrameGameBoard1->ShowLevelPicture();
}

void TFormMain::playGameExecute()
{
    if (!hasPuzzle())
        return;
    gameInterface->restart();
    FrameGameBoard1->ShowPuzzle();
}

void TFormMain::prevGameExecute()
{
    // From a fresh puzzle either step leads back to the group's puzzles.
    if (backToGroup() || !hasPuzzle() || gameInterface->gameControl->puzzleIndex == 0)
        return;
    gameInterface->prevPuzzle();
    FrameGameBoard1->ShowLevelPicture();
}

void TFormMain::nextGameExecute()
{
    const ClGameControl& control = *gameInterface->gameControl;
    if (backToGroup() || !hasPuzzle() || control.puzzleIndex == control.gameData->header.puzzleCount - 1)
        return;
    gameInterface->nextPuzzle();
    FrameGameBoard1->ShowLevelPicture();
}

void TFormMain::FrameGameBoard1imgOptionClick()
{
    ClSettings& settings = gameInterface->settings;
    const ClSettings before = settings;
    if (!showOptions(settings.soundOn, settings.musicOn, settings.brickStyle))
        return;
    // Only what the player changed: another running game may have changed the rest.
    gameInterface->settingsChanged((settings.soundOn != before.soundOn ? ClSettings::kSoundOn : 0)
                                   | (settings.musicOn != before.musicOn ? ClSettings::kMusicOn : 0)
                                   | (settings.brickStyle != before.brickStyle ? ClSettings::kBrickStyle : 0));
    gameInterface->applyMusic();
    if (FrameGameBoard1->PaintBox1->isEnabled())
        FrameGameBoard1->ShowPuzzle();
    else
        FrameGameBoard1->ShowLevelPicture();
}

void TFormMain::FrameGameBoard1imgHelpClick()
{
    // The compiled help is English only; another language has its own pages.
    const QByteArray language = gameLanguage().toUtf8();
    const QByteArray chm = gameInterface->programFolder + "Wallwright.chm";
    if (language.isEmpty() && fileaccess::isRegularFile(chm.toStdString()) && desktopOpensChm()
        && openUrl(fileUrl(chm)))
        return;
    QByteArray page = gameInterface->programFolder + "help/" + language + "/index.html";
    if (language.isEmpty() || !fileaccess::isRegularFile(page.toStdString()))
        page = gameInterface->programFolder + "help/index.html";
    // Handed to the desktop only where a web browser will show it: elsewhere
    // the desktop may show nothing at all, or the page's raw HTML.
    const QUrl firstPage = fileUrl(page);
    if (!desktopHasWebBrowser() || !openUrl(firstPage))
        showHelp(firstPage);
}

void TFormMain::hintExecute()
{
    TFrameGameBoard& board = *FrameGameBoard1;
    if (!board.PaintBox1->isEnabled() || board.dragging)
        return;
    if (board.ShowHint().outcome == HintOutcome::NotFound)
        problemReport().add(tr("No hint can be found for this puzzle."));
}

void TFormMain::undoExecute()
{
    // With nothing of this play to take back, undo goes back to the puzzle
    // that Play, a step or another group left with its moves.
    const auto left = gameInterface->puzzleHasMoves() ? std::nullopt : gameInterface->leftPlaySource();
    if (!left) {
        stepHistory(&ClGameInterface::undo);
        return;
    }
    if (FrameGameBoard1->dragging || (left->group != currentGroup && !changeGroup(left->group)))
        return;
    if (!left->fresh)
        backToGroup();
    // A fresh puzzle is made again from its code, the same as it was.
    else if (left->fresh != gameInterface->freshPuzzle() && !playCode(*left->fresh))
        return;
    if (gameInterface->resumeLeftPlay())
        FrameGameBoard1->ShowPuzzle();
    else
        FrameGameBoard1->ShowLevelPicture();
}

bool TFormMain::backToGroup()
{
    if (!gameInterface->freshPuzzle())
        return false;
    gameInterface->leavePlay(); // for undo, as any step leaves it
    if (!loadGroup(currentGroup))
        return false;
    const std::int32_t last = gameInterface->settings.lastPuzzle;
    const auto count = std::int32_t(gameInterface->gameControl->gameData->puzzles.size());
    gameInterface->selectPuzzle(last >= 0 && last < count ? last : 0);
    return true;
}

void TFormMain::newPuzzleExecute()
{
    // In the player's own file, of the kind its header names, or the first.
    const GroupRules* kind = isGroupNumber(currentGroup) ? groupRules(currentGroup)
                                                         : groupOfHeader(gameInterface->gameControl->gameData->header);
    const int group = kind ? kind->index : 0;
    if (FrameGameBoard1->dragging || !showNewPuzzle(lastChallenge, groupCaption(group)))
        return;
    playCode({kGeneratorVersion, group, lastChallenge, freshSeed()});
}

QString TFormMain::groupCaption(std::int32_t group) const
{
    return isGroupNumber(group) ? shippedGroupCaption(group) : displayFileName(gameInterface->ownFile);
}

bool TFormMain::playCode(const PuzzleCode& code)
{
    std::string why;
    if (code.group != currentGroup && !changeGroup(code.group))
        return false;
    if (!gameInterface->playFresh(code, why)) {
        problemReport().add(tr("The puzzle %1 cannot be made: %2.")
                                .arg(QString::fromStdString(codeText(code)), QString::fromStdString(why)));
        return false;
    }
    FrameGameBoard1->ShowLevelPicture();
    return true;
}

Solved TFormMain::solvedState(const PuzzleCode& code) const
{
    ClGameFile made;
    std::string why;
    return makePuzzle(code, made, why) ? gameInterface->progress.stateOf(made.puzzles.front()) : Solved::No;
}

void TFormMain::copyCodeExecute()
{
    if (const auto& fresh = gameInterface->freshPuzzle())
        QGuiApplication::clipboard()->setText(QString::fromStdString(codeText(*fresh)));
}

void TFormMain::redoExecute()
{
    stepHistory(&ClGameInterface::redo);
}

void TFormMain::stepHistory(PlayOutcome (ClGameInterface::*step)())
{
    TFrameGameBoard& board = *FrameGameBoard1;
    if (!board.PaintBox1->isEnabled() || board.dragging)
        return;
    board.ShowHistoryStep([&] { return (gameInterface.get()->*step)(); });
}

void TFormMain::About1Click()
{
    showAbout();
}

void TFormMain::exitGameExecute()
{
    close();
}
