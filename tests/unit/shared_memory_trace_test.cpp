#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/shared_memory_trace.h"

using namespace platform;

namespace {

int32_t Counter(const std::vector<unsigned char>& m) {
    int32_t c = 0;
    std::memcpy(&c, m.data() + TRACE_COUNTER_OFFSET, sizeof c);
    return c;
}

void SetCounter(std::vector<unsigned char>& m, int32_t c) {
    std::memcpy(m.data() + TRACE_COUNTER_OFFSET, &c, sizeof c);
}

const unsigned char* Slot(const std::vector<unsigned char>& m, int k) {
    return m.data() + TRACE_SLOTS_OFFSET + k * TRACE_SLOT_SIZE;
}

std::string SlotText(const std::vector<unsigned char>& m, int k) {
    return reinterpret_cast<const char*>(Slot(m, k) + 9);
}

// A shared memory of the test's own, removed at the end.
class OwnSharedMemory {
public:
    explicit OwnSharedMemory(std::size_t size)
        : name_("/veldrio_trace_test_" + std::to_string(getpid())) {
        const int fd = shm_open(name_.c_str(), O_CREAT | O_EXCL | O_RDWR, 0600);
        if (fd >= 0) {
            ok_ = ftruncate(fd, static_cast<off_t>(size)) == 0;
            close(fd);
        }
    }
    ~OwnSharedMemory() { shm_unlink(name_.c_str()); }
    bool ok() const { return ok_; }
    const char* name() const { return name_.c_str(); }

    std::vector<unsigned char> Read() const {
        std::vector<unsigned char> bytes(TRACE_MAPPING_SIZE);
        const int fd = shm_open(name_.c_str(), O_RDONLY, 0);
        if (fd < 0) return {};
        void* m = mmap(nullptr, bytes.size(), PROT_READ, MAP_SHARED, fd, 0);
        close(fd);
        if (m == MAP_FAILED) return {};
        std::memcpy(bytes.data(), m, bytes.size());
        munmap(m, bytes.size());
        return bytes;
    }

private:
    std::string name_;
    bool ok_ = false;
};

}  // namespace

TEST(SharedMemoryTrace, LineGoesToTheCountersSlotWithItsTime) {
    std::vector<unsigned char> m(TRACE_MAPPING_SIZE, 0xAA);
    SetCounter(m, 33);
    ASSERT_TRUE(PutTraceLine(m.data(), m.size(), "Test1/ EditLSr=3 EditCell=2", {9, 5, 7}));
    EXPECT_EQ(Counter(m), 34);
    const unsigned char* slot = Slot(m, 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(slot)), "09:05:07");
    EXPECT_EQ(slot[8], 0);
    EXPECT_EQ(SlotText(m, 1), "Test1/ EditLSr=3 EditCell=2");
    EXPECT_EQ(slot[9 + 27], 0);
    // Nothing else was touched.
    EXPECT_EQ(slot[9 + 28], 0xAA);
    EXPECT_EQ(Slot(m, 0)[0], 0xAA);
    EXPECT_EQ(Slot(m, 2)[0], 0xAA);
    EXPECT_EQ(m[0], 0xAA);
}

TEST(SharedMemoryTrace, CounterWrapsAroundTheSlots) {
    std::vector<unsigned char> m(TRACE_MAPPING_SIZE, 0);
    SetCounter(m, 31);
    PutTraceLine(m.data(), m.size(), "a", {});
    PutTraceLine(m.data(), m.size(), "b", {});
    EXPECT_EQ(SlotText(m, 31), "a");
    EXPECT_EQ(SlotText(m, 0), "b");
    SetCounter(m, -1);  // a counter gone negative still picks a slot inside
    PutTraceLine(m.data(), m.size(), "c", {});
    EXPECT_EQ(SlotText(m, 31), "c");
    EXPECT_EQ(Counter(m), 0);
}

TEST(SharedMemoryTrace, LongTextIsCutToFitTheSlot) {
    std::vector<unsigned char> m(TRACE_MAPPING_SIZE + 1, 0xAA);
    SetCounter(m, 31);  // the last slot: its end is the end of the layout
    PutTraceLine(m.data(), m.size(), std::string(5000, 'x'), {23, 59, 59});
    EXPECT_EQ(SlotText(m, 31), std::string(1024, 'x'));
    EXPECT_EQ(m[TRACE_MAPPING_SIZE - 1], 0);
    EXPECT_EQ(m[TRACE_MAPPING_SIZE], 0xAA);
}

TEST(SharedMemoryTrace, TooSmallMappingIsLeftAlone) {
    std::vector<unsigned char> m(TRACE_MAPPING_SIZE - 1, 0);
    EXPECT_FALSE(PutTraceLine(m.data(), m.size(), "x", {}));
    EXPECT_EQ(Counter(m), 0);
    EXPECT_FALSE(PutTraceLine(nullptr, TRACE_MAPPING_SIZE, "x", {}));
}

TEST(SharedMemoryTrace, WritesIntoAnExistingSharedMemoryOnly) {
    EXPECT_FALSE(WriteTraceLine("x", "/veldrio_trace_test_absent"));
    // Nothing was created by the attempt.
    const int fd = shm_open("/veldrio_trace_test_absent", O_RDONLY, 0);
    EXPECT_LT(fd, 0);
    if (fd >= 0) close(fd);

    OwnSharedMemory shm(TRACE_MAPPING_SIZE);
    ASSERT_TRUE(shm.ok());
    EXPECT_TRUE(WriteTraceLine("Test2/ EditLSr=0 EditCell=1", shm.name()));
    EXPECT_TRUE(WriteTraceLine("Test3/ EditLSr=0 EditCell=1", shm.name()));
    const auto m = shm.Read();
    ASSERT_FALSE(m.empty());
    EXPECT_EQ(Counter(m), 2);
    EXPECT_EQ(SlotText(m, 0), "Test2/ EditLSr=0 EditCell=1");
    EXPECT_EQ(SlotText(m, 1), "Test3/ EditLSr=0 EditCell=1");
    EXPECT_EQ(Slot(m, 0)[2], ':');
}

TEST(SharedMemoryTrace, SharedMemorySmallerThanTheLayoutIsNotWritten) {
    OwnSharedMemory shm(100);
    ASSERT_TRUE(shm.ok());
    EXPECT_FALSE(WriteTraceLine("x", shm.name()));
}
