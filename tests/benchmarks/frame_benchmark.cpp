// Prints how long a skinned window of MainWindow's size (577 × 344, caption and five title buttons, each of the
// two background pictures the program carries stretched over it) takes to render, present and fade one
// title button, and how long its skinned controls take to repaint on hover, in milliseconds per call, each
// beside the floor: decoding the picture and stretching it over the window once. Run it from build/x86_64
// under wine on an X display.
#include "app/startup.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"
#include "resources/embedded.h"
#include "skin/controls/child_controls.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/services/frame_rendering.h"
#include "text/wide_text.h"
#include "tests/benchmarks/benchmark_support.h"

#include <algorithm>
#include <cstdio>

namespace {

using namespace pantrove;
using namespace pantrove::benchmarks;

constexpr int kWidth = 577;
constexpr int kHeight = 344;

void print(const char* what, const Timing& timing, const Timing& floor) {
    std::printf("  %-52s %9.3f ms  (fastest %7.3f)  %6.2f x floor\n", what, timing.mean, timing.fastest,
                timing.mean / floor.mean);
}

// A visible window skinned by hand as skin_window skins MainWindow: caption 25 high, the help, menu,
// minimise, maximise and close buttons.
int skinned_window() {
    HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 40, 40, kWidth, kHeight, nullptr, nullptr,
                                  nullptr, nullptr);
    set_window_text(window, " PantroveV1.1     By：Quillon");
    auto record = std::make_unique<SkinnedWindow>();
    record->window = window;
    record->caption_height = 25;
    struct Button {
        int kind;
        Picture picture;
    };
    int total = 0;
    for (const Button b : {Button{4, Picture::Help}, Button{3, Picture::MainMenu}, Button{2, Picture::Minimise},
                           Button{1, Picture::Maximise}, Button{0, Picture::Close}}) {
        TitleButton button;
        button.kind = b.kind;
        button.width = b.kind == 0 ? 38 : 26;
        button.height = 18;
        button.image = embedded_bytes(b.picture);
        if (b.kind == 1)
            button.alt_image = embedded_bytes(Picture::Restore);
        total += button.width;
        record->title_buttons.push_back(std::move(button));
    }
    record->strip_width = total + record->title_button_count() - 1 + 3;
    window_table.push_back(std::move(record));
    props::set_number(window, props::kOwnNumber, window_count());
    skin->frame_margin = 3;
    skin->layout_title_buttons(window_count());
    // Two of MainWindow's controls, where MainWindow has them.
    CreateWindowExW(0, L"Button", L"百度云解析", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 488, 31, 80, 26, window,
                    nullptr, nullptr, nullptr);
    CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 80, 32, 304, 24, window,
                    nullptr, nullptr, nullptr);
    skin_child_controls(window_count(), window);
    return window_count();
}

void benchmark_picture(const char* name, Picture source, int number) {
    const ByteArray picture = embedded_bytes(source);
    std::printf("%s, mode 3 (stretched over %dx%d):\n", name, kWidth, kHeight);
    Image frame(kWidth, kHeight);
    const Timing floor = measure(10, [&] {
        gdiplus::Bitmap bitmap;
        bitmap.load_from_bytes(picture);
        gdiplus::Graphics graphics;
        graphics.create_from_hdc(frame.dc);
        graphics.draw_image(bitmap, 0, 0, kWidth, kHeight);
    });
    print("floor: decode and stretch the picture", floor, floor);
    {
        gdiplus::Bitmap decoded;
        decoded.load_from_bytes(picture);
        sink = decoded.pixel(0, 0); // GDI+ decodes on first use
        print("stretch the decoded picture alone",
              measure(20,
                      [&] {
                          gdiplus::Graphics graphics;
                          graphics.create_from_hdc(frame.dc);
                          graphics.draw_image(decoded, 0, 0, kWidth, kHeight);
                      }),
              floor);
    }

    // The window has no frame_window_proc to render it on set_skin_picture's repaint: the first render here
    // decodes the picture, which stays decoded while it is the skin picture.
    skin->set_skin_picture({}, picture, 0, 0, 3);
    print("first paint_window with a new picture (decodes it)",
          measure(1, [&] { skin->paint_window(number, nullptr, false); }), floor);
    HWND window = window_record(number)->window;
    print("paint_background alone (into the composed image)",
          measure(20,
                  [&] {
                      gdiplus::Graphics graphics;
                      graphics.create_from_hdc(window_record(number)->background_dc);
                      skin->paint_background(graphics, number);
                  }),
          floor);
    print("paint_window, not presented", measure(20, [&] { skin->paint_window(number, nullptr, false); }), floor);
    print("paint_window, presented", measure(20, [&] { skin->paint_window(number, nullptr, true); }), floor);
    HDC screen = GetDC(window);
    print("present_window", measure(50, [&] { skin->present_window(number, screen); }), floor);
    ReleaseDC(window, screen);
    int step = 0;
    print("title-button fade step (minimise, presented)",
          measure(200,
                  [&] {
                      step = step % 8 + 1;
                      gdiplus::Graphics graphics;
                      skin->draw_title_button(number, 3, graphics, false, std::nullopt, step * 30);
                  }),
          floor);
    print("caption redraw (paint_caption, presented)",
          measure(50,
                  [&] {
                      gdiplus::Graphics graphics;
                      skin->paint_caption(number, graphics, false);
                  }),
          floor);
    struct Hovered {
        const wchar_t* control_class;
        const char* what;
    };
    for (const Hovered hovered : {Hovered{L"Button", "hover repaint of the 80x26 push button (in and out)"},
                                  Hovered{L"Edit", "hover repaint of the 304x24 edit box (in and out)"}}) {
        HWND control = FindWindowExW(window, nullptr, hovered.control_class, nullptr);
        print(hovered.what,
              measure(200,
                      [&] {
                          SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
                          SendMessageW(control, WM_MOUSELEAVE, 0, 0);
                      }),
              floor);
    }
}

} // namespace

int main() {
    create_skin();
    create_skin_lists();
    init_skin_globals();
    {
        const int number = skinned_window();
        benchmark_picture("small 945x630 JPEG", Picture::BackgroundSmall, number);
        benchmark_picture("wide 1920x1200 JPEG", Picture::BackgroundWide, number);
        SkinnedWindow& record = *window_record(number);
        free_frame_images(record);
        HWND window = record.window;
        window_table.clear();
        DestroyWindow(window);
    }
    on_program_exit();
    return 0;
}
