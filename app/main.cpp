#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QApplication>
#include <QByteArrayList>

#include "app/Gameparts.h"
#include "app/Quitsignals.h"

namespace {
// The toolkit's words while it looks for a display: kept back, and shown
// only when it finds one. Without one the toolkit would abort with advice
// to reinstall; the player is told plainly instead.
bool startingUp = true;
QByteArrayList startupMessages;

void startupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg && startingUp) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr, "wallwright: no display to open the game's window on (DISPLAY is %s%s%s).\n",
                     display && *display ? "\"" : "", display && *display ? display : "not set",
                     display && *display ? "\"" : "");
        std::_Exit(1);
    }
    startupMessages << message.toLocal8Bit();
}
} // namespace

int main(int argc, char** argv)
{
    const QtMessageHandler usual = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    startingUp = false;
    qInstallMessageHandler(usual);
    for (const QByteArray& message : startupMessages)
        std::fprintf(stderr, "%s\n", message.constData());
    // The toolkit has taken its own options out; any other comes before the
    // file (a file whose name starts with "-" is given as ./-name).
    if (argc > 1 && argv[1][0] == '-') {
        const bool asked = std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0;
        std::fprintf(asked ? stdout : stderr, "%susage: wallwright [FILE.gam]\n",
                     asked ? "" : "wallwright: no such option\n");
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
        std::fprintf(stderr, "wallwright: plays one puzzle file at a time: %s\n", argv[1]);
    game.form.show();
    return app.exec();
}
