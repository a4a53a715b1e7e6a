// Test helper: while alive, records every message box and answers it from a
// queue (OK, or Yes for a question, when the queue is empty).
#pragma once

#include <deque>
#include <vector>

#include "platform/message_box.h"

namespace platform {

class MessageBoxRecorder {
public:
    MessageBoxRecorder() {
        SetMessageBoxHook([this](const MessageBoxCall& call) {
            calls.push_back(call);
            if (!answers.empty()) {
                int answer = answers.front();
                answers.pop_front();
                return answer;
            }
            const unsigned buttons = call.style & 0x0F;
            return buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? int(IDYES) : int(IDOK);
        });
    }
    ~MessageBoxRecorder() { SetMessageBoxHook({}); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void Answer(int answer) { answers.push_back(answer); }
    const MessageBoxCall& Last() const { return calls.back(); }

    std::vector<MessageBoxCall> calls;
    std::deque<int> answers;
};

}  // namespace platform
