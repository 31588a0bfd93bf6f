#include "Selectform.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include "Dialogstyle.h"
#include "game/Playerchoices.h"

namespace {
constexpr int kDialogWidth = 225;
constexpr int kCountsWidth = 64; // room for "60/60" right of the choices
} // namespace

TFormSelection::TFormSelection(QWidget* owner)
    : QDialog(owner)
{
    styleDialog(*this, "Select Games", kDialogWidth, 186);
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

bool ShowSelection(std::int32_t& group, const SolvedCounts* counts)
{
    TFormSelection dialog;
    if (counts) {
        dialog.setFixedWidth(kDialogWidth + kCountsWidth);
        for (QFrame* line : dialog.findChildren<QFrame*>())
            if (line->frameShape() == QFrame::HLine)
                line->setFixedWidth(dialog.width());
        QRadioButton* radios[] = {dialog.RadioButton1, dialog.RadioButton2, dialog.RadioButton3, dialog.RadioButton4};
        for (int i = 0; i < kGroupCount; ++i) {
            const auto [solved, all] = (*counts)[std::size_t(i)];
            auto* label = new QLabel(QString("%1/%2").arg(solved).arg(all), &dialog);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setGeometry(kDialogWidth - 8, radios[i]->y(), kCountsWidth, radios[i]->height());
            dialog.solvedLabels[std::size_t(i)] = label;
        }
    }
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
