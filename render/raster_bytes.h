// The byte buffer of a display raster. Sizing it leaves the new bytes as
// they are: whoever sizes a raster writes every dot of it, so filling a
// large raster with zeros first (on one thread, before the rendering
// threads start) would only cost time.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

template <class T>
struct UninitialisedAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    UninitialisedAllocator() = default;
    template <class U>
    UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}

    // Default-initialised: no value for trivial types.
    template <class U>
    void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

using RasterBytes = std::vector<std::uint8_t, UninitialisedAllocator<std::uint8_t>>;
