#pragma once
// The about box: the game's picture, its web page and its support address.
#include <QDialog>

class QLabel;
class TImgBtn;

inline constexpr char kWebAddress[] = "https://wallwright.example";
inline constexpr char kSupportAddress[] = "help@wallwright.example";

class TFormAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TFormAboutBox(QWidget* owner = nullptr);
    QLabel* Image1;
    QLabel* Comments;
    QLabel* lblMail;
    TImgBtn* ImgBtn1;

    void CommentsClick();
    void lblMailClick();
};
