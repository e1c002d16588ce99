// Owners of GDI handles. Each type releases its handle on every path and counts the handles it holds, so
// tests can prove that painting gives back everything it made (GetGuiResources reports nothing under wine).
#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

namespace pantrove::gdi {

// GDI objects (fonts, bitmaps, brushes, pens, regions) and DCs currently held by the owners below.
long live_objects();

namespace detail {
extern std::atomic<long> live_count;
}

// Owns an HFONT, HBITMAP, HBRUSH, HPEN or HRGN and deletes it with DeleteObject.
template <class Handle> class Object {
public:
    Object() = default;
    explicit Object(Handle handle) : handle_(handle) {
        if (handle_)
            ++detail::live_count;
    }
    Object(Object&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Object& operator=(Object&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    ~Object() { reset(); }

    [[nodiscard]] Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    void reset(Handle handle = nullptr) {
        if (handle_) {
            DeleteObject(handle_);
            --detail::live_count;
        }
        handle_ = handle;
        if (handle_)
            ++detail::live_count;
    }

    // Gives up ownership, for a handle that Windows takes over.
    [[nodiscard]] Handle release() {
        if (handle_)
            --detail::live_count;
        return std::exchange(handle_, nullptr);
    }

private:
    Handle handle_ = nullptr;
};

using Font = Object<HFONT>;
using Bitmap = Object<HBITMAP>;
using Brush = Object<HBRUSH>;
using Pen = Object<HPEN>;
using Region = Object<HRGN>;

} // namespace pantrove::gdi
