// Closed chains (the boundary's cracks, the edge samples) are indexed
// modulo their length, from either side of zero.
#pragma once

#include <cstddef>
#include <vector>

namespace trace {

// i folded into 0 .. n - 1; n must be positive.
inline int CyclicIndex(int i, int n) { return ((i % n) + n) % n; }

template <class T>
const T& CyclicAt(const std::vector<T>& chain, int i) {
    return chain[std::size_t(CyclicIndex(i, int(chain.size())))];
}

}  // namespace trace
