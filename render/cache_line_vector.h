// A vector whose elements start on a cache line: the resampling kernel
// reads its working values a whole vector register at a time, and a
// register's worth that straddled two lines would cost two reads.
#pragma once

#include <cstddef>
#include <new>
#include <vector>

constexpr std::size_t CACHE_LINE = 64;

template <class T>
struct CacheLineAllocator {
    using value_type = T;
    CacheLineAllocator() = default;
    template <class U>
    CacheLineAllocator(const CacheLineAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        return static_cast<T*>(::operator new(n * sizeof(T), std::align_val_t(CACHE_LINE)));
    }
    void deallocate(T* p, std::size_t) noexcept { ::operator delete(p, std::align_val_t(CACHE_LINE)); }

    template <class U>
    bool operator==(const CacheLineAllocator<U>&) const noexcept {
        return true;
    }
};

template <class T>
using CacheLineVector = std::vector<T, CacheLineAllocator<T>>;
