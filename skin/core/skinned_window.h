// The record of one skinned top-level window, its title buttons and its registered containers.
#pragma once

#include "gdiplus/tooltip_window.h"
#include "skin/controls/control_entries.h"
#include "skin/core/control_list.h"
#include "text/text_types.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace pantrove {

// A title-bar button. Kinds: 0 close, 1 maximise/restore, 2 minimise, 3 main menu, 4 help, 5 custom.
struct TitleButton {
    int width = 0;
    int height = 0;
    ByteArray image;         // PNG
    ByteArray alt_image;     // the restore picture of the maximise button
    ByteArray pressed_image; // kept, not drawn
    int kind = 5;
    TextValue tooltip;
    std::function<void()> command; // run by a custom button
    struct {
        float x = 0, y = 0, width = 0, height = 0;
    } hit_rect; // client coordinates, set by the strip layout
};

// A group box or panel whose children the skin paints; it gets a translucent fill and outline of its own.
struct ContainerEntry {
    HWND hwnd = nullptr;
    COLORREF fill_colour = 0; // 0 = no fill
    BYTE fill_alpha = 255;
    bool draw_outline = false;
    WNDPROC old_proc = nullptr;
    bool needs_render = false;
    bool group_box = false;
    bool skinned = true;
    TextValue label_font;
    int label_font_size = 0;
    int label_font_style = 0;
    struct Docked {
        HWND handle = nullptr;
        int top_offset = 0;
    };
    std::vector<Docked> docked{Docked{}};
};

inline HWND handle_of(const ContainerEntry& entry) {
    return entry.hwnd;
}

// A pane of a skinned window's status bar.
struct StatusPane {
    int pane_width = 0; // -1: all the remaining width
    TextValue pane_text;
    ByteArray pane_picture;
    COLORREF pane_colour = 0;
};

// A child window kept at full width from `top` down to just above the status bar (layout_window).
struct DockedChild {
    HWND handle = nullptr;
    int top = 0;
};

// One title button's fade: the button number (0 = none) and the step 0..8.
struct FadeStep {
    int button = 0;
    int step = 0;
};

struct SkinnedWindow {
    HWND window = nullptr;
    int caption_height = 25;
    bool has_help_button = false;
    bool has_menu_button = false;
    bool has_minimize_button = false;
    bool has_maximize_button = false;
    bool has_close_button = true;
    bool show_caption = true;
    bool caption_gloss = false;
    WNDPROC old_window_proc = nullptr;
    ByteArray window_picture; // empty: the skin picture is used
    int window_picture_mode = 0;
    COLORREF window_picture_colour = 0;
    std::vector<TitleButton> title_buttons; // strip order, left to right; numbered from 1
    int strip_x = 0, strip_y = 0, strip_width = 0, strip_height = 22;
    HBITMAP caption_back_old_bitmap = nullptr, caption_back_bitmap = nullptr;
    HBITMAP status_back_old_bitmap = nullptr, status_back_bitmap = nullptr;
    bool maximized = false;
    bool minimized = false;
    int min_track_width = 200, min_track_height = 150;
    int max_track_width = 0, max_track_height = 0;
    bool resizable = true;
    bool framed = true;
    COLORREF caption_text_colour = 0xFFFFFF;
    COLORREF caption_halo_colour = 0x808080;
    TextValue caption_font_name = "宋体";
    int caption_font_size = 12;
    bool caption_bold = true;
    int hot_button = 0;
    int hover_family = 0;
    HWND hover_parent = nullptr;
    std::function<void()> help_routine;
    std::function<void()> menu_routine;
    TooltipWindow tooltips; // the title buttons' tooltips
    int status_height = 0;
    RECT status_rect{}; // client coordinates, right and bottom exclusive
    std::vector<StatusPane> status_panes;
    std::vector<RECT> status_pane_rects; // one per pane, like status_rect
    bool status_inverse = false;
    bool status_glow = false;
    COLORREF status_glow_text_colour = 0;
    COLORREF status_glow_colour = 0xFFFFFF;
    TextValue status_font = "宋体";
    int status_font_size = 12;
    ControlList<ButtonEntry> button_list;
    ControlList<EditEntry> edit_list;
    ControlList<ListControlEntry> list_control_list;
    ControlList<TrackbarEntry> trackbar_list;
    ControlList<ProgressEntry> progress_list;
    ControlList<ComboEntry> combo_list;
    ControlList<UpDownEntry> updown_list;
    ControlList<HeaderEntry> header_list;
    ControlList<PanelEntry> panel_list;
    bool needs_render = false;
    HDC background_dc = nullptr;
    HDC caption_back_dc = nullptr;
    HDC status_back_dc = nullptr;
    int hover_id = 0;
    int pointer_id = 0;
    int tooltip_count = 0;
    ControlList<ContainerEntry> container_list;
    std::vector<DockedChild> docked_list{DockedChild{}};
    bool mouse_inside = false;
    FadeStep hover_fade;
    FadeStep leave_fade;
    bool fade_timer_on = false;

    int title_button_count() const { return static_cast<int>(title_buttons.size()); }
    // Title button `number` (1-based).
    TitleButton& title_button(int number) { return title_buttons[static_cast<size_t>(number - 1)]; }
};

} // namespace pantrove
