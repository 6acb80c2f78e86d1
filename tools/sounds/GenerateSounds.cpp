// Writes the game's two sounds as PCM WAVE files: a short beep for every safe click and an
// explosion for a hazard. Usage: generate_sounds OUTPUT_FOLDER (the repository keeps them in
// Data/).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "../common/ByteOutput.h"

namespace {

using tarnbrook::PutLittleEndian;
using tarnbrook::WriteBytes;

const int kSampleRate = 22050;
const double kPi = 3.14159265358979323846;

void PutText(std::vector<uint8_t>& out, const char* text)
{
    out.insert(out.end(), text, text + 4);
}

// 16-bit mono PCM with the canonical 44-byte header.
std::vector<uint8_t> EncodeWave(const std::vector<int16_t>& samples)
{
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    PutText(out, "RIFF");
    PutLittleEndian(out, 36 + dataBytes, 4);
    PutText(out, "WAVE");
    PutText(out, "fmt ");
    PutLittleEndian(out, 16, 4);  // format chunk size
    PutLittleEndian(out, 1, 2);   // PCM
    PutLittleEndian(out, 1, 2);   // mono
    PutLittleEndian(out, kSampleRate, 4);
    PutLittleEndian(out, kSampleRate * 2, 4);  // bytes per second
    PutLittleEndian(out, 2, 2);                // bytes per frame
    PutLittleEndian(out, 16, 2);               // bits per sample
    PutText(out, "data");
    PutLittleEndian(out, dataBytes, 4);
    for (int16_t sample : samples) {
        PutLittleEndian(out, static_cast<uint16_t>(sample), 2);
    }
    return out;
}

int16_t ToSample(double value)
{
    const double clamped = std::fmax(-1.0, std::fmin(1.0, value));
    return static_cast<int16_t>(std::lround(clamped * 32000.0));
}

// A soft blip: a high tone that fades quickly, with a short attack so it does not click.
std::vector<int16_t> MakeBeep()
{
    const int count = kSampleRate / 10;  // 0.1 s
    std::vector<int16_t> samples;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double attack = std::fmin(1.0, t / 0.004);
        const double decay = std::exp(-t * 30.0);
        const double tone =
            std::sin(2.0 * kPi * 1320.0 * t) + 0.3 * std::sin(2.0 * kPi * 2640.0 * t);
        samples.push_back(ToSample(0.55 * attack * decay * tone));
    }
    return samples;
}

// Low-passed noise with a falling cut-off over a decaying rumble.
std::vector<int16_t> MakeExplosion()
{
    const int count = kSampleRate * 6 / 5;  // 1.2 s
    std::vector<int16_t> samples;
    uint32_t seed = 20261206u;
    double filtered = 0.0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        seed = seed * 1664525u + 1013904223u;
        const double noise =
            static_cast<double>(seed >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
        const double smoothing = 0.5 * std::exp(-t * 2.5) + 0.03;
        filtered += smoothing * (noise - filtered);
        const double attack = std::fmin(1.0, t / 0.006);
        const double decay = std::exp(-t * 3.2);
        const double rumble = std::sin(2.0 * kPi * (55.0 - 20.0 * t) * t) * std::exp(-t * 2.0);
        samples.push_back(ToSample(attack * decay * (1.3 * filtered + 0.4 * rumble)));
    }
    return samples;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok = WriteBytes(folder + "/beep.wav", EncodeWave(MakeBeep())) &&
                    WriteBytes(folder + "/Explosion.wav", EncodeWave(MakeExplosion()));
    if (!ok) {
        std::fprintf(stderr, "cannot write the sounds into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
