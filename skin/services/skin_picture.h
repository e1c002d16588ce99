// Preparing background pictures: their average colour, and the copy that melts into a fill colour towards
// one side and the bottom. A picture is read from the named file when a name is given, else decoded from the
// bytes; any format GDI+ decodes will do.
#pragma once

#include "text/text_types.h"

#include <windows.h>

#include <string_view>

namespace pantrove {

enum class FadeDirection { Right, Left };

// The mean colour of 2000 pixels spread over the picture, with 0xFF in the top byte. The samples follow a
// fixed sequence, so one picture always gives one colour. Black (0xFF000000) when nothing can be decoded.
[[nodiscard]] COLORREF average_colour(std::string_view file_name, const ByteArray& picture);

// The picture as PNG bytes at its own size, fading into fade_colour over the last 30 % of its width towards
// the right (or the left) edge and over the same number of rows towards the bottom. Empty when nothing can
// be decoded.
[[nodiscard]] ByteArray prepare_picture(std::string_view file_name, const ByteArray& picture, COLORREF fade_colour,
                                        FadeDirection direction);

// The picture as it is kept for a picture mode: prepared towards the right for mode 0, towards the left for
// mode 1, otherwise unchanged (the bytes copied, a file's picture encoded as PNG).
[[nodiscard]] ByteArray picture_for_mode(std::string_view file_name, const ByteArray& picture, COLORREF fade_colour,
                                         int mode);

} // namespace pantrove
