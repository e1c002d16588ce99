// The pictures the program carries in its own resources (RCDATA): the title-button and glyph PNGs and the two
// background JPEGs.
#pragma once

#include "text/text_types.h"

#include <cstdint>
#include <span>

namespace pantrove {

enum class Picture {
    Help,
    MainMenu,
    Minimise,
    Maximise,
    Restore,
    Close,
    CheckFrame,
    CheckMark,
    ArrowDown,
    ArrowUp,
    ArrowLeft,
    ArrowRight,
    BackgroundSmall,
    BackgroundWide,
};

// The RCDATA number of a picture (resources/resource_ids.h).
int resource_id(Picture picture);

// The bytes of an RCDATA resource of the running program, in place: they live as long as the process. Empty when
// the program has no such resource.
std::span<const std::uint8_t> embedded_view(int resource_id);
std::span<const std::uint8_t> embedded_view(Picture picture);

// A copy of those bytes, for callers that keep or hand on a ByteArray.
ByteArray embedded_bytes(int resource_id);
ByteArray embedded_bytes(Picture picture);

} // namespace pantrove
