#pragma once
// The group selection dialog.
#include <QDialog>

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
};

// Lets the player choose a group 0 to 3. On OK, group holds the choice (or
// keeps its value when nothing was chosen) and the result is true.
bool ShowSelection(std::int32_t& group);
