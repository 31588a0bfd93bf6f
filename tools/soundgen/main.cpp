// Writes the game's sounds and music: soundgen OUTDIR (the resources folder).
// Same bytes on every run, so regenerated files only change when this code does.
#include "Effects.h"
#include "Midiwriter.h"
#include "Tunes.h"
#include "Wavwriter.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <utility>

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: soundgen OUTDIR\n";
        return 2;
    }
    try {
        const fs::path sounds = fs::path(argv[1]) / "sounds";
        const fs::path music = fs::path(argv[1]) / "music";
        fs::create_directories(sounds);
        fs::create_directories(music);

        // In the order of the game's effect numbers, 1000 to 1003.
        const std::pair<const char*, synth::Buffer (*)()> effectFiles[] = {
            {"pick.wav", effects::pick},
            {"drop.wav", effects::drop},
            {"turn.wav", effects::turn},
            {"solve.wav", effects::solve},
        };
        for (const auto& [name, make] : effectFiles) {
            wav::write(sounds / name, make(), synth::kSampleRate, 1);
            std::cout << (sounds / name).string() << '\n';
        }
        for (const midi::Song& song : tunes::songs()) {
            const fs::path path = music / (song.title + ".mid");
            midi::write(path, song);
            std::cout << path.string() << '\n';
        }
        const fs::path loop = music / "Quiet Courtyard.wav";
        wav::write(loop, tunes::quietCourtyard(), synth::kSampleRate, 1);
        std::cout << loop.string() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "soundgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
