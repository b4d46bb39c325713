// SPDX-License-Identifier: GPL-3.0-or-later
// zentrel-bench: how fast every pattern draws at 1024 x 768 on each maths
// path, on one thread and on every core, against the C library's maths as
// the program used before, against the bare cost of the maths calls, and in
// the window; how fast a view is redrawn with what is drawn already; and how
// a held zoom flies.
//
//   zentrel-bench [--runs N]           medians of N runs (default 5)
//   zentrel-bench --movie              the movie row alone
//   zentrel-bench --window [--runs N] [--only CAPTION]
//                                      all cores against the window alone
//   zentrel-bench --fly                the fly row alone

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "app/main_window.h"
#include "engine/cpu_state.h"
#include "engine/math_path.h"
#include "engine/render.h"
#include "engine/sweep.h"
#include "engine/worker_pool.h"
#include "fly_bench.h"
#include "libm_patterns.h"
#include "maths_floor.h"
#include "movie_bench.h"
#include "patterns/pattern_table.h"
#include "redraw_bench.h"
#include "thumbnails_bench.h"
#include "timing.h"

namespace {

using namespace zentrel;
using namespace zentrel::bench;

// Every column on a thread of its own, one after the other, as a worker
// computes them.
double oneThreadMs(int runs, const Pattern& pattern)
{
    double ms = 0;
    std::thread([&] {
        clearUpperVectorState();
        const auto [s, grid] = prepareSweep(pattern, kLargePicture).value();
        std::vector<Colour> column(grid.ys.size());
        ms = medianMs(runs, [&] {
            for (double x : grid.xs) colourColumn(pattern, s, x, grid.ys, column.data());
        });
    }).join();
    return ms;
}

// One pattern's maths calls for a whole picture, with a sample of their
// arguments (pow's as base, exponent pairs).
struct MathCalls {
    long long count[4] = {};  // by MathsFunction
    std::vector<double> sample[4];
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
        in >> name >> c.count[0] >> c.count[1] >> c.count[2] >> c.count[3] >> label;
        for (auto& sample : c.sample) sample = readSample(in);
        counts[name] = std::move(c);
        line.clear();
    }
    pclose(out);
    return counts;
}

// Nanoseconds per value of one maths function alone on one path, over its
// sample.
double nsPerValue(MathPath path, MathsFunction f, const std::vector<double>& sample)
{
    const std::size_t perValue = f == MathsFunction::Pow ? 2 : 1;
    const std::size_t values = sample.size() / perValue / 8 * 8;  // whole vectors on every path
    if (values == 0) return 0;
    const int repeats = static_cast<int>(2000000 / values + 1);
    volatile double sink = 0;
    const double ms =
        medianMs(5, [&] { sink = sumOfCalls(path, f, sample.data(), values, repeats); });
    return ms * 1e6 / static_cast<double>(values * repeats);
}

// The time the pattern's maths calls take on their own, one picture's worth.
double floorMs(MathPath path, const MathCalls& c)
{
    double ns = 0;
    for (MathsFunction f :
         {MathsFunction::Sin, MathsFunction::Cos, MathsFunction::Tan, MathsFunction::Pow}) {
        const int i = static_cast<int>(f);
        ns += static_cast<double>(c.count[i]) * nsPerValue(path, f, c.sample[i]);
    }
    return ns / 1e6;
}

// Pixels of the picture that differ from the C library's.
long long pixelsDiffering(const Pattern& pattern, const Pattern& libm)
{
    const Picture a = renderPicture(pattern, kLargePicture, 1).value();
    const Picture b = renderPicture(libm, kLargePicture, 1).value();
    long long differing = 0;
    for (std::size_t i = 0; i < a.colours.size(); ++i) differing += a.colours[i] != b.colours[i];
    return differing;
}

class WindowDrawing {
public:
    WindowDrawing()
    {
        window_.show();
        const std::pair<const char*, const char*> fields[] = {{"TextOne", "1"},
                                                              {"TextTwo", "1"},
                                                              {"TextThree", "768"},
                                                              {"TextFour", "0.15"},
                                                              {"Textfive", "150"}};
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

struct Times {
    double libm = 0, one = 0, all = 0, floor = 0, window = 0;
    long long differing = 0;

    Times& operator+=(const Times& t)
    {
        libm += t.libm, one += t.one, all += t.all, floor += t.floor, window += t.window;
        differing += t.differing;
        return *this;
    }
};

void printPatternRow(const std::string& caption, const Times& t)
{
    std::printf("%-8s %8.1f %8.1f %6.2f %8.1f %6.2f %7.1f %6.2f %8.1f %6.2f %6.2f%%\n",
                caption.c_str(), t.libm, t.one, ratio(t.one, t.libm), t.all, ratio(t.one, t.all),
                t.floor, ratio(t.one, t.floor), t.window, ratio(t.window, t.all),
                100.0 * static_cast<double>(t.differing) / (1024.0 * 768.0));
}

// The window's drawings against the engine's alone, for profiling the
// window's own cost.
int printWindowRows(int runs, const std::string& only)
{
    WindowDrawing window;
    std::printf("1024 x 768 pictures, median of %d runs, %d cores; times in ms\n", runs,
                defaultThreadCount());
    std::printf("%-8s %8s %8s %6s\n", "pattern", "all", "window", "/all");
    double all = 0, drawn = 0;
    for (int i = 0; i < kPatternCount; ++i) {
        if (!only.empty() && only != patternTable()[i]->caption) continue;
        const auto [a, w] = medianMsInTurn(
            runs, [&] { drawOnAllCores(*patternTable()[i]); }, [&] { window.draw(i); });
        std::printf("%-8s %8.1f %8.1f %6.2f\n", std::string(patternTable()[i]->caption).c_str(), a,
                    w, ratio(w, a));
        all += a, drawn += w;
    }
    std::printf("%-8s %8.1f %8.1f %6.2f\n", "all 19", all, drawn, ratio(drawn, all));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 5;
    bool windowOnly = false, flyOnly = false;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--movie") == 0) return printMovieRow();
        windowOnly = windowOnly || std::strcmp(argv[i], "--window") == 0;
        flyOnly = flyOnly || std::strcmp(argv[i], "--fly") == 0;
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) only = argv[++i];
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (windowOnly) return printWindowRows(runs, only);
    if (flyOnly) {
        printFlyRows();
        return 0;
    }

    const MathPath chosen = mathPath();
    const auto calls = countMathCalls();
    const auto& libm = libmPatterns();
    const auto& table = patternTable();
    WindowDrawing window;

    std::printf("1024 x 768 pictures, median of %d runs, %d cores; times in ms\n", runs,
                defaultThreadCount());
    std::printf(
        "maths path: %s; C lib: the program's maths before, on one thread; floor: the "
        "same maths calls timed alone\n\n",
        pathName(chosen).data());
    std::printf("%-8s %8s %8s %6s %8s %6s %7s %6s %8s %6s %7s\n", "pattern", "C lib", "1 thread",
                "/C lib", "all", "speedup", "floor", "/floor", "window", "/all", "!=C lib");

    Times total;
    for (int i = 0; i < kPatternCount; ++i) {
        const Pattern& p = *table[i];
        Times t;
        t.libm = oneThreadMs(runs, libm[i]);
        t.one = oneThreadMs(runs, p);
        // In turn, so that other work on the machine slows both alike.
        std::tie(t.all, t.window) = medianMsInTurn(
            runs, [&] { drawOnAllCores(p); }, [&] { window.draw(i); });
        const auto found = calls.find(std::string(p.caption));
        if (found != calls.end()) t.floor = floorMs(chosen, found->second);
        t.differing = pixelsDiffering(p, libm[i]);
        printPatternRow(std::string(p.caption), t);
        total += t;
    }
    printPatternRow("all 19", total);
    printRedrawRows(runs);
    printThumbnailRows(runs);
    printFlyRows();

    std::printf("\nEvery path, all nineteen pictures (C lib on one thread: %.1f ms)\n", total.libm);
    std::printf("%-8s %8s %6s %8s %6s %7s %6s\n", "path", "1 thread", "/C lib", "all", "speedup",
                "floor", "/floor");
    for (MathPath path : {MathPath::Avx512, MathPath::Avx2, MathPath::Scalar}) {
        if (!useMathPath(path)) {
            std::printf("%-8s not on this processor\n", pathName(path).data());
            continue;
        }
        Times t;
        for (int i = 0; i < kPatternCount; ++i) {
            t.one += oneThreadMs(runs, *table[i]);
            t.all += allCoresMs(runs, *table[i]);
            const auto found = calls.find(std::string(table[i]->caption));
            if (found != calls.end()) t.floor += floorMs(path, found->second);
        }
        std::printf("%-8s %8.1f %6.2f %8.1f %6.2f %7.1f %6.2f\n", pathName(path).data(), t.one,
                    ratio(t.one, total.libm), t.all, ratio(t.one, t.all), t.floor,
                    ratio(t.one, t.floor));
    }
    return 0;
}
