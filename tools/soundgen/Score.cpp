#include "Score.h"

#include <array>
#include <charconv>
#include <stdexcept>
#include <string>
#include <utility>

namespace score {
namespace {

[[noreturn]] void fail(std::string_view what, std::string_view text)
{
    throw std::runtime_error(std::string(what) + ": '" + std::string(text) + "'");
}

// Reads the letter and accidental at the front of `text` as a pitch class, consuming them.
int pitchClass(std::string_view& text)
{
    static constexpr std::array<int, 7> fromA = {9, 11, 0, 2, 4, 5, 7};
    if (text.empty() || text[0] < 'A' || text[0] > 'G')
        fail("bad note name", text);
    int pc = fromA[static_cast<std::size_t>(text[0] - 'A')];
    text.remove_prefix(1);
    if (!text.empty() && (text[0] == '#' || text[0] == 'b')) {
        pc += text[0] == '#' ? 1 : -1;
        text.remove_prefix(1);
    }
    return pc;
}

} // namespace

int key(std::string_view name)
{
    std::string_view rest = name;
    const int pc = pitchClass(rest);
    if (rest.size() != 1 || rest[0] < '0' || rest[0] > '9')
        fail("bad octave", name);
    return 12 * (rest[0] - '0' + 1) + pc;
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const std::size_t begin = text.find_first_not_of(" \n\t");
        if (begin == std::string_view::npos)
            break;
        text.remove_prefix(begin);
        const std::size_t end = std::min(text.find_first_of(" \n\t"), text.size());
        if (text.substr(0, end) != "|")
            out.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return out;
}

Line melody(std::string_view text, double start, int velocity)
{
    Line line;
    for (std::string_view word : words(text)) {
        const std::size_t colon = word.find(':');
        if (colon == std::string_view::npos)
            fail("note without length", word);
        const std::string_view name = word.substr(0, colon);
        const std::string_view length = word.substr(colon + 1);
        double beats = 0.0;
        const auto [end, error] = std::from_chars(length.data(), length.data() + length.size(), beats);
        if (error != std::errc() || end != length.data() + length.size() || beats <= 0.0)
            fail("bad length", word);
        if (name != "r")
            line.notes.push_back({start + line.length, beats, key(name), velocity});
        line.length += beats;
    }
    return line;
}

std::vector<int> chord(std::string_view symbol, int octave)
{
    static const std::array<std::pair<std::string_view, std::vector<int>>, 6> qualities = {{
        {"", {0, 4, 7}},
        {"m", {0, 3, 7}},
        {"7", {0, 4, 7, 10}},
        {"m7", {0, 3, 7, 10}},
        {"maj7", {0, 4, 7, 11}},
        {"sus4", {0, 5, 7}},
    }};
    std::string_view rest = symbol;
    const int root = 12 * (octave + 1) + pitchClass(rest);
    for (const auto& [suffix, intervals] : qualities) {
        if (suffix != rest)
            continue;
        std::vector<int> keys;
        for (int interval : intervals)
            keys.push_back(root + interval);
        return keys;
    }
    fail("unknown chord", symbol);
}

int chordTone(const std::vector<int>& keys, int n)
{
    const int size = static_cast<int>(keys.size());
    return keys[static_cast<std::size_t>(n % size)] + 12 * (n / size);
}

} // namespace score
