#include "app/Selectform.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QShortcut>

#include "app/Chooseform.h"
#include "app/Dialogstyle.h"
#include "app/Keynames.h"
#include "game/Playerchoices.h"
#include "view/Imgbtn.h"
#include "view/Layout.h"

namespace {
using namespace choicedialog;
constexpr int kCountsWidth = 64; // room for "60/60" right of the choices
constexpr int kOwnFileRow = 24;  // the fifth choice's row
} // namespace

QString shippedGroupCaption(int group)
{
    return QCoreApplication::translate("Groups", kGroupCaptions[std::size_t(group)]);
}

TFormSelection::TFormSelection(QWidget* owner)
    : QDialog(owner)
{
    styleDialog(*this, tr("Select Games"), kWidth, kHeight);
    Bevel1 = new QFrame(this);
    Bevel1->setGeometry(0, 8 + 113 - 2, 225, 2);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    QRadioButton** radios[kGroupCount] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4};
    const int tops[kGroupCount] = {20, 44, 68, 96};
    for (int group = 0; group < kGroupCount; ++group) {
        *radios[group] = new QRadioButton(shippedGroupCaption(group), this);
        (*radios[group])->setGeometry(20, tops[group], 197, 17);
    }
    buttonsTop = kButtonsTop;
    ImgBtn1 = addResultButton(*this, "ok", kMargin, buttonsTop, mrOk);
    ImgBtn2 = addResultButton(*this, "cancel", kCancelLeft, buttonsTop, mrCancel);
}

QList<QRadioButton*> TFormSelection::choices() const
{
    QList<QRadioButton*> radios{RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    if (RadioButton5)
        radios << RadioButton5;
    return radios;
}

void TFormSelection::offerOwnFile(const QString& name)
{
    RadioButton5 = new QRadioButton(name, this);
    RadioButton5->setGeometry(RadioButton4->x(), RadioButton4->y() + kOwnFileRow, RadioButton4->width(),
                              RadioButton4->height());
    setFixedHeight(height() + kOwnFileRow);
    buttonsTop += kOwnFileRow;
    Bevel1->move(Bevel1->x(), Bevel1->y() + kOwnFileRow);
    for (TImgBtn* button : {ImgBtn1, ImgBtn2})
        button->move(button->x(), buttonsTop);
}

void TFormSelection::keyPressEvent(QKeyEvent* event)
{
    if (!stepRadioButtons(*event, choices()))
        QDialog::keyPressEvent(event);
}

void TFormSelection::widen(int width)
{
    if (width <= this->width())
        return;
    setFixedWidth(width);
    Bevel1->setFixedWidth(width);
}

void TFormSelection::showCounts(const SolvedCounts& counts)
{
    widen(kWidth + kCountsWidth);
    const QList<QRadioButton*> radios = choices();
    for (int i = 0; i < radios.size(); ++i) {
        const auto [solved, all] = counts[std::size_t(i)];
        auto* label = new QLabel(tr("%1/%2", "solved of all").arg(solved).arg(all), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(kWidth - kMargin, radios[i]->y(), kCountsWidth, radios[i]->height());
        solvedLabels[std::size_t(i)] = label;
    }
}

void TFormSelection::offerChooser()
{
    // OK and Cancel stay where a player knows them; Choose comes after Cancel.
    const int chooseLeft = kCancelLeft + kButtonWidth + kMargin;
    widen(chooseLeft + kButtonWidth + kMargin);
    imgChoose = addResultButton(*this, "choose", chooseLeft, buttonsTop, mrChoose);
    imgChoose->setToolTip(tr("Choose Puzzle (%1)").arg(keyName(kChooseKey)));
    connect(new QShortcut(kChooseKey, this), &QShortcut::activated, this, [this] { done(mrChoose); });
}

bool ShowSelection(std::int32_t& group, const SolvedCounts* counts, bool* choosePuzzle, const QString& ownFile)
{
    TFormSelection dialog;
    if (!ownFile.isEmpty())
        dialog.offerOwnFile(ownFile);
    if (counts)
        dialog.showCounts(*counts);
    if (choosePuzzle)
        dialog.offerChooser();
    const QList<QRadioButton*> radios = dialog.choices();
    if (group >= 0 && group < radios.size())
        radios[group]->setChecked(true);
    const int result = dialog.exec();
    if (result != mrOk && result != mrChoose)
        return false;
    for (int i = 0; i < radios.size(); ++i)
        if (radios[i]->isChecked()) {
            group = i;
            break;
        }
    if (choosePuzzle)
        *choosePuzzle = result == mrChoose;
    return true;
}
