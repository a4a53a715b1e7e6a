// Test helper: while alive, records every file dialog request and answers
// it from a queue (cancel when the queue is empty).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/file_dialog.h"

namespace platform {

class FileDialogRecorder {
public:
    FileDialogRecorder() {
        SetFileDialogHook([this](const FileDialogRequest& request) -> FileDialogResult {
            requests.push_back(request);
            if (answers.empty()) return std::nullopt;
            FileDialogResult answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~FileDialogRecorder() { SetFileDialogHook({}); }
    FileDialogRecorder(const FileDialogRecorder&) = delete;
    FileDialogRecorder& operator=(const FileDialogRecorder&) = delete;

    void Choose(const std::string& path) { answers.emplace_back(path); }
    void Cancel() { answers.emplace_back(std::nullopt); }

    std::vector<FileDialogRequest> requests;
    std::deque<FileDialogResult> answers;
};

}  // namespace platform
