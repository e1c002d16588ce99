// SkinObject: the one skin engine object of the process, `skin`. Every skin operation of the application
// goes through it. It is created at start-up and destroyed at exit, which gives back the program icon and
// shuts GDI+ down.
#pragma once

#include "text/text_types.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

namespace pantrove {

class SkinObject {
public:
    // Reads the body colour of skinned windows (the system's button face colour) into back_colour.
    SkinObject();
    // Destroys app_icon and shuts GDI+ down when it was started.
    ~SkinObject();
    // One object serves every skinned window: it is never copied.
    SkinObject(const SkinObject&) = delete;
    SkinObject& operator=(const SkinObject&) = delete;

    // Title-bar buttons. Buttons are numbered from 1, left to right; tooltip tool ids equal the numbers.
    // Operations that take a window handle do nothing (or return 0) for a window that is not skinned.

    // Adds a custom button at the left end of the strip; 1 when added.
    int add_title_button(HWND window, const ByteArray& picture, std::string_view tooltip,
                         std::function<void()> routine);
    // Places the strip at the right end of the client area and every button's hit rectangle and tooltip.
    void layout_title_buttons(int number);
    // The button under the client point (strict edges), 0 for none.
    int hit_title_button(int number, int x, int y) const;
    int find_maximize_button(int number) const;
    RECT get_title_buttons_rect(HWND window) const;
    void set_help_handler(HWND window, std::function<void()> routine);
    void set_menu_handler(HWND window, std::function<void()> routine);

    // Frame mouse handling: a press in the caption drags the window, one on an edge sizes it (the system's
    // loops do the work). Returns 1 when the press was over the title-button strip.
    int on_frame_mouse_down(int number, LPARAM lparam, const RECT& client);
    // Shows the sizing cursor of the edge zone under the pointer of a resizable window.
    void set_frame_cursor(int number, LPARAM lparam, const RECT& client) const;

    // Gap between the frame's left or right edge and the title-button strip or the status bar.
    int frame_margin = 0;
    // The title button found by the latest hit test, shared by all windows.
    int hot_hit = 0;
};

// The process's skin object; null before create_skin and after destroy_skin.
inline std::unique_ptr<SkinObject> skin;

void create_skin();
void destroy_skin();

} // namespace pantrove
