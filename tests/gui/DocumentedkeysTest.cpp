#include <QAction>
#include <QDir>
#include <QShortcut>
#include <QRegularExpression>
#include <QTest>

#include "Window.h"
#include "app/Keyplay.h"
#include "app/Keynames.h"
#include "app/Gameview.h"

// A key has one name, word for word, in the tooltips, the help, the manual
// page and the README: every key a tooltip names is a key of the help, and
// every key of the help is named in the manual page and in the README. The
// help's table of all the keys holds every key of the game's windows.
namespace {
QString read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// What the pattern's groups caught, at each place it matches.
QSet<QString> matches(const QString& pattern, const QString& text)
{
    QSet<QString> found;
    for (auto match = QRegularExpression(pattern).globalMatch(text); match.hasNext();)
        found << match.next().capturedTexts().mid(1).join("");
    return found;
}
} // namespace

class DocumentedkeysTest : public QObject {
    Q_OBJECT
private slots:
    void keysAreNamedAlikeEverywhere()
    {
        QSet<QString> help;
        for (const QFileInfo& page : QDir(SOURCE_DIR "/resources/help").entryInfoList({"*.html"}))
            help += matches("<kbd>([^<]+)</kbd>", read(page.filePath()));
        QVERIFY(help.contains("Page Down") && help.contains("Ctrl+Q"));

        Window window;
        window.open();
        TGameView view(*window.form, *window.form->gameInterface);
        const QString keyboardPage = read(SOURCE_DIR "/resources/help/keyboard.html");
        const QSet<QString> allTheKeys =
            matches("<kbd>([^<]+)</kbd>", keyboardPage.section("id=\"keys\"", 1).section("</table>", 0, 0));
        QList<QKeySequence> gameKeys = TKeyPlay::keys();
        for (const QAction* action : window.form->findChildren<QAction*>() + view.findChildren<QAction*>())
            gameKeys += action->shortcuts();
        for (const QShortcut* shortcut : window.form->findChildren<QShortcut*>())
            gameKeys += shortcut->key();
        // The button's keys, the window's own, the zoom's and keyboard play's are all read.
        QVERIFY(gameKeys.contains(Qt::Key_S) && gameKeys.contains(Qt::Key_O) && gameKeys.contains(Qt::Key_F11)
                && gameKeys.contains(Qt::SHIFT | Qt::Key_Space));
        for (const QKeySequence& key : gameKeys)
            QVERIFY2(allTheKeys.contains(keyName(key)), qPrintable(keyName(key) + " is missing from All the keys"));
        const auto buttons = window.board().findChildren<TImgBtn*>();
        QCOMPARE(buttons.size(), 8);
        for (const TImgBtn* button : buttons) // "Next Game (Right, Page Down)"
            for (const QString& key : button->toolTip().section('(', 1).section(')', 0, 0).split(", "))
                QVERIFY2(help.contains(key), qPrintable(button->toolTip()));

        // The manual page names keys as the words of its font macros:
        // .B Ctrl+Q, .BR "Page Up" ", " Left.
        QSet<QString> manual;
        for (const QString& line : read(SOURCE_DIR "/docs/wallwright.6").split('\n'))
            if (line.startsWith(".B"))
                manual += matches("\"([^\"]*)\"|([^\\s\"]+)", line.section(' ', 1));
        const QString readme = read(SOURCE_DIR "/README.md").simplified();
        for (const QString& key : help) {
            QVERIFY2(manual.contains(key), qPrintable(key + " is not named so in the manual page"));
            QVERIFY2(readme.contains("**" + key + "**"), qPrintable(key + " is not named so in the README"));
        }
    }
};

QTEST_MAIN(DocumentedkeysTest)
#include "DocumentedkeysTest.moc"
