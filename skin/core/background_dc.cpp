#include "skin/core/background_dc.h"

#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/path.h"
#include "skin/core/drawing.h"
#include "skin/core/skin_state.h"

#include <algorithm>

namespace pantrove {

namespace {

// A registered DC holds two handles: itself and its bitmap.
constexpr long kHandlesPerEntry = 2;

// A top-down 32-bit DIB section, which Windows fills with zeros.
gdi::Bitmap make_blank_bitmap(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return gdi::Bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

// A coloured container is tinted over its background: a group box inside the rounded body below its label
// line, any other container all over.
void tint_container(HDC dc, const ContainerEntry& container, const RECT& r) {
    gdiplus::Graphics graphics;
    if (!graphics.create_from_hdc(dc))
        return;
    const gdiplus::SolidBrush brush(to_argb(container.fill_colour, container.fill_alpha));
    if (container.group_box) {
        gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
        add_round_rect(path, 0, 5, static_cast<float>(r.right), static_cast<float>(r.bottom - 6), 5);
        graphics.fill_path(brush, path);
    } else {
        graphics.fill_rectangle(brush, 0, 0, static_cast<float>(r.right - r.left),
                                static_cast<float>(r.bottom - r.top));
    }
}

} // namespace

HDC make_background_dc(HWND hwnd, const RECT& r) {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const int own_number = find_window_number(hwnd);
    const int number = own_number > 0 ? own_number : find_window_record(hwnd);
    const SkinnedWindow* owner = window_record(number);
    // Nothing is made before the owner is known, so a control outside any skinned window costs nothing.
    if (!owner || width <= 0 || height <= 0)
        return nullptr;

    gdi::Bitmap bitmap = make_blank_bitmap(width, height);
    gdi::MemoryDc dc(nullptr);
    if (!bitmap || !dc)
        return nullptr;
    HGDIOBJ replaced = SelectObject(dc.get(), bitmap.get());
    if (!replaced)
        return nullptr;

    POINT offset{0, 0};
    if (own_number == 0) {
        RECT control{}, window{};
        GetWindowRect(hwnd, &control);
        GetWindowRect(owner->window, &window);
        offset = POINT{control.left - window.left, control.top - window.top};
    }
    if (owner->background_dc)
        BitBlt(dc.get(), 0, 0, width, height, owner->background_dc, offset.x + r.left, offset.y + r.top, SRCCOPY);

    if (const int container = find_container_number(number, hwnd); container > 0) {
        const ContainerEntry& entry = owner->container_list[container];
        if (entry.fill_colour != 0)
            tint_container(dc.get(), entry, r);
    }

    HDC result = dc.release();
    register_memory_dc(result, bitmap.release(), replaced);
    return result;
}

bool free_background_dc(HDC dc) {
    if (!dc)
        return false;
    const auto entry =
        std::find_if(dc_registry.begin(), dc_registry.end(), [dc](const RegisteredDc& e) { return e.dc == dc; });
    if (entry == dc_registry.end())
        return false;
    if (HGDIOBJ current = SelectObject(dc, entry->replaced))
        DeleteObject(current);
    DeleteDC(dc);
    dc_registry.erase(entry);
    gdi::count_released(kHandlesPerEntry);
    return true;
}

gdi::Bitmap make_backdrop_bitmap(HWND hwnd) {
    const RECT r = client_rect_in_window(hwnd);
    HDC dc = make_background_dc(hwnd, r);
    if (!dc)
        return {};
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    {
        // The graphics object must be gone before the copy: GDI+ may hold drawing back until then.
        gdiplus::Graphics graphics;
        if (graphics.create_from_hdc(dc)) {
            const gdiplus::SolidBrush veil(to_argb(0xFFFFFF, control_alpha));
            graphics.fill_rectangle(veil, 0, 0, static_cast<float>(width), static_cast<float>(height));
        }
    }
    return copy_dc_to_bitmap(dc, width, height);
}

gdi::Bitmap copy_dc_to_bitmap(HDC dc, int width, int height) {
    if (!dc)
        return {};
    gdi::Bitmap bitmap(CreateCompatibleBitmap(dc, width, height));
    if (bitmap) {
        gdi::MemoryDc copy(dc);
        if (copy) {
            const gdi::SelectGuard select(copy.get(), bitmap.get());
            BitBlt(copy.get(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
        }
    }
    free_background_dc(dc);
    return bitmap;
}

void register_memory_dc(HDC dc, HBITMAP bitmap, HGDIOBJ replaced) {
    if (!dc)
        return;
    for (RegisteredDc& entry : dc_registry) {
        if (entry.dc == dc) {
            entry.bitmap = bitmap;
            entry.replaced = replaced;
            return;
        }
    }
    dc_registry.push_back(RegisteredDc{dc, bitmap, replaced});
    gdi::count_held(kHandlesPerEntry);
}

} // namespace pantrove
