#pragma once
// The dialog that asks how hard a fresh puzzle should be.
#include <QDialog>

#include "game/Groups.h"

class QLabel;
class QRadioButton;
class TImgBtn;

// The key that asks for a fresh puzzle, in the main window and in the chooser.
inline constexpr Qt::Key kNewPuzzleKey = Qt::Key_N;

class TFormNewPuzzle : public QDialog {
    Q_OBJECT
public:
    explicit TFormNewPuzzle(QWidget* owner = nullptr);
    Challenge chosen() const;

    QLabel* lblGroup;
    QRadioButton* challenges[kChallengeCount];
    TImgBtn* ImgBtn1;
    TImgBtn* ImgBtn2;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Asks for the challenge of a fresh puzzle of the group `groupCaption`,
// starting on `challenge`. On OK, challenge holds the choice and the result
// is true.
bool ShowNewPuzzle(Challenge& challenge, const QString& groupCaption);
