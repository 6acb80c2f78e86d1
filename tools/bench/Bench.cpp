// The game's benchmark: start-up to the first complete paint, peak resident memory, processor
// time and wake-ups while idle, and the repaint of a whole-board flood. It prints figures and
// judges nothing. Run it through scripts/bench.sh, which gives it a private X server and a
// silent aplay. Given the game built with the loop that polled every 10 ms, it measures that
// one idle too, for comparison.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "FloodProbe.h"
#include "GameProcess.h"

namespace benchmark {

namespace {

constexpr int kPaintRuns = 9;
constexpr int kIdleRuns = 3;
constexpr int kIdleSeconds = 10;
constexpr int kFloodRuns = 11;
constexpr int kPaintTimeoutMs = 10000;

double Median(std::vector<double> values)
{
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A scratch folder with a copy of the game's Data folder becomes the working directory, so
// that the game's log and ranking stay out of the repository.
class ScratchCopy {
public:
    explicit ScratchCopy(const std::string& dataFolder)
    {
        char pattern[] = "/tmp/tarnbrook-bench-XXXXXX";
        if (!mkdtemp(pattern)) {
            return;
        }
        path_ = pattern;
        std::filesystem::copy(dataFolder, path_ + "/Data",
                              std::filesystem::copy_options::recursive);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
    }
    ~ScratchCopy()
    {
        if (!path_.empty()) {
            std::filesystem::current_path(previous_);
            std::filesystem::remove_all(path_);
        }
    }
    ScratchCopy(const ScratchCopy&) = delete;
    ScratchCopy& operator=(const ScratchCopy&) = delete;

    bool Made() const { return !path_.empty(); }

private:
    std::string path_;
    std::filesystem::path previous_;
};

struct IdleFigures {
    std::vector<double> cpuSeconds;
    std::vector<double> cpuTicks;
    std::vector<double> wakeUps;
    std::vector<double> peakBytes;
};

std::vector<double> MeasureFirstPaint(const std::string& binary, std::vector<double>& peakBytes)
{
    std::vector<double> times;
    for (int run = 0; run < kPaintRuns; ++run) {
        GameProcess game(binary);
        const double ms = game.WaitForFirstPaint(kPaintTimeoutMs);
        if (ms >= 0) {
            times.push_back(ms);
            peakBytes.push_back(static_cast<double>(game.PeakResidentBytes()));
        }
    }
    return times;
}

IdleFigures MeasureIdle(const std::string& binary)
{
    IdleFigures figures;
    for (int run = 0; run < kIdleRuns; ++run) {
        GameProcess game(binary);
        if (game.WaitForFirstPaint(kPaintTimeoutMs) < 0) {
            continue;
        }
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const Usage before = game.Used();
        std::this_thread::sleep_for(std::chrono::seconds(kIdleSeconds));
        const Usage used = game.Used() - before;
        figures.cpuSeconds.push_back(used.cpuSeconds);
        figures.cpuTicks.push_back(static_cast<double>(used.cpuTicks));
        figures.wakeUps.push_back(static_cast<double>(used.wakeUps));
        figures.peakBytes.push_back(static_cast<double>(game.PeakResidentBytes()));
    }
    return figures;
}

std::vector<double> MeasureFlood()
{
    std::vector<double> times;
    FloodProbe probe;
    if (!probe.Ready()) {
        return times;
    }
    probe.Run();  // the first run also builds the shared tile image
    for (int run = 0; run < kFloodRuns; ++run) {
        const double ms = probe.Run();
        if (ms >= 0) {
            times.push_back(ms);
        }
    }
    return times;
}

void PrintFigure(const char* what, double value, const char* unit, const char* target, size_t runs)
{
    if (runs == 0) {
        std::printf("  %-38s failed\n", what);
        return;
    }
    std::printf("  %-38s %9.2f %-3s (target %s; median of %zu)\n", what, value, unit, target, runs);
}

void PrintIdle(const IdleFigures& idle)
{
    const double cpu = Median(idle.cpuSeconds);
    PrintFigure("CPU time over 10 idle seconds", cpu * 1000.0, "ms", "<= 20 ms",
                idle.cpuSeconds.size());
    if (idle.cpuSeconds.empty()) {
        return;
    }
    std::printf("  %-38s %9.3f %%   of one core\n", "", cpu * 100.0 / kIdleSeconds);
    std::printf("  %-38s %9.0f     (target 0 at CLK_TCK %ld; median of %zu)\n",
                "CPU clock ticks over 10 idle seconds", Median(idle.cpuTicks), sysconf(_SC_CLK_TCK),
                idle.cpuTicks.size());
    std::printf("  %-38s %9.0f     (target <= 10; median of %zu)\n",
                "wake-ups over 10 idle seconds", Median(idle.wakeUps), idle.wakeUps.size());
}

// The same figures of the game built with the loop that polled every 10 ms.
void PrintPollingIdle(const IdleFigures& idle)
{
    if (idle.cpuSeconds.empty()) {
        std::printf("  %-38s failed\n", "the 10 ms polling loop, idle 10 s");
        return;
    }
    std::printf("  %-38s %9.0f wake-ups, %.0f clock ticks, %.2f ms CPU (median of %zu)\n",
                "the 10 ms polling loop, idle 10 s", Median(idle.wakeUps), Median(idle.cpuTicks),
                Median(idle.cpuSeconds) * 1000.0, idle.cpuSeconds.size());
}

}  // namespace

int Main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s GAME_BINARY DATA_FOLDER [POLLING_GAME_BINARY]\n", argv[0]);
        return 2;
    }
    const std::string binary = std::filesystem::absolute(argv[1]);
    const std::string pollingBinary = argc == 4 ? std::filesystem::absolute(argv[3]) : "";
    ScratchCopy scratch(std::filesystem::absolute(argv[2]));
    if (!scratch.Made()) {
        std::fprintf(stderr, "no scratch folder\n");
        return 1;
    }
    std::vector<double> peakBytes;
    const std::vector<double> paint = MeasureFirstPaint(binary, peakBytes);
    const IdleFigures idle = MeasureIdle(binary);
    const IdleFigures pollingIdle =
        pollingBinary.empty() ? IdleFigures{} : MeasureIdle(pollingBinary);
    peakBytes.insert(peakBytes.end(), idle.peakBytes.begin(), idle.peakBytes.end());
    const std::vector<double> flood = MeasureFlood();

    std::printf("Tarnbrook benchmark on %s\n", getenv("DISPLAY") ? getenv("DISPLAY") : "?");
    PrintFigure("start to first complete paint", Median(paint), "ms", "<= 40 ms", paint.size());
    PrintFigure("peak resident memory", Median(peakBytes) / (1024.0 * 1024.0), "MB", "<= 8 MB",
                peakBytes.size());
    PrintIdle(idle);
    if (!pollingBinary.empty()) {
        PrintPollingIdle(pollingIdle);
    }
    PrintFigure("whole-board flood, click to repaint", Median(flood), "ms", "<= 10 ms",
                flood.size());
    return 0;
}

}  // namespace benchmark

int main(int argc, char** argv)
{
    return benchmark::Main(argc, argv);
}
