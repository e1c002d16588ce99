#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"

#include <cmath>

namespace pantrove {
namespace {

constexpr int kButtonSpacing = 27;
constexpr double kTolerance = 1e-7;

// The record of a window handed in by handle, through its "Hw_lbID"; null when it is not skinned.
SkinnedWindow* record_of(HWND window) {
    return window ? pantrove::window_record(props::get_int(window, props::kOwnNumber)) : nullptr;
}

RECT rounded(const decltype(TitleButton::hit_rect)& r) {
    return {std::lround(r.x), std::lround(r.y), std::lround(r.x + r.width), std::lround(r.y + r.height)};
}

} // namespace

int SkinObject::add_title_button(HWND window, const ByteArray& picture, std::string_view tooltip,
                                 std::function<void()> routine) {
    SkinnedWindow* record = record_of(window);
    if (!record)
        return 0;
    record->strip_width += kButtonSpacing;
    TitleButton button;
    button.width = 26;
    button.height = 18;
    button.image = picture;
    button.kind = 5;
    button.tooltip = TextValue(tooltip);
    button.command = std::move(routine);
    record->title_buttons.insert(record->title_buttons.begin(), std::move(button));
    record->tooltips.add_tool(RECT{}, tooltip, static_cast<UINT_PTR>(record->title_button_count()));
    layout_title_buttons(props::get_int(window, props::kOwnNumber));
    return 1;
}

void SkinObject::layout_title_buttons(int number) {
    SkinnedWindow* record = pantrove::window_record(number);
    if (!record)
        return;
    RECT client{};
    if (IsWindow(record->window)) {
        GetClientRect(record->window, &client);
        record->strip_x = client.right - record->strip_width + 1;
        record->strip_height = 22;
    }
    const long x0 = std::lround(record->strip_x + 2.0);
    const long y0 = std::lround(record->strip_y + 1.0);
    for (int i = 1; i <= record->title_button_count(); ++i) {
        TitleButton& button = record->title_button(i);
        // Buttons stand 27 pixels apart whatever their width; the close button answers 40 pixels wide.
        button.hit_rect = {static_cast<float>(x0 + kButtonSpacing * (i - 1)), static_cast<float>(y0),
                           button.kind == 0 ? 40.0f : 26.0f, 18.0f};
        record->tooltips.set_tool_rect(static_cast<UINT_PTR>(i), rounded(button.hit_rect));
        record->tooltips.set_tool_text(static_cast<UINT_PTR>(i), button.tooltip);
    }
}

int SkinObject::hit_title_button(int number, int x, int y) const {
    const SkinnedWindow* record = pantrove::window_record(number);
    if (!record)
        return 0;
    const double px = x, py = y;
    if (px < record->strip_x - kTolerance || py < record->strip_y - kTolerance ||
        py > record->strip_y + record->strip_height + kTolerance)
        return 0;
    for (int i = 1; i <= record->title_button_count(); ++i) {
        const auto& r = record->title_buttons[static_cast<size_t>(i - 1)].hit_rect;
        if (px > r.x + kTolerance && px < r.x + r.width - kTolerance && py > r.y + kTolerance &&
            py < r.y + r.height - kTolerance)
            return i;
    }
    return 0;
}

int SkinObject::find_maximize_button(int number) const {
    const SkinnedWindow* record = pantrove::window_record(number);
    if (!record)
        return 0;
    for (int i = 1; i <= record->title_button_count(); ++i) {
        if (record->title_buttons[static_cast<size_t>(i - 1)].kind == 1)
            return i;
    }
    return 0;
}

RECT SkinObject::get_title_buttons_rect(HWND window) const {
    const SkinnedWindow* record = pantrove::window_record(find_window_number(window));
    if (!record)
        return {};
    return {record->strip_x, record->strip_y, record->strip_x + record->strip_width,
            record->strip_y + record->strip_height};
}

void SkinObject::set_help_handler(HWND window, std::function<void()> routine) {
    if (SkinnedWindow* record = pantrove::window_record(find_window_number(window)))
        record->help_routine = std::move(routine);
}

void SkinObject::set_menu_handler(HWND window, std::function<void()> routine) {
    if (SkinnedWindow* record = pantrove::window_record(find_window_number(window)))
        record->menu_routine = std::move(routine);
}

} // namespace pantrove
