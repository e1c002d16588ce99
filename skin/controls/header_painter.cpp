#include "skin/controls/header_controls.h"

#include "gdiplus/image.h"
#include "gdiplus/pen.h"
#include "gdiplus/text.h"
#include "skin/controls/composition.h"
#include "skin/controls/control_registry.h"
#include "skin/core/drawing.h"
#include "skin/core/gdi_objects.h"
#include "text/wide_text.h"

#include <commctrl.h>

#include <array>
#include <string>
#include <string_view>

namespace pantrove {

namespace {

// An icon of an image list, destroyed with the owner; counted with the GDI objects so that a paint that
// keeps one shows in the leak checks.
class ListIcon {
public:
    ListIcon(HIMAGELIST list, int index)
        : icon_(list && index >= 0 ? ImageList_GetIcon(list, index, ILD_TRANSPARENT) : nullptr) {
        if (icon_) {
            gdi::count_held(1);
            ImageList_GetIconSize(list, &width_, &height_);
        }
    }
    ListIcon(const ListIcon&) = delete;
    ListIcon& operator=(const ListIcon&) = delete;
    ~ListIcon() {
        if (icon_) {
            DestroyIcon(icon_);
            gdi::count_released(1);
        }
    }
    [[nodiscard]] HICON get() const { return icon_; }
    [[nodiscard]] int width() const { return icon_ ? width_ : 0; }
    [[nodiscard]] int height() const { return icon_ ? height_ : 0; }

private:
    HICON icon_;
    int width_ = 0;
    int height_ = 0;
};

struct Column {
    RECT rect{};
    TextValue title;
    int format = 0;
    int image = -1;
};

Column read_column(HWND header, int index) {
    Column column;
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column.rect));
    std::array<wchar_t, 260> text{};
    HDITEMW item{};
    item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    if (SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) {
        // Some headers hand back their own buffer instead of filling ours.
        const wchar_t* title = item.pszText && item.pszText != LPSTR_TEXTCALLBACKW ? item.pszText : L"";
        column.title = narrow(title);
        column.format = item.fmt;
        column.image = item.iImage;
    }
    return column;
}

// Where the icon (and after it the title) starts in a column of width w, the bitmap margin being m.
int content_left(int format, int icon_width, int text_width, int m, int w) {
    const bool crowded = icon_width + m + text_width >= w;
    if (format & HDF_RIGHT)
        return crowded ? m : w - icon_width - text_width;
    if (format & HDF_CENTER)
        return crowded ? m : (w - icon_width - m - text_width) / 2;
    return m;
}

// The right edge of the list view owning the header, in the header's coordinates; none for a header of its
// own.
std::optional<LONG> list_view_right(HWND header) {
    HWND parent = GetParent(header);
    if (!parent || class_name_of(parent) != "SysListView32")
        return std::nullopt;
    RECT client = client_rect_of(parent);
    MapWindowPoints(parent, header, reinterpret_cast<POINT*>(&client), 2);
    return client.right;
}

struct CellLook {
    bool has_buttons = false;
    bool hot = false;
    bool pressed = false;
};

// The title as far as it fits in width pixels: whole, or its longest beginning that fits with "…" after it.
// GDI+ cuts a line that is too long by itself, but not every GDI+ draws the ellipsis.
TextValue fitted_title(const gdiplus::Graphics& graphics, const TextValue& title, const gdiplus::Font& font,
                       const gdiplus::StringFormat& format, int width) {
    const auto fits = [&](std::string_view text) {
        return graphics.measure_string(text, font, gdiplus::RectF(0, 0, 0, 0), &format).Width <=
               static_cast<float>(width);
    };
    if (fits(title))
        return title;
    // Cut between characters, never inside a double-byte one.
    const std::wstring wide = widen(title);
    size_t shortest = 0, longest = wide.size() - 1; // the beginning's length; the longest that may fit
    while (shortest < longest) {
        const size_t middle = (shortest + longest + 1) / 2;
        if (fits(narrow(wide.substr(0, middle) + L"\u2026")))
            shortest = middle;
        else
            longest = middle - 1;
    }
    return narrow(wide.substr(0, shortest) + L"\u2026");
}

// The title in black, left and top aligned on one line, in the font of the header.
void draw_title(gdiplus::Graphics& graphics, const HeaderEntry& entry, const TextValue& title, int x, int width,
                float h) {
    // GDI+ takes a layout width of 0 for no limit at all: a column too narrow for its margins gets no title.
    if (title.empty() || width <= 0)
        return;
    gdiplus::Font font;
    gdiplus::StringFormat format;
    // One line: a title wrapped in a header shows the top of its second line under a cut first one.
    if (!font.create(entry.font_face, static_cast<float>(entry.font_size), entry.font_style) ||
        !format.create(Gdiplus::StringFormatFlagsNoWrap))
        return;
    format.set_trimming(Gdiplus::StringTrimmingEllipsisCharacter);
    graphics.draw_string(fitted_title(graphics, title, font, format, width), font,
                         gdiplus::RectF(static_cast<float>(x), 0, static_cast<float>(width), h),
                         gdiplus::SolidBrush(to_argb(0x000000)), &format);
}

void compose_cell(gdiplus::Graphics& graphics, const HeaderEntry& entry, const Column& column, const CellLook& look,
                  HIMAGELIST images, int m, int cell_width) {
    const auto w = static_cast<float>(column.rect.right - column.rect.left);
    const int height = column.rect.bottom - column.rect.top;
    const auto h = static_cast<float>(height);
    const auto cw = static_cast<float>(cell_width);

    paint_backdrop(graphics, 0, 0, cw, h);
    if (look.has_buttons)
        graphics.fill_rectangle(vertical_gradient(0, to_argb(0xFFFFFF, 80), h, to_argb(theme_colour, 120)), 0, 0, cw,
                                h);
    else
        graphics.fill_rectangle(vertical_gradient(0, to_argb(theme_colour, 60), h, to_argb(theme_colour, 10)), 0, 0, cw,
                                h);
    if (look.hot)
        graphics.fill_rectangle(vertical_gradient(0, to_argb(theme_colour, 60), h, to_argb(0x000000, 30)), 0, 0, w, h);
    if (look.pressed)
        graphics.fill_rectangle(vertical_gradient(0, to_argb(0x000000, 30), h, to_argb(0xFFFFFF, 120)), 0, 0, w, h);

    gdiplus::Pen divider;
    if (divider.create(vertical_gradient(0, to_argb(0x000000, 60), h, to_argb(0xFFFFFF, 50)), 1))
        graphics.draw_line(divider, w - 1, 0, w - 1, h);

    const ListIcon icon((column.format & HDF_IMAGE) ? images : nullptr, column.image);
    const int text_width = measure_text_width(column.title, entry.font_face, entry.font_size, entry.font_style);
    const int width = column.rect.right - column.rect.left;
    const int x = content_left(column.format, icon.width(), text_width, m, width);
    if (icon.get()) {
        gdiplus::Bitmap picture;
        if (picture.create_from_hicon(icon.get()))
            graphics.draw_image(picture, static_cast<float>(x), static_cast<float>((height - icon.height()) / 2),
                                static_cast<float>(icon.width()), static_cast<float>(icon.height()));
    }
    draw_title(graphics, entry, column.title, x + icon.width(), width - icon.width() - 2 * m, h);
}

} // namespace

void paint_header(int window_number, int entry_number, HDC dc) {
    SkinnedWindow* window = window_record(window_number);
    const HeaderEntry* entry = window ? window->header_list.find(entry_number) : nullptr;
    if (!entry || !entry->handle)
        return;
    HWND header = entry->handle;
    std::optional<WindowDc> own_dc;
    if (!dc) {
        own_dc.emplace(header);
        dc = own_dc->get();
    }
    if (!dc)
        return;
    const auto count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    const auto m = static_cast<int>(SendMessageW(header, HDM_GETBITMAPMARGIN, 0, 0));
    const std::optional<LONG> list_right = list_view_right(header);
    for (int i = 1; i <= count; ++i) {
        const Column column = read_column(header, i - 1);
        RECT cell = column.rect;
        if (i == count && list_right && cell.right < *list_right)
            cell.right = *list_right;
        const BackgroundImage image(header, cell);
        {
            gdiplus::Graphics graphics;
            if (!open_graphics(graphics, image))
                continue;
            const CellLook look{entry->has_buttons, entry->has_buttons && entry->hot && i == entry->drawn_hot_item,
                                entry->has_buttons && i == entry->pressed_item};
            compose_cell(graphics, *entry, column, look, entry->image_list, m, cell.right - cell.left);
        }
        image.copy_to(dc, cell.left, cell.top);
    }
}

int measure_text_width(std::string_view text, std::string_view face, int size, int style) {
    const gdi::MemoryDc dc(nullptr);
    gdiplus::Graphics graphics;
    gdiplus::Font font;
    if (!dc || !graphics.create_from_hdc(dc.get()) || !font.create(face, static_cast<float>(size), style))
        return 1;
    return static_cast<int>(graphics.measure_string(text, font, gdiplus::RectF(0, 0, 0, 0)).Width) + 1;
}

} // namespace pantrove
