// An owned, uninitialised byte buffer for pixels: filled by a decoder, then
// handed to an image without a copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

class PixelBuffer {
public:
    PixelBuffer() = default;
    // Allocates bytes bytes (not cleared). Throws std::bad_alloc.
    explicit PixelBuffer(std::size_t bytes)
        : data_(bytes ? new std::uint8_t[bytes] : nullptr), size_(bytes) {}
    PixelBuffer(PixelBuffer&& other) noexcept
        : data_(std::move(other.data_)), size_(std::exchange(other.size_, 0)) {}
    PixelBuffer& operator=(PixelBuffer&& other) noexcept {
        data_ = std::move(other.data_);
        size_ = std::exchange(other.size_, 0);
        return *this;
    }

    std::uint8_t* data() { return data_.get(); }
    const std::uint8_t* data() const { return data_.get(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    void Reset() {
        data_.reset();
        size_ = 0;
    }

private:
    std::unique_ptr<std::uint8_t[]> data_;
    std::size_t size_ = 0;
};
