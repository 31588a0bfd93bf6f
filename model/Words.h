#pragma once
// The words the player reads, in the player's language. The core writes them
// in English; the window, which knows the language, lends it its translations
// at start. Without them (gamtool, the core's tests) the words stay English.
// Every pattern is given to say() as a literal, so that the translation
// tools find it there.
#include <initializer_list>
#include <string>
#include <string_view>

namespace words {

// The language's pattern for an English one, or the English when it has none.
using Language = std::string (*)(const char* context, const char* english);

void speak(Language language);

// The pattern in the player's language.
std::string say(const char* context, const char* english);

// The pattern with %1, %2 … replaced by the values in order, in one pass, so
// that a value holding "%2" is never filled in itself.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace words

// Marks an entry of a table of English words, said later with the same
// context, for the translation tools.
#define WORDS_ENTRY(context, english) english
