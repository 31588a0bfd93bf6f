// F1 shows the help where the player can read it: in a web browser when the
// desktop's program for web pages is one, else in the game's own window,
// whose contents and index lead to every page.
#include <QApplication>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include "Window.h"
#include "app/Helpwindow.h"

namespace {
void put(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
}

// Where each link of the page shown first starts, in order.
QList<int> linksOf(const QTextBrowser& page)
{
    QList<int> starts;
    QStringList seen;
    for (QTextBlock block = page.document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (const QString href = fragment.fragment().charFormat().anchorHref(); !href.isEmpty() && !seen.contains(href))
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
        QTest::newRow("a text editor for web pages")
            << QByteArray("[Added Associations]\ntext/html=browser.desktop\n[Default Applications]\ntext/html=editor.desktop\n")
            << QByteArray("[MIME Cache]\ntext/html=browser.desktop;\n") << true << false;
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
        const QString desktop = window.folder.path("desktop");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(desktop + "/config"));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(desktop + "/system-config"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(desktop + "/data"));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(desktop + "/system-data"));
        const QString applications = desktop + "/system-data/applications/";
        put(applications + "browser.desktop", "[Desktop Entry]\nName=Browser\nCategories=Network;WebBrowser;\n");
        put(applications + "editor.desktop", "[Desktop Entry]\nName=Editor\nCategories=Utility;TextEditor;\n");
        if (!mimeapps.isEmpty())
            put(desktop + "/config/mimeapps.list", mimeapps);
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
};

QTEST_MAIN(HelpwindowTest)
#include "HelpwindowTest.moc"
