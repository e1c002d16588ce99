#include "resources/embedded.h"
#include "skin/controls/child_controls.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/services/skin_picture.h"

#include <algorithm>

namespace pantrove {
namespace {

constexpr int kMinCaptionHeight = 25;
constexpr int kFrameMargin = 3;

TitleButton system_button(int kind, Picture picture, std::string_view tooltip) {
    TitleButton button;
    button.width = kind == 0 ? 38 : 26;
    button.height = 18;
    button.image = embedded_bytes(picture);
    if (kind == 1)
        button.alt_image = embedded_bytes(Picture::Restore);
    button.kind = kind;
    button.tooltip = TextValue(tooltip);
    return button;
}

// The built-in buttons, left to right: help, main menu, minimise, maximise, close.
std::vector<TitleButton> system_buttons(const SkinnedWindow& record) {
    std::vector<TitleButton> buttons;
    if (record.has_help_button)
        buttons.push_back(system_button(4, Picture::Help, "帮助"));
    if (record.has_menu_button)
        buttons.push_back(system_button(3, Picture::MainMenu, "主菜单"));
    if (record.has_minimize_button)
        buttons.push_back(system_button(2, Picture::Minimise, "最小化"));
    if (record.has_maximize_button)
        buttons.push_back(system_button(1, Picture::Maximise, "最大化"));
    buttons.push_back(system_button(0, Picture::Close, "关闭"));
    return buttons;
}

RECT integer_rect(const decltype(TitleButton::hit_rect)& r) {
    return {static_cast<LONG>(r.x), static_cast<LONG>(r.y), static_cast<LONG>(r.x + r.width),
            static_cast<LONG>(r.y + r.height)};
}

} // namespace

void SkinObject::skin_window(HWND window, const SkinWindowOptions& options) {
    if (!IsWindow(window) || find_window_number(window) >= 1)
        return;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    RECT client{};
    GetClientRect(window, &client);
    frame_margin = kFrameMargin;

    auto record = std::make_unique<SkinnedWindow>();
    record->window = window;
    record->caption_height = std::max(options.caption_height.value_or(0), kMinCaptionHeight);
    record->has_help_button = options.help_button.value_or(false);
    record->has_menu_button = options.menu_button.value_or(false);
    record->has_minimize_button = (style & WS_MINIMIZEBOX) != 0;
    record->has_maximize_button = (style & WS_MAXIMIZEBOX) != 0;
    record->framed = options.framed.value_or(true);
    record->has_close_button = true;
    record->resizable = options.resizable.value_or(true);
    record->show_caption = options.show_caption.value_or(true);
    record->caption_gloss = options.caption_gloss.value_or(false);
    record->window_picture_mode = options.picture_mode.value_or(picture_mode);
    record->min_track_width = 200;
    record->min_track_height = 150;
    record->max_track_width = GetSystemMetrics(SM_CXSCREEN);
    record->max_track_height = GetSystemMetrics(SM_CYSCREEN);

    if (!options.picture.empty()) {
        record->window_picture_colour = average_colour({}, options.picture);
        record->window_picture =
            picture_for_mode({}, options.picture, record->window_picture_colour, record->window_picture_mode);
    }

    record->title_buttons = system_buttons(*record);
    int total_width = 0;
    for (const TitleButton& button : record->title_buttons)
        total_width += button.width;
    record->strip_width = total_width + (record->title_button_count() - 1) + 3;
    record->strip_height = 22;
    record->strip_x = client.right - frame_margin - record->strip_width - 2;
    record->strip_y = 0;

    SetWindowLongPtrW(window, GWL_STYLE, style | WS_SYSMENU);

    SkinnedWindow& added = *record;
    window_table.push_back(std::move(record));
    const int number = window_count();

    added.tooltips.create(window);
    for (int i = 1; i <= added.title_button_count(); ++i) {
        const TitleButton& button = added.title_button(i);
        added.tooltips.add_tool(integer_rect(button.hit_rect), button.tooltip, static_cast<UINT_PTR>(i));
    }
    added.tooltip_count = added.title_button_count();
    layout_title_buttons(number);
    if (options.status_height >= 1) {
        add_status_bar(number, options.status_height, options.status_panes);
        added.status_glow_text_colour = 0x000000;
        added.status_glow_colour = 0xFFFFFF;
        added.status_font = "宋体";
        added.status_font_size = 12;
    }
    layout_status_bar(number);
    skin_child_controls(number, window);
    added.needs_render = true;

    // The properties are in place before the first message can reach the new procedure.
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    added.old_window_proc = previous;
    props::set_proc(window, props::kPreviousProc, previous);
    props::set_number(window, props::kOwnNumber, number);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinObject::frame_window_proc));
}

} // namespace pantrove
