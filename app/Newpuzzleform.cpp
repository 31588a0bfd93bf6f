#include "app/Newpuzzleform.h"

#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

#include "app/Dialogstyle.h"
#include "view/Imgbtn.h"
#include "view/Layout.h"

namespace {
using namespace choicedialog;
constexpr int kFirstChoiceTop = 28;
constexpr int kChoicePitch = 22;
} // namespace

TFormNewPuzzle::TFormNewPuzzle(QWidget* owner)
    : QDialog(owner)
{
    styleDialog(*this, tr("New Puzzle"), kWidth, kHeight);
    lblGroup = new QLabel(this);
    lblGroup->setGeometry(kMargin, 4, kWidth - 2 * kMargin, 20);
    const QString names[kChallengeCount] = {tr("Easy"), tr("Medium"), tr("Hard"), tr("Expert")};
    for (int c = 0; c < kChallengeCount; ++c) {
        challenges[c] = new QRadioButton(names[c], this);
        challenges[c]->setGeometry(20, kFirstChoiceTop + c * kChoicePitch, kWidth - 28, 17);
    }
    ImgBtn1 = addResultButton(*this, "ok", kMargin, kButtonsTop, mrOk);
    ImgBtn2 = addResultButton(*this, "cancel", kCancelLeft, kButtonsTop, mrCancel);
}

Challenge TFormNewPuzzle::chosen() const
{
    for (int c = 0; c < kChallengeCount; ++c)
        if (challenges[c]->isChecked())
            return Challenge(c);
    return Challenge::Easy;
}

void TFormNewPuzzle::keyPressEvent(QKeyEvent* event)
{
    if (!stepRadioButtons(*event, QList<QRadioButton*>(std::begin(challenges), std::end(challenges))))
        QDialog::keyPressEvent(event);
}

bool ShowNewPuzzle(Challenge& challenge, const QString& groupCaption)
{
    TFormNewPuzzle dialog;
    dialog.lblGroup->setText(groupCaption); // the kind of puzzle made
    QRadioButton* start = dialog.challenges[int(challenge)];
    start->setChecked(true);
    start->setFocus(Qt::OtherFocusReason);
    if (!confirmed(dialog))
        return false;
    challenge = dialog.chosen();
    return true;
}
