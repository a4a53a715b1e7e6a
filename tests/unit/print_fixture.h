// What the print tests share: a stand-in for starting the print program,
// which writes down what it was asked to start, and a one-grey picture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/image_data.h"
#include "platform/shell_execute.h"

struct ShellRecorder {
    std::string program;
    std::vector<std::string> arguments;
    int calls = 0;
    int result = 42;
    ShellRecorder() {
        platform::SetShellExecuteHook([this](const std::string& p, const std::vector<std::string>& a) {
            program = p;
            arguments = a;
            ++calls;
            return result;
        });
    }
    ~ShellRecorder() { platform::SetShellExecuteHook({}); }
};

// A picture named name of width x height dots of one mid grey.
inline bool MakeGreyPicture(CImageData& image, const char* name, int width, int height) {
    image.SetFileName(name);
    if (!image.SetImageSize(width, height)) return false;
    const std::vector<std::uint8_t> grey(std::size_t(width) * height * 3, 128);
    return image.StorePixels(grey.data(), grey.size(), false);
}
