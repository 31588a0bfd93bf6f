#pragma once
// Problems the player should know of, shown in one warning box that never
// blocks the game: problems found together (forty unplayable tunes, say)
// arrive as one list, and the window can be closed while the box is open.
// Every part of the game reports here, directly or through its owner.
#include <functional>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QMessageBox;
class QWidget;

// A QObject only to own its pending call and its tie to the box, which end with it.
class TProblemReport : public QObject {
    Q_OBJECT

public:
    ~TProblemReport() override;

    // The most problems listed by name; the rest are counted.
    static constexpr int kMaxListed = 8;

    // The box opens over `owner` (or the active window) from the event loop,
    // so a problem found while the window opens shows over the drawn window.
    void add(const QString& problem);
    void setOwner(QWidget* owner);
    // Problems go to `receiver` instead of the box, so that tests can read
    // them; an empty one gives them back to the box.
    void setReceiver(std::function<void(const QString& problem)> receiver);
    // The text the box shows, for what has been added so far.
    QString text() const;

private:
    void show();

    QStringList problems;
    QPointer<QWidget> owner;
    QPointer<QMessageBox> box;
    std::function<void(const QString&)> receiver;
    bool showPending = false;
};

// The game's one report.
TProblemReport& problemReport();
