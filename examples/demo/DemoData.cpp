#include "DemoData.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace {

char* text(const char* s) {
    return const_cast<char*>(s);
}

// A damped oscillation sampled coarsely enough for its markers to show.
Vertex2D* dampedSine() {
    auto* v = new Vertex2D[kSinePoints];
    for (int i = 0; i < kSinePoints; ++i) {
        const double t = 10.0 * i / (kSinePoints - 1);
        v[i] = {t, std::exp(-t / 3.0) * std::sin(2.0 * std::numbers::pi * 0.8 * t)};
    }
    return v;
}

Vertex2D* envelope() {
    auto* v = new Vertex2D[kSinePoints];
    for (int i = 0; i < kSinePoints; ++i) {
        const double t = 10.0 * i / (kSinePoints - 1);
        v[i] = {t, std::exp(-t / 3.0)};
    }
    return v;
}

// A slow drift under Gaussian noise, the same on every run.
Vertex2D* noisySignal() {
    auto* v = new Vertex2D[kNoisyPoints];
    std::mt19937 random(12);
    std::normal_distribution<double> noise(0.0, 0.6);
    for (int i = 0; i < kNoisyPoints; ++i) {
        const double t = 10.0 * i / kNoisyPoints;
        v[i] = {t, 20.0 + 4.0 * std::sin(0.6 * t) + noise(random)};
    }
    return v;
}

// Class counts of the y values in n equal classes over their range, as n + 1 vertices (the
// last one closes the last bar).
Vertex2D* classCounts(const Vertex2D* data, int count, int n) {
    auto [lo, hi] = std::minmax_element(
        data, data + count, [](const Vertex2D& a, const Vertex2D& b) { return a.y < b.y; });
    const double low = lo->y, width = (hi->y - low) / n;
    auto* v = new Vertex2D[n + 1];
    for (int k = 0; k <= n; ++k) v[k] = {double(k), 0.0};
    for (int i = 0; i < count; ++i) {
        const int k = width > 0 ? std::min(n - 1, int((data[i].y - low) / width)) : 0;
        v[k].y += 1.0;
    }
    return v;
}

void autoRanges(GcGraph& g) {
    g.setAutoVminVmax();
    g.setAutoHminHmax();
    g.setAutoVgrad();
    g.setAutoHgrad();
}

} // namespace

void fillDemoGraphs(GcGraphConfig& config, GcGraph (&graph)[2], DemoLayout layout) {
    int yellow[3] = {255, 220, 0}, cyan[3] = {0, 200, 255}, green[3] = {0, 200, 60};
    Vertex2D* sine = dampedSine();
    Vertex2D* noisy = noisySignal();

    config.superpose =
        layout == DemoLayout::SuperposedOneAxis || layout == DemoLayout::SuperposedTwoAxes;
    config.singleVaxis = layout != DemoLayout::SuperposedTwoAxes;
    if (layout == DemoLayout::Histogram) {
        auto* top = new GcGLine[1]{
            GcGLine(21, classCounts(sine, kSinePoints, 20), yellow, text("sine"), -1, 0, 1)};
        auto* bottom = new GcGLine[1]{
            GcGLine(21, classCounts(noisy, kNoisyPoints, 20), green, text("signal"), -1, 0, 1)};
        delete[] sine;
        delete[] noisy;
        graph[0].setGLine(1, top);
        graph[1].setGLine(1, bottom);
        graph[0].setVtitle(text("Count of sine"));
        graph[1].setVtitle(text("Count of signal"));
        config.changeHistOn();
        config.setHtitle(text("Class"));
    } else {
        auto* top =
            new GcGLine[2]{GcGLine(kSinePoints, sine, yellow, text("sine"), 4, 0, 1),
                           GcGLine(kSinePoints, envelope(), cyan, text("envelope"), -1, 2, 1)};
        auto* bottom =
            new GcGLine[1]{GcGLine(kNoisyPoints, noisy, green, text("signal"), -1, 0, 1)};
        // Superposed on one axis, the noisy signal comes first so its range is the axis's.
        const bool noisyFirst = layout == DemoLayout::SuperposedOneAxis;
        graph[noisyFirst ? 1 : 0].setGLine(2, top);
        graph[noisyFirst ? 0 : 1].setGLine(1, bottom);
        graph[noisyFirst ? 1 : 0].setVtitle(text("Amplitude"));
        graph[noisyFirst ? 0 : 1].setVtitle(text("Volt"));
        config.changeGraph();
        config.setHtitle(text("Time (s)"));
    }
    for (GcGraph& g : graph) autoRanges(g);
    if (layout == DemoLayout::SuperposedOneAxis) {
        // One axis for both: wide enough for the oscillation too.
        graph[0].setVminVmax(std::min(graph[0].vmin, graph[1].vmin),
                             std::max(graph[0].vmax, graph[1].vmax));
        graph[0].setAutoVgrad();
    }
}
