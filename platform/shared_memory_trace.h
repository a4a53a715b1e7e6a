// The diagnostic trace: lines written into a shared memory that an outside
// monitor creates. The program only opens an existing one and does nothing
// when there is none.
//
// Layout: byte 4 holds a 32-bit line counter; from byte 8 follow 32 slots of
// 1034 bytes. A line goes to slot (counter mod 32): the local time
// "hh:mm:ss" with its zero byte in bytes 0..8, from byte 9 the text (at most
// 1024 bytes) and a zero byte; then the counter grows by one.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

inline constexpr char TRACE_SHARED_MEMORY[] = "/DDM_SharedMem_Test";

inline constexpr std::size_t TRACE_COUNTER_OFFSET = 4;
inline constexpr std::size_t TRACE_SLOTS_OFFSET = 8;
inline constexpr std::size_t TRACE_SLOT_COUNT = 32;
inline constexpr std::size_t TRACE_SLOT_SIZE = 1034;
inline constexpr std::size_t TRACE_TIME_SIZE = 9;
inline constexpr std::size_t TRACE_TEXT_LIMIT = 1024;
inline constexpr std::size_t TRACE_MAPPING_SIZE = TRACE_SLOTS_OFFSET + TRACE_SLOT_COUNT * TRACE_SLOT_SIZE;

struct TraceTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Puts one line into a mapping of size bytes. False (nothing written) when
// the mapping is smaller than the layout.
bool PutTraceLine(unsigned char* mapping, std::size_t size, const std::string& text, TraceTime time);

// Opens the existing shared memory name, puts the line stamped with the
// local time, and releases the mapping. False when there is no such shared
// memory or it is too small.
bool WriteTraceLine(const std::string& text, const char* name = TRACE_SHARED_MEMORY);

}  // namespace platform
