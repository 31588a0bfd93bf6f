#pragma once
// The background music: a hidden window holding the media player, which
// plays random files from the music list one after another.
#include <functional>

#include <QByteArrayList>
#include <QSet>
#include <QWidget>

#include "app/audio/Mediaplayer.h"

class TFormMusic : public QWidget {
    Q_OBJECT
public:
    // Takes the player (null: the SDL one).
    explicit TFormMusic(TAbstractMediaPlayer* player = nullptr, QWidget* parent = nullptr);
    ~TFormMusic() override;

    // Starts a random file when music is on and nothing plays.
    void ApplicationIdle();
    // The file ended: choose the next at the next idle moment.
    void MediaPlayer1Notify();

    TAbstractMediaPlayer* MediaPlayer1;
    QByteArrayList musicList;
    bool musicEnabled = false;
    // Told of each file that cannot be played, once.
    std::function<void(const QString& problem)> reportProblem;

private:
    friend void PlayMusic(const QByteArrayList& list, bool on);
    // Reports the file once and leaves it out for the rest of the run.
    void dropUnplayable(const QByteArray& fileName);

    QSet<QByteArray> unplayable;
};

extern TFormMusic* FormMusic;

// The new list and switch, from the options: playback starts at the next
// idle moment; a file already playing goes on while music stays on.
void PlayMusic(const QByteArrayList& list, bool on);
