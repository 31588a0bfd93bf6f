#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "model/Words.h"
#include "view/Imagetool.h"

namespace {
// "de_DE.UTF-8@euro" -> "de".
QString languageOf(const QString& name)
{
    QString language = name.section('.', 0, 0).section('@', 0, 0).section('_', 0, 0).section('-', 0, 0);
    return language.toLower();
}

std::string inSpokenLanguage(const char* context, const char* english)
{
    return QCoreApplication::translate(context, english).toStdString();
}
} // namespace

QStringList spokenLanguages()
{
    return {"de", "fr", "es"};
}

QString chooseLanguage(const QStringList& wanted)
{
    for (const QString& name : wanted) {
        // The plain C locale asks for the program's own words.
        if (name == "C" || name == "POSIX")
            return {};
        const QString language = languageOf(name);
        if (language == "en")
            return {};
        if (spokenLanguages().contains(language))
            return language;
    }
    return {};
}

QStringList wantedLanguages()
{
    QStringList wanted = qEnvironmentVariable("LANGUAGE").split(':', Qt::SkipEmptyParts);
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty()) {
            wanted << locale;
            break;
        }
    }
    return wanted;
}

TGameLanguage::TGameLanguage(const QString& language, const QString& folder)
    : language(language)
{
    if (language.isEmpty())
        return;
    // The toolkit's come with the toolkit; without them its few standard
    // buttons stay English.
    (void)game.load("wallwright_" + language, folder);
    (void)toolkit.load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

TGameLanguage::~TGameLanguage()
{
    if (language.isEmpty() || artLanguage() != language)
        return;
    words::speak(nullptr);
    setArtLanguage({});
}

QString TGameLanguage::translate(const char* context, const char* english) const
{
    const QString translated = game.isEmpty() ? QString() : game.translate(context, english);
    return translated.isEmpty() ? QString::fromUtf8(english) : translated;
}

void TGameLanguage::install()
{
    if (!toolkit.isEmpty())
        QCoreApplication::installTranslator(&toolkit);
    // A language whose words cannot be read is not spoken: its art and help
    // would not match the words.
    if (game.isEmpty())
        return;
    QCoreApplication::installTranslator(&game);
    words::speak(inSpokenLanguage);
    setArtLanguage(language);
}

QString gameLanguage()
{
    return artLanguage(); // set with the game's translations, and only then
}
