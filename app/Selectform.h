#pragma once
// The group selection dialog.
#include <array>
#include <utility>

#include <QDialog>

#include "game/Playerchoices.h"

class QFrame;
class QLabel;
class QRadioButton;
class TImgBtn;

// Solved and all puzzles of each group, the player's own file last.
using SolvedCounts = std::array<std::pair<int, int>, kGroupCount + 1>;

class TFormSelection : public QDialog {
    Q_OBJECT
public:
    explicit TFormSelection(QWidget* owner = nullptr);
    // "solved/all" beside each group; the dialog grows to the right for them.
    void showCounts(const SolvedCounts& counts);
    // A third button, Choose, right of Cancel: it confirms the group and
    // asks for the puzzle chooser (mrChoose).
    void offerChooser();
    // A fifth choice below the four, the puzzle file the player opened
    // (kOwnFileGroup); the dialog grows down for it. Before the counts.
    void offerOwnFile(const QString& name);
    // The choices, in the order of their group numbers.
    QList<QRadioButton*> choices() const;

    QFrame* Bevel1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton5 = nullptr;
    TImgBtn* ImgBtn1;
    TImgBtn* ImgBtn2;
    TImgBtn* imgChoose = nullptr;
    std::array<QLabel*, kGroupCount + 1> solvedLabels{};

protected:
    // Up and Down from a group the radio buttons leave unused, as they do
    // when the dialog is shown at the game's zoom: the next group is chosen,
    // as the radio buttons themselves choose it at 1x.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void widen(int width);

    int buttonsTop;
};

// Lets the player choose a group 0 to 3. On OK, group holds the choice (or
// keeps its value when nothing was chosen) and the result is true.
// With counts, each group shows how many of its puzzles are solved. With
// choosePuzzle, the dialog offers Choose, which confirms like OK and sets
// *choosePuzzle: the player goes on to choose a puzzle of the group.
// With ownFile, the puzzle file the player opened is the fifth choice.
bool ShowSelection(std::int32_t& group, const SolvedCounts* counts = nullptr, bool* choosePuzzle = nullptr,
                   const QString& ownFile = {});

// A shipped group's name in the player's language.
QString shippedGroupCaption(int group);
