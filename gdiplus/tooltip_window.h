// TooltipWindow: one common-controls tooltip window showing tips over rectangles of an owner window.
#pragma once

#include <windows.h>

#include <string_view>

namespace pantrove {

class TooltipWindow {
public:
    TooltipWindow() = default;
    TooltipWindow(TooltipWindow&& other) noexcept;
    TooltipWindow& operator=(TooltipWindow&& other) noexcept;
    TooltipWindow(const TooltipWindow&) = delete;
    TooltipWindow& operator=(const TooltipWindow&) = delete;
    // Destroys the tooltip window unless it went already with its owner.
    ~TooltipWindow();

    // Creates the tooltip window for owner (replacing one made before) and returns it; null on failure.
    HWND create(HWND owner, bool balloon = false);

    // Tools are rectangles of the owner's client area, told apart by id. Texts are code page 936; the
    // tooltip keeps its own copy. False when the tooltip refuses, when the tool does not exist (changes and
    // deletion) or when no tooltip window was created; the colour and width setters then do nothing.
    bool add_tool(const RECT& rect, std::string_view text, UINT_PTR id);
    // A tool whose text the owner supplies on request (TTN_GETDISPINFOW).
    bool add_callback_tool(const RECT& rect, UINT_PTR id);
    bool delete_tool(UINT_PTR id);
    bool set_tool_rect(UINT_PTR id, const RECT& rect);
    bool set_tool_text(UINT_PTR id, std::string_view text);

    void set_back_colour(COLORREF colour);
    void set_text_colour(COLORREF colour);
    void set_max_width(int width);

    [[nodiscard]] HWND window() const { return window_; }

private:
    bool has_tool(UINT_PTR id) const;
    void destroy();

    HWND window_ = nullptr;
    HWND owner_ = nullptr;
};

} // namespace pantrove
