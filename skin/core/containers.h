// Containers: group boxes and panels inside a skinned window whose children the skin paints. A container
// draws itself from the window's composed image, so it looks transparent, optionally tinted with a
// translucent fill and outlined; a group box gets its rounded outline and caption. Because the controls
// inside send their colour, command, notification and owner-draw messages to the container, container_proc
// answers those as the skinned window does.
#pragma once

#include <windows.h>

namespace pantrove {

// A "Button" of the group box type (BS_GROUPBOX), whatever its caption alignment.
[[nodiscard]] bool is_group_box(HWND hwnd);

// Registers a container of a skinned window in its container_list, skins the controls inside it (they join
// the window's lists) and subclasses it with container_proc. skinned 0 leaves its painting to its own
// procedure; a fill colour of 0 means no fill; only the low 8 bits of fill_alpha count. 1 when registered
// now; 0, changing nothing, for a container registered already or not inside a skinned window.
int dispatch_child_controls(HWND container, bool skinned, COLORREF fill_colour, int fill_alpha, bool draw_outline);

// The window procedure of every registered container.
LRESULT CALLBACK container_proc(HWND container, UINT message, WPARAM wparam, LPARAM lparam);

// Composes container `entry` of window `number` and copies it into dc, or, without dc, onto the container
// around its opaque children. Clears the entry's needs_render.
void render_container(int number, int entry, HDC dc = nullptr);

// Composes the container and copies it onto the container around its opaque children, then has its
// transparent children paint themselves again over it.
void present_container(int number, int entry);

// The outlines and the caption of a group box, drawn on dc, which holds the box's client area.
void paint_group_box(int number, int entry, HDC dc);

// Copies the window image behind a rectangle of the container's client area back into dc (which holds that
// client area) and tints it again with the container's fill: under a group box's caption the outline must
// not show through the text.
void restore_behind_rect(HWND container, HDC dc, const RECT& rect);

// Keeps the docked children of the container at its full width, from their top offset to its bottom.
void layout_docked_children(int number, int entry);

// Invalidates, without erasing, every direct child with WS_EX_TRANSPARENT.
void invalidate_transparent_children(HWND container);

} // namespace pantrove
