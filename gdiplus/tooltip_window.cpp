#include "gdiplus/tooltip_window.h"

#include "text/wide_text.h"

#include <commctrl.h>

#include <string>
#include <utility>

namespace pantrove {

namespace {

// The description every tool message carries. The size without the reserved field is understood by
// common controls 5 and 6 alike.
TTTOOLINFOW tool_info(HWND owner, UINT_PTR id, const RECT& rect = {}, LPWSTR text = nullptr) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = id;
    info.rect = rect;
    info.lpszText = text;
    return info;
}

} // namespace

TooltipWindow::TooltipWindow(TooltipWindow&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)), owner_(std::exchange(other.owner_, nullptr)) {}

TooltipWindow& TooltipWindow::operator=(TooltipWindow&& other) noexcept {
    if (this != &other) {
        destroy();
        window_ = std::exchange(other.window_, nullptr);
        owner_ = std::exchange(other.owner_, nullptr);
    }
    return *this;
}

TooltipWindow::~TooltipWindow() {
    destroy();
}

void TooltipWindow::destroy() {
    // An owned window is destroyed by the system just before its owner.
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
    window_ = nullptr;
    owner_ = nullptr;
}

HWND TooltipWindow::create(HWND owner, bool balloon) {
    destroy();
    const DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
    window_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    owner_ = window_ ? owner : nullptr;
    return window_;
}

bool TooltipWindow::add_tool(const RECT& rect, std::string_view text, UINT_PTR id) {
    std::wstring wide = widen(text);
    TTTOOLINFOW info = tool_info(owner_, id, rect, wide.data());
    return window_ && SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool TooltipWindow::add_callback_tool(const RECT& rect, UINT_PTR id) {
    TTTOOLINFOW info = tool_info(owner_, id, rect, LPSTR_TEXTCALLBACKW);
    return window_ && SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool TooltipWindow::has_tool(UINT_PTR id) const {
    TTTOOLINFOW info = tool_info(owner_, id);
    return window_ && SendMessageW(window_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool TooltipWindow::delete_tool(UINT_PTR id) {
    if (!has_tool(id))
        return false;
    TTTOOLINFOW info = tool_info(owner_, id);
    SendMessageW(window_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    return true;
}

bool TooltipWindow::set_tool_rect(UINT_PTR id, const RECT& rect) {
    if (!has_tool(id))
        return false;
    TTTOOLINFOW info = tool_info(owner_, id, rect);
    SendMessageW(window_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
    return true;
}

bool TooltipWindow::set_tool_text(UINT_PTR id, std::string_view text) {
    if (!has_tool(id))
        return false;
    std::wstring wide = widen(text);
    TTTOOLINFOW info = tool_info(owner_, id, {}, wide.data());
    SendMessageW(window_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    return true;
}

void TooltipWindow::set_back_colour(COLORREF colour) {
    if (window_)
        SendMessageW(window_, TTM_SETTIPBKCOLOR, colour, 0);
}

void TooltipWindow::set_text_colour(COLORREF colour) {
    if (window_)
        SendMessageW(window_, TTM_SETTIPTEXTCOLOR, colour, 0);
}

void TooltipWindow::set_max_width(int width) {
    if (window_)
        SendMessageW(window_, TTM_SETMAXTIPWIDTH, 0, width);
}

} // namespace pantrove
