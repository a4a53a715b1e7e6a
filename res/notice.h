// What the logic has to tell the user: a message with its title and the
// style of its box. The logic returns it; the window that asked shows it
// (platform::ShowNotice), and the command-line tools print it.
#pragma once

#include <string>

struct Notice {
    std::string text;    // UTF-8
    std::string title;   // UTF-8
    unsigned style = 0;  // platform::MessageBoxStyle bits; 0 = OK, no icon

    bool empty() const { return text.empty(); }
};

// Sets *out to notice when out is given.
inline void Tell(Notice* out, Notice notice) {
    if (out != nullptr) *out = std::move(notice);
}
