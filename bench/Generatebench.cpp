// How long a fresh puzzle takes from the key to the window, for every group
// and challenge, over many seeds: made, proven, taken into the game and its
// picture drawn. Also how often its score lands in the challenge's quarter.
// Prints the median and the longest, in milliseconds.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "app/Mainform.h"
#include "game/Difficulty.h"
#include "view/Gameboardframe.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    for (int group = 0; group < kGroupCount; ++group)
        QFile::copy(QString(PUZZLE_DIR "/Brick%1.gam").arg(group), folder.filePath(QString("Brick%1.gam").arg(group)));
    QDir(folder.path()).mkpath("Picture");
    QFile::copy(QString(PICTURE_DIR "/sunset.jpg"), folder.filePath("Picture/sunset.jpg"));

    constexpr std::uint32_t kSeeds = 25;
    const char* const challenges[] = {"easy", "medium", "hard", "expert"};
    std::printf("| group | challenge | puzzles | in its quarter | median ms | longest ms |\n");
    std::printf("|------:|-----------|--------:|---------------:|----------:|-----------:|\n");
    for (int group = 0; group < kGroupCount; ++group) {
        ClSettings settings;
        settings.group = group;
        settings.saveTo(QFile::encodeName(folder.filePath("config.dat")).toStdString());
        TFormMain form(QFile::encodeName(folder.path()));
        form.show();
        for (int c = 0; c < kChallengeCount; ++c) {
            std::uint32_t seed = 0;
            form.showNewPuzzle = [c](Challenge& challenge, const QString&) { return challenge = Challenge(c), true; };
            form.freshSeed = [&seed] { return seed; };
            std::vector<double> times;
            int inQuarter = 0;
            for (seed = 1; seed <= kSeeds; ++seed) {
                QElapsedTimer clock;
                clock.start();
                form.newPuzzleExecute();
                form.repaint();
                times.push_back(double(clock.nsecsElapsed()) / 1e6);
                const auto& quartiles = groupRules(group)->quartiles;
                // Measured on the puzzle as made: the game holds it in play units.
                ClGameFile made;
                std::string why;
                makePuzzle(*form.gameInterface->freshPuzzle(), made, why);
                const double score = measureDifficulty(made.puzzles.front(), made.header.rotateStep).score;
                inQuarter += (c == 0 || score >= quartiles[std::size_t(c - 1)])
                             && (c == kChallengeCount - 1 || score < quartiles[std::size_t(c)]);
            }
            std::sort(times.begin(), times.end());
            std::printf("| %5d | %-9s | %7zu | %14d | %9.1f | %10.1f |\n", group, challenges[c], times.size(),
                        inQuarter, times[times.size() / 2], times.back());
        }
    }
    return 0;
}
