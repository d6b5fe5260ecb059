// A GDI object of the program's own (a font, a bitmap, a brush), deleted when another takes
// its place and when its owner goes.
#pragma once

#include <windows.h>

#include <utility>

namespace win {

template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_ && handle_ != handle)
            DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_{nullptr};
};

}  // namespace win
