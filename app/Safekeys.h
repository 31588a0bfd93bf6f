#pragma once
// Keys that would throw away the moves of the puzzle in play ask to be
// pressed twice: the first press only shows a note, and only the same key
// pressed next acts. Any other key, a click, or the window losing the
// keyboard forgets the question. A key is easily hit by accident, a button
// seldom, so the buttons act at once.
#include <functional>

#include <QKeySequence>
#include <QObject>

class QWidget;

class TSafeKeys : public QObject {
    Q_OBJECT
public:
    // Watches the keys and clicks of `window`. `movesAtStake` tells whether
    // such a key would lose moves now; `showNote` shows the note, and an
    // empty one takes it away.
    TSafeKeys(QWidget* window, std::function<bool()> movesAtStake, std::function<void(const QString&)> showNote);
    ~TSafeKeys() override;

    // A shortcut of the window for `key` that runs `act`, at once or, with
    // moves at stake, at its second press; `outcome` ends the note:
    // "Press P again to <outcome>."
    void add(const QKeySequence& key, const QString& outcome, std::function<void()> act);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(const QKeySequence& key, const QString& outcome, const std::function<void()>& act);
    void forget();

    QWidget* const window;
    const std::function<bool()> movesAtStake;
    const std::function<void(const QString&)> showNote;
    QKeySequence asked; // the key pressed once; empty when none
};
