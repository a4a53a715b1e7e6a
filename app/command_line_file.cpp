#include "app/command_line_file.h"

#include <filesystem>
#include <system_error>

std::string CommandLineFile(const std::vector<std::string>& arguments) {
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.empty() || argument.front() == '-') continue;
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(argument, error);
        return error ? argument : absolute.lexically_normal().string();
    }
    return {};
}
