// Process-wide state of the skin engine: its settings, the table of skinned windows and the registry of
// memory DCs handed out to painters. Touched only on the window thread.
#pragma once

#include "skin/core/skinned_window.h"
#include "text/text_types.h"

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

namespace pantrove {

inline ULONG_PTR gdiplus_token = 0;
inline HICON app_icon = nullptr;

inline int first_size_pending = 1; // the first WM_SIZE of a skinned window forces no render
inline int skin_controls_enabled = 1;
inline int control_alpha = 160; // opacity of the white veil under translucent controls
inline COLORREF theme_colour = 0xDDCA22;
inline int trackbar_style = 1;
inline COLORREF back_colour = 0; // the window body colour; the button face colour from start-up
inline int transparent_controls = 0;
inline int picture_mode = 0; // 0 until a skin picture is set, which defaults it to 4
inline ByteArray skin_picture;

// One record per skinned top-level window, numbered from 1 in table order.
inline std::vector<std::unique_ptr<SkinnedWindow>> window_table;

// A memory DC handed out by make_background_dc, with the bitmap selected into it and the object it replaced.
struct RegisteredDc {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ replaced = nullptr;
};
inline std::vector<RegisteredDc> dc_registry;

// Number of records in window_table.
int window_count();

// Record `number` (1-based); null for a number outside 1..count.
SkinnedWindow* window_record(int number);

// Number of the record whose window is `hwnd`, scanning from the first; 0 when none.
int find_window_number(HWND hwnd);

// Number of the skinned window that `hwnd` lies in: the first of its ancestors (starting from its parent)
// that is skinned; 0 when none is.
int find_window_record(HWND hwnd);

// Number of the container entry of window `window_number` that holds `hwnd`; 0 when none.
int find_container_number(int window_number, HWND hwnd);

// The window class name, as GetClassName gives it.
TextValue class_name_of(HWND hwnd);

// Removes record `number` and renumbers the windows after it and everything registered in them.
void remove_window_record(int number);

// Empties window_table, dc_registry and the skin picture, freeing every record.
void free_skin_lists();

} // namespace pantrove
