#include "gdiplus/object.h"

#include <atomic>

namespace pantrove::gdiplus {

namespace {
thread_local Status latest = Gdiplus::Ok;
std::atomic<long> live_count{0};
} // namespace

Status last_status() {
    return latest;
}

long live_objects() {
    return live_count.load();
}

namespace detail {

bool record(Status status) {
    latest = status;
    return status == Gdiplus::Ok;
}

void count_acquired() {
    ++live_count;
}

void count_released() {
    --live_count;
}

Status delete_native(GpGraphics* handle) {
    return flat::GdipDeleteGraphics(handle);
}
Status delete_native(GpPath* handle) {
    return flat::GdipDeletePath(handle);
}
Status delete_native(GpPen* handle) {
    return flat::GdipDeletePen(handle);
}
Status delete_native(GpBrush* handle) {
    return flat::GdipDeleteBrush(handle);
}
Status delete_native(GpFont* handle) {
    return flat::GdipDeleteFont(handle);
}
Status delete_native(GpFontFamily* handle) {
    return flat::GdipDeleteFontFamily(handle);
}
Status delete_native(GpStringFormat* handle) {
    return flat::GdipDeleteStringFormat(handle);
}
Status delete_native(GpImage* handle) {
    return flat::GdipDisposeImage(handle);
}
Status delete_native(GpRegion* handle) {
    return flat::GdipDeleteRegion(handle);
}
Status delete_native(GpMatrix* handle) {
    return flat::GdipDeleteMatrix(handle);
}

} // namespace detail
} // namespace pantrove::gdiplus
