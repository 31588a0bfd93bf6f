#pragma once
// The options dialog: music, sound effects and the brick style.
#include <QDialog>

class QCheckBox;
class QListWidget;
class TImgBtn;

class TFormOption : public QDialog {
    Q_OBJECT
public:
    explicit TFormOption(QWidget* owner = nullptr);
    QCheckBox* cbMusic;
    QCheckBox* cbSound;
    QListWidget* lvBrick;
    TImgBtn* ImgBtn1;
    TImgBtn* ImgBtn2;
    std::int32_t brickIndex = 0;

    // The chosen style, or the one passed in when nothing is selected.
    std::int32_t chosenStyle() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
};


// On OK, writes the dialog's values back (flags as 0 or 1, a style 0 to 5)
// and returns true; on Cancel changes nothing.
bool ShowOptions(std::int32_t& soundOn, std::int32_t& musicOn, std::int32_t& brickStyle);
