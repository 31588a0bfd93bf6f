#pragma once

#include <filesystem>
#include <vector>

namespace wav {

// Writes 16-bit PCM RIFF/WAVE. `samples` are interleaved frames in [-1, 1].
void write(const std::filesystem::path& path, const std::vector<float>& samples, int sampleRate,
           int channels);

} // namespace wav
