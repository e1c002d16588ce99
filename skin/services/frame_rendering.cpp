#include "skin/services/frame_rendering.h"

#include "gdiplus/graphics.h"
#include "gdiplus/image.h"
#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "skin/core/drawing.h"
#include "skin/core/gdi_objects.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_dc.h"
#include "skin/core/window_props.h"

namespace pantrove {

namespace {

// A 32-bit GDI bitmap made through GDI+, as every composed image is; null for an empty size.
HBITMAP make_composed_bitmap(int width, int height) {
    if (width <= 0 || height <= 0)
        return nullptr;
    gdiplus::Bitmap bitmap;
    if (!bitmap.create(width, height))
        return nullptr;
    return bitmap.to_hbitmap(0);
}

// A saved piece of the composed image: a memory DC, the bitmap it started with and the one selected into it.
struct SavedBackground {
    HDC& dc;
    HBITMAP& old_bitmap;
    HBITMAP& bitmap;
};

SavedBackground caption_background(SkinnedWindow& record) {
    return {record.caption_back_dc, record.caption_back_old_bitmap, record.caption_back_bitmap};
}

SavedBackground status_background(SkinnedWindow& record) {
    return {record.status_back_dc, record.status_back_old_bitmap, record.status_back_bitmap};
}

void free_saved_background(const SavedBackground& saved) {
    if (saved.dc) {
        if (saved.old_bitmap)
            SelectObject(saved.dc, saved.old_bitmap);
        DeleteDC(saved.dc);
        gdi::count_released(1);
    }
    if (saved.bitmap) {
        DeleteObject(saved.bitmap);
        gdi::count_released(1);
    }
    saved.dc = nullptr;
    saved.old_bitmap = nullptr;
    saved.bitmap = nullptr;
}

// Replaces the saved piece by a copy of the area (x, y, width, height) of the composed image. An empty area
// gives a DC without a bitmap of its own, from which nothing is copied.
void save_background(const SavedBackground& saved, HDC composed, int x, int y, int width, int height) {
    free_saved_background(saved);
    saved.dc = CreateCompatibleDC(nullptr);
    if (!saved.dc)
        return;
    gdi::count_held(1);
    saved.bitmap = make_composed_bitmap(width, height);
    if (!saved.bitmap)
        return;
    gdi::count_held(1);
    saved.old_bitmap = static_cast<HBITMAP>(SelectObject(saved.dc, saved.bitmap));
    BitBlt(saved.dc, 0, 0, width, height, composed, x, y, SRCCOPY);
}

// Rounds the window's corners; returns the client rectangle read after the window was told of its new
// shape, which may have resized it.
RECT give_rounded_shape(HWND window) {
    SetWindowRgn(window, nullptr, TRUE);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
    RECT client{};
    GetClientRect(window, &client);
    // The window owns the region once it is set.
    HRGN region = CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, 5, 5);
    if (region && !SetWindowRgn(window, region, TRUE))
        DeleteObject(region);
    return client;
}

// Selects a new composed bitmap into background_dc (made on the first render). The DC's first bitmap is kept
// in "Ck_Ycjdx" for the release; later the previous composed bitmap is deleted. False when no bitmap of
// that size can be made: the previous image stays.
bool select_new_composed_bitmap(SkinnedWindow& record, int width, int height) {
    HBITMAP bitmap = make_composed_bitmap(width, height);
    if (!bitmap)
        return false;
    if (!record.background_dc) {
        record.background_dc = CreateCompatibleDC(nullptr);
        if (!record.background_dc) {
            DeleteObject(bitmap);
            return false;
        }
        gdi::count_held(1);
    }
    gdi::count_held(1);
    HGDIOBJ previous = SelectObject(record.background_dc, bitmap);
    if (!props::get_handle<HBITMAP>(record.window, props::kComposedOldBitmap)) {
        props::set_handle(record.window, props::kComposedOldBitmap, previous);
    } else if (previous) {
        DeleteObject(previous);
        gdi::count_released(1);
    }
    props::set_handle(record.window, props::kComposedBitmap, bitmap);
    return true;
}

// After a presented render the skinned controls that sit directly on the window repaint themselves from the
// new image; controls inside containers are repainted by their containers.
void invalidate_skinned_controls(SkinnedWindow& record) {
    const auto invalidate = [&record](auto& list, bool erase, bool with_children) {
        list.for_each([&](const auto& entry) {
            HWND control = handle_of(entry);
            if (!control || GetParent(control) != record.window)
                return;
            InvalidateRect(control, nullptr, erase);
            if (!with_children)
                return;
            for (HWND child = GetWindow(control, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                if (IsWindowVisible(child))
                    InvalidateRect(child, nullptr, TRUE);
            }
        });
    };
    invalidate(record.list_control_list, true, true);
    invalidate(record.edit_list, true, false);
    invalidate(record.combo_list, true, false);
    invalidate(record.button_list, false, false);
    invalidate(record.trackbar_list, false, false);
    invalidate(record.progress_list, false, false);
    invalidate(record.updown_list, false, false);
}

} // namespace

void free_frame_images(SkinnedWindow& record) {
    if (record.background_dc) {
        const auto first = props::get_handle<HBITMAP>(record.window, props::kComposedOldBitmap);
        const auto composed = props::get_handle<HBITMAP>(record.window, props::kComposedBitmap);
        HGDIOBJ current = first ? SelectObject(record.background_dc, first) : nullptr;
        if (current)
            DeleteObject(current);
        // The bitmap coming out is normally the composed one; it is deleted once.
        if (composed && composed != current)
            DeleteObject(composed);
        if (current || composed)
            gdi::count_released(1);
        DeleteDC(record.background_dc);
        gdi::count_released(1);
        record.background_dc = nullptr;
    }
    if (record.window) {
        RemovePropW(record.window, props::kComposedOldBitmap);
        RemovePropW(record.window, props::kComposedBitmap);
    }
    free_saved_background(caption_background(record));
    free_saved_background(status_background(record));
}

void SkinObject::paint_window(int number, HDC /*paint_dc: the caller's, not drawn into*/, bool present) {
    SkinnedWindow* record = window_record(number);
    if (!record)
        return;
    const RECT client = give_rounded_shape(record->window);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (!select_new_composed_bitmap(*record, width, height))
        return;

    gdiplus::Graphics graphics;
    graphics.create_from_hdc(record->background_dc);
    paint_background(graphics, number);
    if (record->framed) {
        paint_border(number, graphics);
        graphics.flush();
        save_background(caption_background(*record), record->background_dc, 0, 0, width, record->caption_height);
    }
    graphics.flush();
    const RECT& status = record->status_rect;
    save_background(status_background(*record), record->background_dc, status.left, status.top,
                    status.right - status.left, status.bottom - status.top);
    if (record->framed) {
        if (record->show_caption)
            paint_caption(number, graphics, true);
        for (int button = 1; button <= record->title_button_count(); ++button)
            draw_title_button(number, button, graphics, true);
    }
    if (record->status_height > 0) {
        for (int pane = 1; pane <= static_cast<int>(record->status_panes.size()); ++pane)
            paint_status_pane(number, graphics, true, pane);
    }
    graphics.destroy();

    record->needs_render = false;
    if (!present)
        return;
    {
        const WindowDc screen(record->window);
        exclude_opaque_children(screen.get(), record->window);
        BitBlt(screen.get(), 0, 0, width, height, record->background_dc, 0, 0, SRCCOPY);
    }
    if (!first_size_pending)
        invalidate_skinned_controls(*record);
}

void SkinObject::present_window(int number, HDC paint_dc) {
    const SkinnedWindow* record = window_record(number);
    if (!record || !record->background_dc || !paint_dc)
        return;
    RECT bounds{};
    GetWindowRect(record->window, &bounds);
    // The caller's DC keeps its own clip.
    const int saved = SaveDC(paint_dc);
    exclude_opaque_children(paint_dc, record->window);
    BitBlt(paint_dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top, record->background_dc, 0, 0,
           SRCCOPY);
    RestoreDC(paint_dc, saved);
}

void SkinObject::paint_border(int number, gdiplus::Graphics& graphics) {
    const SkinnedWindow* record = window_record(number);
    if (!record)
        return;
    RECT client{};
    GetClientRect(record->window, &client);
    const auto width = static_cast<float>(client.right - client.left);
    const auto height = static_cast<float>(client.bottom - client.top);
    gdiplus::GraphicsPath outer(Gdiplus::FillModeAlternate);
    add_round_rect(outer, 0, 0, width - 1, height - 1, 7);
    graphics.draw_path(gdiplus::Pen(to_argb(0x000000, 180), 1), outer);
    gdiplus::GraphicsPath inner(Gdiplus::FillModeAlternate);
    add_round_rect(inner, 1, 1, width - 3, height - 3, 6);
    graphics.draw_path(gdiplus::Pen(to_argb(0xFFFFFF, 180), 1), inner);
}

void SkinObject::restore_caption_rect(int number, const RECT& rect) {
    const SkinnedWindow* record = window_record(number);
    if (!record || !record->background_dc || !record->caption_back_dc)
        return;
    BitBlt(record->background_dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
           record->caption_back_dc, rect.left, rect.top, SRCCOPY);
}

void SkinObject::restore_status_rect(int number, const RECT& rect) {
    const SkinnedWindow* record = window_record(number);
    if (!record || !record->background_dc || !record->status_back_dc)
        return;
    BitBlt(record->background_dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
           record->status_back_dc, rect.left - record->status_rect.left, rect.top - record->status_rect.top, SRCCOPY);
}

} // namespace pantrove
