// artgen OUTDIR QMDIR: draws every picture the game uses into OUTDIR (the
// resources folder); the buttons' words also in every language whose
// compiled translations wallwright_<code>.qm lie in QMDIR, into buttons/<code>.
#include "Art.h"
#include "view/Imagetool.h"

#include <QDir>
#include <QGuiApplication>
#include <QTranslator>

#include <memory>
#include <vector>

#include <cstdio>

int main(int argc, char** argv)
{
    // Headless: fonts and painting work without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: artgen OUTDIR QMDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QDir translations(QString::fromLocal8Bit(argv[2]));
    std::vector<std::pair<QString, std::unique_ptr<QTranslator>>> languages;
    for (const QString &file : translations.entryList({"wallwright_*.qm"}, QDir::Files, QDir::Name)) {
        auto language = std::make_unique<QTranslator>();
        if (!language->load(translations.filePath(file))) {
            std::fprintf(stderr, "artgen: cannot read %s\n", qPrintable(translations.filePath(file)));
            return 1;
        }
        languages.emplace_back(file.section('_', 1).section('.', 0, 0), std::move(language));
    }

    for (int scale = 1; scale <= kLargestArtScale; ++scale) {
        art::writeBricks(out + "/bricks", scale);
        art::writeButtons(out + "/buttons", scale);
        for (const auto &[code, language] : languages) {
            art::writeButtons(out + "/buttons/" + code, scale, language.get());
            art::writeAbout(out + "/" + code, scale, language.get());
        }
        art::writeAbout(out, scale);
    }
    art::writeProgramIcon(out + "/icons");
    art::writePictures(out + "/pictures");
    return 0;
}
