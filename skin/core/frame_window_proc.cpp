#include "gdiplus/graphics.h"
#include "skin/core/child_messages.h"
#include "skin/core/memory_trim.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/services/frame_zones.h"
#include "text/wide_text.h"

#include <shlwapi.h>

namespace pantrove {
namespace {

constexpr UINT kFadePeriodMs = 20;
constexpr int kLastFadeStep = 8;
constexpr int kFadeOpacityStep = 30;

LRESULT forward(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    WNDPROC previous = props::get_proc(hwnd, props::kPreviousProc);
    if (!previous)
        return DefWindowProcW(hwnd, message, wparam, lparam);
    return CallWindowProcW(previous, hwnd, message, wparam, lparam);
}

// The fade timer's id is the window handle itself.
UINT_PTR fade_timer_id(HWND hwnd) {
    return reinterpret_cast<UINT_PTR>(hwnd);
}

int screen_width() {
    return GetSystemMetrics(SM_CXSCREEN);
}

// The screen height less the taskbar's, which is taken to lie at the bottom; a missing taskbar takes nothing.
int screen_height_above_taskbar() {
    int taskbar = 0;
    if (HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr)) {
        RECT rect{};
        if (GetWindowRect(tray, &rect))
            taskbar = rect.bottom - rect.top;
    }
    return GetSystemMetrics(SM_CYSCREEN) - taskbar;
}

// Draws a title button on the window itself through a graphics object of its own.
void draw_button(int number, int button, std::optional<int> pressed = std::nullopt,
                 std::optional<int> opacity = std::nullopt) {
    if (button < 1)
        return;
    gdiplus::Graphics graphics;
    skin->draw_title_button(number, button, graphics, false, pressed, opacity);
}

void track_mouse(HWND hwnd) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = hwnd;
    track.dwHoverTime = 1;
    TrackMouseEvent(&track);
}

void on_mouse_move(HWND hwnd, int number, SkinnedWindow& record, LPARAM lparam) {
    RECT client{};
    GetClientRect(hwnd, &client);
    if (!record.mouse_inside)
        track_mouse(hwnd);
    if (!record.framed)
        return;
    if (skin->hit_title_strip(number, lparam)) {
        if (!record.fade_timer_on) {
            SetTimer(hwnd, fade_timer_id(hwnd), kFadePeriodMs, nullptr);
            record.fade_timer_on = true;
        }
    } else {
        record.fade_timer_on = false;
    }
    const int hit = skin->hit_title_button(number, x_of(lparam), y_of(lparam));
    skin->hot_hit = hit;
    if (record.hot_button >= 1 && record.hot_button != hit) {
        // An unfinished fade-out ends at once: its button goes back to rest before the next one starts.
        if (record.leave_fade.step < kLastFadeStep)
            draw_button(number, record.leave_fade.button, 0, 0);
        record.leave_fade = {record.hot_button, 0};
    }
    if (hit >= 1 && record.hot_button != hit)
        record.hover_fade = {hit, 0};
    record.hot_button = hit;
    if (!record.maximized)
        skin->set_frame_cursor(number, lparam, client);
}

void on_mouse_leave(int number, SkinnedWindow& record) {
    record.mouse_inside = false;
    if (record.hot_button < 1 || !record.framed)
        return;
    if (record.leave_fade.step < kLastFadeStep && record.hover_fade.step < kLastFadeStep) {
        draw_button(number, record.leave_fade.button);
        record.hover_fade = {};
    }
    record.leave_fade = {record.hot_button, 0};
    record.hot_button = 0;
}

void on_fade_timer(HWND hwnd, int number, SkinnedWindow& record) {
    if (record.hover_fade.button >= 1 && record.hover_fade.step < kLastFadeStep) {
        const int step = ++record.hover_fade.step;
        draw_button(number, record.hover_fade.button, 0, step * kFadeOpacityStep);
    }
    if (record.leave_fade.button >= 1 && record.leave_fade.step < kLastFadeStep) {
        const int step = ++record.leave_fade.step;
        draw_button(number, record.leave_fade.button, 0, kLastFadeStep * kFadeOpacityStep - step * kFadeOpacityStep);
    }
    if (record.mouse_inside && record.fade_timer_on)
        return;
    if (record.leave_fade.step >= kLastFadeStep || record.leave_fade.button == 0) {
        record.fade_timer_on = false;
        KillTimer(hwnd, fade_timer_id(hwnd));
        record.hot_button = 0;
        record.hover_fade = {};
        record.leave_fade = {};
    }
}

void on_left_button_down(HWND hwnd, int number, SkinnedWindow& record, LPARAM lparam) {
    RECT client{};
    GetClientRect(hwnd, &client);
    record.hover_fade.button = 0;
    if (!record.framed)
        return;
    if (!record.maximized && !record.minimized)
        skin->on_frame_mouse_down(number, lparam, client);
    // The press may have run the system's moving or sizing loop: the record is looked up again.
    SkinnedWindow* current = window_record(number);
    if (!current || current->window != hwnd)
        return;
    skin->hot_hit = skin->hit_title_button(number, x_of(lparam), y_of(lparam));
    if (skin->hot_hit > 0)
        draw_button(number, skin->hot_hit, 1);
}

void on_left_button_up(int number, const SkinnedWindow& record) {
    // The command of the button found by the latest hit test runs, wherever the press was.
    if (skin->hot_hit > 0 && skin->hot_hit <= record.title_button_count() && record.framed)
        skin->run_title_button(number, skin->hot_hit);
}

void on_window_pos_changed(HWND hwnd, int number, SkinnedWindow& record) {
    RECT client{};
    GetClientRect(hwnd, &client);
    if (record.has_maximize_button && client.right == screen_width() &&
        client.bottom == GetSystemMetrics(SM_CYSCREEN)) {
        record.maximized = true;
        const int height = screen_height_above_taskbar();
        RECT window{};
        GetWindowRect(hwnd, &window);
        // Without a taskbar the window already has the size asked for; asking again would only recurse.
        if (window.left != 0 || window.top != 0 || window.right != screen_width() || window.bottom != height)
            SetWindowPos(hwnd, nullptr, 0, 0, screen_width(), height, SWP_NOZORDER | SWP_NOOWNERZORDER);
    }
    if (SkinnedWindow* current = window_record(number); current && current->window == hwnd) {
        skin->layout_title_buttons(number);
        if (current->status_height > 0)
            skin->layout_status_bar(number);
    }
}

void on_get_min_max_info(const SkinnedWindow& record, MINMAXINFO& info) {
    if (record.maximized)
        info.ptMaxTrackSize = {screen_width(), screen_height_above_taskbar()};
    else
        info.ptMaxTrackSize = {record.max_track_width, record.max_track_height};
    info.ptMinTrackSize = {record.min_track_width, record.min_track_height};
}

void on_size(SkinnedWindow& record) {
    record.hot_button = 0;
    if (first_size_pending) {
        record.needs_render = false;
        first_size_pending = 0;
    } else {
        record.needs_render = true;
    }
}

void on_sys_command(SkinnedWindow& record, WPARAM command) {
    switch (command) {
    case SC_MAXIMIZE:
        record.maximized = true;
        record.needs_render = true;
        break;
    case SC_RESTORE:
        record.needs_render = true;
        record.minimized = false;
        break;
    case SC_MINIMIZE:
        record.needs_render = true;
        record.minimized = true;
        break;
    }
}

LRESULT on_paint(HWND hwnd, int number, SkinnedWindow& record, WPARAM wparam, LPARAM lparam) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd, &paint);
    if (!record.minimized) {
        if (record.needs_render) {
            skin->paint_window(number, dc, true);
            record.needs_render = false;
        } else {
            skin->present_window(number, dc);
        }
    }
    EndPaint(hwnd, &paint);
    return DefWindowProcW(hwnd, WM_PAINT, wparam, lparam);
}

void on_show_window(HWND hwnd, int number, SkinnedWindow& record) {
    if (record.minimized) {
        record.minimized = false;
        return;
    }
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd, &paint);
    skin->paint_window(number, dc, true);
    EndPaint(hwnd, &paint);
}

} // namespace

int SkinObject::hit_title_strip(int number, LPARAM lparam) const {
    const SkinnedWindow* record = window_record(number);
    if (!record || (HIWORD(lparam) & 0x8000) != 0)
        return 0;
    const int x = x_of(lparam), y = y_of(lparam);
    return x >= record->strip_x - 2 && x <= record->strip_x + record->strip_width && y <= record->strip_height ? 1 : 0;
}

LRESULT CALLBACK SkinObject::frame_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    const int number = props::get_int(hwnd, props::kOwnNumber);
    SkinnedWindow* found = skin ? window_record(number) : nullptr;
    if (!found || found->window != hwnd)
        return forward(hwnd, message, wparam, lparam);
    SkinnedWindow& record = *found;
    switch (message) {
    case WM_NCDESTROY: {
        skin->release_window(hwnd);
        KillTimer(hwnd, fade_timer_id(hwnd));
        const LRESULT result = forward(hwnd, message, wparam, lparam);
        RemovePropW(hwnd, props::kPreviousProc);
        RemovePropW(hwnd, props::kOwnNumber);
        return result;
    }
    case WM_SHOWWINDOW:
        if (wparam == TRUE)
            on_show_window(hwnd, number, record);
        break;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return 1;
    case WM_PAINT:
        return on_paint(hwnd, number, record, wparam, lparam);
    case WM_LBUTTONDBLCLK:
        if (y_of(lparam) <= record.caption_height && record.resizable) {
            if (const int button = skin->find_maximize_button(number); button > 0)
                skin->run_title_button(number, button);
        }
        break;
    case WM_MOUSEMOVE:
        on_mouse_move(hwnd, number, record, lparam);
        break;
    case WM_MOUSEHOVER:
        record.mouse_inside = true;
        break;
    case WM_MOUSELEAVE:
        on_mouse_leave(number, record);
        break;
    case WM_TIMER:
        if (wparam == fade_timer_id(hwnd))
            on_fade_timer(hwnd, number, record);
        break;
    case WM_GETMINMAXINFO:
        on_get_min_max_info(record, *reinterpret_cast<MINMAXINFO*>(lparam));
        break;
    case WM_WINDOWPOSCHANGED:
        on_window_pos_changed(hwnd, number, record);
        break;
    case WM_SIZE:
        on_size(record);
        skin->layout_window(number);
        break;
    case WM_LBUTTONDOWN:
        on_left_button_down(hwnd, number, record, lparam);
        break;
    case WM_LBUTTONUP:
        on_left_button_up(number, record);
        break;
    case WM_SYSCOMMAND:
        on_sys_command(record, wparam);
        break;
    case WM_QUERYOPEN:
        record.minimized = false;
        break;
    case WM_SETTEXT:
        if (record.show_caption && record.framed) {
            const auto* text = reinterpret_cast<const wchar_t*>(lparam);
            gdiplus::Graphics graphics;
            skin->paint_caption(number, graphics, false, narrow(text ? text : L""));
        }
        break;
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_COMMAND:
    case WM_NOTIFY:
        if (const auto answer = answer_child_message(number, message, wparam, lparam))
            return *answer;
        break;
    case WM_ACTIVATEAPP:
        // Losing activation trims the working set, on a thread of its own so the window never waits.
        if (wparam == FALSE)
            SHCreateThread(memory_trim_thread, nullptr, 0, nullptr);
        break;
    }
    return forward(hwnd, message, wparam, lparam);
}

} // namespace pantrove
