// artgen OUTDIR: draws every picture the game uses into OUTDIR (the resources folder).
#include "Art.h"
#include "view/Imagetool.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Headless: fonts and painting work without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);

    for (int scale = 1; scale <= kLargestArtScale; ++scale) {
        art::writeBricks(out + "/bricks", scale);
        art::writeButtons(out + "/buttons", scale);
        art::writeAbout(out, scale);
    }
    art::writeProgramIcon(out + "/icons");
    art::writePictures(out + "/pictures");
    return 0;
}
