#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"

#include <algorithm>

namespace pantrove {

void SkinObject::layout_window(int number) {
    const SkinnedWindow* record = window_record(number);
    if (!record)
        return;
    RECT client{};
    GetClientRect(record->window, &client);
    for (const DockedChild& docked : record->docked_list) {
        if (!docked.handle)
            continue;
        const LONG height = client.bottom - docked.top - record->status_height - 3;
        MoveWindow(docked.handle, 2, docked.top, std::max<LONG>(0, client.right - 4), std::max<LONG>(0, height), TRUE);
    }
}

} // namespace pantrove
