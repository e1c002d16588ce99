// Which control of a skinned window is drawn hot. Entry numbers are per family, so the window keeps the
// family's hover code with the number; a control redraws its hot look only when the pointer comes from
// another control, not on every move inside it.
#pragma once

#include "skin/core/skinned_window.h"

#include <windows.h>

#include <optional>

namespace pantrove {

// Hover codes of the families that track the pointer.
namespace hover_family {
inline constexpr int buttons = 0;
inline constexpr int edits = 1;
inline constexpr int trackbars = 2;
inline constexpr int combos = 3;
inline constexpr int list_controls = 4;
inline constexpr int up_downs = 8;
inline constexpr int headers = 9;
} // namespace hover_family

// On WM_MOUSEMOVE over a control: asks for its WM_MOUSELEAVE and records it as the control under the
// pointer (pointer_id). True when the hot look must be drawn: the control drawn hot last is another one (its
// number or family differs, or, when a parent is given, its parent).
bool hover_moved(SkinnedWindow& window, HWND control, int number, int family,
                 std::optional<HWND> parent = std::nullopt);

// After the hot look was drawn: the control under the pointer is the one drawn hot.
void hover_drawn(SkinnedWindow& window, int family, HWND parent = nullptr);

// On WM_MOUSELEAVE (and a button's release): no control is drawn hot, so the next move redraws.
void hover_cleared(SkinnedWindow& window);

} // namespace pantrove
