#include "Selectform.h"

#include <QFrame>
#include <QRadioButton>

#include "Dialogstyle.h"
#include "game/Playerchoices.h"

TFormSelection::TFormSelection(QWidget* owner)
    : QDialog(owner)
{
    styleDialog(*this, "Select Games", 225, 186);
    auto* bevel = new QFrame(this);
    bevel->setGeometry(0, 8 + 113 - 2, 225, 2);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    QRadioButton** radios[kGroupCount] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4};
    const int tops[kGroupCount] = {20, 44, 68, 96};
    for (int group = 0; group < kGroupCount; ++group) {
        *radios[group] = new QRadioButton(kGroupCaptions[std::size_t(group)], this);
        (*radios[group])->setGeometry(20, tops[group], 197, 17);
    }
    ImgBtn1 = addResultButton(*this, "ok", 8, 124, mrOk);
    ImgBtn2 = addResultButton(*this, "cancel", 136, 124, mrCancel);
}

bool ShowSelection(std::int32_t& group)
{
    TFormSelection dialog;
    QRadioButton* radios[] = {dialog.RadioButton1, dialog.RadioButton2, dialog.RadioButton3, dialog.RadioButton4};
    if (isGroupNumber(group))
        radios[group]->setChecked(true);
    if (!confirmed(dialog))
        return false;
    for (int i = 0; i < kGroupCount; ++i)
        if (radios[i]->isChecked()) {
            group = i;
            break;
        }
    return true;
}
