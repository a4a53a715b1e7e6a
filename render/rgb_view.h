// A picture as the rendering engine reads it: dots of 3 bytes (red, green,
// blue), rows from the top down, stride bytes from the start of one row to
// the start of the next (at least width x 3; what lies between rows is never
// read as a dot). The bytes stay the caller's: they must outlive every use
// of the view.
#pragma once

#include <cstddef>
#include <cstdint>

struct RgbView {
    const std::uint8_t* bytes = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    // The first dot of row y.
    const std::uint8_t* row(int y) const { return bytes + std::ptrdiff_t(y) * stride; }
    bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const RgbView&) const = default;
};

// Whether view can be read: no side below 0 and, unless it has no dot, bytes
// and rows of at least width x 3 bytes. A view that fails is refused by
// every routine that takes one.
inline bool IsReadable(const RgbView& view) {
    if (view.width < 0 || view.height < 0) return false;
    return view.empty() || (view.bytes != nullptr && view.stride >= std::ptrdiff_t(view.width) * 3);
}
