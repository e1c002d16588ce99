// Owners of GDI handles. Each type releases its handle on every path and counts the handles it holds, so
// tests can prove that painting gives back everything it made (GetGuiResources reports nothing under wine).
#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

namespace pantrove::gdi {

// GDI objects (fonts, bitmaps, brushes, pens, regions) and DCs currently held by the owners below, plus the
// handles counted with count_held.
long live_objects();

// For handles kept outside these owners on purpose (the DCs and bitmaps of dc_registry), so that one never
// given back still shows in live_objects.
void count_held(long handles);
void count_released(long handles);

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

// Owns a memory DC made by CreateCompatibleDC and deletes it with DeleteDC.
class MemoryDc {
public:
    MemoryDc() = default;
    // A memory DC compatible with `compatible` (the screen when null); empty when it cannot be made.
    explicit MemoryDc(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {
        if (dc_)
            ++detail::live_count;
    }
    MemoryDc(MemoryDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    MemoryDc& operator=(MemoryDc&& other) noexcept {
        if (this != &other) {
            reset();
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() { reset(); }

    [[nodiscard]] HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

    void reset() {
        if (dc_) {
            DeleteDC(dc_);
            --detail::live_count;
        }
        dc_ = nullptr;
    }

    // Gives up ownership, for a DC kept elsewhere.
    [[nodiscard]] HDC release() {
        if (dc_)
            --detail::live_count;
        return std::exchange(dc_, nullptr);
    }

private:
    HDC dc_ = nullptr;
};

// Selects an object into a DC for one scope and puts back the object it replaced.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), replaced_(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (replaced_)
            SelectObject(dc_, replaced_);
    }

    // Null when the selection failed.
    [[nodiscard]] HGDIOBJ replaced() const { return replaced_; }

private:
    HDC dc_;
    HGDIOBJ replaced_;
};

using Font = Object<HFONT>;
using Bitmap = Object<HBITMAP>;
using Brush = Object<HBRUSH>;
using Pen = Object<HPEN>;
using Region = Object<HRGN>;

} // namespace pantrove::gdi
