// Measures the CPU time an idle game spends over three seconds: with music
// off, then on with the given files (default: the shipped WAVE loop, then
// a shipped MIDI tune). Prints the GUI thread's and the whole process's
// time; the process includes SDL's mixing and FluidSynth.
//   idle_cpu_probe [music files...]
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <sys/resource.h>

#include "app/Musicform.h"

namespace {
double cpuMs(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void runFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void measure(const char* phase, const QStringList& files, bool on)
{
    PlayMusic(files, false); // a new list alone would not interrupt the file that plays
    PlayMusic(files, on);
    runFor(500); // let the music start
    const double thread = cpuMs(RUSAGE_THREAD);
    const double process = cpuMs(RUSAGE_SELF);
    runFor(3000);
    std::printf("%-28s GUI thread %6.1f ms, process %7.1f ms over 3 s\n", phase, cpuMs(RUSAGE_THREAD) - thread,
                cpuMs(RUSAGE_SELF) - process);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setMusicReporter([](const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(message)); });
    FormMusic = new TFormMusic;
    QStringList files = app.arguments().mid(1);
    const QDir shipped(WALLWRIGHT_SOURCE_DIR "/resources/music");
    if (files.isEmpty())
        files = {shipped.filePath("Quiet Courtyard.wav"), shipped.filePath("Keystone.mid")};

    measure("music off", files, false);
    for (const QString& file : files)
        measure(qPrintable("music on: " + QFileInfo(file).fileName()), {file}, true);
    measure("music off again", files, false);
    delete FormMusic;
    return 0;
}
