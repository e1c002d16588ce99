#include "resources/embedded.h"

#include "resources/resource_ids.h"

#include <windows.h>

namespace pantrove {

int resource_id(Picture picture) {
    switch (picture) {
    case Picture::Help:
        return PANTROVE_RC_HELP;
    case Picture::MainMenu:
        return PANTROVE_RC_MAIN_MENU;
    case Picture::Minimise:
        return PANTROVE_RC_MINIMISE;
    case Picture::Maximise:
        return PANTROVE_RC_MAXIMISE;
    case Picture::Restore:
        return PANTROVE_RC_RESTORE;
    case Picture::Close:
        return PANTROVE_RC_CLOSE;
    case Picture::CheckFrame:
        return PANTROVE_RC_CHECK_FRAME;
    case Picture::CheckMark:
        return PANTROVE_RC_CHECK_MARK;
    case Picture::ArrowDown:
        return PANTROVE_RC_ARROW_DOWN;
    case Picture::ArrowUp:
        return PANTROVE_RC_ARROW_UP;
    case Picture::ArrowLeft:
        return PANTROVE_RC_ARROW_LEFT;
    case Picture::ArrowRight:
        return PANTROVE_RC_ARROW_RIGHT;
    case Picture::BackgroundSmall:
        return PANTROVE_RC_BACKGROUND_SMALL;
    case Picture::BackgroundWide:
        return PANTROVE_RC_BACKGROUND_WIDE;
    }
    return 0;
}

std::span<const std::uint8_t> embedded_view(int resource_id) {
    // A loaded resource stays mapped with its module and needs no freeing (LoadResource handles are not
    // reference-counted on 32- or 64-bit Windows).
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resource_id), RT_RCDATA);
    if (found == nullptr)
        return {};
    const HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0)
        return {};
    return {static_cast<const std::uint8_t*>(bytes), size};
}

std::span<const std::uint8_t> embedded_view(Picture picture) {
    return embedded_view(resource_id(picture));
}

ByteArray embedded_bytes(int resource_id) {
    const auto view = embedded_view(resource_id);
    return ByteArray(view.begin(), view.end());
}

ByteArray embedded_bytes(Picture picture) {
    return embedded_bytes(resource_id(picture));
}

} // namespace pantrove
