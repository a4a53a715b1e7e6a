// Test helper: while alive, the clipboard answers with what the test says
// (empty when nothing was said) and counts how often it was read.
#pragma once

#include <utility>

#include "platform/clipboard.h"

namespace platform {

class ClipboardStub {
public:
    explicit ClipboardStub(ClipboardBitmap answer = {}) : answer_(std::move(answer)) {
        SetClipboardHook([this] { ++reads; return answer_; });
    }
    ~ClipboardStub() { SetClipboardHook({}); }
    ClipboardStub(const ClipboardStub&) = delete;
    ClipboardStub& operator=(const ClipboardStub&) = delete;

    void Offer(std::vector<std::uint8_t> block) { answer_ = {ClipboardState::Bitmap, std::move(block)}; }
    void Empty() { answer_ = {ClipboardState::NoBitmap, {}}; }
    void Unreachable() { answer_ = {ClipboardState::Unreachable, {}}; }

    int reads = 0;

private:
    ClipboardBitmap answer_;
};

}  // namespace platform
