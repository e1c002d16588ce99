// The skin engine's gallery: one skinned top-level window holding a control of every family the skin draws,
// a group box with controls inside, a colour-keyed panel, a status bar with panes, a picture button and a state
// button. The tests of the engine use it, and tools/gallery.sh shows it. Not part of the product.
#pragma once

#include <windows.h>

#include <memory>

namespace pantrove::gallery {

struct GalleryControls {
    HWND push_button = nullptr;
    HWND check_box = nullptr;
    HWND radio_button = nullptr;
    HWND picture_button = nullptr;
    HWND state_button = nullptr;
    HWND edit = nullptr;
    HWND combo_box = nullptr;
    HWND drop_down_list = nullptr;
    HWND list_box = nullptr;
    HWND list_view = nullptr;
    HWND tree_view = nullptr;
    HWND trackbar = nullptr;
    HWND progress_bar = nullptr;
    HWND up_down = nullptr;
    HWND up_down_buddy = nullptr;
    HWND ip_address = nullptr;
    HWND date_time = nullptr;
    HWND group_box = nullptr;
    HWND group_edit = nullptr;
    HWND group_check_box = nullptr;
    HWND panel = nullptr; // a tab control
    HWND panel_button = nullptr;
};

// The gallery's window; destroyed with the object.
class GalleryWindow {
public:
    // Creates the window at (x, y) with every control, skins it and shows it without activating it. Null when
    // a window cannot be created. With ends_message_loop, closing the window ends the thread's message loop.
    static std::unique_ptr<GalleryWindow> create(HINSTANCE instance, int x, int y, bool ends_message_loop = false);
    ~GalleryWindow();
    GalleryWindow(const GalleryWindow&) = delete;
    GalleryWindow& operator=(const GalleryWindow&) = delete;

    [[nodiscard]] HWND handle() const { return window_; }
    [[nodiscard]] const GalleryControls& controls() const { return controls_; }

    static constexpr int kWidth = 720;
    static constexpr int kHeight = 500;
    static constexpr int kStatusHeight = 22;

private:
    GalleryWindow() = default;
    bool create_controls(HINSTANCE instance);
    void apply_skin();

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    GalleryControls controls_;
};

} // namespace pantrove::gallery
