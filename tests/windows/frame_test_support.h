// Skinned windows with a frame, set up by hand the way skin_window sets them up (caption 25 high, title
// buttons with the program's pictures, the strip at the right), and the probes of their composed images.
#pragma once

#include "resources/embedded.h"
#include "skin/core/skin_object.h"
#include "skin/services/frame_rendering.h"
#include "tests/windows/skin_test_support.h"

#include <initializer_list>

namespace pantrove::testing_support {

// Title-button kinds.
inline constexpr int kClose = 0;
inline constexpr int kMaximise = 1;
inline constexpr int kMinimise = 2;
inline constexpr int kMenu = 3;
inline constexpr int kHelp = 4;

inline constexpr COLORREF kBody = RGB(0, 128, 128);

// The pixel of a DC as a COLORREF.
inline COLORREF at(HDC dc, int x, int y) {
    return GetPixel(dc, x, y);
}

// Pixels of the box (x, y, width, height) of the DC that match.
template <class Match> int count_pixels(HDC dc, int x, int y, int width, int height, Match match) {
    int found = 0;
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column)
            found += match(GetPixel(dc, column, row)) ? 1 : 0;
    }
    return found;
}

// The pixels shown in a window's client area.
class WindowPixels {
public:
    explicit WindowPixels(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowPixels(const WindowPixels&) = delete;
    WindowPixels& operator=(const WindowPixels&) = delete;
    ~WindowPixels() { ReleaseDC(window_, dc_); }

    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }
    HDC dc() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

class FrameTest : public SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        skin->frame_margin = 3;
        saved_first_size_pending_ = first_size_pending;
        first_size_pending = 0;
        // A plain body colour makes every probe exact; tests that want a picture set one.
        skin_picture.clear();
        back_colour = kBody;
    }

    void TearDown() override {
        for (const auto& record : window_table)
            free_frame_images(*record);
        first_size_pending = saved_first_size_pending_;
        SkinTest::TearDown();
    }

    // A window skinned with a frame, a caption text and title buttons of the given kinds, left to right.
    int framed_window(int width, int height, std::initializer_list<int> kinds, bool visible = false,
                      const wchar_t* text = L"Pantrove") {
        HWND window = top_window(width, height, visible);
        SetWindowTextW(window, text);
        const int number = add_record(window);
        SkinnedWindow& r = record(number);
        r.caption_height = 25;
        r.framed = true;
        r.show_caption = true;
        set_buttons(number, kinds);
        return number;
    }

    // Gives the window title buttons of the given kinds, left to right, with the program's pictures and the
    // widths skin_window gives them, and lays the strip out.
    void set_buttons(int number, std::initializer_list<int> kinds) {
        SkinnedWindow& r = record(number);
        r.title_buttons.clear();
        int total = 0;
        for (const int kind : kinds) {
            TitleButton button;
            button.kind = kind;
            button.width = kind == kClose ? 38 : 26;
            button.height = 18;
            button.image = embedded_bytes(picture_of(kind));
            if (kind == kMaximise)
                button.alt_image = embedded_bytes(Picture::Restore);
            total += button.width;
            r.title_buttons.push_back(std::move(button));
        }
        r.strip_width = total + (r.title_button_count() - 1) + 3;
        skin->layout_title_buttons(number);
    }

    static SkinnedWindow& record(int number) { return *window_record(number); }
    static HDC composed(int number) { return record(number).background_dc; }

    // Where button b is drawn.
    static RECT button_box(int number, int b) {
        const TitleButton& button = record(number).title_button(b);
        const int x = static_cast<int>(button.hit_rect.x - 1);
        const int y = record(number).strip_y + 1;
        return {x, y, x + button.width, y + button.height};
    }

private:
    static Picture picture_of(int kind) {
        switch (kind) {
        case kClose:
            return Picture::Close;
        case kMaximise:
            return Picture::Maximise;
        case kMinimise:
            return Picture::Minimise;
        case kMenu:
            return Picture::MainMenu;
        default:
            return Picture::Help;
        }
    }

    int saved_first_size_pending_ = 1;
};

} // namespace pantrove::testing_support
