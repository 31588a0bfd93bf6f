#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include "Window.h"

// A key has one name, word for word, in the tooltips, the help, the manual
// page and the README: every key a tooltip names is a key of the help, and
// every key of the help is named in the manual page and in the README.
namespace {
QString read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

// What the pattern's groups caught, at each place it matches.
QStringList matches(const QString& pattern, const QString& text)
{
    QStringList found;
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
            for (const QString& key : matches("<kbd>([^<]+)</kbd>", read(page.filePath())))
                help << key;
        QVERIFY(help.contains("Page Down") && help.contains("Ctrl+Q"));

        Window window;
        window.open();
        const auto buttons = window.board().findChildren<TImgBtn*>();
        QCOMPARE(buttons.size(), 8);
        for (const TImgBtn* button : buttons) {
            // "Next Game (Right, Page Down)"
            const QString tip = button->toolTip();
            const QStringList keys = matches("\\((.+)\\)$", tip).join("").split(", ");
            for (const QString& key : keys)
                QVERIFY2(help.contains(key), qPrintable(tip));
        }

        // The manual page names keys as the words of its font macros:
        // .B Ctrl+Q, .BR "Page Up" ", " Left.
        QSet<QString> manual;
        for (const QString& line : read(SOURCE_DIR "/docs/wallwright.6").split('\n'))
            if (line.startsWith(".B"))
                for (const QString& word : matches("\"([^\"]*)\"|([^\\s\"]+)", line.section(' ', 1)))
                    manual << word;
        const QString readme = read(SOURCE_DIR "/README.md").simplified();
        for (const QString& key : help) {
            QVERIFY2(manual.contains(key), qPrintable(key + " is not named so in the manual page"));
            QVERIFY2(readme.contains("**" + key + "**"), qPrintable(key + " is not named so in the README"));
        }
    }
};

QTEST_MAIN(DocumentedkeysTest)
#include "DocumentedkeysTest.moc"
