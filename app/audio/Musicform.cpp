#include "app/audio/Musicform.h"

#include "app/audio/Idleevent.h"
#include "game/Displaynames.h"
#include "game/Gamerandom.h"

TFormMusic* FormMusic = nullptr;

namespace {
void installIdle()
{
    TIdleEvent::application().install([] {
        if (FormMusic)
            FormMusic->ApplicationIdle();
    });
}
} // namespace

TFormMusic::TFormMusic(TAbstractMediaPlayer* player, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , MediaPlayer1(player ? player : new TMediaPlayer)
{
    setWindowTitle(tr("Music"));
    hide(); // explicitly, so it never shows with its parent
    MediaPlayer1->setParent(this);
    connect(MediaPlayer1, &TAbstractMediaPlayer::notified, this, &TFormMusic::MediaPlayer1Notify);
}

TFormMusic::~TFormMusic()
{
    if (FormMusic == this)
        FormMusic = nullptr;
}

void PlayMusic(const QByteArrayList& list, bool on)
{
    if (!FormMusic)
        return;
    TFormMusic& form = *FormMusic;
    form.musicList = list;
    for (const QByteArray& bad : form.unplayable)
        form.musicList.removeAll(bad);
    form.musicEnabled = on;
    if (on && !form.musicList.isEmpty()) {
        gamerandom::seedFromClock();
        installIdle();
    } else if (!form.MediaPlayer1->FileName().isEmpty()) {
        form.MediaPlayer1->Stop();
    }
}

void TFormMusic::ApplicationIdle()
{
    if (!musicEnabled)
        return;
    const TMPModes mode = MediaPlayer1->Mode();
    if (mode == TMPModes::Playing || mode == TMPModes::Open) {
        MediaPlayer1->setNotify(true);
        return;
    }
    // Bounded: every failed file leaves the list.
    while (!musicList.isEmpty()) {
        const QByteArray fileName = musicList[gamerandom::below(int(musicList.size()))];
        MediaPlayer1->setFileName(fileName);
        if (MediaPlayer1->Open() && MediaPlayer1->Play())
            break;
        dropUnplayable(fileName);
    }
    TIdleEvent::application().remove();
    MediaPlayer1->setNotify(true);
}

void TFormMusic::MediaPlayer1Notify()
{
    if (!MediaPlayer1->Error().isEmpty())
        dropUnplayable(MediaPlayer1->FileName());
    installIdle();
}

void TFormMusic::dropUnplayable(const QByteArray& fileName)
{
    if (unplayable.contains(fileName))
        return;
    // One line each, so that many bad files still make a short list.
    QString why = MediaPlayer1->Error();
    if (why.endsWith('.'))
        why.chop(1);
    // A sentence becomes a clause; a name in capitals ("MIDI") stays as it is.
    if (!why.isEmpty() && !(why.size() > 1 && why[1].isUpper()))
        why[0] = why[0].toLower();
    unplayable.insert(fileName);
    musicList.removeAll(fileName);
    if (reportProblem)
        reportProblem(tr("The music file \"%1\" is left out: %2.").arg(displayFileName(fileName), why));
}
