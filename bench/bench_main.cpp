// zentrel-bench: how fast every pattern draws at 1024 x 768, on one thread,
// on every core, against the bare cost of its maths calls, and in the window.
//
//   zentrel-bench [--runs N]     medians of N runs (default 5)

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/main_window.h"
#include "engine/cpu_state.h"
#include "engine/worker_pool.h"
#include "engine/sweep.h"
#include "patterns/pattern_table.h"

namespace {

using namespace zentrel;
using Clock = std::chrono::steady_clock;

const FieldTexts kLargePicture{"1", "1", "768", "0.15", "150"};

double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

// Every column on the calling thread, one after the other.
void computeOnThisThread(const Pattern& pattern)
{
    const auto [s, grid] = prepareSweep(pattern, kLargePicture).value();
    std::vector<Colour> column(grid.ys.size());
    for (double x : grid.xs) colourColumn(pattern, s, x, grid.ys, column.data());
}

void computeOnPool(WorkerPool& pool, const Pattern& pattern)
{
    sweep(pool, pattern, kLargePicture, [](int, std::span<const Colour>) { return true; });
}

// One pattern's maths calls for a whole picture, with a sample of their
// arguments (pow's as base, exponent pairs).
struct MathCalls {
    long long sin = 0, cos = 0, tan = 0, pow = 0;
    std::vector<double> sinArgs, cosArgs, tanArgs, powArgs;
};

std::vector<double> readSample(std::istringstream& in)
{
    std::vector<double> sample;
    std::string word;
    while (in >> word && word.back() != ':') sample.push_back(std::stod(word));
    return sample;
}

// The counts and samples printed by zentrel-mathcount, which sits beside
// this program.
std::map<std::string, MathCalls> countMathCalls()
{
    std::map<std::string, MathCalls> counts;
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return counts;
    std::string counter = self;
    counter = counter.substr(0, counter.rfind('/') + 1) + "zentrel-mathcount";
    FILE* out = popen(counter.c_str(), "r");
    if (!out) return counts;
    std::string line;
    for (int ch; (ch = std::fgetc(out)) != EOF;) {
        if (ch != '\n') {
            line += static_cast<char>(ch);
            continue;
        }
        std::istringstream in(line);
        std::string name, label;
        MathCalls c;
        in >> name >> c.sin >> c.cos >> c.tan >> c.pow >> label;
        c.sinArgs = readSample(in);
        c.cosArgs = readSample(in);
        c.tanArgs = readSample(in);
        c.powArgs = readSample(in);
        counts[name] = std::move(c);
        line.clear();
    }
    pclose(out);
    return counts;
}

// Nanoseconds per call of one maths function alone, over its sample.
double nsPerCall(std::size_t calls, const std::function<double(std::size_t)>& call)
{
    if (calls == 0) return 0;
    const std::size_t repeats = 2000000 / calls + 1;
    volatile double sink = 0;
    const double ms = medianMs(5, [&] {
        double sum = 0;
        for (std::size_t r = 0; r < repeats; ++r)
            for (std::size_t i = 0; i < calls; ++i) sum += call(i);
        sink = sum;
    });
    return ms * 1e6 / static_cast<double>(calls * repeats);
}

// The time the pattern's maths calls take on their own, one picture's worth.
double libmFloorMs(const MathCalls& c)
{
    const double sin = nsPerCall(c.sinArgs.size(), [&](std::size_t i) { return std::sin(c.sinArgs[i]); });
    const double cos = nsPerCall(c.cosArgs.size(), [&](std::size_t i) { return std::cos(c.cosArgs[i]); });
    const double tan = nsPerCall(c.tanArgs.size(), [&](std::size_t i) { return std::tan(c.tanArgs[i]); });
    const double pow = nsPerCall(c.powArgs.size() / 2, [&](std::size_t i) {
        return std::pow(c.powArgs[2 * i], c.powArgs[2 * i + 1]);
    });
    return (c.sin * sin + c.cos * cos + c.tan * tan + c.pow * pow) / 1e6;
}

class WindowDrawing {
public:
    WindowDrawing()
    {
        window_.show();
        const std::pair<const char*, const char*> fields[] = {
            {"TextOne", "1"}, {"TextTwo", "1"}, {"TextThree", "768"}, {"TextFour", "0.15"}, {"Textfive", "150"}};
        for (const auto& [name, text] : fields) window_.findChild<QLineEdit*>(name)->setText(text);
        QApplication::processEvents();
    }

    void draw(int index)
    {
        window_.findChild<QPushButton*>(QString("CMD(%1)").arg(index))->click();
    }

private:
    app::MainWindow window_;
};

struct Row {
    std::string caption;
    double one, all, floor, window;
};

void printRow(const Row& r)
{
    std::printf("%-8s %9.1f %9.1f %8.2f %9.1f %7.2f %9.1f %7.2f\n", r.caption.c_str(), r.one, r.all,
                r.one / r.all, r.floor, r.floor > 0 ? r.one / r.floor : 0.0, r.window, r.window / r.all);
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 5;
    if (argc == 3 && std::strcmp(argv[1], "--runs") == 0) runs = std::max(1, std::atoi(argv[2]));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    WorkerPool& pool = WorkerPool::shared();
    const auto calls = countMathCalls();
    WindowDrawing window;

    std::printf("1024 x 768 pictures, median of %d runs, %d cores; times in ms\n", runs, cores);
    std::printf("libm: the same sin, cos, tan and pow calls timed alone, on arguments sampled "
                "from the picture\n\n");
    std::printf("%-8s %9s %9s %8s %9s %7s %9s %7s\n", "pattern", "1 thread", "all", "speedup",
                "libm", "1t/libm", "window", "win/all");

    Row total{"all 19", 0, 0, 0, 0};
    const auto& table = patternTable();
    for (int i = 0; i < kPatternCount; ++i) {
        const Pattern& p = *table[i];
        Row r{std::string(p.caption), 0, 0, 0, 0};
        // Timed on a worker thread of its own, as the pool's workers run.
        std::thread([&] {
            clearUpperVectorState();
            r.one = medianMs(runs, [&] { computeOnThisThread(p); });
        }).join();
        r.all = medianMs(runs, [&] { computeOnPool(pool, p); });
        const auto found = calls.find(r.caption);
        r.floor = found != calls.end() ? libmFloorMs(found->second) : 0;
        r.window = medianMs(runs, [&] { window.draw(i); });
        printRow(r);
        total.one += r.one;
        total.all += r.all;
        total.floor += r.floor;
        total.window += r.window;
    }
    printRow(total);

    // The window's thread has run Qt's drawing code by now; the formulas on
    // that very thread show whether the processor's vector state costs.
    const Pattern& aqua = *table[0];
    const double guiThread = medianMs(runs, [&] { computeOnThisThread(aqua); });
    clearUpperVectorState();
    const double guiThreadCleared = medianMs(runs, [&] { computeOnThisThread(aqua); });
    std::printf("\naqua on the window's thread after drawing: %.1f ms; after clearing the vector "
                "state: %.1f ms\n", guiThread, guiThreadCleared);
    return 0;
}
