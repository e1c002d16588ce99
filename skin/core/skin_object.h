// SkinObject: the one skin engine object of the process, `skin`. Every skin operation of the application
// goes through it. It is created at start-up and destroyed at exit, which gives back the program icon and
// shuts GDI+ down.
#pragma once

#include "text/text_types.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace pantrove {

namespace gdiplus {
class Graphics;
}

// The theme value of set_skin_picture that makes the accent colour follow the body colour.
inline constexpr COLORREF kThemeFromBack = 0xFFFFFFFF;
inline constexpr COLORREF kDefaultThemeColour = 0xDDCA22;

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
    // Sets the background shared by every skinned window: the picture (from the file when one is named, the
    // bytes then being ignored), the body colour (the picture's average colour unless given), the accent colour
    // and the picture mode (4, a mirrored strip along the top, unless given); then re-renders every visible
    // skinned window. The accent becomes theme, or the default when theme is omitted, on every call;
    // kThemeFromBack makes it the body colour. With neither picture nor back colour only the accent changes;
    // with only a back colour the shared picture is dropped and the mode kept.
    void set_skin_picture(std::optional<std::string_view> file_name = std::nullopt, const ByteArray& picture = {},
                          std::optional<COLORREF> back = std::nullopt, std::optional<COLORREF> theme = std::nullopt,
                          std::optional<int> mode = std::nullopt);

    // Sets how child controls are skinned from now on. Giving the alpha switches translucent control backgrounds
    // on at that opacity; omitting it switches them off and restores the opacity 160.
    void set_control_options(int skin_controls, std::optional<int> alpha = std::nullopt, int trackbar = 1);

    // Gives one skinned window its own background picture, which wins over the shared one for its picture and
    // body colour, and schedules a render. False, changing nothing, when the window is not skinned or the
    // picture is empty. An omitted mode keeps the window's mode.
    bool set_window_picture(HWND window, const ByteArray& picture, std::optional<int> mode = std::nullopt);

    // The body colour as stored (its top byte may be 0xFF).
    [[nodiscard]] COLORREF get_back_colour() const;

    // Paints the body of window `number` into its frame image: magenta outside the rounded body, the body
    // colour and picture inside it, and the caption gloss. The rounded body stays the clip of graphics.
    void paint_background(gdiplus::Graphics& graphics, int number);

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
