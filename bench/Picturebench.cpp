// What one step between puzzles costs to paint its background picture, for
// ordinary photos, the largest photos the game shows (24 million pixels) in
// every format it reads, and decompression bombs: the decoding time (median
// of 5, in milliseconds) and the peak resident memory of a fresh process
// that only paints that picture (VmHWM, MiB; the bare process is the first
// line's figure).
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

#include <jpeglib.h>

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
QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = uchar(x * 255 / width);
            row[3 * x + 1] = uchar(y * 255 / height);
            row[3 * x + 2] = uchar((x * 7) ^ (y * 13));
        }
    }
    return image;
}

// How the encoder lays the picture out: each as cameras and editors write it.
enum class JpegLayout {
    Baseline,          // every colour in one scan, colour sampled 2 x 2
    Progressive,       // coarse to fine, colour sampled 2 x 2
    ProgressiveFull,   // coarse to fine, colour at full resolution: the most coefficients
    OneColourAScan,    // sequential, each colour a scan of its own, full resolution
};

QByteArray jpeg(const QImage& image, JpegLayout layout)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    if (layout == JpegLayout::ProgressiveFull || layout == JpegLayout::OneColourAScan)
        info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
    jpeg_scan_info colourScans[3];
    if (layout == JpegLayout::OneColourAScan) {
        for (int c = 0; c < 3; ++c)
            colourScans[c] = {1, {c}, 0, 63, 0, 0};
        info.scan_info = colourScans;
        info.num_scans = 3;
    } else if (layout != JpegLayout::Baseline) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar*>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

QByteArray bitmap(const QImage& image)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    image.save(&file, "BMP");
    return file.data();
}

QByteArray jpegBomb(JpegLayout layout)
{
    QByteArray bytes = jpeg(photo(64, 48), layout);
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
    const QImage largest = photo(6000, 4000);
    const QImage small = photo(640, 480);
    const Case cases[] = {
        {"640 x 480 baseline JPEG", jpeg(small, JpegLayout::Baseline), "small.jpg"},
        {"24 MP baseline JPEG", jpeg(largest, JpegLayout::Baseline), "baseline.jpg"},
        {"24 MP progressive JPEG", jpeg(largest, JpegLayout::Progressive), "progressive.jpg"},
        {"24 MP progressive JPEG, colour 1:1", jpeg(largest, JpegLayout::ProgressiveFull), "progressive-full.jpg"},
        {"24 MP JPEG, one colour a scan", jpeg(largest, JpegLayout::OneColourAScan), "colour-a-scan.jpg"},
        {"24 MP bitmap, 24 bits", bitmap(largest), "photo.bmp"},
        {"24 MP bitmap, 32 bits", bitmap(largest.convertToFormat(QImage::Format_ARGB32)), "photo32.bmp"},
        {"6000 x 5000 baseline JPEG (at limit)", jpeg(photo(6000, 5000), JpegLayout::Baseline), "large.jpg"},
        {"progressive JPEG bomb, 30000 x 30000", jpegBomb(JpegLayout::Progressive), "bomb-progressive.jpg"},
        {"baseline JPEG bomb, 30000 x 30000", jpegBomb(JpegLayout::Baseline), "bomb-baseline.jpg"},
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
