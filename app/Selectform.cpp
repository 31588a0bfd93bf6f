#include "Selectform.h"

#include <QFrame>
#include <QRadioButton>

#include "Dialogstyle.h"

TFormSelection::TFormSelection(QWidget* owner)
    : QDialog(owner)
{
    styleDialog(*this, "Select Games", 225, 186);
    auto* bevel = new QFrame(this);
    bevel->setGeometry(0, 8 + 113 - 2, 225, 2);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    const std::pair<QRadioButton**, std::pair<const char*, int>> choices[] = {
        {&RadioButton1, {"Solid Wall (One Set)", 20}},
        {&RadioButton2, {"Wall with Hole (One Set)", 44}},
        {&RadioButton3, {"Solid Wall (Two Sets)", 68}},
        {&RadioButton4, {"Wall with Hole (Two Sets)", 96}},
    };
    for (const auto& [radio, text] : choices) {
        *radio = new QRadioButton(text.first, this);
        (*radio)->setGeometry(20, text.second, 197, 17);
    }
    ImgBtn1 = addResultButton(*this, "ok", 8, 124, mrOk);
    ImgBtn2 = addResultButton(*this, "cancel", 136, 124, mrCancel);
}

bool ShowSelection(std::int32_t& group)
{
    TFormSelection dialog;
    QRadioButton* radios[] = {dialog.RadioButton1, dialog.RadioButton2, dialog.RadioButton3, dialog.RadioButton4};
    if (group >= 0 && group < 4)
        radios[group]->setChecked(true);
    if (!confirmed(dialog))
        return false;
    for (int i = 0; i < 4; ++i)
        if (radios[i]->isChecked()) {
            group = i;
            break;
        }
    return true;
}
