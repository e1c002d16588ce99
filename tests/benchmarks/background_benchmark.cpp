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
#include "tests/benchmarks/benchmark_support.h"

#include <algorithm>
#include <cstdio>

namespace {

using namespace pantrove;
using namespace pantrove::benchmarks;

void benchmark_window(const char* size_name, int width, int height) {
    HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr, nullptr, nullptr);
    HWND edit = CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 80, 32, 304, 24, window, nullptr,
                                nullptr, nullptr);
    auto record = std::make_unique<SkinnedWindow>();
    record->window = window;
    window_table.push_back(std::move(record));
    props::set_number(window, props::kOwnNumber, window_count());
    const int number = window_count();
    Image frame(width, height);
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
        report(label, 10, [&] {
            turn = !turn;
            skin->set_skin_picture({}, turn ? picture : other, 0, 0, c.mode);
            render();
        });
        std::snprintf(label, sizeof label, "paint_background %s, %s, mode %d", size_name, c.picture, c.mode);
        report(label, 20, render);
    }
    skin->set_skin_picture({}, {}, RGB(30, 60, 90));
    std::snprintf(label, sizeof label, "paint_background %s, back colour only", size_name);
    report(label, 20, render);

    report("make_background_dc + free_background_dc, 304x24 edit", 2000, [&] {
        RECT r{0, 0, 304, 24};
        free_background_dc(make_background_dc(edit, r));
    });
    report("make_backdrop_bitmap, 304x24 edit", 2000, [&] { sink = make_backdrop_bitmap(edit) ? 1 : 0; });

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
        report("decode wide 1920x1200 JPEG", 10, [&] {
            gdiplus::Bitmap bitmap;
            bitmap.load_from_bytes(wide);
            sink = bitmap.pixel(0, 0);
        });
        report("decode small 945x630 JPEG", 10, [&] {
            gdiplus::Bitmap bitmap;
            bitmap.load_from_bytes(small);
            sink = bitmap.pixel(0, 0);
        });
        report("decoded_picture wide (decoded and read out)", 10, [&] { sink = decoded_picture(wide) ? 1 : 0; });
        report("average_colour wide", 5, [&] { sink = average_colour({}, wide); });
        report("average_colour small", 5, [&] { sink = average_colour({}, small); });
        report("prepare_picture small, right", 5,
               [&] { sink = prepare_picture({}, small, 0, FadeDirection::Right).size(); });
        benchmark_window("577x344", 577, 344);
        benchmark_window("1280x1000", 1280, 1000);
    }
    on_program_exit();
    return 0;
}
