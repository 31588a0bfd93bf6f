// F1 shows the help where the player can read it: in a web browser when the
// desktop's program for web pages is one, else in the game's own window,
// whose contents and index lead to every page. A key has one name, word for
// word, in the tooltips, the help, the manual page and the README.
#include <QAction>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>

#include "Window.h"
#include "app/Gameview.h"
#include "app/Helpwindow.h"
#include "app/Keynames.h"
#include "app/Keyplay.h"
#include "app/Language.h"

namespace {
void put(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    fixtures::put(path.toStdString(), text.toStdString());
}

QString read(const QString& path)
{
    return QString::fromStdString(fixtures::contentOf(path.toStdString()));
}

// What the pattern's groups caught, at each place it matches.
QSet<QString> matches(const QString& pattern, const QString& text)
{
    QSet<QString> found;
    for (auto match = QRegularExpression(pattern).globalMatch(text); match.hasNext();)
        found << match.next().capturedTexts().mid(1).join("");
    return found;
}
// Where each link of the page shown first starts, in order.
QList<int> linksOf(const QTextBrowser& page)
{
    QList<int> starts;
    QStringList seen;
    for (QTextBlock block = page.document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (const QString href = fragment.fragment().charFormat().anchorHref();
                !href.isEmpty() && !seen.contains(href))
                starts << fragment.fragment().position(), seen << href;
    return starts;
}

// Clicks the link that starts at `start` on the page shown, as a player does.
void clickLink(QTextBrowser& page, int start)
{
    QTextCursor cursor(page.document());
    cursor.setPosition(start + 1);
    page.setTextCursor(cursor);
    page.ensureCursorVisible();
    QTest::mouseClick(page.viewport(), Qt::LeftButton, {}, page.cursorRect(cursor).center());
}
} // namespace

class HelpwindowTest : public QObject {
    Q_OBJECT
private slots:
    void theHelpIsShownByABrowserOrByTheGame_data()
    {
        QTest::addColumn<QByteArray>("mimeapps");
        QTest::addColumn<QByteArray>("mimeCache");
        QTest::addColumn<bool>("desktopStarts");
        QTest::addColumn<bool>("desktopAsked");
        const QByteArray browserDefault = "[Default Applications]\ntext/html=gone.desktop;browser.desktop;\n";
        QTest::newRow("no program for web pages") << QByteArray() << QByteArray() << true << false;
        QTest::newRow("a text editor for web pages") << QByteArray(
            "[Added Associations]\ntext/html=browser.desktop\n[Default Applications]\ntext/html=editor.desktop\n")
                                                     << QByteArray("[MIME Cache]\ntext/html=browser.desktop;\n") << true
                                                     << false;
        QTest::newRow("a browser") << browserDefault << QByteArray() << true << true;
        QTest::newRow("a browser the desktop cannot start") << browserDefault << QByteArray() << false << true;
        QTest::newRow("a browser in the desktop's cache")
            << QByteArray() << QByteArray("[MIME Cache]\ntext/html=browser.desktop;\n") << true << true;
    }
    // The desktop's own files, in the test's folder.
    void theHelpIsShownByABrowserOrByTheGame()
    {
        QFETCH(QByteArray, mimeapps);
        QFETCH(QByteArray, mimeCache);
        QFETCH(bool, desktopStarts);
        QFETCH(bool, desktopAsked);
        Window window;
        const QString desktop = window.folder.path("desktop/");
        for (const QString place : {"CONFIG_HOME", "CONFIG_DIRS", "DATA_HOME", "DATA_DIRS"})
            qputenv(qPrintable("XDG_" + place), QFile::encodeName(desktop + place));
        const QString applications = desktop + "DATA_DIRS/applications/";
        put(applications + "browser.desktop", "[Desktop Entry]\nName=Browser\nCategories=Network;WebBrowser;\n");
        put(applications + "editor.desktop", "[Desktop Entry]\nName=Editor\nCategories=Utility;TextEditor;\n");
        if (!mimeapps.isEmpty())
            put(desktop + "CONFIG_HOME/mimeapps.list", mimeapps);
        if (!mimeCache.isEmpty())
            put(applications + "mimeinfo.cache", mimeCache);
        for (const QFileInfo& page : QDir(SOURCE_DIR "/resources/help").entryInfoList(QDir::Files))
            QVERIFY(QDir().mkpath(window.folder.path("help"))
                    && QFile::copy(page.filePath(), window.folder.path("help/" + page.fileName())));

        TFormMain& form = window.open();
        QList<QUrl> asked;
        form.openUrl = [&](const QUrl& url) { return asked << url, desktopStarts; };
        // In the game's own window, every link of the first page followed
        // and Prev pressed after each.
        QStringList shown;
        bool ownWindow = false;
        QTimer::singleShot(0, [&] {
            auto* help = qobject_cast<THelpWindow*>(QApplication::activeModalWidget());
            if (!help)
                return;
            ownWindow = true;
            QTextBrowser& page = *help->page;
            for (const int link : linksOf(page)) {
                clickLink(page, link);
                const QUrl at = page.source();
                shown << at.fileName() + (at.hasFragment() ? '#' + at.fragment() : QString()) + ": "
                             + (page.toPlainText().isEmpty() ? "empty" : page.documentTitle());
                Mouse(help).click(help->back->geometry().center());
            }
            shown << page.source().fileName();
            QTest::keyClick(help, Qt::Key_Escape);
        });
        form.FrameGameBoard1imgHelpClick();

        const QUrl firstPage = QUrl::fromLocalFile(window.folder.path("help/index.html"));
        QCOMPARE(asked, desktopAsked ? QList<QUrl>{firstPage} : QList<QUrl>());
        QCOMPARE(ownWindow, !(desktopAsked && desktopStarts));
        if (!ownWindow)
            return;
        QVERIFY2(shown.size() > 8, qPrintable(shown.join('\n'))); // the contents and the index
        QCOMPARE(shown.last(), QString("index.html"));
        for (const QString& page : shown.mid(0, shown.size() - 1))
            QVERIFY2(!page.endsWith(": empty") && !page.startsWith("index.html"), qPrintable(page));
        QVERIFY(shown.contains("keyboard.html: Playing with the keyboard"));
        QVERIFY(shown.contains("playing.html#undo: How to play"));
    }

    // Every key a tooltip names is a key of the help, and every key of the
    // help is named in the manual page and in the README. The help's table
    // of all the keys holds every key of the game's windows.
    // In every language the game has, its help speaking it.
    void keysAreNamedAlikeEverywhere_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        for (const QString& code : spokenLanguages())
            QTest::newRow(qPrintable(code)) << code;
    }
    void keysAreNamedAlikeEverywhere()
    {
        QFETCH(QString, language);
        TGameLanguage spoken(language);
        spoken.install();
        const QString folder = SOURCE_DIR "/resources/help/" + language;
        QSet<QString> help;
        for (const QFileInfo& page : QDir(folder).entryInfoList({"*.html"}))
            help += matches("<kbd>([^<]+)</kbd>", read(page.filePath()));
        QVERIFY(help.contains(keyName(Qt::Key_PageDown)) && help.contains(keyName(Qt::CTRL | Qt::Key_Q)));

        Window window;
        window.open();
        TGameView view(*window.form, *window.form->gameInterface);
        const QString keyboardPage = read(folder + "/keyboard.html");
        const QSet<QString> allTheKeys = matches("<kbd>([^<]+)</kbd>",
                                                 keyboardPage.section("id=\"keys\"", 1).section("</table>", 0, 0));
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
        if (!language.isEmpty())
            return;

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

QTEST_MAIN(HelpwindowTest)
#include "HelpwindowTest.moc"
