// Timing and drawing surfaces shared by the benchmark programs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace pantrove::benchmarks {

// Keeps the results measured from being optimised away.
inline volatile unsigned long sink = 0;

// The mean and the fastest of the runs, in milliseconds: the machines are shared, and the fastest run is the
// one least disturbed by others.
struct Timing {
    double mean;
    double fastest;
};

inline Timing measure(int repeats, const std::function<void()>& run) {
    double total = 0;
    double fastest = 0;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        total += elapsed.count();
        fastest = i == 0 ? elapsed.count() : std::min(fastest, elapsed.count());
    }
    return {total / repeats, fastest};
}

// Measures and prints one line: what, the mean and the fastest run.
inline void report(const char* what, int repeats, const std::function<void()>& run) {
    const Timing timing = measure(repeats, run);
    std::printf("%-66s %9.3f ms  (fastest %.3f)\n", what, timing.mean, timing.fastest);
}

// A 32-bit memory DC: a composed window image, or a target to paint into.
struct Image {
    Image(int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc = CreateCompatibleDC(nullptr);
        replaced = SelectObject(dc, bitmap);
    }
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    ~Image() {
        SelectObject(dc, replaced);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    HBITMAP bitmap;
    HDC dc;
    HGDIOBJ replaced;
};

} // namespace pantrove::benchmarks
