#pragma once
// A widget of fixed size shown larger: a window scales it, centred between
// black bars. The widget keeps its own pixels and the window hands it the
// mouse in those pixels, so every drawing and mouse rule works as at the
// widget's own size. The game's dialogs are shown this way, at the game's
// scale.
#include <functional>

#include <QGraphicsView>
#include <QPointer>

class QGraphicsProxyWidget;

// A window that shows one widget of fixed size, its content, scaled and
// centred on black. The content leads: the window shows, closes and is named
// with it, and closing the window closes the content.
class TScaledWindow : public QGraphicsView {
    Q_OBJECT
public:
    TScaledWindow(QWidget& content, double scale, QWidget* parent = nullptr);
    ~TScaledWindow() override; // hands the content back, whole

    // The scale the content is drawn at: the window's, or in full screen the
    // largest that fits.
    double shownScale() const;
    QWidget* content() const;

signals:
    // The content is drawn at another scale.
    void rescaled();

protected:
    QSize contentSize() const;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

    // The window's size for the content at the chosen scale: a dialog's
    // window keeps it, outside full screen.
    virtual void sizeToContent();

private:
    // The content drawn as large as the window allows.
    void fit();
    // A dialog's window stays centred over the window it belongs to.
    void centreOverParent();

    QPointer<QGraphicsProxyWidget> proxy;
    double chosenScale;
    bool closing = false;
};

// The widget a window shows: a scaled window's content, else the window
// itself. Keys pressed in the window are meant for it.
QWidget* shownWidget(QWidget* window);

// What the window manager's frame adds to a window's size.
QSize windowFrame(const QWidget& window);

// The game's window is the one its dialogs are shown over and scaled to,
// within `availableArea`, the part of the screen they must fit into. Until
// it is named, or once it is gone, dialogs show as they are.
void scaleDialogsTo(TScaledWindow& gameWindow, std::function<QRect()> availableArea);

// Makes one of the game's dialogs or message boxes a window over the game's,
// at the game's scale: called once, when it is made, before it is shown.
// Without a game window nothing changes.
void showAtGameScale(QWidget& dialog);
