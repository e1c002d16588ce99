// What a skinned window and each of its containers answer to the messages their child controls send up:
// colours (WM_CTLCOLOR*), owner-drawn buttons (WM_DRAWITEM) and repaints on notifications (WM_COMMAND,
// WM_NOTIFY). The window and its containers answer alike, so a control looks the same wherever it sits.
#pragma once

#include <windows.h>

#include <optional>

namespace pantrove {

// Does the work for a child's message that reached `parent` (the skinned window of record `number` or one of
// its containers). The answer when the message is consumed; nothing when it goes on to the parent's previous
// procedure. Colour objects are kept on behalf of the skinned window, which gives them back when it dies.
std::optional<LRESULT> answer_child_message(int number, UINT message, WPARAM wparam, LPARAM lparam);

// Whether a message is one answer_child_message deals with.
[[nodiscard]] constexpr bool is_child_message(UINT message) {
    switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
    case WM_COMMAND:
    case WM_NOTIFY:
        return true;
    default:
        return false;
    }
}

} // namespace pantrove
