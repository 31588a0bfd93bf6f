#include "model/Words.h"

#include <atomic>

namespace words {
namespace {
std::atomic<Language> spoken{nullptr};
} // namespace

void speak(Language language)
{
    spoken = language;
}

std::string say(const char* context, const char* english)
{
    const Language language = spoken;
    return language ? language(context, english) : std::string(english);
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t index = std::size_t(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            text += values.begin()[index];
            ++i;
        } else
            text += pattern[i];
    }
    return text;
}

} // namespace words
