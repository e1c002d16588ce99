#include "skin/controls/panels.h"

#include "skin/controls/composition.h"
#include "skin/controls/list_controls.h"
#include "skin/core/drawing.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_dc.h"
#include "skin/core/window_props.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace pantrove {

namespace {

// Classes that paint into the DC given with WM_PAINT: their paint is composed off screen.
constexpr std::array<std::string_view, 6> kComposedClasses{
    "SysMonthCal32", "SysTabControl32", "ToolbarWindow32", "msctls_statusbar32", "Button", "msctls_trackbar32"};

PanelEntry* find_panel(HWND panel) {
    SkinnedWindow* window = window_record(props::get_int(panel, props::kPanelWindowNumber));
    PanelEntry* entry = window ? window->panel_list.find(props::get_int(panel, props::kPanelNumber)) : nullptr;
    return entry && entry->handle == panel ? entry : nullptr;
}

LRESULT pass_on(HWND panel, UINT message, WPARAM wparam, LPARAM lparam) {
    if (WNDPROC previous = props::get_proc(panel, props::kPanelPreviousProc))
        return CallWindowProcW(previous, panel, message, wparam, lparam);
    return DefWindowProcW(panel, message, wparam, lparam);
}

bool is_composed_class(HWND panel) {
    const TextValue name = class_name_of(panel);
    return std::find(kComposedClasses.begin(), kComposedClasses.end(), name) != kComposedClasses.end();
}

// The panel paints itself into the window's picture behind it; what it drew, but its key colour, goes over
// the veiled picture, and that to the screen in one piece. Nothing when there is no picture to draw on.
std::optional<LRESULT> paint_composed(HWND panel, COLORREF key) {
    const BackgroundImage drawn(panel, client_rect_in_window(panel));
    const Backdrop backdrop(panel);
    if (!drawn || !backdrop)
        return std::nullopt;
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(panel, &paint);
    const LRESULT result = pass_on(panel, WM_PAINT, reinterpret_cast<WPARAM>(drawn.dc()), 0);
    drawn.copy_keyed_to(backdrop.get(), 0, 0, key);
    BitBlt(dc, 0, 0, drawn.width(), drawn.height(), backdrop.get(), 0, 0, SRCCOPY);
    EndPaint(panel, &paint);
    return result;
}

// The panel paints itself on the screen as it always does (it gets the message as sent: a control given a DC
// would paint there instead, and never validate its update region); then its pixels of the key colour within
// the update rectangle are replaced by the window's picture behind them. Nothing when there is nothing to
// paint or no picture to take.
std::optional<LRESULT> paint_corrected(HWND panel, COLORREF key, WPARAM wparam, LPARAM lparam) {
    RECT update{};
    if (!GetUpdateRect(panel, &update, FALSE))
        return std::nullopt;
    const RECT client = client_rect_in_window(panel);
    RECT behind = update;
    OffsetRect(&behind, client.left, client.top);
    const BackgroundImage corrected(panel, behind);
    if (!corrected)
        return std::nullopt;
    const LRESULT result = pass_on(panel, WM_PAINT, wparam, lparam);
    {
        const WindowDc screen(panel);
        const int width = corrected.width(), height = corrected.height();
        TransparentBlt(corrected.dc(), 0, 0, width, height, screen.get(), update.left, update.top, width, height, key);
        corrected.copy_to(screen.get(), update.left, update.top);
    }
    // The copy may have covered the panel's children.
    invalidate_visible_children(panel);
    return result;
}

} // namespace

int register_panel(int window_number, HWND panel, COLORREF key_colour) {
    SkinnedWindow* window = window_record(window_number);
    // A panel subclassed twice would pass every message on to itself.
    if (!window || !panel || find_panel(panel) || window->panel_list.find_handle(panel) > 0)
        return 0;
    const int number = window->panel_list.take();
    PanelEntry& entry = window->panel_list[number];
    entry.handle = panel;
    entry.key_colour = key_colour;
    props::set_number(panel, props::kPanelNumber, number);
    props::set_number(panel, props::kPanelWindowNumber, window_number);
    const auto previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(panel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&panel_proc)));
    entry.previous_proc = previous;
    props::set_proc(panel, props::kPanelPreviousProc, previous);
    return number;
}

LRESULT CALLBACK panel_proc(HWND panel, UINT message, WPARAM wparam, LPARAM lparam) {
    const PanelEntry* entry = find_panel(panel);
    if (!entry)
        return pass_on(panel, message, wparam, lparam);
    switch (message) {
    case WM_MOVE:
        if (transparent_controls)
            InvalidateRect(panel, nullptr, FALSE);
        break;
    case WM_ERASEBKGND:
        if (transparent_controls) {
            SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
            return 1;
        }
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        // A rich edit scrolls its pixels over the picture: it is drawn again whole.
        if (class_name_of(panel) == "RichEdit20A")
            InvalidateRect(panel, nullptr, FALSE);
        break;
    case WM_PAINT:
        if (skin_controls_enabled) {
            const COLORREF key = entry->key_colour;
            const auto result =
                is_composed_class(panel) ? paint_composed(panel, key) : paint_corrected(panel, key, wparam, lparam);
            if (result)
                return *result;
        }
        break;
    }
    return pass_on(panel, message, wparam, lparam);
}

} // namespace pantrove
