#include "app/skin_toggle.h"

#include "app/handlers.h"
#include "app/main_window.h"
#include "resources/embedded.h"
#include "skin/core/skin_object.h"
#include "text/wide_text.h"

namespace pantrove {
namespace {

constexpr int kStretched = 3; // the picture mode that stretches the picture over the client area

} // namespace

void skin_main_window(const ByteArray& picture, COLORREF back, COLORREF theme, HWND window, int control_alpha,
                      int caption_height, bool help_button, bool menu_button, bool show_caption) {
    skin->set_skin_picture(std::nullopt, picture, back, theme, kStretched);
    skin->set_control_options(1, control_alpha);
    SkinWindowOptions options;
    options.caption_height = caption_height;
    options.framed = true;
    options.resizable = true;
    options.help_button = help_button;
    options.menu_button = menu_button;
    options.show_caption = show_caption;
    options.caption_gloss = false;
    skin->skin_window(window, options);
}

void handle_skin_toggle(MainWindow& window) {
    HWND button = window.form().skin_button;
    const bool small_showing = window_text(button) == kSkinButtonSmall;
    set_window_text(button, small_showing ? kSkinButtonWide : kSkinButtonSmall);
    const ByteArray picture = embedded_bytes(small_showing ? Picture::BackgroundWide : Picture::BackgroundSmall);
    skin_main_window(picture, 0, 0, window.handle(), 0, 0, false, true, true);
}

} // namespace pantrove
