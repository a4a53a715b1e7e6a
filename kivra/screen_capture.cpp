// Screen grabs through the grabber the program registers, kept until the
// save that follows writes them.
#include <cstring>
#include <new>
#include <vector>

#include "kivra/kivra.h"
#include "kivra/kv_support.h"
#include "kivra/picture_writers.h"

namespace {

// Words the grab adds to the block after left, top, width and height.
constexpr std::size_t MARK_AT = 16;
constexpr std::size_t SERIAL_AT = 20;
constexpr std::int32_t MARK = 0x4B564342;  // "BCVK" read little-endian

struct Grabber {
    kvGrabFunction function = nullptr;
    void* context = nullptr;
};

Grabber& RegisteredGrabber() {
    static Grabber grabber;
    return grabber;
}

// The last capture of one writer family, waiting for its save.
struct Capture {
    kivra::HeldPicture picture;
    std::int32_t serial = 0;
};

Capture& RasterCapture() {
    static Capture capture;
    return capture;
}

Capture& LosslessCapture() {
    static Capture capture;
    return capture;
}

std::int32_t NextSerial() {
    static std::int32_t serial = 0;
    serial = serial == 0x7FFFFFFF ? 1 : serial + 1;
    return serial;
}

std::int32_t Grab(void* block, Capture& capture) {
    capture.picture.Reset();
    if (block == nullptr) return KV_ERR_ARGUMENT;
    const std::int32_t left = kivra::GetInt32(block, 0);
    const std::int32_t top = kivra::GetInt32(block, 4);
    const std::int32_t width = kivra::GetInt32(block, 8);
    const std::int32_t height = kivra::GetInt32(block, 12);
    if (!kivra::AcceptableSize(width, height)) return width <= 0 || height <= 0 ? KV_ERR_ARGUMENT : KV_ERR_TOO_LARGE;
    const Grabber grabber = RegisteredGrabber();
    if (grabber.function == nullptr) return KV_ERR_GRAB;
    try {
        capture.picture.bytes.assign(std::size_t(width) * std::size_t(height) * 3, 0);
    } catch (const std::bad_alloc&) {
        capture.picture.Reset();
        return KV_ERR_MEMORY;
    }
    if (grabber.function(grabber.context, left, top, width, height, capture.picture.bytes.data()) < 0) {
        capture.picture.Reset();
        return KV_ERR_GRAB;
    }
    capture.picture.width = width;
    capture.picture.height = height;
    capture.picture.held = true;
    capture.serial = NextSerial();
    kivra::PutInt32(block, MARK_AT, MARK);
    kivra::PutInt32(block, SERIAL_AT, capture.serial);
    return KV_OK;
}

using Writer = std::int32_t (*)(const char*, const std::uint8_t*, std::int32_t, std::int32_t);

std::int32_t Save(const char* path, void* block, Capture& capture, Writer write) {
    if (path == nullptr || block == nullptr) return KV_ERR_ARGUMENT;
    const kivra::HeldPicture& picture = capture.picture;
    if (!picture.held || kivra::GetInt32(block, MARK_AT) != MARK || kivra::GetInt32(block, SERIAL_AT) != capture.serial)
        return KV_ERR_ARGUMENT;  // not the block of the last grab
    const std::int32_t result = write(path, picture.bytes.data(), picture.width, picture.height);
    capture.picture.Reset();
    return result;
}

}  // namespace

extern "C" void kvSetGrabber(kvGrabFunction grabber, void* context) {
    RegisteredGrabber() = Grabber{grabber, context};
}

extern "C" int32_t kvRasterGrab(void* block) { return Grab(block, RasterCapture()); }

extern "C" int32_t kvRasterSave(const char* path, void* block) {
    return Save(path, block, RasterCapture(), kivra::WriteBmp);
}

extern "C" int32_t kvLosslessGrab(void* block) { return Grab(block, LosslessCapture()); }

extern "C" int32_t kvLosslessSave(const char* path, void* block) {
    return Save(path, block, LosslessCapture(), kivra::WritePng);
}
