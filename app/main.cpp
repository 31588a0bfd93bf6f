#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QApplication>
#include <QByteArrayList>

#include "app/Gameparts.h"
#include "app/Language.h"
#include "app/Quitsignals.h"

namespace {
// The toolkit's words while it looks for a display: kept back, and shown
// only when it finds one. Without one the toolkit would abort with advice
// to reinstall; the player is told plainly instead.
bool startingUp = true;
QByteArrayList startupMessages;
const TGameLanguage* startupLanguage = nullptr;

void startupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg && startingUp) {
        const char* display = std::getenv("DISPLAY");
        const QString line =
            display && *display
                ? startupLanguage
                      ->translate("main", "wallwright: no display to open the game's window on (DISPLAY is "
                                          "\"%1\").")
                      .arg(QString::fromLocal8Bit(display))
                : startupLanguage->translate("main", "wallwright: no display to open the game's window on (DISPLAY is "
                                                     "not set).");
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        std::_Exit(1);
    }
    startupMessages << message.toLocal8Bit();
}
} // namespace

int main(int argc, char** argv)
{
    TGameLanguage language(chooseLanguage(wantedLanguages()));
    startupLanguage = &language;
    const QtMessageHandler usual = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    startingUp = false;
    language.install();
    qInstallMessageHandler(usual);
    for (const QByteArray& message : startupMessages)
        std::fprintf(stderr, "%s\n", message.constData());
    // The toolkit has taken its own options out; any other comes before the
    // file (a file whose name starts with "-" is given as ./-name).
    if (argc > 1 && argv[1][0] == '-') {
        const bool asked = std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0;
        if (!asked)
            std::fprintf(stderr, "%s\n", qPrintable(QCoreApplication::translate("main", "wallwright: no such option")));
        std::fprintf(asked ? stdout : stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("main", "usage: wallwright [FILE.gam]")));
        return asked ? 0 : 2;
    }
    setUpApplication();
    quitOnSignals(&app);
    GameParts game;
    // A puzzle file named on the command line, as the desktop names the one
    // opened from the file manager: played as a group of its own. Its name
    // is kept as bytes, as the file system has it.
    if (argc > 1)
        game.form.gameInterface->ownFile = argv[1];
    if (argc > 2)
        std::fprintf(stderr, "%s\n",
                     QCoreApplication::translate("main", "wallwright: plays one puzzle file at a time: %1")
                         .toLocal8Bit()
                         .replace("%1", argv[1])
                         .constData());
    game.form.show();
    return app.exec();
}
