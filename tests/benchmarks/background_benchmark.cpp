// Prints how long the window background and the control backgrounds take, in milliseconds per call, with
// the two background pictures the program carries. Run it from build/x86_64 under wine on an X display.
#include "app/startup.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"
#include "resources/embedded.h"
#include "skin/core/background_dc.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/services/decoded_pictures.h"
#include "skin/services/skin_picture.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using namespace pantrove;

// Keeps the results measured from being optimised away.
volatile unsigned long sink = 0;

// Prints the mean and the fastest of the runs: the machines are shared, and the fastest run is the one least
// disturbed by others.
void measure(const char* what, int repeats, const std::function<void()>& run) {
    double total = 0;
    double fastest = 0;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        total += elapsed.count();
        fastest = i == 0 ? elapsed.count() : std::min(fastest, elapsed.count());
    }
    std::printf("%-66s %9.3f ms  (fastest %.3f)\n", what, total / repeats, fastest);
}

// A 32-bit memory DC as a frame image.
struct Frame {
    Frame(int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc = CreateCompatibleDC(nullptr);
        replaced = SelectObject(dc, bitmap);
    }
    ~Frame() {
        SelectObject(dc, replaced);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    HBITMAP bitmap;
    HDC dc;
    HGDIOBJ replaced;
};

void benchmark_window(const char* size_name, int width, int height) {
    HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr, nullptr, nullptr);
    HWND edit = CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 80, 32, 304, 24, window, nullptr,
                                nullptr, nullptr);
    auto record = std::make_unique<SkinnedWindow>();
    record->window = window;
    window_table.push_back(std::move(record));
    props::set_number(window, props::kOwnNumber, window_count());
    const int number = window_count();
    Frame frame(width, height);
    window_record(number)->background_dc = frame.dc;

    const auto render = [&] {
        gdiplus::Graphics graphics;
        graphics.create_from_hdc(frame.dc);
        skin->paint_background(graphics, number);
    };
    char label[128];
    struct Case {
        const char* picture;
        Picture source;
        int mode;
    };
    for (const Case c :
         {Case{"wide 1920x1200", Picture::BackgroundWide, 3}, Case{"small 945x630", Picture::BackgroundSmall, 3},
          Case{"small 945x630", Picture::BackgroundSmall, 0}, Case{"small 945x630", Picture::BackgroundSmall, 4}}) {
        // The first render after a picture is set decodes it; later ones reuse the decoded pixels. Two copies
        // that differ in a byte after the picture's end take turns, so that every render here decodes.
        const ByteArray picture = embedded_bytes(c.source);
        ByteArray other = picture;
        other.push_back(0);
        bool turn = false;
        std::snprintf(label, sizeof label, "set_skin_picture + first render %s, %s, mode %d", size_name, c.picture,
                      c.mode);
        measure(label, 10, [&] {
            turn = !turn;
            skin->set_skin_picture({}, turn ? picture : other, 0, 0, c.mode);
            render();
        });
        std::snprintf(label, sizeof label, "paint_background %s, %s, mode %d", size_name, c.picture, c.mode);
        measure(label, 20, render);
    }
    skin->set_skin_picture({}, {}, RGB(30, 60, 90));
    std::snprintf(label, sizeof label, "paint_background %s, back colour only", size_name);
    measure(label, 20, render);

    measure("make_background_dc + free_background_dc, 304x24 edit", 2000, [&] {
        RECT r{0, 0, 304, 24};
        free_background_dc(make_background_dc(edit, r));
    });
    measure("make_backdrop_bitmap, 304x24 edit", 2000, [&] { sink = make_backdrop_bitmap(edit) ? 1 : 0; });

    window_table.clear();
    DestroyWindow(window);
}

} // namespace

int main() {
    create_skin();
    create_skin_lists();
    init_skin_globals();
    {
        const ByteArray wide = embedded_bytes(Picture::BackgroundWide);
        const ByteArray small = embedded_bytes(Picture::BackgroundSmall);
        measure("decode wide 1920x1200 JPEG", 10, [&] {
            gdiplus::Bitmap bitmap;
            bitmap.load_from_bytes(wide);
            sink = bitmap.pixel(0, 0);
        });
        measure("decode small 945x630 JPEG", 10, [&] {
            gdiplus::Bitmap bitmap;
            bitmap.load_from_bytes(small);
            sink = bitmap.pixel(0, 0);
        });
        measure("decoded_picture wide (decoded and read out)", 10, [&] { sink = decoded_picture(wide) ? 1 : 0; });
        measure("average_colour wide", 5, [&] { sink = average_colour({}, wide); });
        measure("average_colour small", 5, [&] { sink = average_colour({}, small); });
        measure("prepare_picture small, right", 5,
                [&] { sink = prepare_picture({}, small, 0, FadeDirection::Right).size(); });
        benchmark_window("577x344", 577, 344);
        benchmark_window("1280x1000", 1280, 1000);
    }
    on_program_exit();
    return 0;
}
