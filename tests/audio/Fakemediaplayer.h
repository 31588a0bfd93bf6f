#pragma once
// A media player double: records what the music asks of it; the test ends
// playbacks and chooses which files fail to open.
#include <QSet>
#include <QStringList>

#include "app/Mediaplayer.h"

class TFakeMediaPlayer : public TAbstractMediaPlayer {
public:
    bool Open() override
    {
        opened << FileName();
        if (broken.contains(FileName())) {
            mode = TMPModes::NotReady;
            error = QStringLiteral("broken");
            return false;
        }
        error.clear();
        mode = TMPModes::Open;
        return true;
    }
    bool Play() override
    {
        played << FileName();
        mode = TMPModes::Playing;
        return true;
    }
    void Stop() override
    {
        ++stops;
        if (mode != TMPModes::NotReady)
            mode = TMPModes::Stopped;
    }
    TMPModes Mode() const override { return mode; }
    QString Error() const override { return error; }

    // The playback reaches its end, as SDL's hook would report it.
    void finish()
    {
        mode = TMPModes::Stopped;
        playbackEnded();
    }

    QSet<QString> broken;
    QStringList opened;
    QStringList played;
    int stops = 0;
    TMPModes mode = TMPModes::NotReady;
    QString error;
};
