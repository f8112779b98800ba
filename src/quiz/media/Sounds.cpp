#include "quiz/media/Sounds.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int SampleRate = 22050;

// One note: a start and length in seconds, a pitch gliding from `from` to `to`
// hertz, and how much of its odd harmonics (a buzz) it has.
struct Note {
    double start;
    double length;
    double from;
    double to;
    double buzz = 0.0;
};

std::vector<double> render(const std::vector<Note> &notes, double seconds)
{
    std::vector<double> wave(static_cast<std::size_t>(seconds * SampleRate), 0.0);
    for (const Note &note : notes) {
        double phase = 0.0;
        const auto first = static_cast<std::size_t>(note.start * SampleRate);
        const auto count = static_cast<std::size_t>(note.length * SampleRate);
        for (std::size_t i = 0; i < count && first + i < wave.size(); ++i) {
            const double t = static_cast<double>(i) / SampleRate;
            const double pitch = note.from + (note.to - note.from) * t / note.length;
            phase += 2 * std::numbers::pi * pitch / SampleRate;
            // A quick rise, then a bell's decay, ending at silence.
            const double envelope = std::min(1.0, t / 0.006) * std::exp(-4.0 * t / note.length) * (1.0 - t / note.length);
            double sample = std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase);
            if (note.buzz > 0)
                sample = (1 - note.buzz) * sample +
                         note.buzz * (std::sin(phase) + std::sin(3 * phase) / 3 + std::sin(5 * phase) / 5);
            wave[first + i] += envelope * sample;
        }
    }
    return wave;
}

void put16(std::ofstream &out, std::uint16_t value)
{
    const char bytes[] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream &out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

// Writes the wave scaled to a comfortable loudness, as a mono 16-bit PCM file.
bool writeWave(const std::string &path, const std::vector<double> &wave)
{
    double peak = 1e-9;
    for (const double sample : wave)
        peak = std::max(peak, std::abs(sample));
    const auto dataBytes = static_cast<std::uint32_t>(wave.size() * 2);
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, SampleRate);
    put32(out, SampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (const double sample : wave)
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(sample / peak * 0.7 * 32767))));
    return static_cast<bool>(out);
}

constexpr double C6 = 1046.5, E6 = 1318.5, G6 = 1568.0, C7 = 2093.0, A5 = 880.0, D6 = 1174.7;

} // namespace

bool writeSounds(const std::string &folder)
{
    const std::vector<std::vector<Note>> rights = {
        {{0.00, 0.30, C6, C6}, {0.09, 0.40, E6, E6}},
        {{0.00, 0.22, C6, C6}, {0.07, 0.26, E6, E6}, {0.14, 0.42, G6, G6}},
        {{0.00, 0.25, G6, G6}, {0.10, 0.45, C7, C7}},
        {{0.00, 0.20, A5, A5}, {0.06, 0.22, D6, D6}, {0.12, 0.45, A5 * 2, A5 * 2}},
    };
    for (std::size_t i = 0; i < rights.size(); ++i)
        if (!writeWave(folder + "/si" + std::to_string(i + 1) + ".wav", render(rights[i], 0.6)))
            return false;
    const std::vector<Note> wrong = {{0.00, 0.22, 220.0, 196.0, 0.6}, {0.20, 0.38, 185.0, 147.0, 0.6}};
    return writeWave(folder + "/no.wav", render(wrong, 0.62));
}
