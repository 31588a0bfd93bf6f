#include "app/Chooseform.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include "app/Dialogstyle.h"
#include "app/Textfit.h"
#include "view/Layout.h"
#include "view/Solvedmark.h"

namespace {
constexpr int kMargin = 8;
constexpr int kLineHeight = 20; // the line with the group's caption and count
constexpr int kVisibleRows = 7; // a group of 60 and today's puzzle fit without scrolling
// A tile: its number at the top, the mark under it.
constexpr int kNumberTop = 2;
constexpr int kNumberHeight = 22;
constexpr int kNumberPixels = 14;
constexpr int kTodayPixels = 10; // "Today" in the width of a tile
constexpr int kSmallestTodayPixels = 7;
constexpr int kMarkCentre = kNumberTop + kNumberHeight + 5;
constexpr int kSolvedWidth = 80;
constexpr int kBestWidth = 170; // "Best: 12:34, 123 moves"
constexpr int kScrollBarWidth = 12;
constexpr int kCodeFieldHeight = 24;
constexpr int kLongestCode = 16; // nine characters, dashes and room for a slip
const QColor kTileColour(48, 48, 48);
const QColor kTileEdge(96, 96, 96);

// "Today" in smaller letters than a number, and smaller still where the
// language's word is longer than a tile is wide.
QFont todayFont(QFont font, const QString& word)
{
    for (int pixels = kTodayPixels; pixels >= kSmallestTodayPixels; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(word) <= TPuzzleTiles::kTileSize - 2)
            break;
    }
    return font;
}

int firstUnsolved(const std::vector<Solved>& marks, std::int32_t shown)
{
    const auto open = std::find(marks.begin(), marks.end(), Solved::No);
    if (open != marks.end())
        return int(open - marks.begin());
    if (marks.empty())
        return -1;
    return shown >= 0 && std::size_t(shown) < marks.size() ? shown : 0;
}

std::vector<Solved> marksOf(const std::vector<BestSolve>& bests)
{
    std::vector<Solved> marks;
    for (const auto& best : bests)
        marks.push_back(best.state);
    return marks;
}
} // namespace

TPuzzleTiles::TPuzzleTiles(std::vector<Solved> marks, std::optional<Solved> today, QWidget* parent)
    : QWidget(parent)
    , marks(std::move(marks))
    , today(today)
{
    setFixedSize(span(kColumns), span(rows()));
    setFocusPolicy(Qt::StrongFocus);
}

QRect TPuzzleTiles::tileRect(int index) const
{
    return QRect(index % kColumns * kPitch, index / kColumns * kPitch, kTileSize, kTileSize);
}

int TPuzzleTiles::tileAt(QPoint point) const
{
    if (point.x() < 0 || point.y() < 0 || point.x() % kPitch >= kTileSize || point.y() % kPitch >= kTileSize)
        return -1;
    const int column = point.x() / kPitch;
    const int index = point.y() / kPitch * kColumns + column;
    return column < kColumns && index < count() ? index : -1;
}

void TPuzzleTiles::setCurrent(int index)
{
    if (index < 0 || index >= count() || index == currentTile)
        return;
    if (currentTile >= 0)
        update(tileRect(currentTile));
    currentTile = index;
    update(tileRect(currentTile));
    emit currentMoved(tileRect(currentTile));
}

void TPuzzleTiles::moveBy(int step)
{
    typedNumber = 0;
    setCurrent(currentTile + step);
}

void TPuzzleTiles::typeDigit(int digit)
{
    // Another digit that leads past the last puzzle starts a new number.
    const std::int64_t longer = typedNumber * 10 + digit;
    if (longer >= 1 && longer <= numbered())
        typedNumber = longer;
    else if (digit >= 1 && digit <= numbered())
        typedNumber = digit;
    else
        return;
    setCurrent(int(typedNumber - 1));
}

void TPuzzleTiles::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    switch (key) {
    case Qt::Key_Left:
        moveBy(-1);
        return;
    case Qt::Key_Right:
        moveBy(1);
        return;
    case Qt::Key_Up:
        moveBy(-kColumns);
        return;
    case Qt::Key_Down:
        moveBy(kColumns);
        return;
    case Qt::Key_Backspace:
        typedNumber /= 10;
        setCurrent(int(typedNumber - 1));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentTile >= 0)
            emit chosen();
        return;
    default:
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            typeDigit(key - Qt::Key_0);
        } else if (key >= Qt::Key_A && key <= Qt::Key_Z && !(event->modifiers() & ~Qt::ShiftModifier)) {
            // Codes begin with a digit: the number typed so far was a code's start.
            emit codeStarted((typedNumber > 0 ? QString::number(typedNumber) : QString()) + event->text());
            typedNumber = 0;
        } else {
            QWidget::keyPressEvent(event); // Escape goes on to the dialog
        }
    }
}

void TPuzzleTiles::mousePressEvent(QMouseEvent* event)
{
    pressedTile = event->button() == Qt::LeftButton ? tileAt(event->position().toPoint()) : -1;
    if (pressedTile >= 0) {
        typedNumber = 0;
        setCurrent(pressedTile);
    }
}

void TPuzzleTiles::mouseReleaseEvent(QMouseEvent* event)
{
    // A click chooses: pressed and released on the same tile.
    const bool clicked = event->button() == Qt::LeftButton && pressedTile >= 0
                         && tileAt(event->position().toPoint()) == pressedTile;
    pressedTile = -1;
    if (clicked)
        emit chosen();
}

void TPuzzleTiles::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    QFont font = painter.font();
    font.setPixelSize(kNumberPixels);
    painter.setFont(font);
    // Only the rows in sight are drawn.
    const QRect dirty = event->rect();
    const int first = std::max(dirty.top() / kPitch, 0) * kColumns;
    const int last = std::min((dirty.bottom() / kPitch + 1) * kColumns, count());
    for (int i = first; i < last; ++i) {
        const QRect tile = tileRect(i);
        painter.setPen(kTileEdge);
        painter.setBrush(i == currentTile ? kChosenBackground : kTileColour);
        painter.drawRect(tile.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::white);
        const bool isToday = i == todayTile();
        const QString label = isToday ? tr("Today") : QString::number(i + 1);
        painter.setFont(isToday ? todayFont(font, label) : font);
        painter.drawText(QRect(tile.left(), tile.top() + kNumberTop, kTileSize, kNumberHeight), Qt::AlignCenter, label);
        drawSolvedMark(painter, QPointF(QRectF(tile).center().x(), tile.top() + kMarkCentre),
                       isToday ? *today : marks[std::size_t(i)]);
    }
}

void TCodeField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return QLineEdit::keyPressEvent(event);
    emit entered(); // the dialog's own Enter would choose the current tile
}

TFormChoose::TFormChoose(const QString& group, std::vector<BestSolve> bests, std::int32_t shown,
                         std::optional<Solved> today, QWidget* owner)
    : QDialog(owner)
    , groupCaption(group)
    , bests(std::move(bests))
{
    std::vector<Solved> marks = marksOf(this->bests);
    const int solved = int(std::count_if(marks.begin(), marks.end(), [](Solved s) { return s != Solved::No; }));
    const int start = firstUnsolved(marks, shown);
    const int all = int(marks.size());
    tiles = new TPuzzleTiles(std::move(marks), today);
    const bool scrolls = tiles->rows() > kVisibleRows;
    const int boxWidth = tiles->width() + (scrolls ? kScrollBarWidth : 0);
    const int boxHeight = TPuzzleTiles::span(std::clamp(tiles->rows(), 1, kVisibleRows));
    const int width = 2 * kMargin + boxWidth;
    const int boxTop = 2 * kMargin + kLineHeight;
    const int buttonsTop = boxTop + boxHeight + kMargin;
    styleDialog(*this, tr("Choose Puzzle"), width, buttonsTop + kButtonHeight + kMargin / 2);

    lblGroup = new QLabel(group, this);
    lblGroup->setGeometry(kMargin, kMargin, boxWidth - kSolvedWidth - kBestWidth, kLineHeight);
    lblBest = new QLabel(this);
    lblBest->setGeometry(lblGroup->geometry().right() + 1, kMargin, kBestWidth, kLineHeight);
    lblBest->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblSolved = new QLabel(tr("%1/%2", "solved of all").arg(solved).arg(all), this);
    lblSolved->setGeometry(width - kMargin - kSolvedWidth, kMargin, kSolvedWidth, kLineHeight);
    lblSolved->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    scrollBox = new QScrollArea(this);
    scrollBox->setGeometry(kMargin, boxTop, boxWidth, boxHeight);
    scrollBox->setFrameShape(QFrame::NoFrame);
    scrollBox->setBackgroundRole(QPalette::Window);
    scrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox->setFocusPolicy(Qt::NoFocus);
    scrollBox->setWidget(tiles);
    // A plain grey handle on black, as nothing else in the game has a frame.
    scrollBox->verticalScrollBar()->setStyleSheet(
        QString("QScrollBar { background: black; width: %1px; }"
                "QScrollBar::handle { background: %2; min-height: 24px; border-radius: 4px; margin: 2px; }"
                "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }"
                "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
            .arg(kScrollBarWidth)
            .arg(kTileEdge.name()));
    tiles->setCurrent(start);
    tiles->setFocus();
    connect(tiles, &TPuzzleTiles::currentMoved, this, &TFormChoose::showCurrent);
    connect(tiles, &TPuzzleTiles::chosen, this, [this] { done(mrOk); });

    ImgBtn1 = addResultButton(*this, "ok", kMargin, buttonsTop, mrOk);
    ImgBtn2 = addResultButton(*this, "cancel", width - kMargin - kButtonWidth, buttonsTop, mrCancel);

    // Between OK and Cancel, a code can be typed: a letter in the tiles starts it.
    codeField = new TCodeField(this);
    const int fieldLeft = 2 * kMargin + kButtonWidth;
    codeField->setGeometry(fieldLeft, buttonsTop + (kButtonHeight - kCodeFieldHeight) / 2, width - 2 * fieldLeft,
                           kCodeFieldHeight);
    codeField->setPlaceholderText(tr("Code of a puzzle"));
    codeField->setMaxLength(kLongestCode);
    codeField->setStyleSheet(
        QString("QLineEdit { background: black; color: white; border: 1px solid %1; }").arg(kTileEdge.name()));
    setTabOrder(tiles, codeField);
    connect(tiles, &TPuzzleTiles::codeStarted, this, [this](const QString& typed) {
        codeField->setFocus(Qt::OtherFocusReason);
        codeField->setText(typed);
    });
    connect(codeField, &TCodeField::entered, this, &TFormChoose::enterCode);
    connect(codeField, &QLineEdit::textEdited, this, [this] {
        lblGroup->setText(groupCaption);
        showCurrent();
    });
}

void TFormChoose::enterCode()
{
    const CodeReading reading = readCode(codeField->text().toStdString());
    if (reading.code) {
        code = reading.code;
        done(mrOk);
        return;
    }
    // Said where the group's name stands, over the whole line, until the code is edited.
    switch (reading.problem) {
    case CodeProblem::WrongLength:
        lblGroup->setText(tr("A code has nine letters and digits."));
        break;
    case CodeProblem::UnknownCharacter:
        lblGroup->setText(tr("\"%1\" is in no code.").arg(QChar(reading.unknown)));
        break;
    case CodeProblem::Mistyped:
        lblGroup->setText(tr("A character of this code is mistyped."));
        break;
    case CodeProblem::UnknownGenerator:
        lblGroup->setText(tr("This code was made by another version of the game."));
        break;
    case CodeProblem::None:
        break;
    }
    lblBest->clear();
    fitLine();
}

void TFormChoose::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    showCurrent(); // the scroll box knows its size only now
}

void TFormChoose::fitLine()
{
    // The best first: the group's name takes the room the best leaves.
    fitText(*lblBest);
    fitText(*lblGroup);
}

void TFormChoose::showCurrent()
{
    if (tiles->current() < 0)
        return;
    // Today's puzzle keeps no best beside the group's.
    const auto current = std::size_t(tiles->current());
    lblBest->setText(current < bests.size() ? bestText(bests[current]) : QString());
    fitLine();
    const QRect tile = tiles->tileRect(tiles->current());
    const int margin = TPuzzleTiles::kTileSize / 2 + TPuzzleTiles::kGap;
    scrollBox->ensureVisible(tile.center().x(), tile.center().y(), margin, margin);
}

bool ShowChooser(std::int32_t& puzzle, const QString& group, const std::vector<BestSolve>& bests, ChooserExtras* extras)
{
    TFormChoose dialog(group, bests, puzzle, extras ? std::optional(extras->today) : std::nullopt);
    if (!confirmed(dialog) || (dialog.code ? !extras : dialog.tiles->current() < 0))
        return false;
    if (dialog.code)
        extras->code = dialog.code;
    else if (dialog.tiles->current() == dialog.tiles->todayTile())
        extras->todayChosen = true; // there is a today tile only with extras
    else
        puzzle = dialog.tiles->current();
    return true;
}
