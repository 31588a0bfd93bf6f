#pragma once
// The music's media player: one file at a time, opened, played to its end
// and reported through notified() on the GUI thread.
#include <functional>

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

enum class TMPModes { NotReady, Stopped, Playing, Open };

// What the music needs from a player; tests put a double behind it.
class TAbstractMediaPlayer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The file's path, as bytes.
    QByteArray FileName() const { return fileName; }
    void setFileName(const QByteArray& name) { fileName = name; }
    // When set, the end of the playback in progress is reported through
    // notified(); the report clears it.
    bool Notify() const { return notify; }
    void setNotify(bool on) { notify = on; }

    // Closes any open file, then opens FileName. False with Error() when
    // the file is missing, not audio, or damaged.
    virtual bool Open() = 0;
    // Starts the open file and returns at once. False with Error() on failure.
    virtual bool Play() = 0;
    virtual void Stop() = 0;
    // With no file open: NotReady, never Playing or Open.
    virtual TMPModes Mode() const = 0;
    // Why the last Open or Play failed, or why the last playback ended at
    // once; empty after a successful Open.
    virtual QString Error() const = 0;

signals:
    void notified();

protected:
    // The double and the real player both end playbacks through here.
    void playbackEnded()
    {
        if (!notify)
            return;
        notify = false;
        emit notified();
    }

private:
    QByteArray fileName;
    bool notify = false;
};

struct _Mix_Music;

// The player on SDL_mixer: MIDI through FluidSynth, WAVE natively. Without
// an audio device every file opens and plays as silence that never ends.
class TMediaPlayer : public TAbstractMediaPlayer {
    Q_OBJECT
public:
    // Milliseconds on a clock that never goes back; how long a playback
    // lasted is read from it. Tests give their own.
    using Clock = std::function<qint64()>;

    explicit TMediaPlayer(QObject* parent = nullptr, Clock clock = steadyClock);
    ~TMediaPlayer() override;

    bool Open() override;
    bool Play() override;
    void Stop() override;
    TMPModes Mode() const override;
    QString Error() const override { return error; }

private:
    void close();
    bool fail(const QString& why);
    static void musicFinished(); // on SDL's audio thread
    void ended(quint64 playback);
    static qint64 steadyClock();

    Clock clock;
    _Mix_Music* music = nullptr;
    TMPModes mode = TMPModes::NotReady;
    QString error;
    quint64 playback = 0; // this player's playback in progress, 0 for none
    qint64 startedAt = 0; // on the clock
    double seconds = 0; // the open file's length, 0 when unknown
    QHash<QByteArray, int> earlyEnds; // per file, this run
};
