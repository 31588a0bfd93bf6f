#pragma once
// The game speaks the desktop's language: the first of the languages the
// desktop asks for (LANGUAGE, then LC_ALL, LC_MESSAGES or LANG) that the game
// has, or English. Files on disk never depend on it.
#include <QString>
#include <QStringList>
#include <QTranslator>

// The languages the game has besides English, as their codes: "de", "fr", "es".
QStringList spokenLanguages();

// The language to speak, "" for English. `wanted` is the desktop's list, most
// wanted first, as the environment spells it ("de_DE.UTF-8", "fr", "C").
QString chooseLanguage(const QStringList& wanted);

// The desktop's list, from the environment.
QStringList wantedLanguages();

// The game's and the toolkit's translations for one language, loaded before
// the application exists (for the words said when there is no display) and
// installed once it does. English loads nothing: its words are the source.
class TGameLanguage {
public:
    // Ours are built into the program; a test may bring its own folder.
    explicit TGameLanguage(const QString& language, const QString& folder = ":/translations");
    // Takes its words out of the application again.
    ~TGameLanguage();
    TGameLanguage(const TGameLanguage&) = delete;
    TGameLanguage& operator=(const TGameLanguage&) = delete;

    const QString& code() const { return language; }
    // Words of `context` before the application exists.
    QString translate(const char* context, const char* english) const;
    // Into the running application, and into the core's words.
    void install();

private:
    QString language;
    QTranslator game;
    QTranslator toolkit;
};

// The language the running game speaks, "" for English: the button art and
// the help are chosen by it.
QString gameLanguage();
