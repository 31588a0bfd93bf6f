// The game in every language it has: the desktop's language chosen, every
// text of the game translated and finished in every catalogue, and every
// screen read with each language, and with a made-up one, built from the
// sources as a real one is, that marks and lengthens every text: a text that
// bypasses the translations shows unmarked, and no text is cut or runs over
// another.
#include <QAbstractButton>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QXmlStreamReader>

#include "Window.h"
#include "app/Aboutbox.h"
#include "app/Chooseform.h"
#include "app/Language.h"
#include "app/Textfit.h"

namespace {
const QString kOpen = QStringLiteral("\u27e6"), kClose = QStringLiteral("\u27e7");

bool run(const char* program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60'000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// A catalogue of every text the translation tools find in the sources now,
// as "wallwright_xx.ts" in the folder.
QString freshCatalogue(const QTemporaryDir& folder)
{
    const QString path = folder.filePath("wallwright_xx.ts");
    return run(LUPDATE,
               QString(LUPDATE_OPTIONS).split('|') + QString(TEXT_FOLDERS).split('|') + QStringList{"-ts", path})
               ? path
               : QString();
}

// The made-up language, built as a real one is: every text of the fresh
// catalogue marked and made a third longer, compiled into "wallwright_xx.qm".
bool buildMadeUpLanguage(const QString& catalogue)
{
    QFile file(catalogue);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    static const QRegularExpression message(
        "<source>(.*?)</source>(.*?)<translation type=\"unfinished\">(.*?)</translation>",
        QRegularExpression::DotMatchesEverythingOption);
    QString marked;
    qsizetype done = 0;
    for (const auto& match : message.globalMatch(text)) {
        const QString source = match.captured(1);
        const QString translation = kOpen + source + QString(source.size() / 3, QChar(0x00b7)) + kClose;
        const QString forms = match.captured(3).contains("numerusform")
                                  ? "<numerusform>" + translation + "</numerusform><numerusform>" + translation
                                        + "</numerusform>"
                                  : translation;
        marked += text.mid(done, match.capturedStart() - done) + "<source>" + source + "</source>" + match.captured(2)
                  + "<translation>" + forms + "</translation>";
        done = match.capturedEnd();
    }
    marked += text.mid(done);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(marked.toUtf8()) > 0
           && (file.close(), run(LRELEASE, {"-silent", catalogue}));
}

// The addresses the desktop was asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { urls << url; }

public:
    QList<QUrl> urls;
};

struct Message {
    bool finished = true;
    QStringList translations;
};

// A catalogue's messages by "context|source".
QHash<QString, Message> readCatalogue(const QString& path)
{
    QFile file(path);
    QHash<QString, Message> messages;
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation") {
            Message& message = messages[context + '|' + source];
            message.finished = !xml.attributes().hasAttribute("type"); // unfinished, obsolete, vanished
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            message.translations = text.split(QRegularExpression("\\n\\s*"), Qt::SkipEmptyParts);
        }
    }
    return messages;
}

QStringList catalogues()
{
    const QDir folder(SOURCE_DIR "/translations");
    QStringList paths;
    for (const QString& name : folder.entryList({"wallwright_*.ts"}))
        paths << folder.filePath(name);
    return paths;
}

QSet<QString> placeholders(const QString& text)
{
    QSet<QString> found;
    for (const auto& match : QRegularExpression("%(\\d|n)").globalMatch(text))
        found << match.captured();
    return found;
}

bool isText(const QWidget& widget)
{
    return (qobject_cast<const QLabel*>(&widget) || qobject_cast<const QAbstractButton*>(&widget))
           && neededWidth(const_cast<QWidget&>(widget)) > 0;
}
} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

    QString row;
    QStringList untranslated; // texts shown without the made-up language's marks

    // Every text of the window: within its widget, inside the window, clear
    // of the others; in the made-up language, marked.
    void readScreen(QWidget& window)
    {
        const QString where = row + ": " + window.metaObject()->className() + ": ";
        const QString address = QUrl(kWebAddress).host();
        QList<QWidget*> taken;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(&window) || !(isText(*widget) || qobject_cast<TImgBtn*>(widget)))
                continue;
            const QRect place = widget->geometry();
            QVERIFY2(widget->parentWidget()->rect().contains(place), qPrintable(where + widget->objectName()));
            for (const QWidget* other : taken)
                QVERIFY2(other->parentWidget() != widget->parentWidget() || !other->geometry().intersects(place),
                         qPrintable(where + "overlap"));
            taken << widget;
            if (!isText(*widget))
                continue;
            const QString text = widget->property("text").toString();
            QVERIFY2(neededWidth(*widget) <= place.width(), qPrintable(where + "cut: " + text));
            if (text != address && !text.contains(kOpen))
                untranslated << where + text;
        }
        if (!window.windowTitle().contains(kOpen))
            untranslated << where + "title " + window.windowTitle();
    }

    // Opens the dialog with `key`, reads it, lets `more` act in it, and closes it.
    void readDialog(Window& w, QKeyCombination key, const std::function<void(QDialog&)>& more = {})
    {
        w.form->activateWindow(); // back from the dialog before
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        bool opened = false;
        whenOpen([&](QDialog& dialog) {
            opened = true;
            readScreen(dialog);
            if (more)
                more(dialog);
        });
        QTest::keyClick(w.form.get(), key.key(), key.keyboardModifiers());
        QTRY_VERIFY2(opened, qPrintable(row + ": no dialog for " + QKeySequence(key).toString()));
    }

private slots:
    // The first language the desktop asks for that the game has, as LANGUAGE,
    // then LC_ALL, LC_MESSAGES or LANG name it; English for none, or for C.
    void theDesktopsLanguageIsSpokenWhenTheGameHasIt()
    {
        const char* variables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
        QByteArrayList before;
        for (const char* variable : variables)
            before << qgetenv(variable);
        const std::pair<QByteArrayList, QString> cases[] = {
            {{"", "", "", "de_DE.UTF-8"}, "de"},
            {{"fr", "", "", ""}, "fr"},
            {{"", "", "es_ES@euro", "de_DE"}, "es"},
            {{"", "fr_FR", "de_DE", "es_ES"}, "fr"},
            {{"pt_BR:it:es_MX:de", "", "", "fr_FR"}, "es"},
            {{"it", "", "", "it_IT.UTF-8"}, ""},
            {{"en_GB:de", "", "", ""}, ""},
            {{"", "C", "", "de_DE"}, ""},
            {{"fr", "C.UTF-8", "", ""}, "fr"},
            {{"", "", "", ""}, ""},
        };
        for (const auto& [environment, spoken] : cases) {
            for (int i = 0; i < 4; ++i)
                environment[i].isEmpty() ? qunsetenv(variables[i]) : qputenv(variables[i], environment[i]);
            QVERIFY2(chooseLanguage(wantedLanguages()) == spoken, environment.join('|').constData());
        }
        for (int i = 0; i < 4; ++i)
            before[i].isNull() ? qunsetenv(variables[i]) : qputenv(variables[i], before[i]);
    }

    // What the translation tools find in the sources now is in every
    // catalogue, finished, with nothing left over, and keeps its placeholders.
    void everyCatalogueHoldsEveryTextOfTheGameFinished()
    {
        QTemporaryDir folder;
        const QHash<QString, Message> texts = readCatalogue(freshCatalogue(folder));
        QVERIFY(texts.size() > 100);
        QCOMPARE(catalogues().size(), spokenLanguages().size());
        for (const QString& path : catalogues()) {
            const QHash<QString, Message> catalogue = readCatalogue(path);
            for (auto text = texts.begin(); text != texts.end(); ++text) {
                const QString where = QFileInfo(path).fileName() + ": " + text.key();
                QVERIFY2(catalogue.contains(text.key()), qPrintable(where + " is missing"));
                const Message& message = catalogue[text.key()];
                QVERIFY2(message.finished && !message.translations.isEmpty(), qPrintable(where + " is unfinished"));
                for (const QString& translation : message.translations)
                    QVERIFY2(placeholders(translation) == placeholders(text.key().section('|', 1)),
                             qPrintable(where + " -> " + translation));
            }
            QVERIFY2(catalogue.size() == texts.size(), qPrintable(path + " holds texts the game no longer has"));
        }
    }

    // The menu entry's words and the store's text, in every language the game has.
    void theMenuEntryAndTheStoreTextSpeakEveryLanguage()
    {
        QFile entry(SOURCE_DIR "/resources/desktop/example.wallwright.wallwright.desktop");
        QFile store(SOURCE_DIR "/resources/desktop/example.wallwright.wallwright.metainfo.xml");
        QVERIFY(entry.open(QIODevice::ReadOnly) && store.open(QIODevice::ReadOnly));
        const QString lines = QString::fromUtf8(entry.readAll());
        QMap<QString, int> texts; // the store text's elements, by tag and language
        for (QXmlStreamReader xml(&store); !xml.atEnd();)
            if (xml.readNext() == QXmlStreamReader::StartElement
                && QStringList{"summary", "p", "li", "caption"}.contains(xml.name()))
                ++texts[xml.name().toString() + '|' + xml.attributes().value("xml:lang").toString()];
        for (const QString& code : spokenLanguages()) {
            for (const char* key : {"Name", "GenericName", "Comment", "Keywords"})
                QVERIFY2(lines.contains(QString("\n%1[%2]=").arg(key, code)), qPrintable(code + ": " + key));
            for (const char* tag : {"summary", "p", "li", "caption"})
                QVERIFY2(texts.value(tag + ('|' + code)) == texts.value(tag + QString('|')),
                         qPrintable(code + ": " + tag));
        }
    }

    void everyScreenReadsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "";
        for (const QString& code : spokenLanguages())
            QTest::newRow(qPrintable(code)) << code;
        QTest::newRow("made-up") << "xx";
    }
    void everyScreenReadsInEveryLanguage()
    {
        QFETCH(QString, language);
        row = QTest::currentDataTag();
        untranslated.clear();
        const bool madeUp = language == "xx";
        QTemporaryDir translations;
        if (madeUp)
            QVERIFY(buildMadeUpLanguage(freshCatalogue(translations)));
        TGameLanguage spoken(language, madeUp ? translations.path() : ":/translations");
        spoken.install();

        Window w;
        // The only picture is too large to be read: a problem in the window's words and the core's.
        QVERIFY(QFile::remove(w.folder.path("Picture/blue.bmp")));
        QFile huge(w.folder.path("Picture/huge.jpg"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 31));
        huge.close();
        QVERIFY(QProcess::execute("cp", {"-r", SOURCE_DIR "/resources/help", w.folder.path()}) == 0);
        QVERIFY(w.openActive());
        TFormMain& form = *w.form;
        readScreen(form);
        for (TImgBtn* button : form.findChildren<TImgBtn*>())
            if (!button->toolTip().contains(kOpen))
                untranslated << row + ": tooltip " + button->toolTip();

        readDialog(w, Qt::Key_S, [](QDialog& dialog) {
            // The choices stay a column, however long their words.
            const auto choices = dialog.findChildren<QRadioButton*>();
            for (const QRadioButton* choice : choices)
                QCOMPARE(choice->x(), choices.front()->x());
        });
        readDialog(w, Qt::Key_O);
        readDialog(w, Qt::Key_N);
        readDialog(w, Qt::Key_A, [&](QDialog& dialog) {
            // The words drawn in the art are the language's: the picture's and the buttons'.
            const QString own = madeUp || language.isEmpty() ? QString() : language + "/";
            const auto shipped = [](const QString& folder, const QString& name, const QImage& shown) {
                const int scale = qRound(shown.devicePixelRatio());
                QImage art(folder + name + (scale > 1 ? QString("@%1x.png").arg(scale) : QString(".png")));
                art.setDevicePixelRatio(scale);
                return art;
            };
            const QImage picture = static_cast<TFormAboutBox&>(dialog).Image1->pixmap().toImage();
            QVERIFY(!picture.isNull());
            QCOMPARE(picture.convertToFormat(QImage::Format_RGB32), shipped(":/" + own, "about", picture));
            const QImage close = dialog.findChild<TImgBtn*>("close")->Pic().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(close, shipped(":/buttons/" + own, "close_pic", close));
            // Its lines, in any language, open a mail to the support address and the web page.
            UrlRecorder desktop;
            for (const char* scheme : {"mailto", "https"})
                QDesktopServices::setUrlHandler(scheme, &desktop, "open");
            auto& about = static_cast<TFormAboutBox&>(dialog);
            Mouse(&about).click(about.lblMail->geometry().center());
            Mouse(&about).click(about.Comments->geometry().center());
            for (const char* scheme : {"mailto", "https"})
                QDesktopServices::unsetUrlHandler(scheme);
            QCOMPARE(desktop.urls, QList<QUrl>({QUrl(QString("mailto:") + kSupportAddress), QUrl(kWebAddress)}));
        });
        readDialog(w, Qt::Key_F1, [&](QDialog& help) {
            const QString page = help.findChild<QTextBrowser*>()->source().path();
            QVERIFY2(
                page.endsWith(madeUp || language.isEmpty() ? "/help/index.html" : "/help/" + language + "/index.html"),
                qPrintable(page));
        });
        readDialog(w, Qt::Key_G, [&](QDialog& dialog) {
            // A wrong code is named over the line of the group's name.
            auto& chooser = static_cast<TFormChoose&>(dialog);
            QTest::keyClicks(chooser.codeField, "QQQ");
            QTest::keyClick(chooser.codeField, Qt::Key_Return);
            readScreen(dialog);
        });
        // A move, then a key that would throw it away: the note.
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (Qt::Key key : {Qt::Key_P, Qt::Key_Tab, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return, Qt::Key_P})
            QTest::keyClick(&form, key);
        QVERIFY(!w.board().note().isEmpty());
        readScreen(form);
        // Solved with hints: the note after a solve.
        for (int hint = 0; hint < 8; ++hint)
            QTest::keyClick(&form, Qt::Key_H);
        QTRY_VERIFY(w.board().note().startsWith(madeUp ? kOpen : QString()) && !w.board().note().isEmpty());
        readScreen(form);

        QVERIFY(!w.problems.isEmpty());
        if (!madeUp)
            return;
        for (const QString& problem : w.problems)
            if (!problem.startsWith(kOpen) || problem.count(kOpen) < 2)
                untranslated << row + ": problem " + problem;
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
