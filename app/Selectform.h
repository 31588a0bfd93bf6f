#pragma once
// The group selection dialog.
#include <array>
#include <utility>

#include <QDialog>

#include "game/Playerchoices.h"

class QLabel;
class QRadioButton;
class TImgBtn;

class TFormSelection : public QDialog {
    Q_OBJECT
public:
    explicit TFormSelection(QWidget* owner = nullptr);
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    TImgBtn* ImgBtn1;
    TImgBtn* ImgBtn2;
    // "solved/all" beside each group; the dialog grows to the right for them.
    std::array<QLabel*, kGroupCount> solvedLabels{};
};

// Solved and all puzzles of each group.
using SolvedCounts = std::array<std::pair<int, int>, kGroupCount>;

// Lets the player choose a group 0 to 3. On OK, group holds the choice (or
// keeps its value when nothing was chosen) and the result is true.
// With counts, each group shows how many of its puzzles are solved.
bool ShowSelection(std::int32_t& group, const SolvedCounts* counts = nullptr);
