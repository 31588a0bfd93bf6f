// What one step between puzzles costs to paint its background picture, for
// ordinary photos, pictures at the game's pixel limits and decompression
// bombs: the decoding time (median of 5, in milliseconds) and the peak
// resident memory of a process that only paints that picture (VmHWM, MiB).
//   picturebench
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTemporaryDir>

#include "game/Gameinterface.h"

namespace {
using Clock = std::chrono::steady_clock;

long peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

void putBigEndian(QByteArray& bytes, qsizetype at, unsigned value)
{
    bytes[at] = char(value >> 8);
    bytes[at + 1] = char(value);
}

// A photo-like picture: smooth gradients with fine grain, as JPEG sees a photo.
QByteArray photo(int width, int height, bool progressive)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb(x * 255 / width, y * 255 / height, ((x * 7) ^ (y * 13)) & 255);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(85);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return buffer.data();
}

QByteArray jpegBomb(bool progressive)
{
    QByteArray bytes = photo(64, 48, progressive);
    const qsizetype frame = std::max(bytes.indexOf("\xff\xc0"), bytes.indexOf("\xff\xc2"));
    putBigEndian(bytes, frame + 5, 30000);
    putBigEndian(bytes, frame + 7, 30000);
    return bytes;
}

struct Case {
    const char* what;
    QByteArray file;
    const char* name;
};

// Paints one picture five times and reports; run in a process of its own,
// so that its peak memory is its own.
int measure(const char* what, const char* path)
{
    QTemporaryDir program;
    ClGameInterface game(QFile::encodeName(program.path()));
    game.background = QImage(640, 480, QImage::Format_RGB32);
    QString problem;
    game.reportBadPicture = [&problem](const QByteArray&, const QString& why) { problem = why; };
    std::vector<double> times;
    for (int round = 0; round < 5; ++round) {
        const auto start = Clock::now();
        game.loadBackground(path);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("| %-40s | %7.1f | %8.1f | %s\n", what, times[times.size() / 2], peakResidentKb() / 1024.0,
                problem.isEmpty() ? "shown" : qPrintable("refused: " + problem));
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc == 3)
        return measure(argv[1], argv[2]);
    QTemporaryDir dir;
    QImage bitmap(2000, 2000, QImage::Format_RGB32);
    bitmap.fill(Qt::darkGreen);
    QBuffer bitmapFile;
    bitmapFile.open(QIODevice::WriteOnly);
    bitmap.save(&bitmapFile, "BMP");
    bitmap = QImage();
    const Case cases[] = {
        {"640 x 480 baseline JPEG", photo(640, 480, false), "small.jpg"},
        {"6000 x 4000 baseline JPEG (24 MP photo)", photo(6000, 4000, false), "photo.jpg"},
        {"6000 x 5000 baseline JPEG (at limit)", photo(6000, 5000, false), "large.jpg"},
        {"2000 x 2000 progressive JPEG (at limit)", photo(2000, 2000, true), "progressive.jpg"},
        {"2000 x 2000 bitmap (at limit)", bitmapFile.data(), "limit.bmp"},
        {"progressive JPEG bomb, 30000 x 30000", jpegBomb(true), "bomb-progressive.jpg"},
        {"baseline JPEG bomb, 30000 x 30000", jpegBomb(false), "bomb-baseline.jpg"},
    };
    std::printf("| %-40s | %7s | %8s | outcome\n", "picture", "ms", "peak MiB");
    std::fflush(stdout);
    for (const Case& c : cases) {
        QFile out(dir.filePath(c.name));
        out.open(QIODevice::WriteOnly);
        out.write(c.file);
        out.close();
        const std::string path = QFile::encodeName(out.fileName()).toStdString();
        if (::fork() == 0) {
            ::execl(argv[0], argv[0], c.what, path.c_str(), nullptr);
            ::_exit(127);
        }
        ::wait(nullptr);
    }
    return 0;
}
