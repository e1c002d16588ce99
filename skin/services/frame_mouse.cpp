#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/services/frame_zones.h"

namespace pantrove {
namespace {

void start_caption_drag(HWND window) {
    SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

} // namespace

int SkinObject::on_frame_mouse_down(int number, LPARAM lparam, const RECT& client) {
    SkinnedWindow* record = pantrove::window_record(number);
    if (!record)
        return 0;
    const int x = x_of(lparam), y = y_of(lparam);
    if (x >= record->strip_x && x <= record->strip_x + record->strip_width && y <= record->strip_height && y > 2)
        return 1; // the title buttons answer this press
    if (!record->framed)
        return 0;
    // A window that is not resizable is moved by its caption and never sized, matching the cursor it shows.
    if (record->resizable) {
        if (const FrameZone* zone = frame_zone_at(x, y, client.right, client.bottom, frame_margin)) {
            record->needs_render = true; // the first paint after the sizing loop renders the new size
            SetCursor(LoadCursorW(nullptr, zone->cursor));
            SendMessageW(record->window, WM_SYSCOMMAND, zone->size_code, 0);
            return 0;
        }
    }
    if (y <= record->caption_height)
        start_caption_drag(record->window);
    return 0;
}

void SkinObject::set_frame_cursor(int number, LPARAM lparam, const RECT& client) const {
    const SkinnedWindow* record = pantrove::window_record(number);
    if (!record || !record->resizable)
        return;
    if (const FrameZone* zone = frame_zone_at(x_of(lparam), y_of(lparam), client.right, client.bottom, frame_margin))
        SetCursor(LoadCursorW(nullptr, zone->cursor));
}

} // namespace pantrove
