#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "skin/core/drawing.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_dc.h"
#include "skin/core/window_props.h"
#include "skin/services/decoded_pictures.h"
#include "skin/services/frame_rendering.h"

#include <cmath>

namespace pantrove {

namespace {

constexpr int kCloseKind = 0;
constexpr int kMaximizeKind = 1;
// The close button's top-right corner is rounded to meet the window's rounded corner.
constexpr int kCloseCorner = 5;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kRed = 0x0000FF;

// Where button b is drawn: one pixel left of its hit rectangle, one below the strip's top.
struct ButtonBox {
    int x, y, width, height;
};

ButtonBox drawn_box(const SkinnedWindow& record, const TitleButton& button) {
    return {static_cast<int>(button.hit_rect.x - 1), record.strip_y + 1, button.width, button.height};
}

const ByteArray& shown_picture(const SkinnedWindow& record, const TitleButton& button) {
    return button.kind == kMaximizeKind && record.maximized ? button.alt_image : button.image;
}

// Decoded once while a button holds the picture: a fade step draws it every 20 ms. An undecodable picture
// draws nothing.
void draw_picture(gdiplus::Graphics& graphics, const ByteArray& picture, float x, float y, float width, float height) {
    const std::shared_ptr<DecodedPicture> decoded = decoded_picture(picture);
    if (!decoded)
        return;
    const gdiplus::Bitmap bitmap = bitmap_over(*decoded);
    graphics.draw_image(bitmap, x, y, width, height);
}

// A gradient from the top of the box to its bottom; flipped beyond its ends so that the edge rows keep the
// end colours.
gdiplus::LinearGradientBrush vertical_gradient(float x, float top, float bottom, gdiplus::ARGB from, gdiplus::ARGB to) {
    gdiplus::LinearGradientBrush brush;
    brush.create({x, top}, {x, bottom}, from, to, Gdiplus::WrapModeTileFlipXY);
    return brush;
}

// A one-pixel pen painted with the brush.
gdiplus::Pen brush_pen(const gdiplus::Brush& brush) {
    gdiplus::Pen pen;
    pen.create(brush, 1);
    return pen;
}

// The close button's outline: left and top edges, a rounded top-right corner and the right edge, open at
// the bottom.
void add_close_outline(gdiplus::GraphicsPath& path, float x, float y, float w, float h, float corner) {
    path.add_line(x, y + h, x, y);
    path.add_line(x, y, x + w - corner, y);
    path.add_arc(x + w - corner, y, corner, corner, 270, 90);
    path.add_line(x + w, y + corner, x + w, y + h);
}

// The face's outline: rounded top corners, or the close button's outline.
gdiplus::GraphicsPath face_outline(bool close, int x, int y, int w, int h) {
    gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
    if (close) {
        add_close_outline(path, static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
                          static_cast<float>(h), kCloseCorner);
    } else {
        add_tab_path(path, x, y, w, h, 1);
    }
    return path;
}

// Copies the button's box of the composed image to the window.
void present_box(const SkinnedWindow& record, gdiplus::Graphics& graphics, const ButtonBox& box) {
    graphics.flush();
    const WindowDc screen(record.window);
    BitBlt(screen.get(), box.x, box.y, box.width, box.height, record.background_dc, box.x, box.y, SRCCOPY);
}

} // namespace

void SkinObject::draw_title_button(int number, int button, gdiplus::Graphics& graphics, bool no_present,
                                   std::optional<int> pressed, std::optional<int> opacity) {
    const SkinnedWindow* record = window_record(number);
    if (!record || !record->background_dc || button < 1 || button > record->title_button_count())
        return;
    const TitleButton& b = record->title_buttons[static_cast<size_t>(button - 1)];
    const ButtonBox box = drawn_box(*record, b);
    const auto x = static_cast<float>(box.x), y = static_cast<float>(box.y);
    const auto w = static_cast<float>(box.width), h = static_cast<float>(box.height);

    if (pressed.value_or(0) != 0) {
        graphics.create_from_hdc(record->background_dc);
        restore_caption_rect(number, RECT{box.x, box.y, box.x + box.width, box.y + box.height});
        const bool close = b.kind == kCloseKind;
        gdiplus::GraphicsPath shape(Gdiplus::FillModeAlternate);
        if (close)
            add_close_outline(shape, x, y, w, h, kCloseCorner);
        else
            shape.add_rectangle(x, y, w, h);
        graphics.fill_path(vertical_gradient(x, y, y + h, close ? to_argb(kRed, 255) : to_argb(kBlack, 80),
                                             close ? to_argb(kWhite, 30) : to_argb(kWhite, 5)),
                           shape);
        draw_picture(graphics, shown_picture(*record, b), x, y, w - 1, h);
        present_box(*record, graphics, box);
        graphics.destroy();
        return;
    }

    if (!no_present) {
        graphics.create_from_hdc(record->background_dc);
        graphics.set_smoothing_mode(Gdiplus::SmoothingModeAntiAlias);
    }
    draw_button_face(graphics, number, button, opacity);
    graphics.fill_rectangle(vertical_gradient(x, y, y + h, to_argb(kWhite, 50), to_argb(kBlack, 0)), x - 1, y, w + 1,
                            h - 1);
    draw_picture(graphics, shown_picture(*record, b), x, y, w, h);
    paint_button_separators(number, button, graphics);
    if (!no_present) {
        present_box(*record, graphics, box);
        graphics.destroy();
    }
}

void SkinObject::draw_button_face(gdiplus::Graphics& graphics, int number, int button, std::optional<int> opacity) {
    const SkinnedWindow* record = window_record(number);
    if (!record || button < 1 || button > record->title_button_count())
        return;
    const TitleButton& b = record->title_buttons[static_cast<size_t>(button - 1)];
    const int alpha = opacity.value_or(0);
    const int x = static_cast<int>(std::lround(b.hit_rect.x - 1));
    const int y = static_cast<int>(std::lround(b.hit_rect.y));
    const int w = b.width;
    const int h = b.height;
    graphics.flush();
    restore_caption_rect(number, RECT{x - 1, y, x - 1 + w + 2, y + h + 1});
    if (alpha <= 0)
        return; // an invisible face: only the background is restored

    const auto top = static_cast<float>(y);
    const auto fx = static_cast<float>(x);
    const auto bottom = static_cast<float>(y + h);
    const bool close = b.kind == kCloseKind;
    const gdiplus::GraphicsPath tab = face_outline(false, x, y, w, h);
    const int shade = static_cast<int>(std::lround(alpha / 5.0));
    graphics.fill_path(vertical_gradient(fx, top, bottom, to_argb(kBlack, shade), to_argb(kWhite, 0)), tab);
    const auto colour =
        vertical_gradient(fx, top, bottom, to_argb(close ? kRed : theme_colour, alpha), to_argb(kWhite, 0));
    if (close)
        graphics.fill_path(colour, face_outline(true, x, y, w, h));
    else
        graphics.fill_path(colour, tab);

    const int rim_height = static_cast<int>(std::lround(0.8 * h));
    const int rim_alpha = static_cast<int>(std::lround(0.8 * alpha));
    const gdiplus::Pen rim = brush_pen(vertical_gradient(fx, top, top + static_cast<float>(rim_height),
                                                         to_argb(kWhite, rim_alpha), to_argb(kWhite, 0)));
    graphics.draw_path(rim, face_outline(close, x, y, w - 1, rim_height));
}

void SkinObject::paint_button_separators(int number, int button, gdiplus::Graphics& graphics) {
    const SkinnedWindow* record = window_record(number);
    if (!record || button < 1 || button > record->title_button_count())
        return;
    const auto top = static_cast<float>(record->strip_y);
    const auto bottom = static_cast<float>(record->strip_y + record->strip_height);
    for (const int edge : {button, button + 1}) {
        if (edge > record->title_button_count())
            break;
        const auto sx =
            static_cast<float>(std::lround(record->title_buttons[static_cast<size_t>(edge - 1)].hit_rect.x - 2));
        // The strip's left edge is marked more strongly than the lines between buttons.
        const int alpha = edge == 1 ? 100 : 60;
        const gdiplus::Pen pen =
            brush_pen(vertical_gradient(sx, top, bottom - 3, to_argb(kBlack, alpha), to_argb(kBlack, 0)));
        graphics.draw_line(pen, sx, top + 1, sx, bottom - 4);
    }
}

int SkinObject::set_system_button_pictures(HWND window, const std::optional<ByteArray>& minimise,
                                           const std::optional<ByteArray>& maximise,
                                           const std::optional<ByteArray>& restore,
                                           const std::optional<ByteArray>& close) {
    const int number = window ? props::get_int(window, props::kOwnNumber) : 0;
    SkinnedWindow* record = window_record(number);
    if (!record)
        return 0;
    const int count = record->title_button_count();
    if (count < 1)
        return 0;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const bool has_minimise = (style & WS_MINIMIZEBOX) != 0;
    const bool has_maximise = (style & WS_MAXIMIZEBOX) != 0;
    // The system buttons stand at the right end of the strip: minimise, maximise/restore, close. A strip too
    // short for them keeps the pictures of the buttons it lacks.
    const auto set = [record](int button, ByteArray TitleButton::*field, const std::optional<ByteArray>& picture) {
        if (picture && button >= 1)
            record->title_button(button).*field = *picture;
    };
    if (has_maximise) {
        set(count - 1, &TitleButton::image, maximise);
        set(count - 1, &TitleButton::alt_image, restore);
    }
    if (has_minimise)
        set(has_maximise ? count - 2 : count - 1, &TitleButton::image, minimise);
    set(count, &TitleButton::image, close);
    for (int button = 1; button <= count; ++button) {
        gdiplus::Graphics graphics;
        draw_title_button(number, button, graphics, false, 0, 0);
    }
    return 1;
}

} // namespace pantrove
