#pragma once
// The game's help shown by the game itself, where the desktop has no web
// browser to show it: its pages in a window of the game's own style, the
// contents and the index on the first page, every link followed inside.
#include <QDialog>
#include <QUrl>

class QTextBrowser;
class TImgBtn;

class THelpWindow : public QDialog {
    Q_OBJECT
public:
    // firstPage: the help's page with the contents and the index.
    explicit THelpWindow(const QUrl& firstPage, QWidget* owner = nullptr);

    QTextBrowser* page;
    TImgBtn* back; // to the page shown before
    TImgBtn* closeButton;
};
