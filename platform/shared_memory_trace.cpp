#include "platform/shared_memory_trace.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace platform {

bool PutTraceLine(unsigned char* mapping, std::size_t size, const std::string& text, TraceTime time) {
    if (mapping == nullptr || size < TRACE_MAPPING_SIZE) return false;
    uint32_t counter = 0;
    std::memcpy(&counter, mapping + TRACE_COUNTER_OFFSET, sizeof counter);
    unsigned char* slot = mapping + TRACE_SLOTS_OFFSET + (counter % TRACE_SLOT_COUNT) * TRACE_SLOT_SIZE;

    char stamp[TRACE_TIME_SIZE + 8];
    std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d", time.hour % 100, time.minute % 100,
                  time.second % 100);
    std::memcpy(slot, stamp, TRACE_TIME_SIZE - 1);
    slot[TRACE_TIME_SIZE - 1] = 0;

    const std::size_t length = text.size() < TRACE_TEXT_LIMIT ? text.size() : TRACE_TEXT_LIMIT;
    std::memcpy(slot + TRACE_TIME_SIZE, text.data(), length);
    slot[TRACE_TIME_SIZE + length] = 0;

    ++counter;
    std::memcpy(mapping + TRACE_COUNTER_OFFSET, &counter, sizeof counter);
    return true;
}

bool WriteTraceLine(const std::string& text, const char* name) {
    const int fd = shm_open(name, O_RDWR, 0);
    if (fd < 0) return false;
    struct stat info {};
    bool written = false;
    if (fstat(fd, &info) == 0 && info.st_size >= static_cast<off_t>(TRACE_MAPPING_SIZE)) {
        void* mapping = mmap(nullptr, TRACE_MAPPING_SIZE, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (mapping != MAP_FAILED) {
            const std::time_t now = std::time(nullptr);
            std::tm local {};
            localtime_r(&now, &local);
            written = PutTraceLine(static_cast<unsigned char*>(mapping), TRACE_MAPPING_SIZE, text,
                                   {local.tm_hour, local.tm_min, local.tm_sec});
            munmap(mapping, TRACE_MAPPING_SIZE);
        }
    }
    close(fd);
    return written;
}

}  // namespace platform
