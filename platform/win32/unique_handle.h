// Owns a system handle and frees it once, whatever path the code leaves by: kernel handles here,
// GDI objects and icons in gdi_objects.h.
#pragma once

#include <windows.h>

#include <utility>

namespace tess::win32 {

// `Free` is called on a handle that is not null.
template <class Handle, auto Free>
class UniqueOf {
public:
    UniqueOf() = default;
    explicit UniqueOf(Handle h) : h_(h) {}
    ~UniqueOf() { Reset(); }
    UniqueOf(UniqueOf&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    UniqueOf& operator=(UniqueOf&& other) noexcept {
        if (this != &other) {
            Reset();
            h_ = std::exchange(other.h_, nullptr);
        }
        return *this;
    }
    UniqueOf(const UniqueOf&) = delete;
    UniqueOf& operator=(const UniqueOf&) = delete;

    explicit operator bool() const { return h_ != nullptr; }
    Handle get() const { return h_; }
    // For a handle the system takes over (a window's region).
    Handle release() { return std::exchange(h_, nullptr); }
    void Reset() {
        if (h_) Free(h_);
        h_ = nullptr;
    }

private:
    Handle h_ = nullptr;
};

inline void CloseKernelHandle(HANDLE h) { CloseHandle(h); }

// A kernel handle; INVALID_HANDLE_VALUE, which some calls return for "none", counts as none.
class UniqueHandle : public UniqueOf<HANDLE, &CloseKernelHandle> {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE h) : UniqueOf(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
};

}  // namespace tess::win32
