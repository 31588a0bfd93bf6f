#include "app/Optionform.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>

#include "app/Dialogstyle.h"
#include "game/Playerchoices.h"
#include "view/Articon.h"
#include "view/Imagetool.h"

TFormOption::TFormOption(QWidget* owner)
    : QDialog(owner)
{
    styleDialog(*this, tr("Options Dialog"), 358, 243);
    auto* label = new QLabel(tr("Select Brick"), this);
    label->setGeometry(128, 4, 100, 16);
    cbMusic = new QCheckBox(tr("Music On"), this);
    cbMusic->setGeometry(16, 44, 97, 17);
    cbSound = new QCheckBox(tr("Sound On"), this);
    cbSound->setGeometry(16, 96, 97, 17);
    lvBrick = new QListWidget(this);
    lvBrick->setGeometry(132, 20, 225, 157);
    lvBrick->setViewMode(QListView::IconMode);
    lvBrick->setIconSize(QSize(32, 32));
    lvBrick->setGridSize(QSize(52, 60));
    lvBrick->setMovement(QListView::Static);
    lvBrick->setFrameShape(QFrame::NoFrame);
    lvBrick->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvBrick->setSelectionMode(QAbstractItemView::SingleSelection);
    lvBrick->setStyleSheet(QString("QListWidget { background: black; color: white; }"
                                   "QListWidget::item:selected { background: %1; }")
                               .arg(kChosenBackground.name()));
    const int scale = bitmapScale(this);
    for (int i = 0; i < kBrickStyles; ++i)
        new QListWidgetItem(artIcon(QString(":/bricks/icon%1.png").arg(i, 2, 10, QChar('0')), scale),
                            QString::number(i + 1), lvBrick);
    setTabOrder(cbMusic, cbSound);
    setTabOrder(cbSound, lvBrick);
    ImgBtn1 = addResultButton(*this, "ok", 4, 180, mrOk);
    ImgBtn2 = addResultButton(*this, "cancel", 276, 180, mrCancel);
}

void TFormOption::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TFormOption::FormActivate()
{
    lvBrick->clearSelection();
    if (brickIndex >= 0 && brickIndex < lvBrick->count())
        lvBrick->setCurrentRow(brickIndex);
}

std::int32_t TFormOption::chosenStyle() const
{
    const auto selected = lvBrick->selectedItems();
    if (!selected.isEmpty())
        return lvBrick->row(selected.first());
    return isBrickStyle(brickIndex) ? brickIndex : 0;
}

bool ShowOptions(std::int32_t& soundOn, std::int32_t& musicOn, std::int32_t& brickStyle)
{
    TFormOption dialog;
    dialog.cbMusic->setChecked(musicOn != 0);
    dialog.cbSound->setChecked(soundOn != 0);
    dialog.brickIndex = brickStyle;
    if (!confirmed(dialog))
        return false;
    musicOn = dialog.cbMusic->isChecked() ? 1 : 0;
    soundOn = dialog.cbSound->isChecked() ? 1 : 0;
    brickStyle = dialog.chosenStyle();
    return true;
}
