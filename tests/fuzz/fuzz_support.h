// What the harnesses share: inputs that the code under test reads from a
// file, and message boxes answered without a window.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/message_box.h"

namespace fuzz {

// Writes the input to one file per process, in memory-backed /dev/shm when
// there is one, and returns its path.
inline std::string WriteInputFile(const std::uint8_t* data, std::size_t size) {
    static const std::string path = (access("/dev/shm", W_OK) == 0 ? std::string("/dev/shm") : std::string("/tmp")) +
                                    "/veldrio-fuzz-" + std::to_string(getpid());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file) {
        if (size > 0) std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path;
}

// Every box is answered at once: Yes to a question, OK otherwise.
inline void AnswerMessageBoxes() {
    static const bool installed = [] {
        platform::SetMessageBoxHook([](const platform::MessageBoxCall& call) {
            return (call.style & 0x0F) == platform::MB_YESNO ? int(platform::IDYES) : int(platform::IDOK);
        });
        return true;
    }();
    (void)installed;
}

}  // namespace fuzz
