// Helpers of the skin tests: plain windows registered as skinned windows by hand, the skin settings put back
// after each test, and proof that nothing drawn was left behind.
#pragma once

#include "gdiplus/image.h"
#include "gdiplus/object.h"
#include "skin/core/gdi_objects.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace pantrove::testing_support {

inline int difference(COLORREF a, COLORREF b) {
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

// A 32-bit memory DC of a given size, for composed images and for painting into.
class MemoryImage {
public:
    MemoryImage(int width, int height) : dc_(nullptr) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        replaced_ = SelectObject(dc_.get(), bitmap_.get());
    }
    MemoryImage(const MemoryImage&) = delete;
    MemoryImage& operator=(const MemoryImage&) = delete;
    ~MemoryImage() { SelectObject(dc_.get(), replaced_); }

    HDC dc() const { return dc_.get(); }
    COLORREF pixel(int x, int y) const { return GetPixel(dc_.get(), x, y); }

private:
    gdi::Bitmap bitmap_;
    gdi::MemoryDc dc_;
    HGDIOBJ replaced_ = nullptr;
};

// A composed window image in which every pixel tells its own coordinates.
inline COLORREF coordinate_colour(int x, int y) {
    return RGB(x & 0xFF, y & 0xFF, 0x40);
}

inline std::unique_ptr<MemoryImage> coordinate_image(int width, int height) {
    auto image = std::make_unique<MemoryImage>(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            SetPixelV(image->dc(), x, y, coordinate_colour(x, y));
    }
    return image;
}

// The four quadrants of a width × height picture, PNG encoded: red, green / blue, yellow.
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kGreen = RGB(0, 255, 0);
inline constexpr COLORREF kBlue = RGB(0, 0, 255);
inline constexpr COLORREF kYellow = RGB(255, 255, 0);

inline gdiplus::ARGB opaque(COLORREF colour) {
    return 0xFF000000 | static_cast<gdiplus::ARGB>(GetRValue(colour)) << 16 |
           static_cast<gdiplus::ARGB>(GetGValue(colour)) << 8 | GetBValue(colour);
}

inline ByteArray quadrant_picture(int width, int height) {
    gdiplus::Bitmap bitmap;
    EXPECT_TRUE(bitmap.create(width, height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2, bottom = y >= height / 2;
            bitmap.set_pixel(x, y, opaque(bottom ? (right ? kYellow : kBlue) : (right ? kGreen : kRed)));
        }
    }
    return bitmap.save_to_bytes(gdiplus::image_format::png);
}

inline ByteArray plain_picture(int width, int height, COLORREF colour) {
    gdiplus::Bitmap bitmap;
    EXPECT_TRUE(bitmap.create(width, height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            bitmap.set_pixel(x, y, opaque(colour));
    }
    return bitmap.save_to_bytes(gdiplus::image_format::png);
}

// Registers plain windows as skinned windows the way skin_window does (a record and its number), keeps the
// skin settings of the test from leaking into the next one, and checks after each test that every GDI and
// GDI+ object and every background DC made during it was given back.
class SkinTest : public testing::Test {
protected:
    void SetUp() override {
        saved_ = Settings::read();
        gdi_objects_ = gdi::live_objects();
        gdiplus_objects_ = gdiplus::live_objects();
    }

    void TearDown() override {
        EXPECT_TRUE(dc_registry.empty()) << dc_registry.size() << " background DCs not given back";
        // Skinned windows give their records back when they are destroyed; records added by hand stay.
        for (auto window = windows_.rbegin(); window != windows_.rend(); ++window)
            DestroyWindow(*window);
        window_table.clear();
        dc_registry.clear();
        images_.clear();
        saved_.write();
        EXPECT_EQ(gdi::live_objects(), gdi_objects_);
        EXPECT_EQ(gdiplus::live_objects(), gdiplus_objects_);
    }

    // A top-level window without frame at (x, y): its client area is its whole size.
    HWND top_window(int width, int height, bool visible = false, int x = 120, int y = 80,
                    const wchar_t* window_class = L"Static") {
        return keep(CreateWindowExW(0, window_class, L"", WS_POPUP | (visible ? WS_VISIBLE : 0), x, y, width, height,
                                    nullptr, nullptr, nullptr, nullptr));
    }

    HWND child(HWND parent, const wchar_t* window_class, DWORD style, int x, int y, int width, int height) {
        return keep(CreateWindowExW(0, window_class, L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                    nullptr, nullptr, nullptr));
    }

    // Appends a record for the window and gives it its number; returns the number.
    int add_record(HWND window) {
        auto record = std::make_unique<SkinnedWindow>();
        record->window = window;
        window_table.push_back(std::move(record));
        props::set_number(window, props::kOwnNumber, window_count());
        return window_count();
    }

    // Gives record `number` a composed image of its client size in which every pixel tells its coordinates.
    void compose(int number) {
        SkinnedWindow& record = *window_record(number);
        RECT client{};
        GetClientRect(record.window, &client);
        images_.push_back(coordinate_image(client.right, client.bottom));
        record.background_dc = images_.back()->dc();
    }

private:
    struct Settings {
        COLORREF back, theme;
        int mode, alpha, transparent, trackbar, controls;
        ByteArray picture;
        static Settings read() {
            return {back_colour,          theme_colour,   picture_mode,          control_alpha,
                    transparent_controls, trackbar_style, skin_controls_enabled, skin_picture};
        }
        void write() const {
            back_colour = back;
            theme_colour = theme;
            picture_mode = mode;
            control_alpha = alpha;
            transparent_controls = transparent;
            trackbar_style = trackbar;
            skin_controls_enabled = controls;
            skin_picture = picture;
        }
    };

    HWND keep(HWND window) {
        EXPECT_NE(window, nullptr);
        windows_.push_back(window);
        return window;
    }

    Settings saved_{};
    long gdi_objects_ = 0;
    long gdiplus_objects_ = 0;
    std::vector<HWND> windows_;
    std::vector<std::unique_ptr<MemoryImage>> images_;
};

} // namespace pantrove::testing_support
