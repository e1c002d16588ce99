// What every GDI+ wrapper shares: one owner per GDI+ object, the status of the latest call, and a count of
// the objects the wrappers hold so that tests can prove painting gives back everything it made.
#pragma once

#include "gdiplus/gdiplus_api.h"

#include <utility>

namespace pantrove::gdiplus {

// GDI+ status of the latest wrapper call made on this thread (Gdiplus::Ok is 0). Kept per thread: the
// window thread, the only one that draws, sees exactly the latest call, and a status set by another thread
// can never be read as the outcome of one's own call.
Status last_status();

// GDI+ objects (graphics, paths, pens, brushes, fonts, families, string formats, images, regions, matrices)
// currently held by wrappers, across all threads.
long live_objects();

namespace detail {

// Stores the status as the latest one and tells whether it is Ok.
bool record(Status status);

void count_acquired();
void count_released();

Status delete_native(GpGraphics* handle);
Status delete_native(GpPath* handle);
Status delete_native(GpPen* handle);
Status delete_native(GpBrush* handle);
Status delete_native(GpFont* handle);
Status delete_native(GpFontFamily* handle);
Status delete_native(GpStringFormat* handle);
Status delete_native(GpImage* handle);
Status delete_native(GpRegion* handle);
Status delete_native(GpMatrix* handle);

// Owns one GDI+ object. Movable, never copyable: two owners of one handle would delete it twice.
template <class Handle> class Owned {
public:
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    [[nodiscard]] Handle* get_native() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Deletes the object. Without an object it returns false and calls nothing.
    bool destroy() {
        if (!handle_)
            return false;
        const Status status = delete_native(std::exchange(handle_, nullptr));
        count_released();
        return record(status);
    }

protected:
    Owned() = default;
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            drop();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ~Owned() { drop(); }

    // Takes ownership of handle; whatever was held before is deleted.
    void set_native(Handle* handle) {
        drop();
        handle_ = handle;
        if (handle_)
            count_acquired();
    }

    // Runs a GDI+ creator that writes a new handle through its argument. The object held before is
    // deleted first, so after a failed creation the wrapper is empty.
    template <class Create> bool create_with(Create&& create) {
        drop();
        Handle* handle = nullptr;
        const Status status = create(&handle);
        if (status == Gdiplus::Ok)
            set_native(handle);
        return record(status);
    }

private:
    void drop() {
        if (handle_) {
            delete_native(std::exchange(handle_, nullptr));
            count_released();
        }
    }

    Handle* handle_ = nullptr;
};

} // namespace detail
} // namespace pantrove::gdiplus
